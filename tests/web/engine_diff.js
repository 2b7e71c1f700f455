// SPDX-License-Identifier: MIT
// The web page's engine (publish/web/engine.js) against the program's (quiz/ExtraQZT, through
// tests/engine_trace.cpp): random quizzes and answer sequences with Backs, the same questions,
// tallies, winners, prompts, details and clips at every step. The page's engine plays by the rules
// and words that the export writes for it (MATCHMAKER_EXPORT, MATCHMAKER_DATA as for the browser
// tests).
// Usage: node engine_diff.js path/to/engine_trace [cases] [seed]
'use strict';
const assert = require('node:assert');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const vm = require('node:vm');
const Engine = require(path.join(__dirname, '../../publish/web/engine.js'));

// The rules of the data that the export writes for the page.
function exportedRules() {
    const [command, ...args] = (process.env.MATCHMAKER_EXPORT || '').split(/\s+/).filter(Boolean);
    const data = process.env.MATCHMAKER_DATA;
    assert.ok(command && data, 'set MATCHMAKER_EXPORT and MATCHMAKER_DATA');
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'matchmaker-rules-'));
    try {
        execFileSync(command, [...args, path.join(dir, 'page'), 'episode1.qzt'], {
            cwd: data,
            stdio: 'ignore',
        });
        const window = {};
        vm.runInNewContext(fs.readFileSync(path.join(dir, 'page', 'quizzes.js'), 'utf8'), { window });
        return window.MatchMakerQuizzes.rules;
    } finally {
        fs.rmSync(dir, { recursive: true, force: true });
    }
}

const rules = exportedRules();
const tracer = process.argv[2];
const caseCount = Number(process.argv[3] || 1500);
let seed = Number(process.argv[4] || 20240611);
assert.ok(tracer, 'usage: node engine_diff.js ENGINE_TRACE [cases] [seed]');

// mulberry32: a small seeded generator, so that a failure can be replayed.
function random() {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (items) => items[Math.floor(random() * items.length)];

const utf8 = (text) => Buffer.from(text, 'utf8');
const NAMES = [
    () => Buffer.alloc(0),
    () => utf8(pick(['Kest', 'Dorv', 'Oro', 'Bexal', 'kest', 'Kest ', 'Zed', '\uFEFF', '\uFEFFKest'])),
    () => utf8(pick(['\u202Eevil', 'a\u200Fb', '\u2067\u0628\u2069', '\u061C', '\u2066x', 'x\u202A'])),
    // Controls that would end the isolate round the name early, or keep it open.
    () => utf8(pick(['\u2069\u202Eevil', '\u2069\u2069\u2067x', '\u2029\u202Ex', 'a\u2068b\u2069\u2069c'])),
    () => utf8(pick(['%1', '%2 and %3', '100%', '%%9', '<img src=x>'])),
    () =>
        Buffer.from(
            pick([
                [0x93, 0x4b, 0x94],
                [0xe9, 0x74, 0xe9],
                [0x81, 0x8d, 0x9d],
                [0xc3, 0x28],
            ]),
        ),
    // A direction control in a line that is not valid UTF-8: read as Windows-1252, not isolated.
    () => Buffer.concat([utf8('\u202E'), Buffer.from([0xff])]),
    // Surrogates and overlong forms are not valid UTF-8 either.
    () =>
        Buffer.from(
            pick([
                [0xed, 0xa0, 0x80],
                [0xc0, 0xaf],
                [0xf4, 0x90, 0x80, 0x80],
            ]),
        ),
    () =>
        Buffer.from(
            Array.from({ length: 1 + Math.floor(random() * 8) }, () =>
                pick([0x20, 0x41, 0x7a, 0x25, 0x32, 0x80, 0xa0, 0xc3, 0xa9, 0xe2, 0x80, 0xae, 0x00]),
            ),
        ),
];

function randomNames() {
    const names = [];
    for (let k = 0; k < 4; ++k) names.push(k > 0 && random() < 0.2 ? pick(names) : pick(NAMES)());
    return names;
}

// Long runs reach the results (and go on after Take it again); a few letters make ties likely.
function randomSteps() {
    const letters = [...'ABCD'].filter(() => random() < 0.6);
    if (!letters.length) letters.push(pick([...'ABCD']));
    const length = random() < 0.7 ? 20 + Math.floor(random() * 70) : Math.floor(random() * 25);
    const backs = random() * 0.4;
    let steps = '';
    for (let i = 0; i < length; ++i) steps += random() < backs ? '<' : pick(letters);
    return steps || '-';
}

function randomTallies() {
    if (random() > 0.1) return null;
    return [0, 1, 2, 3].map(() => pick([0, 5, 32765, 32766, 32767]));
}

const CLIPS = { Kest: 'kestsound.wav', Dorv: 'dorvsound.wav', Oro: 'orosound.wav', Bexal: 'bexalsound.wav' };
const hex = (text) => (text === '' ? '-' : Buffer.from(text, 'utf8').toString('hex'));

// Each name's text as the window shows it, from the program's own decoding.
const fromHex = (text) => (text === '-' ? '' : Buffer.from(text, 'hex').toString('utf8'));
function decodedNames(cases) {
    const names = cases.flatMap((c) => c.names);
    const input = names.map((name) => (name.length ? name.toString('hex') : '-')).join('\n') + '\n';
    const shown = execFileSync(tracer, ['--decode'], { input, maxBuffer: 1 << 28, timeout: 60000 })
        .toString('utf8')
        .split('\n')
        .map(fromHex);
    return new Map(names.map((name, i) => [name, shown[i]]));
}

// What the page's engine shows for one case, in the tracer's words.
function playOnPage(names, tallies, steps) {
    const lines = Array.from({ length: rules.nameLine }, (_, i) => `line ${i + 1}`).concat(
        names.map((name) => decoded.get(name)),
    );
    // The exporter names the clip of each answer by the name's bytes, exactly.
    const clips = names.map((name) => CLIPS[name.toString('latin1')] || null);
    const quiz = new Engine.Quiz({ lines, clips, noWinnerClip: 'main.wav' }, rules);
    // Votes that twenty answers cannot give, as the program's engine takes them in its tests.
    if (tallies) quiz.tallies = tallies.slice();
    const out = [];
    for (const step of steps) {
        if (step === '<') quiz.back();
        else if (step >= 'A' && step <= 'D') quiz.recordAnswer(step.charCodeAt(0) - 65);
        else continue;
        if (quiz.result) {
            const texts = quiz.resultTexts();
            out.push(
                ['R', hex(quiz.result.name), hex(quiz.result.clip || ''), hex(texts.prompt)]
                    .concat(texts.details.map(hex))
                    .join(' '),
            );
            quiz.again();
        }
        out.push(`S ${quiz.questionNumber()} ${quiz.tallies.join(' ')}`);
    }
    out.push('E');
    return out;
}

const cases = [];
for (let i = 0; i < caseCount; ++i)
    cases.push({ names: randomNames(), tallies: randomTallies(), steps: randomSteps() });
// Backs at question 1, and a vote lost at the largest count and then taken back.
cases.push({ names: NAMES.map((make) => make()).slice(0, 4), tallies: null, steps: '<<A<<B' });
cases.push({
    names: [utf8('Kest'), utf8('Kest'), utf8(''), utf8('Oro')],
    tallies: [32767, 0, 0, 32767],
    steps: 'AD<<A',
});
// A name that would close its isolate and reverse the rest of the sentence, as the winner.
cases.push({
    names: [utf8('\u2069\u202EKest'), utf8('Dorv'), utf8('Oro'), utf8('Bexal')],
    tallies: null,
    steps: 'A'.repeat(20),
});

const input =
    cases
        .map((c) =>
            [
                ...c.names.map((n) => (n.length ? n.toString('hex') : '-')),
                c.tallies ? c.tallies.join(',') : '-',
                c.steps,
            ].join(' '),
        )
        .join('\n') + '\n';
const decoded = decodedNames(cases);
const traced = execFileSync(tracer, { input, maxBuffer: 1 << 28, timeout: 60000 })
    .toString('utf8')
    .split('\n');

const seen = { results: 0, ties: 0, noWinner: 0, bidi: 0, lost: 0 };
const failures = [];
let at = 0;
for (const c of cases) {
    const expected = [];
    while (at < traced.length && traced[at] !== 'E') expected.push(traced[at++]);
    expected.push(traced[at++]);
    const got = playOnPage(c.names, c.tallies, c.steps);
    const differs = got.findIndex((line, i) => line !== expected[i]);
    if (differs >= 0 || got.length !== expected.length) {
        const step = differs >= 0 ? differs : Math.min(got.length, expected.length);
        failures.push(
            `names ${c.names.map((n) => n.toString('hex') || '-').join(' ')} tallies ${c.tallies} ` +
                `steps ${c.steps}\n  at output line ${step}: program ${expected[step]}\n` +
                `  ${' '.repeat(String(step).length + 16)}page ${got[step]}`,
        );
    }
    for (const line of expected.filter((l) => l.startsWith('R '))) {
        const texts = line
            .split(' ')
            .slice(3)
            .map((h) => Buffer.from(h === '-' ? '' : h, 'hex').toString('utf8'));
        seen.results += 1;
        seen.ties += texts.some((t) => t.includes('tied with')) ? 1 : 0;
        seen.noWinner += texts[0].includes(rules.texts.noWinnerName) ? 1 : 0;
        seen.bidi += texts[0].includes('\u2068') ? 1 : 0;
    }
    seen.lost += c.tallies && c.tallies.includes(32767) && /[A-D]/.test(c.steps) ? 1 : 0;
}

console.log(
    `engine_diff: ${cases.length} quizzes, ${seen.results} results (${seen.ties} ties, ` +
        `${seen.noWinner} without a winner, ${seen.bidi} isolated names), ${seen.lost} with lost votes`,
);
for (const [what, count] of Object.entries(seen))
    if (count === 0) failures.push(`the random cases never produced: ${what}`);
if (failures.length) {
    console.error(failures.slice(0, 5).join('\n'));
    console.error(`engine_diff: ${failures.length} cases differ`);
    process.exit(1);
}
console.log(`${cases.length} passed, 0 failed`);
