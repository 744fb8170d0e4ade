// The fixture of the worksheet's data-command tests (generation, editing,
// searches, conversions, outputs, charts): a worksheet on fake ports. The
// main window has a settable format and domain, an input line and a series,
// records scalar results, format switches, rounding toggles, complex
// quantities and the charts it is handed; the dialogs record
// messages and questions and give scripted answers. The data state is
// seeded for repeatable draws.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "calculator/message_box.h"
#include "matrix/worksheet.h"
#include "matrix/worksheet_generate.h"

namespace tarvix::test {

class DataFakeMain : public WorksheetMainPort {
public:
    FormatOptions format;
    std::string input;
    std::optional<CurrentSeries> series;
    int complexSwitches = 0;
    std::vector<ComplexValue> shown;
    int roundingToggles = 0;
    std::vector<int> quantities;
    struct Charted {
        CurrentSeries Series;
        std::string Title;
        bool Bars;
    };
    std::vector<Charted> charts;

    FormatOptions CurrentFormat() const override { return format; }
    void SelectNumberFormat(NumberFormat f) override { format.Display.Format = f; }
    void SelectComplexForm(ComplexForm form) override { format.Display.Complex = form; }
    void ChartSeries(CurrentSeries series, std::string_view title, bool bars) override {
        charts.push_back({std::move(series), std::string(title), bars});
    }
    void ShowScalarResult(const ComplexValue& v, std::string_view) override { shown.push_back(v); }
    std::string DisplayText() const override { return "0"; }
    std::string InputText() const override { return input; }
    const CurrentSeries* Series() const override { return series ? &*series : nullptr; }
    void SelectComplexDomain() override {
        format.Scope = nsComplex;
        ++complexSwitches;
    }
    void ToggleRounding() override {
        ++roundingToggles;
        format.Display.RoundingOn = !format.Display.RoundingOn;
    }
    void SetComplexQuantity(int quantity) override { quantities.push_back(quantity); }
};

class DataFakeDialogs : public DialogsPort {
public:
    std::vector<MessageBoxRequest> messages;
    ModalResult reply = ModalResult::Yes;
    std::optional<std::string> answer;
    std::string caption, prompt, defaultText;

    ModalResult ShowMessage(const MessageBoxRequest& r) override {
        messages.push_back(r);
        return reply;
    }
    std::optional<std::string> AskText(std::string_view c, std::string_view p,
                                       std::string_view d) override {
        caption = c;
        prompt = p;
        defaultText = d;
        return answer;
    }
};

class WorksheetDataTest : public ::testing::Test {
protected:
    WorksheetDataTest() : sheet(parser, memory, main, dialogs) { state.Seed(12345); }
    ~WorksheetDataTest() override {
        parser.SetNumericalScope(nsReal);
        parser.SetAngleUnits(auDeg);
    }

    // The domain of the main window and of the evaluator.
    void Domain(TNumericalScope scope) {
        main.format.Scope = scope;
        parser.SetNumericalScope(scope);
    }
    void Complex() { Domain(nsComplex); }
    static const MatrixMessageTable& Texts() { return BuiltInMatrixMessages(); }
    // A grid of the given mode and order with rows of texts from (1,1).
    void Setup(WorksheetMode mode, int order,
               std::initializer_list<std::initializer_list<const char*>> rows = {}) {
        sheet.SetMode(mode);
        sheet.SetOrder(order);
        int i = 1;
        for (const auto& row : rows) {
            int j = 1;
            for (const char* cell : row) sheet.LeftGrid().SetCell(i, j++, cell);
            ++i;
        }
    }
    // The operations mode with the left grid sized to the rows and filled.
    void Left(std::initializer_list<std::initializer_list<const char*>> rows) {
        sheet.SetMode(WorksheetMode::Operations);
        sheet.SetOrder(static_cast<int>(rows.size()));
        Fill(sheet.LeftGrid(), rows);
    }
    static void Fill(TextGrid& grid,
                     std::initializer_list<std::initializer_list<const char*>> rows) {
        grid.Resize(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
        int i = 1;
        for (const auto& row : rows) {
            int j = 1;
            for (const char* cell : row) grid.SetCell(i, j++, cell);
            ++i;
        }
    }
    // Every cell of a grid, row by row.
    static std::vector<std::vector<std::string>> Cells(const TextGrid& grid) {
        std::vector<std::vector<std::string>> cells;
        for (int i = 1; i <= grid.Rows(); ++i) {
            cells.emplace_back();
            for (int j = 1; j <= grid.Cols(); ++j) cells.back().push_back(grid.Cell(i, j));
        }
        return cells;
    }
    ComplexValue Value(int row, int column) {
        return sheet.EvaluateCell(sheet.ActiveGrid().Cell(row, column));
    }
    std::string LastMessage() const {
        return dialogs.messages.empty() ? std::string() : dialogs.messages.back().Text;
    }
    // A search mark, so that tests see whether a command empties the marks.
    void Mark() {
        sheet.Marks().Reset(false, sheet.LeftGrid().Rows(), sheet.LeftGrid().Cols());
        sheet.Marks().Set(1, 1);
    }

    TParser parser;
    MatrixMemory memory;
    DataFakeMain main;
    DataFakeDialogs dialogs;
    Worksheet sheet;
    WorksheetDataState state;
};

}  // namespace tarvix::test
