#include "data/DriveLetters.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace hovlo {
namespace {

std::string Fixture(const char* name) {
    std::ifstream in(std::string(HOVLO_FIXTURES_DIR) + "/data/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The letters that have a mount point, as "X:mountpoint".
std::vector<std::string> Letters(const TDriveMap& drives) {
    std::vector<std::string> out;
    for (int d = 1; d <= 26; ++d)
        if (!drives[d].empty())
            out.push_back(std::string(1, static_cast<char>('@' + d)) + ":" + drives[d]);
    return out;
}

TEST(MountInfo, DecodesTheKernelEscapes) {
    const struct {
        const char* field;
        const char* decoded;
    } cases[] = {
        {"/media/USB\\040Stick", "/media/USB Stick"},
        {"/a\\011b\\012c\\134d", "/a\tb\nc\\d"},
        {"/kein\\escape", "/kein\\escape"},
        {"/kurz\\04", "/kurz\\04"},
        {"/ende\\", "/ende\\"},
        {"\\0401", " 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeMountField(c.field), c.decoded) << c.field;
}

TEST(MountInfo, ParsesOddLinesWithoutGuessing) {
    const auto entries = ParseMountInfo(Fixture("desktop.mountinfo"));
    ASSERT_EQ(entries.size(), 21u); // the two lines without fields or separator are skipped
    const auto& usb = entries[13];
    EXPECT_EQ(usb.MountPoint, "/media/erika/USB Stick");
    EXPECT_EQ(usb.FsType, "vfat");
    EXPECT_EQ(usb.Source, "/dev/sdc1");
    EXPECT_EQ(entries[19].MountPoint, "/mnt/with\\back\ttab");
    EXPECT_EQ(entries[20].MountPoint, "/mnt/optional"); // several optional fields before "-"
    EXPECT_EQ(entries[20].Device, "8:65");
    EXPECT_EQ(entries[8].Root, "/srv");
    EXPECT_TRUE(ParseMountInfo("").empty());
    EXPECT_TRUE(ParseMountInfo("\n\n   \n").empty());
}

TEST(DriveLetters, OnlyLocalBlockDevicesGetLettersOncePerDevice) {
    const auto drives = AssignDriveLetters(ParseMountInfo(Fixture("desktop.mountinfo")));
    // Not lettered: pseudo file systems, the root device again (/var/lib/x), a second place of
    // /home's device, NFS, CIFS, sshfs, fuseblk, autofs, a second btrfs subvolume, 9p.
    EXPECT_EQ(Letters(drives),
              (std::vector<std::string>{"C:/", "D:/boot/efi", "E:/home", "F:/media/erika/USB Stick",
                                        "G:/data", "H:/mnt/with\\back\ttab", "I:/mnt/optional"}));
}

TEST(DriveLetters, RootIsCEvenOnAnOverlay) {
    EXPECT_EQ(Letters(AssignDriveLetters(ParseMountInfo(Fixture("container.mountinfo")))),
              (std::vector<std::string>{"C:/", "D:/data"}));
    EXPECT_EQ(Letters(AssignDriveLetters({})), (std::vector<std::string>{"C:/"}));
}

TEST(DriveLetters, StopAtZ) {
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += std::to_string(100 + i) + " 1 8:" + std::to_string(i) + " / /mnt/d" +
                std::to_string(i) + " rw - ext4 /dev/sd" + std::to_string(i) + " rw\n";
    const auto drives = AssignDriveLetters(ParseMountInfo(text));
    EXPECT_EQ(drives[4], "/mnt/d0");
    EXPECT_EQ(drives[26], "/mnt/d22");
    EXPECT_EQ(drives[1], "");
    EXPECT_EQ(drives[2], "");
}

} // namespace
} // namespace hovlo
