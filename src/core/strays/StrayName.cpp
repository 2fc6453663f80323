#include "StrayName.h"

namespace tw {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSeparator(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'-' || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

} // namespace

std::optional<StrayName> StrayName::parse(const QString& fileName)
{
    const qsizetype size = fileName.size();
    if (size == 0 || !isDigit(fileName.at(0)) || fileName.at(0) == QLatin1Char('0'))
        return std::nullopt;
    qsizetype i = 0;
    while (i < size && isDigit(fileName.at(i)))
        ++i;
    if (i + 1 >= size || !isSeparator(fileName.at(i)))
        return std::nullopt;
    StrayName name;
    bool ok = false;
    name.number = fileName.left(i).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    const qsizetype start = i + 1;
    const QChar first = fileName.at(start);
    if (first == QLatin1Char('0'))
        return std::nullopt;
    if (isDigit(first)) {
        qsizetype end = fileName.indexOf(QLatin1Char('.'), start);
        if (end < 0)
            end = size;
        for (qsizetype k = start; k < end; ++k) {
            if (!isDigit(fileName.at(k)))
                return std::nullopt;
        }
        name.versionText = fileName.mid(start, end - start);
        return name;
    }
    if ((first == QLatin1Char('C') || first == QLatin1Char('c')) && start + 1 < size
        && fileName.at(start + 1) == QLatin1Char('.')) {
        name.versionText = QStringLiteral("O");
        name.official = true;
        return name;
    }
    return std::nullopt;
}

} // namespace tw
