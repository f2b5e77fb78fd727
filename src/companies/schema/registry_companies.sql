-- Registry database: companies, their tax-regime history and their contract changes.

CREATE TABLE Empresas (
    codauto INTEGER PRIMARY KEY AUTOINCREMENT,
    codigo INTEGER,
    nome TEXT COLLATE PTBR,
    apelido TEXT COLLATE PTBR,
    endereco TEXT COLLATE PTBR,
    numero TEXT COLLATE PTBR,
    complemento TEXT COLLATE PTBR,
    bairro TEXT COLLATE PTBR,
    cidade TEXT COLLATE PTBR,
    uf TEXT COLLATE PTBR,
    cep TEXT COLLATE PTBR,
    cMun TEXT COLLATE PTBR,
    xPais TEXT COLLATE PTBR,
    cPais TEXT COLLATE PTBR,
    cgc TEXT COLLATE PTBR,
    inscr_estadual TEXT COLLATE PTBR,
    cei TEXT COLLATE PTBR,
    ccm TEXT COLLATE PTBR,
    data_cadastro DATE,
    cnae TEXT COLLATE PTBR,
    situ TEXT COLLATE PTBR,
    atividade TEXT COLLATE PTBR,
    contato1 TEXT COLLATE PTBR,
    contato2 TEXT COLLATE PTBR,
    ddd TEXT COLLATE PTBR,
    fax TEXT COLLATE PTBR,
    fone1 TEXT COLLATE PTBR,
    fone2 TEXT COLLATE PTBR,
    email TEXT COLLATE PTBR,
    homepage TEXT COLLATE PTBR,
    perc_ipi CURRENCY,
    perc_convenio CURRENCY,
    irpj_vendas CURRENCY,
    irpj_servicos CURRENCY,
    tipo_empresa TEXT COLLATE PTBR,
    fundacao DATE,
    tpescri TEXT COLLATE PTBR,
    tpipi TEXT COLLATE PTBR,
    tpiss TEXT COLLATE PTBR,
    icms TEXT COLLATE PTBR,
    gricms TEXT COLLATE PTBR,
    sp TEXT COLLATE PTBR,
    -- The company's working period: the first day of its month.
    mes_base_fiscal DATE,
    observacao TEXT COLLATE PTBR
);

CREATE INDEX Empresas_codigo ON Empresas (codigo);
CREATE INDEX Empresas_nome ON Empresas (nome);

CREATE TABLE Enquadramento (
    codempr INTEGER,
    denquadra DATE,
    codtipo INTEGER
);

CREATE INDEX Enquadramento_codempr ON Enquadramento (codempr, denquadra);

CREATE TABLE Tipo_enquadr (
    codtipo INTEGER,
    descricao TEXT COLLATE PTBR
);

INSERT INTO Tipo_enquadr (codtipo, descricao) VALUES
    (1, 'Regime Periódico de Apuração'),
    (2, 'Estimativa'),
    (3, 'Microempresa'),
    (4, 'Simples Nacional'),
    (5, 'Empresa de Pequeno Porte');

CREATE TABLE Contrato (
    codempr INTEGER,
    Dregistro DATE,
    Nregistro TEXT COLLATE PTBR,
    Brelato TEXT COLLATE PTBR,
    capital CURRENCY
);

CREATE INDEX Contrato_codempr ON Contrato (codempr, Dregistro);
