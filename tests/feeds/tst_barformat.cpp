// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/BarFormat.h"

#include <QTest>

Q_DECLARE_METATYPE(BarFormat)
Q_DECLARE_METATYPE(std::optional<QString>)

class TestBarFormat : public QObject {
    Q_OBJECT

private slots:
    void showsHostileNamesLiterally_data();
    void showsHostileNamesLiterally();
    void wireLinesCarryALabelOrAReason_data();
    void wireLinesCarryALabelOrAReason();
};

void TestBarFormat::showsHostileNamesLiterally_data() {
    QTest::addColumn<BarFormat>("format");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("expected");
    const QString markup = QStringLiteral("<b>&amp; %{F#f00}");

    QTest::newRow("waybar, markup, palette colour")
        << BarFormat::Waybar << markup << "#6BCF7F"
        << R"({"alt":"#6bcf7f","class":"vantorel-6bcf7f","text":" &lt;b&gt;&amp;amp; %{F#f00} ",)"
           R"("tooltip":"&lt;b&gt;&amp;amp; %{F#f00}"})";
    QTest::newRow("waybar, control characters, garbage colour")
        << BarFormat::Waybar << "a\nb\tc'd\u2028e"
        << "not a colour"
        << R"({"alt":"#000000","class":"vantorel-000000","text":"<span background='#000000' foreground='#ffffff'>)"
           R"( a b c&#39;d e </span>","tooltip":"a b c&#39;d e"})";

    QTest::newRow("polybar, a tag") << BarFormat::Polybar << markup << "#FF6B6B"
                                    << "%{B#ff6b6b}%{F#ffffff} <b>&amp; %\u200B{F#f00} %{F-}%{B-}";

    QTest::newRow("i3blocks, quotes and a backslash")
        << BarFormat::I3blocks << QString("\"; rm -rf ~\\") << "#6BA3FF"
        << R"({"full_text":"<span background='#6ba3ff' foreground='#ffffff'> &quot;; rm -rf ~&#92; </span>",)"
           R"("markup":"pango"})";

    QTest::newRow("plain, line breaks") << BarFormat::Plain << "one\ntwo\u0085three\x7f"
                                        << "#FFD93D"
                                        << "one two three ";
    // A "\ud800" escape would make strict JSON readers refuse the whole line.
    QTest::newRow("i3blocks, a lone surrogate")
        << BarFormat::I3blocks << QString(QChar(0xD800)) + "x"
        << "#6BA3FF"
        << "{\"full_text\":\"<span background='#6ba3ff' foreground='#ffffff'> \uFFFDx "
           "</span>\",\"markup\":\"pango\"}";
}

void TestBarFormat::showsHostileNamesLiterally() {
    QFETCH(BarFormat, format);
    QFETCH(QString, name);
    QFETCH(QString, color);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromUtf8(BarFormats::labelLine(format, {name, color})), expected);
}

void TestBarFormat::wireLinesCarryALabelOrAReason_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<std::optional<QString>>("name");
    const auto wire = [](const QString& name) {
        return BarLabel{name, "#123"}.toWireLine().chopped(1);
    };
    QTest::newRow("label") << wire("Mail\n\"x\"") << std::optional<QString>("Mail\n\"x\"");
    QTest::newRow("long name shortened") << wire(QString(70000, u'x'))
                                         << std::optional(QString(BarLabel::maximumNameLength, u'x'));
    QTest::newRow("half a surrogate pair") << wire(QString(QChar(0xD800))) << std::optional(QString(QChar(0xD800)));
    QTest::newRow("not JSON") << QByteArray("subscribe waybar") << std::optional<QString>();
}

void TestBarFormat::wireLinesCarryALabelOrAReason() {
    QFETCH(QByteArray, line);
    QFETCH(std::optional<QString>, name);
    QString error;
    const std::optional<BarLabel> label = BarLabel::fromWireLine(line, &error);
    QCOMPARE(label.has_value(), name.has_value());
    QCOMPARE(error.isEmpty(), name.has_value());
    if (label) {
        QCOMPARE(*label, (BarLabel{*name, "#123"}));
    }
}

QTEST_APPLESS_MAIN(TestBarFormat)
#include "tst_barformat.moc"
