// A folder of its own for one test, removed with the object; files are written byte for byte.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace hovlo::test {

class TTempDir {
public:
    TTempDir() {
        std::random_device rd;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            FPath = base / ("hovlo-test-" + std::to_string(rd()));
            if (std::filesystem::create_directory(FPath))
                break;
        }
    }
    ~TTempDir() {
        std::error_code ec;
        std::filesystem::remove_all(FPath, ec);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    // The folder, ending in "/".
    std::string Dir() const { return FPath.string() + "/"; }
    std::string Path(std::string_view name) const { return (FPath / name).string(); }

    // Writes the bytes to name (folders created) and returns the full path.
    std::string Write(std::string_view name, std::string_view bytes) const {
        const auto p = FPath / name;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p.string();
    }

private:
    std::filesystem::path FPath;
};

} // namespace hovlo::test
