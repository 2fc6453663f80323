#include "SmallLibrary.h"

#include "store/Store.h"
#include "store/StoreBuilder.h"

namespace tw::test {

void addSmallLibrary(store::StoreBuilder& s)
{
    s.addLibrary(QStringLiteral("PO1"), QStringLiteral("LIB1"), QStringLiteral("First"));
    s.setDefaultLibrary(QStringLiteral("ANN"), QStringLiteral("LIB1"));
    store::NewDocument doc;
    doc.library = QStringLiteral("LIB1");
    doc.author = QStringLiteral("ANN");
    store::NewVersion version;
    version.fileType = QStringLiteral("txt");
    const struct
    {
        qint64 number;
        const char* subject;
    } documents[] = {{1, "Alpha"}, {2, "Beta"}, {4, "Delta"}};
    for (const auto& entry : documents) {
        doc.number = entry.number;
        doc.subject = QString::fromLatin1(entry.subject);
        version.content = QByteArray("content of ") + entry.subject;
        s.importDocument(doc, version);
    }
    version.content = "second of Beta";
    s.addVersion(QStringLiteral("LIB1"), 2, version);
}

} // namespace tw::test
