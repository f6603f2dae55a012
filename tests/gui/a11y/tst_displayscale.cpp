#include "gui/countdown/frmMain.h"
#include "gui/settingsdialog/frmConfig.h"

#include "WindowHarness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <cmath>
#include <limits>

// Run once per display scale (QT_SCALE_FACTOR set by CTest): every text of both windows is shown
// whole in the fixed rectangles of their layout, with whatever fonts the system resolves.
namespace {

// Where the style draws a control's text, and the text itself. A text fits when its advance
// and line height fit that rectangle: the style clips there, so anything wider is cut off.
struct TextBox
{
    QRect area;
    QString text;
};

TextBox textBox(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        const int margin = label->margin();
        // A label indents its text by half an "x" when it has a frame and no indent of its own.
        int indent = label->indent();
        if (indent < 0) {
            indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(u'x') / 2 : 0;
        }
        return {label->contentsRect().adjusted(margin + indent, margin, -margin, -margin),
            label->text()};
    }
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (button->inherits("QCheckBox")) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (button->inherits("QRadioButton")) {
        contents = QStyle::SE_RadioButtonContents;
    }
    return {button->style()->subElementRect(contents, &option, button), button->text()};
}

// Every label and button of the window that shows a text, with what does not fit.
QStringList textsCutOff(const QWidget &window)
{
    QStringList cut;
    QList<QWidget *> controls;
    for (QLabel *label : window.findChildren<QLabel *>()) {
        controls.append(label);
    }
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        controls.append(button);
    }
    for (const QWidget *control : std::as_const(controls)) {
        const TextBox box = textBox(control);
        if (box.text.isEmpty()) {
            continue;
        }
        // Fractional metrics: at scales above 1 glyphs are placed at fractions of a pixel.
        const QFontMetricsF metrics(control->font(), control);
        const qreal width = metrics.horizontalAdvance(box.text);
        const qreal height = metrics.height();
        if (std::ceil(width) > box.area.width() || std::ceil(height) > box.area.height()) {
            cut.append(
                QStringLiteral("%1 \"%2\" (%3): %4x%5 needed, %6x%7 there")
                    .arg(control->objectName(), box.text, QFontInfo(control->font()).family())
                    .arg(width, 0, 'f', 1)
                    .arg(height, 0, 'f', 1)
                    .arg(box.area.width())
                    .arg(box.area.height()));
        }
    }
    return cut;
}

} // namespace

class tst_DisplayScale final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void countdownTextsAreWhole_data();
    void countdownTextsAreWhole();
    void settingsTextsAreWhole();
    void settingsButtonPictureIsSharp();

private:
    qreal m_scale = 1;
    WindowHarness h;
};

void tst_DisplayScale::initTestCase()
{
    const QByteArray requested = qgetenv("QT_SCALE_FACTOR");
    m_scale = requested.isEmpty() ? 1.0 : requested.toDouble();
}

void tst_DisplayScale::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_DisplayScale::countdownTextsAreWhole_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QDateTime>("now");
    // The readout counts up to 2^31 - 1 of any unit; seconds give its longest lines.
    const QDateTime built(QDate(2003, 6, 10), QTime(8, 0));
    constexpr qint64 widest = std::numeric_limits<qint32>::max();
    QTest::newRow("widest count after the event") << BuiltInEventDate() << built.addSecs(widest);
    QTest::newRow("widest count before the event") << BuiltInEventDate() << built.addSecs(-widest);
    QTest::newRow("half a year ahead")
        << QStringLiteral("2004-01-19 01:15") << QDateTime(QDate(2003, 6, 30), QTime(23, 0));
}

void tst_DisplayScale::countdownTextsAreWhole()
{
    QFETCH(QString, target);
    QFETCH(QDateTime, now);
    h.clock.setNow(now);
    h.events.resetToBuiltInEvent();
    h.events.appendEvent(target, BuiltInEventDescription());
    h.events.ActiveEvent = 1;
    frmMain window(h.events, h.clock, h.pictures);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The scale asked for is the one drawn at, picture included.
    QCOMPARE(window.devicePixelRatio(), m_scale);
    QCOMPARE(window.grab().devicePixelRatio(), m_scale);
    QVERIFY(!child<QLabel>(window, "lblSec")->text().isEmpty());
    const QStringList cut = textsCutOff(window);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void tst_DisplayScale::settingsTextsAreWhole()
{
    frmConfig dialog(h.events, h.settings, h.messages, h.files, h.login, h.pictures);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.grab().devicePixelRatio(), m_scale);
    const QStringList cut = textsCutOff(dialog);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void tst_DisplayScale::settingsButtonPictureIsSharp()
{
    frmMain window(h.events, h.clock, h.pictures);
    const auto *button = child<QPushButton>(window, "cmdConfig");
    // The picture drawn at this scale comes from an image with at least as many pixels, not
    // from the 16x16 one enlarged.
    const QPixmap shown = button->icon().pixmap(button->iconSize(), m_scale);
    QCOMPARE(shown.size(), button->iconSize() * m_scale);
    QCOMPARE(window.windowIcon().pixmap(QSize(32, 32), m_scale).size(), QSize(32, 32) * m_scale);
}

QTEST_MAIN(tst_DisplayScale)
#include "tst_displayscale.moc"
