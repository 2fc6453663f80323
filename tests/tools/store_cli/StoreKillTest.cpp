#include "gw/Error.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "support/KilledChild.h"
#include "support/StoreLeftovers.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct BuildCase
{
    const char* label;
    QStringList arguments; // after --store PLACE
    bool existing; // run on a store that exists already
    qint64 documents; // in the store once the command is done
    int atCalls; // kills spread over the command's file changes
    int atRandom; // kills at random moments
};

void PrintTo(const BuildCase& c, std::ostream* os)
{
    *os << c.label;
}

int runTool(const QStringList& arguments, QString* errors = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral(TOOL_PATH), arguments);
    tool.waitForFinished(120000);
    if (errors)
        *errors = QString::fromLocal8Bit(tool.readAllStandardError());
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

// The place of a store and the command that builds it, or fills it when it exists already.
class BuildScene
{
public:
    static inline BuildCase s_case;

    BuildScene()
    {
        if (s_case.existing)
            store::Store::create(place());
    }
    QString place() const { return m_dir.filePath(QStringLiteral("store")); }
    tw::test::KilledChild child() const
    {
        return tw::test::KilledChild(QStringLiteral(TOOL_PATH), QStringList {"--store", place()} + s_case.arguments);
    }

    // A new store is whole or not there at all; one that existed has nothing left behind. The
    // command then runs again to its end.
    QStringList judge()
    {
        QStringList found;
        if (store::Store::exists(place())) {
            try {
                auto store = store::Store::open(place());
                found << tw::test::storeLeftovers(*store);
                QSqlDatabase db = store->database();
                const qint64 documents
                    = store::Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM documents")).toLongLong();
                if (!s_case.existing && documents != s_case.documents)
                    found << QStringLiteral("a new store with %1 documents").arg(documents);
            } catch (const gw::Error& e) {
                found << QStringLiteral("the store does not open: ") + e.message();
            }
        } else if (s_case.existing || QFileInfo::exists(place())) {
            found << QStringLiteral("the place holds no store but something else");
        }
        QString errors;
        if (!store::Store::exists(place()) || s_case.existing) {
            if (runTool(QStringList {"--store", place()} + s_case.arguments, &errors) != 0)
                found << QStringLiteral("the command run again failed: ") + errors;
        }
        return found;
    }

private:
    QTemporaryDir m_dir;
};

class StoreKillTest : public testing::TestWithParam<BuildCase>
{
};

// Killed at spread calls and random moments, a command that builds a store leaves nothing at its
// place or the whole store, and one that adds a generated batch to a store leaves nothing of the
// batch; the command then runs again (a stale building beside the place is no obstacle).
TEST_P(StoreKillTest, AKilledBuildLeavesNothingOrTheWholeOfIt)
{
    BuildScene::s_case = GetParam();
    tw::test::killEverywhere<BuildScene>(GetParam().label, GetParam().atCalls, GetParam().atRandom,
                                         [](BuildScene& scene) { return scene.judge(); });
}

INSTANTIATE_TEST_SUITE_P(
    Tool, StoreKillTest,
    testing::Values(
        BuildCase {"demo", {"demo", "--user", "ANN"}, false, 2140, 3, 1},
        BuildCase {"generate into a new store", {"generate", "BIG", "3000", "--versions", "1"}, false, 3000, 10, 4},
        BuildCase {"generate into a store", {"generate", "BIG", "3000", "--versions", "1"}, true, 0, 10, 4},
        BuildCase {"init", {"init"}, false, 0, 5, 1}),
    [](const testing::TestParamInfo<BuildCase>& info) {
        std::string name;
        for (const char c : std::string(info.param.label))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

} // namespace
