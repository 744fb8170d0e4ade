// The expression library's options of tarvix-cli:
//   --library FILE.exp                 the library to work on (required)
//   --list                             one line per category in tree order:
//                                      two blanks per level, name, "(rows)"
//   --rows PATH                        the rows of a category: comment TAB
//                                      expression, then the explanation lines
//                                      indented by two blanks; empty line between
//   --find TEXT                        the text search: category path TAB
//     [--find-names on|off]            comment per hit, then the hit count
//     [--find-rows on|off]
//     [--find-under PATH]              only that category and its subcategories
//   --use PATH[#ROW] [--boxes] [EXPR…] "Použít výraz" on row ROW (from 1),
//                                      then the input line (or each EXPR)
//                                      calculated; --boxes lists the registers
//   --save FILE2.exp                   writes the library
//   --run NAME                         runs the task of a category (cli_task.h)
// PATH is the category names from the top joined by "/", in any case.
#pragma once

#include <optional>

#include "cli/cli_task.h"

namespace tarvix {

// When the arguments hold --library, runs the library options and returns
// the exit status (0 done; 1 a failure, with its message on standard error,
// and nothing written; 2 a usage error); otherwise nothing.
std::optional<int> RunLibraryCommand(int argc, char** argv);

// --library FILE.exp --run NAME: the task of the category whose name equals
// NAME in any case, else of the first category whose name starts with it;
// its first row must be a task. Both options are taken out of the arguments.
// Nothing without --run; otherwise the program to run, or the exit status
// of a failure whose message has been written (1, or 2 for a usage error).
struct LibraryTaskChoice {
    std::optional<TaskCliProgram> Program;
    int Status = 0;
};
std::optional<LibraryTaskChoice> TakeLibraryTask(int& argc, char** argv);

}  // namespace tarvix
