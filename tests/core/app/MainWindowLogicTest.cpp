// The main window's widget-free decisions: header arithmetic, customer line, the online address,
// the command links and the window size rule.
#include "app/MainWindowLogic.h"

#include "app/BuildInfo.h"

#include <gtest/gtest.h>

namespace hovlo {
namespace {

TEST(ScaleHeader, HalvesTheHeaderWithHalvesGoingToEven) {
    const THeaderLayout layout = ScaleHeader(576, 1152, 105, kDesignWidth, kHeaderDesign);
    EXPECT_EQ(layout.Height, 52); // 105 * 576 div 1152
    // Title: 300.5 -> 300, 16.5 -> 16, -12 exactly.
    EXPECT_EQ(layout.Labels[0], (TLabelBounds{0, 300, 16, -12}));
    // Customer line: 17, 298.5 -> 298, 11, -8.
    EXPECT_EQ(layout.Labels[1], (TLabelBounds{17, 298, 11, -8}));
    // Header text: 31, 464.5 -> 464, 20.5 -> 20, -7.5 -> -8.
    EXPECT_EQ(layout.Labels[2], (TLabelBounds{31, 464, 20, -8}));
}

TEST(ScaleHeader, KeepsTheBannerProportionsAtAWindowWidth) {
    const THeaderLayout layout = ScaleHeader(1016, 1152, 105, kDesignWidth, kHeaderDesign);
    EXPECT_EQ(layout.Height, 92); // 106680 div 1152 = 92.6 truncated
    EXPECT_EQ(layout.Labels[0].FontHeight, -21);
    EXPECT_EQ(layout.Labels[0].Width, 530); // 530.07
    EXPECT_EQ(layout.Labels[2].Top, 55);    // 54.68
}

TEST(ScaleHeader, UsesTheFixedHeightWithoutAPictureButStillScalesTheLabels) {
    const THeaderLayout layout = ScaleHeader(576, 0, 0, kDesignWidth, kHeaderDesign);
    EXPECT_EQ(layout.Height, 100);
    EXPECT_EQ(layout.Labels[0].Width, 300);
}

TEST(ScaleHeader, LeavesDesignValuesWithoutADesignWidth) {
    const THeaderLayout layout = ScaleHeader(576, 1152, 105, 0, kHeaderDesign);
    EXPECT_EQ(layout.Labels, kHeaderDesign);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{0.5, 0},     {1.5, 2},    {2.5, 2},  {-7.5, -8},
                                            {-8.5, -8},   {2.49, 2},   {2.51, 3}, {-0.4, 0},
                                            {300.5, 300}, {301.5, 302}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

TEST(CustomerLine, ComposesNamesNumberAndTheUnregisteredNote) {
    struct Case {
        const char* first;
        const char* last;
        const char* number;
        const char* line;
    };
    const Case cases[] = {
        {"Max", "Muster", "4711", "Max Muster, Kundennummer: 4711"},
        {"", "Muster", "4711", " Muster, Kundennummer: 4711"},
        {"Max", "", "4711", "Max , Kundennummer: 4711"},
        {"Max", "Muster", "", "Max Muster, Kundennummer: [nicht registriert]"},
        {"", "", "", "Kundennummer: [nicht registriert]"},
        {"", "", "4711", "Kundennummer: 4711"},
        {"Jörg", "Müller", "08/15", "Jörg Müller, Kundennummer: 08/15"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CustomerLine(c.first, c.last, c.number), c.line)
            << c.first << "|" << c.last << "|" << c.number;
}

TEST(OnlineSupportAddress, SendsTheProductIdTwiceAndTheProgramVersion) {
    EXPECT_EQ(OnlineSupportAddress("https://support.veskora.example", "73", "02.00.00"),
              "https://support.veskora.example/support/hits.html?productid=73&offline=73"
              "&version=02.00.00");
    // Nothing is encoded, an empty id stays empty.
    EXPECT_EQ(OnlineSupportAddress("http://h", "", "02.00.00"),
              "http://h/support/hits.html?productid=&offline=&version=02.00.00");
    EXPECT_EQ(OnlineSupportAddress("http://h", "a b&c", "1"),
              "http://h/support/hits.html?productid=a b&c&offline=a b&c&version=1");
}

TEST(OnlineSupportAddress, UsesTheBuildServerAndThisProgramsVersion) {
    EXPECT_EQ(OnlineSupportAddress("73"), std::string(build::SupportBaseUrl) +
                                              "/support/hits.html?productid=73&offline=73"
                                              "&version=02.00.00");
}

TEST(FindCommandLink, FindsTheFirstPatternAnywhereInAnyCase) {
    const std::pair<const char*, TCommandLink> cases[] = {
        {"RES:\\\\FAX", clFax},
        {"res:\\\\brief", clBrief},
        {"Res:\\\\MeineDaten", clMeineDaten},
        {"res:\\\\iesetup", clIESetup},
        {"RES:\\\\FAXFORM", clFax},                        // inside a longer word
        {"https://x.example/a?go=res:\\\\brief", clBrief}, // anywhere in the address
        {"RES:\\\\BRIEF RES:\\\\FAX", clFax},              // the order of testing decides
        {"RES:\\\\IESETUP/RES:\\\\MEINEDATEN", clMeineDaten},
        {"RES:\\FAX", clNone}, // one backslash is no command
        {"RES://FAX", clNone},
        {"res:%5C%5CFAX", clNone}, // the browser layer decodes before asking
        {"https://support.veskora.example/support/hits.html", clNone},
        {"", clNone},
    };
    for (const auto& [address, link] : cases)
        EXPECT_EQ(FindCommandLink(address), link) << address;
}

TEST(FindCommandLink, IgnoresNonAsciiCaseForms) {
    // Only a to z are upper-cased: a dotless or accented letter never makes a pattern.
    EXPECT_EQ(FindCommandLink("res:\\\\fäx"), clNone);
    EXPECT_EQ(FindCommandLink("res:\\\\meınedaten"), clNone);
}

TEST(PageModeForIndex, MapsTheThreeItemsAndNothingElse) {
    EXPECT_EQ(PageModeForIndex(0), pmOnline);
    EXPECT_EQ(PageModeForIndex(1), pmFax);
    EXPECT_EQ(PageModeForIndex(2), pmLetter);
    EXPECT_EQ(PageModeForIndex(-1), std::nullopt);
    EXPECT_EQ(PageModeForIndex(3), std::nullopt);
}

TEST(InitialWindowPlacement, CentresOnWideScreensAndMaximisesOtherwise) {
    struct Case {
        int sw, sh;
        TWindowPlacement expected;
    };
    const Case cases[] = {
        {1280, 800, {128, 16, 1024, 768, false}},
        {1025, 768, {0, 0, 1024, 768, false}},
        {1024, 768, {0, 0, 1024, 768, true}},
        {800, 600, {0, 0, 800, 600, true}},
    };
    for (const Case& c : cases) {
        const TWindowPlacement p = InitialWindowPlacement(c.sw, c.sh);
        EXPECT_EQ(p.Left, c.expected.Left) << c.sw;
        EXPECT_EQ(p.Top, c.expected.Top) << c.sw;
        EXPECT_EQ(p.Width, c.expected.Width) << c.sw;
        EXPECT_EQ(p.Height, c.expected.Height) << c.sw;
        EXPECT_EQ(p.Maximise, c.expected.Maximise) << c.sw;
    }
}

} // namespace
} // namespace hovlo
