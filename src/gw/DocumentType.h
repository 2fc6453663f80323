#pragma once

#include <QString>

namespace gw {

// A document type of a library; its text form is its Name.
class DocumentType
{
public:
    virtual ~DocumentType() = default;
    virtual QString Name() = 0;
};

} // namespace gw
