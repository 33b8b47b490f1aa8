// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "statusbar/sni/StatusNotifierItemAdaptor.h"

// The item's interface with the Ayatana label extension, for panels that draw the label beside the icon. Offered
// only to those: MATE draws a label, even an empty one, instead of the icon.
class LabelledStatusNotifierItemAdaptor : public StatusNotifierItemAdaptor {
    Q_OBJECT
    // Named again: QtDBus takes the interface of a class's own declarations from the class itself.
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString XAyatanaLabel READ label)
    // The widest label to expect: the label itself, whose width the icon follows anyway.
    Q_PROPERTY(QString XAyatanaLabelGuide READ label)
    Q_PROPERTY(uint XAyatanaOrderingIndex READ orderingIndex)

public:
    explicit LabelledStatusNotifierItemAdaptor(StatusNotifierPresenter& presenter);

    QString label() const;
    uint orderingIndex() const { return 0; }

signals:
    void XAyatanaNewLabel(const QString& label, const QString& guide);
};
