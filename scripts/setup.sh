#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantorel developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages that Vantorel needs: `scripts/setup.sh run` those for building and running it, plain
# `scripts/setup.sh` those for the tests and the package as well. Safe to run again: it only installs what is
# missing.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev libxcb1-dev libxcb-ewmh-dev
    # the icon's fixed sizes and the manual page
    librsvg2-bin scdoc
    # a font for rendering text offscreen (the item view's tests and benchmark, and a run without a desktop)
    fonts-dejavu-core
)
[ "${1:-}" = run ] || packages+=(
    # the Debian package (dpkg-shlibdeps finds its Depends, with file), and the checks of what it installs
    dpkg-dev file lintian appstream man-db reuse
    # tests: desktop entries, and real window managers and panels on a private display
    desktop-file-utils xvfb i3-wm openbox wmctrl xdotool x11-utils
    # headless sway, run as an unprivileged user (setpriv is in util-linux)
    sway util-linux
    # panels that show the status item or a feed: waybar (with its tray, over a private session bus), polybar and
    # i3blocks; grim takes screenshots of sway, qt6-wayland lets the program run as a native sway client
    waybar polybar i3blocks grim dbus-daemon qt6-wayland
    # the desktops' own panels, each started fresh by the panel tests: KDE Plasma (kwriteconfig5 sets its desktops),
    # GNOME Shell with the AppIndicator extension (gsettings through dconf turns it on), XFCE, LXQt and MATE
    plasma-workspace plasma-desktop kwin-x11 kded5 libkf5config-bin
    gnome-shell gnome-shell-extension-appindicator libglib2.0-bin dconf-gsettings-backend dconf-service
    xfce4-panel xfwm4 xfconf lxqt-panel mate-panel
    # GNOME and KDE Plasma as headless Wayland sessions, their X11 clients on Xwayland; dbus-send switches KWin's
    # desktops
    kwin-wayland xwayland dbus-bin
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
log=${XDG_CACHE_HOME:-$HOME/.cache}/vantorel/setup.log
mkdir -p "$(dirname "$log")"
echo "Installing ${#missing[@]} Debian packages for Vantorel: ${missing[*]}"
echo "(apt and dpkg write to $log)"
if ! { $sudo apt-get update && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
    "${missing[@]}"; } >"$log" 2>&1; then
    tail -n 20 "$log" >&2
    echo "Installing the packages failed; the whole output is in $log" >&2
    exit 1
fi
