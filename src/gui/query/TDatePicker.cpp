#include "TDatePicker.h"

#include "gui/host/PromptSeam.h"

#include <QCalendarWidget>
#include <QVBoxLayout>

namespace tw {

TDatePicker::TDatePicker(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("DatePicker"));
    setWindowTitle(QStringLiteral("DatePicker"));
    setModal(true);
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("MonthCalendar1"));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    m_calendar->setGridVisible(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_calendar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // A double click on a day (or Enter) chooses it; Escape is QDialog's reject.
    connect(m_calendar, &QCalendarWidget::activated, this, &TDatePicker::MonthCalendar1DblClick);
}

void TDatePicker::MonthCalendar1DblClick()
{
    accept();
}

std::optional<QDate> TDatePicker::pick(const QString& title, PromptSeam& prompts)
{
    setWindowTitle(title);
    m_calendar->setSelectedDate(QDate::currentDate());
    if (const std::optional<QString> answer = prompts.take(PromptSeam::Kind::Date, title)) {
        if (answer->isEmpty())
            return std::nullopt;
        const QDate date = QDate::fromString(*answer, Qt::ISODate);
        if (!date.isValid()) {
            prompts.reject(QStringLiteral("Answer \"%1\" is not a date for: %2").arg(*answer, title));
            return std::nullopt;
        }
        m_calendar->setSelectedDate(date);
        return date;
    }
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_calendar->selectedDate();
}

} // namespace tw
