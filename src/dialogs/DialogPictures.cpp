#include "dialogs/DialogPictures.h"

#include "controls/KitLook.h"

#include <QBitmap>
#include <QColor>

// Resources of a static library must be registered by hand, and from the global namespace.
static void InitDialogResources() {
    Q_INIT_RESOURCE(dialogs);
}

namespace hovlo {

QPixmap DialogPicture(const char* name) {
    static const bool registered = (InitDialogResources(), true);
    (void)registered;
    QPixmap picture(QStringLiteral(":/dialogs/%1.png").arg(QLatin1String(name)));
    if (!picture.isNull())
        picture.setMask(picture.createMaskFromColor(QColor(kKitSurfaceColor)));
    return picture;
}

} // namespace hovlo
