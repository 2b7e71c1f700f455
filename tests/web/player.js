// SPDX-License-Identifier: MIT
// The exported page in Chromium, Firefox and WebKit, from file:// and over http, played to its
// results by keys alone: one table of exports (hostile names, the shipped quizzes, a Windows-1252
// quiz, two quizzes at once), then a phone's sizes, and the window's design at its positions. One
// test per row, engine and way; elements are found by role and name, as assistive technology
// finds them.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { test, after } = require('node:test');
const { ENGINES, Browsers } = require('./browsers.js');
const {
    DATA,
    TESTED,
    scratch,
    writeQuiz,
    exportForTests,
    exportSingleFileForTests,
    expectedPass,
    playPass,
    resultsShown,
    folderUrl,
    until,
} = require('./common.js');

const questions = (make) => Array.from({ length: 100 }, (_, i) => make(i));
const hostile = writeQuiz('hostile.qzt', [
    ...questions((i) =>
        i % 5
            ? `<i>answer</i> ${i} &amp;`
            : `Question ${i / 5 + 1} <script>document.title='owned'</script> %1`,
    ),
    '<img src=x onerror="document.title=\'owned\'">',
    '</script><!--\u2028\u2029 \u202Egnp.exe\u202C',
    'K'.repeat(10000),
    '',
]);
const windows1252 = writeQuiz('windows.qzt', [
    ...questions((i) => Buffer.from(`Caf\xe9 \x93${i}\x94`, 'latin1')),
    ...['Ren\xe9e', '\x80uro', 'Zo\xeb', 'Kest'].map((name) => Buffer.from(name, 'latin1')),
]);
const episode1 = path.join(DATA, 'episode1.qzt');
const episode2 = path.join(DATA, 'episode2.QZT');

const ROWS = [
    {
        what: 'hostile names, a tie won by the later, isolated name',
        files: [hostile],
        keys: 'AB'.repeat(10),
        timers: true,
    },
    {
        what: 'hostile names, with Backs, the 10,000-character name',
        files: [hostile],
        keys: `<${'C'.repeat(12)}<<${'A'.repeat(10)}`,
        picture: true,
    },
    { what: 'hostile names, the empty name wins: no winner', files: [hostile], keys: 'D'.repeat(20) },
    { what: 'hostile names, the <img> name wins', files: [hostile], keys: 'A'.repeat(20) },
    {
        what: 'episode1.qzt copied, taken again',
        files: [episode1],
        copy: true,
        picture: true,
        keys: 'ABCDABCDABCDABCDABCA',
        again: 'BBBBBBBBBB<CCCCCCCCCCC',
    },
    { what: 'episode2.QZT in German', files: [episode2], locale: 'de-DE', keys: 'DDDDDDDDDDCCCCCCCCCC' },
    { what: 'Windows-1252 quiz', files: [windows1252], keys: 'DDDDDADDDDDDDDDDDDDD' },
    {
        what: 'two quizzes: the second from the choice',
        files: [episode1, episode2],
        pick: 1,
        keys: 'BBBBBBBBBBBBBBBBBBBB',
    },
    { what: 'sound switched off', files: [episode1], keys: 'A'.repeat(20), soundOff: true },
    // The page as one file (--single-file), its pictures and clips inside it.
    { what: 'one file: hostile names', files: [hostile], single: true, keys: 'AB'.repeat(10), timers: true },
    { what: 'one file: episode1.qzt', files: [episode1], single: true, keys: 'ABCDABCDABCDABCDABCA' },
    {
        what: 'one file: episode2.QZT in German',
        files: [episode2],
        single: true,
        locale: 'de-DE',
        keys: 'DDDDDDDDDDCCCCCCCCCC',
    },
    { what: 'one file: Windows-1252 quiz', files: [windows1252], single: true, keys: 'DDDDDADDDDDDDDDDDDDD' },
    {
        what: 'one file: two quizzes, the second from the choice',
        files: [episode1, episode2],
        single: true,
        pick: 1,
        keys: 'BBBBBBBBBBBBBBBBBBBB',
    },
];
// A phone upright, then held sideways.
const PHONES = [
    { width: 360, height: 640 },
    { width: 640, height: 360 },
    { width: 667, height: 375 },
    { width: 844, height: 390 },
];
// Every engine opens the page both from the disk and from a web server.
const WAYS = ['file', 'http'];

// The clip the exporter gives each name (matched exactly), and the one for no winner.
const CLIPS = {
    Kest: 'kestsound.wav',
    Dorv: 'dorvsound.wav',
    Oro: 'orosound.wav',
    Bexal: 'bexalsound.wav',
    '': 'main.wav',
};
// The window's design (Main.ui) is 636 pixels wide; a larger screen may show it scaled.
const DESIGN_WIDTH = 636;

const browsers = new Browsers(scratch);
after(() => browsers.close());

// Each export is made once and opened in every engine, both ways.
const made = new Map();
function exported(files, single) {
    const key = `${single ? 'single\n' : ''}${files.join('\n')}`;
    if (!made.has(key)) made.set(key, single ? exportSingleFileForTests(files) : exportForTests(files));
    return made.get(key);
}

async function checkResults(tab, expected, clip) {
    const { words } = expected;
    const shown = await until(
        () => resultsShown(tab, words.title),
        (state) => state && state.focused,
        'the results focused',
    );
    assert.equal(shown.prompt, words.prompt);
    assert.deepEqual(shown.details, words.details);
    assert.ok(shown.live.includes(words.prompt), `the results announced: ${shown.live.slice(0, 80)}`);
    assert.deepEqual(shown.played, clip ? [clip] : [], 'the clips played');
    assert.ok(!shown.pageTitle.includes('owned') && shown.markup === 0, 'quiz text made no element');
}

// Presses a button found by its name from the keyboard: focus, then Enter.
async function pressButton(tab, name) {
    await tab.evaluate((button) => window.testProbe.get('button', button).focus(), name);
    await tab.press('Enter');
}

async function savePicture(tab, T) {
    await pressButton(tab, T('Save Picture'));
    const file = path.join(tab.downloads, 'matchmaker-result.png');
    // Complete once the PNG's last chunk is there.
    const png = await until(
        () => (fs.existsSync(file) ? fs.readFileSync(file) : Buffer.alloc(0)),
        (bytes) => bytes.includes('IEND'),
        'the picture saved',
    );
    assert.deepEqual(
        [png.readUInt32BE(16), png.readUInt32BE(20)],
        [1200, 630],
        'Save Picture gives a 1200x630 PNG',
    );
    fs.rmSync(file);
}

async function copyResult(tab, expected, T) {
    await pressButton(tab, T('Copy'));
    await until(
        () => tab.evaluate(() => window.testProbe.get('status').textContent),
        (said) => said === T('Copied'),
        'Copy says it copied',
    );
    const copied = await tab.clipboardText();
    for (const line of expected.words.details)
        assert.ok(copied.includes(line), `the clipboard holds "${line.slice(0, 40)}"`);
}

// The banner's timer stops while the tab is hidden and starts again when it is shown. The switches
// are read after the first paint, so the banner may not have started yet.
async function checkTimers(tab) {
    await until(
        () => tab.evaluate(() => window.testProbe.running.size),
        (size) => size === 1,
        'the banner runs',
    );
    const running = (hidden) =>
        tab.evaluate((h) => {
            Object.defineProperty(document, 'hidden', { configurable: true, get: () => h });
            document.dispatchEvent(new Event('visibilitychange'));
            return window.testProbe.running.size;
        }, hidden);
    assert.deepEqual(
        [await running(true), await running(false)],
        [0, 1],
        'the banner stops while the tab is hidden',
    );
}

// The controls of the window's design, in its pixels from its top left corner.
async function checkDesign(tab, lines, T) {
    const design = {
        logo: [8, 136, 200, 75],
        question: [24, 208, 105, 33],
        answers: [328, 128, 97, 33],
        questionBox: [24, 240, 193, 67],
        answerA: [464, 128, 145, 27],
        answerD: [464, 224, 145, 27],
        buttonA: [432, 136, 25, 17],
        buttonD: [432, 232, 25, 17],
        website: [384, 256],
        email: [384, 280],
    };
    const shown = await tab.evaluate(
        (names, designWidth) => {
            const probe = window.testProbe;
            const main = probe.get('main').getBoundingClientRect();
            const scale = main.width / designWidth;
            const links = probe.all('link', probe.get('main'));
            const at = (element) => {
                const r = element.getBoundingClientRect();
                return [r.left - main.left, r.top - main.top, r.width, r.height].map((v) => v / scale);
            };
            return {
                logo: at(probe.get('img', names.logo)),
                question: at(probe.get('heading', names.question)),
                answers: at(probe.get('heading', names.answers)),
                questionBox: at(probe.byText(names.lines[0])),
                answerA: at(probe.byText(names.lines[1])),
                answerD: at(probe.byText(names.lines[4])),
                buttonA: at(probe.get('button', `A ${names.lines[1]}`)),
                buttonD: at(probe.get('button', `D ${names.lines[4]}`)),
                website: at(links[0]),
                email: at(links[1]),
            };
        },
        {
            logo: T('Brindlecast logo'),
            question: T('Question'),
            answers: T('Answers'),
            lines: lines.slice(0, 5),
        },
        DESIGN_WIDTH,
    );
    for (const [control, box] of Object.entries(design)) {
        assert.ok(
            box.every((v, k) => Math.abs(v - shown[control][k]) < 1),
            `${control} at ${shown[control].map(Math.round)}, the design has ${box}`,
        );
    }
}

// Tabs to the quiz of this name in the choice and starts it.
async function chooseQuiz(tab, name) {
    for (let tabs = 0; tabs < 10; ++tabs) {
        await tab.press('Tab');
        const focused = await tab.evaluate(() => [
            window.testProbe.role(document.activeElement),
            document.activeElement.textContent,
        ]);
        if (focused[0] === 'button' && focused[1] === name) {
            await tab.press('Enter');
            return;
        }
    }
    assert.fail(`Tab does not reach the quiz ${name}`);
}

async function leftTo(tab) {
    return tab.evaluate(() => {
        const probe = window.testProbe;
        const focused = document.activeElement;
        return { role: probe.role(focused), text: focused.textContent, lang: document.documentElement.lang };
    });
}

async function checkClean(tab) {
    assert.deepEqual(await tab.evaluate(() => window.testProbe.problems()), [], 'console and requests clean');
}

async function playRow(engine, way, row) {
    const page = exported(row.files, row.single);
    const language = (row.locale || 'en').slice(0, 2);
    const T = page.T(language);
    const which = row.pick || 0;
    const lines = page.engine.data.quizzes[which].lines;
    assert.deepEqual(
        JSON.parse(JSON.stringify(lines)),
        page.lines[which],
        'the export reads the quiz as the tests do',
    );
    const tab = await browsers.open(engine, { locale: row.locale || 'en-US' });
    try {
        await tab.goto((await folderUrl(page.dir, way)) + TESTED);
        if (row.files.length > 1) await chooseQuiz(tab, path.basename(row.files[which]));
        // The one file's pictures take their places after its first paint.
        if (row.single)
            await until(
                () => tab.evaluate(() => !document.getElementById('image1').hidden),
                Boolean,
                'the pictures placed',
            );
        if (row.timers) {
            await checkTimers(tab);
            await checkDesign(tab, lines, T);
        }
        if (row.soundOff) await tab.press('M');
        for (const keys of [row.keys, row.again].filter(Boolean)) {
            const expected = expectedPass(page, which, keys, T);
            await playPass(tab, keys, expected, T);
            const clip = row.soundOff ? null : CLIPS[lines[100 + expected.result.winner]];
            await checkResults(tab, expected, clip);
            if (row.picture) await savePicture(tab, T);
            if (row.copy) await copyResult(tab, expected, T);
            if (clip) {
                await until(
                    () => tab.evaluate(() => window.testProbe.played.map((played) => played.ended)),
                    (ended) => ended.every(Boolean),
                    'the clip played to its end',
                );
                await tab.evaluate(() => window.testProbe.played.splice(0).length);
            }
            await pressButton(tab, T(keys === row.again || !row.again ? 'Leave' : 'Take it again'));
        }
        // Leave goes back to the choice of quizzes, or ends with thanks.
        const end =
            row.files.length > 1
                ? ['heading', T('Choose a quiz')]
                : ['paragraph', T('Thank you for playing. You can close this page now.')];
        const left = await until(
            () => leftTo(tab),
            (focused) => focused.role === end[0] && focused.text === end[1],
            'the focus after Leave',
        );
        assert.equal(left.lang, language, "the page's language");
        await checkClean(tab);
    } finally {
        await tab.close();
    }
}

// Controls under 44 by 44, and whether the page scrolls sideways.
function measure(tab) {
    return tab.evaluate(() => {
        const root = document.documentElement;
        const small = Array.from(document.querySelectorAll('button, a[href], [tabindex="0"]'))
            .filter((element) => element.getClientRects().length)
            .map((element) => element.getBoundingClientRect())
            .filter((r) => r.width < 44 || r.height < 44);
        return {
            sideways: root.scrollWidth > root.clientWidth,
            small: small.map((r) => `${Math.round(r.width)}x${Math.round(r.height)}`),
        };
    });
}

// The banner switch once the page has read the remembered switches, and the timers running.
function motion(tab, T) {
    return until(
        () =>
            tab.evaluate((name) => {
                const probe = window.testProbe;
                const button = probe.get('button', name);
                return probe.written.has(button) && [button.getAttribute('aria-pressed'), probe.running.size];
            }, T('Move the banner')),
        Boolean,
        'the switches read',
    );
}

// On a phone nothing scrolls sideways and every control is at least 44 by 44, at question 1 and
// at the results; where less motion is asked for, the banner waits until switched on.
async function phone(engine, way, size) {
    const page = exported([hostile]);
    const T = page.T('en');
    const tab = await browsers.open(engine, { ...size, reducedMotion: true });
    try {
        await tab.goto((await folderUrl(page.dir, way)) + TESTED);
        assert.deepEqual(await motion(tab, T), ['false', 0], 'banner still where less motion is asked for');
        await tab.press('P');
        await tab.reload();
        assert.deepEqual(await motion(tab, T), ['true', 1], 'banner switched on and remembered');
        assert.deepEqual(await measure(tab), { sideways: false, small: [] }, 'question 1 fits a phone');
        for (const key of 'C'.repeat(20)) await tab.press(key);
        await until(
            () => resultsShown(tab, T('Your results!')),
            (state) => state && state.focused,
            'the results focused',
        );
        assert.deepEqual(await measure(tab), { sideways: false, small: [] }, 'the results fit a phone');
        await checkClean(tab);
    } finally {
        await tab.close();
    }
}

for (const engine of ENGINES) {
    for (const way of WAYS) {
        for (const row of ROWS)
            test(`${engine}, ${way}: ${row.what}`, { timeout: 120000 }, () => playRow(engine, way, row));
        for (const size of PHONES)
            test(`${engine}, ${way}: a phone at ${size.width}x${size.height}`, { timeout: 120000 }, () =>
                phone(engine, way, size),
            );
    }
}
