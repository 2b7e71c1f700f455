// SPDX-License-Identifier: MIT
// The page's quiz engine, with the rules of quiz/ExtraQZT; free of the page, so Node can test it.
// The rule numbers and the engine's words come with the data (quizzes.js: MatchMakerQuizzes.rules),
// from the program's own.
const MatchMakerEngine = (() => {
    'use strict';
    const BIDI_CONTROL = /[\u202A-\u202E\u2066-\u2069\u200E\u200F\u061C]/;
    // What ends a paragraph, and with it an isolate: U+001C to U+001E, U+0085 and U+2029.
    // eslint-disable-next-line no-control-regex
    const PARAGRAPH_END = /[\u001C-\u001E\u0085\u2029]/;

    // Fills %1 to %9 in one pass, so an argument holding "%2" stays as it is.
    const fill = (template, args) =>
        template.replace(/%([1-9])/g, (place, digit) =>
            digit <= args.length ? String(args[digit - 1]) : place,
        );

    // A name with direction controls is isolated, so that it cannot reorder the sentence. Inside,
    // a PDI that closes no isolate the name opened is dropped, each isolate it leaves open is
    // closed and a paragraph separator becomes U+2028: nothing in it can end the isolate early.
    // The rule of quiz/Utf8.
    const isolatedIfBidi = (name) => {
        if (!BIDI_CONTROL.test(name)) return name;
        let open = 0;
        let text = '';
        for (const c of name) {
            if (PARAGRAPH_END.test(c)) {
                text += '\u2028';
                continue;
            }
            if (c === '\u2069') {
                if (open === 0) continue;
                --open;
            }
            if (/[\u2066-\u2068]/.test(c)) ++open;
            text += c;
        }
        return `\u2068${text}${'\u2069'.repeat(open)}\u2069`;
    };

    // A vote on an entry of quizzes.js, by the rules of quizzes.js.
    class Quiz {
        // A new vote, at question 1.
        constructor(quiz, rules) {
            this.quiz = quiz;
            this.rules = rules;
            this.lines = quiz.lines;
            this.again();
        }

        // Take it again: the same quiz from question 1, with a new vote.
        again() {
            this.tallies = this.names().map(() => 0);
            // The answers of this pass, so that they can be taken back.
            this.answers = [];
            this.result = null;
            // As in the program: the first line after the block on screen.
            this.questionStart = this.rules.blockLines;
        }

        questionNumber() {
            return this.questionStart / this.rules.blockLines;
        }

        // The question and its answers A to D.
        block() {
            return this.lines.slice(this.questionStart - this.rules.blockLines, this.questionStart);
        }

        // The names that answers A to D vote for.
        names() {
            return this.lines.slice(this.rules.nameLine);
        }

        canGoBack() {
            return this.answers.length > 0;
        }

        // A vote for answer k (0 to 3), then the next question or the results. Votes are 16-bit in
        // the program: one past the largest tally is lost, and Back has nothing to withdraw for it.
        recordAnswer(k) {
            if (this.result) return;
            const counted = this.tallies[k] < this.rules.largestTally;
            if (counted) this.tallies[k] += 1;
            this.answers.push({ answer: k, counted });
            if (this.questionStart < this.rules.nameLine) this.questionStart += this.rules.blockLines;
            else this.showResults();
        }

        // Takes back the last answer of this pass and shows the question it answered.
        back() {
            if (!this.canGoBack()) return;
            const last = this.answers.pop();
            if (last.counted) this.tallies[last.answer] -= 1;
            this.questionStart -= this.rules.blockLines;
        }

        // The largest tally wins, on a tie the later name; an empty name is no winner, and the
        // result then names all the guys. The pass ends.
        showResults() {
            const most = Math.max(...this.tallies);
            const winner = this.tallies.lastIndexOf(most);
            const name = this.names()[winner];
            this.answers = [];
            this.result = {
                winner,
                name: name || this.rules.texts.noWinnerName,
                noWinner: name === '',
                most,
                tallies: this.tallies.slice(),
                clip: (name === '' ? this.quiz.noWinnerClip : (this.quiz.clips || [])[winner]) || null,
            };
        }

        // The results in words; T translates each English template (English without it).
        resultTexts(T = String) {
            const r = this.result;
            const words = this.rules.texts;
            const names = this.names().map(isolatedIfBidi);
            const tied = names.filter((name, k) => r.tallies[k] === r.most);
            const details = names.map((name, k) => fill(T(words.detail), [name, r.tallies[k]]));
            if (tied.length > 1) details.push(fill(T(words.ties[tied.length]), tied.concat(r.most)));
            return {
                title: T(words.title),
                prompt: r.noWinner ? T(words.noWinnerPrompt) : fill(T(words.prompt), [names[r.winner]]),
                details,
                name: names[r.winner],
            };
        }
    }

    return { Quiz, fill, isolatedIfBidi };
})();

if (typeof module !== 'undefined') module.exports = MatchMakerEngine;
