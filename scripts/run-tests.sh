#!/usr/bin/env bash
# Runs every test of a build tree through ctest.
set -euo pipefail
BUILD=${1:-build}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/velmora-xdg.XXXXXX)}
chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)" --timeout 900
