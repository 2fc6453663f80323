#include "store/directory/StoreDirectory.h"

#include "store/Store.h"
#include "store/directory/DirectoryWriter.h"
#include "support/TestBackend.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using store::DirectoryWriter;

// A workstation in OU=Staff with one GroupWise user, the post office and its domain.
class DirectoryFixture
{
public:
    std::shared_ptr<store::Store> storeObject() const { return m_store; }

    DirectoryFixture()
    {
        m_store = tw::test::createStore(m_dir.filePath("store"));
        DirectoryWriter::setNameContext(*m_store, "OU=Staff.O=Tarnwick");
        DirectoryWriter::putObject(*m_store, "CN=JSMITH.OU=Staff.O=Tarnwick", "User",
                                   {{"NGW: Object ID", {"JSMITH"}},
                                    {"NGW: Post Office", {"CN=HQPO.OU=GroupWise.O=Tarnwick"}},
                                    {"Telephone Number", {"555-0100", "555-0101"}}});
        DirectoryWriter::putObject(*m_store, "CN=NOGW.OU=Staff.O=Tarnwick", "User", {{"Surname", {"Nobody"}}});
        DirectoryWriter::putObject(*m_store, "CN=HQPO.OU=GroupWise.O=Tarnwick", "NGW: Post Office",
                                   {{"NGW: Domain", {"CN=TARNDOM.OU=GroupWise.O=Tarnwick"}}, {"CN", {"HQPO"}}});
        directory = std::make_shared<store::StoreDirectory>(m_store);
        directory->NWCallsInit();
        directory->NWDSCreateContext();
    }

    std::shared_ptr<store::StoreDirectory> directory;

private:
    QTemporaryDir m_dir;
    std::shared_ptr<store::Store> m_store;
};

struct ReadCase
{
    const char* label;
    const char* object;
    const char* attribute;
    int code;
    QStringList lines;
};

class StoreDirectoryReadTest : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(StoreDirectoryReadTest, ReadsAttributeOrGivesCode)
{
    DirectoryFixture f;
    const auto& c = GetParam();
    QStringList lines {"stale"};
    const auto status = f.directory->ReadAttribute(c.object, c.attribute, lines);
    EXPECT_EQ(status.code, c.code);
    EXPECT_EQ(lines, c.lines);
    if (c.code != 0) {
        EXPECT_EQ(status.call, "NWDSRead");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reads, StoreDirectoryReadTest,
    ::testing::Values(ReadCase {"UserRelativeToContext", "JSMITH", "NGW: Object ID", 0, {"JSMITH"}},
                      ReadCase {"UserNameInOtherCase", "jsmith", "NGW: Object ID", 0, {"JSMITH"}},
                      ReadCase {"AttributeNameInOtherCase", "JSMITH", "ngw: object id", 0, {"JSMITH"}},
                      ReadCase {"PostOfficeByItsTypedName",
                                "CN=HQPO.OU=GroupWise.O=Tarnwick",
                                "NGW: Domain",
                                0,
                                {"CN=TARNDOM.OU=GroupWise.O=Tarnwick"}},
                      ReadCase {"PostOfficeCommonName", ".HQPO.GroupWise.Tarnwick", "CN", 0, {"HQPO"}},
                      ReadCase {"ValuesInOrder", "JSMITH", "Telephone Number", 0, {"555-0100", "555-0101"}},
                      ReadCase {"NoGroupWiseAccount", "NOGW", "NGW: Object ID", gw::DirectoryNoSuchAttribute, {""}},
                      ReadCase {"NoSuchUser", "WHOEVER", "NGW: Object ID", gw::DirectoryNoSuchEntry, {""}},
                      ReadCase {"OutsideContextNotFound", "HQPO", "CN", gw::DirectoryNoSuchEntry, {""}},
                      ReadCase {"MalformedName", "A..B", "CN", gw::DirectoryNoSuchEntry, {""}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(StoreDirectoryTest, CanonicalFormIsTypelessAndFull)
{
    DirectoryFixture f;
    QString canonical;
    EXPECT_EQ(f.directory->CanonicalDN("CN=TARNDOM.OU=GroupWise.O=Tarnwick", canonical).code, 0);
    EXPECT_EQ(canonical, "TARNDOM.GroupWise.Tarnwick");
    EXPECT_EQ(f.directory->CanonicalDN("JSMITH", canonical).code, 0);
    EXPECT_EQ(canonical, "JSMITH.Staff.Tarnwick");
    const auto bad = f.directory->CanonicalDN("CN=", canonical);
    EXPECT_EQ(bad.code, store::StoreDirectory::InvalidName);
    EXPECT_EQ(bad.call, "NWDSCanonicalizeName");
    EXPECT_TRUE(canonical.isEmpty());
}

TEST(StoreDirectoryTest, ReadsNeedAContext)
{
    DirectoryFixture f;
    f.directory->NWDSFreeContext();
    QStringList lines;
    QString canonical;
    EXPECT_EQ(f.directory->ReadAttribute("JSMITH", "NGW: Object ID", lines).code, store::StoreDirectory::NoContext);
    EXPECT_EQ(f.directory->CanonicalDN("JSMITH", canonical).code, store::StoreDirectory::NoContext);
    EXPECT_EQ(f.directory->NameContext(), "OU=Staff.O=Tarnwick");
}

struct FaultCase
{
    const char* label;
    const char* member;
    const char* message;
    int initCode;
    int readCode;
    int canonicalCode;
};

class StoreDirectoryFaultTest : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(StoreDirectoryFaultTest, RuleMakesTheCallFailWithItsCode)
{
    const auto& c = GetParam();
    DirectoryFixture f;
    store::FaultRule rule;
    rule.member = c.member;
    rule.message = c.message;
    f.storeObject()->addFaultRule(rule);
    store::StoreDirectory directory(f.storeObject());
    EXPECT_EQ(directory.NWCallsInit(), c.initCode);
    directory.NWDSCreateContext();
    QStringList lines;
    QString canonical;
    EXPECT_EQ(directory.ReadAttribute("JSMITH", "NGW: Object ID", lines).code, c.readCode);
    EXPECT_EQ(directory.CanonicalDN("JSMITH", canonical).code, c.canonicalCode);
}

INSTANTIATE_TEST_SUITE_P(Faults, StoreDirectoryFaultTest,
                         ::testing::Values(FaultCase {"InitFails", "NWCallsInit", "-301", -301, 0, 0},
                                           FaultCase {"NoContextSoNothingReads", "NWDSCreateContext", "-303", 0,
                                                      store::StoreDirectory::NoContext,
                                                      store::StoreDirectory::NoContext},
                                           FaultCase {"ReadFails", "NWDSRead", "-319", 0, -319, 0},
                                           FaultCase {"TextMeansFatal", "NWDSCanonicalizeName", "tree unreachable", 0,
                                                      0, store::StoreDirectory::Fatal}),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
