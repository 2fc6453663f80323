#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace store {

// Directory names as the directory client writes them: components separated by dots, most
// specific first, each optionally typed ("CN=ADMIN.OU=Staff.O=Tarnwick"). A name with a leading
// dot is distinguished (from the root); otherwise it is relative to the name context, and each
// trailing dot moves one level up the context; a typed name ending in an organisation (O=) or
// country (C=) is complete. Names compare ignoring case and types.
class DirectoryName
{
public:
    // The components without their types; nothing for a malformed name (empty component,
    // type without value).
    static std::optional<QStringList> typelessParts(const QString& name);
    static QString typeless(const QString& name);
    // The full typeless name of `name` read relative to `context`; nothing when malformed or when
    // the trailing dots climb above the root.
    static std::optional<QString> resolve(const QString& name, const QString& context);
    static bool same(const QString& a, const QString& b);
};

} // namespace store
