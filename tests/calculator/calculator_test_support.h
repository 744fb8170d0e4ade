// Scripted ports for driving the calculator model in tests: a dialogs port
// that answers from a queue and records every message, a view and hooks that
// record what the model asked of them, and a fixture wiring them up.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/text_trim.h"

namespace tarvix::testing {

class ScriptedDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        Messages.push_back(request);
        if (Answers.empty()) return ModalResult::Cancel;
        ModalResult answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                       std::string_view defaultText) override {
        Questions.push_back({std::string(caption), std::string(prompt), std::string(defaultText)});
        if (TextAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = TextAnswers.front();
        TextAnswers.pop_front();
        return answer;
    }

    // The text of the only message shown, or a failure.
    std::string OnlyMessage() const {
        EXPECT_EQ(Messages.size(), 1u);
        return Messages.empty() ? std::string() : Messages.back().Text;
    }

    struct TextQuestion {
        std::string Caption, Prompt, Default;
    };
    std::deque<ModalResult> Answers;
    std::deque<std::optional<std::string>> TextAnswers;
    std::vector<MessageBoxRequest> Messages;
    std::vector<TextQuestion> Questions;
};

class RecordingView : public CalculatorView {
public:
    bool IsActive() const override { return Active; }
    void FocusBox(BoxId box, TextSelection selection) override {
        Focus.emplace_back(box, selection);
    }
    void SelectFocusedText() override { ++SelectAllCount; }
    void ShowExtraRegisters() override { ++ExtraRegistersShown; }

    bool Active = true;
    std::vector<std::pair<BoxId, TextSelection>> Focus;
    int SelectAllCount = 0;
    int ExtraRegistersShown = 0;
};

class RecordingHooks : public CalculatorHooks {
public:
    void RunTask(std::string_view name) override { Tasks.emplace_back(name); }
    void AppendStatisticsData(const ComplexValue& value) override { Statistics.push_back(value); }
    void ClearStatistics() override { ++StatisticsCleared; }
    void RecordCalculation(std::string_view expression, std::string_view result) override {
        History.emplace_back(std::string(expression), std::string(result));
    }
    void RefreshVariableList() override { ++VariableListRefreshed; }
    void RefreshVarLabels() override { ++LabelsRefreshed; }
    void ClearSeries() override { ++SeriesCleared; }
    void ClearAllVectors() override { ++VectorsCleared; }
    void RemoveVector(std::string_view name) override { RemovedVectors.emplace_back(name); }
    bool WorksheetOpen() const override { return Worksheet; }
    void AssignWorksheetCell(int row, int column, std::string_view text) override {
        Cells.push_back({row, column, std::string(text)});
    }
    void ResetDataFileName() override { ++DataFileReset; }

    struct Cell {
        int Row, Column;
        std::string Text;
    };
    std::vector<std::string> Tasks;
    std::vector<ComplexValue> Statistics;
    std::vector<std::pair<std::string, std::string>> History;
    std::vector<std::string> RemovedVectors;
    std::vector<Cell> Cells;
    bool Worksheet = false;
    int StatisticsCleared = 0, VariableListRefreshed = 0, LabelsRefreshed = 0, SeriesCleared = 0,
        VectorsCleared = 0, DataFileReset = 0;
};

class RecordingClipboard : public ClipboardPort {
public:
    void SetText(std::string_view text) override { Content = text; }
    std::string Text() const override { return Content; }
    std::string Content;
};

// A calculator with scripted ports, degrees and "." as decimal separator.
class CalculatorTest : public ::testing::Test {
protected:
    CalculatorTest() {
        calc.SetDialogs(&dialogs);
        calc.SetView(&view);
        calc.SetHooks(&hooks);
        calc.SetClipboard(&clipboard);
        calc.Switches().AngleUnits = auDeg;
    }

    // Types the text into the input line and runs the calculation command.
    CalcOutcome Run(std::string_view text, CalcOrigin origin = CalcOrigin::Button) {
        calc.SetInputText(text);
        return calc.Calculate(origin);
    }
    // The trimmed display text after calculating the text, which must succeed.
    std::string Shown(std::string_view text) {
        EXPECT_EQ(Run(text), CalcOutcome::Evaluated) << text;
        return std::string(TrimBlanks(calc.DisplayText()));
    }
    void SetOption(bool CalculatorOptions::*option, bool on) {
        CalculatorOptions o = calc.Options();
        o.*option = on;
        calc.SetOptions(o);
    }

    Calculator calc;
    ScriptedDialogs dialogs;
    RecordingView view;
    RecordingHooks hooks;
    RecordingClipboard clipboard;
};

}  // namespace tarvix::testing
