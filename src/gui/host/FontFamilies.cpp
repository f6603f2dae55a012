#include "gui/host/FontFamilies.h"

#include <QFontDatabase>

QStringList InstalledFamilies(const QStringList &wanted)
{
    const QStringList installed = QFontDatabase::families();
    QStringList found;
    for (const QString &family : wanted) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            found.append(family);
        }
    }
    return found.isEmpty() ? wanted : found;
}
