#pragma once

// What the window benchmarks share: a generated store opened to the person running the bench
// (so that the program starts without a prompt and the headless runs log in as the same person),
// the program carrying out a script offscreen or under xvfb-run with its peak memory, and the
// rounds that time one kind of run headless and through the window side by side.
#include "BenchSession.h"
#include "core/app/ProgramIdentity.h"
#include "core/reports/ReportDocs.h"
#include "core/runs/NullRunView.h"
#include "store/StoreBuilder.h"
#include "store/directory/DirectoryWriter.h"

#include <QStandardPaths>
#include <functional>

namespace bench {

// Opens the generated store to the person running the bench, as a store administered for them
// would be: an account in the generator's post office, found in the directory, administrator of
// the domain and librarian of the library, which is their default. The program then starts
// without a prompt, and the headless runs log in as the same person.
inline void openToThePerson(store::Store& store, const QString& library)
{
    const QString person = tw::ProgramIdentity::WindowsUserName();
    QSqlDatabase db = store.database();
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT d.name, p.name FROM post_offices p JOIN domains d ON d.id = p.domain_id LIMIT 1"));
    q.next();
    const QString domain = q.value(0).toString();
    const QString office = q.value(1).toString();
    store::StoreBuilder build(store);
    if (store.userRow(person) == 0) {
        build.addUser(office, person, QStringLiteral("Bench"), QStringLiteral("Window"));
        build.addDomainAdministrator(domain, person);
        const QString context = QStringLiteral("OU=Staff.O=Bench");
        store::DirectoryWriter::setNameContext(store, context);
        const QString domainDn = QStringLiteral("CN=%1.O=%1").arg(domain);
        const QString officeDn = QStringLiteral("CN=") + office + QStringLiteral(".O=") + domain;
        store::DirectoryWriter::putObject(store, domainDn, QStringLiteral("NGW: Domain"),
                                          {{QStringLiteral("CN"), {domain}}});
        store::DirectoryWriter::putObject(
            store, officeDn, QStringLiteral("NGW: Post Office"),
            {{QStringLiteral("NGW: Domain"), {domainDn}}, {QStringLiteral("CN"), {office}}});
        store::DirectoryWriter::putObject(store, QStringLiteral("CN=") + person + QLatin1Char('.') + context,
                                          QStringLiteral("User"),
                                          {{QStringLiteral("NGW: Object ID"), {person}},
                                           {QStringLiteral("NGW: Post Office"), {officeDn}},
                                           {QStringLiteral("CN"), {person}}});
    }
    build.setLibraryRights(library, person, true);
    build.setDefaultLibrary(person, library);
    store.setClientUser(person);
}

// The resident memory of the process `pid` or of the first "tarnwick" among its descendants.
inline long programResidentKb(qint64 pid)
{
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QList<qint64> pending {pid};
    while (!pending.isEmpty()) {
        const qint64 next = pending.takeFirst();
        const QString proc = QStringLiteral("/proc/%1/").arg(next);
        if (read(proc + QStringLiteral("comm")).trimmed() == "tarnwick") {
            for (const QByteArray& line : read(proc + QStringLiteral("status")).split('\n')) {
                if (line.startsWith("VmRSS:"))
                    return line.mid(6).trimmed().split(' ').first().toLong();
            }
        }
        for (const QByteArray& child : read(proc + QStringLiteral("task/%1/children").arg(next)).split(' ')) {
            if (!child.trimmed().isEmpty())
                pending.append(child.trimmed().toLongLong());
        }
    }
    return 0;
}

// A script run of the program: offscreen, or under a virtual X display.
struct ProgramRun
{
    ProgramRun(QString store, QString work, QStringList switches = {})
        : storePath(std::move(store)), workDirectory(std::move(work)), parameters(std::move(switches))
    {
    }

    QString storePath;
    QString workDirectory;
    QStringList parameters; // before /NS and the script
    bool xvfb = false;
    // The highest resident memory of the program seen in the runs so far, in kB.
    mutable long peakKb = 0;

    double run(const QString& script, const QString& name) const
    {
        const QString path = QDir(workDirectory).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(script.toUtf8()) < 0)
            qFatal("cannot write %s", qPrintable(path));
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TARNWICK_STORE"), storePath);
        environment.insert(QStringLiteral("TARNWICK_PROGRAM_DIR"), QDir(workDirectory).filePath(QStringLiteral("log")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir(workDirectory).filePath(QStringLiteral("runtime")));
        QDir(workDirectory).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(QDir(workDirectory).filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QStringList arguments = parameters + QStringList {QStringLiteral("/NS"), QStringLiteral("--script=") + path};
        QString program = QStringLiteral(TARNWICK_EXE);
        if (xvfb) {
            arguments.prepend(program);
            arguments.prepend(QStringLiteral("-a"));
            program = QStringLiteral("xvfb-run");
            environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        } else {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        // The program's resident memory, sampled while it runs (under xvfb-run it is a child).
        while (!process.waitForFinished(50))
            peakKb = std::max(peakKb, programResidentKb(process.processId()));
        const double elapsed = seconds(timer);
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            std::printf("  the program failed: %s\n", process.readAllStandardError().constData());
        return elapsed;
    }
};

inline QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The lines of the report a run wrote into `out` (any ".rpt" there), to show that each way did the
// same work.
inline int reportLines(const QString& out)
{
    int lines = 0;
    for (const QFileInfo& report : QDir(out).entryInfoList({QStringLiteral("*.rpt")}, QDir::Files)) {
        QFile file(report.filePath());
        if (file.open(QIODevice::ReadOnly))
            lines += int(file.readAll().count('\n'));
    }
    return lines;
}

// One kind of run timed three ways: headless through the run classes, and by the program carrying
// out a script offscreen and under xvfb-run. Each run gets a fresh folder `out`; `prepare` readies
// the store and the folder before each of them; `pauses` are seconds of each run that the run's
// own design spends waiting (the check-in's 50 ms after every file), taken off all three times.
struct RunKind
{
    QString name;
    std::function<void(const QString& out)> prepare;
    std::function<tw::RunOutcome(const QString& out)> headless;
    std::function<QString(const QString& out, bool withRun)> script;
    // The reference of the round (cp -r, sqlite3), when the run has one.
    std::function<double(const QString& out)> reference;
    double pauses = 0;
};

// The times of one run kind over the rounds.
struct Figures
{
    std::vector<double> headless;
    std::vector<double> offscreen;
    std::vector<double> xvfb;
    std::vector<double> reference;
    long headlessPeakKb = 0;
    double longestGapMs = 0;
    qint64 longestGapAt = 0; // the pump of its run that ended the longest gap
    long windowPeakKb = 0;

    void print(const QString& what, const char* referenceName) const
    {
        const double h = median(headless);
        std::printf("%s, median of %zu rounds: headless %.2f s; offscreen %.2f s (%.2f x headless); xvfb-run %.2f s"
                    " (%.2f x)\n",
                    qPrintable(what), headless.size(), h, median(offscreen), median(offscreen) / h,
                    xvfb.empty() ? 0.0 : median(xvfb), xvfb.empty() ? 0.0 : median(xvfb) / h);
        if (!reference.empty()) {
            const double r = median(reference);
            std::printf("  %s %.2f s: headless %.2f x, offscreen %.2f x, xvfb-run %.2f x\n", referenceName, r, h / r,
                        median(offscreen) / r, xvfb.empty() ? 0.0 : median(xvfb) / r);
        }
        std::printf("  resident memory peak: headless %ld kB, window %ld kB; longest gap between event pumps "
                    "(headless) %.1f ms, ended by pump %lld of its run\n",
                    headlessPeakKb, windowPeakKb, longestGapMs, static_cast<long long>(longestGapAt));
    }
};

// One round of a kind: the headless run, then the script offscreen and, when there, under xvfb-run.
inline void round(const RunKind& kind, int number, const QString& root, ProgramRun program, Figures& figures, bool xvfb)
{
    const auto fresh = [&](const char* way) {
        QString name = kind.name;
        name.replace(QLatin1Char(' '), QLatin1Char('-'));
        const QString out = root + QLatin1Char('/') + name + QLatin1Char('-') + QLatin1String(way) + QLatin1Char('-')
            + QString::number(number) + QLatin1Char('/');
        QDir().mkpath(out);
        return out;
    };
    const QString headlessOut = fresh("headless");
    if (kind.prepare)
        kind.prepare(headlessOut);
    BenchHost& host = Session::hostRef();
    host.reset();
    QElapsedTimer timer;
    timer.start();
    const tw::RunOutcome outcome = kind.headless(headlessOut);
    figures.headless.push_back(seconds(timer) - kind.pauses);
    figures.headlessPeakKb = std::max(figures.headlessPeakKb, host.peakKb);
    if (host.longestGapNs / 1e6 > figures.longestGapMs) {
        figures.longestGapMs = host.longestGapNs / 1e6;
        figures.longestGapAt = host.longestGapAt;
    }
    std::printf("  round %d: headless %.2f s (%d successes, %d failures, %d report lines)", number,
                figures.headless.back(), outcome.successes, outcome.failures, reportLines(headlessOut));
    if (kind.reference) {
        figures.reference.push_back(kind.reference(fresh("reference")));
        std::printf("; reference %.2f s", figures.reference.back());
    }
    for (const bool underX : {false, true}) {
        if ((underX && !xvfb) || qEnvironmentVariableIsSet("BENCH_HEADLESS"))
            continue;
        program.xvfb = underX;
        const double base = program.run(kind.script(fresh("base"), false), QStringLiteral("base.tw"));
        const QString out = fresh(underX ? "xvfb" : "offscreen");
        if (kind.prepare)
            kind.prepare(out);
        const double total = program.run(kind.script(out, true), QStringLiteral("run.tw"));
        (underX ? figures.xvfb : figures.offscreen).push_back(total - base - kind.pauses);
        std::printf("; %s %.2f s (program %.2f s less %.2f s, %d report lines)", underX ? "xvfb-run" : "offscreen",
                    total - base - kind.pauses, total, base, reportLines(out));
    }
    figures.windowPeakKb = std::max(figures.windowPeakKb, program.peakKb);
    std::printf("\n");
    std::fflush(stdout);
}

// The field reporter over the library with five columns: the reference of the run benchmarks.
inline RunKind reporterKind(const QString& library, const std::function<tw::RunServices(tw::RunView&)>& services)
{
    return {
        QStringLiteral("report"), nullptr,
        [services](const QString& out) {
            tw::NullRunView view;
            return tw::ReportDocs(services(view)).run(reporterInputs(out));
        },
        [library](const QString& out, bool withRun) {
            QString script
                = QStringLiteral("library %1\ntab Reporter\nset Edit23 %2\nleave Edit23\n").arg(library, quoted(out));
            for (const char* field : {"Subject", "Author", "Doc. Type", "Original File Type", "Description"})
                script += QStringLiteral("row ListBox3 ") + quoted(QString::fromLatin1(field))
                    + QStringLiteral("\nclick SpeedButton10\n");
            script += QStringLiteral("choose RadioGroup1 \"Full Library\"\n");
            if (withRun)
                script += QStringLiteral("click BReport\nwait 36000\n");
            return script;
        },
        nullptr};
}

inline bool haveXvfb()
{
    const bool found = !QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty();
    if (!found)
        std::printf("xvfb-run is not installed: the window runs offscreen only\n");
    return found;
}

} // namespace bench
