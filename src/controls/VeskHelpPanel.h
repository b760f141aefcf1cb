// Contextual hints of the kit. TVeskHelpPanel is an HTML label that shows the hint of whichever
// control has the focus; TAdvancedHint is the hint settings object that every hint-carrying kit
// control (panel, button, group box, edit field) owns; IAdvancedHintControl reaches that object
// without knowing the control's class.
//
// How a form uses it:
//   edit->AdvancedHint()->setHinweis("Ihre <b>Postleitzahl</b>");
//   edit->AdvancedHint()->setAnzeigeFenster(helpPanel);   // not owned; forgotten when destroyed
// The control calls Show at the end of its focus entry and Hide at the end of its focus exit.
#pragma once

#include "controls/VeskHTMLStaticText.h"

#include <QPointer>
#include <QString>

namespace hovlo {

// Operation of a component notification.
enum TOperation { opInsert, opRemove };

class TVeskHelpPanel : public TVeskHTMLStaticText {
    Q_OBJECT
public:
    explicit TVeskHelpPanel(QWidget* parent = nullptr);
};

class TAdvancedHint {
public:
    // `control` is the owning control; the object keeps no reference to it.
    explicit TAdvancedHint(QWidget* control = nullptr);

    // The hint text, HTML of the label's dialect.
    const QString& Hinweis() const { return FHinweis; }
    void setHinweis(const QString& text) { FHinweis = text; }
    // The help panel that shows the hint; reads null once that panel is destroyed.
    TVeskHelpPanel* AnzeigeFenster() const { return FAnzeigeFenster.data(); }
    void setAnzeigeFenster(TVeskHelpPanel* panel) { FAnzeigeFenster = panel; }

    // Copies text and panel from another hint object.
    void Assign(const TAdvancedHint& other);

    // With a text and a panel: the panel shows the text as its one line; otherwise nothing.
    void Show();
    // With a text and a panel: the panel is emptied; otherwise nothing.
    void Hide();
    // A removed component that is the panel is forgotten.
    void Notification(QObject* component, TOperation operation);

private:
    QString FHinweis;
    QPointer<TVeskHelpPanel> FAnzeigeFenster;
};

// The common face of the hint-carrying kit controls.
class IAdvancedHintControl {
public:
    virtual ~IAdvancedHintControl() = default;
    // The control's own hint object (owned by the control, never null).
    virtual TAdvancedHint* GetAdvancedHint() = 0;
    // Copies the settings of `hint` into the control's own hint object.
    virtual void SetAdvancedHint(const TAdvancedHint* hint) = 0;
};

} // namespace hovlo
