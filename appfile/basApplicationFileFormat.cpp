#include "appfile/basApplicationFileFormat.h"

#include "model/basAxisData.h"

namespace appfile {

std::array<const ParamRec*, 6> SegmentMembersInStoredOrder(const SegmentRec& s)
{
    return {&s.InitialVelocity, &s.FinalVelocity, &s.Acceleration, &s.Duration, &s.Distance,
            &s.LoadWeightApplied};
}

std::array<ParamRec*, 6> SegmentMembersInStoredOrder(SegmentRec& s)
{
    return {&s.InitialVelocity, &s.FinalVelocity, &s.Acceleration, &s.Duration, &s.Distance,
            &s.LoadWeightApplied};
}

} // namespace appfile
