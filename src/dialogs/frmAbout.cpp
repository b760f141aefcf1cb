#include "dialogs/frmAbout.h"

namespace hovlo {

TdlgAbout::TdlgAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgAbout"));
    setWindowTitle(QString::fromUtf8("Info über Hovlo"));
}

} // namespace hovlo
