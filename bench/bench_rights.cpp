// Benchmark of the rights tabs' runs, each headless through the run classes and through the real
// window (offscreen and under xvfb-run), side by side in one program run, on a generated library
// whose documents have sharing lists of 0 to 5 entries (some explicit denies, some entries of
// people no longer in the system) and, on every tenth document, an entry of a departed user:
// - the rights check in each selector mode against the field reporter (five columns) over the
//   same library, measured in the same run;
// - the full rights report against sqlite3 writing the same rights rows as TSV;
// - a rights edit with one "Replace" row that matches every tenth document (documents a second).
// Run by hand: bench_rights [documents (100000)] [versions per document (3)] [rounds (3)]
// [runs (report,creator,general,specified,strays,full,edit)].
// With BENCH_HEADLESS set the window runs are left out.
#include "BenchWindow.h"
#include "core/lists/ResultSink.h"
#include "core/reports/ReportDocs.h"
#include "core/rights/EditList.h"
#include "core/rights/FEditRDocs.h"
#include "core/rights/FRightsDocs.h"
#include "core/rights/RightsDocs.h"
#include "core/runs/NullRunView.h"
#include "store/Sql.h"

namespace {

using bench::quoted;
using bench::Session;

const QString kLibrary = QStringLiteral("RIGHTS");
constexpr int kUsers = 20;

class DroppedRows : public tw::ResultSink
{
public:
    void clearRows() override { rows = 0; }
    void addRow(tw::ResultRow) override { ++rows; }
    qint64 rows = 0;
};

// Twenty users "User 01" ... in the generator's post office, the departed "Leaver One" (removed
// from the system afterwards, so only its entries' names remain) and the heir "Heir Apparent".
void addPeople(store::Store& store)
{
    QSqlDatabase db = store.database();
    const QString office = store::Sql::scalar(db, QStringLiteral("SELECT name FROM post_offices LIMIT 1")).toString();
    store::StoreBuilder build(store);
    for (int i = 1; i <= kUsers; ++i)
        build.addUser(office, QStringLiteral("U%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("User"),
                      QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    build.addUser(office, QStringLiteral("HEIR"), QStringLiteral("Heir"), QStringLiteral("Apparent"));
}

// The sharing lists, made again before every run that changes them.
void setSharing(store::Store& store)
{
    QSqlDatabase db = store.database();
    store::Sql::run(db, QStringLiteral("DELETE FROM rights WHERE kind = 2"));
    const qint64 firstUser
        = store::Sql::scalar(db, QStringLiteral("SELECT id FROM users WHERE user_id = 'U01'")).toLongLong();
    for (int k = 1; k <= 5; ++k) {
        store::Sql::run(
            db,
            QStringLiteral(
                "INSERT INTO rights(document_id, kind, position, user_id, display_name, official, current, other, "
                "revoke_all, modify_security) SELECT d.id, 2, %1, CASE WHEN (d.id + %1) %% 9 = 0 THEN NULL ELSE "
                "%2 + (d.id * 7 + %1) %% %3 END, CASE WHEN (d.id + %1) %% 9 = 0 THEN 'Former ' || ((d.id + %1) "
                "%% 50) ELSE '' END, CASE (d.id + %1) %% 4 WHEN 0 THEN 4 WHEN 1 THEN 6 WHEN 2 THEN 38 ELSE 47 END, "
                "CASE (d.id + %1) %% 3 WHEN 0 THEN 4 WHEN 1 THEN 6 ELSE 39 END, 4, (d.id + 3 * %1) %% 11 = 0, 0 "
                "FROM documents d WHERE d.id %% 6 >= %1")
                .replace(QStringLiteral("%%"), QStringLiteral("%"))
                .arg(k)
                .arg(firstUser)
                .arg(kUsers));
    }
    // The departed user's entry on every tenth document.
    store::Sql::run(db,
                    QStringLiteral("INSERT INTO rights(document_id, kind, position, display_name, official, "
                                   "current, other) SELECT id, 2, 6, 'Leaver One', 6, 6, 4 FROM documents "
                                   "WHERE id % 10 = 0"));
    // Display names for the user entries, as the store keeps them.
    store::Sql::run(db,
                    QStringLiteral("UPDATE rights SET display_name = (SELECT display_name FROM users u WHERE "
                                   "u.id = rights.user_id) WHERE kind = 2 AND user_id IS NOT NULL"));
    QSqlQuery(db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

QStringList knownNames(store::Store& store)
{
    QSqlDatabase db = store.database();
    QStringList names {QStringLiteral("<Strays>")};
    QSqlQuery q = store::Sql::run(db, QStringLiteral("SELECT display_name FROM users"));
    while (q.next())
        names.append(q.value(0).toString());
    return names;
}

QString excessScript(const QString& out, int selector, const QString& user, bool full, bool withRun)
{
    static const char* const selectors[] = {"Creator", "\"General User\"", "Specified"};
    QString script = QStringLiteral("library RIGHTS\ntab \"Excessive Rights\"\nset Edit31 %1\nleave Edit31\n"
                                    "choose RadioGroup4 \"Full Library\"\nchoose RadioGroup5 %2\n")
                         .arg(quoted(out), QLatin1String(selectors[selector]));
    if (!user.isEmpty())
        script += QStringLiteral("set ComboB_Users %1\n").arg(quoted(user));
    if (full)
        script += QStringLiteral("click CB_RFull\n");
    if (withRun)
        script += QStringLiteral("click Button5\nwait 36000\nexpect Label84 \"Rights Check Report Completed\"\n");
    return script;
}

QString editScript(const QString& out, bool withRun)
{
    QString script = QStringLiteral("library RIGHTS\ntab \"Edit Rights\"\nset Edit35 %1\nleave Edit35\n"
                                    "choose RadioGroup8 \"Full Library\"\nset ComboB_FEUsers \"Leaver One\"\n"
                                    "set ComboB_SEUsers \"Heir Apparent\"\nclick Button12\n")
                         .arg(quoted(out));
    if (withRun)
        script += QStringLiteral("click Button9\nwait 36000\nexpect Label93 \"Rights Edit Report Completed\"\n");
    return script;
}

const char* const kFullRowsSql
    = "WITH levels(level, word) AS (VALUES (1, 'Official'), (2, 'Current'), (0, 'Other')) "
      "SELECT d.number, d.subject, u.display_name, d.created, d.official_version, d.current_version, "
      "CASE r.kind WHEN 0 THEN 'Creator' WHEN 1 THEN 'Default' ELSE r.display_name END, l.word, "
      "CASE WHEN r.revoke_all THEN 'Denied' WHEN l.level = 1 THEN r.official WHEN l.level = 2 THEN r.current "
      "ELSE r.other END FROM documents d JOIN users u ON u.id = d.author_id JOIN rights r ON r.document_id = d.id "
      "CROSS JOIN levels l ORDER BY d.number, r.kind, r.position, r.id";

} // namespace

int main(int argc, char** argv)
{
    tw::settleLocalTimeZone(); // as the program does
    QCoreApplication app(argc, argv);
    bench::Arguments a;
    a.documents = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100000;
    a.versions = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    a.rounds = argc > 3 ? std::max(1, QByteArray(argv[3]).toInt()) : 3;
    const QStringList runs = QString::fromLocal8Bit(argc > 4 ? argv[4]
                                                             : "report,creator,general,specified,strays,full,"
                                                               "edit")
                                 .split(QLatin1Char(','));
    const bool xvfb = bench::haveXvfb();
    QTemporaryDir dir;
    const QString root = dir.path();
    const QString path = root + QStringLiteral("/rights-store");
    try {
        auto made = Session::generated(path, kLibrary, a.documents, a.versions);
        addPeople(*made);
        bench::openToThePerson(*made, kLibrary);
        setSharing(*made);
        Session session(made, path, kLibrary);
        const QStringList known = knownNames(*made);
        const auto services
            = [&](tw::RunView& view) { return session.services(session.log, Session::hostRef(), view); };
        const bench::ProgramRun program(path, root);
        std::printf("generated %lld documents x %d versions with sharing lists\n", static_cast<long long>(a.documents),
                    a.versions);

        if (runs.contains(QStringLiteral("report"))) {
            const bench::RunKind reporter = bench::reporterKind(kLibrary, services);
            bench::Figures figures;
            for (int i = 1; i <= a.rounds; ++i)
                bench::round(reporter, i, root, program, figures, xvfb);
            figures.print(QStringLiteral("field reporter, five columns (the reference)"), "");
        }

        const struct
        {
            const char* name;
            int selector;
            int mask;
            const char* user;
        } checks[] = {
            {"creator", 0, 0, ""}, {"general", 1, 4, ""}, {"specified", 2, 0, "User 07"}, {"strays", 2, 0, "<Strays>"}};
        for (const auto& check : checks) {
            if (!runs.contains(QLatin1String(check.name)))
                continue;
            const bench::RunKind kind {
                QStringLiteral("rights check ") + QLatin1String(check.name), nullptr,
                [&](const QString& out) {
                    tw::NullRunView view;
                    DroppedRows rows;
                    tw::RightsInputs in;
                    in.run.useQuery = false;
                    in.run.reportDirectory = out;
                    in.selector = check.selector;
                    in.selectedMask = check.mask;
                    in.userText = QString::fromUtf8(check.user);
                    in.knownNames = known;
                    return tw::RightsDocs(services(view), rows).RightsDocsRun(in);
                },
                [&](const QString& out, bool withRun) {
                    QString script = excessScript(out, check.selector, QString::fromUtf8(check.user), false, withRun);
                    if (check.mask == 4)
                        script.replace(QStringLiteral("click Button5"), QStringLiteral("click CB_View\nclick Button5"));
                    return script;
                },
                nullptr};
            bench::Figures figures;
            for (int i = 1; i <= a.rounds; ++i)
                bench::round(kind, i, root, program, figures, xvfb);
            figures.print(QStringLiteral("rights check, ") + QLatin1String(check.name), "");
        }

        if (runs.contains(QStringLiteral("full"))) {
            const bench::RunKind kind {
                QStringLiteral("full rights report"), nullptr,
                [&](const QString& out) {
                    tw::NullRunView view;
                    DroppedRows rows;
                    tw::RunInputs in;
                    in.useQuery = false;
                    in.reportDirectory = out;
                    return tw::FRightsDocs(services(view), rows).FRightsDocsRun(in, {});
                },
                [](const QString& out, bool withRun) { return excessScript(out, 2, QString(), true, withRun); },
                [&](const QString& out) {
                    return bench::timeProcess(QStringLiteral("sqlite3"),
                                              {QStringLiteral("-separator"), QStringLiteral("\t"), made->databasePath(),
                                               QString::fromLatin1(kFullRowsSql)},
                                              out + QStringLiteral("rights.tsv"));
                }};
            bench::Figures figures;
            for (int i = 1; i <= a.rounds; ++i)
                bench::round(kind, i, root, program, figures, xvfb);
            figures.print(QStringLiteral("full rights report"), "sqlite3 TSV");
        }

        if (runs.contains(QStringLiteral("edit"))) {
            const bench::RunKind kind {QStringLiteral("rights edit"), [&](const QString&) { setSharing(*made); },
                                       [&](const QString& out) {
                                           tw::NullRunView view;
                                           tw::EditList list;
                                           list.setEdit(QStringLiteral("Leaver One"), QStringLiteral("Heir Apparent"),
                                                        QStringLiteral("Replace"));
                                           tw::RunInputs in;
                                           in.useQuery = false;
                                           in.reportDirectory = out;
                                           return tw::FEditRDocs(services(view), list).FEditRDocsRun(in);
                                       },
                                       editScript, nullptr};
            bench::Figures figures;
            for (int i = 1; i <= a.rounds; ++i)
                bench::round(kind, i, root, program, figures, xvfb);
            figures.print(QStringLiteral("rights edit, one Replace row on every tenth document"), "");
            const auto rate = [&](const std::vector<double>& times) {
                return times.empty() ? 0.0 : static_cast<double>(a.documents) / bench::median(times);
            };
            std::printf("  documents per second: headless %.0f, offscreen %.0f, xvfb-run %.0f\n",
                        rate(figures.headless), rate(figures.offscreen), rate(figures.xvfb));
        }
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "bench_rights: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
