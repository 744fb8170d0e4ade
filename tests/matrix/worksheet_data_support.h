// A worksheet on fake ports for the tests of its data commands (searches and
// conversions): the main window records scalar results, its format can be
// set and its rounding toggled; the dialogs record messages and questions
// and give scripted answers.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "calculator/message_box.h"
#include "matrix/worksheet.h"

namespace tarvix::test {

class DataFakeMain : public WorksheetMainPort {
public:
    FormatOptions format;
    std::vector<ComplexValue> shown;
    int roundingToggles = 0;
    std::vector<int> quantities;

    FormatOptions CurrentFormat() const override { return format; }
    void ShowScalarResult(const ComplexValue& v, std::string_view) override { shown.push_back(v); }
    std::string DisplayText() const override { return {}; }
    std::string InputText() const override { return {}; }
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
    WorksheetDataTest() : sheet(parser, memory, main, dialogs) {}
    ~WorksheetDataTest() override {
        parser.SetNumericalScope(nsReal);
        parser.SetAngleUnits(auDeg);
    }

    void Domain(TNumericalScope scope) {
        main.format.Scope = scope;
        parser.SetNumericalScope(scope);
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
    ComplexValue Value(int row, int column) {
        return sheet.EvaluateCell(sheet.ActiveGrid().Cell(row, column));
    }
    std::string LastMessage() const {
        return dialogs.messages.empty() ? std::string() : dialogs.messages.back().Text;
    }

    TParser parser;
    MatrixMemory memory;
    DataFakeMain main;
    DataFakeDialogs dialogs;
    Worksheet sheet;
};

}  // namespace tarvix::test
