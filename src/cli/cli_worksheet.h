// tarvix-cli's worksheet options: --worksheet FILE [--right FILE2]
// [--order N] then steps of [--fill KIND[:ARGS]]… [--cell-convert KIND]…
// [--rhs "v1;v2;…"] --op OP [--arg TEXT]…, and [--result-file FILE]: run
// generators, cell conversions and matrix operations headlessly on a
// worksheet file, print their results and write the result file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "matrix/worksheet_file.h"

namespace tarvix {

class Calculator;

// A change of the cells before an operation: --fill KIND[:ARGS] or
// --cell-convert KIND.
struct WorksheetCliPrep {
    bool Fill = true;  // false: a conversion
    std::string Text;
};

struct WorksheetCliStep {
    std::vector<WorksheetCliPrep> Prep;  // applied in order before the operation
    std::string Operation;           // code or short name
    std::vector<std::string> Args;   // answers to the operation's questions, in order
    std::string Rhs;                 // "--rhs" before this step ("" none)
    bool HasRhs = false;
};

struct WorksheetCliRequest {
    std::string File;       // --worksheet
    std::string RightFile;  // --right
    std::vector<WorksheetCliStep> Steps;
    std::string PendingRhs;
    bool HasPendingRhs = false;
    std::vector<WorksheetCliPrep> PendingPrep;
    int Order = 0;           // --order: 1..kMaxMatrixOrder, 0 keeps the file's
    std::string ResultFile;  // --result-file: written after the last operation

    bool Active() const { return !File.empty(); }
};

// Takes one worksheet option (with its value from next()); false when the
// option is not one of them. Returns through `bad` when an option is misused.
template <class Next>
bool TakeWorksheetOption(std::string_view option, Next next, WorksheetCliRequest& request,
                         bool& bad) {
    if (option == "--worksheet") {
        request.File = next();
    } else if (option == "--right") {
        request.RightFile = next();
    } else if (option == "--op") {
        WorksheetCliStep step;
        step.Operation = next();
        step.Rhs = request.PendingRhs;
        step.HasRhs = request.HasPendingRhs;
        step.Prep = std::move(request.PendingPrep);
        request.PendingPrep.clear();
        request.PendingRhs.clear();
        request.HasPendingRhs = false;
        request.Steps.push_back(std::move(step));
    } else if (option == "--fill" || option == "--cell-convert") {
        request.PendingPrep.push_back({option == "--fill", std::string(next())});
    } else if (option == "--order") {
        const std::string text(next());
        constexpr int kTooLarge = kMaxMatrixOrder + 1;
        int order = 0;
        for (char c : text)
            order = (c >= '0' && c <= '9' && order <= kMaxMatrixOrder) ? order * 10 + (c - '0')
                                                                       : kTooLarge;
        if (text.empty() || order < 1 || order > kMaxMatrixOrder) bad = true;
        else request.Order = order;
    } else if (option == "--result-file") {
        request.ResultFile = next();
    } else if (option == "--arg") {
        if (request.Steps.empty())
            bad = true;
        else
            request.Steps.back().Args.emplace_back(next());
    } else if (option == "--rhs") {
        request.PendingRhs = next();
        request.HasPendingRhs = true;
    } else {
        return false;
    }
    return true;
}

// Runs the steps on the calculator's modes and evaluator; prints each step's
// result grid (TAB-separated cells), its solution and check columns and its
// scalar result to standard output, messages to standard error. A --rhs
// must give one non-empty value per equation to an operation that has
// right-hand sides (solve, lu, nodal); otherwise the run ends there with a
// message. Returns the exit status: 0, 1 when a step, a --rhs or the file
// failed, 2 for a bad request.
int RunWorksheetCli(const WorksheetCliRequest& request, Calculator& calculator);

}  // namespace tarvix
