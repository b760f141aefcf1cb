// Text helpers shared by the core: the core holds UTF-8 text, files may arrive as Windows-1252,
// and lengths that the system caps are counted in characters (code points).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hovlo {

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Converts Windows-1252 bytes to UTF-8; the five unassigned bytes map to U+0081 and friends.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 as it stands when valid, else the bytes read as Windows-1252. A UTF-8 BOM is dropped.
std::string DecodeText(std::string_view bytes);

// The first maxChars characters of a UTF-8 text, never cutting inside a sequence.
std::string CutToChars(std::string_view utf8, std::size_t maxChars);

// ASCII-only case mapping, as the system's option and marker tests use it.
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace hovlo
