-- ndata.mdb: the yearly base pension figures and the saved customer households.
-- Written beside the program at build time.  The program adds the columns of later
-- versions to a file of an earlier one on its first save, and changes nothing else.
-- A rollback journal: between saves the file alone holds every customer.
PRAGMA journal_mode = DELETE;

CREATE TABLE "基礎DATA" (
  "ID" INTEGER PRIMARY KEY,
  "年度" NUMERIC,
  "スライド率" NUMERIC,
  "基礎年金" NUMERIC,
  "加算1" NUMERIC,
  "加算2" NUMERIC
);
-- The figures of fiscal 2009.
INSERT INTO "基礎DATA" ("年度", "スライド率", "基礎年金", "加算1", "加算2") VALUES (2009, 0.985, 792100, 227900, 75900);

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
