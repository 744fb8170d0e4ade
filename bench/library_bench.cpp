// Speed of the expression library on a large library: 5,000 categories
// (50 top-level ones, each with 99 below it in three levels) of 20 rows each,
// about 10 MB: reading and writing the file, the text search of the search
// window (with its sort), and one keystroke of the incremental category
// search that scans every name.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "large_library.h"
#include "tasks/library_file.h"
#include "tasks/library_search.h"

namespace {

using namespace tarvix;
using tarvix::bench::kPerTopLevel;
using tarvix::bench::kTopLevel;
using tarvix::bench::LargeLibrary;

struct Fixture {
    Fixture() : tree(LargeLibrary()), bytes(LibraryBytes(tree)) {
        folder = std::filesystem::temp_directory_path() / "tarvix_library_bench";
        std::filesystem::create_directories(folder);
        path = folder / "large.exp";
        WriteLibraryFile(path, tree);
    }
    ~Fixture() { std::filesystem::remove_all(folder); }

    LibraryTree tree;
    std::string bytes;
    std::filesystem::path folder;
    std::filesystem::path path;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_ReadLibraryFile(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        LibraryReadResult read = ReadLibraryFile(f.path);
        if (!read.ok() || read.Tree.NodeCount() != kTopLevel * kPerTopLevel)
            state.SkipWithError("the library did not read");
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(f.bytes.size()));
    state.counters["MB"] = static_cast<double>(f.bytes.size()) / 1e6;
}
BENCHMARK(BM_ReadLibraryFile)->Unit(benchmark::kMillisecond);

// The bytes alone, and the whole atomic save (temporary file, fsync, rename).
void BM_LibraryBytes(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) benchmark::DoNotOptimize(LibraryBytes(f.tree));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(f.bytes.size()));
}
BENCHMARK(BM_LibraryBytes)->Unit(benchmark::kMillisecond);

void BM_WriteLibraryFile(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        if (!WriteLibraryFile(f.folder / "saved.exp", f.tree).ok()) state.SkipWithError("no write");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(f.bytes.size()));
}
BENCHMARK(BM_WriteLibraryFile)->Unit(benchmark::kMillisecond);

// A text in one row of the whole library, and one in every row (100,000
// hits to sort), each over names and rows.
void BM_TextSearch(benchmark::State& state, const char* text, std::size_t expectedHits) {
    Fixture& f = Shared();
    for (auto _ : state) {
        std::vector<LibraryHit> hits = SearchLibrary(f.tree, text, {}, nullptr);
        SortHits(hits);
        if (hits.size() != expectedHits) state.SkipWithError("unexpected hits");
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK_CAPTURE(BM_TextSearch, OneHit, "č. 4321_7", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TextSearch, EveryRow, "OBJEM VÁLCE", 100000)->Unit(benchmark::kMillisecond);

// A keystroke whose text begins no name: every name is looked at.
void BM_IncrementalSearchKeystroke(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        if (FindCategoryByPrefix(f.tree, "Kategorie čx")) state.SkipWithError("found");
    }
}
BENCHMARK(BM_IncrementalSearchKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
