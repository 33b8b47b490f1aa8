// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Figures for following real window managers, openbox (X11 EWMH) and a headless sway (IPC):
//  - over 200 desktop switches, the time the switch's event takes to arrive (from the switch request to the event
//    at a listener of our own) and Vantorel's share (from the event's arrival to the status item holding the new
//    Space), median and 99th percentile;
//  - the CPU time the program uses in 30 idle seconds with each.
// Needs Xvfb, openbox, sway and setpriv, as the integration tests do. Prints figures; asserts nothing.
#include "BenchSupport.h"
#include "SwaySession.h"
#include "VantorelProcess.h"
#include "X11Session.h"
#include "settings/DefaultsStore.h"
#include "core/Diagnostics.h"
#include "updates/Updater.h"
#include "windowserver/i3ipc/I3IpcWindowServer.h"
#include "windowserver/i3ipc/IpcMessage.h"
#include "windowserver/x11/X11WindowServer.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"
#include "statusbar/StatusBarController.h"
#include "statusbar/StatusItem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <xcb/xcb.h>

#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int switches = 200;
// Longer than the status bar controller's delayed update, so that no switch is measured while the last one's
// update runs.
constexpr int pauseBetweenSwitchesMs = 150;
constexpr int idleSeconds = 30;

class UnshownStatusBar : public StatusBar {
public:
    std::unique_ptr<StatusItem> statusItem() override {
        return std::make_unique<StatusItem>(std::make_unique<StatusBarButton>());
    }
};

// The program's objects in this process, following `windowServer`.
class Following {
public:
    explicit Following(WindowServer& windowServer)
        : m_store(m_folder.path())
        , m_settings(m_store)
        , m_spaces(windowServer, [this]() -> SettingsManager& { return m_settings; })
        , m_controller(m_updater, {m_spaces, m_settings, windowServer, m_statusBar}) {}

    // Runs the event loop until the status item has been redrawn for `spaceID`; when that happened.
    qint64 waitForStatusItem(SpaceID spaceID, const QElapsedTimer& clock) {
        qint64 shownAt = -1;
        QObject context;
        QObject::connect(m_controller.statusItem(), &StatusItem::labelChanged, &context, [&] {
            if (m_spaces.currentSpaceID() == spaceID) {
                shownAt = clock.nsecsElapsed();
            }
        });
        QElapsedTimer timeout;
        timeout.start();
        while (shownAt < 0 && timeout.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        return shownAt;
    }

private:
    QTemporaryDir m_folder;
    DefaultsStore m_store;
    SettingsManager m_settings;
    SpaceManager m_spaces;
    UnshownStatusBar m_statusBar;
    Updater m_updater;
    StatusBarController m_controller;
};

// A window manager driven by the benchmark: it asks for a switch and waits until the switch's first event reaches
// a listener of its own (not the program's connection, which the program reads itself).
class Driver {
public:
    virtual ~Driver() = default;
    virtual void requestSwitch(int desktop) = 0;
    virtual void waitForEvent() = 0;
    // Reads whatever else the switch brought, once it has been measured.
    virtual void finishSwitch() = 0;
    virtual SpaceID spaceIDOf(int desktop) const = 0;
};

void waitReadable(int descriptor) {
    pollfd entry{descriptor, POLLIN, 0};
    ::poll(&entry, 1, 5000);
}

class OpenboxDriver : public Driver {
public:
    explicit OpenboxDriver(const QString& display)
        : m_connection(xcb_connect(display.toLatin1().constData(), nullptr)) {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, 20, "_NET_CURRENT_DESKTOP"), nullptr);
        m_currentDesktop = reply->atom;
        std::free(reply);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~OpenboxDriver() override { xcb_disconnect(m_connection); }

    // As wmctrl -s does it.
    void requestSwitch(int desktop) override {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = m_root;
        message.type = m_currentDesktop;
        message.data.data32[0] = static_cast<uint32_t>(desktop);
        xcb_send_event(m_connection, 0, m_root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(m_connection);
    }
    void waitForEvent() override {
        for (;;) {
            waitReadable(xcb_get_file_descriptor(m_connection));
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const bool isSwitch = (event->response_type & ~0x80) == XCB_PROPERTY_NOTIFY &&
                                      reinterpret_cast<xcb_property_notify_event_t*>(event)->atom == m_currentDesktop;
                std::free(event);
                if (isSwitch) {
                    return;
                }
            }
        }
    }
    void finishSwitch() override {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            std::free(event);
        }
    }
    SpaceID spaceIDOf(int desktop) const override { return desktop + 1; }

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_currentDesktop;
};

// A blocking IPC connection of the benchmark's own.
class IpcSocket {
public:
    explicit IpcSocket(const QString& path)
        : m_descriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = QFile::encodeName(path);
        std::memcpy(address.sun_path, bytes.constData(), std::min<size_t>(bytes.size(), sizeof address.sun_path - 1));
        ::connect(m_descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    ~IpcSocket() { ::close(m_descriptor); }

    int descriptor() const { return m_descriptor; }
    void send(quint32 type, QByteArrayView payload) {
        const QByteArray message = IpcMessage::encode(type, payload);
        [[maybe_unused]] const ssize_t written = ::write(m_descriptor, message.constData(), message.size());
    }
    IpcMessage::Message receive() {
        for (;;) {
            if (auto* message = std::get_if<IpcMessage::Message>(&m_decoded)) {
                IpcMessage::Message result = *message;
                m_received.remove(0, result.size);
                m_decoded = IpcMessage::decode(m_received);
                return result;
            }
            char buffer[65536];
            const ssize_t count = ::read(m_descriptor, buffer, sizeof buffer);
            if (count <= 0) {
                return {};
            }
            m_received.append(buffer, count);
            m_decoded = IpcMessage::decode(m_received);
        }
    }

private:
    int m_descriptor;
    QByteArray m_received;
    IpcMessage::Decoded m_decoded = IpcMessage::Incomplete{};
};

class SwayDriver : public Driver {
public:
    explicit SwayDriver(const QString& socketPath)
        : m_commands(socketPath)
        , m_events(socketPath) {
        m_events.send(IpcMessage::Subscribe, R"(["workspace"])");
        m_events.receive();
    }

    void requestSwitch(int desktop) override {
        m_commands.send(0, QByteArray("workspace number ") + QByteArray::number(desktop + 1));
    }
    void waitForEvent() override { waitReadable(m_events.descriptor()); }
    void finishSwitch() override {
        m_commands.receive();
        // A switch brings a few events (a workspace made, focused, an empty one destroyed), not always at once.
        pollfd entry{m_events.descriptor(), POLLIN, 0};
        while (::poll(&entry, 1, 20) > 0) {
            m_events.receive();
        }
    }
    SpaceID spaceIDOf(int desktop) const override { return desktop + 1; }

private:
    IpcSocket m_commands;
    IpcSocket m_events;
};

void reportPercentiles(const char* label, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const size_t p99 = std::min(micros.size() - 1, micros.size() * 99 / 100);
    std::printf("%-70s median %8.1f us   p99 %8.1f us   (%zu switches)\n", label, micros[micros.size() / 2],
                micros[p99], micros.size());
    std::fflush(stdout);
}

void measureSwitches(const char* name, WindowServer& windowServer, Driver& driver) {
    Following following(windowServer);
    std::vector<double> arrival;
    std::vector<double> vantorel;
    QElapsedTimer clock;
    for (int i = 1; i <= switches; ++i) {
        const int desktop = i % 4;
        QTest::qWait(pauseBetweenSwitchesMs);
        clock.start();
        driver.requestSwitch(desktop);
        driver.waitForEvent();
        const qint64 arrivedAt = clock.nsecsElapsed();
        const qint64 shownAt = following.waitForStatusItem(driver.spaceIDOf(desktop), clock);
        driver.finishSwitch();
        if (shownAt < 0) {
            std::printf("%s: switch %d never reached the status item\n", name, i);
            return;
        }
        arrival.push_back(static_cast<double>(arrivedAt) / 1000.0);
        vantorel.push_back(static_cast<double>(shownAt - arrivedAt) / 1000.0);
    }
    reportPercentiles(qPrintable(QStringLiteral("%1: the event's arrival (switch request to event)").arg(name)),
                      arrival);
    reportPercentiles(qPrintable(QStringLiteral("%1: Vantorel (event to status item with the new Space)").arg(name)),
                      vantorel);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Diagnostics::setSink([](Diagnostics::Channel, const QString&) {});

    X11Session x11;
    QString error;
    if (!x11.start(QSize(640, 480), &error)) {
        std::printf("no X server: %s\n", qPrintable(error));
        return 1;
    }
    x11.launch(QStringLiteral("openbox"), {});
    SwaySession sway;
    if (!sway.start("bindsym Mod4+1 workspace number 1\nbindsym Mod4+2 workspace number 2\n"
                    "bindsym Mod4+3 workspace number 3\nbindsym Mod4+4 workspace number 4\n",
                    &error)) {
        std::printf("no sway: %s\n", qPrintable(error));
        return 1;
    }
    QTest::qWait(1000); // openbox publishes its desktops

    {
        X11WindowServer windowServer(x11.display());
        if (const QString openError = windowServer.open(); !openError.isEmpty()) {
            std::printf("openbox: %s\n", qPrintable(openError));
            return 1;
        }
        windowServer.start();
        OpenboxDriver driver(x11.display());
        measureSwitches("openbox", windowServer, driver);
    }
    {
        I3IpcWindowServer windowServer(QStringLiteral("sway"), [&] { return sway.socketPath(); });
        if (const QString openError = windowServer.open(); !openError.isEmpty()) {
            std::printf("sway: %s\n", qPrintable(openError));
            return 1;
        }
        SwayDriver driver(sway.socketPath());
        measureSwitches("sway", windowServer, driver);
    }

    // The program itself, idle beside each window manager.
    QProcessEnvironment onOpenbox = x11.environment();
    onOpenbox.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    VantorelProcess besideOpenbox(onOpenbox);
    VantorelProcess besideSway(sway.clientEnvironment());
    for (VantorelProcess* program : {&besideOpenbox, &besideSway}) {
        if (!program->start() || program->waitForLine(QStringLiteral("✅ Vantorel launched")) < 0) {
            std::printf("Vantorel did not start:\n%s\n", program->transcript().constData());
            return 1;
        }
    }
    QTest::qWait(1000); // past the start's delayed updates
    const long long openboxBefore = cpuMilliseconds(besideOpenbox.processId());
    const long long swayBefore = cpuMilliseconds(besideSway.processId());
    QThread::sleep(idleSeconds);
    std::printf("%-70s %8lld ms\n", qPrintable(QStringLiteral("openbox: CPU time in %1 idle seconds").arg(idleSeconds)),
                cpuMilliseconds(besideOpenbox.processId()) - openboxBefore);
    std::printf("%-70s %8lld ms\n", qPrintable(QStringLiteral("sway: CPU time in %1 idle seconds").arg(idleSeconds)),
                cpuMilliseconds(besideSway.processId()) - swayBefore);
    besideOpenbox.stop();
    besideSway.stop();
    return 0;
}
