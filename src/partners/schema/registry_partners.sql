-- Registry database: partners and third parties of the companies, with their INSS class histories.

CREATE TABLE Socios (
    codauto INTEGER PRIMARY KEY AUTOINCREMENT,
    codempr INTEGER,
    nome TEXT COLLATE PTBR,
    endereco TEXT COLLATE PTBR,
    numero TEXT COLLATE PTBR,
    complemento TEXT COLLATE PTBR,
    bairro TEXT COLLATE PTBR,
    cidade TEXT COLLATE PTBR,
    uf TEXT COLLATE PTBR,
    cep TEXT COLLATE PTBR,
    ddd TEXT COLLATE PTBR,
    fone TEXT COLLATE PTBR,
    cpf TEXT COLLATE PTBR,
    rg TEXT COLLATE PTBR,
    orgao_exp TEXT COLLATE PTBR,
    data_exp DATE,
    nacionalidade TEXT COLLATE PTBR,
    estado_civil TEXT COLLATE PTBR,
    nascto DATE,
    data_adm_soc DATE,
    inscr_inss TEXT COLLATE PTBR,
    observacao TEXT COLLATE PTBR
);

CREATE INDEX Socios_codempr ON Socios (codempr);

CREATE TABLE Terceiros (
    codauto INTEGER PRIMARY KEY AUTOINCREMENT,
    codempr INTEGER,
    nome TEXT COLLATE PTBR,
    endereco TEXT COLLATE PTBR,
    numero TEXT COLLATE PTBR,
    complemento TEXT COLLATE PTBR,
    bairro TEXT COLLATE PTBR,
    cidade TEXT COLLATE PTBR,
    uf TEXT COLLATE PTBR,
    cep TEXT COLLATE PTBR,
    cpf TEXT COLLATE PTBR,
    inscr_inss TEXT COLLATE PTBR,
    tipoinscr_inss TEXT COLLATE PTBR,
    scinss CURRENCY,
    observacao TEXT COLLATE PTBR
);

CREATE INDEX Terceiros_codempr ON Terceiros (codempr);

CREATE TABLE ClasseSoc (
    codsoc INTEGER,
    dinicio DATE,
    classe INTEGER
);

CREATE INDEX ClasseSoc_codsoc ON ClasseSoc (codsoc, dinicio);

CREATE TABLE ClasseTer (
    codter INTEGER,
    dinicio DATE,
    classe INTEGER
);

CREATE INDEX ClasseTer_codter ON ClasseTer (codter, dinicio);
