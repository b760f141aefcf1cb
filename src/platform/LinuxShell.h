// The desktop shell on Linux: documents open with the default application for their content
// type, web and mail addresses with the handler of their scheme (both through GIO), and programs
// start from an argument vector without a shell. The program entry installs it at start-up.
#pragma once

#include "dialogs/Shell.h"

namespace hovlo::platform {

class TLinuxShell final : public IShell {
public:
    // "open" or the empty verb open a file or address; other verbs give kShellNoAssociation.
    // Missing folder gives kShellPathNotFound, missing file kShellFileNotFound, no default
    // application (or one that fails to launch) kShellNoAssociation. Relative names resolve
    // against `directory`, else the working folder. A program file is opened like any document
    // (by the application registered for its type), never run: link targets may come from pages.
    int ShellExecute(const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& directory,
                     int showCommand) override;
    // The same lookup without launching.
    int FindExecutable(const std::string& file, const std::string& directory) override;
    // With wait, runs a local loop that repaints but delivers no user input until the program
    // has ended. The program's output goes nowhere.
    bool StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                      bool wait) override;
};

// Installs one TLinuxShell as the program's shell for the rest of the run.
void InstallLinuxShell();

} // namespace hovlo::platform
