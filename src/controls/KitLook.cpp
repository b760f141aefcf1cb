#include "controls/KitLook.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPalette>
#include <QStyleFactory>

namespace hovlo {

namespace {

// Debian's fonts-wine ships Tahoma here; fontconfig usually learns it from the snippet that
// scripts/setup installs, and this is the fallback when it has not. Only the regular face: the
// package's bold face is too thin at 8 points to read as bold, the bold made from the regular
// face does.
const char* const kTahomaFiles[] = {"/usr/share/wine/fonts/tahoma.ttf"};

void RegisterTahomaIfMissing() {
    if (KitFontAvailable())
        return;
    for (const char* file : kTahomaFiles) {
        if (QFile::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
}

QPalette KitPalette() {
    const QColor surface(kKitSurfaceColor);
    QPalette pal(Qt::black, surface);
    pal.setColor(QPalette::Window, surface);
    pal.setColor(QPalette::Button, surface);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::AlternateBase, QColor(0xF7F7F7));
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    pal.setColor(QPalette::Light, Qt::white);
    pal.setColor(QPalette::Midlight, QColor(0xE3E3E3));
    pal.setColor(QPalette::Mid, QColor(0xC0C0C0));
    pal.setColor(QPalette::Dark, QColor(0xA0A0A0));
    pal.setColor(QPalette::Shadow, QColor(0x696969));
    pal.setColor(QPalette::Highlight, QColor(0x316AC5));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::Link, QColor(0x0000FF));
    pal.setColor(QPalette::LinkVisited, QColor(0x800080));
    pal.setColor(QPalette::ToolTipBase, QColor(0xFFFFE1));
    pal.setColor(QPalette::ToolTipText, Qt::black);
    const QColor grey(0xACA899);
    pal.setColor(QPalette::Disabled, QPalette::Text, grey);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, grey);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
    pal.setColor(QPalette::Disabled, QPalette::Base, surface);
    return pal;
}

} // namespace

QFont KitFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

bool KitFontAvailable() {
    return QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive);
}

void InstallKitLook(QApplication& app) {
    RegisterTahomaIfMissing();
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(KitPalette());
    QApplication::setFont(KitFont());
    Q_UNUSED(app);
}

} // namespace hovlo
