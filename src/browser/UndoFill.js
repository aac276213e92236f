// Undo Fill all: puts every field the last fill changed back to what it held before, through the same value setter
// and events, and takes its outline and tool tip away. A field changed since the fill keeps its new value. Returns
// the number of fields put back, or -1 when this page has no fill to undo (none, or the page was left since).
var changes = window.__quillLastFill;
if (!changes)
    return -1;
window.__quillLastFill = null;
var restored = 0;
changes.forEach(function (change) {
    var el = change.el;
    try {
        if (!el.isConnected || el.value !== change.after)
            return;
        __quillSetValue(el, change.before);
        el.removeAttribute('data-quill-filled');
        // The tool tip was put on when the pointer reached the field (FillAll.js).
        if (el.__quillTitle) {
            if (el.__quillTitle.before === null)
                el.removeAttribute('title');
            else
                el.setAttribute('title', el.__quillTitle.before);
            delete el.__quillTitle;
        }
        ++restored;
    } catch (e) {
    }
});
return restored;
