-- Registry database: the standard label, one row kept with the key 1.

CREATE TABLE Padrao (
    Codigo INTEGER PRIMARY KEY,
    Nvias TEXT,
    L0 TEXT COLLATE PTBR,
    L1 TEXT COLLATE PTBR,
    L2 TEXT COLLATE PTBR,
    L3 TEXT COLLATE PTBR
);

INSERT INTO Padrao (Codigo, Nvias, L0, L1, L2, L3) VALUES (1, '01', '', '', '', '');
