#pragma once

namespace tw {

// The "Options" menu's check marks, as the runs read and the export's options
// check sets them. Nothing else is attached to them.
class OptionMarks
{
public:
    enum class Option {
        UseUserID,
        ShortFilename,
        JolietCompatible,
        CleanFileName,
        ExplicitDenyDelete,
        ExplicitDenyAutomatic,
        ShowPDF
    };

    virtual ~OptionMarks() = default;
    virtual bool isChecked(Option option) const = 0;
    virtual void setChecked(Option option, bool checked) = 0;
};

} // namespace tw
