// File version texts: the fixed file information of a version resource, as the maker's Windows
// products carry it in their PE/COFF files (.exe, .dll). Any other file has none.
#pragma once

#include <string>

namespace hovlo {

// "major.minor.release.build" of the file's fixed file information, or "" when the file has
// none (missing, unreadable, not a PE file, no or malformed version resource). Never throws.
std::string FileVersionText(const std::string& fileName);

} // namespace hovlo
