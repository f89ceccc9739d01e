#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>

class QGridLayout;
class QLabel;
class QTabWidget;
class QVBoxLayout;
class QWidget;

namespace izoku::ui {

// The pieces the reference windows are laid out from.  Diagrams are boxes
// in grids rather than pictures, so they stay sharp on a printed page.

// A "■" heading.
QLabel *Heading(QWidget *parent, const QString &text);
// A paragraph or note, wrapped to the window's width.
QLabel *Paragraph(QWidget *parent, const QString &text);

// A heading and its paragraphs, one a line.
void AddSection(QVBoxLayout *layout, QWidget *parent, const QString &heading, const QStringList &paragraphs);

// The fill of a diagram box; each pension layer has its own colour
// throughout the windows so the agent can point at "the blue part".
enum class BoxStyle {
    Basic,     // 国民年金・基礎年金
    Employees, // 厚生年金
    Mutual,    // 共済年金
    Special,   // 特別支給・加算
    Stopped,   // no longer paid (the fixed-amount part; a suspension)
    Withdrawn, // no longer paid (the earnings-related part)
    Person,    // who is insured
    Plain,
};
QLabel *Box(QWidget *parent, const QString &text, BoxStyle style);

// The grid of a diagram: `columns` columns of equal width from
// `firstColumn` on, the `marks` (ages, points in time) over them in row 0.
QGridLayout *DiagramGrid(QWidget *diagram, int firstColumn, int columns, const QStringList &marks = {},
                         Qt::Alignment markAlignment = Qt::AlignCenter);

// A table of labelled cells: a header row, then `rows`; a cell equal to the
// one above it in the first column is merged with it (a school kind over its
// public and private rows).  `title`, if given, is a heading above it.
struct TableContent {
    QString title;
    QStringList headers;
    QList<QStringList> rows;
    bool mergeFirstColumn = false;
};
QWidget *TitledTable(QWidget *parent, const TableContent &content);

// The layout of a page whose content stands at its top, wrapped text at
// the height it needs, however tall the page is made.
QVBoxLayout *TopColumn(QWidget *page);

// A new page on `tabs` and the layout its content goes in.
QVBoxLayout *AddTabPage(QTabWidget *tabs, const QString &title);

// A set of tab pages, each filled by its function, the first one selected.
struct TabPage {
    QString title;
    std::function<void(QVBoxLayout *page, QWidget *tabs)> fill;
};
QTabWidget *TabPages(QWidget *parent, const QString &name, const QList<TabPage> &pages);

} // namespace izoku::ui
