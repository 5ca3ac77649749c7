#!/usr/bin/env bash
# Checks that dependencies run downward: each folder of src/ includes only from the folders its
# layer may use. Called by scripts/test.sh; fails naming every include that breaks the rule.
set -euo pipefail
cd "$(dirname "$0")/.."

# Folder: the folders it may include from (itself always). From the bottom up.
declare -A may_use=(
    [text]=""
    [paths]="text"
    [services]="paths text"
    [order]="services paths text"
    [controls]="order services paths text"
    [shared]="controls order services paths text"
    [listing]="order services paths text"
    [rename]="listing order services paths text"
    [mainwindow]="listing controls shared order services paths text"
    [folderchooser]="controls shared order services paths text"
    [renamewindow]="rename listing controls shared order services paths text"
    [app]="mainwindow folderchooser renamewindow rename listing controls shared order services paths text"
)

status=0
for dir in src/*/; do
    folder=$(basename "$dir")
    if [ -z "${may_use[$folder]+set}" ]; then
        echo "check-layers: src/$folder has no place in the layers" >&2
        status=1
        continue
    fi
    allowed=" $folder ${may_use[$folder]} "
    while IFS=: read -r file line include; do
        used=${include#*\"}
        used=${used%%/*}
        if [[ "$allowed" != *" $used "* ]]; then
            echo "check-layers: $file:$line includes from $used/, which src/$folder may not use" >&2
            status=1
        fi
    done < <(grep -rnE '^#include "[a-z_]+/' "$dir" || true)
done
[ "$status" -eq 0 ] && echo "check-layers: every include runs downward"
exit "$status"
