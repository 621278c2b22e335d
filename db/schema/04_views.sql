-- Views the system reads.

-- Items as the system sees them: every goods row, its mark, its nomenclature
-- group and that group's caption. A goods row written by the item editor
-- appears here at once. id_nom is the group again, under the name the
-- reports match against fatigue.id_nom.
CREATE VIEW accounts_dep.izdel AS
SELECT g.id::numeric(15,0)          AS id,
       g.s_caption::varchar(254)    AS marka,
       i.s_caption::varchar(255)    AS nom,
       g.massa                      AS massa,
       g.id_class_item              AS id_class_item,
       g.id_class_item              AS id_nom
  FROM cmn_gds_and_srv.gds_and_srv g
  LEFT JOIN cmn_classifier.item i ON i.id = g.id_class_item::integer;

-- Money of auxiliary work records (hours times price per hour) per
-- nomenclature group, worker and date.
CREATE VIEW accounts_dep.v_nom_f AS
SELECT f.id_nom                AS id_nom,
       f.id_p                  AS id_p,
       sum(f.cnt * f.price)    AS f_sum,
       f.d_date                AS d_date
  FROM accounts_dep.fatigue f
 GROUP BY f.id_nom, f.id_p, f.d_date;

-- Money of shift records (good pieces times price) per nomenclature group of
-- the item, worker and date.
CREATE VIEW accounts_dep.v_nom_s AS
SELECT g.id_class_item                                   AS id_nom,
       s.w_id                                            AS id_p,
       sum((s.kol_vo - s.brak) * s.cena::numeric)        AS f_sum,
       s.data                                            AS d_date
  FROM accounts_dep.smena s
  JOIN cmn_gds_and_srv.gds_and_srv g ON g.id = s.i_id
 GROUP BY g.id_class_item, s.w_id, s.data;
