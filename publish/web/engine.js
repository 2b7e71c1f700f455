// SPDX-License-Identifier: MIT
// The page's quiz engine, with the rules of quiz/ExtraQZT; free of the page, so Node can test it.
var MatchMakerEngine = (function () {
    'use strict';
    var QUESTIONS = 20;
    var NAME_LINE = 100;
    var BIDI_CONTROL = /[\u202A-\u202E\u2066-\u2069\u200E\u200F\u061C]/;

    // Fills %1 to %9 in one pass, so an argument holding "%2" stays as it is.
    function fill(template, args) {
        return template.replace(/%([1-9])/g, function (place, digit) {
            return digit <= args.length ? String(args[digit - 1]) : place;
        });
    }

    // A name with direction controls is isolated, so that it cannot reorder the sentence. Inside,
    // a PDI that closes no isolate the name opened is dropped, each isolate it leaves open is
    // closed and a paragraph separator becomes U+2028: nothing in it can end the isolate early.
    // The rule of quiz/Utf8.
    function isolatedIfBidi(name) {
        if (!BIDI_CONTROL.test(name))
            return name;
        var open = 0;
        var text = '';
        for (var i = 0; i < name.length; ++i) {
            var c = name.charAt(i);
            if (/[\u001C-\u001E\u0085\u2029]/.test(c)) {
                text += '\u2028';
                continue;
            }
            if (c === '\u2069') {
                if (open === 0)
                    continue;
                --open;
            }
            open += /[\u2066-\u2068]/.test(c) ? 1 : 0;
            text += c;
        }
        for (; open > 0; --open)
            text += '\u2069';
        return '\u2068' + text + '\u2069';
    }

    // A new vote on an entry of quizzes.js, at question 1.
    function Quiz(quiz) {
        this.quiz = quiz;
        this.lines = quiz.lines;
        this.again();
    }

    Quiz.QUESTIONS = QUESTIONS;

    // Take it again: the same quiz from question 1, with a new vote.
    Quiz.prototype.again = function () {
        this.tallies = [0, 0, 0, 0];
        // The answers of this pass, so that they can be taken back.
        this.answers = [];
        this.result = null;
        // As in the program: the first line after the block on screen.
        this.questionStart = 5;
    };

    Quiz.prototype.questionNumber = function () {
        return this.questionStart / 5;
    };

    // The question and its answers A to D.
    Quiz.prototype.block = function () {
        return this.lines.slice(this.questionStart - 5, this.questionStart);
    };

    Quiz.prototype.canGoBack = function () {
        return this.answers.length > 0;
    };

    // A vote for answer k (0 to 3), then the next question or the results. Votes are 16-bit in the
    // program: one past 32767 is lost, and Back has nothing to withdraw for it.
    Quiz.prototype.recordAnswer = function (k) {
        if (this.result)
            return;
        var counted = this.tallies[k] < 32767;
        if (counted)
            this.tallies[k] += 1;
        this.answers.push({ answer: k, counted: counted });
        if (this.questionStart < NAME_LINE)
            this.questionStart += 5;
        else
            this.showResults();
    };

    // Takes back the last answer of this pass and shows the question it answered.
    Quiz.prototype.back = function () {
        if (!this.canGoBack())
            return;
        var last = this.answers.pop();
        if (last.counted)
            this.tallies[last.answer] -= 1;
        this.questionStart -= 5;
    };

    // The largest tally wins, on a tie the later name; an empty name is no winner. The pass ends.
    Quiz.prototype.showResults = function () {
        var most = Math.max.apply(null, this.tallies);
        var winner = this.tallies.lastIndexOf(most);
        var name = this.lines[NAME_LINE + winner];
        this.answers = [];
        this.result = {
            winner: winner,
            name: name,
            noWinner: name === '',
            most: most,
            tallies: this.tallies.slice(),
            clip: (name === '' ? this.quiz.noWinnerClip : (this.quiz.clips || [])[winner]) || null
        };
    };

    // The results in words; T translates each English template (English without it).
    Quiz.prototype.resultTexts = function (T) {
        T = T || String;
        var r = this.result;
        var names = this.lines.slice(NAME_LINE).map(isolatedIfBidi);
        var tied = names.filter(function (name, k) { return r.tallies[k] === r.most; });
        var details = names.map(function (name, k) { return fill(T('%1: %2'), [name, r.tallies[k]]); });
        if (tied.length > 1) {
            var tie = [T('%1 and %2 tied with %3 votes each; the later name wins.'),
                T('%1, %2 and %3 tied with %4 votes each; the later name wins.'),
                T('%1, %2, %3 and %4 tied with %5 votes each; the later name wins.')][tied.length - 2];
            details.push(fill(tie, tied.concat(r.most)));
        }
        return {
            title: T('Your results!'),
            prompt: r.noWinner
                ? T('Your most compatible with all the guys!,  If you would like to try again press ok.  If you want to quit hit cancel. ')
                : fill(T('Your most compatible with %1!,  If you would like to try again press ok.  If you want to quit hit cancel. '),
                    [names[r.winner]]),
            details: details,
            name: names[r.winner]
        };
    };

    return { Quiz: Quiz, fill: fill, isolatedIfBidi: isolatedIfBidi };
}());

if (typeof module !== 'undefined')
    module.exports = MatchMakerEngine;
