#include "host/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"countdown"_s;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

bool run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

class tst_QtSettingsStore final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void getDistinguishesAbsentFromEmpty();
    void changesAreStagedUntilCommit();
    void discardDropsStagedChanges();
    void commitReplacesTheFileAndKeepsOtherSettings();
    void commitCreatesMissingFolders();
    void readOnlyFolderFailsAndKeepsTheFile();
    void readOnlyFileFailsAndKeepsTheFile();
    void fullDiskFailsAndKeepsTheFile();

private:
    QString path() const { return m_dir->filePath(u"cfg/Quorvane.conf"_s); }
    void seedOldFile()
    {
        QtSettingsStore store(path());
        store.save(Section, u"d1"_s, u"2004-01-19 01:15"_s);
        store.save(Section, u"t1"_s, u"Old"_s);
        QVERIFY(store.commit().ok);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_QtSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_QtSettingsStore::getDistinguishesAbsentFromEmpty()
{
    {
        QSettings raw(path(), QSettings::IniFormat);
        raw.setValue(u"countdown/Empty"_s, QString());
        raw.setValue(u"countdown/Full"_s, u"text"_s);
    }
    const QtSettingsStore store(path());
    QCOMPARE(store.get(Section, u"Empty"_s, u"fallback"_s), QString());
    QVERIFY(store.contains(Section, u"Empty"_s));
    QCOMPARE(store.get(Section, u"Full"_s, u"fallback"_s), u"text"_s);
    QCOMPARE(store.get(Section, u"Absent"_s, u"fallback"_s), u"fallback"_s);
    QCOMPARE(store.get(Section, u"Absent"_s), QString());
    QVERIFY(!store.contains(Section, u"Absent"_s));
    // Keys are case-sensitive.
    QVERIFY(!store.contains(Section, u"full"_s));
}

void tst_QtSettingsStore::changesAreStagedUntilCommit()
{
    seedOldFile();
    const QByteArray before = readAll(path());
    QtSettingsStore store(path());
    store.save(Section, u"t1"_s, u"New"_s);
    store.remove(Section, u"d1"_s);
    QCOMPARE(store.get(Section, u"t1"_s), u"New"_s);
    QVERIFY(!store.contains(Section, u"d1"_s));
    QCOMPARE(readAll(path()), before);

    QVERIFY(store.commit().ok);
    const QtSettingsStore reopened(path());
    QCOMPARE(reopened.get(Section, u"t1"_s), u"New"_s);
    QVERIFY(!reopened.contains(Section, u"d1"_s));
    QCOMPARE(store.get(Section, u"t1"_s), u"New"_s); // the committing store sees it too
}

void tst_QtSettingsStore::discardDropsStagedChanges()
{
    seedOldFile();
    QtSettingsStore store(path());
    store.save(Section, u"t1"_s, u"New"_s);
    store.discard();
    QCOMPARE(store.get(Section, u"t1"_s), u"Old"_s);
    QVERIFY(store.commit().ok);
    QCOMPARE(QtSettingsStore(path()).get(Section, u"t1"_s), u"Old"_s);
}

void tst_QtSettingsStore::commitReplacesTheFileAndKeepsOtherSettings()
{
    {
        QSettings raw(path(), QSettings::IniFormat);
        raw.setValue(u"elsewhere/kept"_s, u"yes"_s);
    }
    QtSettingsStore store(path());
    store.save(Section, u"Wallpaper"_s, u"veltor://default"_s);
    const SaveResult result = store.commit();
    QVERIFY2(result.ok, qPrintable(result.error));

    const QtSettingsStore reopened(path());
    QCOMPARE(reopened.get(u"elsewhere"_s, u"kept"_s), u"yes"_s);
    QCOMPARE(reopened.get(Section, u"Wallpaper"_s), u"veltor://default"_s);
    // No staging file is left behind.
    QCOMPARE(entries(QFileInfo(path()).absolutePath()), QStringList {u"Quorvane.conf"_s});
}

void tst_QtSettingsStore::commitCreatesMissingFolders()
{
    const QString deep = m_dir->filePath(u"a/b/c/Quorvane.conf"_s);
    QtSettingsStore store(deep);
    store.save(Section, u"Active"_s, u"0"_s);
    QVERIFY(store.commit().ok);
    QCOMPARE(QtSettingsStore(deep).get(Section, u"Active"_s), u"0"_s);
}

void tst_QtSettingsStore::readOnlyFolderFailsAndKeepsTheFile()
{
    seedOldFile();
    const QString folder = QFileInfo(path()).absolutePath();
    const QByteArray before = readAll(path());
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });

    QtSettingsStore store(path());
    store.save(Section, u"t1"_s, u"New"_s);
    const SaveResult result = store.commit();
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(folder));
    QCOMPARE(readAll(path()), before);
    QCOMPARE(entries(folder), QStringList {u"Quorvane.conf"_s});
    // The failed change is not pretended to be stored.
    QCOMPARE(store.get(Section, u"t1"_s), u"Old"_s);
}

void tst_QtSettingsStore::readOnlyFileFailsAndKeepsTheFile()
{
    seedOldFile();
    const QByteArray before = readAll(path());
    QVERIFY(QFile::setPermissions(path(), QFileDevice::ReadOwner));
    QtSettingsStore store(path());
    store.save(Section, u"t1"_s, u"New"_s);
    const SaveResult result = store.commit();
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(u"read-only"_s));
    QCOMPARE(readAll(path()), before);
}

void tst_QtSettingsStore::fullDiskFailsAndKeepsTheFile()
{
    if (::geteuid() != 0) {
        QSKIP("Mounting a small file system for this test needs root");
    }
    const QString mountPoint = m_dir->filePath(u"small"_s);
    QVERIFY(QDir().mkpath(mountPoint));
    if (!run(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s, mountPoint})) {
        QSKIP("This machine does not allow mounting a tmpfs");
    }
    const auto unmount = qScopeGuard([&] { run(u"umount"_s, {u"-l"_s, mountPoint}); });

    const QString file = mountPoint + u"/Quorvane.conf"_s;
    {
        QtSettingsStore store(file);
        store.save(Section, u"t1"_s, u"Old"_s);
        QVERIFY(store.commit().ok);
    }
    const QByteArray before = readAll(file);

    // Fill the file system, then leave 0, 1 or 2 pages free: each stage of the save may fail.
    for (int freePages = 0; freePages <= 2; ++freePages) {
        QFile filler(mountPoint + u"/filler"_s);
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray page(4096, 'x');
        while (filler.write(page) == page.size() && filler.flush()) { }
        filler.close();
        QVERIFY(filler.resize(qMax<qint64>(0, filler.size() - freePages * 4096)));

        QtSettingsStore store(file);
        store.save(Section, u"t1"_s, QString(20000, QLatin1Char('n')));
        const SaveResult result = store.commit();
        QVERIFY2(!result.ok, qPrintable(u"free pages: %1"_s.arg(freePages)));
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(readAll(file), before);
        QCOMPARE(QtSettingsStore(file).get(Section, u"t1"_s), u"Old"_s);
        QFile::remove(mountPoint + u"/filler"_s);
        QCOMPARE(entries(mountPoint), QStringList {u"Quorvane.conf"_s});
    }
}

QTEST_GUILESS_MAIN(tst_QtSettingsStore)
#include "tst_qtsettingsstore.moc"
