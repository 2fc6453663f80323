#include "DemoDomain.h"

#include "store/Sql.h"
#include "store/Store.h"
#include "store/addressbook/AddressBookWriter.h"
#include "store/directory/DirectoryWriter.h"

namespace store {

namespace {

struct Person
{
    const char* id;
    const char* given;
    const char* surname;
    bool branch;
};

const Person kPeople[] = {
    {"JSMITH", "John", "Smith", false},     {"MJONES", "Mary", "Jones", false},
    {"PBROWN", "Peter", "Brown", false},    {"AWILSON", "Alice", "Wilson", false},
    {"RTAYLOR", "Robert", "Taylor", false}, {"LDAVIES", "Linda", "Davies", false},
    {"KEVANS", "Karen", "Evans", false},    {"SROBERTS", "Sarah", "Roberts", true},
    {"DWALKER", "David", "Walker", true},   {"EWRIGHT", "Emma", "Wright", true},
    {"TGREEN", "Thomas", "Green", true},
};

} // namespace

DemoDomain::DemoDomain(Store& store, const QString& osUser) : m_store(store), m_osUser(osUser) { }

void DemoDomain::build()
{
    addPeople();
    addLibraries();
    addDirectory();
    addAddressBooks();
    m_store.store().setClientUser(m_osUser);
}

void DemoDomain::addPeople()
{
    m_store.addPostOffice(domainName(), headOffice());
    m_store.addPostOffice(domainName(), branchOffice());
    m_store.addUser(headOffice(), m_osUser, QStringLiteral("Library"), QStringLiteral("Administrator"));
    m_users = QStringList {m_osUser};
    for (const Person& person : kPeople) {
        if (QString::fromLatin1(person.id) == m_osUser)
            continue;
        m_store.addUser(person.branch ? branchOffice() : headOffice(), QString::fromLatin1(person.id),
                        QString::fromLatin1(person.given), QString::fromLatin1(person.surname));
        m_users << QString::fromLatin1(person.id);
    }
    if (m_osUser != formerUser()) {
        m_store.addUser(headOffice(), formerUser(), QStringLiteral("Frank"), QStringLiteral("Former"));
        m_store.setUserActive(formerUser(), false);
    }
    m_store.addDistributionList(headOffice(), distributionLists().at(0),
                                {m_users.value(1), m_users.value(2), m_users.value(3)});
    m_store.addDistributionList(branchOffice(), distributionLists().at(1), {m_users.value(8), m_users.value(9)});
    m_store.addDomainAdministrator(domainName(), m_osUser);
}

void DemoDomain::addLibraries()
{
    m_store.addLibrary(headOffice(), QStringLiteral("Contracts"), QStringLiteral("Signed contracts and amendments"));
    m_store.addLibrary(headOffice(), QStringLiteral("Projects"), QStringLiteral("Project reports, plans and minutes"));
    m_store.addLibrary(branchOffice(), QStringLiteral("Archive"), QStringLiteral("Closed matters of the branch"));
    m_store.addFieldDefinition(QStringLiteral("Contracts"), QStringLiteral("Client"), 1);
    m_store.addFieldDefinition(QStringLiteral("Contracts"), QStringLiteral("Contract Value"), 2);
    m_store.addFieldDefinition(QStringLiteral("Contracts"), QStringLiteral("Renewal Date"), 3);
    m_store.addFieldDefinition(QStringLiteral("Contracts"), QStringLiteral("Region"), 1);
    m_store.addFieldDefinition(QStringLiteral("Projects"), QStringLiteral("Project Code"), 1);
    // The OS user is librarian of Projects only, has plain explicit rights in Contracts and
    // none in Archive, where the library's default rights apply.
    m_store.setLibraryRights(QStringLiteral("Projects"), m_osUser, true);
    m_store.setLibraryRights(QStringLiteral("Contracts"), m_osUser, false);
    m_store.setLibraryRights(QStringLiteral("Contracts"), m_users.value(1), true);
    m_store.setLibraryRights(QStringLiteral("Archive"), m_users.value(8), true);
    for (const QString& user : m_users)
        m_store.setDefaultLibrary(user,
                                  m_users.indexOf(user) >= 8 ? QStringLiteral("Archive") : QStringLiteral("Projects"));
}

void DemoDomain::addDirectory()
{
    QSqlDatabase db = m_store.store().database();
    const QString domainDn
        = Sql::scalar(db, QStringLiteral("SELECT dn FROM domains WHERE name = ?"), {domainName()}).toString();
    DirectoryWriter::setNameContext(m_store.store(), QStringLiteral("OU=Staff.O=Tarnwick"));
    DirectoryWriter::putObject(m_store.store(), domainDn, QStringLiteral("NGW: Domain"),
                               {{QStringLiteral("CN"), {domainName()}}});
    auto rows = Sql::run(db, QStringLiteral("SELECT name, dn FROM post_offices ORDER BY id"));
    while (rows.next()) {
        DirectoryWriter::putObject(
            m_store.store(), rows.value(1).toString(), QStringLiteral("NGW: Post Office"),
            {{QStringLiteral("NGW: Domain"), {domainDn}}, {QStringLiteral("CN"), {rows.value(0).toString()}}});
    }
    auto users = Sql::run(db,
                          QStringLiteral("SELECT u.user_id, p.dn FROM users u JOIN post_offices p"
                                         " ON p.id = u.post_office_id WHERE u.active <> 0 ORDER BY u.id"));
    while (users.next()) {
        const QString id = users.value(0).toString();
        DirectoryWriter::putObject(m_store.store(), QStringLiteral("CN=%1.OU=Staff.O=Tarnwick").arg(id),
                                   QStringLiteral("User"),
                                   {{QStringLiteral("NGW: Object ID"), {id}},
                                    {QStringLiteral("NGW: Post Office"), {users.value(1).toString()}},
                                    {QStringLiteral("CN"), {id}}});
    }
    // A workstation login without a GroupWise account.
    DirectoryWriter::putObject(m_store.store(), QStringLiteral("CN=GUEST.OU=Staff.O=Tarnwick"), QStringLiteral("User"),
                               {{QStringLiteral("CN"), {QStringLiteral("GUEST")}}});
}

void DemoDomain::addAddressBooks()
{
    const qint64 shared = AddressBookWriter::addBook(m_store.store(), QStringLiteral("Frequent Contacts"));
    for (int i = 1; i <= 4; ++i)
        AddressBookWriter::addEntry(m_store.store(), shared, m_users.value(i));
    AddressBookWriter::addEntry(m_store.store(), shared, distributionLists().at(0));
    AddressBookWriter::addEntry(m_store.store(), shared, QStringLiteral("pat.outside@example.com"),
                                QStringLiteral("Pat Outside"));
    const qint64 own = AddressBookWriter::addBook(m_store.store(), QStringLiteral("Personal Contacts"), m_osUser);
    AddressBookWriter::addEntry(m_store.store(), own, m_users.value(5));
    AddressBookWriter::addEntry(m_store.store(), own, distributionLists().at(1));
}

} // namespace store
