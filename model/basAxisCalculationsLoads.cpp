// The load of an axis: its weight, inertia and acceleration torque from its
// shape, and whether the velocity profile applies it at all.
#include "model/basAxisCalculations.h"

#include "model/basAxisCalculationsInternal.h"
#include "model/basChangeDetection.h"

using namespace calc::detail;

namespace {

struct LoadShape {
    double weight = 0.0;
    double inertia = 0.0;  // internal scale
};

double Entry(const AxisRec& axis, int entry) { return BasicValue(axis.LoadData[entry]); }
double EntryRadius(const AxisRec& axis, int entry) { return Entry(axis, entry) / 2.0; }

// Inertia of a shape of the given weight (internal scale); entries as in
// LoadShapeOf.
double ShapeInertia(const AxisRec& axis, double weight)
{
    switch (axis.LoadIdentifier) {
    case LoadType::SolidCylinder: {
        const double r = EntryRadius(axis, 1);
        return r * weight * r / kTwoGravity;
    }
    case LoadType::HollowCylinder: {
        const double r1 = EntryRadius(axis, 1);
        const double r2 = EntryRadius(axis, 2);
        return weight / kTwoGravity * (r1 * r1 + r2 * r2);
    }
    case LoadType::SolidRectangular: {
        const double b = Entry(axis, 1);
        const double c = Entry(axis, 2);
        return weight / kGravity / 12.0 * (c * c + b * b);
    }
    default:
        return 0.0;
    }
}

// Weight and inertia of the load. Entries: solid cylinder length, diameter,
// density; hollow cylinder length, inner and outer diameter, density; solid
// block sides a, b, c (turning about an axis along a), density.
LoadShape LoadShapeOf(const AxisRec& axis)
{
    LoadShape shape;
    switch (axis.LoadIdentifier) {
    case LoadType::SolidCylinder: {
        const double r = EntryRadius(axis, 1);
        shape.weight = r * r * Entry(axis, 0) * Entry(axis, 2) * kDensityToWeight * kPi;
        break;
    }
    case LoadType::HollowCylinder: {
        const double d1 = Entry(axis, 1);
        const double d2 = Entry(axis, 2);
        const double area = kPi / 4.0 * (d2 * d2 - d1 * d1);
        shape.weight = Entry(axis, 0) * area * Entry(axis, 3) * kDensityToWeight;
        break;
    }
    case LoadType::SolidRectangular:
        shape.weight = Entry(axis, 1) * Entry(axis, 0) * Entry(axis, 2) * Entry(axis, 3) *
                       kDensityToWeight;
        break;
    default:
        break;
    }
    shape.inertia = ShapeInertia(axis, shape.weight);
    return shape;
}

// True when a segment before the first empty one applies the load weight.
bool ProfileAppliesLoad(const AxisRec& axis)
{
    for (int16_t k = 0; k < axis.NumberOfMotionSegments; ++k) {
        if (bFctProfileSegmentEmpty(axis, k))
            return false;
        if (axis.MotionSegments[k].LoadWeightApplied.Data == 1.0)
            return true;
    }
    return false;
}

} // namespace

void SubCalcLoadByShape(AxisRec& axis, int16_t chained)
{
    switch (axis.LoadIdentifier) {
    case LoadType::None:
        axis.LoadWeight.Value = 0.0;
        axis.LoadInertia.Value = 0.0;
        axis.LoadAccelTorque.Value = 0.0;
        break;
    case LoadType::WeightOnly:
        axis.LoadWeight.Value = Finite(Entry(axis, 0));
        axis.LoadInertia.Value = 0.0;
        axis.LoadAccelTorque.Value = 0.0;
        break;
    case LoadType::SolidCylinder:
    case LoadType::HollowCylinder:
    case LoadType::SolidRectangular: {
        const LoadShape shape = LoadShapeOf(axis);
        axis.LoadWeight.Value = Finite(shape.weight);
        axis.LoadInertia.Value = Finite(shape.inertia);
        axis.LoadAccelTorque.Value = Finite(shape.inertia * axis.ProfileMaxAcceleration.Value);
        break;
    }
    default:
        break;  // no calculation for this type: the cells keep their values
    }

    if (chained && !ProfileAppliesLoad(axis)) {
        axis.LoadWeight.Value = 0.0;
        axis.LoadInertia.Value = 0.0;
        axis.LoadAccelTorque.Value = 0.0;
    }
}

double dFctGetLoadShapeInertia(int16_t axisId)
{
    const int16_t axisIndex = nFctFindAxisIndex(axisId);
    if (axisIndex < 0)
        return 0.0;
    const AxisRec& axis = gAxis[axisIndex];
    return Finite(ShapeInertia(axis, axis.LoadWeight.Value) / kInternalScale);
}
