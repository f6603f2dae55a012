#pragma once

#include "core/events/EventList.h"
#include "core/events/VisitChanges.h"
#include "core/host/FileDialog.h"

#include <QDialog>

#include <optional>

class LoginStartup;
class MessageBox;
class OptionButton;
class PictureLoader;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SettingsStore;

// The settings dialog: edits the event list in place, and picks the event counted down to and
// the wallpaper. Modeless; OK and Cancel close it and announce it, the title-bar close button
// just closes it.
class frmConfig final : public QDialog
{
    Q_OBJECT

public:
    frmConfig(EventList &events, SettingsStore &settings, MessageBox &messages,
        FileDialog &fileDialog, LoginStartup &login, const PictureLoader &pictures,
        QWidget *parent = nullptr);

signals:
    // Left with OK (accepted: the settings were saved) or with Cancel; the dialog has closed
    // already. Cancel after an OK that saved the settings but could not change the login entry
    // announces accepted too, since the settings are saved. The title-bar close button
    // announces nothing.
    void dialogFinished(bool accepted);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    // Shows the event list's wallpaper and events, the active one selected; the visit starts
    // from there.
    void showSettings();
    // The list's text for the entry at index: its description (its date when it has none),
    // marked when it is yearly.
    QString listItemText(qsizetype index) const;
    // What this visit changed, from the list, the undo list and the choices it opened with.
    VisitChanges visitChanges() const;
    // OK when the file changed during the visit: asks whether to save this visit's changes on
    // top of the other program's, and does so. Nothing when the user goes back to the dialog.
    std::optional<SaveResult> saveOnTop();

    void Form_Load();
    void cboEvents_Click();
    void cmdAdd_Click();
    void cmdChange_Click();
    void cmdRemove_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void optWallpaperDefault_Click();
    void optWallpaperCustom_MouseUp();
    void optWallpaperCustom_KeyUp();
    void chooseWallpaperFile();

    EventList &m_events;
    SettingsStore &m_settings;
    MessageBox &m_messages;
    FileDialog &m_fileDialog;
    LoginStartup &m_login;
    const PictureLoader &m_pictures;

    // Whether the login entry was on when the dialog opened; OK changes it only if the box differs.
    bool m_loginAtOpen = false;
    // An OK in this visit saved the settings (and then failed to change the login entry).
    bool m_saved = false;

    // Every entry removed or changed during this visit, in order, with what it held before:
    // Cancel puts them back.
    QList<std::pair<qint64, EventList::Event>> m_undo;
    // The wallpaper text and the selection the visit started with.
    QString m_wallpaperAtOpen;
    int m_chosenAtOpen = -1;
    // The file was read again during this visit, so the list no longer shows it: every OK
    // saves on top of it, and Cancel shows it.
    bool m_reread = false;

    // The file-open dialog's settings; it remembers the last chosen file for this visit.
    FileDialog::Request m_dlgWallpaper;

    QGroupBox *m_fraMsg[2] = {};
    QLabel *m_lblMsg[4] = {};
    OptionButton *m_optWallpaperDefault = nullptr;
    OptionButton *m_optWallpaperCustom = nullptr;
    QLineEdit *m_txtWallpaper = nullptr;
    QComboBox *m_cboEvents = nullptr;
    QLabel *m_lblDate = nullptr;
    QLabel *m_Label1 = nullptr;
    QLineEdit *m_txtDescription = nullptr;
    QLineEdit *m_txtDate = nullptr;
    QCheckBox *m_chkYearly = nullptr;
    QPushButton *m_cmdAdd = nullptr;
    QPushButton *m_cmdChange = nullptr;
    QPushButton *m_cmdRemove = nullptr;
    QCheckBox *m_chkLogin = nullptr;
    QPushButton *m_cmdOk = nullptr;
    QPushButton *m_cmdCancel = nullptr;
};
