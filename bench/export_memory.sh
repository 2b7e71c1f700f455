#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints the peak resident memory of `--export-web` for COUNT quizzes (16 by default) of 104 lines
# of 64 KiB each, the largest the window loads, beside the quiz data they hold and the target:
# at most three times the quiz data plus 100 MB. Usage: bench/export_memory.sh MATCHMAKER [COUNT]
set -euo pipefail
program=$(realpath "$1")
count="${2:-16}"
[[ -x /usr/bin/time ]] || { echo "export_memory: needs /usr/bin/time (Debian package time)" >&2; exit 2; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

# Every line 64 KiB of "é" (two bytes, so the page's data holds six for each), the names apart by
# their first letter; the checker only warns that the names have no sound clips.
python3 - "$count" <<'PY'
import sys
line = "é" * (32 * 1024)
for quiz in range(int(sys.argv[1])):
    lines = [line] * 100 + [letter + line[1:] for letter in "ABCD"]
    with open(f"large{quiz:02}.qzt", "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
PY
data=$(( count * 104 * 64 * 1024 ))
/usr/bin/time -v -o time.txt "$program" --export-web site large*.qzt >/dev/null 2>errors.txt \
    || { cat errors.txt time.txt >&2; exit 1; }
peak=$(( $(sed -n 's/.*Maximum resident set size (kbytes): //p' time.txt) * 1024 ))
echo "quizzes        $count of 104 lines of 64 KiB"
echo "quiz data      $(( data / 1000000 )) MB"
echo "quizzes.js     $(( $(stat -c %s site/quizzes.js) / 1000000 )) MB"
echo "peak resident  $(( peak / 1000000 )) MB (target: at most $(( (3 * data + 100000000) / 1000000 )) MB)"
echo "elapsed        $(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' time.txt)"
