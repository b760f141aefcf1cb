// Helpers for the main window's widget and engine tests: the window on the fixture installation,
// a recording your-data dialog, and an input recorder that sees what passes the message hook.
#pragma once

#include "app/frmMain.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <memory>
#include <vector>

namespace hovlo::testing {

inline QString AppFixture(const char* name) {
    return QStringLiteral(HOVLO_FIXTURES_DIR "/app/") + QString::fromLatin1(name);
}

// The main window started as a product starts it: -C with the fixture configuration, then extra.
inline std::unique_ptr<TFormMain> OpenMainWindow(const QStringList& extra = {}) {
    QStringList arguments{QStringLiteral("hovlo"), QStringLiteral("-C"), AppFixture("Hovlo.cfg")};
    arguments += extra;
    return std::make_unique<TFormMain>(arguments);
}

// While it lives, closes every modal dialog that opens (the help command may show a message).
class TModalCloser : public QObject {
public:
    TModalCloser() {
        FTimer.setInterval(50);
        QObject::connect(&FTimer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        FTimer.start();
    }

private:
    QTimer FTimer;
};

// A your-data dialog that records being shown modally and closes itself at once.
class TRecordingDialog : public QDialog {
public:
    int Shown = 0;
    bool WasModal = false;

protected:
    void showEvent(QShowEvent* event) override {
        ++Shown;
        WasModal = testAttribute(Qt::WA_ShowModal);
        QTimer::singleShot(0, this, &QDialog::reject);
        QDialog::showEvent(event);
    }
};

// Installed on one widget: records the input events that reach it.
class TInputRecorder : public QObject {
public:
    struct Entry {
        QEvent::Type Type;
        int Code; // key, or mouse button
    };
    std::vector<Entry> Seen;

    bool Saw(QEvent::Type type, int code) const {
        for (const Entry& e : Seen)
            if (e.Type == type && e.Code == code)
                return true;
        return false;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            Seen.push_back({event->type(), static_cast<QKeyEvent*>(event)->key()});
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            Seen.push_back(
                {event->type(), static_cast<int>(static_cast<QMouseEvent*>(event)->button())});
            break;
        case QEvent::ContextMenu:
            Seen.push_back({event->type(), 0});
            break;
        default:
            break;
        }
        return false;
    }
};

// Runs a script in the page's own world (or another) and waits for its result (invalid after 5
// seconds). The print browser has page scripts off: read its DOM from QWebEngineScript::UserWorld.
inline QVariant RunScript(QWebEngineView* view, const QString& script,
                          quint32 world = QWebEngineScript::MainWorld) {
    struct Reply {
        bool Done = false;
        QVariant Value;
    };
    auto reply = std::make_shared<Reply>();
    view->page()->runJavaScript(script, world, [reply](const QVariant& value) {
        reply->Value = value;
        reply->Done = true;
    });
    if (!QTest::qWaitFor([&] { return reply->Done; }, 5000))
        return {};
    return reply->Value;
}

} // namespace hovlo::testing
