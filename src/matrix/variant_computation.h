// The variant computations of a linear system: many right-hand sides, each
// re-solved with the LU factors of the worksheet's last Gaussian solve. The
// model of the variant window: its two grids (variants "V1"… and solutions
// "R1"…), the run over the variants with stop and timing, and its file
// (coefficients followed by the variant columns).
#pragma once

#include <string>

#include "matrix/worksheet.h"

namespace tarvix {

class VariantComputation {
public:
    static constexpr int kMaxVariants = 999;

    VariantComputation(Worksheet& sheet, DialogsPort& dialogs, WorksheetView* view = nullptr);

    int Count() const { return count_; }
    // 1..999 variant columns; texts that still fit are kept.
    void SetCount(int count);
    TextGrid& Variants() { return variants_; }
    const TextGrid& Variants() const { return variants_; }
    const TextGrid& Solutions() const { return solutions_; }
    // Column V1 := the worksheet's right-hand-side column (equations mode).
    void TakeRightHandSide();

    // Each variant into the worksheet's right-hand side, re-solved, its
    // solution into the result column; ends early at the first failure or
    // when a stop was requested (before the next variant).
    RunOutcome Run();
    void RequestStop() { stopRequested_ = true; }
    const std::string& LastRunTime() const { return lastRunTime_; }
    // The number of the variant the last run solved last; 0 before.
    int LastVariant() const { return lastVariant_; }

    // The variant file: header "n\c" (c columns per row: n coefficients and
    // the variants); the coefficients go to the worksheet's left grid. Ends
    // with the reminder that a solve must come first.
    bool OpenFile(const std::string& path);
    bool SaveFile(const std::string& path);

private:
    void ResizeGrids(int rows);

    Worksheet& sheet_;
    DialogsPort& dialogs_;
    WorksheetView inertView_;
    WorksheetView* view_;
    int count_ = 3;
    TextGrid variants_;
    TextGrid solutions_;
    bool stopRequested_ = false;
    std::string lastRunTime_;
    int lastVariant_ = 0;
};

}  // namespace tarvix
