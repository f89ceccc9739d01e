#include "referencewidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

QString boxSheet(BoxStyle style)
{
    switch (style) {
    case BoxStyle::Basic:
        return QStringLiteral("background:#cdeccd;border:1px solid #3a7a3a;");
    case BoxStyle::Employees:
        return QStringLiteral("background:#cfe0f7;border:1px solid #2f5f9f;");
    case BoxStyle::Mutual:
        return QStringLiteral("background:#f7efc4;border:1px solid #8f7a1f;");
    case BoxStyle::Special:
        return QStringLiteral("background:#f9d9bd;border:1px solid #a0522d;");
    case BoxStyle::Stopped:
        return QStringLiteral("background:#e6e6e6;border:1px dashed #808080;color:#505050;");
    case BoxStyle::Withdrawn:
        return QStringLiteral("background:#f6e0e6;border:1px dashed #a05070;color:#603040;");
    case BoxStyle::Person:
        return QStringLiteral("background:#ffffff;border:none;");
    case BoxStyle::Plain:
        break;
    }
    return QStringLiteral("background:#ffffff;border:1px solid #606060;");
}

constexpr int kShortCell = 16;

QLabel *cell(QWidget *parent, const QString &text, bool header)
{
    auto *label = new QLabel(text, parent);
    // Short cells keep their column at the width of their text; only
    // sentences wrap.
    label->setWordWrap(!header && text.size() > kShortCell);
    label->setMargin(3);
    label->setStyleSheet(header ? QStringLiteral("background:#dde6f0;font-weight:bold;")
                                : QStringLiteral("background:#ffffff;"));
    // Yen figures line up on their last digit.
    static const QRegularExpression figure(QStringLiteral("^[0-9,]+$"));
    const bool number = figure.match(text).hasMatch();
    label->setAlignment(header ? Qt::AlignCenter : (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return label;
}

} // namespace

QLabel *Heading(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("font-weight:bold;color:#1f3f7f;"));
    return label;
}

QLabel *Paragraph(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

void AddSection(QVBoxLayout *layout, QWidget *parent, const QString &heading, const QStringList &paragraphs)
{
    layout->addWidget(Heading(parent, heading));
    for (const QString &paragraph : paragraphs)
        layout->addWidget(Paragraph(parent, paragraph));
}

QLabel *Box(QWidget *parent, const QString &text, BoxStyle style)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMargin(4);
    label->setStyleSheet(boxSheet(style));
    return label;
}

QGridLayout *DiagramGrid(QWidget *diagram, int firstColumn, int columns, const QStringList &marks,
                         Qt::Alignment markAlignment)
{
    auto *grid = new QGridLayout(diagram);
    grid->setSpacing(2);
    for (int c = 0; c < columns; ++c) {
        grid->setColumnStretch(firstColumn + c, 1);
        if (c < marks.size()) {
            QLabel *mark = Box(diagram, marks[c], BoxStyle::Person);
            mark->setAlignment(markAlignment | Qt::AlignVCenter);
            grid->addWidget(mark, 0, firstColumn + c);
        }
    }
    return grid;
}

QWidget *TitledTable(QWidget *parent, const TableContent &content)
{
    auto *table = new QWidget(parent);
    auto *outer = new QVBoxLayout(table);
    outer->setContentsMargins(0, 0, 0, 0);
    if (!content.title.isEmpty())
        outer->addWidget(Heading(table, content.title));
    // The grid lines are the dark frame showing between white cells.
    auto *frame = new QWidget(table);
    frame->setObjectName(QStringLiteral("Grid"));
    frame->setAttribute(Qt::WA_StyledBackground);
    frame->setStyleSheet(QStringLiteral("#Grid{background:#707070;}"));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(1, 1, 1, 1);
    grid->setSpacing(1);
    // An empty header widens the one before it (学校種別 over the kind and
    // its public or private row).
    for (int c = 0; c < content.headers.size(); ++c) {
        int span = 1;
        while (c + span < content.headers.size() && content.headers[c + span].isEmpty())
            ++span;
        grid->addWidget(cell(frame, content.headers[c], true), 0, c, 1, span);
        c += span - 1;
    }
    const int columns = static_cast<int>(content.headers.size());
    for (int r = 0; r < content.rows.size(); ++r) {
        const QStringList &row = content.rows[r];
        for (int c = 0; c < row.size(); ++c) {
            if (c == 0 && content.mergeFirstColumn && r > 0 && content.rows[r - 1].value(0) == row[0])
                continue;
            int rowSpan = 1;
            if (c == 0 && content.mergeFirstColumn) {
                while (r + rowSpan < content.rows.size() && content.rows[r + rowSpan].value(0) == row[0])
                    ++rowSpan;
            }
            // A row shorter than the header runs its last cell to the edge.
            const int columnSpan = c == row.size() - 1 ? qMax(1, columns - c) : 1;
            grid->addWidget(cell(frame, row[c], false), r + 1, c, rowSpan, columnSpan);
        }
    }
    outer->addWidget(frame);
    return table;
}

QVBoxLayout *TopColumn(QWidget *page)
{
    auto *outer = new QVBoxLayout(page);
    // The room left over goes below the content.  (Aligning the content to
    // the top instead would give every wrapped paragraph and table cell the
    // height of its one-line hint and cut its first and last lines.)
    auto *content = new QVBoxLayout;
    outer->addLayout(content);
    outer->addStretch(1);
    return content;
}

QVBoxLayout *AddTabPage(QTabWidget *tabs, const QString &title)
{
    auto *page = new QWidget(tabs);
    // A short page keeps its content at the top, however tall its
    // neighbours make the set.
    QVBoxLayout *content = TopColumn(page);
    tabs->addTab(page, title);
    return content;
}

} // namespace izoku::ui

namespace izoku::ui {

QTabWidget *TabPages(QWidget *parent, const QString &name, const QList<TabPage> &pages)
{
    auto *tabs = new QTabWidget(parent);
    tabs->setObjectName(name);
    for (const TabPage &page : pages) {
        QVBoxLayout *layout = AddTabPage(tabs, page.title);
        page.fill(layout, tabs);
    }
    tabs->setCurrentIndex(0);
    return tabs;
}

} // namespace izoku::ui
