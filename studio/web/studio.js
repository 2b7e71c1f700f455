// SPDX-License-Identifier: MIT
// The studio: the toolbar's actions, the fields and the findings joined through the program's quiz
// engine (quizwasm.js), which opens, checks, edits, saves and publishes the quiz as the quiz editor
// does. It starts once the engine has loaded, with a new quiz.
/* global QuizWasm, StudioLanguage, QuizForm, FindingsList, FileOpening, FileSaving, Downloads,
   Publishing, TryDialog, ConvertQuestion, StudioApp, ScriptLoader */
class Studio {
    constructor(engine, language) {
        this.engine = engine;
        this.language = language;
        this.T = (english, ...args) => language.text(english, ...args);
        this.element = (id) => document.getElementById(id);
        this.document = null;
        // The opened file's name and, where the browser gave one, the handle to write it back.
        this.name = null;
        this.handle = null;
        this.form = new QuizForm(this.element('editor'), language);
        this.findings = new FindingsList(this.element('summary'), this.element('findings'), language);
        this.publishing = new Publishing(engine);
        this.tryDialog = new TryDialog(
            this.element('try-dialog'),
            this.element('player'),
            this.element('close-try'),
            this.element('try'),
        );
        this.convertQuestion = new ConvertQuestion(
            this.element('convert-dialog'),
            this.element('convert-yes'),
            this.element('convert-no'),
        );
    }

    start() {
        this.form.onEdit((index, field) => this.edited(index, field));
        this.findings.onChoose((line) => this.form.focusLine(line));
        new FileOpening(this.element('open'), this.element('file'), (file) => this.openFile(file));
        this.element('new').addEventListener('click', () => this.newQuiz());
        this.element('save').addEventListener('click', () => this.save());
        this.element('publish').addEventListener('click', () => this.publish());
        this.element('try').addEventListener('click', () => this.tryIt());
        document.addEventListener('keydown', (event) => this.shortcut(event));
        window.addEventListener('beforeunload', (event) => {
            if (this.document && this.document.modified) event.preventDefault();
        });
        for (const id of ['new', 'open', 'save', 'try', 'publish']) this.element(id).disabled = false;
        this.newQuiz();
        this.publishing.load().catch((error) => this.problem(this.startError(error)));
    }

    shortcut(event) {
        const key = event.key.toLowerCase();
        if (!(event.ctrlKey || event.metaKey) || event.altKey || event.shiftKey || !['s', 'o'].includes(key))
            return;
        if (document.querySelector('dialog[open]')) return;
        event.preventDefault();
        this.element(key === 's' ? 'save' : 'open').click();
    }

    // The quiz editor's new quiz: 104 empty lines, each ending in CR LF.
    newQuiz() {
        const opened = this.engine.open(new TextEncoder().encode('\r\n'.repeat(QuizForm.nameLine + 3)));
        this.show(opened.document, null, null);
    }

    openFile({ name, file, handle }) {
        FileOpening.read(file, this.engine.documentLimit)
            .then((bytes) => this.engine.open(bytes))
            .catch((error) => ({
                problem: {
                    template: 'the file cannot be read (%1).',
                    arguments: [error.message || error.name],
                },
            }))
            .then((opened) => {
                if (opened.problem)
                    this.problem(
                        this.T(
                            'Cannot load the quiz file "%1": %2',
                            name,
                            this.language.message(opened.problem),
                        ),
                    );
                else this.show(opened.document, name, handle);
            });
    }

    show(document, name, handle) {
        if (this.document) this.document.close();
        this.document = document;
        this.name = name;
        this.handle = handle;
        this.form.show(document.lines());
        this.problem('');
        this.status('');
        this.refresh();
    }

    // The quiz's name: its file's, or "Untitled".
    get quizName() {
        return this.name || this.T('Untitled');
    }

    edited(index, field) {
        if (this.document.setLine(index, field.value) === 'done') {
            this.accepted(index);
            return;
        }
        const caret = field.selectionStart === null ? field.value.length : field.selectionStart;
        this.convertQuestion.ask().then((yes) => {
            if (yes) {
                this.document.convertToUtf8();
                this.document.setLine(index, field.value);
                this.accepted(index);
            } else {
                this.form.restore(index, caret);
            }
            field.focus();
        });
    }

    accepted(index) {
        this.form.accept(index);
        if (this.element('status').textContent) this.status('');
        this.refresh();
    }

    refresh() {
        this.form.markErrors(this.findings.show(this.engine.findings(this.document)));
        this.form.showVotes();
        this.showTitle();
    }

    showTitle() {
        const title = this.T('%1 - Match Maker Studio', this.quizName + (this.document.modified ? '*' : ''));
        if (document.title !== title) document.title = title;
    }

    save() {
        const saved = this.document.save();
        if (saved.refused) {
            this.problem(this.refusal(saved.refused));
            return;
        }
        const fileName = this.name || this.T('Untitled') + '.qzt';
        FileSaving.write(fileName, saved.bytes, this.handle)
            .then(() => {
                this.document.markSaved();
                this.problem('');
                this.status(this.T('Saved'));
                this.showTitle();
            })
            .catch((error) =>
                this.problem(this.T('Cannot save the quiz file "%1": %2', fileName, this.writeError(error))),
            );
    }

    refusal(refused) {
        if (refused === 'errors')
            return this.T(
                'The quiz cannot be saved while it has errors: the program would refuse the file. Mend the errors in the list first.',
            );
        const limit = this.T(
            'it would be larger than %1 MiB, too large for the quiz editor.',
            Math.floor(this.engine.documentLimit / 1024 / 1024),
        );
        return this.T('Cannot save the quiz file "%1": %2', this.quizName, limit);
    }

    writeError(error) {
        if (error && error.name === 'NotAllowedError')
            return this.T('the browser did not allow writing to it.');
        return (error && error.message) || String(error);
    }

    // Publishes and tries the quiz as it is when the button is pressed, even if the page's parts
    // arrive later.
    publish() {
        const name = this.quizName;
        this.publishing
            .publish(this.document, name)
            .then((published) => this.published(published, name))
            .catch((error) => this.problem(this.startError(error)));
    }

    published(published, name) {
        if (published.refused) {
            this.problem(
                this.T(
                    'The quiz cannot be published while it has errors: the page could not play it. Mend the errors in the list first.',
                ),
            );
            return;
        }
        Downloads.offer(Publishing.pageName(name), 'text/html', published.bytes);
        this.problem('');
        this.status(this.T('Published'));
    }

    tryIt() {
        this.publishing
            .tryData(this.document, this.quizName)
            .then((data) => this.tryDialog.open(data))
            .catch((error) => this.problem(this.startError(error)));
    }

    startError(error) {
        return this.T('The quiz engine cannot start in this browser: %1', error.message || String(error));
    }

    problem(text) {
        const problem = this.element('problem');
        if (problem.textContent !== text) problem.textContent = text;
    }

    status(text) {
        this.element('status').textContent = text;
    }

    // The page's own words, written in English in the markup.
    static translatePage(language) {
        document.documentElement.lang = language.language;
        // Only what differs is written: the English words in the markup stay as first painted.
        for (const element of document.querySelectorAll('[data-text]')) {
            const text = language.text(element.dataset.text);
            if (element.textContent !== text) element.textContent = text;
        }
        for (const element of document.querySelectorAll('[data-title]')) {
            const title = language.text(element.dataset.title);
            if (element.title !== title) element.title = title;
        }
        document.title = language.text('Match Maker Studio');
    }

    static run() {
        const language = new StudioLanguage(window.StudioTexts);
        Studio.translatePage(language);
        StudioApp.install();
        ScriptLoader.afterPaint()
            .then(() => ScriptLoader.load(['quizwasm-engine.js', 'quizwasm-binary.js', 'quizwasm.js']))
            .then(() => QuizWasm.load())
            .then((engine) => new Studio(engine, language).start())
            .catch((error) => {
                document.getElementById('problem').textContent = language.text(
                    'The quiz engine cannot start in this browser: %1',
                    error.message || String(error),
                );
            });
    }
}

Studio.run();
