// SPDX-License-Identifier: MIT
// The quiz engine of the web page: the program's rules (quiz/ExtraQZT) over lines that are text
// already. It touches no page, so Node runs it beside the program's engine in the tests.
var MatchMakerEngine = (function () {
    'use strict';

    var QUESTIONS = 20;
    var BLOCK = 5;
    // Lines 101 to 104 hold the names that answers A to D vote for.
    var NAME_LINE = QUESTIONS * BLOCK;
    // The program counts in 16 bits; a vote past the largest count is lost, not wrapped.
    var MOST_VOTES = 32767;
    var BIDI_CONTROL = /[\u202A-\u202E\u2066-\u2069\u200E\u200F\u061C]/;

    function english(text) {
        return text;
    }

    // Fills %1 to %9 in one pass, so an argument holding "%2" stays as it is.
    function fill(template, args) {
        return template.replace(/%([1-9])/g, function (place, digit) {
            return digit <= args.length ? String(args[digit - 1]) : place;
        });
    }

    // A name with direction controls is isolated, so that it cannot reorder the sentence around it.
    function isolatedIfBidi(name) {
        return BIDI_CONTROL.test(name) ? '\u2068' + name + '\u2069' : name;
    }

    // One quiz being taken: quiz is an entry of the generated quizzes.js. A new one starts a new
    // vote at question 1.
    function Quiz(quiz) {
        this.quiz = quiz;
        this.lines = quiz.lines;
        this.tallies = [0, 0, 0, 0];
        // The answers of this pass, so that the last ones can be taken back.
        this.answers = [];
        // The first line of the block after the one on screen, as in the program.
        this.questionStart = 0;
        this.result = null;
        this.showNext();
    }

    Quiz.QUESTIONS = QUESTIONS;

    Quiz.prototype.showNext = function () {
        if (this.questionStart >= NAME_LINE) {
            this.showResults();
            return;
        }
        this.questionStart += BLOCK;
    };

    // The question on screen, 1 to 20.
    Quiz.prototype.questionNumber = function () {
        return this.questionStart / BLOCK;
    };

    // The question and its answers A to D.
    Quiz.prototype.block = function () {
        return this.lines.slice(this.questionStart - BLOCK, this.questionStart);
    };

    Quiz.prototype.canGoBack = function () {
        return this.answers.length > 0;
    };

    // Counts a vote for answer k (0 to 3 for A to D) and moves on; after question 20, to the results.
    Quiz.prototype.recordAnswer = function (k) {
        if (this.result)
            return;
        var counted = this.tallies[k] < MOST_VOTES;
        if (counted)
            this.tallies[k] += 1;
        this.answers.push({ answer: k, counted: counted });
        this.showNext();
    };

    // Takes back the last answer of this pass and shows the question it answered.
    Quiz.prototype.back = function () {
        if (!this.canGoBack())
            return;
        var last = this.answers.pop();
        if (last.counted)
            this.tallies[last.answer] -= 1;
        this.questionStart -= BLOCK;
    };

    // The largest tally wins; on a tie the later name does. An empty name is no winner.
    Quiz.prototype.showResults = function () {
        this.answers = [];
        var most = Math.max.apply(null, this.tallies);
        var winner = this.tallies.lastIndexOf(most);
        var name = this.lines[NAME_LINE + winner];
        var clips = this.quiz.clips || [];
        this.result = {
            winner: winner,
            name: name,
            noWinner: name === '',
            most: most,
            tallies: this.tallies.slice(),
            clip: (name === '' ? this.quiz.noWinnerClip : clips[winner]) || null
        };
    };

    // The results in words; T translates each English template (English when left out).
    Quiz.prototype.resultTexts = function (T) {
        T = T || english;
        var r = this.result;
        var names = this.lines.slice(NAME_LINE).map(isolatedIfBidi);
        var details = [];
        var tied = [];
        for (var k = 0; k < 4; ++k) {
            details.push(fill(T('%1: %2'), [names[k], r.tallies[k]]));
            if (r.tallies[k] === r.most)
                tied.push(names[k]);
        }
        // Who shares the largest count: two, three or four names, then the count.
        if (tied.length > 1) {
            var tie = [T('%1 and %2 tied with %3 votes each; the later name wins.'),
                T('%1, %2 and %3 tied with %4 votes each; the later name wins.'),
                T('%1, %2, %3 and %4 tied with %5 votes each; the later name wins.')][tied.length - 2];
            details.push(fill(tie, tied.concat([r.most])));
        }
        var prompt = r.noWinner
            ? T('Your most compatible with all the guys!,  If you would like to try again press ok.  If you want to quit hit cancel. ')
            : fill(T('Your most compatible with %1!,  If you would like to try again press ok.  If you want to quit hit cancel. '),
                [isolatedIfBidi(r.name)]);
        return { title: T('Your results!'), prompt: prompt, details: details, name: isolatedIfBidi(r.name) };
    };

    // Take it again: the same quiz from question 1, with a new vote. The results ended the pass,
    // so there is nothing to take back.
    Quiz.prototype.again = function () {
        this.tallies = [0, 0, 0, 0];
        this.result = null;
        this.questionStart = 0;
        this.showNext();
    };

    // Votes that twenty answers cannot give, as the program's engine allows in its tests.
    Quiz.prototype.setTalliesForTesting = function (tallies) {
        this.tallies = tallies.slice();
    };

    return { Quiz: Quiz, fill: fill, isolatedIfBidi: isolatedIfBidi };
}());

if (typeof module !== 'undefined')
    module.exports = MatchMakerEngine;
