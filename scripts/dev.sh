#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantorel developers
# SPDX-License-Identifier: MIT
# The two ways into the project on a fresh Debian 12 machine:
#   scripts/dev.sh run [options]   install what is missing, build, start Vantorel
#   scripts/dev.sh test            install what is missing, build, run every test
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command=${1:-}
shift || true

# Installs what `what` (run or test) needs, then builds; the other arguments go to the build.
build() {
    local what=$1
    shift
    "$root/scripts/setup.sh" "$what"
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$root/build" "$@"
}

case "$command" in
run)
    # The program alone: the tests and benchmarks take most of a full build.
    build run --target vantorel
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ $# -eq 0 ]; then
        echo "No desktop session here: Vantorel runs offscreen on the shipped example" \
            "(examples/walkthrough.jsonl), with its settings in a temporary folder. Press Ctrl+C to end it." >&2
        export QT_QPA_PLATFORM=offscreen
        XDG_CONFIG_HOME=$(mktemp -d)
        export XDG_CONFIG_HOME
        if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
            XDG_RUNTIME_DIR=$(mktemp -d)
            export XDG_RUNTIME_DIR
        fi
        set -- "--spaces-from=$root/examples/walkthrough.jsonl"
    fi
    exec "$root/build/src/vantorel" "$@"
    ;;
test)
    build test
    cd "$root/build"
    ctest --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: scripts/dev.sh run [options] | scripts/dev.sh test" >&2
    exit 2
    ;;
esac
