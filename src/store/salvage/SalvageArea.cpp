#include "SalvageArea.h"

#include "store/salvage/DosName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QSet>
#include <algorithm>

namespace store {

namespace {

const auto RecordSuffix = QStringLiteral(".INF");
const auto ContentSuffix = QStringLiteral(".DAT");

QString sequenceText(quint32 sequence)
{
    return QStringLiteral("%1").arg(sequence, 8, 10, QLatin1Char('0'));
}

std::optional<SalvageEntry> readRecord(const QString& path, quint32 sequence)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    if (!json.contains(QLatin1String("name")))
        return std::nullopt;
    SalvageEntry entry;
    entry.sequence = sequence;
    entry.originalName = json.value(QLatin1String("name")).toString();
    entry.dosName = DosName::forName(entry.originalName);
    entry.deletedAt = QDateTime::fromString(json.value(QLatin1String("deletedAt")).toString(), Qt::ISODateWithMs);
    entry.deletedBy = json.value(QLatin1String("deletedBy")).toString();
    entry.size = json.value(QLatin1String("size")).toInteger();
    return entry;
}

} // namespace

SalvageArea::SalvageArea(const QString& directory) : m_directory(QDir::cleanPath(directory)) { }

QString SalvageArea::folderPath() const
{
    return m_directory + QLatin1Char('/') + folderName();
}

QString SalvageArea::recordPath(quint32 sequence) const
{
    return folderPath() + QLatin1Char('/') + sequenceText(sequence) + RecordSuffix;
}

QString SalvageArea::contentPath(quint32 sequence) const
{
    return folderPath() + QLatin1Char('/') + sequenceText(sequence) + ContentSuffix;
}

std::optional<SalvageEntry> SalvageArea::deleteFile(const QString& fileName, const QString& deletedBy,
                                                    const QDateTime& when)
{
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) || fileName == QLatin1String(".")
        || fileName == QLatin1String(".."))
        return std::nullopt;
    const QFileInfo info(m_directory + QLatin1Char('/') + fileName);
    if (!info.isFile() || info.isSymLink() || !QDir().mkpath(folderPath()))
        return std::nullopt;

    QJsonObject json;
    json.insert(QLatin1String("name"), fileName);
    json.insert(QLatin1String("deletedAt"), when.toString(Qt::ISODateWithMs));
    json.insert(QLatin1String("deletedBy"), deletedBy);
    json.insert(QLatin1String("size"), info.size());
    const auto sequence = claimSequence(QJsonDocument(json).toJson(QJsonDocument::Compact));
    if (!sequence)
        return std::nullopt;
    if (!QFile::rename(info.filePath(), contentPath(*sequence))) {
        QFile::remove(recordPath(*sequence));
        return std::nullopt;
    }
    return entry(*sequence);
}

// The record is created exclusively, which reserves its number even when two processes delete
// into the same area at once. The area is listed once per process and directory; later claims
// go on from the number claimed last, past any that another process has taken meanwhile, so that a
// check-in of thousands of files does not list a growing area for each of them.
std::optional<quint32> SalvageArea::claimSequence(const QByteArray& record) const
{
    static QMutex mutex;
    static QHash<QString, quint32> claimed;
    const QMutexLocker lock(&mutex);
    const QString key = QFileInfo(folderPath()).absoluteFilePath();
    for (int listing = 0; listing < 2; ++listing) {
        quint32 sequence = claimed.value(key) + 1;
        if (listing == 1 || !claimed.contains(key)) {
            const auto existing = sequences();
            sequence = existing.empty() ? 1 : existing.back() + 1;
        }
        for (int attempt = 0; attempt < 1000; ++attempt, ++sequence) {
            QFile file(recordPath(sequence));
            if (QFile::exists(contentPath(sequence)) || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                continue;
            const bool written = file.write(record) == record.size() && file.flush();
            file.close();
            if (!written) {
                file.remove();
                return std::nullopt;
            }
            claimed.insert(key, sequence);
            return sequence;
        }
    }
    return std::nullopt;
}

// The sequences of whole entries (record and content both present), from one listing of the
// area, so that a scan reads only the record it returns.
std::vector<quint32> SalvageArea::sequences() const
{
    const auto names = QDir(folderPath()).entryList(QDir::Files | QDir::Hidden);
    QSet<quint32> records;
    QSet<quint32> contents;
    for (const QString& name : names) {
        bool ok = false;
        const quint32 sequence = name.left(name.size() - 4).toUInt(&ok);
        if (!ok)
            continue;
        if (name.endsWith(RecordSuffix))
            records.insert(sequence);
        else if (name.endsWith(ContentSuffix))
            contents.insert(sequence);
    }
    std::vector<quint32> out;
    for (quint32 sequence : std::as_const(records)) {
        if (contents.contains(sequence))
            out.push_back(sequence);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<SalvageEntry> SalvageArea::entries() const
{
    std::vector<SalvageEntry> out;
    for (quint32 sequence : sequences()) {
        if (auto found = readRecord(recordPath(sequence), sequence))
            out.push_back(*found);
    }
    return out;
}

std::optional<SalvageEntry> SalvageArea::entryAfter(quint32 sequence) const
{
    for (quint32 next : sequences()) {
        if (next <= sequence)
            continue;
        if (auto found = readRecord(recordPath(next), next))
            return found;
    }
    return std::nullopt;
}

std::optional<SalvageEntry> SalvageArea::entry(quint32 sequence) const
{
    if (!QFileInfo::exists(contentPath(sequence)))
        return std::nullopt;
    return readRecord(recordPath(sequence), sequence);
}

bool SalvageArea::existsIgnoringCase(const QString& name) const
{
    const auto present
        = QDir(m_directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& other : present) {
        if (other.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

SalvageArea::RecoverResult SalvageArea::recover(quint32 sequence, const QString& name)
{
    if (!DosName::isValid(name))
        return RecoverResult::BadName;
    const auto found = entry(sequence);
    if (!found)
        return RecoverResult::NoSuchEntry;
    const QString target = name.compare(found->dosName, Qt::CaseInsensitive) == 0 ? found->originalName : name;
    if (existsIgnoringCase(target) || existsIgnoringCase(name))
        return RecoverResult::NameExists;
    if (!QFile::rename(contentPath(sequence), m_directory + QLatin1Char('/') + target))
        return RecoverResult::Failed;
    QFile::remove(recordPath(sequence));
    return RecoverResult::Recovered;
}

} // namespace store
