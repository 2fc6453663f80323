#pragma once

#include "QueryTerm.h"

#include <memory>
#include <vector>

namespace store {

// A node of a parsed query expression: a term, or AND / OR / NOT over sub-nodes.
struct QueryNode
{
    enum class Kind { Term, And, Or, Not };

    Kind kind = Kind::Term;
    QueryTerm term;
    std::vector<std::unique_ptr<QueryNode>> children;
};

} // namespace store
