// tarvix-cli --editor FILE --line N [--line N]...: the expression editor
// headless. The worksheet FILE ("-": standard input) is read, Enter is
// pressed on each line N in turn (from 1; a number refers to the text as it
// stands after the previous Enter), and the whole text is printed. An
// evaluation error prints the evaluator's message on standard error, leaves
// the text as it was, skips the lines that follow and ends with status 1.
// The mode and format options apply; the file is never written.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"

namespace tarvix {

struct EditorCliRequest {
    std::string File;                // --editor FILE
    std::vector<std::size_t> Lines;  // --line N, from 1, in order
    bool Active() const { return !File.empty(); }
};

inline constexpr std::string_view kEditorUsage =
    "       tarvix-cli [mode options] --editor FILE|- --line N [--line N]...\n";

// With --editor among the arguments, takes --editor and --line out of them
// (argc shrinks); without it, changes nothing. A missing or bad argument,
// or --editor without --line, ends the program with a usage message
// (status 2).
EditorCliRequest TakeEditorOptions(int& argc, char** argv);

// Runs the request; returns the exit status: 0, or 1 when the file does not
// read, a line number is past the end or a line failed.
int RunEditorCli(const EditorCliRequest& request, Calculator& calculator, std::ostream& out,
                 std::ostream& err);

}  // namespace tarvix
