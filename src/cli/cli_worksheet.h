// tarvix-cli's worksheet options: --worksheet FILE [--right FILE2] --op OP
// [--arg TEXT]… [--rhs "v1;v2;…"] … run matrix operations headlessly on a
// worksheet file and print their results.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

class Calculator;

struct WorksheetCliStep {
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
        request.PendingRhs.clear();
        request.HasPendingRhs = false;
        request.Steps.push_back(std::move(step));
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
// scalar result to standard output, messages to standard error. Returns the
// exit status: 0, 1 when a step or the file failed, 2 for a bad request.
int RunWorksheetCli(const WorksheetCliRequest& request, Calculator& calculator);

}  // namespace tarvix
