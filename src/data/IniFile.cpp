#include "data/IniFile.h"

#include "data/TextCodec.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

namespace hovlo {

namespace {

TProfileFolderResolver& Resolver() {
    static TProfileFolderResolver resolver;
    return resolver;
}

struct TEntry {
    std::string_view key;
    std::string_view value;
};

std::string_view Trim(std::string_view s) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string ReadWholeFile(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec))
        return {};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Walks the entries of the first section named `section`; the visitor returns false to stop.
template <typename Visitor>
void VisitSection(std::string_view text, std::string_view section, Visitor&& visit) {
    bool inSection = false;
    bool seen = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of(std::string_view("\r\n\0", 3), pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            if (inSection)
                return; // only the first section of that name counts
            std::string_view name = line.substr(1);
            if (const auto close = name.find(']'); close != std::string_view::npos)
                name = name.substr(0, close);
            inSection = !seen && EqualsNoCase(Trim(name), section);
            seen = seen || inSection;
            continue;
        }
        if (!inSection)
            continue;
        const auto eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, eq));
        if (key.empty())
            continue;
        if (!visit(TEntry{key, Unquote(Trim(line.substr(eq + 1)))}))
            return;
    }
}

std::string LoadText(const std::string& fileName) {
    return DecodeText(ReadWholeFile(ResolveProfilePath(fileName)));
}

// The key names of a section in file order, each once (first spelling kept). Like the
// platform's name listing, they come through one buffer of 16384 characters: each name with
// its terminator, and one terminator at the end; names that no longer fit whole are left out.
std::vector<std::string> SectionNames(std::string_view text, std::string_view section) {
    constexpr std::size_t kNameBuffer = 16384;
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    std::size_t used = 1; // the final terminator
    VisitSection(text, section, [&](const TEntry& e) {
        if (!seen.insert(LowerAscii(e.key)).second)
            return true;
        const std::size_t need = CharCount(e.key) + 1;
        if (used + need > kNameBuffer)
            return false;
        used += need;
        names.emplace_back(e.key);
        return true;
    });
    return names;
}

// The value of the first key of each name, cut to the profile limit; one pass over the text.
std::unordered_map<std::string, std::string> FirstValues(std::string_view text,
                                                         std::string_view section,
                                                         const std::vector<std::string>& names) {
    std::unordered_map<std::string, std::string> values;
    for (const auto& n : names)
        values.emplace(LowerAscii(n), std::string());
    std::unordered_set<std::string> found;
    VisitSection(text, section, [&](const TEntry& e) {
        std::string lower = LowerAscii(e.key);
        const auto it = values.find(lower);
        if (it != values.end() && found.insert(std::move(lower)).second)
            it->second = CutToChars(e.value, kProfileValueMax);
        return found.size() < values.size();
    });
    return values;
}

} // namespace

void SetProfileFolderResolver(TProfileFolderResolver resolver) {
    Resolver() = std::move(resolver);
}

std::string ResolveProfilePath(const std::string& fileName) {
    if (fileName.find('/') != std::string::npos)
        return fileName;
    if (fileName.empty() || !Resolver())
        return {};
    std::string folder = Resolver()();
    if (folder.empty())
        return {};
    if (folder.back() != '/')
        folder += '/';
    return folder + fileName;
}

TIniFile::TIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

bool TIniFile::SectionExists(const std::string& section) const {
    const std::string text = LoadText(FFileName);
    bool any = false;
    VisitSection(text, section, [&](const TEntry&) {
        any = true;
        return false;
    });
    return any;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    const std::string text = LoadText(FFileName);
    std::string result = defaultValue;
    VisitSection(text, section, [&](const TEntry& e) {
        if (!EqualsNoCase(e.key, key))
            return true;
        result = CutToChars(e.value, kProfileValueMax);
        return false;
    });
    return result;
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
    const std::string text = LoadText(FFileName);
    return SectionNames(text, section);
}

void TIniFile::ReadSectionValues(const std::string& section, std::vector<std::string>& list) const {
    const std::string text = LoadText(FFileName);
    // Where each name of the list stands, by lower-case name (first line of a name wins).
    std::unordered_map<std::string, std::size_t> index;
    const auto reindex = [&] {
        index.clear();
        for (std::size_t i = 0; i < list.size(); ++i)
            index.emplace(LowerAscii(std::string_view(list[i]).substr(0, list[i].find('='))), i);
    };
    reindex();
    const std::vector<std::string> names = SectionNames(text, section);
    const auto values = FirstValues(text, section, names);
    for (const std::string& key : names) {
        const std::string& value = values.at(LowerAscii(key));
        // Setting a value in the list: an existing name (any case) is replaced or, for an
        // empty value, removed; a new name with an empty value gives no line.
        const std::string lower = LowerAscii(key);
        if (const auto it = index.find(lower); it != index.end()) {
            if (value.empty()) {
                list.erase(list.begin() + static_cast<std::ptrdiff_t>(it->second));
                reindex();
            } else {
                list[it->second] = key + "=" + value;
            }
        } else if (!value.empty()) {
            index.emplace(lower, list.size());
            list.push_back(key + "=" + value);
        }
    }
}

} // namespace hovlo
