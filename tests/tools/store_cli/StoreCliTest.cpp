#include "store/Sql.h"
#include "store/Store.h"
#include "support/GTestQt.h"
#include "support/TestBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome
{
    int code = -1;
    QString out;
    QString err;
};

class StoreCliTest : public testing::Test
{
protected:
    Outcome run(const QStringList& arguments) { return runAsTyped(QStringList {"--store", store()} + arguments); }
    // Runs the tool with exactly these arguments ("@STORE" stands for store());
    // $TARNWICK_STORE names another directory, which must stay untouched.
    Outcome runAsTyped(QStringList arguments)
    {
        arguments.replaceInStrings("@STORE", store());
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TARNWICK_STORE", otherStore());
        tool.setProcessEnvironment(environment);
        tool.start(TOOL_PATH, arguments);
        EXPECT_TRUE(tool.waitForFinished(60000));
        return {tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardOutput()),
                QString::fromLocal8Bit(tool.readAllStandardError())};
    }
    QString store() const { return m_dir.filePath("store"); }
    QString otherStore() const { return m_dir.filePath("other-store"); }
    QString file(const QString& name, const QByteArray& bytes)
    {
        QFile f(m_dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    // A store with domain DOM, post office PO1, user ANN (the client user) and library Main.
    void buildSmallDomain()
    {
        for (const QStringList& args : {QStringList {"init"},
                                        {"library", "domain", "DOM"},
                                        {"library", "postoffice", "DOM", "PO1"},
                                        {"user", "add", "PO1", "ANN", "Ann", "Archer"},
                                        {"login", "ANN"},
                                        {"library", "add", "PO1", "Main", "--description", "Main library"},
                                        {"library", "field", "Main", "Client", "text"},
                                        {"library", "type", "Main", "Memo"}}) {
            const Outcome o = run(args);
            ASSERT_EQ(o.code, 0) << args.join(' ').toStdString() << ": " << o.err.toStdString();
        }
    }

    QTemporaryDir m_dir;
};

TEST_F(StoreCliTest, BuildsAStoreAndImportsDocuments)
{
    buildSmallDomain();
    const QString a = file("a.txt", "alpha");
    const Outcome imported = run(
        {"import", "Main", a, "--subject", "Quoted \"name\"\twith tab", "--type", "Memo", "--field", "Client=Acme"});
    ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains("-> document 1"));
    EXPECT_EQ(run({"import", "Main", file("b.txt", "beta v2"), "--version-of", "1"}).code, 0);
    EXPECT_EQ(run({"flag", "Main", "1", "2", "archived", "on"}).code, 0);
    EXPECT_EQ(run({"rights", "Main", "1", "--default", "V/V/-", "--share", "Nobody Here=VE/VE/V,revoke"}).code, 0);
    const Outcome info = run({"info"});
    EXPECT_TRUE(info.out.contains("documents:      1")) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains("versions:       2"));
    EXPECT_TRUE(info.out.contains("client user:    ANN"));
    EXPECT_TRUE(info.out.contains("database:       SQLite\n"));
}

TEST_F(StoreCliTest, InitOnAServerMakesAStoreThatInfoNamesSo)
{
    if (qEnvironmentVariableIsEmpty("TARNWICK_TEST_PG"))
        GTEST_SKIP() << "needs a PostgreSQL server (TARNWICK_TEST_PG; scripts/test starts one)";
    const QString url = tw::test::newDatabaseUrl();
    const Outcome made = run({"init", "--database", url});
    ASSERT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(store() + "/store.conf"));
    EXPECT_FALSE(QFileInfo::exists(store() + "/store.db"));
    EXPECT_EQ(run({"library", "domain", "DOM"}).code, 0);
    const Outcome info = run({"info"});
    EXPECT_TRUE(info.out.contains("database:       PostgreSQL (" + url + ")\n")) << info.out.toStdString();
    EXPECT_EQ(run({"init", "--database", url}).code, 1);
}

// A store the tool cannot use is refused with its real cause, not as a store of schema version 0.
TEST_F(StoreCliTest, NamesTheCauseOfAnUnusableStore)
{
    ASSERT_EQ(run({"init"}).code, 0);
    const QString database = store() + "/store.db";
    const struct
    {
        qint64 keep; // bytes kept of the database; the first 100 after them are overwritten
        const char* cause;
    } cases[] = {{0, "file is not a database"}, {-1, "holds no library store tables"}};
    for (const auto& c : cases) {
        QFile f(database);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        if (c.keep < 0)
            ASSERT_TRUE(f.resize(0));
        else
            ASSERT_TRUE(f.seek(c.keep) && f.write(QByteArray(100, 'x')) == 100);
        f.close();
        const Outcome o = run({"info"});
        EXPECT_EQ(o.code, 1);
        EXPECT_TRUE(o.err.contains(c.cause)) << o.err.toStdString();
        EXPECT_FALSE(o.err.contains("schema version 0")) << o.err.toStdString();
    }
}

struct BadCase
{
    const char* label;
    QStringList arguments;
    int code;
    const char* message;
};

class StoreCliErrorTest : public StoreCliTest, public testing::WithParamInterface<BadCase>
{
};

TEST_P(StoreCliErrorTest, RefusesWithAClearMessageAndChangesNothing)
{
    buildSmallDomain();
    const BadCase& c = GetParam();
    QStringList arguments = c.arguments;
    arguments.replaceInStrings("@FILE", file("c.txt", "gamma"));
    const Outcome o = run(arguments);
    EXPECT_EQ(o.code, c.code) << o.err.toStdString();
    EXPECT_TRUE(o.err.contains(QString::fromUtf8(c.message))) << o.err.toStdString();
    // A mistake in the command line comes with the usage; a refusal of the store without.
    EXPECT_EQ(o.err.contains("\nusage: tarnwick-store "), c.code == 2) << o.err.toStdString();
    const Outcome info = run({"info"});
    EXPECT_TRUE(info.out.contains("documents:      0")) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains("fault rules:    0"));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, StoreCliErrorTest,
    testing::Values(
        BadCase {"UnknownCommand", {"explode"}, 2, "unknown command \"explode\""},
        BadCase {"UnknownOption", {"import", "Main", "@FILE", "--colour", "red"}, 2, "unknown option --colour"},
        BadCase {"MissingArguments", {"flag", "Main", "1"}, 2, "missing arguments"},
        BadCase {"NegativeNumber", {"flag", "Main", "-1", "1", "archived", "on"}, 2, "DOCUMENT must be a whole number"},
        BadCase {"HugeNumber", {"purge", "Main", "99999999999999999999", "1"}, 2, "DOCUMENT must be a whole number"},
        // Numbers that fit the tool's widest type but not the one they are stored in.
        BadCase {"VersionBeyondItsType",
                 {"checkout", "Main", "1", "4294967297"},
                 2,
                 "VERSION must be a whole number from 1 to 2147483647, not \"4294967297\""},
        BadCase {"PurgedVersionBeyondItsType", {"purge", "Main", "1", "4294967298"}, 2, "VERSION must be"},
        BadCase {
            "FlagVersionBeyondItsType", {"flag", "Main", "1", "4294967297", "archived", "on"}, 2, "VERSION must be"},
        BadCase {"RightsBeyondTheirType",
                 {"library", "grant", "Main", "*", "--rights", "4294967303"},
                 2,
                 "--rights must be a whole number from 0 to 2147483647"},
        BadCase {"FaultOccurrenceBeyondItsType",
                 {"fault", "add", "Subject", "boom", "--occurrence", "4294967297"},
                 2,
                 "--occurrence must be"},
        BadCase {"BadFlagValue", {"flag", "Main", "1", "1", "archived", "maybe"}, 2, "on or off"},
        BadCase {"UnknownLibrary", {"import", "Nowhere", "@FILE"}, 1, "Nowhere"},
        BadCase {"UnknownField", {"import", "Main", "@FILE", "--field", "Colour=red"}, 1, "Colour"},
        BadCase {"MissingFile", {"import", "Main", "/no/such/file.txt"}, 1, "/no/such/file.txt"},
        BadCase {"UnknownUser", {"login", "NOBODY"}, 1, "NOBODY"},
        BadCase {"BadMask", {"rights", "Main", "1", "--default", "V/Q/-"}, 2, "DEVMS"},
        BadCase {"BadFieldType", {"library", "field", "Main", "When", "clock"}, 2, "text, numeric or date"},
        BadCase {"FaultWithoutMessage", {"fault", "add", "Subject"}, 2, "missing arguments"}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.label; });

struct FailingStepCase
{
    const char* label;
    QStringList arguments;
    const char* hold; // what another program does to the store meanwhile
    const char* message;
};

void PrintTo(const FailingStepCase& c, std::ostream* os)
{
    *os << c.label;
}

class StoreCliFailingStepTest : public StoreCliTest, public testing::WithParamInterface<FailingStepCase>
{
};

// While another program holds the store's lock, or the store refuses to record the event (as a
// full disk does), a command that changes a file and the database changes neither: the content
// stays in its folder, out of the salvage area, and the version as it was.
TEST_P(StoreCliFailingStepTest, ChangesNothingWhenItsDatabaseStepFails)
{
    const FailingStepCase& c = GetParam();
    buildSmallDomain();
    ASSERT_EQ(run({"import", "Main", file("a.txt", "alpha")}).code, 0);
    const QDir folder(store() + "/files/MAIN");
    const QStringList before = folder.entryList(QDir::Files);
    ASSERT_EQ(before.size(), 1);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-program");
        other.setDatabaseName(store() + "/store.db");
        ASSERT_TRUE(other.open());
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec(c.hold)) << q.lastError().text().toStdString();
        const Outcome o = run(c.arguments);
        EXPECT_EQ(o.code, 1) << o.out.toStdString();
        EXPECT_TRUE(o.err.contains(c.message)) << o.err.toStdString();
        q.exec(QString(c.hold).startsWith("BEGIN") ? "ROLLBACK" : "DROP TRIGGER refuse");
        EXPECT_EQ(folder.entryList(QDir::Files), before);
        EXPECT_TRUE(QDir(folder.filePath(".salvage")).entryList(QDir::Files | QDir::Hidden).isEmpty());
        ASSERT_TRUE(q.exec("SELECT (SELECT COUNT(*) FROM events), checked_out FROM versions"));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), 1) << "only the creation";
        EXPECT_EQ(q.value(1).toInt(), 0);
        q.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase("other-program");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, StoreCliFailingStepTest,
    testing::Values(
        FailingStepCase {"PurgeWhileLocked", {"purge", "Main", "1", "1"}, "BEGIN IMMEDIATE", "database is locked"},
        FailingStepCase {"PurgeRefused",
                         {"purge", "Main", "1", "1"},
                         "CREATE TRIGGER refuse BEFORE INSERT ON events BEGIN SELECT RAISE(ABORT, "
                         "'the disk is full'); END",
                         "the disk is full"},
        FailingStepCase {"CheckoutRefused",
                         {"checkout", "Main", "1", "1"},
                         "CREATE TRIGGER refuse BEFORE INSERT ON events BEGIN SELECT RAISE(ABORT, "
                         "'the disk is full'); END",
                         "the disk is full"}),
    [](const testing::TestParamInfo<FailingStepCase>& info) { return info.param.label; });

// A store whose building stopped before the end is named so, and is not taken for a store.
TEST_F(StoreCliTest, AHalfBuiltStoreIsNamedSo)
{
    store::Store::createUnfinished(store());
    for (const QStringList& command : {QStringList {"info"}, QStringList {"demo"}, QStringList {"init"}}) {
        const Outcome o = run(command);
        EXPECT_EQ(o.code, 1) << command.join(' ').toStdString();
        EXPECT_TRUE(o.err.contains("half built") || o.err.contains("half-built")) << o.err.toStdString();
    }
}

// A store built among other files, as in a folder that holds notes, and failing part way leaves
// the folder as it found it.
TEST_F(StoreCliTest, ABuildThatFailsAmongOtherFilesLeavesOnlyThem)
{
    ASSERT_TRUE(QDir().mkpath(store()));
    QFile notes(store() + "/notes.txt");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();
    const Outcome o = run({"generate", " ", "5"});
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(o.err.contains("A library name is needed")) << o.err.toStdString();
    EXPECT_EQ(QDir(store()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList {"notes.txt"});
}

TEST_F(StoreCliTest, InitRefusesAnExistingStoreAndOtherCommandsNeedOne)
{
    EXPECT_EQ(run({"info"}).code, 1);
    EXPECT_EQ(run({"init"}).code, 0);
    const Outcome again = run({"init"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains("exists already"));
}

// Two imports at once and flags set meanwhile, each its own process: every command waits for the
// others' writes instead of failing with a locked store, and the documents are numbered on
// without a gap or a number taken twice.
TEST_F(StoreCliTest, CommandsAtOnceWaitForEachOther)
{
    buildSmallDomain();
    ASSERT_EQ(run({"import", "Main", file("first.txt", "first")}).code, 0);
    constexpr int kFiles = 500;
    for (const char* folder : {"a", "b"}) {
        QDir(m_dir.path()).mkdir(folder);
        for (int i = 0; i < kFiles; ++i)
            file(QStringLiteral("%1/%2.txt").arg(folder).arg(i, 3, 10, QLatin1Char('0')), QByteArray(100, 'x'));
    }
    QList<QProcess*> imports;
    for (const char* folder : {"a", "b"}) {
        imports << new QProcess;
        imports.last()->start(TOOL_PATH, {"--store", store(), "import", "Main", m_dir.filePath(folder)});
        ASSERT_TRUE(imports.last()->waitForStarted());
    }
    const auto importing = [&imports] {
        bool running = false;
        for (QProcess* import : imports) {
            import->waitForFinished(0);
            running = running || import->state() != QProcess::NotRunning;
        }
        return running;
    };
    QStringList failures;
    int flags = 0;
    for (; importing(); ++flags) {
        const Outcome flag = run({"flag", "Main", "1", "1", "inuse", flags % 2 ? "on" : "off"});
        if (flag.code != 0)
            failures << flag.err;
    }
    // A flag command may wait long behind the imports' back-to-back commits: one is enough.
    EXPECT_GE(flags, 1) << "flags set while the imports ran";
    for (QProcess* import : imports) {
        if (import->state() != QProcess::NotRunning) {
            EXPECT_TRUE(import->waitForFinished(60000));
        }
        EXPECT_EQ(import->exitCode(), 0) << import->readAllStandardError().toStdString();
        delete import;
    }
    EXPECT_EQ(failures, QStringList());
    auto s = store::Store::open(store());
    QSqlDatabase db = s->database();
    EXPECT_EQ(store::Sql::scalar(db, "SELECT COUNT(DISTINCT number) || ' ' || MAX(number) FROM documents").toString(),
              QStringLiteral("%1 %1").arg(2 * kFiles + 1));
}

struct PlacementCase
{
    const char* label;
    QStringList arguments;
    const char* output;
};

class StoreOptionTest : public StoreCliTest, public testing::WithParamInterface<PlacementCase>
{
};

TEST_P(StoreOptionTest, TakesTheStoreBeforeOrAfterTheCommand)
{
    const PlacementCase& c = GetParam();
    const Outcome o = runAsTyped(c.arguments);
    ASSERT_EQ(o.code, 0) << o.err.toStdString();
    const QString output = QString::fromUtf8(c.output).replace("@STORE", store());
    EXPECT_TRUE(o.out.startsWith(output)) << o.out.toStdString();
    EXPECT_TRUE(store::Store::exists(store()));
    EXPECT_FALSE(QFileInfo::exists(otherStore()));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, StoreOptionTest,
    testing::Values(PlacementCase {"Before", {"--store", "@STORE", "init"}, "created an empty store at @STORE\n"},
                    PlacementCase {"After", {"init", "--store", "@STORE"}, "created an empty store at @STORE\n"},
                    PlacementCase {"EqualsBefore", {"--store=@STORE", "init"}, "created an empty store at @STORE\n"},
                    PlacementCase {"EqualsAfter", {"init", "--store=@STORE"}, "created an empty store at @STORE\n"},
                    PlacementCase {"DemoAfter", {"demo", "--store", "@STORE"}, "built the demo store at @STORE for "},
                    PlacementCase {"AmongOptions",
                                   {"demo", "--store", "@STORE", "--user", "ANN"},
                                   "built the demo store at @STORE for ANN in "}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.label; });

struct HelpCase
{
    const char* label;
    QStringList arguments;
    int code;
    const char* out; // what standard output starts with; empty: nothing at all
    const char* err; // what standard error holds; empty: nothing at all
};

class StoreHelpTest : public StoreCliTest, public testing::WithParamInterface<HelpCase>
{
};

TEST_P(StoreHelpTest, PrintsTheUsageAndRunsNothing)
{
    const HelpCase& c = GetParam();
    const Outcome o = runAsTyped(c.arguments);
    EXPECT_EQ(o.code, c.code) << o.err.toStdString();
    EXPECT_TRUE(*c.out ? o.out.startsWith(QString::fromUtf8(c.out)) : o.out.isEmpty()) << o.out.toStdString();
    EXPECT_TRUE(*c.err ? o.err.contains(QString::fromUtf8(c.err)) : o.err.isEmpty()) << o.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(store()));
    EXPECT_FALSE(QFileInfo::exists(otherStore()));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, StoreHelpTest,
    testing::Values(
        HelpCase {"CommandHelp", {"import", "--help"}, 0, "usage: tarnwick-store import LIBRARY FILE-OR-FOLDER", ""},
        HelpCase {"HelpAfterArguments", {"flag", "Main", "1", "--help"}, 0, "usage: tarnwick-store flag LIBRARY", ""},
        HelpCase {"HelpWithStore", {"--store", "@STORE", "demo", "--help"}, 0, "usage: tarnwick-store demo", ""},
        HelpCase {"InitHelp",
                  {"init", "--help", "--store=@STORE"},
                  0,
                  "usage: tarnwick-store init [--database postgresql://ROLE@HOST/DATABASE]\n",
                  ""},
        HelpCase {"HelpCommand", {"help", "generate"}, 0, "usage: tarnwick-store generate LIBRARY DOCUMENTS", ""},
        HelpCase {"Overview", {"--help"}, 0, "usage: tarnwick-store [--store DIR] COMMAND", ""},
        HelpCase {"NoCommand", {}, 2, "", "usage: tarnwick-store [--store DIR] COMMAND"},
        HelpCase {"HelpUnknownCommand", {"help", "explode"}, 2, "", "unknown command \"explode\""},
        HelpCase {"StoreWithoutValue", {"init", "--store"}, 2, "", "option --store needs a value\n\nusage:"},
        HelpCase {"StoreEmpty", {"init", "--store="}, 2, "", "option --store needs a value"},
        HelpCase {"StoreTwice", {"--store", "@STORE", "init", "--store=@STORE"}, 2, "", "--store is given twice"},
        HelpCase {"MistakeShowsTheCommand",
                  {"init", "extra", "--store", "@STORE"},
                  2,
                  "",
                  "tarnwick-store init: unexpected argument \"extra\"\nusage: tarnwick-store init [--database "
                  "postgresql://ROLE@HOST/DATABASE]\n"}),
    [](const testing::TestParamInfo<HelpCase>& info) { return info.param.label; });

} // namespace
