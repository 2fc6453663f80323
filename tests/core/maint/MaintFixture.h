#pragma once

#include "RunFixture.h"
#include "core/maint/MaintDefinition.h"
#include "gw/ObjectModel.h"
#include "store/StoreBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace tw::test {

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

    QTemporaryDir m_checkOutDir;
    QTemporaryDir m_scratch;
};

} // namespace tw::test
