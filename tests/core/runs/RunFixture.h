#pragma once

#include "RecordingView.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/RunState.h"
#include "core/docinfo/CustomFields.h"
#include "core/docinfo/FieldCatalogue.h"
#include "core/query/QueryRunner.h"
#include "core/runs/RunServices.h"
#include "support/FixtureStore.h"
#include "support/ScriptedHost.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw::test {

// A small library for mass runs, LIB1 (ANN is its librarian), with a gap in
// its numbers:
//   1 "Budget 2004" by ANN, Memo, Client Acme: v1 alpha.txt created 04/03/2025 09:30:00,
//     v2 beta.txt created 05/03/2025 10:00:01 and retrieved by BOB 02/01/2026 14:15:17
//   2 "reports\2004\budget" by BOB, Letter, no Client: v1 .doc created 06/03/2025 08:00:00
//   4 "???" by CAROL, Memo, Client "..": v1 .xls created 07/03/2025 12:00:03
// (each document created with its first version) and LIB2, empty. Dates and locale are pinned;
// report heads carry 09/12/2026 10:11:12.
class RunFixture : public testing::Test
{
protected:
    RunFixture();
    ~RunFixture() override;

    // Logs in as ANN and selects `library`.
    void open(const QString& library = QStringLiteral("LIB1"));
    RunServices services();
    QString logText();
    QString reportDir() const { return m_reportDir.path() + QLatin1Char('/'); }
    QStringList readLines(const QString& path);
    // The lines of tests/data/<name>, with ${TOP} replaced by `top`.
    static QStringList expectedLines(const QString& name, const QString& top = QString());
    void addFault(const QString& member, qint64 document, int version, const QString& message);

    FixtureStore m_fixture;
    QTemporaryDir m_logDir;
    QTemporaryDir m_reportDir;
    ScriptedHost m_host;
    RecordingView m_view;
    OperationLog m_log {m_logDir.path(), QStringLiteral("Tarnwick (1.0.0.1)"), &m_host};
    std::shared_ptr<gw::Platform> m_platform;
    GwRefs m_refs;
    RunState m_state;
    CustomFields m_custom;
    bool m_useUserId = false;
    FieldCatalogue m_catalogue {m_refs, m_log, m_host, [this] { return m_useUserId; }};
    QString m_expression = QStringLiteral("DOCREFERENCE");
    QueryRunner m_queryRunner {m_refs, m_state, m_log, m_host, [this] { return m_expression; }};
};

} // namespace tw::test
