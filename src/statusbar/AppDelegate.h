#pragma once

#include <QObject>

// Does the program's start-up work once the event loop is ready, and owns what lives for the whole run.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    void applicationDidFinishLaunching();
};
