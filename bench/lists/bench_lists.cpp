// bench_lists [events...] [--rounds N]: drives the real windows (offscreen unless
// QT_QPA_PLATFORM says otherwise) over a real settings file in a temporary folder holding
// that many user events, and times, from the click to the next window's first frame:
//   settings  the countdown's settings button to the settings dialog,
//   list      the event list's button to its open list,
//   ok        the dialog's OK (saving every event) to the countdown.
// Prints the median and the range of the rounds for each, in milliseconds.
#include "app/Session.h"
#include "core/events/EventList.h"
#include "core/host/FileDialog.h"
#include "core/host/MessageBox.h"
#include "core/host/SystemClock.h"
#include "core/login/LoginStartup.h"
#include "core/settingsfile/IniFileStore.h"
#include "gui/host/QtPictureLoader.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A message during the run means the run went wrong: say so and stop.
class FailingMessageBox final : public MessageBox
{
public:
    void show(const QString &text, Style, const QString &) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(1);
    }
    bool ask(const QString &text, const QString &, const QString &, Style style,
        const QString &title) override
    {
        show(text, style, title);
        return false;
    }
};

class NoFileDialog final : public FileDialog
{
public:
    Result open(const Request &) override { return {}; }
};

// The login entry stays off and untouched: the run must not change the user's desktop.
class NoLoginEntry final : public LoginStartup
{
public:
    bool isEnabled() const override { return false; }
    Result setEnabled(bool) override { return {}; }
};

// Notes the first paint of a window whose class is named; the frame is complete once the
// event that led to it has been handled.
class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(const char *className)
        : m_className(className)
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow() && watched->inherits(m_className)) {
            m_window = static_cast<QWidget *>(watched);
        }
        return false;
    }

    // Handles events until the window has painted; the time taken, in ms.
    QWidget *wait(const QElapsedTimer &since, double &ms)
    {
        while (m_window == nullptr) {
            if (since.elapsed() > 120000) {
                std::fprintf(stderr, "no %s was painted within 120 s\n", m_className);
                std::exit(1);
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        ms = static_cast<double>(since.nsecsElapsed()) / 1e6;
        return m_window;
    }

private:
    const char *m_className;
    QWidget *m_window = nullptr;
};

// Runs action and waits for the first frame of a window of the class; returns that window.
template<typename Action>
QWidget *timed(const char *className, Action action, std::vector<double> &times)
{
    FirstPaint watch(className);
    QCoreApplication::instance()->installEventFilter(&watch);
    QElapsedTimer timer;
    timer.start();
    action();
    double ms = 0;
    QWidget *window = watch.wait(timer, ms);
    QCoreApplication::instance()->removeEventFilter(&watch);
    times.push_back(ms);
    return window;
}

QWidget *openWindow(const char *className)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->inherits(className)) {
            return widget;
        }
    }
    std::fprintf(stderr, "no %s is open\n", className);
    std::exit(1);
}

void writeSettings(const QString &path, int events)
{
    QStringList dates {BuiltInEventDate()}, descriptions {BuiltInEventDescription()};
    for (int i = 1; i <= events; ++i) {
        dates.append(u"2030-%1-%2 12:00"_s.arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                         .arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
        descriptions.append(u"Event number %1, with a comma"_s.arg(i));
    }
    IniFileStore settings(path);
    if (!SaveEventList(settings, DefaultWallpaperMarker(), dates, descriptions, events / 2).ok) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        std::exit(1);
    }
}

void report(const char *name, int events, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("%8d %-9s %10.1f ms  [%.1f-%.1f]  %6.2f us/event\n", events, name, median,
        times.front(), times.back(), 1000 * median / events);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    int rounds = 5;
    std::vector<int> sizes;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == "--rounds"_L1 && i + 1 < args.size()) {
            rounds = std::max(1, args.at(++i).toInt());
        } else {
            sizes.push_back(args.at(i).toInt());
        }
    }
    if (sizes.empty()) {
        sizes = {1000, 10000, 100000};
    }
    QTemporaryDir dir;
    if (!dir.isValid()) {
        return 1;
    }

    SystemClock clock;
    FailingMessageBox messages;
    NoFileDialog fileDialog;
    NoLoginEntry login;
    QtPictureLoader pictures;
    std::printf("%8s %-9s %13s\n", "events", "step", "median");
    for (const int events : sizes) {
        const QString path = dir.filePath(u"Quorvane-%1.conf"_s.arg(events));
        writeSettings(path, events);
        std::vector<double> settingsTimes, listTimes, okTimes;
        for (int round = 0; round < rounds; ++round) {
            IniFileStore settings(path);
            EventList store;
            Session session(
                store, HostServices {settings, clock, messages, fileDialog, pictures, login});
            std::vector<double> startTimes;
            QWidget *countdown = timed(
                "frmMain", [&session] { session.start(); }, startTimes);

            auto *cmdConfig = countdown->findChild<QPushButton *>(u"cmdConfig"_s);
            QWidget *dialog = timed(
                "frmConfig", [cmdConfig] { QTest::mouseClick(cmdConfig, Qt::LeftButton); },
                settingsTimes);

            auto *cboEvents = dialog->findChild<QComboBox *>(u"cboEvents"_s);
            timed(
                "QComboBoxPrivateContainer",
                [cboEvents] { QTest::mouseClick(cboEvents, Qt::LeftButton); }, listTimes);
            cboEvents->hidePopup();
            QCoreApplication::processEvents();

            auto *cmdOk = dialog->findChild<QPushButton *>(u"cmdOk"_s);
            timed(
                "frmMain", [cmdOk] { QTest::mouseClick(cmdOk, Qt::LeftButton); }, okTimes);
            openWindow("frmMain")->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
        report("settings", events, settingsTimes);
        report("list", events, listTimes);
        report("ok", events, okTimes);
    }
    return 0;
}
