#pragma once

#include "core/host/Clock.h"

// A clock the test sets and advances.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(const QDateTime &now = QDateTime(QDate(2003, 6, 1), QTime(12, 0)))
        : m_now(now)
    { }
    QDateTime now() const override { return m_now; }
    void setNow(const QDateTime &now) { m_now = now; }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }
    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};
