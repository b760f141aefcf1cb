// The edit field's number texts: showing a number in a display format, the bare number for
// editing, and reading typed text back. Standard library only; the separators come in as
// arguments (the edit field passes those of the user's regional settings).
//
// A display format has one section, or two separated by its first ";" (the second for negative
// numbers). In a section, "0,0" asks for thousands separators, the "0"s right after the first
// "0." count the decimals, and the stretch from the first through the last "0" is the number's
// place; the text around it is kept as it is.
#pragma once

#include <optional>
#include <string>

namespace hovlo {

struct TFormatSection {
    std::string text; // the section that applies
    bool thousands;   // it contains "0,0"
    int decimals;     // "0"s directly after its first "0."
    bool twoSections; // the format has a section for negative numbers
};

// The section of `displayFormat` for `value` (the second one for a negative value when there
// are two), with its thousands flag and decimals count.
TFormatSection DisplayFormatSection(const std::string& displayFormat, double value);

// `value` rounded to `decimals` (halves away from zero, at most 18 significant digits; beyond 18
// digits before the point it switches to an exponent), with `groupSep` between thousands when
// `thousands` is set. A result that rounds to zero carries no sign.
std::string FormatFixedNumber(double value, int decimals, bool thousands,
                              const std::string& decimalSep, const std::string& groupSep);

// The text a numeric field shows for `value` outside editing.
std::string FormatDisplayNumber(double value, const std::string& displayFormat,
                                const std::string& decimalSep, const std::string& groupSep);

// The bare number a numeric field shows while it is edited: the format's decimals, no thousands
// separators, no literal text, trailing zeros and a trailing separator removed.
std::string FormatEditNumber(double value, const std::string& displayFormat,
                             const std::string& decimalSep);

// Reads typed text: blanks around, an optional sign, digits with at most one `decimalSep`, an
// optional exponent. Anything else (thousands separators, currency signs, letters, a number out
// of the double range) and empty text give no value.
std::optional<double> ReadNumber(const std::string& text, const std::string& decimalSep);

} // namespace hovlo
