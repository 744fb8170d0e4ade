// Between the settings and the calculator: the options, modes, character
// sequences, registers, variables, remembered expressions and variable
// descriptions the settings file carries, and the current data file.
#pragma once

#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "storage/data_file_commands.h"
#include "storage/settings_store.h"
#include "storage/working_state.h"

namespace tarvix {

// The options of the calculator (sections Options, HistoryLimits, StatForm's
// EnterAppendsData and LogFile's CopyLogToClipboard).
CalculatorOptions ReadCalculatorOptions(const Settings& settings, CalculatorOptions options);
void WriteCalculatorOptions(const CalculatorOptions& options, Settings& settings);

// The mode switches (DisplayFormat, Switches, Display's HexPrefixFormat),
// made consistent. The number format is the Switches caption; when that does
// not read, the mask decides ("f" fix, "e" sci, else eng with the postfix
// on, else norm). Units "rad" and "grad" select those, anything else degrees;
// Domain "real" the real domain, anything else the complex one.
ModeSwitches ReadModeSwitches(const Settings& settings, ModeSwitches modes);
void WriteModeSwitches(const ModeSwitches& modes, Settings& settings);

// Applies everything the settings hold for the calculator, in this order:
// options, modes, imaginary unit, character sequences, register boxes,
// registered variables (so values in the saved domain and unit read back),
// remembered expressions (the input line shows the first), VarInfos. A
// variable whose name or value does not read is left out (bad name) or set
// to 0 (bad value), with a warning.
void ApplySettings(const Settings& settings, Calculator& calculator,
                   std::vector<std::string>& warnings);
// Records the calculator's state in the settings; the input line's text
// joins the remembered expressions first.
void CaptureSettings(const Calculator& calculator, Settings& settings);

// The DataFile section (paths kept exactly as they are).
DataFileDocument ReadDataFileDocument(const Settings& settings);
void WriteDataFileDocument(const DataFileDocument& document, Settings& settings);

}  // namespace tarvix
