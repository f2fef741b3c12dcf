-- ZEMRA.ERP: login and group roles (cluster-wide).
--
-- Run as a superuser before schema.sql; safe to run again on a server where
-- the roles already exist (missing roles are created, existing ones get their
-- password and attributes reset).
--
-- Groups:
--   zemra_users   everyday work: SELECT/INSERT/UPDATE/DELETE on the tables,
--                 sequences, functions (granted by schema.sql, since the
--                 objects do not exist yet when this file runs);
--   zemra_admins  may empty operational tables (TRUNCATE, truncate_tables,
--                 "Очистить базу"); member of zemra_users.
--
-- Logins. The client binds its rights to these fixed names.
--   sys       built-in account of the client, password 'vexmolb';
--             not a superuser, owns nothing, member of zemra_admins.
--   senior1   member of zemra_admins.
--   planner1, planner2, planner3, econom   members of zemra_users.
-- Demo passwords: every login except sys has its own name as password
-- (planner1/planner1, senior1/senior1, econom/econom ...). Change them on a
-- production server.

\set ON_ERROR_STOP on
\set QUIET on

-- direct membership of a role in a group
CREATE OR REPLACE FUNCTION pg_temp.is_member(p_member name, p_group name) RETURNS boolean
LANGUAGE sql AS $$
    SELECT EXISTS (SELECT 1 FROM pg_auth_members m
                     JOIN pg_roles g ON g.oid = m.roleid
                     JOIN pg_roles u ON u.oid = m.member
                    WHERE g.rolname = p_group AND u.rolname = p_member);
$$;

DO $$
DECLARE
    r record;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'zemra_users') THEN
        CREATE ROLE zemra_users NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'zemra_admins') THEN
        CREATE ROLE zemra_admins NOLOGIN;
    END IF;
    IF NOT pg_temp.is_member('zemra_admins', 'zemra_users') THEN
        GRANT zemra_users TO zemra_admins;
    END IF;

    FOR r IN
        SELECT * FROM (VALUES
            ('sys',      'vexmolb',  true),
            ('senior1',  'senior1',  true),
            ('planner1', 'planner1', false),
            ('planner2', 'planner2', false),
            ('planner3', 'planner3', false),
            ('econom',   'econom',   false)
        ) AS t(login, pwd, is_admin)
    LOOP
        IF EXISTS (SELECT 1 FROM pg_roles WHERE rolname = r.login) THEN
            EXECUTE format('ALTER ROLE %I WITH LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE INHERIT PASSWORD %L',
                           r.login, r.pwd);
        ELSE
            EXECUTE format('CREATE ROLE %I WITH LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE INHERIT PASSWORD %L',
                           r.login, r.pwd);
        END IF;
        IF NOT pg_temp.is_member(r.login, 'zemra_users') THEN
            EXECUTE format('GRANT zemra_users TO %I', r.login);
        END IF;
        IF r.is_admin THEN
            IF NOT pg_temp.is_member(r.login, 'zemra_admins') THEN
                EXECUTE format('GRANT zemra_admins TO %I', r.login);
            END IF;
        ELSIF pg_temp.is_member(r.login, 'zemra_admins') THEN
            -- a login that lost admin rights must not keep them from an earlier run
            EXECUTE format('REVOKE zemra_admins FROM %I', r.login);
        END IF;
    END LOOP;
END
$$;
