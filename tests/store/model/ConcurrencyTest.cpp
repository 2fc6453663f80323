#include "ModelFixture.h"

#include <QThread>
#include <atomic>

namespace {

class ConcurrencyTest : public ModelFixture
{
};

// A reader on its own thread (its own connection) walks the documents while
// this thread checks versions out and in: neither fails, and the reader only
// ever sees whole states (a version checked out has its retriever).
TEST_F(ConcurrencyTest, AReaderThreadAndAWriterDoNotDisturbEachOther)
{
    std::atomic<bool> stop {false};
    std::atomic<int> walks {0};
    QString readerError;
    QThread* reader = QThread::create([&] {
        try {
            auto lib = library(login(QStringLiteral("LIBR")));
            while (!stop) {
                auto versions = lib->GetDocument(QStringLiteral("1"))->DocumentVersions();
                for (int i = 1; i <= versions->Count(); ++i) {
                    auto v = versions->Item(i);
                    if (v->CheckedOut() && v->Retriever()->DisplayName().isEmpty()) {
                        readerError = QStringLiteral("checked out without a retriever");
                    }
                }
                ++walks;
            }
        } catch (const gw::Error& e) {
            readerError = e.message();
        }
        m_store->releaseThreadConnection();
    });
    reader->start();
    for (int round = 0; round < 15; ++round) {
        auto v = version(QStringLiteral("AUTHOR"), 1, 1 + round % 2);
        const QString file = path(QStringLiteral("round%1.doc").arg(round));
        v->CheckOut(file);
        writeFile(file, QByteArray::number(round));
        v->CheckIn(file, 0);
    }
    stop = true;
    reader->wait();
    delete reader;
    EXPECT_TRUE(readerError.isEmpty()) << readerError.toStdString();
    EXPECT_GT(walks.load(), 0);
    // Every check-in of both versions arrived: each holds its last round.
    for (int v : {1, 2}) {
        auto events = version(QStringLiteral("AUTHOR"), 1, v)->DocumentVersionEvents();
        EXPECT_EQ(readFile(events->Item(events->Count())->FileName()), QByteArray::number(v == 1 ? 14 : 13));
    }
}

} // namespace
