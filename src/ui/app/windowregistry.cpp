#include "windowregistry.h"

namespace izoku::ui {

WindowRegistry::~WindowRegistry()
{
    destroyAll();
}

void WindowRegistry::add(const QString &key, Factory factory, OnClose onClose)
{
    Entry &entry = m_entries[key];
    entry.factory = std::move(factory);
    entry.onClose = onClose;
}

bool WindowRegistry::has(const QString &key) const
{
    return m_entries.contains(key);
}

QStringList WindowRegistry::keys() const
{
    QStringList keys = m_entries.keys();
    keys.sort();
    return keys;
}

QWidget *WindowRegistry::window(const QString &key)
{
    auto it = m_entries.find(key);
    if (it == m_entries.end() || !it->factory)
        return nullptr;
    if (!it->window) {
        QWidget *window = it->factory();
        if (!window)
            return nullptr;
        window->setAttribute(Qt::WA_DeleteOnClose, it->onClose == OnClose::Destroy);
        it->window = window;
    }
    return it->window;
}

QWidget *WindowRegistry::show(const QString &key)
{
    QWidget *window = this->window(key);
    if (!window)
        return nullptr;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget *WindowRegistry::existing(const QString &key) const
{
    const auto it = m_entries.constFind(key);
    return it == m_entries.cend() ? nullptr : it->window.data();
}

void WindowRegistry::renew(const QString &key)
{
    QWidget *old = existing(key);
    if (!old)
        return;
    const bool shown = old->isVisible();
    delete old;
    if (shown)
        show(key);
}

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::destroyAll()
{
    for (Entry &entry : m_entries) {
        delete entry.window.data();
        entry.window.clear();
    }
}

} // namespace izoku::ui
