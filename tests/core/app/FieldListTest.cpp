#include "app/FieldList.h"
#include "core/support/FakeSystemProbe.h"
#include "core/support/ProfileFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace hovlo {
namespace {

using test::TFakeSystemProbe;
using test::TProfileFolder;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

TRunState Product() {
    TRunState state;
    state.FProductName = "Vesko Buchhaltung";
    state.FVersion = "2024.1";
    state.FDialogId = "1207";
    return state;
}

TFieldList SystemLines(ISystemProbe& probe) {
    TFieldList list;
    CollectSystemData(list, probe);
    return list;
}

// The 48 disk lines for free and total sizes in MB per letter (0 where none is given).
std::vector<std::string> DiskLines(const std::map<char, std::pair<int, int>>& mb) {
    std::vector<std::string> lines;
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const auto it = mb.find(letter);
        const auto [free, size] = it == mb.end() ? std::pair{0, 0} : it->second;
        lines.push_back(std::string("FreeDiskSpace_") + letter + "=" + std::to_string(free) +
                        " MB");
        lines.push_back(std::string("DiskSpace_") + letter + "=" + std::to_string(size) + " MB");
    }
    return lines;
}

TEST(FieldList, HoldsEveryLineInOrderWithoutCustomerFile) {
    TProfileFolder folder;
    TFakeSystemProbe probe;
    probe.Size[3] = 256ll << 30;
    probe.Free[3] = 100ll << 30;
    probe.Size[4] = 1572864; // 1.5 MB rounds to 2
    probe.Free[4] = 0;
    TFieldList list;
    CollectCustomerData(list, Product());
    CollectSystemData(list, probe);

    std::vector<std::string> expected = {
        "Kundennummer=",
        "Hausnummer=",
        "Produktname=Vesko Buchhaltung",
        "version=2024.1",
        "dialog_id=1207",
        "MemoryGesamt=8192 MB",
        "MemoryFrei=3072 MB",
        "arbeitsspeicher=8192 MB / 3072 MB",
        "DesktopX=1920",
        "DesktopY=1080",
        "DesktopFarbtiefe=32 Bit",
        "DesktopSize=1920 x 1080",
        "farbtiefe=32 Bit",
        "aufloesung=1920 x 1080",
        "Desktop=1920 x 1080 x 32",
        "System=Debian GNU/Linux 12 (bookworm) (Kernel 6.1.0-13-amd64)",
        "CurrentPrinter=Laser",
        "drucker=Laser",
        "Printers=Laser",
    };
    for (const auto& line : DiskLines({{'C', {102400, 262144}}, {'D', {0, 2}}}))
        expected.push_back(line);
    expected.push_back("festplattenspeicher=262144 MB / 102400 MB");
    EXPECT_THAT(list, ElementsAreArray(expected));
}

TEST(FieldList, CopiesTheAddressSectionInFileOrder) {
    TProfileFolder folder;
    folder.Write("[Allgemein]\nKundenNr=falsch\n"
                 "[adresse]\n"
                 "Vorname=Erika\n"
                 "Nachname=Mustermann\n"
                 "KundenNr=K-4711\n"
                 "Fax=\n"                        // empty: no line of its own
                 "firma=Muster & S\xC3\xB6hne\n" // no accessor, spelling kept
                 "vorname=Doppelt\n"             // repeated name: no second line
                 "Notiz=a=b\n");
    TFieldList list;
    CollectCustomerData(list, Product());
    EXPECT_THAT(list, ElementsAre("Vorname=Erika", "Nachname=Mustermann", "KundenNr=K-4711",
                                  "firma=Muster & Söhne", "Notiz=a=b", "Kundennummer=K-4711",
                                  "Hausnummer=", "Produktname=Vesko Buchhaltung", "version=2024.1",
                                  "dialog_id=1207"));
}

TEST(FieldList, MissingDefaultPrinterRemovesOnlyThePrinterLines) {
    TFakeSystemProbe full, noDefault, noPrinter;
    noDefault.DefaultPrinter.reset();
    noPrinter.DefaultPrinter.reset();
    noPrinter.PrinterNames.clear();
    TFieldList expected = SystemLines(full);
    expected.erase(expected.begin() + 11, expected.begin() + 14); // lines 18 to 20
    EXPECT_EQ(SystemLines(noDefault), expected);
    EXPECT_EQ(SystemLines(noPrinter), expected);
}

TEST(FieldList, PrinterListSeparatesEntriesWithCrLf) {
    TFakeSystemProbe probe;
    probe.PrinterNames = {"Laser", "Tinte Büro", "PDF"};
    probe.DefaultPrinter = "PDF";
    const TFieldList list = SystemLines(probe);
    EXPECT_EQ(list[11], "CurrentPrinter=PDF");
    EXPECT_EQ(list[12], "drucker=PDF");
    EXPECT_EQ(list[13], "Printers=Laser\r\nTinte Büro\r\nPDF");

    // A default printer with an empty list: the list text fails, the name lines stay.
    probe.PrinterNames.clear();
    const TFieldList empty = SystemLines(probe);
    EXPECT_EQ(empty[12], "drucker=PDF");
    EXPECT_EQ(empty[13].substr(0, 14), "FreeDiskSpace_");
}

TEST(FieldList, FailedVersionQueryGivesTheErrorText) {
    TFakeSystemProbe probe;
    probe.Version.reset();
    EXPECT_EQ(SystemLines(probe)[10], "System=Fehler bei der Ermittlung der Windows-Version");
}

TEST(FieldList, FailingStepsLeaveOutOnlyTheirOwnLines) {
    TFakeSystemProbe probe;
    probe.ThrowOnScreen = true;
    probe.ThrowingDrives = {5};
    const TFieldList list = SystemLines(probe);
    ASSERT_EQ(list.size(), 63u - 7u - 2u);
    EXPECT_EQ(list[2], "arbeitsspeicher=8192 MB / 3072 MB");
    EXPECT_EQ(list[3].substr(0, 7), "System=");
    // Drive E: is missing altogether; D: and F: are there.
    EXPECT_EQ(list[7], "FreeDiskSpace_C=0 MB");
    EXPECT_EQ(list[9], "FreeDiskSpace_D=0 MB");
    EXPECT_EQ(list[11], "FreeDiskSpace_F=0 MB");
    EXPECT_EQ(list.back(), "festplattenspeicher=0 MB / 0 MB");
}

TEST(FieldList, MemoryAboveFourGigabytesIsNotCut) {
    TFakeSystemProbe probe;
    probe.Memory = {64ull << 30, (64ull << 30) - 1};
    const TFieldList list = SystemLines(probe);
    EXPECT_EQ(list[0], "MemoryGesamt=65536 MB");
    EXPECT_EQ(list[1], "MemoryFrei=65536 MB");
}

} // namespace
} // namespace hovlo
