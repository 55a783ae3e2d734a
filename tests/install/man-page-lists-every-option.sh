#!/usr/bin/env bash
# Usage: man-page-lists-every-option.sh QUILLSET_CLI MAN_PAGE
set -euo pipefail
cli=$1
page=$(sed 's/\\-/-/g' "$2")
commands=$("$cli" --help | awk '/^Commands:/ { on = 1; next } on && !NF { exit } on { print $1 }')
missing=0
for command in $commands; do
    grep -q -- "\\b$command\\b" <<<"$page" || { echo "command $command is not in the man page"; missing=1; }
    for option in $("$cli" "$command" --help | awk '$1 ~ /^-/ { print $1 }'); do
        grep -q -- "$option\\b" <<<"$page" || { echo "$command $option is not in the man page"; missing=1; }
    done
done
exit $missing
