#include "report/TextFit.h"

#include "report/ReportLayout.h"
#include "support/GTestQt.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

using namespace tw::report;

// A text about `pixels` wide in the font: whole words, then single letters to come close.
QString textOfWidth(const QFontMetricsF& metrics, double pixels)
{
    QString text;
    const QString word = QStringLiteral("Agreement ");
    while (metrics.horizontalAdvance(text + word) <= pixels)
        text += word;
    while (metrics.horizontalAdvance(text + QLatin1Char('i')) <= pixels)
        text += QLatin1Char('i');
    return text;
}

class TextFitTest : public ::testing::Test
{
protected:
    ReportLayout layout;
    QFont font = reportFont(layout, false);
    QFontMetricsF metrics {font};
};

TEST_F(TextFitTest, TheBaseFontIsTheArialMetricFontAtThirteenPixels)
{
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(font.pixelSize(), 13);
    // Liberation Sans advances as Arial does: "Document Number" at 13 px is about 109 px.
    EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("Document Number")), 109, 2);
}

TEST_F(TextFitTest, OnlyTextsWiderThanTheFirstLimitAreCutBelowTheSecond)
{
    const TextLimits subject {275, 270};
    // Texts about as wide as these: whether one is cut follows from its measured width.
    for (const double target : {300.0, 600.0, 277.0, 275.0, 272.0, 100.0}) {
        const QString text = textOfWidth(metrics, target);
        const double width = metrics.horizontalAdvance(text);
        ASSERT_GT(width, target - 3) << target;
        const QString shown = shortened(text, metrics, subject);
        if (width <= 275) {
            EXPECT_EQ(shown, text) << target;
            continue;
        }
        ASSERT_TRUE(shown.endsWith(QStringLiteral("..."))) << target;
        const QString kept = shown.chopped(3);
        EXPECT_TRUE(text.startsWith(kept)) << target;
        EXPECT_LE(metrics.horizontalAdvance(kept), 270) << target;
        // Only as much is cut as needed: one more character would pass the second limit.
        EXPECT_GT(metrics.horizontalAdvance(text.left(kept.size() + 1)), 270) << target;
    }
    // The pair of cases that matters: about 300 pixels is cut, a text between the limits is not.
    EXPECT_GT(metrics.horizontalAdvance(textOfWidth(metrics, 300)), 275);
    const double between = metrics.horizontalAdvance(textOfWidth(metrics, 275));
    EXPECT_TRUE(between > 270 && between <= 275) << between;
}

TEST_F(TextFitTest, EmptyTextsAndBoxesWithoutLimitsStayAsTheyAre)
{
    EXPECT_EQ(shortened(QString(), metrics, {175, 170}), QString());
    const QString wide = textOfWidth(metrics, 900);
    EXPECT_EQ(shortened(wide, metrics, {}), wide);
    // A single character wider than the limits leaves nothing but the full stops.
    EXPECT_EQ(shortened(QStringLiteral("WW"), metrics, {5, 1}), QStringLiteral("..."));
}

} // namespace
