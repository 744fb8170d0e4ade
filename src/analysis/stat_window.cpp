// The statistics window's commands on its model.
#include "analysis/stat_window.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "analysis/stat_import.h"
#include "calculator/eng_postfix.h"
#include "calculator/text_trim.h"
#include "calculator/value_format.h"
#include "storage/atomic_file.h"
#include "storage/text_codec.h"

namespace tarvix {
namespace {

// The settings section of the window's options.
constexpr std::string_view kSection = "StatForm";

// The running flag of a computation or import, cleared on every exit path.
class BusyGuard {
public:
    explicit BusyGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyGuard() { flag_ = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    bool& flag_;
};

std::string LocalDateTime() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &local);
    return text;
}

}  // namespace

StatWindow::StatWindow(Calculator& calculator) : calc_(calculator) {
    table_.SetEditMode(true);
    table_.SetDataModified(false);
    comment_ = LabelHeader();
}

void StatWindow::SetView(StatWindowView* view) { view_ = view ? view : &inertView_; }

void StatWindow::SetRegressionMode(bool on) {
    regression_ = on;
    if (on) table_.SetXy(true);
}

void StatWindow::SetModel(RegressionModel model) {
    model_ = model;
    if (table_.RowCount() > 0 && table_.HasData()) Compute();
}

void StatWindow::SetOptions(const StatWindowOptions& options) {
    const bool recompute = options.RndStatData != options_.RndStatData ||
                           (options.RndStatData && options.RndPrecision != options_.RndPrecision);
    options_ = options;
    options_.RndPrecision = std::clamp(options_.RndPrecision, 1, 15);
    if (recompute && panels_ && results_) {
        panels_ = PanelTexts(*results_, NumberFormat());
        view_->ResultsChanged();
    }
}

void StatWindow::ClearResults() {
    panels_.reset();
    results_.reset();
    view_->ResultsChanged();
}

void StatWindow::SetXy(bool xy) {
    if (regression_) xy = true;
    table_.SetXy(xy);
    if (table_.HasData())
        Compute();
    else
        ClearResults();
}

void StatWindow::ReadSettings(const Settings& s) {
    StatWindowOptions options;
    options.RndData = s.Bool(kSection, "RndData");
    options.RndStatData = s.Bool(kSection, "RndStatData");
    options.RndPrecision = s.Int(kSection, "RndPrecision");
    SetOptions(options);
    table_.SetXy(regression_ || s.Bool(kSection, "xyData"));
    widths_.Labels = s.Int(kSection, "Sections1Width");
    widths_.XPanel = s.Int(kSection, "xPanelWidth");
    const auto& keys = ReportItemSettingsKeys();
    for (std::size_t i = 0; i < kReportItems; ++i) selection_.Items[i] = s.Bool(kSection, keys[i]);
}

void StatWindow::WriteSettings(Settings& s) const {
    s.SetBool(kSection, "RndData", options_.RndData);
    s.SetBool(kSection, "RndStatData", options_.RndStatData);
    s.SetInteger(kSection, "RndPrecision", options_.RndPrecision);
    if (!regression_) s.SetBool(kSection, "xyData", table_.Xy());
    s.SetInteger(kSection, "Sections1Width", widths_.Labels);
    s.SetInteger(kSection, "xPanelWidth", widths_.XPanel);
    const auto& keys = ReportItemSettingsKeys();
    for (std::size_t i = 0; i < kReportItems; ++i) s.SetBool(kSection, keys[i], selection_.Items[i]);
}

std::string StatWindow::Caption() const {
    std::string caption =
        texts_.Text(regression_ ? statmsg::CaptionRegression : statmsg::CaptionStatistics);
    if (!fileName_.empty()) caption += " - " + fileName_;
    return caption;
}

std::string StatWindow::LabelHeader() const {
    return texts_.Text(regression_ ? statmsg::HeaderRegression : statmsg::HeaderStatistics);
}

std::string StatWindow::XPanelHeader() const {
    return regression_ && TransformsX(model_) ? "ln(x)" : "x";
}

std::string StatWindow::YPanelHeader() const {
    if (!table_.Xy()) return "x";
    return regression_ && TransformsY(model_) ? "ln(y)" : "y";
}

std::string StatWindow::ColumnHeader(int column) const {
    if (column == 0) return texts_.Text(statmsg::RowNumber);
    return FormatMessageText(texts_.Text(statmsg::ValueColumn), {column == 2 ? "y" : "x"});
}

std::array<std::string, kResultRows> StatWindow::Labels() const {
    std::array<std::string, kResultRows> labels;
    const auto& keys = ResultLabelKeys(regression_);
    for (std::size_t i = 0; i < kResultRows; ++i) labels[i] = texts_.Text(keys[i]);
    return labels;
}

ModalResult StatWindow::Ask(std::string_view key, std::initializer_list<std::string_view> args,
                            MessageKind kind, MessageButtons buttons, int helpContext) {
    return calc_.ShowMessageBox(FormatMessageText(texts_.Text(key), args), kind, buttons,
                                helpContext);
}

ModalResult StatWindow::AskBadValue(const ImportQuestion& q, MessageButtons buttons) {
    if (q.Problem == ImportProblem::TooDeep)
        return calc_.ShowMessageBox(ParserMessages().Text(msg::Nestings), MessageKind::Error,
                                    buttons, kStatCellHelpContext);
    return Ask(statmsg::BadNumber, {q.Text}, MessageKind::Error, buttons, kStatCellHelpContext);
}

StatNumberFormat StatWindow::NumberFormat() const {
    return {options_.RndStatData, options_.RndPrecision, calc_.Options().DecimalSeparator};
}

bool StatWindow::Compute() {
    ClearResults();
    if (busy_) return false;
    BusyGuard guard(busy_);
    ParserCellReader reader(calc_.Parser1(), calc_.NumericalScope() == nsComplex);
    StatOptions options{table_.Xy(), regression_ && table_.Xy(), model_};
    StatOutcome outcome = ComputeStatistics(table_.Cells(), options, reader,
                                            [this](int percent) {
                                                view_->ShowProgress(percent);
                                            });
    view_->ShowProgress(0);
    if (outcome.Error) {
        const StatError& e = *outcome.Error;
        const int help = e.Key == statmsg::MissingData ? kStatCellHelpContext : HelpContext();
        Ask(e.Key, {e.Argument}, MessageKind::Error, kCancelHelpButtons, help);
        if (e.Row >= 0) {
            table_.SetCurrentRow(e.Row);
            view_->FocusCell(e.Row, e.Column);
        }
        return false;
    }
    results_ = std::move(outcome.Results);
    panels_ = PanelTexts(*results_, NumberFormat());
    view_->ResultsChanged();
    return true;
}

void StatWindow::DeleteRow() {
    if (table_.DeleteRow()) ClearResults();
}

void StatWindow::DeleteAll() {
    table_.DeleteAll();
    ClearResults();
}

FileDialogRequest StatWindow::TextFileRequest() const {
    FileDialogRequest request;
    request.Filter = texts_.Text(statmsg::TextFiles) + " (*.txt)|*.txt";
    request.DefaultExtension = "txt";
    request.Folder = *lastFolder_;
    return request;
}

bool StatWindow::AfterImport(std::string fileName) {
    fileName_ = std::move(fileName);
    table_.SetDataModified(true);
    view_->TableReset();
    if (table_.RowCount() > 0) Compute();
    table_.SetDataModified(true);
    return true;
}

bool StatWindow::ImportFile() {
    if (!files_) return false;
    std::optional<std::filesystem::path> path = files_->ChooseFileToOpen(TextFileRequest());
    if (!path) return false;
    *lastFolder_ = path->parent_path();
    return ImportFilePath(*path);
}

bool StatWindow::ImportFilePath(const std::filesystem::path& path) {
    view_->ShowProgress(0);
    if (busy_) return false;
    ImportResult result;
    {
        BusyGuard guard(busy_);
        ParserCellReader reader(calc_.Parser1(), calc_.NumericalScope() == nsComplex);
        result = ReadImportFile(
            path, regression_, 1, reader,
            [this](const ImportQuestion& q) {
                if (q.Problem == ImportProblem::UnknownSeparator) {
                    return Ask(statmsg::UnknownSeparator, {}, MessageKind::Error,
                               MessageButton::Ok | MessageButton::Cancel,
                               kStatHelpContext) == ModalResult::Ok;
                }
                if (q.EndsReading || q.Problem == ImportProblem::TooDeep) {
                    const ModalResult answer = AskBadValue(
                        q, q.EndsReading ? kCancelHelpButtons
                                         : MessageButton::Ok | MessageButton::Cancel);
                    return !q.EndsReading && answer == ModalResult::Ok;
                }
                return Ask(statmsg::BadLine, {std::to_string(q.Line), q.Text}, MessageKind::Error,
                           MessageButton::Ok | MessageButton::Cancel,
                           kStatCellHelpContext) == ModalResult::Ok;
            },
            [this](int percent) {
                view_->ShowProgress(percent);
                view_->ProcessEvents();
            });
    }
    if (result.FileError != ImportFileError::None) {
        if (result.FileError == ImportFileError::LineTooLong)
            Ask(statmsg::LineTooLong, {std::to_string(result.ErrorLine), path.string()},
                MessageKind::Error, kCancelButton, HelpContext());
        else
            Ask(statmsg::FileReadError, {path.string()}, MessageKind::Error, kCancelButton,
                HelpContext());
        view_->ShowProgress(0);
        return false;
    }
    table_.SetRows(std::move(result.Rows));
    if (!regression_) table_.SetXy(result.Xy);
    return AfterImport(path.filename().string());
}

bool StatWindow::ImportText(std::string_view text) {
    if (busy_) return false;
    ImportResult result;
    {
        BusyGuard guard(busy_);
        ParserCellReader reader(calc_.Parser1(), calc_.NumericalScope() == nsComplex);
        result = ReadImportText(text, regression_, 1, reader, [this](const ImportQuestion& q) {
            if (q.Problem == ImportProblem::UnknownSeparator) {
                return Ask(statmsg::UnknownSeparator, {}, MessageKind::Error,
                           MessageButton::Ok | MessageButton::Cancel,
                           kStatHelpContext) == ModalResult::Ok;
            }
            const ModalResult answer = AskBadValue(
                q, q.EndsReading ? kCancelHelpButtons : MessageButton::Ok | MessageButton::Cancel);
            return !q.EndsReading && answer == ModalResult::Ok;
        });
    }
    table_.SetRows(std::move(result.Rows));
    if (!regression_) table_.SetXy(result.Xy);
    return AfterImport({});
}

bool StatWindow::ImportClipboard() {
    if (!clipboard_) return false;
    return ImportText(clipboard_->Text());
}

std::string StatWindow::FormatImported(const ComplexValue& value) const {
    FormatOptions options = calc_.CurrentFormatOptions();
    options.Display.RoundingOn = options_.RndData;
    options.Display.Digits = options_.RndPrecision;
    if (options.Display.EngPostfixOn)
        options.Display.PostfixPosition = SelectEngPostfix(value, options.Scope);
    return std::string(TrimBlanks(FormatValueText(value, options)));
}

bool StatWindow::ImportSeries(const CurrentSeries& series, bool complexDomain) {
    view_->ShowProgress(0);
    std::vector<StatRow> rows;
    auto real = [this](long double v) { return FormatImported({v, 0.0L}); };
    if (complexDomain) {
        // Every row of a two-dimensional complex series, in order.
        for (std::size_t r = 0; r < series.Re.size() && r < series.Im.size(); ++r) {
            const std::size_t n = std::min(series.Re[r].size(), series.Im[r].size());
            for (std::size_t i = 0; i < n && rows.size() < series.ValidPoints; ++i) {
                rows.push_back({real(std::hypot(series.Re[r][i], series.Im[r][i])), {}});
            }
        }
    } else if (series.Parametric && !series.Re.empty() && !series.Im.empty()) {
        table_.SetXy(true);
        const std::size_t n = std::min({series.Re[0].size(), series.Im[0].size(),
                                        series.ValidPoints});
        for (std::size_t i = 0; i < n; ++i)
            rows.push_back({real(series.Re[0][i]), real(series.Im[0][i])});
    } else {
        const std::size_t n = series.RealCount();
        for (std::size_t i = 0; i < n; ++i) {
            if (table_.Xy())
                rows.push_back({real(series.X[i]), real(series.Y[i])});
            else
                rows.push_back({real(series.Y[i]), {}});
        }
    }
    if (rows.empty()) {
        Ask(statmsg::NoSeries, {}, MessageKind::Information, MessageButton::Ok | MessageButton::Help,
            kNoSeriesHelpContext);
        return false;
    }
    table_.SetRows(std::move(rows));
    return AfterImport({});
}

bool StatWindow::ImportVector(const ParserFloatArray& vector, int column) {
    if (vector.empty()) return false;
    std::vector<StatRow> rows(vector.size());
    const bool complex = calc_.NumericalScope() == nsComplex;
    for (std::size_t i = 0; i < vector.size(); ++i) {
        const ComplexValue v = complex ? vector[i] : ComplexValue{vector[i].Re, 0.0L};
        (column == 2 ? rows[i].Y : rows[i].X) = FormatImported(v);
    }
    table_.SetRows(std::move(rows));
    return AfterImport({});
}

std::string StatWindow::Report() const {
    ReportInput input;
    input.Table = &table_;
    if (panels_) input.Panels = *panels_;
    input.Labels = Labels();
    input.Comment = comment_;
    input.DateTime = clock_ ? clock_() : LocalDateTime();
    input.DataHeader = texts_.Text(statmsg::ReportDataLine);
    input.Selection = selection_;
    return BuildReport(input);
}

bool StatWindow::ExportToFile(bool withReport) {
    if (withReport && !view_->ChooseReportItems()) return false;
    if (!files_) return false;
    FileDialogRequest request = TextFileRequest();
    if (!fileName_.empty()) request.FileName = std::filesystem::path(fileName_).replace_extension(".txt").string();
    std::optional<std::filesystem::path> path = files_->ChooseFileToSave(request);
    if (!path) return false;
    *lastFolder_ = path->parent_path();
    std::error_code ec;
    if (std::filesystem::exists(*path, ec)) {
        if (Ask(statmsg::FileExists, {path->filename().string()}, MessageKind::Confirmation,
                kYesNoCancelButtons, HelpContext()) != ModalResult::Yes)
            return false;
    }
    return ExportToPath(*path, withReport);
}

bool StatWindow::ExportToPath(const std::filesystem::path& path, bool withReport) {
    const std::string text = withReport ? Report() : DataText(table_);
    FileWriteResult written = WriteFileAtomically(path, text);
    if (!written.ok()) {
        Ask(statmsg::FileWriteError, {path.string()}, MessageKind::Error, kCancelButton,
            HelpContext());
        return false;
    }
    table_.SetDataModified(false);
    return true;
}

void StatWindow::ExportClipboard() {
    if (clipboard_) clipboard_->SetText(ClipboardText(table_));
}

std::optional<ChartCurve> StatWindow::RegressionCurve() const {
    if (!results_ || !results_->Fit) return std::nullopt;
    ChartCurve curve;
    curve.Title = texts_.Text(statmsg::RegressionCurve);
    curve.Kind = CurveKind::Line;
    const long double first = results_->MinX;
    const long double last = results_->MaxX;
    constexpr int kSteps = 100;
    for (int i = 0; i <= kSteps; ++i) {
        const long double x = i == kSteps ? last : first + (last - first) * i / kSteps;
        const long double y = EvaluateFit(*results_->Fit, x);
        if (!std::isfinite(y)) continue;
        curve.X.push_back(x);
        curve.Y.push_back(y);
    }
    return curve;
}

void StatWindow::ExportChart() {
    if (!chart_) return;
    const int rows = table_.FilledRowCount();
    if (rows < 1) return;
    ParserCellReader reader(calc_.Parser1(), calc_.NumericalScope() == nsComplex);
    ChartCurve data;
    data.Title = texts_.Text(statmsg::RegressionData);
    data.Kind = regression_ ? CurveKind::Points : CurveKind::Line;
    for (int r = 0; r < rows; ++r) {
        const StatRow& row = table_.Rows()[r];
        std::optional<long double> x;
        std::optional<long double> y;
        if (table_.Xy()) {
            x = reader.Read(row.X);
            y = reader.Read(row.Y);
        } else {
            x = static_cast<long double>(r + 1);
            y = reader.Read(row.X);
        }
        if (row.X.empty() || !x || !y) continue;  // empty or faulty cells draw no point
        data.X.push_back(*x);
        data.Y.push_back(*y);
    }
    AnalysisChart chart;
    chart.Curves.push_back(std::move(data));
    if (regression_ && (results_ || Compute())) {
        if (std::optional<ChartCurve> curve = RegressionCurve()) chart.Curves.push_back(*curve);
    }
    chart_->ShowAnalysisChart(chart);
}

CloseAnswer StatWindow::CloseQuery() {
    if (!table_.DataModified() || table_.FilledRowCount() == 0) return CloseAnswer::Close;
    switch (Ask(statmsg::ExportQuestion, {}, MessageKind::Confirmation, kYesNoCancelButtons,
                kStatHelpContext)) {
        case ModalResult::Yes:
            return ExportToFile(false) ? CloseAnswer::Close : CloseAnswer::KeepOpen;
        case ModalResult::No:
            return CloseAnswer::Close;
        default:
            return CloseAnswer::KeepOpen;
    }
}

}  // namespace tarvix
