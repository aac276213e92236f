// Reads the form the author worked on, for learning what its fields take: the form holding the fields Fill all
// filled, else the one holding the focused field, else the filled form the author sent from this site in this tab
// (the page shown is then the site's answer). Gives the page's path and each typed field's key (name, else id),
// value, a select's shown option, and whether Fill all filled it. Passwords, hidden fields and log-in forms are
// never read. With arguments[1] 'watch', keeps a filled form's reading when it is sent, for such a later read.
var typed = arguments[0], watch = arguments[1] === 'watch';
var STASH = 'quill-worked-form';
var typeOf = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'type').get;

// The page and its same-origin frames, as Fill all reaches them.
var docs = [document];
for (var d = 0; d < docs.length; ++d) {
    var frames = docs[d].querySelectorAll('iframe, frame');
    for (var f = 0; f < frames.length; ++f) {
        try {
            if (frames[f].contentDocument)
                docs.push(frames[f].contentDocument);
        } catch (e) {
        }
    }
}
function isLogIn(container) {
    if (container.querySelector('input[type="password" i]'))
        return true;
    var words = [container.getAttribute('action'), container.getAttribute('id'), container.getAttribute('name'),
                 container.getAttribute('class')].join(' ');
    return /(log|sign)[-_ ]?in/i.test(words);
}
function readFields(container, fields) {
    if (isLogIn(container))
        return;
    var elements = container.querySelectorAll('input, textarea, select');
    for (var i = 0; i < elements.length; ++i) {
        var el = elements[i];
        var type = el.tagName === 'INPUT' ? String(typeOf.call(el)) : '';
        if (type ? typed.indexOf(type) < 0 : el.tagName === 'SELECT' && el.multiple)
            continue;
        var key = el.getAttribute('name') || el.id;
        if (!key)
            continue;
        var select = el.tagName === 'SELECT';
        fields.push({
            key: key,
            value: String(el.value || ''),
            text: select && el.selectedIndex >= 0 ? el.options[el.selectedIndex].text : '',
            select: select,
            filled: el.hasAttribute('data-quill-filled')
        });
    }
}
if (watch) {
    docs.forEach(function (doc) {
        if (doc.quillWatched)
            return;
        doc.quillWatched = true;
        doc.addEventListener('submit', function (event) {
            var form = event.target;
            if (!form.querySelector || !form.querySelector('[data-quill-filled]'))
                return;
            var fields = [];
            readFields(form, fields);
            try {
                sessionStorage.setItem(STASH, JSON.stringify({ path: location.pathname, fields: fields }));
            } catch (e) {
            }
        }, true);
    });
    return true;
}
function containerOf(el) {
    return el.form || el.closest('form') || el.ownerDocument.body;
}
var containers = [];
docs.forEach(function (doc) {
    var marked = doc.querySelectorAll('[data-quill-filled]');
    for (var m = 0; m < marked.length; ++m) {
        var c = containerOf(marked[m]);
        if (containers.indexOf(c) < 0)
            containers.push(c);
    }
});
if (!containers.length) {
    var focused = document.activeElement;
    while (focused && /^I?FRAME$/.test(focused.tagName)) {
        try {
            focused = focused.contentDocument.activeElement;
        } catch (e) {
            focused = null;
        }
    }
    if (focused && /^(INPUT|TEXTAREA|SELECT)$/.test(focused.tagName))
        containers.push(containerOf(focused));
}
var sent = null;
try {
    sent = JSON.parse(sessionStorage.getItem(STASH) || 'null');
    sessionStorage.removeItem(STASH);
} catch (e) {
}
var fields = [];
containers.forEach(function (container) {
    readFields(container, fields);
});
if (!containers.length && sent && sent.fields)
    return { path: String(sent.path || ''), fields: sent.fields };
return { path: location.pathname, fields: fields };
