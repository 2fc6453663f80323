#include "store/ContentFiles.h"

#include "gw/Error.h"
#include "store/salvage/SalvageArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cstdio>

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

QString temporaryBeside(const QString& target)
{
    const QFileInfo info(target);
    return info.absoluteDir().filePath(QStringLiteral(".%1.%2.tmp")
                                           .arg(info.fileName())
                                           .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
}

// Copies source to a temporary file beside target; gives its path. Both
// files are unbuffered: a content file goes through in a few large reads and
// writes, with no second copy in a buffer.
QString copyToTemporary(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        throw gw::Error(QStringLiteral("Cannot read %1: %2").arg(source, in.errorString()));
    }
    const QString temporary = temporaryBeside(target);
    QFile out(temporary);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        throw gw::Error(QStringLiteral("Cannot write %1: %2").arg(target, out.errorString()));
    }
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0 || (n > 0 && out.write(buffer.constData(), n) != n)) {
            out.close();
            QFile::remove(temporary);
            throw gw::Error(QStringLiteral("Cannot copy %1 to %2").arg(source, target));
        }
        if (n == 0) {
            break;
        }
    }
    out.close();
    if (out.error() != QFileDevice::NoError) {
        QFile::remove(temporary);
        throw gw::Error(QStringLiteral("Cannot write %1: %2").arg(target, out.errorString()));
    }
    return temporary;
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

QString ContentFiles::storeFile(const QString& source, const QString& fileType, qint64& size) const
{
    if (!QDir().mkpath(m_directory)) {
        throw gw::Error(QStringLiteral("Cannot create the library directory %1").arg(m_directory));
    }
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString name = freshName(fileType);
        const QString temporary = copyToTemporary(source, pathOf(name));
        size = QFileInfo(temporary).size();
        if (QFile::rename(temporary, pathOf(name))) {
            return name;
        }
        QFile::remove(temporary);
    }
    throw gw::Error(QStringLiteral("Cannot store content in %1").arg(m_directory));
}

QString ContentFiles::storeBytes(const QByteArray& bytes, const QString& fileType, qint64& size) const
{
    if (!QDir().mkpath(m_directory)) {
        throw gw::Error(QStringLiteral("Cannot create the library directory %1").arg(m_directory));
    }
    const QString name = freshName(fileType);
    const QString temporary = temporaryBeside(pathOf(name));
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
    size = bytes.size();
    return name;
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
    QString temporary;
    try {
        temporary = copyToTemporary(source, target);
    } catch (const gw::Error&) {
        // A copy that replaces its target skips the check beforehand: a missing
        // source is only looked for when the copy failed.
        if (!QFileInfo::exists(source)) {
            throw missing();
        }
        throw;
    }
    if (overwrite) {
        // rename(2) replaces the target in one step: a reader sees the old or
        // the new file, never a mix.
        if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
            QFile::remove(temporary);
            throw gw::Error(QStringLiteral("Cannot write %1").arg(target));
        }
        return;
    }
    // QFile::rename never replaces an existing file, so a file that appeared
    // meanwhile is kept as well.
    if (!QFile::rename(temporary, target)) {
        QFile::remove(temporary);
        throw gw::Error(QStringLiteral("A file already exists at %1").arg(target));
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
