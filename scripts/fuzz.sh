#!/usr/bin/env bash
# Fuzzes the quiz reader: builds the libFuzzer target with clang in build-fuzz/ and runs it for
# the given number of seconds (default 60; 0 means no time limit) on a scratch copy of the seed
# corpus fuzz/corpus/, so the repository's corpus does not grow. Further arguments go to the
# fuzzer (for example -runs=10000000). Exits non-zero on any finding: a crash, a hang, a leak,
# a sanitizer report or a wrong result; the input that caused it is kept and its path printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${MATCHMAKER_FUZZ_DIR:-$root/build-fuzz}"
seconds="${1:-60}"
shift || true

"$root/scripts/install-deps.sh" build fuzz
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DMATCHMAKER_FUZZ=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_quizfile

work=$(mktemp -d "${TMPDIR:-/tmp}/fuzz_quizfile.XXXXXX")
cp -r "$root/fuzz/corpus" "$work/corpus"
# Two seeds too big to keep in the repository: quizzes whose first line is as long as the reader
# accepts (64 KiB), and one byte longer.
for length in 65536 65537; do
    { head -c "$length" /dev/zero | tr '\0' x; printf '\r\n'; cat "$root/fuzz/corpus/valid-crlf.qzt"; } \
        >"$work/corpus/line-$length.qzt"
done

set +e
"$build/fuzz/fuzz_quizfile" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
    -max_len=200000 -print_final_stats=1 -artifact_prefix="$work/" "$@" "$work/corpus"
status=$?
set -e
if [[ $status -ne 0 ]]; then
    echo "fuzz: finding (exit status $status); the input and the corpus are kept in $work" >&2
    exit "$status"
fi
rm -rf "$work"
echo "fuzz: no findings"
