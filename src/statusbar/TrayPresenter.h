#pragma once

#include <QObject>
#include <QString>

class QSystemTrayIcon;
class StatusBarButton;

// Shows a status item's button in the system tray. Tray hosts draw icons square, so the tray shows the item's
// square form: the label's colour and the desktop symbol, with the desktop's name as the tool tip.
class TrayPresenter : public QObject {
    Q_OBJECT

public:
    TrayPresenter(StatusBarButton& button, QObject* parent);

private:
    void present();

    StatusBarButton& m_button;
    QSystemTrayIcon* m_trayIcon;
    QString m_shownTitle;
    QString m_shownColor;
};
