// SPDX-License-Identifier: MIT
// The quiz editor's question when a Windows-1252 quiz cannot hold what was typed: save it in UTF-8
// from now on? Answers with a promise of true (yes) or false (no, Escape).
/* exported ConvertQuestion */
class ConvertQuestion {
    constructor(dialog, yes, no) {
        this.dialog = dialog;
        this.answered = null;
        yes.addEventListener('click', () => this.answer(true));
        no.addEventListener('click', () => this.answer(false));
        dialog.addEventListener('close', () => this.answer(false));
    }

    ask() {
        return new Promise((resolve) => {
            this.answered = resolve;
            this.dialog.showModal();
        });
    }

    answer(yes) {
        const answered = this.answered;
        this.answered = null;
        if (this.dialog.open) this.dialog.close();
        if (answered) answered(yes);
    }
}
