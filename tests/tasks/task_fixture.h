// A task run against a real calculator: the interpreter with a host whose
// window side is recorded (printed lines, windows, keys, points) and the
// calculator tests' dialogs port, whose answers and inputs are scripted.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "calculator_test_support.h"
#include "series/series_controller.h"
#include "series/series_hooks.h"
#include "tasks/calculator_task_host.h"
#include "tasks/task_interpreter.h"

namespace tarvix {

class RecordingTaskHost : public CalculatorTaskHost {
public:
    using CalculatorTaskHost::CalculatorTaskHost;

    std::optional<std::filesystem::path> ChooseTextFile(bool,
                                                        const std::filesystem::path&) override {
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
    void WindowCommand(const tarvix::WindowCommand& command) override {
        Windows.push_back(command);
    }
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
    testing::ScriptedDialogs dialogs;
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
    std::string Message(std::string_view key,
                        std::initializer_list<std::string_view> args = {}) const {
        return FormatMessageText(texts.Text(key), args);
    }
};

// A program that fails with the message of `Key` (with `Arg` and `Arg2` for
// its "%s" when not empty).
struct FaultCase {
    std::string Program;
    std::string_view Key;
    std::string Arg;
    std::string Arg2 = {};
};

// Runs each program in a fresh fixture and checks its error message; nothing
// is printed before the fault.
inline void ExpectFaults(std::initializer_list<FaultCase> cases,
                         const std::filesystem::path& folder = {}) {
    for (const FaultCase& c : cases) {
        TaskFixture f;
        const StepResult result = f.Run(c.Program, folder);
        ASSERT_EQ(result.Status, StepStatus::Error) << c.Program;
        const std::string expected =
            c.Arg2.empty() ? c.Arg.empty() ? f.Message(c.Key) : f.Message(c.Key, {c.Arg})
                           : f.Message(c.Key, {c.Arg, c.Arg2});
        EXPECT_EQ(result.Error.Message, expected) << c.Program;
        EXPECT_TRUE(f.host.Printed.empty()) << c.Program;
    }
}

}  // namespace tarvix
