#include "store/Store.h"
#include "support/GTestQt.h"

#include <QFile>
#include <QProcess>
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
    Outcome run(const QStringList& arguments)
    {
        QProcess tool;
        tool.start(TOOL_PATH, QStringList {"--store", store()} + arguments);
        EXPECT_TRUE(tool.waitForFinished(60000));
        return {tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardOutput()),
                QString::fromLocal8Bit(tool.readAllStandardError())};
    }
    QString store() const { return m_dir.filePath("store"); }
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
        BadCase {"BadFlagValue", {"flag", "Main", "1", "1", "archived", "maybe"}, 2, "on or off"},
        BadCase {"UnknownLibrary", {"import", "Nowhere", "@FILE"}, 1, "Nowhere"},
        BadCase {"UnknownField", {"import", "Main", "@FILE", "--field", "Colour=red"}, 1, "Colour"},
        BadCase {"MissingFile", {"import", "Main", "/no/such/file.txt"}, 1, "/no/such/file.txt"},
        BadCase {"UnknownUser", {"login", "NOBODY"}, 1, "NOBODY"},
        BadCase {"BadMask", {"rights", "Main", "1", "--default", "V/Q/-"}, 2, "DEVMS"},
        BadCase {"BadFieldType", {"library", "field", "Main", "When", "clock"}, 2, "text, numeric or date"},
        BadCase {"FaultWithoutMessage", {"fault", "add", "Subject"}, 2, "missing arguments"}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.label; });

TEST_F(StoreCliTest, InitRefusesAnExistingStoreAndOtherCommandsNeedOne)
{
    EXPECT_EQ(run({"info"}).code, 1);
    EXPECT_EQ(run({"init"}).code, 0);
    const Outcome again = run({"init"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains("exists already"));
}

} // namespace
