#include "platform/CommandLine.h"

#include "BuildInfo.h"

#include <QCommandLineParser>

namespace {

// QCommandLineParser's own help needs an application object, and --help must work before one exists.
QString helpText(const QList<QCommandLineOption>& options) {
    QString text = QStringLiteral("Usage: vantorel [options]\n"
                                  "Vantorel %1: %2.\n"
                                  "Shows the name of the active desktop in the panel, on a label in its colour.\n\n"
                                  "Options:\n")
                       .arg(QLatin1String(BuildInfo::version), QLatin1String(BuildInfo::description));
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names()) {
            names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        }
        QString synopsis = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) {
            synopsis += QLatin1Char('=') + option.valueName();
        }
        text += QStringLiteral("  %1  %2\n").arg(synopsis, -26).arg(option.description());
    }
    text += QStringLiteral("\nSettings are kept in $XDG_CONFIG_HOME/vantorel/app_settings.json "
                           "(~/.config/vantorel/ when XDG_CONFIG_HOME is not set).");
    return text;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption spacesFrom(QStringLiteral("spaces-from"),
                                        QStringLiteral("Take the desktops from FILE, JSON Lines written by hand, "
                                                       "instead of the window manager (see examples/)."),
                                        QStringLiteral("FILE"));
    const QList<QCommandLineOption> options{help, version, spacesFrom};

    QCommandLineParser parser;
    parser.addOptions(options);

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = Action::Fail;
        result.message = parser.errorText() + QStringLiteral("\nTry 'vantorel --help'.");
    } else if (parser.isSet(help)) {
        result.action = Action::ShowHelp;
        result.message = helpText(options);
    } else if (parser.isSet(version)) {
        result.action = Action::ShowVersion;
        result.message = QStringLiteral("vantorel %1").arg(QLatin1String(BuildInfo::version));
    } else if (parser.isSet(spacesFrom) && parser.value(spacesFrom).isEmpty()) {
        result.action = Action::Fail;
        result.message = QStringLiteral("--spaces-from needs a file.\nTry 'vantorel --help'.");
    } else if (!parser.positionalArguments().isEmpty()) {
        result.action = Action::Fail;
        result.message = QStringLiteral("Unexpected argument '%1'.\nTry 'vantorel --help'.")
                             .arg(parser.positionalArguments().constFirst());
    }
    result.spacesFrom = parser.value(spacesFrom);
    return result;
}
