#pragma once
#include <cstdint>
#include <string>
#include "model/basAxisData.h"

// Reading and writing one field or one entry of an axis of gAxis. Windows
// call these at the moment of an event and keep nothing in between.
//
// Common rule: an absent axis ID gives the stated empty result and changes
// nothing; an index outside its range (checked against the record's own
// count) is ignored the same way. Values, modes and texts are stored without
// range or sign tests. "True"/"False" are -1/0.
//
// Quick-setup selectors (the row of the quick-setup table the user sees):
// Trapezoidal mode: selector r = slot r for r 0..5; Triangular mode:
// selectors 0, 1, 2, 3 = slots 0, 1, 2, 5. Any other selector or mode
// addresses nothing.
// Segment parameter indexes: see SegmentParam in basAxisData.h.

// ---- Readers ---------------------------------------------------------------
std::string sFctGetAxisTitle(int16_t axisId);                // absent: ""
int16_t nFctGetMechanismCount(int16_t axisId);               // absent: 0
// Identifier of mechanism index (0..count-1); otherwise -1.
int16_t nFctGetMechanismType(int16_t axisId, int16_t index);
// Identifier of the mechanism next to the load; empty chain or absent: -1.
int16_t nFctGetLastMechanismType(int16_t axisId);
// Copies mechanism index into rec and returns its DataNumber; otherwise 0
// and rec unchanged.
int16_t nFctGetMechanism(int16_t axisId, int16_t index, MechRec& rec);
int16_t nFctGetLoadType(int16_t axisId);                     // absent: -1
int16_t nFctGetLoadParameterCount(int16_t axisId);           // absent: 0
// True and a copy of LoadData entry index (0..LoadDataNumber-1); otherwise
// False and param unchanged.
int16_t nFctGetLoadParameter(int16_t axisId, int16_t index, ParamRec& param);
int16_t nFctGetSegmentCount(int16_t axisId);                 // absent: 0
// param first becomes segment 0's member of that parameter index with Data 0
// (1.0 for LoadWeightApplied; a zero member when there is no segment), then,
// for a segment index 0..count-1, a copy of the member of that segment. A
// parameter index outside 0..5 or an absent axis leaves param unchanged.
void SubGetProfileSegmentParameter(int16_t axisId, int16_t segmentIndex, int16_t paramIndex,
                                   ParamRec& param);
// Copy of the slot the selector addresses; otherwise param unchanged.
// Returns True when a slot was copied.
int16_t nFctGetQuickSetupParameter(int16_t axisId, int16_t selector, ParamRec& param);

// True when the baseline record of the axis in gAxisSaved (same index as in
// gAxis) holds a motor with at least one entry; False when there is none.
int16_t bFctBaselineHasMotor(int16_t axisId);

// ---- Writers ---------------------------------------------------------------
// The nFct writers return True when they stored something (nFctSetLoadType:
// when the axis exists). A value (or a copied entry's value or factor) that
// is not a finite number is never stored: the entry keeps its old value.

// The title untrimmed, as one line (sFctFreeTextLine: a tab, line end or
// control character in it becomes a blank).
void SubSetAxisTitle(int16_t axisId, const std::string& title);
void SubSetMotionMode(int16_t axisId, int16_t mode);
void SubSetQuickSetupMode(int16_t axisId, int16_t mode);
// LoadDefined, LoadIdentifier; type -1: LoadDataNumber 0; otherwise the load
// block filled from the control rows of the type.
int16_t nFctSetLoadType(int16_t axisId, int16_t loadType);
int16_t nFctSetLoadParameter(int16_t axisId, int16_t index, const ParamRec& param);
int16_t nFctSetLoadParameterValue(int16_t axisId, int16_t index, double value);
// Mechanism 0..count-1, parameter index 0..12 whatever DataNumber is.
void SubSetMechanismParameterValue(int16_t axisId, int16_t mechIndex, int16_t paramIndex,
                                   double value);
void SubSetMechanismManufacturer(int16_t axisId, int16_t mechIndex, const std::string& text);
void SubSetMechanismProductKey(int16_t axisId, int16_t mechIndex, const std::string& text);
void SubSetMotorManufacturer(int16_t axisId, const std::string& text);  // trimmed
void SubSetMotorProductKey(int16_t axisId, const std::string& text);    // trimmed
int16_t nFctSetMotorParameter(int16_t axisId, int16_t index, const ParamRec& param);
void SubSetMotorParameterValue(int16_t axisId, int16_t index, double value);
// Stores the motor: MotorIdentifier, MotorDefined (type not -1), texts,
// MotorDataNumber and entries 0..count-1 (entries beyond keep their old
// contents). With alsoBaseline True the whole motor block is also copied
// into the record at the same index of gAxisSaved (when there is one), so
// the change does not count as a modification.
int16_t nFctSetAxisMotor(int16_t axisId, const MotorRec& motor, int16_t alsoBaseline);
// Stores the empty motor (type -1) without touching the baseline.
void SubClearAxisMotor(int16_t axisId);
// The whole entry (value, unit type, unit, factor, unit text) of the slot the
// selector addresses; nothing for a selector that addresses none.
void SubSetQuickSetupParameter(int16_t axisId, int16_t selector, const ParamRec& param);
int16_t nFctSetQuickSetupParameterValue(int16_t axisId, int16_t selector, double value);
// Segment 0..count-1, parameter index 0..5.
int16_t nFctSetProfileSegmentValue(int16_t axisId, int16_t segmentIndex, int16_t paramIndex,
                                   double value);
