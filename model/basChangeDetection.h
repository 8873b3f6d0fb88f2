#pragma once
#include <cstdint>
#include "model/basAxisData.h"

// Whether the open application has changed: gAxis compared with its baseline
// gAxisSaved record by record and field by field, values within a relative
// tolerance of 1e-05 of the baseline; and three predicates on a record that
// the calculations use. In every comparison a is the record of gAxis and b
// the one of gAxisSaved. Results are True (-1) / False (0). Result cells
// and calculation messages are never compared; entries beyond a count are
// not compared; free records (Number -1) take part like the others.

// 0 no change, 1 the axes differ from the baseline, 2 the axes are equal but
// the window-status list changed. Always 0 when gAxis holds no record.
int16_t nFctGetModifiedState();

int16_t bFctAxisEqual(const AxisRec& a, const AxisRec& b);
int16_t bFctMotorBlockEqual(const AxisRec& a, const AxisRec& b);
int16_t bFctMechanismListEqual(const AxisRec& a, const AxisRec& b);
int16_t bFctLoadBlockEqual(const AxisRec& a, const AxisRec& b);
int16_t bFctProfileSegmentsEqual(const AxisRec& a, const AxisRec& b);  // MotionMode too
int16_t bFctQuickSetupEqual(const AxisRec& a, const AxisRec& b);       // slots 0..5
int16_t bFctMechanismEqual(const MechRec& a, const MechRec& b);
int16_t bFctProfileSegmentEqual(const SegmentRec& a, const SegmentRec& b);
// Data within the tolerance (relative to b; 0 equals only 0), then UnitType,
// UnitID, Status, TextID equal and Factor exactly equal. UnitText and HelpID
// are not compared.
int16_t bFctParamRecEqual(const ParamRec& a, const ParamRec& b);

// True when a mechanism of the chain is a gearbox.
int16_t bFctRecHasGearbox(const AxisRec& rec);
// True when the profile has no segment or every segment is empty.
int16_t bFctRecProfileEmpty(const AxisRec& rec);
// True when InitialVelocity, FinalVelocity, Acceleration, Duration and
// Distance of that segment are all exactly 0 (LoadWeightApplied is not
// looked at); also True for a segment index outside 0..count-1.
int16_t bFctProfileSegmentEmpty(const AxisRec& rec, int16_t segmentIndex);
