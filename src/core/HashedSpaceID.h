// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"

#include <QByteArrayView>

// SpaceIDs for desktops that a window manager knows by a key (a workspace name, a desktop UUID) rather than by a
// small number: the key's FNV-1a hash, mapped into 2^32 to 2^63 - 1. No desktop numbered by its window manager
// reaches 2^31, so a hashed SpaceID never meets a numbered one, and hashed Spaces rank after numbered ones. The
// hash is fixed, so that a key gives the same SpaceID in every run and every build: stored settings refer to it.
namespace HashedSpaceID {

constexpr SpaceID first = SpaceID(1) << 32;

SpaceID fromKey(QByteArrayView key);

} // namespace HashedSpaceID
