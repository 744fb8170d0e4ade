// The main window's "&Matice" menu: the worksheet window opened in the
// equations or the operations mode (created on first use), registered as
// the grid that CELL reads while it exists and withdrawn when it closes;
// scalar results of the worksheet on the main display; the worksheet's
// placements and recent files between the settings and the worksheet.
#include <QApplication>
#include <QCoreApplication>

#include "calculator/calculator.h"
#include "engine/cell_link.h"
#include "storage/calculator_session.h"
#include "storage/worksheet_settings.h"
#include "ui/lists/log_form.h"
#include "ui/main/main_form.h"
#include "ui/main/main_form_matrix.h"
#include "ui/widgets/qt_file_choice.h"

namespace tarvix {

FormatOptions MainWorksheetPort::CurrentFormat() const {
    return calculator_.CurrentFormatOptions();
}

// The display shows the value and Ans takes it, whatever the display showed
// before (a series run's result line); a given text replaces the input line.
void MainWorksheetPort::ShowScalarResult(const ComplexValue& value, std::string_view inputLine) {
    calculator_.Parser1().SetVariable("ANS", value);
    if (!inputLine.empty()) calculator_.SetInputText(inputLine);
    calculator_.ShowAnsAsResult();
    actions_.ShowResult();
}

std::string MainWorksheetPort::DisplayText() const { return calculator_.DisplayText(); }
std::string MainWorksheetPort::InputText() const { return calculator_.InputText(); }
std::string MainWorksheetPort::XVariableName() const {
    return calculator_.RegisterAt(BoxId::X).Label;
}
std::string MainWorksheetPort::YVariableName() const {
    return calculator_.RegisterAt(BoxId::Y).Label;
}

void MainWorksheetPort::SelectNumberFormat(NumberFormat format) {
    actions_.Switch([format](ModeSwitches& s) {
        return tarvix::SelectNumberFormat(s, format, SwitchSource::MenuItem);
    });
}

void MainWorksheetPort::SelectComplexForm(ComplexForm form) { actions_.SelectComplexForm(form); }

void MainWorksheetPort::ToggleRounding() {
    actions_.Switch([](ModeSwitches& s) { return tarvix::ToggleRounding(s); });
}

void MainWorksheetPort::SelectComplexDomain() {
    actions_.Switch([](ModeSwitches& s) {
        return SelectDomain(s, nsComplex, SwitchSource::MenuItem);
    });
}

const CurrentSeries* MainWorksheetPort::Series() const { return actions_.Series(); }

void MainWorksheetPort::ChartSeries(CurrentSeries series, std::string_view title, bool bars) {
    actions_.Chart(std::move(series), title, bars);
}

void MainWorksheetPort::SetComplexQuantity(int quantity) { actions_.ComplexQuantity(quantity); }

MainMatrixState& TMainForm::Matrix() {
    if (!matrix_) {
        matrix_ = std::make_unique<MainMatrixState>();
        MainWorksheetActions actions{
            .ShowResult =
                [this] {
                    RefreshFromModel();
                    activateWindow();
                },
            .Switch = [this](const std::function<SwitchChanges(ModeSwitches&)>& change) {
                ApplySwitch(change);
            },
            .SelectComplexForm =
                [this](ComplexForm form) {
                    Perform([this, form] {
                        calculator_.Display().Complex = form;
                        calculator_.RedisplayAns();
                        RefreshVariableList();
                    });
                },
            .Series = [this]() -> const CurrentSeries* { return HostSeries(); },
            .Chart = [this](CurrentSeries series, std::string_view title,
                            bool bars) { ChartWorksheetSeries(std::move(series), title, bars); },
            .ComplexQuantity = [this](int quantity) { SetChartQuantity(quantity); },
        };
        matrix_->Port = std::make_unique<MainWorksheetPort>(calculator_, std::move(actions));
        const Settings& settings = session_->Values();
        matrix_->Placement = ReadGemFormPlacement(settings);
        matrix_->VariantPlacement = ReadGemVFormPlacement(settings);
        matrix_->Recent.SetEntries(ReadRecentWorksheets(settings));
    }
    return *matrix_;
}

TGemForm* TMainForm::GemForm() const { return matrix_ ? matrix_->Form.data() : nullptr; }

void TMainForm::OpenWorksheet(bool equations) {
    MainMatrixState& m = Matrix();
    if (!m.Form) {
        GemFormServices services{.Parser = calculator_.Parser1(),
                                 .Memory = m.Memory,
                                 .DataState = m.DataState,
                                 .Main = *m.Port,
                                 .Dialogs = dialogs_,
                                 .Texts = texts_,
                                 .Files = *files_,
                                 .Recent = m.Recent,
                                 .ProgramFolder =
                                     QCoreApplication::applicationDirPath().toStdString()};
        services.Placement = &m.Placement;
        services.VariantPlacement = &m.VariantPlacement;
        services.HistoryOpen = [this] { return logForm_ && logForm_->isVisible(); };
        services.HistoryLine = [this](std::string_view line) {
            session_->History().AddWindowLine(line);
        };
        services.ShowHistory = [this](bool on) {
            const bool open = logForm_ && logForm_->isVisible();
            if (on != open) HistorieItemClick();
        };
        m.Form = new TGemForm(services, this);
        CellGrid* grid = &m.Form->Model().LeftCellGrid();
        SetCellGrid(grid);
        auto withdraw = [grid] {
            if (CurrentCellGrid() == grid) SetCellGrid(nullptr);
        };
        connect(m.Form, &TGemForm::Closing, this, withdraw);
        connect(m.Form, &QObject::destroyed, this, withdraw);
    }
    m.Form->ShowInMode(equations ? WorksheetMode::Equations : WorksheetMode::Operations);
}

void TMainForm::StoreMatrixSettings() {
    if (!matrix_) return;  // the worksheet never ran: the values read stay
    if (matrix_->Form) matrix_->Form->StorePlacement();
    Settings& settings = session_->Values();
    WriteGemFormPlacement(matrix_->Placement, settings);
    WriteGemVFormPlacement(matrix_->VariantPlacement, settings);
    WriteRecentWorksheets(matrix_->Recent.Entries(), settings);
}

void TMainForm::SoustavaRovnicItemClick() { OpenWorksheet(true); }
void TMainForm::OperaceSMaticemiItemClick() { OpenWorksheet(false); }

}  // namespace tarvix
