#!/bin/bash
# The file types: shared-mime-info reads the XML without a complaint and maps
# each extension to its type, and the desktop entry offers exactly these types.
#   check_mime_types.sh MIME_XML DESKTOP_ENTRY
set -euo pipefail
xml=$1 desktop=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages"
cp "$xml" "$work/mime/packages/tarvix.xml"
messages=$(XDG_DATA_DIRS=$work update-mime-database "$work/mime" 2>&1)
status=0
if [[ -n $messages ]]; then
    echo "update-mime-database: $messages"
    status=1
fi
for glob in data:fx library:exp worksheet:re4 worksheet:re8 worksheet:cp4 worksheet:cp8; do
    line="application/x-tarvix-${glob%%:*}:*.${glob#*:}"
    if ! cut -d: -f2- "$work/mime/globs2" | grep -qxF "$line"; then
        echo "no glob $line"
        status=1
    fi
done
declared=$(grep -o 'mime-type type="[^"]*"' "$xml" | cut -d'"' -f2 | sort)
offered=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
if [[ $declared != "$offered" ]]; then
    printf 'the desktop entry offers\n%s\nbut the XML declares\n%s\n' "$offered" "$declared"
    status=1
fi
exit $status
