#include "gui/settingsdialog/frmConfig.h"

#include "TestFiles.h"
#include "WindowHarness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>

#include <memory>

namespace {

using Shown = ScriptedMessageBox::Shown;

// How the dialog was left, in order: true for OK, false for Cancel.
QList<bool> finishes(const QSignalSpy &spy)
{
    QList<bool> out;
    for (const QList<QVariant> &arguments : spy) {
        out.append(arguments.at(0).toBool());
    }
    return out;
}

bool anyWindowShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(
        windows.cbegin(), windows.cend(), [](const QWidget *w) { return w->isVisible(); });
}

void click(const QWidget &dialog, const char *name, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(child<QWidget>(dialog, name), button);
}

void addEvent(const QWidget &dialog, const QString &description, const QString &date)
{
    QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), description);
    QTest::keyClicks(child<QLineEdit>(dialog, "txtDate"), date);
    click(dialog, "cmdAdd");
}

QStringList items(const QWidget &dialog)
{
    const auto *combo = child<QComboBox>(dialog, "cboEvents");
    QStringList out;
    for (int i = 0; i < combo->count(); ++i) {
        out.append(combo->itemText(i));
    }
    return out;
}

int selected(const QWidget &dialog)
{
    return child<QComboBox>(dialog, "cboEvents")->currentIndex();
}

QString text(const QWidget &dialog, const char *name)
{
    if (auto *label = dialog.findChild<QLabel *>(QString::fromLatin1(name))) {
        return label->text();
    }
    return child<QLineEdit>(dialog, name)->text();
}

// A small picture made in the harness's folder, in the format its name ends with.
QString writePicture(const WindowHarness &h, const QString &name)
{
    const QString path = h.dir.filePath(name);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::green);
    return image.save(path) ? path : QString();
}

} // namespace

class tst_frmConfig final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;

private slots:
    void init() { h = std::make_unique<WindowHarness>(); }
    void cleanup()
    {
        h.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void opensOnActiveEventWithFocusInWallpaperGroup()
    {
        h->seed({QStringLiteral("One"), QStringLiteral("Two")}, 2);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(items(dialog),
            (QStringList {
                QStringLiteral("Quorvane"), QStringLiteral("One"), QStringLiteral("Two")}));
        QCOMPARE(selected(dialog), 2);
        QCOMPARE(text(dialog, "lblDate"), WindowHarness::dateOf(2));
        QVERIFY(child<QRadioButton>(dialog, "optWallpaperDefault")->isChecked());
        QCOMPARE(dialog.focusWidget(), child<QWidget>(dialog, "optWallpaperDefault"));
    }

    void tabOrderAndLabelsFollowTheLayout()
    {
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QStringList order;
        QWidget *w = child<QWidget>(dialog, "optWallpaperDefault");
        do {
            if (w->focusPolicy() & Qt::TabFocus) {
                order.append(w->objectName());
            }
            w = w->nextInFocusChain();
        } while (w != child<QWidget>(dialog, "optWallpaperDefault"));
        QCOMPARE(order.join(QLatin1Char(' ')),
            QStringLiteral("optWallpaperDefault optWallpaperCustom txtWallpaper cboEvents cmdAdd "
                           "txtDescription txtDate chkYearly cmdChange cmdRemove chkLogin cmdOk "
                           "cmdCancel"));
        QCOMPARE(
            child<QLabel>(dialog, "lblMsg2")->buddy(), child<QWidget>(dialog, "txtDescription"));
        QCOMPARE(child<QLabel>(dialog, "lblMsg0")->buddy(), child<QWidget>(dialog, "txtDate"));
        QCOMPARE(
            child<QWidget>(dialog, "txtWallpaper")->accessibleName(), QStringLiteral("Wallpaper"));
    }

    void activeOutsideListSelectsNothingAndRemoveDoesNothing()
    {
        h->seed({QStringLiteral("One")}, 5);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QCOMPARE(selected(dialog), -1);
        QCOMPARE(text(dialog, "lblDate"), QString());
        click(dialog, "cmdRemove");
        QVERIFY(h->messages.shown.isEmpty());
        QCOMPARE(items(dialog), (QStringList {QStringLiteral("Quorvane"), QStringLiteral("One")}));
    }

    void eventWithoutDescriptionIsShownByItsDateAndKept()
    {
        // Written by hand without t2.
        QVERIFY(TestFiles::writeAll(h->file,
            "[countdown]\nActive=2\nd1=2030-01-01 00:00\nt1=One\n"
            "d2=2030-05-01 10:00\nr2=yearly\n"));
        h->settings.reload();
        LoadSettings(h->events, h->settings);
        {
            frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            QCOMPARE(items(dialog).last(), QStringLiteral("2030-05-01 10:00 (every year)"));
            QCOMPARE(selected(dialog), 2);
            QCOMPARE(text(dialog, "lblDate"), QStringLiteral("2030-05-01 10:00"));
            click(dialog, "cmdOk");
        }
        QVERIFY(h->onDisk().contains(QStringLiteral("d2=2030-05-01 10:00")));

        LoadSettings(h->events, h->settings);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        click(dialog, "cmdRemove");
        QCOMPARE(
            items(dialog).last(), QStringLiteral("2030-05-01 10:00 (every year) [to be removed]"));
        click(dialog, "cmdOk");
        QVERIFY(!h->onDisk().contains(QStringLiteral("d2=2030-05-01 10:00")));
        QVERIFY(h->messages.shown.isEmpty());
    }

    void dateIsCheckedBeforeDescription()
    {
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        click(dialog, "cmdAdd");
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDate"), QStringLiteral("2003/12/03 14:00"));
        click(dialog, "cmdAdd");
        const QString invalid = QStringLiteral(
            "The date you have entered is not valid. Please use the following syntax:\r\n"
            "YYYY-MM-DD HH:MIN\r\n\r\nExamples:\r\n2003-12-03 14:00\r\n2004-01-19 01:15");
        QCOMPARE(h->messages.shown.size(), 2);
        for (const Shown &shown : std::as_const(h->messages.shown)) {
            QCOMPARE(shown.text, invalid);
            QCOMPARE(shown.style, MessageBox::Stop);
            QCOMPARE(shown.title, QStringLiteral("Invalid syntax"));
        }
        QCOMPARE(text(dialog, "txtDate"), QStringLiteral("2003/12/03 14:00"));

        child<QLineEdit>(dialog, "txtDate")->setText(QStringLiteral("2003-13-45 99:99"));
        click(dialog, "cmdAdd");
        QCOMPARE(h->messages.shown.size(), 3);
        QCOMPARE(h->messages.shown.last().title, QStringLiteral("Invalid date"));
        child<QLineEdit>(dialog, "txtDate")->setText(QStringLiteral("2003-12-03 14:00"));
        click(dialog, "cmdAdd");
        QCOMPARE(h->messages.shown.size(), 4);
        QCOMPARE(h->messages.shown.last().text, QStringLiteral("Please enter a description"));
        QCOMPARE(h->messages.shown.last().style, MessageBox::Exclamation);
        QCOMPARE(h->messages.shown.last().title, QStringLiteral("Quorvane"));
        QCOMPARE(h->events.EventDates.size(), 1);
    }

    void addAppendsSelectsAndEmptiesTextBoxes()
    {
        h->seed({QStringLiteral("One")}, 0);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        addEvent(dialog, QStringLiteral(" "), QStringLiteral("2004-02-29 23:59"));
        QVERIFY(h->messages.shown.isEmpty());
        QCOMPARE(h->events.EventDates.last(), QStringLiteral("2004-02-29 23:59"));
        QCOMPARE(h->events.EventDescriptions.last(), QStringLiteral(" "));
        QCOMPARE(items(dialog).last(), QStringLiteral(" "));
        QCOMPARE(selected(dialog), 2);
        QCOMPARE(text(dialog, "lblDate"), QStringLiteral("2004-02-29 23:59"));
        QCOMPARE(text(dialog, "txtDate"), QString());
        QCOMPARE(text(dialog, "txtDescription"), QString());
        QCOMPARE(h->events.ActiveEvent, 0);
    }

    void dateNamingNoRealMomentIsRefusedWithWhatIsWrong_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("reason");
        QTest::newRow("30 February")
            << QStringLiteral("2030-02-30 12:00") << QStringLiteral("February 2030 has no day 30.");
        QTest::newRow("29 February, no leap year")
            << QStringLiteral("2031-02-29 12:00") << QStringLiteral("February 2031 has no day 29.");
        QTest::newRow("day 0") << QStringLiteral("2030-04-00 12:00")
                               << QStringLiteral("April 2030 has no day 0.");
        QTest::newRow("month 13") << QStringLiteral("2030-13-01 00:00")
                                  << QStringLiteral("There is no month 13.");
        QTest::newRow("year 0") << QStringLiteral("0000-01-01 00:00")
                                << QStringLiteral("There is no year 0.");
        QTest::newRow("hour 24") << QStringLiteral("2030-01-01 24:00")
                                 << QStringLiteral("There is no hour 24. Hours run from 00 to 23.");
        QTest::newRow("minute 60")
            << QStringLiteral("2030-01-01 00:60")
            << QStringLiteral("There is no minute 60. Minutes run from 00 to 59.");
    }
    void dateNamingNoRealMomentIsRefusedWithWhatIsWrong()
    {
        QFETCH(QString, date);
        QFETCH(QString, reason);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        addEvent(dialog, QStringLiteral("Trip"), date);
        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(h->messages.shown.first().text,
            reason + QStringLiteral("\r\n\r\nPlease enter a date that exists."));
        QCOMPARE(h->messages.shown.first().title, QStringLiteral("Invalid date"));
        QCOMPARE(h->messages.shown.first().style, MessageBox::Stop);
        QCOMPARE(h->events.EventDates.size(), 1);
        QCOMPARE(items(dialog).size(), 1);
        QCOMPARE(text(dialog, "txtDate"), date);
        QCOMPARE(text(dialog, "txtDescription"), QStringLiteral("Trip"));
    }

    void pastedLineBreaksAndTabsAreAddedAsBlanks()
    {
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        dialog.show();
        auto *description = child<QLineEdit>(dialog, "txtDescription");
        QApplication::clipboard()->setText(QStringLiteral("Trip\r\n\r\nto\tOslo \u2029\v"));
        description->setFocus();
        QTest::keySequence(description, QKeySequence::Paste);
        QVERIFY(description->text().contains(QLatin1Char('\n')));
        addEvent(dialog, QString(), QStringLiteral("2030-01-19 01:15"));
        QCOMPARE(h->events.EventDescriptions.last(), QStringLiteral("Trip to Oslo  "));
        QCOMPARE(items(dialog).last(), QStringLiteral("Trip to Oslo  "));
        QApplication::clipboard()->clear();
    }

    void enterAddsAndEscapeDoesNothing()
    {
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        dialog.show();
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), QStringLiteral("Trip"));
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDate"), QStringLiteral("2004-01-19 01:15"));
        QTest::keyClick(child<QLineEdit>(dialog, "txtDate"), Qt::Key_Return);
        QCOMPARE(items(dialog).last(), QStringLiteral("Trip"));
        QTest::keyClick(child<QLineEdit>(dialog, "txtDate"), Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
    }

    void removalsCascadeTowardsBuiltInEvent()
    {
        h->seed(
            {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")},
            3);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        click(dialog, "cmdRemove");
        QCOMPARE(items(dialog).at(3), QStringLiteral("C [to be removed]"));
        QCOMPARE(h->events.EventDates.at(3), QStringLiteral("* deleted *"));
        QCOMPARE(h->events.EventDescriptions.at(3), QString());
        QCOMPARE(selected(dialog), 2);
        click(dialog, "cmdRemove");
        QCOMPARE(selected(dialog), 1);
        click(dialog, "cmdRemove");
        QCOMPARE(selected(dialog), 0);

        child<QComboBox>(dialog, "cboEvents")->setCurrentIndex(4);
        click(dialog, "cmdRemove");
        QCOMPARE(selected(dialog), 0);
        QCOMPARE(text(dialog, "lblDate"), BuiltInEventDate());
        QCOMPARE(items(dialog).size(), 5);
    }

    void builtInEventCannotBeRemoved()
    {
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        click(dialog, "cmdRemove");
        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(h->messages.shown.first().text, QStringLiteral("This event cannot be removed!"));
        QCOMPARE(h->messages.shown.first().style, MessageBox::Exclamation);
        QCOMPARE(items(dialog), QStringList {QStringLiteral("Quorvane")});
        QCOMPARE(h->events.EventDescriptions, QStringList {QStringLiteral("Quorvane")});
    }

    void builtInEventCannotBeRemovedBesideOtherEvents()
    {
        h->seed({QStringLiteral("A"), QStringLiteral("B")}, 0);
        const QStringList before = h->events.EventDescriptions;
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QCOMPARE(selected(dialog), 0);
        click(dialog, "cmdRemove");
        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(h->messages.shown.first().text, QStringLiteral("This event cannot be removed!"));
        QCOMPARE(items(dialog), before);
        QCOMPARE(h->events.EventDescriptions, before);
        QCOMPARE(selected(dialog), 0);
    }

    void okKeepsAnotherProgramsChangeWithThisVisitsOnTop()
    {
        h->seed(
            {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")},
            1);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
        dialog.show();
        auto *combo = child<QComboBox>(dialog, "cboEvents");
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), QStringLiteral("A2"));
        click(dialog, "cmdChange");
        combo->setCurrentIndex(2);
        click(dialog, "cmdRemove");
        combo->setCurrentIndex(3);
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), QStringLiteral("C2"));
        click(dialog, "cmdChange");
        addEvent(dialog, QStringLiteral("E"), QStringLiteral("2030-01-01 00:00"));
        combo->setCurrentIndex(4);

        // Another program renames A too, keeping the file's size and its modification time.
        const QDateTime modified = QFileInfo(h->file).lastModified();
        QByteArray theirs = TestFiles::readAll(h->file);
        theirs.replace("t1=A\n", "t1=Z\n");
        QVERIFY(TestFiles::writeAll(h->file, theirs));
        QFile file(h->file);
        QVERIFY(file.open(QIODevice::ReadWrite)
            && file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();

        click(dialog, "cmdOk"); // answered "Back to the Dialog"
        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(h->messages.shown.first().text,
            QStringLiteral("The settings file was changed by another program after Quorvane read "
                           "it:\r\n%1\r\n\r\nKeep Both saves it as the other program left it, "
                           "with the changes made in this dialog on top. Back to the Dialog saves "
                           "nothing.\r\n\r\nThe other program changed or removed these events "
                           "too, so your changes to them are not saved:\r\nA, 2004-01-01 10:00")
                .arg(h->file));
        QCOMPARE(h->messages.asked.first(),
            (QStringList {QStringLiteral("Keep Both"), QStringLiteral("Back to the Dialog")}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(TestFiles::readAll(h->file), theirs);

        // Asked again; a change made while that question is on screen is asked about again.
        // A stays as the other program left it.
        h->messages.answers = {true, true};
        h->messages.onShow = [this] {
            if (h->messages.shown.size() == 2) {
                TestFiles::writeAll(
                    h->file, TestFiles::readAll(h->file) + "d9=2031-01-01 00:00\nt9=Theirs too\n");
            }
        };
        click(dialog, "cmdOk");
        QCOMPARE(h->messages.asked.size(), 3);
        QCOMPARE(finishes(finished), QList<bool> {true});
        QCOMPARE(h->onDisk(),
            (QStringList {QStringLiteral("Active=3"), QStringLiteral("Wallpaper=veltor://default"),
                QStringLiteral("d1=") + WindowHarness::dateOf(1),
                QStringLiteral("d2=") + WindowHarness::dateOf(3),
                QStringLiteral("d3=") + WindowHarness::dateOf(4),
                QStringLiteral("d4=2031-01-01 00:00"), QStringLiteral("d5=2030-01-01 00:00"),
                QStringLiteral("t1=Z"), QStringLiteral("t2=C2"), QStringLiteral("t3=D"),
                QStringLiteral("t4=Theirs too"), QStringLiteral("t5=E")}));
    }

    void okAsksAfterAnEditKeepingSizeAndTime()
    {
        h->seed({QStringLiteral("Mine")}, 1);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        const QByteArray theirs = TestFiles::readAll(h->file).replace("t1=Mine", "t1=Them");
        QVERIFY(TestFiles::writeKeepingTime(h->file, theirs));
        click(dialog, "cmdOk"); // answered "Back to the Dialog"
        QCOMPARE(h->messages.asked.size(), 1);
        QCOMPARE(TestFiles::readAll(h->file), theirs);
    }

    void okAsksNothingWhenOnlyThisProgramWrote()
    {
        h->seed({QStringLiteral("Mine")}, 1);
        for (int visit = 0; visit < 2; ++visit) {
            frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            click(dialog, "cmdOk");
            LoadSettings(h->events, h->settings);
        }
        QVERIFY(h->messages.shown.isEmpty());
    }

    void longTextsAreCutInTheListAndSavedWhole()
    {
        const QString huge(4 << 20, u'x');
        const QString shown = QString(200, u'x') + QChar(0x2026);
        h->seed({huge, QStringLiteral("B")}, 1);
        h->events.EventDates[2] = QString(1000, u'9');
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QCOMPARE(items(dialog).at(1), shown);
        child<QComboBox>(dialog, "cboEvents")->setCurrentIndex(2);
        QCOMPARE(text(dialog, "lblDate"), QString(200, u'9') + QChar(0x2026));

        // Put back by Cancel, the removed active event shows cut again.
        child<QComboBox>(dialog, "cboEvents")->setCurrentIndex(1);
        click(dialog, "cmdRemove");
        click(dialog, "cmdCancel");
        QCOMPARE(items(dialog).at(1), shown);
        QCOMPARE(h->events.EventDescriptions.at(1), huge);

        h->events.EventDates[2] = WindowHarness::dateOf(2);
        frmConfig again(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        click(again, "cmdOk");
        QVERIFY(h->onDisk().contains(QStringLiteral("t1=") + huge));
    }

    void removedEventsCannotBeLandedOnByKeyboardOrMouse()
    {
        h->seed({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, 2);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *combo = child<QComboBox>(dialog, "cboEvents");
        click(dialog, "cmdRemove");
        QCOMPARE(items(dialog).at(2), QStringLiteral("B [to be removed]"));
        QCOMPARE(selected(dialog), 1);

        // The arrows step over the removed entry both ways.
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(selected(dialog), 3);
        QCOMPARE(text(dialog, "lblDate"), WindowHarness::dateOf(3));
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(selected(dialog), 3);
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(selected(dialog), 1);

        // A click on it in the open list picks nothing; one on the next event picks that.
        const auto clickInList = [combo](int index) {
            combo->showPopup();
            QAbstractItemView *view = combo->view();
            QTRY_VERIFY(view->isVisible());
            const QRect item = view->visualRect(combo->model()->index(index, 0));
            QVERIFY(item.isValid());
            QTest::mouseMove(view->viewport(), item.center());
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
            combo->hidePopup();
        };
        clickInList(2);
        QCOMPARE(selected(dialog), 1);
        QCOMPARE(text(dialog, "lblDate"), WindowHarness::dateOf(1));
        clickInList(3);
        QCOMPARE(selected(dialog), 3);

        // Cancel makes it selectable again for the next visit.
        click(dialog, "cmdCancel");
        frmConfig next(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        auto *nextCombo = child<QComboBox>(next, "cboEvents");
        nextCombo->setCurrentIndex(1);
        QTest::keyClick(nextCombo, Qt::Key_Down);
        QCOMPARE(selected(next), 2);
    }

    void longListsDropDownAndKeepTheirRules()
    {
        const auto popupHint = [](const QComboBox *combo) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            return combo->style()->styleHint(QStyle::SH_ComboBox_Popup, &option, combo);
        };
        // A thousand entries, the built-in event's included, keep the style's own list.
        for (int n = 1; n <= 999; ++n) {
            h->events.appendEvent(
                QStringLiteral("2030-01-01 10:00"), QStringLiteral("Event %1").arg(n));
        }
        {
            frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            const auto *combo = child<QComboBox>(dialog, "cboEvents");
            QCOMPARE(popupHint(combo), popupHint(new QComboBox(&dialog)));
        }
        // One more, and the list drops down with rows of one height; what can be picked, by
        // mouse or by keys, stays the same.
        for (int n = 1000; n <= 1200; ++n) {
            h->events.appendEvent(
                QStringLiteral("2030-01-01 10:00"), QStringLiteral("Event %1").arg(n));
        }
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *combo = child<QComboBox>(dialog, "cboEvents");
        QCOMPARE(popupHint(combo), 0);
        combo->setCurrentIndex(1000);
        click(dialog, "cmdRemove");
        QCOMPARE(selected(dialog), 999);

        const auto clickInList = [combo](int index) {
            combo->showPopup();
            QAbstractItemView *view = combo->view();
            QTRY_VERIFY(view->isVisible());
            view->scrollTo(combo->model()->index(index, 0));
            const QRect item = view->visualRect(combo->model()->index(index, 0));
            QVERIFY(view->viewport()->rect().contains(item.center()));
            QTest::mouseMove(view->viewport(), item.center());
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
            combo->hidePopup();
        };
        clickInList(1000);
        QCOMPARE(selected(dialog), 999);
        clickInList(1150);
        QCOMPARE(selected(dialog), 1150);
        QCOMPARE(items(dialog).at(1150), QStringLiteral("Event 1150"));

        combo->setCurrentIndex(999);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(selected(dialog), 1001);
    }

    void addAfterRemoveKeepsItemIndexEqualToListIndex()
    {
        h->seed({QStringLiteral("A"), QStringLiteral("B")}, 2);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        click(dialog, "cmdRemove");
        addEvent(dialog, QStringLiteral("New"), QStringLiteral("2005-05-05 05:05"));
        QCOMPARE(selected(dialog), 3);
        QCOMPARE(h->events.EventDescriptions.at(3), QStringLiteral("New"));
        QCOMPARE(items(dialog).at(2), QStringLiteral("B [to be removed]"));
    }

    void cancelKeepsAddedEventAndLaterOkWritesIt()
    {
        // Whoever listens opens the next window: by then this one must be gone.
        bool shownWhenAnnounced = false;
        {
            frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
            connect(&dialog, &frmConfig::dialogFinished, this,
                [&] { shownWhenAnnounced = shownWhenAnnounced || anyWindowShown(); });
            dialog.show();
            addEvent(dialog, QStringLiteral("Trip"), QStringLiteral("2004-01-19 01:15"));
            click(dialog, "cmdCancel");
            QVERIFY(!dialog.isVisible());
            QCOMPARE(finishes(finished), QList<bool> {false});
        }
        QVERIFY(!QFile::exists(h->file));

        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
        connect(&dialog, &frmConfig::dialogFinished, this,
            [&] { shownWhenAnnounced = shownWhenAnnounced || anyWindowShown(); });
        dialog.show();
        QCOMPARE(items(dialog).last(), QStringLiteral("Trip"));
        child<QComboBox>(dialog, "cboEvents")->setCurrentIndex(1);
        click(dialog, "cmdOk");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(h->onDisk(),
            (QStringList {QStringLiteral("Active=1"), QStringLiteral("Wallpaper=veltor://default"),
                QStringLiteral("d1=2004-01-19 01:15"), QStringLiteral("t1=Trip")}));
        QCOMPARE(finishes(finished), QList<bool> {true});
        QVERIFY(!shownWhenAnnounced);
    }

    void okRenumbersKeptEventsOnDisk()
    {
        h->seed(
            {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")},
            2);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
        click(dialog, "cmdRemove");
        addEvent(dialog, QStringLiteral("E"), QStringLiteral("2005-05-05 05:05"));
        addEvent(dialog, QStringLiteral("F"), QStringLiteral("2006-06-06 06:06"));
        click(dialog, "cmdRemove");
        child<QComboBox>(dialog, "cboEvents")->setCurrentIndex(5);
        click(dialog, "cmdOk");
        QCOMPARE(h->onDisk(),
            (QStringList {QStringLiteral("Active=4"), QStringLiteral("Wallpaper=veltor://default"),
                QStringLiteral("d1=") + WindowHarness::dateOf(1),
                QStringLiteral("d2=") + WindowHarness::dateOf(3),
                QStringLiteral("d3=") + WindowHarness::dateOf(4),
                QStringLiteral("d4=2005-05-05 05:05"), QStringLiteral("t1=A"),
                QStringLiteral("t2=C"), QStringLiteral("t3=D"), QStringLiteral("t4=E")}));
        QCOMPARE(finishes(finished), QList<bool> {true});
    }

    void changeEditsTheSelectedEventInPlace()
    {
        h->seed({QStringLiteral("A"), QStringLiteral("B")}, 1);
        const EventList before = h->events;
        {
            frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            const auto change = [&](const QString &description, const QString &date) {
                child<QLineEdit>(dialog, "txtDescription")->setText(description);
                child<QLineEdit>(dialog, "txtDate")->setText(date);
                click(dialog, "cmdChange");
            };
            change(QStringLiteral("Mum's\tbirthday"), QString());
            click(dialog, "chkYearly");
            change(QString(), QStringLiteral("1960-03-14 00:00"));
            QCOMPARE(items(dialog).at(1), QStringLiteral("Mum's birthday (every year)"));
            QCOMPARE(text(dialog, "lblDate"), QStringLiteral("1960-03-14 00:00"));
            QCOMPARE(text(dialog, "txtDescription") + text(dialog, "txtDate"), QString());
            QCOMPARE(selected(dialog), 1);

            change(QStringLiteral("C"), QStringLiteral("1960-02-30 00:00"));
            change(QString(), QString());
            child<QComboBox>(dialog, "cboEvents")->setCurrentIndex(0);
            QVERIFY(!child<QCheckBox>(dialog, "chkYearly")->isChecked());
            change(QStringLiteral("C"), QString());
            QStringList said;
            for (const Shown &shown : std::as_const(h->messages.shown)) {
                said.append(shown.text.section(QStringLiteral("\r\n"), 0, 0));
            }
            QCOMPARE(said,
                (QStringList {QStringLiteral("February 1960 has no day 30."),
                    QStringLiteral("Type a new description or date for this event, or change "
                                   "Every year, then press Change."),
                    QStringLiteral("This event cannot be changed!")}));
            QCOMPARE(items(dialog).at(1), QStringLiteral("Mum's birthday (every year)"));

            child<QComboBox>(dialog, "cboEvents")->setCurrentIndex(2);
            change(QStringLiteral("Bee"), QStringLiteral("2031-01-01 00:00"));
            QCOMPARE(items(dialog).at(2), QStringLiteral("Bee"));
            click(dialog, "cmdCancel");
        }
        QCOMPARE(h->events.EventDescriptions, before.EventDescriptions);
        QCOMPARE(h->events.EventDates, before.EventDates);
        QCOMPARE(h->events.EventRepeats, before.EventRepeats);

        // OK stores a change under the event's own number; Add takes the box as it is.
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        child<QComboBox>(dialog, "cboEvents")->setCurrentIndex(2);
        click(dialog, "chkYearly");
        click(dialog, "cmdChange");
        addEvent(dialog, QStringLiteral("C"), QStringLiteral("2030-01-01 00:00"));
        click(dialog, "cmdOk");
        QCOMPARE(h->onDisk().filter(QRegularExpression(QStringLiteral("^r"))),
            (QStringList {QStringLiteral("r2=yearly"), QStringLiteral("r3=yearly")}));
    }

    void cancelPutsBackEveryRemovalSoALaterOkKeepsThem()
    {
        h->seed({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, 3);
        const QStringList before = h->onDisk();
        {
            frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
            click(dialog, "cmdRemove");
            click(dialog, "cmdRemove");
            child<QComboBox>(dialog, "cboEvents")->setCurrentIndex(1);
            click(dialog, "cmdRemove");
            addEvent(dialog, QStringLiteral("New"), QStringLiteral("2005-05-05 05:05"));
            click(dialog, "cmdCancel");
            QCOMPARE(finishes(finished), QList<bool> {false});
        }
        QCOMPARE(h->events.EventDescriptions,
            (QStringList {QStringLiteral("Quorvane"), QStringLiteral("A"), QStringLiteral("B"),
                QStringLiteral("C"), QStringLiteral("New")}));
        QCOMPARE(h->events.EventDates.mid(1, 3),
            (QStringList {
                WindowHarness::dateOf(1), WindowHarness::dateOf(2), WindowHarness::dateOf(3)}));
        QCOMPARE(h->events.countdownIndex(), 3);
        QCOMPARE(h->onDisk(), before);

        // The next visit shows them unmarked, and its OK (here for the wallpaper) keeps them.
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QCOMPARE(items(dialog),
            (QStringList {QStringLiteral("Quorvane"), QStringLiteral("A"), QStringLiteral("B"),
                QStringLiteral("C"), QStringLiteral("New")}));
        QCOMPARE(selected(dialog), 3);
        const QString picture = writePicture(*h, QStringLiteral("sea.bmp"));
        h->files.answerWithFile(picture);
        click(dialog, "optWallpaperCustom");
        click(dialog, "cmdOk");
        QCOMPARE(h->onDisk(),
            (QStringList {QStringLiteral("Active=3"), QStringLiteral("Wallpaper=") + picture,
                QStringLiteral("d1=") + WindowHarness::dateOf(1),
                QStringLiteral("d2=") + WindowHarness::dateOf(2),
                QStringLiteral("d3=") + WindowHarness::dateOf(3),
                QStringLiteral("d4=2005-05-05 05:05"), QStringLiteral("t1=A"),
                QStringLiteral("t2=B"), QStringLiteral("t3=C"), QStringLiteral("t4=New")}));
    }

    void refusedSaveKeepsDialogOpenWithEverything()
    {
        h->seed({QStringLiteral("A")}, 1);
        const QStringList before = h->onDisk();
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
        dialog.show();
        addEvent(dialog, QStringLiteral("Trip"), QStringLiteral("2004-01-19 01:15"));
        QFile::setPermissions(h->file, QFile::ReadOwner);
        click(dialog, "cmdOk");
        QFile::setPermissions(h->file, QFile::ReadOwner | QFile::WriteOwner);

        QCOMPARE(h->messages.shown.size(), 1);
        QVERIFY(h->messages.shown.first().text.startsWith(
            QStringLiteral("The settings could not be saved.\r\n\r\n")));
        QVERIFY(h->messages.shown.first().text.contains(QStringLiteral("read-only")));
        QCOMPARE(h->messages.shown.first().style, MessageBox::Stop);
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(h->onDisk(), before);
        QCOMPARE(selected(dialog), 2);
        QCOMPARE(h->events.EventDescriptions.last(), QStringLiteral("Trip"));

        click(dialog, "cmdOk");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(finishes(finished), QList<bool> {true});
    }

    void damagedFileIsKeptAndOkSaysWhere()
    {
        QFile damaged(h->file);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("[countdown]\nd1=2004-01-19 01:15\nt1=Kept\nd2=2005-0");
        damaged.close();
        const QByteArray original = [&] {
            damaged.open(QIODevice::ReadOnly);
            QByteArray bytes = damaged.readAll();
            damaged.close(); // Windows replaces no file that is held open
            return bytes;
        }();
        IniFileStore settings(h->file);
        LoadSettings(h->events, settings);
        frmConfig dialog(h->events, settings, h->messages, h->files, h->login, h->pictures);
        QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
        dialog.show();
        click(dialog, "cmdOk");

        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(h->messages.shown.first().style, MessageBox::Exclamation);
        const QString copy = h->messages.shown.first().text.section(QStringLiteral("\r\n"), -1);
        QVERIFY(copy.startsWith(h->file + QStringLiteral(".damaged-")));
        QFile kept(copy);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), original);
        QCOMPARE(finishes(finished), QList<bool> {true});
    }

    void loginRowLiesBetweenEventsAndButtons()
    {
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        const auto geometry = [&](const char *name) { return child(dialog, name)->geometry(); };
        // Below the Events frame, above OK and Cancel, and inside the dialog.
        const QRect row = geometry("chkLogin");
        QVERIFY(row.top() > geometry("fraMsg1").bottom());
        QVERIFY(
            row.bottom() < geometry("cmdOk").top() && row.bottom() < geometry("cmdCancel").top());
        QVERIFY(dialog.rect().contains(geometry("cmdOk")));
        auto *box = child<QCheckBox>(dialog, "chkLogin");
        QCOMPARE(box->text(), QStringLiteral("Show the countdown when I log in"));
        QCOMPARE(box->accessibleName(), box->text());
    }

    void loginBoxShowsTheEntryAsItIs_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("checked");
        QTest::newRow("no entry") << QByteArray() << false;
        QTest::newRow("entry") << QByteArray("[Desktop Entry]\nExec=quorvane\n") << true;
        QTest::newRow("entry switched off by another tool")
            << QByteArray("[Desktop Entry]\nExec=quorvane\nX-GNOME-Autostart-enabled=false\n")
            << false;
    }
    void loginBoxShowsTheEntryAsItIs()
    {
        QFETCH(QByteArray, entry);
        QFETCH(bool, checked);
        if (!entry.isEmpty()) {
            QVERIFY(QDir().mkpath(h->autostart));
            QVERIFY(TestFiles::writeAll(h->loginEntry, entry));
        }
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QCOMPARE(child<QCheckBox>(dialog, "chkLogin")->isChecked(), checked);

        // OK with the box as it was leaves the entry byte for byte.
        dialog.show();
        click(dialog, "cmdOk");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(TestFiles::readAll(h->loginEntry), entry);
    }

    void okWritesOrRemovesTheLoginEntry()
    {
        {
            frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            dialog.show();
            click(dialog, "chkLogin");
            click(dialog, "cmdOk");
            QVERIFY(!dialog.isVisible());
        }
        QVERIFY(QFile::exists(h->file));
        QVERIFY(TestFiles::readAll(h->loginEntry).contains("\nExec=/usr/bin/quorvane\n"));
        {
            frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            dialog.show();
            QVERIFY(child<QCheckBox>(dialog, "chkLogin")->isChecked());
            click(dialog, "chkLogin");
            click(dialog, "cmdOk");
        }
        QVERIFY(!QFile::exists(h->loginEntry));
        QVERIFY(QDir(h->autostart).exists());
        QVERIFY(h->messages.shown.isEmpty());
    }

    void cancelAndCloseLeaveTheLoginEntryAlone()
    {
        for (const bool cancel : {true, false}) {
            frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            dialog.show();
            click(dialog, "chkLogin");
            if (cancel) {
                click(dialog, "cmdCancel");
            } else {
                QVERIFY(dialog.close());
            }
            QVERIFY(!QFile::exists(h->loginEntry));
            QVERIFY(!QFile::exists(h->file));
        }
    }

    void unwritableLoginEntryKeepsDialogOpenAfterSaving_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<QString>("reason");
#ifdef Q_OS_UNIX // a Windows folder's read-only mark does not stop writes in it
        QTest::newRow("read-only autostart folder") << true << QStringLiteral("is read-only");
#endif
        QTest::newRow("a file in place of the folder")
            << false << QStringLiteral("cannot be created");
    }
    void unwritableLoginEntryKeepsDialogOpenAfterSaving()
    {
        QFETCH(bool, readOnlyFolder);
        QFETCH(QString, reason);
        if (readOnlyFolder) {
            QVERIFY(QDir().mkpath(h->autostart));
            QVERIFY(QFile::setPermissions(h->autostart, QFile::ReadOwner | QFile::ExeOwner));
        } else {
            QVERIFY(TestFiles::writeAll(h->autostart, "in the way"));
        }
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
        dialog.show();
        addEvent(dialog, QStringLiteral("Trip"), QStringLiteral("2004-01-19 01:15"));
        click(dialog, "chkLogin");
        click(dialog, "cmdOk");
        QFile::setPermissions(h->autostart, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // The settings are saved and the dialog says what was not done, and why.
        QVERIFY(h->onDisk().contains(QStringLiteral("t1=Trip")));
        QCOMPARE(h->messages.shown.size(), 1);
        const Shown message = h->messages.shown.first();
        QVERIFY2(message.text.startsWith(
                     QStringLiteral("Your settings were saved, but showing the countdown when "
                                    "you log in could not be changed.\r\n\r\n")),
            qPrintable(message.text));
        QVERIFY2(message.text.contains(h->autostart) && message.text.contains(reason),
            qPrintable(message.text));
        QCOMPARE(message.style, MessageBox::Stop);
        QCOMPARE(message.title, MessageBox::applicationTitle());
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
        QVERIFY(child<QCheckBox>(dialog, "chkLogin")->isChecked());
        QVERIFY(!QFile::exists(h->loginEntry));

        // Cancel now leaves the login entry alone; the settings saved stand, so it reports them.
        click(dialog, "cmdCancel");
        QCOMPARE(finishes(finished), QList<bool> {true});
        QVERIFY(!QFile::exists(h->loginEntry));
    }

    void titleBarCloseAnnouncesNothing()
    {
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
        dialog.show();
        addEvent(dialog, QStringLiteral("Trip"), QStringLiteral("2004-01-19 01:15"));
        QVERIFY(dialog.close());
        QCOMPARE(finished.count(), 0);
        QVERIFY(!QFile::exists(h->file));
    }

    void wallpaperOptionFollowsExactMarker_data()
    {
        QTest::addColumn<QString>("wallpaper");
        QTest::addColumn<bool>("isDefault");
        QTest::newRow("marker") << DefaultWallpaperMarker() << true;
        QTest::newRow("marker in other case") << QStringLiteral("Veltor://Default") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("file") << QStringLiteral("/pictures/sea.jpg") << false;
    }
    void wallpaperOptionFollowsExactMarker()
    {
        QFETCH(QString, wallpaper);
        QFETCH(bool, isDefault);
        h->seed({}, 0, wallpaper);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        QCOMPARE(child<QRadioButton>(dialog, "optWallpaperDefault")->isChecked(), isDefault);
        QCOMPARE(child<QRadioButton>(dialog, "optWallpaperCustom")->isChecked(), !isDefault);
        QCOMPARE(text(dialog, "txtWallpaper"), wallpaper);
        QVERIFY(h->files.requests.isEmpty());
    }

    void anyMouseButtonOnCustomOpensFileDialog_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void anyMouseButtonOnCustomOpensFileDialog()
    {
        QFETCH(Qt::MouseButton, button);
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        const QString sea = writePicture(*h, QStringLiteral("sea.jpg"));
        h->files.answerWithFile(sea);
        click(dialog, "optWallpaperCustom", button);
        QCOMPARE(h->files.requests.size(), 1);
        const FileDialog::Request request = h->files.requests.first();
        QCOMPARE(request.title, QStringLiteral("Select a Wallpaper (approx. 390x275)"));
        QCOMPARE(request.filter,
            QStringLiteral(
                "Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;)| *.jpeg; *.jpg; *.gif; *.bmp;"));
        QCOMPARE(request.flags, 0x1004);
        QCOMPARE(text(dialog, "txtWallpaper"), sea);
        click(dialog, "cmdOk");
        QVERIFY(h->onDisk().contains(QStringLiteral("Wallpaper=") + sea));
    }

    void cancelledFileDialogLeavesMarkerUnderCustom()
    {
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        click(dialog, "optWallpaperCustom");
        QVERIFY(child<QRadioButton>(dialog, "optWallpaperCustom")->isChecked());
        QCOMPARE(text(dialog, "txtWallpaper"), DefaultWallpaperMarker());
        QVERIFY(h->messages.shown.isEmpty());
    }

    void failingFileDialogShowsErrorWithNumber()
    {
        h->seed({}, 0, QStringLiteral("/pictures/old.bmp"));
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        h->files.answerWithFailure(20476, QStringLiteral("The file name is too long."));
        click(dialog, "optWallpaperCustom");
        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(h->messages.shown.first().text, QStringLiteral("The file name is too long."));
        QCOMPARE(h->messages.shown.first().title, QStringLiteral("Error 20476"));
        QCOMPARE(h->messages.shown.first().style, MessageBox::Stop);
        QCOMPARE(text(dialog, "txtWallpaper"), QStringLiteral("/pictures/old.bmp"));
    }

    void fileDialogStartsInPicturesThenOffersLastChoiceWithinOneVisit()
    {
#ifndef Q_OS_UNIX
        QSKIP("Windows' own folders do not follow HOME");
#endif
        // A home of the test's own, without the desktop's folder settings.
        const QByteArray home = qgetenv("HOME");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            qputenv("XDG_CONFIG_HOME", config);
        });
        const QString ownHome = h->dir.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(ownHome));
        qputenv("HOME", QFile::encodeName(ownHome));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(ownHome + QStringLiteral("/.config")));
        {
            frmConfig noPictures(
                h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            click(noPictures, "optWallpaperCustom");
        }
        const QString pictures = ownHome + QStringLiteral("/Pictures");
        QVERIFY(QDir().mkpath(pictures));

        const QString sea = writePicture(*h, QStringLiteral("sea.jpg"));
        {
            frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
            h->files.answerWithFile(sea);
            click(dialog, "optWallpaperCustom");
            click(dialog, "optWallpaperDefault");
            QCOMPARE(text(dialog, "txtWallpaper"), DefaultWallpaperMarker());
            click(dialog, "optWallpaperCustom");
        }
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        click(dialog, "optWallpaperCustom");
        QCOMPARE(h->files.requests.size(), 4);
        QCOMPARE(h->files.requests.at(0).initialFile, QString());
        QCOMPARE(h->files.requests.at(0).initialFolder, ownHome);
        QCOMPARE(h->files.requests.at(1).initialFile, QString());
        QCOMPARE(h->files.requests.at(1).initialFolder, pictures);
        QCOMPARE(h->files.requests.at(2).initialFile, sea);
        QCOMPARE(h->files.requests.at(3).initialFile, QString());
        QCOMPARE(h->files.requests.at(3).initialFolder, pictures);
    }

    void fileThatCannotBeShownIsRefusedWhenChosen()
    {
        const QString old = writePicture(*h, QStringLiteral("old.gif"));
        h->seed({}, 0, old);
        QVERIFY(TestFiles::writeAll(h->dir.filePath(QStringLiteral("notes.jpg")), "not a picture"));
        // A photo cut off after its first segments, as by an interrupted copy.
        const QByteArray photo = TestFiles::readAll(writePicture(*h, QStringLiteral("whole.jpg")));
        QVERIFY(
            TestFiles::writeAll(h->dir.filePath(QStringLiteral("damaged.jpg")), photo.left(40)));
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        for (const char *name : {"notes.jpg", "damaged.jpg"}) {
            const QString path = h->dir.filePath(QLatin1String(name));
            h->files.answerWithFile(path);
            click(dialog, "optWallpaperCustom");
            QCOMPARE(h->messages.shown.size(), 1);
            const Shown shown = h->messages.shown.takeFirst();
            QCOMPARE(shown.title, QStringLiteral("Invalid picture"));
            QCOMPARE(shown.style, MessageBox::Stop);
            QVERIFY(shown.text.contains(QStringLiteral("\r\n") + path + QStringLiteral("\r\n")));
            QCOMPARE(text(dialog, "txtWallpaper"), old);
        }
        // The next file dialog starts where the refused file lies; a picture is then taken.
        const QString sea = writePicture(*h, QStringLiteral("sea.png"));
        h->files.answerWithFile(sea);
        click(dialog, "optWallpaperCustom");
        QCOMPARE(
            h->files.requests.last().initialFile, h->dir.filePath(QStringLiteral("damaged.jpg")));
        QVERIFY(h->messages.shown.isEmpty());
        QCOMPARE(text(dialog, "txtWallpaper"), sea);
    }

    void keyboardOpensFileDialogOnlyOnSpace()
    {
        frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(child<QWidget>(dialog, "optWallpaperDefault"), Qt::Key_Right);
        QVERIFY(child<QRadioButton>(dialog, "optWallpaperCustom")->isChecked());
        QVERIFY(h->files.requests.isEmpty());
        QTest::keyClick(child<QWidget>(dialog, "optWallpaperCustom"), Qt::Key_Space);
        QCOMPARE(h->files.requests.size(), 1);
    }
};

QTEST_MAIN(tst_frmConfig)
#include "tst_frmconfig.moc"
