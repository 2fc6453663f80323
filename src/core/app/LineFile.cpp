#include "LineFile.h"

#include "IoError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace tw {

void LineFile::append(const QString& path, const QStringList& lines, const QStringList& header)
{
    QFile file(path);
    const bool isNew = !file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        throw IoError(QStringLiteral("Cannot open the file %1 for writing: %2")
                          .arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    }
    QByteArray bytes;
    const auto add = [&bytes](const QString& line) {
        bytes += line.toLocal8Bit();
        bytes += "\r\n";
    };
    if (isNew) {
        for (const QString& line : header)
            add(line);
    }
    for (const QString& line : lines)
        add(line);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.close();
        throw IoError(
            QStringLiteral("Cannot write to the file %1: %2").arg(QFileInfo(path).absoluteFilePath(), reason));
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        throw IoError(
            QStringLiteral("Cannot close the file %1: %2").arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    }
}

} // namespace tw
