// The browser control: a widget around QWebEngineView with the operations and events that the
// main window relies on. All browsers share one off-the-record profile owned by the application.
#pragma once

#include <QString>
#include <QWidget>

class QWebEngineView;

namespace hovlo::platform {

class TWebBrowser : public QWidget {
    Q_OBJECT
public:
    explicit TWebBrowser(QWidget* parent = nullptr);
    ~TWebBrowser() override;

    // Starts loading an address (a URL, or a full file path) and returns at once.
    void Navigate(const QString& address);
    // The address of the current document.
    QString LocationURL() const;
    // 4 once the current load has completed; a new navigation resets it.
    int ReadyState() const;
    // True while a navigation is under way.
    bool Busy() const;

    QWebEngineView* View() const { return FView; }

signals:
    // Before every navigation, frames and the browser's own navigations included; setting
    // *cancel stops it. Connect directly (the flag is read when the signal returns).
    void OnBeforeNavigate2(const QString& url, bool* cancel);
    // A document or frame has finished loading.
    void OnDocumentComplete();

private:
    QWebEngineView* FView = nullptr;
    int FReadyState = 0;
};

} // namespace hovlo::platform
