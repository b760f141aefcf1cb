// The shared shell routines of the dialogs and the main window, without widgets: the program
// folder, the common files folder and ShellOpen's decisions between starting a program and
// handing a document or address to the shell. uGlobal wraps them with the installed shell and
// the kit's message box.
#pragma once

#include "dialogs/Shell.h"

#include <functional>
#include <string>
#include <vector>

namespace hovlo {

// The folder of the running program file, ending in "/". Fixed at the first call.
std::string GetProgramDir();
// The folder that holds the makers' shared programs; always ends in "/".
std::string GetCommonFilesDir();

// Splits a parameter text into arguments the way a command line is split: blanks and tabs
// separate, double quotes group (blanks inside them belong to the argument) and are removed.
std::vector<std::string> SplitCommandLine(const std::string& parameters);

// The message shown when no program is registered for a document (or it does not exist).
std::string NoAssociationText(const std::string& fileName);

// Shows a message with the information icon and an OK button; returns when it is closed.
using TInformationMessage = std::function<void(const std::string& text)>;

// Starts fileName from folder when it is a program (".exe" in any case), with the parameters
// split into arguments and the path kept whole, and returns whether it started (waiting for its
// end when asked). Anything else is a document or address for the shell; that returns false,
// with a message when no program is registered for it.
bool ShellOpen(const std::string& fileName, const std::string& folder,
               const std::string& parameters, bool wait, IShell& shell,
               const TInformationMessage& showMessage);

} // namespace hovlo
