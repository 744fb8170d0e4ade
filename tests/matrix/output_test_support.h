// Fake ports of the output and chart tests: a main window whose modes the
// worksheet switches and which records the charts it is handed, message
// boxes answered from a script, and a worksheet fixture on them.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "calculator/message_box.h"
#include "matrix/worksheet.h"

namespace tarvix::test {

class OutputMain : public WorksheetMainPort {
public:
    TNumericalScope scope = nsReal;
    DisplayModes display;
    struct Charted {
        CurrentSeries Series;
        std::string Title;
        bool Bars;
    };
    std::vector<Charted> charts;
    std::vector<int> quantities;

    FormatOptions CurrentFormat() const override {
        FormatOptions f;
        f.Scope = scope;
        f.Display = display;
        return f;
    }
    void ShowScalarResult(const ComplexValue&, std::string_view) override {}
    std::string DisplayText() const override { return "0"; }
    std::string InputText() const override { return {}; }
    void SelectNumberFormat(NumberFormat format) override { display.Format = format; }
    void SelectComplexForm(ComplexForm form) override { display.Complex = form; }
    void ChartSeries(CurrentSeries series, std::string_view title, bool bars) override {
        charts.push_back({std::move(series), std::string(title), bars});
    }
    void SetComplexQuantity(int quantity) override { quantities.push_back(quantity); }
};

class ScriptedDialogs : public DialogsPort {
public:
    std::vector<MessageBoxRequest> messages;
    ModalResult answer = ModalResult::Yes;
    ModalResult ShowMessage(const MessageBoxRequest& r) override {
        messages.push_back(r);
        return answer;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
};

class OutputTest : public ::testing::Test {
protected:
    OutputTest() : sheet(parser, memory, main, dialogs) {}

    static void Fill(TextGrid& grid, std::initializer_list<std::initializer_list<const char*>> rows) {
        grid.Resize(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
        int i = 1;
        for (const auto& row : rows) {
            int j = 1;
            for (const char* cell : row) grid.SetCell(i, j++, cell);
            ++i;
        }
    }
    void Complex() {
        main.scope = nsComplex;
        parser.SetNumericalScope(nsComplex);
    }
    std::string LastMessage() const {
        return dialogs.messages.empty() ? std::string() : dialogs.messages.back().Text;
    }
    const MatrixMessageTable& Texts() const { return BuiltInMatrixMessages(); }

    TParser parser;
    MatrixMemory memory;
    OutputMain main;
    ScriptedDialogs dialogs;
    Worksheet sheet;
};

}  // namespace tarvix::test
