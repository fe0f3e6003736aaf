// A scratch directory for one test, removed again afterwards.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir()
    {
        std::random_device seed;
        Path = std::filesystem::temp_directory_path()
            / ("velorin-test-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(Path);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::filesystem::path File(const std::string& name) const { return Path / name; }

    std::filesystem::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        const auto path = File(name);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::filesystem::path Path;
};

// Makes `dir` the working directory while it lives.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& dir) : Previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(dir);
    }
    ~WorkingDirectory() { std::filesystem::current_path(Previous); }

private:
    std::filesystem::path Previous;
};
