// The replaceable message texts of vectors, transfers and series generation
// (built-in Czech), keyed as in the language file's `Msg` section.
#pragma once

#include <string_view>

#include "engine/parser_messages.h"

namespace tarvix {

namespace seriesmsg {
// The X box holds no range; "%s" is the name of X.
inline constexpr std::string_view NoRange = "Msg_SeriesNoRange";
// A complex range steps both components; "%s" is the range text.
inline constexpr std::string_view OneComponent = "Msg_SeriesOneComponent";
inline constexpr std::string_view ZeroStep = "Msg_SeriesZeroStep";
inline constexpr std::string_view TooManySteps100k = "Msg_SeriesTooManySteps100k";
inline constexpr std::string_view TooManySteps1M = "Msg_SeriesTooManySteps1M";
// The points would not fit into memory: "%s" the point count, the megabytes
// needed and the megabytes available.
inline constexpr std::string_view NotEnoughMemory = "Msg_SeriesNotEnoughMemory";
// The series expansion "term:::n=min..max:step".
inline constexpr std::string_view NoControlVariable = "Msg_SeriesNoControlVariable";
inline constexpr std::string_view NoControlRange = "Msg_SeriesNoControlRange";
inline constexpr std::string_view NoControlStep = "Msg_SeriesNoControlStep";
inline constexpr std::string_view ZeroIterationStep = "Msg_SeriesZeroIterationStep";
inline constexpr std::string_view WrongStepSign = "Msg_SeriesWrongStepSign";
inline constexpr std::string_view ExpansionTemplate = "Msg_SeriesExpansionTemplate";
// The result of a run: "%s" the point count, "%s" the last progress text.
inline constexpr std::string_view OneValue = "Msg_SeriesOneValue";
inline constexpr std::string_view FewValues = "Msg_SeriesFewValues";
inline constexpr std::string_view ManyValues = "Msg_SeriesManyValues";
inline constexpr std::string_view Stopped = "Msg_SeriesStopped";
inline constexpr std::string_view ElapsedTime = "Msg_SeriesElapsedTime";
inline constexpr std::string_view BadColumnSeparator = "Msg_SeriesBadColumnSeparator";
inline constexpr std::string_view SeparatorClash = "Msg_SeriesSeparatorClash";
inline constexpr std::string_view ParametricComplex = "Msg_SeriesParametricComplex";
inline constexpr std::string_view FileExists = "Msg_SeriesFileExists";
inline constexpr std::string_view FileError = "Msg_SeriesFileError";
inline constexpr std::string_view ReadError = "Msg_SeriesReadError";
// A line of a file longer than the reader accepts: "%s" the line number and the file.
inline constexpr std::string_view LineTooLong = "Msg_SeriesLineTooLong";
// Transfers.
inline constexpr std::string_view SyntaxError = "Msg_TransferSyntaxError";
inline constexpr std::string_view BadSource = "Msg_TransferBadSource";
inline constexpr std::string_view BadDestination = "Msg_TransferBadDestination";
inline constexpr std::string_view ElementsHint = "Msg_VectorElementsHint";
inline constexpr std::string_view UseVariablePopup = "Msg_VectorUseVariablePopup";
inline constexpr std::string_view TextFilesFilter = "Msg_TextFiles";
}  // namespace seriesmsg

class SeriesMessageTable : public MessageTable {
public:
    SeriesMessageTable();
};

// The help context of the series messages and the parameter dialog.
inline constexpr int kSeriesHelpContext = 33;
// The help context of the transfer's syntax error.
inline constexpr int kTransferHelpContext = 11;

}  // namespace tarvix
