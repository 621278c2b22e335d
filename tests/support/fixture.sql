-- Test data shared by the test programs, applied after db/schema/*.sql.
-- Every id and date is fixed; tests refer to them. docs/database.md lists
-- the same data.
--
-- Workers (accounts_dep.person, mirrored into cmn_contractor.person):
--   1 Иванов Иван Иванович      2 Петрова Анна Сергеевна
--   3 О'Брайен Патрик Иванович  4 Ёлкин Сергей Петрович
--   5 Авдеев Олег Николаевич (no records: can be deleted)
-- Nomenclature groups (cmn_classifier.item, level 2):
--   1 Стеллажи, 2 Шкафы, 3 Архив (b_excluded = 1, nothing refers to it);
--   7777 Вспомогательные работы (reserved, from the schema, excluded)
-- Items (cmn_gds_and_srv.gds_and_srv, seen through accounts_dep.izdel):
--   1 СТ-100 (group 1, massa 0.5)   2 СТ-200 (group 1, massa 1.25)
--   3 ШК-10 (group 2, massa 2)      4 ШК-20 (group 2, massa 3)
--   5 ПОЛКА-Б/Г (no group, massa 1)
-- Operation kinds (accounts_dep.vid_oper):
--   1 РЕЗКА, 2 СВАРКА, 3 ПОКРАСКА (painting), 4 УПАКОВКА (unused)
-- Operations (accounts_dep.oper) and norm rows (accounts_dep.norm):
--   1 РЕЗКА    item 1 blanks    norms 1 (100 pcs, 12.50), 2 (120 pcs, 10.00)  lowest 10.00
--   2 СВАРКА   item 1 finished  norm  3 (20 pcs, 25.00), cena_new 25.00     lowest 25.00
--   3 ПОКРАСКА item 2 finished  norms 4 (50, 8.00), 5 (60, 7.50), 6 (40, 9.00) lowest 7.50
--   4 РЕЗКА    item 3 finished  norm  7 (10 pcs, 40.00)                     lowest 40.00
--   5 РЕЗКА    item 5 finished  norm  8 (200 pcs, 3.00)  item without group: not in the prices list
--   6 СВАРКА   item 4 finished  no norm row: not in the prices list
-- Shift records (accounts_dep.smena); 2024-05-05 is a Sunday (prices x2),
-- shift 4 is overtime (prices x1.5); nothing in shift 3:
--   id date       shift worker item oper qty brak price colour hours ok
--   1  2024-05-05 1     1      1    1    10  0    20.00  0      8     ok
--   2  2024-05-05 1     2      2    3    20  1    15.00  5      4     no
--   3  2024-05-05 1     2      2    3    10  0    15.00  1      4     да
--   4  2024-05-05 2     3      1    2    5   0    50.00  0      8     ta  (never listed)
--   5  2024-05-06 1     1      3    4    3   0    40.00  0      8     no
--   6  2024-05-06 2     3      1    2    6   0    25.00  0      4     null (never listed)
--   7  2024-05-06 4     4      1    1    8   0    15.00  0      3     no
--   8  2024-05-06 4     1      1    2    2   0    37.50  0      2     ok
--   9  2024-05-06 2     3      3    4    2   0    40.00  0      4     no
-- Auxiliary work records (accounts_dep.fatigue), May 2024:
--   id kind worker group date       hours price  day off night
--   1  7777 4      1     2024-05-06 4     150.00 0       0
--   2  7777 4      1     2024-05-05 2     300.00 1       0
--   3  7778 1      2     2024-05-06 3     26.33  0       1
--   4  7778 2      1     2024-05-06 2     54.38  0       0
--   The 7778 prices are what the average-rate recalculation of May 2024
--   writes: worker 1 earned 395.00 in 18 h (x1.2 at night), worker 2
--   435.00 in 8 h.
-- Hours grid (accounts_dep.h_tabel), May 2024, consistent with the records:
--   1 worker 1 shift 1: d5 8, d6 8       2 worker 2 shift 1: d5 8
--   3 worker 3 shift 2: d5 8, d6 8       4 worker 4 shift 4: d6 3
--   5 worker 1 shift 4: d6 2
--   6 worker 4 type 7777 day   group 1: d5 2, d6 4
--   7 worker 1 type 7778 night group 2: d6 3
--   8 worker 2 type 7778 day   group 1: d6 2
-- Sequences continue after the largest fixed id of each table.

INSERT INTO accounts_dep.person (id, fio, s_staffpos_hl) VALUES
    (1, 'Иванов Иван Иванович',     'Заготовительный участок'),
    (2, 'Петрова Анна Сергеевна',   'Участок покраски'),
    (3, 'О''Брайен Патрик Иванович', 'Сварочный участок'),
    (4, 'Ёлкин Сергей Петрович',    'Сборочный участок'),
    (5, 'Авдеев Олег Николаевич',   'Склад готовой продукции');

INSERT INTO cmn_classifier.item (id, id_level, s_code, s_caption, b_excluded) VALUES
    (1, 2, '1', 'Стеллажи', 0),
    (2, 2, '2', 'Шкафы',    0),
    (3, 2, '3', 'Архив',    1);

INSERT INTO cmn_gds_and_srv.gds_and_srv (id, s_caption, s_description, id_msm_bs, massa, id_class_item) VALUES
    (1, 'СТ-100',    '', 6, 0.5,  1),
    (2, 'СТ-200',    '', 6, 1.25, 1),
    (3, 'ШК-10',     '', 6, 2,    2),
    (4, 'ШК-20',     '', 6, 3,    2),
    (5, 'ПОЛКА-Б/Г', '', 6, 1,    NULL);

INSERT INTO accounts_dep.vid_oper (id, vid) VALUES
    (1, 'РЕЗКА'),
    (2, 'СВАРКА'),
    (3, 'ПОКРАСКА'),
    (4, 'УПАКОВКА');

INSERT INTO accounts_dep.oper (id, vid, naimen, i_id, cena_new) VALUES
    (1, 1, 1, 1, 0),
    (2, 2, 0, 1, 25.00),
    (3, 3, 0, 2, 0),
    (4, 1, 0, 3, 0),
    (5, 1, 0, 5, 0),
    (6, 2, 0, 4, 0);

-- The database gives every new operation a first norm row; the fixture sets
-- its own norm rows instead, and leaves operation 6 without any.
DELETE FROM accounts_dep.norm WHERE o_id BETWEEN 1 AND 6;
INSERT INTO accounts_dep.norm (id, o_id, norma, prize, price) VALUES
    (1, 1, 100, 0, 12.50),
    (2, 1, 120, 5, 10.00),
    (3, 2, 20,  0, 25.00),
    (4, 3, 50,  0, 8.00),
    (5, 3, 60,  0, 7.50),
    (6, 3, 40,  0, 9.00),
    (7, 4, 10,  0, 40.00),
    (8, 5, 200, 0, 3.00);

INSERT INTO accounts_dep.smena (id, w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok,
                                prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) VALUES
    (1, 1, 1, 1, 20.00, 10, 0, '2024-05-05', 1, 0, 8, '2024-05-05', 'ok', 0, 0, 0, 0, 0, 0),
    (2, 2, 2, 3, 15.00, 20, 1, '2024-05-05', 1, 5, 4, '2024-05-05', 'no', 0, 0, 0, 0, 0, 0),
    (3, 2, 2, 3, 15.00, 10, 0, '2024-05-05', 1, 1, 4, '2024-05-05', 'да', 0, 0, 0, 0, 0, 0),
    (4, 3, 1, 2, 50.00, 5,  0, '2024-05-05', 2, 0, 8, '2024-05-05', 'ta', 0, 0, 0, 0, 0, 0),
    (5, 1, 3, 4, 40.00, 3,  0, '2024-05-06', 1, 0, 8, '2024-05-06', 'no', 0, 0, 0, 0, 0, 0),
    (6, 3, 1, 2, 25.00, 6,  0, '2024-05-06', 2, 0, 4, '2024-05-06', NULL, 0, 0, 0, 0, 0, 0),
    (7, 4, 1, 1, 15.00, 8,  0, '2024-05-06', 4, 0, 3, '2024-05-06', 'no', 0, 0, 0, 0, 0, 0),
    (8, 1, 1, 2, 37.50, 2,  0, '2024-05-06', 4, 0, 2, '2024-05-06', 'ok', 0, 0, 0, 0, 0, 0),
    (9, 3, 3, 4, 40.00, 2,  0, '2024-05-06', 2, 0, 4, '2024-05-06', 'no', 0, 0, 0, 0, 0, 0);

INSERT INTO accounts_dep.fatigue (id, id_nom, id_o, id_p, d_date, i_mnth, i_year, i_smena, cnt, price, i_holiday, i_night) VALUES
    (1, 1, 7777, 4, '2024-05-06', 5, 2024, 1, 4, 150.00, 0, 0),
    (2, 1, 7777, 4, '2024-05-05', 5, 2024, 1, 2, 300.00, 1, 0),
    (3, 2, 7778, 1, '2024-05-06', 5, 2024, 1, 3, 26.33,  0, 1),
    (4, 1, 7778, 2, '2024-05-06', 5, 2024, 1, 2, 54.38,  0, 0);

INSERT INTO accounts_dep.h_tabel (id, w_id, month, year, smena, i_type, i_night, id_nom, d5, d6) VALUES
    (1, 1, 5, 2024, 1, 0,    0, NULL, 8,    8),
    (2, 2, 5, 2024, 1, 0,    0, NULL, 8,    NULL),
    (3, 3, 5, 2024, 2, 0,    0, NULL, 8,    8),
    (4, 4, 5, 2024, 4, 0,    0, NULL, NULL, 3),
    (5, 1, 5, 2024, 4, 0,    0, NULL, NULL, 2),
    (6, 4, 5, 2024, 0, 7777, 0, 1,    2,    4),
    (7, 1, 5, 2024, 0, 7778, 1, 2,    NULL, 3),
    (8, 2, 5, 2024, 0, 7778, 0, 1,    NULL, 2);

-- New rows made by the tests get ids after the fixed ones.
DO $$
BEGIN
    PERFORM setval('cmn_contractor.person_id_seq', 5);
    PERFORM setval('cmn_classifier.item_id_seq', 3);
    PERFORM setval('cmn_gds_and_srv.gds_and_srv_id_seq', 5);
    PERFORM setval('accounts_dep.vid_oper_id_seq', 4);
    PERFORM setval('accounts_dep.oper_id_seq', 6);
    PERFORM setval('accounts_dep.norm_id_seq', 8);
    PERFORM setval(pg_get_serial_sequence('accounts_dep.smena', 'id'), 9);
    PERFORM setval(pg_get_serial_sequence('accounts_dep.fatigue', 'id'), 4);
    PERFORM setval(pg_get_serial_sequence('accounts_dep.h_tabel', 'id'), 8);
END
$$;
