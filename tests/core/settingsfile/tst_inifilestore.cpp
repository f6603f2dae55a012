#include "core/settingsfile/IniFileStore.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestFiles;

namespace {

const QString Section = u"countdown"_s;

} // namespace

class tst_IniFileStore final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void getDistinguishesAbsentFromEmpty();
    void changesAreStagedUntilCommit();
    void discardDropsStagedChanges();
    void commitReplacesTheFileAndKeepsOtherSettings();
    void commitCreatesMissingFolders();
    void valuesReadBackAsWrittenThroughQSettingsToo_data();
    void valuesReadBackAsWrittenThroughQSettingsToo();
    void saveChangesOnlyTheKeysItWrites();
    void qsettingsReadsSavedKeysAfterALineItWouldContinue();
    void saveKeepsTheFilePermissions();
    void saveWritesThroughALinkInTheTargetsFolder();
    void editKeepingSizeAndTimeIsStillChangedElsewhere();

private:
    QString path() const { return m_dir->filePath(u"cfg/Quorvane.conf"_s); }
    void seedOldFile()
    {
        IniFileStore store(path());
        store.save(Section, u"d1"_s, u"2004-01-19 01:15"_s);
        store.save(Section, u"t1"_s, u"Old"_s);
        QVERIFY(store.commit().ok);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_IniFileStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_IniFileStore::getDistinguishesAbsentFromEmpty()
{
    {
        QSettings raw(path(), QSettings::IniFormat);
        raw.setValue(u"countdown/Empty"_s, QString());
        raw.setValue(u"countdown/Full"_s, u"text"_s);
    }
    const IniFileStore store(path());
    QCOMPARE(store.get(Section, u"Empty"_s, u"fallback"_s), QString());
    QVERIFY(store.contains(Section, u"Empty"_s));
    QCOMPARE(store.get(Section, u"Full"_s, u"fallback"_s), u"text"_s);
    QCOMPARE(store.get(Section, u"Absent"_s, u"fallback"_s), u"fallback"_s);
    QCOMPARE(store.get(Section, u"Absent"_s), QString());
    QVERIFY(!store.contains(Section, u"Absent"_s));
    // Keys are case-sensitive.
    QVERIFY(!store.contains(Section, u"full"_s));
}

void tst_IniFileStore::changesAreStagedUntilCommit()
{
    seedOldFile();
    const QByteArray before = readAll(path());
    IniFileStore store(path());
    store.save(Section, u"t1"_s, u"New"_s);
    store.remove(Section, u"d1"_s);
    QCOMPARE(store.get(Section, u"t1"_s), u"New"_s);
    QVERIFY(!store.contains(Section, u"d1"_s));
    QCOMPARE(readAll(path()), before);

    QVERIFY(store.commit().ok);
    const IniFileStore reopened(path());
    QCOMPARE(reopened.get(Section, u"t1"_s), u"New"_s);
    QVERIFY(!reopened.contains(Section, u"d1"_s));
    QCOMPARE(store.get(Section, u"t1"_s), u"New"_s); // the committing store sees it too
}

void tst_IniFileStore::discardDropsStagedChanges()
{
    seedOldFile();
    IniFileStore store(path());
    store.save(Section, u"t1"_s, u"New"_s);
    store.discard();
    QCOMPARE(store.get(Section, u"t1"_s), u"Old"_s);
    QVERIFY(store.commit().ok);
    QCOMPARE(IniFileStore(path()).get(Section, u"t1"_s), u"Old"_s);
}

void tst_IniFileStore::commitReplacesTheFileAndKeepsOtherSettings()
{
    {
        QSettings raw(path(), QSettings::IniFormat);
        raw.setValue(u"elsewhere/kept"_s, u"yes"_s);
    }
    IniFileStore store(path());
    store.save(Section, u"Wallpaper"_s, u"veltor://default"_s);
    const SaveResult result = store.commit();
    QVERIFY2(result.ok, qPrintable(result.error));

    const IniFileStore reopened(path());
    QCOMPARE(reopened.get(u"elsewhere"_s, u"kept"_s), u"yes"_s);
    QCOMPARE(reopened.get(Section, u"Wallpaper"_s), u"veltor://default"_s);
    // No staging file is left behind.
    QCOMPARE(entries(QFileInfo(path()).absolutePath()), QStringList {u"Quorvane.conf"_s});
}

void tst_IniFileStore::commitCreatesMissingFolders()
{
    const QString deep = m_dir->filePath(u"a/b/c/Quorvane.conf"_s);
    IniFileStore store(deep);
    store.save(Section, u"Active"_s, u"0"_s);
    QVERIFY(store.commit().ok);
    QCOMPARE(IniFileStore(deep).get(Section, u"Active"_s), u"0"_s);
}

void tst_IniFileStore::valuesReadBackAsWrittenThroughQSettingsToo_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << QString();
    QTest::newRow("plain") << u"Tea time"_s;
    QTest::newRow("commas") << u"a,b, c"_s;
    QTest::newRow("semicolon and equals") << u"x;y=z"_s;
    QTest::newRow("quotes") << u"The \"big\" day"_s;
    QTest::newRow("quoted whole") << u"\"quoted\""_s;
    QTest::newRow("backslashes") << u"C:\\Pictures\\new.jpg"_s;
    QTest::newRow("trailing backslash") << u"C:\\Pictures\\"_s;
    QTest::newRow("leading and trailing blanks") << u"  both  "_s;
    QTest::newRow("only a trailing blank") << u"Birthday "_s;
    QTest::newRow("only blanks") << u"   "_s;
    QTest::newRow("trailing no-break space") << u"x\u00a0"_s;
    QTest::newRow("line breaks") << u"one\ntwo\r\nthree"_s;
    QTest::newRow("tab and bell") << u"\ta\a"_s;
    QTest::newRow("control before hex digit") << u"\x01"
                                                 "a"_s;
    QTest::newRow("NUL") << QString(u"A\0B"_s);
    QTest::newRow("NUL before digit") << QString(u"A\0"
                                                 "7"_s);
    QTest::newRow("non-ASCII") << u"Grüße, 東京 🎉"_s;
    QTest::newRow("at sign") << u"@home"_s;
    QTest::newRow("double at sign") << u"@@"_s;
    QTest::newRow("lone at sign") << u"@"_s;
    QTest::newRow("typed-looking") << u"@Invalid()"_s;
    QTest::newRow("string-looking") << u"@String(x)"_s;
}

void tst_IniFileStore::valuesReadBackAsWrittenThroughQSettingsToo()
{
    QFETCH(QString, value);
    {
        IniFileStore store(path());
        store.save(Section, u"t1"_s, value);
        QVERIFY(store.commit().ok);
        QCOMPARE(store.get(Section, u"t1"_s), value);
    }
    QCOMPARE(IniFileStore(path()).get(Section, u"t1"_s, u"absent"_s), value);

    // Another program, or an older Quorvane, reads the file through QSettings.
    const QVariant read = QSettings(path(), QSettings::IniFormat).value(u"countdown/t1"_s);
    QCOMPARE(read.typeId(), int(QMetaType::QString));
    QCOMPARE(read.toString(), value);

    // The line is the one QSettings itself writes for the value.
    const QString own = m_dir->filePath(u"qsettings.conf"_s);
    QSettings(own, QSettings::IniFormat).setValue(u"countdown/t1"_s, value);
    const auto line = [](const QByteArray &file) {
        const qsizetype at = file.indexOf("\nt1=");
        QByteArray text = file.mid(at + 1, file.indexOf('\n', at + 1) - at - 1);
        if (text.endsWith('\r')) { // QSettings ends its lines with CR LF on Windows
            text.chop(1);
        }
        return text;
    };
    QCOMPARE(line(readAll(path())), line(readAll(own)));
}

void tst_IniFileStore::saveChangesOnlyTheKeysItWrites()
{
    // Comments, other sections, Windows line ends and hand-written values stay (a byte-order
    // mark goes: QSettings reports it as a format error); a changed key is written where QSettings
    // reads it (the last line that sets it, the others go), a removed one goes, and a new key
    // follows the last key of its section.
    QVERIFY(QDir().mkpath(m_dir->filePath(u"cfg"_s)));
    QVERIFY(writeAll(path(),
        "\xef\xbb\xbf; notes\r\n[other]\r\nx=a,b\r\n\n[countdown]\nd1=old\nt1=The \"big\" "
        "day\n; mine\nd1=older\nt2=gone\n\n[last]\ny=1\n"));
    IniFileStore store(path());
    QCOMPARE(store.get(Section, u"d1"_s), u"older"_s);
    QCOMPARE(store.get(u"other"_s, u"x"_s), u"a,b"_s);
    store.save(Section, u"d1"_s, u"new, one"_s);
    store.remove(Section, u"t2"_s);
    store.save(Section, u"Active"_s, u"1"_s);
    store.save(u"fresh"_s, u"k"_s, u"v"_s);
    QVERIFY(store.commit().ok);
    QCOMPARE(readAll(path()),
        "; notes\r\n[other]\r\nx=a,b\r\n\n[countdown]\nt1=The \"big\" day\n; "
        "mine\nd1=\"new, one\"\nActive=1\n\n[last]\ny=1\n\n[fresh]\nk=v\n"_ba);
    const IniFileStore reopened(path());
    QCOMPARE(reopened.get(Section, u"d1"_s), u"new, one"_s);
    QCOMPARE(reopened.get(Section, u"t1"_s), u"The \"big\" day"_s);
    QVERIFY(!reopened.contains(Section, u"t2"_s));
}

void tst_IniFileStore::qsettingsReadsSavedKeysAfterALineItWouldContinue()
{
    // QSettings reads on past the end of a line with an open quote or a final backslash, so
    // such a line ahead of the section would swallow what a save writes there; a key without
    // a name too.
    QVERIFY(QDir().mkpath(m_dir->filePath(u"cfg"_s)));
    QVERIFY(writeAll(path(),
        "[a]\nsize=5\" screen\npath=C:\\dir\\\n=2020-06-10, then cake\"\n[countdown]\nd1=x\n"));
    IniFileStore store(path());
    QCOMPARE(store.get(u"a"_s, u"size"_s), u"5\" screen"_s);
    store.save(Section, u"d1"_s, u"2004-01-19 01:15"_s);
    store.save(Section, u"t1"_s, u"Event"_s);
    QVERIFY(store.commit().ok);

    const QSettings read(path(), QSettings::IniFormat);
    QCOMPARE(read.value(u"countdown/d1"_s).toString(), u"2004-01-19 01:15"_s);
    QCOMPARE(read.value(u"countdown/t1"_s).toString(), u"Event"_s);
    QCOMPARE(read.value(u"a/size"_s).toString(), u"5\" screen"_s);
    QCOMPARE(read.value(u"a/path"_s).toString(), u"C:\\dir\\"_s);
    QCOMPARE(IniFileStore(path()).get(u"a"_s, u"path"_s), u"C:\\dir\\"_s);
}

void tst_IniFileStore::saveKeepsTheFilePermissions()
{
    seedOldFile();
    const QFileDevice::Permissions shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(path(), shared));
    const QFileDevice::Permissions before = QFile::permissions(path());
    IniFileStore store(path());
    store.save(Section, u"t1"_s, u"New"_s);
    QVERIFY(store.commit().ok);
    QCOMPARE(QFile::permissions(path()), before);
}

void tst_IniFileStore::saveWritesThroughALinkInTheTargetsFolder()
{
    // Settings kept in a folder of dotfiles and linked from where the program looks, a folder
    // that may be read-only: nothing is written there.
#ifndef Q_OS_UNIX
    QSKIP("QFile::link makes a shortcut on Windows, which is no link to write through");
#endif
    const QString dotfiles = m_dir->filePath(u"dotfiles"_s);
    const QString cfg = m_dir->filePath(u"cfg"_s);
    QVERIFY(QDir().mkpath(dotfiles) && QDir().mkpath(cfg));
    const QString real = dotfiles + u"/Quorvane.conf"_s;
    QVERIFY(writeAll(real, "[countdown]\nd1=2004-01-19 01:15\nt1=Old\n"));
    QVERIFY(QFile::link(real, path()));
    QVERIFY(QFile::setPermissions(cfg, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(
            cfg, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    IniFileStore store(path());
    QCOMPARE(store.get(Section, u"t1"_s), u"Old"_s);
    store.save(Section, u"t1"_s, u"New"_s);
    const SaveResult saved = store.commit();
    QVERIFY2(saved.ok, qPrintable(saved.error));

    QVERIFY(QFileInfo(path()).isSymLink());
    QCOMPARE(IniFileStore(real).get(Section, u"t1"_s), u"New"_s);
    QCOMPARE(entries(dotfiles), QStringList {u"Quorvane.conf"_s});
    QCOMPARE(entries(cfg), QStringList {u"Quorvane.conf"_s});
}

void tst_IniFileStore::editKeepingSizeAndTimeIsStillChangedElsewhere()
{
    // Another program changes a value for one of the same length and puts the time back:
    // neither size nor time tells, only the content.
    seedOldFile();
    const IniFileStore store(path());
    QVERIFY(!store.changedElsewhere());
    QVERIFY(writeKeepingTime(path(), readAll(path()).replace("t1=Old", "t1=Odd")));
    QVERIFY(store.changedElsewhere());
}

QTEST_GUILESS_MAIN(tst_IniFileStore)
#include "tst_inifilestore.moc"
