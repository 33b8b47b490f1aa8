// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

class Autostart;

// Keeps the program's launch-at-login registration in step with one switch. The registration lives with the
// session (the autostart entry), never in the settings, so the switch starts from what is registered now.
class LaunchAtLoginManager : public QObject {
    Q_OBJECT

public:
    // Reads the registration and assigns it, which, like every assignment, brings the registration in line.
    explicit LaunchAtLoginManager(Autostart& autostart);

    // The instance of the run, on the standard autostart entry, created on first use.
    static LaunchAtLoginManager& shared();

    bool isEnabled() const { return m_isEnabled; }
    // Every assignment announces, stores and registers or unregisters, whether or not the value changed. A refusal
    // is printed and not fed back: the switch keeps the value asked for.
    void setEnabled(bool enabled);

signals:
    void objectWillChange();

private:
    void setLaunchAtLogin(bool enabled);

    Autostart& m_autostart;
    bool m_isEnabled = false;
};
