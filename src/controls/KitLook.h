// The look shared by every window and kit control: the Tahoma 8 pt font, the surface colour, the
// button and edit colours, the Fusion style and the palette built from them. The program entry and
// the test programs call InstallKitLook once after the application object exists; the controls read
// the colours and the font from here.
#pragma once

#include <QColor>
#include <QFont>

class QApplication;

namespace hovlo {

// Colours of the look, as RGB.
inline constexpr QRgb kKitSurfaceColor = 0xEEEEEE;         // every window, button corners
inline constexpr QRgb kKitButtonHighlightColor = 0x70A0FC; // focused or default button rim
inline constexpr QRgb kKitButtonHottrackColor = 0xFFAC00;  // button rim under the mouse
inline constexpr QRgb kKitButtonBorderColor = 0x003C74;    // the button's outline
inline constexpr QRgb kKitEditBorderColor = 0xD4D0C8;      // flat 1 px edit border
inline constexpr QRgb kKitEditFocusColor = 0xF3F7FE;       // edit background while focused
inline constexpr QRgb kKitGroupFrameColor = 0xD0D0BF;      // group box frame

// The kit's text font: "Tahoma", 8 points (11 pixels at 96 dpi).
QFont KitFont();

// Sets the Fusion style, the kit palette and the kit font on the application, and makes sure
// Tahoma can be found: when fontconfig does not know it, the font files of Debian's fonts-wine
// are registered with the application's font database. Safe to call more than once.
void InstallKitLook(QApplication& app);

// True when a font family "Tahoma" is available to the application (after InstallKitLook).
bool KitFontAvailable();

} // namespace hovlo
