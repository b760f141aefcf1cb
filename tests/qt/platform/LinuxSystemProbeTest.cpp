#include "platform/LinuxSystemProbe.h"
#include "app/FieldList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iostream>

namespace hovlo::platform {
namespace {

using ::testing::MatchesRegex;

std::int64_t Number(const std::string& line, const std::string& prefix) {
    EXPECT_EQ(line.substr(0, prefix.size()), prefix);
    return std::stoll(line.substr(prefix.size()));
}

TEST(LinuxSystemProbe, FieldListOfThisMachineHasPlausibleValues) {
    TLinuxSystemProbe probe;
    TRunState state;
    state.FProductName = "Produkt";
    state.FVersion = "1.0";
    state.FDialogId = "42";
    TFieldList list;
    CollectCustomerData(list, state);
    CollectSystemData(list, probe);

    std::cout << "Field list of this machine:\n";
    for (std::string line : list) {
        for (std::size_t p; (p = line.find("\r\n")) != std::string::npos;)
            line.replace(p, 2, "\\r\\n");
        std::cout << "  " << line << "\n";
    }

    // Customer lines depend on the customer file; the system lines follow "dialog_id=".
    auto it = std::find(list.begin(), list.end(), "dialog_id=42");
    ASSERT_NE(it, list.end());
    const std::vector<std::string> sys(it + 1, list.end());
    ASSERT_TRUE(sys.size() == 63 || sys.size() == 60) << sys.size();
    const bool printers = sys.size() == 63;

    const std::int64_t total = Number(sys[0], "MemoryGesamt=");
    const std::int64_t avail = Number(sys[1], "MemoryFrei=");
    EXPECT_GT(total, 64);
    EXPECT_GT(avail, 0);
    EXPECT_LE(avail, total);
    EXPECT_EQ(sys[2], "arbeitsspeicher=" + std::to_string(total) + " MB / " +
                          std::to_string(avail) + " MB");
    const std::int64_t w = Number(sys[3], "DesktopX=");
    const std::int64_t h = Number(sys[4], "DesktopY=");
    EXPECT_GT(w, 0);
    EXPECT_GT(h, 0);
    const std::string size = std::to_string(w) + " x " + std::to_string(h);
    EXPECT_THAT(sys[5], MatchesRegex("DesktopFarbtiefe=[0-9]+ Bit"));
    EXPECT_EQ(sys[6], "DesktopSize=" + size);
    EXPECT_EQ(sys[7], "farbtiefe=" + sys[5].substr(17));
    EXPECT_EQ(sys[8], "aufloesung=" + size);
    EXPECT_EQ(sys[9], "Desktop=" + size + " x " + sys[5].substr(17, sys[5].size() - 21));
    EXPECT_THAT(sys[10], MatchesRegex("System=.+ \\(Kernel [^ ]+\\)"));

    std::size_t disk = 11;
    if (printers) {
        EXPECT_EQ(sys[11].substr(0, 15), "CurrentPrinter=");
        EXPECT_EQ(sys[12], "drucker=" + sys[11].substr(15));
        EXPECT_EQ(sys[13].substr(0, 9), "Printers=");
        disk = 14;
    }
    for (char letter = 'C'; letter <= 'Z'; ++letter, disk += 2) {
        EXPECT_THAT(sys[disk], MatchesRegex(std::string("FreeDiskSpace_") + letter + "=[0-9]+ MB"));
        EXPECT_THAT(sys[disk + 1], MatchesRegex(std::string("DiskSpace_") + letter + "=[0-9]+ MB"));
    }
    const std::int64_t cFree = Number(sys[11 + (printers ? 3 : 0)], "FreeDiskSpace_C=");
    const std::int64_t cSize = Number(sys[12 + (printers ? 3 : 0)], "DiskSpace_C=");
    EXPECT_GT(cSize, 0);
    EXPECT_LE(cFree, cSize);
    EXPECT_THAT(sys.back(), MatchesRegex("festplattenspeicher=[0-9]+ MB / [0-9]+ MB"));
}

TEST(LinuxSystemProbe, DrivesWithoutMountPointFail) {
    TLinuxSystemProbe probe;
    EXPECT_EQ(probe.DriveMountPoint(3), "/");
    for (int drive : {0, 1, 2, 27, -5}) {
        SCOPED_TRACE(drive);
        EXPECT_EQ(probe.DiskFree(drive), -1);
        EXPECT_EQ(probe.DiskSize(drive), -1);
    }
    EXPECT_GT(probe.DiskSize(3), 0);
}

TEST(LinuxVersionText, UsesThePrettyNameAndKernel) {
    const struct {
        const char* osRelease;
        const char* text;
    } cases[] = {
        {"NAME=\"Debian\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n",
         "Debian GNU/Linux 12 (bookworm) (Kernel 6.1.0-13-amd64)"},
        {"PRETTY_NAME=Arch\n", "Arch (Kernel 6.1.0-13-amd64)"},
        {"PRETTY_NAME='Einfach zitiert'\n", "Einfach zitiert (Kernel 6.1.0-13-amd64)"},
        {"PRETTY_NAME=\"Mit \\\"Zitat\\\" und \\\\\"\r\n",
         "Mit \"Zitat\" und \\ (Kernel 6.1.0-13-amd64)"},
        {"NAME=Ohne\n", "Linux (Kernel 6.1.0-13-amd64)"},
        {"", "Linux (Kernel 6.1.0-13-amd64)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinuxVersionText(c.osRelease, "6.1.0-13-amd64"), c.text) << c.osRelease;
}

} // namespace
} // namespace hovlo::platform
