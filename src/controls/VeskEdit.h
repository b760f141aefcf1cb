// TVeskEdit: the kit's single-line edit field with a flat 1-pixel border, a light blue
// background while focused, a hint object, a data type that decides how its text is shown, and
// a validation event raised when the user leaves it after changing the text. The numeric types
// keep a number: while focused the field shows the bare number, on leaving it reads the typed
// text back and shows the number in its display format, with the separators of the user's
// regional settings (QLocale()). The your-data dialog shows all its values in read-only fields.
//
// How a form uses it:
//   auto* df = new TVeskEdit(parent);
//   df->setObjectName("dfName");
//   df->setReadOnly(true); df->setTabStop(false);         // a display-only field
//   df->setDataType(edtCurrency);                          // shows 0,00 € at once
//   df->setDisplayFormat("0,000.00;(0,000.00)");           // after setDataType
//   df->SetValue(1234.5);
//   connect(df, &TVeskEdit::OnValidate, [](TVeskEdit* sender, bool& bAllowFocusChange) {...});
//   connect(df, &TVeskEdit::OnExit, ...);                  // raised before OnValidate
// OnValidate's flag starts true; the field does not look at it afterwards (the focus leaves in
// any case).
#pragma once

#include "controls/KitFocus.h"
#include "controls/VeskHelpPanel.h"

#include <QLineEdit>

#include <memory>

namespace hovlo {

enum TEditDataTypes { edtText = 0, edtInteger = 1, edtFloat = 2, edtCurrency = 3 };

class TVeskEdit : public QLineEdit, public IAdvancedHintControl, public TKitFocusHooks {
    Q_OBJECT
public:
    explicit TVeskEdit(QWidget* parent = nullptr);
    ~TVeskEdit() override;

    TAdvancedHint* AdvancedHint() const { return FAdvancedHint.get(); }
    TAdvancedHint* GetAdvancedHint() override { return FAdvancedHint.get(); }
    void SetAdvancedHint(const TAdvancedHint* hint) override;

    TEditDataTypes DataType() const { return FDataType; }
    // Sets the type's default format ("" / "" / "0,000.0" / "0,000.00 €") and, for the numeric
    // types, right alignment; edtText leaves the alignment as it is.
    void setDataType(TEditDataTypes type);
    const QString& DisplayFormat() const { return FDisplayFormat; }
    // For edtFloat and edtCurrency the number is shown again in the new format.
    void setDisplayFormat(const QString& format);

    // Stores the number and, for edtFloat and edtCurrency, shows it in the display format.
    void SetValue(double value);
    double Value() const { return FValue; }

    bool TabStop() const { return focusPolicy() & Qt::TabFocus; }
    void setTabStop(bool value);

    void DoEnter() override;
    void DoExit() override;
    virtual void Notification(QObject* component, TOperation operation);

    QSize sizeHint() const override { return {121, 21}; }

signals:
    void OnEnter();
    void OnExit();
    // The text on leaving differs from the text at entry; it is still the user's text.
    void OnValidate(hovlo::TVeskEdit* Sender, bool& bAllowFocusChange);

private:
    bool IsNumeric() const { return FDataType == edtFloat || FDataType == edtCurrency; }

    std::unique_ptr<TAdvancedHint> FAdvancedHint;
    TEditDataTypes FDataType = edtText;
    QString FDisplayFormat;
    double FValue = 0;
    QString FEnterText;
};

} // namespace hovlo
