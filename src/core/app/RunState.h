#pragma once

#include <QString>

namespace tw {

// The flags every query and mass run shares. OperationIdle keeps a second
// operation from starting, the window from closing and most tabs from being
// left; CancelRequested is set by the Cancel button and tested between steps.
struct RunState
{
    bool OperationIdle = true;
    bool CancelRequested = false;
    bool LibrarianAccess = false;
    QString QueryString;
};

} // namespace tw
