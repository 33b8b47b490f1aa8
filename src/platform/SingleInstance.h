#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per user: the first start holds a lock in the user's runtime folder and listens on a socket
// beside it; a later start finds the lock taken and hands over to the first through that socket. The lock is an
// flock(), which the system releases when its holder dies, so a crash never blocks the next start.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // $XDG_RUNTIME_DIR/vantorel, or /tmp/vantorel-<uid> without a runtime folder.
    static QString standardFolder();

    explicit SingleInstance(QString folder = standardFolder(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock; false when another instance holds it (or the folder is unusable: then `error` says why).
    bool acquire(QString* error = nullptr);
    // As a later start: asks the running instance to show itself. Works before any application object exists.
    // Returns whether the running instance confirmed.
    bool askRunningInstanceToActivate() const;
    // As the running instance: listens for later starts. Call after acquire() succeeded.
    bool listen(QString* error = nullptr);

signals:
    void activationRequested();

private:
    QString socketPath() const;

    QString m_folder;
    int m_lockDescriptor = -1;
    QLocalServer* m_server = nullptr;
};
