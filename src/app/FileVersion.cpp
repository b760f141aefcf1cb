// Reader of the fixed file information in a PE/COFF file: DOS header, PE headers, section table,
// resource tree (version type, first name, first language), then the VS_VERSIONINFO block. The
// file is never trusted: every offset and length is checked against the file size before it is
// read, and only the few small pieces the path needs are read, by seeking, so a file of any size
// costs a handful of short reads and no large buffer.
#include "app/FileVersion.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

namespace hovlo {

namespace {

constexpr std::uint32_t kPeSignature = 0x00004550; // "PE\0\0"
constexpr std::uint16_t kMagicPe32 = 0x10B;
constexpr std::uint16_t kMagicPe32Plus = 0x20B;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kVersionResourceType = 16;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;

// VS_VERSIONINFO up to the fixed information: wLength, wValueLength, wType, the key
// "VS_VERSION_INFO" with its terminating zero in UTF-16, padded to a 32-bit boundary.
constexpr std::uint32_t kVersionKeyOffset = 6;
constexpr char kVersionKey[] = "VS_VERSION_INFO";
constexpr std::uint32_t kFixedInfoOffset = (kVersionKeyOffset + sizeof kVersionKey * 2 + 3) & ~3u;
constexpr std::uint32_t kFixedInfoSize = 52;

std::uint16_t Word(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t DWord(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Reads byte ranges of one file; a range that does not lie wholly inside the file is refused.
class TFileReader {
public:
    TFileReader(const std::filesystem::path& path, std::uint64_t size)
        : FStream(path, std::ios::binary), FSize(size) {}

    bool IsOpen() const { return FStream.is_open(); }

    bool Read(std::uint64_t offset, std::uint64_t length, std::vector<std::uint8_t>& out) {
        if (offset > FSize || length > FSize - offset)
            return false;
        out.resize(static_cast<std::size_t>(length));
        FStream.clear();
        FStream.seekg(static_cast<std::streamoff>(offset));
        FStream.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(length));
        return FStream.gcount() == static_cast<std::streamsize>(length);
    }

private:
    std::ifstream FStream;
    std::uint64_t FSize;
};

struct TSection {
    std::uint32_t VirtualAddress;
    std::uint32_t VirtualSize;
    std::uint32_t RawOffset;
    std::uint32_t RawSize;
};

// The file offset of an address in the loaded image, when a section holds it in the file.
std::optional<std::uint64_t> RvaToOffset(const std::vector<TSection>& sections, std::uint32_t rva) {
    for (const TSection& s : sections) {
        // Without a virtual size the section is as long as its raw data.
        const std::uint64_t span = s.VirtualSize ? s.VirtualSize : s.RawSize;
        const std::uint64_t delta = static_cast<std::uint64_t>(rva) - s.VirtualAddress;
        if (rva >= s.VirtualAddress && delta < span && delta < s.RawSize)
            return static_cast<std::uint64_t>(s.RawOffset) + delta;
    }
    return std::nullopt;
}

struct TDirectoryEntry {
    bool Named;
    std::uint32_t Id;
    bool IsDirectory;
    std::uint32_t Offset; // from the start of the resource tree
};

// The entries of the resource directory at `offset` in the tree that starts at file offset
// `base`: the named ones first, then those with an id, as the format orders them.
bool ReadDirectory(TFileReader& file, std::uint64_t base, std::uint32_t offset,
                   std::vector<TDirectoryEntry>& entries) {
    std::vector<std::uint8_t> head;
    if (!file.Read(base + offset, 16, head))
        return false;
    const std::uint32_t count = static_cast<std::uint32_t>(Word(&head[12])) + Word(&head[14]);
    if (count == 0)
        return false;
    std::vector<std::uint8_t> raw;
    if (!file.Read(base + offset + 16, static_cast<std::uint64_t>(count) * 8, raw))
        return false;
    entries.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t name = DWord(&raw[i * 8]);
        const std::uint32_t data = DWord(&raw[i * 8 + 4]);
        entries.push_back({(name & 0x80000000u) != 0, name & 0x7FFFFFFFu, (data & 0x80000000u) != 0,
                           data & 0x7FFFFFFFu});
    }
    return true;
}

// Follows a subdirectory entry. The walk is three levels deep at most, and a directory that
// points back at itself or at one above it on the path is refused, so a looping tree gives no
// version instead of one read from the wrong level.
bool Descend(const std::vector<TDirectoryEntry>& entries, std::size_t index,
             std::vector<std::uint32_t>& path) {
    if (index >= entries.size() || !entries[index].IsDirectory)
        return false;
    for (const std::uint32_t visited : path)
        if (visited == entries[index].Offset)
            return false;
    path.push_back(entries[index].Offset);
    return true;
}

std::string ReadFileVersion(TFileReader& file) {
    std::vector<std::uint8_t> buf;

    // DOS header: "MZ" and the offset of the PE headers.
    if (!file.Read(0, 64, buf) || buf[0] != 'M' || buf[1] != 'Z')
        return {};
    const std::uint64_t pe = DWord(&buf[0x3C]);

    // "PE\0\0", the COFF header and the optional header's magic.
    if (!file.Read(pe, 4 + 20 + 2, buf) || DWord(&buf[0]) != kPeSignature)
        return {};
    const std::uint32_t sectionCount = Word(&buf[4 + 2]);
    const std::uint32_t optionalSize = Word(&buf[4 + 16]);
    const std::uint16_t magic = Word(&buf[24]);
    std::uint32_t directoriesAt;
    if (magic == kMagicPe32)
        directoriesAt = 96;
    else if (magic == kMagicPe32Plus)
        directoriesAt = 112;
    else
        return {};

    // The resource directory entry of the optional header.
    const std::uint64_t optional = pe + 24;
    const std::uint32_t resourceEntryEnd = directoriesAt + (kResourceDirectoryIndex + 1) * 8;
    if (optionalSize < resourceEntryEnd || !file.Read(optional, resourceEntryEnd, buf))
        return {};
    if (DWord(&buf[directoriesAt - 4]) <= kResourceDirectoryIndex)
        return {};
    const std::uint32_t resourceRva = DWord(&buf[directoriesAt + kResourceDirectoryIndex * 8]);
    if (resourceRva == 0)
        return {};

    // The section table, to find where image addresses lie in the file.
    if (!file.Read(optional + optionalSize, static_cast<std::uint64_t>(sectionCount) * 40, buf))
        return {};
    std::vector<TSection> sections;
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
        const std::uint8_t* s = &buf[i * 40];
        sections.push_back({DWord(s + 12), DWord(s + 8), DWord(s + 20), DWord(s + 16)});
    }
    const auto base = RvaToOffset(sections, resourceRva);
    if (!base)
        return {};

    // Resource tree: the version type, its first name, that name's first language.
    std::vector<TDirectoryEntry> entries;
    std::vector<std::uint32_t> path{0};
    if (!ReadDirectory(file, *base, path.back(), entries))
        return {};
    std::size_t type = 0;
    while (type < entries.size() &&
           (entries[type].Named || entries[type].Id != kVersionResourceType))
        ++type;
    if (!Descend(entries, type, path) || !ReadDirectory(file, *base, path.back(), entries) ||
        !Descend(entries, 0, path) || !ReadDirectory(file, *base, path.back(), entries))
        return {};
    if (entries[0].IsDirectory)
        return {};

    // The data entry: the image address and size of the VS_VERSIONINFO block.
    if (!file.Read(*base + entries[0].Offset, 8, buf))
        return {};
    const std::uint32_t dataRva = DWord(&buf[0]);
    const std::uint32_t dataSize = DWord(&buf[4]);
    const std::uint32_t needed = kFixedInfoOffset + kFixedInfoSize;
    const auto data = RvaToOffset(sections, dataRva);
    if (!data || dataSize < needed || !file.Read(*data, needed, buf))
        return {};
    const std::uint16_t blockLength = Word(&buf[0]);
    const std::uint16_t valueLength = Word(&buf[2]);
    if (blockLength < needed || valueLength < kFixedInfoSize)
        return {};
    for (std::uint32_t i = 0; i < sizeof kVersionKey; ++i)
        if (Word(&buf[kVersionKeyOffset + i * 2]) != static_cast<std::uint8_t>(kVersionKey[i]))
            return {};

    const std::uint8_t* fixed = &buf[kFixedInfoOffset];
    if (DWord(fixed) != kFixedInfoSignature)
        return {};
    const std::uint32_t ms = DWord(fixed + 8);
    const std::uint32_t ls = DWord(fixed + 12);
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", ms >> 16, ms & 0xFFFFu, ls >> 16, ls & 0xFFFFu);
    return text;
}

} // namespace

std::string FileVersionText(const std::string& fileName) {
    // Whatever goes wrong (also running out of memory) means the file has no version text for
    // us; this is the one place where that is decided.
    try {
        std::error_code error;
        const std::filesystem::path path(fileName);
        // Only regular files: opening a pipe or a device could block or never end.
        if (fileName.empty() || !std::filesystem::is_regular_file(path, error))
            return {};
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (error)
            return {};
        TFileReader file(path, size);
        if (!file.IsOpen())
            return {};
        return ReadFileVersion(file);
    } catch (...) {
        return {};
    }
}

} // namespace hovlo
