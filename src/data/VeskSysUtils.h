// The text forms of the machine measurements that support sees: whole megabytes, the colour
// depth, the operating system's version text and the printer list. The support field list and
// the your-data dialog use these; the measurements themselves come from the installed
// ISystemProbe. The Windows version text is kept as a pure function over version data, so the
// texts known from Windows machines stay reproducible.
#pragma once

#include "data/SystemProbe.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hovlo {

// The value of the version text when the version query fails.
inline constexpr const char* kVersionErrorText = "Fehler bei der Ermittlung der Windows-Version";

// A byte count in whole megabytes (2^20), rounded to the nearest integer with halves going to
// the even neighbour. Memory counts are unsigned and never sign-extended.
std::int64_t WholeMegabytes(std::uint64_t bytes);
// The same for a disk query's signed result; the failure value -1 (any negative) gives 0.
std::int64_t DiskMegabytes(std::int64_t bytes);

// Bits per pixel of the primary screen.
int GetColorDepth(ISystemProbe& probe);
int GetColorDepth();

// The operating system's version text; never fails (a failed query gives kVersionErrorText).
std::string GetWindowsVersionText(ISystemProbe& probe);
std::string GetWindowsVersionText();

// How far the version query got: the extended record, only the plain one, or neither.
enum TVersionQuery { vqFailed, vqPlain, vqExtended };

// Version data as the Windows version query and its registry values report them.
struct TOsVersionData {
    TVersionQuery Query = vqExtended;
    std::uint32_t MajorVersion = 0;
    std::uint32_t MinorVersion = 0;
    std::uint32_t BuildNumber = 0; // only the low 16 bits count
    std::uint32_t PlatformId = 0;  // 0 Win32s, 1 Windows 95/98/Me family, 2 NT family
    std::string CSDVersion;        // service-pack text
    std::uint16_t SuiteMask = 0;   // extended record only
    std::uint8_t ProductType = 0;  // extended record only: 1 workstation, 2 DC, 3 server
    // Registry value ProductOptions\ProductType; nullopt when the key or value is unreadable.
    std::optional<std::string> RegistryProductType;
    // Whether the hot-fix key Q246009 (Service Pack 6a) opens.
    bool HotfixQ246009 = false;
};

// The version text that Windows machines report for that data.
std::string GetWindowsVersionText(const TOsVersionData& data);

// The printers joined by CR LF, in list order, no separator after the last one. The first
// entry is read before the count, so an empty list raises std::out_of_range.
std::string PrinterListText(const std::vector<std::string>& printers);
std::string PrinterListText(ISystemProbe& probe);

} // namespace hovlo
