// Tests of the file version reader: the tiny PE files of tests/fixtures/pe give their versions,
// and truncated, corrupted, random and mutated copies written at run time give "" or a version
// but never a crash, a hang or a read outside the file (run these under the sanitizer build).
#include "app/FileVersion.h"

#include "core/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

namespace hovlo {
namespace {

const std::string kFixtures = HOVLO_FIXTURES_DIR "/pe/";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Get32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<std::uint8_t>(b.at(at + i));
    return v;
}

std::uint16_t Get16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b.at(at)) |
                                      static_cast<std::uint8_t>(b.at(at + 1)) << 8);
}

void Put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.at(at + i) = static_cast<char>(v >> (8 * i) & 0xFF);
}

void Put16(std::string& b, std::size_t at, std::uint16_t v) {
    b.at(at) = static_cast<char>(v & 0xFF);
    b.at(at + 1) = static_cast<char>(v >> 8);
}

// Where the interesting fields of a fixture lie, found by walking its headers and resource tree
// the plain way (the fixtures are well formed), so corruptions can aim at them.
struct TLayout {
    std::size_t Pe = 0;            // "PE\0\0"
    std::size_t Optional = 0;      // optional header
    std::size_t RvaCount = 0;      // NumberOfRvaAndSizes
    std::size_t ResourceDir = 0;   // resource data directory entry (RVA, size)
    std::size_t Sections = 0;      // section table
    std::size_t RsrcSection = 0;   // section header of .rsrc
    std::size_t Tree = 0;          // resource tree (root directory)
    std::size_t TypeEntry = 0;     // root entry of the version type
    std::size_t NameEntry = 0;     // first entry under it
    std::size_t LanguageEntry = 0; // first entry under that
    std::size_t DataEntry = 0;     // the data entry (RVA, size)
    std::size_t Block = 0;         // VS_VERSIONINFO

    explicit TLayout(const std::string& b) {
        Pe = Get32(b, 0x3C);
        Optional = Pe + 24;
        const bool plus = Get16(b, Optional) == 0x20B;
        RvaCount = Optional + (plus ? 108 : 92);
        ResourceDir = RvaCount + 4 + 2 * 8;
        Sections = Optional + Get16(b, Pe + 20);
        const std::uint32_t rva = Get32(b, ResourceDir);
        auto toOffset = [&](std::uint32_t a) -> std::size_t {
            for (std::size_t s = Sections; s < Sections + 40u * Get16(b, Pe + 6); s += 40) {
                const std::uint32_t va = Get32(b, s + 12);
                if (a >= va && a < va + Get32(b, s + 8))
                    return Get32(b, s + 20) + (a - va);
            }
            throw std::runtime_error("address outside every section");
        };
        for (std::size_t s = Sections;; s += 40)
            if (b.compare(s, 5, ".rsrc") == 0) {
                RsrcSection = s;
                break;
            }
        Tree = toOffset(rva);
        const std::size_t count = Get16(b, Tree + 12) + Get16(b, Tree + 14);
        for (std::size_t i = 0; i < count; ++i)
            if (Get32(b, Tree + 16 + 8 * i) == 16)
                TypeEntry = Tree + 16 + 8 * i;
        NameEntry = Tree + (Get32(b, TypeEntry + 4) & 0x7FFFFFFF) + 16;
        LanguageEntry = Tree + (Get32(b, NameEntry + 4) & 0x7FFFFFFF) + 16;
        DataEntry = Tree + Get32(b, LanguageEntry + 4);
        Block = toOffset(Get32(b, DataEntry));
    }
};

struct TFixture {
    const char* Name;
    const char* Version;
};

// version12.exe: PE32+, version after an RCDATA; version1.dll: PE32 with 65535 and 65534.
const TFixture kVersioned[] = {{"version12.exe", "12.3.45.6789"},
                               {"version1.dll", "1.65535.0.65534"}};

// "" or four numbers of 0 to 65535 joined by points.
bool IsVersionOrEmpty(const std::string& text) {
    if (text.empty())
        return true;
    int parts = 0;
    std::size_t at = 0;
    for (;;) {
        std::size_t end = at;
        while (end < text.size() && end - at < 6 && text[end] >= '0' && text[end] <= '9')
            ++end;
        if (end == at || end - at > 5 || std::stoul(text.substr(at, end - at)) > 65535)
            return false;
        ++parts;
        if (end == text.size())
            return parts == 4;
        if (text[end] != '.' || parts == 4)
            return false;
        at = end + 1;
    }
}

TEST(FileVersionText, ReadsTheFixedVersionOfRealFiles) {
    for (const TFixture& f : kVersioned)
        EXPECT_EQ(FileVersionText(kFixtures + f.Name), f.Version) << f.Name;
    // Resources, but none of the version type.
    EXPECT_EQ(FileVersionText(kFixtures + "noversion.exe"), "");
}

// Only the pieces on the way are read, so a file beyond 4 GiB costs nothing more (the tail is a
// hole, and a reader that loaded the whole file or kept offsets in 32 bits would show here).
TEST(FileVersionText, ReadsAHugeFileByItsPieces) {
    test::TTempDir dir;
    const std::string path = dir.Write("huge.exe", ReadBytes(kFixtures + "version12.exe"));
    std::error_code error;
    std::filesystem::resize_file(path, std::uintmax_t{5} << 30, error);
    if (error)
        GTEST_SKIP() << "no sparse 5 GiB file here: " << error.message();
    EXPECT_EQ(FileVersionText(path), "12.3.45.6789");
}

TEST(FileVersionText, GivesNothingForWhatIsNoPeFile) {
    test::TTempDir dir;
    const std::string fifo = dir.Path("pipe.exe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string cases[] = {
        "",
        dir.Path("missing.exe"),
        dir.Dir(),
        dir.Write("empty.exe", ""),
        dir.Write("mz.exe", "MZ"),
        dir.Write("text.exe", "[Setting]\nPID=1\n"),
        "/proc/self/exe", // this test program, an ELF file
        "/dev/null",
        fifo, // opening it would wait for a writer
    };
    for (const std::string& name : cases)
        EXPECT_EQ(FileVersionText(name), "") << name;
}

// A cut before the end of the fixed information leaves no version; a longer copy may keep it.
TEST(FileVersionText, TruncatedCopiesGiveNoVersionOrTheirOwn) {
    test::TTempDir dir;
    for (const TFixture& f : kVersioned) {
        const std::string bytes = ReadBytes(kFixtures + f.Name);
        const TLayout at(bytes);
        const std::size_t fixedEnd = at.Block + 40 + 16; // through the file version words
        std::set<std::size_t> cuts;
        for (std::size_t cut = 0; cut < bytes.size(); cut += 64)
            cuts.insert(cut);
        for (const std::size_t mark :
             {std::size_t{0x3C}, at.Pe, at.Optional, at.ResourceDir, at.Sections, at.Tree,
              at.TypeEntry, at.DataEntry, at.Block, fixedEnd})
            for (std::size_t cut = mark > 4 ? mark - 4 : 0; cut < mark + 8; ++cut)
                cuts.insert(std::min(cut, bytes.size() - 1));
        for (const std::size_t cut : cuts) {
            // A new file per cut: shortening one file again and again is slow on ext4.
            const std::string path =
                dir.Write(std::string(f.Name) + "." + std::to_string(cut), bytes.substr(0, cut));
            const std::string text = FileVersionText(path);
            if (cut < fixedEnd)
                EXPECT_EQ(text, "") << f.Name << " cut at " << cut;
            else
                EXPECT_TRUE(text.empty() || text == f.Version) << f.Name << " cut at " << cut;
        }
    }
}

// One damaged field each; all of them must leave the reader without a version, and a few where
// the file could still be read either way must at least not crash.
TEST(FileVersionText, CorruptedCopiesGiveNoVersion) {
    struct TCorruption {
        const char* What;
        void (*Apply)(std::string& b, const TLayout& at);
        bool MayKeepVersion;
    };
    const TCorruption corruptions[] = {
        {"e_lfanew far beyond the end",
         [](std::string& b, const TLayout&) { Put32(b, 0x3C, 0xFFFFFFFF); }, false},
        {"e_lfanew at the last bytes",
         [](std::string& b, const TLayout&) {
             Put32(b, 0x3C, static_cast<std::uint32_t>(b.size() - 2));
         },
         false},
        {"e_lfanew at the DOS header", [](std::string& b, const TLayout&) { Put32(b, 0x3C, 0); },
         false},
        {"no MZ", [](std::string& b, const TLayout&) { b[1] = 'Y'; }, false},
        {"broken PE signature", [](std::string& b, const TLayout& at) { b[at.Pe + 2] = 1; }, false},
        {"unknown optional header magic",
         [](std::string& b, const TLayout& at) { Put16(b, at.Optional, 0x107); }, false},
        {"other optional header magic",
         [](std::string& b, const TLayout& at) {
             Put16(b, at.Optional, Get16(b, at.Optional) ^ 0x300);
         },
         true},
        {"no sections", [](std::string& b, const TLayout& at) { Put16(b, at.Pe + 6, 0); }, false},
        {"65535 sections", [](std::string& b, const TLayout& at) { Put16(b, at.Pe + 6, 0xFFFF); },
         false},
        {"optional header too short",
         [](std::string& b, const TLayout& at) { Put16(b, at.Pe + 20, 8); }, false},
        {"optional header of 65535 bytes",
         [](std::string& b, const TLayout& at) { Put16(b, at.Pe + 20, 0xFFFF); }, false},
        {"two data directories",
         [](std::string& b, const TLayout& at) { Put32(b, at.RvaCount, 2); }, false},
        {"no resource directory",
         [](std::string& b, const TLayout& at) { Put32(b, at.ResourceDir, 0); }, false},
        {"resource address outside the image",
         [](std::string& b, const TLayout& at) { Put32(b, at.ResourceDir, 0xFFFFFFF0); }, false},
        {"resource section data beyond the end",
         [](std::string& b, const TLayout& at) { Put32(b, at.RsrcSection + 20, 0xFFFFFE00); },
         false},
        {"huge resource section",
         [](std::string& b, const TLayout& at) {
             Put32(b, at.RsrcSection + 8, 0xFFFFFFFF);
             Put32(b, at.RsrcSection + 16, 0xFFFFFFFF);
         },
         true},
        {"65535 root entries",
         [](std::string& b, const TLayout& at) { Put16(b, at.Tree + 14, 0xFFFF); }, false},
        {"version type names the root",
         [](std::string& b, const TLayout& at) { Put32(b, at.TypeEntry + 4, 0x80000000); }, false},
        {"name level names itself",
         [](std::string& b, const TLayout& at) {
             Put32(b, at.NameEntry + 4, Get32(b, at.TypeEntry + 4));
         },
         false},
        {"language level names itself",
         [](std::string& b, const TLayout& at) {
             Put32(b, at.LanguageEntry + 4, Get32(b, at.NameEntry + 4));
         },
         false},
        {"language level names the root",
         [](std::string& b, const TLayout& at) { Put32(b, at.LanguageEntry + 4, 0x80000000); },
         false},
        {"version type is a data entry",
         [](std::string& b, const TLayout& at) {
             Put32(b, at.TypeEntry + 4, Get32(b, at.TypeEntry + 4) & 0x7FFFFFFF);
         },
         false},
        {"subdirectory beyond the end",
         [](std::string& b, const TLayout& at) { Put32(b, at.NameEntry + 4, 0xFFFFFFF0); }, false},
        {"data entry beyond the end",
         [](std::string& b, const TLayout& at) { Put32(b, at.LanguageEntry + 4, 0x7FFFFFF0); },
         false},
        {"data address outside the image",
         [](std::string& b, const TLayout& at) { Put32(b, at.DataEntry, 0xFFFFFFF0); }, false},
        {"data too short for the fixed information",
         [](std::string& b, const TLayout& at) { Put32(b, at.DataEntry + 4, 40); }, false},
        {"data of 4 GiB",
         [](std::string& b, const TLayout& at) { Put32(b, at.DataEntry + 4, 0xFFFFFFFF); }, true},
        {"block length too short",
         [](std::string& b, const TLayout& at) { Put16(b, at.Block, 20); }, false},
        {"no fixed information",
         [](std::string& b, const TLayout& at) { Put16(b, at.Block + 2, 0); }, false},
        {"other key", [](std::string& b, const TLayout& at) { b[at.Block + 6] = 'W'; }, false},
        {"fixed information signature broken",
         [](std::string& b, const TLayout& at) { b[at.Block + 40] ^= 1; }, false},
    };
    test::TTempDir dir;
    for (const TFixture& f : kVersioned) {
        const std::string original = ReadBytes(kFixtures + f.Name);
        const TLayout at(original);
        for (const TCorruption& c : corruptions) {
            std::string bytes = original;
            c.Apply(bytes, at);
            const std::string text =
                FileVersionText(dir.Write(std::string(f.Name) + c.What, bytes));
            if (c.MayKeepVersion)
                EXPECT_TRUE(text.empty() || text == f.Version) << f.Name << ": " << c.What;
            else
                EXPECT_EQ(text, "") << f.Name << ": " << c.What;
        }
    }
}

TEST(FileVersionText, RandomBytesGiveNoVersion) {
    test::TTempDir dir;
    std::mt19937 random(20261211);
    for (int i = 0; i < 200; ++i) {
        std::string bytes(random() % 8192, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        // Half of them look like a PE file up to the optional header.
        if (i % 2 && bytes.size() >= 0x100) {
            bytes[0] = 'M';
            bytes[1] = 'Z';
            Put32(bytes, 0x3C, 0x80);
            bytes.replace(0x80, 4, std::string("PE\0\0", 4));
            Put16(bytes, 0x80 + 24, i % 4 == 1 ? 0x10B : 0x20B);
        }
        EXPECT_EQ(FileVersionText(dir.Write("random" + std::to_string(i), bytes)), "")
            << "file " << i;
    }
}

// Damage in random places of a real file, biased to the headers and the resource tree and to
// values that make offsets wrap or point home. Whatever comes out must be a version text or "".
TEST(FileVersionText, SurvivesRandomDamageToARealFile) {
    test::TTempDir dir;
    const std::string original = ReadBytes(kFixtures + "version12.exe");
    const TLayout at(original);
    const std::size_t rsrc = at.Tree;
    const std::uint32_t values[] = {
        0,          1,          0x10,
        0x7FFFFFFF, 0x80000000, 0x80000010,
        0xFFFFFFFF, 0xFFFF,     static_cast<std::uint32_t>(original.size())};
    std::mt19937 random(4711);
    const std::string path = dir.Write("damaged.exe", original);
    for (int i = 0; i < 2000; ++i) {
        std::string bytes = original;
        const int changes = 1 + static_cast<int>(random() % 6);
        for (int k = 0; k < changes; ++k) {
            const std::size_t region = random() % 3;
            std::size_t pos = region == 0   ? random() % 0x200
                              : region == 1 ? rsrc + random() % (bytes.size() - rsrc)
                                            : random() % bytes.size();
            pos = std::min(pos & ~std::size_t{1}, bytes.size() - 4);
            if (random() % 2)
                Put32(bytes, pos, values[random() % std::size(values)]);
            else
                bytes[pos] = static_cast<char>(random());
        }
        // Same size, so the file is overwritten in place instead of being cut and refilled.
        std::fstream(path, std::ios::binary | std::ios::in | std::ios::out)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        const std::string text = FileVersionText(path);
        ASSERT_TRUE(IsVersionOrEmpty(text)) << "mutation " << i << ": " << text;
    }
}

} // namespace
} // namespace hovlo
