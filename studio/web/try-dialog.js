// SPDX-License-Identifier: MIT
// Try it: the published page's player in a frame of a modal dialog, loaded afresh each time and
// given the quiz once it says it is ready. Closing (the button, Escape here or in the player) ends
// the play and gives the focus back to the button that opened it.
/* exported TryDialog */
class TryDialog {
    constructor(dialog, frame, closeButton, opener) {
        this.dialog = dialog;
        this.frame = frame;
        this.opener = opener;
        this.data = null;
        closeButton.addEventListener('click', () => this.dialog.close());
        dialog.addEventListener('close', () => this.closed());
        window.addEventListener('message', (event) => this.received(event));
    }

    open(data) {
        this.data = data;
        this.frame.src = 'try.html';
        if (!this.dialog.open) this.dialog.showModal();
    }

    received(event) {
        if (!this.dialog.open || event.source !== this.frame.contentWindow || !event.data) return;
        if (event.data.type === 'matchmaker-try-close') {
            this.dialog.close();
        } else if (event.data.type === 'matchmaker-try-ready' && this.data) {
            const message = { type: 'matchmaker-try', texts: this.data.texts, quizzes: this.data.quizzes };
            // From file:// the frame's origin is opaque: no origin but '*' reaches it.
            event.source.postMessage(message, '*');
            this.frame.focus();
        }
    }

    closed() {
        this.data = null;
        // Stops the player and any clip it plays.
        this.frame.src = 'about:blank';
        this.opener.focus();
    }
}
