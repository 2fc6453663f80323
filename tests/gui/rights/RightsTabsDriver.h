#pragma once

#include "SessionWindow.h"
#include "gui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

// What the tests of the two rights tabs do with the window, as a user does it.
namespace tw::test {

inline QList<QCheckBox*> boxes(SessionWindow& window)
{
    QList<QCheckBox*> list;
    for (const char* name : {"CB_View", "CB_Edit", "CB_Delete", "CB_Share", "CB_ModSec"})
        list.append(window.find<QCheckBox>(QString::fromLatin1(name)));
    return list;
}

// "ticked/enabled" of each box, as "1/1 0/0 ...".
inline QString boxState(SessionWindow& window)
{
    QStringList states;
    for (QCheckBox* box : boxes(window))
        states.append(QStringLiteral("%1/%2").arg(int(box->isChecked())).arg(int(box->isEnabled())));
    return states.join(QLatin1Char(' '));
}

inline QStringList column(QTreeView* view, int c)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, c).data().toString().trimmed());
    return texts;
}

// "Report" on the Excessive Rights tab over the full library, with the selector's item and the
// user box's text.
inline void rightsRun(SessionWindow& window, const QString& reports, int selector, const QString& user = QString())
{
    window.type(QStringLiteral("Edit31"), reports);
    window.find<RadioGroup>(QStringLiteral("RadioGroup4"))->setItemIndex(1);
    window.find<RadioGroup>(QStringLiteral("RadioGroup5"))->setItemIndex(selector);
    if (!user.isNull())
        window.find<QComboBox>(QStringLiteral("ComboB_Users"))->setCurrentText(user);
    window.find<QPushButton>(QStringLiteral("Button5"))->click();
}

inline void clickRow(QTreeView* view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

} // namespace tw::test
