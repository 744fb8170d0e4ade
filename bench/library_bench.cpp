// Speed of the expression library on a large library: 5,000 categories
// (50 top-level ones, each with 99 below it in three levels) of 20 rows each,
// about 10 MB: reading and writing the file, the text search of the search
// window (with its sort), and one keystroke of the incremental category
// search that scans every name.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "tasks/library_file.h"
#include "tasks/library_search.h"

namespace {

using namespace tarvix;

constexpr int kTopLevel = 50;
constexpr int kPerTopLevel = 100;  // the top-level category and 99 below it
constexpr int kRows = 20;

LibraryRow Row(int category, int row) {
    const std::string id = std::to_string(category) + "_" + std::to_string(row);
    LibraryRow r;
    r.Explanation = "mode rad,dec,real\nr=2\t[m]\tpoloměr\nv=3,5\t[m]\tvýška\n'č. " + id;
    r.Comment = "Objem válce " + id;
    r.Expression = "pi*r^2*v";
    return r;
}

LibraryTree LargeLibrary() {
    LibraryTree tree;
    int category = 0;
    auto make = [&category] {
        std::vector<LibraryRow> rows;
        for (int j = 0; j < kRows; ++j) rows.push_back(Row(category, j));
        return std::make_unique<LibraryNode>("Kategorie č. " + std::to_string(category++),
                                             std::move(rows));
    };
    for (int t = 0; t < kTopLevel; ++t) {
        LibraryNode* top = tree.Append(nullptr, make());
        LibraryNode* level1 = nullptr;
        LibraryNode* level2 = nullptr;
        for (int k = 1; k < kPerTopLevel; ++k) {
            // Every tenth one under the top, the others two and three levels down.
            if (k % 10 == 1) {
                level1 = tree.Append(top, make());
            } else if (k % 10 == 2) {
                level2 = tree.Append(level1, make());
            } else {
                tree.Append(level2, make());
            }
        }
    }
    return tree;
}

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
