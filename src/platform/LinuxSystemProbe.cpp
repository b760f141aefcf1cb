#include "platform/LinuxSystemProbe.h"

#include <QGuiApplication>
#include <QPrinterInfo>
#include <QScreen>

#include <chrono>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>

namespace hovlo::platform {

namespace {

std::string ReadSmallFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// MemAvailable from /proc/meminfo in bytes; nothing on kernels that do not report it.
std::optional<std::uint64_t> MemAvailable() {
    std::ifstream in("/proc/meminfo");
    std::string line;
    while (std::getline(in, line)) {
        if (!line.starts_with("MemAvailable:"))
            continue;
        std::istringstream fields(line.substr(13));
        std::uint64_t kb = 0;
        if (fields >> kb)
            return kb * 1024;
        return std::nullopt;
    }
    return std::nullopt;
}

QScreen* PrimaryScreen() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? QGuiApplication::primaryScreen()
               : nullptr;
}

std::int64_t ToSigned(unsigned long long value) {
    constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());
    return static_cast<std::int64_t>(value > kMax ? kMax : value);
}

// One os-release value with its shell-style quoting removed.
std::string UnquoteOsReleaseValue(std::string v) {
    while (!v.empty() && (v.back() == '\r' || v.back() == ' ' || v.back() == '\t'))
        v.pop_back();
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        const char quote = v.front();
        v = v.substr(1, v.size() - 2);
        if (quote == '"') {
            std::string out;
            for (std::size_t i = 0; i < v.size(); ++i) {
                if (v[i] == '\\' && i + 1 < v.size() &&
                    std::string_view("\"\\$`").find(v[i + 1]) != std::string_view::npos)
                    ++i;
                out += v[i];
            }
            v = out;
        }
    }
    return v;
}

} // namespace

std::string LinuxVersionText(const std::string& osRelease, const std::string& kernelRelease) {
    std::string pretty;
    std::istringstream in(osRelease);
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with("PRETTY_NAME=")) {
            pretty = UnquoteOsReleaseValue(line.substr(12));
            break;
        }
    }
    if (pretty.empty())
        pretty = "Linux";
    return pretty + " (Kernel " + kernelRelease + ")";
}

TMemoryStatus TLinuxSystemProbe::MemoryStatus() {
    TMemoryStatus status;
    struct sysinfo info {};
    if (::sysinfo(&info) == 0) {
        status.TotalPhys = std::uint64_t{info.totalram} * info.mem_unit;
        status.AvailPhys = std::uint64_t{info.freeram} * info.mem_unit;
    }
    if (const auto available = MemAvailable())
        status.AvailPhys = *available;
    return status;
}

int TLinuxSystemProbe::ScreenWidth() {
    QScreen* screen = PrimaryScreen();
    return screen ? qRound(screen->geometry().width() * screen->devicePixelRatio()) : 0;
}

int TLinuxSystemProbe::ScreenHeight() {
    QScreen* screen = PrimaryScreen();
    return screen ? qRound(screen->geometry().height() * screen->devicePixelRatio()) : 0;
}

int TLinuxSystemProbe::ColorDepth() {
    QScreen* screen = PrimaryScreen();
    return screen ? screen->depth() : 0;
}

std::optional<std::string> TLinuxSystemProbe::VersionText() {
    struct utsname names {};
    if (::uname(&names) != 0)
        return std::nullopt;
    std::string osRelease = ReadSmallFile("/etc/os-release");
    if (osRelease.empty())
        osRelease = ReadSmallFile("/usr/lib/os-release");
    return LinuxVersionText(osRelease, names.release);
}

void TLinuxSystemProbe::LoadPrinters() {
    if (FPrintersLoaded)
        return;
    FPrintersLoaded = true;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        FPrinters.push_back(name.toStdString());
    FDefaultPrinter = QPrinterInfo::defaultPrinterName().toStdString();
}

std::vector<std::string> TLinuxSystemProbe::Printers() {
    LoadPrinters();
    return FPrinters;
}

std::string TLinuxSystemProbe::CurrentPrinter() {
    LoadPrinters();
    if (FDefaultPrinter.empty())
        throw EPrinter();
    return FDefaultPrinter;
}

std::string TLinuxSystemProbe::DriveMountPoint(int drive) {
    if (drive < 1 || drive > 26)
        return {};
    // Drives come and go, so the table is read again once it is a second old; a field list's
    // 49 disk queries then read it once. Only the text is parsed, no file system is touched.
    const auto now = std::chrono::steady_clock::now();
    if (!FDrivesRead || now - FDrivesReadAt > std::chrono::seconds(1)) {
        FDrives = AssignDriveLetters(ParseMountInfo(ReadSmallFile("/proc/self/mountinfo")));
        FDrivesReadAt = now;
        FDrivesRead = true;
    }
    return FDrives[static_cast<std::size_t>(drive)];
}

bool TLinuxSystemProbe::StatDrive(int drive, struct statvfs& st) {
    const std::string mountPoint = DriveMountPoint(drive);
    return !mountPoint.empty() && ::statvfs(mountPoint.c_str(), &st) == 0;
}

std::int64_t TLinuxSystemProbe::DiskFree(int drive) {
    struct statvfs st {};
    if (!StatDrive(drive, st))
        return -1;
    return ToSigned(static_cast<unsigned long long>(st.f_bavail) * st.f_frsize);
}

std::int64_t TLinuxSystemProbe::DiskSize(int drive) {
    struct statvfs st {};
    if (!StatDrive(drive, st))
        return -1;
    return ToSigned(static_cast<unsigned long long>(st.f_blocks) * st.f_frsize);
}

void InstallSystemProbe() {
    static TLinuxSystemProbe probe; // lives for the run
    SetSystemProbe(&probe);
}

} // namespace hovlo::platform
