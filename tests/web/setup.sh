#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the browser tests' packages (playwright-core, axe-core) from the lockfile, only when
# node_modules is missing or older than package-lock.json, and checks that Chromium is there.
set -euo pipefail
cd "$(dirname "$0")"
if [[ ! -f node_modules/.package-lock.json || package-lock.json -nt node_modules/.package-lock.json ]]; then
    command -v npm >/dev/null || { echo "web tests: npm is missing (apt-get install npm)" >&2; exit 1; }
    npm ci --no-audit --no-fund
fi
chromium="${CHROMIUM:-/usr/bin/chromium}"
[[ -x "$chromium" ]] || { echo "web tests: no Chromium at $chromium (apt-get install chromium)" >&2; exit 1; }
