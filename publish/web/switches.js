// SPDX-License-Identifier: MIT
// The switches Sound and Move the banner: toggle buttons whose state the browser remembers.
// Storage can be refused (file:// pages, private windows): a switch then lasts one visit.
/* exported Switches */
class Switches {
    // changed runs after every switch.
    constructor(changed) {
        this.changed = changed;
    }

    static stored(id) {
        try {
            return localStorage.getItem(`matchmaker.${id}`);
        } catch {
            return null;
        }
    }

    isOn(id) {
        return document.getElementById(id).getAttribute('aria-pressed') === 'true';
    }

    set(id, on, remember) {
        document.getElementById(id).setAttribute('aria-pressed', String(on));
        try {
            if (remember) localStorage.setItem(`matchmaker.${id}`, on ? 'on' : 'off');
        } catch {
            // Then the switch lasts this visit.
        }
        this.changed();
    }

    toggle(id) {
        this.set(id, !this.isOn(id), true);
    }

    // As remembered; where less motion is asked for, the banner waits until switched on.
    restore() {
        this.set('sound', Switches.stored('sound') !== 'off');
        const move = Switches.stored('move');
        this.set('move', move === 'on' || (!move && !matchMedia('(prefers-reduced-motion: reduce)').matches));
    }
}
