#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <memory>

// waybar on a running compositor, for tests: a black bar across the top with the module `custom/vantorel` on the
// left, fed by a command (JSON lines), and the tray on the right. Its tray hosts the StatusNotifierWatcher itself.
class WaybarSession {
public:
    static constexpr int height = 30;
    static constexpr int trayIconSize = 22;

    WaybarSession();
    ~WaybarSession();
    WaybarSession(const WaybarSession&) = delete;
    WaybarSession& operator=(const WaybarSession&) = delete;

    // Starts waybar in `environment`, which names the compositor (WAYLAND_DISPLAY) and the session bus; the feed
    // runs in it too. Its style sheet imports `importedStyleSheet` first. Waits until the tray's watcher is on the
    // bus; false with a reason when waybar did not get that far.
    bool start(QProcessEnvironment environment, const QString& feedCommand, const QString& importedStyleSheet,
               QString* error);
    // What waybar said, for failure messages.
    QString log() const;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<QProcess> m_waybar;
};
