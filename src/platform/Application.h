// The application object's services that the windows share: its title, the request to end the
// run, and where bare profile names resolve on this platform.
#pragma once

#include <QString>

namespace hovlo::platform {

// The application title: task-bar title and the caption of the program's own message windows.
inline QString ApplicationTitle() { return QStringLiteral("Hovlo"); }

// Settings that must be made before the application object exists (engine attributes, the
// command-link scheme). Called first by the program entry and by the test programs.
void PrepareApplication();

// Asks the run loop to end at its next turn. Asked before the loop runs, the program entry
// does not start the loop at all.
void Terminate();
// True once Terminate has been asked for.
bool Terminated();

// The folder that stands in for the Windows folder: $XDG_CONFIG_HOME, else $HOME/.config.
std::string WindowsFolder();
// Lets bare profile names of the core resolve to WindowsFolder().
void InstallProfileFolderResolver();
// Installs what the core asks of this platform: the profile folder, the system probe and the
// shell.
// Called once by the program entry after the application object exists.
void InstallPlatformServices();

} // namespace hovlo::platform
