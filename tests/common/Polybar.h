// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "I3Bar.h"

#include <QString>

// polybar's bar across the top of the screen: black, this high, with white DejaVu Sans.
constexpr int polybarHeight = 24;

// polybar with the module `vantorel`, a `custom/script` that shows each line `feedCommand` prints (`tail = true`), as
// the README tells users to add it. polybar's messages are on the returned process's error channel.
inline QProcess& launchPolybar(X11Session& session, const QString& feedCommand) {
    static constexpr char config[] = R"([bar/top]
width = 100%
height = %1
background = #000000
foreground = #ffffff
font-0 = DejaVu Sans:size=10;2
modules-left = vantorel

[module/vantorel]
type = custom/script
exec = %2
tail = true
)";
    const QByteArray text = QString::fromUtf8(config).arg(polybarHeight).arg(feedCommand).toUtf8();
    return session.launch("polybar", {"--config=" + session.writeConfigFile("polybar.ini", text), "top"});
}
