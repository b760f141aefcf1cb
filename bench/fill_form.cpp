// Filling a template that carries every name of the support field list in all three places,
// measured from the call to the reply (real engine, offscreen).
#include "app/PageHandler.h"
#include "platform/Application.h"
#include "platform/PageAgent.h"
#include "platform/TWebBrowser.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWebEngineView>
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// The names of a typical support field list: customer section, product lines, probes, disks.
std::vector<std::string> FieldNames() {
    std::vector<std::string> names = {"Anrede",
                                      "Vorname",
                                      "Nachname",
                                      "Firma",
                                      "Strasse",
                                      "PLZ",
                                      "Ort",
                                      "Telefon",
                                      "Fax",
                                      "EMail",
                                      "KundenNr",
                                      "Kundennummer",
                                      "Hausnummer",
                                      "Produktname",
                                      "version",
                                      "dialog_id",
                                      "MemoryGesamt",
                                      "MemoryFrei",
                                      "arbeitsspeicher",
                                      "DesktopX",
                                      "DesktopY",
                                      "DesktopFarbtiefe",
                                      "DesktopSize",
                                      "farbtiefe",
                                      "aufloesung",
                                      "Desktop",
                                      "System",
                                      "CurrentPrinter",
                                      "drucker",
                                      "Printers"};
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        names.push_back(std::string("FreeDiskSpace_") + letter);
        names.push_back(std::string("DiskSpace_") + letter);
    }
    names.push_back("festplattenspeicher");
    return names;
}

QString Template(const std::vector<std::string>& names) {
    QString html = QStringLiteral("<html><body><form><table>");
    for (const std::string& name : names) {
        const QString n = QString::fromStdString(name);
        html += "<tr><td><input id=\"" + n + "\"></td><td><span id=\"" + n +
                "_copy1\"></span></td><td><textarea name=\"" + n + "_copy2\"></textarea></td></tr>";
    }
    return html + "</table><select id=\"Land\"><option>DE</option></select></form></body></html>";
}

void WaitUntil(const bool& flag) {
    while (!flag)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void BM_FillSupportTemplate(benchmark::State& state) {
    const std::vector<std::string> names = FieldNames();
    hovlo::TFieldList list;
    for (const std::string& name : names)
        list.push_back(name + "=Wert von " + name);

    hovlo::platform::TWebBrowser browser;
    browser.resize(1024, 768);
    bool loaded = false;
    QObject::connect(&browser, &hovlo::platform::TWebBrowser::OnDocumentComplete,
                     [&] { loaded = true; });
    browser.View()->setHtml(Template(names), QUrl(QStringLiteral("file:///bench/Fax.html")));
    WaitUntil(loaded);

    int written = 0;
    for (auto _ : state) {
        bool done = false;
        hovlo::FillForm(browser, list, [&](int n) {
            written = n;
            done = true;
        });
        WaitUntil(done);
    }
    state.counters["lines"] = static_cast<double>(list.size());
    state.counters["written"] = written;
}
BENCHMARK(BM_FillSupportTemplate)->Unit(benchmark::kMillisecond)->UseRealTime();

// For comparison: one agent call that only reads (the page facts of the same template).
void BM_ReadPageFacts(benchmark::State& state) {
    hovlo::platform::TWebBrowser browser;
    browser.resize(1024, 768);
    bool loaded = false;
    QObject::connect(&browser, &hovlo::platform::TWebBrowser::OnDocumentComplete,
                     [&] { loaded = true; });
    browser.View()->setHtml(Template(FieldNames()), QUrl(QStringLiteral("file:///bench/Fax.html")));
    WaitUntil(loaded);
    for (auto _ : state) {
        bool done = false;
        hovlo::platform::RequestFacts(browser,
                                      [&](std::optional<hovlo::TPageFacts>) { done = true; });
        WaitUntil(done);
    }
}
BENCHMARK(BM_ReadPageFacts)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    hovlo::platform::PrepareApplication();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
