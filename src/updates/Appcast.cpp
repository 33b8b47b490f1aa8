// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "updates/Appcast.h"

#include <QXmlStreamReader>

namespace Appcast {
namespace {

const QString sparkleNamespace = QStringLiteral("http://www.andymatuschak.org/xml-namespaces/sparkle");

enum class RunKind { Number, Separator, Text };

struct Run {
    RunKind kind;
    QString text;
};

QList<Run> splitIntoRuns(const QString& version) {
    QList<Run> runs;
    for (const QChar c : version) {
        const RunKind kind = c.isDigit() ? RunKind::Number : c == u'.' ? RunKind::Separator : RunKind::Text;
        if (runs.isEmpty() || runs.constLast().kind != kind || kind == RunKind::Separator) {
            runs.append({kind, QString(c)});
        } else {
            runs.last().text += c;
        }
    }
    return runs;
}

QStringView withoutLeadingZeros(QStringView digits) {
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == u'0') {
        ++first;
    }
    return digits.sliced(first);
}

// Numbers of any length: without leading zeros the longer is the larger, and equal lengths compare digit by digit.
int compareNumbers(QStringView a, QStringView b) {
    const QStringView left = withoutLeadingZeros(a);
    const QStringView right = withoutLeadingZeros(b);
    if (left.size() != right.size()) {
        return left.size() < right.size() ? -1 : 1;
    }
    const int order = left.compare(right);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

void readItem(QXmlStreamReader& xml, Item& item) {
    while (xml.readNextStartElement()) {
        const bool sparkle = xml.namespaceUri() == sparkleNamespace;
        const QStringView name = xml.name();
        if (name == u"enclosure" && !sparkle) {
            const QXmlStreamAttributes attributes = xml.attributes();
            item.downloadPage = QUrl(attributes.value(QLatin1String("url")).toString());
            const auto fromAttribute = [&](const QString& attribute, QString& field) {
                if (field.isEmpty()) {
                    field = attributes.value(sparkleNamespace, attribute).toString();
                }
            };
            fromAttribute(QStringLiteral("version"), item.version);
            fromAttribute(QStringLiteral("shortVersionString"), item.shortVersion);
            fromAttribute(QStringLiteral("os"), item.os);
            xml.skipCurrentElement();
        } else if (name == u"title" && !sparkle) {
            item.title = xml.readElementText().trimmed();
        } else if (name == u"link" && !sparkle) {
            const QUrl link(xml.readElementText().trimmed());
            if (item.downloadPage.isEmpty()) {
                item.downloadPage = link;
            }
        } else if (sparkle && name == u"version") {
            item.version = xml.readElementText().trimmed(); // the element wins over the enclosure's attribute
        } else if (sparkle && name == u"shortVersionString") {
            item.shortVersion = xml.readElementText().trimmed();
        } else if (sparkle && name == u"releaseNotesLink") {
            item.releaseNotes = QUrl(xml.readElementText().trimmed());
        } else if (sparkle && name == u"minimumSystemVersion") {
            item.minimumSystemVersion = xml.readElementText().trimmed();
        } else if (sparkle && name == u"os") {
            item.os = xml.readElementText().trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
}

} // namespace

Feed parse(QByteArrayView bytes, const QString& os) {
    Feed feed;
    QXmlStreamReader xml(bytes.toByteArray());
    // No feed needs a document type, and refusing one rules out entity tricks.
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        if (xml.tokenType() == QXmlStreamReader::DTD) {
            feed.error = QStringLiteral("a document type declaration is not accepted in a feed");
            return feed;
        }
    }
    if (xml.tokenType() != QXmlStreamReader::StartElement || xml.name() != u"rss") {
        feed.error = xml.hasError() ? xml.errorString() : QStringLiteral("not an RSS document");
        return feed;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != u"channel") {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() != u"item") {
                xml.skipCurrentElement();
                continue;
            }
            Item item;
            readItem(xml, item);
            if (item.shortVersion.isEmpty()) {
                item.shortVersion = item.version;
            }
            if (!item.version.isEmpty() && (item.os.isEmpty() || item.os == os)) {
                feed.items.append(item);
            }
        }
    }
    if (xml.hasError()) {
        feed.items.clear();
        feed.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    }
    return feed;
}

int compareVersions(const QString& a, const QString& b) {
    const QList<Run> left = splitIntoRuns(a);
    const QList<Run> right = splitIntoRuns(b);
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        const Run& l = left[i];
        const Run& r = right[i];
        if (l.kind == RunKind::Number && r.kind == RunKind::Number) {
            if (const int order = compareNumbers(l.text, r.text); order != 0) {
                return order;
            }
        } else if (l.kind != r.kind) {
            // A number beats anything else; a separator beats text.
            return l.kind < r.kind ? 1 : -1;
        } else if (const int order = l.text.compare(r.text); order != 0) {
            return order < 0 ? -1 : 1;
        }
    }
    if (left.size() == right.size()) {
        return 0;
    }
    // The longer one is newer when it goes on with a number or a separator, older when it goes on with text.
    const bool leftLonger = left.size() > right.size();
    const RunKind next = (leftLonger ? left : right)[common].kind;
    const int longerIsNewer = next == RunKind::Text ? -1 : 1;
    return leftLonger ? longerIsNewer : -longerIsNewer;
}

std::optional<Item> newest(const QList<Item>& items) {
    std::optional<Item> best;
    for (const Item& item : items) {
        if (!best || compareVersions(item.version, best->version) > 0) {
            best = item;
        }
    }
    return best;
}

} // namespace Appcast
