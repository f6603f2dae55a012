#pragma once

#include <QFile>
#include <QList>
#include <QStringList>
#include <QXmlStreamReader>

// The messages of a Qt Linguist .ts file, as the translators left them.
struct TranslatedMessage
{
    QString context;
    QString source;
    // One text, or one per plural form; empty texts where nothing is translated yet.
    QStringList translations;
    bool finished = true;
};

inline QList<TranslatedMessage> ReadTranslationFile(const QString &path, QString *error)
{
    QList<TranslatedMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QStringView name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            messages.append({context, QString(), QStringList(), true});
        } else if (name == u"source") {
            messages.last().source = xml.readElementText();
        } else if (name == u"translation") {
            messages.last().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!numerus) {
                messages.last().translations.append(xml.readElementText());
            }
        } else if (name == u"numerusform") {
            messages.last().translations.append(xml.readElementText());
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
    }
    return messages;
}
