// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

// Every key of the translation tables, marked so that lupdate finds them; the comments are the translators'.
// The context must match the one LocalizedTexts looks keys up in.
namespace TextKeys {

//: Default name of a new desktop; %d is its position, counted from 1.
inline constexpr char desktopLabel[] = QT_TRANSLATE_NOOP("Vantorel", "desktop_label");
//: Title of the window in which desktops are named and coloured.
inline constexpr char settingsTitle[] = QT_TRANSLATE_NOOP("Vantorel", "settings_title");
//: Menu entry that opens the window.
inline constexpr char menuSettings[] = QT_TRANSLATE_NOOP("Vantorel", "menu_settings");
//: Menu entry.
inline constexpr char menuCheckUpdates[] = QT_TRANSLATE_NOOP("Vantorel", "menu_check_updates");
//: Menu entry.
inline constexpr char menuQuit[] = QT_TRANSLATE_NOOP("Vantorel", "menu_quit");
//: Instruction bar at the top of the window.
inline constexpr char instructionsHint[] = QT_TRANSLATE_NOOP("Vantorel", "instructions_hint");
//: Shown in place of the list when there are no desktops.
inline constexpr char noDesktopsDetected[] = QT_TRANSLATE_NOOP("Vantorel", "no_desktops_detected");
//: Label of the on/off switch.
inline constexpr char launchAtLogin[] = QT_TRANSLATE_NOOP("Vantorel", "launch_at_login");
//: Button that closes the window.
inline constexpr char done[] = QT_TRANSLATE_NOOP("Vantorel", "done");
//: Position number of a desktop row; %lld is the position, counted from 1.
inline constexpr char rowNumber[] = QT_TRANSLATE_NOOP("Vantorel", "#%lld");
//: Badge on the row of the active desktop.
inline constexpr char currentBadge[] = QT_TRANSLATE_NOOP("Vantorel", "current_badge");
//: Placeholder of an empty name field.
inline constexpr char namePlaceholder[] = QT_TRANSLATE_NOOP("Vantorel", "name_placeholder");
//: Title of the update dialogs.
inline constexpr char updateTitle[] = QT_TRANSLATE_NOOP("Vantorel", "update_title");
//: No feed address was built in or set.
inline constexpr char updateNotConfigured[] = QT_TRANSLATE_NOOP("Vantorel", "update_not_configured");
//: %1 is the running version.
inline constexpr char updateUpToDate[] = QT_TRANSLATE_NOOP("Vantorel", "update_up_to_date");
//: %1 is the new version, %2 the running one.
inline constexpr char updateAvailable[] = QT_TRANSLATE_NOOP("Vantorel", "update_available");
//: %1 is a link to the release notes.
inline constexpr char updateReleaseNotes[] = QT_TRANSLATE_NOOP("Vantorel", "update_release_notes");
//: Button that opens the release's page in the browser.
inline constexpr char updateOpenDownload[] = QT_TRANSLATE_NOOP("Vantorel", "update_open_download");
//: %1 is the address.
inline constexpr char updateFeedInsecure[] = QT_TRANSLATE_NOOP("Vantorel", "update_feed_insecure");
//: %1 is the address.
inline constexpr char updateRedirectInsecure[] = QT_TRANSLATE_NOOP("Vantorel", "update_redirect_insecure");
//: The update feed is larger than 1 MiB, which no feed of ours is.
inline constexpr char updateTooLarge[] = QT_TRANSLATE_NOOP("Vantorel", "update_too_large");
//: The update feed did not answer within 15 seconds.
inline constexpr char updateTimeout[] = QT_TRANSLATE_NOOP("Vantorel", "update_timeout");
//: %1 is the network's reason.
inline constexpr char updateNetworkError[] = QT_TRANSLATE_NOOP("Vantorel", "update_network_error");
//: %1 says where and why.
inline constexpr char updateFeedBroken[] = QT_TRANSLATE_NOOP("Vantorel", "update_feed_broken");

} // namespace TextKeys
