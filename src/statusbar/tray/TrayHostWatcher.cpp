// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/tray/TrayHostWatcher.h"

#include <QGuiApplication>
#include <QRegularExpression>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const QByteArray& name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.constData()), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The screen part of DISPLAY (":0.1" is screen 1); the tray selection is per screen.
int screenNumber() {
    static const QRegularExpression screen(QStringLiteral(R"(\.(\d+)$)"));
    const QRegularExpressionMatch match = screen.match(qEnvironmentVariable("DISPLAY"));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

xcb_window_t rootWindow(xcb_connection_t* connection) {
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int skip = screenNumber(); skip > 0 && screens.rem > 1; --skip) {
        xcb_screen_next(&screens);
    }
    return screens.data->root;
}

} // namespace

TrayHostWatcher::TrayHostWatcher(QObject* parent)
    : QObject(parent) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    m_connection = x11->connection();
    m_managerAtom = internAtom(m_connection, "MANAGER");
    m_selectionAtom = internAtom(m_connection, "_NET_SYSTEM_TRAY_S" + QByteArray::number(screenNumber()));

    // A new tray announces itself with a MANAGER message to the root window's structure listeners. Qt owns this
    // connection's event mask on the root window, so add to it rather than replace it.
    const xcb_window_t root = rootWindow(m_connection);
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, root), nullptr);
    const uint32_t mask = (attributes != nullptr ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    std::free(attributes);
    xcb_change_window_attributes(m_connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

TrayHostWatcher::~TrayHostWatcher() {
    if (m_connection != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool TrayHostWatcher::trayHostExists() const {
    if (m_connection == nullptr) {
        return false;
    }
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_selectionAtom), nullptr);
    const bool owned = reply != nullptr && reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    return owned;
}

bool TrayHostWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE) {
        const auto* clientMessage = static_cast<const xcb_client_message_event_t*>(message);
        if (clientMessage->type == m_managerAtom && clientMessage->data.data32[1] == m_selectionAtom) {
            emit trayHostStarted();
        }
    }
    return false;
}
