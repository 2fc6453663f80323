#include "KillScene.h"

#include <QDirIterator>

namespace {

using tw::test::KillScene;

constexpr int kDocuments = 6;

QByteArray original(int n)
{
    return "original " + QByteArray::number(n);
}
QByteArray replaced(int n)
{
    return "replaced " + QByteArray::number(n);
}

// Library BULK with six documents whose first content was replaced by a check-in, so that it
// lies in the salvage area, and the Restore tab restoring each document's first content.
class RestoreScene : public KillScene
{
public:
    RestoreScene()
    {
        importDocuments(kDocuments, "txt", original);
        const auto lib = library();
        for (int n = 1; n <= kDocuments; ++n) {
            const QString edit = dir("edits") + QStringLiteral("/%1.txt").arg(n);
            auto v = lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1);
            v->CheckOut(edit);
            writeFile(edit, replaced(n));
            v->CheckIn(edit, 0);
        }
    }
    tw::test::KilledChild child() override { return runKillChild("restore", dir("work"), dir("logs")); }

    // Every content the library folder holds, current or in its salvage area.
    QList<QByteArray> everyContent()
    {
        QList<QByteArray> found;
        QDirIterator it(m_fixture.store().libraryDirectory(QStringLiteral("BULK")), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!path.endsWith(QLatin1String(".INF")))
                found << readFile(path);
        }
        return found;
    }
};

// Killed anywhere, a restore leaves nothing behind once the store is open again: no version
// stays checked out to the administrator, and each version holds its first or its replaced
// content with neither of them lost.
TEST(RestoreKillTest, AKilledRestoreLeavesNothingBehindAndNoVersionCheckedOut)
{
    tw::test::killEverywhere<RestoreScene>("restore", 24, 8, [](RestoreScene& scene) {
        QStringList found = scene.leftovers();
        const auto lib = scene.library();
        const QList<QByteArray> contents = scene.everyContent();
        for (int n = 1; n <= kDocuments; ++n) {
            const auto version = lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1);
            if (version->CheckedOut())
                found << QStringLiteral("document %1 stays checked out to %2")
                             .arg(n)
                             .arg(version->Retriever()->DisplayName());
            const QByteArray now = scene.content(*version);
            if (now != original(n) && now != replaced(n))
                found << QStringLiteral("document %1 holds neither content").arg(n);
            if (!contents.contains(original(n)) || !contents.contains(replaced(n)))
                found << QStringLiteral("a content of document %1 is lost").arg(n);
        }
        return found;
    });
}

} // namespace
