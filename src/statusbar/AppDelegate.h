#pragma once

#include <QObject>

#include <memory>

class StatusBarController;
class Updater;

// Does the program's start-up work once the event loop is ready, and owns what lives for the whole run: the
// updater and the status bar controller.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    explicit AppDelegate(QObject* parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    // Another start of the program asked this one to show itself.
    void activationRequested();

    StatusBarController* statusBarController() const { return m_statusBarController.get(); }
    Updater* updaterController() const { return m_updaterController.get(); }

private:
    std::unique_ptr<StatusBarController> m_statusBarController;
    std::unique_ptr<Updater> m_updaterController;
};
