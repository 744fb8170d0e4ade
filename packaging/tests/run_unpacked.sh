#!/bin/bash
# Runs the programs of an unpacked package where they lie: they find their
# data in ../share/tarvix next to their bin folder.
#   run_unpacked.sh ROOT VERSION
set -euo pipefail
root=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work
status=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
    if [[ $2 != "$3" ]]; then
        printf '%s: expected\n%s\ngot\n%s\n' "$1" "$2" "$3"
        status=1
    fi
}

cli=$root/usr/bin/tarvix-cli
check "an expression" "1024" "$("$cli" "2^10")"
check "standard input" "$(printf '3\n7')" "$(printf '7 DIV 2\nx=3\nx+4\n' | "$cli" | sed -n '1p;3p')"
# The English language file is found in the package's share/tarvix/lang.
check "tarvix-cli --lang ENGLISH" "Division by zero" "$("$cli" --lang ENGLISH "1/0" 2>&1)"
check "tarvix-cli --version" "tarvix-cli (Tarvix) $version" "$("$cli" --version)"
# The shipped default library reads.
"$cli" --library "$root/usr/share/tarvix/tarvix.exp" --list > "$work/tree.txt"
[[ -s $work/tree.txt ]] || { echo "the shipped library lists nothing"; status=1; }

gui=$root/usr/bin/tarvix
check "tarvix --version" "tarvix (Tarvix) $version" "$(env -u DISPLAY -u WAYLAND_DISPLAY "$gui" --version)"
QT_QPA_PLATFORM=offscreen "$gui" --screenshot "$work/main.png" --eval "2*sin(30)+1"
if [[ $(head -c 8 "$work/main.png" | od -An -tx1 | tr -d ' \n') != 89504e470d0a1a0a ]]; then
    echo "tarvix --screenshot wrote no PNG picture"
    status=1
fi
exit $status
