#pragma once

#include "QueryNode.h"

#include <QString>
#include <memory>

namespace store {

// A parsed expression, immutable once built, so one parse can be shared with a
// query worker thread.
struct ParsedQuery
{
    QString expression;
    std::shared_ptr<const QueryNode> root;
    // True when SEARCH_AS_LIBRARIAN is required by the expression, that is when
    // it is reached from the top through AND only; under NOT or OR it asks for
    // nothing.
    bool searchAsLibrarian = false;
};

} // namespace store
