#!/bin/bash
# The package holds the programs, the shipped data, the desktop integration,
# the manual pages and the completion, and depends on what dpkg-shlibdeps found.
#   check_contents.sh DEB SOURCE_DATA_FOLDER
set -euo pipefail
deb=$1 data=$2

listing=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
missing=0
expect() {
    if ! grep -qx -- "$1" <<< "$listing"; then
        echo "missing: $1"
        missing=1
    fi
}
expect /usr/bin/tarvix
expect /usr/bin/tarvix-cli
expect /usr/share/applications/tarvix.desktop
expect /usr/share/metainfo/org.example.tarvix.metainfo.xml
expect /usr/share/mime/packages/tarvix.xml
expect /usr/share/icons/hicolor/scalable/apps/tarvix.svg
for size in 16 22 24 32 48 64 128 256; do
    expect "/usr/share/icons/hicolor/${size}x${size}/apps/tarvix.png"
done
expect /usr/share/man/man1/tarvix.1.gz
expect /usr/share/man/man1/tarvix-cli.1.gz
expect /usr/share/bash-completion/completions/tarvix-cli
expect /usr/share/doc/tarvix/copyright
expect /usr/share/doc/tarvix/changelog.gz
# Every shipped file of data/ (the icon's source goes to the icon theme).
while IFS= read -r file; do
    expect "/usr/share/tarvix/${file#"$data"/}"
done < <(find "$data" -type f -not -path "$data/icons/*")

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqcustomplot; do
    if [[ $depends != *"$library"* ]]; then
        echo "Depends lacks $library"
        missing=1
    fi
done
exit $missing
