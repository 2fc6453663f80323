#pragma once

#include "store/model/StoredDate.h"

#include <QDateTime>
#include <QString>

namespace store {

// A document as the object model reads it.
struct DocumentRow
{
    qint64 row = 0;
    qint64 libraryRow = 0;
    qint64 number = 0;
    QString subject;
    qint64 authorRow = 0;
    QString authorName;
    qint64 creatorRow = 0;
    QString creatorName;
    QString typeName;
    StoredDate created;
    int officialVersion = 1;
    int currentVersion = 1;
};

} // namespace store
