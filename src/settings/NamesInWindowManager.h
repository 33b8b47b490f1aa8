// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

class DefaultsStore;

// The "Show names in the window manager" choice. The settings document's format is fixed, so the choice is kept
// under a key of its own in the same store: "names_in_window_manager.json" holds `true` or `false`. Until the user
// chooses, the default is whatever is safe for the window manager of the run.
class NamesInWindowManager : public QObject {
    Q_OBJECT

public:
    static inline const QString key = QStringLiteral("names_in_window_manager");

    explicit NamesInWindowManager(DefaultsStore& store);

    // The instance of the run, on the standard store, created on first use.
    static NamesInWindowManager& shared();

    bool isEnabled() const;
    void setDefault(bool enabled) { m_default = enabled; }
    // Stores the choice and announces a change.
    void setEnabled(bool enabled);

signals:
    void enabledChanged(bool enabled);

private:
    DefaultsStore& m_store;
    bool m_default = true;
};
