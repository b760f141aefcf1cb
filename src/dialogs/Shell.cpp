#include "dialogs/Shell.h"

namespace hovlo {

namespace {

class TNoShell final : public IShell {
public:
    int ShellExecute(const std::string&, const std::string&, const std::string&,
                     const std::string&, int) override {
        return kShellNoAssociation;
    }
    int FindExecutable(const std::string&, const std::string&) override {
        return kShellNoAssociation;
    }
    bool StartProcess(const std::string&, const std::vector<std::string>&, bool) override {
        return false;
    }
};

TNoShell gNoShell;
IShell* gShell = &gNoShell; // the platform's shell, installed once at start-up

} // namespace

IShell& Shell() { return *gShell; }

void SetShell(IShell* shell) { gShell = shell ? shell : &gNoShell; }

} // namespace hovlo
