#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "kit/settings/profile.h"
#include "kit/settings/settings.h"

namespace {

// A settings file of about `megabytes` MB: many foreign sections before the
// programs' own, so every lookup walks the whole file.
std::filesystem::path largeFile(int megabytes) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("fallpack-bench-" + std::to_string(::getpid()) + ".ini");
    std::ofstream out(path, std::ios::binary);
    const std::string line = "SomeKey=" + std::string(100, 'v') + "\r\n";
    for (std::size_t written = 0, section = 0; written < std::size_t(megabytes) << 20; ++section) {
        out << "[Foreign " << section << "]\r\n";
        for (int k = 0; k < 20; ++k, written += line.size())
            out << line;
    }
    out << "[" << kit::kOrchardSection << "]\r\nOrchard_Level=4\r\n";
    return path;
}

void BM_ReadIntFromLargeFile(benchmark::State& state) {
    const auto path = largeFile(static_cast<int>(state.range(0)));
    const kit::ProfileFile file(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(file.readInt(kit::kOrchardSection, "Orchard_Level", 1));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadIntFromLargeFile)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_LoadOrchardSettingsFromLargeFile(benchmark::State& state) {
    const auto path = largeFile(4);
    const kit::ProfileFile file(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(kit::LoadOrchardSettings(file));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadOrchardSettingsFromLargeFile)->Unit(benchmark::kMillisecond);

void BM_SaveSettingsIntoLargeFile(benchmark::State& state) {
    const auto path = largeFile(4);
    const kit::ProfileFile file(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(kit::SaveSettings(kit::OrchardSettings{}, file));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveSettingsIntoLargeFile)->Unit(benchmark::kMillisecond);

// One key written into a file of `range(0)` MB of blank lines: every line is
// its own line, so the cost per line decides whether a write stays linear.
void BM_WriteOneKeyIntoBlankLines(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("fallpack-blank-" + std::to_string(::getpid()) + ".ini");
    const std::string blank(std::size_t(state.range(0)) << 20, '\n');
    const kit::ProfileFile file(path);
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(path, std::ios::binary) << blank;
        state.ResumeTiming();
        benchmark::DoNotOptimize(file.writeString("Section", "Key", "Value"));
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(state.iterations() * state.range(0) << 20);
}
BENCHMARK(BM_WriteOneKeyIntoBlankLines)->Arg(1)->Arg(4)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace
