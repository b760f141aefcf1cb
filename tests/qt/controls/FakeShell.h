// A shell for the kit's tests: records what it is asked to open and answers with a set result.
#pragma once

#include "dialogs/Shell.h"

#include <string>
#include <vector>

namespace hovlo::test {

class TFakeShell final : public IShell {
public:
    struct TCall {
        std::string verb, file, parameters, directory;
        int showCommand;
    };

    TFakeShell() { SetShell(this); }
    ~TFakeShell() override { SetShell(nullptr); }

    int ShellExecute(const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& directory,
                     int showCommand) override {
        calls.push_back({verb, file, parameters, directory, showCommand});
        return result;
    }
    int FindExecutable(const std::string&, const std::string&) override { return result; }
    bool StartProcess(const std::string&, const std::vector<std::string>&, bool) override {
        return false;
    }

    int result = kShellOk;
    std::vector<TCall> calls;
};

} // namespace hovlo::test
