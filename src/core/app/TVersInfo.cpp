#include "TVersInfo.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace tw {
namespace {

const char* const kItemNames[] = {"CompanyName", "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
                                  "Trademarks",  "OriginalFileName", "ProductName", "ProductVersion", "Comments"};
constexpr int kSizeDigits = 8;

} // namespace

QByteArray TVersInfo::marker()
{
    // Kept backwards in the source so that this function's own text is never
    // mistaken for a block inside the executable.
    QByteArray text("TWK-VERSION-BLOCK");
    std::reverse(text.begin(), text.end());
    return text;
}

QByteArray TVersInfo::makeBlock(const QByteArray& payload)
{
    return marker() + QByteArray::number(payload.size()).rightJustified(kSizeDigits, '0') + payload;
}

void TVersInfo::setFileName(const QString& fileName)
{
    m_fileName = fileName;
    m_values.clear();
    m_translation.clear();
    if (fileName.isEmpty())
        throw VersInfoError(QStringLiteral("No file specified"));

    const QString shortName = QFileInfo(fileName).fileName();
    QFile file(fileName);
    const QByteArray mark = marker();
    qsizetype at = -1;
    QByteArray content;
    if (file.open(QIODevice::ReadOnly)) {
        content = file.readAll();
        at = content.indexOf(mark);
    }
    if (at < 0 || content.size() < at + mark.size() + kSizeDigits) {
        if (!QFileInfo::exists(fileName))
            throw VersInfoError(QStringLiteral("File %1 not found or not accessible").arg(shortName));
        throw VersInfoError(QStringLiteral("File %1 has no version information").arg(shortName));
    }

    const QByteArray sizeText = content.mid(at + mark.size(), kSizeDigits);
    bool ok = std::all_of(sizeText.begin(), sizeText.end(), [](char c) { return c >= '0' && c <= '9'; });
    const qsizetype size = ok ? sizeText.toLongLong() : -1;
    const qsizetype start = at + mark.size() + kSizeDigits;
    if (size <= 0 || start + size > content.size())
        throw VersInfoError(QStringLiteral("Cannot read version information for file %1").arg(shortName));

    const QList<QByteArray> lines = content.mid(start, size).split('\n');
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            throw VersInfoError(QStringLiteral("Cannot read version information for file %1").arg(shortName));
        m_values.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }

    // The translation table is a list of (language, code page) pairs of two
    // bytes each, little-endian, written as hexadecimal digits.
    const QByteArray table
        = QByteArray::fromHex(m_values.value(QStringLiteral("\\VarFileInfo\\Translation")).toLatin1());
    if (table.size() < 4)
        throw VersInfoError(QStringLiteral("Cannot read translation table for file %1").arg(shortName));
    const auto word = [&table](int i) {
        return static_cast<uint>(static_cast<uchar>(table.at(i)))
            | static_cast<uint>(static_cast<uchar>(table.at(i + 1))) << 8;
    };
    m_translation = QStringLiteral("%1%2").arg(word(0), 4, 16, QLatin1Char('0')).arg(word(2), 4, 16, QLatin1Char('0'));
}

QString TVersInfo::VersionItem(int index) const
{
    if (index < 1 || index > 10 || m_translation.isEmpty())
        return {};
    const QString path = QStringLiteral("\\StringFileInfo\\") + m_translation + QLatin1Char('\\')
        + QLatin1String(kItemNames[index - 1]);
    return m_values.value(path);
}

} // namespace tw
