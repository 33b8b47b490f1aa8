// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/x11/X11WindowServer.h"

#include "core/Diagnostics.h"

#include <cstdlib>

X11WindowServer::X11WindowServer(QString displayName)
    : m_displayName(std::move(displayName)) {}

X11WindowServer::~X11WindowServer() {
    m_notifier.reset();
    if (m_haveAtoms) {
        xcb_ewmh_connection_wipe(&m_ewmh);
    }
    if (m_connection != nullptr) {
        xcb_disconnect(m_connection);
    }
}

QString X11WindowServer::open() {
    m_connection = xcb_connect(m_displayName.toLocal8Bit().constData(), &m_screen);
    if (xcb_connection_has_error(m_connection) != 0) {
        return QStringLiteral("cannot connect to the X server on %1").arg(m_displayName);
    }
    m_haveAtoms = xcb_ewmh_init_atoms_replies(&m_ewmh, xcb_ewmh_init_atoms(m_connection, &m_ewmh), nullptr) == 1;
    if (!m_haveAtoms || m_screen < 0 || m_screen >= m_ewmh.nb_screens) {
        return QStringLiteral("the X server on %1 gives no EWMH atoms").arg(m_displayName);
    }
    // Selected before the first reading, so that no change after it goes unseen.
    const uint32_t eventMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_connection, m_ewmh.screens[m_screen]->root, XCB_CW_EVENT_MASK, &eventMask);
    m_reading = readDesktops();
    Diagnostics::systemLog(QStringLiteral("🔌 Following the window manager on X display %1").arg(m_displayName));
    if (const QString problem = EwmhDesktops::problem(m_reading); !problem.isEmpty()) {
        Diagnostics::systemLog(QStringLiteral("❌ X11: %1").arg(problem));
    }
    return {};
}

void X11WindowServer::start() {
    m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &X11WindowServer::handleEvents);
    // Events that arrived while opening already sit in xcb's queue, where no notifier sees them.
    QMetaObject::invokeMethod(this, &X11WindowServer::handleEvents, Qt::QueuedConnection);
}

std::optional<QList<qint64>> X11WindowServer::copySpaces(qint32, qint32) {
    return EwmhDesktops::spaceIDs(m_reading);
}

quint64 X11WindowServer::activeSpace(qint32) {
    return EwmhDesktops::activeSpace(m_reading);
}

std::optional<quint32> X11WindowServer::desktopOf(SpaceID spaceID) const {
    const std::optional<QList<qint64>> spaces = EwmhDesktops::spaceIDs(m_reading);
    const qsizetype desktop = spaces ? spaces->indexOf(spaceID) : -1;
    return desktop < 0 ? std::nullopt : std::optional<quint32>(quint32(desktop));
}

void X11WindowServer::setDesktopName(SpaceID spaceID, const QString& name) {
    const std::optional<quint32> desktop = desktopOf(spaceID);
    if (!desktop) {
        return;
    }
    QList<QByteArray> names;
    xcb_ewmh_get_utf8_strings_reply_t reply{};
    if (xcb_ewmh_get_desktop_names_reply(&m_ewmh, xcb_ewmh_get_desktop_names(&m_ewmh, m_screen), &reply, nullptr) ==
        1) {
        QByteArray strings(reply.strings, int(reply.strings_len));
        if (strings.endsWith('\0')) {
            strings.chop(1); // each name ends in a NUL, the last one too
        }
        names = strings.isEmpty() ? QList<QByteArray>() : strings.split('\0');
        xcb_ewmh_get_utf8_strings_reply_wipe(&reply);
    }
    names.resize(std::max<qsizetype>(names.size(), *desktop + 1));
    names[*desktop] = name.toUtf8();
    const QByteArray strings = names.join('\0') + '\0';
    xcb_ewmh_set_desktop_names(&m_ewmh, m_screen, uint32_t(strings.size()), strings.constData());
    xcb_flush(m_connection);
}

QString X11WindowServer::switchTo(SpaceID spaceID) {
    const std::optional<QList<qint64>> spaces = EwmhDesktops::spaceIDs(m_reading);
    if (!spaces || !spaces->contains(spaceID)) {
        return QStringLiteral("the window manager has no desktop %1").arg(spaceID);
    }
    // The window manager decides; the property change that follows announces the switch.
    xcb_ewmh_request_change_current_desktop(&m_ewmh, m_screen, EwmhDesktops::desktopOfSpaceID(spaceID),
                                            XCB_CURRENT_TIME);
    xcb_flush(m_connection);
    return {};
}

void X11WindowServer::handleEvents() {
    if (!m_notifier->isEnabled()) {
        return; // the connection died: its last reading stands
    }
    std::optional<EwmhDesktops::Reading> fresh;
    // Reading waits for replies, and events that come meanwhile are queued behind them: take those too.
    for (bool changed = takeEvents(xcb_poll_for_event); changed; changed = takeEvents(xcb_poll_for_queued_event)) {
        fresh = readDesktops();
    }
    if (xcb_connection_has_error(m_connection) != 0) {
        m_notifier->setEnabled(false); // a dead connection stays readable: stop listening to it
        Diagnostics::systemLog(QStringLiteral("❌ X11: lost the connection to the X server on %1; keeping the last "
                                              "reading of the desktops")
                                   .arg(m_displayName));
        return;
    }
    if (fresh && *fresh != m_reading) {
        apply(*fresh);
    }
}

bool X11WindowServer::takeEvents(EventSource source) {
    bool changed = false;
    while (xcb_generic_event_t* event = source(m_connection)) {
        if ((event->response_type & ~0x80) == XCB_PROPERTY_NOTIFY) {
            const xcb_atom_t atom = reinterpret_cast<const xcb_property_notify_event_t*>(event)->atom;
            changed = changed || atom == m_ewmh._NET_NUMBER_OF_DESKTOPS || atom == m_ewmh._NET_CURRENT_DESKTOP;
        }
        std::free(event);
    }
    return changed;
}

EwmhDesktops::Reading X11WindowServer::readDesktops() {
    // Both requests go out before either reply is awaited: one round trip.
    const xcb_get_property_cookie_t countCookie = xcb_ewmh_get_number_of_desktops(&m_ewmh, m_screen);
    const xcb_get_property_cookie_t currentCookie = xcb_ewmh_get_current_desktop(&m_ewmh, m_screen);
    EwmhDesktops::Reading reading;
    uint32_t value = 0;
    if (xcb_ewmh_get_number_of_desktops_reply(&m_ewmh, countCookie, &value, nullptr) == 1) {
        reading.count = value;
    }
    if (xcb_ewmh_get_current_desktop_reply(&m_ewmh, currentCookie, &value, nullptr) == 1) {
        reading.current = value;
    }
    return reading;
}

void X11WindowServer::apply(const EwmhDesktops::Reading& reading) {
    const QString problem = EwmhDesktops::problem(reading);
    if (!problem.isEmpty() && problem != EwmhDesktops::problem(m_reading)) {
        Diagnostics::systemLog(QStringLiteral("❌ X11: %1; keeping the last list of desktops").arg(problem));
    }
    m_reading = reading;
    emit activeSpaceDidChange();
}
