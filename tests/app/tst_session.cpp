#include "app/HostServices.h"
#include "app/Session.h"
#include "app/SingleInstance.h"
#include "gui/countdown/frmMain.h"
#include "gui/settingsdialog/frmConfig.h"

#include "TestFiles.h"
#include "WindowHarness.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <future>
#include <memory>

namespace {

// The windows on screen, of any kind.
QWidgetList shownWindows()
{
    QWidgetList shown;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            shown.append(w);
        }
    }
    return shown;
}

// The one window on screen, which must be a T.
template<typename T> T *onlyWindow()
{
    const QWidgetList shown = shownWindows();
    if (shown.size() != 1) {
        qWarning("%lld windows shown", static_cast<long long>(shown.size()));
        return nullptr;
    }
    return qobject_cast<T *>(shown.first());
}

void click(const QWidget &window, const char *name)
{
    QTest::mouseClick(child<QPushButton>(window, name), Qt::LeftButton);
}

} // namespace

// The hand-overs between the two windows: each window only says how it was left, the session
// opens the next one.
class tst_Session final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        session = std::make_unique<Session>(h->events,
            HostServices {h->settings, h->clock, h->messages, h->files, h->pictures, h->login});
    }
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Every window the session opened is deleted once closed.
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        session.reset();
        h.reset();
    }

    void startLoadsTheSettingsThenOpensTheCountdown()
    {
        h->seed({QStringLiteral("One")}, 1);
        h->events.resetToBuiltInEvent();
        session->start();
        auto *window = onlyWindow<frmMain>();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("One"));
        QCOMPARE(window->TargetDate(), WindowHarness::dateOf(1));
    }

    void unreadableSettingsAreSaidBeforeTheCountdownOpens()
    {
        // A folder where the file should be cannot be read, by root either.
        const QString file = h->dir.filePath(QStringLiteral("unreadable.conf"));
        QVERIFY(QDir().mkpath(file));
        IniFileStore settings(file);
        EventList store;
        qsizetype windowsAtMessage = -1;
        h->messages.onShow = [&] { windowsAtMessage = shownWindows().size(); };
        Session unreadable(
            store, HostServices {settings, h->clock, h->messages, h->files, h->pictures, h->login});
        unreadable.start();
        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(h->messages.shown.first().text,
            QStringLiteral("The settings could not be read.\r\n\r\nThe file %1 cannot be read: "
                           "Is a directory")
                .arg(file));
        QCOMPARE(h->messages.shown.first().style, MessageBox::Exclamation);
        QCOMPARE(windowsAtMessage, 0);
        auto *window = onlyWindow<frmMain>();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), BuiltInEventDescription());
    }

    void settingsButtonReplacesTheCountdownWithTheDialog()
    {
        session->start();
        auto *window = onlyWindow<frmMain>();
        QVERIFY(window);
        click(*window, "cmdConfig");
        QVERIFY(onlyWindow<frmConfig>());
    }

    void okReloadsTheSavedSettingsIntoAFreshCountdown()
    {
        h->seed(
            {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")},
            2);
        session->openConfig();
        auto *dialog = onlyWindow<frmConfig>();
        QVERIFY(dialog);
        click(*dialog, "cmdRemove");
        child<QLineEdit>(*dialog, "txtDescription")->setText(QStringLiteral("E"));
        child<QLineEdit>(*dialog, "txtDate")->setText(QStringLiteral("2005-05-05 05:05"));
        click(*dialog, "cmdAdd");
        click(*dialog, "cmdOk");

        // Renumbered as saved: the removed event is gone, not merely marked.
        QCOMPARE(h->events.EventDescriptions,
            (QStringList {QStringLiteral("Quorvane"), QStringLiteral("A"), QStringLiteral("C"),
                QStringLiteral("D"), QStringLiteral("E")}));
        QCOMPARE(h->events.ActiveEvent, 4);
        auto *window = onlyWindow<frmMain>();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("E"));
        QCOMPARE(window->TargetDate(), QStringLiteral("2005-05-05 05:05"));
    }

    void cancelOpensTheCountdownOnTheActiveEventPutBack()
    {
        h->seed({QStringLiteral("A"), QStringLiteral("B")}, 2);
        session->openConfig();
        auto *dialog = onlyWindow<frmConfig>();
        QVERIFY(dialog);
        click(*dialog, "cmdRemove");
        click(*dialog, "cmdCancel");
        auto *window = onlyWindow<frmMain>();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("B"));
        QCOMPARE(window->TargetDate(), WindowHarness::dateOf(2));
    }

    void dialogShowsTheFileAsItIsNowAndKeepsEventsAddedInACancelledVisit()
    {
        h->seed({QStringLiteral("One")}, 1);
        session->start();
        const auto openDialog = [] {
            click(*onlyWindow<frmMain>(), "cmdConfig");
            return onlyWindow<frmConfig>();
        };
        frmConfig *dialog = openDialog();
        child<QLineEdit>(*dialog, "txtDescription")->setText(QStringLiteral("Added"));
        child<QLineEdit>(*dialog, "txtDate")->setText(QStringLiteral("2005-05-05 05:05"));
        click(*dialog, "cmdAdd");
        click(*dialog, "cmdCancel");

        // Edited by hand while the countdown shows.
        QVERIFY(TestFiles::writeAll(h->file,
            "[countdown]\nActive=1\nd1=2004-01-01 10:00\nt1=One\nd2=2030-05-01 10:00\n"
            "t2=By hand\n"));
        dialog = openDialog();
        QCOMPARE(h->events.EventDescriptions, // as the dialog shows them
            (QStringList {QStringLiteral("Quorvane"), QStringLiteral("One"),
                QStringLiteral("By hand"), QStringLiteral("Added")}));

        // Edited again while the dialog is open: back from OK's question, then Cancel.
        QVERIFY(
            TestFiles::writeAll(h->file, "[countdown]\nActive=1\nd1=2004-01-01 10:00\nt1=Uno\n"));
        click(*dialog, "cmdOk");
        QCOMPARE(h->messages.asked.size(), 1);
        click(*dialog, "cmdCancel");
        QCOMPARE(onlyWindow<frmMain>()->windowTitle(), QStringLiteral("Uno"));
        openDialog();
        QCOMPARE(h->events.EventDescriptions,
            (QStringList {
                QStringLiteral("Quorvane"), QStringLiteral("Uno"), QStringLiteral("Added")}));
    }

    void settingsOptionOpensTheDialogFirst()
    {
        h->seed({QStringLiteral("One")}, 1);
        session->start(StartOptions {.openSettings = true});
        auto *dialog = onlyWindow<frmConfig>();
        QVERIFY(dialog);
        // Loaded before the dialog opens: it shows the saved list.
        QCOMPARE(child<QComboBox>(*dialog, "cboEvents")->currentText(), QStringLiteral("One"));
        click(*dialog, "cmdCancel");
        QVERIFY(onlyWindow<frmMain>());
    }

    void keepOpenClearsAutoCloseOfTheFirstCountdownOnly()
    {
        session->start(StartOptions {.keepOpen = true});
        auto *window = onlyWindow<frmMain>();
        QVERIFY(window);
        QVERIFY(!child<QCheckBox>(*window, "chkClose")->isChecked());
        QVERIFY(!child<QTimer>(*window, "tmrClose")->isActive());
        // The box works as usual afterwards.
        QTest::keyClick(child<QCheckBox>(*window, "chkClose"), Qt::Key_Space);
        QVERIFY(child<QTimer>(*window, "tmrClose")->isActive());

        click(*window, "cmdConfig");
        click(*onlyWindow<frmConfig>(), "cmdCancel");
        window = onlyWindow<frmMain>();
        QVERIFY(window);
        QVERIFY(child<QCheckBox>(*window, "chkClose")->isChecked());
        QVERIFY(child<QTimer>(*window, "tmrClose")->isActive());
    }

    void keepOpenWithSettingsKeepsTheCountdownAfterTheDialogOpen()
    {
        session->start(StartOptions {.openSettings = true, .keepOpen = true});
        click(*onlyWindow<frmConfig>(), "cmdOk");
        auto *window = onlyWindow<frmMain>();
        QVERIFY(window);
        QVERIFY(!child<QTimer>(*window, "tmrClose")->isActive());
    }

    void laterStartWithSettingsReplacesTheCountdownWithTheDialog()
    {
        session->start();
        session->handOver(StartOptions {.openSettings = true});
        QVERIFY(onlyWindow<frmConfig>());
        // The dialog open already stays as it is, whatever a later start asks for.
        auto *dialog = onlyWindow<frmConfig>();
        child<QLineEdit>(*dialog, "txtDescription")->setText(QStringLiteral("typed"));
        session->handOver(StartOptions {});
        session->handOver(StartOptions {.openSettings = true});
        QCOMPARE(onlyWindow<frmConfig>(), dialog);
        QCOMPARE(child<QLineEdit>(*dialog, "txtDescription")->text(), QStringLiteral("typed"));
    }

    void laterStartGivesTheCountdownAFreshTenSeconds()
    {
        session->start();
        auto *window = onlyWindow<frmMain>();
        auto *tmrClose = child<QTimer>(*window, "tmrClose");
        QTest::qWait(300);
        QVERIFY(tmrClose->remainingTime() < 9800);
        session->handOver(StartOptions {});
        QCOMPARE(onlyWindow<frmMain>(), window);
        QVERIFY(tmrClose->remainingTime() > 9900);

        session->handOver(StartOptions {.keepOpen = true});
        QVERIFY(!child<QCheckBox>(*window, "chkClose")->isChecked());
        QVERIFY(!tmrClose->isActive());
    }

    void laterStartWhileAMessageBoxWaitsChangesNoWindow()
    {
        // A later start asks for the dialog over the hand-over channel while a message box
        // waits for its answer: the start is answered, and the windows stay as they are.
        session->start();
        const QPointer<frmMain> countdown = onlyWindow<frmMain>();
        const QString name = h->dir.filePath(QStringLiteral("instance"));
        SingleInstance instance(name);
        QCOMPARE(instance.claim({}), SingleInstance::Outcome::Running);
        QObject::connect(&instance, &SingleInstance::handOver, &instance,
            [this](const StartOptions &options) { session->handOver(options); });
        QMessageBox box(QMessageBox::Question, QStringLiteral("Quorvane"), QStringLiteral("?"));
        auto outcome = SingleInstance::Outcome::Alone;
        QTimer::singleShot(0, &box, [&] {
            auto later = std::async(std::launch::async,
                [&name] { return SingleInstance(name).claim({.openSettings = true}); });
            while (later.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
                QTest::qWait(5);
            }
            outcome = later.get();
            QVERIFY(box.isVisible());
            box.reject();
        });
        box.exec();
        QCOMPARE(outcome, SingleInstance::Outcome::HandedOver);
        QVERIFY(countdown && onlyWindow<frmMain>() == countdown);
    }

    void laterStartRequestIsReadBackOrRefused_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("expected"); // -1 refused, else 1 settings + 2 keep-open
        for (int options = 0; options < 4; ++options) {
            const QByteArray line = SingleInstance::request(
                StartOptions {.openSettings = (options & 1) != 0, .keepOpen = (options & 2) != 0});
            QTest::addRow("as sent, options %d", options) << line << options;
        }
        QTest::newRow("another program") << QByteArray("GET / HTTP/1.0\n") << -1;
        QTest::newRow("unknown option") << QByteArray("quorvane-start delete\n") << -1;
        QTest::newRow("empty") << QByteArray() << -1;
    }
    void laterStartRequestIsReadBackOrRefused()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, expected);
        const std::optional<StartOptions> read = SingleInstance::readRequest(line);
        QCOMPARE(read.has_value(), expected >= 0);
        if (read) {
            QCOMPARE(int(read->openSettings) + 2 * int(read->keepOpen), expected);
        }
    }

    void desktopTokenTravelsWithTheRequestWhenPlain_data()
    {
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<QByteArray>("received");
        const QByteArray plain("gnome-shell/quorvane/2204-3-host_TIME163");
        QTest::newRow("plain") << plain << plain;
        QTest::newRow("with a space") << QByteArray("a b") << QByteArray();
        QTest::newRow("with a line break") << QByteArray("a\nb") << QByteArray();
        QTest::newRow("too long") << QByteArray(161, 'x') << QByteArray();
    }
    void desktopTokenTravelsWithTheRequestWhenPlain()
    {
        QFETCH(QByteArray, token);
        QFETCH(QByteArray, received);
        const std::optional<StartOptions> read = SingleInstance::readRequest(
            SingleInstance::request(StartOptions {.openSettings = true, .activationToken = token}));
        QVERIFY(read);
        QVERIFY(read->openSettings);
        QCOMPARE(read->activationToken, received);
    }

    void closingEitherWindowFromItsTitleBarOpensNothing()
    {
        session->start();
        QVERIFY(onlyWindow<frmMain>()->close());
        QVERIFY(shownWindows().isEmpty());

        session->openConfig();
        QVERIFY(onlyWindow<frmConfig>()->close());
        QVERIFY(shownWindows().isEmpty());
    }

private:
    std::unique_ptr<WindowHarness> h;
    std::unique_ptr<Session> session;
};

QTEST_MAIN(tst_Session)
#include "tst_session.moc"
