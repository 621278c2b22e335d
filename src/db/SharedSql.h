// The statements of the shared queries and commands, exactly as the data module stores them.
#pragma once

namespace sharedsql {

inline constexpr const char* Workers = R"sql(select * from accounts_dep.person order by fio)sql";

inline constexpr const char* Izdel = R"sql(select *  from accounts_dep.IZDEL order by marka)sql";

inline constexpr const char* Oper = R"sql(select izdel.MARKA, vid_oper.VID, oper.NAIMEN, i.s_caption  , (SELECT (CASE naimen WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn,
count(o_id) norma, min(price)::numeric cena, oper.id, oper.i_id, oper.VID as oper_vid 
from accounts_dep.norm,accounts_dep.OPER,accounts_dep.IZDEL,accounts_dep.VID_OPER, cmn_classifier.item i
where OPER.i_id=IZDEL.id and norm.o_id=oper.id and oper.vid=vid_oper.id and i.id =izdel.id_class_item
group by izdel.MARKA, vid_oper.VID, oper.NAIMEN, oper.id, oper.i_id, oper.VID, i.s_caption  
order by izdel.marka, vid_oper.vid, oper.naimen)sql";

inline constexpr const char* Vid_oper = R"sql(select * from accounts_dep.VID_OPER order by vid)sql";

inline constexpr const char* Smena1 = R"sql(select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, 
smena.cena,person.s_caption fio, izdel.marka, vid_oper.vid, (SELECT (CASE naimen WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, oper.naimen,  smena.brak, smena.kol_vo::numeric,
round((kol_vo-brak)*smena.cena::numeric, 2) as summa, smena.prize, color,time, smena.ok, vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use
from cmn_contractor.person person, accounts_dep.izdel,accounts_dep.oper,accounts_dep.smena,accounts_dep.vid_oper 
where smena.i_id=izdel.id and smena.o_id=oper.id and (w_id=person.id or s_code::t_id=w_id) and 
oper.vid=vid_oper.id and smena.smena=1 and smena.data=:data and ok!=:ok order by 
fio, izdel.marka, vid_oper.vid, oper.naimen, color)sql";

inline constexpr const char* Smena2 = R"sql(select smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, 
smena.cena, s_caption fio, izdel.marka, vid_oper.vid, (SELECT (CASE naimen WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, oper.naimen, smena.kol_vo::numeric, smena.brak, 
round((kol_vo-brak)*smena.cena::numeric, 2) as summa, smena.prize, smena.id, color,time,smena.ok,vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use  
from cmn_contractor.person person,accounts_dep.izdel,accounts_dep.oper,accounts_dep.smena,accounts_dep.vid_oper 
where smena.i_id=izdel.id and smena.o_id=oper.id and (w_id=person.id or s_code::t_id=w_id) and 
oper.vid=vid_oper.id and smena.smena=2 and smena.data=:data and ok<>:ok order by fio)sql";

inline constexpr const char* Smena3 = R"sql(select smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, 
smena.cena,s_caption fio, izdel.marka, vid_oper.vid, (SELECT (CASE naimen WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn,  oper.naimen, smena.kol_vo::numeric, smena.brak, 
round((kol_vo-brak)*smena.cena::numeric, 2) as summa, smena.prize, smena.id, color,time,smena.ok,vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use  
from cmn_contractor.person person,accounts_dep.izdel,accounts_dep.oper,accounts_dep.smena,accounts_dep.vid_oper 
where smena.i_id=izdel.id and smena.o_id=oper.id and (w_id=person.id or s_code::t_id=w_id) and 
oper.vid=vid_oper.id and smena.smena=3 and smena.data=:data and ok<>:ok order by fio)sql";

inline constexpr const char* Smena4 = R"sql(select smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, 
smena.cena,person.s_caption fio, izdel.marka, vid_oper.vid, (SELECT (CASE naimen WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, oper.naimen, smena.kol_vo::numeric, smena.brak, 
round((kol_vo-brak)*smena.cena::numeric, 2) as summa, smena.prize, smena.id , color,time,smena.ok,vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use  
from cmn_contractor.person person,accounts_dep.izdel, accounts_dep.oper,accounts_dep.smena,accounts_dep.vid_oper 
where smena.i_id=izdel.id and smena.o_id=oper.id and (w_id=person.id or s_code::t_id=w_id) and 
oper.vid=vid_oper.id and smena.smena=4 and smena.data=:data and ok<>:ok order by fio)sql";

// H_Tabel_2 and H_Tabel_3 are this statement with "h_tabel.smena=2" and "h_tabel.smena=3".
inline constexpr const char* H_Tabel_1 = R"sql(select person.s_caption fio, 
(coalesce(d1,0)+coalesce(d2,0)+coalesce(d3,0)+coalesce(d4,0)+coalesce(d5,0)+coalesce(d6,0)+coalesce(d7,0)+coalesce(d8,0)+coalesce(d9,0)+coalesce(d10,0)+
coalesce(d11,0)+coalesce(d12,0)+coalesce(d13,0)+coalesce(d14,0)+coalesce(d15,0)+coalesce(d16,0)+coalesce(d17,0)+coalesce(d18,0)+coalesce(d19,0)+coalesce(d20,0)+
coalesce(d21,0)+coalesce(d22,0)+coalesce(d23,0)+coalesce(d24,0)+coalesce(d25,0)+coalesce(d26,0)+coalesce(d27,0)+coalesce(d28,0)+coalesce(d29,0)+coalesce(d30,0)+
coalesce(d31,0)) as summ, 
case when (coalesce(d1,0)+coalesce(d2,0)+coalesce(d3,0)+coalesce(d4,0)+coalesce(d5,0)+coalesce(d6,0)+coalesce(d7,0)+coalesce(d8,0)+coalesce(d9,0)+coalesce(d10,0)+
coalesce(d11,0)+coalesce(d12,0)+coalesce(d13,0)+coalesce(d14,0)+coalesce(d15,0)+coalesce(d16,0)+coalesce(d17,0)+coalesce(d18,0)+coalesce(d19,0)+coalesce(d20,0)+
coalesce(d21,0)+coalesce(d22,0)+coalesce(d23,0)+coalesce(d24,0)+coalesce(d25,0)+coalesce(d26,0)+coalesce(d27,0)+coalesce(d28,0)+coalesce(d29,0)+coalesce(d30,0)+
coalesce(d31,0))=0 then 0 else
(sum(s.cena*(kol_vo-brak))/(coalesce(d1,0)+coalesce(d2,0)+coalesce(d3,0)+coalesce(d4,0)+coalesce(d5,0)+coalesce(d6,0)+coalesce(d7,0)+coalesce(d8,0)+coalesce(d9,0)+coalesce(d10,0)+
coalesce(d11,0)+coalesce(d12,0)+coalesce(d13,0)+coalesce(d14,0)+coalesce(d15,0)+coalesce(d16,0)+coalesce(d17,0)+coalesce(d18,0)+coalesce(d19,0)+coalesce(d20,0)+
coalesce(d21,0)+coalesce(d22,0)+coalesce(d23,0)+coalesce(d24,0)+coalesce(d25,0)+coalesce(d26,0)+coalesce(d27,0)+coalesce(d28,0)+coalesce(d29,0)+coalesce(d30,0)+
coalesce(d31,0))) end ::numeric(10,2) as average_price, sum(s.cena*(kol_vo-brak))::numeric(10,2) as cena_all,
h_tabel.*
from accounts_dep.h_tabel, cmn_contractor.person, accounts_dep.smena s where 
h_tabel.w_id=person.s_code::integer and h_tabel.smena=1 and month=:mnth and s.w_id = h_tabel.w_id and
h_tabel.year=:yea and s.data >=:date1 and s.data <:date2
group by person.s_caption,h_tabel.w_id,h_tabel.month,h_tabel.year,h_tabel.smena,h_tabel.id 
order by fio)sql";

inline constexpr const char* Oper_del = R"sql(delete from accounts_dep.oper where id=:id)sql";

// Stored texts of the operation commands; the operation editor replaces them before each use.
inline constexpr const char* Oper_ins = R"sql(insert into accounts_dep.oper(vid, naimen, i_id, cena_new) values (:oper_vid, :naimen, :i_id, :cena_new))sql";
inline constexpr const char* Oper_ed = R"sql(update accounts_dep.oper set vid=:oper_vid, naimen=:naimen, i_id=:i_id, cena_new=:cena_new where id=:id)sql";

} // namespace sharedsql
