#pragma once

#include <QPixmap>
#include <QWidget>

class Clock;
class PictureLoader;
class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
struct EventList;

// The countdown window: the active event's description as its title, the readout in four lines
// over the wallpaper, and the Auto-Close box that closes it ten seconds after it opened.
class frmMain final : public QWidget
{
    Q_OBJECT

public:
    frmMain(const EventList &events, const Clock &clock, const PictureLoader &pictures,
        QWidget *parent = nullptr);

    // The date text counted down to, copied from the event store when the window opened.
    const QString &TargetDate() const { return m_targetDate; }

    // Sets the readout lines from the clock. Stops at the first line that cannot be computed,
    // leaving it and the lines after it as they were, and then returns false.
    bool RefreshReadout();

    // Clears Auto-Close as the user would, so that the window stays until closed; the box works
    // as usual afterwards.
    void keepOpen();

    // Asked for again while open (by a later start): a fresh ten seconds if Auto-Close is
    // checked, so that the window does not vanish right after it was asked for.
    void showAgain();

signals:
    // The settings button was pressed; the window has closed already.
    void settingsRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void centreOnScreen();
    void scheduleRefresh();

    void tmr_Timer();
    void tmrClose_Timer();
    void chkClose_Toggled(bool checked);
    void cmdConfig_Click();

    const EventList &m_events;
    const Clock &m_clock;
    const PictureLoader &m_pictures;
    QString m_targetDate;
    // The event comes back every year: the readout counts to its next anniversary.
    bool m_yearly = false;
    QPixmap m_wallpaper;

    // The controls, named as in the window's design.
    QLabel *lblDays = nullptr;
    QLabel *lblHours = nullptr;
    QLabel *lblMin = nullptr;
    QLabel *lblSec = nullptr;
    QLabel *lblMs = nullptr;
    QCheckBox *chkClose = nullptr;
    QPushButton *cmdConfig = nullptr;
    QTimer *tmr = nullptr;
    QTimer *tmrClose = nullptr;
};
