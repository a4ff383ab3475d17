#pragma once

#include <QList>
#include <QRandomGenerator>

// The program's one random generator. Draws are floats in [0, 1) with 24 bits of
// resolution, so float(count) * r always truncates to an index below count.
class RandomSource
{
public:
    static RandomSource &instance();

    void seed(quint32 value);
    void seedFromClock();

    float draw();
    // Index in 0 .. count - 1 from one draw; -1 (and no draw) for an empty list.
    int pick(int count);

    // Tests: the next draws come from this list until it is used up.
    void scriptDraws(const QList<float> &draws);
    int scriptedDrawsLeft() const { return int(m_script.size()); }

private:
    RandomSource() = default;
    Q_DISABLE_COPY_MOVE(RandomSource)

    QRandomGenerator m_generator{1u};
    QList<float> m_script;
};
