#pragma once

#include "gw/Document.h"
#include "gw/Version.h"

#include <QString>
#include <memory>

namespace gw {

// A document reference: a query hit, an item of the Documents folder or of
// the trash. It stands for one version of one document.
class Message
{
public:
    virtual ~Message() = default;
    virtual std::shared_ptr<gw::Document> Document() = 0;
    virtual std::shared_ptr<Version> DocumentVersion() = 0;
    // The size in bytes of the version's content file.
    virtual qint64 DocumentSize() = 0;
    virtual QString MessageID() = 0;
    // From a folder: moves the reference into the trash. From the trash:
    // removes it for good. The document itself is never touched.
    virtual void Delete() = 0;
};

} // namespace gw
