-- The template of every application file: five tables and the project
-- marker. Saving copies this database and appends rows to its empty tables;
-- rows belong together only by their stored order and the counts they carry.
-- Integer columns hold 16-bit values; Yes/No columns hold -1 (True) or 0.
-- Text columns have no width limit and accept empty strings.

CREATE TABLE ProjectInfo (
    CompanyMarker TEXT NOT NULL DEFAULT ''
);

CREATE TABLE AxisData (
    Number                 INTEGER NOT NULL,
    Description            TEXT    NOT NULL DEFAULT '',
    ParentAxis             INTEGER NOT NULL,
    ChildAxis              INTEGER NOT NULL,
    MotorDefined           INTEGER NOT NULL,
    MotorIdentifier        INTEGER NOT NULL,
    MotorManufacturer      TEXT    NOT NULL DEFAULT '',
    MotorProductKey        TEXT    NOT NULL DEFAULT '',
    MotorDataNumber        INTEGER NOT NULL,
    NumberOfMechanisms     INTEGER NOT NULL,
    LoadDefined            INTEGER NOT NULL,
    LoadIdentifier         INTEGER NOT NULL,
    LoadDataNumber         INTEGER NOT NULL,
    MotionMode             INTEGER NOT NULL,
    NumberOfMotionSegments INTEGER NOT NULL,
    QuickSetupDefined      INTEGER NOT NULL,
    QuickSetupMode         INTEGER NOT NULL
);

CREATE TABLE MechData (
    Identifier   INTEGER NOT NULL,
    TextID       INTEGER NOT NULL,
    Manufacturer TEXT    NOT NULL DEFAULT '',
    ProductKey   TEXT    NOT NULL DEFAULT '',
    DataNumber   INTEGER NOT NULL
);

CREATE TABLE DataType (
    MechanismID INTEGER NOT NULL,
    Data        REAL    NOT NULL,
    UnitType    INTEGER NOT NULL,
    UnitID      INTEGER NOT NULL,
    Factor      REAL    NOT NULL,
    Status      INTEGER NOT NULL,
    TextID      INTEGER NOT NULL,
    UnitText    TEXT    NOT NULL DEFAULT '',
    HelpID      INTEGER NOT NULL
);

CREATE TABLE WindowStatus (
    AxisNumber INTEGER NOT NULL,
    FormNumber INTEGER NOT NULL,
    Status     INTEGER NOT NULL
);

-- Files of other customised versions carry another marker and are refused.
INSERT INTO ProjectInfo (CompanyMarker) VALUES ('QZ');
