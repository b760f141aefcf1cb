// TVeskGroupBox: the kit's group box, a frame with a caption that takes its container's colour
// and carries a hint object; it is told when the focus enters or leaves its contents. The
// your-data dialog groups its fields with it.
//
// How a form uses it:
//   auto* grp = new TVeskGroupBox(parent);
//   grp->setObjectName("gbAdresse");
//   grp->setCaption("&Adresse");              // same as setTitle; "&" marks the mnemonic
//   grp->AdvancedHint()->setHinweis("..."); grp->AdvancedHint()->setAnzeigeFenster(helpPanel);
//   connect(grp, &TVeskGroupBox::OnEnter, ...);
#pragma once

#include "controls/KitFocus.h"
#include "controls/VeskHelpPanel.h"

#include <QGroupBox>

#include <memory>

namespace hovlo {

class TVeskGroupBox : public QGroupBox, public IAdvancedHintControl, public TKitFocusHooks {
    Q_OBJECT
public:
    explicit TVeskGroupBox(QWidget* parent = nullptr);
    ~TVeskGroupBox() override;

    TAdvancedHint* AdvancedHint() const { return FAdvancedHint.get(); }
    TAdvancedHint* GetAdvancedHint() override { return FAdvancedHint.get(); }
    void SetAdvancedHint(const TAdvancedHint* hint) override;

    QString Caption() const { return title(); }
    void setCaption(const QString& caption) { setTitle(caption); }

    bool ParentColor() const { return FParentColor; }
    void setParentColor(bool value);
    QColor Color() const;
    void setColor(const QColor& color);

    void DoEnter() override;
    void DoExit() override;
    virtual void Notification(QObject* component, TOperation operation);

signals:
    void OnEnter();
    void OnExit();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<TAdvancedHint> FAdvancedHint;
    bool FParentColor = true;
    QColor FColor;
};

} // namespace hovlo
