#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <optional>

class WebBrowser;

// Filling a submission form from a product's values, through the document the browser shows at the moment of
// the call. Each operation is one script run: it returns at once and reports through done, which never comes
// once the browser is gone. Only Fill all reaches into frames (same-origin ones); the rest see the top document.
namespace FormFiller {

// The product values the automatic fill writes; the author, user name and password are never written by it.
struct AutoFillValues {
    QString padUrl;
    QString emailAuthor;
    QString paymentRegNow;
};

// Walks the page's input elements in document order and writes by the element's name, compared upper-cased: a
// name containing PAD gets the PAD address, else MAIL the e-mail address, else REGNOW or AFFILIATEID the RegNow
// value; other names, the category field of one common submission script, and inputs nobody types into
// (submit, button, reset, image, checkbox, radio, file) are left alone. An empty value is never written: the
// field keeps its content. done gets the number of fields written, or nothing when the page ran no script.
void AutoFill(WebBrowser& browser, const AutoFillValues& values, std::function<void(std::optional<int>)> done = {});

// The input types a person types a product value into; a missing or unknown type reads as text.
const QStringList& TypedInputTypes();

// What Fill all did. Fields are named by their caption, else their name or id.
struct FillReport {
    bool reached = false;     // the page ran the script
    int filled = 0;           // fields written
    int fromSiteMap = 0;      // of those, the ones this site's form map decided; the rest by their words
    QStringList filledFields; // "field: product field" for the first 100 fields written
    QStringList leftEmpty;    // typed fields that are still empty: no meaning known, no value, no fitting choice
    QStringList undecided;    // fields two meanings fit equally well, left empty rather than guessed
    QStringList shortened;    // fields whose text was cut at a word boundary to fit
};

// What Fill all knows besides the product's values.
struct FillContext {
    QVariantMap captions; // how the product's fields are named to the author, by column (the filled fields' tool tips)
    // This site's form map: field key (its name, else its id) -> the column it gets, or "" for a field left alone,
    // whatever its words say.
    QVariantMap siteMap;
};

// Fills the typed fields of the shown page and of its same-origin frames by what each means (FieldMeanings),
// judged per form: every field's evidence (autocomplete hint, caption, name read after a prefix the form's names
// share) is weighed for every meaning, and each product value goes to the fields that claim it most strongly; a
// field two meanings fit equally well stays empty. Only visible, enabled, writable text, e-mail, address,
// telephone and number inputs, text areas and selects are written, outside search, newsletter, log-in and comment
// forms and editor toolbars and helpers, and only those still empty (a placeholder such as "http://" or "0" counts
// as empty). product holds tab_products values by column. Written fields get an outline and a tool tip naming the
// product field; UndoFill puts them back. done gets the report, with reached false when the page ran no script.
void FillAll(WebBrowser& browser, const QVariantMap& product, std::function<void(const FillReport&)> done,
             const FillContext& context = {});

// Puts every field the last Fill all on the shown page changed back to its value before, with the same input and
// change events, and removes its outline and tool tip; a field changed since keeps its value. done gets the number
// of fields put back, or nothing when the page has no fill to undo (none, the page was left, or no script ran).
void UndoFill(WebBrowser& browser, std::function<void(std::optional<int>)> done);

// The status bar's account of a fill: "Filled N fields", then the fields left empty and those shortened.
QString FillReportText(const FillReport& report);
// The whole report for its window: what filled each field, what the author must still fill or choose.
QString FillReportDetails(const FillReport& report);

// Empties the inputs whose type reads as text; password, hidden and every other type keep their content.
// done gets the number of fields emptied, or nothing when the page ran no script.
void ClearTextInputs(WebBrowser& browser, std::function<void(std::optional<int>)> done = {});

// Which focused elements a paste accepts.
enum class PasteTarget { InputOrTextArea, InputOnly };

struct FocusedField {
    enum class Outcome {
        NoPage,       // the page ran no script
        NotATextbox,  // the focus is on no element the paste accepts (or on none at all)
        Written,      // the element now holds the value
        WriteRefused, // the element threw when written (a file input, for one); error says why
    };
    Outcome outcome = Outcome::NoPage;
    QString error;
};

// Writes value into the element that has the focus in the page, when it is one that target accepts. The test and
// the write happen in one step, so the focus cannot move between them.
void WriteFocusedField(WebBrowser& browser, PasteTarget target, const QString& value,
                       std::function<void(const FocusedField&)> done);

} // namespace FormFiller
