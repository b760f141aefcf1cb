#include "controls/VeskEdit.h"

#include "controls/KitLook.h"
#include "controls/NumberFormat.h"

#include <QLocale>
#include <QPointer>

namespace hovlo {

namespace {

std::string DecimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}
std::string GroupSeparator() {
    return QLocale().groupSeparator().toStdString();
}

QString KitEditStyleSheet() {
    return QStringLiteral("QLineEdit { border: 1px solid #D4D0C8; background: #FFFFFF;"
                          " color: #000000; padding: 0px 1px;"
                          " selection-background-color: #316AC5; selection-color: #FFFFFF; }"
                          "QLineEdit:focus { background: #F3F7FE; color: #000000; }"
                          "QLineEdit:disabled { background: #EEEEEE; color: #000000; }");
}

} // namespace

TVeskEdit::TVeskEdit(QWidget* parent)
    : QLineEdit(parent), FAdvancedHint(std::make_unique<TAdvancedHint>(this)) {
    EnsureKitFocusTracking();
    setFont(KitFont());
    setStyleSheet(KitEditStyleSheet());
    setFrame(true);
    resize(121, 21);
}

TVeskEdit::~TVeskEdit() = default;

void TVeskEdit::SetAdvancedHint(const TAdvancedHint* hint) {
    if (hint)
        FAdvancedHint->Assign(*hint);
}

void TVeskEdit::setDataType(TEditDataTypes type) {
    FDataType = type;
    switch (type) {
    case edtText:
        setDisplayFormat(QString());
        break;
    case edtInteger:
        setDisplayFormat(QString());
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case edtFloat:
        setDisplayFormat(QStringLiteral("0,000.0"));
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case edtCurrency:
        setDisplayFormat(QString::fromUtf8("0,000.00 \u20AC"));
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    }
}

void TVeskEdit::setDisplayFormat(const QString& format) {
    FDisplayFormat = format;
    if (IsNumeric())
        SetValue(FValue);
}

void TVeskEdit::SetValue(double value) {
    FValue = value;
    if (!IsNumeric())
        return;
    setText(QString::fromStdString(FormatDisplayNumber(value, FDisplayFormat.toStdString(),
                                                       DecimalSeparator(), GroupSeparator())));
}

void TVeskEdit::setTabStop(bool value) {
    setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

void TVeskEdit::DoEnter() {
    const QPointer<TVeskEdit> self(this); // a handler may destroy the field
    emit OnEnter();
    if (!self)
        return;
    FAdvancedHint->Show();
    if (IsNumeric() && !isReadOnly()) {
        const bool allSelected = !text().isEmpty() && selectedText() == text();
        setText(QString::fromStdString(
            FormatEditNumber(FValue, FDisplayFormat.toStdString(), DecimalSeparator())));
        if (allSelected)
            selectAll();
    }
    FEnterText = text();
}

void TVeskEdit::DoExit() {
    const QPointer<TVeskEdit> self(this); // a handler may destroy the field
    emit OnExit();
    if (!self)
        return;
    if (text() != FEnterText) {
        bool bAllowFocusChange = true;
        emit OnValidate(this, bAllowFocusChange);
        if (!self)
            return;
    }
    FAdvancedHint->Hide();
    if (IsNumeric() && !isReadOnly()) {
        const QString typed = text();
        if (const auto number = ReadNumber(typed.toStdString(), DecimalSeparator()))
            SetValue(*number);
        else if (typed.isEmpty())
            SetValue(0);
        else
            SetValue(FValue); // unreadable: the previous number comes back
    }
}

void TVeskEdit::Notification(QObject* component, TOperation operation) {
    FAdvancedHint->Notification(component, operation);
}

} // namespace hovlo
