// A window showing every kit control in its states, for looking at the kit (not run by CTest).
// Run it under a display and take a screenshot, or pass "--shot file.png" to have the window
// write its own picture and quit. The currency field has the focus (bare number, light blue
// background, its hint in the help panel); "--focus-button" gives it to the "Fokus" button.
#include "controls/KitLook.h"
#include "controls/VeskButton.h"
#include "controls/VeskEdit.h"
#include "controls/VeskGroupBox.h"
#include "controls/VeskHTMLStaticText.h"
#include "controls/VeskHelpPanel.h"
#include "controls/VeskLabel.h"
#include "controls/VeskPanel.h"
#include "platform/Application.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QTimer>

using namespace hovlo;

namespace {

QPixmap HeaderPicture(QSize size) {
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, size.width(), 0);
    g.setColorAt(0, QColor(0x1C4E9C));
    g.setColorAt(0.6, QColor(0x3A7BD5));
    g.setColorAt(1, QColor(0x9CC3F0));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QPoint(size.width() - 80, 10), 90, 90);
    return pm;
}

void Hover(QWidget* w) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(w, &enter);
}

TVeskLabel* Label(QWidget* parent, const QString& text, int x, int y, int w = 120) {
    auto* lbl = new TVeskLabel(parent);
    lbl->setCaption(text);
    lbl->setGeometry(x, y, w, 21);
    return lbl;
}

TVeskEdit* Edit(QWidget* parent, const char* name, int x, int y, int w = 130) {
    auto* df = new TVeskEdit(parent);
    df->setObjectName(name);
    df->setGeometry(x, y, w, 21);
    return df;
}

} // namespace

int main(int argc, char** argv) {
    hovlo::platform::PrepareApplication();
    QApplication app(argc, argv);
    InstallKitLook(app);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QString shot;
    const QStringList args = QApplication::arguments();
    if (const qsizetype i = args.indexOf("--shot"); i >= 0 && i + 1 < args.size())
        shot = args.at(i + 1);

    QWidget form;
    form.setWindowTitle("Hovlo - Steuerelemente");
    form.resize(780, 600);
    form.setAutoFillBackground(true);

    // Header: text with shadow over a picture.
    auto* header = new QLabel(&form);
    header->setGeometry(0, 0, 780, 64);
    header->setPixmap(HeaderPicture(header->size()));
    auto* headerText = new TVeskHTMLStaticText(&form);
    headerText->setObjectName("lblHeaderText");
    headerText->setTransparent(true);
    headerText->setShadowOffset(1);
    headerText->setShadowColor(QColor(0, 0, 0, 160));
    headerText->setGeometry(16, 10, 600, 48);
    headerText->HTMLText().Add("<font color=\"#FFFFFF\" size=\"4\"><b>Hovlo Kundendienst</b>"
                               "</font><br><font color=\"#E8F0FF\">Musterprodukt 2024 &middot; "
                               "Version 12.0.3</font>");

    // Buttons in their states.
    auto* gbButtons = new TVeskGroupBox(&form);
    gbButtons->setCaption("Schaltflächen");
    gbButtons->setGeometry(12, 76, 756, 70);
    const char* captions[] = {"&Normal",       "&Standard", "&Fokus",
                              "Maus &darüber", "Gedrückt",  "Gesperrt"};
    TVeskButton* buttons[6];
    for (int i = 0; i < 6; ++i) {
        buttons[i] = new TVeskButton(gbButtons);
        buttons[i]->setCaption(QString::fromUtf8(captions[i]));
        buttons[i]->setRoundColor(QColor(kKitSurfaceColor));
        buttons[i]->move(14 + i * 122, 28);
    }
    buttons[1]->setDefault(true);
    buttons[4]->setDown(true);
    buttons[5]->setEnabled(false);

    // Panels with their bevels.
    auto* gbPanels = new TVeskGroupBox(&form);
    gbPanels->setCaption("Panels");
    gbPanels->setGeometry(12, 156, 370, 120);
    struct TBevels {
        TPanelBevel inner, outer;
        const char* caption;
    } bevels[] = {{bvRaised, bvLowered, "Vorgabe"},
                  {bvNone, bvRaised, "Erhaben"},
                  {bvNone, bvLowered, "Vertieft"},
                  {bvNone, bvNone, "Flach"}};
    for (int i = 0; i < 4; ++i) {
        auto* pnl = new TVeskPanel(gbPanels);
        pnl->setBevelInner(bevels[i].inner);
        pnl->setBevelOuter(bevels[i].outer);
        pnl->setCaption(bevels[i].caption);
        pnl->setGeometry(14 + (i % 2) * 176, 24 + (i / 2) * 46, 166, 38);
    }

    // Labels.
    auto* gbLabels = new TVeskGroupBox(&form);
    gbLabels->setCaption("Beschriftungen");
    gbLabels->setGeometry(394, 156, 374, 120);
    Label(gbLabels, "Einfache Beschriftung", 14, 22, 170);
    auto* mail = Label(gbLabels, "info@veskora.example", 14, 44, 170);
    mail->setShellExecute("mailto:info@veskora.example");
    mail->setHottrack(true);
    mail->setHottrackColor(QColor(0x0046D5));
    auto* hot = Label(gbLabels, "Unter der Maus (Hot-Track)", 14, 66, 190);
    hot->setHottrack(true);
    hot->setHottrackColor(QColor(0xE06000));
    auto* disabledLabel = Label(gbLabels, "Gesperrte Beschriftung", 14, 88, 170);
    disabledLabel->setEnabled(false);
    QPixmap icon(16, 16);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0x3A7BD5));
        p.setPen(QColor(0x1C4E9C));
        p.drawEllipse(1, 1, 14, 14);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, "i");
    }
    auto* withIcon = Label(gbLabels, "Mit Bild, Abstand 4", 200, 22, 160);
    withIcon->setPicture(icon);
    withIcon->setSpacing(4);

    // Edit fields of all four types.
    auto* gbData = new TVeskGroupBox(&form);
    gbData->setCaption("&Eingabefelder");
    gbData->setGeometry(12, 286, 370, 190);
    const char* names[] = {"Text", "Ganzzahl", "Dezimalzahl", "Betrag", "Gesperrt", "Nur lesen"};
    for (int i = 0; i < 6; ++i)
        Label(gbData, names[i], 14, 22 + i * 26, 100);
    auto* dfText = Edit(gbData, "dfText", 120, 22);
    dfText->setText("Mustermann");
    auto* dfInt = Edit(gbData, "dfInteger", 120, 48);
    dfInt->setDataType(edtInteger);
    dfInt->setText("4711");
    auto* dfFloat = Edit(gbData, "dfFloat", 120, 74);
    dfFloat->setDataType(edtFloat);
    dfFloat->SetValue(1234.5);
    auto* dfCurrency = Edit(gbData, "dfCurrency", 120, 100);
    dfCurrency->setDataType(edtCurrency);
    dfCurrency->SetValue(-98765.4);
    auto* dfDisabled = Edit(gbData, "dfDisabled", 120, 126);
    dfDisabled->setText("nicht verfügbar");
    dfDisabled->setEnabled(false);
    auto* dfReadOnly = Edit(gbData, "dfReadOnly", 120, 152);
    dfReadOnly->setText("Windows 10 (Kernel 6.1)");
    dfReadOnly->setReadOnly(true);
    dfReadOnly->setTabStop(false);

    // HTML texts and their sizing modes.
    auto* gbHtml = new TVeskGroupBox(&form);
    gbHtml->setCaption("HTML-Text");
    gbHtml->setGeometry(394, 286, 374, 190);
    auto* both = new TVeskHTMLStaticText(gbHtml);
    both->setColor(Qt::white);
    both->move(14, 24);
    both->setAutoSizing(true);
    both->setAutoSizeType(asBoth);
    both->HTMLText().Add("asBoth: <b>fett</b>, <i>kursiv</i>, <u>unterstrichen</u>, "
                         "<font color=\"#C00000\">rot</font>");
    auto* vertical = new TVeskHTMLStaticText(gbHtml);
    vertical->setColor(Qt::white);
    vertical->setGeometry(14, 56, 240, 10);
    vertical->setAutoSizeType(asVertical);
    vertical->setAutoSizing(true);
    vertical->HTMLText().Add("asVertical: der Text wird auf die Breite umbrochen und die Höhe "
                             "passt sich an. Mehr unter "
                             "<a href=\"https://support.veskora.example\">support.veskora."
                             "example</a>.");
    auto* sizeInfo = new TVeskLabel(gbHtml);
    sizeInfo->setGeometry(14, 160, 340, 21);
    sizeInfo->setCaption(QString("Gemessen: asBoth %1 x %2, asVertical %3 x %4")
                             .arg(both->width())
                             .arg(both->height())
                             .arg(vertical->width())
                             .arg(vertical->height()));

    // The help panel shows the hint of the focused control.
    auto* helpFrame = new TVeskPanel(&form);
    helpFrame->setBevelInner(bvNone);
    helpFrame->setColor(QColor(0xFFFFE1));
    helpFrame->setGeometry(12, 486, 756, 56);
    auto* help = new TVeskHelpPanel(helpFrame);
    help->setObjectName("pnlHilfe");
    help->setGeometry(4, 4, 748, 48);
    dfCurrency->AdvancedHint()->setHinweis(
        "<b>Betrag:</b> Geben Sie den Betrag ohne Tausenderpunkte ein, z.&nbsp;B. 1234,5. Beim "
        "Verlassen wird er als Währung angezeigt.");
    dfCurrency->AdvancedHint()->setAnzeigeFenster(help);
    gbData->AdvancedHint()->setHinweis("Die Eingabefelder zeigen die vier Datentypen.");
    gbData->AdvancedHint()->setAnzeigeFenster(help);

    auto* ok = new TVeskButton(&form);
    ok->setCaption("&Schließen");
    ok->setRoundColor(QColor(kKitSurfaceColor));
    ok->move(668, 556);
    ok->setCancel(true);
    QObject::connect(ok, &QPushButton::clicked, &form, &QWidget::close);

    form.show();
    form.activateWindow();
    QTimer::singleShot(100, &form, [&] {
        if (args.contains("--focus-button"))
            buttons[2]->setFocus();
        else
            dfCurrency->setFocus(); // the bare number and the hint
        Hover(buttons[3]);
        Hover(hot);
        form.update();
        if (!shot.isEmpty()) {
            QTimer::singleShot(200, &form, [&] {
                form.grab().save(shot);
                QApplication::quit();
            });
        }
    });
    return QApplication::exec();
}
