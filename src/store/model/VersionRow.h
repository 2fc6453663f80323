#pragma once

#include "store/model/StoredDate.h"

#include <QDateTime>
#include <QString>

namespace store {

// A version as the object model reads it.
struct VersionRow
{
    qint64 row = 0;
    qint64 documentRow = 0;
    int number = 0;
    qint64 creatorRow = 0;
    QString creatorName;
    qint64 retrieverRow = 0;
    QString retrieverName;
    StoredDate retrieved;
    StoredDate created;
    StoredDate expires;
    QString description;
    QString fileType;
    QString contentFile;
    QString stagedFile;
    qint64 size = 0;
    bool archived = false;
    bool checkedOut = false;
    bool inUse = false;
    bool readWrite = false;
};

} // namespace store
