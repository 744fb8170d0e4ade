// tarvix-cli --task: a task's program run headless, as Run (F9) runs it in
// the library window, with automatic registration of variables and the
// vector option on. PRINT lines go to standard output; MSG texts, INPUT
// prompts and the calculator's messages to standard error. A box with one
// button returns it; a box with several takes the next --answer word (yes,
// no, ok, cancel, abort, retry, ignore), or its first button when none is
// left or the word names no button of the box. INPUT takes the next
// --input text; none left means the box was closed (the default stays).
// Window statements do nothing, DELAY waits. A task error ends the run with
// "řádek N: message" on standard error and status 1; after a normal end the
// EXPR arguments are calculated as usual and --vectors lists the vectors.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "series/series_controller.h"

namespace tarvix {

struct TaskCliRequest {
    std::string File;                  // --task FILE ("-": standard input)
    std::vector<std::string> Inputs;   // --input TEXT, in order
    std::vector<std::string> Answers;  // --answer WORD, in order
    bool Active() const { return !File.empty(); }
};

inline constexpr std::string_view kTaskUsage =
    "       tarvix-cli [mode options] --task FILE|- [--input TEXT]... [--answer WORD]...\n"
    "                  [--vectors] [EXPR ...]\n";

// With --task (or --run, a library task) among the arguments, takes --task,
// --input and --answer out of them (argc shrinks; --run stays for the
// library's own option reader); without either, changes nothing. A missing
// or bad argument ends the program with a usage message (status 2).
TaskCliRequest TakeTaskOptions(int& argc, char** argv);

// A program to run: its text, its title and the folder in which file names
// without a folder are taken.
struct TaskCliProgram {
    std::string Text;
    std::string Title;
    std::filesystem::path WorkingFolder;
};

// Runs the program with the answers and inputs of `request`. `restoreDialogs`
// is given back to the calculator afterwards. Returns the exit status: 0
// after a normal end, 1 after a task error (reported on `err`).
int RunTaskProgramCli(const TaskCliProgram& program, const TaskCliRequest& request,
                      Calculator& calculator, SeriesController& series, DialogsPort& restoreDialogs,
                      std::ostream& out, std::ostream& err);

// --task FILE: reads the file (UTF-8, or cp1250 when it is not) and runs it
// in the current directory.
int RunTaskCli(const TaskCliRequest& request, Calculator& calculator, SeriesController& series,
               DialogsPort& restoreDialogs, std::ostream& out, std::ostream& err);

// --vectors after a task: one line "vector NAME = (e1;e2;…)" per vector, in
// the form the VECTOR statement reads.
void PrintTaskVectors(const SeriesController& series, const Calculator& calculator,
                      std::ostream& out);

}  // namespace tarvix
