// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// An update feed: RSS 2.0 whose items announce releases, with the version data in the "sparkle" namespace, either
// as elements of the item or as attributes of its enclosure.
namespace Appcast {

struct Item {
    QString title;
    QString version;      // the build number that is compared
    QString shortVersion; // the version shown to people; the build number when the feed gives none
    QUrl downloadPage;    // where a person gets the release: the enclosure's url, else the item's link
    QUrl releaseNotes;
    QString os;
    QString minimumSystemVersion;
};

struct Feed {
    QList<Item> items;
    QString error; // why the bytes are not a feed; empty when they are
};

// Items without a version are skipped; so are items for another operating system than `os` (items naming none
// are for every system).
Feed parse(QByteArrayView bytes, const QString& os);

// Compares two versions as update feeds do: runs of digits compare as numbers, other runs as text, a number beats
// text, and a version that goes on with a number is the newer one (1.10 > 1.9, 1.2.0 > 1.2rc1, 1.0.1 > 1.0).
int compareVersions(const QString& a, const QString& b);

// The newest item, or nothing when the feed has none.
std::optional<Item> newest(const QList<Item>& items);

} // namespace Appcast
