#pragma once

#include <QLabel>

class QPainter;

// Draws `text` as QPainter::drawText(area, flags, text) would, in `fill`, over eight copies in
// `outline` moved by one pixel in each direction.
void DrawOutlinedText(QPainter &painter, const QRect &area, int flags, const QString &text,
    const QColor &outline, const QColor &fill);

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
