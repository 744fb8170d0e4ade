// The task host of the benchmarks: the calculator's part over a real
// Calculator, no windows (printed lines are counted, everything else is
// ignored), and dialogs that answer Cancel at once.
#pragma once

#include "calculator/calculator.h"
#include "tasks/calculator_task_host.h"

namespace tarvix::bench {

class BenchHost : public CalculatorTaskHost {
public:
    using CalculatorTaskHost::CalculatorTaskHost;
    std::optional<std::filesystem::path> ChooseTextFile(bool,
                                                        const std::filesystem::path&) override {
        return std::nullopt;
    }
    void PrintLine(std::string_view, std::string_view) override { ++Printed; }
    bool OutputHasLines() override { return Printed > 0; }
    void ClearOutput() override {}
    void ClearHistory() override {}
    void WindowCommand(const tarvix::WindowCommand&) override {}
    void CloseWindow(TaskWindow) override {}
    void SendKey(const KeyCommand&) override {}
    void ShowHelp(std::string_view) override {}
    void PlotPoint(int, long double, long double) override {}
    long Printed = 0;
};

class InertDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest&) override { return ModalResult::Cancel; }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
};

}  // namespace tarvix::bench
