// StatWindow: the model of the statistics window TStatForm, testable
// without a window. It owns the table, the mode (statistics or regression)
// with the regression model, the rounding options, the results shown, the
// caption, the report comment and selection, and runs the commands: compute,
// the imports (file, clipboard, current series, vector), the exports (file
// with or without the report, clipboard, chart) and the close question. It
// reaches the user through the calculator's dialogs port, files through a
// file-choice port, the chart through its port and the window through a view.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/analysis_chart.h"
#include "analysis/analysis_messages.h"
#include "analysis/cell_reader.h"
#include "analysis/stat_report.h"
#include "analysis/stat_table.h"
#include "analysis/statistics.h"
#include "calculator/calculator.h"
#include "series/current_series.h"
#include "storage/data_file_commands.h"
#include "storage/settings_store.h"

namespace tarvix {

struct ImportQuestion;

// The window's side: progress, pending events, the focused cell and the
// report selection dialog.
class StatWindowView {
public:
    virtual ~StatWindowView() = default;
    virtual void ShowProgress(int /*percent*/) {}
    virtual void ProcessEvents() {}
    // A faulty cell becomes the current one and the table takes the focus.
    virtual void FocusCell(int /*row*/, int /*column*/) {}
    // "Výběr položek pro uložení do souboru"; false when cancelled.
    virtual bool ChooseReportItems() { return true; }
    // The table's rows or cells changed wholesale.
    virtual void TableReset() {}
    // The results were cleared or computed: the panels show them at once
    // (cleared before a faulty cell's message, never the old ones).
    virtual void ResultsChanged() {}
};

// Options kept in section `StatForm` of the settings.
struct StatWindowOptions {
    bool RndData = false;     // "Zaokrouhlovat vstupní data"
    bool RndStatData = false; // "Zaokrouhlovat vypočtené hodnoty"
    int RndPrecision = 6;     // N, 1 … 15
};

// Widths in pixels of the result panel's label column and of its x panel,
// kept in section `StatForm` as `Sections1Width` and `xPanelWidth`; the
// panels are never narrower than their texts.
struct StatPanelWidths {
    int Labels = 178;
    int XPanel = 67;
};

enum class CloseAnswer : std::uint8_t { Close, KeepOpen };

class StatWindow {
public:
    explicit StatWindow(Calculator& calculator);

    // --- Ports (not owned; nullptr puts back the inert default)
    void SetView(StatWindowView* view);
    void SetFiles(FileChoicePort* files) { files_ = files; }
    void SetChart(AnalysisChartPort* chart) { chart_ = chart; }
    void SetClipboard(ClipboardPort* clipboard) { clipboard_ = clipboard; }
    // Where the file dialogs start; each choice updates it.
    void SetLastFolder(std::filesystem::path* folder) { lastFolder_ = folder; }
    // The clock of the report's date and time.
    void SetClock(std::function<std::string()> clock) { clock_ = std::move(clock); }

    AnalysisMessageTable& Texts() { return texts_; }
    const AnalysisMessageTable& Texts() const { return texts_; }
    StatTable& Table() { return table_; }
    const StatTable& Table() const { return table_; }

    // --- Mode and options
    bool RegressionMode() const { return regression_; }
    // Regression mode forces "x-y" on.
    void SetRegressionMode(bool on);
    RegressionModel Model() const { return model_; }
    // Choosing a kind recomputes and sets the column headers.
    void SetModel(RegressionModel model);
    const StatWindowOptions& Options() const { return options_; }
    // A change of the result rounding recomputes.
    void SetOptions(const StatWindowOptions& options);
    // "x-y": recomputes when there are rows.
    void SetXy(bool xy);
    const StatPanelWidths& PanelWidths() const { return widths_; }
    // Section `StatForm` of the settings: the rounding options, "x-y", the
    // panel widths and the report selection. The window reads them when it opens and writes
    // them when it closes; the headless report reads them the same way.
    void ReadSettings(const Settings& settings);
    // "x-y" is kept only in the statistics mode (the regression mode forces it on).
    void WriteSettings(Settings& settings) const;

    // --- Texts of the window
    std::string Caption() const;
    // Over the labels: "Statistické hodnoty" or "Regrese".
    std::string LabelHeader() const;
    // Over the x and y panels: "x"/"y", "ln(x)"/"ln(y)"; one column: "x" over y.
    std::string XPanelHeader() const;
    std::string YPanelHeader() const;
    // "Hodnota x", "Hodnota y", "Poř.číslo".
    std::string ColumnHeader(int column) const;
    // The twelve row labels (without ":").
    std::array<std::string, kResultRows> Labels() const;
    std::string Text(std::string_view key) const { return texts_.Text(key); }

    // --- Results
    // "&Aktualizovat": computes from the table's texts; on success every
    // result is shown at once; a faulty cell shows its message, becomes the
    // current cell and the results stay cleared. False on failure.
    bool Compute();
    void ClearResults();
    const std::optional<StatPanels>& Panels() const { return panels_; }
    const std::optional<StatResults>& Results() const { return results_; }
    // "&Uložit" is enabled when a count is shown.
    bool HasResults() const { return panels_.has_value(); }

    // --- Row commands that change what the results mean
    void DeleteRow();
    void DeleteAll();

    // --- Imports (the results are computed afterwards)
    bool ImportFile();  // open dialog
    bool ImportFilePath(const std::filesystem::path& path);
    bool ImportText(std::string_view text);  // the clipboard
    bool ImportClipboard();
    bool ImportSeries(const CurrentSeries& series, bool complexDomain);
    bool ImportVector(const ParserFloatArray& vector, int column);

    // --- Exports
    bool ExportToFile(bool withReport);  // save dialog
    bool ExportToPath(const std::filesystem::path& path, bool withReport);
    // The report of the shown results with the current selection.
    std::string Report() const;
    void ExportClipboard();
    // "&Graf Tarvix": x-y pairs against each other, one column against the row
    // number; in regression mode followed by the fitted curve.
    void ExportChart();
    // The fitted curve over [min x, max x] in 100 steps.
    std::optional<ChartCurve> RegressionCurve() const;

    // --- Report selection (held by the main window's settings)
    ReportSelection& Selection() { return selection_; }
    std::string& ReportComment() { return comment_; }
    // The comment for a new selection dialog: the mode's header text.
    void ResetReportComment() { comment_ = LabelHeader(); }

    // --- Closing: asks to export modified data. KeepOpen when cancelled, or
    // when the export's save dialog was cancelled or the file failed.
    CloseAnswer CloseQuery();

private:
    ModalResult Ask(std::string_view key, std::initializer_list<std::string_view> args,
                    MessageKind kind, MessageButtons buttons, int helpContext);
    // A refused value of an import: "Neplatný numerický formát", or the
    // nesting message for a value nested too deep.
    ModalResult AskBadValue(const ImportQuestion& question, MessageButtons buttons);
    bool AfterImport(std::string caption);
    std::string FormatImported(const ComplexValue& value) const;
    StatNumberFormat NumberFormat() const;
    FileDialogRequest TextFileRequest() const;
    int HelpContext() const { return regression_ ? kRegressionHelpContext : kStatHelpContext; }

    Calculator& calc_;
    AnalysisMessageTable texts_;
    StatTable table_;
    bool regression_ = false;
    RegressionModel model_ = RegressionModel::Linear;
    StatWindowOptions options_;
    StatPanelWidths widths_;
    std::optional<StatResults> results_;
    std::optional<StatPanels> panels_;
    std::string fileName_;  // after a file import: the caption's file name
    ReportSelection selection_;
    std::string comment_;

    StatWindowView inertView_;
    StatWindowView* view_ = &inertView_;
    FileChoicePort* files_ = nullptr;
    AnalysisChartPort* chart_ = nullptr;
    ClipboardPort* clipboard_ = nullptr;
    std::filesystem::path ownFolder_;
    std::filesystem::path* lastFolder_ = &ownFolder_;
    std::function<std::string()> clock_;
    bool busy_ = false;  // a computation or import runs
};

}  // namespace tarvix
