#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QLineEdit;

namespace tw {

// The "Files in Process" group of a run's tab: five read-only boxes that show
// the document, version and file the run is working on.
class FilesInProcessBox : public QGroupBox
{
    Q_OBJECT
public:
    // `captions` and `names` hold five entries each, top to bottom.
    static constexpr int Count = 5;

    FilesInProcessBox(const QStringList& captions, const QStringList& names, QWidget* parent = nullptr);

    QLineEdit* box(int index) const { return m_boxes.at(index); }
    void clear();

private:
    QList<QLineEdit*> m_boxes;
};

} // namespace tw
