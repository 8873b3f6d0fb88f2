#pragma once
// What the writer and the reader of application files share: the table
// names, the project marker and the limits a file must keep.
#include <array>

struct ParamRec;
struct SegmentRec;

namespace appfile {

inline constexpr const char* kTableProjectInfo = "ProjectInfo";
inline constexpr const char* kTableAxisData = "AxisData";
inline constexpr const char* kTableMechData = "MechData";
inline constexpr const char* kTableDataType = "DataType";
inline constexpr const char* kTableWindowStatus = "WindowStatus";

// A file is ours when the CompanyMarker of its first ProjectInfo row begins
// with these two letters (case matters).
inline constexpr const char* kCompanyMarkerPrefix = "QZ";

// An application holds at most three axes, an axis at most seven mechanisms
// and ten profile segments. The writer refuses to write more, the reader to
// read more.
inline constexpr int kMaxAxes = 3;
inline constexpr int kMaxMechanisms = 7;
inline constexpr int kMaxMotionSegments = 10;
// Each axis has three windows, each with at most one window-status row.
inline constexpr int kMaxWindowStatusRows = kMaxAxes * 3;

// The six members of a segment in the order the record holds them, which is
// the order of their rows: initial velocity, final velocity, acceleration,
// duration, distance, load weight applied.
std::array<const ParamRec*, 6> SegmentMembersInStoredOrder(const SegmentRec& segment);
std::array<ParamRec*, 6> SegmentMembersInStoredOrder(SegmentRec& segment);

} // namespace appfile
