#include "core/login/WindowsRunEntry.h"

#include <QSettings>
#include <QTest>

#include <qt_windows.h>

using namespace Qt::StringLiterals;

namespace {

// A key of the test's own in place of HKCU\Software\Microsoft\Windows\CurrentVersion.
const QString Own = u"Quorvane-tst_windowsrunentry"_s;
const QString Version = u"Software\\"_s + Own;
const QString Run = u"HKEY_CURRENT_USER\\"_s + Version + u"\\Run"_s;
const QString Approved = Version + u"\\Explorer\\StartupApproved\\Run"_s;

// Task Manager's mark: its state, then the time of the change.
QByteArray mark(char state)
{
    return QByteArray(1, state) + QByteArray::fromHex("0000002f9b8cc5d95701");
}

bool writeMark(const QByteArray &bytes)
{
    return ::RegSetKeyValueW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(Approved.utf16()),
               L"Quorvane", REG_BINARY, bytes.constData(), DWORD(bytes.size()))
        == ERROR_SUCCESS;
}

bool hasMark()
{
    return ::RegGetValueW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(Approved.utf16()),
               L"Quorvane", RRF_RT_ANY, nullptr, nullptr, nullptr)
        == ERROR_SUCCESS;
}

} // namespace

// The login entry in the registry's Run key, and Task Manager's switch for it.
class tst_WindowsRunEntry final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QSettings(u"HKEY_CURRENT_USER\\Software"_s, QSettings::NativeFormat).remove(Own);
    }

    void entryIsOnWhereWindowsStartsIt_data()
    {
        QTest::addColumn<bool>("inRun");
        QTest::addColumn<QByteArray>("taskManager");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no entry") << false << QByteArray() << false;
        QTest::newRow("entry") << true << QByteArray() << true;
        QTest::newRow("entry, on in Task Manager") << true << mark(0x02) << true;
        QTest::newRow("entry, on again in Task Manager") << true << mark(0x06) << true;
        QTest::newRow("entry, off in Task Manager") << true << mark(0x03) << false;
        QTest::newRow("off in Task Manager, no entry") << false << mark(0x03) << false;
    }
    void entryIsOnWhereWindowsStartsIt()
    {
        QFETCH(bool, inRun);
        QFETCH(QByteArray, taskManager);
        QFETCH(bool, enabled);
        {
            QSettings run(Run, QSettings::NativeFormat);
            run.setValue(u"Other"_s, u"other.exe"_s);
            if (inRun) {
                run.setValue(u"Quorvane"_s, u"\"C:\\Old\\quorvane.exe\""_s);
            }
        }
        if (!taskManager.isEmpty()) {
            QVERIFY(writeMark(taskManager));
        }
        WindowsRunEntry entry(u"C:/Program Files/Quorvane/quorvane.exe"_s, Version);
        QCOMPARE(entry.isEnabled(), enabled);

        // Switched on here, the entry is on for Windows too, whatever Task Manager marked.
        QVERIFY(entry.setEnabled(true).ok);
        QVERIFY(entry.isEnabled());
        QVERIFY(!hasMark());
        const QSettings run(Run, QSettings::NativeFormat);
        QCOMPARE(run.value(u"Quorvane"_s).toString(),
            u"\"C:\\Program Files\\Quorvane\\quorvane.exe\""_s);

        QVERIFY(entry.setEnabled(false).ok);
        QVERIFY(!entry.isEnabled());
        QCOMPARE(run.allKeys(), QStringList {u"Other"_s});
    }
};

QTEST_GUILESS_MAIN(tst_WindowsRunEntry)
#include "tst_windowsrunentry.moc"
