#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantorel developers
# SPDX-License-Identifier: MIT
# Validates what the build made for desktops to install: the desktop entry, the metadata for software centres and
# the manual page. Usage: validate-data.sh <build folder of data> <application id>
set -euo pipefail
data=$1
id=$2

desktop-file-validate "$data/$id.desktop"
appstreamcli validate --no-net "$data/$id.metainfo.xml"
# man exits 0 on formatting warnings: they only show on standard error.
warnings=$(MANWIDTH=80 man --warnings -l "$data/vantorel.1" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "vantorel.1: $warnings" >&2
    exit 1
fi
