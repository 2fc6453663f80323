#pragma once

#include "RightsFixture.h"

namespace tw::test {

// LIB1 of the run fixture with one version for each case of the preset tests, numbered with
// a gap at 6 and 7 (general users hold full rights unless a case says otherwise):
//   5 "  \t" (blanks and a control character): v1
//   8 "Flags" by BOB: v1 checked out and in use (retrieved by Carol Cook on 02/01/2026
//     14:15:17), v2 only in use (retrieved by Bob Baker), v3 only connected read-write, v4
//     archived and staged as "stage/8-4.doc", v5 with an empty file
//   9 "Shared": one sharing entry and general users with view only
//   10 "Open": no sharing list; general users view only at the official level (v1) and view
//     and edit at the current level (v2)
class PresetFixture : public RightsFixture
{
protected:
    PresetFixture()
    {
        using store::LevelMasks;
        store::StoreBuilder& b = m_fixture.builder();
        addDocument(5, "  \t", "ANN", 1);
        addDocument(8, "Flags", "BOB", 5);
        store::VersionState both;
        both.checkedOut = true;
        both.inUse = true;
        both.retriever = QStringLiteral("CAROL");
        both.retrieved = QDateTime(QDate(2026, 1, 2), QTime(14, 15, 17));
        b.setVersionState("LIB1", 8, 1, both);
        store::VersionState inUse;
        inUse.inUse = true;
        inUse.retriever = QStringLiteral("BOB");
        b.setVersionState("LIB1", 8, 2, inUse);
        store::VersionState readWrite;
        readWrite.readWrite = true;
        b.setVersionState("LIB1", 8, 3, readWrite);
        store::VersionState archived;
        archived.archived = true;
        archived.stagedFile = QStringLiteral("stage/8-4.doc");
        b.setVersionState("LIB1", 8, 4, archived);
        addDocument(9, "Shared", "ANN", 1);
        b.setRights("LIB1", 9,
                    {{}, LevelMasks {4, 4, 4}, QList<store::SharingSpec> {{"BOB", {4, 4, 4}, false, false}}});
        addDocument(10, "Open", "ANN", 2);
        b.setRights("LIB1", 10, {{}, LevelMasks {4, 6, 0}, QList<store::SharingSpec> {}});
        for (qint64 n : {1, 2, 4, 5, 8})
            b.setRights("LIB1", n, {{}, LevelMasks {47, 47, 47}, QList<store::SharingSpec> {}});
    }

    void addDocument(qint64 number, const char* subject, const char* author, int versions)
    {
        store::StoreBuilder& b = m_fixture.builder();
        const QDateTime created(QDate(2025, 4, 1), QTime(9, 0, 0));
        store::NewDocument doc {"LIB1", number, subject, author, {}, {}, created, {}};
        store::NewVersion first;
        first.content = "content";
        first.fileType = "doc";
        first.created = created;
        b.importDocument(doc, first);
        for (int v = 2; v <= versions; ++v) {
            store::NewVersion next = first;
            if (v == 5)
                next.content.clear();
            b.addVersion("LIB1", number, next);
        }
    }
};

} // namespace tw::test
