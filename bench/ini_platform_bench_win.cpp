// Under Wine: 1,000 settings read key by key through GetPrivateProfileStringA (the baseline),
// against our engine parsing the same KMX.INI once and reading every key.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/bench_data.h"
#include "settings/ini_file.h"

namespace {

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

}  // namespace

int main() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const int kSettings = 1000;
    const int kRounds = 20;
    const std::string bytes = bench::EmulatorIni(kSettings);
    double platform = 0;
    double ours = 0;
    std::size_t checksum = 0;
    for (int round = 0; round < kRounds; ++round) {
        // A fresh file each round, so no cached parse of an earlier round helps either side.
        const std::string path = std::string(temp) + "orvane-bench-" + std::to_string(round) + ".ini";
        WriteFile(path, bytes);
        char value[260];
        LARGE_INTEGER start, middle, end;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < kSettings; ++i) {
            const std::string key = "Key" + std::to_string(i);
            checksum += GetPrivateProfileStringA("KMX", key.c_str(), "", value, sizeof value, path.c_str());
        }
        QueryPerformanceCounter(&middle);
        const ini::IniDocument doc = ini::LoadIniFile(path);
        for (int i = 0; i < kSettings; ++i) checksum += doc.GetString("KMX", "Key" + std::to_string(i), "").size();
        QueryPerformanceCounter(&end);
        platform += Seconds(start, middle);
        ours += Seconds(middle, end);
        DeleteFileA(path.c_str());
    }
    std::printf("1000-key read, mean of %d rounds under Wine:\n", kRounds);
    std::printf("  GetPrivateProfileStringA key by key (baseline): %8.3f ms\n", platform * 1000 / kRounds);
    std::printf("  our engine, one parse and 1000 look-ups:        %8.3f ms\n", ours * 1000 / kRounds);
    std::printf("  speed-up: %.1fx   (checksum %zu)\n", platform / ours, checksum);
    return 0;
}
