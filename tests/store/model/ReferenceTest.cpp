#include "ModelFixture.h"

namespace {

class ReferenceTest : public ModelFixture
{
};

// The size measurement's round: a reference to a version in the Documents
// folder, its size, its deletion into the trash and its removal from there.
TEST_F(ReferenceTest, AReferenceGoesThroughTheFolderAndTheTrash)
{
    auto account = login(QStringLiteral("AUTHOR"));
    auto version = library(account)->GetDocument(QStringLiteral("1"))->DocumentVersions()->Item(2);
    auto messages = account->DocumentsFolder()->Messages();
    auto reference = messages->Add(QStringLiteral("GW.MESSAGE.DOCUMENTREFERENCE"), version, 2);
    EXPECT_EQ(reference->DocumentSize(), kVersion2.size());
    EXPECT_EQ(reference->Document()->DocumentNumber(), 1);
    EXPECT_EQ(reference->DocumentVersion()->VersionNumber(), 2);
    EXPECT_EQ(account->DocumentsFolder()->Messages()->Count(), 1);

    const QString id = reference->MessageID();
    auto trash = account->Trash();
    EXPECT_THROW(trash->TrashEntries()->ItemEx(id), gw::Error);
    reference->Delete();
    EXPECT_EQ(account->DocumentsFolder()->Messages()->Count(), 0);
    // The trash shows the deleted reference only after a Refresh.
    EXPECT_THROW(trash->TrashEntries()->ItemEx(id), gw::Error);
    trash->Refresh();
    auto entry = trash->TrashEntries()->ItemEx(id);
    entry->Delete();
    trash->Refresh();
    EXPECT_EQ(trash->TrashEntries()->Count(), 0);
    EXPECT_THROW(entry->Delete(), gw::Error);
    // The document itself is untouched.
    EXPECT_EQ(document(QStringLiteral("AUTHOR"), 1)->DocumentVersions()->Count(), 2);
}

TEST_F(ReferenceTest, ReferencesBelongToTheirOwner)
{
    auto author = login(QStringLiteral("AUTHOR"));
    auto version = library(author)->GetDocument(QStringLiteral("2"))->DocumentVersions()->Item(1);
    author->DocumentsFolder()->Messages()->Add(QStringLiteral("GW.MESSAGE.DOCUMENTREFERENCE"), version, 2);
    EXPECT_EQ(login(QStringLiteral("VIEWER"))->DocumentsFolder()->Messages()->Count(), 0);
    EXPECT_EQ(author->DocumentsFolder()->Messages()->Count(), 1);
}

TEST_F(ReferenceTest, FindSelectsReferencesByTheQueryLanguage)
{
    auto account = login(QStringLiteral("AUTHOR"));
    auto lib = library(account);
    auto messages = account->DocumentsFolder()->Messages();
    for (int number : {1, 2}) {
        auto versions = lib->GetDocument(QString::number(number))->DocumentVersions();
        for (int i = 1; i <= versions->Count(); ++i) {
            messages->Add(QStringLiteral("GW.MESSAGE.DOCUMENTREFERENCE"), versions->Item(i), 2);
        }
    }
    const QString probe = QStringLiteral("(DOCREFERENCE AND DOCUMENT_NUMBER = 1 AND VERSION_NUMBER = 2 AND SIZE > %1)");
    EXPECT_EQ(messages->Find(probe.arg(kVersion2.size() - 1))->Count(), 1);
    EXPECT_EQ(messages->Find(probe.arg(kVersion2.size()))->Count(), 0);
    EXPECT_THROW(messages->Find(QStringLiteral("(DOCREFERENCE AND")), gw::Error);
}

} // namespace
