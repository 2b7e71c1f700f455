// SPDX-License-Identifier: MIT
// What the browser tests share: the exporter (MATCHMAKER_EXPORT, a command to which DIR FILE...
// are appended; MATCHMAKER_DATA its pictures, clips and shipped quizzes), headless Chromium, a
// local web server, a watch on each page, and the results the tests expect, worked out on their own.
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawn, execFileSync } = require('node:child_process');
const { chromium } = require('playwright-core');
const { quizLines } = require('./quizdata.js');

const DATA = process.env.MATCHMAKER_DATA;
const EXPORT = (process.env.MATCHMAKER_EXPORT || '').split(/\s+/).filter(Boolean);
if (!DATA || EXPORT.length === 0) {
    console.error(
        'Set MATCHMAKER_EXPORT (e.g. "build/app/matchmaker --export-web") and MATCHMAKER_DATA (data/).',
    );
    process.exit(2);
}
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'matchmaker-web-'));
process.on('exit', () => fs.rmSync(scratch, { recursive: true, force: true }));
let made = 0;

// A quiz file of the given lines (strings are written as UTF-8), with CR LF line ends.
function writeQuiz(name, lines) {
    const file = path.join(scratch, `${made++}-${name}`);
    fs.mkdirSync(file);
    const quiz = path.join(file, name);
    fs.writeFileSync(quiz, Buffer.concat(lines.flatMap((line) => [Buffer.from(line), Buffer.from('\r\n')])));
    return quiz;
}

// The page's texts hold the English words once and each language's translations in the same order.
function translationTables(texts) {
    const tables = {};
    for (const language of Object.keys(texts).filter((key) => key !== 'keys'))
        tables[language] = Object.fromEntries(texts.keys.map((english, i) => [english, texts[language][i]]));
    return tables;
}

// Exports the quiz files into a new folder; returns the folder and the lines each quiz shows. The
// exporter runs in the data folder, where the window finds its pictures and clips.
function exportQuizzes(files) {
    const dir = path.join(scratch, `export-${made++}`);
    execFileSync(EXPORT[0], [...EXPORT.slice(1), dir, ...files], {
        cwd: DATA,
        timeout: 60000,
        stdio: ['ignore', 'ignore', 'ignore'],
    });
    const data = fs.readFileSync(path.join(dir, 'quizzes.js'), 'utf8');
    const texts = data.split('\n').find((line) => line.startsWith('window.MatchMakerTexts = '));
    return {
        dir,
        quizzes: files.map((file) => ({
            name: path.basename(file),
            lines: quizLines(fs.readFileSync(file)),
        })),
        tables: translationTables(
            JSON.parse(
                texts
                    .slice(texts.indexOf('=') + 1)
                    .trim()
                    .replace(/;$/, ''),
            ),
        ),
    };
}

// python3's web server on a free port of the loopback address.
function serve(dir) {
    const server = spawn(
        'python3',
        ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', dir],
        { stdio: ['ignore', 'pipe', 'ignore'] },
    );
    process.on('exit', () => server.kill());
    return new Promise((resolve, reject) => {
        const timeout = setTimeout(() => reject(new Error('the web server did not start in 10 s')), 10000);
        server.stdout.on('data', (chunk) => {
            const port = /port (\d+)/.exec(String(chunk));
            if (port) {
                clearTimeout(timeout);
                resolve({ base: `http://127.0.0.1:${port[1]}/`, stop: () => server.kill() });
            }
        });
    });
}

function launch() {
    // launch() gives every browser a new, empty profile of its own.
    return chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        args: [
            '--headless',
            '--no-sandbox',
            '--disable-gpu',
            '--disable-quic',
            '--no-first-run',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
        ],
        timeout: 30000,
    });
}

// Opens base + index.html in a new context; problems collects console errors, uncaught
// exceptions and any request that leaves base. The init script records the clips played and
// the intervals running.
async function openPage(browser, base, options = {}) {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, ...options });
    context.setDefaultTimeout(10000);
    await context.addInitScript(() => {
        const running = new Set();
        const setInterval = window.setInterval;
        const clearInterval = window.clearInterval;
        window.setInterval = (...args) => {
            const id = setInterval(...args);
            running.add(id);
            return id;
        };
        window.clearInterval = (id) => {
            running.delete(id);
            clearInterval(id);
        };
        window.testRunning = running;
        window.testPlayed = [];
        const play = HTMLMediaElement.prototype.play;
        HTMLMediaElement.prototype.play = function () {
            window.testPlayed.push(this.src);
            return play.call(this);
        };
    });
    const page = await context.newPage();
    const problems = [];
    page.on(
        'console',
        (message) =>
            message.type() === 'error' &&
            problems.push(`console: ${message.text()} ${message.location().url || ''}`),
    );
    page.on('pageerror', (error) => problems.push(`exception: ${error.message}`));
    page.on('request', (request) => {
        if (!request.url().startsWith(base) && !request.url().startsWith('blob:'))
            problems.push(`request outside the folder: ${request.url()}`);
    });
    await page.goto(base + 'index.html');
    return { page, context, problems };
}

const BIDI = /[\u202A-\u202E\u2066-\u2069\u200E\u200F\u061C]/;
const fill = (template, args) =>
    template.replace(/%([1-9])/g, (place, n) => (n <= args.length ? String(args[n - 1]) : place));
const PROMPT =
    'Your most compatible with %1!,  If you would like to try again press ok.  If you want to quit hit cancel. ';
const NO_WINNER =
    'Your most compatible with all the guys!,  If you would like to try again press ok.  If you want to quit hit cancel. ';
const TIES = [
    '%1 and %2 tied with %3 votes each; the later name wins.',
    '%1, %2 and %3 tied with %4 votes each; the later name wins.',
    '%1, %2, %3 and %4 tied with %5 votes each; the later name wins.',
];

// The results after the keys (A to D, "<" for Back) of one pass, in the words of table.
function expectedResult(lines, keys, table = {}) {
    const T = (text) => table[text] || text;
    const given = [];
    for (const key of keys) key === '<' ? given.pop() : given.push('ABCD'.indexOf(key));
    const tallies = [0, 1, 2, 3].map((k) => given.filter((answer) => answer === k).length);
    const most = Math.max(...tallies);
    const winner = tallies.lastIndexOf(most);
    const names = lines.slice(100).map((name) => (BIDI.test(name) ? `\u2068${name}\u2069` : name));
    const tied = names.filter((name, k) => tallies[k] === most);
    const details = names.map((name, k) => fill(T('%1: %2'), [name, tallies[k]]));
    if (tied.length > 1) details.push(fill(T(TIES[tied.length - 2]), [...tied, most]));
    return {
        answers: given.length,
        winner,
        details,
        title: T('Your results!'),
        prompt: lines[100 + winner] === '' ? T(NO_WINNER) : fill(T(PROMPT), [names[winner]]),
    };
}

// A promise that fails after ms: page.evaluate waits for a page's promise without a limit.
function within(ms, what, promise) {
    let timer;
    const late = new Promise((resolve, reject) => {
        timer = setTimeout(() => reject(new Error(`${what}: no answer in ${ms} ms`)), ms);
    });
    return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// Fails the script, after the list of what went wrong, when there is anything in it.
function finish(name, failures, passed) {
    for (const failure of failures) console.log(`FAIL ${failure}`);
    console.log(`${name}: ${passed} passed, ${failures.length} failed`);
    process.exitCode = failures.length ? 1 : 0;
}

module.exports = {
    DATA,
    scratch,
    writeQuiz,
    exportQuizzes,
    serve,
    launch,
    openPage,
    expectedResult,
    within,
    finish,
};
