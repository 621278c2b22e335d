-- Demo workshop, reference data. A metalwork shop making shelving,
-- cabinets, safes, workbenches, fences and parts: 40 workers in five
-- departments, 8 nomenclature groups (one retired), 60 items, 20 operation
-- kinds, an operation route per item with 1 to 3 norm rows per operation.
-- Applied after db/schema/*.sql; every value is fixed or derived by hashing,
-- so each load gives the same workshop.

-- A number in [0, 1) derived from the given keys: the same keys always give
-- the same number.
CREATE FUNCTION pg_temp.rnd(VARIADIC keys text[]) RETURNS double precision
    LANGUAGE sql IMMUTABLE AS $$
    SELECT ('x' || substr(md5(array_to_string(keys, '|')), 1, 8))::bit(32)::bigint / 4294967296.0
$$;

-- Workers: number, name, department (cmn_department.department.id).
CREATE TEMP TABLE demo_worker (id integer PRIMARY KEY, fio text, dept integer);
INSERT INTO demo_worker (id, fio, dept) VALUES
    ( 1, 'Смирнов Алексей Викторович',       2),
    ( 2, 'Кузнецов Дмитрий Сергеевич',       2),
    ( 3, 'Попов Андрей Николаевич',          2),
    ( 4, 'Васильев Игорь Петрович',          2),
    ( 5, 'Соколов Михаил Александрович',     2),
    ( 6, 'Михайлов Николай Иванович',        2),
    ( 7, 'Новиков Сергей Владимирович',      2),
    ( 8, 'Фёдоров Павел Андреевич',          2),
    ( 9, 'Морозов Виктор Геннадьевич',       2),
    (10, 'Волков Евгений Олегович',          2),
    (11, 'Алексеев Роман Юрьевич',           3),
    (12, 'Лебедев Константин Михайлович',    3),
    (13, 'Семёнов Артём Валерьевич',         3),
    (14, 'Егоров Владимир Степанович',       3),
    (15, 'Павлов Юрий Анатольевич',          3),
    (16, 'Козлов Денис Игоревич',            3),
    (17, 'Степанов Максим Романович',        3),
    (18, 'Николаев Григорий Васильевич',     3),
    (19, 'Орлов Антон Борисович',            3),
    (20, 'Андреев Станислав Ильич',          3),
    (21, 'Макарова Ольга Викторовна',        4),
    (22, 'Никитина Татьяна Сергеевна',       4),
    (23, 'Захарова Елена Николаевна',        4),
    (24, 'Зайцева Наталья Петровна',         4),
    (25, 'Соловьёв Илья Дмитриевич',         4),
    (26, 'Борисова Ирина Александровна',     4),
    (27, 'Яковлев Олег Владимирович',        4),
    (28, 'Григорьева Светлана Юрьевна',      4),
    (29, 'Романов Вячеслав Андреевич',       5),
    (30, 'Воробьёв Кирилл Евгеньевич',       5),
    (31, 'Сергеев Валентин Павлович',        5),
    (32, 'Кузьмина Людмила Ивановна',        5),
    (33, 'Фролов Аркадий Леонидович',        5),
    (34, 'Александров Тимур Рашидович',      5),
    (35, 'Дмитриев Глеб Олегович',           5),
    (36, 'Королёва Марина Викторовна',       5),
    (37, 'Гусев Пётр Фёдорович',             6),
    (38, 'Киселёв Василий Семёнович',        6),
    (39, 'Ильин Анатолий Михайлович',        6),
    (40, 'Ёлкина Валентина Григорьевна',     6);

INSERT INTO accounts_dep.person (id, fio, s_staffpos_hl)
SELECT w.id, w.fio, d.s_caption
  FROM demo_worker w JOIN cmn_department.department d ON d.id = w.dept
 ORDER BY w.id;

-- Nomenclature groups; group 8 is no longer produced.
INSERT INTO cmn_classifier.item (id, id_level, s_code, s_caption, b_excluded) VALUES
    (1, 2, '01', 'Стеллажи металлические', 0),
    (2, 2, '02', 'Шкафы архивные',         0),
    (3, 2, '03', 'Шкафы для одежды',       0),
    (4, 2, '04', 'Сейфы',                  0),
    (5, 2, '05', 'Верстаки',               0),
    (6, 2, '06', 'Ограждения',             0),
    (7, 2, '07', 'Комплектующие',          0),
    (8, 2, '08', 'Снято с производства',   1);

-- Items: mark, group, massa (packing boxes per piece, the factor the product
-- reports multiply the quantity by).
INSERT INTO cmn_gds_and_srv.gds_and_srv (id, s_caption, s_description, id_msm_bs, massa, id_class_item) VALUES
    ( 1, 'СТ-1000х300',   '', 6, 0.8,  1),
    ( 2, 'СТ-1000х400',   '', 6, 0.9,  1),
    ( 3, 'СТ-1500х500',   '', 6, 1.2,  1),
    ( 4, 'СТ-2000х500',   '', 6, 1.4,  1),
    ( 5, 'СТ-2000х600',   '', 6, 1.6,  1),
    ( 6, 'СТА-1800',      '', 6, 1.5,  1),
    ( 7, 'СТ-П-2200',     '', 6, 1.7,  1),
    ( 8, 'СТ-У-1200',     '', 6, 1.0,  1),
    ( 9, 'ША-01',         '', 6, 1.0,  2),
    (10, 'ША-02',         '', 6, 1.1,  2),
    (11, 'ША-11',         '', 6, 1.3,  2),
    (12, 'ША-12',         '', 6, 1.4,  2),
    (13, 'ША-21',         '', 6, 1.6,  2),
    (14, 'ША-22',         '', 6, 1.8,  2),
    (15, 'ША-32',         '', 6, 2.0,  2),
    (16, 'ША-45',         '', 6, 2.2,  2),
    (17, 'ШРМ-11',        '', 6, 1.0,  3),
    (18, 'ШРМ-21',        '', 6, 1.2,  3),
    (19, 'ШРМ-22',        '', 6, 1.4,  3),
    (20, 'ШРМ-24',        '', 6, 1.8,  3),
    (21, 'ШРМ-26',        '', 6, 2.1,  3),
    (22, 'ШРМ-АК',        '', 6, 1.5,  3),
    (23, 'ШРМ-С',         '', 6, 1.3,  3),
    (24, 'СФ-20',         '', 6, 0.6,  4),
    (25, 'СФ-30',         '', 6, 0.8,  4),
    (26, 'СФ-45',         '', 6, 1.1,  4),
    (27, 'СФ-65',         '', 6, 1.5,  4),
    (28, 'СФ-90',         '', 6, 1.9,  4),
    (29, 'СФ-120',        '', 6, 2.5,  4),
    (30, 'СФ-К1',         '', 6, 1.2,  4),
    (31, 'ВС-1200',       '', 6, 1.5,  5),
    (32, 'ВС-1500',       '', 6, 1.8,  5),
    (33, 'ВС-1800',       '', 6, 2.1,  5),
    (34, 'ВС-2000-2Т',    '', 6, 2.5,  5),
    (35, 'ВС-М1',         '', 6, 1.6,  5),
    (36, 'ВС-М2',         '', 6, 1.9,  5),
    (37, 'ОГ-ПС-2000',    '', 6, 0.9,  6),
    (38, 'ОГ-ПС-2500',    '', 6, 1.1,  6),
    (39, 'ОГ-СК-1500',    '', 6, 0.8,  6),
    (40, 'ОГ-Л-1200',     '', 6, 0.7,  6),
    (41, 'ОГ-ВР-3000',    '', 6, 1.5,  6),
    (42, 'ОГ-КЛ-1000',    '', 6, 0.7,  6),
    (43, 'ОГ-Р-2000',     '', 6, 1.0,  6),
    (44, 'ПОЛКА-1000',    '', 6, 0.25, 7),
    (45, 'ПОЛКА-1500',    '', 6, 0.3,  7),
    (46, 'СТОЙКА-2000',   '', 6, 0.2,  7),
    (47, 'СТОЙКА-2500',   '', 6, 0.25, 7),
    (48, 'КРОНШТЕЙН-300', '', 6, 0.05, 7),
    (49, 'КРОНШТЕЙН-400', '', 6, 0.06, 7),
    (50, 'ЗАМОК-ПЛ',      '', 6, 0.02, 7),
    (51, 'ПЕТЛЯ-Н',       '', 6, 0.02, 7),
    (52, 'РИГЕЛЬ-50',     '', 6, 0.03, 7),
    (53, 'ОПОРА-Р',       '', 6, 0.04, 7),
    (54, 'ЯЩИК-ВЫД-1',    '', 6, 0.3,  7),
    (55, 'ЯЩИК-ВЫД-2',    '', 6, 0.35, 7),
    (56, 'СТ-СТАР-1',     '', 6, 1.2,  8),
    (57, 'ШРМ-ОЛД',       '', 6, 1.4,  8),
    (58, 'СФ-10',         '', 6, 0.5,  8),
    (59, 'ВС-900',        '', 6, 1.2,  8),
    (60, 'ОГ-СТАР',       '', 6, 0.9,  8);

-- Operation kinds: name, base price of a piece for an item of massa 0.5,
-- the department whose workers do it. Names containing "КРАСКА" are
-- painting operations and carry a colour.
CREATE TEMP TABLE demo_kind (id integer PRIMARY KEY, vid text, base numeric, dept integer);
INSERT INTO demo_kind (id, vid, base, dept) VALUES
    ( 1, 'РЕЗКА ЛИСТА',          6.50, 2),
    ( 2, 'РЕЗКА ТРУБЫ',          5.80, 2),
    ( 3, 'ГИБКА',                4.20, 2),
    ( 4, 'ШТАМПОВКА',            3.10, 2),
    ( 5, 'ПРОБИВКА ОТВЕРСТИЙ',   2.60, 2),
    ( 6, 'СВЕРЛОВКА',            2.90, 2),
    ( 7, 'СВАРКА ПОЛУАВТОМАТОМ', 18.00, 3),
    ( 8, 'СВАРКА ТОЧЕЧНАЯ',      9.50, 3),
    ( 9, 'ЗАЧИСТКА ШВОВ',        7.20, 3),
    (10, 'РИХТОВКА',             6.00, 3),
    (11, 'ОБЕЗЖИРИВАНИЕ',        2.40, 4),
    (12, 'ПОКРАСКА ПОРОШКОВАЯ',  14.00, 4),
    (13, 'ПОКРАСКА ЖИДКАЯ',      16.50, 4),
    (14, 'ПОДКРАСКА',            5.50, 4),
    (15, 'СБОРКА',               22.00, 5),
    (16, 'УСТАНОВКА ФУРНИТУРЫ',  8.40, 5),
    (17, 'МАРКИРОВКА',           1.80, 5),
    (18, 'УПАКОВКА',             3.60, 6),
    (19, 'ФРЕЗЕРОВКА',           11.00, 2),
    (20, 'ТОКАРНАЯ ОБРАБОТКА',   12.50, 2);

INSERT INTO accounts_dep.vid_oper (id, vid)
SELECT id, vid FROM demo_kind ORDER BY id;

-- The route of each group: the operation kinds its items pass through.
-- Kinds of the blank-making departments produce blanks (naimen 1), the rest
-- finished goods (naimen 0); parts are blanks throughout but for packing.
CREATE TEMP TABLE demo_route (grp integer, kind integer);
INSERT INTO demo_route (grp, kind)
SELECT g, unnest(r) FROM (VALUES
    (1, ARRAY[1, 3, 5, 8, 11, 12, 15, 18]),
    (2, ARRAY[1, 3, 4, 8, 9, 11, 12, 16, 18]),
    (3, ARRAY[1, 3, 5, 8, 11, 12, 15, 16, 17, 18]),
    (4, ARRAY[1, 3, 7, 9, 10, 13, 14, 16, 17, 18]),
    (5, ARRAY[2, 1, 6, 7, 9, 12, 15, 18]),
    (6, ARRAY[2, 7, 9, 10, 13, 14, 18]),
    (7, ARRAY[1, 4, 5, 6, 19, 20, 12, 18]),
    (8, ARRAY[1, 7, 12, 18])
) AS r(g, r);

-- Operations: the route of the item's group. Parts take only some steps of
-- the parts route (chosen by hashing). cena_new, the price of the prices
-- export, is the base norm price of the operation; the database turns it
-- into the operation's first norm row.
CREATE TEMP TABLE demo_oper AS
SELECT row_number() OVER (ORDER BY g.id, r.kind)::integer AS id,
       r.kind AS vid,
       (CASE WHEN k.dept = 2 OR (g.id_class_item = 7 AND r.kind <> 18) THEN 1 ELSE 0 END)::smallint AS naimen,
       g.id::integer AS i_id,
       round(k.base * (0.5 + g.massa) * (0.85 + 0.3 * pg_temp.rnd('price', g.id::text, r.kind::text))::numeric, 2) AS price
  FROM cmn_gds_and_srv.gds_and_srv g
  JOIN demo_route r ON r.grp = g.id_class_item
  JOIN demo_kind k ON k.id = r.kind
 WHERE g.id < 7777
   AND (g.id_class_item <> 7 OR r.kind IN (12, 18)
        OR pg_temp.rnd('part', g.id::text, r.kind::text) < 0.5);

INSERT INTO accounts_dep.oper (id, vid, naimen, i_id, cena_new)
SELECT id, vid, naimen, i_id, price FROM demo_oper ORDER BY id;

-- Norm rows: the first one (made by the database) gets its norm quantity,
-- the quantity worth a shift at about 300 roubles an hour; some operations
-- get one or two more rows with higher prices for larger batches.
UPDATE accounts_dep.norm n
   SET norma = greatest(1, round(2400 / o.price))::integer
  FROM demo_oper o
 WHERE n.o_id = o.id;

INSERT INTO accounts_dep.norm (o_id, norma, prize, price)
SELECT o.id,
       greatest(1, round(2400 / o.price * (1 + 0.25 * x)))::integer,
       (CASE WHEN x = 2 THEN 5 ELSE 0 END),
       round(o.price * (1 + 0.08 * x + 0.1 * pg_temp.rnd('norm', o.id::text, x::text))::numeric, 2)
  FROM demo_oper o
 CROSS JOIN generate_series(1, 2) x
 WHERE x <= floor(3 * pg_temp.rnd('norms', o.id::text))
 ORDER BY o.id, x;
