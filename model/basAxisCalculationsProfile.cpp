// The completed velocity profile: the segment solver, the completion rules of
// a partly entered segment, the profile table, the travel range and the
// number of segments in use.
#include "model/basAxisCalculations.h"

#include <array>
#include <cmath>
#include "foundation/basUnitSystem.h"
#include "model/basAxisCalculationsInternal.h"
#include "model/basChangeDetection.h"
#include "model/basValueConversion.h"

using calc::detail::BasicValue;
using calc::detail::Finite;

namespace {

// The segment members in the order of the profile table.
std::array<const ParamRec*, calc::kProfileValuesPerSegment> TableMembers(const SegmentRec& s)
{
    return {&s.InitialVelocity, &s.FinalVelocity, &s.Duration, &s.Acceleration, &s.Distance};
}

// A distance given against the motion counts along it: its magnitude with
// the sign of the mean velocity, so that no duration comes out negative.
double AlongMotion(double s, double vi, double vf)
{
    const double mean = (vf - vi) / 2.0 + vi;
    return mean == 0.0 ? s : std::copysign(std::fabs(s), mean);
}

} // namespace

double dFctSolveSegment(int16_t solverCase, double x, double y, double z)
{
    const double vi = x;
    switch (solverCase) {
    case 1: {  // a from vi, vf, t
        const double t = z;
        return t == 0.0 ? 0.0 : (y - vi) / t;
    }
    case 2: {  // s from vi, vf, t
        return ((y - vi) / 2.0 + vi) * z;
    }
    case 3: {  // vf from vi, t, a
        return z * y + vi;
    }
    case 4: {  // s from vi, t, a
        return vi * y + z * y * y / 2.0;
    }
    case 5: {  // t from vi, vf, a; a duration is never negative, whichever
               // sign the acceleration was entered with
        const double a = z;
        return a == 0.0 ? 0.0 : std::fabs(y - vi) / std::fabs(a);
    }
    case 6: {  // t from vi, vf, s; opposite equal velocities have no duration
        const double mean = (y - vi) / 2.0 + vi;
        return mean == 0.0 ? 0.0 : z / mean;
    }
    case 7: {  // vf from vi, t, s
        const double t = y;
        return t == 0.0 ? 0.0 : 2.0 * z / t - vi;
    }
    default:
        return 0.0;
    }
}

void SubCompleteSegment(double& vi, double& vf, double& t, double& a, double& s)
{
    const double d = vf - vi;
    const bool steadyMove = vi != 0.0 && vf != 0.0 && vi == vf;

    if (d != 0.0 && t != 0.0) {
        a = dFctSolveSegment(1, vi, vf, t);
        s = dFctSolveSegment(2, vi, vf, t);
    } else if (t != 0.0 && steadyMove) {
        a = 0.0;
        s = dFctSolveSegment(2, vi, vf, t);
    } else if (t != 0.0 && a != 0.0) {
        vf = dFctSolveSegment(3, vi, t, a);
        s = dFctSolveSegment(4, vi, t, a);
    } else if (a != 0.0 && s != 0.0 && d != 0.0) {
        t = dFctSolveSegment(5, vi, vf, a);
    } else if (s != 0.0 && d != 0.0) {
        s = AlongMotion(s, vi, vf);
        t = dFctSolveSegment(6, vi, vf, s);
        a = dFctSolveSegment(1, vi, vf, t);
    } else if (s != 0.0 && steadyMove) {
        s = AlongMotion(s, vi, vf);
        t = dFctSolveSegment(6, vi, vf, s);
        a = 0.0;
    } else if (s != 0.0 && t != 0.0) {
        vf = dFctSolveSegment(7, vi, t, s);
        a = dFctSolveSegment(1, vi, vf, t);
    } else if (d != 0.0 && a != 0.0) {
        t = dFctSolveSegment(5, vi, vf, a);
        s = dFctSolveSegment(2, vi, vf, t);
    }

    if (a != 0.0)
        a = std::fabs(vf) < std::fabs(vi) ? -std::fabs(a) : std::fabs(a);
}

void nFctBuildVelocityProfile(int16_t axisId, int16_t segmentIndex, ProfileTable& table,
                              int16_t calculationForm)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0)
        return;
    const AxisRec& axis = gAxis[axisIndex];

    const int first = segmentIndex == -1 ? 0 : segmentIndex;
    const int count = segmentIndex == -1 ? axis.NumberOfMotionSegments : 1;
    table.assign(static_cast<size_t>(calc::kProfileValuesPerSegment * count + 1), 0.0);

    // In linear motion the calculation form turns travel into revolutions at
    // the end device's input; an end device without a travel value gives 0.
    double revsPerTravel = 1.0;
    const bool toRevolutions = calculationForm != 0 && axis.MotionMode == MotionMode::Linear;
    if (toRevolutions) {
        int16_t travelUnit = -1;
        if (!nFctGetAxisRevsPerTravel(axisId, revsPerTravel, travelUnit, model::kTrue))
            revsPerTravel = 0.0;
    }

    for (int j = 0; j < count; ++j) {
        const int segment = first + j;
        if (segment < 0 || segment >= axis.NumberOfMotionSegments ||
            segment >= static_cast<int>(axis.MotionSegments.size()))
            continue;  // an index outside the profile leaves its entries 0
        const auto members = TableMembers(axis.MotionSegments[segment]);

        std::array<double, calc::kProfileValuesPerSegment> v{};
        for (size_t k = 0; k < v.size(); ++k)
            v[k] = BasicValue(*members[k]);
        if (toRevolutions) {
            v[calc::ProfileValue::InitialVelocity] *= revsPerTravel;
            v[calc::ProfileValue::FinalVelocity] *= revsPerTravel;
            v[calc::ProfileValue::Acceleration] *= revsPerTravel;
            v[calc::ProfileValue::Distance] *= revsPerTravel;
        }
        SubCompleteSegment(v[0], v[1], v[2], v[3], v[4]);

        const size_t base = static_cast<size_t>(calc::kProfileValuesPerSegment * j);
        for (size_t k = 0; k < v.size(); ++k) {
            double value = v[k];
            if (calculationForm == 0)
                value = members[k]->Factor == 0.0 ? 0.0 : value / members[k]->Factor;
            table[base + k] = Finite(value);
        }
    }
}

double dFctGetProfileTravelRange(int16_t axisId, int16_t& unitId)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0)
        return -1.0;

    ProfileTable table;
    nFctBuildVelocityProfile(axisId, -1, table, model::kFalse);
    const AxisRec& axis = gAxis[axisIndex];
    double distanceFactor = 1.0;
    if (!axis.MotionSegments.empty()) {
        unitId = axis.MotionSegments[0].Distance.UnitID;
        distanceFactor = axis.MotionSegments[0].Distance.Factor;
    }

    double position = 0.0;
    double largest = 0.0;
    double smallest = 0.0;
    for (int j = 0; j < axis.NumberOfMotionSegments; ++j) {
        position += table[static_cast<size_t>(calc::kProfileValuesPerSegment * j +
                                              calc::ProfileValue::Distance)];
        if (position > largest)
            largest = position;
        if (position < smallest)
            smallest = position;
    }
    double span = std::fabs(smallest) + largest;

    // A rotary span becomes travel of the end device: revolutions divided by
    // the revolutions per unit of travel, in that unit's length unit.
    double revsPerTravel = -1.0;
    int16_t travelUnit = -1;
    if (bFctIsRotaryUnit(unitId) &&
        nFctGetAxisRevsPerTravel(axisId, revsPerTravel, travelUnit, model::kFalse)) {
        if (!bFctIsMappedPitchUnit(travelUnit)) {
            revsPerTravel = 1.0 / revsPerTravel;
            travelUnit = nFctGetPairedUnit(travelUnit);
        }
        span = Finite(span * distanceFactor / revsPerTravel);
        unitId = nFctGetLengthUnitOfPitchUnit(travelUnit);
    }
    return span;
}

int16_t nFctGetUsedSegmentCount(int16_t axisId)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0)
        return 0;
    const AxisRec& axis = gAxis[axisIndex];
    for (int16_t k = static_cast<int16_t>(axis.NumberOfMotionSegments - 1); k >= 0; --k) {
        if (!bFctProfileSegmentEmpty(axis, k))
            return static_cast<int16_t>(k + 1);
    }
    return 0;
}
