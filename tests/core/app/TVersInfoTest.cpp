#include "core/app/TVersInfo.h"

#include "support/GTestQt.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tw::TVersInfo;
using tw::VersInfoError;

namespace {

const QByteArray kGoodPayload = "\\VarFileInfo\\Translation=0908e404\n"
                                "\\StringFileInfo\\080904e4\\CompanyName=Maker\n"
                                "\\StringFileInfo\\080904e4\\FileVersion=1.4.11.3\n"
                                "\\StringFileInfo\\080904e4\\Comments=Last item\n"
                                "\\StringFileInfo\\040904b0\\ProductName=Other language\n";

QString loadError(const QString& fileName)
{
    try {
        TVersInfo info;
        info.setFileName(fileName);
    } catch (const VersInfoError& error) {
        return error.message();
    }
    return QStringLiteral("<no error>");
}

class TVersInfoTest : public testing::Test
{
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

TEST_F(TVersInfoTest, ReadsItemsUnderTheFirstTranslation)
{
    TVersInfo info;
    info.setFileName(write("prog.exe", QByteArray(300, '\x7f') + TVersInfo::makeBlock(kGoodPayload) + "tail"));
    EXPECT_EQ(info.VersionItem(1), "Maker");
    EXPECT_EQ(info.VersionItem(3), "1.4.11.3");
    EXPECT_EQ(info.VersionItem(10), "Last item");
    EXPECT_EQ(info.VersionItem(2), QString()) << "missing item";
    EXPECT_EQ(info.VersionItem(8), QString()) << "present only under another language";
    EXPECT_EQ(info.VersionItem(0), QString());
    EXPECT_EQ(info.VersionItem(11), QString());
}

TEST_F(TVersInfoTest, FailuresCarryTheirTexts)
{
    EXPECT_EQ(loadError(QString()), "No file specified");
    EXPECT_EQ(loadError(m_dir.filePath("gone.exe")), "File gone.exe not found or not accessible");
    EXPECT_EQ(loadError(write("plain.exe", "no block in here")), "File plain.exe has no version information");
    EXPECT_EQ(loadError(write("cut.exe", TVersInfo::makeBlock(kGoodPayload).chopped(10))),
              "Cannot read version information for file cut.exe");
    EXPECT_EQ(loadError(write("size.exe", TVersInfo::marker() + "00000x12abc")),
              "Cannot read version information for file size.exe");
    EXPECT_EQ(loadError(write("lines.exe", TVersInfo::makeBlock("no equals sign\n"))),
              "Cannot read version information for file lines.exe");
    EXPECT_EQ(loadError(write("notable.exe", TVersInfo::makeBlock("\\StringFileInfo\\080904e4\\FileVersion=1\n"))),
              "Cannot read translation table for file notable.exe");
    EXPECT_EQ(loadError(write("short.exe", TVersInfo::makeBlock("\\VarFileInfo\\Translation=0908e4\n"))),
              "Cannot read translation table for file short.exe");
}

TEST(TVersInfoExecutable, TheBuiltProgramCarriesItsVersion)
{
    TVersInfo info;
    info.setFileName(QStringLiteral(TARNWICK_EXE));
    EXPECT_EQ(info.VersionItem(3), QStringLiteral(TARNWICK_VERSION));
    EXPECT_EQ(info.VersionItem(8), "Tarnwick");
}

} // namespace
