#pragma once

#include <QString>
#include <functional>

namespace tw {

struct ResultRow;

// The preset list as the clipboard takes it: the title line, the header (which always says
// "Author"), then each row's seven values joined by TAB in list order, every line ended by
// CR LF. The rows are pulled one at a time into one text, sized once from the first rows.
QString presetListText(const QString& title, int rows, const std::function<const ResultRow&(int)>& rowAt);

} // namespace tw
