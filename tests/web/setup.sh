#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the browser tests' packages (puppeteer-core, axe-core, vnu-jar) from the lockfile, only
# when node_modules is missing or older than package-lock.json, and checks that the three browsers,
# WebKit's driver and Java are there (scripts/install-deps.sh test installs them).
set -euo pipefail
cd "$(dirname "$0")"
if [[ ! -f node_modules/.package-lock.json || package-lock.json -nt node_modules/.package-lock.json ]]; then
    command -v npm >/dev/null || { echo "web tests: npm is missing (apt-get install npm)" >&2; exit 1; }
    # No install scripts: vnu-jar's would download a Java; Debian's is used.
    npm ci --no-audit --no-fund --ignore-scripts
fi
missing=()
for program in "${CHROMIUM:-/usr/bin/chromium}" "${FIREFOX:-/usr/bin/firefox-esr}" \
    "${WEBKIT_DRIVER:-/usr/bin/WebKitWebDriver}" /usr/bin/Xvfb /usr/bin/python3; do
    [[ -x "$program" ]] || missing+=("$program")
done
command -v "${JAVA:-java}" >/dev/null || missing+=(java)
/usr/bin/python3 -c 'import gi; gi.require_version("WebKit2", "4.1")' 2>/dev/null || missing+=("WebKit2 4.1 for Python")
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "web tests: missing ${missing[*]} (scripts/install-deps.sh test installs them)" >&2
    exit 1
fi
