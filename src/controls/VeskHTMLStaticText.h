// TVeskHTMLStaticText: the kit's HTML label. It renders a short text of simple HTML (<b>, <i>,
// <u>, <font color/size/face>, <br>, <a href>) in the kit font, hands clicked link targets to the
// shell and can size itself to its text. Used for the main window's header text and for the
// message box's text and measuring labels; TVeskHelpPanel builds on it.
//
// How a form uses it:
//   auto* lbl = new TVeskHTMLStaticText(parent);
//   lbl->setObjectName("lblInfoText");
//   lbl->HTMLText().Clear();
//   lbl->HTMLText().Add("Ein <b>Text</b><br>mit <a href=\"https://example.org\">Link</a>");
//   lbl->setAutoSizing(true);
//   lbl->setAutoSizeType(asVertical);          // asBoth (default), asVertical, asHorizontal
//   connect(lbl, &TVeskHTMLStaticText::OnNewSize, form, &Form::lblInfoTextNewSize);
//   connect(lbl, &TVeskHTMLStaticText::OnAnchorClick, form, ...);   // targets the shell missed
//   lbl->setAutoShellExecute(false);           // every link click goes to OnAnchorClick
//   lbl->setTransparent(true); lbl->setShadowOffset(1); lbl->setShadowColor(Qt::black);
//   lbl->setVAlignment(tvaCenter);
//
// Sizing happens at once whenever the text, the font, the sizing settings or (for asVertical) the
// width change, so a form can read size() or handle OnNewSize right after setting the text (a
// hidden label applies a new width when it is shown, or at once on AdjustAutoSize()). The
// text is drawn 3 pixels inside each edge: asBoth takes the unwrapped text's size plus 6 pixels
// each way, asVertical wraps the text to width - 6 and takes its height plus 6, asHorizontal sets
// only the width. OnNewSize is raised only when the size actually changed. Each change of the line
// list is one change; to replace all lines with one change use HTMLText().SetText(...) or wrap the
// edits in BeginUpdate() / EndUpdate().
#pragma once

#include <QColor>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>

#include <functional>

namespace hovlo {

enum TAutoSizeType { asVertical, asHorizontal, asBoth };
enum TVAlignment { tvaTop, tvaCenter, tvaBottom };

// The label's text as a list of HTML lines, in the manner of a string list.
class THTMLLines {
public:
    void Clear();
    void Add(const QString& line);
    // Replaces all lines; "\n" separates lines.
    void SetText(const QString& text);
    void Assign(const QStringList& lines);
    // The lines joined by "\n".
    QString Text() const { return FLines.join(QLatin1Char('\n')); }
    int Count() const { return static_cast<int>(FLines.size()); }
    const QString& operator[](int index) const { return FLines.at(index); }
    const QStringList& Lines() const { return FLines; }
    // Batches changes: the label lays out once, at the outermost EndUpdate.
    void BeginUpdate() { ++FUpdating; }
    void EndUpdate();

private:
    friend class TVeskHTMLStaticText;
    void Changed();

    QStringList FLines;
    int FUpdating = 0;
    bool FPending = false;
    std::function<void()> FOnChange;
};

class TVeskHTMLStaticText : public QWidget {
    Q_OBJECT
public:
    explicit TVeskHTMLStaticText(QWidget* parent = nullptr);
    ~TVeskHTMLStaticText() override;

    THTMLLines& HTMLText() { return FHTMLText; }
    const THTMLLines& HTMLText() const { return FHTMLText; }

    // When true (the default), a clicked link target is first handed to the shell.
    bool AutoShellExecute() const { return FAutoShellExecute; }
    void setAutoShellExecute(bool value) { FAutoShellExecute = value; }

    bool AutoSizing() const { return FAutoSizing; }
    void setAutoSizing(bool value);
    TAutoSizeType AutoSizeType() const { return FAutoSizeType; }
    void setAutoSizeType(TAutoSizeType value);

    TVAlignment VAlignment() const { return FVAlignment; }
    void setVAlignment(TVAlignment value);

    // Background: with ParentColor (the default) or Transparent nothing is filled and the parent
    // shows through; setColor fills with the colour and clears ParentColor.
    bool ParentColor() const { return FParentColor; }
    void setParentColor(bool value);
    QColor Color() const { return FColor; }
    void setColor(const QColor& color);
    bool Transparent() const { return FTransparent; }
    void setTransparent(bool value);

    // A shadow copy of the text, in ShadowColor, drawn this many pixels right and down; 0 = none.
    int ShadowOffset() const { return FShadowOffset; }
    void setShadowOffset(int pixels);
    QColor ShadowColor() const { return FShadowColor; }
    void setShadowColor(const QColor& color);

    // Kept for forms that store them; the label never scrolls.
    bool MiniScroll() const { return FMiniScroll; }
    void setMiniScroll(bool value) { FMiniScroll = value; }
    bool AutoScroll() const { return FAutoScroll; }
    void setAutoScroll(bool value) { FAutoScroll = value; }

    // Size of the text without wrapping, and its height when wrapped to `width` (no margins).
    QSize UnwrappedTextSize() const;
    int TextHeightAt(int width) const;
    // The link target at a point of the label, empty when there is none.
    QString AnchorAt(const QPoint& pos) const;
    // Applies the automatic sizing now (it also runs by itself on every relevant change).
    void AdjustAutoSize();

    QSize sizeHint() const override;
    // In asVertical sizing a layout gets the wrapped height for a width.
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

signals:
    // A clicked link that the shell did not open, or every link when AutoShellExecute is false.
    void OnAnchorClick(const QString& anchor);
    // The automatic sizing changed the label's size.
    void OnNewSize(int newWidth, int newHeight);

protected:
    // The link-click routing: shell first when AutoShellExecute, then OnAnchorClick.
    virtual void AnchorClicked(const QString& anchor);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void TextChanged();
    void LayoutForPaint() const;
    int TextTop() const;

    THTMLLines FHTMLText;
    mutable QTextDocument FDoc;     // laid out at the painted width
    mutable QTextDocument FMeasure; // for the unwrapped measurements
    bool FAutoShellExecute = true;
    bool FAutoSizing = false;
    TAutoSizeType FAutoSizeType = asBoth;
    TVAlignment FVAlignment = tvaTop;
    bool FParentColor = true;
    QColor FColor;
    bool FTransparent = false;
    int FShadowOffset = 0;
    QColor FShadowColor = QColor(0x404040);
    bool FMiniScroll = false;
    bool FAutoScroll = false;
    bool FSizing = false;
    QString FPressedAnchor;
};

} // namespace hovlo
