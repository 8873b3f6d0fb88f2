#pragma once
#include "model/basAxisCalculationsGearMotor.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "report/frmReportLineWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// The content of the sizing report of one axis, composed line by line
// through the line writer from the axis model: header block, date, file and
// axis lines, the selected motor, the motor check, the gear-motor block,
// the motor load data, the system data with the motor's inertia, every
// mechanism of the chain, the load, the quick setup, every used profile
// segment and the closing notice. Columns: 0 texts of their own, 4
// headings, 10 labels, 41 values, 51 unit texts. Values are shown in the
// user's selected units of the current unit system; a value that cannot be
// computed shows "-". Each section (its heading with its rows), each
// mechanism's block (and in it its heading with its first parameter rows, its
// parameters and its results), each profile segment
// (the profile's heading with the first) and each wrapped paragraph is
// marked to be kept on one page. On an axis whose chain ends in a
// centre-driven winder every speed row names the roll diameter its speed
// holds at after its label, "(core)" or "(full roll)"; a label that reaches
// the value's column has its value and unit in the next line. For a gear
// motor every speed, torque and inertia of the motor's rows, of the load
// data (under a heading of the gear's output) and of the first mechanism's
// results names its shaft after its unit, the gear's output or the motor's:
// the motor's rated speed, rated and maximum torque each have the
// requirement they are checked against at the motor's shaft below them, the
// total inertia and each profile segment's torque and speed are given at
// both shafts. Runs the calculation passes of the model
// on the way and changes nothing else in the axis.
class ReportContent {
public:
    // axisId: the axis; tag: the report window's Tag text; currentFile: the
    // path of the open application file ("" when never saved); date: the
    // date as the report shows it.
    ReportContent(int16_t axisId, std::string tag, std::string currentFile, std::string date);

    // Composes the whole report.
    void mSubWriteReport();

    const platform::ReportDocument& Document() const { return writer_.Document(); }

    // The report's width in characters: 80 up to font size 10, else 65.
    static size_t ReportWidth();
    // The text wrapped at the report's width into lines, at the last blank
    // before the width; a word longer than the width is cut.
    static std::vector<std::string> WrapToReportWidth(const std::string& text);

private:
    void mSubPrintPageHeader();
    void mSubReportSelectedMotor();
    void mSubReportMotorPerformance();
    void mSubReportGearMotor();
    // False when the motor has no rotor inertia (no system data follows).
    bool mSubReportMotorLoadData();
    void mSubReportSystemData();
    void mSubReportMechanism(int16_t index);
    void mSubReportLoadData();
    void mSubReportQuickSetup();
    void mSubReportVelocityProfile();
    // A blank line, then the text wrapped at column 0 in that colour.
    void mSubReportIndentedText(const std::string& text, int32_t colour);

    // Line forms.
    void Heading(int16_t textId, const std::string& suffix = "");
    void ValueRow(const std::string& label, const std::string& value, const std::string& unitText);
    void PlainRow(int16_t labelId, double value, const std::string& unitText);
    void PlainRow(const std::string& label, double value, const std::string& unitText);
    void TextRow(int16_t labelId, const std::string& text);
    // value (in unitId) shown in the selected unit of unitType in system;
    // shaft follows the unit text.
    void ConvertedRow(int16_t labelId, double value, int16_t unitType, int16_t unitId,
                      const std::string& system, const std::string& shaft = "");
    void ConvertedRow(const std::string& label, double value, int16_t unitType, int16_t unitId,
                      const std::string& system, const std::string& shaft = "");
    void InertiaRow(int16_t labelId, double kgm2, const std::string& shaft = "");
    void RatioRow(double ratio);

    // After the unit of a figure at the drive shaft or at the motor's side
    // of the gear: for a gear motor the shaft it stands at, the gear's
    // output or the motor's shaft; nothing otherwise.
    std::string AtGearOutput() const;
    std::string AtMotorShaft() const;

    const int16_t axis_;
    const std::string tag_;
    const std::string currentFile_;
    const std::string date_;
    std::string unitSystem_;  // "M" or "EE"
    ReportLineWriter writer_;
    // The motor and its gear, read once before the sections that use them.
    const calc::MotorAndGear motor_;
};
