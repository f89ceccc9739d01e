#pragma once

#include "engine/pension/survivorsbenefits.h"

#include <QString>

namespace izoku::engine {

// Why each survivors' benefit is paid, or why not, one line each in the
// words an agent reads out to the customer, taken from the decision itself
// so that the report never says what the calculation did not do.
struct BenefitReasons {
    QString basicPension;
    QString employeesPension;
    QString middleAgedAddition;
    QString transitionalAddition;
    QString widowsPension;
    QString lumpSum;
};

// The rule named is the rule of the law in use.
BenefitReasons ExplainSurvivorsBenefits(const PensionLaw &law, const SurvivorsCase &household,
                                        const SurvivorsBenefits &benefits);

} // namespace izoku::engine
