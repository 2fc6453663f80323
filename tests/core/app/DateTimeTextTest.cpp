#include "core/app/DateTimeText.h"

#include "support/GTestQt.h"

#include <gtest/gtest.h>

using tw::DateTimeText;

namespace {

class DateTimeTextTest : public testing::Test
{
protected:
    void TearDown() override { DateTimeText::resetLocale(); }
};

TEST_F(DateTimeTextTest, CLocaleUsesTheNumericFallback)
{
    DateTimeText::setLocaleForTesting(QLocale::c());
    EXPECT_EQ(DateTimeText::format(QDateTime(QDate(2026, 12, 9), QTime(14, 5, 7))), "09/12/2026 14:05:07");
    EXPECT_EQ(DateTimeText::format(QDateTime(QDate(2026, 1, 2), QTime(0, 0, 1))), "02/01/2026 00:00:01");
    EXPECT_EQ(DateTimeText::dateSeparator(), QLatin1Char('/'));
}

TEST_F(DateTimeTextTest, MidnightLeavesTheTimeOut)
{
    DateTimeText::setLocaleForTesting(QLocale::c());
    EXPECT_EQ(DateTimeText::format(QDateTime(QDate(2026, 12, 9), QTime(0, 0))), "09/12/2026");
}

TEST_F(DateTimeTextTest, LongTimeCarriesNoZone)
{
    DateTimeText::setLocaleForTesting(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(DateTimeText::format(QDateTime(QDate(2026, 12, 9), QTime(9, 8, 7))), "09/12/2026 09:08:07");
}

class DateTimeRoundTrip : public testing::TestWithParam<const char*>
{
protected:
    void TearDown() override { DateTimeText::resetLocale(); }
};

TEST_P(DateTimeRoundTrip, ReadsItsOwnTextBack)
{
    const char* name = GetParam();
    DateTimeText::setLocaleForTesting(QString::fromLatin1(name) == "C" ? QLocale::c()
                                                                       : QLocale(QString::fromLatin1(name)));
    const QDateTime samples[]
        = {QDateTime(QDate(2026, 12, 9), QTime(23, 59, 58)), QDateTime(QDate(1999, 2, 28), QTime(0, 0)),
           QDateTime(QDate(2031, 7, 1), QTime(12, 0, 1))};
    for (const QDateTime& when : samples) {
        const QString text = DateTimeText::format(when);
        EXPECT_EQ(DateTimeText::parse(text), when) << name << ": " << text.toStdString();
    }
    EXPECT_FALSE(DateTimeText::parse("not a date").isValid());
}

INSTANTIATE_TEST_SUITE_P(Locales, DateTimeRoundTrip,
                         testing::Values("C", "en_GB", "en_US", "de_DE", "fr_FR", "ja_JP", "hu_HU"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
