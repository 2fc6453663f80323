#include "EditList.h"

#include "core/app/BoundedLineReader.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

namespace tw {

namespace {

bool sortsBefore(const QString& a, const QString& b)
{
    const int caseless = a.compare(b, Qt::CaseInsensitive);
    return caseless != 0 ? caseless < 0 : a < b;
}

// Where the text after the first `count` characters of `line` begins. A character outside the Basic
// Multilingual Plane takes two UTF-16 units; cutting between them would leave half a character in the
// name, which a save writes as U+FFFD.
qsizetype afterCharacters(const QString& line, int count)
{
    qsizetype at = 0;
    for (int i = 0; i < count && at < line.size(); ++i) {
        const bool pair = line.at(at).isHighSurrogate() && at + 1 < line.size() && line.at(at + 1).isLowSurrogate();
        at += pair ? 2 : 1;
    }
    return at;
}

} // namespace

int EditList::find(const QString& original) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].original.compare(original, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

bool EditList::setEdit(const QString& first, const QString& second, const QString& action)
{
    const QString original = first.trimmed();
    const bool replace = action == QLatin1String("Replace");
    const QString replacement = replace ? second.trimmed() : QStringLiteral("-");
    // A TAB would split the row's line in "EditList.txt".
    if (original.isEmpty() || original.contains(QLatin1Char('\t')) || replacement.isEmpty()
        || replacement.contains(QLatin1Char('\t')))
        return false;
    const int index = find(original);
    if (index >= 0) {
        EditRow& row = m_rows[static_cast<size_t>(index)];
        row.replacement = replacement;
        row.action = action;
        row.rights = QStringLiteral("0");
        // A "Delete" leaves the tick as it was.
        if (replace)
            row.ticked = true;
    } else {
        insertSorted({replace, original, replacement, action, QStringLiteral("0")});
    }
    changed();
    return true;
}

void EditList::removeAt(int index)
{
    if (index < 0 || index >= size())
        return;
    m_rows.erase(m_rows.begin() + index);
    changed();
}

void EditList::setTicked(int index, bool ticked)
{
    if (index < 0 || index >= size() || m_rows[static_cast<size_t>(index)].ticked == ticked)
        return;
    m_rows[static_cast<size_t>(index)].ticked = ticked;
    changed();
}

void EditList::setRights(int index, const QString& rights)
{
    if (index < 0 || index >= size())
        return;
    m_rows[static_cast<size_t>(index)].rights = rights;
    changed();
}

void EditList::clearMarks()
{
    for (EditRow& row : m_rows)
        row.rights = QStringLiteral("0");
    changed();
}

void EditList::clear()
{
    m_rows.clear();
    changed();
}

QString EditList::fileLine(const EditRow& row)
{
    const QChar tab(QLatin1Char('\t'));
    return (row.ticked ? QStringLiteral("1") : QStringLiteral("0")) + tab + row.original + tab + row.replacement + tab
        + row.action + tab + row.rights;
}

bool EditList::parseLine(const QString& line, EditRow* row)
{
    // The first character is the tick; the second, the TAB after it, is skipped as written.
    const QString text = line.mid(afterCharacters(line, 2));
    const QStringList parts = text.split(QLatin1Char('\t'));
    if (line.isEmpty() || parts.size() < 4)
        return false;
    EditRow read;
    read.ticked = line.at(0) == QLatin1Char('1');
    read.original = parts.at(0);
    read.replacement = parts.at(1);
    read.action = parts.at(2);
    // Whatever follows the third TAB is the Rights column, TABs and all.
    read.rights = text.section(QLatin1Char('\t'), 3);
    if (read.original.trimmed().isEmpty()
        || (read.action != QLatin1String("Delete") && read.action != QLatin1String("Replace")))
        return false;
    *row = read;
    return true;
}

EditList::SaveResult EditList::save(const QString& path) const
{
    if (m_rows.empty())
        return SaveResult::NoRows;
    QByteArray bytes;
    for (const EditRow& row : m_rows)
        bytes += fileLine(row).toLocal8Bit() + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return SaveResult::Failed;
    return file.commit() ? SaveResult::Saved : SaveResult::Failed;
}

EditList::LoadResult EditList::load(const QString& path)
{
    LoadResult result;
    m_rows.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        changed();
        return result;
    }
    result.found = true;
    // CR LF as written, and CR or LF alone as other programs leave them: the empty lines
    // between a CR and its LF are passed over with the others.
    BoundedLineReader reader(file, BoundedLineReader::Ends::CrOrLf);
    BoundedLineReader::Line raw;
    while (reader.next(&raw)) {
        if (raw.tooLong) {
            ++result.leftOut;
            continue;
        }
        if (raw.bytes.isEmpty())
            continue;
        QStringDecoder decode(QStringDecoder::System);
        const QString line = decode(raw.bytes);
        EditRow row;
        if (decode.hasError() || !parseLine(line, &row)) {
            ++result.leftOut;
            continue;
        }
        insertSorted(row);
        ++result.rows;
    }
    changed();
    return result;
}

void EditList::insertSorted(EditRow row)
{
    const auto at = std::upper_bound(m_rows.begin(), m_rows.end(), row, [](const EditRow& a, const EditRow& b) {
        return sortsBefore(a.original, b.original);
    });
    m_rows.insert(at, std::move(row));
}

void EditList::changed()
{
    if (m_changed)
        m_changed();
}

} // namespace tw
