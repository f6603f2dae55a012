#include "host/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBox::show(const QString &text, Style style, const QString &title)
{
    // Texts break lines with CR LF; shown as plain text, so a path or a reason with "<" in it
    // is not taken for markup.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QMessageBox box(style == Stop ? QMessageBox::Critical : QMessageBox::Warning,
        title.isEmpty() ? applicationTitle() : title, lines, QMessageBox::Ok,
        QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
