#include "data/IniFile.h"

#include "data/TextCodec.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

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
    std::vector<std::string> names;
    VisitSection(text, section, [&](const TEntry& e) {
        for (const auto& n : names)
            if (EqualsNoCase(n, e.key))
                return true;
        names.emplace_back(e.key);
        return true;
    });
    return names;
}

void TIniFile::ReadSectionValues(const std::string& section,
                                 std::vector<std::string>& list) const {
    const std::string text = LoadText(FFileName);
    std::vector<std::pair<std::string_view, std::string>> values; // first occurrence per key
    VisitSection(text, section, [&](const TEntry& e) {
        for (const auto& v : values)
            if (EqualsNoCase(v.first, e.key))
                return true;
        values.emplace_back(e.key, CutToChars(e.value, kProfileValueMax));
        return true;
    });
    for (const auto& [key, value] : values) {
        // Setting a value in the list: an existing name (any case) is replaced or, for an
        // empty value, removed; a new name with an empty value gives no line.
        auto it = list.begin();
        for (; it != list.end(); ++it) {
            const auto eq = it->find('=');
            if (EqualsNoCase(std::string_view(*it).substr(0, eq), key))
                break;
        }
        if (it != list.end()) {
            if (value.empty())
                list.erase(it);
            else
                *it = std::string(key) + "=" + value;
        } else if (!value.empty()) {
            list.push_back(std::string(key) + "=" + value);
        }
    }
}

} // namespace hovlo
