#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The reference database Orvamis.Mdb and the tables loaded from it at start-up:
// the unit list, the conversion factors and the functionality switches. The
// parameter set-up is read through the same open database by
// basParameterControl.
//
// Start-up runs the loaders in this order: bFctOpenReferenceDatabase,
// bFctReadUnitList, bFctReadConversionFactors,
// bFctCreateParameterControlTable, bFctReadFunctionalitySettings. Each returns
// True (-1) or False (0). A loader that fails has already shown its critical
// message (numbers 1001, 1002, 1004, 1012; 1003 for the parameter control
// table); it never ends the program itself: the caller (the shell) ends the
// program when a loader returns False, and runs no later loader.
//
// Nothing is ever written to the database, so it is opened read-only. There
// is no workgroup file and no secured workspace: the SQLite file is opened
// directly.

namespace platform { class Database; }

// One active unit of the table UnitList.
struct UnitListRow {
    int16_t ID = 0;         // the unit's identifier
    int16_t Type = 0;       // its UnitType (see basUnitSystem.h)
    std::string Class;      // its UnitSystem: "EE", "M" or "NA"
    std::string Text;       // the text shown after a value, normalised
    int16_t Default = 0;    // True (-1): preselected for its type and system
    int16_t BasicUnit = 0;  // True (-1): calculations take values in it
};

// One row of the table ConversionFactors. A value in unit From times Factor
// is the value in unit To; -1 marks two reciprocal units (a value in one is 1
// divided by the value in the other); 0 means no usable factor.
struct ConversionFactorRow {
    int16_t From = 0;
    int16_t To = 0;
    double Factor = 0.0;
};

// The active units, in table order (positions 0 .. gnUnitListCount - 1).
extern std::vector<UnitListRow> gUnitList;
extern int16_t gnUnitListCount;

// The conversion rows, in table order (0 .. gnConversionFactorCount - 1).
extern std::vector<ConversionFactorRow> gConversionFactors;
extern int16_t gnConversionFactorCount;

// Functionality switches (True = -1), from the first row of
// FunctionalitySettings: recent files in the File menu, and the options
// dialog's tabs "Safety Factors", "Report" and "Graphs".
extern int16_t gbDynamicMenu;
extern int16_t gbSafetyFactorsTab;
extern int16_t gbReportOptionsTab;
extern int16_t gbGraphOptionsTab;

// The open reference database, from bFctOpenReferenceDatabase to
// SubCloseReferenceDatabase; empty otherwise.
extern std::unique_ptr<platform::Database> gdbReference;

// Opens gsReferenceDbPath into gdbReference. Message 1001 on failure.
int16_t bFctOpenReferenceDatabase();

// Fills gUnitList and gnUnitListCount from the active rows of UnitList.
// Message 1002 on a read error, and also when no row is active.
int16_t bFctReadUnitList();

// Fills gConversionFactors and gnConversionFactorCount. Message 1004 on a
// read error, and also when the table is empty.
int16_t bFctReadConversionFactors();

// Sets the four switches from the first row of FunctionalitySettings.
// Message 1012 on a read error (an empty table included).
int16_t bFctReadFunctionalitySettings();

// Closes gdbReference and releases it; never fails, also when the database
// was never opened or is already closed.
void SubCloseReferenceDatabase();

// A unit text as the unit list stores it: trimmed of blanks and, in English
// (gnLanguageOffset 0), "n/..." -> "rev/...", ".../n" -> ".../rev",
// "n" -> "rev", then "rev/min" -> "rpm". In German only trimmed.
std::string sFctLocalizeUnitText(const std::string& text);
