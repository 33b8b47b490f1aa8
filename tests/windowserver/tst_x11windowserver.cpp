// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// The X11 backend against a private X server whose root window properties the test sets itself, as a window
// manager would.
#include "windowserver/x11/X11WindowServer.h"

#include "DiagnosticsCapture.h"
#include "X11Session.h"

#include <QSignalSpy>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

// Stands in for the window manager: writes root window properties.
class RootWriter {
public:
    explicit RootWriter(const QString& display)
        : m_connection(xcb_connect(display.toLatin1().constData(), nullptr)) {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    }
    ~RootWriter() { xcb_disconnect(m_connection); }

    void setCardinal(const char* name, uint32_t value) {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_root, atom(name), XCB_ATOM_CARDINAL, 32, 1, &value);
    }
    void remove(const char* name) { xcb_delete_property(m_connection, m_root, atom(name)); }
    // Sends everything written so far at once, as one switch of a window manager does, and waits until the server
    // has it.
    void flush() { std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr)); }

private:
    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t atom = reply->atom;
        std::free(reply);
        return atom;
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
};

} // namespace

class TestX11WindowServer : public QObject {
    Q_OBJECT

private slots:
    void init() {
        REQUIRE_PROGRAMS("Xvfb");
        m_session = std::make_unique<X11Session>();
        VERIFY_STARTS(m_session->start(QSize(320, 240), &error));
        m_writer = std::make_unique<RootWriter>(m_session->display());
        m_writer->setCardinal("_NET_NUMBER_OF_DESKTOPS", 4);
        m_writer->setCardinal("_NET_CURRENT_DESKTOP", 0);
        m_writer->flush();
    }

    void followsTheDesktopsOnePostPerBatch() {
        DiagnosticsCapture capture;
        X11WindowServer server(m_session->display());
        QCOMPARE(server.open(), QString());
        QCOMPARE(server.copySpaces(1, 7), std::optional(QList<qint64>{1, 2, 3, 4}));
        QCOMPARE(server.activeSpace(1), quint64(1));
        QSignalSpy posts(&server, &WindowServer::activeSpaceDidChange);
        server.start();

        m_writer->setCardinal("_NET_CURRENT_DESKTOP", 2);
        m_writer->setCardinal("_NET_NUMBER_OF_DESKTOPS", 6);
        m_writer->setCardinal("_NET_DESKTOP_VIEWPORT", 0);
        m_writer->flush();
        QTRY_COMPARE(posts.size(), 1);
        QCOMPARE(server.activeSpace(1), quint64(3));
        QCOMPARE(server.copySpaces(1, 7)->size(), 6);

        // Properties that change nothing that matters, and a current desktop written again unchanged.
        m_writer->setCardinal("_NET_DESKTOP_VIEWPORT", 1);
        m_writer->setCardinal("_NET_CURRENT_DESKTOP", 2);
        m_writer->flush();
        QTest::qWait(200);
        QCOMPARE(posts.size(), 1);
        QVERIFY(capture.all.filter("❌").isEmpty());
    }

    void reportsReadingsItCannotUse() {
        DiagnosticsCapture capture;
        X11WindowServer server(m_session->display());
        QCOMPARE(server.open(), QString());
        server.start();

        m_writer->setCardinal("_NET_NUMBER_OF_DESKTOPS", 50000);
        m_writer->flush();
        QTRY_COMPARE(capture.systemLog.filter("❌").size(), 1);
        QVERIFY(capture.systemLog.filter("❌").constFirst().contains("50000"));
        QCOMPARE(server.copySpaces(1, 7), std::optional<QList<qint64>>());

        m_writer->remove("_NET_NUMBER_OF_DESKTOPS");
        m_writer->flush();
        QTRY_COMPARE(capture.systemLog.filter("❌").size(), 2);
        QVERIFY(capture.systemLog.filter("❌").constLast().contains("sets no _NET_NUMBER_OF_DESKTOPS"));

        m_writer->setCardinal("_NET_NUMBER_OF_DESKTOPS", 2);
        m_writer->flush();
        QTRY_COMPARE(server.copySpaces(1, 7), std::optional(QList<qint64>{1, 2}));
        QCOMPARE(capture.systemLog.filter("❌").size(), 2);
    }

    void keepsItsLastReadingWhenTheServerGoes() {
        DiagnosticsCapture capture;
        X11WindowServer server(m_session->display());
        QCOMPARE(server.open(), QString());
        server.start();
        m_writer.reset();
        m_session.reset();
        QTRY_COMPARE(capture.systemLog.filter("lost the connection to the X server").size(), 1);
        QTest::qWait(200); // a dead connection stays readable: it must not be reported again, or spin
        QCOMPARE(capture.systemLog.filter("lost the connection").size(), 1);
        QCOMPARE(server.copySpaces(1, 7), std::optional(QList<qint64>{1, 2, 3, 4}));
        QCOMPARE(server.activeSpace(1), quint64(1));
    }

private:
    std::unique_ptr<X11Session> m_session;
    std::unique_ptr<RootWriter> m_writer;
};

QTEST_GUILESS_MAIN(TestX11WindowServer)
#include "tst_x11windowserver.moc"
