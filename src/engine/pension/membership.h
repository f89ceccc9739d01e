#pragma once

// The husband's pension membership today and, for a national pension member
// with employees' months, which of two benefits the widow takes: she cannot
// receive both the widow's pension and a survivors' employees' pension.
namespace izoku::engine {

enum class Membership {
    National = 0, // 国民年金（第1号被保険者）: self-employed or without work
    Employee = 1, // 厚生年金（第2号被保険者）: salaried
};

enum class SurvivorChoice {
    EmployeesPension, // 遺族厚生年金選択
    WidowsPension,    // 寡婦年金選択
};

} // namespace izoku::engine
