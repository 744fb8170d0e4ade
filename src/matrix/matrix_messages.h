// The worksheet's replaceable texts (built-in Czech), keyed as in the
// language file's `Msg` section: messages, status texts, grid headers and the
// titles of the operation codes. "%s" is substituted by our own code; "%\ "
// is a line break.
#pragma once

#include <string>
#include <string_view>

#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {

namespace mxmsg {
inline constexpr std::string_view SingularMatrix = "Msg_MatrixSingular";
inline constexpr std::string_view SingularStatus = "Msg_MatrixSingularStatus";
inline constexpr std::string_view DiagonalZero = "Msg_MatrixDiagonalZero";
inline constexpr std::string_view LuDiagonalZero = "Msg_MatrixLuDiagonalZero";
inline constexpr std::string_view NoGaussFactors = "Msg_MatrixNoGaussFactors";
inline constexpr std::string_view NotEquationsMode = "Msg_MatrixNotEquationsMode";
inline constexpr std::string_view SourceNotAllocated = "Msg_MatrixSourceNotAllocated";
inline constexpr std::string_view TargetNotAllocated = "Msg_MatrixTargetNotAllocated";
inline constexpr std::string_view UnknownsNotAllocated = "Msg_MatrixUnknownsNotAllocated";
inline constexpr std::string_view RhsNotAllocated = "Msg_MatrixRhsNotAllocated";
inline constexpr std::string_view Stopped = "Msg_MatrixStopped";
inline constexpr std::string_view StoppedHistory = "Msg_MatrixStoppedHistory";
inline constexpr std::string_view ElapsedTime = "Msg_MatrixElapsedTime";
inline constexpr std::string_view Preparing = "Msg_MatrixPreparing";
inline constexpr std::string_view Computing = "Msg_MatrixComputing";
inline constexpr std::string_view PassText = "Msg_MatrixPass";
inline constexpr std::string_view RowText = "Msg_MatrixRow";
inline constexpr std::string_view ContinueQuestion = "Msg_MatrixContinueQuestion";
inline constexpr std::string_view OperationUndefined = "Msg_MatrixOperationUndefined";
inline constexpr std::string_view NotTridiagonal = "Msg_MatrixNotTridiagonal";
inline constexpr std::string_view SizeMismatch = "Msg_MatrixSizeMismatch";
inline constexpr std::string_view NotSquare = "Msg_MatrixNotSquare";
inline constexpr std::string_view NoTransformFunction = "Msg_MatrixNoTransformFunction";
inline constexpr std::string_view RankInfo = "Msg_MatrixRankInfo";
inline constexpr std::string_view DeterminantName = "Msg_MatrixDeterminantName";
inline constexpr std::string_view RankName = "Msg_MatrixRankName";
inline constexpr std::string_view NotSymmetric = "Msg_MatrixNotSymmetric";
inline constexpr std::string_view TwoPortCaption = "Msg_MatrixTwoPortCaption";
inline constexpr std::string_view TwoPortPrompt = "Msg_MatrixTwoPortPrompt";
inline constexpr std::string_view TwoPortNodes = "Msg_MatrixTwoPortNodes";
inline constexpr std::string_view NodesNotConnected = "Msg_MatrixNodesNotConnected";
inline constexpr std::string_view OneNodeCurrent = "Msg_MatrixOneNodeCurrent";
inline constexpr std::string_view NoNodeCurrent = "Msg_MatrixNoNodeCurrent";
inline constexpr std::string_view CellNotNumber = "Msg_MatrixCellNotNumber";
inline constexpr std::string_view CellOutside = "Msg_MatrixCellOutside";
inline constexpr std::string_view DimensionRange = "Msg_MatrixDimensionRange";
inline constexpr std::string_view FileNotFound = "Msg_MatrixFileNotFound";
inline constexpr std::string_view ReadError = "Msg_MatrixReadError";
inline constexpr std::string_view WriteError = "Msg_MatrixWriteError";
inline constexpr std::string_view BinaryRange = "Msg_MatrixBinaryRange";
inline constexpr std::string_view EquationExpression = "Msg_MatrixEquationExpression";
inline constexpr std::string_view EquationCount = "Msg_MatrixEquationCount";
inline constexpr std::string_view TitleEquations = "Msg_MatrixTitleEquations";
inline constexpr std::string_view TitleOperations = "Msg_MatrixTitleOperations";
inline constexpr std::string_view DefaultFileName = "Msg_MatrixDefaultFileName";
inline constexpr std::string_view VariantStatus = "Msg_MatrixVariantStatus";
inline constexpr std::string_view VariantReminder = "Msg_MatrixVariantReminder";
inline constexpr std::string_view VariantHeader = "Msg_MatrixVariantHeader";
inline constexpr std::string_view VariantResultHeader = "Msg_MatrixVariantResultHeader";
inline constexpr std::string_view HeaderVector = "Msg_MatrixHeaderVector";
inline constexpr std::string_view HeaderSolution = "Msg_MatrixHeaderSolution";
inline constexpr std::string_view HeaderCheck = "Msg_MatrixHeaderCheck";
inline constexpr std::string_view HeaderVoltage = "Msg_MatrixHeaderVoltage";
inline constexpr std::string_view HeaderCurrents = "Msg_MatrixHeaderCurrents";
// --- Data generation and editing
inline constexpr std::string_view NoFillExpression = "Msg_MatrixNoFillExpression";
inline constexpr std::string_view SeriesTooLarge = "Msg_MatrixSeriesTooLarge";
inline constexpr std::string_view AreaHint = "Msg_MatrixAreaHint";
// Searches and cell conversions of the worksheet.
inline constexpr std::string_view RangeCaption = "Msg_MatrixRangeCaption";
inline constexpr std::string_view RangePrompt = "Msg_MatrixRangePrompt";
inline constexpr std::string_view RangeSeparator = "Msg_MatrixRangeSeparator";
inline constexpr std::string_view QuantityModulus = "Msg_MatrixQuantityModulus";
inline constexpr std::string_view QuantityArgument = "Msg_MatrixQuantityArgument";
inline constexpr std::string_view QuantityReal = "Msg_MatrixQuantityReal";
inline constexpr std::string_view QuantityImaginary = "Msg_MatrixQuantityImaginary";
inline constexpr std::string_view FoundLine = "Msg_MatrixFoundLine";
inline constexpr std::string_view NoFiniteCell = "Msg_MatrixNoFiniteCell";
inline constexpr std::string_view ConversionNeedsComplex = "Msg_MatrixConversionNeedsComplex";
inline constexpr std::string_view ConversionLosesDigits = "Msg_MatrixConversionLosesDigits";
// --- Outputs and charts
inline constexpr std::string_view ReformatLoss = "Msg_MatrixReformatLoss";
inline constexpr std::string_view NoResultValues = "Msg_MatrixNoResultValues";
inline constexpr std::string_view ChartRow = "Msg_MatrixChartRow";
inline constexpr std::string_view ChartColumn = "Msg_MatrixChartColumn";
inline constexpr std::string_view ChartDiagonal = "Msg_MatrixChartDiagonal";
inline constexpr std::string_view ChartRows = "Msg_MatrixChartRows";
inline constexpr std::string_view ChartColumns = "Msg_MatrixChartColumns";
inline constexpr std::string_view ChartModulus = "Msg_MatrixChartModulus";
inline constexpr std::string_view ChartArgument = "Msg_MatrixChartArgument";
inline constexpr std::string_view ChartRealPart = "Msg_MatrixChartRealPart";
inline constexpr std::string_view ChartImaginaryPart = "Msg_MatrixChartImaginaryPart";
inline constexpr std::string_view ChartGaussPlane = "Msg_MatrixChartGaussPlane";
inline constexpr std::string_view SpreadsheetCorner = "Msg_MatrixSpreadsheetCorner";
// The operation titles are keys "Msg_MatrixOperation0" … "Msg_MatrixOperation26".
}  // namespace mxmsg

constexpr int kMatrixOperationCount = 27;

class MatrixMessageTable : public MessageTable {
public:
    MatrixMessageTable();

    // The text with its "%s" replaced by args.
    std::string Format(std::string_view key, std::initializer_list<std::string_view> args = {}) const {
        return FormatMessageText(Text(key), args);
    }
    // The title of an operation code (0 … 26); other codes give the title of 0.
    const std::string& OperationTitle(int code) const;
};

const MatrixMessageTable& BuiltInMatrixMessages();

// A failed matrix computation: its message and help context. Row and Column
// (1-based, 0 when none) name the left-grid cell the message is about.
class EMatrixError : public TarvixError {
public:
    explicit EMatrixError(const std::string& message, int row = 0, int column = 0)
        : TarvixError(message, kHelpContext), row_(row), column_(column) {}
    int Row() const { return row_; }
    int Column() const { return column_; }

    static constexpr int kHelpContext = 204;

private:
    int row_;
    int column_;
};

}  // namespace tarvix
