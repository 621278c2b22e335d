-- Rows every installation holds: the pseudo records of the two kinds of
-- hourly work, the version row, and the installation's reference lists that
-- the worker editor reads.

-- The pseudo records of hourly work. 7777: auxiliary works ("хоз. работы"),
-- paid per hour at a fixed base price; 7778: average piecework
-- ("среднесдельная"), paid per hour at the worker's average piece rate of
-- the month, which the average-rate recalculation writes into the records
-- (its base price is a placeholder until then). The base price of a kind is
-- the price of its operation's one norm row. The two items belong to a
-- nomenclature group of their own, retired (b_excluded = 1) so that no item
-- or auxiliary work record can be booked to it, but present so that the
-- pseudo operations appear in the prices list.
INSERT INTO cmn_classifier.item (id, id_level, s_code, s_caption, s_description, b_excluded)
VALUES (7777, 2, '7777', 'Вспомогательные работы',
        'Группа служебных изделий почасовых работ', 1);

INSERT INTO cmn_gds_and_srv.gds_and_srv (id, s_caption, s_description, id_msm_bs, massa, id_class_item)
VALUES (7777, 'ХОЗ. РАБОТЫ', '', 6, 0, 7777),
       (7778, 'СРЕДНЕСДЕЛЬНАЯ', '', 6, 0, 7777);

INSERT INTO accounts_dep.vid_oper (id, vid)
VALUES (7777, 'ХОЗ. РАБОТЫ'),
       (7778, 'СРЕДНЕСДЕЛЬНАЯ');

-- Each insert also creates the operation's norm row with cena_new as its
-- price (05_rules.sql); the norm rows then take the reserved ids as well.
INSERT INTO accounts_dep.oper (id, vid, naimen, i_id, cena_new)
VALUES (7777, 7777, 0, 7777, 150.00),
       (7778, 7778, 0, 7778, 0.00);
UPDATE accounts_dep.norm SET id = o_id, norma = 1 WHERE o_id IN (7777, 7778);
DO $$ BEGIN PERFORM setval('accounts_dep.norm_id_seq', 1, false); END $$;

-- The version row: no build has run yet, so the first one records itself.
-- The database expects a full stop as decimal delimiter.
INSERT INTO accounts_dep.ver (d, t, delim) VALUES (0, 0, '.');

-- Reference lists of the installation (departments, staff positions, roles).
INSERT INTO cmn_department.department (id, id_branch, id_parent, s_code, s_caption, s_description)
VALUES (1, 1, NULL, '01', 'Цех металлоизделий', 'Производственный цех'),
       (2, 1, 1,    '02', 'Заготовительный участок', NULL),
       (3, 1, 1,    '03', 'Сварочный участок', NULL),
       (4, 1, 1,    '04', 'Участок покраски', NULL),
       (5, 1, 1,    '05', 'Сборочный участок', NULL),
       (6, 1, 1,    '06', 'Склад готовой продукции', NULL),
       (7, 1, NULL, '07', 'Заводоуправление', NULL);

INSERT INTO hrms_staffpos.staffpos (id, id_department, s_code, s_caption, d_begin, d_end, s_description)
VALUES (1, 2, '101', 'Резчик металла',     '2010-01-01', NULL, NULL),
       (2, 2, '102', 'Штамповщик',         '2010-01-01', NULL, NULL),
       (3, 3, '103', 'Электросварщик',     '2010-01-01', NULL, NULL),
       (4, 4, '104', 'Маляр',              '2010-01-01', NULL, NULL),
       (5, 5, '105', 'Слесарь-сборщик',    '2010-01-01', NULL, NULL),
       (6, 6, '106', 'Упаковщик',          '2010-01-01', NULL, NULL),
       (7, 1, '107', 'Мастер смены',       '2010-01-01', NULL, NULL),
       (8, 6, '108', 'Кладовщик',          '2010-01-01', NULL, NULL),
       (9, 7, '109', 'Инженер-нормировщик','2010-01-01', NULL, NULL);

INSERT INTO adm_role.roles (id, s_name, s_caption, d_begin, d_end, b_active)
VALUES (1, 'admin',       'Администратор', '2010-01-01', NULL, true),
       (2, 'planner',     'Плановик',      '2010-01-01', NULL, true),
       (3, 'master',      'Мастер смены',  '2010-01-01', NULL, true),
       (4, 'storekeeper', 'Кладовщик',     '2010-01-01', NULL, true),
       (5, 'worker',      'Рабочий',       '2010-01-01', NULL, true);
