#pragma once

#include <QGroupBox>

class QLabel;

namespace tw {

// The group under the library selector: the selected library's name in its
// caption, its description, its highest document number and the librarian line.
class LibraryPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit LibraryPanel(QWidget* parent = nullptr);

    void setPanel(const QString& caption, const QString& highestNumber, const QString& description);
    // The selector's text matched no library the account can reach.
    void showUnknown();
    void setLibrarianLine(const QString& text);

    QLabel* description() const { return m_description; }
    QLabel* highestNumber() const { return m_highest; }
    QLabel* librarianLine() const { return m_librarian; }

private:
    QLabel* m_description;
    QLabel* m_highest;
    QLabel* m_librarian;
};

} // namespace tw
