#include "controls/VeskGroupBox.h"

#include "controls/KitLook.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace hovlo {

TVeskGroupBox::TVeskGroupBox(QWidget* parent)
    : QGroupBox(parent), FAdvancedHint(std::make_unique<TAdvancedHint>(this)) {
    EnsureKitFocusTracking();
    QFont f = font(); // the size stays the inherited one
    f.setFamily(QStringLiteral("Tahoma"));
    setFont(f);
    resize(185, 105);
}

TVeskGroupBox::~TVeskGroupBox() = default;

void TVeskGroupBox::SetAdvancedHint(const TAdvancedHint* hint) {
    if (hint)
        FAdvancedHint->Assign(*hint);
}

void TVeskGroupBox::setParentColor(bool value) {
    FParentColor = value;
    update();
}

QColor TVeskGroupBox::Color() const {
    return FParentColor || !FColor.isValid() ? palette().color(QPalette::Window) : FColor;
}

void TVeskGroupBox::setColor(const QColor& color) {
    FColor = color;
    FParentColor = false;
    update();
}

void TVeskGroupBox::DoEnter() {
    const QPointer<TVeskGroupBox> self(this); // a handler may destroy the control
    emit OnEnter();
    if (self)
        FAdvancedHint->Show();
}

void TVeskGroupBox::DoExit() {
    const QPointer<TVeskGroupBox> self(this); // a handler may destroy the control
    emit OnExit();
    if (self)
        FAdvancedHint->Hide();
}

void TVeskGroupBox::Notification(QObject* component, TOperation operation) {
    FAdvancedHint->Notification(component, operation);
}

void TVeskGroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!FParentColor && FColor.isValid())
        p.fillRect(rect(), FColor);
    const QFontMetrics fm(font());
    QString plain = title();
    plain.remove(QLatin1Char('&'));
    const int titleHeight = fm.height();
    const int frameTop = titleHeight / 2;
    const int textWidth = plain.trimmed().isEmpty() ? 0 : fm.horizontalAdvance(plain) + 6;
    const QRect textRect(8, 0, textWidth, titleHeight);

    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0.5, frameTop + 0.5, width() - 1.0, height() - frameTop - 1.0), 3,
                         3);
    p.save();
    if (textWidth > 0) {
        // Leave a gap in the top edge for the caption.
        QPainterPath clip;
        clip.addRect(QRectF(rect()));
        QPainterPath gap;
        gap.addRect(QRectF(textRect));
        p.setClipPath(clip.subtracted(gap));
    }
    p.setPen(QPen(QColor(kKitGroupFrameColor), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    p.restore();
    p.setRenderHint(QPainter::Antialiasing, false);

    if (textWidth > 0) {
        p.setPen(isEnabled() ? QColor(0x0046D5) : QColor(0xACA899));
        p.setFont(font());
        p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, title());
    }
}

} // namespace hovlo
