-- The materials database APPDATA.MDB: typical friction coefficients of
-- material pairs, densities of materials and efficiencies of mechanisms,
-- shown as reference lists beside the parameter grids of the axis design
-- window. The lists are read sorted by their name column; names sort without
-- regard to letter case.
--
-- How the values are held, so that a picked row gives its number:
--   Coefficient.Coefficient  text: one blank, then the coefficient in at most
--                            four characters ("0.57"); the pick drops the
--                            first character and keeps four.
--   Efficiency.Efficiency    text: one blank, then the efficiency in per cent
--                            in at most three characters ("90", "100"); the
--                            pick drops the first character and keeps three.
--   Density.MetricNumber     number, g/cm³ (picked whole under metric units)
--   Density.EENumber         number, lb/in³ (picked whole under English
--                            engineering units): MetricNumber times
--                            0.0361273 (16.387064 cm³ per in³ / 453.59237 g
--                            per lb), rounded to four decimals.
--
-- Friction coefficients are kinetic (sliding) values of clean surfaces from
-- engineering handbooks; real surfaces scatter around them, so a sizing
-- should keep a margin.

CREATE TABLE Coefficient (
    Materials   TEXT COLLATE NOCASE NOT NULL,
    Coefficient TEXT NOT NULL
);

INSERT INTO Coefficient (Materials, Coefficient) VALUES
    ('Steel - Steel (dry)',                ' 0.57'),
    ('Steel - Steel (lubricated)',         ' 0.06'),
    ('Aluminium - Steel (dry)',            ' 0.47'),
    ('Aluminium - Aluminium (dry)',        ' 1.40'),
    ('Brass - Steel (dry)',                ' 0.44'),
    ('Copper - Steel (dry)',               ' 0.36'),
    ('Cast iron - Cast iron (dry)',        ' 0.15'),
    ('Cast iron - Steel (dry)',            ' 0.23'),
    ('Bronze - Steel (oiled)',             ' 0.13'),
    ('PTFE - Steel',                       ' 0.04'),
    ('PTFE - PTFE',                        ' 0.04'),
    ('UHMW polyethylene - Steel',          ' 0.15'),
    ('Glass - Glass (dry)',                ' 0.40'),
    ('Wood - Wood (dry)',                  ' 0.20'),
    ('Rubber - Concrete (dry)',            ' 0.80');

CREATE TABLE Density (
    Material     TEXT COLLATE NOCASE NOT NULL,
    MetricNumber DOUBLE NOT NULL,
    EENumber     DOUBLE NOT NULL
);

INSERT INTO Density (Material, MetricNumber, EENumber) VALUES
    ('Steel',                 7.85, 0.2836),
    ('Stainless steel',       7.90, 0.2854),
    ('Cast iron',             7.20, 0.2601),
    ('Aluminium',             2.70, 0.0975),
    ('Brass',                 8.50, 0.3071),
    ('Bronze',                8.80, 0.3179),
    ('Copper',                8.96, 0.3237),
    ('Titanium',              4.51, 0.1629),
    ('Magnesium',             1.74, 0.0629),
    ('Lead',                 11.34, 0.4097),
    ('Zinc',                  7.13, 0.2576),
    ('Nylon (PA 6)',          1.14, 0.0412),
    ('Acetal (POM)',          1.41, 0.0509),
    ('PTFE',                  2.20, 0.0795),
    ('Polyethylene (HDPE)',   0.95, 0.0343),
    ('PVC (rigid)',           1.40, 0.0506),
    ('Acrylic (PMMA)',        1.18, 0.0426),
    ('Natural rubber',        0.93, 0.0336),
    ('Glass',                 2.50, 0.0903),
    ('Oak',                   0.75, 0.0271),
    ('Paper',                 0.80, 0.0289),
    ('Polyester film (PET)',  1.39, 0.0502),
    ('Polypropylene film',    0.90, 0.0325),
    ('Water',                 1.00, 0.0361);

CREATE TABLE Efficiency (
    Mechanism  TEXT COLLATE NOCASE NOT NULL,
    Efficiency TEXT NOT NULL
);

INSERT INTO Efficiency (Mechanism, Efficiency) VALUES
    ('Ball screw',                     ' 90'),
    ('Acme screw, plastic nut',        ' 65'),
    ('Acme screw, bronze nut',         ' 40'),
    ('Rack and pinion',                ' 90'),
    ('Timing belt',                    ' 95'),
    ('V-belt',                         ' 93'),
    ('Chain and sprocket',             ' 95'),
    ('Spur gear, one stage',           ' 95'),
    ('Helical gear, one stage',        ' 95'),
    ('Bevel gear, one stage',          ' 93'),
    ('Planetary gear, one stage',      ' 95'),
    ('Planetary gear, two stages',     ' 92'),
    ('Worm gear',                      ' 70'),
    ('Direct coupling',                ' 100');
