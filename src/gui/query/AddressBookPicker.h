#pragma once

#include <QDialog>
#include <memory>
#include <optional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace gw {
class Account;
class AddressEntries;
} // namespace gw

namespace tw {

class PromptSeam;

// Picks one person or list from the account's address books, for the Query
// tab's author and creator fields. The user chooses a book, may narrow the
// entries by a part of the name, and confirms an entry with OK or a double
// click; the entry's display name is the answer.
class AddressBookPicker : public QDialog
{
    Q_OBJECT
public:
    explicit AddressBookPicker(QWidget* parent = nullptr);

    // The chosen entry's text, nothing when cancelled. A queued answer of the
    // seam's Address kind (empty for Cancel) is taken instead of showing it.
    std::optional<QString> pick(const QString& title, const std::shared_ptr<gw::Account>& account, PromptSeam& prompts);
    // Lists the account's address books and the first book's entries.
    void load(const std::shared_ptr<gw::Account>& account);

    QComboBox* books() const { return m_books; }
    QLineEdit* filter() const { return m_filter; }
    QListWidget* entries() const { return m_entries; }

private:
    void showBook();
    void showEntries(const std::shared_ptr<gw::AddressEntries>& entries);
    void selectionChanged();

    std::shared_ptr<gw::Account> m_account;
    QComboBox* m_books;
    QLineEdit* m_filter;
    QListWidget* m_entries;
    QPushButton* m_ok;
};

} // namespace tw
