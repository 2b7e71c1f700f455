#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of Brindlecast Match Maker in build-package/ and checks it: its
# control fields, lintian (any error or warning fails), then, unpacked into a scratch root, its
# files, desktop entry, metainfo, file type and that the program starts
# (packaging/check-install.sh). Prints the path of the .deb. Exits non-zero when anything is
# wrong.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${MATCHMAKER_PACKAGE_DIR:-$root/build-package}"

"$root/scripts/install-deps.sh" build package

# Only what is installed is built: cpack's install step would otherwise build everything. The
# studio is part of it where emscripten is installed (the build then has the target).
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
targets=(matchmaker)
[[ -d "$build/studio-build" ]] && targets+=(studio)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"
rm -f "$build"/matchmaker_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/matchmaker_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "package: cpack made no single .deb" >&2; exit 1; }
deb=${debs[0]}

failures=0
fail() { echo "package: $*" >&2; failures=$((failures + 1)); }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 fonts-liberation2; do
    [[ "$depends" =~ (^|[ ,|])$needed([ ,]|$) ]] || fail "Depends lacks $needed"
done
# An alternative would let apt keep a wider face that the fixed boxes were not measured for.
[[ "$depends" =~ fonts-liberation2[[:space:]]*\| || "$depends" =~ \|[[:space:]]*fonts-liberation2 ]] \
    && fail "Depends offers an alternative to fonts-liberation2"
[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "Section is not games"
[[ $(dpkg-deb -f "$deb" Version) == "$(dpkg-parsechangelog -l "$root/packaging/changelog" -S Version)" ]] \
    || fail "the package's version is not the latest in packaging/changelog"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# lintian prints nothing for a clean package; --fail-on makes a warning fail as an error does.
# Run by root it adds a note that root is not recommended, so it reads a copy as nobody then.
lintianRun=(lintian --fail-on error,warning)
lintianDeb=$deb
if [[ $(id -u) -eq 0 ]] && command -v runuser >/dev/null; then
    mkdir -m 755 "$scratch/lintian"
    cp "$deb" "$scratch/lintian/"
    chmod 755 "$scratch"
    lintianRun=(runuser -u nobody -- "${lintianRun[@]}")
    lintianDeb="$scratch/lintian/${deb##*/}"
fi
(cd / && "${lintianRun[@]}" "$lintianDeb") || fail "lintian finds the problems above"
rm -rf "$scratch/lintian"
dpkg-deb -x "$deb" "$scratch"
"$root/packaging/check-install.sh" "$scratch" || failures=$((failures + 1))

if [[ $failures -ne 0 ]]; then
    echo "package: $failures check(s) failed for $deb" >&2
    exit 1
fi
echo "$deb"
