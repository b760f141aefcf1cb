// The message box's button table and its layout arithmetic, free of widgets: the window in
// uMessageBox feeds measured label sizes in and places its controls from the results. The core
// tests check the numbers directly.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace hovlo {

// Icon choice of a message box (one byte, values in this order).
enum TMessageBoxIcon : std::uint8_t {
    mbiWarning = 0,
    mbiError = 1,
    mbiInformation = 2,
    mbiConfirmation = 3,
    mbiNone = 4,
};

// Button flags of a message box, a 16-bit set.
using TMessageBoxButtons = std::uint16_t;
inline constexpr TMessageBoxButtons mbbYes = 0x0001;
inline constexpr TMessageBoxButtons mbbNo = 0x0002;
inline constexpr TMessageBoxButtons mbbOk = 0x0004;
inline constexpr TMessageBoxButtons mbbCancel = 0x0008;
inline constexpr TMessageBoxButtons mbbAbort = 0x0010;
inline constexpr TMessageBoxButtons mbbRetry = 0x0020;
inline constexpr TMessageBoxButtons mbbIgnore = 0x0040;
inline constexpr TMessageBoxButtons mbbAll = 0x0080;
inline constexpr TMessageBoxButtons mbbNoToAll = 0x0100;
inline constexpr TMessageBoxButtons mbbYesToAll = 0x0200;
inline constexpr TMessageBoxButtons mbbHelp = 0x0400;

// One row of the button table. Caption is UTF-8 with "&" before the Alt letter.
struct TMessageBoxButtonInfo {
    TMessageBoxButtons Flag;
    const char* Caption;
    int Result;  // the modal result; 0 leaves the box open
    bool Escape; // pressed by the Escape key
};

// The eleven flags in the order their buttons appear from left to right.
const std::array<TMessageBoxButtonInfo, 11>& MessageBoxButtonTable();

// Most buttons a box has; flags beyond the fifth are dropped.
inline constexpr int kMessageBoxMaxButtons = 5;

// The buttons for a set of flags, in table order, at most five; a lone OK takes Escape too.
std::vector<TMessageBoxButtonInfo> MessageBoxButtons(TMessageBoxButtons buttons);

// The stored geometry the layout starts from.
inline constexpr int kMessageBoxMargin = 10;
inline constexpr int kMessageBoxIconSize = 32;
inline constexpr int kMessageBoxButtonWidth = 100;
inline constexpr int kMessageBoxButtonHeight = 25;
inline constexpr int kMessageBoxButtonPitch = 110; // width plus the gap to the next button
inline constexpr int kMessageBoxMinWidth = 250;
inline constexpr int kMessageBoxMinHeight = 110;

struct TMessageBoxWidth {
    int ClientWidth = 0;
    int WindowLeft = 0; // centred on the screen
    int TextLeft = 0;   // the text label, anchored left and right
    int TextWidth = 0;
    std::array<int, kMessageBoxMaxButtons> ButtonLefts{};
};

// Width from the measuring label's unwrapped width. frameWidth is what the window frame adds to
// the client width.
TMessageBoxWidth MessageBoxWidth(int measuredWidth, bool iconVisible, int buttonCount,
                                 int screenWidth, int frameWidth = 0);

struct TMessageBoxHeight {
    int ClientHeight = 0;
    int WindowTop = 0; // centred on the screen
    int TextTop = 0;
    int ButtonTop = 0; // anchored to the bottom
};

// Height from the text label's wrapped height. frameHeight is what the window frame adds.
TMessageBoxHeight MessageBoxHeight(int textHeight, int screenHeight, int frameHeight = 0);

} // namespace hovlo
