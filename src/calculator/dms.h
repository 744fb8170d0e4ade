// Degrees-minutes-seconds texts: a decimal angle as d:mm:ss,zzz and back.
#pragma once

#include <string>
#include <string_view>

#include "calculator/calculator_messages.h"

namespace tarvix {

// The angle rounded to whole milliseconds of a degree-hour and split into
// degrees ("#0"), minutes ("00"), seconds ("00") and thousandths ("000"),
// written "d:mm:ss" + separator + "zzz": 12.75 gives 12:45:00,000 and
// 59.9999999 gives 60:00:00,000. A negative angle puts a "-" before every
// non-zero part (−1.5 gives -1:-30:00,000). An angle that is not finite or
// too large for whole milliseconds raises the engine's range error.
std::string DmsText(long double degrees, char decimalSeparator);

// Reads "d:m", "d:m:s" or "d:m:s.z" ("," read as "."): degrees before the
// first ":" (required), then minutes, seconds and thousandths, each a decimal
// number (missing ones count as 0); the value is d + m/60 + s/3600 +
// z/3600000. Minutes with a fraction but no seconds (12:30.5) and any piece
// that is not a number raise "Nekonvertovatelný řetězec" naming the text
// (help context 13).
long double ParseDms(std::string_view text,
                     const CalculatorMessageTable& texts = BuiltInCalculatorMessages());

}  // namespace tarvix
