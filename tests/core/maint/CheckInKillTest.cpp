#include "KillScene.h"

#include <QFileInfo>

namespace {

using tw::test::KillScene;

constexpr int kDocuments = 8;

QByteArray edited(int n)
{
    return "edited " + QByteArray::number(n) + ':' + QByteArray(3000 + n, 'e') + "END";
}

// Library BULK with eight documents whose versions ANN checked out into a folder and edited
// there, and a mass check-in of that folder.
class CheckInScene : public KillScene
{
public:
    CheckInScene()
    {
        importDocuments(kDocuments, "dat", [](int n) -> QByteArray { return "original " + QByteArray::number(n); });
        const auto lib = library();
        for (int n = 1; n <= kDocuments; ++n) {
            lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1)->CheckOut(fileOf(n));
            writeFile(fileOf(n), edited(n));
        }
    }
    QString fileOf(int n) const { return dir("in") + QStringLiteral("/%1_1.dat").arg(n); }
    tw::test::KilledChild child() override { return runKillChild("checkin", dir("in"), dir("logs")); }

    // The leftovers, and every edit that is neither in its file nor in its version.
    QStringList judge()
    {
        QStringList found = leftovers();
        const auto lib = library();
        for (int n = 1; n <= kDocuments; ++n) {
            const auto version = lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1);
            const bool held = version->CheckedOut();
            if (held ? readFile(fileOf(n)) != edited(n) : content(*version) != edited(n))
                found << QStringLiteral("the edit of document %1 is lost").arg(n);
        }
        return found;
    }
};

// Killed anywhere, a check-in leaves nothing behind once the store is open again, loses no
// edit, and a check-in run again finishes the work: every version holds its edit and every
// file is gone from the folder, the ones checked in just before the kill too.
TEST(CheckInKillTest, AKilledCheckInLeavesNothingBehindAndItsRerunFinishesTheWork)
{
    tw::test::killEverywhere<CheckInScene>("check-in", 24, 8, [](CheckInScene& scene) {
        QStringList found = scene.judge();
        tw::test::KilledChild again = scene.child();
        if (again.countCalls() < 0)
            return found << QStringLiteral("the check-in run again failed: ") + again.errors();
        const auto lib = scene.library();
        for (int n = 1; n <= kDocuments; ++n) {
            const auto version = lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1);
            if (version->CheckedOut() || scene.content(*version) != edited(n))
                found << QStringLiteral("document %1 is not checked in after the run again").arg(n);
            if (QFileInfo::exists(scene.fileOf(n)))
                found << QStringLiteral("the run again kept %1").arg(scene.fileOf(n));
        }
        return found;
    });
}

} // namespace
