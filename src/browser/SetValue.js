// Defines __quillSetValue(element, value) for every script the browser runs in a page.
// Sites built on script frameworks replace an input's value property to track edits; only the prototype's
// own setter changes what the element really holds, and only the events make the framework take it in.
// A frame's elements belong to the frame's own window and its own prototypes. The interfaces and their setters
// are looked up once per document and script run: a page cannot change them between two fields of one fill in
// a way that matters, and reading them from a window costs more than the write.
var __quillKinds = new Map();
function __quillSetValue(element, value) {
    if (!element)
        return false;
    var text = value === null || value === undefined ? '' : String(value);
    var doc = element.ownerDocument;
    var kinds = __quillKinds.get(doc);
    if (!kinds) {
        var view = (doc && doc.defaultView) || window;
        kinds = [view.HTMLInputElement, view.HTMLTextAreaElement, view.HTMLSelectElement].map(function (type) {
            var descriptor = Object.getOwnPropertyDescriptor(type.prototype, 'value');
            return { type: type, set: descriptor && descriptor.set };
        });
        __quillKinds.set(doc, kinds);
    }
    var setter = null;
    for (var k = 0; k < kinds.length && !setter; ++k) {
        if (element instanceof kinds[k].type)
            setter = kinds[k].set;
    }
    if (setter)
        setter.call(element, text);
    else
        element.value = text;
    // Made the old way: an event constructor's options object costs more to read than the event costs to make.
    ['input', 'change'].forEach(function (type) {
        var event = (doc || document).createEvent('Event');
        event.initEvent(type, true, false);
        element.dispatchEvent(event);
    });
    return true;
}
