#pragma once

#include <QString>

namespace store {

// A library as the object model reads it.
struct LibraryRow
{
    qint64 row = 0;
    QString name;
    QString libraryId; // domain.postoffice.library
    QString description;
    QString directory; // absolute path of its content folder
    QString folder; // the folder's name under STORE/files
};

} // namespace store
