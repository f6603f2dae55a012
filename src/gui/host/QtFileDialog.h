#pragma once

#include "core/host/FileDialog.h"

#include <QStringList>

class QtFileDialog final : public FileDialog
{
public:
    Result open(const Request &request) override;

    // Qt name filters for a filter of the form "display text|*.a; *.b|display text|*.c":
    // "display text (*.a *.b)", one per pair.
    static QStringList nameFilters(const QString &filter);
};
