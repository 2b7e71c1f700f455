#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fuzzes the readers of outside files: builds the libFuzzer targets with clang in build-fuzz/ and
# runs each for the given number of seconds (default 60; 0 means no time limit) on a scratch copy
# of its seeds in fuzz/corpus/NAME/, so the repository's corpus does not grow. Set
# MATCHMAKER_FUZZ_TARGETS (e.g. "quizfile") to run only some. Further arguments go to the fuzzer
# (for example -runs=10000000). Exits non-zero on any finding: a crash, a hang, a leak, a
# sanitizer report or a wrong result; the input that caused it is kept and its path printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${MATCHMAKER_FUZZ_DIR:-$root/build-fuzz}"
seconds="${1:-60}"
shift || true
targets=(${MATCHMAKER_FUZZ_TARGETS:-$(ls "$root/fuzz/corpus")})

"$root/scripts/install-deps.sh" build fuzz
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DMATCHMAKER_FUZZ=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# Seeds too big to keep in the repository.
extraSeeds() {
    local target=$1 corpus=$2
    if [[ $target == quiz* ]]; then
        # Quizzes whose first line is as long as the reader accepts (64 KiB), and one byte longer.
        for length in 65536 65537; do
            { head -c "$length" /dev/zero | tr '\0' x; printf '\r\n'; cat "$corpus/valid-crlf.qzt"; } \
                >"$corpus/line-$length.qzt"
        done
    fi
}

for target in "${targets[@]}"; do
    work=$(mktemp -d "${TMPDIR:-/tmp}/fuzz_$target.XXXXXX")
    cp -r "$root/fuzz/corpus/$target" "$work/corpus"
    extraSeeds "$target" "$work/corpus"
    set +e
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
        -max_len=200000 -print_final_stats=1 -artifact_prefix="$work/" "$@" "$work/corpus"
    status=$?
    set -e
    if [[ $status -ne 0 ]]; then
        echo "fuzz: $target: finding (exit status $status); the input and the corpus are kept in $work" >&2
        exit "$status"
    fi
    rm -rf "$work"
    echo "fuzz: $target: no findings"
done
