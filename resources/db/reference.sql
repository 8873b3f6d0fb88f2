-- The reference database Orvamis.Mdb: the unit list, the conversion factors
-- between units, the parameter set-up of every mechanism, load, motor,
-- profile segment and quick setup, and the functionality switches.
--
-- The program reads every table in stored order (the order of the INSERTs
-- below) and ParameterSetup ordered by its column Index. Integer columns hold
-- 16-bit values; Yes/No columns hold -1 (True) or 0 (False). No column may be
-- Null in a row that the program reads.
--
-- Basic units, in which every calculation takes its values:
--   length mm, rotary length rev, velocity rev/s (linear mm/s),
--   acceleration rev/s² (linear mm/s²), pitch/lead rev/mm, weight and force N,
--   torque N·m, inertia kg·m², density g/cm³ (times 9.81e-6 gives N/mm³),
--   torque constant N·m/A, current A, power kW, time s.
--
-- Definitions the factors below are built from (all exact):
--   1 in  = 25.4 mm                      1 ft  = 12 in = 304.8 mm
--   1 lb (mass) = 0.45359237 kg          standard gravity 9.80665 m/s²
--   1 lbf = 0.45359237 × 9.80665 N = 4.4482216152605 N
--   1 kgf = 9.80665 N                    1 ozf = 1/16 lbf
--   1 rev = 360 deg = 2π rad             1 min = 60 s
--   1 hp  = 550 ft·lbf/s = 550 × 0.3048 × 4.4482216152605 W = 745.69987158227022 W

-- ---------------------------------------------------------------------------
-- Tables
-- ---------------------------------------------------------------------------

CREATE TABLE UnitList (
    Active    INTEGER,  -- Yes/No: inactive rows are skipped when the list is read
    ID        INTEGER,  -- the unit's identifier
    Type      INTEGER,  -- the quantity (unit type)
    Class     TEXT,     -- "EE" English engineering, "M" metric, "NA" both
    Text      TEXT,     -- shown after every value in this unit
    "Default" INTEGER,  -- Yes/No: preselected for its type and system
    BasicUnit INTEGER   -- Yes/No: the unit of its type that calculations use
);

CREATE TABLE ConversionFactors (
    "From"  INTEGER,    -- unit ID
    "To"    INTEGER,    -- unit ID
    Factor  REAL,       -- 1 From = Factor / Divisor To (Divisor 0: Factor alone);
    Divisor REAL        -- Factor -1: reciprocal units; Factor 0 and Divisor 0: no factor
);

CREATE TABLE ParameterSetup (
    "Index" INTEGER,    -- reading order
    MechID  INTEGER,    -- owner: mechanism, load or motor type; 30 segment; 40 quick setup
    UnitID  INTEGER,    -- the parameter's unit type (not a unit ID)
    Status  INTEGER,    -- 0 required, 1 optional, 2 alternative, 3 limit for a warning
    TextID  INTEGER,    -- string id of the parameter's name
    HelpID  INTEGER     -- help id of the parameter
);

CREATE TABLE FunctionalitySettings (
    DynamicMenu   INTEGER,  -- Yes/No: recent files in the File menu
    SafetyFactors INTEGER,  -- Yes/No: options tab "Safety Factors"
    ReportOptions INTEGER,  -- Yes/No: options tab "Report"
    GraphOptions  INTEGER   -- Yes/No: options tab "Graphs"
);

-- ---------------------------------------------------------------------------
-- UnitList
-- ---------------------------------------------------------------------------
-- A unit's position among the units of its type and system (the number the
-- unit settings store) follows the order below. Texts are written with "n"
-- for revolutions; in English the program shows "n/" as "rev/", "/n" as
-- "/rev", "n" as "rev" and "rev/min" as "rpm".
--
-- Fixed IDs the program relies on: 1, 10, 26 the basic rotary units; 11 and
-- 27 the display units of every velocity and acceleration of either kind;
-- 6 to 9 the length units that have pitch/lead units 41 to 48; 51, 55, 59 the
-- units of weight, torque and inertia results; 56 lbf·in and 11 rpm of the
-- horsepower formula; 62/63 density; 66 the current of the report; 72/73
-- power; 74, 75, 76 the fixed units of types 19, 20, 21; velocity units 10 to
-- 15 and 18 to 25 have the acceleration units 26 to 31 and 33 to 40.
--
-- Every pitch/lead unit that can be selected converts to every other one:
-- 41 mm/rev, 43 rev/mm, 45 in/rev and 47 rev/in. The pairs of m and ft
-- (42, 44, 46, 48) are kept inactive: the program uses 44 and 48 internally
-- as the travel of rollers measured in m or ft, but as selectable units 42
-- and 46 would give pitch/lead values that the leadscrew calculation cannot
-- turn into revolutions per mm.

INSERT INTO UnitList (Active, ID, Type, Class, Text, "Default", BasicUnit) VALUES
    -- type 2 rotary length
    (-1,  1,  2, 'NA', 'n',        -1, -1),
    (-1,  2,  2, 'NA', 'deg',       0,  0),
    (-1,  3,  2, 'NA', 'rad',       0,  0),
    -- type 3 linear length: only the length units that have pitch/lead units
    (-1,  7,  3, 'M',  'mm',       -1, -1),
    (-1,  6,  3, 'M',  'm',         0,  0),
    (-1,  8,  3, 'EE', 'in',       -1,  0),
    (-1,  9,  3, 'EE', 'ft',        0,  0),
    -- type 5 rotary velocity
    (-1, 10,  5, 'NA', 'n/s',       0, -1),
    (-1, 11,  5, 'NA', 'n/min',    -1,  0),
    (-1, 12,  5, 'NA', 'deg/s',     0,  0),
    (-1, 13,  5, 'NA', 'rad/s',     0,  0),
    -- type 6 linear velocity
    (-1, 14,  6, 'M',  'mm/s',     -1, -1),
    (-1, 15,  6, 'M',  'm/s',       0,  0),
    (-1, 18,  6, 'M',  'm/min',     0,  0),
    (-1, 19,  6, 'EE', 'in/s',     -1,  0),
    (-1, 20,  6, 'EE', 'ft/s',      0,  0),
    (-1, 21,  6, 'EE', 'in/min',    0,  0),
    (-1, 22,  6, 'EE', 'ft/min',    0,  0),
    -- type 8 rotary acceleration (26 to 29 belong to velocities 10 to 13)
    (-1, 26,  8, 'NA', 'n/s²',      0, -1),
    (-1, 27,  8, 'NA', 'n/min/s',  -1,  0),
    (-1, 28,  8, 'NA', 'deg/s²',    0,  0),
    (-1, 29,  8, 'NA', 'rad/s²',    0,  0),
    -- type 9 linear acceleration (30, 31, 33 to 37 belong to 14, 15, 18 to 22)
    (-1, 30,  9, 'M',  'mm/s²',    -1, -1),
    (-1, 31,  9, 'M',  'm/s²',      0,  0),
    (-1, 33,  9, 'M',  'm/min/s',   0,  0),
    (-1, 34,  9, 'EE', 'in/s²',    -1,  0),
    (-1, 35,  9, 'EE', 'ft/s²',     0,  0),
    (-1, 36,  9, 'EE', 'in/min/s',  0,  0),
    (-1, 37,  9, 'EE', 'ft/min/s',  0,  0),
    -- type 10 pitch/lead: 43, 44, 47, 48 revolutions per length of 7, 6, 8, 9;
    -- 41, 42, 45, 46 their reciprocals, length per revolution
    (-1, 41, 10, 'M',  'mm/n',     -1,  0),
    (-1, 43, 10, 'M',  'n/mm',      0, -1),
    ( 0, 42, 10, 'M',  'm/n',       0,  0),
    ( 0, 44, 10, 'M',  'n/m',       0,  0),
    (-1, 47, 10, 'EE', 'n/in',     -1,  0),
    (-1, 45, 10, 'EE', 'in/n',      0,  0),
    ( 0, 46, 10, 'EE', 'ft/n',      0,  0),
    ( 0, 48, 10, 'EE', 'n/ft',      0,  0),
    -- type 11 weight and force
    (-1, 51, 11, 'M',  'N',        -1, -1),
    (-1, 52, 11, 'M',  'kg',        0,  0),
    (-1, 53, 11, 'EE', 'lb',       -1,  0),
    (-1, 54, 11, 'EE', 'oz',        0,  0),
    -- type 12 torque
    (-1, 55, 12, 'M',  'Nm',       -1, -1),
    (-1, 57, 12, 'M',  'Ncm',       0,  0),
    (-1, 56, 12, 'EE', 'lb-in',    -1,  0),
    (-1, 58, 12, 'EE', 'oz-in',     0,  0),
    (-1, 67, 12, 'EE', 'lb-ft',     0,  0),
    -- type 13 inertia
    (-1, 60, 13, 'M',  'kgcm²',    -1,  0),
    (-1, 59, 13, 'M',  'kgm²',      0, -1),
    (-1, 61, 13, 'EE', 'lb-in²',   -1,  0),
    (-1, 64, 13, 'EE', 'lb-in-s²',  0,  0),
    (-1, 65, 13, 'EE', 'oz-in-s²',  0,  0),
    -- type 14 density (shown in 62 metric, 63 English engineering)
    (-1, 62, 14, 'M',  'g/cm³',    -1, -1),
    (-1, 63, 14, 'EE', 'lb/in³',   -1,  0),
    -- type 16 current (the report's current values are in 66)
    (-1, 66, 16, 'NA', 'A',        -1, -1),
    -- type 17 torque constant
    (-1, 68, 17, 'M',  'Nm/A',     -1, -1),
    (-1, 69, 17, 'EE', 'lb-in/A',  -1,  0),
    (-1, 70, 17, 'EE', 'oz-in/A',   0,  0),
    -- type 18 power (shown by the report: 72 metric, 73 English engineering)
    (-1, 72, 18, 'M',  'kW',       -1, -1),
    (-1, 73, 18, 'EE', 'hp',       -1,  0),
    -- types 19, 20, 21: efficiencies; counts, ratios and coefficients; angles
    (-1, 74, 19, 'NA', '%',        -1, -1),
    (-1, 75, 20, 'NA', '-',        -1, -1),
    (-1, 76, 21, 'NA', 'deg',      -1, -1),
    -- type 22 time: seconds first (the quick setup and the segments take the
    -- first time unit)
    (-1, 77, 22, 'NA', 's',        -1, -1),
    (-1, 78, 22, 'NA', 'ms',        0,  0),
    (-1, 79, 22, 'NA', 'min',       0,  0);

-- ---------------------------------------------------------------------------
-- ConversionFactors
-- ---------------------------------------------------------------------------
-- The program takes no chains of factors: every pair of units of one type has
-- exactly one row, in either direction (the reverse direction uses 1/Factor).
-- The rows of proportional units are generated from the size of each unit,
-- stated once below as a fraction Num/Den of a reference unit of the same
-- group (the basic unit of its type, or 41 mm/rev for the length-per-
-- revolution units). A row From a To b then holds
--     Factor = Num(a) × Den(b),  Divisor = Den(a) × Num(b),
-- so that 1 a = Factor / Divisor b. Where b is the reference unit this is
-- Num(a) / Den(a) exactly as written (rpm to rev/s: 1 / 60).

CREATE TEMP TABLE UnitSize (
    ID    INTEGER,
    Grp   INTEGER,  -- units of one group are proportional to each other
    IsRef INTEGER,  -- 1 for the reference unit of the group (Num = Den = 1)
    Num   REAL,
    Den   REAL
);

INSERT INTO UnitSize (ID, Grp, IsRef, Num, Den) VALUES
    -- rotary length, in rev
    ( 1,  2, 1, 1, 1),
    ( 2,  2, 0, 1, 360),                 -- 1 deg = 1/360 rev
    ( 3,  2, 0, 1, 6.283185307179586),   -- 1 rad = 1/(2π) rev
    -- linear length, in mm
    ( 7,  3, 1, 1, 1),
    ( 6,  3, 0, 1000, 1),                -- 1 m  = 1000 mm
    ( 8,  3, 0, 25.4, 1),                -- 1 in = 25.4 mm
    ( 9,  3, 0, 304.8, 1),               -- 1 ft = 12 × 25.4 = 304.8 mm
    -- rotary velocity, in rev/s
    (10,  5, 1, 1, 1),
    (11,  5, 0, 1, 60),                  -- 1 rpm   = 1/60 rev/s
    (12,  5, 0, 1, 360),                 -- 1 deg/s = 1/360 rev/s
    (13,  5, 0, 1, 6.283185307179586),   -- 1 rad/s = 1/(2π) rev/s
    -- linear velocity, in mm/s
    (14,  6, 1, 1, 1),
    (15,  6, 0, 1000, 1),                -- 1 m/s    = 1000 mm/s
    (18,  6, 0, 1000, 60),               -- 1 m/min  = 1000/60 mm/s
    (19,  6, 0, 25.4, 1),                -- 1 in/s   = 25.4 mm/s
    (20,  6, 0, 304.8, 1),               -- 1 ft/s   = 304.8 mm/s
    (21,  6, 0, 25.4, 60),               -- 1 in/min = 25.4/60 mm/s
    (22,  6, 0, 304.8, 60),              -- 1 ft/min = 304.8/60 mm/s
    -- rotary acceleration, in rev/s² (each the velocity unit per second)
    (26,  8, 1, 1, 1),
    (27,  8, 0, 1, 60),                  -- 1 rpm/s   = 1/60 rev/s²
    (28,  8, 0, 1, 360),                 -- 1 deg/s²  = 1/360 rev/s²
    (29,  8, 0, 1, 6.283185307179586),   -- 1 rad/s²  = 1/(2π) rev/s²
    -- linear acceleration, in mm/s²
    (30,  9, 1, 1, 1),
    (31,  9, 0, 1000, 1),                -- 1 m/s²     = 1000 mm/s²
    (33,  9, 0, 1000, 60),               -- 1 m/min/s  = 1000/60 mm/s²
    (34,  9, 0, 25.4, 1),                -- 1 in/s²    = 25.4 mm/s²
    (35,  9, 0, 304.8, 1),               -- 1 ft/s²    = 304.8 mm/s²
    (36,  9, 0, 25.4, 60),               -- 1 in/min/s = 25.4/60 mm/s²
    (37,  9, 0, 304.8, 60),              -- 1 ft/min/s = 304.8/60 mm/s²
    -- pitch/lead as revolutions per length, in rev/mm
    (43, 10, 1, 1, 1),
    (44, 10, 0, 1, 1000),                -- 1 rev/m  = 1/1000 rev/mm
    (47, 10, 0, 1, 25.4),                -- 1 rev/in = 1/25.4 rev/mm
    (48, 10, 0, 1, 304.8),               -- 1 rev/ft = 1/304.8 rev/mm
    -- pitch/lead as length per revolution, in mm/rev
    (41, 100, 1, 1, 1),
    (42, 100, 0, 1000, 1),               -- 1 m/rev  = 1000 mm/rev
    (45, 100, 0, 25.4, 1),               -- 1 in/rev = 25.4 mm/rev
    (46, 100, 0, 304.8, 1),              -- 1 ft/rev = 304.8 mm/rev
    -- weight and force, in N
    (51, 11, 1, 1, 1),
    (52, 11, 0, 9.80665, 1),             -- 1 kgf = 9.80665 N
    (53, 11, 0, 4.4482216152605, 1),     -- 1 lbf = 0.45359237 × 9.80665 N
    (54, 11, 0, 4.4482216152605, 16),    -- 1 ozf = 1/16 lbf = 0.27801385095378125 N
    -- torque, in N·m
    (55, 12, 1, 1, 1),
    (57, 12, 0, 1, 100),                 -- 1 N·cm  = 0.01 N·m
    (56, 12, 0, 0.1129848290276167, 1),  -- 1 lbf·in = 4.4482216152605 × 0.0254
    (58, 12, 0, 0.1129848290276167, 16), -- 1 ozf·in = 1/16 lbf·in
    (67, 12, 0, 1.3558179483314004, 1),  -- 1 lbf·ft = 4.4482216152605 × 0.3048
    -- inertia, in kg·m²
    (59, 13, 1, 1, 1),
    (60, 13, 0, 1, 10000),               -- 1 kg·cm² = 1e-4 kg·m²
    (61, 13, 0, 0.0002926396534292, 1),  -- 1 lb·in² = 0.45359237 × 0.0254²
    (64, 13, 0, 0.1129848290276167, 1),  -- 1 lbf·in·s² = 1 lbf·in × 1 s² (kg·m²)
    (65, 13, 0, 0.1129848290276167, 16), -- 1 ozf·in·s² = 1/16 lbf·in·s²
    -- density, in g/cm³
    (62, 14, 1, 1, 1),
    (63, 14, 0, 453.59237, 16.387064),   -- 1 lb/in³ = 453.59237 g / 2.54³ cm³
    -- current, in A
    (66, 16, 1, 1, 1),
    -- torque constant, in N·m/A
    (68, 17, 1, 1, 1),
    (69, 17, 0, 0.1129848290276167, 1),  -- 1 lbf·in/A
    (70, 17, 0, 0.1129848290276167, 16), -- 1 ozf·in/A = 1/16 lbf·in/A
    -- power, in kW
    (72, 18, 1, 1, 1),
    (73, 18, 0, 745.69987158227022, 1000), -- 1 hp = 745.69987158227022 W
    -- efficiency, dimensionless, angle: one unit each
    (74, 19, 1, 1, 1),
    (75, 20, 1, 1, 1),
    (76, 21, 1, 1, 1),
    -- time, in s
    (77, 22, 1, 1, 1),
    (78, 22, 0, 1, 1000),                -- 1 ms  = 1/1000 s
    (79, 22, 0, 60, 1);                  -- 1 min = 60 s

-- One row per pair of a group: towards the reference unit, otherwise from the
-- lower ID to the higher one.
INSERT INTO ConversionFactors ("From", "To", Factor, Divisor)
SELECT a.ID, b.ID, a.Num * b.Den, a.Den * b.Num
FROM UnitSize AS a JOIN UnitSize AS b
    ON a.Grp = b.Grp AND a.ID <> b.ID
WHERE b.IsRef = 1 OR (a.IsRef = 0 AND a.ID < b.ID)
ORDER BY a.Grp, b.IsRef DESC, a.ID, b.ID;

DROP TABLE UnitSize;

-- Pitch/lead units of the two kinds are reciprocal: no factor converts them.
-- Factor -1 marks a unit and its reciprocal (the value in one unit is 1
-- divided by the value in the other): x mm/rev = 1/x rev/mm, and likewise
-- for in, m and ft.
INSERT INTO ConversionFactors ("From", "To", Factor, Divisor) VALUES
    (41, 43, -1, 0),
    (42, 44, -1, 0),
    (45, 47, -1, 0),
    (46, 48, -1, 0);

-- Factor 0 hands the conversion to the pitch/lead rule of the program:
--   41 <-> 47: x mm/rev = 25.4/x rev/in  (1 rev per x mm is 25.4/x rev per in)
--   43 <-> 45: x rev/mm = 1/(25.4 x) in/rev
INSERT INTO ConversionFactors ("From", "To", Factor, Divisor) VALUES
    (41, 47, 0, 0),
    (43, 45, 0, 0);

-- ---------------------------------------------------------------------------
-- ParameterSetup
-- ---------------------------------------------------------------------------
-- The rows of one owner, in this order, are its parameters: entry 0, 1, ...
-- The calculations read them by entry number, so the order is fixed.
--
-- Unit types: 1 length (either kind), 2 rotary length, 3 linear length,
-- 4 velocity (either kind), 5 rotary velocity, 7 acceleration (either kind),
-- 10 pitch/lead, 11 weight or force, 12 torque, 13 inertia, 14 density,
-- 17 torque constant, 19 efficiency (%), 20 count, ratio or coefficient,
-- 21 angle (deg), 22 time.
--
-- Status (the colour of the value in the grids):
--   0 required: the axis is not calculated while it is 0, because 0 would
--     make the result silently zero or wrong (efficiencies, ratios, the
--     pitch/lead, the diameters that set the travel, the ratio or the torque
--     arm, the dimensions an inertia cannot do without, the lengths that the
--     travel warnings test, every load dimension, the motor ratings);
--   1 optional: 0 is a valid value (friction, angle, thrust, additional
--     inertia or torque, inner diameters, ...);
--   2 alternative: a weight and the dimensions and density it is worked out
--     from, or the profile values of which a few define the rest;
--   3 a limit that only a warning uses (maximum velocities, no check at 0)
--     or a value the calculation does not read.
--
-- HelpID: the help is one page per window and mechanism, not per parameter;
-- every parameter carries help id 0.

INSERT INTO ParameterSetup (MechID, UnitID, Status, TextID, HelpID) VALUES
    -- 0 belt-pulley
    ( 0,  3, 0,  67, 0),   --  0 motor pulley diameter
    ( 0, 11, 2,  68, 0),   --  1 motor pulley weight
    ( 0,  3, 2,  69, 0),   --  2 motor pulley thickness
    ( 0, 14, 2,  71, 0),   --  3 motor pulley density
    ( 0, 20, 0,  77, 0),   --  4 number of load pulleys
    ( 0,  3, 0,  79, 0),   --  5 load pulley diameter
    ( 0, 11, 2,  81, 0),   --  6 load pulley weight
    ( 0,  3, 2,  82, 0),   --  7 load pulley thickness
    ( 0, 14, 2,  83, 0),   --  8 load pulley density
    ( 0, 11, 1,  84, 0),   --  9 belt weight
    ( 0, 19, 0,  89, 0),   -- 10 efficiency
    ( 0, 12, 1,  91, 0),   -- 11 friction torque
    -- 1 conveyor
    ( 1,  3, 0,  67, 0),   --  0 drive pulley diameter
    ( 1, 11, 1,  68, 0),   --  1 drive pulley weight
    ( 1, 20, 1, 125, 0),   --  2 number of idler pulleys
    ( 1,  3, 1, 129, 0),   --  3 idler pulley diameter
    ( 1, 11, 1, 143, 0),   --  4 idler pulley weight
    ( 1, 11, 1,  84, 0),   --  5 belt weight
    ( 1, 20, 1, 144, 0),   --  6 friction coefficient
    ( 1, 19, 0,  89, 0),   --  7 efficiency
    ( 1, 11, 1, 145, 0),   --  8 thrust force
    ( 1, 21, 1, 146, 0),   --  9 angle
    ( 1, 13, 1, 149, 0),   -- 10 additional inertia
    -- 2 coupling
    ( 2,  3, 0, 155, 0),   --  0 outer diameter
    ( 2,  3, 1, 162, 0),   --  1 inner diameter
    ( 2,  3, 2, 166, 0),   --  2 length
    ( 2, 11, 2,  50, 0),   --  3 weight
    ( 2, 14, 2, 178, 0),   --  4 density
    -- 3 disk
    ( 3,  3, 0, 182, 0),   --  0 diameter
    ( 3,  3, 2, 185, 0),   --  1 thickness
    ( 3, 11, 2,  50, 0),   --  2 weight
    ( 3, 14, 2, 178, 0),   --  3 density
    -- 4 gearbox
    ( 4, 19, 0,  89, 0),   --  0 efficiency
    ( 4, 13, 1, 191, 0),   --  1 reducer inertia
    ( 4, 20, 0, 206, 0),   --  2 ratio
    -- 5 leadscrew
    ( 5,  3, 0, 207, 0),   --  0 screw diameter
    ( 5,  3, 0, 208, 0),   --  1 screw length
    ( 5, 14, 0, 178, 0),   --  2 density
    ( 5, 10, 0,  49, 0),   --  3 pitch/lead
    ( 5, 19, 0,  89, 0),   --  4 efficiency
    ( 5, 20, 1, 144, 0),   --  5 friction coefficient
    ( 5, 12, 1, 209, 0),   --  6 preload torque
    ( 5, 11, 1, 145, 0),   --  7 thrust force
    ( 5, 11, 1, 211, 0),   --  8 additional moved weight
    ( 5, 21, 1, 146, 0),   --  9 angle
    ( 5, 13, 1, 149, 0),   -- 10 additional inertia
    ( 5,  4, 3, 217, 0),   -- 11 maximum (terminal) velocity
    -- 6 rack-pinion
    ( 6,  3, 0, 218, 0),   --  0 pinion diameter
    ( 6,  3, 1, 219, 0),   --  1 pinion length
    ( 6, 11, 1, 221, 0),   --  2 rack weight
    ( 6,  3, 0, 222, 0),   --  3 rack length
    ( 6, 14, 1, 178, 0),   --  4 density
    ( 6, 10, 0,  49, 0),   --  5 pitch/lead
    ( 6, 19, 0,  89, 0),   --  6 efficiency
    ( 6, 20, 1, 144, 0),   --  7 friction coefficient
    ( 6, 11, 1, 145, 0),   --  8 thrust force
    ( 6, 21, 1, 146, 0),   --  9 angle
    ( 6, 13, 1, 149, 0),   -- 10 additional inertia
    -- 7 rotary table
    ( 7, 19, 0,  89, 0),   --  0 efficiency
    ( 7, 13, 1, 191, 0),   --  1 inertia
    ( 7, 20, 0, 206, 0),   --  2 ratio
    ( 7, 20, 3, 144, 0),   --  3 friction coefficient (not read by the calculation)
    ( 7,  3, 0, 223, 0),   --  4 table diameter
    ( 7,  3, 1, 226, 0),   --  5 table thickness
    ( 7, 14, 1, 178, 0),   --  6 density
    ( 7,  5, 3, 192, 0),   --  7 maximum input velocity
    -- 9 nip roll
    ( 9,  3, 0, 227, 0),   --  0 drive roller outer diameter
    ( 9,  3, 1, 228, 0),   --  1 drive roller inner diameter
    ( 9,  3, 1, 230, 0),   --  2 drive roller length
    ( 9, 14, 1, 231, 0),   --  3 drive roller density
    ( 9, 20, 1, 232, 0),   --  4 number of driven rollers
    ( 9,  3, 1, 233, 0),   --  5 driven roller outer diameter
    ( 9,  3, 1, 239, 0),   --  6 driven roller inner diameter
    ( 9,  3, 1, 240, 0),   --  7 driven roller length
    ( 9, 14, 1, 242, 0),   --  8 driven roller density
    ( 9, 11, 1, 243, 0),   --  9 web tension
    ( 9, 12, 1, 244, 0),   -- 10 additional torque
    -- 61 centre-driven winder
    (61,  3, 0, 246, 0),   --  0 roll maximum outer diameter
    (61,  3, 1, 277, 0),   --  1 roll inner diameter
    (61,  3, 1, 285, 0),   --  2 roll width
    (61, 14, 1, 300, 0),   --  3 roll density
    (61, 20, 1, 301, 0),   --  4 number of support rollers
    (61,  3, 1, 302, 0),   --  5 support roller outer diameter
    (61,  3, 1, 303, 0),   --  6 support roller inner diameter
    (61,  3, 1, 304, 0),   --  7 support roller length
    (61, 14, 1, 307, 0),   --  8 support roller density
    (61, 11, 1, 243, 0),   --  9 web tension
    (61, 12, 1, 244, 0),   -- 10 additional torque
    -- 62 surface-driven winder
    (62,  3, 0, 246, 0),   --  0 roll maximum outer diameter
    (62,  3, 1, 277, 0),   --  1 roll inner diameter
    (62,  3, 1, 285, 0),   --  2 roll width
    (62, 14, 1, 300, 0),   --  3 roll density
    (62, 20, 1, 301, 0),   --  4 number of support rollers
    (62,  3, 0, 302, 0),   --  5 support roller outer diameter
    (62,  3, 1, 303, 0),   --  6 support roller inner diameter
    (62,  3, 1, 304, 0),   --  7 support roller length
    (62, 14, 1, 307, 0),   --  8 support roller density
    (62, 11, 1, 243, 0),   --  9 web tension
    (62, 12, 1, 244, 0),   -- 10 additional torque
    -- 10 to 15 motors: the motor check reads entries 0 to 3 and 6 to 8, the
    -- report's currents entry 4
    (10,  5, 0, 251, 0),   --  0 rated speed
    (10, 12, 0, 252, 0),   --  1 rated torque
    (10, 12, 0, 253, 0),   --  2 maximum torque
    (10, 13, 0, 220, 0),   --  3 rotor inertia
    (10, 17, 1,  53, 0),   --  4 torque constant Kt
    (10, 11, 3,  50, 0),   --  5 weight
    (10, 13, 1, 332, 0),   --  6 brake inertia
    (10, 20, 1, 333, 0),   --  7 gear ratio
    (10, 13, 1, 334, 0),   --  8 gear inertia
    (11,  5, 0, 251, 0),
    (11, 12, 0, 252, 0),
    (11, 12, 0, 253, 0),
    (11, 13, 0, 220, 0),
    (11, 17, 1,  53, 0),
    (11, 11, 3,  50, 0),
    (11, 13, 1, 332, 0),
    (11, 20, 1, 333, 0),
    (11, 13, 1, 334, 0),
    (12,  5, 0, 251, 0),
    (12, 12, 0, 252, 0),
    (12, 12, 0, 253, 0),
    (12, 13, 0, 220, 0),
    (12, 17, 1,  53, 0),
    (12, 11, 3,  50, 0),
    (12, 13, 1, 332, 0),
    (12, 20, 1, 333, 0),
    (12, 13, 1, 334, 0),
    (13,  5, 0, 251, 0),
    (13, 12, 0, 252, 0),
    (13, 12, 0, 253, 0),
    (13, 13, 0, 220, 0),
    (13, 17, 1,  53, 0),
    (13, 11, 3,  50, 0),
    (13, 13, 1, 332, 0),
    (13, 20, 1, 333, 0),
    (13, 13, 1, 334, 0),
    (14,  5, 0, 251, 0),
    (14, 12, 0, 252, 0),
    (14, 12, 0, 253, 0),
    (14, 13, 0, 220, 0),
    (14, 17, 1,  53, 0),
    (14, 11, 3,  50, 0),
    (14, 13, 1, 332, 0),
    (14, 20, 1, 333, 0),
    (14, 13, 1, 334, 0),
    (15,  5, 0, 251, 0),
    (15, 12, 0, 252, 0),
    (15, 12, 0, 253, 0),
    (15, 13, 0, 220, 0),
    (15, 17, 1,  53, 0),
    (15, 11, 3,  50, 0),
    (15, 13, 1, 332, 0),
    (15, 20, 1, 333, 0),
    (15, 13, 1, 334, 0),
    -- 20 load: weight only
    (20, 11, 0,  50, 0),   --  0 weight
    -- 21 load: solid cylinder
    (21,  3, 0, 166, 0),   --  0 length
    (21,  3, 0, 182, 0),   --  1 diameter
    (21, 14, 0, 178, 0),   --  2 density
    -- 22 load: hollow cylinder
    (22,  3, 0, 166, 0),   --  0 length
    (22,  3, 0, 162, 0),   --  1 inner diameter
    (22,  3, 0, 155, 0),   --  2 outer diameter
    (22, 14, 0, 178, 0),   --  3 density
    -- 23 load: solid rectangular
    (23,  3, 0, 308, 0),   --  0 side a
    (23,  3, 0, 350, 0),   --  1 side b
    (23,  3, 0, 356, 0),   --  2 side c
    (23, 14, 0, 178, 0),   --  3 density
    -- 30 profile segment, in parameter-index order
    (30,  4, 2, 132, 0),   --  0 initial velocity
    (30,  4, 2, 133, 0),   --  1 final velocity
    (30, 22, 2, 134, 0),   --  2 duration
    (30,  7, 2, 135, 0),   --  3 acceleration
    (30,  1, 2, 136, 0),   --  4 distance
    (30, 20, 1, 357, 0),   --  5 load weight applied (1 applied, 0 not)
    -- 40 quick setup
    (40,  4, 2, 147, 0),   --  0 velocity
    (40, 22, 2, 139, 0),   --  1 total time
    (40,  1, 2, 136, 0),   --  2 distance
    (40, 22, 2, 137, 0),   --  3 acceleration time
    (40, 22, 2, 138, 0),   --  4 deceleration time
    (40, 22, 1, 148, 0);   --  5 dwell time

-- The reading order is the order of the rows above.
UPDATE ParameterSetup SET "Index" = rowid;

-- ---------------------------------------------------------------------------
-- FunctionalitySettings: every switch on
-- ---------------------------------------------------------------------------
INSERT INTO FunctionalitySettings (DynamicMenu, SafetyFactors, ReportOptions, GraphOptions)
VALUES (-1, -1, -1, -1);
