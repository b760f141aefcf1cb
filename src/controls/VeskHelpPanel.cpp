#include "controls/VeskHelpPanel.h"

namespace hovlo {

TVeskHelpPanel::TVeskHelpPanel(QWidget* parent) : TVeskHTMLStaticText(parent) {}

TAdvancedHint::TAdvancedHint(QWidget*) {}

void TAdvancedHint::Assign(const TAdvancedHint& other) {
    FHinweis = other.FHinweis;
    FAnzeigeFenster = other.FAnzeigeFenster;
}

void TAdvancedHint::Show() {
    if (FHinweis.isEmpty() || !FAnzeigeFenster)
        return;
    THTMLLines& lines = FAnzeigeFenster->HTMLText();
    lines.BeginUpdate();
    lines.Clear();
    lines.Add(FHinweis);
    lines.EndUpdate();
}

void TAdvancedHint::Hide() {
    if (FHinweis.isEmpty() || !FAnzeigeFenster)
        return;
    FAnzeigeFenster->HTMLText().Clear();
}

void TAdvancedHint::Notification(QObject* component, TOperation operation) {
    if (operation == opRemove && component && component == FAnzeigeFenster.data())
        FAnzeigeFenster = nullptr;
}

} // namespace hovlo
