#include "KillScene.h"

namespace {

using tw::test::KillScene;

constexpr int kDocuments = 8;

QByteArray staged(int n)
{
    return "staged " + QByteArray::number(n) + ':' + QByteArray(3000 + n, 's') + "END";
}

// Library BULK with eight documents whose versions ANN checked out and edited in their staged
// files, and a clearing of the check-out flags of the whole library, which checks each version
// in from its staged file.
class ClearFlagsScene : public KillScene
{
public:
    ClearFlagsScene()
    {
        importDocuments(kDocuments, "dat", [](int n) -> QByteArray { return "original " + QByteArray::number(n); });
        const auto lib = library();
        for (int n = 1; n <= kDocuments; ++n) {
            lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1)->CheckOut(stagedOf(n));
            writeFile(stagedOf(n), staged(n));
        }
    }
    QString stagedOf(int n) const { return dir("staged") + QStringLiteral("/%1.dat").arg(n); }
    tw::test::KilledChild child() override { return runKillChild("clearflags", dir("out"), dir("reports")); }
};

// Killed anywhere, a clearing of check-out flags leaves nothing behind once the store is open
// again, and every staged edit is still in its staged file (the version still checked out) or
// in its version.
TEST(ClearFlagsKillTest, AKilledClearingLeavesNothingBehindAndLosesNoStagedEdit)
{
    tw::test::killEverywhere<ClearFlagsScene>("clear flags", 24, 8, [](ClearFlagsScene& scene) {
        QStringList found = scene.leftovers();
        const auto lib = scene.library();
        for (int n = 1; n <= kDocuments; ++n) {
            const auto version = lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1);
            if (KillScene::readFile(scene.stagedOf(n)) != staged(n))
                found << QStringLiteral("the staged file of document %1 changed").arg(n);
            if (!version->CheckedOut() && scene.content(*version) != staged(n))
                found << QStringLiteral("document %1 is checked in without its staged edit").arg(n);
        }
        return found;
    });
}

} // namespace
