#include "gui/countdown/OutlinedLabel.h"

#include <QFontDatabase>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTest>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// The outline as the label drew it before: nine calls of drawText.
void drawnByDrawText(QPainter &painter, const QRect &area, int flags, const QString &text,
    const QColor &outline, const QColor &fill)
{
    painter.setPen(outline);
    for (const QPoint offset : {QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1), QPoint(-1, 0),
             QPoint(1, 0), QPoint(-1, 1), QPoint(0, 1), QPoint(1, 1)}) {
        painter.drawText(area.translated(offset), flags, text);
    }
    painter.setPen(fill);
    painter.drawText(area, flags, text);
}

struct Case
{
    QFont font;
    QRect area;
    int flags;
    QString text;
    Qt::LayoutDirection direction;
    qreal pixelRatio;
};

QImage drawn(const Case &c, bool reference)
{
    QImage image((QSizeF(400, 80) * c.pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(c.pixelRatio);
    QPainter painter(&image);
    // Light and dark under the text, so that every copy's blending shows.
    QLinearGradient ground(0, 0, 400, 80);
    ground.setColorAt(0, Qt::white);
    ground.setColorAt(1, QColor(20, 40, 90));
    painter.fillRect(QRect(0, 0, 400, 80), ground);
    painter.setFont(c.font);
    painter.setLayoutDirection(c.direction);
    const QColor outline(0, 0, 0, 190);
    if (reference) {
        drawnByDrawText(painter, c.area, c.flags, c.text, outline, Qt::white);
    } else {
        DrawOutlinedText(painter, c.area, c.flags, c.text, outline, Qt::white);
    }
    return image;
}

QFont font(const QString &family, qreal points, QFont::Weight weight = QFont::Normal)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setWeight(weight);
    return f;
}

} // namespace

class tst_OutlinedText final : public QObject
{
    Q_OBJECT

private slots:
    void drawsWhatNineDrawTextCallsDraw();
};

// The outline is shaped once and drawn nine times; every pixel must come out as the nine
// drawText calls put it: across the window's fonts, odd and even widths (half-pixel centring),
// alignments, right-to-left text, spaces at the ends, text cut at the edges, scaled displays,
// and text the painter lays out differently (tabs, line breaks, decorations, right alignment).
void tst_OutlinedText::drawsWhatNineDrawTextCallsDraw()
{
    const QString sans = QFontDatabase::families().contains(u"DejaVu Sans"_s)
        ? u"DejaVu Sans"_s
        : QFont().defaultFamily();
    QFont underlined = font(sans, 12);
    underlined.setUnderline(true);
    const std::array fonts = {font(sans, 21.75), font(sans, 9.75, QFont::Bold), font(sans, 8.25),
        font(u"DejaVu Serif"_s, 14.5, QFont::DemiBold)};
    const std::array texts
        = {u"0 Days"_s, u"1,234,567 Hours"_s, u"59 Seconds"_s, u"Every second brings it closer."_s,
            u"  spaced  "_s, u"שלום עולם 42"_s, u"مرحبا 7 Seconds"_s, u"Ünïcödé çàfé ﬁ"_s,
            u"A line far too long for the rectangle it is given, cut at both of its edges"_s};
    const std::array areas = {QRect(24, 16, 345, 41), QRect(24, 16, 344, 41), QRect(0, 20, 385, 17),
        QRect(10, 5, 120, 12)};
    const std::array flags = {int(Qt::AlignCenter), int(Qt::AlignLeft | Qt::AlignVCenter),
        int(Qt::AlignHCenter | Qt::AlignBottom),
        int(Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute)};
    int compared = 0;
    const auto check = [&compared](const Case &c) {
        const QImage expected = drawn(c, true);
        QVERIFY2(drawn(c, false) == expected,
            qPrintable(u"\"%1\" in %2 %3pt, flags %4, %5, ratio %6"_s.arg(c.text, c.font.family())
                           .arg(c.font.pointSizeF())
                           .arg(c.flags, 0, 16)
                           .arg(c.direction == Qt::RightToLeft ? u"RTL"_s : u"LTR"_s)
                           .arg(c.pixelRatio)));
        ++compared;
    };
    for (const QFont &f : fonts) {
        for (const QString &text : texts) {
            for (const QRect &area : areas) {
                for (const int flag : flags) {
                    check({f, area, flag, text, Qt::LeftToRight, 1});
                    if (QTest::currentTestFailed()) {
                        return;
                    }
                }
            }
        }
    }
    for (const QString &text : texts) {
        for (const qreal ratio : {1.0, 1.25, 2.0}) {
            for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
                check({fonts[0], areas[0], int(Qt::AlignCenter), text, direction, ratio});
                check({fonts[1], areas[2], int(Qt::AlignLeft | Qt::AlignVCenter), text, direction,
                    ratio});
                if (QTest::currentTestFailed()) {
                    return;
                }
            }
        }
    }
    for (const Case &c :
        {Case {fonts[0], areas[0], int(Qt::AlignCenter), u"4\t5"_s, Qt::LeftToRight, 1},
            Case {fonts[0], areas[0], int(Qt::AlignCenter), u"two\nlines"_s, Qt::LeftToRight, 1},
            Case {underlined, areas[0], int(Qt::AlignCenter), u"under"_s, Qt::LeftToRight, 1},
            Case {fonts[0], areas[0], int(Qt::AlignRight | Qt::AlignVCenter), u"right "_s,
                Qt::RightToLeft, 1},
            Case {fonts[0], areas[0], int(Qt::AlignCenter), QString(), Qt::LeftToRight, 1}}) {
        check(c);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
    QCOMPARE(compared, 4 * 9 * 4 * 4 + 9 * 3 * 2 * 2 + 5);
}

QTEST_MAIN(tst_OutlinedText)
#include "tst_outlinedtext.moc"
