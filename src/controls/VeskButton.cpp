#include "controls/VeskButton.h"

#include "controls/KitLook.h"
#include "controls/VeskPanel.h"

#include <QDialog>
#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QShortcut>
#include <QStyleOptionFocusRect>

namespace hovlo {

namespace {

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

} // namespace

TVeskButton::TVeskButton(QWidget* parent)
    : QPushButton(parent), FAdvancedHint(std::make_unique<TAdvancedHint>(this)) {
    EnsureKitFocusTracking();
    setFont(KitFont());
    resize(100, 25);
    setAttribute(Qt::WA_Hover);
    connect(this, &QPushButton::clicked, this, &TVeskButton::Clicked);
}

TVeskButton::~TVeskButton() = default;

void TVeskButton::SetAdvancedHint(const TAdvancedHint* hint) {
    if (hint)
        FAdvancedHint->Assign(*hint);
}

void TVeskButton::setStyle(TSCButtonStyle style) {
    FStyle = style;
    update();
}

QColor TVeskButton::Color() const {
    return FColor.isValid() ? FColor : palette().color(QPalette::Button);
}

void TVeskButton::setColor(const QColor& color) {
    FColor = color;
    update();
}

QColor TVeskButton::RoundColor() const {
    return FRoundColor.isValid() ? FRoundColor : palette().color(QPalette::Button);
}

void TVeskButton::setRoundColor(const QColor& color) {
    FRoundColor = color;
    update();
}

void TVeskButton::setHighlightColor(const QColor& color) {
    FHighlightColor = color;
    update();
}

void TVeskButton::setHottrackColor(const QColor& color) {
    FHottrackColor = color;
    update();
}

void TVeskButton::setHottrack(bool value) {
    FHottrack = value;
    update();
}

void TVeskButton::setCancel(bool value) {
    FCancel = value;
    if (value && !FCancelShortcut) {
        FCancelShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        FCancelShortcut->setContext(Qt::WindowShortcut);
        connect(FCancelShortcut, &QShortcut::activated, this, [this] {
            if (isEnabled() && isVisible())
                animateClick();
        });
    }
    if (FCancelShortcut)
        FCancelShortcut->setEnabled(value);
}

void TVeskButton::setTabStop(bool value) {
    setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

void TVeskButton::Clicked() {
    if (FModalResult == mrNone)
        return;
    if (auto* dialog = qobject_cast<QDialog*>(window()))
        dialog->done(FModalResult);
}

void TVeskButton::DoEnter() {
    const QPointer<TVeskButton> self(this); // a handler may destroy the control
    emit OnEnter();
    if (self)
        FAdvancedHint->Show();
}

void TVeskButton::DoExit() {
    const QPointer<TVeskButton> self(this); // a handler may destroy the control
    emit OnExit();
    if (self)
        FAdvancedHint->Hide();
}

void TVeskButton::Notification(QObject* component, TOperation operation) {
    FAdvancedHint->Notification(component, operation);
}

void TVeskButton::enterEvent(QEnterEvent* event) {
    FHot = true;
    update();
    QPushButton::enterEvent(event);
}

void TVeskButton::leaveEvent(QEvent* event) {
    FHot = false;
    update();
    QPushButton::leaveEvent(event);
}

void TVeskButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (FStyle == scbsXP)
        PaintXP(p);
    else
        PaintWin2k(p);

    // Icon and caption, centred together.
    const bool enabled = isEnabled();
    QRect content = rect().adjusted(4, 3, -4, -3);
    const QFontMetrics fm(font());
    QString plain = text();
    plain.remove(QLatin1Char('&'));
    const int textWidth = plain.isEmpty() ? 0 : fm.horizontalAdvance(plain);
    if (!icon().isNull()) {
        const QSize is = iconSize();
        const int gap = textWidth > 0 ? 4 : 0;
        const int total = is.width() + gap + textWidth;
        const int x = content.left() + (content.width() - total) / 2;
        const QPixmap pm =
            icon().pixmap(is, devicePixelRatioF(), enabled ? QIcon::Normal : QIcon::Disabled);
        p.drawPixmap(QPoint(x, content.top() + (content.height() - is.height()) / 2), pm);
        content.setLeft(x + is.width() + gap);
        content.setWidth(textWidth + 1);
    }
    p.setPen(enabled ? palette().color(QPalette::Active, QPalette::ButtonText) : QColor(0xACA899));
    p.setFont(font());
    p.drawText(content, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, text());

    if (hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.rect = rect().adjusted(3, 3, -3, -3);
        p.setRenderHint(QPainter::Antialiasing, false);
        QPen dots(QColor(0x202020), 1, Qt::DotLine);
        p.setPen(dots);
        p.setBrush(Qt::NoBrush);
        p.drawRect(opt.rect.adjusted(0, 0, -1, -1));
    }
}

void TVeskButton::PaintXP(QPainter& p) {
    const bool enabled = isEnabled();
    const bool down = isDown() || isChecked();
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = 3.0;

    p.fillRect(rect(), RoundColor());
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath outline;
    outline.addRoundedRect(r, radius, radius);

    const QColor face = Color();
    QLinearGradient grad(0, 0, 0, height());
    if (!enabled) {
        grad.setColorAt(0, Mix(face, Qt::white, 0.6));
        grad.setColorAt(1, Mix(face, Qt::white, 0.6));
    } else if (down) {
        grad.setColorAt(0, face.darker(112));
        grad.setColorAt(0.2, face.darker(106));
        grad.setColorAt(1, Mix(face, Qt::white, 0.5));
    } else {
        grad.setColorAt(0, Qt::white);
        grad.setColorAt(0.6, Mix(face, Qt::white, 0.45));
        grad.setColorAt(0.9, face);
        grad.setColorAt(1, face.darker(110));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(grad);
    p.drawPath(outline);

    // The rim: orange under the mouse, blue while focused or default; lighter towards the top.
    QColor rim;
    if (enabled && FHottrack && FHot && !down)
        rim = FHottrackColor;
    else if (enabled && (hasFocus() || isDefault()) && !down)
        rim = FHighlightColor;
    if (rim.isValid()) {
        QLinearGradient rimGrad(0, 1, 0, height() - 1);
        rimGrad.setColorAt(0, Mix(rim, Qt::white, 0.55));
        rimGrad.setColorAt(0.25, rim);
        rimGrad.setColorAt(1, rim.darker(108));
        p.setPen(QPen(QBrush(rimGrad), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), radius - 1, radius - 1);
    }

    p.setPen(QPen(enabled ? QColor(kKitButtonBorderColor) : QColor(0xC9C7BA), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void TVeskButton::PaintWin2k(QPainter& p) {
    const bool down = isDown() || isChecked();
    p.fillRect(rect(), Color());
    QRect r = rect();
    if (isDefault() || hasFocus()) {
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    QPalette pal = palette();
    if (down) {
        p.setPen(pal.color(QPalette::Dark));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        r = DrawKitBevel(p, r, bvRaised, 1, pal);
    }
}

} // namespace hovlo
