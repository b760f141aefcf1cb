#include "dialogs/frmAbout.h"

#include "controls/KitLook.h"
#include "controls/VeskButton.h"
#include "controls/VeskLabel.h"
#include "controls/VeskPanel.h"
#include "dialogs/DialogPictures.h"
#include "dialogs/ProgramVersion.h"

#include <QLabel>

namespace hovlo {

namespace {

constexpr int kAuto = -1; // the label takes its text's width and is 17 high

TVeskLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                      int width, bool bold = false) {
    auto* label = new TVeskLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = KitFont();
    font.setBold(bold);
    label->setFont(font);
    label->setClickFocus(false);
    label->setSpacing(0);
    label->setCaption(caption);
    if (width == kAuto)
        label->setGeometry(left, top, label->sizeHint().width(), 17);
    else
        label->setGeometry(left, top, width, 21);
    return label;
}

} // namespace

TdlgAbout::TdlgAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("dlgAbout"));
    setWindowTitle(QString::fromUtf8("Info \u00fcber Hovlo"));
    QFont formFont(QStringLiteral("MS Sans Serif"));
    formFont.setPointSize(8);
    setFont(formFont);
    QPalette surface = palette();
    surface.setColor(QPalette::Window, QColor(kKitSurfaceColor));
    setPalette(surface);
    setAutoFillBackground(true);
    setFixedSize(396, 220);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(344, 24, 32, 32);
    Image1->setPixmap(DialogPicture("logo"));

    MakeLabel(this, "VeskLabel1", QStringLiteral("Veskora GmbH -  Hovlo"), 16, 24, 265, true);
    MakeLabel(this, "VeskLabel2", QStringLiteral("Version"), 16, 56, 57);
    lblVersion = MakeLabel(this, "lblVersion", QStringLiteral("lblVersion"), 96, 56, 115);
    MakeLabel(this, "VeskLabel5", QStringLiteral("Impressum:"), 16, 104, kAuto, true);
    MakeLabel(this, "VeskLabel6", QStringLiteral("Veskora GmbH"), 96, 104, kAuto);
    MakeLabel(this, "VeskLabel8", QString::fromUtf8("Musterstra\u00dfe 1"), 96, 121, kAuto);
    MakeLabel(this, "VeskLabel9", QStringLiteral("12345 Musterstadt"), 96, 138, kAuto);
    MakeLabel(this, "VeskLabel7", QStringLiteral("Tel.:"), 265, 104, kAuto);
    MakeLabel(this, "VeskLabel11", QStringLiteral("0180 1234567"), 300, 104, kAuto);
    MakeLabel(this, "VeskLabel12", QString::fromUtf8("(\u20ac 0,12/Minute)"), 300, 121, kAuto);
    MakeLabel(this, "VeskLabel10", QStringLiteral("eMail:"), 265, 138, kAuto);
    lblEMail = MakeLabel(this, "lblEMail", QLatin1String(kServiceEMail), 300, 138, kAuto);
    lblEMail->setCursor(Qt::PointingHandCursor);
    lblEMail->setHottrack(true);
    lblEMail->setHottrackColor(Qt::blue);
    lblEMail->setShellExecute(QLatin1String(kServiceMailLink));

    VeskPanel1 = new TVeskPanel(this);
    VeskPanel1->setObjectName(QStringLiteral("VeskPanel1"));
    VeskPanel1->setGeometry(-5, 168, 400, 3);
    VeskPanel1->setBevelInner(bvNone);
    VeskPanel1->setBevelOuter(bvRaised);
    VeskPanel1->setCaption(QStringLiteral(" "));

    VeskButton1 = new TVeskButton(this);
    VeskButton1->setObjectName(QStringLiteral("VeskButton1"));
    VeskButton1->setCaption(QStringLiteral("Ok"));
    VeskButton1->move(280, 184); // the kit's default size, 100 x 25
    VeskButton1->resize(VeskButton1->sizeHint());
    VeskButton1->setModalResult(mrOk);
    VeskButton1->setCancel(true);
    VeskButton1->setRoundColor(QColor(kKitSurfaceColor));
}

void TdlgAbout::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TdlgAbout::FormShow() {
    lblVersion->setCaption(QString::fromStdString(ProgramVersionText()));
}

} // namespace hovlo
