#include "host/QtSettingsStore.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestFiles;

namespace {

const QString Section = u"countdown"_s;

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

QTEST_GUILESS_MAIN(tst_QtSettingsStore)
#include "tst_qtsettingsstore.moc"
