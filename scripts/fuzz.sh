#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fuzzes the readers of outside files: builds the libFuzzer targets with clang in build-fuzz/ and
# runs each for the given number of seconds (default 60; 0 means no time limit), as many at once
# as there are processors, on a scratch copy of its seeds in fuzz/corpus/NAME/, so the
# repository's corpus does not grow. Set
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

# One target's run; its findings are kept in a scratch folder named in the message.
fuzzOne() {
    local target=$1 work status
    shift
    work=$(mktemp -d "${TMPDIR:-/tmp}/fuzz_$target.XXXXXX")
    cp -r "$root/fuzz/corpus/$target" "$work/corpus"
    extraSeeds "$target" "$work/corpus"
    set +e
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
        -max_len=200000 -print_final_stats=1 -artifact_prefix="$work/" "$@" "$work/corpus" \
        >"$work/log" 2>&1
    status=$?
    set -e
    if [[ $status -ne 0 ]]; then
        cat "$work/log" >&2
        echo "fuzz: $target: finding (exit status $status); the input and the corpus are kept in $work" >&2
        return "$status"
    fi
    grep '^stat::number_of_executed_units' "$work/log" | sed "s/^/fuzz: $target: /"
    rm -rf "$work"
    echo "fuzz: $target: no findings"
}

# As many targets at once as there are processors.
failed=0
running=0
for target in "${targets[@]}"; do
    if ((running >= $(nproc))); then
        wait -n || failed=$?
        running=$((running - 1))
    fi
    fuzzOne "$target" "$@" &
    running=$((running + 1))
done
while ((running > 0)); do
    wait -n || failed=$?
    running=$((running - 1))
done
exit "$failed"
