// SPDX-License-Identifier: MIT
// Runs before the page's own scripts in the browser tests (the tested copy of index.html loads it
// first, from the page's folder, under the page's own policy). WebDriver reports no console or
// network events, so the probe records them in every engine: console errors, uncaught exceptions,
// resources that failed, policy violations and requests that left the folder. It also records the
// clips played (to their end), the intervals running and the switches written, and finds elements
// as assistive technology does: by role and accessible name.
'use strict';
// The studio hands its downloads to this array instead of the browser's downloads.
window.StudioDownloads = [];
window.testProbe = (() => {
    const problems = [];
    const played = [];
    const running = new Set();
    const written = new Set();
    const folder = location.href.slice(0, location.href.lastIndexOf('/') + 1);

    const consoleError = console.error;
    console.error = (...args) => {
        problems.push(`console error: ${args.join(' ')}`);
        consoleError.apply(console, args);
    };
    // Failed resources do not bubble, so they are caught on the way down.
    addEventListener(
        'error',
        (event) =>
            problems.push(
                event.target === window
                    ? `exception: ${event.message} (${event.filename}:${event.lineno})`
                    : `failed to load: ${event.target.currentSrc || event.target.src || event.target.href}`,
            ),
        true,
    );
    addEventListener('unhandledrejection', (event) => problems.push(`unhandled rejection: ${event.reason}`));
    document.addEventListener(
        'securitypolicyviolation',
        (event) => problems.push(`policy refused ${event.blockedURI} (${event.violatedDirective})`),
        true,
    );

    const setInterval = window.setInterval;
    const clearInterval = window.clearInterval;
    window.setInterval = (...args) => {
        const id = setInterval(...args);
        running.add(id);
        return id;
    };
    window.clearInterval = (id) => {
        running.delete(id);
        clearInterval(id);
    };

    // A clip plays outside the document, so its end and its errors are watched on the element.
    const play = HTMLMediaElement.prototype.play;
    HTMLMediaElement.prototype.play = function (...args) {
        const clip = { src: this.src.slice(this.src.lastIndexOf('/') + 1), ended: false };
        played.push(clip);
        this.addEventListener('ended', () => {
            clip.ended = true;
        });
        this.addEventListener('error', () => problems.push(`clip failed: ${this.src}`));
        return play.apply(this, args);
    };

    // Parsing sets no attribute through the DOM, so each record is the page's script writing one.
    new MutationObserver((records) => records.forEach((record) => written.add(record.target))).observe(
        document,
        { subtree: true, attributes: true, attributeFilter: ['aria-pressed'] },
    );

    // Requests the policy let through but that left the folder, and responses that failed.
    function requests() {
        return performance.getEntriesByType('resource').flatMap((entry) => {
            if (!/^(data|blob):/.test(entry.name) && !entry.name.startsWith(folder))
                return [`request outside the folder: ${entry.name}`];
            return entry.responseStatus >= 400 ? [`HTTP ${entry.responseStatus}: ${entry.name}`] : [];
        });
    }

    const text = (element) => (element ? element.textContent : '').replace(/\s+/g, ' ').trim();
    const heading = () => 'heading';
    const IMPLICIT = {
        A: (element) => (element.hasAttribute('href') ? 'link' : ''),
        BUTTON: () => 'button',
        H1: heading,
        H2: heading,
        H3: heading,
        LI: () => 'listitem',
        MAIN: () => 'main',
        OL: () => 'list',
        P: () => 'paragraph',
        UL: () => 'list',
        TEXTAREA: () => 'textbox',
        IMG: (element) => (element.alt === '' ? 'presentation' : 'img'),
        SECTION: (element) =>
            element.hasAttribute('aria-labelledby') || element.hasAttribute('aria-label') ? 'region' : '',
    };

    function role(element) {
        const explicit = element.getAttribute('role');
        if (explicit) return explicit.split(' ')[0];
        return (IMPLICIT[element.tagName] || (() => ''))(element);
    }

    function name(element) {
        const ids = element.getAttribute('aria-labelledby');
        if (ids)
            return ids
                .split(/\s+/)
                .map((id) => text(document.getElementById(id)))
                .filter(Boolean)
                .join(' ');
        if (element.hasAttribute('aria-label')) return element.getAttribute('aria-label').trim();
        if (element.tagName === 'IMG') return element.alt.trim();
        return ['button', 'link', 'heading', 'listitem', 'img'].includes(role(element)) ? text(element) : '';
    }

    // What a screen reader can reach: not hidden, not inside something hidden.
    const shown = (element) => element.checkVisibility() && !element.closest('[aria-hidden="true"]');

    function all(wantedRole, within = document) {
        return Array.from(within.querySelectorAll('*')).filter(
            (element) => role(element) === wantedRole && shown(element),
        );
    }

    // The one element shown with this role and name; a missing or doubled one is an error that
    // says what was there.
    function get(wantedRole, wantedName, within = document) {
        const candidates = all(wantedRole, within);
        const found = candidates.filter(
            (element) => wantedName === undefined || name(element) === wantedName,
        );
        if (found.length !== 1)
            throw new Error(
                `${found.length} ${wantedRole} named ${JSON.stringify(wantedName)} among ${JSON.stringify(candidates.map(name))}`,
            );
        return found[0];
    }

    // The innermost element shown whose whole text is this.
    function byText(wanted, within = document) {
        const found = Array.from(within.querySelectorAll('*')).filter(
            (element) => element.textContent === wanted && shown(element),
        );
        return (
            found.find((element) => !found.some((inner) => inner !== element && element.contains(inner))) ||
            null
        );
    }

    return {
        problems: () => problems.concat(requests()),
        played,
        running,
        written,
        role,
        name,
        all,
        get,
        byText,
    };
})();
