#pragma once

#include <QObject>

// Looks for newer versions of the program when the user asks. Started at launch; it never checks on its own
// unless the user has turned that on.
class Updater : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    void start() { m_started = true; }
    bool isStarted() const { return m_started; }

private:
    bool m_started = false;
};
