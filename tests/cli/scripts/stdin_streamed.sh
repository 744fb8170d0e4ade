#!/bin/bash
# Standard input is evaluated as it arrives, not gathered first: 200,000 lines
# of 1,000 blanks (200 MB if they were kept) pass under a 150 MB address-space
# limit, and the result of the last line is printed.
#   stdin_streamed.sh TARVIX_CLI
set -euo pipefail
cli=$1
blanks=$(printf '%1000s' '')
result=$( (ulimit -v 150000
           { yes "$blanks" | head -n 200000; echo '6*7'; } | "$cli") )
if [[ $result != 42 ]]; then
    echo "expected 42, got: ${result:0:200}"
    exit 1
fi
