#include "gui/host/QtFileDialog.h"
#include "gui/host/QtMessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Hands the next modal dialog of type D to answer as soon as it shows.
template<typename D> void answerWhenShown(std::function<void(D *)> answer)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            answer(dialog);
        }
    });
    poll->start();
}

const QString wallpaperFilter
    = QStringLiteral("Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;)| *.jpeg; *.jpg; *.gif; *.bmp;");

} // namespace

class tst_QtHostDialogs final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void messageBoxShowsStyleTitleAndLineBreaks_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("shownTitle");
        QTest::newRow("stop, titled")
            << int(MessageBox::Stop) << QStringLiteral("Invalid syntax")
            << int(QMessageBox::Critical) << QStringLiteral("Invalid syntax");
        QTest::newRow("exclamation, untitled")
            << int(MessageBox::Exclamation) << QString() << int(QMessageBox::Warning)
            << QStringLiteral("Quorvane");
    }
    void messageBoxShowsStyleTitleAndLineBreaks()
    {
        QFETCH(int, style);
        QFETCH(QString, title);
        QString text;
        QString windowTitle;
        int icon = -1;
        Qt::TextFormat format = Qt::AutoText;
        answerWhenShown<QMessageBox>([&](QMessageBox *box) {
            text = box->text();
            windowTitle = box->windowTitle();
            icon = box->icon();
            format = box->textFormat();
            box->button(QMessageBox::Ok)->click();
        });
        QtMessageBox().show(
            QStringLiteral("Line <b>one</b>\r\n\r\nLine two"), MessageBox::Style(style), title);
        QCOMPARE(text, QStringLiteral("Line <b>one</b>\n\nLine two"));
        QCOMPARE(format, Qt::PlainText);
        QTEST(icon, "icon");
        QTEST(windowTitle, "shownTitle");
    }

    void questionGivesTheFirstAnswerOnlyWhenClicked()
    {
        QStringList buttons;
        answerWhenShown<QMessageBox>([&](QMessageBox *box) {
            for (QAbstractButton *button : box->buttons()) {
                buttons.append(button->text());
            }
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QtMessageBox messages;
        QVERIFY(!messages.ask(QStringLiteral("Go on?"), QStringLiteral("Go On"),
            QStringLiteral("Go Back"), MessageBox::Exclamation));
        buttons.sort();
        QCOMPARE(buttons, (QStringList {QStringLiteral("Go Back"), QStringLiteral("Go On")}));

        answerWhenShown<QMessageBox>([](QMessageBox *box) {
            QTest::keyClick(box, Qt::Key_Return); // the default is the answer that changes nothing
        });
        QVERIFY(!messages.ask(QStringLiteral("Go on?"), QStringLiteral("Go On"),
            QStringLiteral("Go Back"), MessageBox::Exclamation));

        answerWhenShown<QMessageBox>([](QMessageBox *box) {
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == QStringLiteral("Go On")) {
                    button->click();
                }
            }
        });
        QVERIFY(messages.ask(QStringLiteral("Go on?"), QStringLiteral("Go On"),
            QStringLiteral("Go Back"), MessageBox::Exclamation));
    }

    void nameFiltersKeepDisplayTextAndSplitPatterns()
    {
        QCOMPARE(QtFileDialog::nameFilters(wallpaperFilter),
            QStringList {QStringLiteral(
                "Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;) (*.jpeg *.jpg *.gif *.bmp)")});
        QCOMPARE(QtFileDialog::nameFilters(QStringLiteral("Pictures|*.png|All|*.*")),
            (QStringList {QStringLiteral("Pictures (*.png)"), QStringLiteral("All (*.*)")}));
    }

    void fileDialogOffersExistingFilesAndReturnsFullPath()
    {
        QTemporaryDir dir;
        for (const char *name : {"sea.jpg", "hill.gif", "notes.txt"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QString title;
        QString shownFilter;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        QStringList offered;
        answerWhenShown<QFileDialog>([&](QFileDialog *dialog) {
            title = dialog->windowTitle();
            mode = dialog->fileMode();
            offered = dialog->selectedFiles();
            if (auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))) {
                shownFilter = types->currentText();
            }
            // Picks hill.gif in the list, as a click does, once the folder has been read.
            // (selectFile would leave the name box alone whenever it has the focus.)
            // The dialog is answered in any case, so a failure cannot hang the test.
            auto *model = dialog->findChild<QFileSystemModel *>();
            auto *list = dialog->findChild<QListView *>(QStringLiteral("listView"));
            const QString hill = dialog->directory().filePath(QStringLiteral("hill.gif"));
            if (model && list && list->model() == model
                && QTest::qWaitFor([&] { return model->index(hill).isValid(); })) {
                list->selectionModel()->setCurrentIndex(model->index(hill),
                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            }
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides its override
        });
        QtFileDialog files;
        const FileDialog::Result chosen = files.open({QStringLiteral("Pick"), wallpaperFilter,
            FileDialog::FileMustExist | FileDialog::HideReadOnly,
            dir.filePath(QStringLiteral("sea.jpg")), dir.filePath(QStringLiteral("elsewhere"))});
        QCOMPARE(title, QStringLiteral("Pick"));
        QCOMPARE(mode, QFileDialog::ExistingFile);
        QCOMPARE(offered, QStringList {dir.filePath(QStringLiteral("sea.jpg"))});
        QCOMPARE(
            shownFilter.trimmed(), QStringLiteral("Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;)"));
        QCOMPARE(chosen.outcome, FileDialog::Result::Chosen);
        QCOMPARE(chosen.path, dir.filePath(QStringLiteral("hill.gif")));

        // Without an initial file it starts in the folder asked for.
        QString folder;
        answerWhenShown<QFileDialog>([&](QFileDialog *dialog) {
            folder = dialog->directory().absolutePath();
            dialog->reject();
        });
        const FileDialog::Result cancelled
            = files.open({QStringLiteral("Pick"), wallpaperFilter, 0, {}, dir.path()});
        QCOMPARE(folder, dir.path());
        QCOMPARE(cancelled.outcome, FileDialog::Result::Cancelled);
        QCOMPARE(cancelled.errorNumber, 32755);
    }
};

QTEST_MAIN(tst_QtHostDialogs)
#include "tst_qthostdialogs.moc"
