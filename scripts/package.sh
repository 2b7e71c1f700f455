#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of Brindlecast Match Maker in build-package/ and checks it: its
# control fields, then, unpacked into a scratch root, its files, desktop entry, metainfo and that
# the program starts (packaging/check-install.sh). Prints the path of the .deb. Exits non-zero
# when anything is wrong.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${MATCHMAKER_PACKAGE_DIR:-$root/build-package}"

"$root/scripts/install-deps.sh" build package

# Only the installed program is built: cpack's install step would otherwise build everything.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target matchmaker
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

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
"$root/packaging/check-install.sh" "$scratch" || failures=$((failures + 1))

if [[ $failures -ne 0 ]]; then
    echo "package: $failures check(s) failed for $deb" >&2
    exit 1
fi
echo "$deb"
