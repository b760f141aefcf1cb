// The edit field's number texts with German separators.
#include "controls/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace hovlo {
namespace {

const std::string kDec = ",";
const std::string kGroup = ".";
const std::string kCurrency = "0,000.00 \xE2\x82\xAC"; // "0,000.00 €"
const std::string kFloat = "0,000.0";

struct TFormatCase {
    const char* format;
    double value;
    const char* shown;
    const char* edited;
};

TEST(NumberFormat, ShowsAndEditsTheFieldTableWithGermanSeparators) {
    const TFormatCase cases[] = {
        {kCurrency.c_str(), 1234.5, "1.234,50 \xE2\x82\xAC", "1234,5"},
        {kCurrency.c_str(), 0, "0,00 \xE2\x82\xAC", "0"},
        {kCurrency.c_str(), -1234.5, "-1.234,50 \xE2\x82\xAC", "-1234,5"},
        {kFloat.c_str(), 100, "100,0", "100"},
        {"0,000.00;(0,000.00)", -1234.5, "(1.234,50)", "-1234,5"},
        {"0,000.00;(0,000.00)", 1234.5, "1.234,50", "1234,5"},
        {"0", 2.5, "3", "3"},
        {"0", -2.5, "-3", "-3"},
        {"0.000", 1234567.891, "1234567,891", "1234567,891"},
        {"0,000.00", 1234567890.125, "1.234.567.890,13", "1234567890,13"},
        {"0.00", 1.005, "1,00", "1"},    // the double lies just below the half
        {"0.00", 0.125, "0,13", "0,13"}, // an exact half goes away from zero
        {"0,000.00", 999.996, "1.000,00", "1000"},
        {"", 12.7, "13", "13"}, // no "0": the number goes in front
        {"Betrag: 0.00 EUR", 3.14159, "Betrag: 3,14 EUR", "3,14"},
        {"0.00 Stk 10", 1.5, "1,50", "1,5"}, // a "0" in the literal ends the pattern there
    };
    for (const TFormatCase& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " / " + std::to_string(c.value));
        EXPECT_EQ(FormatDisplayNumber(c.value, c.format, kDec, kGroup), c.shown);
        EXPECT_EQ(FormatEditNumber(c.value, c.format, kDec), c.edited);
    }
}

TEST(NumberFormat, ReadsSectionsThousandsAndDecimals) {
    const TFormatSection positive = DisplayFormatSection("0,000.00;(0.0)", 5);
    EXPECT_EQ(positive.text, "0,000.00");
    EXPECT_TRUE(positive.thousands);
    EXPECT_EQ(positive.decimals, 2);
    EXPECT_TRUE(positive.twoSections);
    const TFormatSection negative = DisplayFormatSection("0,000.00;(0.0)", -5);
    EXPECT_EQ(negative.text, "(0.0)");
    EXPECT_FALSE(negative.thousands);
    EXPECT_EQ(negative.decimals, 1);
    // A single section serves negative numbers too, with the number's own minus.
    EXPECT_EQ(DisplayFormatSection("0.0", -5).text, "0.0");
    EXPECT_FALSE(DisplayFormatSection("0.0", -5).twoSections);
}

TEST(NumberFormat, ZeroAfterRoundingHasNoSign) {
    EXPECT_EQ(FormatFixedNumber(-0.001, 2, true, kDec, kGroup), "0,00");
    EXPECT_EQ(FormatFixedNumber(-0.0, 0, false, kDec, kGroup), "0");
}

TEST(NumberFormat, KeepsEighteenSignificantDigitsThenSwitchesToAnExponent) {
    EXPECT_EQ(FormatFixedNumber(123456789012345678.0, 2, false, kDec, kGroup),
              "123456789012345680,00");
    const std::string big = FormatFixedNumber(1e20, 2, true, kDec, kGroup);
    EXPECT_EQ(big, "1,00000000000000000E+20");
    // The bare editing number keeps the exponent's digits.
    EXPECT_EQ(FormatEditNumber(1e20, kCurrency, kDec), "1,00000000000000000E+20");
    EXPECT_EQ(FormatFixedNumber(std::numeric_limits<double>::infinity(), 2, false, kDec, kGroup),
              "INF");
}

TEST(NumberFormat, ReadsTheRegionalNotationOnly) {
    struct TReadCase {
        const char* text;
        std::optional<double> value;
    };
    const TReadCase cases[] = {
        {"1234,5", 1234.5},
        {"  -1234,5 ", -1234.5},
        {"+7", 7.0},
        {",5", 0.5},
        {"5,", 5.0},
        {"1,5e3", 1500.0},
        {"2E-2", 0.02},
        {"1.234,5", std::nullopt}, // thousands separator
        {"1234.5", std::nullopt},  // the other notation's point
        {"12 \xE2\x82\xAC", std::nullopt},
        {"1,2,3", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {",", std::nullopt},
        {"1e", std::nullopt},
        {"1e999", std::nullopt}, // beyond the double range
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
        {"1 2", std::nullopt},
    };
    for (const TReadCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadNumber(c.text, kDec), c.value);
    }
    // A separator of more than one byte, as some regions use.
    EXPECT_EQ(ReadNumber("3\xC2\xB7"
                         "25",
                         "\xC2\xB7"),
              3.25);
}

} // namespace
} // namespace hovlo
