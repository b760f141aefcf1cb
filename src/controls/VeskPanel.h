// TVeskPanel: the kit's panel, a container with the classic raised and lowered bevels, a caption
// and a hint object. The main window's header and button areas and the dialogs' frames use it.
//
// How a form uses it (defaults: inner bevel raised, outer bevel lowered, caption " ", the
// parent's colour and font):
//   auto* pnl = new TVeskPanel(parent);
//   pnl->setObjectName("pnlHeader");
//   pnl->setBevelInner(bvNone); pnl->setBevelOuter(bvNone);   // a flat panel
//   pnl->setColor(QColor(0xEEEEEE));                          // own colour, clears ParentColor
//   pnl->setCaption("Text"); pnl->setAlignment(Qt::AlignCenter);
//   connect(pnl, &TVeskPanel::OnEnter, ...);  // focus entered one of its children
// The bevels and the border width are kept free by the panel's contents margins, so a layout
// set on the panel stays inside them.
#pragma once

#include "controls/KitFocus.h"
#include "controls/VeskHelpPanel.h"

#include <QWidget>

#include <memory>

namespace hovlo {

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TVeskPanel : public QWidget, public IAdvancedHintControl, public TKitFocusHooks {
    Q_OBJECT
public:
    explicit TVeskPanel(QWidget* parent = nullptr);
    ~TVeskPanel() override;

    TAdvancedHint* AdvancedHint() const { return FAdvancedHint.get(); }
    TAdvancedHint* GetAdvancedHint() override { return FAdvancedHint.get(); }
    void SetAdvancedHint(const TAdvancedHint* hint) override;

    TPanelBevel BevelInner() const { return FBevelInner; }
    void setBevelInner(TPanelBevel bevel);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void setBevelOuter(TPanelBevel bevel);
    int BevelWidth() const { return FBevelWidth; }
    void setBevelWidth(int width);
    // Gap between the outer and the inner bevel, filled with the panel's colour.
    int BorderWidth() const { return FBorderWidth; }
    void setBorderWidth(int width);

    const QString& Caption() const { return FCaption; }
    void setCaption(const QString& caption);
    Qt::Alignment Alignment() const { return FAlignment; }
    void setAlignment(Qt::Alignment alignment);

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
    void UpdateMargins();

    std::unique_ptr<TAdvancedHint> FAdvancedHint;
    TPanelBevel FBevelInner = bvRaised;
    TPanelBevel FBevelOuter = bvLowered;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    QString FCaption = QStringLiteral(" ");
    Qt::Alignment FAlignment = Qt::AlignCenter;
    bool FParentColor = true;
    QColor FColor;
};

// Draws one bevel ring of `width` pixels just inside `rect` and returns the rect inside it.
QRect DrawKitBevel(QPainter& painter, const QRect& rect, TPanelBevel bevel, int width,
                   const QPalette& palette);

} // namespace hovlo
