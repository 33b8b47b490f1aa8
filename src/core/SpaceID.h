// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

// The window server's identifier of a desktop (a "Space").
using SpaceID = qint64;
