#pragma once

namespace tw {

// The one sort column and direction of the program's result lists (presets, rights, stray
// files): a column click on any of them changes it for all. Ascending by the first column at
// start, so the first click sorts descending; every click reverses the direction, on the same
// column or another.
struct SortState
{
    int column = 0;
    int direction = 1;

    void clickColumn(int clicked)
    {
        column = clicked;
        direction = -direction;
    }
};

} // namespace tw
