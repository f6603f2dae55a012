#include "host/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBox::show(const QString &text, Style style, const QString &title)
{
    QMessageBox box(style == Stop ? QMessageBox::Critical : QMessageBox::Warning,
        title.isEmpty() ? applicationTitle() : title, text, QMessageBox::Ok,
        QApplication::activeWindow());
    box.exec();
}
