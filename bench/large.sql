-- Grows a demo database into a large one for the benchmarks: eight times the workers and five
-- years of work, made by copying the demo's three months of shift records and auxiliary works
-- back in time and onto the new workers; the hours grid is rebuilt from the records.

-- Seven more copies of every worker.
CREATE TEMP TABLE bench_worker_map AS
SELECT p.id AS orig, 0 AS copy, p.id AS new_id FROM accounts_dep.person p;

INSERT INTO accounts_dep.person (fio, s_staffpos_hl)
SELECT p.fio || ' (' || m || ')', p.s_staffpos_hl
  FROM accounts_dep.person p CROSS JOIN generate_series(1, 7) AS m
 ORDER BY m, p.id;

INSERT INTO bench_worker_map (orig, copy, new_id)
SELECT o.id, m, n.id
  FROM accounts_dep.person o
  CROSS JOIN generate_series(1, 7) AS m
  JOIN accounts_dep.person n ON n.fio = o.fio || ' (' || m || ')'
 WHERE o.fio NOT LIKE '% (_)';

-- The demo's span of days, repeated back in time 25 times (about five years).
CREATE TEMP TABLE bench_span AS
SELECT (max(data) - min(data) + 1) AS days FROM accounts_dep.smena;

INSERT INTO accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok,
                                prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
SELECT m.new_id, s.i_id, s.o_id, s.cena, s.kol_vo, s.brak, s.data - k * sp.days, s.smena, s.color, s.time,
       s.vvod - k * sp.days * interval '1 day', CASE WHEN k = 0 THEN s.ok ELSE 'ok' END, 0, 0, 0, 0, 0, 0
  FROM accounts_dep.smena s
  JOIN bench_worker_map m ON m.orig = s.w_id
  CROSS JOIN generate_series(0, 24) AS k
  CROSS JOIN bench_span sp
 WHERE NOT (k = 0 AND m.copy = 0);

INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, i_smena, cnt, price, i_holiday, i_night)
SELECT f.id_nom, f.id_o, m.new_id, d, extract(month FROM d), extract(year FROM d), 1, f.cnt, f.price, f.i_holiday, f.i_night
  FROM accounts_dep.fatigue f
  JOIN bench_worker_map m ON m.orig = f.id_p::integer
  CROSS JOIN generate_series(0, 24) AS k
  CROSS JOIN bench_span sp
  CROSS JOIN LATERAL (SELECT f.d_date - k * sp.days AS d) AS dd
 WHERE NOT (k = 0 AND m.copy = 0);

-- The hours grid made anew from the records.
DELETE FROM accounts_dep.h_tabel;
DO $$
DECLARE
    cols text;
    sums text;
BEGIN
    SELECT string_agg(format('d%s', n), ', ' ORDER BY n),
           string_agg(format('sum(hours) FILTER (WHERE day_no = %s)', n), ', ' ORDER BY n)
      INTO cols, sums
      FROM generate_series(1, 31) AS n;
    EXECUTE format($q$
        INSERT INTO accounts_dep.h_tabel (w_id, month, year, smena, %s)
        SELECT w_id, mon, yr, smena, %s
          FROM (SELECT w_id, smena, time AS hours, extract(month FROM data)::integer AS mon,
                       extract(year FROM data)::integer AS yr, extract(day FROM data)::integer AS day_no
                  FROM accounts_dep.smena) r
         GROUP BY yr, mon, smena, w_id$q$, cols, sums);
    EXECUTE format($q$
        INSERT INTO accounts_dep.h_tabel (w_id, month, year, smena, i_type, i_night, id_nom, %s)
        SELECT w_id, mon, yr, 0, i_type, i_night, id_nom, %s
          FROM (SELECT id_p::integer AS w_id, id_o::integer AS i_type, i_night, id_nom, cnt AS hours,
                       i_mnth AS mon, i_year AS yr, extract(day FROM d_date)::integer AS day_no
                  FROM accounts_dep.fatigue) r
         GROUP BY yr, mon, i_type, i_night, id_nom, w_id$q$, cols, sums);
END
$$;

ANALYZE;
