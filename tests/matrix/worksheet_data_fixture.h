// The fixture of the data-command tests: a worksheet on fake ports (main
// window with domain, input line, register names and series; message boxes
// recorded) and a data state seeded for repeatable draws.
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
    TNumericalScope scope = nsReal;
    char unit = 'i';
    std::string input;
    std::optional<CurrentSeries> series;
    int complexSwitches = 0;

    FormatOptions CurrentFormat() const override {
        FormatOptions f;
        f.Scope = scope;
        f.ImaginaryUnit = unit;
        return f;
    }
    void ShowScalarResult(const ComplexValue&, std::string_view) override {}
    std::string DisplayText() const override { return "0"; }
    std::string InputText() const override { return input; }
    const CurrentSeries* Series() const override { return series ? &*series : nullptr; }
    void SelectComplexDomain() override {
        scope = nsComplex;
        ++complexSwitches;
    }
};

class DataFakeDialogs : public DialogsPort {
public:
    std::vector<MessageBoxRequest> messages;
    ModalResult ShowMessage(const MessageBoxRequest& r) override {
        messages.push_back(r);
        return ModalResult::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
};

class WorksheetDataTest : public ::testing::Test {
protected:
    WorksheetDataTest() : sheet(parser, memory, main, dialogs) { state.Seed(12345); }

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
    // Every cell of a grid, row by row.
    static std::vector<std::vector<std::string>> Cells(const TextGrid& grid) {
        std::vector<std::vector<std::string>> cells;
        for (int i = 1; i <= grid.Rows(); ++i) {
            cells.emplace_back();
            for (int j = 1; j <= grid.Cols(); ++j) cells.back().push_back(grid.Cell(i, j));
        }
        return cells;
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
