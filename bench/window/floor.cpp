// The floor for the countdown window: the least a Qt Widgets program does to show one window
// of the same size with four lines of the same font, all four changed every second.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <array>

class Floor final : public QWidget
{
public:
    Floor()
    {
        setFixedSize(385, 294);
        QFont font;
        font.setPointSizeF(21.75);
        for (int i = 0; i < 4; ++i) {
            m_lines.at(i) = new QLabel(this);
            m_lines.at(i)->setGeometry(24, 16 + 56 * i, 345, 41);
            m_lines.at(i)->setFont(font);
            m_lines.at(i)->setAlignment(Qt::AlignCenter);
        }
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
