// CalculatorTaskHost: the calculator's part of the task host over the
// Calculator model and the series part of the main window (its vector
// table). The window and the headless evaluator derive from it and add
// the output window, the other windows, keys, help and the chart.
#pragma once

#include "calculator/calculator.h"
#include "series/series_controller.h"
#include "tasks/task_host.h"

namespace tarvix {

class CalculatorTaskHost : public TaskHost {
public:
    // `dialogs` is the dialogs port the calculator shows its messages with
    // (INPUT asks its text question through it).
    CalculatorTaskHost(Calculator& calculator, SeriesController& series, DialogsPort& dialogs);

    void SwitchAutoRegistrationOn() override;
    TypedOutcome CalculateAsTyped(std::string_view text, bool raiseErrors) override;
    void CalculateInputLine() override;
    ComplexValue Answer() override { return calc_.Ans(); }
    ComplexValue Evaluate(std::string_view text) override;
    ComplexValue ParseValue(std::string_view text) override;
    bool VariableExists(std::string_view name) override;
    ComplexValue Variable(std::string_view name) override;
    void AssignVariable(std::string_view name, const ComplexValue& value) override;
    void SetVariableLabel(std::string_view name, std::string_view label) override;
    void ApplyMode(const ModeStatement& statement) override;
    void ResetCalculator() override { calc_.Reset(false); }
    void ClearCalculator() override { calc_.Clear(false); }
    std::string DisplayText() override { return calc_.DisplayText(); }
    FormatOptions FormatOptionsNow() override { return calc_.CurrentFormatOptions(); }
    void CopyDisplay(TNumericalBase base) override;
    long TypeText(BoxId box, std::string_view text) override;
    void AppendStatisticsData() override;

    const ParserFloatArray* FindVector(std::string_view name) override;
    void StoreVector(std::string_view name, ParserFloatArray values) override;

    ModalResult ShowMessage(std::string_view text, MessageKind kind, MessageButtons buttons,
                            int helpContext) override;
    std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                        std::string_view defaultText) override;

protected:
    Calculator& calculator() { return calc_; }
    SeriesController& series() { return series_; }

private:
    Calculator& calc_;
    SeriesController& series_;
    DialogsPort& dialogs_;
};

}  // namespace tarvix
