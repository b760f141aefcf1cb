#include "controls/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace hovlo {

namespace {

constexpr int kSignificantDigits = 18;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Adds one unit in the last place of a string of decimal digits; may grow it by one digit.
void IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string GroupThousands(const std::string& intDigits, const std::string& groupSep) {
    std::string out;
    const size_t n = intDigits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += groupSep;
        out += intDigits[i];
    }
    return out;
}

std::string ScientificNumber(double magnitude, const std::string& decimalSep) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*E", kSignificantDigits - 1, magnitude);
    std::string s = buf;
    const size_t point = s.find('.');
    if (point != std::string::npos)
        s.replace(point, 1, decimalSep);
    return s;
}

} // namespace

TFormatSection DisplayFormatSection(const std::string& displayFormat, double value) {
    TFormatSection section{};
    const size_t semicolon = displayFormat.find(';');
    section.twoSections = semicolon != std::string::npos;
    if (section.twoSections && value < 0)
        section.text = displayFormat.substr(semicolon + 1);
    else
        section.text = displayFormat.substr(0, semicolon);
    section.thousands = section.text.find("0,0") != std::string::npos;
    const size_t point = section.text.find("0.");
    if (point != std::string::npos) {
        for (size_t i = point + 2; i < section.text.size() && section.text[i] == '0'; ++i)
            ++section.decimals;
    }
    return section;
}

std::string FormatFixedNumber(double value, int decimals, bool thousands,
                              const std::string& decimalSep, const std::string& groupSep) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    decimals = std::max(0, decimals);
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    // The exact decimal expansion of the double (a double has at most 1074 fraction digits), so
    // that the rounding below decides on the true value and not on a rounded print of it.
    std::vector<char> buf(1500);
    std::snprintf(buf.data(), buf.size(), "%.1080f", magnitude);
    const std::string exact = buf.data();
    const size_t point = exact.find('.');
    std::string intPart = exact.substr(0, point);
    const std::string fracPart = exact.substr(point + 1);

    const int intDigits = intPart == "0" ? 0 : static_cast<int>(intPart.size());
    if (intDigits > kSignificantDigits)
        return (negative ? "-" : "") + ScientificNumber(magnitude, decimalSep);

    // Keep at most 18 significant digits; the decimals beyond them are written as zeros.
    int kept = decimals;
    if (intDigits > 0) {
        kept = std::min(kept, kSignificantDigits - intDigits);
    } else {
        const size_t firstNonZero = fracPart.find_first_not_of('0');
        const int leadingZeros = firstNonZero == std::string::npos
                                     ? static_cast<int>(fracPart.size())
                                     : static_cast<int>(firstNonZero);
        kept = std::min(kept, leadingZeros + kSignificantDigits);
    }
    kept = std::min(kept, static_cast<int>(fracPart.size()) - 1);

    std::string digits = intPart + fracPart.substr(0, static_cast<size_t>(kept));
    const char next = fracPart[static_cast<size_t>(kept)];
    if (next >= '5')
        IncrementDigits(digits); // halves go away from zero
    const size_t intLen = digits.size() - static_cast<size_t>(kept);
    intPart = digits.substr(0, intLen);
    std::string frac = digits.substr(intLen);
    frac.append(static_cast<size_t>(decimals - kept), '0');

    const bool allZero = digits.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !allZero) ? "-" : "";
    out += thousands ? GroupThousands(intPart, groupSep) : intPart;
    if (decimals > 0)
        out += decimalSep + frac;
    return out;
}

std::string FormatDisplayNumber(double value, const std::string& displayFormat,
                                const std::string& decimalSep, const std::string& groupSep) {
    const TFormatSection section = DisplayFormatSection(displayFormat, value);
    std::string number =
        FormatFixedNumber(value, section.decimals, section.thousands, decimalSep, groupSep);
    // The negative section brings its own sign (parentheses or a minus of its own).
    if (section.twoSections && !number.empty() && number.front() == '-')
        number.erase(0, 1);
    std::string text = section.text;
    const size_t first = text.find('0');
    if (first == std::string::npos)
        return number + text;
    const size_t last = text.rfind('0');
    text.replace(first, last - first + 1, number);
    return text;
}

std::string FormatEditNumber(double value, const std::string& displayFormat,
                             const std::string& decimalSep) {
    const TFormatSection section = DisplayFormatSection(displayFormat, value);
    std::string number = FormatFixedNumber(value, section.decimals, false, decimalSep, "");
    // Only a plain fixed number has trailing fraction zeros; an exponent's digits stay.
    if (section.decimals > 0 && number.find('E') == std::string::npos &&
        number.find(decimalSep) != std::string::npos) {
        while (!number.empty() && number.back() == '0')
            number.pop_back();
        if (number.size() >= decimalSep.size() &&
            number.compare(number.size() - decimalSep.size(), decimalSep.size(), decimalSep) == 0)
            number.erase(number.size() - decimalSep.size());
    }
    return number;
}

std::optional<double> ReadNumber(const std::string& text, const std::string& decimalSep) {
    size_t begin = 0;
    size_t end = text.size();
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;

    // Rebuild the number in the notation from_chars reads, checking the grammar on the way.
    std::string plain;
    size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool seenPoint = false;
    while (i < end) {
        if (IsDigit(text[i])) {
            plain += text[i++];
            ++mantissaDigits;
        } else if (!seenPoint && !decimalSep.empty() &&
                   text.compare(i, decimalSep.size(), decimalSep) == 0) {
            plain += '.';
            i += decimalSep.size();
            seenPoint = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        int exponentDigits = 0;
        while (i < end && IsDigit(text[i])) {
            plain += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;

    double value = 0;
    const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace hovlo
