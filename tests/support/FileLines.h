#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

namespace tw::test {

// The lines of a text file without their ends (CR LF unless told), and
// without the empty piece after the last line end; empty when the file
// cannot be read.
inline QStringList fileLines(const QString& path, const QString& end = QStringLiteral("\r\n"))
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(end);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace tw::test
