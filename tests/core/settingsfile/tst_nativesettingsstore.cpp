#include "core/settingsfile/NativeSettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The store of the Windows registry and the macOS property lists, with QSettings' ini format
// standing in for them.
class tst_NativeSettingsStore final : public QObject
{
    Q_OBJECT

private slots:
    void commitWritesTheStagedChangesThroughQSettings()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"native.ini"_s);
        {
            QSettings seed(file, QSettings::IniFormat);
            seed.setValue(u"countdown/d1"_s, u"old"_s);
            seed.setValue(u"countdown/d8"_s, u"stale"_s);
            seed.setValue(u"countdown/d9"_s, u"gone"_s);
            seed.setValue(u"other/d8"_s, u"kept"_s);
        }
        NativeSettingsStore store(std::make_unique<QSettings>(file, QSettings::IniFormat));
        store.save(u"countdown"_s, u"d1"_s, u"new"_s);
        store.save(u"countdown"_s, u"d2"_s, QString());
        store.remove(u"countdown"_s, u"d9"_s);
        // Judged at the commit; keys saved in the same change stay.
        store.removeStale(u"countdown"_s, [](const QString &) { return true; });
        QVERIFY(store.commit().ok);

        const QSettings read(file, QSettings::IniFormat);
        QStringList keys = read.allKeys();
        keys.sort();
        QCOMPARE(keys, (QStringList {u"countdown/d1"_s, u"countdown/d2"_s, u"other/d8"_s}));
        QCOMPARE(read.value(u"countdown/d1"_s).toString(), u"new"_s);
        QCOMPARE(store.get(u"countdown"_s, u"d2"_s, u"absent"_s), QString());
    }

    void refusedWriteFails()
    {
        // A file where the store's folder should be.
        QTemporaryDir dir;
        QFile inTheWay(dir.filePath(u"folder"_s));
        QVERIFY(inTheWay.open(QIODevice::WriteOnly));
        inTheWay.close();
        NativeSettingsStore store(std::make_unique<QSettings>(
            dir.filePath(u"folder/native.ini"_s), QSettings::IniFormat));
        store.save(u"countdown"_s, u"d1"_s, u"new"_s);
        const SaveResult result = store.commit();
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_NativeSettingsStore)
#include "tst_nativesettingsstore.moc"
