#include "lifeexpectancytable.h"

namespace izoku::engine {

QStringList LifeExpectancyTable()
{
    QStringList years;
    years.reserve(60);
    for (int age = 0; age < 60; ++age) {
        int n = 0;
        if (age <= 23)
            n = 85 - age;
        else if (age == 24)
            n = 62;
        else if (age <= 52)
            n = 86 - age;
        else if (age == 53)
            n = 34;
        else
            n = 87 - age;
        years << QString::number(n);
    }
    return years;
}

} // namespace izoku::engine
