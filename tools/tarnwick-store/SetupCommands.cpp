#include "Commands.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StoreError.h"
#include "store/demo/StagedStore.h"

namespace {

std::shared_ptr<store::Store> openStore(const QString& directory)
{
    return store::Store::open(directory);
}

void init(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {QStringLiteral("database")}, {});
    args.expectCount(0, 0);
    // Built beside its place and renamed into it, as a demo is: a kill leaves no store that
    // does not open. A store there already, whole or half built, is refused and named.
    const QString database = args.value(QStringLiteral("database"));
    store::StagedStore::build(
        dir, [](store::Store&) {}, database);
    out << "created an empty store at " << dir;
    if (!database.isEmpty())
        out << " on the PostgreSQL database " << database;
    out << "\n";
}

void login(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {}, {});
    args.expectCount(1, 1);
    auto s = openStore(dir);
    if (s->userRow(args.at(0)) == 0)
        throw store::StoreError(QStringLiteral("no user \"%1\" in the store").arg(args.at(0)));
    s->setClientUser(args.at(0));
    out << "the client user is now " << s->clientUser() << "\n";
}

void setting(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {}, {});
    args.expectCount(1, 2);
    auto s = openStore(dir);
    if (args.count() == 2) {
        if (args.at(0) == QLatin1String("MajorVersion"))
            args.number<int>(1, QStringLiteral("MajorVersion"));
        s->setSetting(args.at(0), args.at(1));
    }
    out << args.at(0) << "=" << s->setting(args.at(0)) << "\n";
}

void user(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {}, {});
    args.expectCount(1);
    const QString action = args.at(0);
    auto s = openStore(dir);
    store::StoreBuilder build(*s);
    if (action == QLatin1String("add")) {
        // user add POST-OFFICE USERID GIVEN-NAME SURNAME
        args.expectCount(5, 5);
        build.addUser(args.at(1), args.at(2), args.at(3), args.at(4));
        out << "added user " << args.at(2) << "\n";
    } else if (action == QLatin1String("remove") || action == QLatin1String("restore")) {
        args.expectCount(2, 2);
        build.setUserActive(args.at(1), action == QLatin1String("restore"));
        out << (action == QLatin1String("remove") ? "removed " : "restored ") << args.at(1) << "\n";
    } else if (action == QLatin1String("admin")) {
        // user admin DOMAIN USERID
        args.expectCount(3, 3);
        build.addDomainAdministrator(args.at(1), args.at(2));
        out << args.at(2) << " administers " << args.at(1) << "\n";
    } else if (action == QLatin1String("list")) {
        // distribution list: user list POST-OFFICE NAME MEMBER...
        args.expectCount(3);
        QStringList members;
        for (int i = 3; i < args.count(); ++i)
            members << args.at(i);
        build.addDistributionList(args.at(1), args.at(2), members);
        out << "added distribution list " << args.at(2) << "\n";
    } else {
        throw UsageError(QStringLiteral("unknown user action \"%1\"").arg(action));
    }
}

int fieldTypeCode(const QString& text)
{
    if (text == QLatin1String("text"))
        return 1;
    if (text == QLatin1String("numeric"))
        return 2;
    if (text == QLatin1String("date"))
        return 3;
    throw UsageError(QStringLiteral("a field type is text, numeric or date, not \"%1\"").arg(text));
}

void library(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {QStringLiteral("description"), QStringLiteral("rights")},
                    {QStringLiteral("librarian")});
    args.expectCount(1);
    const QString action = args.at(0);
    auto s = openStore(dir);
    store::StoreBuilder build(*s);
    if (action == QLatin1String("domain")) {
        args.expectCount(2, 2);
        build.addDomain(args.at(1));
        out << "added domain " << args.at(1) << "\n";
    } else if (action == QLatin1String("postoffice")) {
        args.expectCount(3, 3);
        build.addPostOffice(args.at(1), args.at(2));
        out << "added post office " << args.at(2) << "\n";
    } else if (action == QLatin1String("add")) {
        args.expectCount(3, 3);
        build.addLibrary(args.at(1), args.at(2), args.value(QStringLiteral("description")));
        out << "added library " << args.at(2) << "\n";
    } else if (action == QLatin1String("type")) {
        args.expectCount(3, 3);
        build.addDocumentType(args.at(1), args.at(2));
        out << "added document type " << args.at(2) << "\n";
    } else if (action == QLatin1String("field")) {
        args.expectCount(4, 4);
        build.addFieldDefinition(args.at(1), args.at(2), fieldTypeCode(args.at(3)));
        out << "added field " << args.at(2) << "\n";
    } else if (action == QLatin1String("grant")) {
        // library grant LIBRARY USERID [--librarian] [--rights N]; USERID "*" sets the default rights
        args.expectCount(3, 3);
        const int rights = args.numberOption<int>(QStringLiteral("rights"), 0);
        if (args.at(2) == QLatin1String("*"))
            build.setLibraryDefaultRights(args.at(1), args.flag(QStringLiteral("librarian")), rights);
        else
            build.setLibraryRights(args.at(1), args.at(2), args.flag(QStringLiteral("librarian")), rights);
        out << "set the rights of " << args.at(2) << " in " << args.at(1) << "\n";
    } else if (action == QLatin1String("default")) {
        // library default USERID LIBRARY
        args.expectCount(3, 3);
        build.setDefaultLibrary(args.at(1), args.at(2));
        out << "the default library of " << args.at(1) << " is " << args.at(2) << "\n";
    } else {
        throw UsageError(QStringLiteral("unknown library action \"%1\"").arg(action));
    }
}

void info(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    Args(arguments, {}, {}).expectCount(0, 0);
    const auto s = openStore(dir);
    const store::StoreInfo i = s->info();
    out << "store:          " << dir << "\n"
        << "database:       " << s->backendName();
    if (!s->databaseUrl().isEmpty())
        out << " (" << s->databaseUrl() << ")";
    out << "\n"
        << "schema version: " << i.schemaVersion << "\n"
        << "client user:    " << i.clientUser << "\n"
        << "major version:  " << i.majorVersion << "\n"
        << "post offices:   " << i.postOffices << "\n"
        << "users:          " << i.users << "\n"
        << "libraries:      " << i.libraries << "\n"
        << "documents:      " << i.documents << "\n"
        << "versions:       " << i.versions << "\n"
        << "events:         " << i.events << "\n"
        << "fault rules:    " << i.faultRules << "\n";
}

} // namespace

QList<Command> setupCommands()
{
    return {
        {"init", "init [--database postgresql://ROLE@HOST/DATABASE]", init},
        {"login", "login USERID", login},
        {"setting", "setting KEY [VALUE]            (e.g. MajorVersion 3)", setting},
        {"user",
         "user add POST-OFFICE USERID GIVEN-NAME SURNAME | user remove|restore USERID\n"
         "               | user admin DOMAIN USERID | user list POST-OFFICE LIST-NAME MEMBER-ID...",
         user},
        {"library",
         "library domain NAME | library postoffice DOMAIN NAME\n"
         "               | library add POST-OFFICE NAME [--description TEXT]\n"
         "               | library type LIBRARY NAME | library field LIBRARY NAME text|numeric|date\n"
         "               | library grant LIBRARY USERID|* [--librarian] [--rights N]\n"
         "               | library default USERID LIBRARY",
         library},
        {"info", "info", info},
    };
}
