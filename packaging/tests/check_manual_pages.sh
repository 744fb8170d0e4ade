#!/bin/bash
# The manual pages render without a warning of groff, and tarvix-cli(1) names
# every option its --help does (help2man read the whole help).
#   check_manual_pages.sh MAN_FOLDER TARVIX_CLI
set -uo pipefail
folder=$1 cli=$2
status=0
for page in "$folder"/tarvix.1.gz "$folder"/tarvix-cli.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    if [[ -n $warnings ]]; then
        printf '%s: %s\n' "$page" "$warnings"
        status=1
    fi
done
text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$folder/tarvix-cli.1.gz" 2>/dev/null | sed 's/\x1b\[[0-9;]*m//g; s/.\x08//g')
for option in $("$cli" --help | grep -oE '^  --[a-z-]+' | sort -u); do
    if ! grep -qe "$option" <<< "$text"; then
        echo "tarvix-cli(1) does not name $option"
        status=1
    fi
done
for section in NAME SYNOPSIS DESCRIPTION EXAMPLES "SEE ALSO"; do
    grep -q "^$section" <<< "$text" || { echo "tarvix-cli(1) has no $section section"; status=1; }
done
exit $status
