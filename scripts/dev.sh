#!/usr/bin/env bash
# The two ways into the project on a fresh Debian 12 machine:
#   scripts/dev.sh run [options]   install what is missing, build, start Vantorel
#   scripts/dev.sh test            install what is missing, build, run every test
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command=${1:-}
shift || true

build() {
    local dir=$1
    shift
    "$root/scripts/setup.sh"
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir"
}

case "$command" in
run)
    build "$root/build"
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
    build "$root/build"
    cd "$root/build"
    ctest --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: scripts/dev.sh run [options] | scripts/dev.sh test" >&2
    exit 2
    ;;
esac
