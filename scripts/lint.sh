#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Static checks of the sources that git tracks: every one carries the licence's SPDX tag,
# clang-format must leave every C++ file as it is (.clang-format), clang-tidy must find nothing
# (.clang-tidy) in the C++ sources and their headers, and ESLint (eslint.config.js) and Prettier
# (.prettierrc) must pass every JavaScript file. clang-tidy reads the compile commands of the build
# folder (build/, or MATCHMAKER_BUILD_DIR), so run scripts/test.sh first; ESLint and Prettier come
# from the lockfile at the root (npm ci). Exits non-zero on any difference or finding, after
# listing them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${MATCHMAKER_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh" lint
cd "$root"
[[ -f "$build/compile_commands.json" ]] || { echo "lint: no $build/compile_commands.json: build first" >&2; exit 2; }

# Every source file carries the licence's SPDX tag near its top.
untagged=$(git ls-files -- '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' '*CMakeLists.txt' '*.ui' '*.in' '.ci/run' \
    '*.js' '*.html' '*.css' \
    | while read -r file; do head -3 "$file" | grep -q 'SPDX-License-Identifier: MIT' || echo "$file"; done)
[[ -z "$untagged" ]] || { echo "lint: no SPDX-License-Identifier line in:" >&2; echo "$untagged" >&2; exit 1; }

mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "lint: clang-format: ${#files[@]} files as formatted"

# The tracked sources and the headers in their folders, not the files moc and uic generate into the
# build folder. GCC's warning options that clang does not know are not findings.
mapfile -t sources < <(git ls-files '*.cpp' | sed -e "s|^|^$root/|" -e 's|$|$|')
headers=$(git ls-files '*.h' | xargs -n1 dirname | sort -u | paste -sd'|')
run-clang-tidy -p "$build" -j "$(nproc)" -quiet -extra-arg=-Wno-unknown-warning-option \
    -header-filter="^$root/($headers)/[^/]*\.h$" "${sources[@]}" >"$build/clang-tidy.log" 2>&1 || {
    grep -E "(error|warning): " "$build/clang-tidy.log" | sort -u >&2
    echo "lint: clang-tidy found the problems above (full output in $build/clang-tidy.log)" >&2
    exit 1
}
echo "lint: clang-tidy: no findings"

if [[ ! -f node_modules/.package-lock.json || package-lock.json -nt node_modules/.package-lock.json ]]; then
    npm ci --no-audit --no-fund
fi
mapfile -t scripts < <(git ls-files '*.js')
npx --no-install eslint --max-warnings 0 "${scripts[@]}"
echo "lint: eslint: ${#scripts[@]} files without findings"
npx --no-install prettier --check --log-level warn "${scripts[@]}"
echo "lint: prettier: ${#scripts[@]} files as formatted"
