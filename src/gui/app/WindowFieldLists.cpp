#include "WindowFieldLists.h"

#include "gui/runs/FieldMover.h"

namespace tw {

WindowFieldLists::WindowFieldLists(FieldMover& exportFields, FieldMover& reportFields)
    : m_export(exportFields), m_report(reportFields)
{
}

void WindowFieldLists::added(const QString& name)
{
    m_export.addAvailable(name);
    m_report.addAvailable(name);
}

void WindowFieldLists::removed(const QString& name, const CustomFields::Renames& renames)
{
    for (FieldMover* lists : {&m_export, &m_report}) {
        lists->removeEverywhere(name);
        // Each removal shifts the later rows down by one, so every new name is free when it is given.
        for (const auto& [from, to] : renames)
            lists->renameEverywhere(from, to);
    }
}

} // namespace tw
