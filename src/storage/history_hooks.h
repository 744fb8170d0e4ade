// Calculator hooks that record each calculation in a history, for a program
// whose only hook is the history. A window that implements the hooks itself
// calls HistoryLog::RecordCalculation from its own RecordCalculation.
#pragma once

#include <string_view>

#include "calculator/calculator.h"
#include "storage/history_log.h"

namespace tarvix {

class HistoryHooks : public CalculatorHooks {
public:
    HistoryHooks(HistoryLog& history, const Calculator& calculator)
        : history_(history), calculator_(calculator) {}

    void RecordCalculation(std::string_view expression, std::string_view result) override {
        history_.RecordCalculation(calculator_, expression, result);
    }

private:
    HistoryLog& history_;
    const Calculator& calculator_;
};

}  // namespace tarvix
