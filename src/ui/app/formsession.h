#pragma once

#include "engine/forms/calculationoutcome.h"
#include "ui/app/messageservice.h"

#include <QWidget>

#include <functional>
#include <utility>

namespace izoku::ui {

// The one way a window runs a calculation of its form: the widgets are
// copied into the form, the operation runs on the form alone, the texts are
// copied back, and then the messages are shown in order, each giving the
// focus to the field it names (the field's object name, e.g. "Num1(9)").
// Copying back before the messages matters: the agent reads a stop message
// with the screen already showing what the calculation kept.
template <typename Form> class FormSession {
  public:
    using Read = std::function<void(Form &)>;        // widgets -> form
    using Write = std::function<void(const Form &)>; // form -> widgets

    FormSession(QWidget &window, Form &form, Read read, Write write)
        : m_window(window)
        , m_form(form)
        , m_read(std::move(read))
        , m_write(std::move(write))
    {
    }

    template <typename Operation> engine::CalculationOutcome run(Operation &&operation)
    {
        m_read(m_form);
        engine::CalculationOutcome outcome = std::forward<Operation>(operation)(m_form);
        m_write(m_form);
        for (const engine::Message &message : outcome.messages) {
            QWidget *focus = message.focus.isEmpty() ? nullptr : m_window.findChild<QWidget *>(message.focus);
            ShowMessage(&m_window, message, focus);
        }
        return outcome;
    }

    Form &form() { return m_form; }
    const Form &form() const { return m_form; }

  private:
    QWidget &m_window;
    Form &m_form;
    Read m_read;
    Write m_write;
};

} // namespace izoku::ui
