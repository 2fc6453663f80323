#include "RunTabSkeleton.h"

#include "FilesInProcessBox.h"
#include "SearchCriteriaPanel.h"
#include "WidgetKit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tw {

RunTabSkeleton::Directory RunTabSkeleton::reportDirectory(const QString& field, const QString& picker)
{
    return {QStringLiteral("Selected Report Directory:"), field,
            QStringLiteral("Use the Button to Select the Required Report Directory"), picker,
            QStringLiteral("Select the Required Output Directory")};
}

RunTabSkeleton::RunTabSkeleton(QWidget* group)
    : m_group(group), m_column(new QVBoxLayout(group)), m_grid(new QGridLayout)
{
    m_grid->setVerticalSpacing(4);
}

SearchCriteriaPanel* RunTabSkeleton::addCriteria(const QString& group, const QString& testButton,
                                                 const QString& testResult)
{
    m_criteria = new SearchCriteriaPanel(group, testButton, testResult, m_group);
    return m_criteria;
}

RunTabSkeleton::DirectoryRow RunTabSkeleton::addDirectory(const Directory& directory, int span)
{
    DirectoryRow row;
    row.field = WidgetKit::edit(directory.field, directory.fieldHint);
    row.picker = WidgetKit::folderButton(directory.picker, directory.pickerHint);
    WidgetKit::directoryRow(m_grid, m_directoryRows++, directory.caption, row.field, row.picker, span);
    return row;
}

QPushButton* RunTabSkeleton::runButton(const QString& name, const QString& caption, const QString& hint)
{
    return WidgetKit::button(name, caption, hint, m_group);
}

RunTabSkeleton::Progress RunTabSkeleton::addProgress(const QString& barName, const QString& statusName)
{
    const Progress progress {WidgetKit::progressBar(barName, m_group), WidgetKit::valueLine(statusName, m_group)};
    m_progress.append(progress);
    return progress;
}

FilesInProcessBox* RunTabSkeleton::filesInProcess(const QStringList& captions, const QStringList& names)
{
    return new FilesInProcessBox(captions, names, m_group);
}

QBoxLayout* RunTabSkeleton::column(const QList<QWidget*>& widgets, bool stretch)
{
    auto* layout = new QVBoxLayout;
    layout->setSpacing(4);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (stretch)
        layout->addStretch(1);
    return layout;
}

void RunTabSkeleton::clearResults() const
{
    if (m_criteria)
        m_criteria->resultLine()->clear();
    for (const Progress& progress : m_progress) {
        progress.status->clear();
        progress.bar->setMinimum(0);
        progress.bar->setValue(0);
    }
}

} // namespace tw
