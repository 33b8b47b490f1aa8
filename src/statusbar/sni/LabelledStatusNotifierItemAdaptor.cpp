// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/LabelledStatusNotifierItemAdaptor.h"

#include "statusbar/sni/StatusNotifierPresenter.h"

LabelledStatusNotifierItemAdaptor::LabelledStatusNotifierItemAdaptor(StatusNotifierPresenter& presenter)
    : StatusNotifierItemAdaptor(presenter) {
    connect(&presenter, &StatusNotifierPresenter::labelChanged, this,
            [this] { emit XAyatanaNewLabel(label(), label()); });
}

QString LabelledStatusNotifierItemAdaptor::label() const {
    return m_presenter.label();
}
