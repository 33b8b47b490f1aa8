// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "DiagnosticsCapture.h"
#include "FakeWindowServer.h"
#include "marking/MarkDesktopsViewModel.h"
#include "settings/Autostart.h"
#include "settings/DefaultsStore.h"
#include "settings/LaunchAtLoginManager.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

// The managers behind the marking window on a fake window server, with the settings store and the autostart folder
// in a temporary folder.
class MarkingFixture {
public:
    MarkingFixture(QList<qint64> spaces, quint64 active)
        : store(folder.path() + "/vantorel")
        , settings(store)
        , autostart(folder.path() + "/autostart", "/usr/bin/vantorel") {
        windowServer.spaces = std::move(spaces);
        windowServer.active = active;
        spaceManager = std::make_unique<SpaceManager>(windowServer, [this]() -> SettingsManager& { return settings; });
        QCoreApplication::processEvents(); // the first refresh's follow-up
        capture.clear();
    }

    MarkDesktopsViewModel::Services services() {
        return {*spaceManager, settings, [this]() -> LaunchAtLoginManager& {
                    if (!launchAtLogin) {
                        launchAtLogin = std::make_unique<LaunchAtLoginManager>(autostart);
                    }
                    return *launchAtLogin;
                }};
    }

    DiagnosticsCapture capture;
    QTemporaryDir folder;
    DefaultsStore store;
    SettingsManager settings;
    FakeWindowServer windowServer;
    Autostart autostart;
    std::unique_ptr<SpaceManager> spaceManager;
    std::unique_ptr<LaunchAtLoginManager> launchAtLogin;
};
