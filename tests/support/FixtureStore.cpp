#include "FixtureStore.h"

#include "TestBackend.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"
#include "store/directory/DirectoryWriter.h"

namespace tw::test {
namespace {
const QString kContext = QStringLiteral("OU=Staff.O=Org");
}

FixtureStore::FixtureStore() : m_store(createStore(path())), m_builder(std::make_unique<store::StoreBuilder>(*m_store))
{
    buildDomain();
}

FixtureStore::~FixtureStore() = default;

std::shared_ptr<store::StorePlatform> FixtureStore::platform()
{
    return std::make_shared<store::StorePlatform>(path());
}

void FixtureStore::buildDomain()
{
    store::Store& s = *m_store;
    store::StoreBuilder& b = *m_builder;
    b.addDomain(QStringLiteral("DOM"));
    b.addPostOffice(QStringLiteral("DOM"), QStringLiteral("PO1"));
    b.addPostOffice(QStringLiteral("DOM"), QStringLiteral("PO2"));
    b.addUser(QStringLiteral("PO1"), QStringLiteral("ANN"), QStringLiteral("Ann"), QStringLiteral("Archer"));
    b.addUser(QStringLiteral("PO1"), QStringLiteral("BOB"), QStringLiteral("Bob"), QStringLiteral("Baker"));
    b.addUser(QStringLiteral("PO2"), QStringLiteral("CAROL"), QStringLiteral("Carol"), QStringLiteral("Cook"));
    b.addDistributionList(QStringLiteral("PO1"), QStringLiteral("Team"),
                          {QStringLiteral("ANN"), QStringLiteral("BOB")});
    b.addDomainAdministrator(QStringLiteral("DOM"), QStringLiteral("ANN"));
    s.setClientUser(QStringLiteral("ANN"));

    store::DirectoryWriter::setNameContext(s, kContext);
    store::DirectoryWriter::putObject(s, QStringLiteral("CN=DOM.O=DOM"), QStringLiteral("NGW: Domain"),
                                      {{QStringLiteral("CN"), {QStringLiteral("DOM")}}});
    for (const char* po : {"PO1", "PO2"}) {
        const QString name = QString::fromLatin1(po);
        store::DirectoryWriter::putObject(
            s, QStringLiteral("CN=%1.O=DOM").arg(name), QStringLiteral("NGW: Post Office"),
            {{QStringLiteral("NGW: Domain"), {QStringLiteral("CN=DOM.O=DOM")}}, {QStringLiteral("CN"), {name}}});
    }
    addDirectoryUser(QStringLiteral("ANN"), QStringLiteral("PO1"));
    addDirectoryUser(QStringLiteral("BOB"), QStringLiteral("PO1"));
    addDirectoryUser(QStringLiteral("CAROL"), QStringLiteral("PO2"));
}

void FixtureStore::addDirectoryUser(const QString& userId, const QString& postOffice)
{
    store::DirectoryWriter::putObject(
        *m_store, QStringLiteral("CN=%1.").arg(userId) + kContext, QStringLiteral("User"),
        {{QStringLiteral("NGW: Object ID"), {userId}},
         {QStringLiteral("NGW: Post Office"), {QStringLiteral("CN=%1.O=DOM").arg(postOffice)}},
         {QStringLiteral("CN"), {userId}}});
}

} // namespace tw::test
