#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The parameter control table: which parameters every mechanism, load,
// motor, profile segment (key 30) and quick setup (key 40) carries, in which
// order, with name, status and help id, and in which unit each is shown in
// each unit system with the factor from that unit to the basic unit of its
// quantity. Built from the table ParameterSetup of the open reference
// database (basDatabaseAccess.h) and the unit selection (basUnitSystem.h).

// One parameter of one owner.
struct ParamControlRow {
    int16_t MechID = 0;    // the owner's ParamControlKey
    int16_t UnitID = 0;    // the parameter's UnitType (not a unit ID)
    int16_t Status = 0;    // ParamStatus; 0 marks a required value
    int16_t TextID = 0;    // string id of the parameter's name
    int16_t HelpID = 0;    // help id, carried into every parameter
    int16_t EEUnitID = 0;  // display unit in English engineering
    int16_t MUnitID = 0;   // display unit in metric
    double EEFactor = 0.0; // factor from EEUnitID to the basic unit
    double MFactor = 0.0;  // factor from MUnitID to the basic unit
    std::string EEUnitText;
    std::string MUnitText;
};

// The rows in ParameterSetup's Index order (0 .. gnParamControlCount - 1);
// the rows of one MechID in that order are the owner's entries 0, 1, ...
extern std::vector<ParamControlRow> gParamControl;
extern int16_t gnParamControlCount;

// Builds gParamControl from ParameterSetup ("ORDER BY Index") and the unit
// selection; a selection of -1, or one past the units of its type and
// system, is replaced by the position of its Default unit. A row whose unit
// type has no handling (15, 16, 18, below 1, above 22) gets units 0, empty
// texts and factors 1.0. Returns True (-1); an empty ParameterSetup is no
// error.
//
// On a read error it shows message 1003 and returns False, and the table
// built before stays in place (empty at start-up). The start-up caller then
// ends the program; the units dialog keeps running with the previous table.
int16_t bFctCreateParameterControlTable();
