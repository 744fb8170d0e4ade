// The options of the main window that the calculation command and the
// registers read, with their defaults.
#pragma once

#include <cstdint>

namespace tarvix {

struct CalculatorOptions {
    // "&Automaticky registrovat"; also Parser1's AutoRegisterVar.
    bool AutoRegister = true;
    bool UseNumberInsteadOfAns = true;  // "&Používat číslo místo Ans"
    bool EnterInsertsData = false;      // "&Enter vkládá data": results go to the statistics data
    bool SpaceAsBrackets = true;        // Space types "()" in the boxes
    bool CopyResultToClipboard = false;  // each result's display text goes to the clipboard
    bool AskForClear = true;             // confirm "Vynulovat"
    bool AskForReset = true;             // confirm the reset
    int InputHistoryLimit = 20;          // entries of every combo box's history list
    int RecentResultsLimit = 9;          // recent results behind the display's hint
    char DecimalSeparator = '.';         // of the display and the "%g" texts
};

// The function keys insert a template ("insert") or apply the function to the
// input at once ("eval"); member order follows the mode panel's cycle.
enum class FunctionMode : std::uint8_t { Insert, Eval };

}  // namespace tarvix
