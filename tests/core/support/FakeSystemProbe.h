// A system probe whose answers a test sets field by field; every query can be made to fail.
#pragma once

#include "data/SystemProbe.h"

#include <map>
#include <set>
#include <stdexcept>

namespace hovlo::test {

class TFakeSystemProbe : public ISystemProbe {
public:
    TMemoryStatus Memory{8ull << 30, 3ull << 30};
    int Width = 1920;
    int Height = 1080;
    int Depth = 32;
    std::optional<std::string> Version = "Debian GNU/Linux 12 (bookworm) (Kernel 6.1.0-13-amd64)";
    std::vector<std::string> PrinterNames = {"Laser"};
    std::optional<std::string> DefaultPrinter = "Laser"; // nullopt: no default printer
    std::map<int, std::int64_t> Free, Size;              // by drive number; missing: -1
    std::set<int> ThrowingDrives;                        // DiskFree raises for these
    bool ThrowOnScreen = false;

    TMemoryStatus MemoryStatus() override { return Memory; }
    int ScreenWidth() override { return Screen(Width); }
    int ScreenHeight() override { return Screen(Height); }
    int ColorDepth() override { return Screen(Depth); }
    std::optional<std::string> VersionText() override { return Version; }
    std::vector<std::string> Printers() override { return PrinterNames; }
    std::string CurrentPrinter() override {
        if (!DefaultPrinter)
            throw EPrinter();
        return *DefaultPrinter;
    }
    std::int64_t DiskFree(int drive) override {
        if (ThrowingDrives.contains(drive))
            throw std::runtime_error("drive not ready");
        return Lookup(Free, drive);
    }
    std::int64_t DiskSize(int drive) override { return Lookup(Size, drive); }

private:
    int Screen(int value) const {
        if (ThrowOnScreen)
            throw std::runtime_error("no screen");
        return value;
    }
    static std::int64_t Lookup(const std::map<int, std::int64_t>& m, int drive) {
        const auto it = m.find(drive);
        return it == m.end() ? -1 : it->second;
    }
};

} // namespace hovlo::test
