#include "MainLibraryView.h"

#include "LibraryPanel.h"
#include "TMainScreen.h"
#include "gui/docinfo/CustomFieldsTab.h"
#include "gui/docinfo/DocInfoTab.h"
#include "gui/query/QueryTab.h"
#include "gui/reports/ExportTab.h"
#include "gui/reports/ReporterTab.h"
#include "gui/widgets/SortedList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace tw {

MainLibraryView::MainLibraryView(TMainScreen& screen) : m_screen(screen) { }

void MainLibraryView::setWindowCaption(const QString& caption)
{
    m_screen.setWindowTitle(caption);
}

void MainLibraryView::setLibraryEntries(const QStringList& entries, const QString& selected)
{
    QComboBox* libraries = m_screen.libraries();
    libraries->clear();
    libraries->addItems(entries);
    const int index = libraries->findText(selected);
    libraries->setCurrentIndex(index >= 0 ? index : (libraries->count() > 0 ? 0 : -1));
}

void MainLibraryView::clearForLibrary()
{
    m_screen.DocInfoClear();
    m_screen.QueryInfoClear();
    m_screen.ExportInfoClear();
    m_screen.ReporterInfoClear();
    m_screen.docInfoTab()->ui().Edit1->clear();
}

void MainLibraryView::setLibraryPanel(const QString& caption, const QString& highestNumber, const QString& description)
{
    m_screen.libraryPanel()->setPanel(caption, highestNumber, description);
}

void MainLibraryView::setLibrarianLine(const QString& text)
{
    m_screen.libraryPanel()->setLibrarianLine(text);
}

void MainLibraryView::setDocumentTypes(const QStringList& types)
{
    QComboBox* docTypes = m_screen.queryTab()->ui().ComboB_DocTypes;
    // Sorted like the platform's sorted drop-down: the empty entry stays first.
    SortedList::fill(docTypes, types);
    docTypes->setCurrentIndex(-1);
}

void MainLibraryView::setFieldLists(const QStringList& fields, const QStringList& reporterFields)
{
    // A new library discards every chosen export and report field and every customised field.
    SortedList::fill(m_screen.exportTab()->ui().ListBox1, fields);
    m_screen.exportTab()->ui().ListBox2->clear();
    m_screen.exportTab()->ui().Edit22->clear();
    SortedList::fill(m_screen.reporterTab()->ui().ListBox3, reporterFields);
    m_screen.reporterTab()->ui().ListBox4->clear();
    m_screen.reporterTab()->ui().Edit29->clear();
    SortedList::fill(m_screen.customTab()->ui().ListBox5, fields);
    m_screen.customFields().clear();
    m_screen.customTab()->ui().ListView1->clear();
}

void MainLibraryView::setAdditionalFields(const QList<AdditionalFieldRow>& rows, bool moreFieldsEnabled)
{
    m_screen.queryTab()->setAdditionalFields(rows);
    m_screen.queryTab()->ui().BAddFields->setEnabled(moreFieldsEnabled);
}

} // namespace tw
