// Fill all: the body of a function called with (the meaning table as FieldMeaningsForScript gives it, the product's
// values by column, the input types a person types into).
// Two passes: every field is judged before any is written, because a write fires the page's listeners, which may
// change the layout the visibility test reads (and reading it afresh per field would cost a layout each).
var table = arguments[0], product = arguments[1], typed = arguments[2];
var meanings = table.map(function (m) {
    return { column: m[0], kind: m[1], auto: m[2] ? m[2].split(' ') : [], shorter: m[5] };
});
// One pattern tries the meanings' patterns in the table's order, each over the whole text, so that one call
// decides as a loop over them would: most fields are judged by words, and a call per meaning costs the most.
// The parts' own groups are made non-capturing, so that group k + 1, empty, tells that part k matched.
function firstMeaningOf(column) {
    var parts = [], found = [];
    table.forEach(function (m, i) {
        if (!m[column])
            return;
        var part = m[column].replace(/\\.|\[(?:\\.|[^\]])*\]|\((?!\?)/g, function (t) {
            return t === '(' ? '(?:' : t;
        });
        parts.push('[\\s\\S]*?(?:' + part + ')()');
        found.push(meanings[i]);
    });
    var pattern = new RegExp('^(?:' + parts.join('|') + ')');
    return function (text) {
        // Testing first spares building the answer for the many texts that match nothing.
        var hit = text && pattern.test(text) ? pattern.exec(text) : null;
        for (var k = 0; hit && k < found.length; ++k) {
            if (hit[k + 1] !== undefined)
                return found[k];
        }
        return null;
    };
}
var byName = firstMeaningOf(3), byLabel = firstMeaningOf(4);
// The first meaning each autocomplete token names.
var byToken = new Map();
meanings.forEach(function (m) {
    m.auto.forEach(function (token) {
        if (!byToken.has(token))
            byToken.set(token, m);
    });
});
var typeOf = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'type').get;
var monthNames = ['january', 'february', 'march', 'april', 'may', 'june', 'july', 'august', 'september',
                  'october', 'november', 'december'];

function nameWords(text) {
    text = String(text || '');
    // Most names are one lower-case word already.
    if (/^[a-z0-9]*$/.test(text))
        return text;
    return text.replace(/([a-z0-9])([A-Z])/g, '$1_$2').toLowerCase().replace(/[^a-z0-9]+/g, '_')
        .replace(/^_+|_+$/g, '');
}
// A text in one line without the spaces, colons and stars around it, at most 120 characters.
function clean(text) {
    text = String(text || '').replace(/\s+/g, ' ');
    var start = 0, end = text.length;
    while (start < end && ' :*'.indexOf(text.charAt(start)) >= 0)
        ++start;
    while (end > start && ' :*'.indexOf(text.charAt(end - 1)) >= 0)
        --end;
    return text.slice(start, Math.min(end, start + 120));
}
function hasField(node) {
    return node.nodeType === 1 && (/^(INPUT|TEXTAREA|SELECT)$/.test(node.tagName) ||
                                   !!node.querySelector('input, textarea, select'));
}
// The words before a node among its earlier siblings, nearest first, at most two, since a hint often stands between
// a caption and its field; a sibling holding a field ends the search, as its words belong to that field.
function wordsBefore(node) {
    var found = [];
    for (var p = node.previousSibling; p && found.length < 2; p = p.previousSibling) {
        if (hasField(p))
            break;
        var text = clean(p.textContent);
        if (text)
            found.push(text);
    }
    return found;
}
// The words just before the field, or before its box when the field stands alone in one.
function textBefore(el) {
    for (var node = el, level = 0; node && level < 3; node = node.parentNode, ++level) {
        var found = wordsBefore(node);
        if (found.length || (node.parentNode && node.parentNode.children.length > 1))
            return found;
    }
    return [];
}
// The caption cell before the field's cell in its table row.
function cellCaption(el) {
    var cell = el.closest('td, th');
    return cell ? wordsBefore(cell) : [];
}
// The words a person reads for the field: its own label when it has one; else the hints around it, nearest first,
// since a placeholder is often an example ("https://") and the caption beside it tells what is meant.
function labelsOf(el, doc, labelFor) {
    var text = el.id && labelFor[el.id];
    if (text)
        return [text];
    var wrap = el.closest('label');
    if (wrap && (text = clean(wrap.textContent.replace(el.textContent, ''))))
        return [text];
    if ((text = clean(el.getAttribute('aria-label'))))
        return [text];
    var by = el.getAttribute('aria-labelledby');
    if (by && (text = clean(by.split(/\s+/).map(function (id) {
            var e = doc.getElementById(id);
            return e ? e.textContent : '';
        }).join(' '))))
        return [text];
    var caption = cellCaption(el);
    return [clean(el.getAttribute('placeholder')), clean(el.getAttribute('title'))]
        .concat(caption.length ? caption : textBefore(el))
        .filter(Boolean);
}
// The first label made of words, in the report rather than an example such as "https://".
function wordyLabel(labels) {
    for (var l = 0; l < labels.length; ++l) {
        if (/[a-z]{2}/i.test(labels[l]) && labels[l].indexOf('://') < 0)
            return labels[l];
    }
    return '';
}
// A document's window and where its page starts, read once: each read of the scroll offsets costs as much as a
// field's box.
function pageOf(view) {
    return { view: view, left: -view.scrollX, top: -view.scrollY };
}
function shown(el, page) {
    if (el.hidden)
        return false;
    var box = el.getBoundingClientRect();
    // Off the page to the left or top: a trap for robots, never meant for a person.
    if (box.width <= 0 || box.height <= 0 || box.right <= page.left || box.bottom <= page.top)
        return false;
    // A box with no size already tells display: none.
    var style = page.view.getComputedStyle(el);
    return style.visibility !== 'hidden' && style.opacity !== '0';
}
// type: an input's type as its prototype tells it, empty for other elements.
function typedField(el, type) {
    if (type)
        return typed.indexOf(type) >= 0;
    return el.tagName === 'TEXTAREA' || (el.tagName === 'SELECT' && !el.multiple);
}
// The parts of a document no product value belongs in (search, newsletter and log-in forms, editor toolbars), found
// once per document.
function excludedParts(doc) {
    var parts = Array.prototype.slice.call(
        doc.querySelectorAll('[role="search"], [role="toolbar"], [class*="toolbar" i], [id*="toolbar" i]'));
    var forms = doc.querySelectorAll('form');
    for (var f = 0; f < forms.length; ++f) {
        var form = forms[f];
        // Search, newsletter and log-in forms share the page with the submit form, never its purpose.
        var words = [form.getAttribute('action'), form.getAttribute('id'), form.getAttribute('name'),
                     form.getAttribute('class')].join(' ');
        if (/search|newsletter|subscri|(log|sign)[-_ ]?in/i.test(words) || form.querySelector('input[type="search" i]'))
            parts.push(form);
    }
    return parts;
}
function inExcludedPart(el, name, parts) {
    if (/^(q|s|query|search|searchbox|search_?(term|query|text|string|input)s?)$/.test(name))
        return true;
    for (var p = 0; p < parts.length; ++p) {
        if (parts[p].contains(el))
            return true;
    }
    return false;
}
function isEmpty(el) {
    var value = String(el.value || '').trim();
    if (el.tagName === 'SELECT') {
        if (value === '' || /^(0|-1|none|null)$/i.test(value))
            return true;
        if (el.selectedIndex > 0)
            return false;
        for (var o = 0; o < el.options.length; ++o) {
            if (el.options[o].defaultSelected)
                return false;
        }
        return true;
    }
    return value === '' || /^(https?:\/\/(www\.)?|www\.|0+([.,]0+)?|-+|n\/?a)$/i.test(value) ||
           value === String(el.getAttribute('placeholder') || '').trim() || /^(e\.g\.|example:)/i.test(value);
}
function meaningOf(el, type, name, labels) {
    var auto = el.getAttribute('autocomplete');
    var tokens = auto ? auto.toLowerCase().split(/\s+/) : [];
    for (var t = 0; t < tokens.length; ++t) {
        if (byToken.has(tokens[t]))
            return byToken.get(tokens[t]);
    }
    // An e-mail box takes nothing but the address; a web address box may want any of several, so its words decide.
    if (type === 'email')
        return byToken.get('email');
    var id = nameWords(el.id);
    var m = byName(name) || (id !== name && byName(id));
    // A remark in brackets ("Description (no HTML, keep it short)") is read only when the words before it say nothing.
    for (var l = 0; !m && l < labels.length; ++l) {
        var text = labels[l].toLowerCase();
        var words = /[(\[]/.test(text) ? clean(text.replace(/\([^)]*\)|\[[^\]]*\]/g, '')) : text;
        m = byLabel(words) || (words !== text ? byLabel(text) : null);
    }
    return m || (type === 'url' ? byToken.get('url') : null);
}
function pad2(n) { return (n < 10 ? '0' : '') + n; }
// Which part of a date a select under a whole-date caption asks for, told by its options.
function datePartOf(select) {
    var months = 0, largest = 0;
    for (var o = 0; o < select.options.length; ++o) {
        var option = select.options[o], text = option.text.trim().toLowerCase();
        if (text.length >= 3 && monthNames.some(function (n) { return n.indexOf(text) === 0; }))
            ++months;
        var number = /^\d+$/.test(option.value) ? +option.value : /^\d+$/.test(text) ? +text : 0;
        largest = Math.max(largest, number);
    }
    return months >= 3 || largest === 12 ? 'month' : largest >= 1900 ? 'year' : largest >= 28 && largest <= 31 ? 'day'
                                                                                                             : '';
}
// The words after a field, where a unit often stands: the chosen option when it is a select.
function textAfter(el) {
    var next = el.nextSibling;
    while (next && next.nodeType === 3 && !next.textContent.trim())
        next = next.nextSibling;
    if (next && next.tagName === 'SELECT')
        return next.selectedIndex >= 0 ? next.options[next.selectedIndex].text : '';
    return next ? next.textContent : '';
}
// The value the field is offered, most wanted first (a select takes the first its options hold).
function valuesFor(m, el, label) {
    if (!m.column)
        return [];
    if (m.kind === 'size') {
        var kb = parseFloat(String(product[m.column] || '').replace(',', '.'));
        if (!(kb >= 0))
            return [];
        var around = (label + ' ' + (el.getAttribute('placeholder') || '') + ' ' + textAfter(el)).toLowerCase();
        if (/\bmb\b|megabyte|\bmo\b/.test(around))
            return [(kb / 1024).toFixed(2)];
        if (/\bkb\b|kilobyte|\bk\b|\bko\b/.test(around))
            return [String(Math.round(kb * 100) / 100)];
        return [String(Math.round(kb * 1024))];
    }
    if (m.kind === 'date' || m.kind === 'day' || m.kind === 'month' || m.kind === 'year') {
        var date = /^(\d{4})-(\d{2})-(\d{2})/.exec(String(product[m.column] || ''));
        if (!date)
            return [];
        var y = date[1], mo = +date[2], d = +date[3];
        var kind = m.kind === 'date' && el.tagName === 'SELECT' ? datePartOf(el) || m.kind : m.kind;
        if (kind === 'day')
            return [String(d), pad2(d)];
        if (kind === 'month')
            return [String(mo), pad2(mo), monthNames[mo - 1], monthNames[mo - 1].slice(0, 3)];
        if (kind === 'year')
            return el.maxLength === 2 ? [y.slice(2)] : [y, y.slice(2)];
        var hint = (label + ' ' + (el.getAttribute('placeholder') || '')).toLowerCase();
        if (/mm\/dd\/yy/.test(hint))
            return [pad2(mo) + '/' + pad2(d) + '/' + y];
        if (/dd\/mm\/yy/.test(hint))
            return [pad2(d) + '/' + pad2(mo) + '/' + y];
        if (/dd\.mm\.yy/.test(hint))
            return [pad2(d) + '.' + pad2(mo) + '.' + y];
        return [y + '-' + pad2(mo) + '-' + pad2(d)];
    }
    var text = String(product[m.column] || '').trim();
    return text ? [text] : [];
}
function optionFor(select, wanted) {
    for (var w = 0; w < wanted.length; ++w) {
        var want = String(wanted[w]).trim().toLowerCase();
        for (var o = 0; o < select.options.length; ++o) {
            var option = select.options[o];
            var value = String(option.value).trim().toLowerCase(), text = String(option.text).trim().toLowerCase();
            if (value === want || text === want || (/^\d+$/.test(want) && (+value === +want || +text === +want) &&
                                                    (/^\d+$/.test(value) || /^\d+$/.test(text))))
                return option.value;
        }
    }
    return null;
}
// A text cut at the last word boundary within the limit.
function cut(text, max) {
    var part = text.slice(0, max);
    var space = part.search(/\s+\S*$/);
    return (space > max / 2 ? part.slice(0, space) : part).trim();
}
function fit(m, el, wanted) {
    var max = el.tagName === 'SELECT' ? -1 : el.maxLength;
    if (!(max > 0) || wanted[0].length <= max)
        return { text: wanted[0] };
    var shorter = m.shorter ? String(product[m.shorter] || '').trim() : '';
    if (shorter && shorter.length <= max)
        return { text: shorter };
    if (m.kind !== 'text')
        return null;
    return { text: cut(wanted[0], max), cut: true };
}

var docs = [document];
for (var d = 0; d < docs.length; ++d) {
    var frames = docs[d].querySelectorAll('iframe, frame');
    for (var f = 0; f < frames.length; ++f) {
        try {
            var inner = frames[f].contentDocument;
            if (inner && shown(frames[f], pageOf(docs[d].defaultView)))
                docs.push(inner);
        } catch (e) {
        }
    }
}
var plan = [], left = [], shortened = [];
docs.forEach(function (doc) {
    var page = pageOf(doc.defaultView), labelFor = {}, parts = excludedParts(doc);
    var labelElements = doc.querySelectorAll('label[for]');
    for (var l = 0; l < labelElements.length; ++l) {
        var id = labelElements[l].getAttribute('for');
        if (!labelFor[id])
            labelFor[id] = clean(labelElements[l].textContent);
    }
    var fields = doc.querySelectorAll('input, textarea, select');
    for (var i = 0; i < fields.length; ++i) {
        var el = fields[i];
        try {
            var type = el.tagName === 'INPUT' ? String(typeOf.call(el)) : '';
            if (!typedField(el, type) || el.disabled || el.matches(':disabled') || el.readOnly || !shown(el, page))
                continue;
            var name = nameWords(el.getAttribute('name'));
            if (inExcludedPart(el, name, parts) || !isEmpty(el))
                continue;
            var labels = labelsOf(el, doc, labelFor), label = labels.join(' ');
            var shownName = wordyLabel(labels) || clean(el.getAttribute('name')) || clean(el.id) || labels[0] ||
                            el.tagName.toLowerCase();
            var m = meaningOf(el, type, name, labels);
            var wanted = m ? valuesFor(m, el, label) : [];
            var value = null;
            if (wanted.length && el.tagName === 'SELECT') {
                value = optionFor(el, wanted);
            } else if (wanted.length) {
                var fitted = fit(m, el, wanted);
                if (fitted) {
                    value = fitted.text;
                    if (fitted.cut)
                        shortened.push(shownName);
                }
            }
            if (value === null || value === '')
                left.push(shownName);
            else
                plan.push([el, value]);
        } catch (e) {
        }
    }
});
// One rule per document outlines what was filled: cheaper than a style on each field, and gone with the page.
docs.forEach(function (doc) {
    if (doc.getElementById('quill-fill-outline'))
        return;
    var style = doc.createElement('style');
    style.id = 'quill-fill-outline';
    style.textContent = '[data-quill-filled] { outline: 2px solid #2e9d5b !important; }';
    (doc.head || doc.documentElement).appendChild(style);
});
var filled = 0;
plan.forEach(function (step) {
    try {
        if (__quillSetValue(step[0], step[1])) {
            step[0].setAttribute('data-quill-filled', '');
            ++filled;
        }
    } catch (e) {
    }
});
return { filled: filled, left: left, shortened: shortened };
