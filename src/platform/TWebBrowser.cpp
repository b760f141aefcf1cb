#include "platform/TWebBrowser.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace hovlo::platform {

TWebBrowser::TWebBrowser(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FView = new QWebEngineView(this);
    layout->addWidget(FView);
    connect(FView, &QWebEngineView::loadStarted, this, [this] { FReadyState = 1; });
    connect(FView, &QWebEngineView::loadFinished, this, [this](bool) {
        FReadyState = 4;
        emit OnDocumentComplete();
    });
}

TWebBrowser::~TWebBrowser() = default;

void TWebBrowser::Navigate(const QString& address) {
    FReadyState = 1;
    FView->setUrl(address.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(address)
                                                       : QUrl(address));
}

QString TWebBrowser::LocationURL() const { return FView->url().toString(); }

int TWebBrowser::ReadyState() const { return FReadyState; }

bool TWebBrowser::Busy() const { return FReadyState != 4 && FReadyState != 0; }

} // namespace hovlo::platform
