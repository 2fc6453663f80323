#include "store/ContentFiles.h"

#include "gw/Error.h"
#include "store/FileCopy.h"
#include "store/StoreError.h"
#include "store/salvage/SalvageArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace store {

namespace {

QString typeSuffix(const QString& fileType)
{
    QString suffix;
    for (const QChar c : fileType) {
        if (suffix.size() == 3) {
            break;
        }
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))) {
            suffix += c.toUpper();
        }
    }
    return suffix;
}

} // namespace

ContentFiles::ContentFiles(const QString& directory) : m_directory(directory) { }

QString ContentFiles::freshName(const QString& fileType) const
{
    const QString suffix = typeSuffix(fileType);
    for (;;) {
        QString name = QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        name = name.toUpper();
        if (!suffix.isEmpty()) {
            name += QLatin1Char('.') + suffix;
        }
        if (!QFileInfo::exists(pathOf(name))) {
            return name;
        }
    }
}

QString ContentFiles::pathOf(const QString& name) const
{
    return QDir(m_directory).filePath(name);
}

qint64 ContentFiles::storeFileAs(const QString& source, const QString& name, FileCopy::Source kind) const
{
    if (!QDir().mkpath(m_directory)) {
        throw gw::Error(QStringLiteral("Cannot create the library directory %1").arg(m_directory));
    }
    QString temporary;
    try {
        temporary = FileCopy::toTemporary(source, pathOf(name), kind);
    } catch (const FileCopy::WriteError& error) {
        // Written into the store's own folder: a read-only or full store is told as such.
        throw StoreError::fromFile(error.message(), error.error());
    }
    const qint64 size = QFileInfo(temporary).size();
    // QFile::rename never replaces a file: a name taken meanwhile fails the change.
    if (!QFile::rename(temporary, pathOf(name))) {
        QFile::remove(temporary);
        throw gw::Error(QStringLiteral("Cannot store content in %1").arg(m_directory));
    }
    return size;
}

qint64 ContentFiles::storeBytesAs(const QByteArray& bytes, const QString& name) const
{
    if (!QDir().mkpath(m_directory)) {
        throw gw::Error(QStringLiteral("Cannot create the library directory %1").arg(m_directory));
    }
    const QString temporary = FileCopy::temporaryBeside(pathOf(name));
    QFile out(temporary);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        out.close();
        QFile::remove(temporary);
        throw gw::Error(QStringLiteral("Cannot write content in %1").arg(m_directory));
    }
    out.close();
    if (!QFile::rename(temporary, pathOf(name))) {
        QFile::remove(temporary);
        throw gw::Error(QStringLiteral("Cannot store content in %1").arg(m_directory));
    }
    return bytes.size();
}

void ContentFiles::copyOut(const QString& source, const QString& target, bool overwrite)
{
    const auto missing
        = [&source] { return gw::Error(QStringLiteral("The version's file %1 is missing").arg(source)); };
    if (!overwrite && !QFileInfo::exists(source)) {
        throw missing();
    }
    if (!overwrite && QFileInfo::exists(target)) {
        throw gw::Error(QStringLiteral("A file already exists at %1").arg(target));
    }
    try {
        FileCopy::copy(source, target, overwrite);
    } catch (const gw::Error&) {
        // A copy that replaces its target skips the check beforehand: a missing
        // source is only looked for when the copy failed.
        if (!QFileInfo::exists(source)) {
            throw missing();
        }
        throw;
    }
}

bool ContentFiles::salvage(const QString& path, const QString& deletorName)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        return false;
    }
    SalvageArea area(info.absolutePath());
    return area.deleteFile(info.fileName(), deletorName).has_value();
}

} // namespace store
