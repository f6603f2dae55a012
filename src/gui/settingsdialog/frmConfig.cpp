#include "gui/settingsdialog/frmConfig.h"

#include "core/countdown/Readout.h"
#include "core/events/DateText.h"
#include "core/events/OneLineText.h"
#include "core/events/ShownText.h"
#include "core/host/MessageBox.h"
#include "core/login/LoginStartup.h"
#include "gui/host/FontFamilies.h"
#include "gui/host/PictureLoader.h"
#include "gui/settingsdialog/OptionButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStyleFactory>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString invalidDateText()
{
    // The format and the examples are the same in every language: they are what is typed.
    return QCoreApplication::translate("frmConfig",
               "The date you have entered is not valid. Please use the following syntax:")
        + CrLf + QStringLiteral("YYYY-MM-DD HH:MIN") + CrLf + CrLf
        + QCoreApplication::translate("frmConfig", "Examples:") + CrLf
        + QStringLiteral("2003-12-03 14:00") + CrLf + QStringLiteral("2004-01-19 01:15");
}

// What is wrong with a date text of the right shape that names no real moment; empty when it
// names one.
QString impossibleDateReason(const QString &date)
{
    const auto number = [&date](qsizetype from, qsizetype count) {
        return QString::number(date.mid(from, count).toInt());
    };
    static const char *const monthNames[]
        = {QT_TRANSLATE_NOOP("frmConfig", "January"), QT_TRANSLATE_NOOP("frmConfig", "February"),
            QT_TRANSLATE_NOOP("frmConfig", "March"), QT_TRANSLATE_NOOP("frmConfig", "April"),
            QT_TRANSLATE_NOOP("frmConfig", "May"), QT_TRANSLATE_NOOP("frmConfig", "June"),
            QT_TRANSLATE_NOOP("frmConfig", "July"), QT_TRANSLATE_NOOP("frmConfig", "August"),
            QT_TRANSLATE_NOOP("frmConfig", "September"), QT_TRANSLATE_NOOP("frmConfig", "October"),
            QT_TRANSLATE_NOOP("frmConfig", "November"), QT_TRANSLATE_NOOP("frmConfig", "December")};
    switch (FindDateTextFault(date)) {
    case DateTextFault::None:
    case DateTextFault::Shape:
        return QString();
    case DateTextFault::Year:
        return QCoreApplication::translate("frmConfig", "There is no year 0.");
    case DateTextFault::Month:
        return QCoreApplication::translate("frmConfig", "There is no month %1.").arg(number(5, 2));
    case DateTextFault::Day:
        //: %1 is a month's name, %2 the year, %3 the day: "February 2023 has no day 30."
        return QCoreApplication::translate("frmConfig", "%1 %2 has no day %3.")
            .arg(QCoreApplication::translate("frmConfig", monthNames[date.mid(5, 2).toInt() - 1]),
                number(0, 4), number(8, 2));
    case DateTextFault::Hour:
        return QCoreApplication::translate(
            "frmConfig", "There is no hour %1. Hours run from 00 to 23.")
            .arg(number(11, 2));
    case DateTextFault::Minute:
        return QCoreApplication::translate(
            "frmConfig", "There is no minute %1. Minutes run from 00 to 59.")
            .arg(number(14, 2));
    }
    return QString();
}

// Add's and Change's checks of a typed date, each fault with its message; true when the date
// names a real moment.
bool acceptTypedDate(MessageBox &messages, const QString &date)
{
    if (!MatchesDateShape(date)) {
        messages.show(invalidDateText(), MessageBox::Stop,
            QCoreApplication::translate("frmConfig", "Invalid syntax"));
        return false;
    }
    // The countdown could not show a date that does not exist: say what is wrong with it.
    const QString reason = impossibleDateReason(date);
    if (!reason.isEmpty()) {
        messages.show(reason + CrLf + CrLf
                + QCoreApplication::translate("frmConfig", "Please enter a date that exists."),
            MessageBox::Stop, QCoreApplication::translate("frmConfig", "Invalid date"));
        return false;
    }
    return true;
}

QString repeatFor(bool yearly)
{
    return yearly ? YearlyRepeat() : QString();
}

// The answers to OK's question below, named in its text too.
//: A button of the question when another program changed the settings file; short.
const char *const KeepBoth = QT_TRANSLATE_NOOP("frmConfig", "Keep Both");
//: A button of the question when another program changed the settings file; short.
const char *const BackToDialog = QT_TRANSLATE_NOOP("frmConfig", "Back to the Dialog");

// OK's question when another program changed the file during the visit: what each answer does,
// and the events whose changes cannot be applied on top.
QString onTopQuestion(const QString &file, const QList<EventList::Event> &conflicts)
{
    QString text = QCoreApplication::translate("frmConfig",
                       "The settings file was changed by another program after Quorvane read it:")
        + CrLf + file + CrLf
        + CrLf
        //: %1 and %2 are the answers "Keep Both" and "Back to the Dialog", as translated.
        + QCoreApplication::translate("frmConfig",
            "%1 saves it as the other program left it, with the changes made in this dialog on "
            "top. %2 saves nothing.")
              .arg(QCoreApplication::translate("frmConfig", KeepBoth),
                  QCoreApplication::translate("frmConfig", BackToDialog));
    if (conflicts.isEmpty()) {
        return text;
    }
    text += CrLf + CrLf
        + QCoreApplication::translate("frmConfig",
            "The other program changed or removed these events too, so your changes to them are "
            "not saved:");
    constexpr qsizetype named = 10;
    constexpr qsizetype shown = 60;
    for (qsizetype i = 0; i < std::min(conflicts.size(), named); ++i) {
        const EventList::Event &event = conflicts.at(i);
        text += CrLf;
        // Texts written by hand may hold line breaks: one line per event.
        if (!event.description.isEmpty()) {
            text += ShownText(OneLineText(event.description), shown) + QStringLiteral(", ");
        }
        text += ShownText(OneLineText(event.date), shown);
    }
    if (conflicts.size() > named) {
        //: Below a list of ten events, the number of those left out.
        text += CrLf
            + QCoreApplication::translate(
                "frmConfig", "and %n more", nullptr, int(conflicts.size() - named));
    }
    return text;
}

QFont dialogFont()
{
    // Tahoma where installed, otherwise a sans-serif of similar width: Liberation Sans, installed
    // with the program, fits every text; DejaVu Sans, the last resort, is too wide for some.
    static const QStringList families = InstalledFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

// Where the user's pictures are likely to be: the desktop's Pictures folder, or home without one.
QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

// A removed event stays in the list with its mark, but neither the arrow keys nor the mouse
// can land on it.
void setItemSelectable(QComboBox *combo, int index, bool selectable)
{
    if (auto *model = qobject_cast<QStandardItemModel *>(combo->model())) {
        if (QStandardItem *item = model->item(index)) {
            item->setEnabled(selectable);
        }
    }
}

// Qt's menu-like list, as most styles draw it, measures the text of every entry each time it
// opens, to be as wide as the widest; that is a few milliseconds per thousand entries. Past this
// many, the list drops down instead, as a scrolling list of rows of one height, which opens at
// once however long it is.
constexpr int LongListEntries = 1000;

class DropDownListStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returnData) const override
    {
        return hint == SH_ComboBox_Popup ? 0
                                         : QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void dropDownLongList(QComboBox *combo)
{
    // Once is enough: the list is filled again after a save that keeps the dialog open.
    if (combo->count() <= LongListEntries
        || dynamic_cast<const DropDownListStyle *>(combo->style())) {
        return;
    }
    // The same style as the rest of the dialog, but for how the list opens.
    auto *style = new DropDownListStyle(QStyleFactory::create(combo->style()->name()));
    style->setParent(combo);
    combo->setStyle(style);
    if (auto *list = qobject_cast<QListView *>(combo->view())) {
        list->setUniformItemSizes(true);
        // Rows are as wide as the list; a long description is shortened in its middle.
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
}

template<typename W>
W *place(W *widget, const QString &name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(left, top, width, height);
    return widget;
}

} // namespace

frmConfig::frmConfig(EventList &events, SettingsStore &settings, MessageBox &messages,
    FileDialog &fileDialog, LoginStartup &login, const PictureLoader &pictures, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_events(events)
    , m_settings(settings)
    , m_messages(messages)
    , m_fileDialog(fileDialog)
    , m_login(login)
    , m_pictures(pictures)
{
    m_dlgWallpaper.title = tr("Select a Wallpaper (approx. 390x275)");
    // The name the file dialog shows, then the patterns it matches, which stay as they are.
    //: The file dialog's kind of file; keep the patterns in the parentheses as they are.
    m_dlgWallpaper.filter = tr("Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;)")
        + QStringLiteral("| *.jpeg; *.jpg; *.gif; *.bmp;");
    m_dlgWallpaper.flags = FileDialog::FileMustExist | FileDialog::HideReadOnly;
    // Not the folder the program happened to start in; once a file is chosen, that file.
    m_dlgWallpaper.initialFolder = picturesFolder();

    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(tr("Settings"));
    setFixedSize(353, 351);
    setFont(dialogFont());
    createControls();

    connect(m_cboEvents, &QComboBox::currentIndexChanged, this, &frmConfig::cboEvents_Click);
    connect(m_cmdAdd, &QPushButton::clicked, this, &frmConfig::cmdAdd_Click);
    connect(m_cmdChange, &QPushButton::clicked, this, &frmConfig::cmdChange_Click);
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

    m_fraMsg[0]
        = place(new QGroupBox(tr("Wallpaper"), this), QStringLiteral("fraMsg0"), 8, 8, 337, 73);
    //: An option button, fits 115 pixels at 8 pt.
    m_optWallpaperDefault = place(new OptionButton(tr("Default"), m_fraMsg[0]),
        QStringLiteral("optWallpaperDefault"), 8, 16, 137, 25);
    m_optWallpaperCustom
        //: An option button, fits 135 pixels at 8 pt.
        = place(new OptionButton(tr("Custom (Click to change)"), m_fraMsg[0]),
            QStringLiteral("optWallpaperCustom"), 168, 16, 153, 25);
    m_txtWallpaper = place(new QLineEdit(DefaultWallpaperMarker(), m_fraMsg[0]),
        QStringLiteral("txtWallpaper"), 8, 40, 321, 19);
    m_txtWallpaper->setReadOnly(true);
    m_txtWallpaper->setAccessibleName(tr("Wallpaper"));
    QPalette locked = m_txtWallpaper->palette();
    locked.setColor(QPalette::Base, locked.color(QPalette::Button));
    m_txtWallpaper->setPalette(locked);

    m_fraMsg[1]
        = place(new QGroupBox(tr("Events"), this), QStringLiteral("fraMsg1"), 8, 88, 337, 201);
    m_cboEvents = place(new QComboBox(m_fraMsg[1]), QStringLiteral("cboEvents"), 8, 16, 321, 21);
    m_cboEvents->setEditable(false);
    m_cboEvents->setAccessibleName(tr("Events"));
    m_lblDate = place(new QLabel(m_fraMsg[1]), QStringLiteral("lblDate"), 120, 40, 209, 17);
    m_lblDate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // A thin sunken rule to the right of the "Add an Event" heading.
    m_Label1 = place(new QLabel(m_fraMsg[1]), QStringLiteral("Label1"), 80, 72, 249, 4);
    m_Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_Label1->setLineWidth(1);

    //: A bold heading left of a rule that starts 72 pixels on: fits 70 pixels at 8 pt bold.
    m_lblMsg[1] = place(
        new QLabel(tr("Add an Event"), m_fraMsg[1]), QStringLiteral("lblMsg1"), 8, 64, 74, 13);
    m_lblMsg[1]->setFont(bold);
    m_lblMsg[1]->adjustSize();
    //: Above the description's box; fits 97 pixels at 8 pt.
    m_lblMsg[2] = place(
        new QLabel(tr("Descripton:"), m_fraMsg[1]), QStringLiteral("lblMsg2"), 8, 88, 97, 17);
    m_txtDescription
        = place(new QLineEdit(m_fraMsg[1]), QStringLiteral("txtDescription"), 8, 104, 321, 19);
    m_lblMsg[2]->setBuddy(m_txtDescription);
    //: Keep YYYY-MM-DD HH:MIN as it is: it is the format typed in every language. Fits 217
    //: pixels at 8 pt.
    m_lblMsg[0] = place(new QLabel(tr("Date/Time (YYYY-MM-DD HH:MIN):"), m_fraMsg[1]),
        QStringLiteral("lblMsg0"), 8, 128, 217, 17);
    //: A check box beside the date's caption; fits 70 pixels at 8 pt. Named in a message too.
    const QString yearlyCaption = tr("Every year");
    m_chkYearly = place(
        new QCheckBox(yearlyCaption, m_fraMsg[1]), QStringLiteral("chkYearly"), 240, 128, 89, 17);
    m_chkYearly->setAccessibleName(yearlyCaption);
    m_txtDate = place(new QLineEdit(m_fraMsg[1]), QStringLiteral("txtDate"), 8, 144, 321, 19);
    m_lblMsg[0]->setBuddy(m_txtDate);

    // The list buttons belong to the window but lie over the Events frame's lower part.
    m_cmdAdd = place(
        //: A button, fits 60 pixels at 8 pt.
        new QPushButton(tr("Add"), this), QStringLiteral("cmdAdd"), 16, 256, 69, 25);
    m_cmdAdd->setDefault(true);
    //: A button, fits 60 pixels at 8 pt. Named in a message too.
    const QString changeCaption = tr("Change");
    m_cmdChange
        = place(new QPushButton(changeCaption, this), QStringLiteral("cmdChange"), 92, 256, 69, 25);
    m_cmdChange->setAccessibleName(changeCaption);
    //: A button, fits 160 pixels at 8 pt.
    m_cmdRemove = place(new QPushButton(tr("Remove Selected"), this), QStringLiteral("cmdRemove"),
        168, 256, 169, 25);

    // A row of its own below the Events frame; the row of OK and Cancel moves down by it.
    //: A check box, fits 300 pixels at 8 pt.
    const QString loginCaption = tr("Show the countdown when I log in");
    m_chkLogin
        = place(new QCheckBox(loginCaption, this), QStringLiteral("chkLogin"), 16, 296, 321, 17);
    m_chkLogin->setAccessibleName(loginCaption);

    m_cmdOk = place(
        //: A button, fits 72 pixels at 8 pt.
        new QPushButton(tr("OK"), this), QStringLiteral("cmdOk"), 168, 320, 81, 25);
    //: A button, fits 72 pixels at 8 pt.
    m_cmdCancel
        = place(new QPushButton(tr("Cancel"), this), QStringLiteral("cmdCancel"), 256, 320, 81, 25);

    //: The program's name in bold left of the OK button: fits 140 pixels at 8 pt bold.
    m_lblMsg[3] = place(
        new QLabel(tr("Quorvane Countdown"), this), QStringLiteral("lblMsg3"), 24, 324, 117, 13);
    m_lblMsg[3]->setFont(bold);
    m_lblMsg[3]->adjustSize();

    QWidget *const tabOrder[] = {m_optWallpaperDefault, m_optWallpaperCustom, m_txtWallpaper,
        m_cboEvents, m_cmdAdd, m_txtDescription, m_txtDate, m_chkYearly, m_cmdChange, m_cmdRemove,
        m_chkLogin, m_cmdOk, m_cmdCancel};
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
    showSettings();
    if (m_optWallpaperDefault->isChecked()) {
        m_optWallpaperDefault->setFocus();
    } else {
        m_optWallpaperCustom->setFocus();
    }
    m_loginAtOpen = m_login.isEnabled();
    m_chkLogin->setChecked(m_loginAtOpen);
}

void frmConfig::showSettings()
{
    m_txtWallpaper->setText(m_events.WallpaperPath);
    if (m_events.WallpaperPath == DefaultWallpaperMarker()) {
        m_optWallpaperDefault->setChecked(true);
        optWallpaperDefault_Click();
    } else {
        m_optWallpaperCustom->setChecked(true);
    }

    {
        // Filling the list is no choice of the user's; the first item must not count as one.
        const QSignalBlocker blocker(m_cboEvents);
        m_cboEvents->clear();
        m_lblDate->clear();
        // In one go: one insertion for the model and the list instead of one per event.
        QStringList shown;
        shown.reserve(m_events.EventDescriptions.size());
        for (qsizetype i = 0; i < m_events.EventDescriptions.size(); ++i) {
            shown.append(listItemText(i));
        }
        m_cboEvents->addItems(shown);
        dropDownLongList(m_cboEvents);
        for (qsizetype i = 0; i < m_events.EventDescriptions.size(); ++i) {
            if (!m_events.isLiveEvent(i)) {
                setItemSelectable(m_cboEvents, int(i), false);
            }
        }
        m_cboEvents->setCurrentIndex(-1);
    }

    // An active event outside the list leaves nothing selected and no date shown. Otherwise
    // Selection shows the date, or moves to the built-in event when this one is removed.
    if (m_events.isValidIndex(m_events.ActiveEvent)) {
        m_cboEvents->setCurrentIndex(m_events.ActiveEvent);
    }

    m_undo.clear();
    m_reread = false;
    m_wallpaperAtOpen = m_txtWallpaper->text();
    m_chosenAtOpen = m_cboEvents->currentIndex();
}

void frmConfig::cboEvents_Click()
{
    const int index = m_cboEvents->currentIndex();
    if (!m_events.isValidIndex(index)) {
        return;
    }
    if (m_events.isLiveEvent(index)) {
        m_lblDate->setText(ShownText(m_events.EventDates.at(index)));
        m_chkYearly->setChecked(m_events.isYearly(index));
        return;
    }
    // A removed entry cannot stay selected; this runs Selection again for the built-in event.
    m_cboEvents->setCurrentIndex(0);
}

QString frmConfig::listItemText(qsizetype index) const
{
    // An event written by hand without a description is known by its date.
    const QString &description = m_events.EventDescriptions.at(index);
    const QString shown
        = ShownText(description.isEmpty() ? m_events.EventDates.at(index) : description);
    //: After a yearly event's description in the list; keep the leading space.
    return m_events.isYearly(index) ? shown + tr(" (every year)") : shown;
}

VisitChanges frmConfig::visitChanges() const
{
    VisitChanges changes;
    // An entry's first record holds what it held when the visit began. Entries added since the
    // last load are additions, whatever happened to them.
    QMap<qint64, EventList::Event> before;
    for (const auto &[index, held] : m_undo) {
        if (index <= m_events.LoadedUpperBound && !before.contains(index)) {
            before.insert(index, held);
        }
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const EventList::Event now = m_events.eventAt(it.key());
        if (now != it.value()) {
            changes.touched.append({it.value(), now});
        }
    }
    changes.added = m_events.addedEvents();
    const int chosen = m_cboEvents->currentIndex();
    if (chosen != m_chosenAtOpen && m_events.isValidIndex(chosen)) {
        changes.chosen = m_events.eventAt(chosen);
    }
    if (m_txtWallpaper->text() != m_wallpaperAtOpen) {
        changes.wallpaper = m_txtWallpaper->text();
    }
    return changes;
}

void frmConfig::cmdAdd_Click()
{
    const QString date = m_txtDate->text();
    if (!acceptTypedDate(m_messages, date)) {
        return;
    }
    // Pasted line breaks and tabs would break the countdown's title and widen the list.
    const QString description = OneLineText(m_txtDescription->text());
    if (description.isEmpty()) {
        m_messages.show(tr("Please enter a description"), MessageBox::Exclamation);
        return;
    }

    const qsizetype index
        = m_events.appendEvent(date, description, repeatFor(m_chkYearly->isChecked()));
    m_txtDate->clear();
    m_txtDescription->clear();
    m_cboEvents->addItem(listItemText(index));
    m_cboEvents->setCurrentIndex(m_cboEvents->count() - 1);
}

void frmConfig::cmdChange_Click()
{
    const int index = m_cboEvents->currentIndex();
    if (!m_events.isValidIndex(index)) {
        return;
    }
    if (index == 0) {
        m_messages.show(tr("This event cannot be changed!"), MessageBox::Exclamation);
        return;
    }
    // An empty box keeps what the event has; a refused date changes nothing at all.
    const QString date = m_txtDate->text();
    if (!date.isEmpty() && !acceptTypedDate(m_messages, date)) {
        return;
    }
    const QString description = OneLineText(m_txtDescription->text());
    const bool yearly = m_chkYearly->isChecked();
    const bool yearlyChanged = yearly != m_events.isYearly(index);
    if (date.isEmpty() && description.isEmpty() && !yearlyChanged) {
        //: %1 and %2 are the captions of the check box "Every year" and the button "Change".
        m_messages.show(tr("Type a new description or date for this event, or change %1, then "
                           "press %2.")
                            .arg(m_chkYearly->text(), m_cmdChange->text()),
            MessageBox::Exclamation);
        return;
    }

    EventList::Event changed = m_events.eventAt(index);
    if (!date.isEmpty()) {
        changed.date = date;
    }
    if (!description.isEmpty()) {
        changed.description = description;
    }
    // Only a change of the box replaces the stored value, so that one this version does not
    // know survives a change of the texts.
    if (yearlyChanged) {
        changed.repeat = repeatFor(yearly);
    }
    const std::optional<EventList::Event> held = m_events.changeEvent(index, changed);
    if (!held) {
        return;
    }
    m_undo.append({index, *held});
    m_cboEvents->setItemText(index, listItemText(index));
    m_lblDate->setText(ShownText(changed.date));
    m_txtDate->clear();
    m_txtDescription->clear();
}

void frmConfig::cmdRemove_Click()
{
    const int index = m_cboEvents->currentIndex();
    if (!m_events.isValidIndex(index)) {
        return;
    }
    if (index == 0) {
        m_messages.show(tr("This event cannot be removed!"), MessageBox::Exclamation);
        return;
    }

    const std::optional<EventList::Event> held = m_events.removeEvent(index);
    if (!held) {
        return;
    }
    m_undo.append({index, *held});
    m_cboEvents->setItemText(
        //: After a removed event's description in the list; keep the leading space.
        index, m_cboEvents->itemText(index) + tr(" [to be removed]"));
    setItemSelectable(m_cboEvents, index, false);
    m_cboEvents->setCurrentIndex(index - 1);
}

void frmConfig::cmdOk_Click()
{
    // Another program (a hand edit, a second machine on the same home folder, a dotfile sync)
    // changed the file during this visit: replacing that change is never offered.
    const bool onTop = m_reread || m_settings.changedElsewhere();
    const std::optional<SaveResult> result = onTop
        ? saveOnTop()
        : SaveEventList(m_settings, m_txtWallpaper->text(), m_events, m_cboEvents->currentIndex());
    if (!result) {
        return;
    }
    const SaveResult &saved = *result;
    if (!saved.ok) {
        // Nothing was written; the dialog stays open with everything entered, to retry or cancel.
        m_messages.show(
            tr("The settings could not be saved.") + CrLf + CrLf + saved.error, MessageBox::Stop);
        return;
    }
    if (!saved.keptCopy.isEmpty()) {
        // The replaced file could not be read completely: say where its original is.
        m_messages.show(tr("Your settings were saved. The previous settings file could not be "
                           "read completely; it was kept as:")
                + CrLf + saved.keptCopy,
            MessageBox::Exclamation);
    }
    if (!saved.unflushed.isEmpty()) {
        m_messages.show(tr("Your settings were saved, but the system could not confirm that they "
                           "are safely on the disk. If the power fails soon, they may be lost.")
                + CrLf + CrLf + saved.unflushed,
            MessageBox::Exclamation);
    }
    m_saved = true;

    const bool login = m_chkLogin->isChecked();
    if (login != m_loginAtOpen) {
        const LoginStartup::Result applied = m_login.setEnabled(login);
        if (!applied.ok) {
            // The settings are saved; the dialog stays open to retry the login entry or cancel,
            // showing the settings as saved, so that another OK starts from them.
            LoadSettings(m_events, m_settings);
            showSettings();
            m_messages.show(tr("Your settings were saved, but showing the countdown when you log "
                               "in could not be changed.")
                    + CrLf + CrLf + applied.error,
                MessageBox::Stop);
            return;
        }
        m_loginAtOpen = login;
    }
    close();
    emit dialogFinished(true);
}

std::optional<SaveResult> frmConfig::saveOnTop()
{
    const VisitChanges changes = visitChanges();
    for (;;) {
        m_reread = true;
        if (const QString unreadable = m_settings.reload(); !unreadable.isEmpty()) {
            return SaveResult {false, unreadable, QString(), QString()};
        }
        EventList theirs;
        LoadSettings(theirs, m_settings);
        const VisitChanges::Applied applied = changes.appliedTo(theirs);
        if (!m_messages.ask(onTopQuestion(m_settings.location(), applied.conflicts), tr(KeepBoth),
                tr(BackToDialog), MessageBox::Exclamation)) {
            return std::nullopt;
        }
        // A change made while the question was on screen is asked about again, on the newest
        // file.
        if (!m_settings.changedElsewhere()) {
            return SaveEventList(
                m_settings, applied.events.WallpaperPath, applied.events, applied.selectedIndex);
        }
    }
}

void frmConfig::cmdCancel_Click()
{
    // Cancel takes back this visit's removals and changes, newest first, so that a later OK
    // cannot store what the user cancelled. Added events stay in memory until the next OK.
    while (!m_undo.isEmpty()) {
        const auto [index, event] = m_undo.takeLast();
        if (m_events.restoreEvent(index, event)) {
            m_cboEvents->setItemText(int(index), listItemText(index));
            setItemSelectable(m_cboEvents, int(index), true);
        }
    }
    // The file was read again during this visit: the countdown and the next visit show it.
    if (m_reread) {
        ReloadSettings(m_events, m_settings);
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
        m_dlgWallpaper.initialFile = result.path;
        // Said now, while another file can be chosen, rather than by a countdown that silently
        // keeps its built-in picture.
        if (m_pictures.load(result.path, WallpaperShownSize).isNull()) {
            m_messages.show(tr("This file cannot be shown as the wallpaper:") + CrLf + result.path
                    + CrLf + CrLf
                    + tr("It is not a JPEG, GIF, BMP or PNG picture, or it is damaged or too "
                         "large: a GIF, BMP, PNG or progressive JPEG may have up to 8.3 "
                         "megapixels (4.15 for a progressive JPEG with full-resolution colour or "
                         "a PNG of 16 bits a channel), and a photo stored on its side or upside "
                         "down up to 50 megapixels."),
                MessageBox::Stop, tr("Invalid picture"));
            break;
        }
        m_txtWallpaper->setText(result.path);
        break;
    case FileDialog::Result::Cancelled:
        break;
    case FileDialog::Result::Failed:
        m_messages.show(
            result.description, MessageBox::Stop, tr("Error %1").arg(result.errorNumber));
        break;
    }
}
