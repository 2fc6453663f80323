#include "QueryFixtureStore.h"
#include "gw/Error.h"
#include "gw/ObjectModel.h"
#include "store/model/StoreSession.h"

#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

using tw::test::QueryFixtureStore;

// The query as the program drives it: through the logged-in account, with the
// library in Locations and the hits read back as document references.
class ObjectModelQuery : public testing::Test
{
protected:
    std::shared_ptr<gw::Account> login(const char* user)
    {
        store::StoreSession session(m_fixture.store());
        return session.Login(QString::fromLatin1(user), QString(), QString(), 0);
    }

    static std::shared_ptr<gw::Library> library(gw::Account& account, const char* name)
    {
        auto libraries = account.DocumentLibraries();
        for (int i = 1; i <= libraries->Count(); ++i) {
            if (libraries->Item(i)->Name() == QLatin1String(name)) {
                return libraries->Item(i);
            }
        }
        return nullptr;
    }

    static QString run(gw::Query& query, const QString& expression, const std::shared_ptr<gw::Library>& where)
    {
        query.setExpression(expression);
        auto locations = query.Locations();
        while (locations->Count() > 0) {
            locations->Remove(1);
        }
        locations->Add(where);
        query.Start();
        QElapsedTimer timer;
        timer.start();
        while (!query.Completed() && timer.elapsed() < 30000) {
            QThread::msleep(5);
        }
        auto hits = query.QueryMessages();
        QStringList names;
        for (int i = 1; i <= hits->Count(); ++i) {
            auto hit = hits->Item(i);
            names << QStringLiteral("%1.%2")
                         .arg(hit->Document()->DocumentNumber())
                         .arg(hit->DocumentVersion()->VersionNumber());
        }
        return names.join(QLatin1Char(' '));
    }

    QueryFixtureStore m_fixture;
};

TEST_F(ObjectModelQuery, HitsAreReferencesToTheMatchingVersionsOfTheLocation)
{
    auto account = login("LIBR");
    auto lib1 = library(*account, "LIB1");
    ASSERT_TRUE(lib1);
    auto query = account->CreateQuery();
    EXPECT_EQ(
        run(*query, QStringLiteral("(DOCREFERENCE AND NOT DOCVERSION_CHECKED_OUT) AND (SEARCH_AS_LIBRARIAN)"), lib1)
            .toStdString(),
        "1.1 2.1 3.1 4.1");
    EXPECT_EQ(run(*query, QStringLiteral("(SUBJECT CONTAINS \"annual\")"), lib1).toStdString(), "");
}

TEST_F(ObjectModelQuery, FindNarrowsTheHitsOfARunAndRefusesAdd)
{
    auto account = login("LIBR");
    auto lib1 = library(*account, "LIB1");
    auto query = account->CreateQuery();
    run(*query, QStringLiteral("(DOCREFERENCE) AND (SEARCH_AS_LIBRARIAN)"), lib1);
    auto hits = query->QueryMessages();
    auto found = hits->Find(QStringLiteral("(DOCREFERENCE AND DOCUMENT_NUMBER = 1)"));
    ASSERT_EQ(found->Count(), 2);
    EXPECT_EQ(found->Item(2)->DocumentVersion()->VersionNumber(), 2);
    EXPECT_EQ(hits->Count(), 5);
    EXPECT_THROW(hits->Find(QStringLiteral("DOCUMENT_NUMBER =")), gw::Error);
    EXPECT_THROW(hits->Item(0), gw::Error);
    EXPECT_THROW(hits->Item(6), gw::Error);
    EXPECT_THROW(hits->Add(QStringLiteral("GW.MESSAGE.DOCUMENTREFERENCE"), found->Item(1)->DocumentVersion(), 2),
                 gw::Error);
}

TEST_F(ObjectModelQuery, LocationsHoldOnlyLibrariesOfTheStoreEachOnce)
{
    auto account = login("AUTH");
    auto query = account->CreateQuery();
    auto locations = query->Locations();
    EXPECT_THROW(locations->Remove(1), gw::Error);
    EXPECT_THROW(locations->Add(nullptr), gw::Error);
    locations->Add(library(*account, "LIB1"));
    locations->Add(library(*account, "LIB1"));
    EXPECT_EQ(locations->Count(), 1);
    EXPECT_EQ(locations->Item(1)->Name().toStdString(), "LIB1");
    EXPECT_THROW(locations->Item(2), gw::Error);
}

TEST_F(ObjectModelQuery, AFaultRuleOnItemFailsOnlyTheNamedDocument)
{
    auto account = login("LIBR");
    auto query = account->CreateQuery();
    run(*query, QStringLiteral("(DOCREFERENCE) AND (SEARCH_AS_LIBRARIAN)"), library(*account, "LIB1"));
    store::FaultRule rule;
    rule.member = QStringLiteral("Item");
    rule.library = QStringLiteral("LIB1");
    rule.document = 2;
    rule.message = QStringLiteral("Document is locked");
    m_fixture.store()->addFaultRule(rule);
    auto hits = query->QueryMessages();
    ASSERT_EQ(hits->Count(), 5);
    QStringList outcome;
    for (int i = 1; i <= hits->Count(); ++i) {
        try {
            outcome << QString::number(hits->Item(i)->Document()->DocumentNumber());
        } catch (const gw::Error& e) {
            outcome << e.message();
        }
    }
    EXPECT_EQ(outcome.join(QLatin1Char('|')).toStdString(), "1|1|Document is locked|3|4");
}

struct ProbeCase
{
    int version;
    qint64 guess;
    int count;
};

void PrintTo(const ProbeCase& c, std::ostream* os)
{
    *os << "version " << c.version << " SIZE > " << c.guess;
}

class SizeProbe : public testing::TestWithParam<ProbeCase>
{
};

// The size probe searches the Documents folder for a reference to one version
// whose file is larger than a guess.
TEST_P(SizeProbe, FindsTheReferenceOnlyWhenTheFileIsLarger)
{
    QueryFixtureStore fixture;
    store::StoreSession session(fixture.store());
    auto account = session.Login(QStringLiteral("AUTH"), QString(), QString(), 0);
    auto lib1 = account->DocumentLibraries()->Item(1);
    auto document = lib1->GetDocument(QStringLiteral("1"));
    auto folder = account->DocumentsFolder();
    folder->Messages()->Add(QStringLiteral("GW.MESSAGE.DOCUMENTREFERENCE"),
                            document->DocumentVersions()->Item(GetParam().version), 2);
    const QString probe = QStringLiteral("(DOCREFERENCE AND DOCUMENT_NUMBER = 1 AND VERSION_NUMBER = %1 AND SIZE > %2)")
                              .arg(GetParam().version)
                              .arg(GetParam().guess);
    EXPECT_EQ(folder->Messages()->Find(probe)->Count(), GetParam().count);
}

// Version 1 holds "version one" and version 2 "version two": 11 bytes each.
INSTANTIATE_TEST_SUITE_P(Query, SizeProbe,
                         testing::Values(ProbeCase {1, 10, 1}, ProbeCase {1, 11, 0}, ProbeCase {2, 0, 1},
                                         ProbeCase {2, 1048576, 0}, ProbeCase {2, -1, 1}));

} // namespace
