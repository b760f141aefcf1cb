#include "controls/VeskPanel.h"

#include <QPainter>
#include <QPointer>

namespace hovlo {

QRect DrawKitBevel(QPainter& painter, const QRect& rect, TPanelBevel bevel, int width,
                   const QPalette& palette) {
    if (bevel == bvNone || width <= 0)
        return rect;
    QRect r = rect;
    if (bevel != bvSpace) {
        const QColor light = palette.color(QPalette::Light);
        const QColor dark = palette.color(QPalette::Dark);
        const QColor topLeft = bevel == bvRaised ? light : dark;
        const QColor bottomRight = bevel == bvRaised ? dark : light;
        for (int i = 0; i < width; ++i) {
            const QRect ring = r.adjusted(i, i, -i, -i);
            painter.setPen(topLeft);
            painter.drawLine(ring.topLeft(), ring.topRight());
            painter.drawLine(ring.topLeft(), ring.bottomLeft());
            painter.setPen(bottomRight);
            painter.drawLine(ring.bottomLeft(), ring.bottomRight());
            painter.drawLine(ring.topRight(), ring.bottomRight());
        }
    }
    return r.adjusted(width, width, -width, -width);
}

TVeskPanel::TVeskPanel(QWidget* parent)
    : QWidget(parent), FAdvancedHint(std::make_unique<TAdvancedHint>(this)) {
    EnsureKitFocusTracking();
    resize(185, 41);
    UpdateMargins();
}

TVeskPanel::~TVeskPanel() = default;

void TVeskPanel::SetAdvancedHint(const TAdvancedHint* hint) {
    if (hint)
        FAdvancedHint->Assign(*hint);
}

void TVeskPanel::setBevelInner(TPanelBevel bevel) {
    FBevelInner = bevel;
    UpdateMargins();
    update();
}

void TVeskPanel::setBevelOuter(TPanelBevel bevel) {
    FBevelOuter = bevel;
    UpdateMargins();
    update();
}

void TVeskPanel::setBevelWidth(int width) {
    FBevelWidth = std::max(0, width);
    UpdateMargins();
    update();
}

void TVeskPanel::setBorderWidth(int width) {
    FBorderWidth = std::max(0, width);
    UpdateMargins();
    update();
}

void TVeskPanel::setCaption(const QString& caption) {
    FCaption = caption;
    update();
}

void TVeskPanel::setAlignment(Qt::Alignment alignment) {
    FAlignment = alignment;
    update();
}

void TVeskPanel::setParentColor(bool value) {
    FParentColor = value;
    update();
}

QColor TVeskPanel::Color() const {
    return FParentColor || !FColor.isValid() ? palette().color(QPalette::Window) : FColor;
}

void TVeskPanel::setColor(const QColor& color) {
    FColor = color;
    FParentColor = false;
    update();
}

void TVeskPanel::UpdateMargins() {
    const int m = (FBevelOuter != bvNone ? FBevelWidth : 0) + FBorderWidth +
                  (FBevelInner != bvNone ? FBevelWidth : 0);
    setContentsMargins(m, m, m, m);
}

void TVeskPanel::DoEnter() {
    const QPointer<TVeskPanel> self(this); // a handler may destroy the control
    emit OnEnter();
    if (self)
        FAdvancedHint->Show();
}

void TVeskPanel::DoExit() {
    const QPointer<TVeskPanel> self(this); // a handler may destroy the control
    emit OnExit();
    if (self)
        FAdvancedHint->Hide();
}

void TVeskPanel::Notification(QObject* component, TOperation operation) {
    FAdvancedHint->Notification(component, operation);
}

void TVeskPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!FParentColor && FColor.isValid())
        p.fillRect(rect(), FColor);
    QRect r = DrawKitBevel(p, rect(), FBevelOuter, FBevelWidth, palette());
    r = r.adjusted(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
    r = DrawKitBevel(p, r, FBevelInner, FBevelWidth, palette());
    if (FCaption.trimmed().isEmpty())
        return;
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.setFont(font());
    p.drawText(r.adjusted(2, 0, -2, 0), static_cast<int>(FAlignment) | Qt::TextSingleLine,
               FCaption);
}

} // namespace hovlo
