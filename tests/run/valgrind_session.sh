#!/usr/bin/env bash
# A complete session under valgrind's memory checker: two filters, a re-run,
# storage to two files; any error valgrind reports fails the test.
set -euo pipefail
exe=$1
example=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$example" "$work/Brantover.DEF"
cd "$work"
printf '%s\n' "" "" "" "" "" "" "" "" "" "" "" "" "1" "" \
              "1" "950" "1050" "10" "2" "1" "other.txt" \
              "2" "3" "4" "2000" "200" "2" "2300" "30" "250" "1900" "2100" "50" "1" "" "3" |
  valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
           "$exe" > console.txt
grep -q "Linear Phase Response." console.txt
grep -q "Output data stored in User filename: other.txt" other.txt
echo "valgrind reports nothing"
