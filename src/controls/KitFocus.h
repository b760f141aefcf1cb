// Focus notifications of the kit. Kit controls (panel, button, group box, edit field) implement
// TKitFocusHooks; one application-wide handler turns every focus move inside a window into the
// calls the kit's forms expect: DoExit of the old control and then of each of its kit containers
// that does not also contain the new control (innermost first), then DoEnter of each kit container
// of the new control that did not contain the old one (outermost first), and last of the new
// control. A move between two controls of the same container reaches neither container. Focus
// that leaves a window for another window and comes back to the same control is no move.
#pragma once

class QWidget;

namespace hovlo {

class TKitFocusHooks {
public:
    virtual ~TKitFocusHooks() = default;
    // The focus entered the control or one of its children.
    virtual void DoEnter() = 0;
    // The focus left the control (or, for a container, left all its children).
    virtual void DoExit() = 0;
};

// Installs the application-wide handler once; every kit control calls it from its constructor.
void EnsureKitFocusTracking();

// Runs the notifications of one focus move from `from` to `to` (either may be null). The handler
// calls this; exposed so that the order can be checked without a window system.
void DeliverKitFocusMove(QWidget* from, QWidget* to);

} // namespace hovlo
