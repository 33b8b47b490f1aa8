// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsModel.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QObject>
#include <QString>

// The style sheet that gives waybar's custom/vantorel module its rounded label: one class per colour, for the
// palette's eight colours and every colour a desktop has, each with the label's background, white text, rounded
// corners and padding. Waybar reads it (through an @import in its style.css) only when it starts.
//
// The running program writes it at start and keeps it current on every settings change, whether or not a waybar
// listens: waybar refuses to start when its style.css imports a sheet that is not there. It writes only when the
// content changes, so that a waybar watching its style never reloads for nothing.
class WaybarStyleSheet : public QObject {
    Q_OBJECT

public:
    // "vantorel-6bcf7f": the class of a colour, whatever its alpha.
    static QString className(const QColor& color);
    // Whether every sheet lists the colour: the palette's colours are, whether or not a desktop has them.
    static bool isAlwaysListed(const QColor& color);
    // The sheet for the palette and the colours written in `colorTexts` (read as the status bar reads them).
    static QByteArray content(const QList<QString>& colorTexts);
    // $XDG_CONFIG_HOME/vantorel/waybar.css
    static QString standardPath();

    explicit WaybarStyleSheet(QString path = standardPath());

    // Writes the sheet for these settings, unless the file holds exactly that already.
    void update(const AppSettings& settings);

private:
    const QString m_path;
};
