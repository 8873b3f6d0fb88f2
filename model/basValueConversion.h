#pragma once
#include <cstdint>
#include "model/basAxisData.h"

// Moving a parameter to another unit without losing its value, between a
// linear and a rotary quantity through the travel of the chain's end device,
// and the travel value itself. No operation shows a message.

// Converts the value of param from its UnitID into unitId: by the conversion
// factor, as the reciprocal for a reciprocal pair (factor -1; 0 stays 0), by
// the pitch/lead rule when the factor is 0; then snaps it with
// dFctRoundValue. Factor, UnitID and UnitText take the new unit; a UnitType
// of -1 becomes the unit's own type; Status, TextID and HelpID stay.
void SubConvertValueToUnit(ParamRec& param, int16_t unitId);

// A value given in fromUnit, expressed in the unit of entry as
// SubConvertValueToUnit converts it; entry is not changed.
double dFctValueInUnitOf(const ParamRec& entry, double value, int16_t fromUnit);

// Snaps a value above 1 - 2.5e-05 that lies within 2.5e-05 of a whole number
// onto it, but only while the decimal separator gsDecimalSeparator is ".";
// otherwise returns the value unchanged.
double dFctRoundValue(double value);

// Converts param into targetUnit through the travel value (revolutions per
// unit of travel in travelUnit, a pitch/lead unit): to rotary the value in
// basic units is multiplied by the travel, to linear divided by it; a travel
// of 0 or less gives 0. Linear unit types 3, 6, 9 become rotary 2, 5, 8 and
// back; any other type keeps its type and unit (only the value is scaled).
void SubConvertParamToRotary(ParamRec& param, int16_t targetUnit, double travel,
                             int16_t travelUnit);
void SubConvertParamToLinear(ParamRec& param, int16_t targetUnit, double travel,
                             int16_t travelUnit);

// True for the types with a linear output: 1, 5, 6, 9, 61, 62.
int16_t bFctIsLinearMechanismType(int16_t mechanismType);

// The travel value of a linear-output mechanism, in revolutions per unit of
// travel: 1 / (pi x diameter) for the conveyor (entry 0), nip roll and
// centre-driven winder (entry 0) and surface-driven winder (entry 5); the
// pitch/lead of the leadscrew (entry 3) or rack-pinion (entry 5), as its
// reciprocal in the paired unit when it is given as length per revolution.
// 0 when the diameter or pitch/lead is not greater than 0. With convert True
// the value is expressed in the basic pitch/lead unit. Returns True for a
// linear-output type; for any other type False with travel and travelUnit -1.
int16_t nFctGetRevsPerTravel(const MechRec& mech, double& travel, int16_t& travelUnit,
                             int16_t convert);

// The same for the last mechanism of an axis's chain. travel starts at -1.0;
// an absent axis or an empty chain returns False with travel -1.0 and
// travelUnit untouched. Returns True when travel is greater than 0.
int16_t nFctGetAxisRevsPerTravel(int16_t axisId, double& travel, int16_t& travelUnit,
                                 int16_t convert);
