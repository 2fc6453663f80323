#include "Commands.h"
#include "store/Store.h"
#include "store/StoreError.h"
#include "store/demo/DemoBuilder.h"
#include "store/demo/Generator.h"
#include "store/demo/StagedStore.h"

#include <QElapsedTimer>
#include <pwd.h>
#include <unistd.h>

namespace {

QString osUser()
{
    if (const passwd* entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name).toUpper();
    return qEnvironmentVariable("USER").toUpper();
}

void demo(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {"user"}, {});
    args.expectCount(0, 0);
    const QString user = args.value("user", osUser());
    QElapsedTimer timer;
    timer.start();
    const auto s = store::DemoBuilder::build(dir, user);
    const store::StoreInfo info = s->info();
    out << "built the demo store at " << dir << " for " << user << " in " << timer.elapsed() / 1000.0
        << " s: " << info.libraries << " libraries, " << info.documents << " documents, " << info.versions
        << " versions\n";
}

void generate(const QString& dir, const QStringList& arguments, QTextStream& out)
{
    const Args args(arguments, {"versions"}, {});
    args.expectCount(2, 2);
    const qint64 documents = args.number(1, "DOCUMENTS");
    const qint64 versions = args.numberOption<qint64>("versions", 3, 1);
    if (versions > store::Generator::MaxVersions)
        throw UsageError(QStringLiteral("--versions is at most %1").arg(store::Generator::MaxVersions));
    QElapsedTimer timer;
    timer.start();
    store::Generator::Result result;
    const auto run = [&](store::Store& s) {
        result = store::Generator::generate(s, args.at(0), documents, static_cast<int>(versions));
    };
    // A new store is built beside its place and renamed into it whole; an existing one takes
    // the batch in its write order. Either way a kill leaves no half of it.
    if (store::Store::exists(dir))
        run(*store::Store::open(dir));
    else
        store::StagedStore::build(dir, run);
    out << "generated documents " << result.firstNumber << " to " << result.lastNumber << " (" << result.versions
        << " versions) in " << args.at(0) << " in " << timer.elapsed() / 1000.0 << " s\n";
}

} // namespace

QList<Command> bulkCommands()
{
    return {
        {"demo", "demo [--user USERID]            (a realistic demo domain; default user: the OS user)", demo},
        {"generate", "generate LIBRARY DOCUMENTS [--versions N]   (a synthetic library for benchmarks)", generate},
    };
}
