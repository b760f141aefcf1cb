#include "dialogs/MessageBoxLayout.h"

namespace hovlo {

const std::array<TMessageBoxButtonInfo, 11>& MessageBoxButtonTable() {
    static const std::array<TMessageBoxButtonInfo, 11> table{{
        {mbbYes, "&Ja", 6, false},
        {mbbNo, "&Nein", 7, false},
        {mbbOk, "&Ok", 1, false},
        {mbbCancel, "&Abbrechen", 2, true},
        {mbbAbort, "&Abbrechen", 3, true},
        {mbbRetry, "&Wiederholen", 4, false},
        {mbbIgnore, "&Ignorieren", 5, false},
        {mbbAll, "&Alle", 8, false},
        {mbbNoToAll, "&Nein f\u00fcr alle", 9, false},
        {mbbYesToAll, "&Ja f\u00fcr alle", 10, false},
        {mbbHelp, "&Hilfe", 0, false},
    }};
    return table;
}

std::vector<TMessageBoxButtonInfo> MessageBoxButtons(TMessageBoxButtons buttons) {
    std::vector<TMessageBoxButtonInfo> shown;
    for (const auto& entry : MessageBoxButtonTable()) {
        if (!(buttons & entry.Flag))
            continue;
        if (shown.size() == kMessageBoxMaxButtons)
            break;
        shown.push_back(entry);
    }
    if (buttons == mbbOk)
        shown.front().Escape = true;
    return shown;
}

TMessageBoxWidth MessageBoxWidth(int measuredWidth, bool iconVisible, int buttonCount,
                                 int screenWidth, int frameWidth) {
    const int iconShare = iconVisible ? kMessageBoxIconSize + kMessageBoxMargin : 0;
    int w = measuredWidth + 2 * kMessageBoxMargin + iconShare;
    if (w < buttonCount * kMessageBoxButtonPitch + 30)
        w = buttonCount * kMessageBoxButtonPitch + 30;
    if (w > screenWidth * 80 / 100)
        w = screenWidth * 80 / 100;
    if (w < kMessageBoxMinWidth)
        w = kMessageBoxMinWidth;

    TMessageBoxWidth out;
    out.ClientWidth = w;
    out.WindowLeft = (screenWidth - (w + frameWidth)) / 2;
    out.TextLeft = kMessageBoxMargin + iconShare;
    out.TextWidth = w - out.TextLeft - kMessageBoxMargin;
    const int x0 = (w - buttonCount * kMessageBoxButtonPitch + kMessageBoxMargin) / 2;
    for (int i = 0; i < kMessageBoxMaxButtons; ++i)
        out.ButtonLefts[i] = x0 + i * kMessageBoxButtonPitch;
    return out;
}

TMessageBoxHeight MessageBoxHeight(int textHeight, int screenHeight, int frameHeight) {
    TMessageBoxHeight out;
    out.TextTop = kMessageBoxMargin;
    int h = kMessageBoxMargin + textHeight + 20 + kMessageBoxButtonHeight;
    if (h < kMessageBoxMinHeight) {
        out.TextTop = kMessageBoxMargin + (kMessageBoxMinHeight - h) / 2;
        h = kMessageBoxMinHeight;
    }
    out.ClientHeight = h;
    out.WindowTop = (screenHeight - (h + frameHeight)) / 2;
    // The stored form keeps 11 pixels below the buttons (110 - 74 - 25).
    out.ButtonTop = h - 11 - kMessageBoxButtonHeight;
    return out;
}

} // namespace hovlo
