#pragma once

#include "engine/needs/customerrecord.h"

#include <QString>
#include <QStringList>

// The two tables of ndata.mdb and their columns, named here alone: the
// engine's base figures and saved households know no column, and every
// query of the store takes its names from here.
namespace izoku::store {

// 基礎DATA: the base figures of the public pension, one row per fiscal
// year.
QString BaseTable();
// Its columns, figure by figure in the order of engine::kBaseFigures:
// 年度, スライド率, 基礎年金, 加算1, 加算2, then 基礎年金昭31前 (B′) and
// 従前額改定率, which files written before today's law lack.
const QStringList &BaseFigureColumns();
// The column of 年度, by which the rows are told apart.
QString FiscalYearColumn();

// 顧客資料: one row per saved household.
QString CustomerTable();
// Every column but the key, in table order: the customer list's grid
// order.
const QStringList &CustomerColumns();
// The columns of CustomerColumns() that later versions added (加入年金,
// 遺族選択): a file of an earlier version has them once it is next saved to.
const QStringList &AddedCustomerColumns();
// The names of the family, 氏名1 … 氏名7: where the list's search looks.
const QStringList &NameColumns();
// The columns a save writes: all of them but 印6 and 印7, which stand for
// no child and which no field of the screen fills.
const QStringList &SavedCustomerColumns();
// A household's texts for SavedCustomerColumns(), in that order.
QStringList SavedCustomerTexts(const engine::CustomerRecord &record);
// A row read in CustomerColumns() order, as the household it holds; a
// field missing from `texts` is empty.
engine::CustomerRecord CustomerRecordOfRow(const QStringList &texts);

} // namespace izoku::store
