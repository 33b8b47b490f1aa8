#include "statusbar/StatusNotifierPresenter.h"

#include "DiagnosticsCapture.h"
#include "PanelBus.h"
#include "PixelChecks.h"
#include "statusbar/StatusBarItemView.h"

#include <QDBusObjectPath>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <QtEndian>

namespace {

const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");

// The published pixels back as an image, read as the protocol defines them.
QImage imageOf(const SniPixmap& pixmap) {
    QImage image(pixmap.width, pixmap.height, QImage::Format_ARGB32);
    const auto* pixels = reinterpret_cast<const uchar*>(pixmap.bytes.constData());
    for (int y = 0; y < pixmap.height; ++y) {
        for (int x = 0; x < pixmap.width; ++x) {
            image.setPixel(x, y, qFromBigEndian<quint32>(pixels + 4 * (qsizetype(y) * pixmap.width + x)));
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

// A status item shown by a presenter on a private bus, with a panel hosting the watcher there.
class Fixture {
public:
    bool start(QString* error) {
        if (!panelBus.start(error, true)) {
            return false;
        }
        show(QStringLiteral("Mail"), QStringLiteral("#6BA3FF"));
        presenter = std::make_unique<StatusNotifierPresenter>(item, panelBus.connection);
        host = panelBus.panel.get();
        return true;
    }

    // What the status bar controller does on an update.
    void show(const QString& title, const QString& color) {
        StatusBarButton& button = *item.button();
        for (QWidget* view : button.subviews()) {
            button.removeSubview(view);
        }
        button.addSubview(new StatusBarItemView(title, color, ColorApplication::labelBackground));
    }
    QDBusMessage callItem(const QString& method, const QVariantList& arguments = {}) {
        return host->call(StatusNotifierPresenter::serviceName(), StatusNotifierPresenter::itemPath, itemInterface,
                          method, arguments);
    }
    // Signals sent before a reply arrive before it: a call makes sure every earlier signal is in.
    QStringList signalsAfterRoundTrip() {
        host->itemProperties(StatusNotifierPresenter::serviceName());
        QStringList names;
        for (const QDBusMessage& message : std::as_const(host->itemSignals)) {
            names.append(message.member());
        }
        return names;
    }

    DiagnosticsCapture capture;
    PanelBus panelBus;
    FakeStatusNotifierHost* host = nullptr;
    StatusItem item{std::make_unique<StatusBarButton>()};
    std::unique_ptr<StatusNotifierPresenter> presenter;
};

class TestStatusNotifierPresenter : public QObject {
    Q_OBJECT

private slots:
    void registersAndPublishesTheWholeLabel();
    void namesGoOutLiterally_data();
    void namesGoOutLiterally();
    void signalsOnlyWhatChanged_data();
    void signalsOnlyWhatChanged();
    void clicksReachTheButton_data();
    void clicksReachTheButton();
};

void TestStatusNotifierPresenter::registersAndPublishesTheWholeLabel() {
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error), qPrintable(error));
    const QString service = QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid());
    QTRY_COMPARE(fixture.host->registeredItems, QStringList{service});
    QTRY_VERIFY(fixture.capture.systemLog.contains("✅ Status item shown by the StatusNotifierWatcher as " + service));

    const QVariantMap properties = fixture.host->itemProperties(StatusNotifierPresenter::serviceName());
    QCOMPARE(properties.value("Category"), "ApplicationStatus");
    QCOMPARE(properties.value("Id"), "vantorel");
    QCOMPARE(properties.value("Status"), "Active");
    QCOMPARE(properties.value("IconName"), "");
    QCOMPARE(properties.value("ItemIsMenu"), true);
    QCOMPARE(properties.value("Menu").value<QDBusObjectPath>().path(), "/MenuBar");
    QCOMPARE(properties.value("XAyatanaOrderingIndex"), 0u);
    QVERIFY(qdbus_cast<QList<SniPixmap>>(properties.value("AttentionIconPixmap")).isEmpty());

    const QList<SniPixmap> pixmaps = qdbus_cast<QList<SniPixmap>>(properties.value("IconPixmap"));
    const int width = StatusBarItemView("Mail", "", ColorApplication::labelBackground).sizeHint().width();
    QCOMPARE(pixmaps.size(), 2);
    for (int scale : {1, 2}) {
        const SniPixmap& pixmap = pixmaps.at(scale - 1);
        QCOMPARE(QSize(pixmap.width, pixmap.height), QSize(width, 22) * scale);
        QCOMPARE(pixmap.bytes.size(), qsizetype(pixmap.width) * pixmap.height * 4);
        const QImage image = imageOf(pixmap);
        QVERIFY(image.save(QDir::current().filePath(QStringLiteral("vantorel-sni-icon-%1x.png").arg(scale))));
        QVERIFY(pixelIs(image, QPoint(2, 11) * scale, QColor(0x6B, 0xA3, 0xFF, 230))); // the label before the symbol
        QVERIFY(pixelIs(image, QPoint(width - 1, 0) * scale, Qt::transparent));        // outside its round corner
    }
}

void TestStatusNotifierPresenter::namesGoOutLiterally_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("markup") << "<b>&amp; %{F#f00}";
    QTest::newRow("shell") << "\"; rm -rf ~";
    QTest::newRow("emoji and accents") << "Ünïcødé 🚀";
}

void TestStatusNotifierPresenter::namesGoOutLiterally() {
    QFETCH(QString, name);
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error), qPrintable(error));
    fixture.show(name, "#112233");
    const QVariantMap properties = fixture.host->itemProperties(StatusNotifierPresenter::serviceName());
    for (const char* property : {"Title", "XAyatanaLabel", "XAyatanaLabelGuide"}) {
        QCOMPARE(properties.value(property), name);
    }
    const SniToolTip toolTip = qdbus_cast<SniToolTip>(properties.value("ToolTip"));
    QCOMPARE(toolTip.title, name);
    QCOMPARE(toolTip.iconName, "");
    QVERIFY(toolTip.iconPixmaps.isEmpty());
    QCOMPARE(toolTip.description, "");
}

void TestStatusNotifierPresenter::signalsOnlyWhatChanged_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("new name") << "Chat"
                              << "#6BA3FF" << QStringList{"NewIcon", "NewTitle", "NewToolTip", "XAyatanaNewLabel"};
    QTest::newRow("new colour") << "Mail"
                                << "#FF6B6B" << QStringList{"NewIcon"};
    QTest::newRow("same again") << "Mail"
                                << "#6BA3FF" << QStringList{};
}

void TestStatusNotifierPresenter::signalsOnlyWhatChanged() {
    QFETCH(QString, title);
    QFETCH(QString, color);
    QFETCH(QStringList, expected);
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error), qPrintable(error));
    QTRY_COMPARE(fixture.host->registeredItems.size(), 1);
    fixture.show(title, color);
    QCOMPARE(fixture.signalsAfterRoundTrip(), expected);
    if (expected.contains("XAyatanaNewLabel")) {
        QCOMPARE(fixture.host->itemSignals.constLast().arguments(), (QVariantList{title, title}));
    }
}

void TestStatusNotifierPresenter::clicksReachTheButton_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<int>("clicksListenedTo");
    QTest::addColumn<int>("expectedClicks");
    const int both = StatusBarButton::LeftMouseUp | StatusBarButton::RightMouseUp;
    QTest::newRow("Activate is a left click")
        << "Activate" << QVariantList{10, 20} << int(StatusBarButton::LeftMouseUp) << 1;
    QTest::newRow("ContextMenu is a right click")
        << "ContextMenu" << QVariantList{10, 20} << int(StatusBarButton::RightMouseUp) << 1;
    QTest::newRow("SecondaryActivate does nothing") << "SecondaryActivate" << QVariantList{10, 20} << both << 0;
    QTest::newRow("Scroll does nothing") << "Scroll" << QVariantList{120, "vertical"} << both << 0;
}

void TestStatusNotifierPresenter::clicksReachTheButton() {
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(int, clicksListenedTo);
    QFETCH(int, expectedClicks);
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error), qPrintable(error));
    StatusBarButton& button = *fixture.item.button();
    int clicks = 0;
    button.sendActionOn(clicksListenedTo);
    // As the controller does: a menu attached while the click lasts. Offscreen it must not wait for a choice.
    button.setAction([&](StatusBarButton*) {
        QMenu menu;
        menu.addAction("Settings");
        fixture.item.setMenu(&menu);
        button.performClick();
        fixture.item.setMenu(nullptr);
        ++clicks;
    });
    QCOMPARE(fixture.callItem(method, arguments).type(), QDBusMessage::ReplyMessage);
    fixture.signalsAfterRoundTrip();
    QCoreApplication::processEvents();
    QCOMPARE(clicks, expectedClicks);
}

QTEST_MAIN(TestStatusNotifierPresenter)
#include "tst_statusnotifierpresenter.moc"
