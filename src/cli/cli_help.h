// tarvix-cli's option reference: one table of every option with its argument,
// the words or files it takes and what it does. It is the one source of
// `tarvix-cli --help` (and through help2man of the manual page) and of the
// bash completion, which a build step writes from it.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>

namespace tarvix {

// What an option's argument is, for the completion.
enum class CliArgument : std::uint8_t {
    None,   // a switch
    Words,  // one of `Choices` (blank-separated)
    File,   // a file name; `Choices` is its extension without the dot, or empty
    Text,   // anything else: a number, an expression, a name
};

struct CliOption {
    std::string_view Name;      // "--base"
    std::string_view Argument;  // as shown after the name: "dec|hex|bin|oct", "FILE.fx", "" for none
    CliArgument Kind = CliArgument::None;
    std::string_view Choices;   // see CliArgument
    std::string_view Help;      // what it does, one paragraph
};

struct CliOptionGroup {
    std::string_view Title;  // the heading, ending with ":"
    std::span<const CliOption> Options;
};

// Every option, in the groups of the help text. An option that more than one
// family reads stands once, in the group of its first family.
std::span<const CliOptionGroup> CliOptionGroups();

// `tarvix-cli --help`: usage lines, a short description, every group of
// options and the examples, on `out`.
void PrintCliHelp(std::ostream& out);

// `tarvix-cli --version`.
void PrintCliVersion(std::ostream& out);

}  // namespace tarvix
