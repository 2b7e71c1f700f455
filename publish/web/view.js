// SPDX-License-Identifier: MIT
// The page's elements: which part of it is shown, the question with its answers, the results, and
// the words, links and pictures around them. Text goes in through textContent only.
/* global MatchMakerEngine */
/* exported PageView */
class PageView {
    // texts: the page's words (a Translation).
    constructor(texts) {
        this.texts = texts;
        this.boxes = [0, 1, 2, 3, 4].map((i) => this.element(`text${i}`));
        this.shown = undefined;
    }

    element(id) {
        return document.getElementById(id);
    }

    say(id, text) {
        this.element(id).textContent = text;
    }

    onClick(id, handler) {
        this.element(id).addEventListener('click', handler);
    }

    // The words of the window, the banner and logo, the links, and one button for each quiz.
    fill(data, quizzes, chosen) {
        const T = (english) => this.texts.translate(english);
        document.documentElement.lang = this.texts.language;
        document.title = T('Brindlecast Match Maker!');
        const captions = {
            title: document.title,
            label1: T('Question'),
            label2: T('Answers'),
            back: T('Back one question'),
            command1: T('New Test'),
            sound: T('Sound'),
            move: T('Move the banner'),
            choiceTitle: T('Choose a quiz'),
            again: T('Take it again'),
            leave: T('Leave'),
            save: T('Save Picture'),
            copy: T('Copy'),
            share: T('Share...'),
            end: T('Thank you for playing. You can close this page now.'),
        };
        for (const [id, caption] of Object.entries(captions)) this.say(id, caption);
        this.setPicture('scrollpic', data.scrollpic, T('Banner picture'));
        this.setPicture('image1', data.logo, T('Brindlecast logo'));
        const web = /^https?:\/\//i.test(data.web) ? data.web : '#';
        this.setLink('urllink1', T('Website:  %1'), data.web, web);
        this.setLink('urllink2', T('Email:  %1'), data.contact, `mailto:${data.contact}`);
        this.element('command1').hidden = quizzes.length < 2;
        for (const entry of quizzes) {
            const item = this.element('quizList').appendChild(document.createElement('li'));
            const button = item.appendChild(document.createElement('button'));
            button.textContent = entry.name;
            button.addEventListener('click', () => chosen(entry));
        }
        window.addEventListener('resize', () => this.fitCaptions());
        const resized = new ResizeObserver(() => this.markOverflow());
        for (const box of this.boxes) resized.observe(box);
    }

    // One of quiz, results, choice and end.
    show(name) {
        this.shown = name;
        for (const id of ['quiz', 'results', 'choice', 'end']) this.element(id).hidden = id !== name;
        this.element('window').hidden = name === 'end';
        if (name === 'quiz') this.fitCaptions();
    }

    focus(id) {
        if (id) this.element(id).focus();
    }

    // The question and its answers; announced, it takes the focus.
    showQuestion(lines, progress, canGoBack, announcement) {
        this.say('progress', progress);
        this.element('back').disabled = !canGoBack;
        this.boxes.forEach((box, i) => {
            box.textContent = lines[i];
        });
        this.markOverflow();
        if (announcement) {
            this.say('live', announcement);
            this.boxes[0].focus();
        }
    }

    // A box holding more than it shows is a Tab stop, so the keyboard can scroll it; whether it
    // does changes with the layout and the zoom, so this runs again whenever a box is resized.
    markOverflow() {
        this.boxes.forEach((box, i) => {
            if (box.scrollHeight > box.clientHeight) box.tabIndex = 0;
            else if (i) box.removeAttribute('tabindex');
            else box.tabIndex = -1;
        });
    }

    showResults(words, canShare) {
        this.say('resultsTitle', words.title);
        this.say('prompt', words.prompt);
        this.say('details', '');
        for (const line of words.details)
            this.element('details').appendChild(document.createElement('li')).textContent = line;
        this.say('copied', '');
        this.element('share').hidden = !canShare;
    }

    // A caption that a translation makes longer than its box is drawn smaller, a pixel of the
    // layout at a time, down to half its size. Measured while the quiz is shown, again whenever the
    // window is resized, and from the layout's own size each time.
    fitCaptions() {
        for (const caption of [this.element('label1'), this.element('label2')]) {
            caption.style.fontSize = '';
            const full = parseFloat(getComputedStyle(caption).fontSize);
            for (let size = full; caption.scrollWidth > caption.clientWidth && size > full / 2;) {
                size -= full / 24;
                caption.style.fontSize = `${size}px`;
            }
        }
    }

    setLink(id, template, address, target) {
        const link = this.element(id);
        link.hidden = !address;
        link.textContent = MatchMakerEngine.fill(template, [address]);
        if (address) link.href = target;
    }

    setPicture(id, src, alt) {
        const picture = this.element(id);
        picture.hidden = !src;
        picture.alt = alt;
        if (src) picture.src = src;
    }
}
