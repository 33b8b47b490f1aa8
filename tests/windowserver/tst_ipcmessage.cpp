// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/IpcMessage.h"

#include "IpcHeader.h"

#include <QTest>

class TestIpcMessage : public QObject {
    Q_OBJECT

private slots:
    void waitsForTheRestAtEveryCut() {
        const QByteArray message = IpcMessage::encode(IpcMessage::GetConfig, R"({"config":"x"})");
        for (qsizetype cut = 0; cut < message.size(); ++cut) {
            QVERIFY2(std::holds_alternative<IpcMessage::Incomplete>(IpcMessage::decode(message.first(cut))),
                     qPrintable(QString::number(cut)));
        }
    }

    void faults_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("bad magic") << ipcHeader("i3-ipX", 0, 1) << "bad magic";
        // Known before the whole header is there.
        QTest::newRow("bad magic, first bytes") << QByteArray("HTTP") << "bad magic";
        QTest::newRow("one byte over the limit")
            << ipcHeader("i3-ipc", IpcMessage::longestPayload + 1, 1) << "over the limit";
    }

    void faults() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const IpcMessage::Decoded decoded = IpcMessage::decode(bytes);
        QVERIFY(std::holds_alternative<IpcMessage::Fault>(decoded));
        QVERIFY2(std::get<IpcMessage::Fault>(decoded).reason.contains(reason),
                 qPrintable(std::get<IpcMessage::Fault>(decoded).reason));
        // The longest allowed length waits for its payload instead.
        QVERIFY(std::holds_alternative<IpcMessage::Incomplete>(
            IpcMessage::decode(ipcHeader("i3-ipc", IpcMessage::longestPayload, 1))));
    }
};

QTEST_APPLESS_MAIN(TestIpcMessage)
#include "tst_ipcmessage.moc"
