#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Static checks of the sources: every one carries the licence's SPDX tag, clang-format must leave
# every C++ file as it is (.clang-format), and clang-tidy must find nothing (.clang-tidy). clang-tidy reads the compile commands of the
# build folder (build/, or MATCHMAKER_BUILD_DIR), so run scripts/test.sh first. Exits non-zero on
# any difference or finding, after listing them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${MATCHMAKER_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh" lint
cd "$root"
[[ -f "$build/compile_commands.json" ]] || { echo "lint: no $build/compile_commands.json: build first" >&2; exit 2; }

# Every source file carries the licence's SPDX tag near its top.
untagged=$(git ls-files -- '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' '*CMakeLists.txt' '*.ui' '*.in' '.ci/run' \
    | while read -r file; do head -3 "$file" | grep -q 'SPDX-License-Identifier: MIT' || echo "$file"; done)
[[ -z "$untagged" ]] || { echo "lint: no SPDX-License-Identifier line in:" >&2; echo "$untagged" >&2; exit 1; }

mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "lint: clang-format: ${#files[@]} files as formatted"

# Our sources only, not the files moc and uic generate into the build folder. GCC's warning
# options that clang does not know are not findings.
run-clang-tidy -p "$build" -j "$(nproc)" -quiet -extra-arg=-Wno-unknown-warning-option \
    "^$root/(quiz|quiztext|toolkit|controls|windows|app|tests|bench|tools|publish)/" >"$build/clang-tidy.log" 2>&1 || {
    grep -E "(error|warning): " "$build/clang-tidy.log" | sort -u >&2
    echo "lint: clang-tidy found the problems above (full output in $build/clang-tidy.log)" >&2
    exit 1
}
echo "lint: clang-tidy: no findings"
