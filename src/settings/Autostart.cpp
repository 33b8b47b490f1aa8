// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/Autostart.h"

#include "BuildInfo.h"
#include "core/AtomicFile.h"
#include "core/RegularFile.h"
#include "core/XdgConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Far more than any entry a session manager would read.
constexpr qint64 longestEntry = 1024 * 1024;

// Whether the "[Desktop Entry]" group tells the session to leave the entry alone. Booleans are read as GLib reads
// them, "1" and "0" included, since GLib-based session managers act on that reading. A comment needs no care of its
// own: its key starts with '#', so it never matches.
bool isSwitchedOff(const QByteArray& content) {
    bool inMainGroup = false;
    for (const QByteArray& rawLine : content.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inMainGroup || equals < 0) {
            continue;
        }
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && (value == "true" || value == "1")) ||
            (key == "X-GNOME-Autostart-enabled" && (value == "false" || value == "0"))) {
            return true;
        }
    }
    return false;
}

// Quoting as the Exec rules ask: an argument with a reserved character goes in double quotes, inside which '"',
// '`', '$' and '\' take a backslash.
QString quotedArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (std::none_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); })) {
        return argument;
    }
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            quoted += u'\\';
        }
        quoted += c;
    }
    return quoted + u'"';
}

// The Exec value that starts `program` with no arguments. Readers undo the string escapes of every value first,
// then the quoting, then expand field codes, so the writer goes the other way round.
QString execValue(const QString& program) {
    QString value = quotedArgument(program).replace(u'%', QStringLiteral("%%"));
    value.replace(u'\\', QStringLiteral("\\\\"));
    value.replace(u'\n', QStringLiteral("\\n"));
    value.replace(u'\t', QStringLiteral("\\t"));
    value.replace(u'\r', QStringLiteral("\\r"));
    return value;
}

} // namespace

Autostart::Autostart(QString folder, QString program)
    : m_folder(std::move(folder))
    , m_program(std::move(program)) {}

QString Autostart::standardFolder() {
    return XdgConfig::folder(QStringLiteral("autostart"));
}

Autostart& Autostart::standard() {
    static Autostart autostart(standardFolder(), QCoreApplication::applicationFilePath());
    return autostart;
}

QString Autostart::entryPath() const {
    return m_folder + QStringLiteral("/vantorel.desktop");
}

Autostart::Status Autostart::status() const {
    // A folder or a dangling link in the entry's place cannot be read, and no session would start it either.
    const RegularFile::Result file = RegularFile::read(entryPath(), longestEntry);
    if (file.outcome != RegularFile::Outcome::Read) {
        return Status::NotRegistered;
    }
    return isSwitchedOff(file.bytes) ? Status::NotRegistered : Status::Enabled;
}

QString Autostart::registerEntry() {
    // An entry is UTF-8: a path that is not would start nothing, or something else.
    if (m_program.contains(QChar::ReplacementCharacter) ||
        QFile::decodeName(QFile::encodeName(m_program)) != m_program) {
        return m_program + QStringLiteral(": the program's path is not valid UTF-8");
    }
    if (!QDir().mkpath(m_folder)) {
        return m_folder + QStringLiteral(": cannot create the folder");
    }
    const QString error = AtomicFile::replace(entryPath(), entry());
    return error.isEmpty() ? QString() : entryPath() + QStringLiteral(": ") + error;
}

QString Autostart::unregisterEntry() {
    if (::unlink(QFile::encodeName(entryPath()).constData()) == 0) {
        return {};
    }
    const int error = errno;
    // ENOTDIR: the folder's place is taken by a file, so there is no entry either.
    if (error == ENOENT || error == ENOTDIR) {
        return {};
    }
    return entryPath() + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
}

QByteArray Autostart::entry() const {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Vantorel\n"
                          "Comment=%1\n"
                          "Exec=%2\n"
                          "Icon=%3\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(QString::fromUtf8(BuildInfo::description), execValue(m_program), QLatin1String(BuildInfo::applicationId))
        .toUtf8();
}
