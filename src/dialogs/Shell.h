// What the program asks of the desktop shell: open a document, program or address with the
// handler registered for it, find that handler, start a program. Results follow the Windows
// shell's codes, which the system's decisions are written against. The platform installs the
// real shell at start-up; tests install fakes.
#pragma once

#include <string>
#include <vector>

namespace hovlo {

// Shell result codes: above 32 means success.
inline constexpr int kShellFileNotFound = 2;
inline constexpr int kShellPathNotFound = 3;
inline constexpr int kShellNoAssociation = 31;
inline constexpr int kShellOk = 42;
inline constexpr int kShowNormal = 1; // SW_SHOWNORMAL
inline constexpr int kShow = 5;       // SW_SHOW: current size and position

class IShell {
public:
    virtual ~IShell() = default;
    // Opens `file` (a path, a program, a web or mail address) with its default handler;
    // `directory` is the working folder for relative names. An empty verb is the default action.
    virtual int ShellExecute(const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory,
                             int showCommand) = 0;
    // Whether a program is registered for the file in that folder: above 32 when found, else
    // kShellFileNotFound, kShellPathNotFound or kShellNoAssociation.
    virtual int FindExecutable(const std::string& file, const std::string& directory) = 0;
    // Starts `program` with the arguments, no shell in between. With wait, returns when it has
    // ended; windows keep painting meanwhile but take no input. True when it was started.
    virtual bool StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                              bool wait) = 0;
};

// The installed shell; without one, a shell that opens nothing (kShellNoAssociation).
IShell& Shell();
// Installs a shell (not owned); nullptr restores the one that opens nothing.
void SetShell(IShell* shell);

} // namespace hovlo
