#include "controls/KitFocus.h"

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace hovlo {

namespace {

// Parents of `w` inside its window, innermost first.
std::vector<QWidget*> Containers(QWidget* w) {
    std::vector<QWidget*> chain;
    for (QWidget* p = w ? w->parentWidget() : nullptr; p; p = p->parentWidget())
        chain.push_back(p);
    return chain;
}

bool Contains(QWidget* container, QWidget* w) {
    return w && container && (container == w || container->isAncestorOf(w));
}

// Remembers per window the control that last had the focus there, so that a window that is
// deactivated and activated again does not see a focus move.
class TKitFocusTracker final : public QObject {
public:
    explicit TKitFocusTracker(QObject* parent) : QObject(parent) {
        connect(qApp, &QApplication::focusChanged, this, &TKitFocusTracker::Changed);
    }

private:
    void Changed(QWidget*, QWidget* now) {
        if (!now)
            return; // focus left the application or was cleared: the window keeps its control
        QWidget* window = now->window();
        QPointer<QWidget>& last = FLast[window];
        QWidget* from = last.data();
        last = now;
        if (from == now)
            return;
        if (from && from->window() != window)
            from = nullptr;
        DeliverKitFocusMove(from, now);
        // Drop windows that are gone together with their last control.
        for (auto it = FLast.begin(); it != FLast.end();)
            it = it.value().isNull() ? FLast.erase(it) : std::next(it);
    }

    QHash<QWidget*, QPointer<QWidget>> FLast;
};

QPointer<TKitFocusTracker> gTracker;

} // namespace

void EnsureKitFocusTracking() {
    if (!gTracker && qApp)
        gTracker = new TKitFocusTracker(qApp);
}

void DeliverKitFocusMove(QWidget* from, QWidget* to) {
    // Collect everything first: a handler may delete widgets or move the focus again.
    std::vector<QPointer<QWidget>> exits;
    std::vector<QPointer<QWidget>> enters;
    if (from) {
        exits.emplace_back(from);
        for (QWidget* c : Containers(from)) {
            if (!Contains(c, to))
                exits.emplace_back(c);
        }
    }
    if (to) {
        const std::vector<QWidget*> chain = Containers(to);
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            if (!Contains(*it, from))
                enters.emplace_back(*it);
        }
        enters.emplace_back(to);
    }
    for (const QPointer<QWidget>& w : exits) {
        if (auto* hooks = dynamic_cast<TKitFocusHooks*>(w.data()))
            hooks->DoExit();
    }
    for (const QPointer<QWidget>& w : enters) {
        if (auto* hooks = dynamic_cast<TKitFocusHooks*>(w.data()))
            hooks->DoEnter();
    }
}

} // namespace hovlo
