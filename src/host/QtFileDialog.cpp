#include "host/QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>

// TODO: honour the filter's display text and patterns and the flags.
FileDialog::Result QtFileDialog::open(const Request &request)
{
    const QString path = QFileDialog::getOpenFileName(
        QApplication::activeWindow(), request.title, request.initialFile);
    if (path.isEmpty()) {
        return {Result::Cancelled, {}, CancelErrorNumber, {}};
    }
    return {Result::Chosen, path, 0, {}};
}
