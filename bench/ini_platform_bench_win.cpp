// Under Wine: 1,000 settings read key by key through GetPrivateProfileStringA (the baseline),
// against our engine parsing the same KMX.INI once and reading every key, with the file in code
// page 932 and saved as UTF-16LE with a mark. The two sides must read the same values; they take
// turns going first, and medians of the rounds are reported.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_data.h"
#include "common/text_encoding.h"
#include "settings/ini_file.h"

namespace {

constexpr int kSettings = 1000;
constexpr int kRounds = 9;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<std::string> ReadByPlatform(const std::string& path) {
    std::vector<std::string> values;
    char value[260];
    for (int i = 0; i < kSettings; ++i) {
        const std::string key = "Key" + std::to_string(i);
        const DWORD length = GetPrivateProfileStringA("KMX", key.c_str(), "", value, sizeof value, path.c_str());
        values.emplace_back(value, length);
    }
    return values;
}

std::vector<std::string> ReadByEngine(const std::string& path) {
    std::vector<std::string> values;
    const ini::IniDocument doc = ini::LoadIniFile(path);
    for (int i = 0; i < kSettings; ++i) values.push_back(doc.GetString("KMX", "Key" + std::to_string(i), ""));
    return values;
}

// Times both sides on the file in one form; false when they read different values.
bool Compare(const char* form, const std::string& bytes) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::vector<double> platform, ours;
    for (int round = 0; round < kRounds; ++round) {
        // A fresh file each round, so no cached parse of an earlier round helps either side.
        const std::string path = std::string(temp) + "orvane-bench-" + std::to_string(round) + ".ini";
        WriteFile(path, bytes);
        std::vector<std::string> platformValues, ourValues;
        const auto time = [](auto read, std::vector<std::string>& values) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            values = read();
            QueryPerformanceCounter(&end);
            return Seconds(start, end);
        };
        const auto runPlatform = [&] { platform.push_back(time([&] { return ReadByPlatform(path); }, platformValues)); };
        const auto runOurs = [&] { ours.push_back(time([&] { return ReadByEngine(path); }, ourValues)); };
        if (round % 2 == 0) {
            runPlatform();
            runOurs();
        } else {
            runOurs();
            runPlatform();
        }
        DeleteFileA(path.c_str());
        if (platformValues != ourValues) {
            std::printf("FAILED: the two sides read different values of the %s file in round %d\n", form, round);
            return false;
        }
    }
    std::printf("1000-key read of a %s file under Wine, median of %d rounds, sides alternating, values equal:\n", form,
                kRounds);
    std::printf("  GetPrivateProfileStringA key by key (baseline): %8.3f ms\n", Median(platform) * 1000);
    std::printf("  our engine, one parse and 1000 look-ups:        %8.3f ms\n", Median(ours) * 1000);
    std::printf("  speed-up: %.1fx\n", Median(platform) / Median(ours));
    return true;
}

}  // namespace

int main() {
    const std::string bytes = bench::EmulatorIni(kSettings);
    const std::string utf16 = std::string(textenc::Mark(textenc::Encoding::Utf16Le)) +
                              textenc::EncodeFromCp932(bytes, textenc::Encoding::Utf16Le);
    return Compare("code page 932", bytes) && Compare("UTF-16LE", utf16) ? 0 : 1;
}
