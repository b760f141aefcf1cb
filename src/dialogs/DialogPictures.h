// The dialogs' pictures from resources/dialogs.qrc (made by resources/make-dialog-icons.sh),
// with their surface-coloured background made transparent. Used by the message box and the
// about box.
#pragma once

#include <QPixmap>

namespace hovlo {

// "warning", "error", "information", "confirmation" or "logo"; 32 x 32.
QPixmap DialogPicture(const char* name);

} // namespace hovlo
