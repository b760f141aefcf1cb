#include "dialogs/ProgramVersion.h"

#include "app/BuildInfo.h"
#include "data/TextCodec.h"

#include <cstdio>

namespace hovlo {

namespace {

const std::string* FindString(const std::map<std::string, std::string>& table,
                              const std::string& name) {
    for (const auto& [key, value] : table)
        if (EqualsNoCase(key, name))
            return &value;
    return nullptr;
}

std::string WorkingText(const TVersionInfo* info) {
    if (!info || info->Translations.empty())
        return {};
    char block[16];
    std::snprintf(block, sizeof block, "%04X%04X", info->Translations.front().first,
                  info->Translations.front().second);
    const auto table = info->StringTables.find(block);
    if (table == info->StringTables.end())
        return {};
    const std::string* fileVersion = FindString(table->second, "Fileversion");
    if (!fileVersion)
        return {};
    std::string text = *fileVersion;
    if (const std::string* description = FindString(table->second, "Filedescription"))
        text += " " + *description;
    // The working text holds at most 100 characters; only the first three numbers matter.
    return CutToChars(text, 100);
}

// Takes the text before the first "." and leaves what follows it; without a "." the part is
// empty and the rest stays.
std::string CutPart(std::string& rest) {
    const auto dot = rest.find('.');
    if (dot == std::string::npos)
        return {};
    std::string part = rest.substr(0, dot);
    rest.erase(0, dot + 1);
    if (CutToChars(part, 1) == part && !part.empty())
        part = "0" + part;
    return part;
}

} // namespace

const TVersionInfo& OwnVersionInfo() {
    static const TVersionInfo info = [] {
        TVersionInfo v;
        v.Translations.emplace_back(build::LanguageId, build::CodePage);
        char block[16];
        std::snprintf(block, sizeof block, "%04X%04X", build::LanguageId, build::CodePage);
        v.StringTables[block] = {{"FileVersion", build::FileVersion},
                                 {"FileDescription", build::FileDescription}};
        return v;
    }();
    return info;
}

std::string ProgramVersionText(const TVersionInfo* info) {
    std::string rest = WorkingText(info);
    const std::string p1 = CutPart(rest);
    const std::string p2 = CutPart(rest);
    const std::string p3 = CutPart(rest);
    return p1 + "." + p2 + "." + p3;
}

std::string ProgramVersionText() { return ProgramVersionText(&OwnVersionInfo()); }

} // namespace hovlo
