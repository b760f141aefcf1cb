#include "platform/PageAgent.h"

#include "platform/TWebBrowser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QPointer>
#include <QVariant>
#include <QWebEngineScript>

namespace hovlo::platform {

namespace {

// The one place where arguments become script text: as a JSON array spread into the entry's
// parameters. The guard keeps a document without the agent from raising an error.
QString AgentCall(const char* entry, const QJsonArray& arguments) {
    return QStringLiteral("typeof hovloAgent === 'object' ? hovloAgent.") + QLatin1String(entry) +
           QStringLiteral("(...") +
           QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact)) +
           QStringLiteral(") : null;\n//# sourceURL=qrc:/hovlo/agent-call.js");
}

// Runs one agent entry; done gets the reply's "result" when the reply says ok.
void CallAgent(TWebBrowser& browser, const char* entry, const QJsonArray& arguments,
               std::function<void(const QJsonValue&)> done) {
    QPointer<TWebBrowser> guard(&browser);
    browser.Page()->runJavaScript(AgentCall(entry, arguments), QWebEngineScript::ApplicationWorld,
                                  [guard, done = std::move(done)](const QVariant& reply) {
                                      if (!guard)
                                          return;
                                      const QJsonValue value = QJsonValue::fromVariant(reply);
                                      const QJsonObject object = value.toObject();
                                      if (!value.isObject() ||
                                          !object.value(QLatin1String("ok")).isBool() ||
                                          !object.value(QLatin1String("ok")).toBool()) {
                                          done(QJsonValue(QJsonValue::Undefined));
                                          return;
                                      }
                                      done(object.value(QLatin1String("result")));
                                  });
}

// Field readers that accept only the expected type.
std::optional<QString> StringField(const QJsonObject& object, const char* name) {
    const QJsonValue value = object.value(QLatin1String(name));
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

// A text field that may be null; nothing in the outer optional when it is of another type.
std::optional<std::optional<std::string>> NullableStringField(const QJsonObject& object,
                                                              const char* name) {
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isNull())
        return std::optional<std::string>();
    if (!value.isString())
        return std::nullopt;
    return std::optional<std::string>(value.toString().toStdString());
}

std::optional<TElementFacts> DecodeElement(const QJsonValue& value) {
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const auto kind = StringField(object, "kind");
    const auto text = StringField(object, "value");
    const auto markup = StringField(object, "markup");
    if (!kind || !text || !markup)
        return std::nullopt;
    TElementFacts facts;
    if (*kind == QLatin1String("missing"))
        facts.Kind = TElementKind::ekMissing;
    else if (*kind == QLatin1String("hidden"))
        facts.Kind = TElementKind::ekHiddenInput;
    else if (*kind == QLatin1String("other"))
        facts.Kind = TElementKind::ekOther;
    else
        return std::nullopt;
    facts.Value = text->toStdString();
    facts.InnerMarkup = markup->toStdString();
    return facts;
}

std::optional<TPageFacts> DecodeFacts(const QJsonValue& result) {
    if (!result.isObject())
        return std::nullopt;
    const QJsonObject object = result.toObject();
    const QJsonValue html = object.value(QLatin1String("html"));
    const QJsonValue elements = object.value(QLatin1String("elements"));
    const auto body = NullableStringField(object, "body");
    if (!html.isBool() || !elements.isArray() || elements.toArray().size() != 2 || !body)
        return std::nullopt;
    const auto marker = DecodeElement(elements.toArray().at(0));
    const auto header = DecodeElement(elements.toArray().at(1));
    if (!marker || !header)
        return std::nullopt;
    TPageFacts facts;
    facts.HtmlDocument = html.toBool();
    facts.Marker = *marker;
    facts.Header = *header;
    facts.BodyMarkup = *body;
    return facts;
}

std::optional<TFillResult> DecodeFill(const QJsonValue& result) {
    if (!result.isObject())
        return std::nullopt;
    const QJsonObject object = result.toObject();
    const QJsonValue written = object.value(QLatin1String("written"));
    const QJsonValue stopped = object.value(QLatin1String("stopped"));
    const auto body = NullableStringField(object, "body");
    if (!written.isDouble() || !stopped.isBool() || !body || written.toDouble() < 0)
        return std::nullopt;
    return TFillResult{written.toInt(), stopped.toBool(), *body};
}

std::optional<TDocumentSnapshot> DecodeSnapshot(const QJsonValue& result) {
    if (!result.isObject())
        return std::nullopt;
    const QJsonObject object = result.toObject();
    const auto address = StringField(object, "address");
    const auto title = StringField(object, "title");
    const auto body = StringField(object, "body");
    if (!address || !title || !body)
        return std::nullopt;
    return TDocumentSnapshot{*address, *title, *body};
}

} // namespace

void RequestFacts(TWebBrowser& browser, std::function<void(std::optional<TPageFacts>)> done) {
    const QJsonArray names{QString::fromUtf8(kConfigMarkerName),
                           QString::fromUtf8(kHeaderElementName)};
    CallAgent(browser, "facts", QJsonArray{names},
              [done = std::move(done)](const QJsonValue& result) { done(DecodeFacts(result)); });
}

void Fill(TWebBrowser& browser, const TFillPlan& plan, bool withBody,
          std::function<void(std::optional<TFillResult>)> done) {
    QJsonArray steps;
    for (const TFillStep& step : plan)
        steps.append(QJsonArray{QString::fromStdString(step.ElementName),
                                QString::fromStdString(step.Value)});
    CallAgent(browser, "fill", QJsonArray{steps, withBody},
              [done = std::move(done)](const QJsonValue& result) { done(DecodeFill(result)); });
}

void RequestSnapshot(TWebBrowser& browser,
                     std::function<void(std::optional<TDocumentSnapshot>)> done) {
    CallAgent(browser, "snapshot", QJsonArray{},
              [done = std::move(done)](const QJsonValue& result) { done(DecodeSnapshot(result)); });
}

void MakePrintCopy(TWebBrowser& browser, const TDocumentSnapshot& snapshot,
                   std::function<void(bool complete)> done) {
    const QJsonObject copy{{QStringLiteral("title"), snapshot.Title},
                           {QStringLiteral("body"), snapshot.Body}};
    CallAgent(browser, "printCopy", QJsonArray{copy},
              [done = std::move(done)](const QJsonValue& result) { done(result.isObject()); });
}

void SetPrintPadding(TWebBrowser& browser, const QString& padding,
                     std::function<void(bool applied)> done) {
    CallAgent(browser, "printPadding", QJsonArray{padding},
              [done = std::move(done)](const QJsonValue& result) { done(result.toBool()); });
}

} // namespace hovlo::platform
