#pragma once

#include "RunFixture.h"
#include "core/maint/MaintDefinition.h"
#include "gw/ObjectModel.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "support/ReadOnlyFolder.h"
#include "support/WriteLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

namespace tw::test {

// How a store refuses every change: it is read-only, or another program holds its write lock
// (each change then waits the store's busy timeout before it fails).
enum class Refusal { ReadOnly, Locked };

inline void PrintTo(Refusal refusal, std::ostream* os)
{
    *os << (refusal == Refusal::Locked ? "Locked" : "ReadOnly");
}

// The run fixture's library with a check-out directory beside the report
// directory, and helpers to read back what a Check In/Out run left.
class MaintFixture : public RunFixture
{
protected:
    QString checkOutDir() const { return m_checkOutDir.path() + QLatin1Char('/'); }

    MaintInputs inputs(bool useQuery = false, const QStringList& extraFields = {}) const
    {
        MaintInputs maint;
        maint.run.useQuery = useQuery;
        maint.run.reportDirectory = reportDir();
        maint.run.extraFields = extraFields;
        maint.checkOutDirectory = checkOutDir();
        return maint;
    }

    // The version as the store holds it now.
    std::shared_ptr<gw::Version> version(qint64 number, int v)
    {
        const auto versions = m_refs.selectedLibrary->GetDocument(QString::number(number))->DocumentVersions();
        for (int i = 1; i <= versions->Count(); ++i) {
            if (versions->Item(i)->VersionNumber() == v)
                return versions->Item(i);
        }
        return nullptr;
    }

    // What a copy-out of the version's content gives.
    QByteArray content(qint64 number, int v)
    {
        const QString copy = m_scratch.filePath(QStringLiteral("content-%1-%2").arg(number).arg(v));
        QFile::remove(copy);
        version(number, v)->Copyout(copy);
        return readFile(copy);
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }

    void setState(qint64 number, int v, const store::VersionState& state)
    {
        m_fixture.builder().setVersionState(QStringLiteral("LIB1"), number, v, state);
    }

    // Checked out by `user` in the store's own terms, with no staged file.
    void holdBy(qint64 number, int v, const QString& user)
    {
        store::VersionState held;
        held.checkedOut = true;
        held.retriever = user;
        held.stagedFile = QString();
        setState(number, v, held);
    }

    bool logHas(const QString& line) { return logText().contains(QLatin1Char('\t') + line + QStringLiteral("\r\n")); }

    // Makes the store refuse changes until the test ends; before open(), which opens the store
    // as the program does. Skips the test when the store cannot be made read-only here.
    void refuseChanges(Refusal refusal)
    {
        if (refusal == Refusal::Locked) {
            m_lock = std::make_unique<WriteLock>(m_fixture.store().databasePath());
            ASSERT_EQ(m_lock->error(), QString());
            return;
        }
        m_readOnly = std::make_unique<ReadOnlyFolder>(m_fixture.path());
        if (!m_readOnly->usable())
            GTEST_SKIP() << "the store cannot be made read-only (" << m_readOnly->how().toStdString()
                         << "): " << m_readOnly->reason().toStdString();
    }

    QTemporaryDir m_checkOutDir;
    QTemporaryDir m_scratch;
    std::unique_ptr<ReadOnlyFolder> m_readOnly;
    std::unique_ptr<WriteLock> m_lock;
};

} // namespace tw::test
