#include "gui/settingsdialog/OptionButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

OptionButton::OptionButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{ }

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void OptionButton::mouseReleaseEvent(QMouseEvent *event)
{
    // The option is selected first (left button), then the release is reported.
    QRadioButton::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint())) {
        emit mouseUp(event->button());
    }
}

void OptionButton::keyReleaseEvent(QKeyEvent *event)
{
    const bool pressed = event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown();
    QRadioButton::keyReleaseEvent(event);
    if (pressed) {
        emit pressedByKey();
    }
}
