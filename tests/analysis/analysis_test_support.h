// Helpers of the analysis tests: a cell reader with the evaluator of a
// calculator, rows built from short lists, and fake file and chart ports.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/analysis_chart.h"
#include "analysis/cell_reader.h"
#include "analysis/stat_table.h"
#include "calculator/calculator.h"
#include "storage/data_file_commands.h"

namespace tarvix {
// Rows as texts in failure messages.
inline void PrintTo(const StatRow& row, std::ostream* out) {
    *out << '{' << '"' << row.X << "\", \"" << row.Y << '"' << '}';
}
}  // namespace tarvix

namespace tarvix::testing {

// The cells as rows of texts.
inline std::vector<StatRow> RowsOf(const StatCells& cells) {
    std::vector<StatRow> rows;
    for (std::size_t r = 0; r < cells.Size(); ++r)
        rows.push_back({cells.Text(1, r), cells.Text(2, r)});
    return rows;
}

inline std::vector<StatRow> Column(std::initializer_list<const char*> xs) {
    std::vector<StatRow> rows;
    for (const char* x : xs) rows.push_back({x, {}});
    return rows;
}

inline std::vector<StatRow> Pairs(std::initializer_list<std::pair<const char*, const char*>> xy) {
    std::vector<StatRow> rows;
    for (auto [x, y] : xy) rows.push_back({x, y});
    return rows;
}

class FakeFiles : public FileChoicePort {
public:
    std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest& r) override {
        Requests.push_back(r);
        return Next();
    }
    std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest& r) override {
        Requests.push_back(r);
        return Next();
    }
    std::optional<std::filesystem::path> Next() {
        if (Answers.empty()) return std::nullopt;
        auto a = Answers.front();
        Answers.pop_front();
        return a;
    }
    std::deque<std::optional<std::filesystem::path>> Answers;
    std::vector<FileDialogRequest> Requests;
};

class FakeChart : public AnalysisChartPort {
public:
    void ShowAnalysisChart(const AnalysisChart& chart) override { Charts.push_back(chart); }
    std::vector<AnalysisChart> Charts;
};

}  // namespace tarvix::testing
