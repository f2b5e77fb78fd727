-- Registry database: the SINTEGRA registers of the last generation, one per row, each column a text
-- of fixed width (money as 13 digits of cents, rates as 4 digits, dates yyyymmdd). They hold only
-- digits, capitals and blanks, so the plain binary order is the order wanted and no collation is named.

CREATE TABLE RegSint (
    codauto INTEGER PRIMARY KEY AUTOINCREMENT,
    regtip TEXT,
    cgc TEXT,
    inscr_estadual TEXT,
    demis TEXT,
    uf TEXT,
    modelo TEXT,
    serie TEXT,
    subserie TEXT,
    nrnf TEXT,
    cfop TEXT,
    vlrtot TEXT,
    baseicms TEXT,
    vlricms TEXT,
    vlrisent TEXT,
    vlroutr TEXT,
    aliqicms TEXT,
    situacao TEXT
);
