// The machine measurements on Linux: sysinfo and /proc/meminfo for memory, the primary screen
// for size and depth, os-release and uname for the version text, the print system's list and
// default printer (kept for the run after the first use), and statvfs on the mount points that
// stand in for drive letters. The application installs one at start-up as the core's probe.
#pragma once

#include "data/DriveLetters.h"
#include "data/SystemProbe.h"

#include <chrono>
#include <optional>

struct statvfs;

namespace hovlo::platform {

class TLinuxSystemProbe final : public ISystemProbe {
public:
    TMemoryStatus MemoryStatus() override;
    int ScreenWidth() override;
    int ScreenHeight() override;
    int ColorDepth() override;
    std::optional<std::string> VersionText() override;
    std::vector<std::string> Printers() override;
    std::string CurrentPrinter() override;
    std::int64_t DiskFree(int drive) override;
    std::int64_t DiskSize(int drive) override;

    // The mount point that stands in for a drive number now; empty when there is none.
    std::string DriveMountPoint(int drive);

private:
    void LoadPrinters();
    // statvfs on the drive's mount point; only local block-device file systems get here.
    bool StatDrive(int drive, struct statvfs& st);

    bool FPrintersLoaded = false;
    std::vector<std::string> FPrinters; // as at the first printer query of the run
    std::string FDefaultPrinter;        // empty: no default printer
    TDriveMap FDrives;                  // drive letters as last read from the mount table
    std::chrono::steady_clock::time_point FDrivesReadAt;
    bool FDrivesRead = false;
};

// The version text from os-release text and a kernel release: PRETTY_NAME (shell-style quotes
// removed; "Linux" when missing), then " (Kernel ", the release and ")".
std::string LinuxVersionText(const std::string& osRelease, const std::string& kernelRelease);

// Installs the Linux probe as the core's system probe (once per run).
void InstallSystemProbe();

} // namespace hovlo::platform
