#pragma once

#include <QFile>
#include <QObject>
#include <QStringList>

// A hook for end-to-end tests on displays that outside tools cannot look into (Wayland): with
// QUORVANE_TEST_REPORT naming a file, every window the program shows, and every change of what
// it shows, is appended to that file as one line of fields separated by tabs: the platform,
// the window's class, its title, and for the countdown its four readout lines. Without the
// variable it does nothing.
class TestReport final : public QObject
{
public:
    TestReport();

private:
    void look();

    QFile m_file;
    // The lines as last seen, so that each change is written once.
    QStringList m_seen;
};
