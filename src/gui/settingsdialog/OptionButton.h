#pragma once

#include <QRadioButton>

// An option button that answers to clicks anywhere on it, and also reports the release of any mouse
// button over it, and the keyboard press of the button (Space), which a plain click signal does not
// tell apart from a selection moved there with the arrow keys.
class OptionButton final : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(const QString &text, QWidget *parent = nullptr);

signals:
    void mouseUp(Qt::MouseButton button);
    void pressedByKey();

protected:
    bool hitButton(const QPoint &pos) const override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
};
