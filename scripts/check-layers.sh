#!/usr/bin/env bash
# Checks that dependencies run downward: each folder of src/ includes only from the folders its
# layer may use. Called by scripts/test.sh; fails naming every include that breaks the rule.
set -euo pipefail
cd "$(dirname "$0")/.."

# Folder: the folders it may include from (itself always), from the table in src/CMakeLists.txt,
# which also checks what each target links.
declare -A may_use=()
while read -r folder uses; do
    may_use[$folder]=$uses
done < <(sed -n '/^set(TAVOLIN_LAYERS/,/^)/p' src/CMakeLists.txt | tr '\n' ' ' |
    grep -oE '"[a-z]+:[^"]*"' | tr -d '"' | tr -s ' ' | sed 's/:/ /')
[ "${#may_use[@]}" -gt 0 ] || { echo "check-layers: no layers in src/CMakeLists.txt" >&2; exit 1; }

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
