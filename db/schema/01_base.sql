-- Schemas, domain types and the id generator of the workshop installation.
--
-- The system owns the schema accounts_dep; the other schemas belong to the
-- enterprise installation that shares the database (workers' names,
-- classifier, goods, departments, staff positions, roles).

CREATE SCHEMA IF NOT EXISTS accounts_dep;
CREATE SCHEMA IF NOT EXISTS cmn_contractor;
CREATE SCHEMA IF NOT EXISTS cmn_classifier;
CREATE SCHEMA IF NOT EXISTS cmn_gds_and_srv;
CREATE SCHEMA IF NOT EXISTS cmn_department;
CREATE SCHEMA IF NOT EXISTS hrms_staffpos;
CREATE SCHEMA IF NOT EXISTS adm_role;

-- Integer domains of the installation. Worker numbers kept as text in
-- cmn_contractor.person.s_code are compared through them: s_code::t_id = w_id.
-- They live in public so that statements name them unqualified.
CREATE DOMAIN public.t_id AS integer;
CREATE DOMAIN public.t_integer AS integer;

-- Ids 7777 and 7778 are reserved for the two kinds of hourly work
-- (7777 auxiliary works, 7778 average piecework): items, operation kinds,
-- operations and their norm rows with these ids are pseudo records that
-- exist once per installation. Key defaults draw through next_id so that a
-- sequence passing 7777 never hands these numbers to an ordinary row.
CREATE FUNCTION public.next_id(seq regclass) RETURNS bigint
    LANGUAGE plpgsql VOLATILE AS $$
DECLARE
    v bigint;
BEGIN
    LOOP
        v := nextval(seq);
        EXIT WHEN v NOT IN (7777, 7778);
    END LOOP;
    RETURN v;
END
$$;

-- Day-first dates: the program writes dates as 'DD.MM.YYYY' text and sets
-- this style on its own connection; the database default makes psql sessions
-- read such texts the same way.
DO $$
BEGIN
    EXECUTE format('ALTER DATABASE %I SET datestyle = %L', current_database(), 'ISO, DMY');
END
$$;
