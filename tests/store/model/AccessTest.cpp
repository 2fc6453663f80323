#include "ModelFixture.h"
#include "store/StoreBuilder.h"

namespace {

struct AccessCase
{
    const char* user;
    int document;
    bool fetch; // GetDocument succeeds
    bool edit; // setSubject succeeds
    bool security; // a sharing-list mask can be changed
};

void PrintTo(const AccessCase& row, std::ostream* os)
{
    *os << row.user << " on " << row.document;
}

class AccessTest : public ModelFixture, public ::testing::WithParamInterface<AccessCase>
{
protected:
    bool succeeds(const std::function<void()>& call)
    {
        try {
            call();
            return true;
        } catch (const gw::Error&) {
            return false;
        }
    }
};

TEST_P(AccessTest, FetchEditAndSecurityFollowTheRights)
{
    const AccessCase& c = GetParam();
    const QString user = QLatin1String(c.user);
    auto lib = library(login(user));
    std::shared_ptr<gw::Document> doc;
    EXPECT_EQ(succeeds([&] { doc = lib->GetDocument(QString::number(c.document)); }), c.fetch);
    if (!doc) {
        return;
    }
    EXPECT_EQ(succeeds([&] { doc->setSubject(QStringLiteral("Changed by ") + user); }), c.edit);
    EXPECT_EQ(document(QStringLiteral("AUTHOR"), c.document)->Subject().startsWith(QLatin1String("Changed")), c.edit);
    EXPECT_EQ(succeeds([&] { doc->DefaultRights()->SecurityOfficialVersion()->setBitmask(0); }), c.security);
}

const AccessCase kCases[] = {
    {"AUTHOR", 1, true, true, true}, // author
    {"VIEWER", 1, true, false, false}, // own entry with view
    {"DENIED", 1, false, false, false}, // explicit deny
    {"MEMBER", 1, true, false, false}, // through the TEAM list
    {"EDITOR", 1, true, true, true}, // view and edit, and the modify-security flag
    {"LIBR", 1, true, true, true}, // librarian of the library
    {"STRANGER", 1, false, false, false}, // nothing
    {"STRANGER", 2, true, false, false}, // general view rights
    {"DENIED", 2, true, false, false}, // no entry on document 2: general rights apply
};

INSTANTIATE_TEST_SUITE_P(Rights, AccessTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<AccessCase>& info) {
                             return std::string(info.param.user) + "_" + std::to_string(info.param.document);
                         });

TEST_F(AccessTest, RefusedFetchNamesTheDocument)
{
    try {
        library(login(QStringLiteral("STRANGER")))->GetDocument(QStringLiteral("1"));
        FAIL() << "no error";
    } catch (const gw::Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("You do not have rights to document 1 in library LIB"));
    }
}

TEST_F(AccessTest, LoginRefusals)
{
    EXPECT_THROW(login(QStringLiteral("NOBODY")), gw::Error);
    store::StoreBuilder(*m_store).setUserActive(QStringLiteral("VIEWER"), false);
    EXPECT_THROW(login(QStringLiteral("VIEWER")), gw::Error);
    EXPECT_EQ(login(QString())->Owner()->DisplayName(), QStringLiteral("Ann Author"));
}

} // namespace
