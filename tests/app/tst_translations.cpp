#include "app/Translations.h"
#include "gui/countdown/frmMain.h"
#include "gui/settingsdialog/frmConfig.h"

#include "TranslationFile.h"
#include "WindowHarness.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// What the windows must show in language: the translation the .ts file holds, or the English
// text where it holds none yet.
QString expected(const QString &language, const char *context, const char *source)
{
    if (language == QLatin1String("C") || language == QLatin1String("ja")) {
        return QString::fromUtf8(source);
    }
    QString error;
    const QList<TranslatedMessage> messages = ReadTranslationFile(
        QStringLiteral(QUORVANE_TRANSLATIONS_DIR "/quorvane_%1.ts").arg(language), &error);
    for (const TranslatedMessage &m : messages) {
        if (m.context == QLatin1String(context) && m.source == QLatin1String(source)
            && !m.translations.value(0).isEmpty()) {
            return m.translations.first();
        }
    }
    return QString::fromUtf8(source);
}

} // namespace

// The windows in the language of the locale, loaded as the program loads it; English for the
// C locale and for a language without a translation.
class tst_Translations final : public QObject
{
    Q_OBJECT

private slots:
    void windowsSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        // Japanese has no translation: English is its fallback.
        for (const char *language : {"de", "fr", "es", "C", "ja"}) {
            QTest::newRow(language) << QString::fromLatin1(language);
        }
    }
    void windowsSpeakTheLanguage()
    {
        QFETCH(QString, language);
        Translations translations {QLocale(language)};
        translations.install();
        WindowHarness h;

        frmMain countdown(h.events, h.clock, h.pictures);
        const std::pair<const char *, const char *> lines[] = {
            {"lblDays", " Days"}, {"lblHours", " Hrs."}, {"lblMin", " Min."}, {"lblSec", " Sec."}};
        for (const auto &[name, unit] : lines) {
            const QString word = expected(language, "Readout", unit);
            const QString text = child<QLabel>(countdown, name)->text();
            QVERIFY2(text.endsWith(word), qPrintable(text + QStringLiteral(" / ") + word));
            // The figure before it keeps plain digits.
            bool figure = false;
            text.chopped(word.size()).toInt(&figure);
            QVERIFY2(figure, qPrintable(text));
        }

        frmConfig dialog(h.events, h.settings, h.messages, h.files, h.login, h.pictures);
        QCOMPARE(child<QPushButton>(dialog, "cmdCancel")->text(),
            expected(language, "frmConfig", "Cancel"));
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
