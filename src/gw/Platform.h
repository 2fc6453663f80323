#pragma once

#include "gw/Admin.h"
#include "gw/Directory.h"
#include "gw/FileServer.h"
#include "gw/Session.h"

#include <memory>

namespace gw {

// Where the program gets its platform objects. Each Create call raises
// gw::Error when the object cannot be created (for example no store).
class Platform
{
public:
    virtual ~Platform() = default;
    virtual std::shared_ptr<Session> CreateSession() = 0;
    virtual std::shared_ptr<Admin> CreateAdmin() = 0;
    virtual std::shared_ptr<gw::Directory> CreateDirectory() = 0;
    virtual std::shared_ptr<gw::FileServer> CreateFileServer() = 0;
};

} // namespace gw
