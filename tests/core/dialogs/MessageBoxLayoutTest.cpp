// The message box's button table and width/height arithmetic, checked with the stored form's
// numbers.
#include "dialogs/MessageBoxLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hovlo {
namespace {

TEST(MessageBoxLayout, ShortTextWithIconAndOkIsMinimumSizeWithTextCentredAboveButton) {
    const auto width = MessageBoxWidth(/*measured*/ 100, /*icon*/ true, 1, 1280);
    EXPECT_EQ(width.ClientWidth, 250);
    EXPECT_EQ(width.TextLeft, 52);
    EXPECT_EQ(width.TextWidth, 188);
    // The button row is centred: equal room left and right of the single button.
    EXPECT_EQ(width.ButtonLefts[0], 75);
    EXPECT_EQ(width.ButtonLefts[0], 250 - (width.ButtonLefts[0] + kMessageBoxButtonWidth));

    const auto height = MessageBoxHeight(/*one line*/ 19, 800);
    EXPECT_EQ(height.ClientHeight, 110);
    EXPECT_EQ(height.TextTop, 10 + (110 - (10 + 19 + 20 + 25)) / 2);
    EXPECT_EQ(height.ButtonTop, 74); // the stored 11 pixels below the buttons
}

TEST(MessageBoxLayout, ThreeButtonsAreCentredTenApart) {
    const auto width = MessageBoxWidth(40, true, 3, 1280);
    EXPECT_EQ(width.ClientWidth, 3 * 110 + 30);
    EXPECT_EQ(width.ButtonLefts[0], 20);
    EXPECT_EQ(width.ButtonLefts[1], 130);
    EXPECT_EQ(width.ButtonLefts[2], 240);
    EXPECT_EQ(width.ClientWidth - (width.ButtonLefts[2] + kMessageBoxButtonWidth), 20);
}

TEST(MessageBoxLayout, WidthFollowsTextUpToEightyPercentOfTheScreen) {
    struct Case {
        int measured;
        bool icon;
        int buttons;
        int screen;
        int expected;
    };
    const std::vector<Case> cases = {
        {300, false, 1, 1280, 320},   // no icon share: text plus two margins
        {300, true, 1, 1280, 362},    // icon adds its width and a gap
        {2000, true, 2, 1280, 1024},  // long text capped at 80 percent
        {1010, false, 1, 1279, 1023}, // the cap is rounded down in integer arithmetic
        {2000, true, 5, 300, 250},    // a tiny screen still gets the minimum width
        {0, true, 0, 1280, 250},      // nothing to show: the minimum
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.measured);
        EXPECT_EQ(MessageBoxWidth(c.measured, c.icon, c.buttons, c.screen).ClientWidth, c.expected);
    }
}

TEST(MessageBoxLayout, WithoutIconTheTextStartsAtTheMargin) {
    const auto width = MessageBoxWidth(300, false, 1, 1280);
    EXPECT_EQ(width.TextLeft, 10);
    EXPECT_EQ(width.TextWidth, 300);
}

TEST(MessageBoxLayout, WindowIsCentredOnTheScreenIncludingItsFrame) {
    EXPECT_EQ(MessageBoxWidth(100, true, 1, 1280, 2).WindowLeft, (1280 - 252) / 2);
    EXPECT_EQ(MessageBoxHeight(19, 800, 31).WindowTop, (800 - 141) / 2);
}

TEST(MessageBoxLayout, TallTextGrowsTheWindowFromTheTop) {
    const auto height = MessageBoxHeight(200, 800);
    EXPECT_EQ(height.TextTop, 10);
    EXPECT_EQ(height.ClientHeight, 10 + 200 + 20 + 25);
    EXPECT_EQ(height.ButtonTop, height.ClientHeight - 36);
}

std::vector<std::string> Captions(TMessageBoxButtons flags) {
    std::vector<std::string> out;
    for (const auto& b : MessageBoxButtons(flags))
        out.push_back(std::string(b.Caption) + "/" + std::to_string(b.Result) +
                      (b.Escape ? "/esc" : ""));
    return out;
}

TEST(MessageBoxButtons, FollowTableOrderWithTheirResultsAndEscapeRules) {
    using V = std::vector<std::string>;
    struct Case {
        TMessageBoxButtons flags;
        V expected;
    };
    const std::vector<Case> cases = {
        {mbbOk, V{"&Ok/1/esc"}},
        {mbbYes | mbbNo | mbbCancel, V{"&Ja/6", "&Nein/7", "&Abbrechen/2/esc"}},
        {static_cast<TMessageBoxButtons>(mbbNo | mbbYes), V{"&Ja/6", "&Nein/7"}},
        {mbbCancel | mbbAbort, V{"&Abbrechen/2/esc", "&Abbrechen/3/esc"}},
        {mbbHelp | mbbOk, V{"&Ok/1", "&Hilfe/0"}}, // OK is not alone: no Escape
        {mbbRetry | mbbIgnore | mbbAll, V{"&Wiederholen/4", "&Ignorieren/5", "&Alle/8"}},
        {mbbYesToAll | mbbNoToAll, V{"&Nein f\u00fcr alle/9", "&Ja f\u00fcr alle/10"}},
        {0, V{}},
        // More than five flags: the first five in table order.
        {0x07FF, V{"&Ja/6", "&Nein/7", "&Ok/1", "&Abbrechen/2/esc", "&Abbrechen/3/esc"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        EXPECT_EQ(Captions(c.flags), c.expected);
    }
}

} // namespace
} // namespace hovlo
