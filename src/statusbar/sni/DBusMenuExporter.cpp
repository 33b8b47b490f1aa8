// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/DBusMenuExporter.h"

#include "core/Diagnostics.h"
#include "statusbar/sni/DBusMenuAdaptor.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace {

// Longest piece of a panel's text that goes into a diagnostic line.
constexpr qsizetype quotedTextLimit = 64;

// Qt marks a mnemonic with "&" ("&&" is a literal one), dbusmenu with "_" ("__" is a literal one).
QString dbusMenuLabel(const QString& text) {
    QString label;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
            label += text.at(i) == QLatin1Char('&') ? QStringLiteral("&") : QStringLiteral("_") + text.at(i);
        } else if (c == QLatin1Char('_')) {
            label += QStringLiteral("__");
        } else {
            label += c;
        }
    }
    return label;
}

// Ctrl+Q is [["Control", "q"]]: the modifiers by their dbusmenu names, then the key, a letter in lower case.
DBusMenuShortcut dbusMenuShortcut(const QKeySequence& sequence) {
    DBusMenuShortcut shortcut;
    for (int i = 0; i < sequence.count(); ++i) {
        const QKeyCombination combination = sequence[i];
        QStringList keys;
        const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
        for (const auto& [modifier, name] : {std::pair{Qt::ControlModifier, "Control"},
                                             {Qt::AltModifier, "Alt"},
                                             {Qt::ShiftModifier, "Shift"},
                                             {Qt::MetaModifier, "Super"}}) {
            if (modifiers.testFlag(modifier)) {
                keys.append(QLatin1String(name));
            }
        }
        const Qt::Key key = combination.key();
        const QString keyName = QKeySequence(key).toString(QKeySequence::PortableText);
        keys.append(key >= Qt::Key_A && key <= Qt::Key_Z ? keyName.toLower() : keyName);
        shortcut.append(keys);
    }
    return shortcut;
}

QVariantMap entryProperties(const QAction& action) {
    QVariantMap properties{{QStringLiteral("visible"), action.isVisible()},
                           {QStringLiteral("enabled"), action.isEnabled()}};
    if (action.isSeparator()) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        return properties;
    }
    properties.insert(QStringLiteral("label"), dbusMenuLabel(action.text()));
    if (!action.shortcut().isEmpty()) {
        properties.insert(QStringLiteral("shortcut"), QVariant::fromValue(dbusMenuShortcut(action.shortcut())));
    }
    return properties;
}

const QVariantMap& rootProperties() {
    static const QVariantMap properties{{QStringLiteral("children-display"), QStringLiteral("submenu")}};
    return properties;
}

QVariantMap onlyNamed(const QVariantMap& properties, const QStringList& names) {
    if (names.isEmpty()) {
        return properties;
    }
    QVariantMap named;
    for (const QString& name : names) {
        if (const auto found = properties.constFind(name); found != properties.cend()) {
            named.insert(name, *found);
        }
    }
    return named;
}

// A panel's text as it may appear in a line: short, and without control characters that would break the line.
QString quoted(const QString& text) {
    QString shown = text.left(quotedTextLimit);
    for (QChar& c : shown) {
        if (c.category() == QChar::Other_Control) {
            c = QChar::ReplacementCharacter;
        }
    }
    return QLatin1Char('\'') + shown + (text.size() > quotedTextLimit ? QStringLiteral("…'") : QStringLiteral("'"));
}

void reportUnknownEntry(int id) {
    Diagnostics::systemLog(QStringLiteral("❌ Menu request for unknown entry %1").arg(id));
}

} // namespace

DBusMenuExporter::DBusMenuExporter(MenuBuilder buildMenu, QObject* parent)
    : QObject(parent)
    , m_buildMenu(std::move(buildMenu)) {
    registerDBusTypes();
    new DBusMenuAdaptor(*this);
}

DBusMenuExporter::~DBusMenuExporter() = default;

bool DBusMenuExporter::rebuild() {
    m_menu = m_buildMenu();
    QList<QVariantMap> entries;
    if (m_menu) {
        for (const QAction* action : m_menu->actions()) {
            entries.append(entryProperties(*action));
        }
    }
    const bool changed = m_built && entries != m_entries;
    m_entries = std::move(entries);
    m_built = true;
    if (changed) {
        ++m_revision;
        emit layoutUpdated(m_revision, rootId);
    }
    return changed;
}

void DBusMenuExporter::buildOnce() {
    if (!m_built) {
        rebuild();
    }
}

std::optional<QVariantMap> DBusMenuExporter::propertiesOf(int id) const {
    if (id == rootId) {
        return rootProperties();
    }
    if (isEntry(id)) {
        return m_entries.at(id - 1);
    }
    reportUnknownEntry(id);
    return std::nullopt;
}

DBusMenuLayout DBusMenuExporter::layout(int parentId, int recursionDepth, const QStringList& propertyNames) {
    if (parentId == rootId) {
        rebuild();
    } else {
        buildOnce();
    }
    const std::optional<QVariantMap> properties = propertiesOf(parentId);
    DBusMenuLayout layout{parentId, onlyNamed(properties.value_or(QVariantMap()), propertyNames), {}};
    if (parentId == rootId && recursionDepth != 0) {
        for (int id = 1; id <= m_entries.size(); ++id) {
            layout.children.append(
                QVariant::fromValue(DBusMenuLayout{id, onlyNamed(m_entries.at(id - 1), propertyNames), {}}));
        }
    }
    return layout;
}

QList<DBusMenuItem> DBusMenuExporter::groupProperties(const QList<int>& ids, const QStringList& propertyNames) {
    buildOnce();
    QList<int> wanted = ids;
    if (wanted.isEmpty()) {
        for (int id = 1; id <= m_entries.size(); ++id) {
            wanted.append(id);
        }
    }
    QList<DBusMenuItem> items;
    for (int id : wanted) {
        if (const std::optional<QVariantMap> properties = propertiesOf(id)) {
            items.append({id, onlyNamed(*properties, propertyNames)});
        }
    }
    return items;
}

std::optional<QVariant> DBusMenuExporter::property(int id, const QString& name) {
    buildOnce();
    const std::optional<QVariantMap> properties = propertiesOf(id);
    if (!properties) {
        return std::nullopt;
    }
    if (const auto found = properties->constFind(name); found != properties->cend()) {
        return *found;
    }
    Diagnostics::systemLog(
        QStringLiteral("❌ Menu request for unknown property %1 of entry %2").arg(quoted(name)).arg(id));
    return std::nullopt;
}

bool DBusMenuExporter::handleEvent(int id, const QString& eventId) {
    buildOnce();
    if (id != rootId && !isEntry(id)) {
        reportUnknownEntry(id);
        return false;
    }
    if (eventId == QLatin1String("clicked")) {
        if (id != rootId) {
            // The panel's call returns first; the command (a window, a dialog, quitting) runs afterwards.
            QAction* action = m_menu->actions().at(id - 1);
            QMetaObject::invokeMethod(
                this, [menu = m_menu, action] { action->trigger(); }, Qt::QueuedConnection);
        }
    } else if (eventId != QLatin1String("opened") && eventId != QLatin1String("closed") &&
               eventId != QLatin1String("hovered")) {
        Diagnostics::systemLog(QStringLiteral("❌ Unknown menu event %1 for entry %2").arg(quoted(eventId)).arg(id));
    }
    return true;
}

std::optional<bool> DBusMenuExporter::aboutToShow(int id) {
    if (id == rootId) {
        return rebuild();
    }
    buildOnce();
    if (!isEntry(id)) {
        reportUnknownEntry(id);
        return std::nullopt;
    }
    return false;
}
