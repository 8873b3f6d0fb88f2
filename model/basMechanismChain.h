#pragma once
#include <cstdint>
#include "model/basAxisData.h"

// Editing the mechanism chain of an axis and the shared mechanism buffer
// gMechBuffer (declared in basAxisData.h). The chain rules (at most seven
// mechanisms; transmissions before the single end device) are not checked
// here: the axis design window checks them before it calls. An absent axis ID
// changes nothing; so does an index outside the chain. A paste is an append,
// insert or replace of the buffered type followed by nFctSetMechanism with
// the buffered record.

// Adds a mechanism of the type, initialised from the parameter control
// table, at the end of the chain.
void SubAppendMechanism(int16_t axisId, int16_t mechanismType);
// Inserts an initialised mechanism of the type at position; the mechanisms
// from position on move one place towards the load. A position of -1 or past
// the last mechanism appends.
void SubInsertMechanism(int16_t axisId, int16_t mechanismType, int16_t position);
// Cut: puts the mechanism at index into the buffer and removes it from the
// chain (the following ones move one place towards the motor).
void SubDeleteMechanism(int16_t axisId, int16_t index);
// Re-initialises the mechanism at index as an empty mechanism of the type.
// Returns True when a mechanism was replaced.
int16_t nFctSetMechanismType(int16_t axisId, int16_t mechanismType, int16_t index);
// Stores a copy of rec (SubCopyMechRecord) over the mechanism at index.
// Returns True when stored.
int16_t nFctSetMechanism(int16_t axisId, int16_t index, const MechRec& rec);
// Copies the mechanism at index into the buffer; the chain does not change.
void SubCopyMechanismToBuffer(int16_t axisId, int16_t index);

// The cleared buffer: Identifier -1, texts empty, DataNumber 0, every entry
// Data 0, UnitType -1, UnitID -1, Factor 0, Status 1, TextID 0, UnitText
// empty, HelpID 0. TextID and MechResult of the buffer are not changed.
void SubClearMechanismBuffer();
void SubStoreMechanismBuffer(const MechRec& rec);  // buffer = copy of rec
void SubReadMechanismBuffer(MechRec& rec);         // rec = copy of buffer
void SubGetMechanismBuffer(MechRec& rec);          // the same, the design window's name
int16_t nFctGetMechBufferType();                   // buffer's Identifier (-1 empty)
