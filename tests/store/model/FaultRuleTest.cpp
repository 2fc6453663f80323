#include "ModelFixture.h"

#include <functional>

namespace {

using Account = std::shared_ptr<gw::Account>;

std::shared_ptr<gw::Document> doc(const Account& a, int number)
{
    return a->DocumentLibraries()->Item(1)->GetDocument(QString::number(number));
}

struct FaultCase
{
    const char* name;
    store::FaultRule rule;
    std::function<void(const Account&)> call;
    bool raises;
};

void PrintTo(const FaultCase& row, std::ostream* os)
{
    *os << row.name;
}

store::FaultRule rule(const char* member, const char* library = "", qint64 document = 0, int version = 0, int event = 0,
                      int entry = 0, int occurrence = 0)
{
    store::FaultRule r;
    r.member = QLatin1String(member);
    r.library = QLatin1String(library);
    r.document = document;
    r.version = version;
    r.event = event;
    r.entry = entry;
    r.occurrence = occurrence;
    r.message = QStringLiteral("Injected failure of %1").arg(r.member);
    return r;
}

class FaultRuleTest : public ModelFixture, public ::testing::WithParamInterface<FaultCase>
{
};

TEST_P(FaultRuleTest, RaisesTheRulesMessageOnlyWhereItApplies)
{
    m_store->addFaultRule(GetParam().rule);
    const Account account = login(QStringLiteral("AUTHOR"));
    try {
        GetParam().call(account);
        EXPECT_FALSE(GetParam().raises) << "no error raised";
    } catch (const gw::Error& e) {
        EXPECT_TRUE(GetParam().raises) << e.message().toStdString();
        EXPECT_EQ(e.message(), GetParam().rule.message);
    }
}

auto version(int document, int index, const std::function<void(const std::shared_ptr<gw::Version>&)>& use)
{
    return [=](const Account& a) { use(doc(a, document)->DocumentVersions()->Item(index)); };
}

const FaultCase kCases[] = {
    {"SubjectOfThatDocument", rule("Subject", "", 1), [](const Account& a) { doc(a, 1)->Subject(); }, true},
    {"SubjectOfAnotherDocument", rule("Subject", "", 1), [](const Account& a) { doc(a, 2)->Subject(); }, false},
    {"MemberNameIgnoresCase", rule("subject"), [](const Account& a) { doc(a, 2)->Subject(); }, true},
    {"OtherMember", rule("Subject"), [](const Account& a) { doc(a, 1)->Author(); }, false},
    {"LibraryById", rule("NextDocumentNumber", "DOM.PO1.LIB"),
     [](const Account& a) { a->DocumentLibraries()->Item(1)->NextDocumentNumber(); }, true},
    {"LibraryByName", rule("NextDocumentNumber", "LIB"),
     [](const Account& a) { a->DocumentLibraries()->Item(1)->NextDocumentNumber(); }, true},
    {"OtherLibrary", rule("NextDocumentNumber", "ARCHIVE"),
     [](const Account& a) { a->DocumentLibraries()->Item(1)->NextDocumentNumber(); }, false},
    {"GetDocumentOfThatNumber", rule("GetDocument", "", 2), [](const Account& a) { doc(a, 2); }, true},
    {"GetDocumentOfAnother", rule("GetDocument", "", 2), [](const Account& a) { doc(a, 1); }, false},
    {"VersionOfThatNumber", rule("VersionNumber", "", 1, 2), version(1, 2, [](auto v) { v->VersionNumber(); }), true},
    {"VersionOfAnother", rule("VersionNumber", "", 1, 2), version(1, 1, [](auto v) { v->VersionNumber(); }), false},
    {"VersionsItem", rule("Item", "", 1, 2), [](const Account& a) { doc(a, 1)->DocumentVersions()->Item(2); }, true},
    {"EventOfThatIndex", rule("EventType", "", 1, 1, 1),
     version(1, 1, [](auto v) { v->DocumentVersionEvents()->Item(1)->EventType(); }), true},
    {"EventsItem", rule("Item", "", 1, 2, 1), version(1, 2, [](auto v) { v->DocumentVersionEvents()->Item(1); }), true},
    {"SharingEntry", rule("RevokeAllRights", "", 1, 0, 0, 2),
     [](const Account& a) { doc(a, 1)->AdditionalRights()->Item(2)->RevokeAllRights(); }, true},
    {"OtherSharingEntry", rule("RevokeAllRights", "", 1, 0, 0, 2),
     [](const Account& a) { doc(a, 1)->AdditionalRights()->Item(1)->RevokeAllRights(); }, false},
    {"SecondCallOnly", rule("Subject", "", 1, 0, 0, 0, 2),
     [](const Account& a) {
         auto d = doc(a, 1);
         d->Subject();
         d->Subject();
     },
     true},
    {"FirstCallOfSecondOnly", rule("Subject", "", 1, 0, 0, 0, 2), [](const Account& a) { doc(a, 1)->Subject(); },
     false},
    {"CheckOutCall", rule("CheckOut", "", 1, 1),
     version(1, 1, [](auto v) { v->CheckOut(QStringLiteral("/nonexistent/x")); }), true},
};

INSTANTIATE_TEST_SUITE_P(Rules, FaultRuleTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST_F(FaultRuleTest, RulesLiveInTheStoreAndReachANewProcessView)
{
    m_store->addFaultRule(rule("Login"));
    auto reopened = store::Store::open(m_store->directory());
    ASSERT_EQ(reopened->faults().rules().size(), 1u);
    EXPECT_THROW(login(QStringLiteral("AUTHOR")), gw::Error);
    m_store->clearFaultRules();
    EXPECT_NO_THROW(login(QStringLiteral("AUTHOR")));
}

TEST_F(FaultRuleTest, BadRulesAreRefused)
{
    EXPECT_THROW(m_store->addFaultRule(rule("")), gw::Error);
    EXPECT_THROW(m_store->addFaultRule(rule("Subject", "", -1)), gw::Error);
    EXPECT_TRUE(m_store->faults().rules().empty());
}

} // namespace
