#include "FormReading.h"

#include "FormFiller.h"
#include "PageScripts.h"
#include "WebBrowser.h"

#include <QVariantMap>

#include <utility>

void ReadWorkedForm(WebBrowser& browser, std::function<void(std::optional<WorkedForm>)> done) {
    browser.RunScript(PageScript(QStringLiteral("LearnForm.js")), {FormFiller::TypedInputTypes()},
                      [done = std::move(done)](const QVariant& result) {
                          const QVariantMap answer = result.toMap();
                          if (!answer.contains(QStringLiteral("fields")))
                              done(std::nullopt);
                          else
                              done(WorkedForm{answer.value(QStringLiteral("path")).toString(),
                                              answer.value(QStringLiteral("fields")).toList()});
                      });
}

void WatchWorkedForm(WebBrowser& browser) {
    browser.RunScript(PageScript(QStringLiteral("LearnForm.js")),
                      {FormFiller::TypedInputTypes(), QStringLiteral("watch")}, [](const QVariant&) {});
}
