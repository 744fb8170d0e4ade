// The option table of tarvix-cli and the help text printed from it.
#include "cli/cli_help.h"

#include <string>

#include "storage/installation.h"

namespace tarvix {
namespace {

using enum CliArgument;

constexpr CliOption kModeOptions[] = {
    {"--cplx", "", None, "", "calculate in complex numbers"},
    {"--real", "", None, "", "calculate in real numbers (the default)"},
    {"--deg", "", None, "", "angles in degrees (the default)"},
    {"--rad", "", None, "", "angles in radians"},
    {"--grad", "", None, "", "angles in grads"},
    {"--base", "dec|hex|bin|oct", Words, "dec hex bin oct",
     "number base of input and display (default dec)"},
    {"--imag", "i|j", Words, "i j", "letter of the imaginary unit (default i)"},
    {"--format", "norm|fix|sci|eng", Words, "norm fix sci eng",
     "display format of the results (default norm)"},
    {"--rnd", "N", Text, "", "round the results to N digits (0 to 15)"},
    {"--eng", "", None, "", "results with the engineering postfix"},
    {"--polar", "", None, "", "complex results in exponential form"},
    {"--hexprefix", "", None, "", "hexadecimal results written 0xFF instead of 0FFh"},
    {"--sep", "C", Text, "",
     "decimal separator of the results (default \".\"); also of --convert and --vat"},
    {"--answer", "WORD", Words, "yes no cancel ok abort retry ignore",
     "the answer to the calculator's questions: yes, no (the default) or cancel; the "
     "question goes to standard error. With --task or --run it is repeatable and answers "
     "the next message box with several buttons: yes, no, ok, cancel, abort, retry or "
     "ignore (with none left, the box's first button)"},
    {"--open", "FILE.fx", File, "fx", "load a data file (modes, registers, variables) before the lines"},
    {"--save", "FILE.fx", File, "@(fx|exp)",
     "write the working state to a data file after the lines; with --library, write the "
     "library to another .exp file (as UTF-8, atomically)"},
    {"--", "", None, "", "every argument after it is an expression"},
};

constexpr CliOption kSeriesOptions[] = {
    {"--box", "NAME=TEXT", Text, "",
     "put TEXT into the register box NAME (X, Y or A to F) before the lines; a range "
     "lo..hi:step in the X box makes a line using X run a series"},
    {"--series-file", "FILE|-", File, "", "write the series of the lines to FILE (\"-\": standard output)"},
    {"--vectors", "", None, "",
     "let variables hold vectors; after a task, print every vector as a VECTOR line"},
    {"--import-vector", "NAME=FILE", Text, "", "read the vector NAME from a text file, one value per line"},
    {"--export-vector", "NAME=FILE", Text, "", "write the vector NAME to a text file after the lines"},
    {"--import-waf", "FILE", File, "waf", "read a recording into the vectors A and B"},
    {"--boxes", "", None, "", "print the register boxes after the lines"},
    {"--set", "SECTION/KEY=VALUE", Text, "",
     "a key of the settings file, for every kind of run (the tools included)"},
};

constexpr CliOption kTaskOptions[] = {
    {"--task", "FILE|-", File, "",
     "run a task of the task language from FILE (\"-\": standard input) before the "
     "expressions, as Run (F9) of the library window; PRINT goes to standard output, MSG, "
     "INPUT prompts and messages to standard error"},
    {"--input", "TEXT", Text, "",
     "(repeatable) what the user types into the next INPUT box of the task; with none "
     "left the box counts as closed"},
};

constexpr CliOption kWorksheetOptions[] = {
    {"--worksheet", "FILE", File, "",
     "load a worksheet file (text, or binary .re4, .re8, .cp4, .cp8) and run matrix "
     "operations on it instead of expressions"},
    {"--right", "FILE2", File, "", "fill the right grid from another worksheet file"},
    {"--order", "N", Text, "", "set the order after the file is read (1 to 400)"},
    {"--fill", "KIND[:ARGS]", Words, "random complex function band diagonal identity triangular",
     "generate cells before the next --op: random, complex, function (the expression of "
     "X = column, Y = row), band, diagonal, identity or triangular; ARGS, separated by "
     "commas: area=0..9, content=0..2, symmetric"},
    {"--cell-convert", "KIND", Words,
     "polar cartesian modulus argument real imaginary round symmetric antisymmetric hermitian "
     "skewhermitian conjugate",
     "convert the cells before the next --op: polar, cartesian, modulus, argument, real, "
     "imaginary, round, symmetric, antisymmetric, hermitian, skewhermitian or conjugate"},
    {"--rhs", "\"v1;v2;...\"", Text, "", "replace the right-hand sides before the next --op"},
    {"--op", "OP", Words,
     "solve lu inverse det subdet eval add sub scalar mulleft mulright mulvec diagleft "
     "diagright divleft divright square rank complement adjugate transform zy twoport nodal",
     "run an operation, by code 1 to 25 or by name: solve, lu, inverse, det, subdet, eval, "
     "add, sub, scalar, mulleft, mulright, mulvec, diagleft, diagright, divleft, divright, "
     "square, rank, complement, adjugate, transform, zy, twoport, nodal"},
    {"--arg", "TEXT", Text, "",
     "(repeatable) answer the question of the last --op: a cell \"row,column\", the scalar, "
     "the function of X, the two-port nodes"},
    {"--result-file", "FILE", File, "",
     "write the result file after the last operation (.re4, .re8, .cp4, .cp8 binary, any "
     "other extension text)"},
};

constexpr CliOption kStatOptions[] = {
    {"--stat", "FILE", File, "",
     "read a statistics file (one value, or x and y, per line) and print the statistics report"},
    {"--xy", "", None, "", "read two columns even for single values"},
    {"--regress", "lin|log|exp|pow", Words, "lin log exp pow", "add the regression of the x-y data"},
    {"--fourier", "FILE", File, "",
     "print the amplitudes of the harmonics of the samples in FILE (one per line, an even "
     "number from 4 to 2048), in percent of the fundamental's"},
};

constexpr CliOption kLibraryOptions[] = {
    {"--library", "FILE.exp", File, "exp",
     "work on an expression library; a category PATH is the names from the top joined by "
     "\"/\" in any case"},
    {"--list", "", None, "", "print the category tree with the number of rows of each"},
    {"--rows", "PATH", Text, "", "print the rows of a category: comment, expression and explanation"},
    {"--find", "TEXT", Text, "", "find TEXT in the library; prints path and comment, then the count"},
    {"--find-names", "on|off", Words, "on off", "search the category names (default on)"},
    {"--find-rows", "on|off", Words, "on off", "search the comments, expressions and explanations of the rows (default on)"},
    {"--find-under", "PATH", Text, "", "search only under a category"},
    {"--use", "PATH[#ROW]", Text, "",
     "\"Use expression\" on a row (default the first): the modes, the variables in the "
     "register boxes and the expression in the input line; without EXPR it is calculated"},
    {"--run", "NAME", Text, "",
     "run the task of the category NAME (any case; else the first whose name starts with "
     "it), as --task runs a file"},
};

constexpr CliOption kEditorOptions[] = {
    {"--editor", "FILE|-", File, "txt",
     "work on an expression-editor worksheet (\"-\": standard input); the text is printed "
     "after the --line presses, the file is never written"},
    {"--line", "N", Text, "",
     "(repeatable) press Enter on line N (from 1, in the text as the previous Enter left "
     "it): the line is evaluated and its result written on a new line below"},
};

constexpr CliOption kToolOptions[] = {
    {"--convert", "CATEGORY FROM TO VALUE", Text, "",
     "convert VALUE (an expression) from unit FROM to unit TO of the quantity CATEGORY, "
     "named as in the conversion window (the Czech names, or those of the --lang language)"},
    {"--period", "START END", Text, "",
     "days, weeks, months and years of a period, its weekdays, working days, holidays and "
     "working hours (dates YYYY-MM-DD, 1900 to 2099)"},
    {"--first-day", "", None, "", "count the first day of the --period"},
    {"--shift", "HOURS", Text, "", "working hours a day in the --period (default 8.5)"},
    {"--move-date", "DATE", Text, "", "the date moved by --days, --weeks, --months and --years"},
    {"--days", "N", Text, "", "days to move the date by"},
    {"--weeks", "N", Text, "", "weeks to move the date by"},
    {"--months", "N", Text, "", "months to move the date by"},
    {"--years", "N", Text, "", "years to move the date by"},
    {"--back", "", None, "", "move the date back"},
    {"--constants", "", None, "", "list the built-in physical constants"},
    {"--vat", "FIELD=VALUE", Text, "",
     "(repeatable) type VALUE into a field of the VAT calculation (bezDPH, sazba, DPH, "
     "celkem or X, Y, A, B) and compute from the last one"},
};

constexpr CliOption kGeneralOptions[] = {
    {"--help", "", None, "", "print this help and exit (-h also)"},
    {"--version", "", None, "", "print the version and exit"},
    {"--lang", "WORD", Text, "",
     "the language of the messages for this run (CZECH, ENGLISH or another WORD.lng in "
     "$XDG_DATA_HOME/tarvix/lang or the shipped lang folder); a language without a file keeps "
     "the built-in Czech"},
};

constexpr CliOptionGroup kGroups[] = {
    {"Modes and display:", kModeOptions},
    {"Series, vectors and settings:", kSeriesOptions},
    {"Tasks:", kTaskOptions},
    {"Matrix worksheet:", kWorksheetOptions},
    {"Statistics, regression and Fourier analysis:", kStatOptions},
    {"Expression library:", kLibraryOptions},
    {"Expression editor:", kEditorOptions},
    {"Tools (each runs on its own):", kToolOptions},
    {"General:", kGeneralOptions},
};

constexpr std::string_view kUsage =
    "Usage: tarvix-cli [OPTION]... [EXPR]...\n"
    "  or:  tarvix-cli [OPTION]... --task FILE|- [EXPR]...\n"
    "  or:  tarvix-cli [OPTION]... --worksheet FILE [--op OP]...\n"
    "  or:  tarvix-cli [OPTION]... --stat FILE | --fourier FILE\n"
    "  or:  tarvix-cli --library FILE.exp --list|--rows PATH|--find TEXT|--use PATH\n"
    "  or:  tarvix-cli [OPTION]... --library FILE.exp --run NAME [EXPR]...\n"
    "  or:  tarvix-cli [OPTION]... --editor FILE|- --line N [--line N]...\n"
    "  or:  tarvix-cli --convert | --period | --move-date | --constants | --vat ...\n"
    "Evaluate expressions with the Tarvix calculator, without a window.\n"
    "\n"
    "Each EXPR, or each line of standard input when there is none, goes through the\n"
    "calculation command of the calculator's input line (assignments, input-line\n"
    "commands, registers, Ans) and its result, as the display shows it, is printed\n"
    "on a line of its own. A decimal comma is accepted and \";\" separates function\n"
    "arguments. Messages go to standard error. Words starting with \"--\" are options.\n";

constexpr std::string_view kEpilogue =
    "Exit status:\n"
    "  0  every line calculated\n"
    "  1  a line failed, or a file did not read or write\n"
    "  2  a usage error\n"
    "\n"
    "Examples:\n"
    "  $ tarvix-cli \"7 DIV 2\" \"2^10\" \"x=2*3\" \"x+1\"\n"
    "  $ tarvix-cli --cplx \"sqrt(-4)\"\n"
    "  $ echo \"1/3\" | tarvix-cli --sep ,\n"
    "  $ tarvix-cli --rad --box X=0..1:0.5 --series-file - \"X^2\"\n"
    "  $ tarvix-cli --worksheet sys.txt --op solve\n"
    "  $ tarvix-cli --convert tlak pascal bar 1e5\n";

constexpr std::size_t kDescriptionColumn = 30;
constexpr std::size_t kLineWidth = 79;

// Writes `text` from column `column` on, wrapped at the line width; the cursor
// stands at `column` when this starts.
void WriteWrapped(std::ostream& out, std::string_view text, std::size_t column) {
    std::size_t at = column;
    bool lineStart = true;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        const std::string_view word = text.substr(0, blank);
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
        if (!lineStart && at + 1 + word.size() > kLineWidth) {
            out << '\n' << std::string(column, ' ');
            at = column;
            lineStart = true;
        }
        if (!lineStart) {
            out << ' ';
            ++at;
        }
        out << word;
        at += word.size();
        lineStart = false;
    }
    out << '\n';
}

void WriteOption(std::ostream& out, const CliOption& option) {
    std::string head = "  " + std::string(option.Name);
    if (!option.Argument.empty()) head += " " + std::string(option.Argument);
    out << head;
    if (head.size() + 2 > kDescriptionColumn) {
        out << '\n' << std::string(kDescriptionColumn, ' ');
    } else {
        out << std::string(kDescriptionColumn - head.size(), ' ');
    }
    WriteWrapped(out, option.Help, kDescriptionColumn);
}

}  // namespace

std::span<const CliOptionGroup> CliOptionGroups() { return kGroups; }

void PrintCliHelp(std::ostream& out) {
    out << kUsage << "\nOptions:\n";
    for (const CliOptionGroup& group : kGroups) {
        out << '\n' << group.Title << '\n';
        for (const CliOption& option : group.Options) WriteOption(out, option);
    }
    out << '\n' << kEpilogue;
}

void PrintCliVersion(std::ostream& out) {
    out << "tarvix-cli (Tarvix) " << ProgramVersion() << '\n';
}

}  // namespace tarvix
