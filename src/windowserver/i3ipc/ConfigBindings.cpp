// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/ConfigBindings.h"

#include <QList>
#include <QSet>

#include <algorithm>
#include <utility>

namespace ConfigBindings {
namespace {

using Variables = QList<std::pair<QString, QString>>;

struct BoundWorkspace {
    QString name;
    bool byNumber = false; // `workspace number N` still finds the workspace once it is called "N: name"
};
// Far longer than any binding; only a configuration built to explode gets there.
constexpr qsizetype longestExpandedLine = 64 * 1024;

// Lines with their continuations ("...\" at the end) joined.
QStringList logicalLines(const QString& text) {
    QStringList lines;
    QString pending;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (line.endsWith(QLatin1Char('\\'))) {
            pending += line.chopped(1);
            continue;
        }
        lines.append(pending + line);
        pending.clear();
    }
    if (!pending.isEmpty()) {
        lines.append(pending);
    }
    return lines;
}

// A cursor over one command, with the two ways the window managers read an argument: a word ends at white space,
// a string is either quoted or the rest of the command.
class Cursor {
public:
    explicit Cursor(QStringView text)
        : m_text(text) {}

    QStringView word() {
        skipSpaces();
        const qsizetype start = m_position;
        while (m_position < m_text.size() && !m_text[m_position].isSpace()) {
            ++m_position;
        }
        return m_text.sliced(start, m_position - start);
    }
    QStringView peekWord() {
        const qsizetype saved = m_position;
        const QStringView next = word();
        m_position = saved;
        return next;
    }
    bool skipWordIf(QStringView expected) {
        if (peekWord() != expected) {
            return false;
        }
        word();
        return true;
    }
    QString rest() {
        skipSpaces();
        return m_text.sliced(m_position).trimmed().toString();
    }
    QString string() {
        skipSpaces();
        const QStringView rest = m_text.sliced(m_position);
        if (rest.isEmpty() || (rest[0] != u'"' && rest[0] != u'\'')) {
            return rest.trimmed().toString();
        }
        QString value;
        for (qsizetype i = 1; i < rest.size() && rest[i] != rest[0]; ++i) {
            if (rest[i] == u'\\' && i + 1 < rest.size() && (rest[i + 1] == rest[0] || rest[i + 1] == u'\\')) {
                ++i;
            }
            value += rest[i];
        }
        return value;
    }
    // Criteria such as [class="Firefox"] before a command.
    void skipCriteria() {
        skipSpaces();
        if (m_position >= m_text.size() || m_text[m_position] != u'[') {
            return;
        }
        QChar quote;
        for (; m_position < m_text.size(); ++m_position) {
            const QChar c = m_text[m_position];
            if (!quote.isNull()) {
                quote = c == quote ? QChar() : quote;
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (c == u']') {
                ++m_position;
                return;
            }
        }
    }

private:
    void skipSpaces() {
        while (m_position < m_text.size() && m_text[m_position].isSpace()) {
            ++m_position;
        }
    }

    QStringView m_text;
    qsizetype m_position = 0;
};

// Commands of a chain, split at ',' and ';' outside quotes.
QList<QStringView> commands(QStringView chain) {
    QList<QStringView> result;
    QChar quote;
    qsizetype start = 0;
    for (qsizetype i = 0; i < chain.size(); ++i) {
        const QChar c = chain[i];
        if (!quote.isNull()) {
            if (c == u'\\') {
                ++i;
            } else if (c == quote) {
                quote = QChar();
            }
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u',' || c == u';') {
            result.append(chain.sliced(start, i - start));
            start = i + 1;
        }
    }
    result.append(chain.sliced(start));
    return result;
}

// The workspace a `workspace` or `move` command takes the user to, if it names one.
BoundWorkspace workspaceTarget(QStringView command) {
    static const QSet<QString> relativeTargets{QStringLiteral("next"),           QStringLiteral("prev"),
                                               QStringLiteral("next_on_output"), QStringLiteral("prev_on_output"),
                                               QStringLiteral("back_and_forth"), QStringLiteral("current")};
    const QString noBackAndForth = QStringLiteral("--no-auto-back-and-forth");
    Cursor cursor(command);
    cursor.skipCriteria();
    const QStringView verb = cursor.word();
    if (verb == u"move") {
        cursor.skipWordIf(noBackAndForth);
        if (!cursor.skipWordIf(u"window")) {
            cursor.skipWordIf(u"container");
        }
        cursor.skipWordIf(u"to");
        if (cursor.word() != u"workspace") {
            return {};
        }
    } else if (verb != u"workspace") {
        return {};
    }
    cursor.skipWordIf(noBackAndForth);
    const QStringView next = cursor.peekWord();
    if (next == u"to" || relativeTargets.contains(next.toString())) {
        return {}; // `move workspace to output ...` moves a workspace; the others name none
    }
    const bool byNumber = cursor.skipWordIf(u"number");
    return {cursor.string(), byNumber};
}

// The command of a binding, after its flags ("--release", ...) and its key.
QStringView bindingCommand(QStringView binding) {
    Cursor cursor(binding);
    QStringView key = cursor.word();
    while (key.startsWith(u"--")) {
        key = cursor.word();
    }
    const qsizetype keyEnd = key.isEmpty() ? binding.size() : (key.data() - binding.data()) + key.size();
    return binding.sliced(keyEnd);
}

Variables variablesOf(const QStringList& lines) {
    Variables variables;
    for (const QString& line : lines) {
        Cursor cursor(line);
        const QStringView keyword = cursor.word();
        if (keyword != u"set" && keyword != u"set_from_resource") {
            continue;
        }
        const QString name = cursor.word().toString();
        if (!name.startsWith(QLatin1Char('$'))) {
            continue;
        }
        if (keyword == u"set_from_resource") {
            cursor.word(); // the X resource; its fallback value is what a configuration without it gets
        }
        const QString value = cursor.rest(); // as written, quotes and all: it is pasted in as text
        const auto existing = std::find_if(variables.begin(), variables.end(),
                                           [&](const auto& variable) { return variable.first == name; });
        if (existing != variables.end()) {
            existing->second = value;
        } else {
            variables.append({name, value});
        }
    }
    // Longest first, so that $ws10 is not taken for $ws1 followed by "0".
    std::stable_sort(variables.begin(), variables.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    return variables;
}

// In one pass, as i3 does: a value pasted in is not expanded again, so that `set $b $a $a`, `set $c $b $b`, ...
// cannot double a line's length at every step. A line that still grows beyond reason is dropped.
QString expanded(const QString& line, const Variables& variables) {
    if (!line.contains(QLatin1Char('$'))) {
        return line;
    }
    QString result;
    for (qsizetype at = 0; at < line.size();) {
        const auto variable = line[at] != u'$'
                                  ? variables.end()
                                  : std::find_if(variables.begin(), variables.end(), [&](const auto& candidate) {
                                        return QStringView(line).sliced(at).startsWith(candidate.first);
                                    });
        if (variable == variables.end()) {
            result += line[at++];
            continue;
        }
        result += variable->second;
        at += variable->first.size();
        if (result.size() > longestExpandedLine) {
            return {};
        }
    }
    return result;
}

// Every workspace target of every binding, in the configuration's order.
QList<BoundWorkspace> boundWorkspaces(const QString& configText) {
    const QStringList lines = logicalLines(configText);
    const Variables variables = variablesOf(lines);
    QList<BoundWorkspace> targets;
    QList<bool> blocks; // for each open block: whether it is a block of bindings
    for (const QString& rawLine : lines) {
        const QString line = expanded(rawLine.trimmed(), variables);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (line == QLatin1String("}")) {
            if (!blocks.isEmpty()) {
                blocks.removeLast();
            }
            continue;
        }
        Cursor cursor(line);
        const QStringView keyword = cursor.peekWord();
        const bool isBinding = keyword == u"bindsym" || keyword == u"bindcode";
        if (line.endsWith(QLatin1Char('{'))) {
            blocks.append(isBinding);
            continue;
        }
        QStringView binding;
        if (isBinding) {
            binding = QStringView(line).sliced(keyword.size());
        } else if (!blocks.isEmpty() && blocks.last()) {
            binding = line;
        } else {
            continue;
        }
        for (const QStringView command : commands(bindingCommand(binding))) {
            if (BoundWorkspace target = workspaceTarget(command); !target.name.isEmpty()) {
                targets.append(std::move(target));
            }
        }
    }
    return targets;
}

} // namespace

QStringList reachableWorkspaces(const QString& configText) {
    QStringList names;
    QSet<QString> seen;
    for (const BoundWorkspace& target : boundWorkspaces(configText)) {
        if (!seen.contains(target.name)) {
            seen.insert(target.name);
            names.append(target.name);
        }
    }
    return names;
}

QSet<QString> workspacesBoundByName(const QString& configText) {
    QSet<QString> names;
    for (const BoundWorkspace& target : boundWorkspaces(configText)) {
        if (!target.byNumber) {
            names.insert(target.name);
        }
    }
    return names;
}

} // namespace ConfigBindings
