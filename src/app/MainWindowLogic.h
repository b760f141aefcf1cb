// The main window's decisions that need no widget: the window size rule, the header scaling
// arithmetic, the customer line, the online support address and the page command links. The
// main window (frmMain) calls these; they are tested without a display.
#pragma once

#include "app/RunState.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace hovlo {

// Design width of the header panel and of the banner pictures.
inline constexpr int kDesignWidth = 1152;
// Header height used when the banner picture has no width.
inline constexpr int kHeaderHeightWithoutPicture = 100;
// Right margin of the "Ihre Daten" button in the button row.
inline constexpr int kRightButtonMargin = 10;

// How the window opens on a screen of the given size.
struct TWindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Maximise = false; // maximised once the run loop runs
};
// 1024 x 768 centred on screens wider than 1024 pixels, else the whole screen, maximised.
TWindowPlacement InitialWindowPlacement(int screenWidth, int screenHeight);

// The geometry of one header label that scales with the header's width.
struct TLabelBounds {
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int FontHeight = 0; // negative: character height in pixels
    bool operator==(const TLabelBounds&) const = default;
};

// The three scaled header labels in this order: title, customer line, header text.
using THeaderLabels = std::array<TLabelBounds, 3>;

// Design geometry of lblProgTitle, lblKundennummer and lblHeaderText.
inline constexpr THeaderLabels kHeaderDesign = {{
    {0, 601, 33, -24},
    {34, 597, 22, -16},
    {62, 929, 41, -15},
}};

struct THeaderLayout {
    int Height = 0;
    THeaderLabels Labels;
};

// The header for a panel width: the picture's proportions give its height (integer arithmetic,
// the product first, the quotient truncated; 100 without a picture width), and every label value
// is scaled by panelWidth / designWidth and rounded with halves to the even neighbour.
// A designWidth of 0 or less leaves the design values unscaled.
THeaderLayout ScaleHeader(int panelWidth, int pictureWidth, int pictureHeight, int designWidth,
                          const THeaderLabels& design);

// Nearest integer, halves to the even neighbour (independent of the floating-point mode).
int RoundHalfEven(double value);

// The customer line of the header from first name, last name and customer number.
std::string CustomerLine(const std::string& firstName, const std::string& lastName,
                         const std::string& customerNumber);

// The online support address: base (scheme and host) + "/support/hits.html?productid=" + id +
// "&offline=" + id + "&version=" + versionText; the values are put in as they are.
std::string OnlineSupportAddress(std::string_view baseUrl, std::string_view productId,
                                 std::string_view versionText);
// The same with the build's support server and this program's version text, computed now.
std::string OnlineSupportAddress(std::string_view productId);

// The commands a page can give through a link address.
enum TCommandLink { clNone, clFax, clBrief, clMeineDaten, clIESetup };
// The first command pattern found anywhere in the upper-cased address, tested in the order
// RES:\\FAX, RES:\\BRIEF, RES:\\MEINEDATEN, RES:\\IESETUP; clNone when none is found.
TCommandLink FindCommandLink(std::string_view address);

// The page mode for an item index of the mode combo box; nothing for any other index.
std::optional<TPageMode> PageModeForIndex(int index);

} // namespace hovlo
