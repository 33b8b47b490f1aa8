// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Beside i3, the bars the README configures with `vantorel --bar=...`: i3blocks in i3's bar along the bottom, whose
// feed starts Vantorel as none runs yet, and polybar along the top, whose feed finds that one. Both show the active
// desktop's label in its colour and follow a switch.
#include "I3Bar.h"
#include "PixelChecks.h"
#include "ShowTiming.h"
#include "VantorelProcess.h"

#include <QTest>

namespace {

constexpr int polybarHeight = 24;
constexpr QRect polybarArea(0, 0, 640, polybarHeight);
constexpr QRect i3barArea(0, 480 - 24, 640, 24);

// polybar's black bar across the top with the module `vantorel`, a `custom/script` that shows each line `feedCommand`
// prints, as the README tells users to add it. polybar's messages are on the returned process's error channel.
QProcess& launchPolybar(X11Session& session, const QString& feedCommand) {
    const QString config =
        QStringLiteral("[bar/top]\nwidth = 100%\nheight = %1\nbackground = #000000\n"
                       "foreground = #ffffff\nfont-0 = DejaVu Sans:size=10;2\nmodules-left = vantorel\n"
                       "[module/vantorel]\ntype = custom/script\nexec = %2\ntail = true\n")
            .arg(polybarHeight)
            .arg(feedCommand);
    return session.launch("polybar", {"--config=" + session.writeConfigFile("polybar.ini", config.toUtf8()), "top"});
}

} // namespace

class TestBarsOnI3 : public QObject {
    Q_OBJECT

private slots:
    void barsShowTheLabelAndFollowASwitch() {
        REQUIRE_PROGRAMS("Xvfb", "i3", "i3bar", "i3-msg", "i3blocks", "polybar");
        X11Session session;
        VERIFY_STARTS(session.start(QSize(640, 480), &error));
        storeMailAndChat(session.configFolder());

        // The program the feeds start is nobody's child: the session ends it.
        launchI3WithBlocks(session, VANTOREL_BINARY " --bar=i3blocks",
                           "bindsym Mod4+1 workspace number 1\nbindsym Mod4+2 workspace number 2\n");
        const auto labelIn = [&](const QRect& bar, const QColor& colour) {
            return boundsOfColour(session.grab(bar), colour);
        };
        QTRY_VERIFY_WITH_TIMEOUT(labelIn(i3barArea, mailColour).width() > 20, 20000);
        QProcess& polybar = launchPolybar(session, VANTOREL_BINARY " --bar=polybar");
        QTRY_VERIFY2_WITH_TIMEOUT(labelIn(polybarArea, mailColour).width() > 20,
                                  polybar.readAllStandardError().right(2000).constData(), 20000);
        QVERIFY(labelIn(i3barArea, chatColour).isEmpty() && labelIn(polybarArea, chatColour).isEmpty());

        QElapsedTimer sinceSwitch;
        sinceSwitch.start();
        QCOMPARE(session.run("i3-msg", {"workspace", "number", "2"}), R"([{"success":true}])");
        for (const auto& [bar, area] : {std::pair{"polybar", polybarArea}, {"i3blocks", i3barArea}}) {
            const auto shownAfter =
                millisecondsUntil(sinceSwitch, [&] { return labelIn(area, chatColour).width() > 20; });
            QVERIFY2(shownAfter, bar);
            qInfo("%s showed the new desktop's label within %lld ms of the switch", bar, *shownAfter);
            QVERIFY(labelIn(area, mailColour).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestBarsOnI3)
#include "tst_barsoni3.moc"
