#include "dialogs/frmKundendaten.h"

#include "controls/KitLook.h"
#include "controls/VeskButton.h"
#include "controls/VeskEdit.h"
#include "controls/VeskGroupBox.h"
#include "controls/VeskLabel.h"
#include "controls/VeskPanel.h"
#include "data/SystemProbe.h"
#include "dialogs/KundendatenFields.h"

namespace hovlo {

namespace {

constexpr int kClientWidth = 514;
constexpr int kRowHeight = 21;

QFont TahomaFont() {
    QFont font = KitFont();
    font.setPixelSize(11);
    return font;
}

TVeskPanel* MakePanel(QWidget* parent, const char* name, int top, int height) {
    auto* panel = new TVeskPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(0, top, kClientWidth, height);
    panel->setBevelInner(bvNone);
    panel->setBevelOuter(bvNone);
    panel->setCaption(QStringLiteral(" "));
    return panel;
}

TVeskGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption,
                            QRect geometry) {
    auto* box = new TVeskGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setCaption(caption);
    box->setFont(TahomaFont());
    box->setGeometry(geometry);
    return box;
}

} // namespace

TFormKundendaten::TFormKundendaten(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FormKundendaten"));
    setWindowTitle(QStringLiteral("Ihre Daten"));
    QFont formFont(QStringLiteral("MS Sans Serif"));
    formFont.setPixelSize(11);
    setFont(formFont);
    QPalette surface = palette();
    surface.setColor(QPalette::Window, QColor(kKitSurfaceColor));
    setPalette(surface);
    setAutoFillBackground(true);

    // Three flat panels stacked from the top; the client area is exactly their size.
    pnlKundendaten = MakePanel(this, "pnlKundendaten", 0, 209);
    pnlSystem = MakePanel(this, "pnlSystem", 209, 149);
    pnlButton = MakePanel(this, "pnlButton", 209 + 149, 41);
    setFixedSize(kClientWidth, 209 + 149 + 41);

    VeskGroupBox1 = MakeGroupBox(pnlKundendaten, "VeskGroupBox1",
                                 QStringLiteral("Ihre Kundendaten"), QRect(8, 8, 501, 197));
    VeskGroupBox2 = MakeGroupBox(pnlSystem, "VeskGroupBox2", QStringLiteral("Ihre Systemdaten"),
                                 QRect(8, 4, 501, 141));

    struct Row {
        TVeskGroupBox* box;
        int y;
        const char* label;
        const char* caption;
        int labelWidth;
        const char* field;
        int fieldWidth;
        bool right;
    };
    const Row rows[] = {
        {VeskGroupBox1, 24, "VeskLabel1", "Anrede:", 41, "dfAnrede", 150, false},
        {VeskGroupBox1, 24, "VeskLabel4", "Kunden-Nr.:", 65, "dfKundennummer", 150, true},
        {VeskGroupBox1, 52, "VeskLabel2", "Vorname:", 49, "dfVorname", 150, false},
        {VeskGroupBox1, 52, "VeskLabel3", "Nachname:", 57, "dfNachname", 150, true},
        {VeskGroupBox1, 80, "VeskLabel5", "Strasse:", 49, "dfStrasse", 392, false},
        {VeskGroupBox1, 108, "VeskLabel6", "Plz/Ort:", 49, "dfOrt", 392, false},
        {VeskGroupBox1, 136, "VeskLabel7", "Telefon:", 49, "dfTelefon", 150, false},
        {VeskGroupBox1, 136, "VeskLabel8", "Fax:", 33, "dfFax", 150, true},
        {VeskGroupBox1, 164, "VeskLabel9", "EMail:", 41, "dfEMail", 392, false},
        {VeskGroupBox2, 24, "VeskLabel10", "Betriebssystem:", 81, "dfBetriebssystem", 392, false},
        {VeskGroupBox2, 52, "VeskLabel12", "Arbeitsspeicher:", 81, "dfSpeicherGesamt", 150, false},
        {VeskGroupBox2, 52, "VeskLabel13", "davon frei:", 57, "dfSpeicherFrei", 150, true},
        {VeskGroupBox2, 80, "VeskLabel15", "Festplatte C:", 65, "dfFestplatte", 150, false},
        {VeskGroupBox2, 80, "VeskLabel16", "davon frei:", 65, "dfFestplatteFrei", 150, true},
        {VeskGroupBox2, 108, "VeskLabel11", "Desktop:", 73, "dfDesktop", 150, false},
        {VeskGroupBox2, 108, "VeskLabel14", "Drucker:", 53, "dfDrucker", 150, true},
    };
    for (const Row& row : rows)
        AddRow(row.box, row.y, row.label, QString::fromUtf8(row.caption), row.labelWidth, row.field,
               row.fieldWidth, row.right);

    pbOk = new TVeskButton(pnlButton);
    pbOk->setObjectName(QStringLiteral("pbOk"));
    pbOk->setCaption(QStringLiteral("&Ok"));
    pbOk->move(408, 6); // the kit's default size, 100 x 25
    pbOk->resize(pbOk->sizeHint());
    pbOk->setFont(TahomaFont());
    pbOk->setRoundColor(QColor(kKitSurfaceColor));
    pbOk->setModalResult(mrOk);
    pbOk->setDefault(true);
    pbOk->setCancel(true);
    pbOk->setTabStop(true); // the only control in the tab order
}

void TFormKundendaten::AddRow(TVeskGroupBox* box, int y, const char* labelName,
                              const QString& caption, int labelWidth, const char* fieldName,
                              int fieldWidth, bool rightColumn) {
    auto* label = new TVeskLabel(box);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setCaption(caption);
    label->setFont(TahomaFont());
    label->setClickFocus(false);
    label->setSpacing(0);
    label->setGeometry(rightColumn ? 268 : 16, y, labelWidth, kRowHeight);

    auto* field = new TVeskEdit(box);
    field->setObjectName(QString::fromLatin1(fieldName));
    field->setFont(TahomaFont());
    field->setDataType(edtText);
    field->setReadOnly(true);
    field->setTabStop(false);
    field->setGeometry(rightColumn ? 338 : 96, y, fieldWidth, kRowHeight);
    FFields.insert(field->objectName(), field);
}

void TFormKundendaten::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFormKundendaten::FormShow() {
    pbOk->setFocus(Qt::OtherFocusReason);
    FillKundendaten(FCustomerIni, SystemProbe(), [this](const char* name, const std::string& text) {
        if (TVeskEdit* field = Field(QString::fromLatin1(name)))
            field->setText(QString::fromStdString(text));
    });
}

} // namespace hovlo
