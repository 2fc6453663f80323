#pragma once

#include "gw/Locations.h"
#include "gw/Messages.h"

#include <QString>
#include <memory>

namespace gw {

// A query of the logged-in account. Start runs it in the background;
// QueryMessages().Count() grows while it runs; Completed turns true when it
// has finished or been stopped. A malformed expression raises gw::Error from
// Start naming the position and what was expected.
class Query
{
public:
    virtual ~Query() = default;
    virtual QString Expression() = 0;
    virtual void setExpression(const QString& expression) = 0;
    virtual std::shared_ptr<gw::Locations> Locations() = 0;
    virtual void Start() = 0;
    virtual bool Completed() = 0;
    virtual void Stop() = 0;
    virtual std::shared_ptr<Messages> QueryMessages() = 0;
};

} // namespace gw
