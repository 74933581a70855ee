#!/usr/bin/env bash
# The bash completion offers what a user at a prompt expects of amorist-cli.
# Usage: completion_test.sh AMORIST_CLI COMPLETION_SCRIPT
set -uo pipefail
program=$1
source "$2"

failures=0
expect() {
    local wanted=$1
    shift
    COMP_WORDS=("$program" "$@")
    COMP_CWORD=$#
    _amorist_cli
    if [ "${COMPREPLY[*]}" != "$wanted" ]; then
        echo "completing '$*': got '${COMPREPLY[*]}', expected '$wanted'"
        failures=$((failures + 1))
    fi
}

expect "reading batch signs card" ""
expect "reading" re
expect "signs" --json s
expect "--json" batch --j
expect "--json -h --help -V --version" signs 1975-03-07 -
expect "--json --lang -h --help -V --version" reading -
expect "--lang --no-names -h --help -V --version" card -
expect "en es" --lang e
expect "reading" --lang de re
expect "" reading -- --j
expect "$(dirname "$2")/amorist-cli.bash" batch "$(dirname "$2")/amorist-cli.b"
folder=$(mktemp -d)
touch "$folder/my couples.csv"
expect "$folder/my couples.csv" batch "$folder/my"
if [ ${#COMPREPLY[@]} -ne 1 ]; then
    echo "a file name with a space was offered as ${#COMPREPLY[@]} words"
    failures=$((failures + 1))
fi
rm -rf "$folder"
exit $((failures > 0))
