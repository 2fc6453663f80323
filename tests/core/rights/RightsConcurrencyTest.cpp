#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/demo/Generator.h"
#include "support/FixtureStore.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <iostream>

namespace {

constexpr int kDocuments = 3000;

// The sharing-list entries every document starts with, chosen by its number so that the
// library holds every kind of meeting of the two edits: the replacement absent, present, an
// explicit deny, either old user missing, another user between them.
QList<QStringList> startingEntries(qint64 number)
{
    switch (number % 6) {
    case 0:
        return {{"JSMITH"}, {"MJONES"}};
    case 1:
        return {{"MJONES"}, {"JSMITH"}, {"PBROWN"}};
    case 2:
        return {{"JSMITH"}};
    case 3:
        return {{"JSMITH", "deny"}, {"MJONES"}};
    case 4:
        return {{"PBROWN", "deny"}, {"JSMITH"}, {"MJONES"}};
    default:
        return {{"BOB"}, {"MJONES"}, {"JSMITH"}};
    }
}

// Two programs on one store, each a rights edit over the same documents: one hands John
// Smith's entries over to Peter Brown, the other Mary Jones's. The store must end as the two
// edits run one after the other leave it, document by document.
class RightsConcurrencyTest : public testing::Test
{
protected:
    RightsConcurrencyTest()
    {
        store::StoreBuilder& s = m_fixture.builder();
        s.addUser("PO1", "JSMITH", "John", "Smith");
        s.addUser("PO1", "MJONES", "Mary", "Jones");
        s.addUser("PO2", "PBROWN", "Peter", "Brown");
        s.addLibrary("PO1", "BULK", "Many documents");
        s.setLibraryRights("BULK", "ANN", true);
        s.setDefaultLibrary("ANN", "BULK");
        store::Generator::generate(m_fixture.store(), QStringLiteral("BULK"), kDocuments, 1);
        share();
        writeList("smith", "John Smith");
        writeList("jones", "Mary Jones");
    }

    QString dir(const QString& name) const { return m_work.filePath(name); }

    void share()
    {
        QSqlDatabase db = m_fixture.store().database();
        store::Sql::run(db, QStringLiteral("BEGIN"));
        for (qint64 number = 1; number <= kDocuments; ++number) {
            int position = 0;
            for (const QStringList& entry : startingEntries(number)) {
                ++position;
                // Masks that differ per document and level, with modify security (8) among them.
                const qint64 seed = number * 7 + position * 13;
                store::Sql::run(
                    db,
                    QStringLiteral("INSERT INTO rights(document_id, kind, position, user_id, display_name, "
                                   "official, current, other, revoke_all) SELECT d.id, 2, ?, u.id, "
                                   "u.display_name, ?, ?, ?, ? FROM documents d, users u WHERE d.number = ? "
                                   "AND u.user_id = ?"),
                    {position, seed % 64, (seed / 3) % 64, (seed / 5) % 64, entry.size() > 1 ? 1 : 0, number,
                     entry.at(0)});
            }
        }
        store::Sql::run(db, QStringLiteral("COMMIT"));
    }

    // An edit list that hands `original`'s entries over to Peter Brown, merged into his own.
    void writeList(const QString& name, const QString& original)
    {
        QDir().mkpath(dir(name));
        QFile list(dir(name) + QStringLiteral("/EditList.txt"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write(QStringLiteral("1\t%1\tPeter Brown\tReplace\t0\r\n").arg(original).toLocal8Bit());
    }

    // A copy of the store as it is now, for the edits run one after the other.
    QString copy(const QString& name)
    {
        const QString path = dir(name);
        EXPECT_TRUE(QDir().mkpath(path + QStringLiteral("/files")));
        QSqlDatabase db = m_fixture.store().database();
        store::Sql::run(db, QStringLiteral("VACUUM INTO ?"), {QString(path + QStringLiteral("/store.db"))});
        return path;
    }

    // Starts the rights edit of the list `list` on the store at `storePath`, reporting into
    // its own folder.
    QProcess* start(const QString& storePath, const QString& list)
    {
        const QString reports = storePath + QStringLiteral("-") + list;
        return startChild({QStringLiteral("rightsedit"), storePath, QStringLiteral("BULK"), dir(list), reports});
    }

    // Starts a full rights report that removes every explicit deny, logging into `reports`.
    QProcess* startDenyRemoval(const QString& reports)
    {
        return startChild({QStringLiteral("denyremoval"), m_fixture.path(), QStringLiteral("BULK"), reports, reports});
    }

    QProcess* startChild(const QStringList& arguments)
    {
        QDir().mkpath(arguments.last());
        auto* child = new QProcess;
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child->start(QStringLiteral(TW_RUN_KILL_CHILD), arguments);
        EXPECT_TRUE(child->waitForStarted());
        return child;
    }

    void finish(QProcess* child)
    {
        EXPECT_TRUE(child->waitForFinished(600000));
        EXPECT_EQ(child->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child->exitCode(), 0);
        delete child;
    }

    void runOneAfterTheOther(const QString& storePath, const QString& first, const QString& second)
    {
        finish(start(storePath, first));
        finish(start(storePath, second));
    }

    // The lines of the daily logs of a run's folder that hold one of `words`.
    static QStringList logLines(const QString& reports, const QStringList& words)
    {
        QStringList found;
        for (const QFileInfo& log : QDir(reports).entryInfoList({QStringLiteral("*.log")}, QDir::Files)) {
            QFile file(log.filePath());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            for (const QString& line : QString::fromLocal8Bit(file.readAll()).split(QStringLiteral("\r\n"))) {
                if (std::any_of(words.cbegin(), words.cend(), [&line](const QString& w) { return line.contains(w); }))
                    found << line;
            }
        }
        return found;
    }

    // Every error line the daily logs of a run's folder hold.
    static QStringList errors(const QString& reports)
    {
        return logLines(reports, {QStringLiteral("Error"), QStringLiteral("Failed")});
    }

    // Each document's sharing list in order, as "name official/current/other deny modify".
    static QMap<qint64, QStringList> sharing(const QString& storePath)
    {
        auto s = store::Store::open(storePath);
        QSqlDatabase db = s->database();
        QMap<qint64, QStringList> byDocument;
        QSqlQuery q = store::Sql::run(
            db,
            QStringLiteral("SELECT d.number, r.display_name, r.official, r.current, r.other, r.revoke_all, "
                           "r.modify_security FROM documents d LEFT JOIN rights r ON r.document_id = d.id AND "
                           "r.kind = 2 ORDER BY d.number, r.position, r.id"));
        while (q.next()) {
            QStringList& entries = byDocument[q.value(0).toLongLong()];
            if (!q.isNull(1))
                entries << QStringLiteral("%1 %2/%3/%4 %5 %6")
                               .arg(q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                                    q.value(4).toString(), q.value(5).toString(), q.value(6).toString());
        }
        return byDocument;
    }

    tw::test::FixtureStore m_fixture;
    QTemporaryDir m_work;
};

TEST_F(RightsConcurrencyTest, TwoProgramsEditingRightsAtOnceEndAsOneAfterTheOther)
{
    const QString smithFirst = copy(QStringLiteral("smith-first"));
    const QString jonesFirst = copy(QStringLiteral("jones-first"));

    QProcess* smith = start(m_fixture.path(), QStringLiteral("smith"));
    QProcess* jones = start(m_fixture.path(), QStringLiteral("jones"));
    finish(smith);
    finish(jones);
    runOneAfterTheOther(smithFirst, QStringLiteral("smith"), QStringLiteral("jones"));
    runOneAfterTheOther(jonesFirst, QStringLiteral("jones"), QStringLiteral("smith"));

    for (const QString& list : {QStringLiteral("smith"), QStringLiteral("jones")}) {
        EXPECT_EQ(errors(m_fixture.path() + QStringLiteral("-") + list), QStringList())
            << "a writer waits for the other instead of failing";
    }
    const QMap<qint64, QStringList> together = sharing(m_fixture.path());
    const QMap<qint64, QStringList> oneOrder = sharing(smithFirst);
    const QMap<qint64, QStringList> otherOrder = sharing(jonesFirst);
    ASSERT_EQ(together.size(), kDocuments);
    ASSERT_EQ(oneOrder.size(), kDocuments);
    int compared = 0;
    int wrong = 0;
    for (auto it = together.cbegin(); it != together.cend(); ++it) {
        ++compared;
        const QStringList& sequential = oneOrder.value(it.key());
        if (it.value() == sequential || it.value() == otherOrder.value(it.key()))
            continue;
        if (++wrong <= 10)
            ADD_FAILURE() << "document " << it.key() << ": " << it.value().join(", ").toStdString() << " instead of "
                          << sequential.join(", ").toStdString();
    }
    EXPECT_EQ(wrong, 0) << "of " << compared << " documents";
    EXPECT_EQ(compared, kDocuments);
    // The edits did their work: no entry of either old user is left.
    for (const QStringList& entries : oneOrder) {
        for (const QString& entry : entries)
            ASSERT_FALSE(entry.startsWith("John Smith") || entry.startsWith("Mary Jones")) << entry.toStdString();
    }
    std::cout << "compared the sharing lists of " << compared << " documents\n";
}

// Two programs removing the explicit denies of the same documents at once: each deny goes once,
// told once by the program that removed it, and neither program fails on a deny the other
// removed meanwhile. (A program's report of a document can still miss an entry the other
// removes while it reads the list entry by entry; it says so, and the other removes the deny.)
TEST_F(RightsConcurrencyTest, TwoProgramsRemovingDeniesAtOnceRemoveEachOnce)
{
    const QMap<qint64, QStringList> before = sharing(m_fixture.path());
    int denies = 0;
    for (const QStringList& entries : before)
        denies += int(entries.filter(QStringLiteral(" 1 ")).size());
    ASSERT_EQ(denies, kDocuments / 3);

    QProcess* first = startDenyRemoval(dir(QStringLiteral("first")));
    QProcess* second = startDenyRemoval(dir(QStringLiteral("second")));
    finish(first);
    finish(second);

    QStringList removed;
    for (const QString& reports : {dir(QStringLiteral("first")), dir(QStringLiteral("second"))}) {
        EXPECT_EQ(logLines(reports, {QStringLiteral("Error Removing")}), QStringList());
        removed << logLines(reports, {QStringLiteral("Explicit Deny Rights removed for")});
    }
    EXPECT_EQ(removed.size(), denies);
    const QMap<qint64, QStringList> after = sharing(m_fixture.path());
    ASSERT_EQ(after.size(), kDocuments);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        QStringList kept = it.value();
        kept.erase(std::remove_if(kept.begin(), kept.end(),
                                  [](const QString& entry) { return entry.contains(QStringLiteral(" 1 ")); }),
                   kept.end());
        EXPECT_EQ(after.value(it.key()), kept) << "document " << it.key();
    }
}

} // namespace
