// The log-in form of the shown page: the form (or, for boxes outside any form, the document) of the page or of a
// same-origin frame that holds exactly one visible password box, the first such in document order. A sign-up form
// asks for the password twice and so is never taken.
//
// arguments[0] is null to only locate the form: the program first learns on which host the form is and hands the
// log-in over only when that host may have it. Otherwise it is {user, password}: the user name goes into the form's
// user-name box (autocomplete username or email, else the last visible text or e-mail box before the password box),
// the password into the password box, and nothing else is touched.
//
// Returns {found, host, onlyForm, filled}: onlyForm when no visible text field outside the log-in form asks for
// anything but a search.
var login = arguments[0];
var textTypes = ['text', 'email', 'tel', 'url', 'number', ''];

function visible(element) {
    if (element.disabled || element.type === 'hidden' || !element.getClientRects().length)
        return false;
    var style = element.ownerDocument.defaultView.getComputedStyle(element);
    return style.visibility !== 'hidden' && style.display !== 'none';
}

function documentsOf(root) {
    var found = [root];
    Array.prototype.forEach.call(root.querySelectorAll('iframe, frame'), function (frame) {
        var inner = null;
        try {
            inner = frame.contentDocument;
        } catch (e) {
        }
        if (inner && inner.documentElement)
            found = found.concat(documentsOf(inner));
    });
    return found;
}

function isTextBox(element) {
    if (element.tagName === 'TEXTAREA')
        return true;
    return element.tagName === 'INPUT' && textTypes.indexOf((element.getAttribute('type') || '').toLowerCase()) >= 0;
}

function autocompleteTokens(element) {
    return (element.getAttribute('autocomplete') || '').toLowerCase().split(/\s+/);
}

function isSearchBox(element) {
    if ((element.getAttribute('type') || '').toLowerCase() === 'search' || element.closest('[role=search]'))
        return true;
    return /^(q|s|query|keywords?|search.*)$/i.test(element.name || element.id || '');
}

function inScope(form, element) {
    return form.scope === form.document ? element.ownerDocument === form.document && !element.form
                                        : element.form === form.scope;
}

function locate() {
    var documents = documentsOf(document);
    for (var d = 0; d < documents.length; ++d) {
        var passwords = Array.prototype.filter.call(documents[d].querySelectorAll('input[type=password]'), visible);
        for (var p = 0; p < passwords.length; ++p) {
            var scope = passwords[p].form || documents[d];
            var inScope = passwords.filter(function (other) { return (other.form || documents[d]) === scope; });
            if (inScope.length === 1)
                return {document: documents[d], scope: scope, password: passwords[p], all: documents};
        }
    }
    return null;
}

function userBoxOf(form) {
    var boxes = Array.prototype.filter.call(form.scope.querySelectorAll('input'), function (element) {
        return isTextBox(element) && visible(element) && !element.readOnly && inScope(form, element);
    });
    var hinted = boxes.filter(function (element) {
        var tokens = autocompleteTokens(element);
        return tokens.indexOf('username') >= 0 || tokens.indexOf('email') >= 0;
    });
    if (hinted.length)
        return hinted[0];
    var before = boxes.filter(function (element) {
        return element.compareDocumentPosition(form.password) & Node.DOCUMENT_POSITION_FOLLOWING;
    });
    return before.length ? before[before.length - 1] : null;
}

function onlyForm(form) {
    return form.all.every(function (doc) {
        return Array.prototype.every.call(doc.querySelectorAll('input, textarea'), function (element) {
            return inScope(form, element) || !isTextBox(element) || !visible(element) || isSearchBox(element);
        });
    });
}

var form = locate();
if (!form)
    return {found: false, host: '', onlyForm: false, filled: false};
var answer = {found: true, host: form.document.location.hostname, onlyForm: onlyForm(form), filled: false};
if (login) {
    var userBox = userBoxOf(form);
    if (userBox && login.user)
        __quillSetValue(userBox, login.user);
    if (login.password)
        __quillSetValue(form.password, login.password);
    answer.filled = true;
}
return answer;
