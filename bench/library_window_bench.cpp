// Speed of opening the library window on the large library (5,000
// categories of 20 rows, about 10 MB): the window is created, reads the file,
// shows its tree, the first category's rows and explanation, and is laid out
// and painted offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "calculator/calculator.h"
#include "large_library.h"
#include "storage/data_file_commands.h"
#include "storage/settings_store.h"
#include "storage/text_catalog.h"
#include "tasks/library_file.h"
#include "ui/library/expr_form.h"

using namespace tarvix;

namespace {

class NoFiles : public FileChoicePort {
public:
    std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest&) override {
        return std::nullopt;
    }
};

struct Fixture {
    Fixture() {
        folder = std::filesystem::temp_directory_path() / "tarvix_library_window_bench";
        std::filesystem::create_directories(folder);
        path = folder / "large.exp";
        WriteLibraryFile(path, bench::LargeLibrary());
    }
    ~Fixture() { std::filesystem::remove_all(folder); }

    Calculator calc;
    TextCatalog texts;
    NoFiles files;
    Settings values;
    std::filesystem::path folder;
    std::filesystem::path path;
};

void BM_OpenLibraryWindow(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        auto form = std::make_unique<TExprForm>(
            ExprFormServices{f.calc, f.texts, f.files, f.values, f.folder}, nullptr);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        if (!form->OpenLibrary(f.path)) state.SkipWithError("the library did not open");
        form->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form->grab());
        if (form->Model().Tree().NodeCount() != bench::kTopLevel * bench::kPerTopLevel)
            state.SkipWithError("the library is not whole");
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenLibraryWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
