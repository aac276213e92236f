#include "FormFiller.h"

#include "PageScripts.h"
#include "WebBrowser.h"

#include <QVariantList>

#include <utility>

namespace FormFiller {

namespace {

// The category field's name contains PAD but it wants a category: it is left alone.
const QString kCategoryField = QStringLiteral("MODULE_CATALOG_FORM_SUBMIT_SOFTWARE_PAD_1_CATEGORY_ID");

// Input types nobody types into: a value there would become a button's caption or a box's submitted value.
const QStringList kUntypedInputs{QStringLiteral("submit"), QStringLiteral("button"),   QStringLiteral("reset"),
                                 QStringLiteral("image"),  QStringLiteral("checkbox"), QStringLiteral("radio"),
                                 QStringLiteral("file")};

// The name rule as data, first match wins: [[substrings], value] pairs.
QVariantList nameRules(const AutoFillValues& values) {
    return {QVariantList{QStringList{QStringLiteral("PAD")}, values.padUrl},
            QVariantList{QStringList{QStringLiteral("MAIL")}, values.emailAuthor},
            QVariantList{QStringList{QStringLiteral("REGNOW"), QStringLiteral("AFFILIATEID")}, values.paymentRegNow}};
}

// The type is read through the prototype so that a page cannot disguise a field.
const QString kClearTextJs = QStringLiteral(R"JS(
var typeOf = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'type').get;
var inputs = document.getElementsByTagName('input');
var count = inputs.length, cleared = 0;
for (var i = 0; i < count; ++i) {
    var element = inputs.item(i);
    if (!element || !(element instanceof HTMLInputElement))
        continue;
    if (String(typeOf.call(element)).toUpperCase() !== 'TEXT')
        continue;
    try {
        if (__quillSetValue(element, ''))
            ++cleared;
    } catch (e) {
    }
}
return cleared;
)JS");

const QString kFocusedFieldJs = QStringLiteral(R"JS(
var accepted = arguments[0], value = arguments[1];
var element = document.activeElement;
var tag = element && element.tagName ? String(element.tagName).toUpperCase() : '';
if (accepted.indexOf(tag) < 0)
    return ['refused', ''];
try {
    __quillSetValue(element, value);
    return ['written', ''];
} catch (e) {
    return ['failed', String(e && e.message ? e.message : e)];
}
)JS");

std::optional<int> countOf(const QVariant& result) {
    bool ok = false;
    const int count = result.toInt(&ok);
    return result.isValid() && ok ? std::optional<int>(count) : std::nullopt;
}

FocusedField focusedFieldOf(const QVariant& result) {
    const QVariantList answer = result.toList();
    if (answer.size() != 2)
        return {};
    const QString outcome = answer.at(0).toString();
    if (outcome == QLatin1String("refused"))
        return {FocusedField::Outcome::NotATextbox, {}};
    if (outcome == QLatin1String("written"))
        return {FocusedField::Outcome::Written, {}};
    if (outcome == QLatin1String("failed"))
        return {FocusedField::Outcome::WriteRefused, answer.at(1).toString()};
    return {};
}

} // namespace

void AutoFill(WebBrowser& browser, const AutoFillValues& values, std::function<void(std::optional<int>)> done) {
    browser.RunScript(PageScript(QStringLiteral("AutoFill.js")), {kCategoryField, nameRules(values), kUntypedInputs},
                      [done = std::move(done)](const QVariant& result) {
                          if (done)
                              done(countOf(result));
                      });
}

void ClearTextInputs(WebBrowser& browser, std::function<void(std::optional<int>)> done) {
    browser.RunScript(kClearTextJs, {}, [done = std::move(done)](const QVariant& result) {
        if (done)
            done(countOf(result));
    });
}

void WriteFocusedField(WebBrowser& browser, PasteTarget target, const QString& value,
                       std::function<void(const FocusedField&)> done) {
    const QStringList accepted = target == PasteTarget::InputOrTextArea
                                     ? QStringList{QStringLiteral("INPUT"), QStringLiteral("TEXTAREA")}
                                     : QStringList{QStringLiteral("INPUT")};
    browser.RunScript(kFocusedFieldJs, {accepted, value}, [done = std::move(done)](const QVariant& result) {
        if (done)
            done(focusedFieldOf(result));
    });
}

} // namespace FormFiller
