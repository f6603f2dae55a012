#include "gui/countdown/frmMain.h"
#include "gui/settingsdialog/frmConfig.h"

#include "WindowHarness.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

// Both windows without a mouse and through a screen reader's eyes: what Qt's accessibility
// interface reports for each control, and every action reached with Tab, Space and Enter.
namespace {

void showActive(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

QAccessibleInterface *accessible(QWidget *widget)
{
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(widget);
    if (!found) {
        qFatal("%s has no accessible interface", qPrintable(widget->objectName()));
    }
    return found;
}

QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

} // namespace

class tst_Accessibility final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        // One event of the user's, active, so that Remove has something to remove.
        h->events.appendEvent(QStringLiteral("2004-01-19 01:15"), QStringLiteral("Trip"));
        h->events.ActiveEvent = 1;
    }
    void cleanup()
    {
        h.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void controlsHaveTheNamesAScreenReaderReads_data();
    void controlsHaveTheNamesAScreenReaderReads();
    void countdownActionsFromTheKeyboard();
    void dialogTabStopsAndTheirKeys_data();
    void dialogTabStopsAndTheirKeys();
    void eventListOpensAndChoosesFromTheKeyboard_data();
    void eventListOpensAndChoosesFromTheKeyboard();

private:
    std::unique_ptr<WindowHarness> h;
};

void tst_Accessibility::controlsHaveTheNamesAScreenReaderReads_data()
{
    QTest::addColumn<bool>("inSettings");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");

    const auto countdown
        = [](const char *tag, const char *control, const QString &name, QAccessible::Role role) {
              QTest::newRow(tag) << false << QString::fromLatin1(control) << name << role;
          };
    // Counting from 2003-06-01 12:00 to the event, 2004-01-19 01:15.
    countdown("readout days", "lblDays", QStringLiteral("232 Days"), QAccessible::StaticText);
    countdown("readout hours", "lblHours", QStringLiteral("5557 Hrs."), QAccessible::StaticText);
    countdown("readout minutes", "lblMin", QStringLiteral("333435 Min."), QAccessible::StaticText);
    countdown(
        "readout seconds", "lblSec", QStringLiteral("20006100 Sec."), QAccessible::StaticText);
    countdown(
        "auto-close box", "chkClose", QStringLiteral("Auto-Close (10 Sec)"), QAccessible::CheckBox);
    countdown("picture button", "cmdConfig", QStringLiteral("Settings"), QAccessible::Button);

    const auto settings
        = [](const char *tag, const char *control, const QString &name, QAccessible::Role role) {
              QTest::newRow(tag) << true << QString::fromLatin1(control) << name << role;
          };
    settings("default wallpaper option", "optWallpaperDefault", QStringLiteral("Default"),
        QAccessible::RadioButton);
    settings("custom wallpaper option", "optWallpaperCustom",
        QStringLiteral("Custom (Click to change)"), QAccessible::RadioButton);
    settings(
        "wallpaper box", "txtWallpaper", QStringLiteral("Wallpaper"), QAccessible::EditableText);
    settings("event list", "cboEvents", QStringLiteral("Events"), QAccessible::ComboBox);
    settings("date of the chosen event", "lblDate", QStringLiteral("2004-01-19 01:15"),
        QAccessible::StaticText);
    // Named by the label in front of them.
    settings("description box", "txtDescription", QStringLiteral("Descripton:"),
        QAccessible::EditableText);
    settings("date box", "txtDate", QStringLiteral("Date/Time (YYYY-MM-DD HH:MIN):"),
        QAccessible::EditableText);
    settings("every year box", "chkYearly", QStringLiteral("Every year"), QAccessible::CheckBox);
    settings("add button", "cmdAdd", QStringLiteral("Add"), QAccessible::Button);
    settings("change button", "cmdChange", QStringLiteral("Change"), QAccessible::Button);
    settings("remove button", "cmdRemove", QStringLiteral("Remove Selected"), QAccessible::Button);
    settings("login box", "chkLogin", QStringLiteral("Show the countdown when I log in"),
        QAccessible::CheckBox);
    settings("ok button", "cmdOk", QStringLiteral("OK"), QAccessible::Button);
    settings("cancel button", "cmdCancel", QStringLiteral("Cancel"), QAccessible::Button);
}

void tst_Accessibility::controlsHaveTheNamesAScreenReaderReads()
{
    QFETCH(bool, inSettings);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    std::unique_ptr<QWidget> window;
    if (inSettings) {
        window = std::make_unique<frmConfig>(
            h->events, h->settings, h->messages, h->files, h->login, h->pictures);
    } else {
        window = std::make_unique<frmMain>(h->events, h->clock, h->pictures);
    }
    QAccessibleInterface *iface = accessible(child(*window, control));
    QCOMPARE(iface->role(), role);
    if (role == QAccessible::ComboBox && iface->text(QAccessible::Name) != name) {
        // Qt on Linux reports a combo box's selected item as its name; the screen reader reads
        // the name of what labels it, here its frame.
        QStringList labels;
        for (const auto &[label, relation] : iface->relations(QAccessible::Label)) {
            labels.append(label->text(QAccessible::Name));
        }
        QVERIFY2(labels.contains(name), qPrintable(labels.join(QLatin1Char('|'))));
        return;
    }
    QCOMPARE(iface->text(QAccessible::Name), name);
}

void tst_Accessibility::countdownActionsFromTheKeyboard()
{
    frmMain window(h->events, h->clock, h->pictures);
    QSignalSpy settingsRequested(&window, &frmMain::settingsRequested);
    showActive(window);
    auto *chkClose = child<QCheckBox>(window, QStringLiteral("chkClose"));
    const auto *tmrClose = child<QTimer>(window, QStringLiteral("tmrClose"));
    QCOMPARE(focusName(), QStringLiteral("chkClose"));
    QVERIFY(accessible(chkClose)->state().checked);

    QTest::keyClick(chkClose, Qt::Key_Space);
    QVERIFY(!accessible(chkClose)->state().checked);
    QVERIFY(!tmrClose->isActive());
    QTest::keyClick(chkClose, Qt::Key_Space);
    QVERIFY(accessible(chkClose)->state().checked);
    QVERIFY(tmrClose->isActive());

    QTest::keyClick(chkClose, Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("cmdConfig"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(settingsRequested.count(), 1);
    QVERIFY(!window.isVisible());
}

void tst_Accessibility::dialogTabStopsAndTheirKeys_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("effect");

    // The wallpaper options are one stop, at the selected one; the arrow keys move within.
    QTest::newRow("Enter on the wallpaper option adds") << 0 << int(Qt::Key_Return) << "added";
    QTest::newRow("Enter in the wallpaper box adds") << 1 << int(Qt::Key_Return) << "added";
    QTest::newRow("Enter in the event list adds") << 2 << int(Qt::Key_Return) << "added";
    QTest::newRow("Space on Add adds") << 3 << int(Qt::Key_Space) << "added";
    QTest::newRow("Enter in the description adds") << 4 << int(Qt::Key_Enter) << "added";
    QTest::newRow("Space on Change changes") << 7 << int(Qt::Key_Space) << "changed";
    QTest::newRow("Space on Remove Selected removes")
        << 8 << int(Qt::Key_Space) << "marked removed";
    QTest::newRow("Enter on Remove Selected removes instead of adding")
        << 8 << int(Qt::Key_Return) << "marked removed";
    QTest::newRow("Space on the login box checks it")
        << 9 << int(Qt::Key_Space) << "login box checked";
    QTest::newRow("Space on OK saves") << 10 << int(Qt::Key_Space) << "saved, closed, countdown";
    QTest::newRow("Enter on OK saves") << 10 << int(Qt::Key_Return) << "saved, closed, countdown";
    QTest::newRow("Space on Cancel") << 11 << int(Qt::Key_Space) << "closed, countdown";
    QTest::newRow("Enter on Cancel") << 11 << int(Qt::Key_Return) << "closed, countdown";
    QTest::newRow("Tab after Cancel returns to the wallpaper option, Escape does nothing")
        << 12 << int(Qt::Key_Escape) << "nothing";
}

void tst_Accessibility::dialogTabStopsAndTheirKeys()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(QString, effect);
    const QStringList stops = {QStringLiteral("optWallpaperDefault"),
        QStringLiteral("txtWallpaper"), QStringLiteral("cboEvents"), QStringLiteral("cmdAdd"),
        QStringLiteral("txtDescription"), QStringLiteral("txtDate"), QStringLiteral("chkYearly"),
        QStringLiteral("cmdChange"), QStringLiteral("cmdRemove"), QStringLiteral("chkLogin"),
        QStringLiteral("cmdOk"), QStringLiteral("cmdCancel")};

    frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
    QSignalSpy finished(&dialog, &frmConfig::dialogFinished);
    showActive(dialog);
    child<QLineEdit>(dialog, QStringLiteral("txtDescription"))->setText(QStringLiteral("Party"));
    child<QLineEdit>(dialog, QStringLiteral("txtDate"))
        ->setText(QStringLiteral("2004-12-31 20:00"));
    for (int i = 0; i < tabs; ++i) {
        QCOMPARE(focusName(), stops.at(i % stops.size()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(focusName(), stops.at(tabs % stops.size()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QStringList happened;
    if (h->events.EventDescriptions.size() > 2) {
        happened.append(QStringLiteral("added"));
    }
    if (h->events.EventDescriptions.value(1) == QStringLiteral("Party")) {
        happened.append(QStringLiteral("changed"));
    }
    if (h->events.EventDescriptions.value(1).isEmpty()) {
        happened.append(QStringLiteral("marked removed"));
    }
    if (QFile::exists(h->dir.filePath(QStringLiteral("Quorvane.conf")))) {
        happened.append(QStringLiteral("saved"));
    }
    if (child<QCheckBox>(dialog, QStringLiteral("chkLogin"))->isChecked()) {
        happened.append(QStringLiteral("login box checked"));
    }
    if (!dialog.isVisible()) {
        happened.append(QStringLiteral("closed"));
    }
    if (!finished.isEmpty()) {
        happened.append(QStringLiteral("countdown"));
    }
    for (const ScriptedMessageBox::Shown &shown : std::as_const(h->messages.shown)) {
        happened.append(QStringLiteral("message ") + shown.text);
    }
    QCOMPARE(happened.isEmpty() ? QStringLiteral("nothing") : happened.join(QStringLiteral(", ")),
        effect);
}

void tst_Accessibility::eventListOpensAndChoosesFromTheKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    QTest::newRow("F4") << int(Qt::Key_F4) << Qt::KeyboardModifiers();
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::AltModifier);
}

void tst_Accessibility::eventListOpensAndChoosesFromTheKeyboard()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    frmConfig dialog(h->events, h->settings, h->messages, h->files, h->login, h->pictures);
    showActive(dialog);
    auto *cboEvents = child<QComboBox>(dialog, QStringLiteral("cboEvents"));
    cboEvents->setFocus();
    QTest::keyClick(cboEvents, Qt::Key(key), modifiers);
    QTRY_VERIFY(cboEvents->view()->isVisible());
    QTest::keyClick(cboEvents->view(), Qt::Key_Up);
    QTest::keyClick(cboEvents->view(), Qt::Key_Return);
    QTRY_VERIFY(!cboEvents->view()->isVisible());
    QCOMPARE(cboEvents->currentIndex(), 0);
    QCOMPARE(accessible(cboEvents)->text(QAccessible::Value), BuiltInEventDescription());
    QCOMPARE(child<QLabel>(dialog, QStringLiteral("lblDate"))->text(), BuiltInEventDate());
    QVERIFY(dialog.isVisible());
    QVERIFY(h->events.EventDescriptions.size() == 2);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
