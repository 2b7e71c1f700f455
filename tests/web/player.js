// SPDX-License-Identifier: MIT
// The exported page in headless Chromium, played to its results by keys alone: one table of
// exports (hostile names, the shipped quizzes, a Windows-1252 quiz, two quizzes at once), from
// file:// and over http. Then the phone's size, and the window's design at its pixel positions.
'use strict';
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const fs = require('node:fs');
const {
    DATA,
    writeQuiz,
    exportQuizzes,
    serve,
    launch,
    openPage,
    expectedResult,
    within,
    finish,
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
        what: 'hostile names over http, with Backs, the 10,000-character name',
        files: [hostile],
        http: true,
        keys: `<${'C'.repeat(12)}<<${'A'.repeat(10)}`,
        picture: true,
    },
    { what: 'hostile names, the empty name wins: no winner', files: [hostile], keys: 'D'.repeat(20) },
    { what: 'hostile names, the <img> name wins', files: [hostile], keys: 'A'.repeat(20) },
    {
        what: 'episode1.qzt over http, copied, taken again',
        files: [episode1],
        http: true,
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
];

// The clip the exporter gives each name (matched exactly), and the one for no winner.
const CLIPS = {
    Kest: 'kestsound.wav',
    Dorv: 'dorvsound.wav',
    Oro: 'orosound.wav',
    Bexal: 'bexalsound.wav',
    '': 'main.wav',
};
const failures = [];
let passed = 0;

// Keys of one pass; after each, the question the engine should be on is on screen.
async function playPass(page, lines, keys, check) {
    let given = 0;
    for (const key of keys) {
        await page.keyboard.press(key === '<' ? 'Backspace' : key);
        const moved = key === '<' ? given > 0 : 'ABCD'.includes(key);
        given += moved ? (key === '<' ? -1 : 1) : 0;
        if (given === 20 || !moved) continue;
        const state = await page.evaluate(() => ({
            question: document.getElementById('text0').textContent,
            focus: document.activeElement.id,
            live: document.getElementById('live').textContent,
        }));
        check(
            state.question === lines[5 * given] &&
                state.focus === 'text0' &&
                state.live.endsWith(lines[5 * given]),
            `after ${key} question ${given + 1} shown, focused and announced`,
        );
    }
}

async function checkResults(page, expected, clip, check) {
    const shown = await page.evaluate(() => ({
        title: document.getElementById('resultsTitle').textContent,
        prompt: document.getElementById('prompt').textContent,
        details: Array.from(document.querySelectorAll('#details li'), (li) => li.textContent),
        focus: document.activeElement.id,
        live: document.getElementById('live').textContent,
        played: window.testPlayed.splice(0).map((src) => src.split('/').pop()),
        pageTitle: document.title,
        elements: document.images.length + document.scripts.length,
        handlers: Array.from(document.querySelectorAll('*')).filter((e) =>
            e.getAttributeNames().some((a) => a.startsWith('on')),
        ).length,
    }));
    check(
        shown.title === expected.title && shown.prompt === expected.prompt,
        `prompt ${JSON.stringify(shown.prompt.slice(0, 80))}`,
    );
    check(
        JSON.stringify(shown.details) === JSON.stringify(expected.details),
        `details ${JSON.stringify(shown.details).slice(0, 200)}`,
    );
    check(
        shown.focus === 'resultsTitle' && shown.live.includes(expected.prompt),
        'results focused and announced',
    );
    check(
        JSON.stringify(shown.played) === JSON.stringify(clip ? [clip] : []),
        `clips played: ${shown.played}`,
    );
    // The page's two pictures and two scripts, and nothing a quiz line could have made.
    check(
        !shown.pageTitle.includes('owned') && shown.elements === 4 && shown.handlers === 0,
        'quiz text made no element',
    );
}

async function savePicture(page, check) {
    const [download] = await Promise.all([
        page.waitForEvent('download'),
        page.focus('#save').then(() => page.keyboard.press('Enter')),
    ]);
    const png = fs.readFileSync(await download.path());
    check(png.readUInt32BE(16) === 1200 && png.readUInt32BE(20) === 630, 'Save Picture gives a 1200x630 PNG');
}

async function copyResult(page, context, base, expected, T, check) {
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], {
        origin: base.replace(/\/$/, ''),
    });
    await page.focus('#copy');
    await page.keyboard.press('Enter');
    // Polled here: waitForFunction evaluates a string, which the page's policy refuses.
    for (let tries = 0; tries < 50 && (await page.textContent('#copied')) !== T('Copied'); ++tries)
        await page.waitForTimeout(100);
    const copied = await page.evaluate(() => navigator.clipboard.readText());
    check(
        (await page.textContent('#copied')) === T('Copied') &&
            expected.details.every((line) => copied.includes(line)),
        'Copy puts the votes on the clipboard and says so',
    );
}

// The geometry of the window's design (Main.ui), in pixels from its top left corner.
const DESIGN = [
    ['image1', 8, 136, 200, 75],
    ['label1', 24, 208, 105, 33],
    ['label2', 328, 128, 97, 33],
    ['text0', 24, 240, 193, 67],
    ['text1', 464, 128, 145, 27],
    ['text4', 464, 224, 145, 27],
    ['command2', 432, 136, 25, 17],
    ['command5', 432, 232, 25, 17],
    ['urllink1', 384, 256],
    ['urllink2', 384, 280],
];

async function checkDesign(page, check) {
    const rects = await page.evaluate(
        (ids) => {
            const window = document.getElementById('window').getBoundingClientRect();
            return ids.map((id) => {
                const r = document.getElementById(id).getBoundingClientRect();
                return [id, r.left - window.left, r.top - window.top, r.width, r.height];
            });
        },
        DESIGN.map((entry) => entry[0]),
    );
    DESIGN.forEach((design, i) =>
        check(
            design.slice(1).every((v, k) => Math.abs(v - rects[i][k + 1]) < 1),
            `${design[0]} at ${rects[i].slice(1).map(Math.round)}, the design has ${design.slice(1)}`,
        ),
    );
}

async function playRow(browser, row) {
    const exported = exportQuizzes(row.files);
    const server = row.http ? await serve(exported.dir) : null;
    const base = server ? server.base : pathToFileURL(exported.dir).href + '/';
    const { page, context, problems } = await openPage(browser, base, { locale: row.locale || 'en-US' });
    const table = exported.tables[(row.locale || 'en').slice(0, 2)] || {};
    const T = (text) => table[text] || text;
    const before = failures.length;
    const check = (ok, what) => (ok ? passed++ : failures.push(`${row.what}: ${what}`));
    const lines = exported.quizzes[row.pick || 0].lines;
    try {
        for (let tab = 0; row.files.length > 1 && tab <= row.pick; ++tab) await page.keyboard.press('Tab');
        if (row.files.length > 1) await page.keyboard.press('Enter');
        if (row.timers) {
            await checkTimers(page, check);
            await checkDesign(page, check);
        }
        if (row.soundOff) await page.keyboard.press('M');
        for (const keys of [row.keys, row.again].filter(Boolean)) {
            const expected = expectedResult(lines, keys, table);
            await playPass(page, lines, keys, check);
            await checkResults(
                page,
                expected,
                row.soundOff ? null : CLIPS[lines[100 + expected.winner]],
                check,
            );
            if (row.picture) await savePicture(page, check);
            if (row.copy) await copyResult(page, context, base, expected, T, check);
            await page.focus(keys === row.again || !row.again ? '#leave' : '#again');
            await page.keyboard.press('Enter');
        }
        const after = await page.evaluate(() => document.activeElement.id);
        check(after === (row.files.length > 1 ? 'choiceTitle' : 'end'), `Leave goes to the ${after}`);
        check(
            (await page.evaluate(() => document.documentElement.lang)) === (row.locale || 'en').slice(0, 2),
            'language',
        );
    } catch (error) {
        failures.push(`${row.what}: ${error.message.split('\n')[0]}`);
    }
    problems.forEach((problem) => failures.push(`${row.what}: ${problem}`));
    console.log(`${failures.length === before ? 'ok  ' : 'FAIL'} ${row.what} (${base.slice(0, 4)})`);
    await context.close();
    if (server) server.stop();
}

// The banner's timer stops while the tab is hidden and starts again when it is shown.
async function checkTimers(page, check) {
    const running = (hidden) =>
        page.evaluate((h) => {
            Object.defineProperty(document, 'hidden', { configurable: true, get: () => h });
            document.dispatchEvent(new Event('visibilitychange'));
            return window.testRunning.size;
        }, hidden);
    check(
        (await running(true)) === 0 && (await running(false)) === 1,
        'the banner stops while the tab is hidden',
    );
}

// On a phone nothing scrolls sideways and every control is at least 44 by 44, at question 1 and
// at the results; where less motion is asked for, the banner waits until switched on.
async function phone(browser) {
    const exported = exportQuizzes([hostile]);
    const base = pathToFileURL(exported.dir).href + '/';
    const { page, context, problems } = await openPage(browser, base, {
        viewport: { width: 360, height: 640 },
        reducedMotion: 'reduce',
    });
    const check = (ok, what) => (ok ? passed++ : failures.push(`phone: ${what}`));
    const measure = (where) =>
        page.evaluate((w) => {
            const root = document.documentElement;
            const small = Array.from(document.querySelectorAll('button, a[href], [tabindex="0"]'))
                .filter((e) => e.getClientRects().length)
                .map((e) => e.getBoundingClientRect())
                .filter((r) => r.width < 44 || r.height < 44);
            return [
                root.scrollWidth <= root.clientWidth ? '' : `${w}: scrolls sideways`,
                small.length ? `${w}: ${small.length} controls under 44x44` : '',
            ];
        }, where);
    try {
        // The switches are read once the page is painted: a frame and a task later.
        const motion = () =>
            within(
                5000,
                'the switches',
                page.evaluate(
                    () =>
                        new Promise((resolve) =>
                            requestAnimationFrame(() =>
                                setTimeout(
                                    () =>
                                        resolve([
                                            document.getElementById('move').getAttribute('aria-pressed'),
                                            window.testRunning.size,
                                        ]),
                                    50,
                                ),
                            ),
                        ),
                ),
            );
        check(
            JSON.stringify(await motion()) === '["false",0]',
            'banner still where less motion is asked for',
        );
        await page.keyboard.press('P');
        await page.reload();
        check(JSON.stringify(await motion()) === '["true",1]', 'banner switched on and remembered');
        (await measure('question 1')).forEach((problem) => check(!problem, problem));
        for (const key of 'C'.repeat(20)) await page.keyboard.press(key);
        (await measure('results')).forEach((problem) => check(!problem, problem));
    } catch (error) {
        failures.push(`phone: ${error.message.split('\n')[0]}`);
    }
    problems.forEach((problem) => failures.push(`phone: ${problem}`));
    await context.close();
}

(async () => {
    const browser = await launch();
    try {
        for (const row of ROWS) await playRow(browser, row);
        await phone(browser);
    } finally {
        await browser.close();
    }
    finish('web_player', failures, passed);
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
