#include "core/strays/StrayScan.h"

#include "RightsFixture.h"
#include "core/strays/StrayDelete.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

namespace {

using tw::StrayCounter;

class CountingView : public tw::StrayScanView
{
public:
    void setCurrentDirectory(const QString& text) override { directory = text; }
    void setCurrentFile(const QString& text) override
    {
        files.append(text);
        if (onFile)
            onFile(text);
    }
    void resetCounters() override { counters.clear(); }
    void addToCounter(StrayCounter counter, qint64 amount) override { counters[counter] += amount; }

    QString directory;
    QStringList files;
    QMap<StrayCounter, qint64> counters;
    std::function<void(const QString&)> onFile;
};

// LIB1 of the run fixture (highest number 4) with document 2's version retrieved on 02/01/2026
// at 10:00:00 and document 4's version checked out, and a tree of users' copies.
class StrayScanTest : public tw::test::RightsFixture
{
protected:
    StrayScanTest()
    {
        store::VersionState retrieved;
        retrieved.retriever = QStringLiteral("BOB");
        retrieved.retrieved = kRetrieved;
        m_fixture.builder().setVersionState("LIB1", 2, 1, retrieved);
        store::VersionState out;
        out.checkedOut = true;
        m_fixture.builder().setVersionState("LIB1", 4, 1, out);
    }

    QString top() const { return m_tree.path() + '/'; }
    // A file with `bytes` of content, last modified `secondsAfter` the retrieval of document 2.
    void addFile(const QString& relative, int secondsAfter = 0, int bytes = 10)
    {
        const QString path = top() + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(bytes, 'x'));
        file.flush();
        file.setFileTime(kRetrieved.addSecs(secondsAfter), QFileDevice::FileModificationTime);
    }
    void addTree()
    {
        addFile("2-1.doc", 9, 1234);
        addFile("sub/2v1.DOC", 11);
        addFile("sub/deeper/4-1.xls");
        addFile("1-2.doc");
        addFile("sub/1-3.txt");
        addFile("1-C.txt");
        addFile("3-1.doc");
        addFile("5-1.doc");
        addFile(".hidden/notes.txt");
        QFile::link(m_tree.path(), top() + "sub/loop");
    }
    void scan(bool dmsOnly, const QString& directory = QString())
    {
        tw::StrayScan scanner(services(), m_strayView, m_rows);
        scanner.setPauseForTesting(0);
        scanner.ScanFiles(directory.isNull() ? m_tree.path() : directory, dmsOnly);
    }
    // "File Name: GW Date" of each listed row, in name order, with [x] for a marked row.
    QStringList judged() const
    {
        QStringList rows;
        for (const tw::ResultRow& row : m_rows.rows)
            rows.append(QString(row.checked.value_or(false) ? "[x] " : "") + row.texts.at(0) + ": " + row.texts.at(5));
        rows.sort();
        return rows;
    }
    tw::StrayRows strayRows()
    {
        return {[this] { return int(m_rows.rows.size()); },
                [this](int i) -> const tw::ResultRow& { return m_rows.rows.at(size_t(i)); }};
    }

    const QDateTime kRetrieved {QDate(2026, 1, 2), QTime(10, 0, 0)};
    QTemporaryDir m_tree;
    CountingView m_strayView;
    tw::test::RowRecorder m_rows;
};

TEST_F(StrayScanTest, JudgesEveryCopyInTheTreeAndMarksTheSafeOnes)
{
    addTree();
    open();
    scan(false);
    EXPECT_EQ(
        judged(),
        (QStringList {"1-2.doc: File Type Mismatch", "1-3.txt: No Document Version", "1-C.txt: <Never>",
                      "2v1.DOC: 02/01/2026 10:00:00", "4-1.xls: Checked Out", "[x] 2-1.doc: 02/01/2026 10:00:00"}));
    EXPECT_EQ(m_strayView.counters.value(StrayCounter::Checked), 9) << "every file, the loop not followed";
    EXPECT_EQ(m_strayView.counters.value(StrayCounter::Listed), 6);
    EXPECT_EQ(m_strayView.counters.value(StrayCounter::Marked), 1);
    EXPECT_EQ(m_strayView.counters.value(StrayCounter::MarkedSize), 1234);
    const auto row = std::find_if(m_rows.rows.begin(), m_rows.rows.end(),
                                  [](const tw::ResultRow& r) { return r.texts.at(0) == "2v1.DOC"; });
    ASSERT_NE(row, m_rows.rows.end());
    EXPECT_EQ(row->texts.mid(1, 4), (QStringList {top() + "sub/", "2", "1", "02/01/2026 10:00:11"}));
    EXPECT_EQ(row->hidden, "10");
    EXPECT_TRUE(logHas("Starting Divavi Directory Scan"));
    EXPECT_TRUE(logHas("Completed Divavi Directory Scan on " + top()));
    EXPECT_TRUE(m_host.statusLines.contains("Last Operation Successfully Retrieved Document 2"));
    EXPECT_FALSE(m_host.statusLines.contains("Last Operation Successfully Retrieved Document 5"))
        << "above the highest number: never looked up";
    EXPECT_TRUE(m_state.OperationIdle);
    EXPECT_EQ(m_strayView.directory, "");
}

TEST_F(StrayScanTest, TheFilterKeepsOnlyCopiesOfAVersionOfTheirType)
{
    addTree();
    open();
    scan(true);
    EXPECT_EQ(judged(),
              (QStringList {"1-C.txt: <Never>", "2v1.DOC: 02/01/2026 10:00:00", "4-1.xls: Checked Out",
                            "[x] 2-1.doc: 02/01/2026 10:00:00"}));
    EXPECT_EQ(m_strayView.counters.value(StrayCounter::Listed), 4);
}

TEST_F(StrayScanTest, AMissingTopDirectoryGivesAnEmptyListWithAWord)
{
    open();
    m_rows.addRow({});
    scan(false, m_tree.path() + "/gone");
    EXPECT_TRUE(m_rows.rows.empty());
    EXPECT_TRUE(logHas("Directory " + m_tree.path() + "/gone/ cannot be read"));
    EXPECT_TRUE(logHas("Completed Divavi Directory Scan on " + m_tree.path() + "/gone/"));
}

TEST_F(StrayScanTest, CancelStopsEveryLevelOfTheWalk)
{
    for (const char* dir : {"a", "a/b", "a/b/c", "z"}) {
        for (int i = 1; i <= 5; ++i)
            addFile(QString("%1/%2-1.doc").arg(dir).arg(i));
    }
    open();
    qsizetype cancelledAt = -1;
    m_strayView.onFile = [&](const QString& file) {
        if (cancelledAt < 0 && file.contains("/a/b/c/")) {
            m_state.CancelRequested = true;
            cancelledAt = m_strayView.files.size();
        }
    };
    scan(false);
    ASSERT_GT(cancelledAt, 0);
    for (const QString& file : m_strayView.files.mid(cancelledAt))
        EXPECT_TRUE(file.isEmpty()) << "walked on after the cancel: " << file.toStdString();
    EXPECT_LT(m_strayView.counters.value(StrayCounter::Checked), 20);
    EXPECT_TRUE(logHas("Completed Divavi Directory Scan on " + top()));
    EXPECT_FALSE(m_state.CancelRequested);
}

TEST_F(StrayScanTest, DeletesOnlyMarkedFilesThatAreStillAsScanned)
{
    addFile("2-1.doc", 0);
    addFile("a/2v1.doc", 1);
    addFile("b/2-C.doc", 2);
    addFile("c/2-1.doc", 3);
    addFile("target/notes.txt", 0);
    QFile::link(top() + "target/notes.txt", top() + "2x1.doc"); // a link named like a copy
    QFile::setPermissions(top() + "a/2v1.doc", QFileDevice::ReadOwner);
    open();
    scan(false);
    // Official form and the link: marked as well; the link is judged by what it points to.
    EXPECT_EQ(m_strayView.counters.value(StrayCounter::Marked), 5);
    // Changed since the scan, and removed since the scan.
    addFile("b/2-C.doc", 2, 99);
    QFile::remove(top() + "c/2-1.doc");
    tw::deleteMarkedStrays(strayRows(), m_log, m_host);
    EXPECT_FALSE(QFile::exists(top() + "2-1.doc"));
    EXPECT_FALSE(QFile::exists(top() + "a/2v1.doc"));
    EXPECT_TRUE(m_host.statusLines.contains("Last Operation Reset Read Only Flag on File " + top() + "a/2v1.doc"));
    EXPECT_TRUE(QFile::exists(top() + "b/2-C.doc")) << "an edit made since the scan is kept";
    EXPECT_TRUE(logHas("File " + top() + "b/2-C.doc changed since the scan and was not deleted"));
    EXPECT_FALSE(QFileInfo(top() + "2x1.doc").isSymLink());
    EXPECT_TRUE(QFile::exists(top() + "target/notes.txt")) << "a link's target is never deleted";
    EXPECT_TRUE(logHas("File " + top() + "2-1.doc deleted"));
    EXPECT_TRUE(logHas("Divavi Marked File Deletion Started"));
    EXPECT_TRUE(logHas("Divavi Marked File Deletion Completed"));
    EXPECT_EQ(m_rows.rows.size(), 5u) << "the rows stay";
}

TEST_F(StrayScanTest, TheMarkedTotalsAreRecountedOverAllRows)
{
    std::vector<tw::ResultRow>& rows = m_rows.rows;
    rows.resize(3);
    rows[0].checked = true;
    rows[0].hidden = "100";
    rows[1].checked = false;
    rows[1].hidden = "7";
    rows[2].checked = true;
    rows[2].hidden = "23";
    const tw::MarkedTotals totals = tw::MarkedTotals::of(strayRows());
    EXPECT_EQ(totals.files, 2);
    EXPECT_EQ(totals.bytes, 123);
}

} // namespace
