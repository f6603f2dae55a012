#include "gui/countdown/OutlinedLabel.h"

#include <QPainter>

#include <array>

namespace {

constexpr std::array<QPoint, 8> OutlineOffsets = {QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1),
    QPoint(-1, 0), QPoint(1, 0), QPoint(-1, 1), QPoint(0, 1), QPoint(1, 1)};

// Dark enough to frame white on white; over black it leaves no trace.
const QColor OutlineColour(0, 0, 0, 190);

} // namespace

OutlinedLabel::OutlinedLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

OutlinedLabel::OutlinedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

void OutlinedLabel::paintEvent(QPaintEvent *)
{
    // Placed as QLabel places its text, so the white copy lands exactly where it would, over
    // eight dark copies moved by one pixel in each direction.
    QPainter painter(this);
    const QRect area = contentsRect();
    const int flags = int(alignment());
    const QString shown = text();
    painter.setPen(OutlineColour);
    for (const QPoint &offset : OutlineOffsets) {
        painter.drawText(area.translated(offset), flags, shown);
    }
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, flags, shown);
}
