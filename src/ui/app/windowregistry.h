#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace izoku::ui {

// What closing a window does.  The two calculation screens hide themselves
// so their inputs survive; every other window is destroyed and built afresh
// on the next opening.
enum class OnClose { Hide, Destroy };

// Every window of the program opens modeless and exists at most once: it is
// created on first use and the same window is shown again later.
class WindowRegistry {
  public:
    using Factory = std::function<QWidget *()>;

    WindowRegistry() = default;
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    void add(const QString &key, Factory factory, OnClose onClose);
    bool has(const QString &key) const;
    // The keys of every window the registry can build.
    QStringList keys() const;

    // Creates the window if it does not exist, then shows and raises it.
    QWidget *show(const QString &key);
    // The window, created if it does not exist yet but not shown: for a
    // window that pictures another.  Null if the key is not registered.
    QWidget *window(const QString &key);
    // The window if it exists now (shown or hidden), else null.
    QWidget *existing(const QString &key) const;
    // Builds a window that exists afresh, for content made from figures
    // that changed; the new one is shown where the old one was.
    void renew(const QString &key);
    // Lives as long as the registry: the context of connections that reach
    // its windows.
    QObject *lifetime() { return &m_lifetime; }

    // The registry shared by the whole program.
    static WindowRegistry &instance();

    // Destroys every window it created (the end of the program).
    void destroyAll();

  private:
    struct Entry {
        Factory factory;
        OnClose onClose = OnClose::Destroy;
        QPointer<QWidget> window;
    };
    QHash<QString, Entry> m_entries;
    QObject m_lifetime;
};

} // namespace izoku::ui
