#include "AddressBookPicker.h"

#include "gui/host/PromptSeam.h"
#include "gui/widgets/WidgetKit.h"
#include "gw/Account.h"
#include "gw/Error.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tw {

AddressBookPicker::AddressBookPicker(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AddressBookPicker"));
    setModal(true);
    m_books = WidgetKit::pickList(QStringLiteral("ComboB_Books"), QStringLiteral("Select Address Book"), this);
    m_filter
        = WidgetKit::edit(QStringLiteral("EFindName"), QStringLiteral("Show only names containing this text"), this);
    m_filter->setClearButtonEnabled(true);
    m_entries = WidgetKit::listBox(QStringLiteral("LB_Entries"), QStringLiteral("Select an Entry"), true, this);
    m_entries->setMinimumSize(300, 220);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("BOk"));
    m_ok->setEnabled(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(WidgetKit::label(QStringLiteral("Address Book:"), this), 0, 0);
    grid->addWidget(m_books, 0, 1);
    grid->addWidget(WidgetKit::label(QStringLiteral("Find Name:"), this), 1, 0);
    grid->addWidget(m_filter, 1, 1);
    grid->addWidget(m_entries, 2, 0, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_books, &QComboBox::currentIndexChanged, this, &AddressBookPicker::showBook);
    connect(m_filter, &QLineEdit::textChanged, this, &AddressBookPicker::showBook);
    connect(m_entries, &QListWidget::itemSelectionChanged, this, &AddressBookPicker::selectionChanged);
    connect(m_entries, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::optional<QString> AddressBookPicker::pick(const QString& title, const std::shared_ptr<gw::Account>& account,
                                               PromptSeam& prompts)
{
    setWindowTitle(title);
    if (const std::optional<QString> answer = prompts.take(PromptSeam::Kind::Address, title)) {
        if (answer->isEmpty())
            return std::nullopt;
        return answer;
    }
    load(account);
    if (exec() != QDialog::Accepted || !m_entries->currentItem())
        return std::nullopt;
    return m_entries->currentItem()->text();
}

void AddressBookPicker::load(const std::shared_ptr<gw::Account>& account)
{
    m_account = account;
    const QSignalBlocker blockBooks(m_books);
    const QSignalBlocker blockFilter(m_filter);
    m_books->clear();
    m_filter->clear();
    if (m_account) {
        const auto books = m_account->AddressBooks();
        for (int i = 1; i <= books->Count(); ++i)
            m_books->addItem(books->Item(i)->Name());
    }
    m_books->setCurrentIndex(m_books->count() > 0 ? 0 : -1);
    showBook();
}

void AddressBookPicker::showBook()
{
    m_entries->clear();
    const int index = m_books->currentIndex();
    if (!m_account || index < 0)
        return;
    try {
        auto entries = m_account->AddressBooks()->Item(index + 1)->AddressBookEntries();
        const QString part = m_filter->text().trimmed();
        if (!part.isEmpty())
            entries = entries->Find(QStringLiteral("(Name MATCHES \"*%1*\")").arg(part));
        showEntries(entries);
    } catch (const gw::Error&) {
        // A text the address book cannot search for (a double quote) lists nothing.
        m_entries->clear();
    }
}

void AddressBookPicker::showEntries(const std::shared_ptr<gw::AddressEntries>& entries)
{
    for (int i = 1; i <= entries->Count(); ++i) {
        const QString name = entries->Item(i)->DisplayName();
        if (!name.isEmpty())
            m_entries->addItem(name);
    }
}

void AddressBookPicker::selectionChanged()
{
    m_ok->setEnabled(!m_entries->selectedItems().isEmpty());
}

} // namespace tw
