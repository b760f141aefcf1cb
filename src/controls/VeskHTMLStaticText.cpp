#include "controls/VeskHTMLStaticText.h"

#include "controls/KitLook.h"
#include "dialogs/Shell.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace hovlo {

namespace {

constexpr int kMargin = 3; // text inset on each edge; the sizing adds twice this

// The program folder with a trailing separator: the working folder for relative link targets.
// Fixed at the first link click for the rest of the run.
QString gProgramFolder;

const QString& ProgramFolder() {
    if (gProgramFolder.isEmpty()) {
        gProgramFolder = QCoreApplication::applicationDirPath();
        if (!gProgramFolder.endsWith(QLatin1Char('/')))
            gProgramFolder += QLatin1Char('/');
    }
    return gProgramFolder;
}

void PrepareDocument(QTextDocument& doc, const QFont& font) {
    doc.setDocumentMargin(0);
    doc.setDefaultFont(font);
    doc.setUndoRedoEnabled(false);
}

} // namespace

void THTMLLines::Clear() {
    if (FLines.isEmpty())
        return;
    FLines.clear();
    Changed();
}

void THTMLLines::Add(const QString& line) {
    FLines.append(line);
    Changed();
}

void THTMLLines::SetText(const QString& text) {
    Assign(text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')));
}

void THTMLLines::Assign(const QStringList& lines) {
    if (lines == FLines)
        return;
    FLines = lines;
    Changed();
}

void THTMLLines::EndUpdate() {
    if (FUpdating > 0 && --FUpdating == 0 && FPending) {
        FPending = false;
        if (FOnChange)
            FOnChange();
    }
}

void THTMLLines::Changed() {
    if (FUpdating > 0) {
        FPending = true;
        return;
    }
    if (FOnChange)
        FOnChange();
}

TVeskHTMLStaticText::TVeskHTMLStaticText(QWidget* parent) : QWidget(parent) {
    FHTMLText.FOnChange = [this] { TextChanged(); };
    setFont(KitFont());
    PrepareDocument(FDoc, font());
    PrepareDocument(FMeasure, font());
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    resize(100, 17);
}

TVeskHTMLStaticText::~TVeskHTMLStaticText() {
    FHTMLText.FOnChange = nullptr;
}

void TVeskHTMLStaticText::setAutoSizing(bool value) {
    FAutoSizing = value;
    updateGeometry();
    AdjustAutoSize();
}

void TVeskHTMLStaticText::setAutoSizeType(TAutoSizeType value) {
    FAutoSizeType = value;
    updateGeometry();
    AdjustAutoSize();
}

void TVeskHTMLStaticText::setVAlignment(TVAlignment value) {
    FVAlignment = value;
    update();
}

void TVeskHTMLStaticText::setParentColor(bool value) {
    FParentColor = value;
    update();
}

void TVeskHTMLStaticText::setColor(const QColor& color) {
    FColor = color;
    FParentColor = false;
    update();
}

void TVeskHTMLStaticText::setTransparent(bool value) {
    FTransparent = value;
    update();
}

void TVeskHTMLStaticText::setShadowOffset(int pixels) {
    FShadowOffset = pixels;
    update();
}

void TVeskHTMLStaticText::setShadowColor(const QColor& color) {
    FShadowColor = color;
    update();
}

void TVeskHTMLStaticText::TextChanged() {
    const QString html = FHTMLText.Text();
    FDoc.setHtml(html);
    FMeasure.setHtml(html);
    updateGeometry();
    AdjustAutoSize();
    update();
}

QSize TVeskHTMLStaticText::UnwrappedTextSize() const {
    FMeasure.setTextWidth(-1);
    const QSizeF s = FMeasure.size();
    return {static_cast<int>(std::ceil(FMeasure.idealWidth())),
            static_cast<int>(std::ceil(s.height()))};
}

int TVeskHTMLStaticText::TextHeightAt(int width) const {
    FMeasure.setTextWidth(std::max(1, width));
    return static_cast<int>(std::ceil(FMeasure.size().height()));
}

void TVeskHTMLStaticText::AdjustAutoSize() {
    if (!FAutoSizing || FSizing)
        return;
    QSize target = size();
    switch (FAutoSizeType) {
    case asBoth:
        target = UnwrappedTextSize() + QSize(2 * kMargin, 2 * kMargin);
        break;
    case asHorizontal:
        target.setWidth(UnwrappedTextSize().width() + 2 * kMargin);
        break;
    case asVertical:
        target.setHeight(TextHeightAt(width() - 2 * kMargin) + 2 * kMargin);
        break;
    }
    if (target == size())
        return;
    FSizing = true;
    resize(target);
    FSizing = false;
    emit OnNewSize(target.width(), target.height());
}

QSize TVeskHTMLStaticText::sizeHint() const {
    return UnwrappedTextSize() + QSize(2 * kMargin, 2 * kMargin);
}

bool TVeskHTMLStaticText::hasHeightForWidth() const {
    return FAutoSizing && FAutoSizeType == asVertical;
}

int TVeskHTMLStaticText::heightForWidth(int width) const {
    return TextHeightAt(width - 2 * kMargin) + 2 * kMargin;
}

void TVeskHTMLStaticText::LayoutForPaint() const {
    const int w = width() - 2 * kMargin;
    if (FDoc.textWidth() != w)
        FDoc.setTextWidth(std::max(1, w));
}

int TVeskHTMLStaticText::TextTop() const {
    LayoutForPaint();
    const int textHeight = static_cast<int>(std::ceil(FDoc.size().height()));
    switch (FVAlignment) {
    case tvaCenter:
        return std::max(kMargin, (height() - textHeight) / 2);
    case tvaBottom:
        return std::max(kMargin, height() - kMargin - textHeight);
    case tvaTop:
        break;
    }
    return kMargin;
}

QString TVeskHTMLStaticText::AnchorAt(const QPoint& pos) const {
    const int top = TextTop();
    return FDoc.documentLayout()->anchorAt(QPointF(pos.x() - kMargin, pos.y() - top));
}

void TVeskHTMLStaticText::AnchorClicked(const QString& anchor) {
    bool handled = false;
    if (FAutoShellExecute) {
        handled = Shell().ShellExecute(std::string(), anchor.toStdString(), std::string(),
                                       ProgramFolder().toStdString(), kShow) > 32;
    }
    if (!handled)
        emit OnAnchorClick(anchor);
}

void TVeskHTMLStaticText::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!FTransparent && !FParentColor && FColor.isValid())
        p.fillRect(rect(), FColor);
    const int top = TextTop();
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.palette = palette();
    ctx.palette.setColor(
        QPalette::Text,
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    if (FShadowOffset != 0) {
        // The shadow is the text's own shape in one colour, so coloured runs cast it too.
        const qreal dpr = devicePixelRatioF();
        QImage shadow(size() * dpr, QImage::Format_ARGB32_Premultiplied);
        shadow.setDevicePixelRatio(dpr);
        shadow.fill(Qt::transparent);
        {
            QPainter sp(&shadow);
            sp.translate(kMargin, top);
            FDoc.documentLayout()->draw(&sp, ctx);
            sp.resetTransform();
            sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
            sp.fillRect(QRect(QPoint(0, 0), size()), FShadowColor);
        }
        p.drawImage(QPoint(FShadowOffset, FShadowOffset), shadow);
    }
    p.translate(kMargin, top);
    FDoc.documentLayout()->draw(&p, ctx);
}

void TVeskHTMLStaticText::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    AdjustAutoSize();
}

void TVeskHTMLStaticText::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        FDoc.setDefaultFont(font());
        FMeasure.setDefaultFont(font());
        AdjustAutoSize();
        update();
    }
    QWidget::changeEvent(event);
}

void TVeskHTMLStaticText::mousePressEvent(QMouseEvent* event) {
    FPressedAnchor =
        event->button() == Qt::LeftButton ? AnchorAt(event->position().toPoint()) : QString();
    QWidget::mousePressEvent(event);
}

void TVeskHTMLStaticText::mouseReleaseEvent(QMouseEvent* event) {
    const QString pressed = FPressedAnchor;
    FPressedAnchor.clear();
    if (event->button() == Qt::LeftButton && !pressed.isEmpty() &&
        AnchorAt(event->position().toPoint()) == pressed) {
        AnchorClicked(pressed);
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TVeskHTMLStaticText::mouseMoveEvent(QMouseEvent* event) {
    if (AnchorAt(event->position().toPoint()).isEmpty())
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);
    QWidget::mouseMoveEvent(event);
}

void TVeskHTMLStaticText::leaveEvent(QEvent* event) {
    unsetCursor();
    QWidget::leaveEvent(event);
}

} // namespace hovlo
