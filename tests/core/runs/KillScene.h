#pragma once

#include "gw/ObjectModel.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"
#include "support/FixtureStore.h"
#include "support/KilledChild.h"
#include "support/StoreLeftovers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace tw::test {

// One scene of a kill test: library BULK of a fixture store (ANN is its librarian and the
// client user), a work folder, and the child program that runs an operation of the program on
// them until it is killed (run_kill_child).
class KillScene
{
public:
    KillScene()
    {
        store::StoreBuilder& s = m_fixture.builder();
        s.addLibrary("PO1", "BULK", "Many documents");
        s.setLibraryRights("BULK", "ANN", true);
        s.setDefaultLibrary("ANN", "BULK");
    }
    virtual ~KillScene() = default;

    QString dir(const char* name) const
    {
        const QString path = m_work.filePath(QLatin1String(name));
        QDir().mkpath(path);
        return path;
    }
    store::StoreBuilder& builder() { return m_fixture.builder(); }
    // Documents 1..count of library BULK by ANN, each with one version of `fileType` holding
    // content(n).
    void importDocuments(int count, const QString& fileType, const std::function<QByteArray(int)>& content)
    {
        store::NewDocument doc;
        doc.library = QStringLiteral("BULK");
        doc.author = QStringLiteral("ANN");
        store::NewVersion version;
        version.fileType = fileType;
        for (int n = 1; n <= count; ++n) {
            version.content = content(n);
            builder().importDocument(doc, version);
        }
    }

    // The child that runs `mode` on this scene.
    virtual KilledChild child() = 0;

    // The store as the next program opens it, checked whole.
    std::shared_ptr<store::Store> reopened()
    {
        auto store = store::Store::open(m_fixture.path());
        QSqlDatabase db = store->database();
        EXPECT_EQ(store::Sql::scalar(db, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        return store;
    }
    // What the killed child left behind, as the next program finds it once the store is open.
    QStringList leftovers()
    {
        auto store = reopened();
        return storeLeftovers(*store);
    }
    // Library BULK as the next program sees it.
    std::shared_ptr<gw::Library> library()
    {
        m_platform = std::make_shared<store::StorePlatform>(m_fixture.path());
        return m_platform->CreateSession()->Login(QString(), QString(), QString(), 0)->DefaultDocumentLibrary();
    }
    QByteArray content(gw::Version& version)
    {
        const QString copy = dir("copies") + QStringLiteral("/copy");
        QFile::remove(copy);
        version.Copyout(copy);
        return readFile(copy);
    }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

protected:
    KilledChild runKillChild(const char* mode, const QString& first, const QString& second)
    {
        return KilledChild(QStringLiteral(TW_RUN_KILL_CHILD),
                           {QLatin1String(mode), m_fixture.path(), QStringLiteral("BULK"), first, second});
    }

    FixtureStore m_fixture;
    QTemporaryDir m_work;
    std::shared_ptr<store::StorePlatform> m_platform;
};

} // namespace tw::test
