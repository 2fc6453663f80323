#pragma once

#include <QString>
#include <QStringList>

namespace tw {

// The DocInfo tab as the document view fills it.
class DocInfoView
{
public:
    // The value lines, top to bottom.
    struct Values
    {
        QString author;
        QString creator;
        QString status;
        QString subject;
        QString lastModifiedOn;
        QString lastModifiedBy;
        QString versionNumber;
        QString stagedFileName;
        QString fileExtension;
        QString fileSize;
        QString documentType;
    };

    virtual ~DocInfoView() = default;
    // DocInfoClear: value lines, version count line, selector, both check boxes.
    virtual void DocInfoClear() = 0;
    virtual void setNumberText(const QString& text) = 0;
    // The selector's entries (shown sorted as text), the one to select, and whether it is enabled.
    virtual void setVersions(const QStringList& entries, const QString& selected, bool enabled) = 0;
    virtual void setVersionCount(const QString& text) = 0;
    virtual void setOfficialCurrent(bool official, bool current) = 0;
    // One value line, set as soon as its value is read: an error further down leaves
    // the lines filled so far on the tab.
    virtual void setValue(QString Values::*line, const QString& text) = 0;
};

} // namespace tw
