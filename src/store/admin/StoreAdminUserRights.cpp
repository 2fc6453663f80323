#include "StoreAdminUserRights.h"

namespace store {

StoreAdminUserRights::StoreAdminUserRights(AdminDataPtr data, qint64 libraryRow, qint64 userRow)
    : m_data(std::move(data)), m_libraryRow(libraryRow), m_userRow(userRow)
{
}

bool StoreAdminUserRights::IsLibrarian()
{
    m_data->checkLibraryFault(QStringLiteral("IsLibrarian"), m_libraryRow);
    if (m_userRow == 0)
        return m_data
                   ->rows(QStringLiteral("SELECT id FROM libraries WHERE id = ? AND default_librarian <> 0"),
                          {m_libraryRow})
                   .size()
            == 1;
    return m_data
               ->rows(QStringLiteral("SELECT user_id FROM library_rights WHERE library_id = ? AND user_id = ?"
                                     " AND librarian <> 0"),
                      {m_libraryRow, m_userRow})
               .size()
        == 1;
}

} // namespace store
