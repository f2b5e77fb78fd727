-- Registry database: the work tables of the ICMS books. Each holds only the last prepared book and is
-- emptied and refilled by every emission; the reports read them in insertion order (ORDER BY rowid).
-- Amounts and rates are CURRENCY (rates to four decimals, so that a rate compares exactly).

-- The entries book: one row holds two book lines of one document; only a document's first row
-- carries its dates and header texts.
CREATE TABLE MovEntrada (
    datalan DATE,
    demiss DATE,
    especie TEXT COLLATE PTBR,
    serie TEXT COLLATE PTBR,
    docinicial TEXT COLLATE PTBR,
    cgc TEXT COLLATE PTBR,
    inscrest TEXT COLLATE PTBR,
    empresa TEXT COLLATE PTBR,
    uf TEXT COLLATE PTBR,
    codfiscal TEXT COLLATE PTBR,
    vlrcontabil CURRENCY DEFAULT 0,
    tipolan TEXT COLLATE PTBR,
    tipoicms0 TEXT COLLATE PTBR,
    baseicms0 CURRENCY DEFAULT 0,
    aliqicms0 CURRENCY DEFAULT 0,
    valricms0 CURRENCY DEFAULT 0,
    observ0 TEXT COLLATE PTBR,
    tipoicms1 TEXT COLLATE PTBR,
    baseicms1 CURRENCY DEFAULT 0,
    aliqicms1 CURRENCY DEFAULT 0,
    valricms1 CURRENCY DEFAULT 0,
    observ1 TEXT COLLATE PTBR
);

-- Totals of the entries per CFOP.
CREATE TABLE MovTent (
    CodFiscal TEXT COLLATE PTBR,
    VContabil CURRENCY DEFAULT 0,
    Base CURRENCY DEFAULT 0,
    Icms CURRENCY DEFAULT 0,
    Isentos CURRENCY DEFAULT 0,
    Outras CURRENCY DEFAULT 0
);

-- Interstate totals per state: of the entries, or after an exits book of its exits to contributors.
CREATE TABLE MovUf (
    uf TEXT COLLATE PTBR,
    vcontabil CURRENCY DEFAULT 0,
    base CURRENCY DEFAULT 0,
    outras CURRENCY DEFAULT 0,
    icmsfonte CURRENCY DEFAULT 0
);

-- One row: which CFOP groups the book holds (1, 2, 3 of the entries; 5, 6, 7 of the exits).
CREATE TABLE MovTPara (
    Codigo INTEGER DEFAULT 0,
    "100" YESNO DEFAULT 0,
    "200" YESNO DEFAULT 0,
    "300" YESNO DEFAULT 0,
    "500" YESNO DEFAULT 0,
    "600" YESNO DEFAULT 0,
    "700" YESNO DEFAULT 0
);

INSERT INTO MovTPara (Codigo) VALUES (1);

-- The exits book, two lines per row as in MovEntrada.
CREATE TABLE MovSaida (
    datalan DATE,
    especie TEXT COLLATE PTBR,
    serie TEXT COLLATE PTBR,
    docinicial TEXT COLLATE PTBR,
    docfinal TEXT COLLATE PTBR,
    cgc TEXT COLLATE PTBR,
    inscrest TEXT COLLATE PTBR,
    empresa TEXT COLLATE PTBR,
    uf TEXT COLLATE PTBR,
    codfiscal TEXT COLLATE PTBR,
    vlrcontabil CURRENCY DEFAULT 0,
    tipolan TEXT COLLATE PTBR,
    tipo0 TEXT COLLATE PTBR,
    base0 CURRENCY DEFAULT 0,
    aliq0 CURRENCY DEFAULT 0,
    valr0 CURRENCY DEFAULT 0,
    isen0 CURRENCY DEFAULT 0,
    outr0 CURRENCY DEFAULT 0,
    observ0 TEXT COLLATE PTBR,
    tipo1 TEXT COLLATE PTBR,
    base1 CURRENCY DEFAULT 0,
    aliq1 CURRENCY DEFAULT 0,
    valr1 CURRENCY DEFAULT 0,
    isen1 CURRENCY DEFAULT 0,
    outr1 CURRENCY DEFAULT 0,
    observ1 TEXT COLLATE PTBR
);

-- Totals of the exits per CFOP.
CREATE TABLE MovTsai (
    CodFiscal TEXT COLLATE PTBR,
    VContabil CURRENCY DEFAULT 0,
    Base CURRENCY DEFAULT 0,
    Icms CURRENCY DEFAULT 0,
    Isentos CURRENCY DEFAULT 0,
    Outras CURRENCY DEFAULT 0
);

-- Interstate exits to non-contributors per state.
CREATE TABLE MovUfnc (
    uf TEXT COLLATE PTBR,
    vcontabil CURRENCY DEFAULT 0,
    base CURRENCY DEFAULT 0,
    outras CURRENCY DEFAULT 0,
    icmsfonte CURRENCY DEFAULT 0
);

-- The assessment per ICMS rate: bases and ICMS of the entries and of the exits at that rate.
CREATE TABLE MovAliq (
    Aliquota CURRENCY DEFAULT 0,
    baseent CURRENCY DEFAULT 0,
    impent CURRENCY DEFAULT 0,
    basesai CURRENCY DEFAULT 0,
    impsai CURRENCY DEFAULT 0
);
