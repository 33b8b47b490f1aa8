#pragma once

#include "PixelChecks.h"
#include "X11Session.h"

#include <QColor>

// i3 with its bar along the top and the bar's tray on the session's screen.
inline void launchI3WithTray(X11Session& session) {
    session.launch("i3", {"-c", session.writeConfigFile("i3.conf", "# i3 config file (v4)\n"
                                                                   "font pango:DejaVu Sans 10\n"
                                                                   "bar {\n    position top\n"
                                                                   "    tray_output screen\n}\n")});
}

// Where the bar shows a tray icon of this label colour (drawn at 0.9 opacity over the bar's black); empty if nowhere.
inline QRect trayIconOfColour(const QImage& bar, QColor colour) {
    const QColor shown(qRound(colour.red() * 0.9), qRound(colour.green() * 0.9), qRound(colour.blue() * 0.9));
    return boundsOf(bar, [&shown](QRgb pixel) {
        return std::abs(qRed(pixel) - shown.red()) <= 3 && std::abs(qGreen(pixel) - shown.green()) <= 3 &&
               std::abs(qBlue(pixel) - shown.blue()) <= 3;
    });
}
