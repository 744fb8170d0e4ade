#!/bin/bash
# Lintian on the package: no errors. Its warnings and notes are printed.
#   lintian.sh DEB
set -uo pipefail
output=$(lintian --display-level ">=warning" --fail-on error "$1" 2>&1)
status=$?
echo "$output"
if grep -q '^E: ' <<< "$output"; then status=1; fi
exit $status
