// AUTO: the body of a function called with (the category field's name, left alone; the name rules as
// [[substrings], value] pairs, first match wins; the input types nobody types into).
// The length is read once; the collection is live, so an element that a page listener removed meanwhile is
// skipped. The type is read through the prototype so that a page cannot disguise a field. An empty value is
// never written: the field keeps what the page or the user put there. A field that throws is passed over so the
// rest still get filled.
var untouched = arguments[0], rules = arguments[1], untyped = arguments[2];
var typeOf = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'type').get;
function firstRule(name) {
    for (var r = 0; r < rules.length; ++r) {
        for (var p = 0; p < rules[r][0].length; ++p) {
            if (name.indexOf(rules[r][0][p]) >= 0)
                return r;
        }
    }
    return -1;
}
var inputs = document.getElementsByTagName('input');
var count = inputs.length, written = 0;
for (var i = 0; i < count; ++i) {
    try {
        var element = inputs.item(i);
        if (!element || untyped.indexOf(String(typeOf.call(element))) >= 0)
            continue;
        var name = String(element.getAttribute('name') || '').toUpperCase();
        var rule = name === untouched ? -1 : firstRule(name);
        if (rule < 0 || !rules[rule][1])
            continue;
        if (__quillSetValue(element, rules[rule][1]))
            ++written;
    } catch (e) {
    }
}
return written;
