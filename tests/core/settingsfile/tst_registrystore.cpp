#include "core/settingsfile/NativeSettingsStore.h"

#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The test's own key, as the program's is HKEY_CURRENT_USER\Software\Quorvane\Quorvane.
const QString Parent = u"HKEY_CURRENT_USER\\Software"_s;
const QString Own = u"Quorvane-tst_registrystore"_s;
const QString Key = Parent + u'\\' + Own;
const QString Section = u"countdown"_s;

std::unique_ptr<QSettings> openKey()
{
    return std::make_unique<QSettings>(Key, QSettings::NativeFormat);
}

} // namespace

// The settings store in the Windows registry, through QSettings' native format.
class tst_RegistryStore final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings(Parent, QSettings::NativeFormat).remove(Own); }

    void valuesReadBackExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << QString();
        QTest::newRow("date") << u"2004-01-19 01:15"_s;
        QTest::newRow("blanks around") << u"  Tea time  "_s;
        QTest::newRow("path") << u"C:\\Users\\Ann\\Pictures/sea.jpg"_s;
        QTest::newRow("commas, semicolon, equals") << u"a,b; c=d"_s;
        QTest::newRow("quotes") << u"The \"big\" day"_s;
        QTest::newRow("line breaks") << u"one\ntwo\r\nthree"_s;
        QTest::newRow("NUL") << QString(u"A\0B"_s);
        QTest::newRow("non-ASCII") << u"Grüße, 東京 🎉"_s;
        QTest::newRow("at sign") << u"@home"_s;
        QTest::newRow("typed-looking") << u"@Invalid()"_s;
        QTest::newRow("string-looking") << u"@String(x)"_s;
        QTest::newRow("long") << QString(5000, u'x');
    }
    void valuesReadBackExactly()
    {
        QFETCH(QString, value);
        {
            NativeSettingsStore store(openKey());
            store.save(Section, u"t1"_s, value);
            QVERIFY(store.commit().ok);
        }
        const NativeSettingsStore later(openKey());
        QCOMPARE(later.get(Section, u"t1"_s, u"absent"_s), value);
        QCOMPARE(later.keys(Section), QStringList {u"t1"_s});
    }

    void removedAndStaleValuesGoAndTheRestStays()
    {
        {
            QSettings seed(Key, QSettings::NativeFormat);
            for (const QString &name : {u"d1"_s, u"d2"_s, u"t1"_s, u"t2"_s}) {
                seed.setValue(Section + u'/' + name, name);
            }
            seed.setValue(u"other/t2"_s, u"kept"_s);
        }
        NativeSettingsStore store(openKey());
        store.remove(Section, u"d2"_s);
        store.save(Section, u"t1"_s, u"new"_s);
        store.removeStale(Section, [](const QString &key) { return key.startsWith(u't'); });
        QVERIFY(store.commit().ok);

        QSettings read(Key, QSettings::NativeFormat);
        QStringList keys = read.allKeys();
        keys.sort();
        QCOMPARE(keys, (QStringList {u"countdown/d1"_s, u"countdown/t1"_s, u"other/t2"_s}));
        QCOMPARE(read.value(u"countdown/t1"_s).toString(), u"new"_s);
    }

    void changeByAnotherProgramIsNoticedUntilSavedOver()
    {
        NativeSettingsStore store(openKey());
        QVERIFY(!store.changedElsewhere());
        QSettings other(Key, QSettings::NativeFormat);
        other.setValue(u"countdown/t1"_s, u"theirs"_s);
        other.sync();
        QVERIFY(store.changedElsewhere());
        store.save(Section, u"t1"_s, u"mine"_s);
        QVERIFY(store.commit().ok);
        QVERIFY(!store.changedElsewhere());
        other.remove(u"countdown/t1"_s);
        other.sync();
        QVERIFY(store.changedElsewhere());
    }
};

QTEST_GUILESS_MAIN(tst_RegistryStore)
#include "tst_registrystore.moc"
