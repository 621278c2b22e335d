-- Triggers of the installation: the worker mirror, the first norm row of a
-- new operation, and the reference checks between numeric(15,0) columns and
-- integer keys, which cannot be declared as foreign keys.

-- Workers are named in cmn_contractor.person, where the journal, the time
-- sheets and the reports look them up: same id, s_caption = fio, s_code =
-- the id as text. Every insert, change and delete of a worker is repeated
-- there.
CREATE FUNCTION accounts_dep.person_mirror() RETURNS trigger
    LANGUAGE plpgsql AS $$
BEGIN
    IF TG_OP = 'DELETE' THEN
        DELETE FROM cmn_contractor.person WHERE id = OLD.id;
        RETURN OLD;
    END IF;
    IF TG_OP = 'UPDATE' THEN
        UPDATE cmn_contractor.person
           SET id = NEW.id, s_caption = NEW.fio, s_code = NEW.id::text
         WHERE id = OLD.id;
        IF FOUND THEN
            RETURN NEW;
        END IF;
    END IF;
    INSERT INTO cmn_contractor.person (id, s_caption, s_code)
    VALUES (NEW.id, NEW.fio, NEW.id::text)
    ON CONFLICT (id) DO UPDATE SET s_caption = EXCLUDED.s_caption,
                                   s_code = EXCLUDED.s_code;
    RETURN NEW;
END
$$;

CREATE TRIGGER person_mirror
    AFTER INSERT OR UPDATE OR DELETE ON accounts_dep.person
    FOR EACH ROW EXECUTE FUNCTION accounts_dep.person_mirror();

-- The prices list offers only operations that have a norm row, and the norms
-- window is reached from that list. A new operation therefore gets its first
-- norm row here: norm 0, bonus 0, and the operation's cena_new as price (0
-- as the operation editor writes it), to be set in the norms window.
CREATE FUNCTION accounts_dep.oper_first_norm() RETURNS trigger
    LANGUAGE plpgsql AS $$
BEGIN
    INSERT INTO accounts_dep.norm (o_id, norma, prize, price)
    VALUES (NEW.id, 0, 0, coalesce(NEW.cena_new, 0));
    RETURN NEW;
END
$$;

CREATE TRIGGER oper_first_norm
    AFTER INSERT ON accounts_dep.oper
    FOR EACH ROW EXECUTE FUNCTION accounts_dep.oper_first_norm();

-- Reference checks for numeric(15,0) columns that hold integer keys.
--
-- ref_check_child: on the referencing table, after insert or update.
--   Arguments: referencing column, referenced table, referenced column.
--   A non-null value must exist among the referenced keys.
-- ref_on_parent_delete: on the referenced table, after delete or update.
--   Arguments: referencing table, referencing column, referenced column,
--   'restrict' or 'cascade'. Refuses to remove a key that rows still use, or
--   deletes those rows.
-- Errors carry SQLSTATE 23503 (foreign_key_violation), like a declared key.
CREATE FUNCTION public.ref_check_child() RETURNS trigger
    LANGUAGE plpgsql AS $$
DECLARE
    child_col  text := TG_ARGV[0];
    parent_tab text := TG_ARGV[1];
    parent_col text := TG_ARGV[2];
    val        numeric;
    found_rows bigint := 0;
BEGIN
    EXECUTE format('SELECT ($1).%I::numeric', child_col) INTO val USING NEW;
    IF val IS NULL THEN
        RETURN NULL;
    END IF;
    -- The referenced row is locked against deletion until this transaction
    -- ends, as a declared foreign key does.
    IF val = trunc(val) AND val BETWEEN -2147483648 AND 2147483647 THEN
        EXECUTE format('SELECT 1 FROM %s WHERE %I = $1 FOR KEY SHARE', parent_tab, parent_col)
          USING val::integer;
        GET DIAGNOSTICS found_rows = ROW_COUNT;
    END IF;
    IF found_rows = 0 THEN
        RAISE EXCEPTION 'insert or update on table "%" violates reference "%"',
                        TG_TABLE_NAME, TG_NAME
              USING ERRCODE = 'foreign_key_violation',
                    DETAIL = format('Key (%s)=(%s) is not present in table "%s".',
                                    child_col, val, parent_tab);
    END IF;
    RETURN NULL;
END
$$;

CREATE FUNCTION public.ref_on_parent_delete() RETURNS trigger
    LANGUAGE plpgsql AS $$
DECLARE
    child_tab  text := TG_ARGV[0];
    child_col  text := TG_ARGV[1];
    parent_col text := TG_ARGV[2];
    action     text := TG_ARGV[3];
    old_key    numeric;
    new_key    numeric;
    used       boolean;
BEGIN
    EXECUTE format('SELECT ($1).%I::numeric', parent_col) INTO old_key USING OLD;
    IF TG_OP = 'UPDATE' THEN
        EXECUTE format('SELECT ($1).%I::numeric', parent_col) INTO new_key USING NEW;
        IF new_key = old_key THEN
            RETURN NULL;
        END IF;
    END IF;
    IF action = 'cascade' AND TG_OP = 'DELETE' THEN
        EXECUTE format('DELETE FROM %s WHERE %I = $1', child_tab, child_col) USING old_key;
        RETURN NULL;
    END IF;
    EXECUTE format('SELECT EXISTS (SELECT 1 FROM %s WHERE %I = $1)', child_tab, child_col)
       INTO used USING old_key;
    IF used THEN
        RAISE EXCEPTION 'update or delete on table "%" violates reference "%" on table "%"',
                        TG_TABLE_NAME, TG_NAME, child_tab
              USING ERRCODE = 'foreign_key_violation',
                    DETAIL = format('Key (%s)=(%s) is still referenced from table "%s".',
                                    parent_col, old_key, child_tab);
    END IF;
    RETURN NULL;
END
$$;

-- Auxiliary work records: worker, work kind and nomenclature group.
CREATE CONSTRAINT TRIGGER fatigue_id_p_ref
    AFTER INSERT OR UPDATE OF id_p ON accounts_dep.fatigue
    FOR EACH ROW EXECUTE FUNCTION ref_check_child('id_p', 'accounts_dep.person', 'id');
CREATE CONSTRAINT TRIGGER fatigue_id_o_ref
    AFTER INSERT OR UPDATE OF id_o ON accounts_dep.fatigue
    FOR EACH ROW EXECUTE FUNCTION ref_check_child('id_o', 'accounts_dep.vid_oper', 'id');
CREATE CONSTRAINT TRIGGER fatigue_id_nom_ref
    AFTER INSERT OR UPDATE OF id_nom ON accounts_dep.fatigue
    FOR EACH ROW EXECUTE FUNCTION ref_check_child('id_nom', 'cmn_classifier.item', 'id');

CREATE CONSTRAINT TRIGGER fatigue_id_p_ref
    AFTER DELETE OR UPDATE OF id ON accounts_dep.person
    FOR EACH ROW EXECUTE FUNCTION ref_on_parent_delete('accounts_dep.fatigue', 'id_p', 'id', 'restrict');
CREATE CONSTRAINT TRIGGER fatigue_id_o_ref
    AFTER DELETE OR UPDATE OF id ON accounts_dep.vid_oper
    FOR EACH ROW EXECUTE FUNCTION ref_on_parent_delete('accounts_dep.fatigue', 'id_o', 'id', 'restrict');
CREATE CONSTRAINT TRIGGER fatigue_id_nom_ref
    AFTER DELETE OR UPDATE OF id ON cmn_classifier.item
    FOR EACH ROW EXECUTE FUNCTION ref_on_parent_delete('accounts_dep.fatigue', 'id_nom', 'id', 'restrict');

-- Goods: nomenclature group.
CREATE CONSTRAINT TRIGGER gds_id_class_item_ref
    AFTER INSERT OR UPDATE OF id_class_item ON cmn_gds_and_srv.gds_and_srv
    FOR EACH ROW EXECUTE FUNCTION ref_check_child('id_class_item', 'cmn_classifier.item', 'id');
CREATE CONSTRAINT TRIGGER gds_id_class_item_ref
    AFTER DELETE OR UPDATE OF id ON cmn_classifier.item
    FOR EACH ROW EXECUTE FUNCTION ref_on_parent_delete('cmn_gds_and_srv.gds_and_srv', 'id_class_item', 'id', 'restrict');

-- Hours grid, typed rows: nomenclature group. Derived rows go with their
-- group (the group delete itself refuses groups that records still use).
CREATE CONSTRAINT TRIGGER h_tabel_id_nom_ref
    AFTER INSERT OR UPDATE OF id_nom ON accounts_dep.h_tabel
    FOR EACH ROW EXECUTE FUNCTION ref_check_child('id_nom', 'cmn_classifier.item', 'id');
CREATE TRIGGER h_tabel_id_nom_ref
    AFTER DELETE ON cmn_classifier.item
    FOR EACH ROW EXECUTE FUNCTION ref_on_parent_delete('accounts_dep.h_tabel', 'id_nom', 'id', 'cascade');
