// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Figures for drawing the status item: what one status-bar update costs (a new view, its size, one rendering) and
// what the square tile costs.
#include "BenchSupport.h"
#include "statusbar/StatusBarItemView.h"
#include "statusbar/StatusItemImages.h"
#include "statusbar/StatusTile.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Widgets need a platform; the figures are about our drawing, not a display server.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QString title = QStringLiteral("Project Phoenix — Design Review");
    const auto oneUpdate = [&title](ColorApplication mode, qreal devicePixelRatio) {
        return [&title, mode, devicePixelRatio] {
            StatusBarItemView view(title, QStringLiteral("#6BA3FF"), mode);
            (void)view.intrinsicContentSize();
            (void)renderItemView(view, devicePixelRatio);
        };
    };

    measure("label: new view + intrinsic size + render, 1x", 500, oneUpdate(ColorApplication::labelBackground, 1));
    measure("label: new view + intrinsic size + render, 2x", 500, oneUpdate(ColorApplication::labelBackground, 2));
    measure("tint: new view + intrinsic size + render, 1x", 500, oneUpdate(ColorApplication::statusBarBackground, 1));
    measure("tile, 22 px, 1x", 2000, [] { (void)StatusTile::render(QStringLiteral("#6BA3FF"), 3, 22, 1); });
    measure("tile, every size an item offers", 500, [] {
        for (int size : StatusTile::sizes()) {
            (void)StatusTile::render(QStringLiteral("#6BA3FF"), 3, size, 1);
        }
    });
    return 0;
}
