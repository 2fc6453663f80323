#include "KillScene.h"

#include <QFileInfo>

namespace {

using tw::test::KillScene;

constexpr int kDocuments = 12;
const QDateTime kRetrieved(QDate(2026, 1, 2), QTime(10, 0, 0));

QByteArray copyOf(int n)
{
    return "copy " + QByteArray::number(n);
}

// Library BULK with twelve documents retrieved at one time, a users' folder holding a stray
// copy of each (modified at that time, so each is marked) and a file of a user's own beside
// them, and the DoRoDi tab's scan and deletion of the marked copies.
class StrayScene : public KillScene
{
public:
    StrayScene()
    {
        importDocuments(kDocuments, "dat", [](int n) -> QByteArray { return "content " + QByteArray::number(n); });
        store::VersionState retrieved;
        retrieved.retriever = QStringLiteral("BOB");
        retrieved.retrieved = kRetrieved;
        for (int n = 1; n <= kDocuments; ++n) {
            builder().setVersionState("BULK", n, 1, retrieved);
            QFile copy(copyPath(n));
            EXPECT_TRUE(copy.open(QIODevice::WriteOnly));
            copy.write(copyOf(n));
            copy.flush();
            copy.setFileTime(kRetrieved, QFileDevice::FileModificationTime);
        }
        writeFile(ownPath(), "my own notes");
    }
    QString copyPath(int n) const { return dir("users") + QStringLiteral("/%1-1.dat").arg(n); }
    QString ownPath() const { return dir("users") + QStringLiteral("/notes.txt"); }
    tw::test::KilledChild child() override { return runKillChild("straydelete", dir("users"), dir("logs")); }
};

// Killed anywhere, a stray-file deletion leaves the store whole with nothing behind, and each
// copy is deleted or untouched; the user's own file is never touched. Run again, it deletes the
// copies that are left.
TEST(StrayKillTest, AKilledDeletionLeavesEachCopyDeletedOrWholeAndTheStoreAsItWas)
{
    tw::test::killEverywhere<StrayScene>("stray delete", 24, 8, [](StrayScene& scene) {
        QStringList found = scene.leftovers();
        for (int n = 1; n <= kDocuments; ++n) {
            if (QFileInfo::exists(scene.copyPath(n)) && KillScene::readFile(scene.copyPath(n)) != copyOf(n))
                found << QStringLiteral("the copy %1 is neither deleted nor whole").arg(scene.copyPath(n));
        }
        if (KillScene::readFile(scene.ownPath()) != "my own notes")
            found << QStringLiteral("the user's own file was touched");
        const auto lib = scene.library();
        for (int n = 1; n <= kDocuments; ++n) {
            if (scene.content(*lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1))
                != "content " + QByteArray::number(n))
                found << QStringLiteral("document %1 lost its content").arg(n);
        }
        tw::test::KilledChild again = scene.child();
        if (again.countCalls() < 0)
            return found << QStringLiteral("the deletion run again failed: ") + again.errors();
        for (int n = 1; n <= kDocuments; ++n) {
            if (QFileInfo::exists(scene.copyPath(n)))
                found << QStringLiteral("the run again kept %1").arg(scene.copyPath(n));
        }
        return found;
    });
}

} // namespace
