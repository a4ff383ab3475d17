#include "columns/random_source.h"

#include <QDateTime>

RandomSource &RandomSource::instance()
{
    static RandomSource source;
    return source;
}

void RandomSource::seed(quint32 value)
{
    m_generator.seed(value);
}

void RandomSource::seedFromClock()
{
    seed(
        quint32(QDateTime::currentMSecsSinceEpoch() ^ (QDateTime::currentMSecsSinceEpoch() >> 32)));
}

float RandomSource::draw()
{
    if (!m_script.isEmpty())
        return m_script.takeFirst();
    constexpr float scale = 1.0f / 16777216.0f; // 2^-24: exact in a float
    return float(m_generator.generate() >> 8) * scale;
}

int RandomSource::pick(int count)
{
    if (count <= 0)
        return -1;
    const int index = int(float(count) * draw());
    // A scripted draw of 1.0 or more must not leave the list.
    return qBound(0, index, count - 1);
}

void RandomSource::scriptDraws(const QList<float> &draws)
{
    m_script = draws;
}
