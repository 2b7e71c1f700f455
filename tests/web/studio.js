// SPDX-License-Identifier: MIT
// The studio as built (MATCHMAKER_STUDIO) in Chromium, Firefox and WebKit, from file:// and over
// http: one table of quiz files, each opened through the file input, its findings held to what
// `matchmaker --check` prints, typed in, saved (held to the bytes the quiz editor writes,
// MATCHMAKER_EDITOR_BYTES), tried, published (held to `matchmaker --export-web --single-file`)
// and the published file played; then axe at four points in each engine, and the studio offline
// from its service worker in Chromium.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { isDeepStrictEqual } = require('node:util');
const { spawnSync } = require('node:child_process');
const { test, after } = require('node:test');
const { ENGINES, Browsers } = require('./browsers.js');
const {
    DATA,
    PROGRAM,
    TESTED,
    scratch,
    addProbe,
    addAxe,
    loadAxe,
    violations,
    exportSingleFile,
    singleFileForTests,
    expectedPass,
    playPass,
    resultsShown,
    startServer,
    folderUrl,
    until,
} = require('./common.js');

const EDITOR = process.env.MATCHMAKER_EDITOR_BYTES;
if (!process.env.MATCHMAKER_STUDIO || !EDITOR) {
    console.error(
        'Set MATCHMAKER_STUDIO (build/studio) and MATCHMAKER_EDITOR_BYTES (build/tests/wasm/editor_bytes).',
    );
    process.exit(2);
}
const ENV = { ...process.env, QT_QPA_PLATFORM: 'offscreen', LC_ALL: 'C.UTF-8', LANGUAGE: 'en' };

// The studio copied beside the tests' other pages, with the probe and axe.
const studio = path.join(scratch, 'studio');
fs.cpSync(path.resolve(process.env.MATCHMAKER_STUDIO), studio, { recursive: true });
addProbe(studio);
addAxe(studio);

// A quiz file of these lines (strings in UTF-8, buffers as they are), each ended with eol.
const quiz = (lines, eol = '\r\n') =>
    Buffer.concat(lines.flatMap((line) => [Buffer.from(line), Buffer.from(eol)]));
const latin1 = (text) => Buffer.from(text, 'latin1');
const episode1 = fs.readFileSync(path.join(DATA, 'episode1.qzt'));
const episodeLines = episode1.toString('utf8').split('\r\n').slice(0, 104);
const questions = (make) => Array.from({ length: 100 }, (_, i) => make(i));
const QUIZZES = {
    episode1,
    marked: Buffer.concat([Buffer.from('\uFEFF'), quiz(episodeLines, '\n')]),
    windows: quiz([
        ...questions((i) => latin1(`Caf\xe9 \x93${i}\x94`)),
        ...['Ren\xe9e', '\x80uro', 'Zo\xeb', 'Kest', 'after \xe9', '', '\xff more'].map(latin1),
    ]),
    names: quiz([...episodeLines.slice(0, 100), 'Kest', 'Kest', '', 'Oro']),
    hostile: quiz([
        ...questions((i) =>
            i % 5 ? `<i>answer</i> ${i} &amp;` : `Q${i / 5 + 1} <script>document.title='owned'</script>`,
        ).map((line, i) => ({ 7: 'K'.repeat(65536), 8: 'nul\0here' })[i] ?? line),
        '<img src=x onerror="document.title=\'owned\'">',
        '</script><!--\u2028 \u202Egnp.exe\u202C',
        'Oro\u2067',
        'Kest',
    ]),
    png: Buffer.concat([latin1('\x89PNG\r\n\x1A\n\0\0\0\rIHDR'), Buffer.alloc(2000, 0x5a)]),
    utf16: Buffer.concat([latin1('\xFF\xFE'), Buffer.from(episode1.toString('utf8'), 'utf16le')]),
};

// One test per row, engine and way. edits: [line, text] typed one after the other (each the only
// change from the file, or the same line again); convert: the answer to the Windows-1252 question;
// publish: the keys that play the published file.
const ROWS = [
    {
        what: 'episode1.qzt: line 1 typed, saved, tried, published and played',
        name: 'episode1.qzt',
        quiz: 'episode1',
        edits: [[1, 'What would you do on a rainy afternoon aboard the Brindle Wren?']],
        tryIt: true,
        publish: 'ABCDABCDABCDABCDABCA',
    },
    {
        what: 'LF ends and a byte order mark: a name typed by keys',
        name: 'marked.qzt',
        quiz: 'marked',
        edits: [[104, 'Bexal ✓']],
        byKeys: true,
    },
    {
        what: 'Windows-1252 with text after line 104: ✓ typed, converted to UTF-8',
        name: 'windows.qzt',
        quiz: 'windows',
        edits: [[50, 'café “€” ✓']],
        convert: 'yes',
    },
    {
        what: 'Windows-1252: € typed, which it holds',
        name: 'windows.qzt',
        quiz: 'windows',
        edits: [[50, '5 €']],
    },
    {
        what: 'Windows-1252: ✓ typed, left unconverted',
        name: 'windows.qzt',
        quiz: 'windows',
        edits: [[50, '€ ✓']],
        convert: 'no',
    },
    {
        what: 'a line typed too long: an error that stops Save, then mended',
        name: 'long.qzt',
        quiz: 'episode1',
        edits: [
            [87, 'x'.repeat(65537)],
            [87, 'mended'],
        ],
    },
    {
        what: 'dropped, names twice and one empty: warnings, the first activated',
        name: 'names.qzt',
        quiz: 'names',
        drop: true,
        activate: true,
    },
    {
        what: 'hostile lines shown as text, published and played',
        name: 'hostile.qzt',
        quiz: 'hostile',
        publish: 'AB'.repeat(10),
    },
    {
        what: 'a PNG refused, the quiz on screen kept',
        name: '<img src=x onerror=alert(1)>.png',
        quiz: 'png',
        refused: true,
    },
    { what: 'UTF-16 refused, the quiz on screen kept', name: 'utf16.qzt', quiz: 'utf16', refused: true },
];
const WAYS = ['file', 'http'];

const browsers = new Browsers(scratch);
after(() => browsers.close());

// The bytes written to a file of this name in a folder of its own.
let files = 0;
function fileOf(name, bytes) {
    const dir = path.join(scratch, `quiz-${files++}`);
    fs.mkdirSync(dir);
    fs.writeFileSync(path.join(dir, name), bytes);
    return path.join(dir, name);
}

// What the quiz editor does with the file (tests/editor_bytes): { status, bytes }.
function editor(file, ...args) {
    const run = spawnSync(EDITOR, [file, ...args], { env: ENV, maxBuffer: 1 << 28 });
    return { status: run.status, bytes: run.stdout };
}

// The findings as the editor words what `matchmaker --check` prints, and its summary.
function findings(name, bytes) {
    const file = fileOf(name, bytes);
    const run = spawnSync(PROGRAM, ['--check', name], {
        cwd: path.dirname(file),
        env: ENV,
        encoding: 'utf8',
    });
    const found = run.stdout
        .split('\n')
        .filter(Boolean)
        .map((line) => /^(?:(\d+):)? (error|warning): (.*)$/s.exec(line.slice(name.length + 1)));
    const text = ([, line, severity, message]) =>
        line
            ? `Line ${line}: ${severity}: ${message}`
            : `${severity === 'error' ? 'Error' : 'Warning'}: ${message}`;
    const errors = found.filter((finding) => finding[2] === 'error').length;
    const count = (n, word) => `${n} ${word}${n === 1 ? '' : 's'}`;
    const warnings = count(found.length - errors, 'warning');
    let summary = 'No errors or warnings.';
    if (errors) summary = `${count(errors, 'error')} and ${warnings}: a quiz with errors cannot be saved.`;
    else if (found.length) summary = `${warnings}; the quiz can be saved.`;
    return { summary, findings: found.map(text) };
}

// What the studio shows: title, findings, the 104 fields, and what quiz text made into markup.
function shown(tab) {
    return tab.evaluate(() => ({
        title: document.title,
        summary: document.getElementById('summary').textContent,
        findings: Array.from(
            document.querySelectorAll('#findings li button'),
            (button) => button.textContent,
        ),
        lines: Array.from({ length: 104 }, (_, i) => document.getElementById(`line-${i + 1}`).value),
        markup: document.querySelectorAll('i, img[src="x"], [onerror], body script').length,
    }));
}

// What the studio should show for a quiz of these bytes and lines.
const expected = (name, bytes, lines, modified) => ({
    title: `${name}${modified ? '*' : ''} - Match Maker Studio`,
    ...findings(name, bytes),
    lines,
    markup: 0,
});

// Waits for the studio to show what is expected; then compares, the fields that differ by number.
async function showsEventually(tab, wanted, what) {
    let last;
    await until(
        async () => (last = await shown(tab)),
        (state) => isDeepStrictEqual(state, wanted),
        what,
    ).catch(() => {
        const lines = (state) =>
            state.lines.map((line, i) => (line === wanted.lines[i] ? null : [i + 1, line.slice(0, 80)]));
        assert.deepEqual({ ...last, lines: lines(last) }, { ...wanted, lines: lines(wanted) }, what);
    });
}

// Opens the bytes as a file of this name chosen in the file input, or dropped on the page.
function openQuiz(tab, name, bytes, drop = false) {
    return tab.evaluate(
        (fileName, base64, dropped) => {
            const transfer = new DataTransfer();
            transfer.items.add(new File([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))], fileName));
            if (dropped) {
                const event = { dataTransfer: transfer, bubbles: true, cancelable: true };
                document.body.dispatchEvent(new DragEvent('dragover', event));
                document.body.dispatchEvent(new DragEvent('drop', event));
                return;
            }
            const input = document.getElementById('file');
            input.files = transfer.files;
            input.dispatchEvent(new Event('change', { bubbles: true }));
        },
        name,
        bytes.toString('base64'),
        drop,
    );
}

// The studio once its engine has started, with a new quiz.
async function openStudio(engine, way) {
    const tab = await browsers.open(engine);
    await tab.goto((await folderUrl(studio, way)) + TESTED);
    await until(
        () => tab.evaluate(() => !document.getElementById('open').disabled),
        Boolean,
        'the studio started',
    );
    return tab;
}

// A button pressed from the keyboard: focused, then Enter.
async function press(tab, id) {
    await tab.evaluate((button) => document.getElementById(button).focus(), id);
    await tab.press('Enter');
}

// The download that pressing the button gives: { name, type, bytes }.
async function download(tab, id) {
    const count = await tab.evaluate(() => window.StudioDownloads.length);
    await press(tab, id);
    const got = await until(
        () => tab.evaluate((n) => window.StudioDownloads[n] || null, count),
        Boolean,
        `${id} downloads a file`,
        // The first publish prepares the pictures and clips: slow on a busy machine.
        30000,
    );
    return { name: got.name, type: got.type, bytes: Buffer.from(got.base64, 'base64') };
}

function sameBytes(got, wanted, what) {
    if (got.equals(wanted)) return;
    let at = 0;
    while (got[at] === wanted[at]) ++at;
    const near = (bytes) => JSON.stringify(bytes.subarray(Math.max(0, at - 40), at + 40).toString('latin1'));
    assert.fail(
        `${what}: ${got.length} bytes, expected ${wanted.length}; first difference at ${at}: ${near(got)}, expected ${near(wanted)}`,
    );
}

// The field's text set (an input event, as a paste gives), or, where it starts with the field's
// text, the rest typed by keys at its end.
async function typeLine(tab, line, text, byKeys = false) {
    const typed = await tab.evaluate(
        (id, value, keys) => {
            const field = document.getElementById(id);
            field.focus();
            if (keys && value.startsWith(field.value)) {
                field.setSelectionRange(field.value.length, field.value.length);
                return value.slice(field.value.length);
            }
            field.value = value;
            field.dispatchEvent(new Event('input', { bubbles: true }));
            return '';
        },
        `line-${line}`,
        text,
        byKeys,
    );
    await tab.type(typed);
}

const dialogOpen = (tab, id) => tab.evaluate((dialog) => document.getElementById(dialog).open, id);

// Saves and checks the bytes, or that Save refuses a quiz with errors and says so.
async function save(tab, name, bytes) {
    if (bytes === null) {
        const count = await tab.evaluate(() => window.StudioDownloads.length);
        await press(tab, 'save');
        const said = await until(
            () => tab.evaluate(() => document.getElementById('problem').textContent),
            Boolean,
            'Save refused',
        );
        assert.equal(
            await tab.evaluate(() => window.StudioDownloads.length),
            count,
            `no download; said ${said}`,
        );
        return;
    }
    const saved = await download(tab, 'save');
    assert.equal(saved.name, name);
    sameBytes(saved.bytes, bytes, 'the saved file');
}

// Try it plays the quiz from its question 1: key A leads to question 2.
async function tryIt(tab, lines) {
    await press(tab, 'try');
    const question = () =>
        tab.inFrame('#player', () => (document.getElementById('text0') || {}).textContent).catch(() => null);
    await until(question, (text) => text === lines[0], 'Try it shows question 1');
    await tab.pressInFrame('#player', 'A');
    await until(question, (text) => text === lines[5], 'key A leads to question 2');
    await press(tab, 'close-try');
    await until(
        () => tab.evaluate(() => document.activeElement.id),
        (id) => id === 'try',
        'the focus back on Try it',
    );
    assert.equal(await dialogOpen(tab, 'try-dialog'), false, 'Try it closed');
}

// Publishes and compares with the program's one file for the same bytes and name: the tested copy
// of the published file.
async function publish(tab, name, bytes) {
    const published = await download(tab, 'publish');
    const file = fileOf(name, bytes);
    const program = path.join(path.dirname(file), 'program.html');
    exportSingleFile([file], program);
    assert.equal(published.name, name.replace(/\.[^.]*$/, '.html'));
    sameBytes(published.bytes, fs.readFileSync(program), 'the published file');
    const dir = path.join(path.dirname(file), 'published');
    fs.mkdirSync(dir);
    fs.writeFileSync(path.join(dir, 'index.html'), published.bytes);
    return singleFileForTests(dir, [file]);
}

// The published file played to its results by keys (WebKit's driver runs one tab at a time).
async function play(engine, way, page, keys) {
    const T = page.T('en');
    const player = await browsers.open(engine);
    try {
        await player.goto((await folderUrl(page.dir, way)) + TESTED);
        const wanted = expectedPass(page, 0, keys, T);
        await playPass(player, keys, wanted, T);
        const results = await until(
            () => resultsShown(player, wanted.words.title),
            (state) => state && state.focused,
            'the results focused',
        );
        assert.equal(results.prompt, wanted.words.prompt);
        await checkClean(player);
    } finally {
        await player.close();
    }
}

async function checkClean(tab) {
    assert.deepEqual(await tab.evaluate(() => window.testProbe.problems()), [], 'console and requests clean');
}

// A refused file leaves the studio as it was, and says which file it was and why.
async function refused(tab, row) {
    await openQuiz(tab, 'episode1.qzt', episode1);
    const before = expected('episode1.qzt', episode1, episodeLines, false);
    await showsEventually(tab, before, 'episode1.qzt opened');
    await openQuiz(tab, row.name, QUIZZES[row.quiz]);
    const said = await until(
        () => tab.evaluate(() => document.getElementById('problem').textContent),
        Boolean,
        'the problem',
    );
    assert.ok(said.includes(row.name), `the problem names the file: ${said}`);
    assert.deepEqual(await shown(tab), before, 'the quiz on screen stays');
}

// Finding 1 activated moves the focus to its line's field.
async function activate(tab) {
    await tab.evaluate(() => document.querySelector('#findings button').focus());
    await tab.press('Enter');
    const [line, focused] = await tab.evaluate(() => [
        document.querySelector('#findings button').dataset.line,
        document.activeElement.id,
    ]);
    assert.equal(focused, `line-${line}`);
}

async function runRow(engine, way, row) {
    const tab = await openStudio(engine, way);
    let published = null;
    try {
        if (row.refused) return await refused(tab, row);
        const bytes = QUIZZES[row.quiz];
        const file = fileOf(row.name, bytes);
        const lines = editor(file, '--lines').bytes.toString('utf8').split('\n').slice(0, 104);
        await openQuiz(tab, row.name, bytes, row.drop);
        await showsEventually(tab, expected(row.name, bytes, lines, false), 'the quiz opened');
        if (row.activate) await activate(tab);
        await save(tab, row.name, bytes);
        let saved = bytes;
        for (const [line, text] of row.edits || []) {
            await typeLine(tab, line, text, row.byKeys);
            if (row.convert) {
                await until(() => dialogOpen(tab, 'convert-dialog'), Boolean, 'the question to convert');
                await press(tab, `convert-${row.convert}`);
            }
            const kept = row.convert === 'no';
            const typed = lines.map((old, i) => (i === line - 1 && !kept ? text : old));
            // A line too long for the checker is too long for editor_bytes' command line (128 KiB
            // an argument); the editor saves no quiz with errors: the findings of the line spliced in.
            const hex = Buffer.from(text).toString('hex');
            const edit = hex.length < 1 << 17 ? editor(file, String(line), hex) : { status: 4 };
            saved = kept ? bytes : edit.status === 0 ? edit.bytes : spliced(bytes, line, text);
            await showsEventually(tab, expected(row.name, saved, typed, !kept), `line ${line} typed`);
            await save(tab, row.name, edit.status === 4 ? null : saved);
        }
        assert.equal((await shown(tab)).title, `${row.name} - Match Maker Studio`, 'saved: no *');
        if (row.tryIt) await tryIt(tab, (await shown(tab)).lines);
        if (row.publish) published = await publish(tab, row.name, saved);
        await checkClean(tab);
    } finally {
        await tab.close();
    }
    if (published) await play(engine, way, published, row.publish);
}

// A quiz with CR LF ends with line (from 1) holding text instead.
function spliced(bytes, line, text) {
    const lines = bytes.toString('latin1').split('\r\n');
    lines[line - 1] = Buffer.from(text).toString('latin1');
    return Buffer.from(lines.join('\r\n'), 'latin1');
}

// The accessible name and description of the fields of these lines.
function fieldNames(tab, lines) {
    return tab.evaluate(
        (numbers) =>
            numbers.map((n) => {
                const field = document.getElementById(`line-${n}`);
                const described = document.getElementById(field.getAttribute('aria-describedby'));
                const name = field.getAttribute('aria-label') || field.labels[0].textContent;
                return [name, described ? described.textContent : ''];
            }),
        lines,
    );
}

// axe with a new quiz, with findings (and the fields' names), with the question to convert open,
// and after publishing.
async function axeRun(engine) {
    const tab = await openStudio(engine, 'file');
    const found = {};
    try {
        await loadAxe(tab);
        assert.equal((await shown(tab)).title, 'Untitled - Match Maker Studio');
        found['a new quiz'] = await violations(tab);
        await openQuiz(tab, 'names.qzt', QUIZZES.names);
        await until(
            () => tab.evaluate(() => document.querySelectorAll('#findings li').length),
            Boolean,
            'findings',
        );
        found['a quiz with findings'] = await violations(tab);
        assert.deepEqual(await fieldNames(tab, [11, 12, 14, 102]), [
            ['Question 3', ''],
            ['Question 3, answer A', 'votes for Kest'],
            ['Question 3, answer C', 'votes for (no name yet)'],
            ['Name for answer B', ''],
        ]);
        await openQuiz(tab, 'windows.qzt', QUIZZES.windows);
        await until(
            () => tab.evaluate(() => document.title.startsWith('windows.qzt')),
            Boolean,
            'windows.qzt opened',
        );
        await typeLine(tab, 50, '✓');
        await until(() => dialogOpen(tab, 'convert-dialog'), Boolean, 'the question to convert');
        found['the question to convert, while editing'] = await violations(tab);
        await press(tab, 'convert-no');
        await download(tab, 'publish');
        found['after publishing'] = await violations(tab);
        await checkClean(tab);
    } finally {
        await tab.close();
    }
    assert.deepEqual(found, Object.fromEntries(Object.keys(found).map((at) => [at, []])), 'axe');
}

// Installed from its own server, the studio reloads and opens a quiz with that server gone and the
// network cut. The page is the studio's own index.html, which the worker keeps: the console is
// watched from outside.
async function offline() {
    const server = await startServer(studio);
    const tab = await browsers.open('chromium');
    const problems = [];
    tab.page.on('pageerror', (error) => problems.push(error.message));
    tab.page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
    try {
        await tab.goto(`${server.url}index.html`);
        await until(
            () =>
                tab.evaluate(() =>
                    navigator.serviceWorker.getRegistration().then((r) => Boolean(r && r.active)),
                ),
            Boolean,
            'the service worker active',
        );
        await tab.reload();
        server.stop();
        await tab.page.setOfflineMode(true);
        await tab.reload();
        assert.ok(
            await tab.evaluate(() => Boolean(navigator.serviceWorker.controller)),
            'the worker serves the page',
        );
        await until(
            () => tab.evaluate(() => !document.getElementById('open').disabled),
            Boolean,
            'the studio started offline',
        );
        await openQuiz(tab, 'names.qzt', QUIZZES.names);
        const wanted = expected(
            'names.qzt',
            QUIZZES.names,
            [...episodeLines.slice(0, 100), 'Kest', 'Kest', '', 'Oro'],
            false,
        );
        await showsEventually(tab, wanted, 'the quiz opened offline');
        assert.deepEqual(problems, [], 'console clean');
    } finally {
        await tab.close();
        server.stop();
    }
}

for (const engine of ENGINES) {
    for (const way of WAYS)
        for (const row of ROWS)
            test(`${engine}, ${way}: ${row.what}`, { timeout: 120000 }, () => runRow(engine, way, row));
    test(`${engine}: axe on the studio at four points`, { timeout: 120000 }, () => axeRun(engine));
}
test('chromium, http: the studio offline from its service worker', { timeout: 120000 }, offline);
