// Temporary folders and whole-file I/O for tests.
#include "support/temp_dir.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

TempDir::TempDir() {
    std::random_device random;
    const std::string base = std::filesystem::temp_directory_path().string();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = base;
        if (candidate.back() != kSeparator && candidate.back() != '/') candidate += kSeparator;
        candidate += "orvane-test-" + std::to_string(random());
        if (std::filesystem::create_directory(candidate)) {
            m_strPath = candidate;
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_strPath, ignored);
}

std::string TempDir::File(const std::string& name) const { return m_strPath + kSeparator + name; }

void WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw std::runtime_error("cannot create " + path);
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    if (!ok) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) throw std::runtime_error("cannot open " + path);
    std::string bytes;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
    return bytes;
}

int CountEntries(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}
