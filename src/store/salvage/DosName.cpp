#include "DosName.h"

namespace store {

namespace {

bool isDosChar(QChar c)
{
    if (c.unicode() > 0x7e || c.unicode() <= 0x20)
        return false;
    static const QString forbidden = QStringLiteral("\"*+,./:;<=>?[\\]|");
    return !forbidden.contains(c);
}

bool isDosPart(const QString& part, int maxLength)
{
    if (part.isEmpty() || part.size() > maxLength)
        return false;
    for (QChar c : part) {
        if (!isDosChar(c))
            return false;
    }
    return true;
}

QString usableChars(const QString& text, int maxLength)
{
    QString out;
    for (QChar c : text) {
        if (out.size() == maxLength)
            break;
        if (isDosChar(c))
            out += c.toUpper();
    }
    return out;
}

} // namespace

bool DosName::isValid(const QString& name)
{
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return isDosPart(name, 8);
    if (name.indexOf(QLatin1Char('.'), dot + 1) >= 0)
        return false;
    const QString ext = name.mid(dot + 1);
    return isDosPart(name.left(dot), 8) && (ext.isEmpty() ? false : isDosPart(ext, 3));
}

QString DosName::forName(const QString& name)
{
    if (isValid(name))
        return name.toUpper();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString ext = dot > 0 ? usableChars(name.mid(dot + 1), 3) : QString();
    QString base = usableChars(stem, 6);
    if (base.isEmpty())
        base = QStringLiteral("FILE");
    return base + QLatin1String("~1") + (ext.isEmpty() ? QString() : QLatin1Char('.') + ext);
}

} // namespace store
