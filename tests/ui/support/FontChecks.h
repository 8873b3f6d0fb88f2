#pragma once
#include <QFont>
#include <QFontMetricsF>

namespace testing_support {

// Whether the face lays out narrow and wide characters with one advance,
// measured rather than taken from the font system's fixed-pitch flag.
inline bool AdvancesAreEqual(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal narrow = metrics.horizontalAdvance(QLatin1Char('i'));
    return narrow > 0 && qFuzzyCompare(narrow, metrics.horizontalAdvance(QLatin1Char('W'))) &&
           qFuzzyCompare(narrow, metrics.horizontalAdvance(QLatin1Char('.')));
}

} // namespace testing_support
