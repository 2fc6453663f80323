// Feeds every file of the corpus folders (or the files) named on the command line to the fuzz target
// once, as libFuzzer replays a corpus, so that a committed corpus runs as an ordinary test built with
// any compiler. A failed check aborts; a run that finds no input at all fails too, so a misplaced
// corpus cannot pass unnoticed.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

QFileInfoList inputsOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return {info};
    return QDir(path).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

int main(int argc, char** argv)
{
    int fed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const QFileInfo& input : inputsOf(QString::fromLocal8Bit(argv[i]))) {
            QFile file(input.filePath());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qUtf8Printable(input.filePath()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            std::printf("%s\n", qUtf8Printable(input.fileName()));
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++fed;
        }
    }
    std::printf("%d inputs\n", fed);
    return fed > 0 ? 0 : 1;
}
