#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The axis model: the record types of every axis, the array of axes of the
// open application (gAxis), its baseline copy (gAxisSaved) and the shared
// mechanism buffer (gMechBuffer), with the operations that find, create,
// initialise, copy, free and reset records.
//
// Widths: every integer field is 16-bit; flags are 16-bit with True = -1 and
// False = 0. Records are plain values: assignment copies them, growable
// arrays included. A zero record (all members value-initialised) is the
// spare element of a growable array.
//
// Every operation that takes an axis ID looks it up with nFctFindAxisIndex;
// an ID that is not there gives the operation's empty result and changes
// nothing. Out-of-range indexes are ignored the same way; nothing here
// throws or shows a message.

namespace model {
inline constexpr int16_t kTrue = -1;
inline constexpr int16_t kFalse = 0;
inline constexpr int16_t AsFlag(bool value) { return value ? kTrue : kFalse; }

// Capacities of the fixed blocks of a record.
inline constexpr int kMechanismParamCapacity = 13;
inline constexpr int kMotorParamCapacity = 10;
inline constexpr int kLoadParamCapacity = 5;
inline constexpr int kQuickSetupSlotCount = 7;   // slots 0..5 used, 6 spare
inline constexpr int kQuickSetupUsedSlots = 6;
inline constexpr int kSegmentParamCount = 6;
inline constexpr int kMechResultCount = 6;
inline constexpr int kAxisResultCount = 7;
inline constexpr int kLoadResultCount = 6;
inline constexpr int16_t kInitialSegmentCount = 10;  // nFctInitProfileSegments
} // namespace model

// Mechanism types (MechRec.Identifier). Transmissions (0, 2, 3, 4) come
// before the single end device; 1, 5, 6, 9, 61, 62 have a linear output.
// Codes 50-56 and 64 are alternates that only application files carry;
// Buffer is a palette value and never stored in a record.
namespace MechanismType {
inline constexpr int16_t None = -1;
inline constexpr int16_t BeltPulley = 0;
inline constexpr int16_t Conveyor = 1;
inline constexpr int16_t Coupling = 2;
inline constexpr int16_t Disk = 3;
inline constexpr int16_t Gearbox = 4;
inline constexpr int16_t Leadscrew = 5;
inline constexpr int16_t RackPinion = 6;
inline constexpr int16_t RotaryTable = 7;
inline constexpr int16_t NipRoll = 9;
inline constexpr int16_t WinderCenter = 61;
inline constexpr int16_t WinderSurface = 62;
inline constexpr int16_t Buffer = 111;
} // namespace MechanismType

// Load types (AxisRec.LoadIdentifier). HollowRectangular is never offered.
namespace LoadType {
inline constexpr int16_t None = -1;
inline constexpr int16_t WeightOnly = 20;
inline constexpr int16_t SolidCylinder = 21;
inline constexpr int16_t HollowCylinder = 22;
inline constexpr int16_t SolidRectangular = 23;
inline constexpr int16_t HollowRectangular = 24;
} // namespace LoadType

// Motor types (AxisRec.MotorIdentifier, MotorRec.Identifier).
namespace MotorType {
inline constexpr int16_t None = -1;
inline constexpr int16_t Motor = 10;
inline constexpr int16_t AcServo = 11;
inline constexpr int16_t AsynchronousDcServo = 12;
inline constexpr int16_t SynchronousDcServo = 13;
inline constexpr int16_t Pancake = 14;
inline constexpr int16_t Stepper = 15;
} // namespace MotorType

// Keys of the parameter control table besides the type codes above.
namespace ParamControlKey {
inline constexpr int16_t ProfileSegment = 30;
inline constexpr int16_t QuickSetup = 40;
} // namespace ParamControlKey

namespace MotionMode {
inline constexpr int16_t Rotary = 0;
inline constexpr int16_t Linear = 1;
} // namespace MotionMode

namespace QuickSetupMode {
inline constexpr int16_t Triangular = 0;
inline constexpr int16_t Trapezoidal = 1;
} // namespace QuickSetupMode

// Slots of AxisRec.QuickSetupData.
namespace QuickSetupSlot {
inline constexpr int16_t Velocity = 0;   // a rotary velocity
inline constexpr int16_t TotalTime = 1;
inline constexpr int16_t Distance = 2;   // a rotary length
inline constexpr int16_t AccelTime = 3;
inline constexpr int16_t DecelTime = 4;
inline constexpr int16_t DwellTime = 5;
inline constexpr int16_t Spare = 6;      // copied, never compared/shown/saved
} // namespace QuickSetupSlot

// Parameter index of a segment member, the number every operation addresses
// a member by. It differs from the storage order in 2 and 3.
namespace SegmentParam {
inline constexpr int16_t InitialVelocity = 0;
inline constexpr int16_t FinalVelocity = 1;
inline constexpr int16_t Duration = 2;
inline constexpr int16_t Acceleration = 3;
inline constexpr int16_t Distance = 4;
inline constexpr int16_t LoadWeightApplied = 5;  // Data 1.0 applied, 0 not
} // namespace SegmentParam

// The value-with-unit cell of every parameter.
struct ParamRec {
    double Data = 0.0;      // the value in its display unit
    int16_t UnitType = 0;   // UnitType of the value
    int16_t UnitID = 0;     // the display unit (a unit-list ID)
    double Factor = 0.0;    // display unit -> basic unit of the type
    int16_t Status = 0;     // 0..3; 0 marks a required value
    int16_t TextID = 0;     // string id of the parameter's name
    std::string UnitText;   // text of the display unit
    int16_t HelpID = 0;     // kept, copied and saved only
};

// A computed value with the unit it is in. Never saved, copied or compared.
struct ResultCell {
    double Value = 0.0;
    int16_t UnitID = 0;
};

// One calculation warning of an axis.
struct CalcMessageRec {
    int16_t MechIndex = 0;   // chain position, 0 next to the motor
    int16_t MechTextID = 0;  // the mechanism's TextID
    int16_t TextID = 0;      // string id of the warning
};

// One mechanism of a chain.
struct MechRec {
    int16_t Identifier = 0;  // MechanismType; -1 = none
    int16_t TextID = 0;      // string id of the mechanism's name
    std::string Manufacturer;
    std::string ProductKey;
    int16_t DataNumber = 0;  // entries of MechanismData in use, 0..13
    std::array<ParamRec, model::kMechanismParamCapacity> MechanismData{};
    // 0 maximum input velocity, 1 total inertia, 2 constant torque,
    // 3 peak torque, 4 mechanism inertia, 5 never written.
    std::array<ResultCell, model::kMechResultCount> MechResult{};
};

// The motor block of an axis as one transfer record.
struct MotorRec {
    int16_t Identifier = 0;  // MotorType
    int16_t TextID = 0;      // string id of the motor type's name
    std::string Manufacturer;
    std::string ProductKey;
    int16_t DataNumber = 0;  // 0..10
    std::array<ParamRec, model::kMotorParamCapacity> MotorData{};
};

// One velocity-profile segment, members in storage order.
struct SegmentRec {
    ParamRec InitialVelocity;
    ParamRec FinalVelocity;
    ParamRec Acceleration;
    ParamRec Duration;
    ParamRec Distance;
    ParamRec LoadWeightApplied;
};

// One axis. The growable arrays keep one spare element more than their count
// (Mechanisms 0..NumberOfMechanisms, MotionSegments 0..at least
// NumberOfMotionSegments); no operation reads the spare.
struct AxisRec {
    int16_t Number = 0;      // axis ID; -1 marks a free record
    std::string Description; // title
    int16_t ParentAxis = 0;
    int16_t ChildAxis = 0;

    int16_t MotorDefined = 0;
    int16_t MotorIdentifier = 0;
    std::string MotorManufacturer;
    std::string MotorProductKey;
    int16_t MotorDataNumber = 0;
    std::array<ParamRec, model::kMotorParamCapacity> MotorData{};
    // 0 maximum velocity at the motor, 1 reflected load inertia, 2 constant
    // torque, 3 RMS torque, 4 peak torque, 5 motor speed at the peak torque,
    // 6 never written.
    std::array<ResultCell, model::kAxisResultCount> AxisResult{};

    int16_t NumberOfMechanisms = 0;
    std::vector<MechRec> Mechanisms;  // index 0 next to the motor

    int16_t LoadDefined = 0;
    int16_t LoadIdentifier = 0;
    int16_t LoadDataNumber = 0;
    std::array<ParamRec, model::kLoadParamCapacity> LoadData{};
    std::array<ResultCell, model::kLoadResultCount> LoadResult{};

    int16_t MotionMode = 0;  // 0 rotary, 1 linear
    int16_t NumberOfMotionSegments = 0;
    std::vector<SegmentRec> MotionSegments;

    int16_t QuickSetupDefined = 0;
    int16_t QuickSetupMode = 0;  // 0 Triangular, 1 Trapezoidal
    std::array<ParamRec, model::kQuickSetupSlotCount> QuickSetupData{};

    ResultCell ProfileMaxVelocity;
    ResultCell ProfileMaxAcceleration;
    ResultCell LoadWeight;
    ResultCell LoadInertia;
    ResultCell LoadAccelTorque;
    ResultCell SystemRmsTorque;
    ResultCell SystemPeakTorque;
    ResultCell SystemMaxVelocity;

    int16_t NumberOfMessages = 0;
    std::vector<CalcMessageRec> CalcMessages;  // message n in element n-1
};

// The axes of the open application: N records at 0..N-1 and one spare record
// at N. An empty vector is the array that does not exist yet (N = 0). A
// record with Number -1 is free and stays in place until SubResetAllAxes.
extern std::vector<AxisRec> gAxis;
// The baseline copy of gAxis for change detection (same form).
extern std::vector<AxisRec> gAxisSaved;
// The cut/copy/paste buffer of every axis design window; Identifier -1 = empty.
extern MechRec gMechBuffer;

namespace model {
// The record of gAxis with that axis ID (nFctFindAxisIndex), nullptr when
// absent.
AxisRec* FindAxis(int16_t axisId);
// Mechanism index (0..NumberOfMechanisms-1) of a chain, segment index
// (0..NumberOfMotionSegments-1) of a profile; nullptr outside.
MechRec* ChainMechanism(AxisRec& axis, int16_t index);
const MechRec* ChainMechanism(const AxisRec& axis, int16_t index);
SegmentRec* ProfileSegment(AxisRec& axis, int16_t index);
const SegmentRec* ProfileSegment(const AxisRec& axis, int16_t index);

// The member of a segment with the given parameter index (0..5), nullptr for
// any other index.
ParamRec* SegmentParameter(SegmentRec& segment, int16_t paramIndex);
const ParamRec* SegmentParameter(const SegmentRec& segment, int16_t paramIndex);

// Fills a block from the rows of the parameter control table whose key is
// key, in table order: entry k gets Data 0, UnitType from the row's unit
// type, Status, TextID, HelpID, and the unit, factor and text of the current
// unit system (metric when gnUnitSystem is not 0). Entries beyond the count
// keep what they held. Rows past the block's capacity are not taken. Returns
// the count (the new DataNumber).
int16_t FillBlockFromControlTable(int16_t key, std::span<ParamRec> block);
} // namespace model

// Index in gAxis of the first record 0..N-1 whose Number is the ID; -1 for
// the ID -1, no match or no array.
int16_t nFctFindAxisIndex(int16_t axisId);
// N, the upper bound of gAxis (0 when it does not exist).
int16_t nFctGetAxisUBound();
// Records 0..N-1 whose Number is not -1.
int16_t nFctGetUsedAxisCount();
// Fills ids with the Number of every record in use, in array order (ids has
// count + 1 elements, the last one 0) and returns the count.
int16_t nFctGetAxisIdList(std::vector<int16_t>& ids);

// Appends an initialised record with that Number (no duplicate check; free
// records are never reused).
void SubAddAxis(int16_t axisId);
// Sets the values of a new record: Number, ParentAxis, ChildAxis,
// MotorIdentifier, LoadIdentifier -1; texts empty; flags, counts and modes 0;
// Mechanisms and MotionSegments one zero spare element. Parameter entries,
// result cells and messages are left as they are.
void SubInitAxisRecord(AxisRec& rec);
// Frees the record of the axis (Number -1).
void SubInvalidateAxis(int16_t axisId);
// gAxis and gAxisSaved each become a single zero spare record (N = 0).
void SubResetAllAxes();
// gAxisSaved becomes a copy of gAxis.
void SubSaveAxesSnapshot();
// dest becomes a copy of gAxis (the application-file writer's snapshot).
void SubCopyAllAxes(std::vector<AxisRec>& dest);
// Copies rec into gAxis at index (SubCopyAxisRecord, Number included: every
// motor, load and quick-setup entry); an index outside 0..N-1 is ignored.
void SubPutAxisRecord(const AxisRec& rec, int16_t index);

// dest = bounds 0..N, records 0..N-1 copied by SubCopyAxisRecord, N zero.
void SubCopyAxisArray(std::vector<AxisRec>& dest);
// Copies every field but the result cells and the calculation messages;
// every entry of the fixed parameter arrays, whatever the counts.
void SubCopyAxisRecord(const AxisRec& src, AxisRec& dst);
void SubCopyAxisMotorBlock(const AxisRec& src, AxisRec& dst);
void SubCopyMechanismList(const AxisRec& src, AxisRec& dst);
void SubCopyMechRecord(const MechRec& src, MechRec& dst);  // not MechResult
void SubCopyLoadBlock(const AxisRec& src, AxisRec& dst);
void SubCopyProfileSegments(const AxisRec& src, AxisRec& dst);  // MotionMode too
void SubCopyProfileSegment(const SegmentRec& src, SegmentRec& dst);
void SubCopyQuickSetup(const AxisRec& src, AxisRec& dst);  // all seven slots
void SubCopyParamRec(const ParamRec& src, ParamRec& dst);

// An empty mechanism of the type, its entries from the parameter control
// table; TextID the type's name id. MechResult is not changed.
void SubInitMechRecord(MechRec& rec, int16_t mechanismType);
// An empty motor of the type, its entries from the parameter control table.
void SubInitMotorRecord(MotorRec& rec, int16_t motorType);
// String id of a mechanism type's name (alternates map to their base type);
// 0 for codes without one.
int16_t nFctGetMechanismTypeTextId(int16_t mechanismType);
// String id of a motor type's name: -1 -> 254, 10..15 -> 255..260; -1 for
// any other code.
int16_t nFctGetMotorTypeTextId(int16_t motorType);

// Marks the quick setup defined and builds its slots from the control rows
// of key 40 in the selected rotary and time units; a resetMode not 0 also
// sets the Triangular mode.
void nFctInitQuickSetup(int16_t axisId, int16_t resetMode);
// MotionMode 0 and ten empty segments (LoadWeightApplied 1.0) built from the
// control rows of key 30 in the selected rotary and time units.
void nFctInitProfileSegments(int16_t axisId);
