#pragma once

#include <QObject>
#include <functional>

class QListWidget;
class QListWidgetItem;
class QToolButton;

namespace tw {

// The two field lists of a run's tab with their ">" and "<" buttons: ">" (or a
// double click on the available list) moves the highlighted field to the end
// of the chosen list, "<" (or a double click on the chosen list) moves it back
// into its sorted place. After every move the tab rebuilds its structure line.
class FieldMover : public QObject
{
    Q_OBJECT
public:
    FieldMover(QListWidget* available, QListWidget* chosen, QToolButton* add, QToolButton* remove,
               std::function<void()> afterMove, QObject* parent = nullptr);

    void addClick();
    void removeClick();

    // The customised field names follow into both lists: a new one joins the
    // available fields, a removed one leaves both lists, and the later ones
    // take their new names where they stand.
    void addAvailable(const QString& name);
    void removeEverywhere(const QString& name);
    void renameEverywhere(const QString& from, const QString& to);

private:
    static void move(QListWidget* from, QListWidget* to);

    QListWidget* m_available;
    QListWidget* m_chosen;
    std::function<void()> m_afterMove;
};

} // namespace tw
