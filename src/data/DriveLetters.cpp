#include "data/DriveLetters.h"

#include <algorithm>
#include <set>

namespace hovlo {

namespace {

bool IsOctal(char c) {
    return c >= '0' && c <= '7';
}

std::vector<std::string_view> SplitBlanks(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        if (pos >= line.size())
            break;
        std::size_t end = pos;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t')
            ++end;
        fields.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return fields;
}

// File system types that never get a letter: remote, user-space or kernel-internal.
bool IsExcludedType(std::string_view type) {
    static const std::set<std::string_view> kExcluded = {
        // network and cluster file systems
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "ceph", "glusterfs", "afs", "coda", "ncpfs",
        "lustre", "gfs2", "ocfs2", "davfs", "sshfs", "virtiofs", "beegfs", "gpfs", "orangefs",
        "pvfs2",
        // pseudo file systems
        "proc", "sysfs", "tmpfs", "devtmpfs", "devpts", "ramfs", "overlay", "aufs", "cgroup",
        "cgroup2", "securityfs", "debugfs", "tracefs", "pstore", "bpf", "mqueue", "hugetlbfs",
        "configfs", "fusectl", "autofs", "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",
        "selinuxfs", "none"};
    if (type == "fuse" || type == "fuseblk" || type.starts_with("fuse."))
        return true;
    return kExcluded.contains(type);
}

} // namespace

std::string DecodeMountField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) &&
            IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
            const int value =
                (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            out += static_cast<char>(value & 0xFF);
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::vector<TMountEntry> ParseMountInfo(std::string_view text) {
    // Line: id parent major:minor root mountpoint options [optional fields...] - type source super
    std::vector<TMountEntry> entries;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const auto fields = SplitBlanks(text.substr(pos, end - pos));
        pos = end + 1;
        if (fields.size() < 9)
            continue;
        const auto dash = std::find(fields.begin() + 6, fields.end(), std::string_view("-"));
        if (dash == fields.end() || fields.end() - dash < 3)
            continue;
        TMountEntry e;
        e.Device = std::string(fields[2]);
        e.Root = DecodeMountField(fields[3]);
        e.MountPoint = DecodeMountField(fields[4]);
        e.FsType = DecodeMountField(dash[1]);
        e.Source = DecodeMountField(dash[2]);
        if (e.MountPoint.empty() || e.MountPoint.front() != '/')
            continue;
        entries.push_back(std::move(e));
    }
    return entries;
}

bool IsLocalBlockFileSystem(const TMountEntry& entry) {
    return entry.Source.starts_with("/dev/") && !IsExcludedType(entry.FsType);
}

TDriveMap AssignDriveLetters(const std::vector<TMountEntry>& entries) {
    TDriveMap drives;
    drives[3].assign(1, '/'); // (assigning "/" trips a false -Wrestrict in g++ 12)
    // The device of the root file system already has its letter. The last entry for "/" is the
    // one in force (later mounts cover earlier ones).
    std::set<std::string> seenDevices, seenSources;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if (it->MountPoint == "/") {
            seenDevices.insert(it->Device);
            if (IsLocalBlockFileSystem(*it))
                seenSources.insert(it->Source);
            break;
        }
    }
    int drive = 4;
    for (const auto& e : entries) {
        if (drive > 26)
            break;
        if (e.MountPoint == "/" || !IsLocalBlockFileSystem(e))
            continue;
        // A device mounted at several places (bind mounts, subvolumes) keeps its first letter.
        if (seenDevices.contains(e.Device) || seenSources.contains(e.Source))
            continue;
        seenDevices.insert(e.Device);
        seenSources.insert(e.Source);
        drives[drive++] = e.MountPoint;
    }
    return drives;
}

} // namespace hovlo
