// SPDX-License-Identifier: MIT
// What the browser tests share: the exporter (MATCHMAKER_EXPORT, a command to which DIR FILE...
// are appended; MATCHMAKER_DATA its pictures, clips and shipped quizzes), the tested copy of each
// exported page, local web servers, waiting for a state, the results that the page's own engine
// (publish/web/engine.js, which web_engine_diff holds equal to the program's) works out, playing
// them by keys, and axe.
'use strict';
const assert = require('node:assert/strict');
const crypto = require('node:crypto');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const vm = require('node:vm');
const { pathToFileURL } = require('node:url');
const { spawn, execFileSync } = require('node:child_process');
const { within } = require('./browsers.js');

const DATA = process.env.MATCHMAKER_DATA && path.resolve(process.env.MATCHMAKER_DATA);
const EXPORT = (process.env.MATCHMAKER_EXPORT || '').split(/\s+/).filter(Boolean);
// A relative path to the exporter is taken from here, although it runs in the data folder.
if (EXPORT[0] && EXPORT[0].includes('/')) EXPORT[0] = path.resolve(EXPORT[0]);
if (!DATA || EXPORT.length === 0) {
    console.error(
        'Set MATCHMAKER_EXPORT (e.g. "build/app/matchmaker --export-web") and MATCHMAKER_DATA (data/).',
    );
    process.exit(2);
}
const ENGINE = path.join(__dirname, '../../publish/web/engine.js');
// The page the tests open: index.html as exported, with the probe loaded before anything else.
const TESTED = 'tested.html';
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

// The exported data and the page's engine, run as the page runs them: quizzes.js, then engine.js,
// in one context. Values cross back as JSON, so that they compare as Node's own.
function pageEngine(dir) {
    const context = vm.createContext({});
    vm.runInContext('var window = this;', context);
    for (const file of [path.join(dir, 'quizzes.js'), ENGINE])
        vm.runInContext(fs.readFileSync(file, 'utf8'), context, { filename: file });
    return vm.runInContext(
        '({ data: MatchMakerQuizzes, texts: MatchMakerTexts, Engine: MatchMakerEngine })',
        context,
    );
}

// The page's translation of its English words into language, as the page picks them.
function translator(texts, language) {
    const words = language !== 'en' && texts[language] ? texts[language] : [];
    return (english) => words[texts.keys.indexOf(english)] || english;
}

// The 104 lines of a quiz file as the program reads and shows them (MATCHMAKER_TRACE, the program's
// engine_trace, reads them), to hold the export's reading to.
function shownLines(file) {
    const tracer = process.env.MATCHMAKER_TRACE;
    if (!tracer)
        throw new Error("Set MATCHMAKER_TRACE to the program's engine_trace (build/tests/web/engine_trace).");
    return execFileSync(tracer, ['--lines', file], { maxBuffer: 1 << 28, timeout: 60000 })
        .toString('utf8')
        .trimEnd()
        .split('\n')
        .map((hex) => (hex === '-' ? '' : Buffer.from(hex, 'hex').toString('utf8')));
}

// Exports the quiz files into a new folder, as the program writes it. The exporter runs in the
// data folder, where the window finds its pictures and clips.
function exportQuizzes(files) {
    const dir = path.join(scratch, `export-${made++}`);
    execFileSync(EXPORT[0], [...EXPORT.slice(1), dir, ...files], {
        cwd: DATA,
        timeout: 60000,
        stdio: ['ignore', 'ignore', 'ignore'],
    });
    return exported(dir, files);
}

// An export in dir of the files: its page's engine and data, the lines of each quiz as the tests
// read its file (to hold the export's reading to), and the page's words in a language.
function exported(dir, files) {
    const engine = pageEngine(dir);
    return {
        dir,
        engine,
        get lines() {
            return files.map(shownLines);
        },
        T: (language) => translator(engine.texts, language),
    };
}

// Writes the page the tests open beside the exported index.html: the same, with the probe loaded
// first, under the page's own policy.
function addProbe(dir) {
    const page = fs.readFileSync(path.join(dir, 'index.html'), 'utf8');
    const policy = /<meta http-equiv="Content-Security-Policy"[^>]*>\n/.exec(page);
    if (!policy) throw new Error(`${dir}/index.html has no Content-Security-Policy`);
    fs.copyFileSync(path.join(__dirname, 'probe.js'), path.join(dir, 'testprobe.js'));
    const at = policy.index + policy[0].length;
    fs.writeFileSync(
        path.join(dir, TESTED),
        `${page.slice(0, at)}<script src="testprobe.js"></script>\n${page.slice(at)}`,
    );
}

// Exports the quiz files and adds the page the tests open.
function exportForTests(files) {
    const exported = exportQuizzes(files);
    addProbe(exported.dir);
    return exported;
}

// Exports the quiz files as one HTML file (--single-file), as the program writes it, to file.
function exportSingleFile(files, file) {
    execFileSync(EXPORT[0], [...EXPORT.slice(1), '--single-file', file, ...files], {
        cwd: DATA,
        timeout: 60000,
        stdio: ['ignore', 'ignore', 'ignore'],
    });
}

// Exports the quiz files as one HTML file (--single-file) into a new folder, as index.html, with
// the page the tests open beside it (singleFileForTests).
function exportSingleFileForTests(files) {
    const dir = path.join(scratch, `single-${made++}`);
    fs.mkdirSync(dir);
    exportSingleFile(files, path.join(dir, 'index.html'));
    return singleFileForTests(dir, files);
}

// Writes the page the tests open beside dir/index.html, one HTML file of the quiz files: the same
// file with the probe inline before anything else and the probe's hash added to the policy's
// script-src (the shipped file allows only its own script; web_html checks the shipped file), and
// each clip's data: address given its file name as a fragment ("#/kestsound.wav"), which the probe
// reads as the folder's clip names. quizzes.js beside it holds the file's data for the tests'
// engine; the page never loads it.
function singleFileForTests(dir, files) {
    const page = fs.readFileSync(path.join(dir, 'index.html'), 'utf8');
    const script = /<script>([\s\S]*?)<\/script>/.exec(page)[1];
    fs.writeFileSync(path.join(dir, 'quizzes.js'), script.split('\n').slice(0, 2).join('\n'));
    const probe = fs.readFileSync(path.join(__dirname, 'probe.js'), 'utf8');
    const hash = crypto.createHash('sha256').update(probe).digest('base64');
    const tested = page
        .replace("script-src 'sha256-", () => `script-src 'sha256-${hash}' 'sha256-`)
        .replace(
            /<meta http-equiv="Content-Security-Policy"[^>]*>\n/,
            (policy) => `${policy}<script>${probe}</script>\n`,
        )
        .replace(/"([a-z]+\.wav)":"(data:[^"]*)"/g, (_, name, clip) => `"${name}":"${clip}#/${name}"`);
    fs.writeFileSync(path.join(dir, TESTED), tested);
    return exported(dir, files);
}

// Plays keys (A to D, "<" for Back) on quiz number `which` of an export: after each key the
// question then on screen (null where the key moved nothing, "results" once the vote is over),
// and the results in the words of T.
function expectedPass(exported, which, keys, T) {
    const quiz = new exported.engine.Engine.Quiz(
        exported.engine.data.quizzes[which],
        exported.engine.data.rules,
    );
    const steps = [];
    for (const key of keys) {
        const before = quiz.questionNumber();
        if (key === '<') quiz.back();
        else quiz.recordAnswer('ABCD'.indexOf(key));
        steps.push(quiz.result ? 'results' : quiz.questionNumber() === before ? null : quiz.block()[0]);
    }
    return JSON.parse(
        JSON.stringify({ steps, result: quiz.result, words: quiz.result && quiz.resultTexts(T) }),
    );
}

// The page's state where a question should be: the focused element, the question region and
// the live region.
function questionState(tab, T) {
    return tab.evaluate((region) => {
        const probe = window.testProbe;
        const focused = document.activeElement;
        const quiz = probe.all('region').find((r) => probe.name(r) === region);
        return {
            focused: focused.textContent,
            inQuestion: Boolean(quiz && quiz.contains(focused)),
            live: document.querySelector('[aria-live]').textContent,
        };
    }, T('Question'));
}

// Keys of one pass; after each that moves, the question it leads to is shown, focused and
// announced.
async function playPass(tab, keys, expected, T) {
    for (let i = 0; i < keys.length; ++i) {
        await tab.press(keys[i] === '<' ? 'Backspace' : keys[i]);
        const question = expected.steps[i];
        if (question === null || question === 'results') continue;
        await until(
            () => questionState(tab, T),
            (state) => state.focused === question && state.inQuestion && state.live.endsWith(question),
            `after key ${i + 1} (${keys[i]}), question "${question.slice(0, 40)}" shown, focused and announced`,
        );
    }
}

function resultsShown(tab, title) {
    return tab.evaluate((name) => {
        const probe = window.testProbe;
        const region = probe.all('region').find((r) => probe.name(r) === name);
        if (!region) return null;
        const heading = probe.get('heading', name, region);
        return {
            title: heading.textContent,
            prompt: probe.all('paragraph', region)[0].textContent,
            details: probe
                .all('listitem', probe.get('list', undefined, region))
                .map((item) => item.textContent),
            focused: document.activeElement === heading,
            live: document.querySelector('[aria-live]').textContent,
            played: probe.played.map((clip) => clip.src),
            pageTitle: document.title,
            // What the hostile lines would make if they were read as markup; the page as one file
            // has its own scripts inline, in the body and the head.
            markup: document.querySelectorAll(
                'i, script:not([src]):not(body > script):not(head > script), img[src="x"], [onerror]',
            ).length,
        };
    }, title);
}

// axe-core as a file of the folder dir, so that the page's policy lets it run as it is.
function addAxe(dir) {
    fs.copyFileSync(require.resolve('axe-core/axe.min.js'), path.join(dir, 'testaxe.js'));
}

function loadAxe(tab) {
    return tab.evaluate(
        () =>
            new Promise((resolve, reject) => {
                const script = document.head.appendChild(document.createElement('script'));
                script.onload = resolve;
                script.onerror = () => reject(new Error('axe did not load'));
                script.src = 'testaxe.js';
            }),
    );
}

// axe's violations (WCAG 2.0 and 2.1, A and AA) of the page where it is.
function violations(tab) {
    // No preload: axe would fetch the style sheets itself, which file:// refuses.
    return tab.evaluate(
        (tags) =>
            window.axe
                .run(document, { runOnly: { type: 'tag', values: tags }, preload: false })
                .then((result) =>
                    result.violations.map(
                        (v) => `${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`,
                    ),
                ),
        ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'],
    );
}

async function audit(tab, where) {
    assert.deepEqual(await violations(tab), [], `axe at ${where}`);
}

// python3's web server over dir, on a free port of the loopback address: its address, and
// stop() to end it (it ends anyway with the tests).
function startServer(dir) {
    const child = spawn(
        'python3',
        ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', dir],
        {
            stdio: ['ignore', 'pipe', 'ignore'],
        },
    );
    process.on('exit', () => child.kill());
    return within(
        10000,
        'the web server',
        new Promise((resolve) => {
            let seen = '';
            child.stdout.on('data', (chunk) => {
                seen += chunk;
                const port = /port (\d+).*\n/.exec(seen);
                if (port) {
                    // After its first line it says no more there.
                    child.stdout.destroy();
                    child.unref();
                    resolve({ url: `http://127.0.0.1:${port[1]}/`, stop: () => child.kill() });
                }
            });
        }),
    );
}

// The web server over the scratch folder, started once.
let server = null;
function serve() {
    if (!server) server = startServer(scratch).then(({ url }) => url);
    return server;
}

// The folder's address: file://, or over http.
async function folderUrl(dir, way) {
    if (way === 'file') return pathToFileURL(dir).href + '/';
    return (
        (await serve()) + path.relative(scratch, dir).split(path.sep).map(encodeURIComponent).join('/') + '/'
    );
}

// Reads until accept() takes what was read, and returns it; fails after ms with the last reading.
async function until(read, accept, what, ms = 10000) {
    const deadline = Date.now() + ms;
    for (;;) {
        const value = await read();
        if (accept(value)) return value;
        if (Date.now() > deadline) throw new Error(`${what}: still ${JSON.stringify(value)} after ${ms} ms`);
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
}

module.exports = {
    DATA,
    PROGRAM: EXPORT[0],
    TESTED,
    scratch,
    writeQuiz,
    exportQuizzes,
    exportForTests,
    exportSingleFile,
    exportSingleFileForTests,
    singleFileForTests,
    addProbe,
    expectedPass,
    playPass,
    resultsShown,
    addAxe,
    loadAxe,
    violations,
    audit,
    startServer,
    folderUrl,
    until,
};
