#include "gw/Error.h"
#include "store/Context.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/addressbook/AddressBookService.h"
#include "store/addressbook/AddressBookWriter.h"
#include "store/addressbook/AddressFilter.h"
#include "support/TestBackend.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using store::AddressFilter;

struct MatchCase
{
    const char* pattern;
    const char* name;
    bool matches;
};

class AddressMatchTest : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(AddressMatchTest, WholeNameIgnoringCaseWithWildcards)
{
    const auto& c = GetParam();
    EXPECT_EQ(AddressFilter::matches(QString::fromUtf8(c.pattern), QString::fromUtf8(c.name)), c.matches)
        << c.pattern << " ~ " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, AddressMatchTest,
    ::testing::Values(MatchCase {"John Smith", "John Smith", true}, MatchCase {"john smith", "JOHN SMITH", true},
                      MatchCase {"John", "John Smith", false}, MatchCase {"Smith", "John Smith", false},
                      MatchCase {"J*", "John Smith", true}, MatchCase {"*Smith", "John Smith", true},
                      MatchCase {"*oh*mi*", "John Smith", true}, MatchCase {"J*n", "John Smith", false},
                      MatchCase {"*", "", true}, MatchCase {"", "", true}, MatchCase {"a*a*a", "aaaa", true},
                      MatchCase {"a*b", "aaab a", false}, MatchCase {"J?hn Smith", "John Smith", false},
                      MatchCase {"Zoë Ärger", "ZOË ÄRGER", true}, MatchCase {"O\"Brien", "O\"Brien", true}));

struct FilterCase
{
    const char* label;
    const char* filter;
    const char* pattern; // nullptr when malformed
    const char* position; // the position the error names
};

class AddressFilterParseTest : public ::testing::TestWithParam<FilterCase>
{
};

TEST_P(AddressFilterParseTest, ParsesOrNamesWhereItFails)
{
    const auto& c = GetParam();
    if (c.pattern) {
        EXPECT_EQ(AddressFilter::parse(QString::fromUtf8(c.filter)).pattern(), QString::fromUtf8(c.pattern));
        return;
    }
    try {
        AddressFilter::parse(QString::fromUtf8(c.filter));
        FAIL() << "accepted " << c.filter;
    } catch (const gw::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("at position %1").arg(c.position)))
            << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Filters, AddressFilterParseTest,
    ::testing::Values(FilterCase {"AsTheEditorWritesIt", "(Name MATCHES \"John Smith\")", "John Smith", nullptr},
                      FilterCase {"BlanksAndCase", "  ( name  matches  \"J*\" )  ", "J*", nullptr},
                      FilterCase {"EmbeddedQuote", "(Name MATCHES \"O\"Brien\")", "O\"Brien", nullptr},
                      FilterCase {"EmptyName", "(Name MATCHES \"\")", "", nullptr},
                      FilterCase {"NoParenthesis", "Name MATCHES \"x\"", nullptr, "1"},
                      FilterCase {"OtherAttribute", "(Surname MATCHES \"x\")", nullptr, "2"},
                      FilterCase {"OtherOperator", "(Name CONTAINS \"x\")", nullptr, "7"},
                      FilterCase {"Unquoted", "(Name MATCHES x)", nullptr, "15"},
                      FilterCase {"Unterminated", "(Name MATCHES \"x)", nullptr, "18"},
                      FilterCase {"NoClosingParenthesis", "(Name MATCHES \"x\"", nullptr, "18"},
                      FilterCase {"Trailing", "(Name MATCHES \"x\") AND", nullptr, "20"}),
    [](const auto& info) { return std::string(info.param.label); });

// A post office with three users (one no longer in the system), a distribution list, a book
// shared by everyone and a personal book of JSMITH.
class AddressBookFixture
{
public:
    AddressBookFixture()
    {
        store = tw::test::createStore(m_dir.filePath("store"));
        store::StoreBuilder build(*store);
        build.addPostOffice("TARNDOM", "HQPO");
        build.addUser("HQPO", "JSMITH", "John", "Smith");
        build.addUser("HQPO", "JSMYTHE", "Jane", "Smythe");
        build.addUser("HQPO", "GONE", "Gone", "Away");
        build.setUserActive("GONE", false);
        build.addDistributionList("HQPO", "Sales", {"JSMITH"});
        const qint64 shared = store::AddressBookWriter::addBook(*store, "Frequent Contacts");
        store::AddressBookWriter::addEntry(*store, shared, "JSMYTHE");
        store::AddressBookWriter::addEntry(*store, shared, "outside@example.com", "Pat Outside");
        const qint64 own = store::AddressBookWriter::addBook(*store, "John's Book", "JSMITH");
        store::AddressBookWriter::addEntry(*store, own, "Sales");
    }

    std::shared_ptr<gw::Collection<gw::AddressBook>> booksOf(const QString& userId)
    {
        auto context = std::make_shared<store::Context>();
        context->store = store;
        context->userRow = store->userRow(userId);
        context->userId = userId;
        return store::createAddressBooks(context);
    }

    std::shared_ptr<store::Store> store;

private:
    QTemporaryDir m_dir;
};

QStringList names(gw::AddressEntries& entries)
{
    QStringList out;
    for (int i = 1; i <= entries.Count(); ++i)
        out << entries.Item(i)->DisplayName();
    return out;
}

QStringList bookNames(gw::Collection<gw::AddressBook>& books)
{
    QStringList out;
    for (int i = 1; i <= books.Count(); ++i)
        out << books.Item(i)->Name();
    return out;
}

TEST(AddressBookTest, SystemBookFirstThenSharedAndOwnBooks)
{
    AddressBookFixture f;
    EXPECT_EQ(bookNames(*f.booksOf("JSMITH")),
              QStringList({store::StoreAddressBook::systemBookName(), "Frequent Contacts", "John's Book"}));
    EXPECT_EQ(bookNames(*f.booksOf("JSMYTHE")),
              QStringList({store::StoreAddressBook::systemBookName(), "Frequent Contacts"}));
}

TEST(AddressBookTest, SystemBookHoldsActiveUsersAndLists)
{
    AddressBookFixture f;
    auto entries = f.booksOf("JSMITH")->Item(1)->AddressBookEntries();
    EXPECT_EQ(names(*entries), QStringList({"Jane Smythe", "John Smith", "Sales"}));
    EXPECT_EQ(names(*entries->Find("(Name MATCHES \"j*\")")), QStringList({"Jane Smythe", "John Smith"}));
    EXPECT_EQ(names(*entries->Find("(Name MATCHES \"JOHN SMITH\")")), QStringList({"John Smith"}));
    EXPECT_EQ(entries->Find("(Name MATCHES \"Gone Away\")")->Count(), 0);
    EXPECT_EQ(entries->Find("(Name MATCHES \"John\")")->Count(), 0);
    EXPECT_THROW(entries->Item(0), gw::Error);
    EXPECT_THROW(entries->Item(4), gw::Error);
}

TEST(AddressBookTest, AddAppendsAFoundCollectionToTheAddressList)
{
    AddressBookFixture f;
    auto books = f.booksOf("JSMITH");
    auto list = books->Item(1)->AddressBookEntries()->Find("(Name MATCHES \"John Smith\")");
    list->Add(books->Item(2)->AddressBookEntries()->Find("(Name MATCHES \"Pat*\")"));
    list->Add(books->Item(3)->AddressBookEntries()->Find("(Name MATCHES \"sales\")"));
    EXPECT_EQ(names(*list), QStringList({"John Smith", "Pat Outside", "Sales"}));
    list->Add(list);
    EXPECT_EQ(list->Count(), 6);
    EXPECT_THROW(list->Add(std::shared_ptr<gw::AddressEntries>()), gw::Error);
}

TEST(AddressBookTest, PersonalEntriesKeepWhoTheyStandFor)
{
    AddressBookFixture f;
    auto entries = f.booksOf("JSMITH")->Item(2)->AddressBookEntries();
    ASSERT_EQ(entries->Count(), 2);
    EXPECT_EQ(store::addressUserRow(entries->Item(1)), f.store->userRow("JSMYTHE"));
    EXPECT_EQ(store::addressUserRow(entries->Item(2)), 0);
    EXPECT_EQ(entries->Item(2)->DisplayName(), "Pat Outside");
}

} // namespace
