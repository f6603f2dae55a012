#pragma once

#include "gui/host/PictureLoader.h"

class QtPictureLoader final : public PictureLoader
{
public:
    QImage load(const QString &path, const QSize &region) const override;
};
