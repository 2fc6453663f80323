#include "RunFixture.h"

#include "core/app/DateTimeText.h"
#include "gw/ObjectModel.h"
#include "store/FaultRule.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"

#include <QFile>

namespace tw::test {
namespace {

const QDateTime kReportTime(QDate(2026, 12, 9), QTime(10, 11, 12));

store::NewVersion version(const QByteArray& content, const QString& type, const QDateTime& created)
{
    store::NewVersion v;
    v.content = content;
    v.fileType = type;
    v.created = created;
    return v;
}

void buildLibrary(store::StoreBuilder& s)
{
    s.addLibrary("PO1", "LIB1", "First");
    s.addLibrary("PO1", "LIB2", "Empty");
    s.setLibraryRights("LIB1", "ANN", true);
    s.setLibraryRights("LIB2", "ANN", true);
    s.addDocumentType("LIB1", "Memo");
    s.addDocumentType("LIB1", "Letter");
    s.addFieldDefinition("LIB1", "Client", 1);

    store::NewDocument budget {"LIB1",
                               1,
                               "Budget 2004",
                               "ANN",
                               {},
                               "Memo",
                               QDateTime(QDate(2025, 3, 4), QTime(9, 30, 0)),
                               {{"Client", "Acme"}}};
    s.importDocument(budget, version("alpha", "txt", QDateTime(QDate(2025, 3, 4), QTime(9, 30, 0))));
    store::NewVersion second = version("beta!", "txt", QDateTime(QDate(2025, 3, 5), QTime(10, 0, 1)));
    second.description = "Second draft";
    s.addVersion("LIB1", 1, second);
    store::VersionState used;
    used.retriever = QStringLiteral("BOB");
    used.retrieved = QDateTime(QDate(2026, 1, 2), QTime(14, 15, 17));
    s.setVersionState("LIB1", 1, 2, used);

    store::NewDocument reports {
        "LIB1", 2, "reports\\2004\\budget", "BOB", {}, "Letter", QDateTime(QDate(2025, 3, 6), QTime(8, 0, 0)), {}};
    s.importDocument(reports, version("word file", "doc", QDateTime(QDate(2025, 3, 6), QTime(8, 0, 0))));

    store::NewDocument odd {
        "LIB1", 4, "???", "CAROL", {}, "Memo", QDateTime(QDate(2025, 3, 7), QTime(12, 0, 3)), {{"Client", ".."}}};
    s.importDocument(odd, version("sheet", "xls", QDateTime(QDate(2025, 3, 7), QTime(12, 0, 3))));
}

} // namespace

RunFixture::RunFixture()
{
    DateTimeText::setLocaleForTesting(QLocale::c());
    buildLibrary(m_fixture.builder());
    m_platform = m_fixture.platform();
    m_queryRunner.setPollIntervalForTesting(20);
    m_log.setClockForTesting([] { return kReportTime; });
}

RunFixture::~RunFixture()
{
    DateTimeText::resetLocale();
}

void RunFixture::open(const QString& library)
{
    m_refs.session = m_platform->CreateSession();
    m_refs.account = m_refs.session->Login(QString(), QString(), QString(), 0);
    const auto libraries = m_refs.account->DocumentLibraries();
    for (int i = 1; i <= libraries->Count(); ++i) {
        if (libraries->Item(i)->Name() == library)
            m_refs.selectedLibrary = libraries->Item(i);
    }
    ASSERT_TRUE(m_refs.selectedLibrary) << library.toStdString();
    m_state.LibrarianAccess = true;
}

RunServices RunFixture::services()
{
    return RunServices {m_refs,
                        m_state,
                        m_log,
                        m_host,
                        m_view,
                        m_queryRunner,
                        m_catalogue,
                        m_custom,
                        QStringLiteral("Tarnwick (1.0.0.1)"),
                        [] { return kReportTime; }};
}

QString RunFixture::logText()
{
    QFile file(m_log.fileNameFor(kReportTime.date()));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

QStringList RunFixture::readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLocal8Bit(file.readAll());
    EXPECT_TRUE(text.endsWith(QLatin1String("\r\n"))) << "lines end in CR LF";
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

QStringList RunFixture::expectedLines(const QString& name, const QString& top)
{
    QFile file(QStringLiteral(TW_TEST_DATA_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1String("${TOP}"), top);
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void RunFixture::addFault(const QString& member, qint64 document, int version, const QString& message)
{
    store::FaultRule rule;
    rule.member = member;
    rule.library = QStringLiteral("LIB1");
    rule.document = document;
    rule.version = version;
    rule.message = message;
    m_fixture.store().addFaultRule(rule);
}

} // namespace tw::test
