#include "gui/host/QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

QStringList QtFileDialog::nameFilters(const QString &filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            pattern = pattern.trimmed();
        }
        patterns.removeAll(QString());
        if (patterns.isEmpty()) {
            continue;
        }
        const QString display = parts.at(i).trimmed();
        const QString joined = patterns.join(QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses; the dialog shows only the text
        // before them (HideNameFilterDetails), which is the display text as given.
        result.append((display.isEmpty() ? joined : display) + QStringLiteral(" (") + joined
            + QLatin1Char(')'));
    }
    return result;
}

FileDialog::Result QtFileDialog::open(const Request &request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(
        (request.flags & FileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Qt's dialog has no read-only check box, so HideReadOnly needs nothing.
    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
    }
    if (!request.initialFile.isEmpty()) {
        const QFileInfo initial(request.initialFile);
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    } else if (!request.initialFolder.isEmpty()) {
        dialog.setDirectory(request.initialFolder);
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {Result::Cancelled, {}, CancelErrorNumber, {}};
    }
    return {
        Result::Chosen, QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath(), 0, {}};
}
