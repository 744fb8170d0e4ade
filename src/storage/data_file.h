// The data file ".fx": the working state of the main window in four profile
// sections, written in this order:
//   [Settings]             AngleUnit, NumerationBase, NumerationDomain (the
//                          mode captions) and ImaginaryUnit ("i" or "j")
//   [InputBoxes]           the boxes X, Y, A … F: key = register name, value = box text
//   [RegisteredVariables]  every variable but Ans: name = "%g" value text,
//                          with the imaginary part in the complex domain
//   [Expressions]          the remembered expressions under the keys "0", "1", …
//
// Opening parses and converts the whole file first (LoadDataFile) and changes
// the calculator only when all of it read (ApplyDataFile). Saving goes through
// a temporary file renamed over the target; other sections of an existing
// target are kept, the four sections move to its end.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calculator/calculator.h"
#include "storage/profile_file.h"
#include "storage/working_state.h"

namespace tarvix {

// The file's contents as text, before anything is converted.
struct DataFileContents {
    std::string AngleUnit = "rad";
    std::string NumerationBase = "dec";
    std::string NumerationDomain = "real";
    char ImaginaryUnit = 'i';
    std::vector<ProfileEntry> InputBoxes;  // in file order
    std::vector<ProfileEntry> RegisteredVariables;
    std::vector<std::string> Expressions;  // in file order; a key without value gives ""

    friend bool operator==(const DataFileContents&, const DataFileContents&) = default;
};

// Missing keys take the defaults above; an imaginary unit that is not "i" or
// "j" reads as "i".
DataFileContents ReadDataFileContents(const ProfileFile& profile);
// Replaces the four sections. Raises ProfileWriteError for a text that cannot
// be stored (a line break, a repeated register name).
void WriteDataFileContents(const DataFileContents& contents, ProfileFile& profile);
// The calculator's state as the save writes it; the input line's text joins
// the remembered expressions first, as a calculation would add it.
DataFileContents CaptureDataFile(const Calculator& calculator);

// A data file converted for a calculator: applying it cannot fail.
struct PreparedDataFile {
    TAngleUnits AngleUnits = auRad;
    TNumericalBase Base = nbDec;
    TNumericalScope Scope = nsReal;
    char ImaginaryUnit = 'i';
    std::vector<ProfileEntry> InputBoxes;
    std::vector<std::pair<std::string, ComplexValue>> Variables;
    std::vector<std::string> Expressions;
};

enum class DataFileError {
    None,
    Missing,       // no file at the path
    Unreadable,    // the file cannot be read
    NotDataFile,   // none of the four sections is in it
    BadValue,      // a variable name or value does not convert
    RepeatedName,  // two register boxes have the same name (save)
    WriteFailed,   // the file cannot be written (save)
};

struct DataFileStatus {
    DataFileError Error = DataFileError::None;
    std::string Detail;  // the system's reason, the faulty entry or the repeated name

    bool Ok() const { return Error == DataFileError::None; }
};

// Converts the contents for the calculator, in the modes the file selects:
// AngleUnit "deg" or "grad" (anything else: radians), NumerationBase "hex",
// "bin" or "oct" (anything else: decimal), NumerationDomain toggling the
// domain when it differs from the current one's caption (with the coupling of
// the switches). The calculator is not changed.
PreparedDataFile PrepareDataFile(const DataFileContents& contents, const Calculator& calculator,
                                 DataFileStatus& status);

struct DataFileLoad {
    DataFileStatus Status;
    PreparedDataFile Prepared;  // valid when Status is Ok
};

// Reads, parses and converts the file at `path` (used as it is).
DataFileLoad LoadDataFile(const std::filesystem::path& path, const Calculator& calculator);

// The modes, the imaginary unit, the register boxes (the renaming mode is
// left first), the variables and the remembered expressions; the input line
// shows the first expression.
void ApplyDataFile(const PreparedDataFile& prepared, Calculator& calculator);

// Writes the calculator's state to `path` (used as it is). Refuses a state
// whose register names repeat, without writing.
DataFileStatus SaveDataFile(const std::filesystem::path& path, const Calculator& calculator);

// The path with its extension replaced by ".fx" (an extension ".fx" in any
// case stays as it is).
std::filesystem::path DataFilePath(std::filesystem::path path);

}  // namespace tarvix
