// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"

#include <QHash>
#include <QObject>

class NamesInWindowManager;
class SettingsManager;
class WindowServer;

// Tells the window manager the names the user gives in Vantorel, so that its pagers, switchers and bars show them:
// every name the user changes goes out while the choice is on, and every name when it is turned on. Names the user
// has not touched since the start stay the window manager's business.
class DesktopNamePublisher : public QObject {
    Q_OBJECT

public:
    DesktopNamePublisher(WindowServer& windowServer, SettingsManager& settings, NamesInWindowManager& choice);

private:
    void publish(bool everyName);

    WindowServer& m_windowServer;
    SettingsManager& m_settings;
    NamesInWindowManager& m_choice;
    QHash<SpaceID, QString> m_seen;
};
