// The profile (ini file) reader that every configuration and customer-file read goes through.
// It keeps the semantics of the Windows profile functions that the files were written for:
// section and key names match without regard to case, blanks around names and values are
// trimmed, one pair of matching quotes around a value is dropped, lines starting with ";" are
// comments, the first occurrence of a section or key wins, values are cut to 2047 characters.
// Files are UTF-8 (a BOM is allowed) or, when not valid UTF-8, Windows-1252. A line without
// "=" inside a section is no entry. NUL bytes end a line. Every call reads the file anew.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace hovlo {

// Longest value a profile read returns, in characters.
inline constexpr std::size_t kProfileValueMax = 2047;

// Where bare profile names ("Vesk.ini") resolve: the platform installs its resolver once at
// start-up; without one a bare name names no file. A name containing "/" is used as given.
using TProfileFolderResolver = std::function<std::string()>;
void SetProfileFolderResolver(TProfileFolderResolver resolver);
std::string ResolveProfilePath(const std::string& fileName);

class TIniFile {
public:
    // Touches no file; a missing file reads as empty.
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return FFileName; }

    // True when the section exists and holds at least one key.
    bool SectionExists(const std::string& section) const;
    // The value of the first key of that name in the first section of that name, or Default.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // The key names of the section in file order, each name once (first spelling kept), as many
    // as fit together into the platform's 16384-character name buffer.
    std::vector<std::string> ReadSection(const std::string& section) const;
    // Appends name=value for every name ReadSection lists, with the first value of that key;
    // keys whose value is empty give no line, and a name already in the list (any case) has
    // its value replaced instead.
    void ReadSectionValues(const std::string& section, std::vector<std::string>& list) const;

private:
    std::string FFileName; // as given; bare names resolve at each read
};

} // namespace hovlo
