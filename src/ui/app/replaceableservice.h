#pragma once

#include <utility>

namespace izoku::ui {

// A process-wide service the program installs by default and a test replaces
// for its own lifetime: the message boxes, the printer, the file chooser.
// `Service` is an owning handle that tests for emptiness (a unique_ptr or a
// std::function); an empty replacement puts the default back.
template <typename Service> class ReplaceableService {
  public:
    using MakeDefault = Service (*)();

    explicit ReplaceableService(MakeDefault makeDefault)
        : m_makeDefault(makeDefault)
        , m_current(makeDefault())
    {
    }

    Service &current() { return m_current; }

    // Puts `replacement` in place and hands back the service it replaces.
    Service replace(Service replacement)
    {
        if (!replacement)
            replacement = m_makeDefault();
        std::swap(m_current, replacement);
        return replacement;
    }

  private:
    MakeDefault m_makeDefault;
    Service m_current;
};

} // namespace izoku::ui
