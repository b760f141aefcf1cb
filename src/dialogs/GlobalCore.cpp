#include "dialogs/GlobalCore.h"

#include "data/TextCodec.h"

#include <filesystem>
#include <system_error>

namespace hovlo {

namespace {

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string ReadProgramDir() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "/";
    return WithTrailingSeparator(exe.parent_path().string());
}

} // namespace

std::string GetProgramDir() {
    // The process's one cache: the folder cannot change while the program runs.
    static const std::string programDir = ReadProgramDir();
    return programDir;
}

std::string GetCommonFilesDir() {
    return "/opt/";
}

std::vector<std::string> SplitCommandLine(const std::string& parameters) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (const char c : parameters) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true; // "" is an empty argument
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument)
                arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(std::move(current));
    return arguments;
}

std::string NoAssociationText(const std::string& fileName) {
    return "F\u00fcr das angegebene Dokument (" + fileName +
           ") ist keine Verkn\u00fcpfung verf\u00fcgbar. Bitte installieren Sie das f\u00fcr "
           "diesen Dokumenttyp notwendige Programm.";
}

bool ShellOpen(const std::string& fileName, const std::string& folder,
               const std::string& parameters, bool wait, IShell& shell,
               const TInformationMessage& showMessage) {
    if (fileName.empty())
        return false;
    std::string directory = WithTrailingSeparator(folder);

    const auto dot = fileName.rfind('.');
    if (dot != std::string::npos && EqualsNoCase(fileName.substr(dot), ".exe")) {
        // The program path goes whole, as one argument: a folder with blanks must not be split
        // into a program name and arguments.
        return shell.StartProcess(directory + fileName, SplitCommandLine(parameters), wait);
    }

    // Web addresses need no registered program and no folder in front.
    bool found;
    if (UpperAscii(CutToChars(fileName, 4)) == "HTTP") {
        found = true;
        directory.clear();
    } else {
        found = shell.FindExecutable(fileName, directory) > 32;
    }
    if (found)
        shell.ShellExecute("open", directory + fileName, "", "", kShowNormal);
    else if (showMessage)
        showMessage(NoAssociationText(fileName));
    return false;
}

} // namespace hovlo
