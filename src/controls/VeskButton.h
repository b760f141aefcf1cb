// TVeskButton: the kit's push button, drawn in the XP look: rounded corners over RoundColor, a
// light face, a blue rim while focused or default and an orange rim under the mouse. Every
// window's buttons are kit buttons.
//
// How a form uses it (defaults: 100 x 25, style scbsXP, face clBtnFace, highlight #70A0FC,
// hot-track #FFAC00):
//   auto* btn = new TVeskButton(parent);
//   btn->setObjectName("btnOK");
//   btn->setCaption("&OK");                    // "&" marks the mnemonic (same as setText)
//   btn->setRoundColor(QColor(0xEEEEEE));      // the colour behind the curved corners
//   btn->setModalResult(mrOk);                 // a click closes the dialog with this result
//   btn->setDefault(true);                     // Enter in the dialog clicks it
//   btn->setCancel(true);                      // Escape in the window clicks it
//   btn->setTabStop(false);
//   btn->setHottrack(false);                   // no orange rim under the mouse
//   connect(btn, &QPushButton::clicked, ...);  // raised before the dialog closes
#pragma once

#include "controls/KitFocus.h"
#include "controls/VeskHelpPanel.h"

#include <QColor>
#include <QPushButton>

#include <memory>

class QShortcut;

namespace hovlo {

enum TSCButtonStyle { scbsWin2k, scbsXP };

// Modal results of a dialog, as the windows return them.
enum TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10
};

class TVeskButton : public QPushButton, public IAdvancedHintControl, public TKitFocusHooks {
    Q_OBJECT
public:
    explicit TVeskButton(QWidget* parent = nullptr);
    ~TVeskButton() override;

    TAdvancedHint* AdvancedHint() const { return FAdvancedHint.get(); }
    TAdvancedHint* GetAdvancedHint() override { return FAdvancedHint.get(); }
    void SetAdvancedHint(const TAdvancedHint* hint) override;

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    TSCButtonStyle Style() const { return FStyle; }
    void setStyle(TSCButtonStyle style);
    // The face; invalid means clBtnFace, the palette's button colour.
    QColor Color() const;
    void setColor(const QColor& color);
    QColor RoundColor() const;
    void setRoundColor(const QColor& color);
    QColor HighlightColor() const { return FHighlightColor; }
    void setHighlightColor(const QColor& color);
    QColor HottrackColor() const { return FHottrackColor; }
    void setHottrackColor(const QColor& color);
    bool Hottrack() const { return FHottrack; }
    void setHottrack(bool value);

    // A click ends the button's dialog with this result (mrNone: the dialog stays).
    int ModalResult() const { return FModalResult; }
    void setModalResult(int result) { FModalResult = result; }
    // Escape anywhere in the button's window clicks it.
    bool Cancel() const { return FCancel; }
    void setCancel(bool value);
    bool TabStop() const { return focusPolicy() & Qt::TabFocus; }
    void setTabStop(bool value);

    void DoEnter() override;
    void DoExit() override;
    virtual void Notification(QObject* component, TOperation operation);

    QSize sizeHint() const override { return {100, 25}; }
    QSize minimumSizeHint() const override { return {16, 16}; }

signals:
    void OnEnter();
    void OnExit();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Clicked();
    void PaintXP(QPainter& p);
    void PaintWin2k(QPainter& p);

    std::unique_ptr<TAdvancedHint> FAdvancedHint;
    TSCButtonStyle FStyle = scbsXP;
    QColor FColor;
    QColor FRoundColor;
    QColor FHighlightColor = QColor(0x70A0FC);
    QColor FHottrackColor = QColor(0xFFAC00);
    bool FHottrack = true;
    int FModalResult = mrNone;
    bool FCancel = false;
    QShortcut* FCancelShortcut = nullptr;
    bool FHot = false;
};

} // namespace hovlo
