#include "dialogs/frmKundendaten.h"

namespace hovlo {

TFormKundendaten::TFormKundendaten(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormKundendaten"));
    setWindowTitle(QStringLiteral("Ihre Daten"));
}

} // namespace hovlo
