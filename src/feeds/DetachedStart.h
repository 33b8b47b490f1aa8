// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

// Starts this same program (the file /proc/self/exe names) with `arguments`, detached from the caller: in a session of
// its own, nobody's child once started (so no one has to reap it), standard input and output on /dev/null (so that it
// holds no pipe of the caller's open) and standard error shared (a feed on polybar's one pipe for both has
// made it /dev/null), with no signal blocked. Returns false when its process could not be made (or /dev/null could
// not be opened); a start that fails later shows only in that the program never answers.
namespace DetachedStart {

bool startThisProgram(const QStringList& arguments);

} // namespace DetachedStart
