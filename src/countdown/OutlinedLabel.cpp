#include "countdown/OutlinedLabel.h"

#include <QPainter>
#include <QStyle>

#include <array>

namespace {

// Dark enough to frame white on white; over black it leaves no trace.
const QColor OutlineColour(0, 0, 0, 190);

constexpr std::array<QPoint, 8> OutlineOffsets = {QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1),
    QPoint(-1, 0), QPoint(1, 0), QPoint(-1, 1), QPoint(0, 1), QPoint(1, 1)};

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
    const QString shown = text();
    if (shown.isEmpty()) {
        return;
    }
    // Placed as QLabel places its text, so the white copy lands exactly where it would; the
    // glyphs are cached by the painter after the first copy, so eight more cost little.
    const QRect area = contentsRect();
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()));
    QPainter painter(this);
    painter.setPen(OutlineColour);
    for (const QPoint &offset : OutlineOffsets) {
        painter.drawText(area.translated(offset), flags, shown);
    }
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, flags, shown);
}
