#include "support/ReportFiles.h"

#include "core/lists/SortState.h"
#include "gui/reports/TCVReport.h"
#include "gui/restore/TDMReport.h"
#include "gui/rights/TRIReport.h"
#include "gui/widgets/ResultListModel.h"
#include "report/ReportOutput.h"
#include "report/TableExport.h"
#include "support/FileLines.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace tw;
using tw::test::pdfInfo;
using tw::test::pdfPageLines;

const QDateTime kPrinted(QDate(2026, 3, 4), QTime(5, 6, 7));
const QPageSize kA4(QPageSize::A4);

// Subjects that CSV, HTML and the page each must carry as they are.
QString subjectOf(int number)
{
    switch (number) {
    case 3:
        return QStringLiteral("Smith, Jones & \"Partners\"");
    case 4:
        return QStringLiteral("=SUM(A1:A3)");
    case 5:
        return QStringLiteral("-draft <b>bold</b> &amp;");
    case 6:
        return QStringLiteral("Agreement ").repeated(8).trimmed();
    default:
        return QStringLiteral("Subject %1").arg(number, 3, 10, QLatin1Char('0'));
    }
}

class ReportFilesTest : public ::testing::Test
{
protected:
    // A version list of `rows` rows, numbered from 1 in the list's order.
    ResultListModel& versionList(int rows)
    {
        QStringList subjects;
        for (int number = 1; number <= rows; ++number)
            subjects.append(subjectOf(number));
        return listOf(subjects);
    }
    // A version list with these subjects, numbered from 1.
    ResultListModel& listOf(const QStringList& subjects)
    {
        m_list.reset(ResultListModel::versionList(m_sort, nullptr));
        for (int number = 1; number <= subjects.size(); ++number) {
            ResultRow row;
            row.texts = {QStringLiteral("%1").arg(number, 8), QStringLiteral("1"),          subjects.at(number - 1),
                         QStringLiteral("Ann Archer"),        QStringLiteral("In Library"), QStringLiteral("<Never>")};
            row.hidden = QStringLiteral("In Library");
            m_list->addRow(row);
        }
        m_list->flush();
        return *m_list;
    }
    // A stray-file list of one row: a copy of document 12 version 2 in `folder`.
    ResultListModel& strayList(const QString& folder)
    {
        m_strays.reset(new ResultListModel({"File Name", "Path", "Doc #", "Version", "File Date", "GW Date"},
                                           RowOrder({RowOrder::Kind::Text, RowOrder::Kind::Text, RowOrder::Kind::Text,
                                                     RowOrder::Kind::Text, RowOrder::Kind::Date, RowOrder::Kind::Date}),
                                           m_sort));
        ResultRow row;
        row.texts = {"12-2.doc", folder, "12", "2", "02/01/2026 14:15:17", "No Document Version"};
        row.hidden = "20480";
        row.checked = false;
        m_strays->addRow(row);
        m_strays->flush();
        return *m_strays;
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    SortState m_sort;
    std::unique_ptr<ResultListModel> m_list;
    std::unique_ptr<ResultListModel> m_strays;
    QTemporaryDir m_dir;
};

// The document numbers of a page's detail lines, in the order the page prints them.
QList<int> numbersOn(const QStringList& lines)
{
    static const QRegularExpression detail(QStringLiteral("^\\s*(\\d+)\\s+1\\s+\\S"));
    QList<int> numbers;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = detail.match(line);
        if (match.hasMatch())
            numbers.append(match.captured(1).toInt());
    }
    return numbers;
}

TEST_F(ReportFilesTest, PresetPdfCarriesItsInformationAndEveryRowAcrossPages)
{
    TCVReport report(versionList(120), QStringLiteral("9 - Information"), QStringLiteral("Author"),
                     QStringLiteral("Ann Archer"));
    QString error;
    ASSERT_TRUE(report::writePdf(path("presets.pdf"), report, kA4, kPrinted, &error)) << error.toStdString();

    const QMap<QString, QString> info = pdfInfo(path("presets.pdf"));
    EXPECT_EQ(info.value("Author"), QStringLiteral("Ann Archer"));
    EXPECT_EQ(info.value("Title"), QStringLiteral("Tarnwick Preset Report"));
    EXPECT_EQ(info.value("Subject"), QStringLiteral("Results of Preset Report Type:9 - Information"));
    EXPECT_EQ(info.value("Page size"), QStringLiteral("595 x 842 pts (A4)"));
    ASSERT_EQ(info.value("Pages"), QStringLiteral("3")); // 47 rows, 48 and 25

    QList<int> printed;
    for (int page = 1; page <= 3; ++page) {
        const QStringList lines = pdfPageLines(path("presets.pdf"), page);
        const QString text = lines.join('\n');
        EXPECT_TRUE(text.contains(QStringLiteral("Tarnwick Preset Report"))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("2026-03-04 05:06:07"))) << page;
        EXPECT_EQ(text.contains(QStringLiteral("Results of Preset Report Type:")), page == 1) << page;
        for (const char* caption : {"Document", "Number", "Version", "Subject", "Author", "Last Used"})
            EXPECT_TRUE(text.contains(QLatin1String(caption))) << page << caption;
        const QList<int> numbers = numbersOn(lines);
        EXPECT_EQ(numbers.size(), page == 3 ? 25 : page == 1 ? 47 : 48) << page;
        printed += numbers;
    }
    QList<int> expected;
    for (int number = 1; number <= 120; ++number)
        expected.append(number);
    EXPECT_EQ(printed, expected);

    const QString first = pdfPageLines(path("presets.pdf"), 1).join('\n');
    EXPECT_TRUE(first.contains(QStringLiteral("Smith, Jones & \"Partners\"")));
    EXPECT_TRUE(first.contains(QStringLiteral("-draft <b>bold</b> &amp;")));
    // The long subject is cut to its column and ended with full stops.
    EXPECT_TRUE(first.contains(QRegularExpression(QStringLiteral("Agreement[A-Za-z ]*\\.\\.\\."))));
    EXPECT_FALSE(first.contains(subjectOf(6)));

    // pdffonts: name, type, encoding, then "emb sub uni" and the object's number and generation.
    const QStringList fonts
        = test::toolOutput(QStringLiteral("pdffonts"), {path("presets.pdf")}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts) {
        const QStringList columns = font.split(' ', Qt::SkipEmptyParts);
        EXPECT_TRUE(font.startsWith(QStringLiteral("LiberationSans"))) << font.toStdString();
        EXPECT_EQ(columns.value(columns.size() - 5), QStringLiteral("yes")) << "not embedded: " << font.toStdString();
    }
}

TEST_F(ReportFilesTest, StrayAndRightsPdfsTakeTheirPaperAndSubjects)
{
    TDMReport stray(strayList(QStringLiteral("/srv/users/ann/")), QStringLiteral("ANN"));
    QString error;
    ASSERT_TRUE(report::writePdf(path("strays.pdf"), stray, kA4, kPrinted, &error)) << error.toStdString();
    QMap<QString, QString> info = pdfInfo(path("strays.pdf"));
    EXPECT_EQ(info.value("Page size"), QStringLiteral("842 x 595 pts (A4)"));
    EXPECT_EQ(info.value("Title"), QStringLiteral("Tarnwick DiVavi File Report"));
    EXPECT_EQ(info.value("Subject"), QStringLiteral("Tarnwick DiVavi File Report"));
    const QString text = pdfPageLines(path("strays.pdf"), 1).join('\n');
    for (const char* shown : {"File Path", "GW Date", "File Size", "/srv/users/ann/12-2.doc", "20480",
                              "No Document Version", "02/01/2026 14:15:17"})
        EXPECT_TRUE(text.contains(QLatin1String(shown))) << shown;

    TRIReport rights(versionList(0), QStringLiteral("Bob Baker (BOB)"), QStringLiteral("ANN"));
    ASSERT_TRUE(report::writePdf(path("rights.pdf"), rights, kA4, kPrinted, &error)) << error.toStdString();
    info = pdfInfo(path("rights.pdf"));
    EXPECT_EQ(info.value("Pages"), QStringLiteral("1"));
    EXPECT_EQ(info.value("Subject"), QStringLiteral("Results of Checking Rights for:Bob Baker (BOB)"));
    const QString empty = pdfPageLines(path("rights.pdf"), 1).join('\n');
    EXPECT_TRUE(empty.contains(QStringLiteral("Bob Baker (BOB)")));
    EXPECT_TRUE(empty.contains(QStringLiteral("Author")));
    EXPECT_TRUE(numbersOn(pdfPageLines(path("rights.pdf"), 1)).isEmpty());
}

TEST_F(ReportFilesTest, ALongPathIsCutBeforeTheFileDate)
{
    const QString folder = QStringLiteral("/srv/users/ann/") + QStringLiteral("Quarterly Agreements/").repeated(8);
    TDMReport stray(strayList(folder), QStringLiteral("ANN"));
    QString error;
    ASSERT_TRUE(report::writePdf(path("strays.pdf"), stray, kA4, kPrinted, &error)) << error.toStdString();
    const QVector<test::PdfWord> words = test::pdfWords(path("strays.pdf"), 1);
    const auto number = std::find_if(words.cbegin(), words.cend(), [](const auto& w) { return w.text == "12"; });
    ASSERT_NE(number, words.cend());
    // The file date's column, in points from the paper's edge: margin and position, 168.8 mm.
    const double dateX = 168.8 / 25.4 * 72;
    QStringList beforeDate;
    bool dateFound = false;
    for (const test::PdfWord& word : words) {
        if (std::abs(word.yMin - number->yMin) > 1)
            continue;
        if (word.xMin < dateX - 1) {
            EXPECT_LT(word.xMax, dateX) << word.text.toStdString() << " runs into the file date";
            beforeDate.append(word.text);
        } else if (word.text == QLatin1String("02/01/2026")) {
            dateFound = true;
            EXPECT_NEAR(word.xMin, dateX, 1);
        }
    }
    EXPECT_TRUE(dateFound);
    ASSERT_FALSE(beforeDate.isEmpty());
    EXPECT_TRUE(beforeDate.join(' ').contains(QStringLiteral("/srv/users/ann/Quarterly Agreements/Quarterly")));
    EXPECT_TRUE(beforeDate.last().endsWith(QStringLiteral("..."))) << beforeDate.last().toStdString();
}

TEST_F(ReportFilesTest, AValueWithLineBreaksIsPrintedOnOneLineAndWrittenWhole)
{
    const QStringList subjects {QStringLiteral("Line one\nLine two"), QStringLiteral("Carriage\r\nreturn"),
                                QStringLiteral("Last\u2028line")};
    TCVReport report(listOf(subjects), QStringLiteral("1 - No Subject"), QStringLiteral("Author"), QString());
    QString error;
    ASSERT_TRUE(report::writePdf(path("presets.pdf"), report, kA4, kPrinted, &error)) << error.toStdString();
    const QString page = pdfPageLines(path("presets.pdf"), 1).join('\n');
    for (const char* line : {"^ *1 +1 +Line one Line two +Ann Archer +<Never>$",
                             "^ *2 +1 +Carriage return +Ann Archer +<Never>$", "^ *3 +1 +Last line +Ann Archer"}) {
        const QRegularExpression row(QLatin1String(line), QRegularExpression::MultilineOption);
        EXPECT_TRUE(page.contains(row)) << line << "\n" << page.toStdString();
    }
    ASSERT_TRUE(report::writeTable(path("presets.csv"), report::TableFormat::Csv, report, kPrinted, &error));
    const QVector<QStringList> csv = test::readCsv(path("presets.csv"));
    ASSERT_EQ(csv.size(), 4);
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(csv.at(row).value(2), subjects.at(row - 1)) << row;
}

TEST_F(ReportFilesTest, CsvAndHtmlReadBackAsTheListsWholeValues)
{
    TCVReport report(versionList(7), QStringLiteral("4 - In Use (All)"), QStringLiteral("Modifier"),
                     QStringLiteral("ANN"));
    QString error;
    ASSERT_TRUE(report::writeTable(path("presets.csv"), report::TableFormat::Csv, report, kPrinted, &error));
    ASSERT_TRUE(report::writeTable(path("presets.html"), report::TableFormat::Html, report, kPrinted, &error));
    const QStringList header {"Document Number", "Version", "Subject", "Modifier", "Last Used"};
    // The byte-order mark tells a spreadsheet that the file is UTF-8.
    QFile bytes(path("presets.csv"));
    ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
    EXPECT_TRUE(bytes.readAll().startsWith("\xEF\xBB\xBF"
                                           "Document Number,"));
    const QVector<QStringList> csv = test::readCsv(path("presets.csv"));
    const QVector<QStringList> html = test::readHtmlTable(path("presets.html"));
    ASSERT_EQ(csv.size(), 8);
    ASSERT_EQ(html.size(), 8);
    EXPECT_EQ(csv.at(0), header);
    EXPECT_EQ(html.at(0), header);
    for (int number = 1; number <= 7; ++number) {
        const QString subject = subjectOf(number);
        const QStringList expected {QString::number(number), "1", subject, "Ann Archer", "<Never>"};
        EXPECT_EQ(html.at(number), expected);
        // The spreadsheet sees a formula-like value as text: one leading apostrophe.
        QStringList guarded = expected;
        if (subject.startsWith('=') || subject.startsWith('-'))
            guarded[2].prepend('\'');
        EXPECT_EQ(csv.at(number), guarded);
    }
}

TEST_F(ReportFilesTest, PlainTextLinesUpTheColumnsUnderTheTitles)
{
    TCVReport report(versionList(2), QStringLiteral("1 - No Subject"), QStringLiteral("Author"), QString());
    QString error;
    ASSERT_TRUE(report::writeTable(path("presets.txt"), report::TableFormat::Text, report, kPrinted, &error));
    const QStringList lines = test::fileLines(path("presets.txt"));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.at(0), QStringLiteral("Tarnwick Preset Report  2026-03-04 05:06:07"));
    EXPECT_EQ(lines.at(1), QStringLiteral("Results of Preset Report Type: 1 - No Subject"));
    EXPECT_EQ(lines.at(3), QStringLiteral("Document Number  Version  Subject      Author      Last Used"));
    EXPECT_EQ(lines.at(4), QStringLiteral("              1        1  Subject 001  Ann Archer  <Never>"));
    EXPECT_EQ(lines.at(5), QStringLiteral("              2        1  Subject 002  Ann Archer  <Never>"));
}

TEST_F(ReportFilesTest, PlainTextLinesUpByDisplayWidthAndEndsLinesInCrLf)
{
    TCVReport report(
        listOf({QString::fromUtf16(u"\u65e5\u672c\u8a9e\u306e\u4ef6\u540d"), QString::fromUtf16(u"Smile \U0001F600"),
                QStringLiteral("two\nlines"), QStringLiteral("tab\there"), QString::fromUtf16(u"Cafe\u0301")}),
        QStringLiteral("1 - No Subject"), QStringLiteral("Author"), QString());
    QString error;
    ASSERT_TRUE(report::writeTable(path("presets.txt"), report::TableFormat::Text, report, kPrinted, &error));
    QFile file(path("presets.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n")))) << "a line ends in LF alone";
    // The subject column is 12 display columns wide: six ideographs of two each.
    const QStringList expected {
        QStringLiteral("Document Number  Version  Subject       Author      Last Used"),
        QString::fromUtf16(u"              1        1  \u65e5\u672c\u8a9e\u306e\u4ef6\u540d  Ann Archer  <Never>"),
        QString::fromUtf16(u"              2        1  Smile \U0001F600      Ann Archer  <Never>"),
        QStringLiteral("              3        1  two lines     Ann Archer  <Never>"),
        QStringLiteral("              4        1  tab here      Ann Archer  <Never>"),
        QString::fromUtf16(u"              5        1  Cafe\u0301          Ann Archer  <Never>"),
    };
    EXPECT_EQ(text.split(QStringLiteral("\r\n")).mid(3, 6), expected);
}

TEST_F(ReportFilesTest, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft)
{
    TCVReport report(versionList(3), QStringLiteral("1 - No Subject"), QStringLiteral("Author"), QString());
    const QString missing = path("no/such/folder/presets");
    for (const QString& suffix : {QStringLiteral(".pdf"), QStringLiteral(".csv")}) {
        QString error;
        const bool written = suffix == QLatin1String(".pdf")
            ? report::writePdf(missing + suffix, report, kA4, kPrinted, &error)
            : report::writeTable(missing + suffix, report::TableFormat::Csv, report, kPrinted, &error);
        EXPECT_FALSE(written) << suffix.toStdString();
        EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot write ") + missing + suffix)) << error.toStdString();
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

TEST(CsvFieldTest, QuotesWhatRfc4180QuotesAndGuardsFormulas)
{
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"=1+1", "'=1+1"},
        {"+44 20", "'+44 20"},
        {"-5", "'-5"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tindent", "'\tindent"},
        {"=HYPERLINK(\"x\",\"y\")", "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\""},
        {"a-b=c", "a-b=c"},
    };
    for (const auto& [value, field] : cases)
        EXPECT_EQ(report::csvField(QString::fromUtf8(value)), QString::fromUtf8(field)) << value;
}

} // namespace
