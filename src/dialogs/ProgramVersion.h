// The program's own version text, cut from the FileVersion string of its version information.
// Used by the online support address and the about box.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace hovlo {

// A version information block as far as the version text needs it: the translations and, per
// string table ("040704E4"), its named strings (names match without regard to case).
struct TVersionInfo {
    std::vector<std::pair<std::uint16_t, std::uint16_t>> Translations; // language, code page
    std::map<std::string, std::map<std::string, std::string>> StringTables;
};

// The version information compiled into the program.
const TVersionInfo& OwnVersionInfo();

// Major, minor and release of the FileVersion string, one-character parts with a leading "0";
// ".." without version information.
std::string ProgramVersionText(const TVersionInfo* info);
// The same for the program itself; "02.00.00" for 2.0.0.26.
std::string ProgramVersionText();

} // namespace hovlo
