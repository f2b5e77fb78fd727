-- Movement database: the monthly ICMS position of the company in that year, one row per month.

CREATE TABLE Pos_Icms (
    Mes_Base INTEGER DEFAULT 0,
    Saida CURRENCY DEFAULT 0,
    O_deb CURRENCY DEFAULT 0,
    Estcr CURRENCY DEFAULT 0,
    Entra CURRENCY DEFAULT 0,
    O_cre CURRENCY DEFAULT 0,
    Estdb CURRENCY DEFAULT 0,
    Scant CURRENCY DEFAULT 0,
    Fat CURRENCY DEFAULT 0,
    FatAcu CURRENCY DEFAULT 0,
    M1Ini INTEGER DEFAULT 0,
    M1Fim INTEGER DEFAULT 0,
    D1Ini INTEGER DEFAULT 0,
    D1Fim INTEGER DEFAULT 0,
    Obsent1 TEXT COLLATE PTBR DEFAULT '',
    Obsent2 TEXT COLLATE PTBR DEFAULT '',
    Obssai1 TEXT COLLATE PTBR DEFAULT '',
    Obssai2 TEXT COLLATE PTBR DEFAULT ''
);

-- Every movement database starts with its twelve months, all amounts 0 and the observations empty.
INSERT INTO Pos_Icms (Mes_Base)
    WITH RECURSIVE mes(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM mes WHERE n < 12)
    SELECT n FROM mes;
