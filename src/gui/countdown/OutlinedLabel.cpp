#include "gui/countdown/OutlinedLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <array>

namespace {

constexpr std::array<QPoint, 8> OutlineOffsets = {QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1),
    QPoint(-1, 0), QPoint(1, 0), QPoint(-1, 1), QPoint(0, 1), QPoint(1, 1)};

// What the painter's text drawing does with a rectangle and flags, for one line that it lays
// out as written: no line breaks, tabs or length variants in the text, no decorations on the
// font, no wrapping or justification, aligned left or centred. Anything else is left to it.
bool laidOutAsOneLine(const QPainter &painter, int flags, const QString &text)
{
    const int handled = Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignAbsolute | Qt::AlignTop
        | Qt::AlignBottom | Qt::AlignVCenter;
    if ((flags & ~handled) != 0) {
        return false;
    }
    const QFont &font = painter.font();
    if (font.underline() || font.overline() || font.strikeOut()) {
        return false;
    }
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar(0x9c) || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator) {
            return false;
        }
    }
    return true;
}

// The same glyphs at the same places as DrawOutlinedText's drawText calls, shaped once for
// all nine copies instead of once for each.
void drawShapedOnce(
    QPainter &painter, const QRect &area, int flags, const QString &text, const QColor &fill)
{
    QTextLayout layout(text, painter.font());
    QTextOption option;
    option.setTextDirection(painter.layoutDirection());
    option.setAlignment(Qt::AlignLeft);
    layout.setTextOption(option);
    // Keeps the shaped glyphs after the layout, for every copy.
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();

    // The painter centres the line's own height, ascent plus descent, not the rounded-up
    // height QTextLine reports, and does not round the offsets.
    const qreal height = line.ascent() + line.descent();
    const qreal width = line.naturalTextWidth();
    const QRectF r(area);
    qreal x = 0;
    if (flags & Qt::AlignHCenter) {
        x = (r.width() - line.horizontalAdvance()) / 2;
    }
    qreal y = 0;
    if (flags & Qt::AlignBottom) {
        y = r.height() - height;
    } else if (flags & Qt::AlignVCenter) {
        y = (r.height() - height) / 2;
    }
    // A line larger than its rectangle is cut at the rectangle's edges.
    const bool clipped = width > r.width() || height > r.height();

    const auto drawAt = [&](const QPoint &offset) {
        const QRectF moved = QRectF(area.translated(offset));
        if (clipped) {
            painter.save();
            painter.setClipRect(moved, Qt::IntersectClip);
        }
        line.draw(&painter, QPointF(moved.x() + x, moved.y() + y));
        if (clipped) {
            painter.restore();
        }
    };
    for (const QPoint &offset : OutlineOffsets) {
        drawAt(offset);
    }
    painter.setPen(fill);
    drawAt(QPoint());
}

// Dark enough to frame white on white; over black it leaves no trace.
const QColor OutlineColour(0, 0, 0, 190);

} // namespace

void DrawOutlinedText(QPainter &painter, const QRect &area, int flags, const QString &text,
    const QColor &outline, const QColor &fill)
{
    if (text.isEmpty()) {
        return;
    }
    painter.setPen(outline);
    // As the painter reads them: left and right swap for right-to-left text unless absolute.
    const int visual = int(QStyle::visualAlignment(painter.layoutDirection(), Qt::Alignment(flags)))
        | (flags & ~int(Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask));
    if (laidOutAsOneLine(painter, visual, text)) {
        drawShapedOnce(painter, area, visual, text, fill);
        return;
    }
    for (const QPoint &offset : OutlineOffsets) {
        painter.drawText(area.translated(offset), flags, text);
    }
    painter.setPen(fill);
    painter.drawText(area, flags, text);
}

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
    // Placed as QLabel places its text, so the white copy lands exactly where it would; the
    // painter takes the label's layout direction.
    QPainter painter(this);
    DrawOutlinedText(painter, contentsRect(), int(alignment()), text(), OutlineColour,
        palette().color(foregroundRole()));
}
