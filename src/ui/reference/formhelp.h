#pragma once

#include "referencewindow.h"

#include <functional>

namespace izoku::ui {

// The usage guide of the needs-analysis screen: each hint beside a picture
// of the part of the screen it is about, taken from the screen itself when
// the guide opens so the pictures never fall behind the screen.
class FormHelp final : public ReferenceWindow {
    Q_OBJECT
  public:
    // The needs-analysis window to picture, or null when there is none;
    // then the guide shows its hints alone.
    using ScreenSource = std::function<QWidget *()>;

    explicit FormHelp(ScreenSource source, QWidget *parent = nullptr);

    // The hints, in the order the agent meets them on the screen.
    static QStringList Captions();
};

} // namespace izoku::ui
