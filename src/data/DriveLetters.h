// Drive letters on a system without drives: C: is the root file system, D: to Z: the further
// local block-device file systems in mount-table order, one letter per device. Network, fuse
// and pseudo file systems get no letter, because asking them for their size can hang or means
// nothing. Everything here works on the text of /proc/self/mountinfo, so building the letters
// touches no mounted file system; the Linux probe reads the text and asks only the letters.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace hovlo {

// One line of the mount table; texts decoded from the kernel's octal escapes.
struct TMountEntry {
    std::string Device;     // "major:minor"
    std::string Root;       // the mounted folder inside the file system
    std::string MountPoint; // where it is mounted
    std::string FsType;     // e.g. "ext4", "nfs4", "fuse.sshfs"
    std::string Source;     // e.g. "/dev/sda1", "server:/export"
};

// Decodes the kernel's escapes in a mount-table field ("\040" blank, "\011" tab, "\012" line
// feed, "\134" backslash; any three octal digits). Other backslashes stay as they are.
std::string DecodeMountField(std::string_view field);

// The entries of a mountinfo text in order; malformed lines are skipped.
std::vector<TMountEntry> ParseMountInfo(std::string_view text);

// True for a file system on a local block device: its source is a device node and its type is
// no network, fuse or pseudo file system.
bool IsLocalBlockFileSystem(const TMountEntry& entry);

// Mount point per drive number (index 1 is A:, 3 is C:, 26 is Z:); empty where a drive has none.
// C: is always "/".
using TDriveMap = std::array<std::string, 27>;
TDriveMap AssignDriveLetters(const std::vector<TMountEntry>& entries);

} // namespace hovlo
