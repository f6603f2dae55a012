#include "gui/countdown/frmMain.h"

#include "core/countdown/Readout.h"
#include "core/events/EventList.h"
#include "core/events/ShownText.h"
#include "core/host/Clock.h"
#include "gui/countdown/OutlinedLabel.h"
#include "gui/host/FontFamilies.h"
#include "gui/host/PictureLoader.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <array>
#include <span>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize ClientSize(385, 294);
static_assert(ClientSize == WallpaperShownSize);
constexpr int AutoCloseMs = 10000;
// A refresh lands this long after the clock's second boundary, so that timer jitter cannot
// put it before the boundary.
constexpr int RefreshDelayMs = 5;
// A tick this close before a boundary came early: it waits for the boundary instead of
// showing the old second once more.
constexpr int EarlyTickMs = 50;

QFont verdana(qreal pointSize, QFont::Weight weight = QFont::Normal)
{
    // Where Verdana is missing, DejaVu Sans (installed by scripts/deps.sh) is the nearest match.
    static const QStringList families
        = InstalledFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

QPalette whiteOnBlack(QPalette palette)
{
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) {
        palette.setColor(role, Qt::black);
    }
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(role, Qt::white);
    }
    return palette;
}

// A named format with no guessing spares the start loading every image plugin to ask it.
QImage builtInPicture(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The built-in pictures every window shows, decoded once for the process.
struct BuiltInPictures
{
    // The larger icons serve displays scaled above 1, where the small ones would be blurred.
    std::array<QImage, 3> windowIcon;
    QImage wallpaper;
    std::array<QImage, 2> settingsIcon;
};

const BuiltInPictures &builtInPictures()
{
    static const BuiltInPictures pictures {
        {builtInPicture(u":/icon64.png"_s, "png"), builtInPicture(u":/icon32.png"_s, "png"),
            builtInPicture(u":/icon16.png"_s, "png")},
        builtInPicture(u":/wallpaper.png"_s, "png"),
        {builtInPicture(u":/config.bmp"_s, "bmp"), builtInPicture(u":/config32.bmp"_s, "bmp")}};
    return pictures;
}

QIcon iconOf(const std::span<const QImage> sizes)
{
    QIcon icon;
    for (const QImage &size : sizes) {
        icon.addPixmap(QPixmap::fromImage(size));
    }
    return icon;
}

void setLine(QLabel *label, const QString &text)
{
    if (label->text() != text) {
        label->setText(text);
        label->setAccessibleName(text);
    }
}

} // namespace

frmMain::frmMain(
    const EventList &events, const Clock &clock, const PictureLoader &pictures, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_events(events)
    , m_clock(clock)
    , m_pictures(pictures)
{
    createControls();
    Form_Load();
}

void frmMain::createControls()
{
    setFixedSize(ClientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPalette(whiteOnBlack(palette()));
    setFont(verdana(8.25));
    const BuiltInPictures &pictures = builtInPictures();
    setWindowIcon(iconOf(pictures.windowIcon));
    m_wallpaper = QPixmap::fromImage(pictures.wallpaper);

    const QFont readoutFont = verdana(21.75);
    const auto readoutLabel = [this, &readoutFont](const char *name, int top) {
        auto *label = new OutlinedLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(24, top, 345, 41);
        label->setFont(readoutFont);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    lblDays = readoutLabel("lblDays", 16);
    lblHours = readoutLabel("lblHours", 72);
    lblMin = readoutLabel("lblMin", 128);
    lblSec = readoutLabel("lblSec", 184);

    //: The tagline under the readout, fits 385 pixels at 9.75 pt bold.
    lblMs = new OutlinedLabel(tr("Every second brings it closer."), this);
    lblMs->setObjectName(QStringLiteral("lblMs"));
    lblMs->setGeometry(0, 240, 385, 17);
    lblMs->setFont(verdana(9.75, QFont::Bold));
    lblMs->setAlignment(Qt::AlignCenter);

    //: A check box left of the settings button: fits 320 pixels at 8 pt.
    chkClose = new QCheckBox(tr("Auto-Close (10 Sec)"), this);
    chkClose->setObjectName(QStringLiteral("chkClose"));
    chkClose->setGeometry(0, 272, 385, 25);
    chkClose->setAutoFillBackground(true);
    chkClose->setChecked(true);

    cmdConfig = new QPushButton(this);
    cmdConfig->setObjectName(QStringLiteral("cmdConfig"));
    cmdConfig->setGeometry(352, 272, 33, 21);
    cmdConfig->setIcon(iconOf(pictures.settingsIcon));
    cmdConfig->setIconSize(QSize(16, 16));
    //: The settings button's name, read out and shown as its tip.
    cmdConfig->setAccessibleName(tr("Settings"));
    cmdConfig->setToolTip(tr("Settings"));
    QPalette blue = cmdConfig->palette();
    blue.setColor(QPalette::Button, QColor(0x00, 0x00, 0xff));
    cmdConfig->setPalette(blue);
    cmdConfig->raise();

    setTabOrder(chkClose, cmdConfig);
    chkClose->setFocus();

    tmr = new QTimer(this);
    tmr->setObjectName(QStringLiteral("tmr"));
    tmr->setSingleShot(true);
    tmr->setTimerType(Qt::PreciseTimer);

    tmrClose = new QTimer(this);
    tmrClose->setObjectName(QStringLiteral("tmrClose"));
    tmrClose->setSingleShot(true);
    tmrClose->setTimerType(Qt::PreciseTimer);
    tmrClose->setInterval(AutoCloseMs);

    connect(tmr, &QTimer::timeout, this, &frmMain::tmr_Timer);
    connect(tmrClose, &QTimer::timeout, this, &frmMain::tmrClose_Timer);
    connect(chkClose, &QCheckBox::toggled, this, &frmMain::chkClose_Toggled);
    connect(cmdConfig, &QPushButton::clicked, this, &frmMain::cmdConfig_Click);
}

void frmMain::Form_Load()
{
    const qsizetype active = m_events.countdownIndex();
    m_targetDate = m_events.EventDates.value(active);
    m_yearly = m_events.isYearly(active);
    // Qt reads "[*]" in a title as the modified mark; doubled, it shows as typed.
    QString title = ShownText(m_events.EventDescriptions.value(active));
    setWindowTitle(title.replace(QLatin1String("[*]"), QLatin1String("[*][*]")));

    // From here on a step that fails leaves things as they are and the opening goes on.
    if (m_events.WallpaperPath != DefaultWallpaperMarker()) {
        // Only the part under the client area is ever drawn, so only that part is read.
        const QImage picture = m_pictures.load(m_events.WallpaperPath, WallpaperShownSize);
        if (!picture.isNull()) {
            m_wallpaper = QPixmap::fromImage(picture);
        }
    }
    centreOnScreen();
    RefreshReadout();

    tmrClose->start();
    scheduleRefresh();
}

void frmMain::centreOnScreen()
{
    // A Wayland client cannot place its windows: the compositor does.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return;
    }
    const QScreen *target = screen();
    if (target == nullptr) {
        return;
    }
    // Before the window is first shown its frame is not known yet; the client size stands in.
    const QRect area = target->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2,
        area.y() + (area.height() - outer.height()) / 2);
}

bool frmMain::RefreshReadout()
{
    const Readout readout = ComputeReadout(m_clock, m_targetDate, m_yearly);
    const std::array<QLabel *, 4> labels = {lblDays, lblHours, lblMin, lblSec};
    for (qsizetype i = 0; i < readout.lines.size(); ++i) {
        setLine(labels.at(static_cast<std::size_t>(i)), readout.lines.at(i));
    }
    return readout.complete();
}

void frmMain::keepOpen()
{
    chkClose->setChecked(false);
}

void frmMain::showAgain()
{
    if (chkClose->isChecked()) {
        tmrClose->start();
    }
}

void frmMain::scheduleRefresh()
{
    const int msec = m_clock.now().time().msec();
    tmr->start(1000 - msec + RefreshDelayMs);
}

void frmMain::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(0, 0, m_wallpaper);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    tmr->stop();
    tmrClose->stop();
    event->accept();
}

void frmMain::tmr_Timer()
{
    // A failed refresh keeps the lines as they are; the next tick tries again.
    if (m_clock.now().time().msec() < 1000 - EarlyTickMs) {
        RefreshReadout();
    }
    scheduleRefresh();
}

void frmMain::tmrClose_Timer()
{
    close();
}

void frmMain::chkClose_Toggled(bool checked)
{
    if (checked) {
        tmrClose->start();
    } else {
        tmrClose->stop();
    }
}

void frmMain::cmdConfig_Click()
{
    close();
    emit settingsRequested();
}
