-- Demo workshop, the work of the last three months (from the first
-- day of the month two months back up to and including today): shift
-- records in shifts 1 to 3 and overtime, auxiliary works and average
-- piecework, and the hours grid made from them. Dates are relative to the
-- day of loading; the rest is derived by hashing.

-- The days, their week (shift teams rotate weekly) and the day-off flag.
CREATE TEMP TABLE demo_day AS
SELECT d::date AS day,
       extract(isodow FROM d) >= 6 AS day_off,
       ((d::date - date '2000-01-03') / 7) AS week
  FROM generate_series(date_trunc('month', CURRENT_DATE) - interval '2 months',
                       CURRENT_DATE, interval '1 day') AS d;

-- Which shift a worker's team works in a given week: 1, 2 or 3.
CREATE FUNCTION pg_temp.team_shift(worker integer, week integer) RETURNS integer
    LANGUAGE sql IMMUTABLE AS $$
    SELECT ((worker + week) % 3) + 1
$$;

-- Attendance: one row per worker, day and shift worked, with the hours.
-- Working days: most workers come; days off: a few come (paid double).
-- Some stay on for 2 to 4 hours of overtime (shift 4). Today every shift
-- is staffed, overtime included.
CREATE TEMP TABLE demo_att AS
SELECT w.id AS w_id, w.dept, d.day, d.day_off,
       pg_temp.team_shift(w.id, d.week) AS shift, 8 AS hours
  FROM demo_worker w CROSS JOIN demo_day d
 WHERE CASE WHEN d.day = CURRENT_DATE THEN w.id % 10 <> 4
            WHEN d.day_off THEN pg_temp.rnd('att', w.id::text, d.day::text) < 0.07
            ELSE pg_temp.rnd('att', w.id::text, d.day::text) < 0.86 END;

INSERT INTO demo_att (w_id, dept, day, day_off, shift, hours)
SELECT a.w_id, a.dept, a.day, a.day_off, 4,
       2 + floor(3 * pg_temp.rnd('ot-hours', a.w_id::text, a.day::text))::integer
  FROM demo_att a
 WHERE CASE WHEN a.day = CURRENT_DATE THEN a.w_id % 5 = 0
            ELSE NOT a.day_off AND pg_temp.rnd('ot', a.w_id::text, a.day::text) < 0.07 END;

-- Operations a department can be given: those of its kinds on items of
-- groups still produced, numbered per department.
CREATE TEMP TABLE demo_dept_oper AS
SELECT k.dept,
       row_number() OVER (PARTITION BY k.dept ORDER BY o.id)::integer AS rn,
       count(*) OVER (PARTITION BY k.dept)::integer AS n,
       o.id AS o_id, o.i_id, o.vid,
       (upper(k.vid) LIKE '%КРАСКА%') AS painting,
       o.price
  FROM demo_oper o
  JOIN demo_kind k ON k.id = o.vid
  JOIN cmn_gds_and_srv.gds_and_srv g ON g.id = o.i_id
  JOIN cmn_classifier.item grp ON grp.id = g.id_class_item::integer
 WHERE grp.b_excluded = 0;

-- Shift records: a shift is split into 1 to 3 jobs (8, 4+4 or 5+3, 3+3+2
-- hours); overtime is one job. The jobs of one shift are distinct
-- operations. Price: the operation's lowest norm price, doubled on a day
-- off, x1.2 in shift 3, x1.5 in overtime. About 300 roubles an hour of
-- output, now and then a few defects. Painting jobs carry primer (1) or a
-- RAL colour. Older records are accepted, the last week's mostly not yet.
CREATE TEMP TABLE demo_job AS
SELECT a.*, j.j,
       CASE WHEN a.shift = 4 THEN 1
            ELSE 1 + floor(3 * pg_temp.rnd('jobs', a.w_id::text, a.day::text))::integer END AS jobs
  FROM demo_att a
 CROSS JOIN generate_series(1, 3) AS j(j);
DELETE FROM demo_job WHERE j > jobs;

INSERT INTO accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok,
                                prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
SELECT j.w_id, o.i_id, o.o_id, x.cena, x.qty,
       CASE WHEN pg_temp.rnd('brak', k) < 0.85 THEN 0
            ELSE 1 + floor(x.qty * 0.05 * pg_temp.rnd('brak-n', k))::integer END,
       j.day, j.shift,
       CASE WHEN NOT o.painting THEN 0
            WHEN pg_temp.rnd('colour', k) < 0.3 THEN 1
            ELSE (ARRAY[9016, 9005, 7035, 7024, 3020, 5005, 6005, 8017, 1018])
                 [1 + floor(9 * pg_temp.rnd('ral', k))::integer] END,
       x.hours,
       least(j.day + (pg_temp.rnd('vvod', k) < 0.3)::integer, CURRENT_DATE),
       CASE WHEN j.day > CURRENT_DATE - 7 THEN
                 CASE WHEN pg_temp.rnd('ok', k) < 0.8 THEN 'no' ELSE 'ok' END
            WHEN pg_temp.rnd('ok', k) < 0.03 THEN 'да'
            WHEN pg_temp.rnd('ok', k) < 0.05 THEN 'no'
            ELSE 'ok' END,
       0, 0, 0, 0, 0, 0
  FROM demo_job j
  JOIN LATERAL (SELECT concat_ws('|', j.w_id, j.day, j.shift, j.j) AS k,
                       concat_ws('|', j.w_id, j.day, j.shift) AS ks) kk ON true
  JOIN LATERAL (
        SELECT d.n, 1 + (floor(d.n * pg_temp.rnd('op', j.w_id::text, j.day::text, j.shift::text))::integer
                         + (j.j - 1) * (1 + d.n / 3)) % d.n AS rn
          FROM demo_dept_oper d WHERE d.dept = j.dept LIMIT 1) pick ON true
  JOIN demo_dept_oper o ON o.dept = j.dept AND o.rn = pick.rn
  JOIN LATERAL (
        SELECT h.hours,
               round((o.price * (CASE WHEN j.day_off THEN 2 ELSE 1 END)
                              * (CASE j.shift WHEN 3 THEN 1.2 WHEN 4 THEN 1.5 ELSE 1 END))::numeric, 4)::double precision AS cena,
               greatest(1, round(h.hours * 300 / o.price * (0.8 + 0.4 * pg_temp.rnd('qty', k))))::integer AS qty
          FROM (SELECT CASE WHEN j.shift = 4 THEN j.hours
                            WHEN j.jobs = 1 THEN 8
                            WHEN j.jobs = 2 THEN (ARRAY[4, 4, 5, 3])[2 * (pg_temp.rnd('split', ks) < 0.5)::integer + j.j]
                            ELSE (ARRAY[3, 3, 2])[j.j] END AS hours) h) x ON true
 ORDER BY j.day, j.shift, j.w_id, j.j;

-- Auxiliary work records. A worker who is not on piecework on a working day
-- is sometimes on auxiliary works (kind 7777, base price 150 an hour) or on
-- average piecework (kind 7778, priced below from the month's piece rate),
-- booked to a nomenclature group in production; at night when the team is
-- on shift 3 (price x1.2). Now and then auxiliary works on a day off (x2).
CREATE TEMP TABLE demo_aux AS
SELECT w.id AS w_id, d.day, d.day_off,
       CASE WHEN d.day_off OR pg_temp.rnd('aux-kind', w.id::text, d.day::text) < 0.6 THEN 7777 ELSE 7778 END AS kind,
       CASE WHEN d.day_off THEN 4 + floor(3 * pg_temp.rnd('aux-h', w.id::text, d.day::text))::integer
            ELSE 8 - 2 * floor(2 * pg_temp.rnd('aux-h', w.id::text, d.day::text))::integer END AS hours,
       (pg_temp.team_shift(w.id, d.week) = 3 AND NOT d.day_off)::integer AS night,
       1 + floor(7 * pg_temp.rnd('aux-grp', w.id::text, d.day::text))::integer AS grp
  FROM demo_worker w CROSS JOIN demo_day d
 WHERE NOT EXISTS (SELECT 1 FROM demo_att a WHERE a.w_id = w.id AND a.day = d.day)
   AND pg_temp.rnd('aux', w.id::text, d.day::text) < (CASE WHEN d.day_off THEN 0.02 ELSE 0.45 END);

INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, i_smena, cnt, price, i_holiday, i_night)
SELECT a.grp, a.kind, a.w_id, a.day,
       extract(month FROM a.day)::integer, extract(year FROM a.day)::integer, 1,
       a.hours,
       CASE WHEN a.kind = 7777
            THEN n.price * (CASE WHEN a.day_off THEN 2 ELSE 1 END) * (CASE WHEN a.night = 1 THEN 1.2 ELSE 1 END)
            ELSE n.price END,
       a.day_off::integer, a.night
  FROM demo_aux a
  JOIN accounts_dep.norm n ON n.o_id = a.kind
 ORDER BY a.day, a.w_id;

-- Average piecework is paid at the worker's piece rate of the month: the
-- money of the month's shift records over their hours, raised for night and
-- day off, rounded to kopecks (0 without shift records), as the monthly
-- recalculation of the program writes it.
UPDATE accounts_dep.fatigue f
   SET price = coalesce((
        SELECT CASE WHEN coalesce(sum(s.time), 0)::numeric(10,2) = 0 THEN 0
                    ELSE coalesce(sum((s.kol_vo - s.brak)
                                      * ((s.cena + s.cena * f.i_night * 0.2)
                                         * (CASE WHEN f.i_holiday = 0 THEN 1 ELSE 2 END)))
                                  / sum(s.time), 0)::numeric(10,2) END
          FROM accounts_dep.smena s
         WHERE s.w_id = f.id_p
           AND s.data >= make_date(f.i_year, f.i_mnth, 1)
           AND s.data < make_date(f.i_year, f.i_mnth, 1) + interval '1 month'), 0)
 WHERE f.id_o = 7778;

-- The hours grid, as the month rebuilds of the program make it: a shift row
-- per worker, shift and month with the day's hours of the shift records, and
-- a typed row per worker, kind, night flag, group and month with the day's
-- hours of the auxiliary work records.
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
          FROM (SELECT w_id, smena, time AS hours,
                       extract(month FROM data)::integer AS mon,
                       extract(year FROM data)::integer AS yr,
                       extract(day FROM data)::integer AS day_no
                  FROM accounts_dep.smena) r
         GROUP BY yr, mon, smena, w_id
         ORDER BY yr, mon, smena, w_id$q$, cols, sums);

    EXECUTE format($q$
        INSERT INTO accounts_dep.h_tabel (w_id, month, year, smena, i_type, i_night, id_nom, %s)
        SELECT w_id, mon, yr, 0, i_type, i_night, id_nom, %s
          FROM (SELECT id_p::integer AS w_id, id_o::integer AS i_type, i_night, id_nom,
                       cnt AS hours, i_mnth AS mon, i_year AS yr,
                       extract(day FROM d_date)::integer AS day_no
                  FROM accounts_dep.fatigue) r
         GROUP BY yr, mon, i_type, i_night, id_nom, w_id
         ORDER BY yr, mon, i_type, i_night, id_nom, w_id$q$, cols, sums);
END
$$;

-- New rows entered in the demo get ids after the demo's own.
DO $$
BEGIN
    PERFORM setval('cmn_contractor.person_id_seq', (SELECT max(id) FROM accounts_dep.person));
    PERFORM setval('cmn_classifier.item_id_seq', (SELECT max(id) FROM cmn_classifier.item WHERE id < 7777));
    PERFORM setval('cmn_gds_and_srv.gds_and_srv_id_seq', (SELECT max(id)::bigint FROM cmn_gds_and_srv.gds_and_srv WHERE id < 7777));
    PERFORM setval('accounts_dep.vid_oper_id_seq', (SELECT max(id) FROM accounts_dep.vid_oper WHERE id < 7777));
    PERFORM setval('accounts_dep.oper_id_seq', (SELECT max(id) FROM accounts_dep.oper WHERE id < 7777));
END
$$;

ANALYZE;
