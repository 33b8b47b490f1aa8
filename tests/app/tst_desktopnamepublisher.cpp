// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/DesktopNamePublisher.h"

#include "DiagnosticsCapture.h"
#include "FakeWindowServer.h"
#include "settings/DefaultsStore.h"
#include "settings/NamesInWindowManager.h"
#include "settings/SettingsManager.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

class NamingWindowServer : public FakeWindowServer {
public:
    void setDesktopName(SpaceID spaceID, const QString& name) override {
        named.append(QStringLiteral("%1=%2").arg(spaceID).arg(name));
    }
    QStringList named;
};

} // namespace

class TestDesktopNamePublisher : public QObject {
    Q_OBJECT

private slots:
    void givesRenamedDesktopsToTheWindowManager() {
        DiagnosticsCapture capture;
        QTemporaryDir folder;
        DefaultsStore store(folder.path());
        SettingsManager settings(store);
        settings.getOrCreateConfig(1, 0);
        settings.getOrCreateConfig(2, 1);
        NamesInWindowManager choice(store);
        choice.setDefault(false); // as on i3
        NamingWindowServer windowServer;
        DesktopNamePublisher publisher(windowServer, settings, choice);

        settings.updateConfig(1, QStringLiteral("Mail"), std::nullopt);
        settings.getOrCreateConfig(3, 2); // new, not renamed
        QCOMPARE(windowServer.named, QStringList());
        choice.setEnabled(true);
        QStringList everyName;
        for (const auto& [spaceID, config] : settings.settings().spaces) {
            everyName.append(QStringLiteral("%1=%2").arg(spaceID).arg(config.name));
        }
        QCOMPARE(windowServer.named, everyName);
        QCOMPARE(everyName.size(), 3);
        QCOMPARE(NamesInWindowManager(store).isEnabled(), true); // kept for the next start

        windowServer.named.clear();
        settings.updateConfig(2, QStringLiteral("Chat"), std::nullopt);
        settings.updateConfig(1, std::nullopt, QStringLiteral("#123456"));
        settings.getOrCreateConfig(4, 3);
        QCOMPARE(windowServer.named, QStringList{"2=Chat"});
    }
};

QTEST_GUILESS_MAIN(TestDesktopNamePublisher)
#include "tst_desktopnamepublisher.moc"
