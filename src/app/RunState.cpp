#include "app/RunState.h"

#include "app/FileVersion.h"
#include "data/TextCodec.h"

#include <filesystem>

namespace hovlo {

namespace {

std::string ExpandFileName(const std::string& value, const std::string& currentDir) {
    if (value.empty())
        return {};
    std::filesystem::path p(value);
    if (!p.is_absolute())
        p = std::filesystem::path(currentDir) / p;
    return p.lexically_normal().string();
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

} // namespace

bool ReadCommandLine(TRunState& state, const std::vector<std::string>& args,
                     const std::string& currentDir) {
    try {
        if (args.size() > 6)
            return false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string a = UpperAscii(args[i]);
            // The value after an option is examined as an option itself in the next turn.
            const std::string next = i + 1 < args.size() ? args[i + 1] : std::string();
            if (a == "-V") {
                state.FVersion = next;
            } else if (a == "-C") {
                state.FConfigFile = ExpandFileName(next, currentDir);
                state.FConfigDir = FolderOf(state.FConfigFile);
            } else if (a == "-DID") {
                state.FDialogId = next;
            } else if (a == "-ONLINE") {
                state.FPageMode = pmOnline;
            } else if (a == "-BRIEF") {
                state.FPageMode = pmLetter;
            } else if (a == "-FAX") {
                state.FPageMode = pmFax;
            }
        }
        return !state.FConfigFile.empty();
    } catch (...) {
        // Any failure while reading the arguments makes the command line unusable.
        return false;
    }
}

std::optional<std::int32_t> StrToInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    std::int64_t n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        n = n * 10 + (text[i] - '0');
        if (n > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        n = -n;
    if (n > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(n);
}

std::string MapProductId(const std::string& pid) {
    const std::int32_t n = StrToInt(pid).value_or(0);
    if (n >= 1 && n <= static_cast<std::int32_t>(ProductIdTable.size()))
        return std::to_string(ProductIdTable[static_cast<std::size_t>(n - 1)]);
    return pid;
}

std::string ApplyTemplatePathRule(const std::string& value, const std::string& configDir) {
    // "/" starts a full path here; the drive-letter and backslash forms are kept so that a
    // configuration written on Windows still names its templates unchanged.
    if (!value.empty() && (value[0] == '/' || value[0] == '\\'))
        return value;
    if (value.size() >= 2 && value[1] == ':')
        return value;
    return configDir + value;
}

bool ReadSettings(TRunState& state, std::string* caption) {
    try {
        const TIniFile config(state.FConfigFile);
        if (!config.SectionExists("Setting"))
            return false;
        state.FUpdateCfg = config.ReadString("Setting", "UpdateCFG", state.FConfigDir + "update.cfg");
        const std::string dialogName = config.ReadString("Setting", "Dialogname", kDefaultCaption);
        state.FProductId = MapProductId(config.ReadString("Setting", "PID", ""));

        // An empty template value would name the configuration folder itself; it counts as
        // missing so that the template beside the program is used.
        const auto templatePath = [&](const char* key, const char* defaultName) {
            std::string value = config.ReadString("Setting", key, "");
            if (value.empty())
                value = state.FExeDir + defaultName;
            return ApplyTemplatePathRule(value, state.FConfigDir);
        };
        state.FFaxTemplate = templatePath("FaxVorlage", "Fax.html");
        state.FLetterTemplate = templatePath("BriefVorlage", "Brief.html");

        const TIniFile update(state.FUpdateCfg);
        state.FProductName =
            config.ReadString("Setting", "Produkt", update.ReadString("UpdateInfo", "Produkt", ""));

        std::string version = FileVersionText(state.FConfigDir + config.ReadString("Setting", "Programm", ""));
        if (version.empty())
            version = config.ReadString("Setting", "Version", "");
        if (version.empty()) {
            const std::string checkSection = update.ReadString("UpdateInfo", "1", "");
            if (!checkSection.empty())
                version = FileVersionText(state.FConfigDir + update.ReadString(checkSection, "VerCheck", ""));
        }
        if (!version.empty())
            state.FVersion = version;
        if (caption)
            *caption = dialogName;
        return true;
    } catch (...) {
        // Any failure while reading the configuration makes it unusable.
        return false;
    }
}

} // namespace hovlo
