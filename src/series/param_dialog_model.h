// The logic of the parameter dialog TParamDlg: what its boxes show when it
// opens (the X and Y ranges, the parametric pair, the series settings and
// the file) and what OK changes (the input line, the X and Y boxes, the
// settings and the series file name).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "series/series_settings.h"

namespace tarvix {

struct ParamDlgState {
    bool Parametric = false;
    std::string OsaX;  // "Horiz. osa:": the x-expression of a parametric pair
    std::string OsaY;  // "Vert. osa:": the y-expression, or the whole input line
    std::string XLow, XHigh, XStep;
    std::string YLow, YHigh, YStep;
    std::string FileName;  // the series file
    DataSeriesSettings Settings;
};

// The history lists of the dialog's combo boxes (kept for the program run).
struct ParamDlgHistories {
    std::vector<std::string> OsaX;
    std::vector<std::string> OsaY;
    std::vector<std::string> File;
};
// OK: every box's text goes to the top of its history (at most `limit`).
void RecordParamDlgHistories(ParamDlgHistories& histories, const ParamDlgState& state, int limit);

// The dialog's boxes when it opens. The file is the data file's folder, the
// label and ".txt" when the input line starts with a label in double quotes,
// otherwise `seriesFile`. A stored list index outside its list selects the
// first item.
ParamDlgState OpenParamDlg(std::string_view input, std::string_view xBox, std::string_view yBox,
                           const DataSeriesSettings& settings,
                           const std::filesystem::path& dataFolder,
                           const std::filesystem::path& seriesFile);

// What OK changes; nothing where the boxes leave a text as it was.
struct ParamDlgResult {
    std::optional<std::string> Input;  // parametric and a vertical axis: x + "..." + y
    std::optional<std::string> XBox;   // all three X boxes filled: lo..hi:step
    std::optional<std::string> YBox;
    DataSeriesSettings Settings;
    std::filesystem::path SeriesFile;  // the file box
};
ParamDlgResult AcceptParamDlg(const ParamDlgState& state);

// Whether OK must first ask before the file is overwritten.
bool ParamDlgAsksOverwrite(const ParamDlgState& state);

}  // namespace tarvix
