// SPDX-License-Identifier: MIT
// The page's window: the quizzes of quizzes.js taken through the engine, by mouse, touch or keys.
(function () {
    'use strict';
    var data = window.MatchMakerQuizzes || {};
    var texts = window.MatchMakerTexts || {};
    var Engine = window.MatchMakerEngine;
    var COUNT = Engine.Quiz.QUESTIONS;
    var FONT = 'px Arial, "Liberation Sans", Arimo, sans-serif';
    var quizzes = data.quizzes || [];
    var boxes = [0, 1, 2, 3, 4].map(function (i) { return $('text' + i); });
    var banner = $('scrollpic');
    var wide = matchMedia('(min-width: 636px)');
    var lang = chooseLanguage();
    var view, quiz, current, shown, timer = 0, scrollX = 0;

    function $(id) {
        return document.getElementById(id);
    }

    function say(id, text) {
        $(id).textContent = text;
    }

    function on(id, handler) {
        $(id).addEventListener('click', handler);
    }

    // The first of German, French and English the browser asks for; else English.
    function chooseLanguage() {
        var wanted = navigator.languages || [navigator.language];
        for (var i = 0; i < wanted.length; ++i) {
            var primary = String(wanted[i]).toLowerCase().split('-')[0];
            if (primary === 'en' || (/^(de|fr)$/.test(primary) && texts[primary]))
                return primary;
        }
        return 'en';
    }

    // Every text of the page, by its English words (texts.keys; each language's list holds their
    // translations in the same order). Quiz text is never translated.
    function T(english) {
        var at = lang !== 'en' && texts[lang] ? (texts.keys || []).indexOf(english) : -1;
        return at >= 0 && texts[lang][at] ? texts[lang][at] : english;
    }

    // Storage can be refused (file:// pages, private windows): a switch then lasts one visit.
    function stored(key) {
        try {
            return localStorage.getItem('matchmaker.' + key);
        } catch (refused) {
            return null;
        }
    }

    function isOn(id) {
        return $(id).getAttribute('aria-pressed') === 'true';
    }

    function setSwitch(id, on, remember) {
        $(id).setAttribute('aria-pressed', String(on));
        try {
            if (remember)
                localStorage.setItem('matchmaker.' + id, on ? 'on' : 'off');
        } catch (refused) {
            // Then the switch lasts this visit.
        }
        syncTimer();
    }

    // As in the window: 500 twips (15 to a pixel) right each second, back to the left once past the
    // outer width, and a random one of ten pictures (a missing one changes nothing).
    function tick() {
        var left = scrollX + 500;
        banner.style.transform = 'translateX(' + left / 15 + 'px)';
        scrollX = left >= 9630 ? 0 : left;
        var picture = (data.banner || [])[Math.floor(Math.random() * 10)];
        var next = new Image();
        next.onload = function () {
            if (timer)
                banner.src = picture;
        };
        if (picture)
            next.src = picture;
    }

    // The banner runs only while it is switched on and can be seen.
    function syncTimer() {
        var run = isOn('move') && view !== 'end' && !document.hidden;
        if (run && !timer)
            timer = setInterval(tick, 1000);
        if (!run && timer) {
            clearInterval(timer);
            timer = 0;
        }
    }

    function showView(name, focus) {
        view = name;
        ['quiz', 'results', 'choice', 'end'].forEach(function (id) { $(id).hidden = id !== name; });
        $('window').hidden = name === 'end';
        syncTimer();
        if (focus)
            $(focus).focus();
    }

    function startQuiz(entry, announce) {
        current = entry;
        quiz = new Engine.Quiz(entry);
        showView('quiz');
        showQuestion(announce);
    }

    // After an answer or Back the new question takes the focus and is announced.
    function showQuestion(announce) {
        var lines = quiz.block();
        var number = quiz.questionNumber();
        say('progress', Engine.fill(T('%1 of %2'), [number, COUNT]));
        $('back').disabled = !quiz.canGoBack();
        boxes.forEach(function (box, i) { box.textContent = lines[i]; });
        markOverflow();
        if (announce) {
            say('live', Engine.fill(T('Question %1 of %2'), [number, COUNT]) + '. ' + lines[0]);
            boxes[0].focus();
        }
    }

    // A box holding more than it shows is a Tab stop, so the keyboard can scroll it; whether it
    // does changes with the layout and the zoom, so this runs again whenever a box is resized.
    function markOverflow() {
        boxes.forEach(function (box, i) {
            if (box.scrollHeight > box.clientHeight)
                box.tabIndex = 0;
            else if (i)
                box.removeAttribute('tabindex');
            else
                box.tabIndex = -1;
        });
    }

    function answer(k) {
        quiz.recordAnswer(k);
        if (quiz.result)
            showResults();
        else
            showQuestion(true);
    }

    function back() {
        if (quiz.canGoBack()) {
            quiz.back();
            showQuestion(true);
        }
    }

    // Runs in the click or key handler of the last answer, so the browser lets the clip play.
    function showResults() {
        var result = quiz.result;
        var words = quiz.resultTexts(T);
        if (isOn('sound') && result.clip) {
            var playing = new Audio(result.clip).play();
            if (playing)
                playing.catch(function () { return null; });
        }
        shown = {
            line: result.noWinner ? T('Most compatible with all the guys')
                : Engine.fill(T('Most compatible with %1'), [words.name]),
            details: words.details,
            names: quiz.lines.slice(100).map(Engine.isolatedIfBidi),
            tallies: result.tallies,
            winner: result.winner
        };
        say('resultsTitle', words.title);
        say('prompt', words.prompt);
        say('details', '');
        words.details.forEach(function (line) {
            $('details').appendChild(document.createElement('li')).textContent = line;
        });
        say('copied', '');
        $('share').hidden = !canShareFiles();
        showView('results', 'resultsTitle');
        say('live', words.title + ' ' + words.prompt);
    }

    function leave() {
        if (quizzes.length > 1)
            showView('choice', 'choiceTitle');
        else
            showView('end', 'end');
    }

    // Text cut to its width with an ellipsis; no line of the picture holds 150 characters.
    function write(g, text, y, size, colour, width) {
        var all = Array.from(text);
        var chars = all.slice(0, 150);
        var end = chars.length < all.length ? '\u2026' : '';
        g.font = size + FONT;
        g.fillStyle = colour;
        while (g.measureText(chars.join('') + end).width > (width || 1080)) {
            chars.pop();
            end = '\u2026';
        }
        g.fillText(chars.join('') + end, 60, y);
    }

    // The result as a 1200 by 630 picture, drawn from text only, so that no file taints it.
    function withPicture(use) {
        var canvas = document.createElement('canvas');
        var most = Math.max.apply(null, shown.tallies.concat(1));
        canvas.width = 1200;
        canvas.height = 630;
        var g = canvas.getContext('2d');
        g.fillRect(0, 0, 1200, 630);
        write(g, T('Brindlecast Match Maker!'), 84, 44, '#6b6bff');
        write(g, current.name, 136, 28, '#c0c0c0');
        write(g, shown.line, 210, 48, '#fff');
        for (var k = 0; k < 4; ++k) {
            var y = 262 + k * 88;
            var bar = 4 + 520 * shown.tallies[k] / most;
            write(g, shown.names[k], y + 40, 32, '#fff', 470);
            g.fillText(shown.tallies[k], 572 + bar, y + 40);
            g.fillStyle = k === shown.winner ? '#6b6bff' : '#808080';
            g.fillRect(560, y, bar, 56);
        }
        canvas.toBlob(function (blob) {
            if (blob)
                use(blob);
        }, 'image/png');
    }

    function savePicture() {
        withPicture(function (blob) {
            var link = document.createElement('a');
            link.href = URL.createObjectURL(blob);
            link.download = 'matchmaker-result.png';
            link.click();
            setTimeout(function () { URL.revokeObjectURL(link.href); }, 60000);
        });
    }

    function canShareFiles() {
        return Boolean(navigator.canShare && navigator.canShare({ files: [new File([''], 'a.png', { type: 'image/png' })] }));
    }

    function share() {
        withPicture(function (blob) {
            var file = new File([blob], 'matchmaker-result.png', { type: 'image/png' });
            navigator.share({ files: [file], title: T('Your results!'), text: shown.line }).catch(function () { return null; });
        });
    }

    // The clipboard API where it is allowed, else the selection of a hidden text area.
    function copyResult() {
        var text = [current.name, shown.line].concat(shown.details).join('\n');
        var copied = function () { say('copied', T('Copied')); };
        var bySelection = function () {
            var area = document.body.appendChild(document.createElement('textarea'));
            area.value = text;
            area.className = 'unseen';
            area.select();
            var done = document.execCommand('copy');
            area.remove();
            $('copy').focus();
            if (done)
                copied();
        };
        if (navigator.clipboard && navigator.clipboard.writeText)
            navigator.clipboard.writeText(text).then(copied, bySelection);
        else
            bySelection();
    }

    // As in the window: A to D answer, Backspace takes back, M and P switch sound and banner.
    function onKey(event) {
        var key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
        var k = key.length === 1 ? 'ABCD'.indexOf(key) : -1;
        if (event.ctrlKey || event.altKey || event.metaKey || event.repeat || view === 'end')
            return;
        if (view === 'quiz' && (k >= 0 || key === 'Backspace')) {
            event.preventDefault();
            if (k >= 0)
                answer(k);
            else
                back();
        } else if (key === 'M' || key === 'P') {
            var id = key === 'M' ? 'sound' : 'move';
            setSwitch(id, !isOn(id), true);
        }
    }

    // A caption that a translation makes longer than its box is drawn a little smaller.
    function fitCaptions() {
        [$('label1'), $('label2')].forEach(function (caption) {
            for (var size = 24; caption.scrollWidth > caption.clientWidth && wide.matches && size > 12;)
                caption.style.fontSize = --size + 'px';
        });
    }

    function setLink(id, template, address, target) {
        $(id).hidden = !address;
        say(id, Engine.fill(template, [address]));
        if (address)
            $(id).href = target;
    }

    function setPicture(id, src, alt) {
        $(id).hidden = !src;
        $(id).alt = alt;
        if (src)
            $(id).src = src;
    }

    document.documentElement.lang = lang;
    document.title = T('Brindlecast Match Maker!');
    var captions = {
        title: document.title, label1: T('Question'), label2: T('Answers'), back: T('Back one question'),
        command1: T('New Test'), sound: T('Sound'), move: T('Move the banner'), choiceTitle: T('Choose a quiz'),
        again: T('Take it again'), leave: T('Leave'), save: T('Save Picture'), copy: T('Copy'),
        share: T('Share...'), end: T('Thank you for playing. You can close this page now.')
    };
    Object.keys(captions).forEach(function (id) { say(id, captions[id]); });
    setPicture('scrollpic', data.scrollpic, T('Banner picture'));
    setPicture('image1', data.logo, T('Brindlecast logo'));
    setLink('urllink1', T('Website:  %1'), data.web, /^https?:\/\//i.test(data.web) ? data.web : '#');
    setLink('urllink2', T('Email:  %1'), data.contact, 'mailto:' + data.contact);
    $('command1').hidden = quizzes.length < 2;
    quizzes.forEach(function (entry) {
        var button = $('quizList').appendChild(document.createElement('li')).appendChild(document.createElement('button'));
        button.textContent = entry.name;
        button.addEventListener('click', function () { startQuiz(entry, true); });
    });
    ['command2', 'command3', 'command4', 'command5'].forEach(function (id, k) {
        on(id, function () { answer(k); });
    });
    on('back', back);
    on('command1', leave);
    on('again', function () {
        quiz.again();
        showView('quiz');
        showQuestion(true);
    });
    on('leave', leave);
    on('save', savePicture);
    on('copy', copyResult);
    on('share', share);
    on('sound', function () { setSwitch('sound', !isOn('sound'), true); });
    on('move', function () { setSwitch('move', !isOn('move'), true); });
    document.addEventListener('keydown', onKey);
    document.addEventListener('visibilitychange', syncTimer);
    wide.addEventListener('change', fitCaptions);
    var resized = new ResizeObserver(markOverflow);
    boxes.forEach(function (box) { resized.observe(box); });
    if (quizzes.length === 1)
        startQuiz(quizzes[0]);
    else
        showView('choice');
    fitCaptions();
    // The first use of storage can wait on the browser, so the switches are read after the first
    // paint. Where less motion is asked for, the banner waits until switched on.
    requestAnimationFrame(function () {
        setTimeout(function () {
            setSwitch('sound', stored('sound') !== 'off');
            setSwitch('move', stored('move') === 'on' ||
                (!stored('move') && !matchMedia('(prefers-reduced-motion: reduce)').matches));
        });
    });
}());
