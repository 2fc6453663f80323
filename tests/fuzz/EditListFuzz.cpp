// "EditList.txt": any file loads into rows that a save writes back and a second load reads exactly
// as they were (ticks, names, actions and Rights texts), with no line left out; saving those rows
// again gives the same bytes. Every row loaded names an original user and a known action, and holds
// no TAB in its names and no line end anywhere.

#include "FuzzCheck.h"
#include "core/rights/EditList.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace {

QString rowText(const tw::EditRow& row)
{
    return tw::fuzz::shown(tw::EditList::fileLine(row));
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void checkRow(const tw::EditRow& row)
{
    const QString all = row.original + row.replacement + row.action + row.rights;
    TW_FUZZ_CHECK(!row.original.trimmed().isEmpty(), QStringLiteral("no original: %1").arg(rowText(row)));
    TW_FUZZ_CHECK(row.action == QLatin1String("Delete") || row.action == QLatin1String("Replace"),
                  QStringLiteral("action: %1").arg(rowText(row)));
    TW_FUZZ_CHECK(!QString(row.original + row.replacement).contains(QLatin1Char('\t')),
                  QStringLiteral("TAB in a name: %1").arg(rowText(row)));
    TW_FUZZ_CHECK(!all.contains(QLatin1Char('\n')) && !all.contains(QLatin1Char('\r')),
                  QStringLiteral("line end: %1").arg(rowText(row)));
}

void checkSame(const tw::EditList& first, const tw::EditList& second)
{
    TW_FUZZ_CHECK(first.size() == second.size(),
                  QStringLiteral("%1 rows saved, %2 loaded back").arg(first.size()).arg(second.size()));
    for (int i = 0; i < first.size(); ++i) {
        const tw::EditRow& a = first.rows().at(size_t(i));
        const tw::EditRow& b = second.rows().at(size_t(i));
        TW_FUZZ_CHECK(a.ticked == b.ticked && a.original == b.original && a.replacement == b.replacement
                          && a.action == b.action && a.rights == b.rights,
                      QStringLiteral("row %1 saved as %2 loads back as %3").arg(i).arg(rowText(a), rowText(b)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.txt"));
    const QString saved = dir.filePath(QStringLiteral("EditList.txt"));
    {
        QFile file(input);
        TW_FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), QStringLiteral("cannot write the input"));
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    tw::EditList loaded;
    const tw::EditList::LoadResult first = loaded.load(input);
    TW_FUZZ_CHECK(first.found && first.rows == loaded.size(), QStringLiteral("rows counted wrongly"));
    for (const tw::EditRow& row : loaded.rows())
        checkRow(row);
    QFile::remove(saved);
    if (loaded.save(saved) != tw::EditList::SaveResult::Saved) {
        TW_FUZZ_CHECK(loaded.size() == 0, QStringLiteral("%1 rows not saved").arg(loaded.size()));
        return 0;
    }
    const QByteArray bytes = bytesOf(saved);
    tw::EditList again;
    const tw::EditList::LoadResult second = again.load(saved);
    TW_FUZZ_CHECK(second.leftOut == 0, QStringLiteral("%1 saved lines left out").arg(second.leftOut));
    checkSame(loaded, again);
    TW_FUZZ_CHECK(again.save(saved) == tw::EditList::SaveResult::Saved && bytesOf(saved) == bytes,
                  QStringLiteral("a second save writes other bytes"));
    return 0;
}
