// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>

// Tells when a system tray host (a panel's tray) starts on the X display. Qt docks a tray icon by itself when a tray
// appears later, but misses a tray that appears while the icon is being set up; with this the presenter can dock
// again. Does nothing on other platforms.
class TrayHostWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit TrayHostWatcher(QObject* parent = nullptr);
    ~TrayHostWatcher() override;

    // Whether a tray host holds the tray selection right now, asked of the X server itself.
    bool trayHostExists() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void trayHostStarted();

private:
    struct xcb_connection_t* m_connection = nullptr;
    uint32_t m_managerAtom = 0;
    uint32_t m_selectionAtom = 0;
};
