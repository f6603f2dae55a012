#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QLocale &locale)
    : m_locale(locale)
{
    // Built into the program (":/i18n/quorvane_de.qm"). A language without one leaves the
    // translator empty, which translates nothing.
    (void)m_program.load(
        locale, QStringLiteral("quorvane"), QStringLiteral("_"), QStringLiteral(":/i18n"));
}

void Translations::install()
{
    // Qt's own are installed with Qt; where they are is known once the application exists (a
    // qt.conf beside the program may say). A ZIP for Windows carries them in a folder beside
    // the program.
    for (const QString &folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
             QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (m_qt.load(m_locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            break;
        }
    }
    // A translator takes itself out of the application when it is destroyed.
    // The last installed is asked first: the program's own words before Qt's.
    QCoreApplication::installTranslator(&m_qt);
    QCoreApplication::installTranslator(&m_program);
}

QString Translations::text(const char *context, const char *source) const
{
    const QString translated = m_program.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}
