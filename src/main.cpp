// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "BuildInfo.h"
#include "feeds/BarFeed.h"
#include "app/CommandLine.h"
#include "app/DesktopCommandClient.h"
#include "instance/SingleInstance.h"
#include "settings/NamesInWindowManager.h"
#include "settings/SettingsManager.h"
#include "app/TerminationSignals.h"
#include "app/WindowServerFactory.h"
#include "app/AppDelegate.h"
#include "app/DesktopNamePublisher.h"
#include "app/ApplicationIcon.h"
#include "core/Diagnostics.h"
#include "core/LocalizedTexts.h"
#include "core/AtomicFile.h"
#include "feeds/WaybarStyleSheet.h"
#include "settings/Autostart.h"
#include "settings/DefaultsStore.h"
#include "statusbar/TrayStyle.h"

#include <QApplication>

#include <cstdio>
#include <unistd.h>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "vantorel: %s\n", message.toUtf8().constData());
    return 2;
}

// What a run killed between writing a file and renaming it left behind. Only the lock's holder may do this: another
// instance's write could be under way.
void removeLeftoverFiles() {
    DefaultsStore::standard().removeLeftovers(QStringLiteral("app_settings"));
    DefaultsStore::standard().removeLeftovers(QStringLiteral("removed_spaces"));
    AtomicFile::removeLeftovers(WaybarStyleSheet::standardPath());
    AtomicFile::removeLeftovers(Autostart::standard().entryPath());
}

// The option wins over the environment; an unknown name in the environment falls back to the automatic choice.
TrayStyle chosenTrayStyle(const CommandLine& commandLine) {
    if (commandLine.trayStyle) {
        return *commandLine.trayStyle;
    }
    const QString fromEnvironment = qEnvironmentVariable("VANTOREL_TRAY_STYLE");
    if (fromEnvironment.isEmpty()) {
        return TrayStyle::Automatic;
    }
    const std::optional<TrayStyle> named = TrayStyles::named(fromEnvironment);
    if (!named) {
        Diagnostics::print(QStringLiteral("❌ Unknown tray style '%1' in VANTOREL_TRAY_STYLE (%2): choosing by panel")
                               .arg(fromEnvironment, TrayStyles::allNames()));
    }
    return named.value_or(TrayStyle::Automatic);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const CommandLine commandLine = CommandLine::parse(arguments, QProcessEnvironment::systemEnvironment());
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::printf("%s\n", commandLine.message.toUtf8().constData());
        return 0;
    case CommandLine::Action::Fail:
        return fail(commandLine.message);
    case CommandLine::Action::Run:
        break;
    }
    // A bar's feed and a command are clients of the running program, never an instance themselves.
    if (commandLine.bar) {
        const SingleInstance runningInstance;
        return BarFeed(*commandLine.bar, commandLine.output, commandLine.windowServerArguments(), runningInstance)
            .run();
    }
    if (commandLine.command) {
        const SingleInstance runningInstance;
        return DesktopCommandClient(*commandLine.command, commandLine.windowServerArguments(), runningInstance).run();
    }
    TrayStyles::choose(chosenTrayStyle(commandLine));
    // A second start hands over to the first before it does anything else. Starts at the same moment (the session's
    // autostart and a bar's feed) take turns through the launch lock, which a feed holds while the program it started
    // comes up; a start that had to wait for one is part of the same launch, not a request for the window.
    const bool startedByFeed = qEnvironmentVariableIsSet(BarFeed::startedByFeedVariable);
    qunsetenv(BarFeed::startedByFeedVariable);
    SingleInstance singleInstance;
    QString instanceError;
    bool waitedForAnotherStart = false;
    const int launchLock = startedByFeed ? -1 : singleInstance.holdLaunchLock(&instanceError, &waitedForAnotherStart);
    if (!instanceError.isEmpty()) {
        return fail(instanceError);
    }
    if (!singleInstance.acquire(&instanceError)) {
        if (!instanceError.isEmpty()) {
            return fail(instanceError);
        }
        if (startedByFeed || waitedForAnotherStart || singleInstance.askRunningInstanceToActivate()) {
            return 0;
        }
        return fail(QStringLiteral("another Vantorel is running but does not answer."));
    }
    // Whether there is anything to follow at all is known before the application needs a display.
    WindowServerFactory windowServers(commandLine.windowServer, commandLine.spacesFrom,
                                      WindowServerFactory::Environment::current());
    if (!windowServers.hasCandidates()) {
        return fail(windowServers.error());
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantorel"));
    QApplication::setApplicationVersion(QLatin1String(BuildInfo::version));
    // Names the desktop entry, which Wayland compositors and task bars match windows with.
    QApplication::setDesktopFileName(QLatin1String(BuildInfo::applicationId));
    QApplication::setWindowIcon(applicationIcon());
    LocalizedTexts::installTranslations(application);
    removeLeftoverFiles();

    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::received, &application, &QCoreApplication::quit);

    const std::unique_ptr<WindowServerBackend> windowServer = windowServers.open();
    if (terminationSignals.wasReceived()) {
        return 0; // while opening, where the main loop could not hear it yet
    }
    if (!windowServer) {
        return fail(windowServers.error());
    }
    WindowServer::setShared(windowServer.get());
    SettingsManager::shared().setWindowManagerNames(
        [&windowServer = *windowServer](SpaceID spaceID) { return windowServer.desktopName(spaceID); });
    NamesInWindowManager::shared().setDefault(!windowServer->bindsByName());
    DesktopNamePublisher namePublisher(*windowServer, SettingsManager::shared(), NamesInWindowManager::shared());

    AppDelegate delegate;
    if (QString error; !singleInstance.listen(&error)) {
        return fail(error);
    }
    if (launchLock >= 0) {
        ::close(launchLock);
    }
    QObject::connect(&singleInstance, &SingleInstance::activationRequested, &delegate,
                     &AppDelegate::activationRequested);
    QObject::connect(&singleInstance, &SingleInstance::subscriptionRequested, &delegate,
                     &AppDelegate::subscriptionRequested);
    delegate.applicationDidFinishLaunching();
    windowServer->start();
    const int status = QApplication::exec();
    WindowServer::setShared(nullptr);
    return status;
}
