// The your-data dialog: shows what a support request tells about the customer (address and
// customer number from the customer file) and about the machine (from the installed probe).
// Read-only. Created once at start-up; the main window's mKundendatenClick shows it modally.
// Every showing reads the customer file and measures the machine anew.
#pragma once

#include "data/VeskIni.h"

#include <QDialog>
#include <QHash>

namespace hovlo {

class TVeskButton;
class TVeskEdit;
class TVeskGroupBox;
class TVeskPanel;

class TFormKundendaten : public QDialog {
    Q_OBJECT
public:
    explicit TFormKundendaten(QWidget* parent = nullptr);

    // The field of that name ("dfAnrede"), or nullptr.
    TVeskEdit* Field(const QString& name) const { return FFields.value(name); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void AddRow(TVeskGroupBox* box, int y, const char* labelName, const QString& caption,
                int labelWidth, const char* fieldName, int fieldWidth, bool rightColumn);

    TVeskPanel* pnlKundendaten;
    TVeskPanel* pnlSystem;
    TVeskPanel* pnlButton;
    TVeskGroupBox* VeskGroupBox1;
    TVeskGroupBox* VeskGroupBox2;
    TVeskButton* pbOk;
    QHash<QString, TVeskEdit*> FFields;
    TVeskIni FCustomerIni; // the dialog's own reader of the customer file
};

} // namespace hovlo
