// The parameter dialog's opening and acceptance.
#include "series/param_dialog_model.h"

#include "calculator/history_list.h"
#include "calculator/input_commands.h"

namespace tarvix {
namespace {

// The quoted label at the start of the input line, if any.
std::optional<std::string> QuotedLabel(std::string_view input) {
    const std::size_t open = input.find('"');
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t close = input.find('"', open + 1);
    if (close == std::string_view::npos || close == open + 1) return std::nullopt;
    return std::string(input.substr(open + 1, close - open - 1));
}

void ReadRangeBoxes(std::string_view box, std::string& low, std::string& high, std::string& step) {
    low.clear();
    high.clear();
    step.clear();
    if (!IsRangeText(box)) return;
    const RangeTexts parts = SplitRange(box);
    low = parts.Low;
    high = parts.High;
    step = parts.Step;
}

std::optional<std::string> RangeBox(const std::string& low, const std::string& high,
                                    const std::string& step) {
    if (low.empty() || high.empty() || step.empty()) return std::nullopt;
    return low + ".." + high + ":" + step;
}

}  // namespace

ParamDlgState OpenParamDlg(std::string_view input, std::string_view xBox, std::string_view yBox,
                           const DataSeriesSettings& settings,
                           const std::filesystem::path& dataFolder,
                           const std::filesystem::path& seriesFile) {
    ParamDlgState s;
    s.Settings = settings;
    if (s.Settings.ColumnSeparator < 0 || s.Settings.ColumnSeparator > 3)
        s.Settings.ColumnSeparator = 0;
    if (s.Settings.DecimalSeparator < 0 || s.Settings.DecimalSeparator > 2)
        s.Settings.DecimalSeparator = 0;
    if (std::optional<std::string> label = QuotedLabel(input))
        s.FileName = (dataFolder / (*label + ".txt")).string();
    else
        s.FileName = seriesFile.string();
    ReadRangeBoxes(xBox, s.XLow, s.XHigh, s.XStep);
    ReadRangeBoxes(yBox, s.YLow, s.YHigh, s.YStep);
    const std::size_t dots = input.find("...");
    if (dots != std::string_view::npos) {
        s.Parametric = true;
        s.OsaX = input.substr(0, dots);
        s.OsaY = input.substr(dots + 3);
    } else {
        s.OsaY = input;
    }
    return s;
}

ParamDlgResult AcceptParamDlg(const ParamDlgState& s) {
    ParamDlgResult r;
    r.Settings = s.Settings;
    r.SeriesFile = s.FileName;
    if (s.Parametric && !s.OsaY.empty()) r.Input = s.OsaX + "..." + s.OsaY;
    r.XBox = RangeBox(s.XLow, s.XHigh, s.XStep);
    r.YBox = RangeBox(s.YLow, s.YHigh, s.YStep);
    return r;
}

void RecordParamDlgHistories(ParamDlgHistories& histories, const ParamDlgState& state,
                             int limit) {
    AddToHistory(histories.OsaX, state.OsaX, limit);
    AddToHistory(histories.OsaY, state.OsaY, limit);
    AddToHistory(histories.File, state.FileName, limit);
}

bool ParamDlgAsksOverwrite(const ParamDlgState& s) {
    std::error_code ec;
    return s.Settings.CreateFile && !s.FileName.empty() && std::filesystem::exists(s.FileName, ec);
}

}  // namespace tarvix
