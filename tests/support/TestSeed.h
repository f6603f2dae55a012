#pragma once

#include <QTest>

// The seed of a random test: a fixed one, so that every run tries the same cases, unless
// QUORVANE_TEST_SEED names another. A failing test prints the seed it ran with.
class TestSeed
{
public:
    explicit TestSeed(quint32 fixed)
        : m_value(fixed)
    {
        bool ok = false;
        const quint32 chosen = qEnvironmentVariable("QUORVANE_TEST_SEED").toUInt(&ok);
        if (ok) {
            m_value = chosen;
        }
    }
    ~TestSeed()
    {
        if (QTest::currentTestFailed()) {
            qWarning("Random seed %u; QUORVANE_TEST_SEED=%u repeats this run.", m_value, m_value);
        }
    }
    TestSeed(const TestSeed &) = delete;
    TestSeed &operator=(const TestSeed &) = delete;

    quint32 value() const { return m_value; }

private:
    quint32 m_value;
};
