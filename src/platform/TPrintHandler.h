// Printing and page setup for one browser: the print preview, the engine's asynchronous print
// into the preview's printer, and the page layout chosen for the run. This is the one place of
// the program that waits: for the engine's print result, taking no user input meanwhile.
#pragma once

#include <QObject>
#include <QPageLayout>
#include <QPointer>

#include <functional>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace hovlo::platform {

class TWebBrowser;

class TPrintHandler : public QObject {
    Q_OBJECT
public:
    // Resolution of preview and print: the engine prints pictures of the pages.
    static constexpr int kResolution = 200;

    explicit TPrintHandler(TWebBrowser* browser, QObject* parent = nullptr);
    ~TPrintHandler() override;

    // Shows the print preview of the view's document and returns when it is closed; printing
    // from it goes to the printer chosen there. A call while a preview is open does nothing.
    void PrintPreview();
    // Lets the user choose paper, orientation and margins; kept for the run and used by every
    // preview and print of this browser. Works without any printer installed.
    void PageSetup();

    // Renders the document into the printer and waits for the engine. True on success; on
    // failure the printer gets a page saying so.
    bool PrintDocument(QPrinter* printer);

    QPageLayout PageLayout() const { return FPageLayout; }
    void SetPageLayout(const QPageLayout& layout) { FPageLayout = layout; }
    bool InPreview() const { return FInPreview; }

    // Replaces the preview dialog (tests record instead of showing one).
    using TPreviewHook = std::function<void(TPrintHandler&)>;
    void SetPreviewHook(TPreviewHook hook) { FPreviewHook = std::move(hook); }

private:
    void PaintPreview(QPrinter* printer);
    QWidget* DialogParent() const;

    QPointer<TWebBrowser> FBrowser;
    QPageLayout FPageLayout;
    bool FInPreview = false;
    bool FPainting = false;
    bool FClosedWhilePainting = false;
    QPointer<QPrintPreviewDialog> FPreview;
    TPreviewHook FPreviewHook;
};

} // namespace hovlo::platform
