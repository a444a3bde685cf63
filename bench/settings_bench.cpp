// Benchmarks of the settings core: a whole profile read and write, and INI parsing by file size.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_data.h"
#include "common/text_encoding.h"
#include "settings/ini_document.h"
#include "settings/profile.h"
#include "settings/schema.h"

namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// ReadProfile then WriteProfile of KMX.INI with 1,000 keys against a 1,000-setting schema,
// files on disk, as the Run and Load commands do: reading, composing, and the flushed write.
void BM_ReadThenWriteProfile1000(benchmark::State& state) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "orvane-bench";
    std::filesystem::create_directories(dir);
    const std::string launcherIni = (dir / "orvane.ini").string();
    const std::string profile = (dir / "KMX.INI").string();
    WriteFile(launcherIni, bench::LauncherIni(1000));
    std::vector<SettingItem> settings;
    LoadSchema(launcherIni, settings);
    ProfileSlots slots;
    for (auto _ : state) {
        state.PauseTiming();
        WriteFile(profile, bench::EmulatorIni(1000));
        state.ResumeTiming();
        ReadProfile(profile, launcherIni, slots, settings);
        WriteProfile(profile, launcherIni, slots, true, settings);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ReadThenWriteProfile1000)->Unit(benchmark::kMicrosecond);

// The same in memory only: parsing the profile and composing the bytes to write, without the
// files and the flush to disk that dominate the one above. Argument 1: the profile saved as
// UTF-16LE with a mark, every line converted on reading and every written one on writing;
// argument 0, code page 932 bytes, is its baseline.
void BM_ParseThenComposeProfile1000(benchmark::State& state) {
    std::vector<SettingItem> settings;
    LoadSchema(ini::IniDocument(bench::LauncherIni(1000)), settings);
    const bool marked = state.range(0) == 1;
    const textenc::Encoding encoding = marked ? textenc::Encoding::Utf16Le : textenc::Encoding::Cp932;
    const std::string bytes = std::string(textenc::Mark(encoding)) + textenc::EncodeFromCp932(bench::EmulatorIni(1000), encoding);
    state.SetLabel(marked ? "UTF-16LE with mark" : "code page 932");
    ProfileKeys keys;
    for (int slot = 0; slot < kImageSlotCount; ++slot) keys.imagePaths[slot] = kImageSlots[slot].name;
    keys.resume = kResumeSlot.name;
    ProfileSlots slots;
    for (auto _ : state) {
        ParseProfile(bytes, keys, slots, settings);
        benchmark::DoNotOptimize(ComposeProfile(bytes, keys, slots, true, settings));
    }
}
BENCHMARK(BM_ParseThenComposeProfile1000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ParseIni(benchmark::State& state) {
    const std::string bytes = bench::IniOfSize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        ini::IniDocument doc(bytes);
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseIni)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
