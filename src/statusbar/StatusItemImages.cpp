// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusItemImages.h"

#include "statusbar/StatusBarItemView.h"

#include <QPainter>
#include <QtMath>

namespace {

QImage transparentImage(QSize logicalSize, qreal devicePixelRatio) {
    QImage image(qCeil(logicalSize.width() * devicePixelRatio), qCeil(logicalSize.height() * devicePixelRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage renderItemView(StatusBarItemView& view, qreal devicePixelRatio) {
    view.resize(view.sizeHint());
    QImage image = transparentImage(view.size(), devicePixelRatio);
    QPainter painter(&image);
    // Without the window background, which a parentless widget would otherwise be given.
    view.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}
