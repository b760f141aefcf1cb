#include "dialogs/uMessageBox.h"

#include "controls/KitLook.h"
#include "controls/VeskButton.h"
#include "controls/VeskHTMLStaticText.h"
#include "dialogs/DialogPictures.h"
#include "platform/Application.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace hovlo {

namespace {

QLabel* MakeImage(QWidget* parent, const char* name, int left, int top) {
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setGeometry(left, top, kMessageBoxIconSize, kMessageBoxIconSize);
    return image;
}

TVeskHTMLStaticText* MakeHtmlLabel(QWidget* parent, const char* name, QRect geometry,
                                   TAutoSizeType sizing) {
    auto* label = new TVeskHTMLStaticText(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(KitFont());
    label->setVAlignment(tvaTop);
    // The stored shadow offset of 1 only ever applied to text marked for a shadow; the kit's
    // label shadows all of its text at any offset, so the box keeps 0 for plain, crisp text.
    label->setShadowOffset(0);
    label->setAutoScroll(false);
    label->setMiniScroll(false);
    label->setAutoSizeType(sizing);
    label->setAutoSizing(true);
    return label;
}

} // namespace

int ShowMessageBox(const QString& text, TMessageBoxIcon icon, TMessageBoxButtons buttons) {
    QString html = text;
    html.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    TdlgMessageBox box(QApplication::activeWindow());
    return box.Execute(html, icon, buttons);
}

TdlgMessageBox::TdlgMessageBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("dlgMessageBox"));
    setWindowTitle(QStringLiteral("dlgMessageBox"));
    setFont(KitFont());
    QPalette surface = palette();
    surface.setColor(QPalette::Window, QColor(kKitSurfaceColor));
    setPalette(surface);
    setAutoFillBackground(true);
    setFixedSize(293, 110);

    imgDlgImage = MakeImage(this, "imgDlgImage", 10, 10);
    imgWarning = MakeImage(this, "imgWarning", 130, 40);
    imgError = MakeImage(this, "imgError", 170, 40);
    imgInformation = MakeImage(this, "imgInformation", 210, 40);
    imgConfirmation = MakeImage(this, "imgConfirmation", 250, 40);
    imgWarning->setPixmap(DialogPicture("warning"));
    imgError->setPixmap(DialogPicture("error"));
    imgInformation->setPixmap(DialogPicture("information"));
    imgConfirmation->setPixmap(DialogPicture("confirmation"));
    for (QLabel* holder : {imgWarning, imgError, imgInformation, imgConfirmation})
        holder->hide();

    for (int i = 0; i < kMessageBoxMaxButtons; ++i) {
        auto* button = new TVeskButton(this);
        button->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        button->setCaption(QStringLiteral("Button%1").arg(i + 1));
        button->setGeometry(10, 74, kMessageBoxButtonWidth, kMessageBoxButtonHeight);
        button->setStyle(scbsXP);
        button->setRoundColor(QColor(kKitSurfaceColor));
        button->setFont(KitFont());
        button->hide();
        if (i > 0)
            setTabOrder(FButtons[i - 1], button);
        FButtons[i] = button;
    }

    lblInfoText = MakeHtmlLabel(this, "lblInfoText", QRect(10, 20, 273, 19), asVertical);
    ScrollBox1 = new QWidget(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(50, 0, 81, 71);
    lblTemp = MakeHtmlLabel(ScrollBox1, "lblTemp", QRect(10, 10, 6, 19), asBoth);

    connect(lblTemp, &TVeskHTMLStaticText::OnNewSize, this, &TdlgMessageBox::lblTempNewSize);
    connect(lblInfoText, &TVeskHTMLStaticText::OnNewSize, this,
            &TdlgMessageBox::lblInfoTextNewSize);
}

void TdlgMessageBox::Prepare(const QString& text, TMessageBoxIcon icon,
                             TMessageBoxButtons buttons) {
    FFilled = false;
    FEmptyText = text.isEmpty();
    lblInfoText->HTMLText().Clear();
    lblInfoText->HTMLText().Add(text);
    lblTemp->HTMLText().Clear();
    lblTemp->HTMLText().Add(text);

    setWindowTitle(platform::ApplicationTitle());

    QLabel* holder = nullptr;
    switch (icon) {
    case mbiWarning:
        holder = imgWarning;
        break;
    case mbiError:
        holder = imgError;
        break;
    case mbiInformation:
        holder = imgInformation;
        break;
    case mbiConfirmation:
        holder = imgConfirmation;
        break;
    case mbiNone:
        break;
    }
    if (holder) {
        imgDlgImage->setPixmap(holder->pixmap());
        imgDlgImage->show();
        const int shift = imgDlgImage->width() + kMessageBoxMargin;
        lblInfoText->setGeometry(imgDlgImage->x() + shift, lblInfoText->y(),
                                 lblInfoText->width() - shift, lblInfoText->height());
    } else {
        imgDlgImage->hide();
    }

    FButtonCount = 0;
    FEscape.fill(false);
    for (const TMessageBoxButtonInfo& entry : MessageBoxButtons(buttons)) {
        TVeskButton* button = FButtons[FButtonCount];
        button->setCaption(QString::fromUtf8(entry.Caption));
        button->setModalResult(entry.Result);
        button->show();
        FEscape[FButtonCount] = entry.Escape;
        ++FButtonCount;
    }

    // The labels sized themselves while the text went in; lay out now that the buttons are known.
    FFilled = true;
    lblTempNewSize(lblTemp->width(), lblTemp->height());
}

int TdlgMessageBox::Execute(const QString& text, TMessageBoxIcon icon, TMessageBoxButtons buttons) {
    Prepare(text, icon, buttons);
    return exec();
}

QRect TdlgMessageBox::ScreenRect() const {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    return shown ? shown->geometry() : QRect(0, 0, 1024, 768);
}

void TdlgMessageBox::lblTempNewSize(int newWidth, int /*newHeight*/) {
    if (!FFilled)
        return;
    ScrollBox1->hide();
    const QRect screenRect = ScreenRect();
    const int frameWidth = frameGeometry().width() - width();
    const TMessageBoxWidth layout =
        MessageBoxWidth(FEmptyText ? 0 : newWidth, !imgDlgImage->isHidden(), FButtonCount,
                        screenRect.width(), frameWidth);
    setFixedWidth(layout.ClientWidth);
    move(screenRect.x() + layout.WindowLeft, y());
    for (int i = 0; i < kMessageBoxMaxButtons; ++i)
        FButtons[i]->move(layout.ButtonLefts[i], FButtons[i]->y());

    // The text label follows the width and wraps anew; a hidden label gets no resize event, so
    // the wrap is asked for here and the height laid out from it.
    lblInfoText->setGeometry(layout.TextLeft, lblInfoText->y(), layout.TextWidth,
                             lblInfoText->height());
    lblInfoText->AdjustAutoSize();
    lblInfoTextNewSize(lblInfoText->width(), lblInfoText->height());
}

void TdlgMessageBox::lblInfoTextNewSize(int /*newWidth*/, int newHeight) {
    if (!FFilled)
        return;
    const QRect screenRect = ScreenRect();
    const int frameHeight = frameGeometry().height() - height();
    const TMessageBoxHeight layout =
        MessageBoxHeight(FEmptyText ? 0 : newHeight, screenRect.height(), frameHeight);
    lblInfoText->move(lblInfoText->x(), layout.TextTop);
    setFixedHeight(layout.ClientHeight);
    move(x(), screenRect.y() + layout.WindowTop);
    for (TVeskButton* button : FButtons)
        button->move(button->x(), layout.ButtonTop);
}

void TdlgMessageBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (FButtonCount > 0)
        FButtons[0]->setFocus(Qt::OtherFocusReason);
}

void TdlgMessageBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // The first button marked for Escape takes it; without one, Escape does nothing.
        for (int i = 0; i < FButtonCount; ++i) {
            if (FEscape[i]) {
                FButtons[i]->click();
                break;
            }
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TdlgMessageBox::reject() {
    done(2);
}

} // namespace hovlo
