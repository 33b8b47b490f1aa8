// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>

// The program's icon for its windows: the icon theme's, as installed with the program, or else the sizes built into
// the program, so that a run from the build folder shows it too.
QIcon applicationIcon();
