#include "app/MainWindowLogic.h"

#include "app/BuildInfo.h"
#include "data/TextCodec.h"
#include "dialogs/ProgramVersion.h"

#include <cmath>

namespace hovlo {

TWindowPlacement InitialWindowPlacement(int screenWidth, int screenHeight) {
    if (screenWidth > 1024) {
        const int width = 1024;
        const int height = 768;
        return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height, false};
    }
    return {0, 0, screenWidth, screenHeight, true};
}

int RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double result = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        result = lower + 1.0;
    return static_cast<int>(result);
}

THeaderLayout ScaleHeader(int panelWidth, int pictureWidth, int pictureHeight, int designWidth,
                          const THeaderLabels& design) {
    THeaderLayout layout;
    // 64-bit product: a huge picture must not overflow the height.
    layout.Height =
        pictureWidth > 0
            ? static_cast<int>(static_cast<long long>(pictureHeight) * panelWidth / pictureWidth)
            : kHeaderHeightWithoutPicture;
    const double f =
        designWidth > 0 ? static_cast<double>(panelWidth) / static_cast<double>(designWidth) : 1.0;
    for (std::size_t i = 0; i < design.size(); ++i) {
        const TLabelBounds& d = design[i];
        layout.Labels[i] = {RoundHalfEven(f * d.Top), RoundHalfEven(f * d.Width),
                            RoundHalfEven(f * d.Height), RoundHalfEven(f * d.FontHeight)};
    }
    return layout;
}

std::string CustomerLine(const std::string& firstName, const std::string& lastName,
                         const std::string& customerNumber) {
    std::string line = firstName;
    if (!(firstName + lastName).empty())
        line += ' ';
    line += lastName;
    if (!line.empty())
        line += ", ";
    line += "Kundennummer: " + customerNumber;
    if (customerNumber.empty())
        line += "[nicht registriert]";
    return line;
}

std::string OnlineSupportAddress(std::string_view baseUrl, std::string_view productId,
                                 std::string_view versionText) {
    std::string address(baseUrl);
    address += "/support/hits.html?productid=";
    address += productId;
    address += "&offline=";
    address += productId;
    address += "&version=";
    address += versionText;
    return address;
}

std::string OnlineSupportAddress(std::string_view productId) {
    return OnlineSupportAddress(build::SupportBaseUrl, productId, ProgramVersionText());
}

TCommandLink FindCommandLink(std::string_view address) {
    static constexpr std::pair<std::string_view, TCommandLink> kLinks[] = {
        {"RES:\\\\FAX", clFax},
        {"RES:\\\\BRIEF", clBrief},
        {"RES:\\\\MEINEDATEN", clMeineDaten},
        {"RES:\\\\IESETUP", clIESetup},
    };
    const std::string upper = UpperAscii(address);
    for (const auto& [pattern, link] : kLinks)
        if (upper.find(pattern) != std::string::npos)
            return link;
    return clNone;
}

std::optional<TPageMode> PageModeForIndex(int index) {
    switch (index) {
    case pmOnline:
        return pmOnline;
    case pmFax:
        return pmFax;
    case pmLetter:
        return pmLetter;
    default:
        return std::nullopt;
    }
}

} // namespace hovlo
