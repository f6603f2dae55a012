#include "gui/host/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Texts break lines with CR LF; shown as plain text, so a path or a reason with "<" in it is
// not taken for markup.
void prepare(QMessageBox &box, const QString &text, MessageBox::Style style, const QString &title)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setIcon(style == MessageBox::Stop ? QMessageBox::Critical : QMessageBox::Warning);
    box.setWindowTitle(title.isEmpty() ? MessageBox::applicationTitle() : title);
    box.setText(lines);
    box.setTextFormat(Qt::PlainText);
}

} // namespace

void QtMessageBox::show(const QString &text, Style style, const QString &title)
{
    QMessageBox box(QApplication::activeWindow());
    prepare(box, text, style, title);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtMessageBox::ask(const QString &text, const QString &firstAnswer, const QString &secondAnswer,
    Style style, const QString &title)
{
    QMessageBox box(QApplication::activeWindow());
    prepare(box, text, style, title);
    QPushButton *first = box.addButton(firstAnswer, QMessageBox::AcceptRole);
    QPushButton *second = box.addButton(secondAnswer, QMessageBox::RejectRole);
    // The answer that changes nothing is the one Enter and Escape give.
    box.setDefaultButton(second);
    box.setEscapeButton(second);
    box.exec();
    return box.clickedButton() == first;
}
