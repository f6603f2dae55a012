#pragma once

#include <QLocale>
#include <QTranslator>

// The program's texts and Qt's own (the file dialog, the message boxes' buttons) in the first
// of the locale's languages that has a translation; English, as written in the sources, for the
// C locale and every language without one.
class Translations final
{
public:
    // Loads the program's translation; it takes effect once installed.
    explicit Translations(const QLocale &locale = QLocale::system());

    // Loads Qt's translation, where Qt is installed with one for the language, and installs
    // both in the application object, which must exist, until this is destroyed.
    void install();

    // The program's text in the user's language, asked directly: for the texts said before the
    // application object exists, when Qt's own lookup has no translator yet.
    QString text(const char *context, const char *source) const;

    // The program's own translations, empty when the language has none.
    const QTranslator &program() const { return m_program; }

private:
    QLocale m_locale;
    QTranslator m_program;
    QTranslator m_qt;
};
