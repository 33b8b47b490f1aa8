#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantorel developers
# SPDX-License-Identifier: MIT
# Makes the Debian package from a build folder, checks it with lintian, installs it with apt as a user would, checks
# what it installed and what the installed program writes, and removes it again without a trace. Runs as root (CI),
# on a machine where scripts/setup.sh has run and the build folder is built.
# Usage: scripts/check-package.sh [build folder, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
id=org.vantorel.Vantorel

fail() {
    echo "check-package: $*" >&2
    exit 1
}

if dpkg-query -W -f='${Status}' vantorel 2>/dev/null | grep -q 'install ok installed'; then
    fail "a vantorel package is installed already; remove it first"
fi

echo "== Package"
rm -f "$build"/vantorel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(echo "$build"/vantorel_*.deb)
[ -f "$package" ] || fail "cpack made no package in $build"
dpkg-deb --field "$package" Package Version Section Depends
# Warnings and notes are shown, errors fail.
lintian --fail-on error "$package"

work=$(mktemp -d)
pids=()
# Stops what the check started, the last started first.
stop() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    pids=()
}
cleanup() {
    stop
    if dpkg-query -W vantorel >/dev/null 2>&1; then
        apt-get purge -y -qq vantorel >/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

echo "== Install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get install failed"; }
installed=$(dpkg-query -L vantorel)

version=$(dpkg-deb --field "$package" Version)
[ "$(/usr/bin/vantorel --version)" = "vantorel $version" ] || fail "/usr/bin/vantorel --version does not say $version"
desktop-file-validate "/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml"
icon=$(sed -n 's/^Icon=//p' "/usr/share/applications/$id.desktop")
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
    [ -f "/usr/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon named $icon"
done
[ -f "/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
[ "$(man -w vantorel)" = /usr/share/man/man1/vantorel.1.gz ] || fail "man finds no vantorel(1)"
[ -f "/usr/share/dbus-1/interfaces/$id.Desktops.xml" ] || fail "no description of the D-Bus interface"

echo "== Launch at login, switched on by the installed program"
# A display of its own with a window manager, and private folders: no other Vantorel, session or settings is touched.
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY SWAYSOCK I3SOCK
mkdir -m 0700 "$XDG_RUNTIME_DIR"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$work/display")
openbox >/dev/null 2>&1 &
pids+=($!)
echo '{"spaces": [1, 2, 3], "active": 1}' >"$work/spaces.jsonl"
cd "$work"
/usr/bin/vantorel --spaces-from="$work/spaces.jsonl" >"$work/vantorel.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    grep -q "Vantorel launched" "$work/vantorel.log" && break
    sleep 0.1
done
# A second start opens the window of the first.
vantorel --spaces-from="$work/spaces.jsonl"
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Mark My Desktops$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
# The switches sit at the window's right edge, above Done, "Launch at Login" the higher one: walk up from the bottom
# and click until the entry appears. A click on the other switch or between them changes nothing this check reads.
entry=$XDG_CONFIG_HOME/autostart/vantorel.desktop
for fromBottom in $(seq 80 12 260); do
    xdotool mousemove --window "$window" $((WIDTH - 68)) $((HEIGHT - fromBottom)) click 1
    for _ in $(seq 10); do
        [ -f "$entry" ] && break 2
        sleep 0.1
    done
done
[ -f "$entry" ] || { cat "$work/vantorel.log" >&2; fail "the switch wrote no autostart entry"; }
desktop-file-validate "$entry"
grep -qx 'Exec=/usr/bin/vantorel' "$entry" || { cat "$entry" >&2; fail "the autostart entry does not start /usr/bin/vantorel"; }
grep -qx "Icon=$icon" "$entry" || fail "the autostart entry names another icon than $icon"
cd /
stop

echo "== Remove"
apt-get purge -y -qq vantorel >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get purge failed"; }
while read -r path; do
    if [ -e "$path" ] && [ ! -d "$path" ]; then
        fail "$path is left after the package is removed"
    fi
done <<<"$installed"
echo "check-package: the package installs, works and removes cleanly"
