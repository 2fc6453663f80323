#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace tw {

// One row of the rights editor's edit list: whose sharing-list entries are acted on, who takes
// them over ("-" for a delete), the action, and the Rights column the run marks ("0", or the
// entry's position, ":" and its official mask). The tick of a "Replace" row merges into an
// existing entry of the replacement user; unticked, that entry stays as it is.
struct EditRow
{
    bool ticked = false;
    QString original;
    QString replacement;
    QString action;
    QString rights = QStringLiteral("0");

    bool isReplace() const { return action == QLatin1String("Replace"); }
    bool isMarked() const { return rights != QLatin1String("0"); }
};

// The edit list: one row per original name (compared ignoring letter case), kept sorted by
// original name. It outlives runs and library changes; every change is told to the observer.
class EditList
{
public:
    enum class SaveResult { Saved, NoRows, Failed };
    struct LoadResult
    {
        bool found = false;
        int rows = 0;
        int leftOut = 0; // lines that could not be read as rows
    };

    const std::vector<EditRow>& rows() const { return m_rows; }
    int size() const { return static_cast<int>(m_rows.size()); }
    void setObserver(std::function<void()> changed) { m_changed = std::move(changed); }

    // The index of the row of `original`, ignoring letter case; -1 when there is none.
    int find(const QString& original) const;
    // What the "Delete"/"Replace" button does with the two user boxes: updates the row of the
    // first user or adds one. Names are taken without surrounding blanks; an empty name or one
    // holding a TAB is refused (false).
    bool setEdit(const QString& first, const QString& second, const QString& action);
    void removeAt(int index);
    void setTicked(int index, bool ticked);
    void setRights(int index, const QString& rights);
    void clearMarks();
    void clear();

    // "EditList.txt": a line per row, "1" or "0", TAB, original, TAB, replacement, TAB,
    // action, TAB, Rights; CR LF line ends. Saving replaces the file as a whole, so an
    // interrupted save leaves the old list.
    SaveResult save(const QString& path) const;
    // Empties the list and reads the file. Empty lines are passed over; lines that hold fewer
    // than three TABs after the tick, name no original user, give another action, are not
    // valid text or are longer than BoundedLineReader::kMaxCharacters are left out and counted.
    LoadResult load(const QString& path);

    static QString fileLine(const EditRow& row);
    static bool parseLine(const QString& line, EditRow* row);

private:
    void insertSorted(EditRow row);
    void changed();

    std::vector<EditRow> m_rows;
    std::function<void()> m_changed;
};

} // namespace tw
