#include "platform/CommandLine.h"
#include "platform/Diagnostics.h"
#include "settings/SettingsManager.h"
#include "statusbar/LocalizedTexts.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const CommandLine commandLine = CommandLine::parse(arguments);
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::printf("%s\n", commandLine.message.toUtf8().constData());
        return 0;
    case CommandLine::Action::Fail:
        std::fprintf(stderr, "vantorel: %s\n", commandLine.message.toUtf8().constData());
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantorel"));
    LocalizedTexts::installTranslations(application);
    SettingsManager::shared();
    return QApplication::exec();
}
