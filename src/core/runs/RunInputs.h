#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tw {

// What a run's tab gathers from its controls when the run starts.
struct RunInputs
{
    // "Use Query" selected in the tab's "Select Search Criteria" group.
    bool useQuery = true;
    // The Query tab's two document-number fields (MaskEdit1, MaskEdit2).
    QString rangeLowText;
    QString rangeHighText;
    // The run's directory field; ends with the separator once accepted.
    QString reportDirectory;
    // The fields chosen on the Reporter tab, in their order.
    QStringList extraFields;
    // Set by the export when "Use Export.lst" is ticked: gives the list's
    // entries in the order to walk, or nothing when there is no list.
    std::function<QStringList()> listEntries;
};

} // namespace tw
