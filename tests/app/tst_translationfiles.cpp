#include "TranslationFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace {

// The placeholders a text holds, each once: %1 to %99 and the count of a plural, %n.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : marker.globalMatch(text)) {
        found.append(match.captured());
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

// Every shipped translation is complete and keeps what the program fills in or relies on.
class tst_TranslationFiles final : public QObject
{
    Q_OBJECT

private slots:
    void everyMessageIsTranslatedWhole_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(QUORVANE_TRANSLATIONS_DIR));
        const QStringList files = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString &file : files) {
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
        }
    }
    void everyMessageIsTranslatedWhole()
    {
        QFETCH(QString, path);
        QString error;
        const QList<TranslatedMessage> messages = ReadTranslationFile(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.isEmpty());
        QStringList faults;
        for (const TranslatedMessage &m : messages) {
            const QString where = m.context + QStringLiteral(": \"") + m.source + u'"';
            if (!m.finished || m.translations.isEmpty()) {
                faults.append(where + QStringLiteral(" is not finished"));
            }
            for (const QString &t : m.translations) {
                if (t.isEmpty()) {
                    faults.append(where + QStringLiteral(" has no translation"));
                } else if (placeholders(t) != placeholders(m.source)) {
                    faults.append(where + QStringLiteral(" has other placeholders: ") + t);
                } else if (t.count(u'\n') != m.source.count(u'\n')) {
                    faults.append(where + QStringLiteral(" has other line breaks: ") + t);
                } else if (t.startsWith(u' ') != m.source.startsWith(u' ')) {
                    // The unit words and the list marks follow a figure or a description.
                    faults.append(where + QStringLiteral(" starts otherwise: \"") + t + u'"');
                }
            }
        }
        QVERIFY2(faults.isEmpty(),
            qPrintable(QString::number(faults.size()) + QStringLiteral(" faults:\n")
                + faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(tst_TranslationFiles)
#include "tst_translationfiles.moc"
