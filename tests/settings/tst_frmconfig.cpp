#include "settings/frmConfig.h"

#include "TestFiles.h"
#include "WindowHarness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(dialog.size(), QSize(353, 351));
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
                           "txtDescription txtDate cmdRemove chkLogin cmdOk cmdCancel"));
        QCOMPARE(
            child<QLabel>(dialog, "lblMsg2")->buddy(), child<QWidget>(dialog, "txtDescription"));
        QCOMPARE(child<QLabel>(dialog, "lblMsg0")->buddy(), child<QWidget>(dialog, "txtDate"));
        QCOMPARE(
            child<QWidget>(dialog, "txtWallpaper")->accessibleName(), QStringLiteral("Wallpaper"));
    }

    void activeOutsideListSelectsNothingAndRemoveDoesNothing()
    {
        h->seed({QStringLiteral("One")}, 5);
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        QCOMPARE(selected(dialog), -1);
        QCOMPARE(text(dialog, "lblDate"), QString());
        click(dialog, "cmdRemove");
        QVERIFY(h->messages.shown.isEmpty());
        QCOMPARE(items(dialog), (QStringList {QStringLiteral("Quorvane"), QStringLiteral("One")}));
    }

    void activeEntryWithoutDescriptionOpensOnBuiltInEvent()
    {
        h->seed({QString()}, 1);
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        QCOMPARE(selected(dialog), 0);
        QCOMPARE(text(dialog, "lblDate"), BuiltInEventDate());
    }

    void openListGivesEveryEntryItsOwnHeight()
    {
        // The open list takes one height for all entries: that must be each entry's own, for an
        // empty description and one marked removed too.
        h->seed({QStringLiteral("One"), QString(), QStringLiteral("Three, with W and j to ya")}, 1);
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        click(dialog, "cmdRemove");
        auto *combo = child<QComboBox>(dialog, "cboEvents");
        combo->showPopup();
        QAbstractItemView *list = combo->view();
        QTRY_VERIFY(list->isVisible());
        QStyleOptionViewItem option;
        option.initFrom(list);
        int top = list->visualRect(combo->model()->index(0, 0)).top();
        for (int row = 0; row < combo->count(); ++row) {
            const QModelIndex index = combo->model()->index(row, 0);
            const QRect rect = list->visualRect(index);
            QCOMPARE(
                rect.height(), list->itemDelegateForIndex(index)->sizeHint(option, index).height());
            QCOMPARE(rect.top(), top);
            top = rect.bottom() + 1;
        }
        combo->hidePopup();
    }

    void dateIsCheckedBeforeDescription()
    {
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
        QCOMPARE(h->messages.shown.last().text, QStringLiteral("Please enter a description"));
        QCOMPARE(h->messages.shown.last().style, MessageBox::Exclamation);
        QCOMPARE(h->messages.shown.last().title, QStringLiteral("Quorvane"));
        QCOMPARE(h->store.EventDates.size(), 1);
    }

    void addAppendsSelectsAndEmptiesTextBoxes()
    {
        h->seed({QStringLiteral("One")}, 0);
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        addEvent(dialog, QStringLiteral(" "), QStringLiteral("2003-13-45 99:99"));
        QVERIFY(h->messages.shown.isEmpty());
        QCOMPARE(h->store.EventDates.last(), QStringLiteral("2003-13-45 99:99"));
        QCOMPARE(h->store.EventDescriptions.last(), QStringLiteral(" "));
        QCOMPARE(items(dialog).last(), QStringLiteral(" "));
        QCOMPARE(selected(dialog), 2);
        QCOMPARE(text(dialog, "lblDate"), QStringLiteral("2003-13-45 99:99"));
        QCOMPARE(text(dialog, "txtDate"), QString());
        QCOMPARE(text(dialog, "txtDescription"), QString());
        QCOMPARE(h->store.ActiveEvent, 0);
    }

    void enterAddsAndEscapeDoesNothing()
    {
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        click(dialog, "cmdRemove");
        QCOMPARE(items(dialog).at(3), QStringLiteral("C [to be removed]"));
        QCOMPARE(h->store.EventDates.at(3), QStringLiteral("* deleted *"));
        QCOMPARE(h->store.EventDescriptions.at(3), QString());
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        click(dialog, "cmdRemove");
        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(h->messages.shown.first().text, QStringLiteral("This event cannot be removed!"));
        QCOMPARE(h->messages.shown.first().style, MessageBox::Exclamation);
        QCOMPARE(items(dialog), QStringList {QStringLiteral("Quorvane")});
        QCOMPARE(h->store.EventDescriptions, QStringList {QStringLiteral("Quorvane")});
    }

    void pickingRemovedItemSelectsBuiltInEvent()
    {
        h->seed({QStringLiteral("A"), QStringLiteral("B")}, 1);
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        click(dialog, "cmdRemove");
        child<QComboBox>(dialog, "cboEvents")->setCurrentIndex(2);
        QCOMPARE(text(dialog, "lblDate"), WindowHarness::dateOf(2));
        QTest::keyClick(child<QComboBox>(dialog, "cboEvents"), Qt::Key_Up);
        QCOMPARE(selected(dialog), 0);
        QCOMPARE(text(dialog, "lblDate"), BuiltInEventDate());
    }

    void addAfterRemoveKeepsItemIndexEqualToListIndex()
    {
        h->seed({QStringLiteral("A"), QStringLiteral("B")}, 2);
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        click(dialog, "cmdRemove");
        addEvent(dialog, QStringLiteral("New"), QStringLiteral("2005-05-05 05:05"));
        QCOMPARE(selected(dialog), 3);
        QCOMPARE(h->store.EventDescriptions.at(3), QStringLiteral("New"));
        QCOMPARE(items(dialog).at(2), QStringLiteral("B [to be removed]"));
    }

    void cancelKeepsAddedEventAndLaterOkWritesIt()
    {
        // Whoever listens opens the next window: by then this one must be gone.
        bool shownWhenAnnounced = false;
        {
            frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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

        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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

    void cancelRestoresRemovedActiveEventOnly()
    {
        h->seed({QStringLiteral("A"), QStringLiteral("B")}, 2);
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
        click(dialog, "cmdRemove");
        click(dialog, "cmdRemove");
        click(dialog, "cmdCancel");
        QCOMPARE(h->store.EventDates.at(2), WindowHarness::dateOf(2));
        QCOMPARE(h->store.EventDescriptions,
            (QStringList {QStringLiteral("Quorvane"), QString(), QStringLiteral("B")}));
        QCOMPARE(items(dialog).at(2), QStringLiteral("B"));
        QCOMPARE(h->store.countdownIndex(), 2);
        QCOMPARE(finishes(finished), QList<bool> {false});
    }

    void refusedSaveKeepsDialogOpenWithEverything()
    {
        h->seed({QStringLiteral("A")}, 1);
        const QStringList before = h->onDisk();
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
        dialog.show();
        addEvent(dialog, QStringLiteral("Trip"), QStringLiteral("2004-01-19 01:15"));
        QFile::setPermissions(h->dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        click(dialog, "cmdOk");
        QFile::setPermissions(
            h->dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(h->messages.shown.size(), 1);
        QVERIFY(h->messages.shown.first().text.startsWith(
            QStringLiteral("The settings could not be saved.\r\n\r\n")));
        QVERIFY(h->messages.shown.first().text.contains(QStringLiteral("read-only")));
        QCOMPARE(h->messages.shown.first().style, MessageBox::Stop);
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(h->onDisk(), before);
        QCOMPARE(selected(dialog), 2);
        QCOMPARE(h->store.EventDescriptions.last(), QStringLiteral("Trip"));

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
            return damaged.readAll();
        }();
        QtSettingsStore settings(h->file);
        LoadSettings(h->store, settings);
        frmConfig dialog(h->store, settings, h->messages, h->files, h->login);
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        const auto geometry = [&](const char *name) { return child(dialog, name)->geometry(); };
        // Everything above keeps its place; OK, Cancel and the static text move down by the row.
        QCOMPARE(geometry("fraMsg1"), QRect(8, 88, 337, 201));
        QCOMPARE(geometry("cmdRemove"), QRect(168, 256, 169, 25));
        QCOMPARE(geometry("chkLogin"), QRect(16, 296, 321, 17));
        QCOMPARE(geometry("cmdOk"), QRect(168, 320, 81, 25));
        QCOMPARE(geometry("cmdCancel"), QRect(256, 320, 81, 25));
        QCOMPARE(geometry("lblMsg3").topLeft(), QPoint(24, 324));
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
            frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
            dialog.show();
            click(dialog, "chkLogin");
            click(dialog, "cmdOk");
            QVERIFY(!dialog.isVisible());
        }
        QVERIFY(QFile::exists(h->file));
        QVERIFY(TestFiles::readAll(h->loginEntry).contains("\nExec=/usr/bin/quorvane\n"));
        {
            frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
            frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
        QTest::newRow("read-only autostart folder") << true << QStringLiteral("is read-only");
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        h->files.answerWithFile(QStringLiteral("/pictures/sea.jpg"));
        click(dialog, "optWallpaperCustom", button);
        QCOMPARE(h->files.requests.size(), 1);
        const FileDialog::Request request = h->files.requests.first();
        QCOMPARE(request.title, QStringLiteral("Select a Wallpaper (approx. 390x275)"));
        QCOMPARE(request.filter,
            QStringLiteral(
                "Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;)| *.jpeg; *.jpg; *.gif; *.bmp;"));
        QCOMPARE(request.flags, 0x1004);
        QCOMPARE(text(dialog, "txtWallpaper"), QStringLiteral("/pictures/sea.jpg"));
        click(dialog, "cmdOk");
        QVERIFY(h->onDisk().contains(QStringLiteral("Wallpaper=/pictures/sea.jpg")));
    }

    void cancelledFileDialogLeavesMarkerUnderCustom()
    {
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        click(dialog, "optWallpaperCustom");
        QVERIFY(child<QRadioButton>(dialog, "optWallpaperCustom")->isChecked());
        QCOMPARE(text(dialog, "txtWallpaper"), DefaultWallpaperMarker());
        QVERIFY(h->messages.shown.isEmpty());
    }

    void failingFileDialogShowsErrorWithNumber()
    {
        h->seed({}, 0, QStringLiteral("/pictures/old.bmp"));
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        h->files.answerWithFailure(20476, QStringLiteral("The file name is too long."));
        click(dialog, "optWallpaperCustom");
        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(h->messages.shown.first().text, QStringLiteral("The file name is too long."));
        QCOMPARE(h->messages.shown.first().title, QStringLiteral("Error 20476"));
        QCOMPARE(h->messages.shown.first().style, MessageBox::Stop);
        QCOMPARE(text(dialog, "txtWallpaper"), QStringLiteral("/pictures/old.bmp"));
    }

    void fileDialogOffersLastChoiceWithinOneVisit()
    {
        {
            frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
            h->files.answerWithFile(QStringLiteral("/pictures/sea.jpg"));
            click(dialog, "optWallpaperCustom");
            click(dialog, "optWallpaperDefault");
            QCOMPARE(text(dialog, "txtWallpaper"), DefaultWallpaperMarker());
            click(dialog, "optWallpaperCustom");
        }
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
        click(dialog, "optWallpaperCustom");
        QCOMPARE(h->files.requests.size(), 3);
        QCOMPARE(h->files.requests.at(0).initialFile, QString());
        QCOMPARE(h->files.requests.at(1).initialFile, QStringLiteral("/pictures/sea.jpg"));
        QCOMPARE(h->files.requests.at(2).initialFile, QString());
    }

    void keyboardOpensFileDialogOnlyOnSpace()
    {
        frmConfig dialog(h->store, h->settings, h->messages, h->files, h->login);
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
