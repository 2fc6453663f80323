#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace store {

// The content and properties of a version being added.
struct NewVersion
{
    QString sourceFile; // content copied from this file, or
    QByteArray content; // these bytes when sourceFile is empty
    QString fileType; // OriginalFileType; empty: the source file's suffix
    QString creator; // user ID; empty: the document's creator
    QDateTime created; // null: now
    QDateTime expires; // null: never
    QString description;
};

struct NewDocument
{
    QString library;
    qint64 number = 0; // 0: the next number
    QString subject;
    QString author; // user ID
    QString creator; // user ID; empty: the author
    QString documentType;
    QDateTime created; // null: now
    QMap<QString, QVariant> fields;
};

// Flags and retrieval of a version; unset members are left as they are.
struct VersionState
{
    std::optional<bool> archived;
    std::optional<bool> checkedOut;
    std::optional<bool> inUse;
    std::optional<bool> readWrite;
    std::optional<QString> retriever; // user ID; empty text: none
    std::optional<QDateTime> retrieved;
    std::optional<QString> stagedFile;
    std::optional<int> officialVersion; // the document's official version
};

struct LevelMasks
{
    int official = 0;
    int current = 0;
    int other = 0;
};

struct SharingSpec
{
    QString name; // a user ID, a distribution list name, or a display name of nobody in the system
    LevelMasks masks;
    bool revokeAll = false;
    bool modifySecurity = false;
};

// The rights of a document; unset parts are left as they are. A given
// sharing list replaces the old one.
struct RightsSpec
{
    std::optional<LevelMasks> creator;
    std::optional<LevelMasks> general;
    std::optional<QList<SharingSpec>> sharing;
};

struct StoreInfo
{
    int schemaVersion = 0;
    QString clientUser;
    int majorVersion = 0;
    qint64 postOffices = 0;
    qint64 users = 0;
    qint64 libraries = 0;
    qint64 documents = 0;
    qint64 versions = 0;
    qint64 events = 0;
    qint64 faultRules = 0;
};

} // namespace store
