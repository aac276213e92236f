// Fill all: each typed field of the page and its same-origin frames gets the product value its words ask for.
#include "FieldMeanings.h"
#include "FormFiller.h"
#include "PageScripts.h"
#include "WebBrowser.h"

#include <QCoreApplication>
#include <QVariantMap>

#include <utility>

namespace FormFiller {

namespace {

QString filledText(int filled) {
    return filled == 1 ? QCoreApplication::translate("FormFiller", "Filled 1 field")
                       : QCoreApplication::translate("FormFiller", "Filled %1 fields").arg(filled);
}

} // namespace

const QStringList& TypedInputTypes() {
    static const QStringList types{QStringLiteral("text"), QStringLiteral("email"), QStringLiteral("url"),
                                   QStringLiteral("tel"), QStringLiteral("number")};
    return types;
}

void FillAll(WebBrowser& browser, const QVariantMap& product, std::function<void(const FillReport&)> done,
             const FillContext& context) {
    browser.RunScript(PageScript(QStringLiteral("FillAll.js")),
                      {FieldMeaningsForScript(), product, TypedInputTypes(), context.captions, context.siteMap},
                      [done = std::move(done)](const QVariant& result) {
                          if (!done)
                              return;
                          FillReport report;
                          const QVariantMap answer = result.toMap();
                          report.reached = answer.contains(QStringLiteral("filled"));
                          report.filled = answer.value(QStringLiteral("filled")).toInt();
                          report.fromSiteMap = answer.value(QStringLiteral("fromSite")).toInt();
                          for (const QVariant& field : answer.value(QStringLiteral("fields")).toList())
                              report.filledFields << field.toStringList().join(QLatin1String(": "));
                          report.leftEmpty = answer.value(QStringLiteral("left")).toStringList();
                          report.undecided = answer.value(QStringLiteral("undecided")).toStringList();
                          report.shortened = answer.value(QStringLiteral("shortened")).toStringList();
                          done(report);
                      });
}

void UndoFill(WebBrowser& browser, std::function<void(std::optional<int>)> done) {
    browser.RunScript(PageScript(QStringLiteral("UndoFill.js")), {}, [done = std::move(done)](const QVariant& result) {
        bool ok = false;
        const int restored = result.toInt(&ok);
        if (done)
            done(ok && restored >= 0 ? std::optional<int>(restored) : std::nullopt);
    });
}

QString FillReportText(const FillReport& report) {
    QString text = filledText(report.filled);
    const QStringList empty = report.leftEmpty + report.undecided;
    if (!empty.isEmpty())
        text += QCoreApplication::translate("FormFiller", ". Left empty: %1").arg(empty.join(QLatin1String(", ")));
    if (!report.shortened.isEmpty())
        text += QCoreApplication::translate("FormFiller", ". Shortened to fit: %1")
                    .arg(report.shortened.join(QLatin1String(", ")));
    return text;
}

QString FillReportDetails(const FillReport& report) {
    const auto section = [](const QString& title, const QStringList& lines) {
        return lines.isEmpty() ? QString() : title + QLatin1Char('\n') + lines.join(QLatin1Char('\n')) + "\n\n";
    };
    QString text = filledText(report.filled);
    if (report.fromSiteMap > 0)
        text += QCoreApplication::translate("FormFiller", " (%1 from this site's form, %2 by their words)")
                    .arg(report.fromSiteMap)
                    .arg(report.filled - report.fromSiteMap);
    text += QStringLiteral(":\n") + report.filledFields.join(QLatin1Char('\n'));
    if (report.filled > report.filledFields.size())
        text += QCoreApplication::translate("FormFiller", "\n... and %1 more")
                    .arg(report.filled - report.filledFields.size());
    text += "\n\n";
    text +=
        section(QCoreApplication::translate("FormFiller", "Left empty, for you to fill or choose:"), report.leftEmpty);
    text += section(QCoreApplication::translate("FormFiller", "Left empty, as two meanings fit equally well:"),
                    report.undecided);
    text += section(QCoreApplication::translate("FormFiller", "Shortened to fit:"), report.shortened);
    return text.trimmed();
}

} // namespace FormFiller
