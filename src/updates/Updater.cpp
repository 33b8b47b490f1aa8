// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "updates/Updater.h"

#include "BuildInfo.h"
#include "core/LocalizedTexts.h"
#include "core/TextKeys.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

namespace {

using LocalizedTexts::localized;

void showInDialog(const UpdateCheck::Result& result) {
    auto* dialog = new QMessageBox();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(localized(TextKeys::updateTitle));
    dialog->setTextFormat(Qt::PlainText);
    switch (result.outcome) {
    case UpdateCheck::Outcome::UpToDate:
        dialog->setIcon(QMessageBox::Information);
        dialog->setText(localized(TextKeys::updateUpToDate).arg(QLatin1String(BuildInfo::version)));
        break;
    case UpdateCheck::Outcome::NotConfigured:
        dialog->setIcon(QMessageBox::Information);
        dialog->setText(localized(TextKeys::updateNotConfigured));
        break;
    case UpdateCheck::Outcome::Failed:
        dialog->setIcon(QMessageBox::Warning);
        dialog->setText(result.reason);
        break;
    case UpdateCheck::Outcome::UpdateAvailable: {
        dialog->setIcon(QMessageBox::Information);
        dialog->setText(
            localized(TextKeys::updateAvailable).arg(result.newest.shortVersion, QLatin1String(BuildInfo::version)));
        if (result.newest.releaseNotes.isValid() && !result.newest.releaseNotes.isEmpty()) {
            dialog->setInformativeText(
                localized(TextKeys::updateReleaseNotes).arg(result.newest.releaseNotes.toString()));
        }
        const QUrl page = result.newest.downloadPage;
        if (UpdateCheck::isAllowed(page)) {
            QPushButton* open = dialog->addButton(localized(TextKeys::updateOpenDownload), QMessageBox::AcceptRole);
            QObject::connect(open, &QPushButton::clicked, [page] { QDesktopServices::openUrl(page); });
        }
        break;
    }
    }
    dialog->addButton(QMessageBox::Close);
    dialog->open();
}

} // namespace

Updater::Updater(QObject* parent)
    : Updater(configuredFeed(), showInDialog, parent) {}

Updater::Updater(QUrl feed, Presenter presenter, QObject* parent)
    : QObject(parent)
    , m_feed(std::move(feed))
    , m_presenter(std::move(presenter)) {}

QUrl Updater::configuredFeed() {
    const QByteArray fromEnvironment = qgetenv("VANTOREL_APPCAST_URL");
    return QUrl(QString::fromUtf8(fromEnvironment.isEmpty() ? QByteArray(BuildInfo::appcastUrl) : fromEnvironment));
}

void Updater::checkForUpdates() {
    if (m_running) {
        return;
    }
    m_running = new UpdateCheck(m_feed, QLatin1String(BuildInfo::version), this);
    connect(m_running, &UpdateCheck::finished, this, [this](const UpdateCheck::Result& result) {
        m_running->deleteLater();
        m_presenter(result);
    });
    m_running->start();
}
