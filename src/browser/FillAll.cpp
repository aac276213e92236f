// Fill all: each typed field of the page and its same-origin frames gets the product value its words ask for.
#include "FieldMeanings.h"
#include "FormFiller.h"
#include "PageScripts.h"
#include "WebBrowser.h"

#include <QVariantMap>

#include <utility>

namespace FormFiller {

const QStringList& TypedInputTypes() {
    static const QStringList types{QStringLiteral("text"), QStringLiteral("email"), QStringLiteral("url"),
                                   QStringLiteral("tel"), QStringLiteral("number")};
    return types;
}

void FillAll(WebBrowser& browser, const QVariantMap& product, std::function<void(const FillReport&)> done) {
    browser.RunScript(PageScript(QStringLiteral("FillAll.js")), {FieldMeaningsForScript(), product, TypedInputTypes()},
                      [done = std::move(done)](const QVariant& result) {
                          if (!done)
                              return;
                          FillReport report;
                          const QVariantMap answer = result.toMap();
                          report.reached = answer.contains(QStringLiteral("filled"));
                          report.filled = answer.value(QStringLiteral("filled")).toInt();
                          report.leftEmpty = answer.value(QStringLiteral("left")).toStringList();
                          report.shortened = answer.value(QStringLiteral("shortened")).toStringList();
                          done(report);
                      });
}

QString FillReportText(const FillReport& report) {
    QString text =
        report.filled == 1 ? QStringLiteral("Filled 1 field") : QStringLiteral("Filled %1 fields").arg(report.filled);
    if (!report.leftEmpty.isEmpty())
        text += QStringLiteral(". Left empty: ") + report.leftEmpty.join(QLatin1String(", "));
    if (!report.shortened.isEmpty())
        text += QStringLiteral(". Shortened to fit: ") + report.shortened.join(QLatin1String(", "));
    return text;
}

} // namespace FormFiller
