#include "app/StartCommandLine.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <cstring>

using namespace Qt::StringLiterals;

// The arguments of a start as the program reads them before QApplication exists: whole, in a
// copy of this test started with them.
class tst_StartCommandLine final : public QObject
{
    Q_OBJECT

private slots:
    void argumentsArriveAsGiven()
    {
        const QStringList given {
            u"--unknown-Grüße"_s, u"東京 🎉"_s, u"say \"hi\""_s, u"C:\\My Pictures\\"_s, QString()};
        QProcess copy;
        copy.start(QCoreApplication::applicationFilePath(), QStringList {u"--print"_s} + given);
        QVERIFY(copy.waitForFinished());
        const QByteArray printed = QByteArray::fromHex(copy.readAllStandardOutput());
        QCOMPARE(QString::fromUtf8(printed).split(u'\n').mid(2), given);
    }
};

int main(int argc, char *argv[])
{
    // The copy: prints its arguments, without the line breaks of the text mode on the way.
    if (argc > 1 && std::strcmp(argv[1], "--print") == 0) {
        std::fputs(StartArguments(argc, argv).join(u'\n').toUtf8().toHex().constData(), stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    tst_StartCommandLine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startcommandline.moc"
