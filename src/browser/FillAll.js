// Fill all: the body of a function called with (the meaning table as FieldMeaningsForScript gives it, the product's
// values by column, the input types a person types into, the product fields' captions by column for the tool tips,
// this site's form map: field key (name, else id) -> column, or '' for a field to leave alone).
// Two passes: every field is judged before any is written, because a write fires the page's listeners, which may
// change the layout the visibility test reads (and reading it afresh per field would cost a layout each).
var table = arguments[0], product = arguments[1], typed = arguments[2], captions = arguments[3] || {};
var siteMap = arguments[4] || {};
var meanings = table.map(function (m) {
    // Fields that claim the same key compete for one value; a meaning the product has no value for is no prize.
    return { column: m[0], kind: m[1], auto: m[2] ? m[2].split(' ') : [], shorter: m[5],
             key: m[0] ? m[0] + ':' + m[1] : '', generic: m[6] ? new RegExp(m[6]) : null };
});
// How strongly each kind of evidence speaks for a meaning: the most specific wins.
var BY_SITE_MAP = 10, BY_AUTOCOMPLETE = 6, BY_OWN_LABEL = 5, BY_CAPTION = 4, BY_NAME = 3, BY_GENERIC_CAPTION = 3.5,
    BY_GENERIC_NAME = 1, BY_TYPE = 0.5;
// Leading words of a name or caption that say what the whole form is about ("download_title", "Software version").
var contextWords = 'downloads?|dl|files?|uploads?|software|soft|programs?|prog|apps?|applications?|tools?|projects?|in|items?|modules?|posts?|entry|listing|submit|new|my|sw|pkg|packages?|plugins?|scripts?|resources?';
var contextWord = new RegExp('^(' + contextWords + ')$'), startsWithContext = new RegExp('^(' + contextWords + ')[_ ]');
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
// Earlier siblings without words (an icon, a help link) do not stop the climb; one with words or a field does.
function textBefore(el) {
    for (var node = el, level = 0; node && level < 3; node = node.parentNode, ++level) {
        var found = wordsBefore(node);
        if (found.length || saysSomethingBefore(node))
            return found;
    }
    return [];
}
function saysSomethingBefore(node) {
    for (var p = node.previousSibling; p; p = p.previousSibling) {
        if (hasField(p) || (p.nodeType === 1 && p.tagName !== 'BR' && p.textContent.trim()))
            return true;
    }
    return false;
}
// The caption cell before the field's cell in its table row.
function cellCaption(el) {
    var cell = el.closest('td, th');
    return cell ? wordsBefore(cell) : [];
}
// The words a person reads for the field: its own label when it has one (own: true); else the hints around it,
// nearest first, since a placeholder is often an example ("https://") and the caption beside it tells what is meant.
// A title Fill all set as its tool tip is no caption.
function labelsOf(el, doc, labelFor) {
    var text = el.id && labelFor[el.id];
    if (text)
        return { own: true, texts: [text] };
    var wrap = el.closest('label');
    if (wrap && (text = clean(wrap.textContent.replace(el.textContent, ''))))
        return { own: true, texts: [text] };
    if ((text = clean(el.getAttribute('aria-label'))))
        return { own: true, texts: [text] };
    var by = el.getAttribute('aria-labelledby');
    if (by && (text = clean(by.split(/\s+/).map(function (id) {
            var e = doc.getElementById(id);
            return e ? e.textContent : '';
        }).join(' '))))
        return { own: true, texts: [text] };
    var caption = cellCaption(el);
    var title = el.hasAttribute('data-quill-filled') ? '' : el.getAttribute('title');
    return { own: false, texts: [clean(el.getAttribute('placeholder')), clean(title)]
        .concat(textBefore(el), caption)
        .filter(Boolean) };
}
// The first label made of words, in the report rather than an example such as "https://".
// Shortened for the report: the caption before a remark after its colon, at most 40 characters.
var shortCaptions = new Map();
function wordyLabel(labels) {
    for (var l = 0; l < labels.length; ++l) {
        if (shortCaptions.has(labels[l]))
            return shortCaptions.get(labels[l]);
        if (/\p{L}{2}/u.test(labels[l]) && labels[l].indexOf('://') < 0) {
            var text = labels[l].indexOf(':') < 0 ? labels[l]
                                                  : clean(labels[l].replace(/^([^:]{2,}?)\s*:\s*\S.*$/, '$1'));
            text = text.length > 40 ? text.slice(0, 39).trim() + '\u2026' : text;
            shortCaptions.set(labels[l], text);
            return text;
        }
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
// The parts of a document no product value belongs in (search, newsletter, log-in and comment forms, editor
// toolbars), found once per document.
function excludedParts(doc) {
    var parts = Array.prototype.slice.call(doc.querySelectorAll(
        '[role="search"], [role="toolbar"], [class*="toolbar" i], [id*="toolbar" i], ' + editorParts));
    // A search box outside any form: a small part named for searching.
    var searchParts = doc.querySelectorAll('[class*="search" i]:not(form), [id*="search" i]:not(form)');
    for (var s = 0; s < searchParts.length; ++s) {
        if (!searchParts[s].closest('form') && searchParts[s].querySelectorAll('input, textarea, select').length <= 3)
            parts.push(searchParts[s]);
    }
    var forms = doc.querySelectorAll('form');
    var typedBoxes = 'input:not([type]), input[type="text" i], input[type="email" i], textarea';
    for (var f = 0; f < forms.length; ++f) {
        var form = forms[f];
        // Search, newsletter and log-in forms share the page with the submit form, never its purpose.
        var words = [form.getAttribute('action'), form.getAttribute('id'), form.getAttribute('name'),
                     form.getAttribute('class')];
        var buttons = form.querySelectorAll('button, input[type="submit" i]');
        for (var b = 0; b < buttons.length; ++b)
            words.push(buttons[b].textContent, buttons[b].value);
        words = words.join(' ');
        if (/search|newsletter|subscri|(log|sign)[-_ ]?in|comment|reply|guestbook/i.test(words) ||
            form.querySelector('input[type="search" i]') ||
            (form.querySelector('input[type="password" i]') && form.querySelectorAll(typedBoxes).length <= 2))
            parts.push(form);
    }
    return parts;
}
// An editor's own text area is the field; everything else in the editor is its machinery.
var editorParts = '[class*="wysiwyg" i], [class*="bbcode" i], [class*="markitup" i], [class*="quicktags" i]';
function inExcludedPart(el, name, parts) {
    if (/^(q|s|query|search|searchbox|search_?(term|query|text|string|input)s?)$/.test(name) ||
        /^(search|suche|recherch|buscar|cerca|поиск|szukaj|pesquis)/i.test(el.getAttribute('placeholder') || ''))
        return true;
    for (var p = 0; p < parts.length; ++p) {
        if (parts[p].contains(el) && !(el.tagName === 'TEXTAREA' && parts[p].matches(editorParts)))
            return true;
    }
    return false;
}
// A box an editor puts beside its text area (its font menus, an "add text" box, a help line): named after the text
// area, or by what such boxes are.
function editorHelper(el, name, areaNames) {
    if (el.tagName === 'TEXTAREA')
        return false;
    var own = name || nameWords(el.id);
    if (/(^|_)(add_?text|helpline|helpbox|bb_?code|smil(ie|ey)s?|emoticons?)(_|$)/.test(own))
        return true;
    var raw = areaNames.length ? String(el.getAttribute('name') || el.id || '').toLowerCase() : '';
    for (var a = 0; a < areaNames.length; ++a) {
        if (raw.length > areaNames[a].length && raw.indexOf(areaNames[a]) === 0 &&
            /^_?(size|font|color|colour|addtext|help|style|format)/.test(raw.slice(areaNames[a].length)))
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
// The meaning a whole text says only weakly ("url", "Title"), or null.
var generics = meanings.filter(function (m) { return m.generic; });
function genericMeaning(text) {
    for (var g = 0; g < generics.length; ++g) {
        if (generics[g].generic.test(text))
            return generics[g];
    }
    return null;
}
// Words read after the context words before them ("download_title" is a title), unless what is left is only a
// generic address word: then the context word is the meaning ("download_url").
function coreOf(words, separator) {
    // Most names and captions start with no context word.
    if (!startsWithContext.test(words))
        return words;
    var parts = words.split(separator), first = 0;
    while (first < parts.length - 1 && contextWord.test(parts[first]))
        ++first;
    var core = parts.slice(first).join(separator);
    var generic = first > 0 ? genericMeaning(core) : null;
    return generic && generic.kind === 'address' ? words : core;
}
// generic: the claim comes from a generic word alone ("url", "URL").
function claim(m, strength, generic) {
    return m ? { m: m, strength: strength, generic: !!generic } : null;
}
// Judged words are kept: forms repeat their captions and names (rows of mirrors, a field per language).
var nameClaims = new Map(), captionClaims = new Map();
// What a name says: its words after the form's shared prefix and any context words.
function nameClaim(words) {
    if (nameClaims.has(words))
        return nameClaims.get(words);
    var core = coreOf(words, '_');
    var generic = genericMeaning(core), found;
    if (generic)
        found = claim(generic, core === words ? BY_GENERIC_NAME : BY_NAME, core === words);
    else
        found = claim(byName(core) || (/^\d+$/.test(core) ? byName(words) : null), BY_NAME);
    nameClaims.set(words, found);
    return found;
}
// What a caption says; a remark in brackets ("Description (no HTML, keep it short)") is read only when the words
// before it say nothing. A long caption is judged by its first words before the whole ("File size. Leave empty to
// have it measured by the system"), and a caption with a remark after a colon by the words before it.
function captionClaim(text, strength) {
    var key = strength + text;
    if (!captionClaims.has(key))
        captionClaims.set(key, judgeCaption(text.toLowerCase(), strength));
    return captionClaims.get(key);
}
function judgeCaption(text, strength) {
    var head = /^([^:]{2,60}):\s*\S/.exec(text) || /^((\S+\s+){3}\S+)\s+\S/.exec(text);
    var found = head ? judgeCaption(head[1], strength) : null;
    var words = /[(\[]/.test(text) ? clean(text.replace(/\([^)]*\)|\[[^\]]*\]/g, '')) : text;
    for (var pass = 0; pass < 2 && !found; ++pass, words = text) {
        var core = coreOf(words, ' ');
        var generic = genericMeaning(core);
        if (generic)
            return claim(generic, core === words ? BY_GENERIC_CAPTION : strength, core === words);
        found = claim(byLabel(core) || (/^\d+$/.test(core) ? byLabel(words) : null), strength);
        if (words === text)
            break;
    }
    return found;
}
// Every meaning the field's evidence speaks for, with how strongly, strongest first. name, id: their words after the
// form's shared prefix (id empty when it says what the name says). context: the meaning the form's own words give (a
// downloads form), which a generic address box may mean as well as the home page.
function claimsOf(el, type, name, id, labels, context) {
    var claims = [];
    var auto = el.getAttribute('autocomplete');
    var tokens = auto ? auto.toLowerCase().split(/\s+/) : [];
    for (var t = 0; t < tokens.length; ++t) {
        if (byToken.has(tokens[t]))
            claims.push(claim(byToken.get(tokens[t]), BY_AUTOCOMPLETE));
    }
    // An e-mail box takes nothing but the address.
    if (type === 'email')
        return [claim(byToken.get('email'), BY_AUTOCOMPLETE)];
    for (var l = 0, said = null; l < labels.texts.length && !said; ++l) {
        said = captionClaim(labels.texts[l], labels.own ? BY_OWN_LABEL : BY_CAPTION);
        if (said)
            claims.push(said);
    }
    var captionSpoke = claims.length > 0;
    // A generic name, or an address type, decides nothing when a caption speaks.
    var byWords = [name && nameClaim(name), id && nameClaim(id),
                   type === 'url' && claim(byToken.get('url'), BY_TYPE, true)];
    for (var w = 0; w < byWords.length; ++w) {
        var c = byWords[w];
        if (c && (!captionSpoke || !c.generic || c.strength > BY_GENERIC_NAME))
            claims.push(c);
    }
    if (context) {
        claims.slice().forEach(function (c) {
            if (c.generic && c.m.kind === 'address' && c.m !== context)
                claims.push(claim(context, c.strength, true));
        });
    }
    // A list of choices never holds an address.
    if (el.tagName === 'SELECT')
        claims = claims.filter(function (c) { return c.m.kind !== 'address'; });
    if (claims.length < 2)
        return claims;
    claims.sort(function (a, b) { return b.strength - a.strength; });
    // One claim per meaning, its strongest.
    return claims.filter(function (c, i) {
        for (var k = 0; k < i; ++k) {
            if (claims[k].m === c.m)
                return false;
        }
        return true;
    });
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
function valuesFor(m, el, label, part) {
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
        var kind = part || (m.kind === 'date' && el.tagName === 'SELECT' ? datePartOf(el) || m.kind : m.kind);
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
// A text cut at the last word boundary within the limit; empty when that would keep less than half of the room, or
// would cut a word (a version, a name in one word): a cut there changes what it says.
function cut(text, max) {
    var part = text.slice(0, max);
    var space = /\s/.test(text.charAt(max)) ? max : part.search(/\s+\S*$/);
    return space > max / 2 ? part.slice(0, space).trim() : '';
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
    var text = cut(wanted[0], max);
    return text ? { text: text, cut: true } : null;
}

// The longest start every name of a form shares, cut after its last separator: no evidence of what a field means.
// Without a separator ("modulenameuploadtitle") the whole shared start is cut, and ownWords gives letters back.
function sharedPrefix(names) {
    names = names.filter(Boolean);
    if (names.length < 3)
        return '';
    var prefix = names[0];
    for (var n = 1; n < names.length && prefix; ++n) {
        var k = 0;
        while (k < prefix.length && k < names[n].length && prefix.charAt(k) === names[n].charAt(k))
            ++k;
        prefix = prefix.slice(0, k);
    }
    var cut = prefix.lastIndexOf('_');
    return cut >= 0 ? prefix.slice(0, cut + 1) : prefix.length >= 4 ? prefix : '';
}
// A name without the shared prefix; when the prefix ran into the field's own word, a few letters are given back
// until the rest names a meaning.
function ownWords(name, prefix) {
    if (!prefix || name.length <= prefix.length)
        return name;
    var rest = name.slice(prefix.length).replace(/^_+/, '');
    if (prefix.charAt(prefix.length - 1) === '_' || name.charAt(prefix.length) === '_')
        return rest;
    for (var back = 0; back <= 3 && back <= prefix.length; ++back) {
        var words = name.slice(prefix.length - back);
        if (byName(words) || genericMeaning(words))
            return words;
    }
    return rest;
}
// The meaning a site map's column stands for: the table's (a whole date rather than a part of one), else the
// column's value as it is, never cut.
function siteMeaning(column) {
    var found = meanings.filter(function (m) { return m.column === column && !/^(day|month|year)$/.test(m.kind); });
    return found.length ? found[0] : { column: column, kind: 'address', auto: [], shorter: '', key: column + ':address',
                                       generic: null };
}
// The address meaning a form's own words give (its shared prefix, its action, id or name): a downloads form.
function contextOf(prefix, group) {
    var words = [prefix];
    if (group.tagName === 'FORM')
        words.push(group.getAttribute('action'), group.getAttribute('id'), group.getAttribute('name'));
    var m = byName(nameWords(words.join(' ')));
    return m && m.column && m.kind === 'address' ? m : null;
}
// Adds value to the list map keeps under key.
function addTo(map, key, value) {
    var list = map.get(key);
    if (list)
        list.push(value);
    else
        map.set(key, [value]);
}
// Gives each product value to the fields that claim it most strongly, level by level. At one level a field with
// one claim left takes it; a field with several loses those another field took, and is undecided if more than one
// is left. Of several fields taking one value at one level, those with a weaker claim to a value still free fall
// back on it, unless all have one.
function assign(list) {
    var taken = new Map(), open = list.filter(function (f) { return f.claims.length; });
    var levels = [];
    open.forEach(function (f) {
        f.claims.forEach(function (c) {
            if (levels.indexOf(c.strength) < 0)
                levels.push(c.strength);
        });
    });
    levels.sort(function (a, b) { return b - a; });
    levels.forEach(function (level) {
        var free = function (c) { return !c.m.key || !taken.has(c.m.key) || taken.get(c.m.key) === level; };
        var bids = [];
        open.forEach(function (f) {
            var live = f.claims.filter(function (c) { return c.strength === level && free(c); });
            if (live.length)
                bids.push({ f: f, live: live });
        });
        var won = new Set();
        for (var changed = true; changed;) {
            changed = false;
            won = new Set();
            bids.forEach(function (b) {
                if (b.live.length === 1 && b.live[0].m.key)
                    won.add(b.live[0].m.key);
            });
            bids.forEach(function (b) {
                var rest = b.live.filter(function (c) { return !c.m.key || !won.has(c.m.key); });
                if (b.live.length > 1 && rest.length && rest.length < b.live.length) {
                    b.live = rest;
                    changed = true;
                }
            });
        }
        var byKey = new Map();
        bids.forEach(function (b) {
            if (b.live.length === 1 && b.live[0].m.key)
                addTo(byKey, b.live[0].m.key, b);
        });
        byKey.forEach(function (holders) {
            var firm = holders.filter(function (b) {
                return !b.f.claims.some(function (c) {
                    return c.strength < level && (!c.m.key || (!taken.has(c.m.key) && !won.has(c.m.key)));
                });
            });
            if (firm.length && firm.length < holders.length) {
                holders.forEach(function (b) {
                    if (firm.indexOf(b) < 0)
                        b.live = [];
                });
            }
        });
        bids.forEach(function (b) {
            if (b.live.length === 1) {
                b.f.m = b.live[0].m;
                if (b.f.m.key)
                    taken.set(b.f.m.key, level);
            } else if (b.live.length > 1) {
                b.f.undecided = true;
            }
        });
        open = open.filter(function (f) { return !f.m && !f.undecided; });
    });
}
// Text boxes sharing one date caption take its day, month and year in the order the caption ("d/m/Y") or their
// lengths (2, 2, 4) give.
function splitDates(list) {
    var byCaption = new Map();
    list.forEach(function (f) {
        if (f.m && f.m.kind === 'date' && f.el.tagName === 'INPUT') {
            addTo(byCaption, f.el.parentNode, f);
        }
    });
    byCaption.forEach(function (parts) {
        if (parts.length < 2 || parts.length > 3)
            return;
        var order = /\b([dmy])[a-z]*\s*[\/.\-]\s*([dmy])[a-z]*\s*[\/.\-]\s*([dmy])/i.exec(parts[0].label);
        var letters = order ? [order[1], order[2], order[3]].map(function (l) { return l.toLowerCase(); })
                            : parts[0].el.maxLength === 4 || parts[0].el.size === 4 ? ['y', 'm', 'd'] : ['d', 'm', 'y'];
        parts.forEach(function (f, i) {
            f.part = { d: 'day', m: 'month', y: 'year' }[letters[i]];
        });
    });
}

var docs = [document];
for (var d = 0; d < docs.length; ++d) {
    var frames = docs[d].querySelectorAll('iframe, frame');
    var framesPage = frames.length ? pageOf(docs[d].defaultView) : null;
    for (var f = 0; f < frames.length; ++f) {
        try {
            var inner = frames[f].contentDocument;
            if (inner && shown(frames[f], framesPage))
                docs.push(inner);
        } catch (e) {
        }
    }
}
// The fields a person may type into, by form (or document for those outside any form).
var groups = new Map(), fields = [];
docs.forEach(function (doc) {
    var page = pageOf(doc.defaultView), labelFor = {}, parts = excludedParts(doc), areaNames = [];
    var labelElements = doc.querySelectorAll('label[for]');
    for (var l = 0; l < labelElements.length; ++l) {
        var id = labelElements[l].getAttribute('for');
        if (!labelFor[id])
            labelFor[id] = clean(labelElements[l].textContent);
    }
    var areas = doc.querySelectorAll('textarea');
    for (var a = 0; a < areas.length; ++a)
        areaNames.push(String(areas[a].getAttribute('name') || areas[a].id || '').toLowerCase());
    areaNames = areaNames.filter(Boolean);
    var all = doc.querySelectorAll('input, textarea, select');
    for (var i = 0; i < all.length; ++i) {
        var el = all[i];
        try {
            var type = el.tagName === 'INPUT' ? String(typeOf.call(el)) : '';
            if (!typedField(el, type) || el.disabled || el.matches(':disabled') || el.readOnly || !shown(el, page))
                continue;
            var name = nameWords(el.getAttribute('name'));
            if (inExcludedPart(el, name, parts) || editorHelper(el, name, areaNames) || !isEmpty(el))
                continue;
            var field = { el: el, doc: doc, labelFor: labelFor, type: type, name: name,
                          key: el.getAttribute('name') || el.id || '' };
            addTo(groups, el.form || doc, field);
            fields.push(field);
        } catch (e) {
        }
    }
});
groups.forEach(function (list, group) {
    var prefix = sharedPrefix(list.map(function (f) { return f.name; }));
    var context = contextOf(prefix, group);
    list.forEach(function (f) {
        try {
            f.labels = labelsOf(f.el, f.doc, f.labelFor);
            f.label = f.labels.texts.join(' ');
            f.shownName = wordyLabel(f.labels.texts) || clean(f.el.getAttribute('name')) || clean(f.el.id) ||
                          f.labels.texts[0] || f.el.tagName.toLowerCase();
            if (f.key && Object.prototype.hasOwnProperty.call(siteMap, f.key)) {
                // This site's form map overrides the words: its column, or nothing at all.
                var column = String(siteMap[f.key] || '');
                f.fromSite = true;
                f.leaveAlone = !column;
                f.claims = column ? [claim(siteMeaning(column), BY_SITE_MAP)] : [];
            } else {
                var id = nameWords(f.el.id);
                f.claims = claimsOf(f.el, f.type, ownWords(f.name, prefix), id === f.name ? '' : ownWords(id, prefix),
                                    f.labels, context);
            }
        } catch (e) {
            f.claims = [];
        }
    });
    assign(list);
    splitDates(list);
});
var plan = [], left = [], undecided = [], shortened = [];
fields.forEach(function (f) {
    try {
        if (f.leaveAlone || !f.labels)
            return;
        if (f.undecided) {
            undecided.push(f.shownName);
            return;
        }
        var wanted = f.m ? valuesFor(f.m, f.el, f.label, f.part) : [];
        var value = null;
        if (wanted.length && f.el.tagName === 'SELECT') {
            value = optionFor(f.el, wanted);
        } else if (wanted.length) {
            var fitted = fit(f.m, f.el, wanted);
            if (fitted) {
                value = fitted.text;
                if (fitted.cut)
                    shortened.push(f.shownName);
            }
        }
        if (value === null || value === '')
            left.push(f.shownName);
        else
            plan.push({ f: f, value: value });
    } catch (e) {
    }
});
// One rule per document outlines what was filled: cheaper than a style on each field, and gone with the page. The
// tool tip naming the product field is put on a filled field when the pointer first reaches it: a title written on
// every field at once costs the engine more than the whole fill.
docs.forEach(function (doc) {
    if (doc.getElementById('quill-fill-outline'))
        return;
    var style = doc.createElement('style');
    style.id = 'quill-fill-outline';
    style.textContent = '[data-quill-filled] { outline: 2px solid #2e9d5b !important; }';
    (doc.head || doc.documentElement).appendChild(style);
    doc.addEventListener('mouseover', function (e) {
        var el = e.target;
        if (el && el.hasAttribute && el.hasAttribute('data-quill-filled') && !el.__quillTitle) {
            el.__quillTitle = { before: el.getAttribute('title') };
            el.setAttribute('title', el.getAttribute('data-quill-filled'));
        }
    }, true);
});
// What the fill changed, kept with the page for Undo Fill all: it goes when the page is left.
// The report names at most 100 filled fields: a window lists no more, and each costs the answer's way back.
var changes = [], filled = [], fromSite = 0;
plan.forEach(function (step) {
    var el = step.f.el, before = el.value;
    try {
        if (__quillSetValue(el, step.value)) {
            var column = step.f.m.column, caption = captions[column] || column;
            el.setAttribute('data-quill-filled', 'Fill all: ' + caption);
            changes.push({ el: el, before: before, after: el.value });
            if (filled.length < 100)
                filled.push([step.f.shownName, caption]);
            if (step.f.fromSite)
                ++fromSite;
        }
    } catch (e) {
    }
});
// A fill that changed nothing (a second press) leaves the last one to undo.
if (changes.length)
    window.__quillLastFill = changes;
return { filled: changes.length, fields: filled, left: left, undecided: undecided, shortened: shortened,
         fromSite: fromSite };
