// A client that checks versions in and copies them out without pause until it
// is killed; the kill test judges the store it leaves behind.
#include "gw/ObjectModel.h"
#include "store/Store.h"
#include "store/model/StoreSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s STORE WORKDIR\n", argv[0]);
        return 2;
    }
    try {
        auto store = store::Store::open(QString::fromLocal8Bit(argv[1]));
        const QDir work(QString::fromLocal8Bit(argv[2]));
        auto account = store::StoreSession(store).Login(QStringLiteral("AUTHOR"), QString(), QString(), 0);
        auto library = account->DocumentLibraries()->Item(1);
        for (int i = 0;; ++i) {
            auto version = library->GetDocument(QStringLiteral("1"))->DocumentVersions()->Item(1 + i % 2);
            const QString edit = work.filePath(QStringLiteral("edit%1.doc").arg(i));
            version->CheckOut(edit);
            QFile file(edit);
            if (!file.open(QIODevice::WriteOnly)) {
                return 3;
            }
            // Every payload this client writes ends in END: a whole file is
            // one that still does.
            file.write(QByteArray::number(i) + ':' + QByteArray(150000 + i % 7, 'x') + "END");
            file.close();
            version->CheckIn(edit, 0);
            QFile::remove(edit);
            version->Copyout(work.filePath(QStringLiteral("export.doc")));
            std::printf("%d\n", i);
            std::fflush(stdout);
        }
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
}
