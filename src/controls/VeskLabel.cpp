#include "controls/VeskLabel.h"

#include "controls/KitLook.h"
#include "dialogs/Shell.h"

#include <QEnterEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace hovlo {

TVeskLabel::TVeskLabel(QWidget* parent) : QWidget(parent) {
    setFont(KitFont());
    setFocusPolicy(Qt::NoFocus);
    resize(65, 21);
}

void TVeskLabel::setCaption(const QString& caption) {
    FCaption = caption;
    UpdateShortcut();
    updateGeometry();
    update();
}

void TVeskLabel::setShellExecute(const QString& target) {
    FShellExecute = target;
    if (FShellExecute.isEmpty())
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);
}

void TVeskLabel::setClickFocus(bool value) {
    FClickFocus = value;
    setFocusPolicy(value ? Qt::ClickFocus : Qt::NoFocus);
}

void TVeskLabel::setHottrack(bool value) {
    FHottrack = value;
    update();
}

void TVeskLabel::setHottrackColor(const QColor& color) {
    FHottrackColor = color;
    update();
}

void TVeskLabel::setPicture(const QPixmap& picture) {
    FPicture = picture;
    updateGeometry();
    update();
}

void TVeskLabel::setSpacing(int pixels) {
    FSpacing = pixels;
    updateGeometry();
    update();
}

void TVeskLabel::setAlignment(Qt::Alignment alignment) {
    FAlignment = alignment;
    update();
}

void TVeskLabel::setWordWrap(bool value) {
    FWordWrap = value;
    update();
}

void TVeskLabel::setTransparent(bool value) {
    FTransparent = value;
    update();
}

void TVeskLabel::setParentColor(bool value) {
    FParentColor = value;
    update();
}

void TVeskLabel::setColor(const QColor& color) {
    FColor = color;
    FParentColor = false;
    FTransparent = false;
    update();
}

void TVeskLabel::setFocusControl(QWidget* control) {
    FFocusControl = control;
    UpdateShortcut();
}

void TVeskLabel::UpdateShortcut() {
    if (FShortcutId != 0) {
        releaseShortcut(FShortcutId);
        FShortcutId = 0;
    }
    const QKeySequence key = QKeySequence::mnemonic(FCaption);
    if (FFocusControl && !key.isEmpty())
        FShortcutId = grabShortcut(key);
}

QSize TVeskLabel::sizeHint() const {
    const QFontMetrics fm(font());
    QString plain = FCaption;
    plain.remove(QLatin1Char('&'));
    int w = fm.horizontalAdvance(plain);
    if (!FPicture.isNull())
        w += FPicture.width() / FPicture.devicePixelRatio() + FSpacing;
    return {w + 2, 21};
}

void TVeskLabel::Click() {
    emit clicked();
    if (!FShellExecute.isEmpty()) {
        // The result is not looked at: a target that cannot be opened leaves the label as it was.
        Shell().ShellExecute(std::string(), FShellExecute.toStdString(), std::string(),
                             std::string(), kShow);
    }
}

bool TVeskLabel::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(event);
        if (se->shortcutId() == FShortcutId && FFocusControl) {
            FFocusControl->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return QWidget::event(event);
}

void TVeskLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!FTransparent && !FParentColor && FColor.isValid())
        p.fillRect(rect(), FColor);
    QRect r = rect();
    if (!FPicture.isNull()) {
        const QSize ps = FPicture.size() / FPicture.devicePixelRatio();
        int y = r.top();
        if (FAlignment & Qt::AlignVCenter)
            y = r.top() + (r.height() - ps.height()) / 2;
        else if (FAlignment & Qt::AlignBottom)
            y = r.bottom() - ps.height() + 1;
        p.drawPixmap(QPoint(r.left(), y), FPicture);
        r.setLeft(r.left() + ps.width() + FSpacing);
    }
    QColor color =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    if (FHottrack && FHot && isEnabled())
        color = FHottrackColor;
    p.setPen(color);
    p.setFont(font());
    int flags = static_cast<int>(FAlignment) | Qt::TextShowMnemonic;
    flags |= FWordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    p.drawText(r, flags, FCaption);
}

void TVeskLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        FPressed = true;
    QWidget::mousePressEvent(event);
}

void TVeskLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = FPressed;
    FPressed = false;
    if (event->button() == Qt::LeftButton && wasPressed &&
        rect().contains(event->position().toPoint())) {
        Click();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TVeskLabel::enterEvent(QEnterEvent* event) {
    FHot = true;
    if (FHottrack)
        update();
    QWidget::enterEvent(event);
}

void TVeskLabel::leaveEvent(QEvent* event) {
    FHot = false;
    if (FHottrack)
        update();
    QWidget::leaveEvent(event);
}

} // namespace hovlo
