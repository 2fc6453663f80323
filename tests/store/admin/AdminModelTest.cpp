#include "store/admin/AdminModel.h"

#include "gw/Error.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/admin/StoreAdminAccessRights.h"
#include "support/TestBackend.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// One domain with two post offices: ADMIN administers it and is librarian of Contracts, JSMITH
// has explicit rights there without being librarian, Archive makes everyone librarian by
// default, OLDADMIN administered the domain before leaving the system.
class AdminFixture
{
public:
    AdminFixture()
    {
        store = tw::test::createStore(m_dir.filePath("store"));
        store::StoreBuilder build(*store);
        build.addPostOffice("TARNDOM", "HQPO");
        build.addPostOffice("TARNDOM", "BRANCHPO");
        build.addUser("HQPO", "ADMIN", "Ada", "Min");
        build.addUser("HQPO", "JSMITH", "John", "Smith");
        build.addUser("HQPO", "OLDADMIN", "Otto", "Old");
        build.addUser("BRANCHPO", "KLEE", "Kim", "Lee");
        build.addDistributionList("HQPO", "Sales", {"JSMITH"});
        build.addDistributionList("HQPO", "Board", {"ADMIN"});
        build.addDomainAdministrator("TARNDOM", "ADMIN");
        build.addDomainAdministrator("TARNDOM", "OLDADMIN");
        build.setUserActive("OLDADMIN", false);
        build.addLibrary("HQPO", "Contracts", "Signed contracts");
        build.addLibrary("BRANCHPO", "Archive", "Old papers");
        build.setLibraryRights("TARNDOM.HQPO.Contracts", "ADMIN", true);
        build.setLibraryRights("TARNDOM.HQPO.Contracts", "JSMITH", false);
        build.setLibraryDefaultRights("TARNDOM.BRANCHPO.Archive", true);
    }

    std::shared_ptr<store::AdminModel> connectedAs(const QString& user)
    {
        store->setClientUser(user);
        auto admin = std::make_shared<store::AdminModel>(store);
        admin->ConnectbyDN("TARNDOM.TARNDOM", "");
        return admin;
    }

    // The library whose domain.post office.name is libraryId, found as the account discovery
    // walks the post offices and their libraries.
    std::shared_ptr<gw::AdminLibrary> library(gw::Admin& admin, const QString& libraryId)
    {
        auto offices = admin.PostOffices()->CreateIterator();
        offices->Reset();
        while (auto office = offices->Next()) {
            auto libraries = office->Libraries()->CreateIterator();
            libraries->Reset();
            while (auto lib = libraries->Next()) {
                if (lib->Domain()->Name() + "." + lib->PostOffice()->Name() + "." + lib->Name() == libraryId)
                    return lib;
            }
        }
        return nullptr;
    }

    std::shared_ptr<store::Store> store;

private:
    QTemporaryDir m_dir;
};

template <typename T> QStringList walk(gw::AdminCollection<T>& collection, std::function<QString(T&)> text)
{
    QStringList out;
    auto it = collection.CreateIterator();
    it->Reset();
    while (auto item = it->Next())
        out << text(*item);
    return out;
}

struct ConnectCase
{
    const char* label;
    const char* user;
    const char* domainDN;
    bool allowed;
};

class AdminConnectTest : public ::testing::TestWithParam<ConnectCase>
{
};

TEST_P(AdminConnectTest, OnlyTheDomainsAdministratorsConnect)
{
    AdminFixture f;
    const auto& c = GetParam();
    f.store->setClientUser(c.user);
    store::AdminModel admin(f.store);
    if (c.allowed) {
        EXPECT_NO_THROW(admin.ConnectbyDN(c.domainDN, ""));
        EXPECT_EQ(admin.ConnectedDomain()->Name(), "TARNDOM");
    } else {
        EXPECT_THROW(admin.ConnectbyDN(c.domainDN, ""), gw::Error);
        EXPECT_THROW(admin.ConnectedDomain(), gw::Error);
        EXPECT_THROW(admin.PostOffices(), gw::Error);
    }
}

INSTANTIATE_TEST_SUITE_P(Connect, AdminConnectTest,
                         ::testing::Values(ConnectCase {"AdminCanonical", "ADMIN", "TARNDOM.TARNDOM", true},
                                           ConnectCase {"AdminTyped", "ADMIN", "CN=TARNDOM.O=TARNDOM", true},
                                           ConnectCase {"AdminOtherCaseLeadingDot", "ADMIN", ".tarndom.tarndom", true},
                                           ConnectCase {"UserNotAdministrator", "JSMITH", "TARNDOM.TARNDOM", false},
                                           ConnectCase {"AdministratorNoLongerInSystem", "OLDADMIN", "TARNDOM.TARNDOM",
                                                        false},
                                           ConnectCase {"UnknownDomain", "ADMIN", "OTHER.ORG", false},
                                           ConnectCase {"EmptyDomain", "ADMIN", "", false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(AdminModelTest, ConnectedDomainAndPostOfficesWalk)
{
    AdminFixture f;
    auto admin = f.connectedAs("ADMIN");
    auto domain = admin->ConnectedDomain();
    EXPECT_EQ(domain->DistinguishedName(), "CN=TARNDOM.O=TARNDOM");
    EXPECT_FALSE(domain->Path().isEmpty());

    auto offices = admin->PostOffices();
    auto it = offices->CreateIterator();
    it->Reset();
    EXPECT_EQ(it->Next()->Name(), "HQPO");
    EXPECT_EQ(it->Next()->Name(), "BRANCHPO");
    EXPECT_EQ(it->Next(), nullptr);
    it->Reset();
    EXPECT_EQ(it->Next()->Name(), "HQPO");

    EXPECT_EQ(offices->Item("branchpo", domain)->Name(), "BRANCHPO");
    EXPECT_THROW(offices->Item("NOPO", domain), gw::Error);
}

TEST(AdminModelTest, PostOfficeListsActiveUsersAndDistributionLists)
{
    AdminFixture f;
    auto admin = f.connectedAs("ADMIN");
    auto hq = admin->PostOffices()->Item("HQPO", admin->ConnectedDomain());
    EXPECT_EQ(walk<gw::AdminUser>(
                  *hq->Users(),
                  [](gw::AdminUser& u) -> QString { return u.GivenName() + " " + u.Surname() + " " + u.MailBoxID(); }),
              QStringList({"Ada Min ADMIN", "John Smith JSMITH"}));
    EXPECT_EQ(walk<gw::AdminDistributionList>(*hq->DistributionLists(),
                                              [](gw::AdminDistributionList& d) -> QString { return d.Name(); }),
              QStringList({"Sales", "Board"}));
    EXPECT_EQ(walk<gw::AdminLibrary>(*hq->Libraries(), [](gw::AdminLibrary& l) -> QString { return l.Name(); }),
              QStringList({"Contracts"}));
}

struct RightsCase
{
    const char* label;
    const char* libraryId;
    const char* userId;
    int kind;
    int librarian; // 1 / 0, or -1 for "An invalid argument was passed in the function call"
};

class AdminRightsTest : public ::testing::TestWithParam<RightsCase>
{
};

TEST_P(AdminRightsTest, ExplicitRightsOrInvalidArgument)
{
    AdminFixture f;
    const auto& c = GetParam();
    auto admin = f.connectedAs("ADMIN");
    auto lib = f.library(*admin, c.libraryId);
    ASSERT_NE(lib, nullptr);
    auto rights = lib->DMSAccessRights();
    if (c.librarian < 0) {
        try {
            rights->Item(c.userId, c.kind);
            FAIL() << "no error";
        } catch (const gw::Error& e) {
            EXPECT_EQ(e.message(), store::StoreAdminAccessRights::invalidArgument());
        }
        return;
    }
    EXPECT_EQ(rights->Item(c.userId, c.kind)->IsLibrarian(), c.librarian == 1);
}

INSTANTIATE_TEST_SUITE_P(Rights, AdminRightsTest,
                         ::testing::Values(RightsCase {"Librarian", "TARNDOM.HQPO.Contracts", "ADMIN", 6, 1},
                                           RightsCase {"UserIdInOtherCase", "TARNDOM.HQPO.Contracts", "admin", 6, 1},
                                           RightsCase {"ExplicitNotLibrarian", "TARNDOM.HQPO.Contracts", "JSMITH", 6,
                                                       0},
                                           RightsCase {"NoExplicitRights", "TARNDOM.BRANCHPO.Archive", "ADMIN", 6, -1},
                                           RightsCase {"UnknownUser", "TARNDOM.HQPO.Contracts", "NOBODY", 6, -1},
                                           RightsCase {"OtherKind", "TARNDOM.HQPO.Contracts", "ADMIN", 1, -1}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(AdminModelTest, DefaultRightsAndLibraryNames)
{
    AdminFixture f;
    auto admin = f.connectedAs("ADMIN");
    auto contracts = f.library(*admin, "TARNDOM.HQPO.Contracts");
    auto archive = f.library(*admin, "TARNDOM.BRANCHPO.Archive");
    ASSERT_TRUE(contracts && archive);
    EXPECT_FALSE(contracts->DefaultRights()->IsLibrarian());
    EXPECT_TRUE(archive->DefaultRights()->IsLibrarian());
    EXPECT_FALSE(contracts->DistinguishedName().isEmpty());
    EXPECT_EQ(f.library(*admin, "TARNDOM.HQPO.contracts"), nullptr);
}

struct FaultCase
{
    const char* label;
    const char* member;
    const char* ruleLibrary;
    const char* calledOn;
    bool raised;
};

class AdminFaultTest : public ::testing::TestWithParam<FaultCase>
{
};

// Reads the rights of one library as the account discovery does: the access rights collection,
// ADMIN's own rights or else the default rights, and the librarian flag.
bool librarianByDiscovery(gw::AdminLibrary& library)
{
    auto rights = library.DMSAccessRights();
    try {
        return rights->Item("ADMIN", 6)->IsLibrarian();
    } catch (const gw::Error& e) {
        if (e.message() != store::StoreAdminAccessRights::invalidArgument())
            throw;
        return library.DefaultRights()->IsLibrarian();
    }
}

TEST_P(AdminFaultTest, RuleRaisesItsMessageOnlyWhereItIsSet)
{
    const auto& c = GetParam();
    AdminFixture f;
    store::FaultRule rule;
    rule.member = c.member;
    rule.library = c.ruleLibrary;
    rule.message = "The library database is busy";
    f.store->addFaultRule(rule);
    auto admin = f.connectedAs("ADMIN");
    auto library = f.library(*admin, c.calledOn);
    ASSERT_NE(library, nullptr);
    if (!c.raised) {
        EXPECT_NO_THROW(librarianByDiscovery(*library));
        return;
    }
    try {
        librarianByDiscovery(*library);
        FAIL() << "no error";
    } catch (const gw::Error& e) {
        EXPECT_EQ(e.message(), "The library database is busy");
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, AdminFaultTest,
                         ::testing::Values(FaultCase {"AccessRightsOfThatLibrary", "DMSAccessRights",
                                                      "TARNDOM.HQPO.Contracts", "TARNDOM.HQPO.Contracts", true},
                                           FaultCase {"AccessRightsOfAnotherLibrary", "DMSAccessRights",
                                                      "TARNDOM.HQPO.Contracts", "TARNDOM.BRANCHPO.Archive", false},
                                           FaultCase {"UsersRightsItem", "Item", "TARNDOM.HQPO.Contracts",
                                                      "TARNDOM.HQPO.Contracts", true},
                                           FaultCase {"DefaultRightsFlag", "IsLibrarian", "TARNDOM.BRANCHPO.Archive",
                                                      "TARNDOM.BRANCHPO.Archive", true},
                                           FaultCase {"AnyLibrary", "IsLibrarian", "", "TARNDOM.HQPO.Contracts", true}),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
