#!/bin/bash
# Standard input is evaluated as it arrives, not gathered first: 200,000 lines
# of 1,000 blanks (200 MB if they were kept) pass under a 150 MB address-space
# limit, and the result of the last line is printed. A sanitizer build reserves
# terabytes of shadow address space, so there ("unlimited") only the result is
# checked.
#   stdin_streamed.sh TARVIX_CLI [unlimited]
set -euo pipefail
cli=$1
limit=150000
[[ ${2:-} == unlimited ]] && limit=unlimited
blanks=$(printf '%1000s' '')
result=$( (ulimit -v "$limit"
           { yes "$blanks" | head -n 200000; echo '6*7'; } | "$cli") )
if [[ $result != 42 ]]; then
    echo "expected 42, got: ${result:0:200}"
    exit 1
fi
