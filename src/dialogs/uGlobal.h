// The shell routines and commands shared by the main window and the dialogs: ShellOpen with the
// installed shell and the kit's message box, the help command and the internet-settings command.
// TFormMain's mHilfeClick and mIESetupClick call ShowHelp and RunIESetup; the folders and
// ShellOpen's decisions are in GlobalCore.
#pragma once

#include "dialogs/GlobalCore.h"

#include <string>

namespace hovlo {

// ShellOpen on the installed shell; the "no program" message goes through ShowMessageBox.
bool ShellOpen(const std::string& fileName, const std::string& folder,
               const std::string& parameters, bool wait);

// The help text's file in the program folder.
inline constexpr const char* kHelpFileName = "Hovlo.chm";

// Opens the help file through the shell; a missing file (or folder) shows the plain message
// window "Datei "Hovlo.chm" wurde nicht gefunden."; any other failure stays silent.
void ShowHelp();

// Starts the maker's internet-settings program with the program folder's update configuration
// and waits for its end; a missing program returns at once without a message.
void RunIESetup();

} // namespace hovlo
