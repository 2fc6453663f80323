// "Export.lst": any file reads as entries sorted character by character, each once, none holding a
// line end; the entries written back one per line (UTF-8, CR LF) read as the same entries.

#include "FuzzCheck.h"
#include "core/app/IoError.h"
#include "core/reports/ExportList.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    TW_FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), QStringLiteral("cannot write %1").arg(path));
    file.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Export.lst"));
    write(path, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    QStringList entries;
    try {
        entries = tw::ExportList::read(path);
    } catch (const tw::IoError&) {
        return 0; // a list the program refuses to read
    }
    for (int i = 0; i < entries.size(); ++i) {
        const QString& entry = entries.at(i);
        TW_FUZZ_CHECK(!entry.contains(QLatin1Char('\n')), QStringLiteral("line end in %1").arg(tw::fuzz::shown(entry)));
        TW_FUZZ_CHECK(i == 0 || QString::compare(entries.at(i - 1), entry, Qt::CaseSensitive) < 0,
                      QStringLiteral("%1 before %2").arg(tw::fuzz::shown(entries.at(i - 1)), tw::fuzz::shown(entry)));
    }
    // A byte-order mark first, as an editor saving UTF-8 may write it: the file's first entry may
    // itself begin with U+FEFF, which a leading mark of the file's own would otherwise swallow.
    QByteArray written("\xef\xbb\xbf");
    for (const QString& entry : entries)
        written += entry.toUtf8() + "\r\n";
    write(path, written);
    const QStringList again = tw::ExportList::read(path);
    TW_FUZZ_CHECK(again == entries,
                  QStringLiteral("%1 entries written, %2 read back").arg(entries.size()).arg(again.size()));
    return 0;
}
