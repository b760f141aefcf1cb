// A temporary stand-in for the Windows folder: bare profile names ("Vesk.ini") resolve to it
// while the object lives.
#pragma once

#include "core/support/TempDir.h"
#include "data/IniFile.h"

namespace hovlo::test {

class TProfileFolder {
public:
    TProfileFolder() {
        SetProfileFolderResolver([d = FDir.Dir()] { return d; });
    }
    ~TProfileFolder() { SetProfileFolderResolver(nullptr); }
    TProfileFolder(const TProfileFolder&) = delete;
    TProfileFolder& operator=(const TProfileFolder&) = delete;

    // Writes the customer file into the folder.
    void Write(std::string_view text) const { FDir.Write("Vesk.ini", text); }

private:
    TTempDir FDir;
};

} // namespace hovlo::test
