#include "SafeName.h"

#include "core/app/TextTrim.h"

namespace tw {
namespace {

struct Replacement
{
    char16_t character;
    const char* replacement; // empty: the character is removed
};

// In this order; no replacement holds a character of the table, so each
// character is gone once its own turn is over.
constexpr Replacement kReserved[] = {
    {u'"', ""}, {u'*', ""},  {u'+', "&"}, {u'/', "-"}, {u':', ""},   {u';', ""},  {u'<', "("},
    {u'=', ""}, {u'>', ")"}, {u'?', ""},  {u'[', "("}, {u'\\', "_"}, {u']', ")"}, {u'\u00A6', ""},
};

} // namespace

QString SafeName(const QString& text)
{
    QString result = trimBlanksAndControls(text);
    for (const Replacement& r : kReserved)
        result.replace(QChar(r.character), QLatin1String(r.replacement));
    return result;
}

} // namespace tw
