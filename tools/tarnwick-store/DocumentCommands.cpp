#include "Commands.h"
#include "gw/VersionEvent.h"
#include "gw/VersionSecurity.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StoreError.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

QStringList filesOf(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return {info.absoluteFilePath()};
    if (!info.isDir())
        throw store::StoreError(QStringLiteral("no file or folder \"%1\"").arg(path));
    QStringList files;
    QDirIterator it(path, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

QMap<QString, QVariant> fieldValues(const QStringList& pairs)
{
    QMap<QString, QVariant> fields;
    for (const QString& pair : pairs) {
        const int equals = pair.indexOf(QLatin1Char('='));
        if (equals <= 0)
            throw UsageError(QStringLiteral("a field is given as NAME=VALUE, not \"%1\"").arg(pair));
        fields.insert(pair.left(equals), pair.mid(equals + 1));
    }
    return fields;
}

void importFiles(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {"subject", "author", "creator", "type", "field", "description", "version-of"}, {});
    args.expectCount(2);
    const QString library = args.at(0);
    QStringList files;
    for (int i = 1; i < args.count(); ++i)
        files << filesOf(args.at(i));
    auto s = store::Store::open(dir);
    store::StoreBuilder build(*s);
    const QString author = args.value("author", s->clientUser());
    for (const QString& file : files) {
        store::NewVersion version;
        version.sourceFile = file;
        version.creator = args.value("creator");
        version.description = args.value("description");
        if (args.has("version-of")) {
            const qint64 number = args.numberOption<qint64>("version-of", 0, 1);
            const int added = build.addVersion(library, number, version);
            out << file << " -> document " << number << " version " << added << "\n";
            continue;
        }
        store::NewDocument document;
        document.library = library;
        document.subject = args.value("subject", QFileInfo(file).completeBaseName());
        document.author = author;
        document.creator = args.value("creator");
        document.documentType = args.value("type");
        document.fields = fieldValues(args.values("field"));
        const qint64 number = build.importDocument(document, version);
        out << file << " -> document " << number << "\n";
    }
}

// A mask is a number (decimal or 0x...) or letters: D delete, E edit, V view,
// M modify security, S share.
int maskOf(const QString& text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 0);
    if (ok && number >= 0)
        return number;
    int mask = 0;
    for (const QChar c : text.toUpper()) {
        switch (c.unicode()) {
        case 'D':
            mask |= gw::RightDelete;
            break;
        case 'E':
            mask |= gw::RightEdit;
            break;
        case 'V':
            mask |= gw::RightView;
            break;
        case 'M':
            mask |= gw::RightModifySecurity;
            break;
        case 'S':
            mask |= gw::RightShare;
            break;
        case '-':
            break;
        default:
            throw UsageError(QStringLiteral("a rights mask is a number or letters of DEVMS, not \"%1\"").arg(text));
        }
    }
    return mask;
}

// OFFICIAL/CURRENT/OTHER, e.g. "V/VE/-" or "4/6/0".
store::LevelMasks levelMasks(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3)
        throw UsageError(QStringLiteral("masks are given as OFFICIAL/CURRENT/OTHER, not \"%1\"").arg(text));
    return {maskOf(parts.at(0)), maskOf(parts.at(1)), maskOf(parts.at(2))};
}

// NAME=MASKS[,revoke][,modify]
store::SharingSpec sharingEntry(const QString& text)
{
    const int equals = text.lastIndexOf(QLatin1Char('='));
    if (equals <= 0)
        throw UsageError(
            QStringLiteral("a sharing entry is NAME=OFFICIAL/CURRENT/OTHER[,revoke][,modify], not \"%1\"").arg(text));
    QStringList parts = text.mid(equals + 1).split(QLatin1Char(','));
    store::SharingSpec entry;
    entry.name = text.left(equals);
    entry.masks = levelMasks(parts.takeFirst());
    for (const QString& extra : parts) {
        if (extra == QLatin1String("revoke"))
            entry.revokeAll = true;
        else if (extra == QLatin1String("modify"))
            entry.modifySecurity = true;
        else
            throw UsageError(QStringLiteral("unknown sharing flag \"%1\"").arg(extra));
    }
    return entry;
}

void rights(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {"creator", "default", "share"}, {"no-sharing"});
    args.expectCount(2, 2);
    store::RightsSpec spec;
    if (args.has("creator"))
        spec.creator = levelMasks(args.value("creator"));
    if (args.has("default"))
        spec.general = levelMasks(args.value("default"));
    if (args.has("share") || args.flag("no-sharing")) {
        QList<store::SharingSpec> entries;
        for (const QString& text : args.values("share"))
            entries << sharingEntry(text);
        spec.sharing = entries;
    }
    store::StoreBuilder(*store::Store::open(dir)).setRights(args.at(0), args.number(1, "DOCUMENT"), spec);
    out << "set the rights of document " << args.at(1) << "\n";
}

void checkout(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {"user", "staged"}, {});
    args.expectCount(3, 3);
    auto s = store::Store::open(dir);
    store::StoreBuilder build(*s);
    const QString user = args.value("user", s->clientUser());
    if (s->userRow(user) == 0)
        throw store::StoreError(QStringLiteral("no user \"%1\" in the store").arg(user));
    const qint64 number = args.number(1, "DOCUMENT");
    const int version = args.number<int>(2, "VERSION");
    store::VersionState state;
    state.checkedOut = true;
    state.retriever = user;
    state.retrieved = QDateTime::currentDateTime();
    if (args.has("staged"))
        state.stagedFile = args.value("staged");
    // The state and its event change together or not at all.
    QSqlDatabase db = s->database();
    store::WriteTransaction both(db);
    build.setVersionState(args.at(0), number, version, state);
    build.addEvent(args.at(0), number, version, gw::EventCheckedOut, user, QDateTime::currentDateTime());
    both.commit();
    out << "document " << number << " version " << version << " is checked out to " << user << "\n";
}

void flag(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {}, {});
    args.expectCount(5, 5);
    const QString which = args.at(3);
    const QString onOff = args.at(4);
    if (onOff != QLatin1String("on") && onOff != QLatin1String("off"))
        throw UsageError(QStringLiteral("a flag is set on or off, not \"%1\"").arg(onOff));
    const bool on = onOff == QLatin1String("on");
    store::VersionState state;
    if (which == QLatin1String("archived"))
        state.archived = on;
    else if (which == QLatin1String("inuse"))
        state.inUse = on;
    else if (which == QLatin1String("readwrite"))
        state.readWrite = on;
    else if (which == QLatin1String("checkedout"))
        state.checkedOut = on;
    else
        throw UsageError(QStringLiteral("a flag is archived, inuse, readwrite or checkedout, not \"%1\"").arg(which));
    store::StoreBuilder(*store::Store::open(dir))
        .setVersionState(args.at(0), args.number(1, "DOCUMENT"), args.number<int>(2, "VERSION"), state);
    out << which << " " << onOff << " for document " << args.at(1) << " version " << args.at(2) << "\n";
}

void purge(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {"user"}, {});
    args.expectCount(3, 3);
    auto s = store::Store::open(dir);
    store::StoreBuilder(*s).purgeVersion(args.at(0), args.number(1, "DOCUMENT"), args.number<int>(2, "VERSION"),
                                         args.value("user", s->clientUser()));
    out << "the content of document " << args.at(1) << " version " << args.at(2) << " is in salvage\n";
}

void fault(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {"library", "document", "version", "event", "entry", "occurrence"}, {});
    args.expectCount(1);
    auto s = store::Store::open(dir);
    if (args.at(0) == QLatin1String("clear")) {
        args.expectCount(1, 1);
        s->clearFaultRules();
        out << "removed every fault rule\n";
        return;
    }
    if (args.at(0) != QLatin1String("add"))
        throw UsageError(QStringLiteral("unknown fault action \"%1\"").arg(args.at(0)));
    args.expectCount(3, 3);
    store::FaultRule rule;
    rule.member = args.at(1);
    rule.message = args.at(2);
    rule.library = args.value("library");
    rule.document = args.numberOption<qint64>("document", 0, 1);
    rule.version = args.numberOption<int>("version", 0, 1);
    rule.event = args.numberOption<int>("event", 0, 1);
    rule.entry = args.numberOption<int>("entry", 0, 1);
    rule.occurrence = args.numberOption<int>("occurrence", 0, 1);
    s->addFaultRule(rule);
    out << "added a fault rule on " << rule.member << "\n";
}

} // namespace

QList<Command> documentCommands()
{
    return {
        {"import",
         "import LIBRARY FILE-OR-FOLDER... [--subject S] [--author USERID] [--creator USERID]\n"
         "               [--type TYPE] [--field NAME=VALUE]... [--description TEXT] [--version-of DOCUMENT]",
         importFiles},
        {"checkout", "checkout LIBRARY DOCUMENT VERSION [--user USERID] [--staged FILE]", checkout},
        {"flag", "flag LIBRARY DOCUMENT VERSION archived|inuse|readwrite|checkedout on|off", flag},
        {"purge", "purge LIBRARY DOCUMENT VERSION [--user USERID]", purge},
        {"rights",
         "rights LIBRARY DOCUMENT [--creator O/C/X] [--default O/C/X]\n"
         "               [--share NAME=O/C/X[,revoke][,modify]]... [--no-sharing]   (masks: number or DEVMS)",
         rights},
        {"fault",
         "fault add MEMBER MESSAGE [--library L] [--document N] [--version V] [--event I] [--entry E]\n"
         "               [--occurrence K] | fault clear",
         fault},
    };
}
