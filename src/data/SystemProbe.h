// What the program asks of the machine it runs on: memory, screen, the operating system's
// version text, printers and disk space per drive number. The support field list and the
// your-data dialog measure through this interface; the text forms of the results live in
// VeskSysUtils. The platform installs the real probe at start-up; tests install fakes.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace hovlo {

// The printer error's text when no printer is the default one.
inline constexpr const char* kNoDefaultPrinterText = "Zur Zeit ist kein Standard-Drucker gewählt";

// Raised by the printer queries (no default printer, no printer at all).
class EPrinter : public std::runtime_error {
public:
    explicit EPrinter(const std::string& message = kNoDefaultPrinterText)
        : std::runtime_error(message) {}
};

// Physical memory in bytes, both from one query.
struct TMemoryStatus {
    std::uint64_t TotalPhys = 0;
    std::uint64_t AvailPhys = 0;
};

class ISystemProbe {
public:
    virtual ~ISystemProbe() = default;

    // Total and available physical memory, from one query.
    virtual TMemoryStatus MemoryStatus() = 0;
    // Size of the primary screen in pixels, asked anew at each call.
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;
    // Bits per pixel of the primary screen.
    virtual int ColorDepth() = 0;
    // The operating system's version text as shown to support; nullopt when the query fails.
    virtual std::optional<std::string> VersionText() = 0;
    // The installed printers in the system's order (empty when there are none).
    virtual std::vector<std::string> Printers() = 0;
    // The name of the current (default) printer; raises EPrinter when there is none.
    virtual std::string CurrentPrinter() = 0;
    // Bytes available to the user and total bytes of a drive; drive 1 is A:, 3 is C:, 26 is Z:.
    // -1 when the drive does not exist or cannot be read. Never blocks.
    virtual std::int64_t DiskFree(int drive) = 0;
    virtual std::int64_t DiskSize(int drive) = 0;
};

// The installed probe; without one, a probe that measures nothing (zeros, no printer, a failed
// version query, -1 for every drive).
ISystemProbe& SystemProbe();
// Installs a probe (not owned); nullptr restores the one that measures nothing.
void SetSystemProbe(ISystemProbe* probe);

} // namespace hovlo
