#pragma once

#include "gw/Messages.h"
#include "store/Context.h"

#include <vector>

namespace store {

// Document references: the live contents of the logged-in user's Documents
// folder (folder true) or trash, or a fixed list (a Find result).
class StoreMessages : public gw::Messages
{
public:
    enum class Source { Folder, Trash, List };

    StoreMessages(ContextPtr context, Source source, std::vector<std::shared_ptr<gw::Message>> list = {});

    int Count() override;
    std::shared_ptr<gw::Message> Item(int index) override;
    std::shared_ptr<gw::Message> Add(const QString& className, const std::shared_ptr<gw::Version>& version,
                                     int mode) override;
    std::shared_ptr<gw::Messages> Find(const QString& expression) override;

    // The references of a folder or the trash, in the order they were made.
    std::vector<std::shared_ptr<gw::Message>> snapshot();

private:
    ContextPtr m_context;
    Source m_source;
    std::vector<std::shared_ptr<gw::Message>> m_list;
};

} // namespace store
