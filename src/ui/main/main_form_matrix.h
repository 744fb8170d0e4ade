// The main window's share of the matrix subsystem: the program-wide matrix
// memory, the recent worksheet files, the port through which the worksheet
// shows scalar results on the main display, the placements of the worksheet
// windows and the worksheet window while it exists.
#pragma once

#include <QPointer>
#include <functional>
#include <string_view>

#include "matrix/matrix_memory.h"
#include "matrix/recent_files.h"
#include "calculator/mode_switches.h"
#include "matrix/worksheet_ports.h"
#include "ui/worksheet/gem_form.h"

namespace tarvix {

class Calculator;

// What the worksheet's port does through the main window itself.
struct MainWorksheetActions {
    // The display and the controls show the model again.
    std::function<void()> ShowResult;
    // A mode switch applied as the main window's own controls apply it.
    std::function<void(const std::function<SwitchChanges(ModeSwitches&)>&)> Switch;
    std::function<void(ComplexForm)> SelectComplexForm;
    std::function<const CurrentSeries*()> Series;
    std::function<void(CurrentSeries, std::string_view, bool)> Chart;
    std::function<void(int)> ComplexQuantity;
};

// The worksheet's view of the main window.
class MainWorksheetPort : public WorksheetMainPort {
public:
    MainWorksheetPort(Calculator& calculator, MainWorksheetActions actions)
        : calculator_(calculator), actions_(std::move(actions)) {}

    FormatOptions CurrentFormat() const override;
    void ShowScalarResult(const ComplexValue& value, std::string_view inputLine) override;
    std::string DisplayText() const override;
    std::string InputText() const override;
    std::string XVariableName() const override;
    std::string YVariableName() const override;
    void SelectNumberFormat(NumberFormat format) override;
    void SelectComplexForm(ComplexForm form) override;
    void ToggleRounding() override;
    void SelectComplexDomain() override;
    const CurrentSeries* Series() const override;
    void ChartSeries(CurrentSeries series, std::string_view title, bool bars) override;
    void SetComplexQuantity(int quantity) override;

private:
    Calculator& calculator_;
    MainWorksheetActions actions_;
};

struct MainMatrixState {
    MatrixMemory Memory;
    WorksheetDataState DataState;
    RecentFiles Recent;
    GemFormPlacement Placement;
    GemVFormPlacement VariantPlacement;
    std::unique_ptr<MainWorksheetPort> Port;
    QPointer<TGemForm> Form;
};

}  // namespace tarvix
