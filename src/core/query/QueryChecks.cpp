#include "QueryChecks.h"

#include "core/app/DateTimeText.h"

#include <optional>

namespace tw {
namespace {

std::optional<qint64> integerOf(const QString& text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

FieldCheck checkLowBound(const QString& low, const QString& high, qint64 highestShown)
{
    if (low.trimmed().isEmpty())
        return {low, false, {}};
    const auto value = integerOf(low);
    if (!value)
        return {};
    const qint64 limit = integerOf(high).value_or(highestShown);
    if (*value > limit)
        return {QString(), false, QStringLiteral("Low Limit greater than High Limit")};
    return {QString::number(*value), true, {}};
}

FieldCheck checkHighBound(const QString& high, const QString& low)
{
    if (high.trimmed().isEmpty())
        return {high, false, {}};
    const auto value = integerOf(high);
    if (!value)
        return {};
    if (*value < integerOf(low).value_or(0))
        return {QString(), false, QStringLiteral("High Limit less than Low Limit")};
    return {QString::number(*value), true, {}};
}

FieldCheck checkDateField(const QString& text)
{
    if (text.trimmed().isEmpty())
        return {text, false, {}};
    const QDate date = DateTimeText::parseDate(text);
    if (!date.isValid())
        return {};
    return {DateTimeText::formatDate(date), true, {}};
}

FieldCheck checkIntegerField(const QString& text)
{
    if (text.trimmed().isEmpty())
        return {text, false, {}};
    const auto value = integerOf(text);
    if (!value)
        return {};
    return {QString::number(*value), true, {}};
}

DocumentRange CheckRange(const QString& lowText, const QString& highText, qint64 nextDocumentNumber)
{
    DocumentRange range;
    range.lowText = lowText;
    range.highText = highText;
    range.high = nextDocumentNumber - 1;
    if (!lowText.trimmed().isEmpty()) {
        if (const auto low = integerOf(lowText)) {
            range.low = *low;
            range.lowText = QString::number(*low);
            range.RangeGiven = true;
        } else {
            range.lowText.clear();
        }
    }
    if (!highText.trimmed().isEmpty()) {
        if (const auto high = integerOf(highText)) {
            range.high = *high;
            range.highText = QString::number(*high);
            range.RangeGiven = true;
        } else {
            range.highText.clear();
        }
    }
    return range;
}

} // namespace tw
