// DataSeries settings to and from the settings store.
#include "series/series_settings.h"

namespace tarvix {
namespace {
constexpr std::string_view kSection = "DataSeries";
}

DataSeriesSettings ReadDataSeriesSettings(const Settings& settings) {
    DataSeriesSettings s;
    s.CreateFile = settings.Bool(kSection, "CreateFile");
    s.Numbering = settings.Bool(kSection, "Numbering");
    s.Ordinate = settings.Bool(kSection, "Ordinate");
    s.ColumnSeparator = settings.Int(kSection, "ColumnSeparator");
    s.DefaultFloatMask = settings.String(kSection, "DefaultFloatMask");
    s.FormatFloatMask = settings.String(kSection, "FormatFloatMask");
    s.DecimalSeparator = settings.Int(kSection, "DecimalSeparator");
    return s;
}

void WriteDataSeriesSettings(const DataSeriesSettings& s, Settings& settings) {
    settings.SetBool(kSection, "CreateFile", s.CreateFile);
    settings.SetBool(kSection, "Numbering", s.Numbering);
    settings.SetBool(kSection, "Ordinate", s.Ordinate);
    settings.SetInteger(kSection, "ColumnSeparator", s.ColumnSeparator);
    settings.SetString(kSection, "DefaultFloatMask", s.DefaultFloatMask);
    settings.SetString(kSection, "FormatFloatMask", s.FormatFloatMask);
    settings.SetInteger(kSection, "DecimalSeparator", s.DecimalSeparator);
}

bool ReadVarAsVector(const Settings& settings) {
    return settings.Bool("Options", "VarAsVector");
}

void WriteVarAsVector(bool on, Settings& settings) {
    settings.SetBool("Options", "VarAsVector", on);
}

std::optional<char> ColumnSeparatorChar(int index) {
    switch (index) {
        case 0:
            return ' ';
        case 1:
            return ';';
        case 2:
            return ',';
        case 3:
            return '\t';
        default:
            return std::nullopt;
    }
}

char DecimalSeparatorChar(int index, char systemSeparator) {
    switch (index) {
        case 0:
            return '.';
        case 1:
            return ',';
        default:
            return systemSeparator;
    }
}

}  // namespace tarvix
