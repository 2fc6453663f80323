#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace store {

class Store;

// Builds directory objects for the command-line tool and the demo: an object with its class
// and attributes, each attribute with one or more values in order.
class DirectoryWriter
{
public:
    using Attributes = QList<QPair<QString, QStringList>>;

    // Adds the object, or replaces the attributes of the one already there (raises StoreError on
    // a malformed name).
    static void putObject(Store& store, const QString& dn, const QString& objectClass, const Attributes& attributes);
    static void setNameContext(Store& store, const QString& context);
};

} // namespace store
