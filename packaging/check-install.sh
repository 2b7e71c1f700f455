#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks an installed tree of Brindlecast Match Maker below ROOT (a DESTDIR or an unpacked
# package, prefix /usr): every file in place, the desktop entry and AppStream metainfo valid,
# the quiz file type resolving to the desktop entry, and the launcher starting the program.
# Usage: check-install.sh ROOT
# The validators are skipped with a note when they are not installed (the package script
# installs them). Exits non-zero, after listing every problem, when anything is wrong.
set -euo pipefail
usr="${1:?usage: check-install.sh ROOT}/usr"
appId=example.brindlecast.matchmaker

failures=0
fail() { echo "check-install: $*" >&2; failures=$((failures + 1)); }

expected=(games/matchmaker libexec/matchmaker/matchmaker libexec/matchmaker/libmatchmaker_sound.so
    "share/applications/$appId.desktop" "share/metainfo/$appId.metainfo.xml"
    "share/mime/packages/$appId.xml" share/man/man6/matchmaker.6.gz
    share/doc/matchmaker/copyright share/doc/matchmaker/changelog.gz
    share/matchmaker/episode1.qzt share/matchmaker/episode2.QZT
    share/matchmaker/{kest,dorv,oro,bexal}sound.wav share/matchmaker/main.wav)
for number in {1..10}; do expected+=("share/matchmaker/$number.jpg"); done
for size in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x$size/apps/matchmaker.png"); done
for file in "${expected[@]}"; do
    [[ -s "$usr/$file" ]] || fail "missing /usr/$file"
done
# The studio, where the build had emscripten: the folder a static host serves as it is.
if [[ -d "$usr/share/matchmaker/studio" ]]; then
    for file in quizwasm.js quizwasm-engine.js quizwasm-binary.js kit-page.js kit-media.js index.html studio-page.js sw.js \
        try.html player/controller.js player/style.css icon-192.png icon-512.png; do
        [[ -s "$usr/share/matchmaker/studio/$file" ]] || fail "missing /usr/share/matchmaker/studio/$file"
    done
fi
[[ -x "$usr/games/matchmaker" && -x "$usr/libexec/matchmaker/matchmaker" ]] \
    || fail "the launcher or the program is not executable"

validate() {
    local tool=$1
    shift
    if ! command -v "$tool" >/dev/null; then
        echo "check-install: $tool is not installed, skipped" >&2
        return
    fi
    "$tool" "$@" || fail "$tool rejects ${*: -1}"
}
validate desktop-file-validate "$usr/share/applications/$appId.desktop"
validate appstreamcli validate --no-net "$usr/share/metainfo/$appId.metainfo.xml"

# The quiz file type as a desktop sees it once the package's triggers have run: the type and
# the desktop entry are copied into a scratch data folder, whose caches are built there, so
# that the installed tree stays as it was. No user's or system's own choices take part.
checkFileType() {
    local scratch
    scratch=$(mktemp -d)
    mkdir -p "$scratch"/{data/mime/packages,data/applications,config,home}
    cp "$usr/share/mime/packages/$appId.xml" "$scratch/data/mime/packages/"
    cp "$usr/share/applications/$appId.desktop" "$scratch/data/applications/"
    cp "$usr/share/matchmaker/episode2.QZT" "$scratch/"
    local env=(env -i PATH="$PATH" HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config"
        XDG_CONFIG_DIRS="$scratch/config" XDG_DATA_HOME="$scratch/home"
        XDG_DATA_DIRS="$scratch/data:/usr/share")
    "${env[@]}" update-mime-database "$scratch/data/mime"
    "${env[@]}" update-desktop-database "$scratch/data/applications"
    local type default
    type=$("${env[@]}" xdg-mime query filetype "$scratch/episode2.QZT")
    default=$("${env[@]}" xdg-mime query default application/x-matchmaker-quiz)
    echo "check-install: xdg-mime: episode2.QZT is $type, opened by $default"
    [[ $type == application/x-matchmaker-quiz ]] || fail "episode2.QZT has the type '$type'"
    [[ $default == "$appId.desktop" ]] || fail "quiz files are opened by '$default'"
    rm -rf "$scratch"
}
# xdg-mime asks mimetype (libfile-mimeinfo-perl) outside a known desktop; without it, it would
# fall back to file(1), which knows nothing of the types installed.
if command -v update-mime-database >/dev/null && command -v update-desktop-database >/dev/null \
    && command -v xdg-mime >/dev/null && command -v mimetype >/dev/null; then
    checkFileType
else
    fail "the file type cannot be checked: scripts/install-deps.sh test installs what it needs"
fi

# The launcher finds its folders relative to itself, so it runs below any ROOT as installed.
# Still running when the timeout ends it (124) means it started; a failed start exits with 1.
set +e
QT_QPA_PLATFORM=offscreen MATCHMAKER_NONINTERACTIVE=1 timeout "${MATCHMAKER_SMOKE_SECONDS:-5}" \
    "$usr/games/matchmaker"
status=$?
set -e
[[ $status -eq 124 ]] || fail "the installed program did not keep running (exit status $status)"

# A relative quiz file is taken from the directory the command was started in, although the
# launcher changes to the data folder: the checker finds it, and the program starts with it (a
# file that did not load would end it at once with status 1).
elsewhere=$(mktemp -d)
trap 'rm -rf "$elsewhere"' EXIT
cp "$usr/share/matchmaker/episode2.QZT" "$elsewhere/mine.qzt"
(cd "$elsewhere" && "$usr/games/matchmaker" --check mine.qzt) \
    || fail "--check does not find a quiz file named relative to where it was started"
set +e
(cd "$elsewhere" && QT_QPA_PLATFORM=offscreen MATCHMAKER_NONINTERACTIVE=1 \
    timeout "${MATCHMAKER_SMOKE_SECONDS:-5}" "$usr/games/matchmaker" mine.qzt)
status=$?
set -e
[[ $status -eq 124 ]] || fail "the installed program did not start with a relative quiz file (exit status $status)"

# The installed program publishes a web page with nothing but its own files: the page is compiled
# in, and the pictures and clips come from the data folder the launcher changes to.
(cd "$elsewhere" && "$usr/games/matchmaker" --export-web web mine.qzt >/dev/null) \
    || fail "--export-web does not publish a web page"
for file in index.html player.js quizzes.js pictures/1.jpg clips/orosound.wav; do
    [[ -s "$elsewhere/web/$file" ]] || fail "--export-web wrote no $file"
done

if [[ $failures -ne 0 ]]; then
    echo "check-install: $failures problem(s) below $usr" >&2
    exit 1
fi
