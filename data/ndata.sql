-- ndata.mdb: the yearly base pension figures and the saved customer households.
-- Written beside the program at build time.  The program adds no table; into a
-- file of an earlier version it adds the later columns (基礎DATA's last two when
-- the agent first stores one of those figures, 顧客資料's on the first save), in
-- the same transaction, and changes nothing else.
-- A rollback journal: between saves the file alone holds every customer.
-- The shell answers the pragma with the mode it set, a line the build has
-- no use for.
.output /dev/null
PRAGMA journal_mode = DELETE;
.output stdout

-- One row per fiscal year.  基礎年金昭31前 is the full old-age basic pension of
-- those born on or before 1956-04-01 (B′) and 従前額改定率 the revaluation of
-- the old formula of the employees' pension; the law of fiscal 2009 needs
-- neither, so its row has none.
CREATE TABLE "基礎DATA" (
  "ID" INTEGER PRIMARY KEY,
  "年度" NUMERIC,
  "スライド率" NUMERIC,
  "基礎年金" NUMERIC,
  "加算1" NUMERIC,
  "加算2" NUMERIC,
  "基礎年金昭31前" NUMERIC,
  "従前額改定率" NUMERIC
);
-- The figures of fiscal 2009.
INSERT INTO "基礎DATA" ("年度", "スライド率", "基礎年金", "加算1", "加算2") VALUES (2009, 0.985, 792100, 227900, 75900);
-- Fiscal 2024 to 2026, computed by today's law (the price slide ended with
-- fiscal 2014, so the slide rate is 1).  The basic pensions, B′ and the child
-- additions are the published figures of each year; those of fiscal 2026 are
-- 224,700 and 74,900 yen revalued by that year's 1.085 and rounded to 100 yen.
-- The 従前額改定率 of fiscal 2025 (1.061) is published; those of fiscal 2024
-- (1.041) and 2026 (1.082) are derived: the previous year's rate times the
-- year's revision of the earnings-related part (2024: +2.7 %, 2026: +2.0 %),
-- rounded to three places.
INSERT INTO "基礎DATA" ("年度", "スライド率", "基礎年金", "加算1", "加算2", "基礎年金昭31前", "従前額改定率") VALUES
  (2024, 1, 816000, 234800, 78300, 813700, 1.041),
  (2025, 1, 831700, 239300, 79800, 829300, 1.061),
  (2026, 1, 847300, 243800, 81300, 844900, 1.082);

CREATE TABLE "顧客資料" (
  "ID" INTEGER PRIMARY KEY,
  "日付" TEXT,
  "氏名1" TEXT,
  "氏名2" TEXT,
  "氏名3" TEXT,
  "氏名4" TEXT,
  "氏名5" TEXT,
  "氏名6" TEXT,
  "氏名7" TEXT,
  "生年月日1" TEXT,
  "生年月日2" TEXT,
  "生年月日3" TEXT,
  "生年月日4" TEXT,
  "生年月日5" TEXT,
  "生年月日6" TEXT,
  "生年月日7" TEXT,
  "年齢1" TEXT,
  "年齢2" TEXT,
  "年齢3" TEXT,
  "年齢4" TEXT,
  "年齢5" TEXT,
  "年齢6" TEXT,
  "年齢7" TEXT,
  "印1" TEXT,
  "印2" TEXT,
  "印3" TEXT,
  "印4" TEXT,
  "印5" TEXT,
  "印6" TEXT,
  "印7" TEXT,
  "国保期間" TEXT,
  "厚生期間1" TEXT,
  "金額1" TEXT,
  "厚生期間2" TEXT,
  "金額2" TEXT,
  "保険会社" TEXT,
  "生保11" TEXT,
  "生保12" TEXT,
  "生保13" TEXT,
  "生保21" TEXT,
  "生保22" TEXT,
  "生保23" TEXT,
  "生保31" TEXT,
  "生保32" TEXT,
  "生保33" TEXT,
  "生保41" TEXT,
  "生保42" TEXT,
  "生保51" TEXT,
  "生保52" TEXT,
  "加入年金" TEXT,
  "遺族選択" TEXT
);
