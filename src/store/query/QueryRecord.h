#pragma once

#include <QString>
#include <limits>
#include <vector>

namespace store {

// A user-defined field value of a document: text fields hold text, numeric
// fields hold a number (and its text form).
struct QueryFieldValue
{
    QString name;
    QString text;
    double number = 0;
    bool numeric = false;
};

// What a query can see of one document version. Dates are milliseconds since
// the epoch, as the store keeps them; Never stands for a date of 0.
struct QueryRecord
{
    static constexpr qint64 Never = std::numeric_limits<qint64>::min();

    qint64 documentNumber = 0;
    qint64 versionNumber = 0;
    QString subject;
    QString documentType;
    QString authorId;
    QString authorName;
    QString creatorId;
    QString creatorName;
    qint64 created = Never; // the document's creation
    qint64 modified = Never; // the version's last change: the later of its creation and retrieval
    QString fileName;
    qint64 size = 0;
    bool checkedOut = false;
    bool inUse = false;
    bool connectedReadWrite = false;
    bool archived = false;
    std::vector<QueryFieldValue> fields;

    const QueryFieldValue* field(const QString& name) const
    {
        for (const QueryFieldValue& f : fields) {
            if (f.name.compare(name, Qt::CaseInsensitive) == 0) {
                return &f;
            }
        }
        return nullptr;
    }
};

} // namespace store
