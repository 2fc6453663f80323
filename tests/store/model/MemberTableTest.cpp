#include "ModelFixture.h"
#include "store/Services.h"
#include "store/model/StoreAccount.h"

#include <functional>

namespace {

using Account = std::shared_ptr<gw::Account>;

std::shared_ptr<gw::Document> doc(const Account& a, int number)
{
    return a->DocumentLibraries()->Item(1)->GetDocument(QString::number(number));
}

std::shared_ptr<gw::Version> ver(const Account& a, int number, int index)
{
    return doc(a, number)->DocumentVersions()->Item(index);
}

QString text(qint64 n)
{
    return QString::number(n);
}

QString date(const QDateTime& d)
{
    return d.isValid() ? d.toString(Qt::ISODate) : QStringLiteral("never");
}

struct MemberRead
{
    const char* name;
    std::function<QString(const Account&)> read;
    QString expected;
};

void PrintTo(const MemberRead& row, std::ostream* os)
{
    *os << row.name;
}

class MemberReadTest : public ModelFixture, public ::testing::WithParamInterface<MemberRead>
{
};

TEST_P(MemberReadTest, ReadsWhatTheStoreHolds)
{
    EXPECT_EQ(GetParam().read(login(QStringLiteral("AUTHOR"))), GetParam().expected);
}

const MemberRead kReads[] = {
    {"LibraryName", [](const Account& a) { return a->DocumentLibraries()->Item(1)->Name(); }, "LIB"},
    {"LibraryID", [](const Account& a) { return a->DocumentLibraries()->Item(1)->LibraryID(); }, "DOM.PO1.LIB"},
    {"Description", [](const Account& a) { return a->DocumentLibraries()->Item(1)->Description(); }, "Test library"},
    {"NextDocumentNumber", [](const Account& a) { return text(a->DocumentLibraries()->Item(1)->NextDocumentNumber()); },
     "3"},
    {"DefaultDocumentLibrary", [](const Account& a) { return a->DefaultDocumentLibrary()->LibraryID(); },
     "DOM.PO1.LIB"},
    {"DocumentTypes",
     [](const Account& a) { return a->DocumentLibraries()->Item(1)->DocumentTypes()->Item(1)->Name(); }, "Memo"},
    {"FieldDefinitionTypes",
     [](const Account& a) {
         auto defs = a->DocumentLibraries()->Item(1)->FieldDefinitions();
         QString out;
         for (int i = 1; i <= defs->Count(); ++i) {
             out += defs->Item(i)->Name() + QLatin1Char(':') + text(defs->Item(i)->FieldType()) + QLatin1Char(' ');
         }
         return out;
     },
     "Client:1 Amount:2 Due:3 "},
    {"Owner", [](const Account& a) { return a->Owner()->DisplayName(); }, "Ann Author"},
    {"ConvertOwner", [](const Account& a) { return a->ConvertEMailAddress(a->Owner(), 0); }, "DOM.PO1.AUTHOR"},
    {"ConvertVersionCreator", [](const Account& a) { return a->ConvertEMailAddress(ver(a, 1, 2)->Creator(), 0); },
     "DOM.PO1.EDITOR"},
    {"DocumentNumber", [](const Account& a) { return text(doc(a, 1)->DocumentNumber()); }, "1"},
    {"Subject", [](const Account& a) { return doc(a, 1)->Subject(); }, "Quarterly report"},
    {"Author", [](const Account& a) { return doc(a, 1)->Author()->DisplayName(); }, "Ann Author"},
    {"DocumentType", [](const Account& a) { return doc(a, 1)->DocumentType()->Name(); }, "Memo"},
    {"DocumentTypeNone", [](const Account& a) { return doc(a, 2)->DocumentType()->Name(); }, ""},
    {"CreationDate", [](const Account& a) { return date(doc(a, 1)->CreationDate()); }, "2020-01-02T03:04:05"},
    {"OfficialVersion", [](const Account& a) { return text(doc(a, 1)->OfficialVersion()->VersionNumber()); }, "1"},
    {"CurrentVersion", [](const Account& a) { return text(doc(a, 1)->CurrentVersion()->VersionNumber()); }, "2"},
    {"VersionCount", [](const Account& a) { return text(doc(a, 1)->DocumentVersions()->Count()); }, "2"},
    {"TextField",
     [](const Account& a) { return doc(a, 1)->Fields()->Item(QStringLiteral("Client"), 1)->Value().toString(); },
     "Acme"},
    {"NumericField",
     [](const Account& a) {
         return text(doc(a, 1)->Fields()->Item(QStringLiteral("Amount"), 2)->Value().toLongLong());
     },
     "42"},
    {"DateField",
     [](const Account& a) {
         return doc(a, 1)->Fields()->Item(QStringLiteral("Due"), 3)->Value().toDate().toString(Qt::ISODate);
     },
     "2021-06-30"},
    {"UnsetField",
     [](const Account& a) { return doc(a, 2)->Fields()->Item(QStringLiteral("Client"), 1)->Value().toString(); }, ""},
    {"VersionCreator", [](const Account& a) { return ver(a, 1, 2)->Creator()->DisplayName(); }, "Eve Editor"},
    {"NeverRetrieved", [](const Account& a) { return date(ver(a, 1, 1)->RetrievalDate()); }, "never"},
    {"RetrieverOfNeverRetrieved", [](const Account& a) { return ver(a, 1, 1)->Retriever()->DisplayName(); }, ""},
    {"ExpirationNever", [](const Account& a) { return date(ver(a, 1, 1)->ExpirationDate()); }, "never"},
    {"VersionDescription", [](const Account& a) { return ver(a, 1, 1)->Description(); }, "Draft"},
    {"OriginalFileType", [](const Account& a) { return ver(a, 1, 1)->OriginalFileType(); }, "doc"},
    {"StagedFileName", [](const Account& a) { return ver(a, 1, 1)->StagedFileName(); }, ""},
    {"Flags",
     [](const Account& a) {
         auto v = ver(a, 1, 1);
         return QStringLiteral("%1%2%3%4")
             .arg(v->Archived())
             .arg(v->CheckedOut())
             .arg(v->InUse())
             .arg(v->ConnectedReadWrite());
     },
     "0000"},
    {"CreatedEvent",
     [](const Account& a) {
         auto e = ver(a, 1, 2)->DocumentVersionEvents()->Item(1);
         return QString(text(e->EventType()) + QLatin1Char(' ') + e->User()->DisplayName());
     },
     "1 Eve Editor"},
    {"SharingCount", [](const Account& a) { return text(doc(a, 1)->AdditionalRights()->Count()); }, "4"},
    {"SharingUser", [](const Account& a) { return doc(a, 1)->AdditionalRights()->Item(1)->User()->DisplayName(); },
     "Vic Viewer"},
    {"SharingList", [](const Account& a) { return doc(a, 1)->AdditionalRights()->Item(3)->User()->DisplayName(); },
     "TEAM"},
    {"ExplicitDeny", [](const Account& a) { return text(doc(a, 1)->AdditionalRights()->Item(2)->RevokeAllRights()); },
     "1"},
    {"ModifySecurity", [](const Account& a) { return text(doc(a, 1)->AdditionalRights()->Item(4)->ModifySecurity()); },
     "1"},
    // The entry's modify-security flag shows as bit 8 of its level masks.
    {"SharingMask",
     [](const Account& a) {
         return text(doc(a, 1)->AdditionalRights()->Item(4)->SecurityOfficialVersion()->Bitmask());
     },
     "14"},
    {"CreatorRights",
     [](const Account& a) { return text(doc(a, 1)->AuthorCreatorRights()->SecurityOtherVersions()->Bitmask()); }, "47"},
    {"DefaultRights",
     [](const Account& a) { return text(doc(a, 2)->DefaultRights()->SecurityCurrentVersions()->Bitmask()); }, "4"},
};

INSTANTIATE_TEST_SUITE_P(Members, MemberReadTest, ::testing::ValuesIn(kReads),
                         [](const ::testing::TestParamInfo<MemberRead>& info) { return std::string(info.param.name); });

struct MemberWrite
{
    const char* name;
    std::function<void(const Account&)> write;
    std::function<QString(const Account&)> readBack;
    QString expected;
};

void PrintTo(const MemberWrite& row, std::ostream* os)
{
    *os << row.name;
}

class MemberWriteTest : public ModelFixture, public ::testing::WithParamInterface<MemberWrite>
{
};

// Each write is read back through a fresh login, so what counts is what the
// store holds, not what the writing object remembers.
TEST_P(MemberWriteTest, PersistsInTheStore)
{
    GetParam().write(login(QStringLiteral("AUTHOR")));
    EXPECT_EQ(GetParam().readBack(login(QStringLiteral("AUTHOR"))), GetParam().expected);
}

std::shared_ptr<gw::SharingEntry> entry(const Account& a, int index)
{
    return doc(a, 1)->AdditionalRights()->Item(index);
}

const MemberWrite kWrites[] = {
    {"Subject", [](const Account& a) { doc(a, 1)->setSubject(QStringLiteral("Unknown Subject")); },
     [](const Account& a) { return doc(a, 1)->Subject(); }, "Unknown Subject"},
    {"OriginalFileType", [](const Account& a) { ver(a, 1, 1)->setOriginalFileType(QStringLiteral("rtf")); },
     [](const Account& a) { return ver(a, 1, 1)->OriginalFileType(); }, "rtf"},
    {"Bitmask", [](const Account& a) { entry(a, 1)->SecurityCurrentVersions()->setBitmask(39); },
     [](const Account& a) {
         auto e = entry(a, 1);
         return QStringLiteral("%1 %2")
             .arg(e->SecurityOfficialVersion()->Bitmask())
             .arg(e->SecurityCurrentVersions()->Bitmask());
     },
     "4 39"},
    {"RevokeAllRights", [](const Account& a) { entry(a, 2)->setRevokeAllRights(false); },
     [](const Account& a) { return text(entry(a, 2)->RevokeAllRights()); }, "0"},
    {"ModifySecurity", [](const Account& a) { entry(a, 1)->setModifySecurity(true); },
     [](const Account& a) { return text(entry(a, 1)->ModifySecurity()); }, "1"},
    // Modify security is the entry's: bit 8 written at one level shows at every level, and
    // ModifySecurity false takes it away at every level.
    {"BitmaskModifySecurity", [](const Account& a) { entry(a, 1)->SecurityCurrentVersions()->setBitmask(12); },
     [](const Account& a) {
         auto e = entry(a, 1);
         return QStringLiteral("%1 %2").arg(e->SecurityOtherVersions()->Bitmask()).arg(e->ModifySecurity());
     },
     "12 1"},
    {"ModifySecurityTakenAway",
     [](const Account& a) {
         entry(a, 1)->SecurityOfficialVersion()->setBitmask(12);
         entry(a, 1)->setModifySecurity(false);
     },
     [](const Account& a) {
         auto e = entry(a, 1);
         return QStringLiteral("%1 %2").arg(e->SecurityOfficialVersion()->Bitmask()).arg(e->ModifySecurity());
     },
     "4 0"},
    {"DeleteEntry", [](const Account& a) { entry(a, 2)->Delete(); },
     [](const Account& a) {
         auto list = doc(a, 1)->AdditionalRights();
         return QString(text(list->Count()) + QLatin1Char(' ') + list->Item(2)->User()->DisplayName());
     },
     "3 TEAM"},
    {"AddEntry",
     [](const Account& a) {
         auto context = std::static_pointer_cast<store::StoreAccount>(a)->context();
         const qint64 row = context->store->userRow(QStringLiteral("STRANGER"));
         doc(a, 1)->AdditionalRights()->Add(store::makeUserEntry(context, row), 7);
     },
     [](const Account& a) {
         auto e = entry(a, 5);
         return QString(e->User()->DisplayName() + QLatin1Char(' ') + text(e->SecurityOtherVersions()->Bitmask()));
     },
     "Sam Stranger 7"},
    {"SecurityEvent", [](const Account& a) { entry(a, 1)->SecurityOtherVersions()->setBitmask(0); },
     [](const Account& a) {
         auto events = ver(a, 1, 1)->DocumentVersionEvents();
         return text(events->Item(events->Count())->EventType());
     },
     "19"},
};

INSTANTIATE_TEST_SUITE_P(Members, MemberWriteTest, ::testing::ValuesIn(kWrites),
                         [](const ::testing::TestParamInfo<MemberWrite>& info) {
                             return std::string(info.param.name);
                         });

struct BadCall
{
    const char* name;
    std::function<void(const Account&)> call;
    const char* message;
};

void PrintTo(const BadCall& row, std::ostream* os)
{
    *os << row.name;
}

class BadCallTest : public ModelFixture, public ::testing::WithParamInterface<BadCall>
{
};

TEST_P(BadCallTest, RaisesAnObjectModelError)
{
    const Account account = login(QStringLiteral("AUTHOR"));
    try {
        GetParam().call(account);
        FAIL() << "no error";
    } catch (const gw::Error& e) {
        EXPECT_TRUE(e.message().contains(QLatin1String(GetParam().message))) << e.message().toStdString();
    }
    // Nothing was changed by the refused call.
    EXPECT_EQ(doc(account, 1)->Subject(), QStringLiteral("Quarterly report"));
    EXPECT_EQ(doc(account, 1)->AdditionalRights()->Count(), 4);
}

auto getDocument(const char* number)
{
    return [number](const Account& a) { a->DocumentLibraries()->Item(1)->GetDocument(QLatin1String(number)); };
}

const BadCall kBadCalls[] = {
    {"NumberNotANumber", getDocument("abc"), "Invalid document number: abc"},
    {"NumberZero", getDocument("0"), "Invalid document number: 0"},
    {"NumberNegative", getDocument("-5"), "Invalid document number: -5"},
    {"NumberHuge", getDocument("99999999999999999999"), "Invalid document number"},
    {"NumberWithQuote", getDocument("1' OR '1'='1"), "Invalid document number"},
    {"NumberUnused", getDocument("3"), "Document 3 does not exist in library LIB"},
    {"ItemZero", [](const Account& a) { a->DocumentLibraries()->Item(0); }, "Index 0 is outside the collection"},
    {"ItemPastEnd", [](const Account& a) { doc(a, 1)->DocumentVersions()->Item(3); }, "Index 3 is outside"},
    {"FieldUnknown", [](const Account& a) { doc(a, 1)->Fields()->Item(QStringLiteral("Nope"), 1); }, "not defined"},
    {"FieldWrongType", [](const Account& a) { doc(a, 1)->Fields()->Item(QStringLiteral("Client"), 2); }, "not defined"},
    {"MaskTooLarge", [](const Account& a) { entry(a, 1)->SecurityOfficialVersion()->setBitmask(64); },
     "An invalid argument"},
    {"MaskNegative", [](const Account& a) { entry(a, 1)->SecurityOfficialVersion()->setBitmask(-1); },
     "An invalid argument"},
    {"ConvertMode", [](const Account& a) { a->ConvertEMailAddress(a->Owner(), 1); }, "An invalid argument"},
    {"CheckInMode", [](const Account& a) { ver(a, 1, 1)->CheckIn(QStringLiteral("/tmp/x"), 1); },
     "An invalid argument"},
    {"ReferenceClass",
     [](const Account& a) {
         a->DocumentsFolder()->Messages()->Add(QStringLiteral("GW.MESSAGE.MAIL"), ver(a, 1, 1), 2);
     },
     "An invalid argument"},
    {"TrashUnknownId", [](const Account& a) { a->Trash()->TrashEntries()->ItemEx(QStringLiteral("nope")); },
     "No entry nope in the trash"},
};

INSTANTIATE_TEST_SUITE_P(Members, BadCallTest, ::testing::ValuesIn(kBadCalls),
                         [](const ::testing::TestParamInfo<BadCall>& info) { return std::string(info.param.name); });

} // namespace
