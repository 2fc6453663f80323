#include "ModelFixture.h"
#include "store/StoreBuilder.h"
#include "store/salvage/SalvageArea.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

class TransferTest : public ModelFixture
{
protected:
    QString out(const QString& name) { return path(name); }

    std::vector<int> eventTypes(const std::shared_ptr<gw::Version>& v)
    {
        std::vector<int> types;
        auto events = v->DocumentVersionEvents();
        for (int i = 1; i <= events->Count(); ++i) {
            types.push_back(events->Item(i)->EventType());
        }
        return types;
    }

    QString contentPath(const std::shared_ptr<gw::Version>& v)
    {
        auto events = v->DocumentVersionEvents();
        return events->Item(events->Count())->FileName();
    }
};

TEST_F(TransferTest, CheckOutWritesTheContentAndMarksTheVersion)
{
    auto v = version(QStringLiteral("AUTHOR"), 1, 2);
    v->CheckOut(out(QStringLiteral("1_2.doc")));
    EXPECT_EQ(readFile(out(QStringLiteral("1_2.doc"))), kVersion2);
    auto again = version(QStringLiteral("AUTHOR"), 1, 2);
    EXPECT_TRUE(again->CheckedOut());
    EXPECT_EQ(again->Retriever()->DisplayName(), QStringLiteral("Ann Author"));
    EXPECT_TRUE(again->RetrievalDate().isValid());
    EXPECT_EQ(again->StagedFileName(), out(QStringLiteral("1_2.doc")));
    EXPECT_EQ(eventTypes(again), (std::vector<int> {gw::EventCreated, gw::EventCheckedOut}));
}

TEST_F(TransferTest, CheckOutNeverOverwritesAnExistingFile)
{
    writeFile(out(QStringLiteral("1_1.doc")), "unreturned edits");
    auto v = version(QStringLiteral("AUTHOR"), 1, 1);
    EXPECT_THROW(v->CheckOut(out(QStringLiteral("1_1.doc"))), gw::Error);
    EXPECT_EQ(readFile(out(QStringLiteral("1_1.doc"))), QByteArray("unreturned edits"));
    EXPECT_FALSE(version(QStringLiteral("AUTHOR"), 1, 1)->CheckedOut());
}

TEST_F(TransferTest, AVersionHeldByAnotherUserCannotBeTakenOrReturned)
{
    version(QStringLiteral("EDITOR"), 1, 1)->CheckOut(out(QStringLiteral("editor.doc")));
    auto mine = version(QStringLiteral("AUTHOR"), 1, 1);
    EXPECT_THROW(mine->CheckOut(out(QStringLiteral("author.doc"))), gw::Error);
    EXPECT_FALSE(QFileInfo::exists(out(QStringLiteral("author.doc"))));
    writeFile(out(QStringLiteral("author.doc")), "not mine to return");
    EXPECT_THROW(mine->CheckIn(out(QStringLiteral("author.doc")), 0), gw::Error);
    auto held = version(QStringLiteral("AUTHOR"), 1, 1);
    EXPECT_EQ(held->Retriever()->DisplayName(), QStringLiteral("Eve Editor"));
    EXPECT_EQ(readFile(contentPath(held)), kVersion1);
}

TEST_F(TransferTest, ViewRightsAloneDoNotAllowACheckOut)
{
    EXPECT_THROW(version(QStringLiteral("VIEWER"), 1, 1)->CheckOut(out(QStringLiteral("v.doc"))), gw::Error);
    EXPECT_FALSE(QFileInfo::exists(out(QStringLiteral("v.doc"))));
}

TEST_F(TransferTest, CheckInStoresTheFileAndSalvagesTheOldContent)
{
    auto v = version(QStringLiteral("AUTHOR"), 1, 1);
    v->CheckOut(out(QStringLiteral("1_1.doc")));
    const QString oldContent = contentPath(v);
    const QByteArray edited = QByteArray("edited\0bytes", 12) + QByteArray(100000, 'e');
    writeFile(out(QStringLiteral("1_1.doc")), edited);
    v->CheckIn(out(QStringLiteral("1_1.doc")), 0);
    EXPECT_FALSE(v->CheckedOut());

    auto back = version(QStringLiteral("AUTHOR"), 1, 1);
    EXPECT_FALSE(back->CheckedOut());
    EXPECT_EQ(readFile(contentPath(back)), edited);
    EXPECT_NE(contentPath(back), oldContent);
    EXPECT_FALSE(QFileInfo::exists(oldContent));
    EXPECT_EQ(eventTypes(back),
              (std::vector<int> {gw::EventCreated, gw::EventCheckedOut, gw::EventDeleted, gw::EventCheckedIn}));
    // The replaced content can be salvaged under its own name.
    store::SalvageArea area(QFileInfo(oldContent).absolutePath());
    ASSERT_EQ(area.entries().size(), 1u);
    EXPECT_EQ(readFile(area.contentPath(area.entries().front().sequence)), kVersion1);
    // The checked-in file is the caller's: it stays for the caller to delete.
    EXPECT_EQ(readFile(out(QStringLiteral("1_1.doc"))), edited);
}

TEST_F(TransferTest, CheckInWithoutArgumentsUsesTheStagedFileOrOnlyClearsTheFlag)
{
    auto staged = version(QStringLiteral("AUTHOR"), 1, 1);
    staged->CheckOut(out(QStringLiteral("staged.doc")));
    writeFile(out(QStringLiteral("staged.doc")), "from the staged file");
    staged->CheckIn();
    EXPECT_EQ(readFile(contentPath(version(QStringLiteral("AUTHOR"), 1, 1))), QByteArray("from the staged file"));

    auto gone = version(QStringLiteral("AUTHOR"), 1, 2);
    gone->CheckOut(out(QStringLiteral("gone.doc")));
    QFile::remove(out(QStringLiteral("gone.doc")));
    gone->CheckIn();
    auto after = version(QStringLiteral("AUTHOR"), 1, 2);
    EXPECT_FALSE(after->CheckedOut());
    EXPECT_EQ(readFile(contentPath(after)), kVersion2);
}

TEST_F(TransferTest, CheckoutWithoutAFileThenCheckInRestoresContent)
{
    auto v = version(QStringLiteral("AUTHOR"), 1, 2);
    v->Checkout();
    EXPECT_TRUE(v->CheckedOut());
    writeFile(out(QStringLiteral("restored.doc")), "restored");
    v->CheckIn(out(QStringLiteral("restored.doc")), 0);
    EXPECT_EQ(readFile(contentPath(version(QStringLiteral("AUTHOR"), 1, 2))), QByteArray("restored"));
}

TEST_F(TransferTest, CopyoutWritesACopyAndRecordsTheExport)
{
    auto v = version(QStringLiteral("VIEWER"), 1, 2);
    writeFile(out(QStringLiteral("copy.doc")), "left by an earlier run");
    v->Copyout(out(QStringLiteral("copy.doc")));
    EXPECT_EQ(readFile(out(QStringLiteral("copy.doc"))), kVersion2);
    EXPECT_FALSE(v->CheckedOut());
    EXPECT_EQ(eventTypes(version(QStringLiteral("AUTHOR"), 1, 2)).back(), gw::EventExported);
    // No temporary files are left beside the copy.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(TransferTest, CopyoutOfAnEarlierFetchCopiesTheContentCheckedInSince)
{
    auto fetchedBefore = version(QStringLiteral("VIEWER"), 1, 2);
    auto edit = version(QStringLiteral("AUTHOR"), 1, 2);
    edit->CheckOut(out(QStringLiteral("edit.doc")));
    writeFile(out(QStringLiteral("edit.doc")), "checked in since");
    edit->CheckIn(out(QStringLiteral("edit.doc")), 0);
    fetchedBefore->Copyout(out(QStringLiteral("copy.doc")));
    EXPECT_EQ(readFile(out(QStringLiteral("copy.doc"))), QByteArray("checked in since"));
}

TEST_F(TransferTest, CopyoutCarriesLargeContentToAnotherFileSystem)
{
    // The kernel copies within one file system; across two the bytes go through a buffer.
    QTemporaryDir elsewhere(QStringLiteral("/dev/shm/tw-transfer-XXXXXX"));
    if (!elsewhere.isValid()) {
        GTEST_SKIP() << "no second file system at /dev/shm";
    }
    auto v = version(QStringLiteral("AUTHOR"), 1, 2);
    QByteArray big;
    for (int i = 0; big.size() < 300000; ++i) {
        big += QByteArray::number(i) + ',';
    }
    writeFile(contentPath(v), big);
    for (const QString& target : {out(QStringLiteral("big.doc")), elsewhere.filePath(QStringLiteral("big.doc"))}) {
        version(QStringLiteral("VIEWER"), 1, 2)->Copyout(target);
        EXPECT_EQ(readFile(target), big) << target.toStdString();
    }
}

TEST_F(TransferTest, PurgedContentFailsToCopyOutAndComesBackThroughCheckIn)
{
    auto v = version(QStringLiteral("AUTHOR"), 1, 1);
    const QString content = contentPath(v);
    store::StoreBuilder(*m_store).purgeVersion(QStringLiteral("LIB"), 1, 1, QStringLiteral("LIBR"));
    EXPECT_FALSE(QFileInfo::exists(content));
    EXPECT_THROW(v->Copyout(out(QStringLiteral("x.doc"))), gw::Error);
    EXPECT_FALSE(QFileInfo::exists(out(QStringLiteral("x.doc"))));

    store::SalvageArea area(QFileInfo(content).absolutePath());
    ASSERT_EQ(area.entries().size(), 1u);
    ASSERT_EQ(area.recover(area.entries().front().sequence, QFileInfo(content).fileName()),
              store::SalvageArea::RecoverResult::Recovered);
    auto restore = version(QStringLiteral("AUTHOR"), 1, 1);
    restore->Checkout();
    restore->CheckIn(content, 0);
    // The salvaged file was the source of the check-in: the caller deletes it.
    EXPECT_TRUE(QFileInfo::exists(content));
    QFile::remove(content);
    auto back = version(QStringLiteral("AUTHOR"), 1, 1);
    EXPECT_EQ(readFile(contentPath(back)), kVersion1);
}

} // namespace
