#include "LibraryPanel.h"

#include "gui/widgets/WidgetKit.h"

#include <QHBoxLayout>
#include <QLabel>

namespace tw {

LibraryPanel::LibraryPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Currently Selected Library - <Unknown>"), parent)
    , m_description(WidgetKit::valueLine(QStringLiteral("LLibDescription"), this))
    , m_highest(WidgetKit::valueLine(QStringLiteral("LHighestDocNumber"), this))
    , m_librarian(WidgetKit::valueLine(QStringLiteral("LLibrarian"), this))
{
    setObjectName(QStringLiteral("GBLibrary"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 4);
    layout->addWidget(m_description, 1);
    layout->addWidget(WidgetKit::label(QStringLiteral("Highest Document Number:"), this));
    m_highest->setMinimumWidth(60);
    layout->addWidget(m_highest);
    m_librarian->setMinimumWidth(110);
    layout->addWidget(m_librarian);
    showUnknown();
}

void LibraryPanel::setPanel(const QString& caption, const QString& highestNumber, const QString& description)
{
    setTitle(caption);
    m_highest->setText(highestNumber);
    m_description->setText(description);
}

void LibraryPanel::showUnknown()
{
    setPanel(QStringLiteral("Currently Selected Library - <Unknown>"), QStringLiteral("0"),
             QStringLiteral("<Unknown>"));
}

void LibraryPanel::setLibrarianLine(const QString& text)
{
    m_librarian->setText(text);
}

} // namespace tw
