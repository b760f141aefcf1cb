// The page agent: the program's hands in the documents its browsers show.
//
// TWebBrowser injects this script into the application's own script world of every page, so the
// page's scripts can neither see nor alter it, and it works where page scripts are disabled (the
// print browser). It keeps to one namespace, hovloAgent, with one entry per whole operation; the
// native side (PageAgent.cpp) is the only caller, makes one runJavaScript call per operation and
// passes arguments as JSON literals only:
//
//   hovloAgent.facts(names)        -> {html, elements: [{kind, value, markup}], body}
//       for each name the first element in document order whose id or name equals it:
//       kind "missing", "hidden" (a hidden input, with its value) or "other" (with its inner
//       markup); body is the body's inner markup, or null when there is no body.
//   hovloAgent.fill(steps, withBody) -> {written, stopped, body}
//       steps is a list of [elementName, value] pairs, applied in order; the first write an
//       element refuses ends the run (stopped), earlier writes stay. written counts the writes.
//       body is the body markup after filling when withBody is true, else null.
//   hovloAgent.snapshot()          -> {address, title, body}
//       the body markup of the displayed document with the controls' current values written
//       into it (value attributes, check states, selected options, text-area contents).
//   hovloAgent.printCopy(copy)     -> {inputs, selects, textareas}
//       copy is {title, body}: replaces this document's body content and title by them, then
//       turns every form control into its value, counting the replacements of each pass.
//   hovloAgent.printPadding(css)   -> true
//       css is the padding of the printed document ("15mm 15mm 15mm 15mm"), kept in one style
//       element for print media only; the screen is not changed.
//
// Every entry returns {ok: true, result: ...} or {ok: false, error: text} and never throws: an
// exception escaping into the page's console would be a fault of this script.

var hovloAgent = (function () {
    'use strict';

    // The input types a user types text into; an input with no, an empty or an unknown type
    // reports "text".
    var TEXT_INPUT_TYPES = {
        text: true, search: true, email: true, tel: true, url: true, number: true,
        password: true
    };

    // The number syntax a number field accepts.
    var FLOATING_POINT = /^-?(?:[0-9]+(?:\.[0-9]+)?|\.[0-9]+)(?:[eE][-+]?[0-9]+)?$/;

    function errorText(e) {
        try {
            return String(e && e.message ? e.message : e);
        } catch (ignored) {
            return 'unknown error';
        }
    }

    function run(operation) {
        try {
            return {ok: true, result: operation()};
        } catch (e) {
            return {ok: false, error: errorText(e)};
        }
    }

    function isString(value) {
        return typeof value === 'string';
    }

    // The lookup by id or name: the first element in document order whose id or name equals the
    // name. One walk over the document gives the first element for every id and name; a write
    // that replaces an element's children may remove named elements, so fill then drops the
    // index (map = null), and the next lookup walks anew.
    function ElementIndex() {
        this.map = null;
    }
    ElementIndex.prototype.find = function (name) {
        if (name === '')
            return null;
        if (this.map === null) {
            this.map = new Map();
            var all = document.getElementsByTagName('*');
            for (var i = 0; i < all.length; ++i) {
                var id = all[i].getAttribute('id');
                if (id !== null && !this.map.has(id))
                    this.map.set(id, all[i]);
                var elementName = all[i].getAttribute('name');
                if (elementName !== null && !this.map.has(elementName))
                    this.map.set(elementName, all[i]);
            }
        }
        var found = this.map.get(name);
        return found === undefined ? null : found;
    };

    function isHiddenInput(element) {
        return element instanceof HTMLInputElement && element.type === 'hidden';
    }

    function bodyMarkup() {
        return document.body ? document.body.innerHTML : null;
    }

    function describe(index, name) {
        var element = isString(name) ? index.find(name) : null;
        if (!element)
            return {kind: 'missing', value: '', markup: ''};
        if (isHiddenInput(element))
            return {kind: 'hidden', value: element.value, markup: ''};
        return {kind: 'other', value: '', markup: element.innerHTML};
    }

    function facts(names) {
        if (!Array.isArray(names))
            throw new TypeError('facts expects a list of names');
        return {
            html: document.documentElement instanceof HTMLHtmlElement,
            elements: names.map(describe.bind(null, new ElementIndex())),
            body: bodyMarkup()
        };
    }

    // Select the option carrying the value; where there is none, add it first and select it.
    function selectWrite(select, value) {
        select.value = value;
        if (select.selectedIndex !== -1)
            return;
        var option = document.createElement('option');
        option.value = value;
        option.text = value;
        select.add(option, 0);
        select.value = value;
    }

    // Writes the value by the element's kind. False when the element was left alone; throws
    // when the element refuses the write.
    function write(element, value) {
        if (element instanceof HTMLInputElement &&
            (TEXT_INPUT_TYPES[element.type] === true || element.type === 'hidden')) {
            // A number field takes numbers only: any other value it refuses.
            if (element.type === 'number' && value !== '' && !FLOATING_POINT.test(value))
                throw new RangeError('the number field refuses the value');
            element.value = value;
            return true;
        }
        if (element instanceof HTMLTextAreaElement) {
            element.value = value;
            return true;
        }
        if (element instanceof HTMLSelectElement) {
            selectWrite(element, value);
            return true;
        }
        if (element instanceof HTMLElement) {
            element.innerText = value;
            return true;
        }
        return false;
    }

    function fill(steps, withBody) {
        if (!Array.isArray(steps))
            throw new TypeError('fill expects a list of steps');
        var index = new ElementIndex();
        var written = 0;
        var stopped = false;
        for (var i = 0; i < steps.length && !stopped; ++i) {
            var step = steps[i];
            if (!Array.isArray(step) || !isString(step[0]) || !isString(step[1]))
                throw new TypeError('fill step ' + i + ' is not a pair of texts');
            var element = index.find(step[0]);
            if (!element)
                continue;
            var replacesElements = element.firstElementChild !== null;
            try {
                var done = write(element, step[1]);
                if (done)
                    ++written;
                if (done && replacesElements && !(element instanceof HTMLSelectElement))
                    index.map = null;
            } catch (refused) {
                // The run ends silently here; what was written stays.
                stopped = true;
            }
        }
        return {written: written, stopped: stopped, body: withBody ? bodyMarkup() : null};
    }

    // Writes the controls' current values into the clone's markup, element by element; the
    // clone has the same controls in the same order as the original.
    function carryValues(original, clone) {
        var from = original.querySelectorAll('input, textarea, select');
        var to = clone.querySelectorAll('input, textarea, select');
        for (var i = 0; i < from.length && i < to.length; ++i) {
            var source = from[i];
            var target = to[i];
            if (source instanceof HTMLInputElement) {
                if (source.type === 'checkbox' || source.type === 'radio') {
                    if (source.checked)
                        target.setAttribute('checked', '');
                    else
                        target.removeAttribute('checked');
                } else if (source.type !== 'file') {
                    target.setAttribute('value', source.value);
                }
            } else if (source instanceof HTMLTextAreaElement) {
                target.textContent = source.value;
            } else if (source instanceof HTMLSelectElement) {
                for (var k = 0; k < source.options.length && k < target.options.length; ++k) {
                    if (source.options[k].selected)
                        target.options[k].setAttribute('selected', '');
                    else
                        target.options[k].removeAttribute('selected');
                }
            }
        }
    }

    function snapshot() {
        if (!document.body)
            throw new TypeError('the document has no body');
        var clone = document.body.cloneNode(true);
        carryValues(document.body, clone);
        return {address: String(location.href), title: document.title, body: clone.innerHTML};
    }

    function lowerAscii(text) {
        return text.replace(/[A-Z]+/g, function (letters) {
            return letters.toLowerCase();
        });
    }

    // Counts the tag's elements first, then replaces the first remaining one that many times.
    function replaceEach(tag, replace) {
        var live = document.getElementsByTagName(tag);
        var count = live.length;
        var done = 0;
        for (var i = 0; i < count; ++i) {
            var element = live[0];
            if (!element)
                continue;
            replace(element);
            ++done;
        }
        return done;
    }

    function printCopy(copy) {
        if (!copy || !isString(copy.title) || !isString(copy.body))
            throw new TypeError('printCopy expects {title, body}');
        if (!document.body)
            throw new TypeError('the print document has no body');
        document.body.innerHTML = copy.body;
        document.title = copy.title;
        var result = {inputs: 0, selects: 0, textareas: 0};
        result.inputs = replaceEach('input', function (input) {
            var type = lowerAscii(input.getAttribute('type') || '');
            input.outerHTML = type === 'hidden' ? '' : (input.getAttribute('value') || '');
        });
        result.selects = replaceEach('select', function (select) {
            if (select instanceof HTMLSelectElement)
                select.outerHTML = select.value;
        });
        result.textareas = replaceEach('textarea', function (area) {
            if (area instanceof HTMLTextAreaElement)
                area.outerText = area.value;
        });
        return result;
    }

    function printPadding(css) {
        if (!isString(css))
            throw new TypeError('printPadding expects a text');
        var style = document.getElementById('hovlo-print-page');
        if (!style) {
            style = document.createElement('style');
            style.id = 'hovlo-print-page';
            (document.head || document.documentElement).appendChild(style);
        }
        style.textContent = '@media print { html { padding: ' + css +
            ' !important; box-sizing: border-box; } }';
        return true;
    }

    return Object.freeze({
        facts: function (names) {
            return run(function () { return facts(names); });
        },
        fill: function (steps, withBody) {
            return run(function () { return fill(steps, withBody === true); });
        },
        snapshot: function () {
            return run(snapshot);
        },
        printCopy: function (copy) {
            return run(function () { return printCopy(copy); });
        },
        printPadding: function (css) {
            return run(function () { return printPadding(css); });
        }
    });
})();
//# sourceURL=qrc:/hovlo/agent.js
