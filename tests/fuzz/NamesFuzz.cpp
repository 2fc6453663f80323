// The names of files the program finds in folders: a check-in file name and a stray file's name.
// Any name, as the file system's bytes give it, either reads as a document and version the name
// spells out, or as none; and the names the program itself gives (the check-out's "1234_2.doc") and
// the forms a user's copy takes ("1234-2.doc", "1234v2", "1234-C.doc") read back as what they were
// made from. The input is a name; its first bytes also give the numbers and separator of the made
// names.

#include "FuzzCheck.h"
#include "core/maint/CheckInName.h"
#include "core/maint/CheckOutDocs.h"
#include "core/strays/StrayName.h"

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace {

bool isAsciiDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !text.isEmpty();
}

void checkCheckInName(const QString& name)
{
    const tw::CheckInName parsed = tw::CheckInName::parse(name);
    const QString shown = tw::fuzz::shown(name);
    TW_FUZZ_CHECK(name.endsWith(parsed.extension), QStringLiteral("extension of %1").arg(shown));
    if (!parsed.valid)
        return;
    TW_FUZZ_CHECK(name.startsWith(parsed.numberText + QLatin1Char('_') + parsed.versionText),
                  QStringLiteral("texts of %1").arg(shown));
}

void checkStrayName(const QString& name)
{
    const std::optional<tw::StrayName> parsed = tw::StrayName::parse(name);
    if (!parsed)
        return;
    const QString shown = tw::fuzz::shown(name);
    const QString number = QString::number(parsed->number);
    TW_FUZZ_CHECK(parsed->number > 0 && name.startsWith(number), QStringLiteral("number of %1").arg(shown));
    const QString rest = name.mid(number.size() + 1);
    if (parsed->official) {
        TW_FUZZ_CHECK(parsed->versionText == QLatin1String("O")
                          && rest.startsWith(QLatin1String("C."), Qt::CaseInsensitive),
                      QStringLiteral("official version of %1").arg(shown));
        return;
    }
    TW_FUZZ_CHECK(isAsciiDigits(parsed->versionText) && !parsed->versionText.startsWith(QLatin1Char('0'))
                      && rest.section(QLatin1Char('.'), 0, 0) == parsed->versionText,
                  QStringLiteral("version of %1").arg(shown));
}

struct Made
{
    qint64 number = 0;
    int version = 0;
    char separator = '-';
};

Made madeFrom(const uint8_t* data, size_t size)
{
    Made made;
    unsigned char bytes[13] = {};
    std::memcpy(bytes, data, std::min(size, sizeof bytes));
    std::memcpy(&made.number, bytes, sizeof made.number);
    std::memcpy(&made.version, bytes + 8, sizeof made.version);
    made.number
        = made.number == std::numeric_limits<qint64>::min() ? 1 : (made.number < 0 ? -made.number : made.number);
    made.version
        = made.version == std::numeric_limits<int>::min() ? 1 : (made.version < 0 ? -made.version : made.version);
    const char separators[] = "-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    made.separator = separators[bytes[12] % (sizeof separators - 1)];
    return made;
}

void checkMadeNames(const Made& made)
{
    const QString type = QStringLiteral("doc");
    const QString checkedOut = tw::CheckOutDocs::fileName(QString(), made.number, made.version, type);
    const tw::CheckInName back = tw::CheckInName::parse(checkedOut);
    TW_FUZZ_CHECK(back.valid && back.number == made.number && back.version == made.version && back.extension == type,
                  QStringLiteral("the check-out's name %1 reads back otherwise").arg(checkedOut));
    if (made.number == 0 || made.version == 0)
        return;
    const QString copy = QString::number(made.number) + QLatin1Char(made.separator) + QString::number(made.version);
    const QString official = QString::number(made.number) + QLatin1Char(made.separator) + QStringLiteral("C.doc");
    for (const QString& name : QStringList {copy, copy + QStringLiteral(".doc")}) {
        const std::optional<tw::StrayName> read = tw::StrayName::parse(name);
        TW_FUZZ_CHECK(read && read->number == made.number && read->versionText == QString::number(made.version)
                          && !read->official,
                      QStringLiteral("the copy's name %1 reads back otherwise").arg(name));
    }
    const std::optional<tw::StrayName> read = tw::StrayName::parse(official);
    TW_FUZZ_CHECK(read && read->number == made.number && read->official,
                  QStringLiteral("the official copy's name %1 reads back otherwise").arg(official));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString name = QFile::decodeName(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkCheckInName(name);
    checkStrayName(name);
    checkMadeNames(madeFrom(data, size));
    return 0;
}
