// The replaceable message texts of the detailed chart and its examples
// (built-in Czech), keyed as in the language file's `Msg` section.
#pragma once

#include <string_view>

#include "engine/parser_messages.h"

namespace tarvix {

namespace chartmsg {
inline constexpr std::string_view AxisTitle = "Msg_ChartAxisTitle";
inline constexpr std::string_view DerivativeEqualX = "Msg_ChartDerivativeEqualX";
inline constexpr std::string_view DerivativeTooShort = "Msg_ChartDerivativeTooShort";
inline constexpr std::string_view ReadError = "Msg_ChartReadError";
inline constexpr std::string_view WriteError = "Msg_ChartWriteError";
inline constexpr std::string_view FileExists = "Msg_ChartFileExists";
inline constexpr std::string_view NoSeries = "Msg_ChartNoSeries";
inline constexpr std::string_view ParameterHint = "Msg_ChartParameterHint";
inline constexpr std::string_view IndexHint = "Msg_ChartIndexHint";
}  // namespace chartmsg

class ChartMessageTable : public MessageTable {
public:
    ChartMessageTable();
};

// Help context of the x-y file's read error.
inline constexpr int kChartReadHelpContext = 41;

}  // namespace tarvix
