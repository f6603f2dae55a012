#pragma once

#include <QLabel>

// A label whose text has a thin dark outline, so that white text stays legible on a light
// wallpaper; on a dark one the outline vanishes into the background. Plain text, one line.
class OutlinedLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit OutlinedLabel(QWidget *parent = nullptr);
    OutlinedLabel(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
