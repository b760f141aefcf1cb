#include "data/VeskSysUtils.h"

#include "data/TextCodec.h"

#include <exception>

namespace hovlo {

std::int64_t WholeMegabytes(std::uint64_t bytes) {
    // Integer arithmetic gives the floating-point unit's round-half-to-even exactly and does
    // not depend on the current rounding mode.
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 19;
    std::uint64_t mb = bytes >> 20;
    const std::uint64_t rest = bytes & ((std::uint64_t{1} << 20) - 1);
    if (rest > kHalf || (rest == kHalf && (mb & 1) != 0))
        ++mb;
    return static_cast<std::int64_t>(mb);
}

std::int64_t DiskMegabytes(std::int64_t bytes) {
    return bytes < 0 ? 0 : WholeMegabytes(static_cast<std::uint64_t>(bytes));
}

int GetColorDepth(ISystemProbe& probe) {
    return probe.ColorDepth();
}

int GetColorDepth() {
    return GetColorDepth(SystemProbe());
}

std::string GetWindowsVersionText(ISystemProbe& probe) {
    // The version text never fails: whatever goes wrong in the query becomes the error text.
    try {
        if (auto text = probe.VersionText())
            return *text;
    } catch (const std::exception&) {
    }
    return kVersionErrorText;
}

std::string GetWindowsVersionText() {
    return GetWindowsVersionText(SystemProbe());
}

namespace {

constexpr std::uint16_t kSuiteEnterprise = 0x0002;
constexpr std::uint16_t kSuiteDatacenter = 0x0080;
constexpr std::uint16_t kSuitePersonal = 0x0200;
constexpr std::uint16_t kSuiteBlade = 0x0400;

// The registry product type as the 80-byte zeroed buffer returns it: cut at the first NUL,
// empty when unreadable or when it would not fit with its terminator.
std::string RegistryProductType(const std::optional<std::string>& value) {
    if (!value)
        return {};
    const std::string text = value->substr(0, value->find('\0'));
    return text.size() + 1 > 80 ? std::string() : text;
}

std::string NtEdition(const TOsVersionData& d) {
    const bool v52 = d.MajorVersion == 5 && d.MinorVersion == 2;
    const bool v50 = d.MajorVersion == 5 && d.MinorVersion == 0;
    switch (d.ProductType) {
    case 1:
        if (d.MajorVersion == 4)
            return "Workstation 4.0 ";
        return (d.SuiteMask & kSuitePersonal) ? "Home Edition " : "Professional ";
    case 3:
        if (v52) {
            if (d.SuiteMask & kSuiteDatacenter)
                return "Datacenter Edition ";
            if (d.SuiteMask & kSuiteEnterprise)
                return "Enterprise Edition ";
            if (d.SuiteMask == kSuiteBlade)
                return "Web Edition ";
            return "Standard Edition ";
        }
        if (v50) {
            if (d.SuiteMask & kSuiteDatacenter)
                return "Datacenter Server ";
            if (d.SuiteMask & kSuiteEnterprise)
                return "Advanced Server ";
            return "Server ";
        }
        return (d.SuiteMask & kSuiteEnterprise) ? "Server 4.0, Enterprise Edition " : "Server 4.0 ";
    default:
        return {};
    }
}

} // namespace

std::string GetWindowsVersionText(const TOsVersionData& d) {
    if (d.Query == vqFailed)
        return kVersionErrorText;
    const char csd0 = d.CSDVersion.empty() ? '\0' : d.CSDVersion.front();
    std::string text;
    switch (d.PlatformId) {
    case 0:
        return "Microsoft Win32s";
    case 1:
        if (d.MajorVersion == 4 && d.MinorVersion == 0) {
            text = "Microsoft Windows 95 ";
            if (csd0 == 'C' || csd0 == 'B')
                text += "OSR2 ";
        } else if (d.MajorVersion == 4 && d.MinorVersion == 10) {
            text = "Microsoft Windows 98 ";
            if (csd0 == 'A')
                text += "SE ";
        } else if (d.MajorVersion == 4 && d.MinorVersion == 90) {
            text = "Microsoft Windows Millennium Edition";
        }
        return text;
    case 2:
        break;
    default:
        return {};
    }

    if (d.MajorVersion == 5 && d.MinorVersion == 2)
        text = "Microsoft Windows Server 2003 family, ";
    else if (d.MajorVersion == 5 && d.MinorVersion == 1)
        text = "Microsoft Windows XP ";
    else if (d.MajorVersion == 5 && d.MinorVersion == 0)
        text = "Microsoft Windows 2000 ";
    else if (d.MajorVersion <= 4)
        text = "Microsoft Windows NT ";

    if (d.Query == vqExtended) {
        text += NtEdition(d);
    } else {
        const std::string type = RegistryProductType(d.RegistryProductType);
        if (EqualsNoCase(type, "WINNT"))
            text += "Workstation ";
        else if (EqualsNoCase(type, "LANMANNT"))
            text += "Server ";
        else if (EqualsNoCase(type, "SERVERNT"))
            text += "Advanced Server ";
        // Version numbers follow directly, with no blank before the service pack.
        text += std::to_string(d.MajorVersion) + "." + std::to_string(d.MinorVersion);
    }

    const std::string build = std::to_string(d.BuildNumber & 0xFFFF);
    if (d.MajorVersion == 4 && EqualsNoCase(d.CSDVersion, "Service Pack 6") && d.HotfixQ246009)
        return text + "Service Pack 6a (Build " + build + ")";
    return text + d.CSDVersion + " (Build " + build + ")";
}

std::string PrinterListText(const std::vector<std::string>& printers) {
    std::string text = printers.at(0);
    for (std::size_t i = 1; i < printers.size(); ++i)
        text += "\r\n" + printers[i];
    return text;
}

std::string PrinterListText(ISystemProbe& probe) {
    return PrinterListText(probe.Printers());
}

} // namespace hovlo
