-- Registry database: the work tables of the ISS books, emptied and refilled by every emission and
-- read back in insertion order (ORDER BY rowid). Amounts and rates are CURRENCY.

-- The book of model 53: one line per service document.
CREATE TABLE MovIss53 (
    codserv TEXT COLLATE PTBR,
    docinicial TEXT COLLATE PTBR,
    docfinal TEXT COLLATE PTBR,
    datalan DATE,
    vlrnota CURRENCY DEFAULT 0,
    materiais CURRENCY DEFAULT 0,
    subempr CURRENCY DEFAULT 0,
    base CURRENCY DEFAULT 0,
    aliq CURRENCY DEFAULT 0,
    iss CURRENCY DEFAULT 0,
    isentas CURRENCY DEFAULT 0,
    tipo TEXT COLLATE PTBR,
    observ TEXT COLLATE PTBR
);

-- The book of model 51: one line per service document.
CREATE TABLE MovIss51 (
    codserv TEXT COLLATE PTBR,
    datalan DATE,
    serie TEXT COLLATE PTBR,
    docinicial TEXT COLLATE PTBR,
    docfinal TEXT COLLATE PTBR,
    base CURRENCY DEFAULT 0,
    aliq CURRENCY DEFAULT 0,
    iss CURRENCY DEFAULT 0,
    isentas CURRENCY DEFAULT 0,
    remessas CURRENCY DEFAULT 0,
    observ TEXT COLLATE PTBR
);

-- The taxed lines of the book summed per rate.
CREATE TABLE MovAliqIss (
    aliq CURRENCY DEFAULT 0,
    base CURRENCY DEFAULT 0,
    iss CURRENCY DEFAULT 0
);
