-- Registry database: suppliers and clients, parameters and the two tables of CFOP codes.

CREATE TABLE ForGeral (
    cgc TEXT COLLATE PTBR,
    nome TEXT COLLATE PTBR,
    ie TEXT COLLATE PTBR,
    endereco TEXT COLLATE PTBR,
    numero TEXT COLLATE PTBR,
    complemento TEXT COLLATE PTBR,
    bairro TEXT COLLATE PTBR,
    cidade TEXT COLLATE PTBR,
    uf TEXT COLLATE PTBR,
    cep TEXT COLLATE PTBR,
    CodMun TEXT COLLATE PTBR,
    xPais TEXT COLLATE PTBR,
    cPais TEXT COLLATE PTBR
);

CREATE INDEX ForGeral_cgc ON ForGeral (cgc);

CREATE TABLE CliGeral (
    cgc TEXT COLLATE PTBR,
    nome TEXT COLLATE PTBR,
    ie TEXT COLLATE PTBR,
    endereco TEXT COLLATE PTBR,
    numero TEXT COLLATE PTBR,
    complemento TEXT COLLATE PTBR,
    bairro TEXT COLLATE PTBR,
    cidade TEXT COLLATE PTBR,
    uf TEXT COLLATE PTBR,
    cep TEXT COLLATE PTBR,
    CodMun TEXT COLLATE PTBR,
    xPais TEXT COLLATE PTBR,
    cPais TEXT COLLATE PTBR
);

CREATE INDEX CliGeral_cgc ON CliGeral (cgc);

-- One row. senha_adm holds the administrator's password as algorithm, iterations, salt and hash;
-- it compares byte for byte.
CREATE TABLE Parametros (
    pincforcli YESNO DEFAULT 0,
    senha_adm TEXT,
    escritorio TEXT COLLATE PTBR
);

INSERT INTO Parametros (pincforcli, senha_adm, escritorio) VALUES (0, NULL, '');

CREATE TABLE CodFiscal (
    codauto INTEGER PRIMARY KEY AUTOINCREMENT,
    codfiscal TEXT COLLATE PTBR,
    Descri TEXT COLLATE PTBR,
    Nivel TEXT COLLATE PTBR
);

-- @import cfop_ate2002.csv INTO CodFiscal (codfiscal, Descri, Nivel)

-- The level follows from the code, as the window derives it for a code it inserts.
UPDATE CodFiscal SET Nivel = CASE
    WHEN substr(codfiscal, -2) = '00' THEN '1'
    WHEN substr(codfiscal, -1) = '0' THEN '2'
    ELSE '3' END;

CREATE INDEX CodFiscal_codfiscal ON CodFiscal (codfiscal);

CREATE TABLE CodFiscal2003 (
    codfiscal TEXT COLLATE PTBR,
    Descri TEXT COLLATE PTBR,
    Nivel TEXT COLLATE PTBR
);

-- Levels as the official table gives them: 1 for x.000, 2 for the headings x.y00 and x.y50,
-- 3 for every code (real codes such as 5.910 end in 0).
-- @import cfop2003.csv INTO CodFiscal2003 (codfiscal, Descri, Nivel)

CREATE INDEX CodFiscal2003_codfiscal ON CodFiscal2003 (codfiscal);
