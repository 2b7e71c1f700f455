// SPDX-License-Identifier: MIT
// The page's window: the quizzes of quizzes.js taken through the engine, by mouse, touch or keys.
// It joins the view, the banner, the switches and the sharing of the result.
/* global MatchMakerEngine, Translation, PageView, Banner, Switches, ResultSharing */
class Player {
    constructor(data, tables) {
        this.data = data;
        this.quizzes = data.quizzes || [];
        this.texts = new Translation(tables);
        this.T = (english) => this.texts.translate(english);
        this.view = new PageView(this.texts);
        this.banner = new Banner(this.view.element('scrollpic'), data.banner || []);
        this.switches = new Switches(() => this.syncBanner());
        this.sharing = new ResultSharing(this.T, this.view.element('copy'), this.view.element('copied'));
        // The quiz being played, its engine, and the result last shown.
        this.entry = null;
        this.quiz = null;
        this.result = null;
    }

    start() {
        const view = this.view;
        view.fill(this.data, this.quizzes, (entry) => this.startQuiz(entry, true));
        ['command2', 'command3', 'command4', 'command5'].forEach((id, k) =>
            view.onClick(id, () => this.answer(k)),
        );
        view.onClick('back', () => this.back());
        view.onClick('command1', () => this.leave());
        view.onClick('again', () => {
            this.quiz.again();
            this.showView('quiz');
            this.showQuestion(true);
        });
        view.onClick('leave', () => this.leave());
        view.onClick('save', () => this.sharing.save(this.result));
        view.onClick('copy', () => this.sharing.copy(this.result));
        view.onClick('share', () => this.sharing.share(this.result));
        view.onClick('sound', () => this.switches.toggle('sound'));
        view.onClick('move', () => this.switches.toggle('move'));
        document.addEventListener('keydown', (event) => this.onKey(event));
        document.addEventListener('visibilitychange', () => this.syncBanner());
        if (this.quizzes.length === 1) this.startQuiz(this.quizzes[0]);
        else this.showView('choice');
        // The first use of storage can wait on the browser, so the switches are read after the
        // first paint.
        requestAnimationFrame(() => setTimeout(() => this.switches.restore()));
    }

    // The banner runs only while it is switched on and can be seen.
    syncBanner() {
        this.banner.run(this.switches.isOn('move') && this.view.shown !== 'end' && !document.hidden);
    }

    showView(name, focus) {
        this.view.show(name);
        this.syncBanner();
        this.view.focus(focus);
    }

    startQuiz(entry, announce) {
        this.entry = entry;
        this.quiz = new MatchMakerEngine.Quiz(entry, this.data.rules);
        this.showView('quiz');
        this.showQuestion(announce);
    }

    // After an answer or Back the new question takes the focus and is announced.
    showQuestion(announce) {
        const { fill } = MatchMakerEngine;
        const lines = this.quiz.block();
        const place = [this.quiz.questionNumber(), this.quiz.rules.questions];
        const announcement = announce && `${fill(this.T('Question %1 of %2'), place)}. ${lines[0]}`;
        this.view.showQuestion(lines, fill(this.T('%1 of %2'), place), this.quiz.canGoBack(), announcement);
    }

    answer(k) {
        this.quiz.recordAnswer(k);
        if (this.quiz.result) this.showResults();
        else this.showQuestion(true);
    }

    back() {
        if (this.quiz.canGoBack()) {
            this.quiz.back();
            this.showQuestion(true);
        }
    }

    // Runs in the click or key handler of the last answer, so the browser lets the clip play.
    showResults() {
        const T = this.T;
        const result = this.quiz.result;
        const words = this.quiz.resultTexts(T);
        if (this.switches.isOn('sound') && result.clip) {
            const playing = new Audio(result.clip).play();
            if (playing) playing.catch(() => null);
        }
        this.result = {
            quiz: this.entry.name,
            line: result.noWinner
                ? T('Most compatible with all the guys')
                : MatchMakerEngine.fill(T('Most compatible with %1'), [words.name]),
            details: words.details,
            names: this.quiz.names().map(MatchMakerEngine.isolatedIfBidi),
            tallies: result.tallies,
            winner: result.winner,
        };
        this.view.showResults(words, ResultSharing.canShareFiles());
        this.showView('results', 'resultsTitle');
        this.view.say('live', `${words.title} ${words.prompt}`);
    }

    leave() {
        if (this.quizzes.length > 1) this.showView('choice', 'choiceTitle');
        else this.showView('end', 'end');
    }

    // As in the window: A to D answer, Backspace takes back, M and P switch sound and banner.
    onKey(event) {
        const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
        const k = key.length === 1 ? 'ABCD'.indexOf(key) : -1;
        if (event.ctrlKey || event.altKey || event.metaKey || event.repeat || this.view.shown === 'end')
            return;
        if (this.view.shown === 'quiz' && (k >= 0 || key === 'Backspace')) {
            event.preventDefault();
            if (k >= 0) this.answer(k);
            else this.back();
        } else if (key === 'M' || key === 'P') {
            this.switches.toggle(key === 'M' ? 'sound' : 'move');
        }
    }
}

new Player(window.MatchMakerQuizzes || {}, window.MatchMakerTexts || {}).start();
