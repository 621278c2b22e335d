#!/usr/bin/env bash
# Checks of the database side against a real, throwaway PostgreSQL cluster:
# the schema's reserved rows and rules, the reference protections, the test
# data set, the demo workshop and its hours grid, and db-create itself.
#
#   db/check.sh            (as root: the server runs as the postgres user)
#
# Prints one line per check and a closing "N passed, M failed"; exits 1 when
# a check fails, 2 when the cluster or a database cannot be set up.
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PG_CLUSTER=$ROOT/scripts/pg-cluster
DB_CREATE=$ROOT/scripts/db-create

WORK=$(mktemp -d /tmp/db-check.XXXXXX)
chmod 755 "$WORK"
DATA=$WORK/data
SOCK=$WORK/sock

cleanup() {
    "$PG_CLUSTER" stop "$DATA" >/dev/null 2>&1 || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fatal() { echo "check.sh: $*" >&2; exit 2; }

"$PG_CLUSTER" init "$DATA" --socket-dir "$SOCK" --fast 2>"$WORK/init.log" ||
    { cat "$WORK/init.log" >&2; fatal "cannot create the cluster"; }
"$PG_CLUSTER" start "$DATA" 2>"$WORK/start.log" ||
    { cat "$WORK/start.log" >&2; fatal "cannot start the cluster"; }

export PGHOST=$SOCK PGPORT=5432 PGUSER=sys PGPASSWORD=plomvak
unset PGDATABASE PGSERVICE

create() { "$DB_CREATE" --host "$SOCK" "$@" 2>"$WORK/create.log"; }

create chk_schema || { cat "$WORK/create.log" >&2; fatal "schema does not apply"; }
create chk_fixture --fixture || { cat "$WORK/create.log" >&2; fatal "fixture does not apply"; }
start_ns=$(date +%s%N)
create chk_demo --demo || { cat "$WORK/create.log" >&2; fatal "demo does not load"; }
demo_ms=$(( ($(date +%s%N) - start_ns) / 1000000 ))

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok - $1"; }
fail() { failed=$((failed + 1)); echo "not ok - $1"; shift; for l in "$@"; do echo "    $l"; done; }

# q DB SQL: the result as unaligned text, fields separated by |.
q() { psql -X -q -tA -v ON_ERROR_STOP=1 -d "$1" -c "$2" 2>&1; }

# expect NAME DB SQL EXPECTED
expect() {
    local got
    got=$(q "$2" "$3")
    if [ "$got" = "$4" ]; then pass "$1"; else fail "$1" "expected: $4" "got:      $got"; fi
}

# expect_refused NAME DB SQL: the statement must fail as a reference
# violation (SQLSTATE 23503); whatever it did is rolled back.
expect_refused() {
    local out
    out=$(psql -X -q -tA -v ON_ERROR_STOP=1 -v VERBOSITY=verbose -d "$2" 2>&1 <<EOF
\set VERBOSITY verbose
BEGIN;
$3;
ROLLBACK;
EOF
)
    if printf '%s' "$out" | grep -q 'ERROR:  23503'; then pass "$1"; else fail "$1" "expected a reference violation (23503), got: $out"; fi
}

# in_tx DB SQL: runs SQL (ending in a SELECT) inside a transaction that is
# rolled back, and prints the SELECT's result.
in_tx() {
    psql -X -q -tA -v ON_ERROR_STOP=1 -d "$1" 2>&1 <<EOF
BEGIN;
$2;
ROLLBACK;
EOF
}

expect_tx() {
    local got
    got=$(in_tx "$2" "$3")
    if [ "$got" = "$4" ]; then pass "$1"; else fail "$1" "expected: $4" "got:      $got"; fi
}

S=chk_schema F=chk_fixture D=chk_demo

echo "# schema: reserved rows, version row, domains"
expect "operation kinds 7777 and 7778 exist" $S \
    "SELECT string_agg(id || ':' || trim(vid), ',' ORDER BY id) FROM accounts_dep.vid_oper" \
    "7777:ХОЗ. РАБОТЫ,7778:СРЕДНЕСДЕЛЬНАЯ"
expect "items 7777 and 7778 are seen through izdel with a group" $S \
    "SELECT string_agg(id || ':' || marka || ':' || nom, ',' ORDER BY id) FROM accounts_dep.izdel" \
    "7777:ХОЗ. РАБОТЫ:Вспомогательные работы,7778:СРЕДНЕСДЕЛЬНАЯ:Вспомогательные работы"
expect "operations 7777/7778 have one norm row each with the base hourly price" $S \
    "SELECT string_agg(o.id || ':' || o.vid || ':' || o.i_id || ':' || n.id || ':' || n.price, ',' ORDER BY o.id)
       FROM accounts_dep.oper o JOIN accounts_dep.norm n ON n.o_id = o.id" \
    "7777:7777:7777:7777:150.0000,7778:7778:7778:7778:0.0000"
expect "operations 7777/7778 are in the prices list (norm row and group present)" $S \
    "SELECT string_agg(o.id::text, ',' ORDER BY o.id)
       FROM accounts_dep.oper o, accounts_dep.izdel z, accounts_dep.vid_oper v, cmn_classifier.item i
      WHERE z.id = o.i_id AND v.id = o.vid AND i.id = z.id_class_item
        AND EXISTS (SELECT 1 FROM accounts_dep.norm n WHERE n.o_id = o.id)" \
    "7777,7778"
expect "the version row: one row, no build yet, full stop as delimiter" $S \
    "SELECT count(*) || '|' || min(d) || '|' || min(t) || '|' || min(delim) FROM accounts_dep.ver" \
    "1|0|0|."
expect "worker numbers in text compare through t_id and t_integer" $S \
    "SELECT ('41'::t_id + 1) || '|' || ('7'::t_integer = 7)" "42|true"
expect "the database reads day-first dates" $S \
    "SELECT '05.06.2024'::date" "2024-06-05"

echo "# schema: rules"
# Runs first: rolled-back inserts still use up sequence numbers.
expect_tx "fresh ids start at 1" $S \
    "INSERT INTO accounts_dep.person (fio) VALUES ('Первый');
     INSERT INTO cmn_classifier.item (s_caption) VALUES ('Первая');
     INSERT INTO accounts_dep.vid_oper (vid) VALUES ('ПЕРВАЯ');
     INSERT INTO cmn_gds_and_srv.gds_and_srv (s_caption) VALUES ('П-1');
     INSERT INTO accounts_dep.oper (vid, i_id) VALUES (1, 1);
     SELECT (SELECT min(id) FROM accounts_dep.person) || '|' || (SELECT min(id) FROM cmn_classifier.item) || '|' ||
            (SELECT min(id) FROM accounts_dep.vid_oper) || '|' || (SELECT min(id) FROM cmn_gds_and_srv.gds_and_srv) || '|' ||
            (SELECT min(id) FROM accounts_dep.oper) || '|' || (SELECT min(id) FROM accounts_dep.norm)" \
    "1|1|1|1|1|1"
expect_tx "a new worker appears in cmn_contractor.person with the same number" $S \
    "INSERT INTO accounts_dep.person (fio, s_staffpos_hl) VALUES ('Тестов Тест Тестович', 'Участок');
     SELECT count(*) || '|' || bool_and(c.s_caption = p.fio AND c.s_code = p.id::text)
       FROM accounts_dep.person p JOIN cmn_contractor.person c ON c.id = p.id" \
    "1|true"
expect_tx "a renamed worker is renamed in cmn_contractor.person" $S \
    "INSERT INTO accounts_dep.person (id, fio) VALUES (300, 'Старое Имя');
     UPDATE accounts_dep.person SET fio = 'Новое Имя' WHERE id = 300;
     SELECT s_caption || '|' || s_code FROM cmn_contractor.person WHERE id = 300" \
    "Новое Имя|300"
expect_tx "a deleted worker leaves cmn_contractor.person" $S \
    "INSERT INTO accounts_dep.person (id, fio) VALUES (300, 'Удаляемый');
     DELETE FROM accounts_dep.person WHERE id = 300;
     SELECT count(*) FROM cmn_contractor.person WHERE id = 300" \
    "0"
expect_tx "a new operation gets its first norm row (norm 0, bonus 0, price 0)" $S \
    "INSERT INTO cmn_gds_and_srv.gds_and_srv (s_caption, s_description, id_msm_bs, massa, id_class_item) VALUES ('Т-1', '', 6, 1, 7777);
     INSERT INTO accounts_dep.vid_oper (vid) VALUES ('ТЕСТ');
     INSERT INTO accounts_dep.oper (vid, naimen, i_id, cena_new)
       SELECT (SELECT max(id) FROM accounts_dep.vid_oper WHERE id < 7777), 0,
              (SELECT max(id) FROM cmn_gds_and_srv.gds_and_srv WHERE id < 7777), 0;
     SELECT count(*) || '|' || min(n.norma) || '|' || min(n.prize) || '|' || min(n.price)
       FROM accounts_dep.norm n WHERE n.o_id = (SELECT max(id) FROM accounts_dep.oper WHERE id < 7777)" \
    "1|0|0|0.0000"
expect_tx "a new goods row appears in izdel at once with its mark and group" $S \
    "INSERT INTO cmn_classifier.item (s_caption, b_excluded) VALUES ('Группа', 0);
     INSERT INTO cmn_gds_and_srv.gds_and_srv (s_caption, s_description, id_msm_bs, massa, id_class_item)
       VALUES ('МАРКА-1', '', 6, 2.5, (SELECT max(id) FROM cmn_classifier.item WHERE id < 7777));
     SELECT marka || '|' || nom || '|' || massa FROM accounts_dep.izdel WHERE marka = 'МАРКА-1'" \
    "МАРКА-1|Группа|2.5"
expect_tx "a group added with caption and flag only is a level-2 group in use" $S \
    "INSERT INTO cmn_classifier.item (s_caption, b_excluded) VALUES ('Новая', 0);
     SELECT id_level || '|' || b_excluded FROM cmn_classifier.item WHERE s_caption = 'Новая'" \
    "2|0"
# Sequences are not rolled back; this check runs last on the schema database.
expect "ids 7777 and 7778 are never handed out by the key defaults" $S \
    "DO \$\$ BEGIN
        PERFORM setval('cmn_contractor.person_id_seq', 7775);
        PERFORM setval('cmn_classifier.item_id_seq', 7775);
        PERFORM setval('cmn_gds_and_srv.gds_and_srv_id_seq', 7775);
        PERFORM setval('accounts_dep.vid_oper_id_seq', 7775);
        PERFORM setval('accounts_dep.oper_id_seq', 7775);
        PERFORM setval('accounts_dep.norm_id_seq', 7775);
     END \$\$;
     INSERT INTO accounts_dep.person (fio) SELECT 'Р' || g FROM generate_series(1, 3) g;
     INSERT INTO cmn_classifier.item (s_caption) SELECT 'Г' || g FROM generate_series(1, 3) g;
     INSERT INTO cmn_gds_and_srv.gds_and_srv (s_caption) SELECT 'И' || g FROM generate_series(1, 3) g;
     INSERT INTO accounts_dep.vid_oper (vid) SELECT 'В' || g FROM generate_series(1, 3) g;
     INSERT INTO accounts_dep.oper (vid, i_id) SELECT 7776, 7776 FROM generate_series(1, 3) g;
     SELECT (SELECT string_agg(id::text, ',' ORDER BY id) FROM accounts_dep.person) || '|' ||
            (SELECT string_agg(id::text, ',' ORDER BY id) FROM cmn_classifier.item WHERE id <> 7777) || '|' ||
            (SELECT string_agg(id::text, ',' ORDER BY id) FROM cmn_gds_and_srv.gds_and_srv WHERE id < 7777 OR id > 7778) || '|' ||
            (SELECT string_agg(id::text, ',' ORDER BY id) FROM accounts_dep.vid_oper WHERE id < 7777 OR id > 7778) || '|' ||
            (SELECT string_agg(id::text, ',' ORDER BY id) FROM accounts_dep.oper WHERE id < 7777 OR id > 7778) || '|' ||
            (SELECT string_agg(id::text, ',' ORDER BY id) FROM accounts_dep.norm WHERE id < 7777 OR id > 7778)" \
    "7776,7779,7780|7776,7779,7780|7776,7779,7780|7776,7779,7780|7776,7779,7780|7776,7779,7780"

echo "# fixture: sequences"
# Runs before the reference checks, whose rolled-back inserts use up numbers.
expect "fixture sequences continue after the fixed ids" $F \
    "SELECT nextval('cmn_contractor.person_id_seq') || ',' || nextval('cmn_classifier.item_id_seq') || ',' ||
            nextval('cmn_gds_and_srv.gds_and_srv_id_seq') || ',' || nextval('accounts_dep.vid_oper_id_seq') || ',' ||
            nextval('accounts_dep.oper_id_seq') || ',' || nextval('accounts_dep.norm_id_seq') || ',' ||
            nextval(pg_get_serial_sequence('accounts_dep.smena', 'id')) || ',' ||
            nextval(pg_get_serial_sequence('accounts_dep.fatigue', 'id')) || ',' ||
            nextval(pg_get_serial_sequence('accounts_dep.h_tabel', 'id'))" \
    "6,4,6,5,7,9,10,5,9"

echo "# references (fixture database; every change rolled back)"
expect_refused "a worker with shift records cannot be deleted" $F \
    "DELETE FROM accounts_dep.person WHERE id = 1"
expect_refused "a worker with auxiliary work records cannot be deleted" $F \
    "DELETE FROM accounts_dep.smena WHERE w_id = 4; DELETE FROM accounts_dep.person WHERE id = 4"
expect_tx "a worker without records is deleted with its hours-grid rows and name" $F \
    "INSERT INTO accounts_dep.h_tabel (w_id, month, year, smena, d1) VALUES (5, 5, 2024, 1, 8);
     DELETE FROM accounts_dep.person WHERE id = 5;
     SELECT (SELECT count(*) FROM accounts_dep.h_tabel WHERE w_id = 5) || '|' ||
            (SELECT count(*) FROM cmn_contractor.person WHERE id = 5)" \
    "0|0"
expect_refused "an operation kind used by operations cannot be deleted" $F \
    "DELETE FROM accounts_dep.vid_oper WHERE id = 1"
expect_refused "operation kind 7777 used by auxiliary work records cannot be deleted" $F \
    "DELETE FROM accounts_dep.oper WHERE vid = 7777; DELETE FROM accounts_dep.vid_oper WHERE id = 7777"
expect_tx "an unused operation kind is deleted" $F \
    "DELETE FROM accounts_dep.vid_oper WHERE id = 4; SELECT count(*) FROM accounts_dep.vid_oper WHERE id = 4" "0"
expect_refused "an operation used by shift records cannot be deleted" $F \
    "DELETE FROM accounts_dep.oper WHERE id = 1"
expect_tx "an unused operation is deleted with its norm rows" $F \
    "DELETE FROM accounts_dep.oper WHERE id = 5; SELECT count(*) FROM accounts_dep.norm WHERE o_id = 5" "0"
expect_refused "an item with operations cannot be deleted" $F \
    "DELETE FROM cmn_gds_and_srv.gds_and_srv WHERE id = 4"
expect_tx "item delete: shift records, then operations, then the item" $F \
    "DELETE FROM accounts_dep.smena s WHERE s.i_id = 1;
     DELETE FROM accounts_dep.oper o WHERE o.i_id = 1;
     DELETE FROM cmn_gds_and_srv.gds_and_srv WHERE id = 1;
     SELECT count(*) FROM accounts_dep.izdel WHERE id = 1" "0"
expect_refused "item delete: operations still used by shift records are refused" $F \
    "DELETE FROM accounts_dep.oper o WHERE o.i_id = 1"
expect_tx "item delete of an item without shift records, operations first" $F \
    "DELETE FROM accounts_dep.oper o WHERE o.i_id = 4;
     DELETE FROM accounts_dep.smena s WHERE s.i_id = 4;
     DELETE FROM cmn_gds_and_srv.gds_and_srv WHERE id = 4;
     SELECT count(*) FROM accounts_dep.izdel WHERE id = 4" "0"
expect_refused "a group with items cannot be deleted" $F \
    "DELETE FROM cmn_classifier.item WHERE id = 2"
expect_refused "a group with auxiliary work records cannot be deleted" $F \
    "UPDATE cmn_gds_and_srv.gds_and_srv SET id_class_item = NULL WHERE id_class_item = 1;
     DELETE FROM cmn_classifier.item WHERE id = 1"
expect_tx "an unused group is deleted with derived hours-grid rows" $F \
    "INSERT INTO accounts_dep.h_tabel (w_id, month, year, i_type, i_night, id_nom, d1) VALUES (1, 5, 2024, 7777, 0, 3, 4);
     DELETE FROM cmn_classifier.item WHERE id = 3;
     SELECT count(*) FROM accounts_dep.h_tabel WHERE id_nom = 3" "0"
expect_refused "an auxiliary work record needs an existing worker" $F \
    "INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, cnt, price) VALUES (1, 7777, 999, '2024-05-06', 5, 2024, 1, 150)"
expect_refused "an auxiliary work record needs an existing work kind" $F \
    "INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, cnt, price) VALUES (1, 9999, 1, '2024-05-06', 5, 2024, 1, 150)"
expect_refused "an auxiliary work record needs an existing group" $F \
    "INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, cnt, price) VALUES (99, 7777, 1, '2024-05-06', 5, 2024, 1, 150)"
expect_refused "an item's group must exist" $F \
    "UPDATE cmn_gds_and_srv.gds_and_srv SET id_class_item = 99 WHERE id = 1"

echo "# fixture"
expect "fixture workers in Russian name order, mirrored" $F \
    "SELECT string_agg(p.id || ':' || c.s_code, ',' ORDER BY p.fio) FROM accounts_dep.person p JOIN cmn_contractor.person c ON c.id = p.id" \
    "5:5,4:4,1:1,3:3,2:2"
expect "fixture prices list: operations with norms and grouped items, lowest prices" $F \
    "SELECT string_agg(o.id || ':' || (SELECT min(price) FROM accounts_dep.norm n WHERE n.o_id = o.id), ',' ORDER BY o.id)
       FROM accounts_dep.oper o JOIN accounts_dep.izdel z ON z.id = o.i_id JOIN cmn_classifier.item i ON i.id = z.id_class_item
      WHERE EXISTS (SELECT 1 FROM accounts_dep.norm n WHERE n.o_id = o.id)" \
    "1:10.0000,2:25.0000,3:7.5000,4:40.0000,7777:150.0000,7778:0.0000"
expect "fixture journal of 2024-05-05, shift 1, without 'ta' and null" $F \
    "SELECT string_agg(id::text, ',' ORDER BY id) FROM accounts_dep.smena WHERE data = '2024-05-05' AND smena = 1 AND ok <> 'ta'" \
    "1,2,3"
expect "fixture shift records of each day and shift" $F \
    "SELECT string_agg(data || '/' || smena || ':' || n, ',' ORDER BY data, smena)
       FROM (SELECT data, smena, count(*) n FROM accounts_dep.smena GROUP BY 1, 2) x" \
    "2024-05-05/1:3,2024-05-05/2:1,2024-05-06/1:1,2024-05-06/2:2,2024-05-06/4:2"
# The hours grid must equal the sums of the records, cell by cell: shift rows
# from the shift records' hours, typed rows from the auxiliary work records.
GRID_CELLS="
  WITH cells AS (
    SELECT h.w_id, h.month, h.year, h.smena, h.i_type, h.i_night, coalesce(h.id_nom, 0) AS id_nom, c.day, c.hours
      FROM accounts_dep.h_tabel h
     CROSS JOIN LATERAL (VALUES (1,d1),(2,d2),(3,d3),(4,d4),(5,d5),(6,d6),(7,d7),(8,d8),(9,d9),(10,d10),
                                (11,d11),(12,d12),(13,d13),(14,d14),(15,d15),(16,d16),(17,d17),(18,d18),(19,d19),(20,d20),
                                (21,d21),(22,d22),(23,d23),(24,d24),(25,d25),(26,d26),(27,d27),(28,d28),(29,d29),(30,d30),
                                (31,d31)) AS c(day, hours)
     WHERE c.hours IS NOT NULL),
  sums AS (
    SELECT w_id, extract(month FROM data)::int, extract(year FROM data)::int, smena, 0, 0, 0::numeric,
           extract(day FROM data)::int, sum(time)::int
      FROM accounts_dep.smena GROUP BY 1, 2, 3, 4, 8
    UNION ALL
    SELECT id_p::int, i_mnth, i_year, 0, id_o::int, i_night, id_nom, extract(day FROM d_date)::int, sum(cnt)::int
      FROM accounts_dep.fatigue GROUP BY 1, 2, 3, 5, 6, 7, 8)
  SELECT (SELECT count(*) FROM (SELECT * FROM cells EXCEPT ALL SELECT * FROM sums) a) || '|' ||
         (SELECT count(*) FROM (SELECT * FROM sums EXCEPT ALL SELECT * FROM cells) b) || '|' ||
         (SELECT count(*) FROM (SELECT w_id, month, year, smena, i_type, i_night, id_nom FROM accounts_dep.h_tabel
                                 GROUP BY 1, 2, 3, 4, 5, 6, 7 HAVING count(*) > 1) c)"
expect "fixture hours grid equals the records (cells only in grid | only in records | duplicate rows)" $F "$GRID_CELLS" "0|0|0"

# The monthly average piece rate as the program's recalculation computes it.
AVG_RATE_DIFF="
  SELECT count(*) FROM accounts_dep.fatigue f
   WHERE f.id_o = 7778
     AND f.price <> coalesce((
          SELECT CASE WHEN coalesce(sum(s.time), 0) = 0 THEN 0
                      ELSE (sum((s.kol_vo - s.brak) * ((s.cena + s.cena * f.i_night * 0.2)
                              * (CASE WHEN f.i_holiday = 0 THEN 1 ELSE 2 END))) / sum(s.time))::numeric(10,2) END
            FROM accounts_dep.smena s
           WHERE s.w_id = f.id_p AND s.data >= make_date(f.i_year, f.i_mnth, 1)
             AND s.data < make_date(f.i_year, f.i_mnth, 1) + interval '1 month'), 0)"
expect "fixture average-piecework prices are the month's piece rates" $F "$AVG_RATE_DIFF" "0"

VIEW_SUMS="
  SELECT (SELECT count(*) FROM (
            SELECT id_nom, id_p, d_date, f_sum FROM accounts_dep.v_nom_f
            EXCEPT SELECT id_nom, id_p, d_date, sum(cnt * price) FROM accounts_dep.fatigue GROUP BY 1, 2, 3) a) || '|' ||
         (SELECT count(*) FROM (
            SELECT z.id_class_item, s.w_id, s.data, sum((s.kol_vo - s.brak) * s.cena::numeric)
              FROM accounts_dep.smena s JOIN accounts_dep.izdel z ON z.id = s.i_id GROUP BY 1, 2, 3
            EXCEPT SELECT id_nom, id_p, d_date, f_sum FROM accounts_dep.v_nom_s) b) || '|' ||
         (SELECT sum(f_sum) FROM accounts_dep.v_nom_f) || '|' || (SELECT sum(f_sum) FROM accounts_dep.v_nom_s)"
expect "fixture money views (v_nom_f, v_nom_s) equal the record sums" $F "$VIEW_SUMS" "0|0|1387.7500|1430.0"

echo "# demo workshop (loaded in ${demo_ms} ms with the schema)"
expect "demo sizes: workers, groups, excluded groups, items, kinds, operations" $D \
    "SELECT (SELECT count(*) FROM accounts_dep.person) || '|' ||
            (SELECT count(*) FROM cmn_classifier.item WHERE id < 7777) || '|' ||
            (SELECT count(*) FROM cmn_classifier.item WHERE id < 7777 AND b_excluded = 1) || '|' ||
            (SELECT count(*) FROM accounts_dep.izdel WHERE id < 7777) || '|' ||
            (SELECT count(*) FROM accounts_dep.vid_oper WHERE id < 7777) || '|' ||
            (SELECT count(*) FROM accounts_dep.vid_oper WHERE vid LIKE '%КРАСКА%') || '|' ||
            (SELECT count(*) > 300 FROM accounts_dep.oper)" \
    "40|8|1|60|20|3|true"
expect "demo operations have 1 to 3 norm rows" $D \
    "SELECT min(n) || '|' || max(n) FROM (SELECT o.id, count(n.id) n FROM accounts_dep.oper o
       LEFT JOIN accounts_dep.norm n ON n.o_id = o.id GROUP BY o.id) x" "1|3"
expect "demo has shift records of today in shifts 1, 2, 3 and 4" $D \
    "SELECT string_agg(DISTINCT smena::text, ',') FROM accounts_dep.smena WHERE data = CURRENT_DATE" "1,2,3,4"
expect "demo covers three months up to today" $D \
    "SELECT (min(data) = (date_trunc('month', CURRENT_DATE) - interval '2 months')::date) || '|' || (max(data) = CURRENT_DATE)
       FROM accounts_dep.smena" "true|true"
expect "demo has no duplicate shift records (worker, operation, item, date, shift, colour)" $D \
    "SELECT count(*) FROM (SELECT 1 FROM accounts_dep.smena GROUP BY w_id, o_id, i_id, data, smena, color HAVING count(*) > 1) x" "0"
expect "demo colours: painting operations have one, others none" $D \
    "SELECT count(*) FROM accounts_dep.smena s JOIN accounts_dep.oper o ON o.id = s.o_id JOIN accounts_dep.vid_oper v ON v.id = o.vid
      WHERE (upper(v.vid) LIKE '%КРАСКА%') <> (s.color > 0)" "0"
expect "demo prices: lowest norm price x2 on days off, x1.2 shift 3, x1.5 overtime" $D \
    "SELECT count(*) FROM accounts_dep.smena s
      WHERE s.cena <> round(((SELECT min(price) FROM accounts_dep.norm n WHERE n.o_id = s.o_id)
                   * (CASE WHEN extract(isodow FROM s.data) >= 6 THEN 2 ELSE 1 END)
                   * (CASE s.smena WHEN 3 THEN 1.2 WHEN 4 THEN 1.5 ELSE 1 END))::numeric, 4)::double precision" "0"
expect "demo acceptance: older records mostly accepted, last week's mostly not" $D \
    "SELECT (avg((ok IN ('ok', 'да'))::int) FILTER (WHERE data < CURRENT_DATE - 7) > 0.9) || '|' ||
            (avg((ok = 'no')::int) FILTER (WHERE data > CURRENT_DATE - 7) > 0.6) FROM accounts_dep.smena" "true|true"
expect "demo auxiliary works of both kinds, by day and by night" $D \
    "SELECT string_agg(DISTINCT id_o || '/' || i_night, ',') FROM accounts_dep.fatigue" "7777/0,7777/1,7778/0,7778/1"
expect "demo hours grid equals the records (cells only in grid | only in records | duplicate rows)" $D "$GRID_CELLS" "0|0|0"
expect "demo average-piecework prices are the month's piece rates" $D "$AVG_RATE_DIFF" "0"
expect "demo has no record booked to a retired group" $D \
    "SELECT (SELECT count(*) FROM accounts_dep.smena s JOIN accounts_dep.izdel z ON z.id = s.i_id
              JOIN cmn_classifier.item i ON i.id = z.id_class_item WHERE i.b_excluded = 1) +
            (SELECT count(*) FROM accounts_dep.fatigue f JOIN cmn_classifier.item i ON i.id = f.id_nom WHERE i.b_excluded = 1)" "0"
DEMO_HASH="
  SELECT md5(concat_ws('#',
    (SELECT string_agg(concat_ws(':', id, fio), ',' ORDER BY id) FROM accounts_dep.person),
    (SELECT string_agg(concat_ws(':', o.id, o.vid, o.naimen, o.i_id, n.id, n.norma, n.price), ',' ORDER BY n.id)
       FROM accounts_dep.oper o JOIN accounts_dep.norm n ON n.o_id = o.id),
    (SELECT string_agg(concat_ws(':', id, w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok), ',' ORDER BY id)
       FROM accounts_dep.smena),
    (SELECT string_agg(concat_ws(':', id, id_nom, id_o, id_p, d_date, cnt, price, i_holiday, i_night), ',' ORDER BY id)
       FROM accounts_dep.fatigue),
    (SELECT string_agg(h::text, ',' ORDER BY id) FROM accounts_dep.h_tabel h)))"
if create chk_demo2 --demo; then
    expect "demo loads the same workshop every time" chk_demo2 "$DEMO_HASH" "$(q $D "$DEMO_HASH")"
else
    fail "demo loads the same workshop every time" "second load failed: $(cat "$WORK/create.log")"
fi

echo "# db-create"
if "$DB_CREATE" --host "$SOCK" chk_fixture --fixture --if-missing 2>/dev/null &&
   [ "$(q $F 'SELECT count(*) FROM accounts_dep.smena')" = 9 ]; then
    pass "db-create --if-missing leaves an existing database as it is"
else
    fail "db-create --if-missing leaves an existing database as it is"
fi
if ! "$DB_CREATE" --host "$SOCK" chk_fixture --fixture 2>/dev/null &&
   [ "$(q $F 'SELECT count(*) FROM accounts_dep.smena')" = 9 ]; then
    pass "db-create refuses an existing database without --if-missing and keeps it"
else
    fail "db-create refuses an existing database without --if-missing and keeps it"
fi
# A copy of the tree whose schema has a broken last file.
mkdir -p "$WORK/tree/scripts" "$WORK/tree/db" "$WORK/tree/tests"
cp "$DB_CREATE" "$WORK/tree/scripts/"
cp -r "$ROOT/db/schema" "$WORK/tree/db/"
echo "SELECT no_such_function();" >"$WORK/tree/db/schema/99_broken.sql"
if ! "$WORK/tree/scripts/db-create" --host "$SOCK" chk_broken 2>/dev/null &&
   [ "$(q postgres "SELECT count(*) FROM pg_database WHERE datname = 'chk_broken'")" = 0 ]; then
    pass "db-create drops the half-made database when a file fails"
else
    fail "db-create drops the half-made database when a file fails"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
