#!/usr/bin/env bash
# Rewrites the expected outputs of every golden case from a built ormane, after a change
# that is meant to alter them (the JSON and batch cases show every digit that reads back, so a
# change in the last bits of the numeric core shows there). Review the diff before
# committing it. Usage: tests/cli/golden/regenerate.sh [path/to/ormane]
set -euo pipefail
cd "$(dirname "$0")"
program=$(realpath "${1:-../../../build/bin/ormane}")
for args_file in *.args; do
    case_name=${args_file%.args}
    mapfile -t arguments < "$args_file"
    arguments=("${arguments[@]//@GOLDEN_DIR@/$PWD}")
    input=/dev/null
    [[ -f $case_name.stdin ]] && input=$case_name.stdin
    status=0
    "$program" "${arguments[@]}" < "$input" > "$case_name.stdout" 2> "$case_name.stderr" || status=$?
    echo "$status" > "$case_name.status"
    echo "$case_name: exit $status"
done
