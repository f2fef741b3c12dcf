-- ZEMRA.ERP demo data: a small metalworking plant that makes brackets and
-- shelving posts from sheet steel and profile pipe and paints them in RAL
-- colours. Load after schema.sql:
--   psql -v ON_ERROR_STOP=1 -d <db> -f db/demo.sql
-- Ids are given explicitly so the rows can name each other; the key
-- sequences are moved past them at the end.

\set ON_ERROR_STOP on

BEGIN;

SET LOCAL client_min_messages = warning;
SET LOCAL datestyle = 'ISO, DMY';

-- Departments; one warehouse of each kind.
INSERT INTO cmn_department.department(id, s_caption, s_description, id_parent, type, s_type) VALUES
    (1,  'Администрация',               'Дирекция завода',                       0, -1, ''),
    (2,  'Производственный цех',        'Цех металлоконструкций',                1, -1, ''),
    (3,  'Участок заготовки',           'Резка и пробивка листа',                2, -1, ''),
    (4,  'Участок сварки и сборки',     '',                                      2, -1, ''),
    (5,  'Участок покраски',            'Порошковая окраска',                    2, -1, ''),
    (6,  'Склад готовой продукции',     '',                                      1,  0, 'Склад ГП'),
    (7,  'Склад заготовок',             'Промежуточный склад цеха',              2,  1, 'Склад заготовок'),
    (8,  'Склад сырья и материалов',    'Металлопрокат, краска, метизы',         1,  2, 'Склад сырья'),
    (9,  'Отдел снабжения',             '',                                      1, -1, ''),
    (10, 'Планово-экономический отдел', '',                                      1, -1, '');

INSERT INTO hrms_staffpos.staffpos(id, s_caption, s_description, id_department, d_begin) VALUES
    (1,  'Директор',                                 '',                    1,  '2020-01-09'),
    (2,  'Инженер-плановик',                         '',                    10, '2020-01-09'),
    (3,  'Экономист',                                '',                    10, '2020-01-09'),
    (4,  'Мастер участка',                           'Закрывает наряды',    2,  '2020-01-09'),
    (5,  'Оператор координатно-пробивного станка',   '',                    3,  '2020-01-09'),
    (6,  'Оператор листогиба',                       '',                    3,  '2020-01-09'),
    (7,  'Сварщик',                                  '4 разряд',            4,  '2020-01-09'),
    (8,  'Маляр',                                    '',                    5,  '2020-01-09'),
    (9,  'Кладовщик',                                '',                    8,  '2020-01-09'),
    (10, 'Менеджер по снабжению',                    '',                    9,  '2020-01-09');

INSERT INTO adm_role.roles(id, s_name, s_caption, d_begin, d_end, b_active) VALUES
    (1, 'admin',       'Администратор',   '2024-01-09', NULL, true),
    (2, 'planner',     'Плановик',        '2024-01-09', NULL, true),
    (3, 'master',      'Мастер участка',  '2024-01-09', NULL, true),
    (4, 'storekeeper', 'Кладовщик',       '2024-01-09', NULL, true),
    (5, 'worker',      'Рабочий',         '2024-01-09', NULL, true),
    (6, 'economist',   'Экономист',       '2024-01-09', NULL, true),
    (7, 'buyer',       'Снабженец',       '2024-01-09', NULL, true),
    (8, 'guest',       'Гость',           '2024-01-09', '2024-06-03', false);

-- Employees; the personnel number (s_code) equals the id, which is what the
-- timesheets match.
INSERT INTO cmn_contractor.person(id, s_caption, s_second_name, s_first_name, s_third_name,
                                  id_staffpos, id_department, id_role, b_employee, s_code) VALUES
    (1,  'Соколов Андрей Викторович',     'Соколов',   'Андрей',  'Викторович',   1,  1,  1, true, '1'),
    (2,  'Морозова Елена Сергеевна',      'Морозова',  'Елена',   'Сергеевна',    2,  10, 2, true, '2'),
    (3,  'Волков Дмитрий Игоревич',       'Волков',    'Дмитрий', 'Игоревич',     4,  2,  3, true, '3'),
    (4,  'Кузнецов Павел Андреевич',      'Кузнецов',  'Павел',   'Андреевич',    5,  3,  5, true, '4'),
    (5,  'Лебедев Игорь Николаевич',      'Лебедев',   'Игорь',   'Николаевич',   6,  3,  5, true, '5'),
    (6,  'Новиков Сергей Петрович',       'Новиков',   'Сергей',  'Петрович',     7,  4,  5, true, '6'),
    (7,  'Фёдоров Алексей Михайлович',    'Фёдоров',   'Алексей', 'Михайлович',   7,  4,  5, true, '7'),
    (8,  'Смирнова Ольга Владимировна',   'Смирнова',  'Ольга',   'Владимировна', 8,  5,  5, true, '8'),
    (9,  'Попов Виктор Олегович',         'Попов',     'Виктор',  'Олегович',     8,  5,  5, true, '9'),
    (10, 'Васильева Татьяна Юрьевна',     'Васильева', 'Татьяна', 'Юрьевна',      9,  8,  4, true, '10'),
    (11, 'Егорова Наталья Ильинична',     'Егорова',   'Наталья', 'Ильинична',    3,  10, 6, true, '11'),
    (12, 'Орлов Максим Евгеньевич',       'Орлов',     'Максим',  'Евгеньевич',   10, 9,  7, true, '12');

-- Customers and suppliers. 7777 is the plant itself: shipments to it release
-- the reserve without taking the goods out of stock.
INSERT INTO cmn_contractor.jur_person(id, s_caption, s_full_caption, s_ogrn, s_inn) VALUES
    (1,    'СтройМонтаж',       'ООО «СтройМонтаж»',                 '1027700132195', '7701234567'),
    (2,    'Технопарк-Урал',    'АО «Технопарк-Урал»',               '1036603987654', '6658123456'),
    (3,    'Д''Арт Металл',     'ООО «Д''Арт Металл»',               '1156658001122', '6671045678'),
    (4,    'МеталлТорг',        'ООО «МеталлТорг»',                  '1096672003344', '6672301234'),
    (5,    'Краски Урала',      'ООО «Краски Урала»',                '1126679005566', '6679012345'),
    (6,    'ИП Петров',         'ИП Петров Николай Степанович',      '318665800012345', '667101234567'),
    (7777, 'Собственные нужды', 'Собственные нужды предприятия',     '', '');

INSERT INTO cmn_inventory_items.nomenclature(id, s_caption, id_department) VALUES
    (1, 'Металлопрокат',            8),
    (2, 'Лакокрасочные материалы',  8),
    (3, 'Метизы',                   8),
    (4, 'Заготовки',                7),
    (5, 'Кронштейны',               6),
    (6, 'Стеллажное оборудование',  6);

-- Items: 0 bought material, 1 blank, 2 finished product, 3 paint.
-- massa: source material per piece (kg of sheet, m of pipe, blanks);
-- ral_cons: kg of paint per piece.
INSERT INTO cmn_inventory_items.inventory_items
       (id, marka, id_nom, id_type, id_msm, massa, ral_cons, ral, width, thick, massa_kg, cost_price) VALUES
    (1,  'Лист г/к 1,5х1250х2500 Ст3',      1, 0, 1, 0,    0,    false, 2500, 1.5, 0,    92.50),
    (2,  'Лист оцинкованный 0,7х1250х2500', 1, 0, 1, 0,    0,    false, 2500, 0.7, 0,    118.00),
    (3,  'Труба профильная 40х20х1,5',      1, 0, 2, 0,    0,    false, 6000, 1.5, 1.36, 135.00),
    (4,  'Болт М8х30 DIN 933',              3, 0, 4, 0,    0,    false, 30,   0,   0.02, 4.20),
    (5,  'RAL 9016',                        2, 3, 1, 0,    0,    false, 0,    0,   0,    480.00),
    (6,  'RAL 3020',                        2, 3, 1, 0,    0,    false, 0,    0,   0,    510.00),
    (7,  'RAL 7024',                        2, 3, 1, 0,    0,    false, 0,    0,   0,    495.00),
    (8,  'RAL 5005',                        2, 3, 1, 0,    0,    false, 0,    0,   0,    520.00),
    (9,  'Заготовка кронштейна КР-1',       4, 1, 4, 0.85, 0,    false, 300,  1.5, 0.82, 105.00),
    (10, 'Заготовка полки П-600',           4, 1, 4, 2.4,  0,    false, 600,  0.7, 2.35, 0),
    (11, 'Кронштейн КР-1',                  5, 2, 4, 1,    0.05, true,  300,  1.5, 0.85, 310.00),
    (12, 'Стойка стеллажа С-2000',          6, 2, 4, 2,    0.15, true,  2000, 1.5, 2.72, 0),
    (13, 'Полка стеллажная П-600',          6, 2, 4, 1,    0.12, true,  600,  0.7, 2.35, 0);

INSERT INTO mnf_operation.operation_type(id, s_caption, s_description) VALUES
    (1, 'Резка',     'Резка листа и проката'),
    (2, 'Пробивка',  'Координатно-пробивной станок'),
    (3, 'Гибка',     'Листогиб'),
    (4, 'Сварка',    'Полуавтомат'),
    (5, 'Зачистка',  'Зачистка швов и кромок'),
    (6, 'Покраска',  'Порошковая окраска'),
    (7, 'Упаковка',  '');

-- Technological processes with their priced operations.
INSERT INTO mnf_proc_tech.proc_tech(id, s_caption, id_inventory_items, id_gds) VALUES
    (1, 'Заготовка кронштейна КР-1 из листа', 9,  1),
    (2, 'Кронштейн КР-1',                     11, 9),
    (3, 'Стойка стеллажа С-2000',             12, 3);

INSERT INTO mnf_operation.operation(id, id_proc_tech, id_type, id_state, price, id_inventory_items, orderby) VALUES
    (1,  1, 1, 1, 6.50,  9,  1),
    (2,  1, 2, 1, 4.00,  9,  2),
    (3,  2, 3, 0, 12.00, 11, 1),
    (4,  2, 4, 0, 25.00, 11, 2),
    (5,  2, 5, 0, 6.00,  11, 3),
    (6,  2, 6, 0, 15.00, 11, 4),
    (7,  2, 7, 0, 3.00,  11, 5),
    (8,  3, 1, 0, 8.00,  12, 1),
    (9,  3, 4, 0, 18.00, 12, 2),
    (10, 3, 6, 0, 20.00, 12, 3);

-- Opening stock, taken in by an accepted receipt order.
INSERT INTO stk_stocks.stock_in(id, date_in, id_jur_pers, id_department, id_accomp_doc) VALUES
    (1, '2025-02-03', 3, 8, '1184');
INSERT INTO stk_stocks.spec_in(id_stock_in, id_gds, id_msm, cnt_gds, price, accept) VALUES
    (1, 1, 1, 1500, 92.50,  true),
    (1, 2, 1, 800,  118.00, true),
    (1, 3, 2, 900,  135.00, true),
    (1, 4, 4, 5000, 4.20,   true),
    (1, 5, 1, 60,   480.00, true),
    (1, 6, 1, 25,   510.00, true),
    (1, 7, 1, 40,   495.00, true),
    (1, 8, 1, 15,   520.00, true);

INSERT INTO stk_stocks.stock(id_stock, id_ii, count, reserve, price, gds_price, job_price, ral_price, id_ral) VALUES
    (8, 1,  1500, 0, 92.50,  0,      0,     0,    0),
    (8, 2,  800,  0, 118.00, 0,      0,     0,    0),
    (8, 3,  900,  0, 135.00, 0,      0,     0,    0),
    (8, 4,  5000, 0, 4.20,   0,      0,     0,    0),
    (8, 5,  60,   0, 480.00, 0,      0,     0,    0),
    (8, 6,  25,   0, 510.00, 0,      0,     0,    0),
    (8, 7,  40,   0, 495.00, 0,      0,     0,    0),
    (8, 8,  15,   0, 520.00, 0,      0,     0,    0),
    (7, 9,  200,  0, 105.00, 0,      0,     0,    0),
    (6, 11, 30,   0, 310.00, 150.00, 61.00, 24.00, 5);

-- Production requests with their lines and shipping counters.
INSERT INTO mnf_app.app_doc(id, d_date, id_jur_person, id_person, d_mnf, d_out) VALUES
    (1, '2025-03-10 09:15', 1, 2, '2025-03-17', '2025-03-28'),
    (2, '2025-03-11 14:40', 6, 2, '2025-03-19', '2025-03-31');

INSERT INTO mnf_app.app_spec(id, id_app_doc, id_ii, cnt, id_ral, id_gds, price, cost_price, master_id) VALUES
    (1, 1, 11, 120, 5, 9, 350.00, 310.00, 0),
    (2, 1, 12, 40,  7, 3, 920.00, 0,      0),
    (3, 2, 11, 20,  6, 9, 365.00, 310.00, 0);

INSERT INTO mnf_app.app_spec_ship(id_app_doc, id_ii, id_ral, cnt) VALUES
    (1, 11, 5, 120),
    (1, 12, 7, 40),
    (2, 11, 6, 20);

-- An open purchase request for paint.
INSERT INTO stk_purchase.purchase_doc(id, id_jur_person, id_person, d_in) VALUES
    (1, 5, 12, '2025-03-14');
INSERT INTO stk_purchase.purchase_spec(id_purchase_doc, id_gds, cnt, cnt_need, gds_price) VALUES
    (1, 8, 20, 20, 515.00);

-- Hourly rates: auxiliary work; provisional average-piecework rate.
UPDATE accounts_dep.hour_work SET price = 180.00 WHERE id = 7777;
UPDATE accounts_dep.hour_work SET price = 200.00 WHERE id = 7778;

-- Move every key sequence past the ids given above.
DO $$
DECLARE
    r record;
BEGIN
    FOR r IN
        SELECT s.oid::regclass AS seq, a.attname AS col, t.oid::regclass AS tbl
          FROM pg_depend d
          JOIN pg_class s     ON s.oid = d.objid AND s.relkind = 'S'
          JOIN pg_class t     ON t.oid = d.refobjid
          JOIN pg_attribute a ON a.attrelid = t.oid AND a.attnum = d.refobjsubid
         WHERE d.classid = 'pg_class'::regclass AND d.refclassid = 'pg_class'::regclass
           AND d.deptype IN ('a', 'i')
    LOOP
        EXECUTE format('SELECT setval(%L, coalesce((SELECT max(%I) FROM %s WHERE %I < 7777), 0)::bigint + 1, false)',
                       r.seq, r.col, r.tbl, r.col);
    END LOOP;
END
$$;

COMMIT;
