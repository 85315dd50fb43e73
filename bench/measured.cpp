// The measured-data file at its largest: a valid file of 244 MB (32767 tables of 75 rows and six
// columns, the most the program keeps) read into the program's tables, and a gigabyte of zero
// bytes refused at its first line. Each reports its time and the process's peak memory above what
// it used before the read ("peak_MB"), beside the size of the tables kept ("kept_MB").
//
// The files are written by the benchmark into a temporary folder of its own and removed at the end;
// the gigabyte is a sparse file, so it takes no room on the disk.

#include "Measured.h"
#include "ProcessMemory.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::uintmax_t kValidBytes = 244'000'000;
constexpr std::uintmax_t kZeroBytes = 1ull << 30;
constexpr int kRows = 75;
constexpr int kColumns = 6;

class Folder {
public:
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "bench_measured_XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

Folder& TempFolder() {
    static Folder folder;
    return folder;
}

// Rows of readings with ten decimals; each header is padded with blanks (which the format skips)
// so that the file has exactly kValidBytes.
std::string WriteValidFile() {
    const std::string path = TempFolder().File("measured.csv");
    std::string table;
    char value[32];
    for (int row = 1; row <= kRows; ++row) {
        std::snprintf(value, sizeof value, "%.10f", row * 1.25);
        table += value;
        for (int column = 0; column < kColumns; ++column) {
            std::snprintf(value, sizeof value, ",%.10f", 90.0 - row * 0.7 + column * 2.3);
            table += value;
        }
        table += '\n';
    }
    const std::string header = "0,450,0.5,Urban,1.5,6,10,20,30,40,50,60";
    const std::uintmax_t tables = kMeasuredMaxTables;
    const std::uintmax_t unpadded = tables * (header.size() + 1 + table.size());
    const std::uintmax_t padding = kValidBytes > unpadded ? kValidBytes - unpadded : 0;
    std::ofstream file(path, std::ios::binary);
    for (std::uintmax_t t = 0; t < tables; ++t) {
        const std::uintmax_t blanks = padding / tables + (t < padding % tables ? 1 : 0);
        file << header << std::string(blanks, ' ') << '\n' << table;
    }
    return path;
}

std::string WriteZeroFile() {
    const std::string path = TempFolder().File("zeros.csv");
    std::ofstream(path, std::ios::binary).close();
    std::filesystem::resize_file(path, kZeroBytes);
    return path;
}

void ReadOnce(benchmark::State& state, const std::string& path, bool expectOk) {
    double peak = 0;
    double kept = 0;
    std::size_t tables = 0;
    for (auto _ : state) {
        std::vector<MeasuredRecord> records(1);
        const double before = benchmem::ResidentBytes();
        benchmem::ResetPeak();
        const MeasuredReadResult result = ReadMeasured(path, records);
        peak = (benchmem::PeakBytes() - before) / 1e6;
        if (result.ok != expectOk) {
            state.SkipWithError(result.ok ? "the file was read" : result.message.c_str());
            return;
        }
        tables = result.ok ? records.size() : 0;
        kept = static_cast<double>(tables * sizeof(MeasuredRecord)) / 1e6;
        benchmark::DoNotOptimize(records.data());
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    state.counters["tables"] = static_cast<double>(tables);
    state.counters["kept_MB"] = kept;
    state.counters["peak_MB"] = peak;
}

void ValidFileOf244MB(benchmark::State& state) {
    static const std::string path = WriteValidFile();
    ReadOnce(state, path, true);
}
BENCHMARK(ValidFileOf244MB)->Unit(benchmark::kMillisecond)->Iterations(3);

void GigabyteOfZeroBytesRefused(benchmark::State& state) {
    static const std::string path = WriteZeroFile();
    ReadOnce(state, path, false);
}
BENCHMARK(GigabyteOfZeroBytesRefused)->Unit(benchmark::kMicrosecond)->Iterations(3);

} // namespace
