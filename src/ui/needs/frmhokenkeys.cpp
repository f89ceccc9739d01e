#include "frmhokenkeys.h"

#include "slotpanel.h"

#include "ui/app/focusmap.h"
#include "ui/app/inputfilters.h"
#include "ui/forms/householdpanel.h"

#include <QDateEdit>
#include <QLineEdit>

namespace izoku::ui {

namespace {

using engine::HokenNum1;
using engine::HokenNum4;

constexpr int kNone = -1;

// One field's keys: the slot each key moves to (kNone: the key moves
// nothing), whether it takes only figures and whether it selects its text.
struct SlotKeys {
    int slot;
    int enter, up, down, left, right;
    bool numeric;
    bool selectAll;
};

// Num1 7..61.  The ages 0..6 belong to the family rows below.
constexpr SlotKeys kNum1Keys[] = {
    {7, 14, kNone, 14, kNone, kNone, true, true},
    {8, 9, 7, 9, kNone, kNone, true, true},
    {9, 10, 8, 10, kNone, kNone, true, true},
    {10, 11, 9, 11, kNone, kNone, true, true},
    {11, 14, 10, 14, kNone, kNone, true, true},
    {12, kNone, kNone, kNone, kNone, kNone, true, false},
    {13, 7, 11, 54, kNone, kNone, true, false},
    {14, 15, kNone, kNone, kNone, 15, true, true},
    {15, 51, kNone, kNone, 14, 51, false, true},
    {16, 17, 52, 17, kNone, kNone, true, true},
    {17, 18, 16, 18, kNone, kNone, true, false},
    {18, 19, 17, 19, kNone, kNone, true, false},
    {19, 20, 18, 20, kNone, kNone, true, false},
    {20, 21, 19, 21, kNone, kNone, true, false},
    {21, 22, 20, 22, kNone, kNone, true, false},
    {22, 23, 21, 23, kNone, kNone, true, false},
    {23, 24, 22, 24, kNone, kNone, true, false},
    {24, 25, 23, 25, kNone, kNone, true, false},
    {25, 26, 24, 26, kNone, kNone, true, false},
    {26, 27, 25, 27, kNone, kNone, true, false},
    {27, 53, 26, 54, kNone, kNone, true, false},
    {28, 29, kNone, 30, 55, kNone, false, false},
    {29, 61, 54, 31, kNone, 61, false, false},
    {30, 31, 28, 41, 61, kNone, false, false},
    {31, 32, 29, 33, kNone, 32, false, false},
    {32, 41, 61, 34, 31, 41, false, false},
    {33, 34, 31, 35, kNone, 34, false, false},
    {34, 42, 32, 36, 33, 42, false, false},
    {35, 36, 33, 37, kNone, 36, false, false},
    {36, 43, 34, 38, 35, 43, false, false},
    {37, 38, 35, 39, kNone, 38, false, false},
    {38, 44, 36, 40, 37, 44, false, false},
    {39, 40, 37, 56, kNone, 40, false, false},
    {40, 45, 38, 57, 39, 45, false, false},
    {41, 33, 30, 42, 32, kNone, false, false},
    {42, 35, 41, 43, 34, kNone, false, false},
    {43, 37, 42, 44, 36, kNone, false, false},
    {44, 39, 43, 45, 38, kNone, false, false},
    {45, 56, 44, 46, 40, kNone, false, false},
    {46, 58, 45, 47, 57, kNone, false, false},
    {47, 60, 46, 48, 59, kNone, false, false},
    {48, 49, 47, 49, kNone, kNone, true, false},
    {49, 50, 48, 50, kNone, kNone, true, false},
    {50, 14, 49, 51, kNone, kNone, true, false},
    {51, 52, 50, 52, 15, kNone, true, true},
    {52, 16, 51, 16, kNone, kNone, true, true},
    {53, 28, kNone, kNone, kNone, kNone, false, false},
    {54, 55, kNone, 29, kNone, 55, false, false},
    {55, 28, kNone, 61, 54, 28, false, false},
    {56, 57, 39, 58, kNone, 57, false, false},
    {57, 46, 40, 59, 56, 46, false, false},
    {58, 59, 56, 60, kNone, 59, false, false},
    {59, 47, 57, kNone, 58, 47, false, false},
    {60, 48, 58, kNone, kNone, 48, false, false},
    {61, 30, 55, 32, 29, 30, false, false},
};

// Num4 0..12, the policies: every one takes figures only and selects its
// text.  The chart settings 13..15 have no keys of their own.
constexpr SlotKeys kNum4Keys[] = {
    {0, 1, kNone, 3, kNone, 1, true, true},
    {1, 2, kNone, 4, 0, 2, true, true},
    {2, 3, kNone, 5, 1, kNone, true, true},
    {3, 4, 0, 6, kNone, 4, true, true},
    {4, 5, 1, 7, 3, 5, true, true},
    {5, 6, 2, 8, 4, kNone, true, true},
    {6, 7, 3, 9, kNone, 7, true, true},
    {7, 8, 4, kNone, 6, 8, true, true},
    {8, 9, 5, 11, 7, kNone, true, true},
    {9, 10, 6, 11, kNone, 10, true, true},
    {10, 11, 8, 12, 9, kNone, true, true},
    {11, 12, 9, kNone, kNone, 12, true, true},
    {12, kNone, 10, kNone, 11, kNone, true, true},
};

template <size_t N, size_t M>
void addSlotKeys(FocusMap &map, NumericKeyFilter &filter, SelectAllOnFocus &selectAll, const SlotKeys (&table)[N],
                 const std::array<QLineEdit *, M> &fields)
{
    const auto field = [&](int slot) { return fields[static_cast<size_t>(slot)]; };
    for (const SlotKeys &keys : table) {
        QLineEdit *from = field(keys.slot);
        const std::pair<FocusKey, int> moves[] = {{FocusKey::Enter, keys.enter},
                                                  {FocusKey::Up, keys.up},
                                                  {FocusKey::Down, keys.down},
                                                  {FocusKey::Left, keys.left},
                                                  {FocusKey::Right, keys.right}};
        for (const auto &[key, to] : moves) {
            if (to != kNone)
                map.add(from, key, field(to));
        }
        map.discardEnter(from);
        if (keys.numeric)
            filter.attach(from);
        if (keys.selectAll)
            selectAll.attach(from);
    }
}

// Enter walks a row left to right, role, name, birth date, age, and drops to
// the next row's role; the arrows move within a column; Ctrl steps back.
void addFamilyKeys(FocusMap &map, const HouseholdPanel &h)
{
    const int last = HouseholdPanel::kCount - 1;
    for (int i = 0; i <= last; ++i) {
        map.add(h.roles[i], FocusKey::Enter, h.names[i]).add(h.roles[i], FocusKey::Right, h.names[i]);
        map.add(h.names[i], FocusKey::Enter, h.births[i]).add(h.names[i], FocusKey::Right, h.births[i]);
        map.add(h.names[i], FocusKey::Left, h.roles[i]).add(h.names[i], FocusKey::Ctrl, h.roles[i]);
        map.add(h.births[i], FocusKey::Enter, h.ages[i]).add(h.births[i], FocusKey::Ctrl, h.names[i]);
        map.add(h.ages[i], FocusKey::Left, h.births[i]).add(h.ages[i], FocusKey::Ctrl, h.births[i]);
        // The last child's age has no next row: Enter goes back to its role.
        map.add(h.ages[i], FocusKey::Enter, h.roles[i < last ? i + 1 : last]);
        if (i < last) {
            map.add(h.roles[i], FocusKey::Down, h.roles[i + 1]).add(h.names[i], FocusKey::Down, h.names[i + 1]);
            map.add(h.births[i], FocusKey::Down, h.births[i + 1]).add(h.ages[i], FocusKey::Down, h.ages[i + 1]);
        }
        if (i > 0) {
            map.add(h.roles[i], FocusKey::Up, h.roles[i - 1]).add(h.names[i], FocusKey::Up, h.names[i - 1]);
            map.add(h.births[i], FocusKey::Up, h.births[i - 1]).add(h.ages[i], FocusKey::Up, h.ages[i - 1]);
        }
    }
}

} // namespace

void InstallFrmhokenKeys(QWidget *window, const FrmhokenFields &fields, const HouseholdPanel &household)
{
    auto *map = new FocusMap(window);
    auto *filter = new NumericKeyFilter(window);
    auto *selectAll = new SelectAllOnFocus(window);
    addFamilyKeys(*map, household);
    addSlotKeys(*map, *filter, *selectAll, kNum1Keys, fields.num1);
    addSlotKeys(*map, *filter, *selectAll, kNum4Keys, fields.num4);
    for (int slot = HokenNum4::ReferenceAge; slot < HokenNum4::kCount; ++slot)
        selectAll->attach(fields.num4[static_cast<size_t>(slot)]);
}

void SetTabOrder(QWidget *window, const QList<QWidget *> &first)
{
    QList<QWidget *> order = first;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && !order.contains(widget))
            order.append(widget);
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace izoku::ui
