#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <memory>

namespace store {

class Store;

// What the administration objects share: the store, the fault check and the row queries.
class AdminData
{
public:
    explicit AdminData(std::shared_ptr<Store> store);

    Store& store() { return *m_store; }
    QSqlDatabase database();
    // Raises the message of a fault rule set on this member (of that library, if any).
    void checkFault(const QString& member, const QString& libraryId = QString(),
                    const QString& libraryName = QString());
    // The same for a member of a library's objects, so a rule can name the library.
    void checkLibraryFault(const QString& member, qint64 libraryRow);
    // domain + "." + post office + "." + library, as fault rules and the program name libraries.
    QString libraryId(qint64 libraryRow);
    QList<qint64> rows(const QString& sql, const QVariantList& binds = {});
    QString text(const QString& sql, const QVariantList& binds = {});

private:
    std::shared_ptr<Store> m_store;
};

using AdminDataPtr = std::shared_ptr<AdminData>;

} // namespace store
