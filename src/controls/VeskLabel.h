// TVeskLabel: the kit's text label, optionally with an image beside the text and a target that
// the shell opens when the label is clicked (a document, a program, a web address, a "mailto:"
// link). The about box and the your-data dialog use it. It never takes the focus on a click.
//
// How a form uses it (defaults: 21 pixels high, spacing 0, no hot-tracking, transparent):
//   auto* lbl = new TVeskLabel(parent);
//   lbl->setObjectName("lblMail");
//   lbl->setCaption("&E-Mail:");               // "&" marks the mnemonic
//   lbl->setFocusControl(dfMail);              // the mnemonic focuses this control
//   lbl->setShellExecute("mailto:info@example.org");
//   lbl->setHottrack(true); lbl->setHottrackColor(Qt::blue);
//   lbl->setPicture(QPixmap(":/img/mail.png")); lbl->setSpacing(4);
//   lbl->setClickFocus(true);                  // take the focus on a click after all
//   connect(lbl, &TVeskLabel::clicked, ...);   // raised before the shell is asked
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace hovlo {

class TVeskLabel : public QWidget {
    Q_OBJECT
public:
    explicit TVeskLabel(QWidget* parent = nullptr);

    const QString& Caption() const { return FCaption; }
    void setCaption(const QString& caption);
    // Same as setCaption, for code written against text labels.
    void setText(const QString& text) { setCaption(text); }
    QString text() const { return FCaption; }

    // Opened through the shell after clicked(); empty opens nothing.
    const QString& ShellExecute() const { return FShellExecute; }
    void setShellExecute(const QString& target);

    bool ClickFocus() const { return FClickFocus; }
    void setClickFocus(bool value);

    bool Hottrack() const { return FHottrack; }
    void setHottrack(bool value);
    QColor HottrackColor() const { return FHottrackColor; }
    void setHottrackColor(const QColor& color);

    const QPixmap& Picture() const { return FPicture; }
    void setPicture(const QPixmap& picture);
    // Gap between image and text, in pixels.
    int Spacing() const { return FSpacing; }
    void setSpacing(int pixels);

    Qt::Alignment Alignment() const { return FAlignment; }
    void setAlignment(Qt::Alignment alignment);
    bool WordWrap() const { return FWordWrap; }
    void setWordWrap(bool value);

    // With Transparent (the default) or ParentColor nothing is filled; setColor fills.
    bool Transparent() const { return FTransparent; }
    void setTransparent(bool value);
    bool ParentColor() const { return FParentColor; }
    void setParentColor(bool value);
    QColor Color() const { return FColor; }
    void setColor(const QColor& color);

    // The control that the caption's mnemonic focuses.
    QWidget* FocusControl() const { return FFocusControl; }
    void setFocusControl(QWidget* control);

    QSize sizeHint() const override;

signals:
    // The label was clicked (before its ShellExecute target is opened).
    void clicked();

protected:
    // The base click (raises clicked()), then the shell for a non-empty ShellExecute.
    virtual void Click();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void UpdateShortcut();

    QString FCaption;
    QString FShellExecute;
    bool FClickFocus = false;
    bool FHottrack = false;
    QColor FHottrackColor = QColor(0x0000FF);
    QPixmap FPicture;
    int FSpacing = 0;
    Qt::Alignment FAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool FWordWrap = false;
    bool FTransparent = true;
    bool FParentColor = true;
    QColor FColor;
    QPointer<QWidget> FFocusControl;
    int FShortcutId = 0;
    bool FHot = false;
    bool FPressed = false;
};

} // namespace hovlo
