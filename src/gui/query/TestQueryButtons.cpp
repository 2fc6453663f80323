#include "TestQueryButtons.h"

#include "core/app/GwRefs.h"
#include "core/app/LibraryCheck.h"
#include "core/app/OperationLog.h"
#include "core/app/RunState.h"
#include "core/query/QueryRunner.h"
#include "gui/widgets/SearchCriteriaPanel.h"
#include "gw/Error.h"

#include <QLabel>
#include <QPushButton>

namespace tw {

TestQueryButtons::TestQueryButtons(QueryRunner& runner, RunState& state, GwRefs& refs, OperationLog& log,
                                   RunOperation run, QObject* parent)
    : QObject(parent), m_runner(runner), m_state(state), m_refs(refs), m_log(log), m_run(std::move(run))
{
}

void TestQueryButtons::add(SearchCriteriaPanel* panel, const QString& word)
{
    connect(panel->testQueryButton(), &QPushButton::clicked, this, [this, panel, word] { testQuery(panel, word); });
}

void TestQueryButtons::testQuery(SearchCriteriaPanel* panel, const QString& word)
{
    // A busy program ignores the click; the frame turns Close into Cancel and
    // always ends idle with "Close", whatever the query raises.
    m_run([&] {
        QLabel* result = panel->resultLine();
        result->setText(QStringLiteral("Running Query"));
        m_log.ErrorCheck(QStringLiteral("Starting Test ") + word + QStringLiteral(" Query"), true, false);
        m_log.ErrorCheck(QString(), false, true);
        m_log.ErrorCheck(QStringLiteral("Starting Test ") + word + QStringLiteral(" Query - ") + m_state.QueryString,
                         false, true);
        m_log.ErrorCheck(QString(), false, true);
        if (const QString missing = missingForLibraryWork(m_refs); !missing.isEmpty()) {
            result->clear();
            throw gw::Error(missing);
        }
        int found = 0;
        try {
            found = m_runner.RunQuery();
        } catch (...) {
            result->clear(); // no count to show; the frame reports the error
            throw;
        }
        result->setText(QStringLiteral("Query returned %1 documents").arg(found));
        m_log.ErrorCheck(QStringLiteral("Completed Test ") + word + QStringLiteral(" Query"), true, true);
    });
}

} // namespace tw
