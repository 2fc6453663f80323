#include "core/strays/StrayScan.h"

#include "RightsFixture.h"
#include "core/strays/StrayDelete.h"
#include "store/Store.h"
#include "support/DryRun.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
        tw::StrayScan scanner(services(), m_strayView, m_rows, server());
        scanner.setPauseForTesting(0);
        scanner.ScanFiles(directory.isNull() ? m_tree.path() : directory, dmsOnly);
    }
    void deleteMarked() { tw::deleteMarkedStrays(strayRows(), services(), server()); }
    gw::FileServer& server()
    {
        if (!m_server)
            m_server = m_platform->CreateFileServer();
        return *m_server;
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
    std::shared_ptr<gw::FileServer> m_server;
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

TEST_F(StrayScanTest, AMissingTopDirectoryGivesAnEmptyListAndAnEmptyOneIsRefused)
{
    addFile("2-1.doc");
    open();
    m_rows.addRow({});
    scan(false, m_tree.path() + "/gone");
    EXPECT_TRUE(m_rows.rows.empty());
    EXPECT_EQ(
        logMessages().mid(logMessages().size() - 2),
        (QStringList {"Starting Divavi Directory Scan", "Completed Divavi Directory Scan on " + top() + "gone/"}));

    // An empty field would walk the whole file system from its root.
    const int lines = int(logMessages().size());
    m_rows.addRow({});
    scan(false, "  ");
    EXPECT_EQ(m_rows.rows.size(), 1u) << "the list is left as it was";
    EXPECT_EQ(logMessages().size(), lines);
    ASSERT_FALSE(m_host.messages.isEmpty());
    EXPECT_EQ(m_host.messages.last().text, "Select a Top User Directory to scan");
    EXPECT_TRUE(m_state.OperationIdle);
}

TEST_F(StrayScanTest, UnreadableDirectoriesAreCountedInOneLogLine)
{
    addFile("2-1.doc", 9);
    for (const char* closed : {"closed1", "closed2", "closed3"})
        addFile(QString(closed) + "/2-1.doc", 9);
    // Each is gone by the time the walk enters it, as a directory closed to the user would be
    // (which the super-user cannot make).
    m_strayView.onFile = [this](const QString& file) {
        if (file.contains("/closed") && !file.endsWith(".doc"))
            QDir(file).removeRecursively();
    };
    open();
    scan(false);
    EXPECT_EQ(m_rows.rows.size(), 1u);
    EXPECT_TRUE(m_host.statusLines.contains("Last Operation Directory " + top() + "closed2/ cannot be read"));
    EXPECT_EQ(logMessages().filter("cannot be read"), QStringList {}) << "no line per directory";
    EXPECT_TRUE(logHas("3 Directories could not be read"));
}

// A name that is not plain text has no text that names its file: it is never listed (a deletion
// by that text would miss the copy or hit another file), and the log tells it escaped.
TEST_F(StrayScanTest, NamesThatAreNotPlainTextAreToldEscapedAndNeverListed)
{
    addFile("2-1.doc", 9);
    addFile("sub/keep.txt");
    const auto pathOf = [this](const char* name) { return QByteArray(QFile::encodeName(top()) + name); };
    for (const char* name : {"2-1\n.doc", "sub/2-1.do\xE7"}) {
        const int fd = ::open(pathOf(name).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0) << name;
        ::close(fd);
    }
    ASSERT_EQ(::mkdir(pathOf("dir\xFF").constData(), 0755), 0);
    open();
    scan(false);
    EXPECT_EQ(judged(), QStringList {"[x] 2-1.doc: 02/01/2026 10:00:00"});
    for (const QString& line :
         QStringList {"File " + top() + "2-1\\n.doc has a name that is not plain text and is not checked",
                      "File " + top() + "sub/2-1.do\\xE7 has a name that is not plain text and is not checked",
                      "Directory " + top() + "dir\\xFF has a name that is not plain text and is not scanned"})
        EXPECT_TRUE(logHas(line)) << line.toStdString();
}

// A library store kept under the scanned tree holds content files named like users' copies
// (document, a letter, version): the scan never walks into it or into a salvage area, and the
// deletion refuses such a path even when a list holds it.
TEST_F(StrayScanTest, NeverListsOrDeletesLibraryContent)
{
    open();
    const QString storeDir = m_fixture.store().directory();
    QTemporaryDir home;
    const QString storeLink = home.path() + "/store";
    ASSERT_TRUE(QFile::link(storeDir, storeLink));
    // A copy in the user's folder, a content file of a store, and a salvaged file.
    addFile("2-1.doc", 9);
    const QString content = storeDir + "/files/LIB1/2A1.doc";
    QDir().mkpath(QFileInfo(content).path());
    QFile contentFile(content);
    ASSERT_TRUE(contentFile.open(QIODevice::WriteOnly));
    contentFile.setFileTime(kRetrieved.addSecs(9), QFileDevice::FileModificationTime);
    contentFile.close();
    addFile("work/.salvage/2-1.doc", 9);
    QDir().mkpath(top() + "copy");
    ASSERT_TRUE(QFile::copy(storeDir + "/store.db", top() + "copy/store.db"));
    addFile("copy/files/LIB1/2-1.doc", 9);

    scan(false);
    QStringList listed;
    for (const tw::ResultRow& row : m_rows.rows)
        listed.append(row.texts.at(1) + row.texts.at(0));
    EXPECT_EQ(listed, QStringList {top() + "2-1.doc"});
    EXPECT_TRUE(logHas("Directory " + top() + "work/.salvage/ holds library files and is not scanned"));
    EXPECT_TRUE(logHas("Directory " + top() + "copy/ holds library files and is not scanned"));

    // The second guard: rows naming library content, through a link and directly, are refused.
    for (const QString& path :
         QStringList {storeLink + "/files/LIB1/2A1.doc", content, top() + "work/.salvage/2-1.doc"}) {
        tw::ResultRow row = m_rows.rows.front();
        row.texts[0] = QFileInfo(path).fileName();
        row.texts[1] = QFileInfo(path).path() + '/';
        row.hidden = QString::number(QFileInfo(path).size());
        row.stamp = QFileInfo(path).lastModified().toMSecsSinceEpoch();
        m_rows.rows.push_back(row);
    }
    deleteMarked();
    EXPECT_FALSE(QFile::exists(top() + "2-1.doc"));
    EXPECT_TRUE(QFile::exists(content));
    EXPECT_TRUE(QFile::exists(top() + "work/.salvage/2-1.doc"));
    EXPECT_TRUE(logHas("File " + storeLink + "/files/LIB1/2A1.doc holds library content and was not deleted"));
}

TEST_F(StrayScanTest, CancelStopsTheDeletionAfterTheRowInHand)
{
    for (int i = 1; i <= 4; ++i)
        addFile(QString("d%1/2-1.doc").arg(i), 9);
    open();
    scan(false);
    ASSERT_EQ(m_strayView.counters.value(StrayCounter::Marked), 4);
    m_host.onPump = [this] { m_state.CancelRequested = true; };
    deleteMarked();
    int left = 0;
    for (int i = 1; i <= 4; ++i)
        left += QFile::exists(top() + QString("d%1/2-1.doc").arg(i)) ? 1 : 0;
    EXPECT_EQ(left, 3);
    EXPECT_TRUE(logHas("Divavi Marked File Deletion Cancelled"));
    EXPECT_FALSE(logHas("Divavi Marked File Deletion Completed"));
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
    deleteMarked();
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

// The same marked rows deleted dry and then for real: the dry run changes nothing in the tree or
// the store (a read-only file stays read-only) and names, line for line, what the real delete does,
// a file changed since the scan and one in the store's own area included.
TEST_F(StrayScanTest, ADryRunNamesWhatTheRealDeleteDoes)
{
    addFile("2-1.doc", 0);
    addFile("a/2v1.doc", 1);
    addFile("b/2-C.doc", 2);
    addFile("c/2-1.doc", 3);
    QFile::setPermissions(top() + "a/2v1.doc", QFileDevice::ReadOwner);
    open();
    scan(false);
    addFile("b/2-C.doc", 2, 99);
    QFile::remove(top() + "c/2-1.doc");
    tw::ResultRow content;
    content.checked = true;
    content.texts = QStringList {"store.db", m_fixture.path() + "/"};
    m_rows.rows.push_back(content);
    const qsizetype from = logMessages().size();
    qsizetype middle = 0;
    const auto runs = tw::test::dryThenReal(m_state, {m_tree.path(), m_fixture.path()}, QString(), [&] {
        deleteMarked();
        middle = middle ? middle : logMessages().size();
    });
    EXPECT_EQ(runs.changedFiles, QStringList());
    const QRegularExpression outcome("^(Dry Run: )?File ");
    const QStringList dry = logMessages().mid(from, middle - from).filter(outcome);
    const QStringList real = logMessages().mid(middle).filter(outcome);
    EXPECT_EQ(tw::test::dryRunLines(dry), dry);
    EXPECT_EQ(tw::test::withoutDryRunMarks(dry), real);
    // Told in the scan's order; compared in name order.
    QStringList expected {"File " + top() + "2-1.doc deleted", "File " + top() + "a/2v1.doc deleted",
                          "File " + top() + "b/2-C.doc changed since the scan and was not deleted",
                          "File " + m_fixture.path() + "/store.db holds library content and was not deleted"};
    QStringList sorted = real;
    expected.sort();
    sorted.sort();
    EXPECT_EQ(sorted, expected);
    EXPECT_FALSE(QFile::exists(top() + "a/2v1.doc"));
    EXPECT_TRUE(logHas("Divavi Marked File Deletion Completed (Dry Run)"));
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
