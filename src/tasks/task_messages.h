// The task language's replaceable message texts (built-in Czech), keyed as in
// the language file's `Err` section.
#pragma once

#include <string_view>

#include "engine/parser_messages.h"

namespace tarvix {

// Keys of the task messages; "%s" stands for a name, a number or a text,
// "%\ " for a line break.
namespace taskmsg {
// Structure messages of the interpreter.
inline constexpr std::string_view MissingRelationOperator = "Err_MissingRelationOperator";
inline constexpr std::string_view MisplacedElse = "Err_MisplacedELSE";
inline constexpr std::string_view SurplusEndif = "Err_SurplusENDIF";
inline constexpr std::string_view SurplusNext = "Err_SurplusNEXT";
inline constexpr std::string_view SurplusLoop = "Err_SurplusLOOP";
inline constexpr std::string_view SurplusUntil = "Err_SurplusUNTIL";
inline constexpr std::string_view SurplusEndDef = "Err_SurplusENDDEF";
inline constexpr std::string_view MisplacedBreak = "Err_MisplacedBREAK";
inline constexpr std::string_view MisplacedContinue = "Err_MisplacedCONTINUE";
inline constexpr std::string_view MisplacedReturn = "Err_MisplacedRETURN";
inline constexpr std::string_view MissingCondition = "Err_MissingCondition";
inline constexpr std::string_view ConditionWithoutOperator = "Err_ConditionWithoutOperator";
inline constexpr std::string_view LabelWithinStructure = "Err_LabelWithinStructure";
inline constexpr std::string_view GotoWithinLoops = "Err_GotoWithinLoops";
inline constexpr std::string_view CannotFindLabel = "Err_CannotFindLabel";
inline constexpr std::string_view SubNotFound = "Err_SubNotFound";
inline constexpr std::string_view MissingFunctionName = "Err_MissingFunctionName";
inline constexpr std::string_view InvalidIdentifier = "Err_InvalidIdentifier";
inline constexpr std::string_view FunctionNotClosed = "Err_FunctionNotClosed";
inline constexpr std::string_view FunctionNotDefined = "Err_FunctionNotDefined";
inline constexpr std::string_view ArgumentCount = "Err_ArgumentCount";
inline constexpr std::string_view ResultOutsideFunction = "Err_ResultOutsideFunction";
inline constexpr std::string_view ForSyntax = "Err_ForSyntax";
inline constexpr std::string_view ZeroStep = "Err_ZeroStep";
inline constexpr std::string_view NotEvaluated = "Err_NotEvaluated";
// The end check: the open structure's name follows "Neukončený cyklus".
inline constexpr std::string_view NotClosedLoop = "Err_NotClosedLoop";
inline constexpr std::string_view NotClosedIf = "Err_NotClosedIF";
inline constexpr std::string_view NotClosedSub = "Err_NotClosedSUB";
inline constexpr std::string_view NotClosedFunction = "Err_NotClosedDEF";
// Depth limits; "%s" is the limit (loops: the loop's name, then the limit).
inline constexpr std::string_view TooManyLoops = "Err_TooManyLoops";
inline constexpr std::string_view TooManyIfs = "Err_TooManyIFs";
inline constexpr std::string_view TooManySubCalls = "Err_TooManySubCalls";
inline constexpr std::string_view TooManyFunctionCalls = "Err_TooManyFunctionCalls";
inline constexpr std::string_view TooManyFunctions = "Err_TooManyFunctions";
// Files.
inline constexpr std::string_view FileNumberRange = "Err_FileNumberRange";
inline constexpr std::string_view MissingFileNumber = "Err_MissingFileNumber";
inline constexpr std::string_view FileNumberError = "Err_FileNumberError";
inline constexpr std::string_view FileAccess = "Err_FileAccess";
inline constexpr std::string_view FileNotOpenForWriting = "Err_FileNotOpenForWriting";
inline constexpr std::string_view FileNotOpenForReading = "Err_FileNotOpenForReading";
inline constexpr std::string_view EndOfFile = "Err_EndOfFile";
inline constexpr std::string_view FileNameNotTerminated = "Err_FileNameNotTerminated";
inline constexpr std::string_view InvalidFileName = "Err_InvalidFileName";
inline constexpr std::string_view FileNotFound = "Err_FileNotFound";
inline constexpr std::string_view FileRead = "Err_FileRead";
inline constexpr std::string_view FileWrite = "Err_FileWrite";
// PRINT, MSG, INPUT.
inline constexpr std::string_view TextNotTerminated = "Err_TextNotTerminated";
inline constexpr std::string_view FormatMismatch = "Err_FormatMismatch";
inline constexpr std::string_view FormatInvalid = "Err_FormatInvalid";
inline constexpr std::string_view FormatIntegerRange = "Err_FormatIntegerRange";
inline constexpr std::string_view MissingVariableName = "Err_MissingVariableName";
inline constexpr std::string_view BadNumberFormat = "Err_BadNumberFormat";
// The caption of INPUT's input box.
inline constexpr std::string_view InputCaption = "Err_InputCaption";
// Windows.
inline constexpr std::string_view UnknownWindow = "Err_UnknownWindow";
inline constexpr std::string_view WindowValue = "Err_WindowValue";
inline constexpr std::string_view CannotCloseWindow = "Err_CannotCloseWindow";
// Vectors, INTERP, PLOT.
inline constexpr std::string_view NotVector = "Err_NotVector";
inline constexpr std::string_view TooManySamples = "Err_TooManySamples";
inline constexpr std::string_view TooManyNodes = "Err_TooManyNodes";
inline constexpr std::string_view TooFewSamples = "Err_TooFewSamples";
inline constexpr std::string_view VectorLengths = "Err_VectorLengths";
inline constexpr std::string_view NodesNotEquidistant = "Err_NodesNotEquidistant";
inline constexpr std::string_view PlotSeries = "Err_PlotSeries";
// Equation systems.
inline constexpr std::string_view EquationExpression = "Err_EquationExpression";
inline constexpr std::string_view EquationWithoutEquals = "Err_EquationWithoutEquals";
inline constexpr std::string_view EquationsWithoutEnd = "Err_EquationsWithoutEnd";
inline constexpr std::string_view EquationCount = "Err_EquationCount";
inline constexpr std::string_view SingularMatrix = "Err_SingularMatrix";
// The line number in front of an error of the headless evaluator: "řádek 7: ".
inline constexpr std::string_view LineNumber = "Err_LineNumber";
}  // namespace taskmsg

// The table of task messages; keys compare without regard to ASCII case. The
// owner of an interpreter keeps one and hands the language loader's texts to it.
class TaskMessageTable : public MessageTable {
public:
    TaskMessageTable();
};

}  // namespace tarvix
