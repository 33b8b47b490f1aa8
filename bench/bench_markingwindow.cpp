// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Figures for the marking window: building and showing it (the first opening: window, view, view model with its two
// loads, every row, the first paint) for 16 and for 200 Spaces, and one keystroke in a name field through the whole
// chain: row, view model, settings save, "SettingsDidChange", status-bar update, and the view's rebuild.
#include "BenchSupport.h"
#include "marking/MarkDesktopsView.h"
#include "marking/MarkDesktopsWindowController.h"
#include "marking/SpaceConfigRow.h"
#include "settings/Autostart.h"
#include "settings/DefaultsStore.h"
#include "core/Diagnostics.h"
#include "updates/Updater.h"
#include "settings/LaunchAtLoginManager.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"
#include "windowserver/WindowServer.h"
#include "core/LocalizedTexts.h"
#include "statusbar/StatusBarController.h"
#include "statusbar/StatusItem.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

class ListedSpaces : public WindowServer {
public:
    explicit ListedSpaces(int count) {
        for (qint64 id = 1; id <= count; ++id) {
            m_spaces.append(id);
        }
    }
    qint32 mainConnectionID() override { return 1; }
    std::optional<QList<qint64>> copySpaces(qint32, qint32) override { return m_spaces; }
    quint64 activeSpace(qint32) override { return 1; }

private:
    QList<qint64> m_spaces;
};

class UnshownStatusBar : public StatusBar {
public:
    std::unique_ptr<StatusItem> statusItem() override {
        return std::make_unique<StatusItem>(std::make_unique<StatusBarButton>());
    }
};

// Every manager the window talks to, on a temporary folder.
struct Session {
    explicit Session(int spaceCount, const QString& folderTemplate = QString())
        : folder(folderTemplate)
        , store(folder.path() + "/vantorel")
        , settings(store)
        , autostart(folder.path() + "/autostart", "/usr/bin/vantorel")
        , launchAtLogin(autostart)
        , windowServer(spaceCount)
        , spaces(windowServer, [this]() -> SettingsManager& { return settings; }) {
        settings.syncConfigs(spaces.allSpaceIDs());
    }
    MarkDesktopsWindowController::ContentFactory content() {
        return [this] {
            return std::make_unique<MarkDesktopsView>(
                MarkDesktopsViewModel::Services{spaces, settings, [this]() -> LaunchAtLoginManager& {
                                                    return launchAtLogin;
                                                }});
        };
    }

    QTemporaryDir folder;
    DefaultsStore store;
    SettingsManager settings;
    Autostart autostart;
    LaunchAtLoginManager launchAtLogin;
    ListedSpaces windowServer;
    SpaceManager spaces;
};

// Counts paints of the window, to know when it has been drawn.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int paints = 0;
};

void measureOpening(const char* label, int spaceCount, int rounds) {
    Session session(spaceCount);
    measure(label, rounds, [&] {
        MarkDesktopsWindowController controller(session.content());
        controller.openMarkDesktopsWindow();
        PaintCounter counter;
        controller.window()->installEventFilter(&counter);
        while (counter.paints == 0) {
            QCoreApplication::processEvents();
        }
    });
}

void sendKey(QWidget* target, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

// The save syncs the file and its folder to the disk, which dominates on a busy disk: the same keystroke with the
// settings on a RAM disk shows the rest of the chain.
void measureKeystroke(const char* label, const QString& folderTemplate, int rounds) {
    Session session(16, folderTemplate);
    UnshownStatusBar statusBar;
    Updater updater;
    StatusBarController controller(updater, {session.spaces, session.settings, session.windowServer, statusBar});
    MarkDesktopsWindowController window(session.content());
    window.openMarkDesktopsWindow();
    QCoreApplication::processEvents();
    QLineEdit* field = static_cast<MarkDesktopsView*>(window.contentView())->rows().constFirst()->nameField();
    int keystroke = 0;
    measure(label, rounds, [&] {
        // A letter, then taking it back: every keystroke changes the name.
        if (keystroke++ % 2 == 0) {
            sendKey(field, Qt::Key_A, QStringLiteral("a"));
        } else {
            sendKey(field, Qt::Key_Backspace, QString());
        }
        QCoreApplication::processEvents();
    });
    measure("   the settings save and its notification alone", rounds,
            [&] { session.settings.updateConfig(1, QStringLiteral("Desktop 1a"), std::nullopt); });
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    // Offscreen there is nothing to raise, and Qt says so at every opening.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        if (message != QLatin1String("This plugin does not support raise()")) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
        }
    });
    LocalizedTexts::installTranslations(application);
    Diagnostics::setSink([](Diagnostics::Channel, const QString&) {});

    measureOpening("build and show the window, 16 Spaces", 16, 30);
    measureOpening("build and show the window, 200 Spaces", 200, 10);
    measureKeystroke("one keystroke to the status item, 16 Spaces, on disk", QString(), 400);
    measureKeystroke("one keystroke to the status item, 16 Spaces, on a RAM disk", "/dev/shm/vantorel-bench-XXXXXX",
                     400);
    return 0;
}
