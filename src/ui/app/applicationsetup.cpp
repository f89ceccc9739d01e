#include "applicationsetup.h"

#include "enterpressesbuttons.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace izoku::ui {

namespace {

// The sizes the package installs, drawn from its SVG.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kFontPoints = 9;

} // namespace

void SetUpApplication()
{
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSize(kFontPoints);
    // Japanese needs no shaping; left on, the font's contextual forms (the
    // digits of "H15/3") reach a printed page as glyphs its text map cannot
    // name, and the customer's copy cannot be searched for them.
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);

    QIcon icon;
    for (const int size : kIconSizes)
        icon.addFile(QStringLiteral(":/icons/izoku-planner-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    qApp->installEventFilter(new EnterPressesButtons(qApp));
}

} // namespace izoku::ui
