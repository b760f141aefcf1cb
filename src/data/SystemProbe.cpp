#include "data/SystemProbe.h"

namespace hovlo {

namespace {

class TNoSystemProbe final : public ISystemProbe {
public:
    TMemoryStatus MemoryStatus() override { return {}; }
    int ScreenWidth() override { return 0; }
    int ScreenHeight() override { return 0; }
    int ColorDepth() override { return 0; }
    std::optional<std::string> VersionText() override { return std::nullopt; }
    std::vector<std::string> Printers() override { return {}; }
    std::string CurrentPrinter() override { throw EPrinter(); }
    std::int64_t DiskFree(int) override { return -1; }
    std::int64_t DiskSize(int) override { return -1; }
};

TNoSystemProbe gNoSystemProbe;
ISystemProbe* gSystemProbe = &gNoSystemProbe; // the platform's probe, installed at start-up

} // namespace

ISystemProbe& SystemProbe() {
    return *gSystemProbe;
}

void SetSystemProbe(ISystemProbe* probe) {
    gSystemProbe = probe ? probe : &gNoSystemProbe;
}

} // namespace hovlo
