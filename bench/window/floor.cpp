// The floor for the countdown window: the least a Qt Widgets program does to show one window
// of the same size holding the same picture, four lines of the same font (all four changed every
// second), a check box and a button.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>

class Floor final : public QWidget
{
public:
    Floor()
    {
        setFixedSize(385, 294);
        auto *picture = new QLabel(this);
        picture->setGeometry(0, 0, 385, 294);
        picture->setPixmap(QPixmap(QStringLiteral(FLOOR_PICTURE)));
        QFont font;
        font.setPointSizeF(21.75);
        for (int i = 0; i < 4; ++i) {
            m_lines.at(i) = new QLabel(this);
            m_lines.at(i)->setGeometry(24, 16 + 56 * i, 345, 41);
            m_lines.at(i)->setFont(font);
            m_lines.at(i)->setAlignment(Qt::AlignCenter);
        }
        auto *check = new QCheckBox(QStringLiteral("Close"), this);
        check->setGeometry(0, 272, 385, 25);
        check->setChecked(true);
        auto *button = new QPushButton(QStringLiteral("..."), this);
        button->setGeometry(352, 272, 33, 21);
        tick();
        connect(&m_timer, &QTimer::timeout, this, &Floor::tick);
        m_timer.start(1000);
    }

    void tick()
    {
        ++m_count;
        for (QLabel *line : m_lines) {
            line->setText(QString::number(m_count) + QStringLiteral(" Sec."));
        }
    }

private:
    std::array<QLabel *, 4> m_lines {};
    QTimer m_timer;
    int m_count = 0;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Floor window;
    window.show();
    return QApplication::exec();
}
