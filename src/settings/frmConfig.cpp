#include "settings/frmConfig.h"

#include "host/LoginStartup.h"
#include "host/MessageBox.h"
#include "settings/OptionButton.h"
#include "store/DateShape.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString invalidDateText()
{
    return QStringLiteral(
               "The date you have entered is not valid. Please use the following syntax:")
        + CrLf + QStringLiteral("YYYY-MM-DD HH:MIN") + CrLf + CrLf + QStringLiteral("Examples:")
        + CrLf + QStringLiteral("2003-12-03 14:00") + CrLf + QStringLiteral("2004-01-19 01:15");
}

QFont dialogFont()
{
    QFont font;
    // Tahoma where installed, otherwise a sans-serif of similar width: Liberation Sans, installed
    // with the program, fits every text; DejaVu Sans, the last resort, is too wide for some.
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

template<typename W>
W *place(W *widget, const QString &name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(left, top, width, height);
    return widget;
}

} // namespace

frmConfig::frmConfig(EventStore &store, SettingsStore &settings, MessageBox &messages,
    FileDialog &fileDialog, LoginStartup &login, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_store(store)
    , m_settings(settings)
    , m_messages(messages)
    , m_fileDialog(fileDialog)
    , m_login(login)
{
    m_dlgWallpaper.title = QStringLiteral("Select a Wallpaper (approx. 390x275)");
    m_dlgWallpaper.filter
        = QStringLiteral("Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;)| *.jpeg; *.jpg; *.gif; *.bmp;");
    m_dlgWallpaper.flags = FileDialog::FileMustExist | FileDialog::HideReadOnly;

    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Settings"));
    setFixedSize(353, 351);
    setFont(dialogFont());
    createControls();

    connect(m_cboEvents, &QComboBox::currentIndexChanged, this, &frmConfig::cboEvents_Click);
    connect(m_cmdAdd, &QPushButton::clicked, this, &frmConfig::cmdAdd_Click);
    connect(m_cmdRemove, &QPushButton::clicked, this, &frmConfig::cmdRemove_Click);
    connect(m_cmdOk, &QPushButton::clicked, this, &frmConfig::cmdOk_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmConfig::cmdCancel_Click);
    connect(
        m_optWallpaperDefault, &QRadioButton::clicked, this, &frmConfig::optWallpaperDefault_Click);
    connect(
        m_optWallpaperCustom, &OptionButton::mouseUp, this, &frmConfig::optWallpaperCustom_MouseUp);
    connect(m_optWallpaperCustom, &OptionButton::pressedByKey, this,
        &frmConfig::optWallpaperCustom_KeyUp);

    Form_Load();
}

void frmConfig::createControls()
{
    QFont bold = font();
    bold.setBold(true);

    m_fraMsg[0] = place(
        new QGroupBox(QStringLiteral("Wallpaper"), this), QStringLiteral("fraMsg0"), 8, 8, 337, 73);
    m_optWallpaperDefault = place(new OptionButton(QStringLiteral("Default"), m_fraMsg[0]),
        QStringLiteral("optWallpaperDefault"), 8, 16, 137, 25);
    m_optWallpaperCustom
        = place(new OptionButton(QStringLiteral("Custom (Click to change)"), m_fraMsg[0]),
            QStringLiteral("optWallpaperCustom"), 168, 16, 153, 25);
    m_txtWallpaper = place(new QLineEdit(DefaultWallpaperMarker(), m_fraMsg[0]),
        QStringLiteral("txtWallpaper"), 8, 40, 321, 19);
    m_txtWallpaper->setReadOnly(true);
    m_txtWallpaper->setAccessibleName(QStringLiteral("Wallpaper"));
    QPalette locked = m_txtWallpaper->palette();
    locked.setColor(QPalette::Base, locked.color(QPalette::Button));
    m_txtWallpaper->setPalette(locked);

    m_fraMsg[1] = place(
        new QGroupBox(QStringLiteral("Events"), this), QStringLiteral("fraMsg1"), 8, 88, 337, 201);
    m_cboEvents = place(new QComboBox(m_fraMsg[1]), QStringLiteral("cboEvents"), 8, 16, 321, 21);
    m_cboEvents->setEditable(false);
    m_cboEvents->setAccessibleName(QStringLiteral("Events"));
    // Every entry is one line of the same font: the open list need not measure each one to
    // place them, which keeps long lists quick to open.
    if (auto *list = qobject_cast<QListView *>(m_cboEvents->view())) {
        list->setUniformItemSizes(true);
    }
    m_lblDate = place(new QLabel(m_fraMsg[1]), QStringLiteral("lblDate"), 120, 40, 209, 17);
    m_lblDate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // A thin sunken rule to the right of the "Add an Event" heading.
    m_Label1 = place(new QLabel(m_fraMsg[1]), QStringLiteral("Label1"), 80, 72, 249, 4);
    m_Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_Label1->setLineWidth(1);

    m_lblMsg[1] = place(new QLabel(QStringLiteral("Add an Event"), m_fraMsg[1]),
        QStringLiteral("lblMsg1"), 8, 64, 74, 13);
    m_lblMsg[1]->setFont(bold);
    m_lblMsg[1]->adjustSize();
    m_lblMsg[2] = place(new QLabel(QStringLiteral("Descripton:"), m_fraMsg[1]),
        QStringLiteral("lblMsg2"), 8, 88, 97, 17);
    m_txtDescription
        = place(new QLineEdit(m_fraMsg[1]), QStringLiteral("txtDescription"), 8, 104, 321, 19);
    m_lblMsg[2]->setBuddy(m_txtDescription);
    m_lblMsg[0] = place(new QLabel(QStringLiteral("Date/Time (YYYY-MM-DD HH:MIN):"), m_fraMsg[1]),
        QStringLiteral("lblMsg0"), 8, 128, 297, 17);
    m_txtDate = place(new QLineEdit(m_fraMsg[1]), QStringLiteral("txtDate"), 8, 144, 321, 19);
    m_lblMsg[0]->setBuddy(m_txtDate);

    // The two list buttons belong to the window but lie over the Events frame's lower part.
    m_cmdAdd = place(
        new QPushButton(QStringLiteral("Add"), this), QStringLiteral("cmdAdd"), 16, 256, 81, 25);
    m_cmdAdd->setDefault(true);
    m_cmdRemove = place(new QPushButton(QStringLiteral("Remove Selected"), this),
        QStringLiteral("cmdRemove"), 168, 256, 169, 25);

    // A row of its own below the Events frame; the row of OK and Cancel moves down by it.
    const QString loginCaption = QStringLiteral("Show the countdown when I log in");
    m_chkLogin
        = place(new QCheckBox(loginCaption, this), QStringLiteral("chkLogin"), 16, 296, 321, 17);
    m_chkLogin->setAccessibleName(loginCaption);

    m_cmdOk = place(
        new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOk"), 168, 320, 81, 25);
    m_cmdCancel = place(new QPushButton(QStringLiteral("Cancel"), this),
        QStringLiteral("cmdCancel"), 256, 320, 81, 25);

    m_lblMsg[3] = place(new QLabel(QStringLiteral("Quorvane Countdown"), this),
        QStringLiteral("lblMsg3"), 24, 324, 117, 13);
    m_lblMsg[3]->setFont(bold);
    m_lblMsg[3]->adjustSize();

    QWidget *const tabOrder[]
        = {m_optWallpaperDefault, m_optWallpaperCustom, m_txtWallpaper, m_cboEvents, m_cmdAdd,
            m_txtDescription, m_txtDate, m_cmdRemove, m_chkLogin, m_cmdOk, m_cmdCancel};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
}

void frmConfig::keyPressEvent(QKeyEvent *event)
{
    // The dialog has no cancel button: Escape does nothing.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmConfig::Form_Load()
{
    m_txtWallpaper->setText(m_store.WallpaperPath);
    if (m_store.WallpaperPath == DefaultWallpaperMarker()) {
        m_optWallpaperDefault->setChecked(true);
        optWallpaperDefault_Click();
        m_optWallpaperDefault->setFocus();
    } else {
        m_optWallpaperCustom->setChecked(true);
        m_optWallpaperCustom->setFocus();
    }

    m_loginAtOpen = m_login.isEnabled();
    m_chkLogin->setChecked(m_loginAtOpen);

    {
        // Filling the list is no choice of the user's; the first item must not count as one.
        const QSignalBlocker blocker(m_cboEvents);
        // In one go: one insertion for the model and the list instead of one per event.
        m_cboEvents->addItems(m_store.EventDescriptions);
        m_cboEvents->setCurrentIndex(-1);
    }

    // An active event outside the list leaves nothing selected and no date shown.
    const qint32 active = m_store.ActiveEvent;
    if (!m_store.isValidIndex(active)) {
        return;
    }
    if (m_store.isLiveEvent(active)) {
        m_openedActive = EventStore::Event {
            m_store.EventDates.at(active), m_store.EventDescriptions.at(active)};
    }
    // Selection shows the date, or moves to the built-in event when this one is removed.
    m_cboEvents->setCurrentIndex(active);
}

void frmConfig::cboEvents_Click()
{
    const int index = m_cboEvents->currentIndex();
    if (!m_store.isValidIndex(index)) {
        return;
    }
    if (m_store.isLiveEvent(index)) {
        m_lblDate->setText(m_store.EventDates.at(index));
        return;
    }
    // A removed entry cannot stay selected; this runs Selection again for the built-in event.
    m_cboEvents->setCurrentIndex(0);
}

void frmConfig::cmdAdd_Click()
{
    const QString date = m_txtDate->text();
    if (!MatchesDateShape(date)) {
        m_messages.show(invalidDateText(), MessageBox::Stop, QStringLiteral("Invalid syntax"));
        return;
    }
    const QString description = m_txtDescription->text();
    if (description.isEmpty()) {
        m_messages.show(QStringLiteral("Please enter a description"), MessageBox::Exclamation);
        return;
    }

    m_store.appendEvent(date, description);
    m_txtDate->clear();
    m_txtDescription->clear();
    m_cboEvents->addItem(description);
    m_cboEvents->setCurrentIndex(m_cboEvents->count() - 1);
}

void frmConfig::cmdRemove_Click()
{
    const int index = m_cboEvents->currentIndex();
    if (!m_store.isValidIndex(index)) {
        return;
    }
    if (index == 0) {
        m_messages.show(QStringLiteral("This event cannot be removed!"), MessageBox::Exclamation);
        return;
    }

    m_cboEvents->setItemText(
        index, m_cboEvents->itemText(index) + QStringLiteral(" [to be removed]"));
    m_store.removeEvent(index);
    m_cboEvents->setCurrentIndex(index - 1);
}

void frmConfig::cmdOk_Click()
{
    const SaveResult saved = SaveEventList(m_settings, m_txtWallpaper->text(), m_store.EventDates,
        m_store.EventDescriptions, m_cboEvents->currentIndex());
    if (!saved.ok) {
        // Nothing was written; the dialog stays open with everything entered, to retry or cancel.
        m_messages.show(
            QStringLiteral("The settings could not be saved.") + CrLf + CrLf + saved.error,
            MessageBox::Stop);
        return;
    }
    if (!saved.keptCopy.isEmpty()) {
        // The replaced file could not be read completely: say where its original is.
        m_messages.show(QStringLiteral("Your settings were saved. The previous settings file "
                                       "could not be read completely; it was kept as:")
                + CrLf + saved.keptCopy,
            MessageBox::Exclamation);
    }
    m_saved = true;

    const bool login = m_chkLogin->isChecked();
    if (login != m_loginAtOpen) {
        const LoginStartup::Result applied = m_login.setEnabled(login);
        if (!applied.ok) {
            // The settings are saved; the dialog stays open to retry the login entry or cancel.
            m_messages.show(QStringLiteral("Your settings were saved, but showing the countdown "
                                           "when you log in could not be changed.")
                    + CrLf + CrLf + applied.error,
                MessageBox::Stop);
            return;
        }
        m_loginAtOpen = login;
    }
    close();
    emit dialogFinished(true);
}

void frmConfig::cmdCancel_Click()
{
    // Edits of the list stay in memory until the next OK, but the countdown must not open on
    // a removed event: the active one gets its entry back.
    const qint32 active = m_store.ActiveEvent;
    if (m_openedActive && !m_store.isLiveEvent(active)
        && m_store.restoreEvent(active, *m_openedActive)) {
        m_cboEvents->setItemText(active, m_openedActive->description);
    }
    close();
    // A save earlier in this visit stands: the session reloads what it wrote.
    emit dialogFinished(m_saved);
}

void frmConfig::optWallpaperDefault_Click()
{
    m_txtWallpaper->setText(DefaultWallpaperMarker());
}

void frmConfig::optWallpaperCustom_MouseUp()
{
    chooseWallpaperFile();
}

void frmConfig::optWallpaperCustom_KeyUp()
{
    // Space on the option opens the file dialog too, so the choice needs no mouse; the arrow
    // keys only move the selection.
    chooseWallpaperFile();
}

void frmConfig::chooseWallpaperFile()
{
    const FileDialog::Result result = m_fileDialog.open(m_dlgWallpaper);
    switch (result.outcome) {
    case FileDialog::Result::Chosen:
        m_txtWallpaper->setText(result.path);
        m_dlgWallpaper.initialFile = result.path;
        break;
    case FileDialog::Result::Cancelled:
        break;
    case FileDialog::Result::Failed:
        m_messages.show(result.description, MessageBox::Stop,
            QStringLiteral("Error ") + QString::number(result.errorNumber));
        break;
    }
}
