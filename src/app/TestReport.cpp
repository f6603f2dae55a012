#include "app/TestReport.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

// Often enough to see each second of the readout.
constexpr int LookMs = 100;

} // namespace

TestReport::TestReport()
    : m_file(qEnvironmentVariable("QUORVANE_TEST_REPORT"))
{
    if (m_file.fileName().isEmpty() || !m_file.open(QIODevice::Append | QIODevice::Text)) {
        return;
    }
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &TestReport::look);
    timer->start(LookMs);
}

void TestReport::look()
{
    QStringList lines;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        QStringList fields {QGuiApplication::platformName(),
            QString::fromLatin1(window->metaObject()->className()), window->windowTitle()};
        for (const char *name : {"lblDays", "lblHours", "lblMin", "lblSec"}) {
            if (const auto *label = window->findChild<const QLabel *>(QLatin1String(name))) {
                fields.append(label->text());
            }
        }
        lines.append(fields.join(QLatin1Char('\t')));
    }
    for (const QString &line : std::as_const(lines)) {
        if (!m_seen.contains(line)) {
            m_file.write(line.toUtf8() + '\n');
        }
    }
    m_file.flush();
    m_seen = lines;
}
