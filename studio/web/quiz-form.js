// SPDX-License-Identifier: MIT
// The quiz's 104 lines as fields, as the quiz editor shows them: the four names first, whom the
// answers vote for, then twenty groups of a question and its four answers. Each field is #line-N, N the file's line number, named as the quiz
// editor names it; an answer says whom it votes for. Quiz text is only ever a field's value or an
// element's textContent.
/* exported QuizForm */
class QuizForm {
    static get questions() {
        return 20;
    }

    static get letters() {
        return ['A', 'B', 'C', 'D'];
    }

    // The first line of the names: the file's line 101.
    static get nameLine() {
        return QuizForm.questions * 5 + 1;
    }

    constructor(form, language) {
        this.form = form;
        this.T = (english, ...args) => language.text(english, ...args);
        this.fields = [];
        this.votes = [];
        this.accepted = [];
        this.invalid = new Set();
        this.build();
    }

    build() {
        const blocks = document.createDocumentFragment();
        const names = this.group(this.T('Cast members'));
        QuizForm.letters.forEach((letter, k) =>
            this.addField(
                names,
                QuizForm.nameLine + k,
                this.T(`Answer &${letter} votes for:`).replace('&', ''),
                this.T('Name for answer %1', letter),
            ),
        );
        blocks.appendChild(names);
        for (let q = 1; q <= QuizForm.questions; ++q) {
            const block = this.group(this.T('Question %1', q));
            const first = 5 * q - 4;
            this.addField(block, first, this.T('Question:'), this.T('Question %1', q));
            QuizForm.letters.forEach((letter, k) => {
                const line = first + 1 + k;
                const row = this.addField(
                    block,
                    line,
                    this.T(`Answer ${letter}:`),
                    this.T('Question %1, answer %2', q, letter),
                );
                this.addVotes(row, line);
            });
            blocks.appendChild(block);
        }
        this.form.appendChild(blocks);
    }

    group(title) {
        const block = document.createElement('fieldset');
        block.appendChild(document.createElement('legend')).textContent = title;
        return block;
    }

    addField(block, line, caption, name) {
        const row = block.appendChild(document.createElement('div'));
        row.className = 'row';
        const label = row.appendChild(document.createElement('label'));
        label.htmlFor = `line-${line}`;
        label.textContent = caption;
        const field = row.appendChild(document.createElement('input'));
        field.type = 'text';
        field.id = `line-${line}`;
        field.autocomplete = 'off';
        field.setAttribute('aria-label', name);
        this.fields[line - 1] = field;
        this.votes[line - 1] = null;
        this.accepted[line - 1] = '';
        return row;
    }

    addVotes(row, line) {
        const votes = row.appendChild(document.createElement('span'));
        votes.className = 'votes';
        votes.id = `votes-${line}`;
        this.fields[line - 1].setAttribute('aria-describedby', votes.id);
        this.votes[line - 1] = votes;
    }

    // Calls edited(index, field) on every change the user makes to a field (index from 0).
    onEdit(edited) {
        this.form.addEventListener('input', (event) => {
            const index = this.fields.indexOf(event.target);
            if (index >= 0) edited(index, event.target);
        });
        this.form.addEventListener('submit', (event) => event.preventDefault());
    }

    show(lines) {
        lines.forEach((text, i) => {
            this.fields[i].value = text;
            this.accepted[i] = text;
        });
        this.showVotes();
    }

    accept(index) {
        this.accepted[index] = this.fields[index].value;
    }

    // Puts back the text the quiz holds, the caret where it was as far as the text reaches.
    restore(index, caret) {
        const field = this.fields[index];
        field.value = this.accepted[index];
        const at = Math.min(caret, field.value.length);
        field.setSelectionRange(at, at);
    }

    // Each answer's "votes for NAME", set only where it changed, so a screen reader hears changes only.
    showVotes() {
        const names = QuizForm.letters.map((letter, k) => this.fields[QuizForm.nameLine - 1 + k].value);
        this.votes.forEach((votes, i) => {
            if (!votes) return;
            const name = names[(i % 5) - 1];
            const text = name.trim() ? this.T('votes for %1', name) : this.T('votes for (no name yet)');
            if (votes.textContent === text) return;
            // A long name is cut at the field's side; its tooltip holds it whole, as in the editor.
            votes.textContent = text;
            votes.title = text;
        });
    }

    // Marks the fields of the lines (numbers from 1) that have errors.
    markErrors(lines) {
        for (const line of this.invalid) {
            if (!lines.has(line)) this.fields[line - 1].removeAttribute('aria-invalid');
        }
        for (const line of lines) {
            if (!this.invalid.has(line) && this.fields[line - 1])
                this.fields[line - 1].setAttribute('aria-invalid', 'true');
        }
        this.invalid = lines;
    }

    focusLine(line) {
        const field = this.fields[line - 1];
        if (!field) return;
        field.focus();
        field.scrollIntoView({ block: 'center' });
    }
}
