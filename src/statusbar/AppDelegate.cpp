#include "statusbar/AppDelegate.h"

#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"

void AppDelegate::applicationDidFinishLaunching() {
    SpaceManager& spaceManager = SpaceManager::shared();
    SettingsManager& settingsManager = SettingsManager::shared();
    // Every Space that exists gets a configuration; those of vanished Spaces go.
    settingsManager.syncConfigs(spaceManager.allSpaceIDs());
}
