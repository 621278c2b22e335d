-- The workshop system's own tables (schema accounts_dep).
--
-- Keys that other rows refer to are protected: a worker, operation kind,
-- operation or item still used by shift records, auxiliary work records or
-- operations cannot be deleted. Norm rows belong to their operation and the
-- hours grid is derived from the records, so those go with their owner.
-- References from numeric(15,0) columns to integer keys cannot be declared
-- as foreign keys; triggers in 05_rules.sql check them.

-- Workers. The number is drawn from the contractors' sequence, because the
-- same number is the worker's id in cmn_contractor.person.
CREATE TABLE accounts_dep.person (
    id            integer PRIMARY KEY DEFAULT next_id('cmn_contractor.person_id_seq'),
    fio           varchar(254) NOT NULL,
    s_staffpos_hl varchar(254)
);

-- Operation kinds; names containing "КРАСКА" are painting operations.
CREATE SEQUENCE accounts_dep.vid_oper_id_seq AS integer;
CREATE TABLE accounts_dep.vid_oper (
    id  integer PRIMARY KEY DEFAULT next_id('accounts_dep.vid_oper_id_seq'),
    vid character(128) NOT NULL
);
ALTER SEQUENCE accounts_dep.vid_oper_id_seq OWNED BY accounts_dep.vid_oper.id;

-- Operations: an operation kind applied to an item for a product kind
-- (naimen 0 finished goods, 1 blanks). The operative price is the lowest
-- price of the operation's norm rows.
CREATE SEQUENCE accounts_dep.oper_id_seq AS integer;
CREATE TABLE accounts_dep.oper (
    id       integer PRIMARY KEY DEFAULT next_id('accounts_dep.oper_id_seq'),
    vid      integer NOT NULL REFERENCES accounts_dep.vid_oper (id),
    naimen   smallint NOT NULL DEFAULT 0,
    i_id     integer NOT NULL REFERENCES cmn_gds_and_srv.gds_and_srv (id),
    cena_new numeric(19,4) DEFAULT 0
);
ALTER SEQUENCE accounts_dep.oper_id_seq OWNED BY accounts_dep.oper.id;

-- Norm rows: the prices of an operation.
CREATE SEQUENCE accounts_dep.norm_id_seq AS integer;
CREATE TABLE accounts_dep.norm (
    id    integer PRIMARY KEY DEFAULT next_id('accounts_dep.norm_id_seq'),
    o_id  integer NOT NULL REFERENCES accounts_dep.oper (id) ON DELETE CASCADE,
    norma integer DEFAULT 0,
    prize integer DEFAULT 0,
    price numeric(15,4) DEFAULT 0
);
ALTER SEQUENCE accounts_dep.norm_id_seq OWNED BY accounts_dep.norm.id;

-- Shift records: one worker's output of one operation on one item in one
-- shift (1, 2, 3, or 4 for overtime) of one date. ok: 'no' when entered,
-- 'ok' or 'да' when accepted; 'ta' and null are never listed.
CREATE TABLE accounts_dep.smena (
    id            serial PRIMARY KEY,
    w_id          integer NOT NULL REFERENCES accounts_dep.person (id),
    i_id          integer NOT NULL REFERENCES cmn_gds_and_srv.gds_and_srv (id),
    o_id          integer NOT NULL REFERENCES accounts_dep.oper (id),
    cena          double precision,
    kol_vo        integer,
    brak          integer DEFAULT 0,
    data          date NOT NULL,
    smena         integer NOT NULL,
    color         integer DEFAULT 0,
    time          integer,
    vvod          timestamp,
    ok            character(2) DEFAULT 'no',
    prize         double precision DEFAULT 0,
    id_doc        numeric(15,0) DEFAULT 0,
    id_doc_item   numeric(15,0) DEFAULT 0,
    f_gds_qty_use double precision DEFAULT 0,
    id_gds_use    numeric(15,0) DEFAULT 0,
    id_cons_use   numeric(15,0) DEFAULT 0
);

-- Auxiliary work records: hours of work kind 7777 (auxiliary works) or 7778
-- (average piecework) of one worker in one nomenclature group on one date.
CREATE TABLE accounts_dep.fatigue (
    id        serial PRIMARY KEY,
    id_nom    numeric(15,0),
    id_o      numeric(15,0),
    id_p      numeric(15,0),
    d_date    date,
    i_mnth    integer,
    i_year    integer,
    i_smena   integer DEFAULT 1,
    cnt       integer,
    price     numeric(15,4),
    i_holiday integer DEFAULT 0,
    i_night   integer DEFAULT 0
);

-- The hours grid, derived from the records: shift rows (smena 1..4, i_type
-- 0) and typed rows (smena 0, i_type 7777/7778, i_night, id_nom). dN holds
-- the hours of day N. Uniqueness of a key is kept by the program, not here.
CREATE TABLE accounts_dep.h_tabel (
    id      serial PRIMARY KEY,
    w_id    integer NOT NULL REFERENCES accounts_dep.person (id) ON DELETE CASCADE,
    month   integer NOT NULL,
    year    integer NOT NULL,
    smena   integer NOT NULL DEFAULT 0,
    i_type  integer NOT NULL DEFAULT 0,
    i_night integer NOT NULL DEFAULT 0,
    id_nom  numeric(15,0),
    d1 integer, d2 integer, d3 integer, d4 integer, d5 integer, d6 integer,
    d7 integer, d8 integer, d9 integer, d10 integer, d11 integer, d12 integer,
    d13 integer, d14 integer, d15 integer, d16 integer, d17 integer, d18 integer,
    d19 integer, d20 integer, d21 integer, d22 integer, d23 integer, d24 integer,
    d25 integer, d26 integer, d27 integer, d28 integer, d29 integer, d30 integer,
    d31 integer
);

-- The version row: the build stamp (date yyyymmdd, seconds since midnight)
-- of the newest program build that has run, and the decimal delimiter that
-- numbers in statement text must use. The id lets the program update the
-- row by key.
CREATE TABLE accounts_dep.ver (
    id    serial PRIMARY KEY,
    d     integer,
    t     integer,
    delim varchar(255)
);
