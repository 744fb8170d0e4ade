// The series settings (section DataSeries of the settings file) with their
// defaults, the resolved separators of a run, and their exchange with the
// settings store.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "storage/settings_store.h"

namespace tarvix {

inline constexpr std::string_view kDefaultSeriesMask = "0.000000000E+00";

struct DataSeriesSettings {
    bool CreateFile = false;  // write the results to the series file
    bool Numbering = true;    // each line starts with the point number
    bool Ordinate = true;     // each line carries the iteration variable(s)
    int ColumnSeparator = 0;  // 0 blank, 1 ";", 2 ",", 3 TAB
    std::string FormatFloatMask = std::string(kDefaultSeriesMask);
    std::string DefaultFloatMask = std::string(kDefaultSeriesMask);
    int DecimalSeparator = 0;  // 0 ".", 1 ",", 2 the display's separator
};

DataSeriesSettings ReadDataSeriesSettings(const Settings& settings);
void WriteDataSeriesSettings(const DataSeriesSettings& series, Settings& settings);

// The Options/VarAsVector key.
bool ReadVarAsVector(const Settings& settings);
void WriteVarAsVector(bool on, Settings& settings);

// The column separator character; nothing for a value outside 0 … 3.
std::optional<char> ColumnSeparatorChar(int index);
// The decimal separator character; 2 (and anything else) is `systemSeparator`.
char DecimalSeparatorChar(int index, char systemSeparator);

}  // namespace tarvix
