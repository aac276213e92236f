#include "LogInFill.h"

#include "PageScripts.h"
#include "WebBrowser.h"

#include <QVariantMap>

namespace {

const QString kScript = QStringLiteral("LoginFill.js");

} // namespace

void LocateLogInForm(WebBrowser& browser, std::function<void(const std::optional<LogInForm>&)> done) {
    browser.RunScript(PageScript(kScript), {QVariant()}, [done = std::move(done)](const QVariant& result) {
        if (!result.isValid()) {
            done(std::nullopt);
            return;
        }
        const QVariantMap answer = result.toMap();
        done(LogInForm{answer.value(QStringLiteral("found")).toBool(), answer.value(QStringLiteral("host")).toString(),
                       answer.value(QStringLiteral("onlyForm")).toBool()});
    });
}

void FillLogInForm(WebBrowser& browser, const QString& user, const QString& password, std::function<void(bool)> done) {
    const QVariantMap login{{QStringLiteral("user"), user}, {QStringLiteral("password"), password}};
    browser.RunScript(PageScript(kScript), {login}, [done = std::move(done)](const QVariant& result) {
        done(result.toMap().value(QStringLiteral("filled")).toBool());
    });
}
