-- Tables of the enterprise installation that the workshop system reads or
-- writes. Only the columns the system uses are defined.

-- Contractors: every worker of accounts_dep.person appears here with the same
-- number (kept in step by triggers, 05_rules.sql); s_code holds the number
-- as text.
CREATE SEQUENCE cmn_contractor.person_id_seq AS integer;
CREATE TABLE cmn_contractor.person (
    id        integer PRIMARY KEY DEFAULT next_id('cmn_contractor.person_id_seq'),
    s_caption varchar(254),
    s_code    text
);
ALTER SEQUENCE cmn_contractor.person_id_seq OWNED BY cmn_contractor.person.id;

-- Classifier items; those of level 2 are the nomenclature groups. A group
-- added by the program names only s_caption and b_excluded, so the defaults
-- make it a level-2 group in use.
CREATE SEQUENCE cmn_classifier.item_id_seq AS integer;
CREATE TABLE cmn_classifier.item (
    id              integer PRIMARY KEY DEFAULT next_id('cmn_classifier.item_id_seq'),
    id_classifier   numeric(15,0),
    id_level        numeric(15,0) NOT NULL DEFAULT 2,
    s_code          varchar(254),
    s_caption       varchar(254),
    s_description   varchar(4000),
    d_excluded_date date,
    id_parent       numeric(15,0),
    b_excluded      integer NOT NULL DEFAULT 0
);
ALTER SEQUENCE cmn_classifier.item_id_seq OWNED BY cmn_classifier.item.id;

-- Goods: the workshop's items (read through the view accounts_dep.izdel).
-- s_caption is the item's mark, id_class_item its nomenclature group.
CREATE SEQUENCE cmn_gds_and_srv.gds_and_srv_id_seq;
CREATE TABLE cmn_gds_and_srv.gds_and_srv (
    id            numeric(15,0) PRIMARY KEY DEFAULT next_id('cmn_gds_and_srv.gds_and_srv_id_seq'),
    s_caption     text NOT NULL,
    s_description text,
    id_msm_bs     numeric(15,0),
    massa         numeric,
    id_class_item numeric(15,0)
);
ALTER SEQUENCE cmn_gds_and_srv.gds_and_srv_id_seq OWNED BY cmn_gds_and_srv.gds_and_srv.id;

-- Reference lists of the worker editor (read only for the system).
CREATE TABLE cmn_department.department (
    id            numeric(15,0) PRIMARY KEY,
    id_branch     numeric(15,0),
    id_parent     numeric(15,0),
    s_code        varchar(254),
    s_caption     varchar(254),
    s_description varchar(4000)
);

CREATE TABLE hrms_staffpos.staffpos (
    id            numeric(15,0) PRIMARY KEY,
    id_department numeric(15,0),
    s_code        varchar(254),
    s_caption     varchar(254),
    d_begin       date,
    d_end         date,
    s_description varchar(4000)
);

CREATE TABLE adm_role.roles (
    id        numeric(15,0) PRIMARY KEY,
    s_name    varchar(30),
    s_caption varchar(254),
    d_begin   date,
    d_end     date,
    b_active  boolean
);
