#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Brings the catalogues (translations/*.ts: German, French, and English for its plural forms) up
# to date with the sources: new texts are added unfinished, texts no longer in the sources are
# dropped. Translate the unfinished ones (Qt Linguist, or by hand) before committing. With --check, changes nothing and fails when a
# catalogue is behind the sources or holds an unfinished or obsolete message (the test
# translations_current runs it so). LUPDATE names the lupdate program (default: Qt 6's).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
catalogues=("$root"/translations/matchmaker_*.ts)

# The sources whose texts the program shows: everything but the tests, benchmarks and tools. The
# English catalogue holds only the plural forms of the texts that have them.
update() {
    local catalogue options
    for catalogue in "$@"; do
        options=()
        [[ "$catalogue" == *_en.ts ]] && options=(-pluralonly)
        "$lupdate" -silent -locations none -no-obsolete "${options[@]}" -extensions cpp,h,ui \
            "$root/quiz" "$root/quiztext" "$root/media" "$root/toolkit" "$root/design" "$root/controls" \
            "$root/publish" "$root/windows" "$root/app" "$root/studio" -ts "$catalogue"
    done
}

if [[ "${1:-}" != --check ]]; then
    update "${catalogues[@]}"
    grep -c 'type="unfinished"' "${catalogues[@]}" || true
    exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copies=()
for catalogue in "${catalogues[@]}"; do
    cp "$catalogue" "$scratch/"
    copies+=("$scratch/$(basename "$catalogue")")
done
update "${copies[@]}"
failures=0
for catalogue in "${catalogues[@]}"; do
    copy="$scratch/$(basename "$catalogue")"
    name=${catalogue#"$root"/}
    if ! cmp -s "$catalogue" "$copy"; then
        echo "translations: $name is behind the sources; run scripts/update-translations.sh:" >&2
        diff -u "$catalogue" "$copy" | head -40 >&2 || true
        failures=$((failures + 1))
    fi
    unfinished=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$copy" || true)
    if [[ $unfinished -ne 0 ]]; then
        echo "translations: $name has $unfinished unfinished or obsolete message(s)" >&2
        failures=$((failures + 1))
    fi
done
[[ $failures -eq 0 ]] || exit 1
echo "translations: every catalogue is complete and current"
