#pragma once

#include <QDate>
#include <QDialog>
#include <optional>

class QCalendarWidget;

namespace tw {

class PromptSeam;

// The date dialog of the Query tab: a month calendar with week numbers.
// Double-clicking a day ends it with that day; Escape ends it cancelled. It
// is created once and hidden, not destroyed, after each use.
class TDatePicker : public QDialog
{
    Q_OBJECT
public:
    explicit TDatePicker(QWidget* parent = nullptr);

    // Opens the dialog with `title` and the calendar on today; the chosen day,
    // or nothing when cancelled. A queued answer of the seam's Date kind
    // ("yyyy-MM-dd", empty for Cancel) is taken instead of showing it.
    std::optional<QDate> pick(const QString& title, PromptSeam& prompts);

    QCalendarWidget* calendar() const { return m_calendar; }
    void MonthCalendar1DblClick();

private:
    QCalendarWidget* m_calendar;
};

} // namespace tw
