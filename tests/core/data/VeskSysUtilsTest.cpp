#include "data/VeskSysUtils.h"
#include "core/support/FakeSystemProbe.h"

#include <gtest/gtest.h>

namespace hovlo {
namespace {

TEST(WholeMegabytes, RoundsHalvesToEven) {
    const struct {
        std::uint64_t bytes;
        std::int64_t mb;
    } cases[] = {
        {0, 0},
        {536870912, 512},
        {1572864, 2}, // 1.5
        {2621440, 2}, // 2.5
        {3670016, 4}, // 3.5
        {524288, 0},  // 0.5
        {524289, 1},
        {1048575, 1},
        {4294967295, 4096},                      // largest 32-bit count
        {68719476736, 65536},                    // 64 GB: no 32-bit cut
        {0xFFFFFFFFFFFFFFFFull, 17592186044416}, // no sign: the largest count stays positive
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(WholeMegabytes(c.bytes), c.mb);
    }
}

TEST(WholeMegabytes, FailedDiskQueriesCountAsZero) {
    EXPECT_EQ(DiskMegabytes(-1), 0);
    EXPECT_EQ(DiskMegabytes(-5000000), 0);
    EXPECT_EQ(DiskMegabytes(2621440), 2);
    EXPECT_EQ(DiskMegabytes(std::int64_t{1} << 50), std::int64_t{1} << 30);
}

TEST(WindowsVersionText, ReproducesTheKnownTexts) {
    auto nt = [](std::uint32_t major, std::uint32_t minor, std::uint8_t type, std::uint16_t suite,
                 std::string csd, std::uint32_t build) {
        TOsVersionData d;
        d.PlatformId = 2;
        d.MajorVersion = major;
        d.MinorVersion = minor;
        d.ProductType = type;
        d.SuiteMask = suite;
        d.CSDVersion = std::move(csd);
        d.BuildNumber = build;
        return d;
    };
    auto win9x = [](std::uint32_t minor, std::string csd) {
        TOsVersionData d;
        d.PlatformId = 1;
        d.MajorVersion = 4;
        d.MinorVersion = minor;
        d.CSDVersion = std::move(csd);
        d.BuildNumber = 0x04000950; // this family shows no build
        return d;
    };
    auto plain = [&](TOsVersionData d, std::optional<std::string> registryType) {
        d.Query = vqPlain;
        d.ProductType = 1; // only valid in the extended record, so not used
        d.RegistryProductType = std::move(registryType);
        return d;
    };
    auto hotfix = [](TOsVersionData d) {
        d.HotfixQ246009 = true;
        return d;
    };
    auto failed = [] {
        TOsVersionData d;
        d.Query = vqFailed;
        d.PlatformId = 2;
        return d;
    };
    auto platform = [](std::uint32_t id) {
        TOsVersionData d;
        d.PlatformId = id;
        d.MajorVersion = 5;
        return d;
    };

    const std::string sp2 = "Service Pack 2";
    const struct {
        const char* what;
        TOsVersionData data;
        std::string text;
    } cases[] = {
        {"XP Professional", nt(5, 1, 1, 0x0100, sp2, 2600),
         "Microsoft Windows XP Professional Service Pack 2 (Build 2600)"},
        {"XP Home", nt(5, 1, 1, 0x0300, sp2, 2600),
         "Microsoft Windows XP Home Edition Service Pack 2 (Build 2600)"},
        {"2000 without service pack", nt(5, 0, 1, 0, "", 2195),
         "Microsoft Windows 2000 Professional  (Build 2195)"},
        {"no base name above 5.2", nt(6, 1, 1, 0, "Service Pack 1", 7601),
         "Professional Service Pack 1 (Build 7601)"},
        {"5.3 has no base name", nt(5, 3, 1, 0, "", 1), "Professional  (Build 1)"},
        {"2003 Enterprise", nt(5, 2, 3, 0x0012, "Service Pack 1", 3790),
         "Microsoft Windows Server 2003 family, Enterprise Edition Service Pack 1 (Build 3790)"},
        {"2003 Datacenter", nt(5, 2, 3, 0x0082, "", 3790),
         "Microsoft Windows Server 2003 family, Datacenter Edition  (Build 3790)"},
        {"2003 Web", nt(5, 2, 3, 0x0400, "", 3790),
         "Microsoft Windows Server 2003 family, Web Edition  (Build 3790)"},
        {"2003 blade with more bits is Standard", nt(5, 2, 3, 0x0410, "", 3790),
         "Microsoft Windows Server 2003 family, Standard Edition  (Build 3790)"},
        {"2000 Datacenter", nt(5, 0, 3, 0x0082, "", 2195),
         "Microsoft Windows 2000 Datacenter Server  (Build 2195)"},
        {"2000 Advanced", nt(5, 0, 3, 0x0002, "", 2195),
         "Microsoft Windows 2000 Advanced Server  (Build 2195)"},
        {"2000 Server", nt(5, 0, 3, 0, "", 2195), "Microsoft Windows 2000 Server  (Build 2195)"},
        {"NT 4 Enterprise", nt(4, 0, 3, 0x0002, "", 1381),
         "Microsoft Windows NT Server 4.0, Enterprise Edition  (Build 1381)"},
        {"NT 4 Server", nt(4, 0, 3, 0, "", 1381), "Microsoft Windows NT Server 4.0  (Build 1381)"},
        {"domain controller has no edition", nt(5, 0, 2, 0, "", 2195),
         "Microsoft Windows 2000  (Build 2195)"},
        {"plain record: no blank after 4.0", plain(nt(4, 0, 1, 0, "Service Pack 5", 1381), "winnt"),
         "Microsoft Windows NT Workstation 4.0Service Pack 5 (Build 1381)"},
        {"plain record LANMANNT", plain(nt(4, 0, 1, 0, "", 1381), "LanmanNT"),
         "Microsoft Windows NT Server 4.0 (Build 1381)"},
        {"plain record SERVERNT", plain(nt(4, 0, 1, 0, "", 1381), "SERVERNT"),
         "Microsoft Windows NT Advanced Server 4.0 (Build 1381)"},
        {"plain record unreadable", plain(nt(3, 51, 1, 0, "", 1057), std::nullopt),
         "Microsoft Windows NT 3.51 (Build 1057)"},
        {"plain record value too long", plain(nt(4, 0, 1, 0, "", 1381), std::string(80, 'W')),
         "Microsoft Windows NT 4.0 (Build 1381)"},
        {"NT 4 SP6 with hot-fix", hotfix(nt(4, 0, 1, 0, "Service Pack 6", 1381)),
         "Microsoft Windows NT Workstation 4.0 Service Pack 6a (Build 1381)"},
        {"NT 4 SP6 hot-fix, case", hotfix(nt(4, 0, 1, 0, "SERVICE PACK 6", 1381)),
         "Microsoft Windows NT Workstation 4.0 Service Pack 6a (Build 1381)"},
        {"NT 4 SP6 without hot-fix", nt(4, 0, 1, 0, "Service Pack 6", 1381),
         "Microsoft Windows NT Workstation 4.0 Service Pack 6 (Build 1381)"},
        {"hot-fix counts only for NT 4", hotfix(nt(5, 1, 1, 0, "Service Pack 6", 2600)),
         "Microsoft Windows XP Professional Service Pack 6 (Build 2600)"},
        {"build keeps the low word", nt(5, 1, 1, 0, sp2, 0x10A28),
         "Microsoft Windows XP Professional Service Pack 2 (Build 2600)"},
        {"95 OSR2 (B)", win9x(0, "B"), "Microsoft Windows 95 OSR2 "},
        {"95 OSR2 (C)", win9x(0, "C"), "Microsoft Windows 95 OSR2 "},
        {"95", win9x(0, ""), "Microsoft Windows 95 "},
        {"98 with blank service pack", win9x(10, " A"), "Microsoft Windows 98 "},
        {"98 SE", win9x(10, "A "), "Microsoft Windows 98 SE "},
        {"Me", win9x(90, " "), "Microsoft Windows Millennium Edition"},
        {"unknown 9x version", win9x(5, "A"), ""},
        {"Win32s", platform(0), "Microsoft Win32s"},
        {"both queries fail", failed(), "Fehler bei der Ermittlung der Windows-Version"},
        {"platform id 3", platform(3), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(GetWindowsVersionText(c.data), c.text);
    }
}

TEST(WindowsVersionText, ComesFromTheInstalledProbeAndNeverFails) {
    test::TFakeSystemProbe probe;
    SetSystemProbe(&probe);
    EXPECT_EQ(GetWindowsVersionText(), *probe.Version);
    probe.Version.reset();
    EXPECT_EQ(GetWindowsVersionText(), kVersionErrorText);

    struct TThrowingProbe : test::TFakeSystemProbe {
        std::optional<std::string> VersionText() override { throw std::runtime_error("x"); }
    } throwing;
    SetSystemProbe(&throwing);
    EXPECT_EQ(GetWindowsVersionText(), kVersionErrorText);
    SetSystemProbe(nullptr);
    EXPECT_EQ(GetWindowsVersionText(), kVersionErrorText); // no probe installed
    EXPECT_EQ(GetColorDepth(), 0);
}

TEST(PrinterListText, JoinsWithCrLfAndRefusesAnEmptyList) {
    EXPECT_EQ(PrinterListText(std::vector<std::string>{"Laser"}), "Laser");
    EXPECT_EQ(PrinterListText(std::vector<std::string>{"A", "B", "C"}), "A\r\nB\r\nC");
    EXPECT_EQ(PrinterListText(std::vector<std::string>{"", "B"}), "\r\nB");
    EXPECT_THROW(PrinterListText(std::vector<std::string>{}), std::out_of_range);
}

} // namespace
} // namespace hovlo
