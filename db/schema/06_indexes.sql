-- Indexes for the look-ups the windows make.

-- Shift records: the journal (date and shift), the hours-grid recount and
-- the duplicate check (worker, shift, date), the item delete and the group
-- usage count (item), the operation delete (operation).
CREATE INDEX smena_data_smena_idx    ON accounts_dep.smena (data, smena);
CREATE INDEX smena_w_smena_data_idx  ON accounts_dep.smena (w_id, smena, data);
CREATE INDEX smena_i_id_idx          ON accounts_dep.smena (i_id);
CREATE INDEX smena_o_id_idx          ON accounts_dep.smena (o_id);

-- Hours grid: the recount and rebuild find a row by worker, shift, month and
-- year; the time sheets read a month of one kind.
CREATE INDEX h_tabel_w_smena_month_year_idx ON accounts_dep.h_tabel (w_id, smena, month, year);
CREATE INDEX h_tabel_year_month_type_idx    ON accounts_dep.h_tabel (year, month, i_type);

-- Auxiliary work records: the list of a date, the average piece rate of a
-- month, a worker's sums, a group's usage count.
CREATE INDEX fatigue_d_date_idx      ON accounts_dep.fatigue (d_date);
CREATE INDEX fatigue_year_mnth_idx   ON accounts_dep.fatigue (i_year, i_mnth);
CREATE INDEX fatigue_id_p_idx        ON accounts_dep.fatigue (id_p);
CREATE INDEX fatigue_id_nom_idx      ON accounts_dep.fatigue (id_nom);

-- Operations and their norms.
CREATE INDEX norm_o_id_idx           ON accounts_dep.norm (o_id);
CREATE INDEX oper_i_id_idx           ON accounts_dep.oper (i_id);
CREATE INDEX oper_vid_idx            ON accounts_dep.oper (vid);

-- Goods of a nomenclature group.
CREATE INDEX gds_and_srv_id_class_item_idx ON cmn_gds_and_srv.gds_and_srv (id_class_item);
