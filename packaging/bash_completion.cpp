// Writes the bash completion of tarvix-cli from its option table (the one the
// help text comes from), so the completion follows every option change.
//   tarvix_bash_completion FILE
// The script keeps bash-completion's conventions: a function set up by
// _init_completion, file names through _filedir, registered with complete -F.
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_help.h"

namespace {

using tarvix::CliArgument;
using tarvix::CliOption;
using tarvix::CliOptionGroup;

// The case branch that completes the argument of `names`.
void WriteBranch(std::ostream& out, const std::vector<std::string_view>& names,
                 std::string_view action) {
    if (names.empty()) return;
    out << "        ";
    for (std::size_t i = 0; i < names.size(); ++i) out << (i ? "|" : "") << names[i];
    out << ")\n            " << action << "\n            return\n            ;;\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::set<std::string_view> seen;
    std::vector<std::string_view> allNames;
    std::vector<std::string_view> anyFile;
    std::vector<std::string_view> freeText;
    std::vector<std::pair<std::string_view, std::string>> special;  // name, action
    for (const CliOptionGroup& group : tarvix::CliOptionGroups()) {
        for (const CliOption& option : group.Options) {
            if (option.Name == "--" || !seen.insert(option.Name).second) continue;
            allNames.push_back(option.Name);
            switch (option.Kind) {
                case CliArgument::None:
                    break;
                case CliArgument::Text:
                    freeText.push_back(option.Name);
                    break;
                case CliArgument::File:
                    if (option.Choices.empty()) anyFile.push_back(option.Name);
                    else special.emplace_back(option.Name,
                                              "_filedir '" + std::string(option.Choices) + "'");
                    break;
                case CliArgument::Words:
                    special.emplace_back(option.Name, "COMPREPLY=($(compgen -W '" +
                                                          std::string(option.Choices) +
                                                          "' -- \"$cur\"))");
                    break;
            }
        }
    }

    std::ofstream out(argv[1], std::ios::binary);
    out << "# bash completion for tarvix-cli                          -*- shell-script -*-\n"
           "# Written by the build from tarvix-cli's option table; do not edit.\n"
           "\n"
           "_comp_tarvix_cli()\n"
           "{\n"
           "    local cur prev words cword\n"
           "    _init_completion || return\n"
           "\n"
           "    case $prev in\n";
    for (const auto& [name, action] : special) WriteBranch(out, {name}, action);
    WriteBranch(out, anyFile, "_filedir");
    WriteBranch(out, freeText, ":");
    out << "    esac\n"
           "\n"
           "    if [[ $cur == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W '";
    for (std::size_t i = 0; i < allNames.size(); ++i) out << (i ? " " : "") << allNames[i];
    out << "' -- \"$cur\"))\n"
           "    fi\n"
           "} &&\n"
           "    complete -F _comp_tarvix_cli tarvix-cli\n"
           "\n"
           "# ex: filetype=sh\n";
    out.close();
    return out ? 0 : 1;
}
