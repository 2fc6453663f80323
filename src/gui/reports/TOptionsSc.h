#pragma once

#include "core/reports/ExportOptions.h"

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace tw {

class PromptSeam;

// "Export Options Check": the four export options as check boxes, "OK" and
// "Cancel", and the explanation of each option. It is shown before every
// export; whichever button closes it, the boxes' states are kept.
class TOptionsSc : public QDialog
{
    Q_OBJECT
public:
    explicit TOptionsSc(QWidget* parent = nullptr);

    void setOptions(const ExportOptions& options);
    ExportOptions options() const;

    // Shows the dialog with `options` in its boxes and writes the boxes back
    // into `options` when it closes; true when "OK" closed it. A queued answer
    // of the seam's ExportOptions kind stands in for the user: "ok" or
    // "cancel", optionally followed by "+Box" or "-Box" words that tick or
    // untick a box by its name first ("ok +CBShortName -CBJoliet").
    static bool check(ExportOptions& options, PromptSeam& seam, QWidget* parent);

private:
    bool answer(const QString& scripted, PromptSeam& seam);

    QCheckBox* m_userId;
    QCheckBox* m_shortName;
    QCheckBox* m_joliet;
    QCheckBox* m_cleanName;
    QPlainTextEdit* m_explanation;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace tw
