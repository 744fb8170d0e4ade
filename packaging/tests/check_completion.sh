#!/bin/bash
# The generated completion of tarvix-cli under bash-completion: option names,
# the words of an option, file names by extension, nothing for free text.
#   check_completion.sh COMPLETION_SCRIPT
set -uo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
touch state.fx notes.txt lib.exp
mkdir folder

source /usr/share/bash-completion/bash_completion
source "$script"
status=0
complete_line() {  # the completions of the command line $1 (the cursor at its end)
    COMP_LINE=$1
    COMP_POINT=${#COMP_LINE}
    read -ra COMP_WORDS <<< "$COMP_LINE"
    [[ $COMP_LINE == *' ' ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _comp_tarvix_cli tarvix-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}
expect() {  # expect LINE COMPLETIONS
    local got
    got=$(complete_line "$1")
    if [[ $got != "$2" ]]; then
        printf '"%s": expected "%s", got "%s"\n' "$1" "$2" "$got"
        status=1
    fi
}
expect "tarvix-cli --wor" "--worksheet"
expect "tarvix-cli --find-" "--find-names --find-rows --find-under"
expect "tarvix-cli --base " "bin dec hex oct"
expect "tarvix-cli --cplx --format s" "sci"
expect "tarvix-cli --op inv" "inverse"
expect "tarvix-cli --open " "folder state.fx"
expect "tarvix-cli --library " "folder lib.exp"
expect "tarvix-cli --stat n" "notes.txt"
expect "tarvix-cli --rnd " ""
exit $status
