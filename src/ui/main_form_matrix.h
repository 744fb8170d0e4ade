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
#include "matrix/worksheet_ports.h"
#include "ui/gem_form.h"

namespace tarvix {

class Calculator;

// The worksheet's view of the main window.
class MainWorksheetPort : public WorksheetMainPort {
public:
    MainWorksheetPort(Calculator& calculator, std::function<void()> showResult)
        : calculator_(calculator), showResult_(std::move(showResult)) {}

    FormatOptions CurrentFormat() const override;
    void ShowScalarResult(const ComplexValue& value, std::string_view inputLine) override;
    std::string DisplayText() const override;
    std::string InputText() const override;
    std::string XVariableName() const override;

private:
    Calculator& calculator_;
    std::function<void()> showResult_;
};

struct MainMatrixState {
    MatrixMemory Memory;
    RecentFiles Recent;
    GemFormPlacement Placement;
    GemVFormPlacement VariantPlacement;
    std::unique_ptr<MainWorksheetPort> Port;
    QPointer<TGemForm> Form;
};

}  // namespace tarvix
