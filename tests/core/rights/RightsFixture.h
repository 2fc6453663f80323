#pragma once

#include "RunFixture.h"
#include "core/lists/ResultSink.h"
#include "gw/ObjectModel.h"
#include "store/StoreBuilder.h"

#include <vector>

namespace tw::test {

// A result list that keeps the rows in the order they came.
class RowRecorder : public ResultSink
{
public:
    void clearRows() override
    {
        rows.clear();
        ++clears;
    }
    void addRow(ResultRow row) override { rows.push_back(std::move(row)); }
    void setColumnCaption(int column, const QString& text) override
    {
        if (column == 3)
            caption = text;
    }

    std::vector<ResultRow> rows;
    QString caption; // the fourth column's
    int clears = 0;
};

// The run fixture's library with sharing rights ("Ann Archer" is the librarian; the names are
// the address book's display names):
//   1 (v1 official, v2 current): creator 47, general official 4 / current 6 / other 0;
//     sharing Bob Baker 6/38/4, "Zed Gone" (nobody in the system) 4/4/4, Team (explicit deny)
//   2: creator 63 everywhere, general 36; sharing Team (explicit deny, first), Bob Baker 4,
//     a second "Bob Baker" (nobody's entry) 39
//   4: creator 47, general 0; sharing "BOB BAKER" (nobody) 6
class RightsFixture : public RunFixture
{
protected:
    RightsFixture()
    {
        using store::LevelMasks;
        using store::SharingSpec;
        store::StoreBuilder& b = m_fixture.builder();
        store::RightsSpec one;
        one.creator = LevelMasks {47, 47, 47};
        one.general = LevelMasks {4, 6, 0};
        one.sharing = QList<SharingSpec> {{"BOB", {6, 38, 4}, false, false},
                                          {"Zed Gone", {4, 4, 4}, false, false},
                                          {"Team", {39, 39, 39}, true, false}};
        b.setRights("LIB1", 1, one);
        store::RightsSpec two;
        two.creator = LevelMasks {63, 63, 63};
        two.general = LevelMasks {36, 36, 36};
        two.sharing = QList<SharingSpec> {{"Team", {0, 0, 0}, true, false},
                                          {"BOB", {4, 4, 4}, false, false},
                                          {"Bob Baker", {39, 39, 39}, false, false}};
        b.setRights("LIB1", 2, two);
        store::RightsSpec four;
        four.creator = LevelMasks {47, 47, 47};
        four.general = LevelMasks {0, 0, 0};
        four.sharing = QList<SharingSpec> {{"BOB BAKER", {6, 6, 6}, false, false}};
        b.setRights("LIB1", 4, four);
    }

    static QStringList knownNames()
    {
        return {QStringLiteral("Ann Archer"), QStringLiteral("Bob Baker"), QStringLiteral("Carol Cook"),
                QStringLiteral("Team"), QStringLiteral("<Strays>")};
    }

    std::shared_ptr<gw::Document> document(qint64 number)
    {
        return m_refs.selectedLibrary->GetDocument(QString::number(number));
    }

    // The sharing list as "name official/current/other" (with " denied" for an explicit deny).
    QStringList sharing(qint64 number)
    {
        QStringList entries;
        const auto list = document(number)->AdditionalRights();
        for (int i = 1; i <= list->Count(); ++i) {
            const auto e = list->Item(i);
            entries.append(e->User()->DisplayName() + QLatin1Char(' ')
                           + QString::number(e->SecurityOfficialVersion()->Bitmask()) + QLatin1Char('/')
                           + QString::number(e->SecurityCurrentVersions()->Bitmask()) + QLatin1Char('/')
                           + QString::number(e->SecurityOtherVersions()->Bitmask())
                           + (e->RevokeAllRights() ? QStringLiteral(" denied") : QString())
                           + (e->ModifySecurity() ? QStringLiteral(" modify") : QString()));
        }
        return entries;
    }

    bool logHas(const QString& line) { return logText().contains(QLatin1Char('\t') + line + QStringLiteral("\r\n")); }
    // The messages of the daily log's lines, in order (the text after the time stamp).
    QStringList logMessages()
    {
        QStringList messages;
        for (const QString& line : logText().split(QStringLiteral("\r\n"))) {
            if (line.contains(QLatin1Char('\t')))
                messages.append(line.section(QLatin1Char('\t'), 1));
        }
        return messages;
    }

    RowRecorder m_rows;
};

} // namespace tw::test
