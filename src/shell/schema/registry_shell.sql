-- Registry database: users, states and municipalities.
-- Text columns compare as the program compares text (collation PTBR); the stored password forms
-- compare byte for byte.

CREATE TABLE usuarios (
    codigo INTEGER,
    nome TEXT COLLATE PTBR,
    senha TEXT,
    impressora TEXT COLLATE PTBR,
    dsenha DATE,
    bdcon YESNO DEFAULT 0,
    bdadi YESNO DEFAULT 0,
    bdexc YESNO DEFAULT 0,
    bdalt YESNO DEFAULT 0,
    cfcon YESNO DEFAULT 0,
    cfadi YESNO DEFAULT 0,
    cfexc YESNO DEFAULT 0,
    cfalt YESNO DEFAULT 0,
    cfbai YESNO DEFAULT 0
);

CREATE TABLE Estados (
    cUf TEXT COLLATE PTBR,
    UF TEXT COLLATE PTBR,
    nome TEXT COLLATE PTBR
);

-- @import estados.csv INTO Estados (cUf, UF, nome)

-- The registers of foreign suppliers and clients carry "EX" as their state.
INSERT INTO Estados (cUf, UF, nome) VALUES (NULL, 'EX', 'Exterior');

CREATE INDEX Estados_UF ON Estados (UF);

CREATE TABLE Municipios (
    cMun TEXT COLLATE PTBR,
    cUf TEXT COLLATE PTBR,
    uf TEXT COLLATE PTBR,
    nomeMun TEXT COLLATE PTBR
);

-- @import municipios.csv INTO Municipios (cMun, cUf, uf, nomeMun)

CREATE INDEX Municipios_uf_nomeMun ON Municipios (uf, nomeMun);
CREATE INDEX Municipios_nomeMun ON Municipios (nomeMun);
