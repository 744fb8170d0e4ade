// A task run against a real calculator: the interpreter with a host whose
// window side is recorded (printed lines, windows, keys, points) and a
// dialogs port whose answers and inputs are scripted.
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "series/series_controller.h"
#include "series/series_hooks.h"
#include "tasks/calculator_task_host.h"
#include "tasks/task_interpreter.h"

namespace tarvix {

// Answers the next scripted result (or OK, else Cancel, as the inert port
// does) and the next scripted input (or closes the box).
class ScriptedDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        Shown.push_back(request);
        if (!Answers.empty()) {
            const ModalResult answer = Answers.front();
            Answers.pop_front();
            return answer;
        }
        return request.Buttons.Has(MessageButton::Ok) ? ModalResult::Ok : ModalResult::Cancel;
    }
    std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                       std::string_view defaultText) override {
        Asked.push_back({std::string(caption), std::string(prompt), std::string(defaultText)});
        if (Inputs.empty()) return std::nullopt;
        std::optional<std::string> input = Inputs.front();
        Inputs.pop_front();
        return input;
    }

    struct Question {
        std::string Caption, Prompt, Default;
    };
    std::vector<MessageBoxRequest> Shown;
    std::vector<Question> Asked;
    std::deque<ModalResult> Answers;
    std::deque<std::optional<std::string>> Inputs;
};

class RecordingTaskHost : public CalculatorTaskHost {
public:
    using CalculatorTaskHost::CalculatorTaskHost;

    std::optional<std::filesystem::path> ChooseTextFile(bool, const std::filesystem::path&) override {
        return ChosenFile;
    }
    void PrintLine(std::string_view title, std::string_view line) override {
        Title = title;
        Printed.emplace_back(line);
    }
    bool OutputHasLines() override { return !Printed.empty(); }
    void ClearOutput() override {
        Printed.clear();
        ++OutputClears;
    }
    void ClearHistory() override { ++HistoryClears; }
    void WindowCommand(const tarvix::WindowCommand& command) override { Windows.push_back(command); }
    void CloseWindow(TaskWindow window) override { Closed.push_back(window); }
    void SendKey(const KeyCommand& command) override { Keys.push_back(command); }
    void ShowHelp(std::string_view topic) override { HelpTopics.emplace_back(topic); }
    void PlotPoint(int series, long double x, long double y) override {
        Points.push_back({series, x, y});
    }

    struct Point {
        int Series;
        long double X, Y;
    };
    std::optional<std::filesystem::path> ChosenFile;
    std::string Title;
    std::vector<std::string> Printed;
    int OutputClears = 0;
    int HistoryClears = 0;
    std::vector<tarvix::WindowCommand> Windows;
    std::vector<TaskWindow> Closed;
    std::vector<KeyCommand> Keys;
    std::vector<std::string> HelpTopics;
    std::vector<Point> Points;
};

struct TaskFixture {
    Calculator calc;
    SeriesController series{calc};
    SeriesHooks hooks{series};
    ScriptedDialogs dialogs;
    RecordingTaskHost host{calc, series, dialogs};
    TaskMessageTable texts;
    TaskInterpreter interpreter{host, texts};

    TaskFixture() {
        calc.SetDialogs(&dialogs);
        calc.SetHooks(&hooks);
        series.SetVarAsVector(true);
    }

    void Load(std::string_view program, std::filesystem::path folder = {}) {
        interpreter.SetProgram(TaskProgram(program, "Test", std::move(folder)));
    }

    // Runs the program from the start as Run does, going on after PAUSE and
    // waits, until it ends or fails.
    StepResult Run(std::string_view program, std::filesystem::path folder = {}) {
        Load(program, std::move(folder));
        interpreter.Start();
        return RunOn();
    }
    StepResult RunOn() {
        for (int slices = 0; slices < 1000; ++slices) {
            StepResult result = interpreter.Run();
            if (result.Status == StepStatus::Paused || result.Status == StepStatus::Wait) {
                interpreter.Resume();
                continue;
            }
            return result;
        }
        return {};
    }

    long double Var(std::string_view name) const { return calc.Parser1().GetVariable(name).Re; }
    std::string Message(std::string_view key, std::initializer_list<std::string_view> args = {}) const {
        return FormatMessageText(texts.Text(key), args);
    }
};

}  // namespace tarvix
