#include "core/app/BoundedLineReader.h"

#include "support/GTestQt.h"

#include <QIODevice>
#include <gtest/gtest.h>

namespace {

using tw::BoundedLineReader;
using Ends = BoundedLineReader::Ends;

// Hands out its bytes a few at a time, so that the reader's blocks end inside lines and between
// a CR and its LF.
class TricklingDevice : public QIODevice
{
public:
    explicit TricklingDevice(QByteArray bytes) : m_bytes(std::move(bytes)) { open(ReadOnly | Unbuffered); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 size = std::min<qint64>({maxSize, 3, m_bytes.size() - m_at});
        std::copy_n(m_bytes.constData() + m_at, size, data);
        m_at += size;
        return size;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_at = 0;
};

struct ReadCase
{
    const char* name;
    QByteArray bytes;
    Ends ends;
    QStringList lines; // "number:bytes", "number:TOO LONG", "number:...(no end)" for the last without one
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class BoundedLineReaderTest : public testing::TestWithParam<ReadCase>
{
};

TEST_P(BoundedLineReaderTest, ReadsEachLineOrTellsItTooLong)
{
    TricklingDevice device(GetParam().bytes);
    BoundedLineReader reader(device, GetParam().ends, 5);
    QStringList lines;
    BoundedLineReader::Line line;
    while (reader.next(&line)) {
        const QString text = line.tooLong ? QStringLiteral("TOO LONG") : QString::fromUtf8(line.bytes);
        lines.append(QString::number(line.number) + ':' + text + (line.ended ? "" : "(no end)"));
    }
    EXPECT_EQ(lines, GetParam().lines);
    EXPECT_FALSE(reader.failed());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BoundedLineReaderTest,
    testing::Values(
        ReadCase {"Empty", "", Ends::Lf, {}}, ReadCase {"FinalEndMakesNoLine", "ab\ncd\n", Ends::Lf, {"1:ab", "2:cd"}},
        ReadCase {"LastLineWithoutEnd", "ab\n\ncd", Ends::Lf, {"1:ab", "2:", "3:cd(no end)"}},
        ReadCase {"CrStaysWithLf", "ab\r\ncd\r", Ends::Lf, {"1:ab\r", "2:cd\r(no end)"}},
        ReadCase {"CrOrLf", "ab\r\ncd\ref", Ends::CrOrLf, {"1:ab", "2:", "3:cd", "4:ef(no end)"}},
        ReadCase {"AtTheLimit", "abcde\nabcdef\nxy\n", Ends::Lf, {"1:abcde", "2:TOO LONG", "3:xy"}},
        ReadCase {"TooLongLastLine", "ab\nabcdefghijklmnop", Ends::Lf, {"1:ab", "2:TOO LONG(no end)"}},
        // Characters, not bytes: five two-byte characters are within the limit, six are not.
        ReadCase {"CharactersCounted",
                  "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\n\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\n",
                  Ends::Lf,
                  {"1:\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", "2:TOO LONG"}},
        // Bytes that continue no character still bound the line: at most four for each allowed.
        ReadCase {"StrayContinuationBytes", QByteArray(21, '\x80') + "\nok\n", Ends::Lf, {"1:TOO LONG", "2:ok"}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

} // namespace
