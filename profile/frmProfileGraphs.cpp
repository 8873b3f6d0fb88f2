#include "profile/frmProfileGraphs.h"

#include <algorithm>
#include <cmath>

namespace {

double At(const std::vector<double>& values, size_t index)
{
    return index < values.size() ? values[index] : 0.0;
}

// Titles, range and spacing; the points are the caller's.
platform::GraphData Frame(const QString& valueTitle, const QString& timeTitle, double hi, double lo,
                          double totalTime)
{
    platform::GraphData data;
    data.valueTitle = valueTitle;
    data.timeTitle = timeTitle;
    data.upper = hi;
    data.lowerExtent = 0.0 - lo;
    data.tickSpacing = data.labelSpacing = dFctTimeAxisSpacing(totalTime);
    return data;
}

} // namespace

double dFctTimeAxisSpacing(double totalTime)
{
    if (totalTime > 0.0 && totalTime < 1.0) {
        // The widest step of 1, 2 or 5 x 10^k that labels at least five
        // ticks from 0 to the end of the move (0 included).
        constexpr int kLabelsWanted = 5;
        constexpr double kMantissas[] = {5.0, 2.0, 1.0};
        for (double decade = 0.1;; decade /= 10.0)
            for (double mantissa : kMantissas) {
                const double step = mantissa * decade;
                if (std::floor(totalTime / step + 1e-9) + 1 >= kLabelsWanted)
                    return step;
            }
    }
    if (totalTime <= 20.0)
        return 1.0;
    return std::floor(totalTime / 10.0);
}

platform::GraphData VelocityGraphData(const std::vector<ProfileGraphSegment>& segments,
                                      const QString& velocityUnit, const QString& timeUnit)
{
    double hi = 0.0, lo = 0.0, total = 0.0;
    for (const ProfileGraphSegment& s : segments) {
        hi = std::max({hi, s.initialVelocity, s.finalVelocity});
        lo = std::min({lo, s.initialVelocity, s.finalVelocity});
        total += s.duration;
    }
    platform::GraphData data = Frame(velocityUnit, timeUnit, hi, lo, total);
    if ((hi <= 0.0 && lo >= 0.0) || total <= 0.0)
        return data;
    double t = 0.0;
    data.points.emplace_back(0.0, segments.front().initialVelocity);
    for (const ProfileGraphSegment& s : segments) {
        t += s.duration;
        data.points.emplace_back(t, s.finalVelocity);
    }
    return data;
}

platform::GraphData TorqueGraphData(const std::vector<double>& torques,
                                    const std::vector<double>& durations, int usedSegments,
                                    const QString& torqueUnit, const QString& timeUnit)
{
    double hi = 0.0, lo = 0.0, total = 0.0;
    for (size_t i = 0; i < torques.size(); ++i) {
        hi = std::max(hi, torques[i]);
        lo = std::min(lo, torques[i]);
        total += At(durations, i);
    }
    platform::GraphData data = Frame(torqueUnit, timeUnit, hi, lo, total);
    if ((hi == 0.0 && lo == 0.0) || total <= 0.0)
        return data;
    double t = 0.0;
    for (int i = 0; i < usedSegments; ++i) {
        const double torque = At(torques, static_cast<size_t>(i));
        data.points.emplace_back(t, torque);
        t += At(durations, static_cast<size_t>(i));
        data.points.emplace_back(t, torque);
    }
    if (t == 0.0 && !data.points.empty())
        data.points.back().setX(1.0);
    return data;
}
