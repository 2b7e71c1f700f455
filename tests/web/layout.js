// SPDX-License-Identifier: MIT
// The page's layouts and the cases they bring, in Chromium, Firefox and WebKit: the window's
// layout scaled to fill a desktop screen, German captions fitted when the page opens on a choice
// of quizzes, a question box that turns Tab stop once a wider layout makes it overflow, Copy
// keeping the result's lines where there is no clipboard API, and a name holding an emoji drawn
// whole in the result picture; and the development page, which loads the script's parts one by
// one. One test per row, engine and way.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { test, after } = require('node:test');
const { ENGINES, Browsers } = require('./browsers.js');
const {
    DATA,
    TESTED,
    writeQuiz,
    exportForTests,
    expectedPass,
    folderUrl,
    scratch,
    until,
} = require('./common.js');

const episodes = [path.join(DATA, 'episode1.qzt'), path.join(DATA, 'episode2.QZT')];
const NAMES = ['Kest \u{1F600}', 'Dorv', 'Oro', 'Bexal'];
const QUESTION = Array(4)
    .fill('A question long enough to fill more than its box in the window layout.')
    .join(' ');
const long = writeQuiz('long.qzt', [
    ...Array.from({ length: 100 }, (_, i) => (i % 5 ? `answer ${i}` : QUESTION)),
    ...NAMES,
]);
// The window's design (Main.ui) is 636 by 325 pixels.
const DESIGN = { width: 636, height: 325 };
const DESKTOP = { width: 1280, height: 800 };
const NARROW = { width: 360, height: 640 };
const TREE = path.join(__dirname, '../..');
// Every engine opens the page both from the disk and from a web server.
const WAYS = ['file', 'http'];

// Scripts that a row's page runs after the probe and before its own scripts.
const SCRIPTS = {
    // Where the page has no clipboard API (plain http from a LAN address): the API is put aside,
    // for the test alone to read what was copied.
    noClipboard: () => {
        window.testClipboard = navigator.clipboard;
        delete Navigator.prototype.clipboard;
    },
    // The texts drawn on a canvas.
    drawn: () => {
        const drawn = [];
        window.testDrawn = drawn;
        const fillText = CanvasRenderingContext2D.prototype.fillText;
        CanvasRenderingContext2D.prototype.fillText = function (text, ...at) {
            drawn.push(String(text));
            return fillText.call(this, text, ...at);
        };
    },
};

const browsers = new Browsers(scratch);
after(() => browsers.close());

const made = new Map();
function exported(files) {
    const key = files.join('\n');
    if (!made.has(key)) made.set(key, exportForTests(files));
    return made.get(key);
}

// The tested page of an export, or a copy of it that also runs one of SCRIPTS first.
function pageFile(page, script) {
    if (!script) return TESTED;
    const file = `tested-${script}.html`;
    fs.writeFileSync(path.join(page.dir, `${script}.js`), `'use strict';\n(${SCRIPTS[script]})();\n`);
    const tested = fs.readFileSync(path.join(page.dir, TESTED), 'utf8');
    fs.writeFileSync(
        path.join(page.dir, file),
        tested.replace('<script src="testprobe.js"></script>\n', `$&<script src="${script}.js"></script>\n`),
    );
    return file;
}

async function opened(engine, way, files, { script, locale = 'en-US', size = DESKTOP } = {}) {
    const page = exported(files);
    const tab = await browsers.open(engine, { ...size, locale });
    await tab.goto((await folderUrl(page.dir, way)) + pageFile(page, script));
    return { page, tab, T: page.T(locale.slice(0, 2)) };
}

async function pressButton(tab, name) {
    await tab.evaluate((button) => window.testProbe.get('button', button).focus(), name);
    await tab.press('Enter');
}

async function playToResults(tab, keys, T) {
    await until(
        () =>
            tab.evaluate(
                (name) => window.testProbe.all('heading').some((h) => h.textContent === name),
                T('Question'),
            ),
        Boolean,
        'question 1 shown',
    );
    for (const key of keys) await tab.press(key);
    await until(
        () =>
            tab.evaluate(
                (name) => window.testProbe.all('heading').some((h) => h.textContent === name),
                T('Your results!'),
            ),
        Boolean,
        'the results shown',
    );
}

async function checkClean(tab) {
    assert.deepEqual(await tab.evaluate(() => window.testProbe.problems()), [], 'console and requests clean');
}

// At 1280 by 800 with a fine pointer the window's layout fills the screen, keeping its proportions,
// centred.
async function fills(engine, way) {
    const { tab } = await opened(engine, way, [episodes[0]]);
    try {
        const shown = await tab.evaluate(() => {
            const root = document.documentElement;
            const box = window.testProbe.get('main').getBoundingClientRect();
            return {
                screen: [root.clientWidth, root.clientHeight],
                box: [box.left, box.top, box.width, box.height],
            };
        });
        assert.deepEqual(shown.screen, [DESKTOP.width, DESKTOP.height], "the page's viewport");
        const scale = Math.min(DESKTOP.width / DESIGN.width, DESKTOP.height / DESIGN.height);
        const want = [
            (DESKTOP.width - DESIGN.width * scale) / 2,
            (DESKTOP.height - DESIGN.height * scale) / 2,
            DESIGN.width * scale,
            DESIGN.height * scale,
        ];
        // Firefox keeps a font size in sixtieths of a pixel, so its scale may be a little smaller.
        const [, , width, height] = shown.box;
        assert.ok(
            want.every((v, k) => Math.abs(v - shown.box[k]) <= DESKTOP.width / 100),
            `the window at ${shown.box.map(Math.round)}, not ${want.map(Math.round)}`,
        );
        assert.ok(
            Math.abs(width / height - DESIGN.width / DESIGN.height) < 0.01,
            `the window ${width} by ${height} keeps its proportions`,
        );
        await checkClean(tab);
    } finally {
        await tab.close();
    }
}

// The quiz's two captions: whether each fits its box, and its size.
function captions(tab, T) {
    return tab.evaluate(
        (names) =>
            names.map((name) => {
                const caption = window.testProbe.get('heading', name);
                return {
                    name,
                    fits: caption.scrollWidth <= caption.clientWidth,
                    size: getComputedStyle(caption).fontSize,
                };
            }),
        [T('Question'), T('Answers')],
    );
}

// Opened on a choice of quizzes, in German, the captions are fitted once the chosen quiz is shown;
// a narrow layout gives them their full size back.
async function germanCaptions(engine, way) {
    const { tab, T } = await opened(engine, way, episodes, { locale: 'de-DE' });
    try {
        await pressButton(tab, path.basename(episodes[0]));
        const wide = await until(() => captions(tab, T).catch(() => null), Boolean, 'the quiz shown');
        assert.ok(
            wide.every((caption) => caption.fits),
            `every caption within its box: ${JSON.stringify(wide)}`,
        );
        await tab.resize(NARROW.width, NARROW.height);
        await until(
            () => captions(tab, T),
            (narrow) => narrow.every((caption) => caption.fits && caption.size === '24px'),
            'the captions at their full 24px in the narrow layout',
        );
        await checkClean(tab);
    } finally {
        await tab.close();
    }
}

// Opened narrow, the long question fits its growing box; widened, the window's fixed box
// overflows and becomes a Tab stop, so that the keyboard can scroll it; narrowed, it is not.
async function overflowTabStop(engine, way) {
    const { tab } = await opened(engine, way, [long], { size: NARROW });
    try {
        const tabIndex = () =>
            tab.evaluate((question) => window.testProbe.byText(question).getAttribute('tabindex'), QUESTION);
        await until(tabIndex, (index) => index === '-1', 'the question box not a Tab stop while it fits');
        await tab.resize(DESKTOP.width, DESKTOP.height);
        await until(tabIndex, (index) => index === '0', 'the question box a Tab stop once it overflows');
        await tab.resize(NARROW.width, NARROW.height);
        await until(tabIndex, (index) => index === '-1', 'the question box no Tab stop when it fits again');
        await checkClean(tab);
    } finally {
        await tab.close();
    }
}

// Without the clipboard API, Copy selects a hidden text area, which must keep the result's lines.
async function copyWithoutApi(engine, way) {
    const { page, tab, T } = await opened(engine, way, [episodes[0]], { script: 'noClipboard' });
    try {
        const keys = 'ABCDABCDABCDABCDABCA';
        await playToResults(tab, keys, T);
        await pressButton(tab, T('Copy'));
        await until(
            () => tab.evaluate(() => window.testProbe.get('status').textContent),
            (said) => said === T('Copied'),
            'Copy says it copied',
        );
        const copied = (await tab.clipboardText()).split(/\r?\n/);
        for (const line of expectedPass(page, 0, keys, T).words.details)
            assert.ok(
                copied.includes(line),
                `"${line.slice(0, 40)}" a line of its own in ${JSON.stringify(copied)}`,
            );
        await checkClean(tab);
    } finally {
        await tab.close();
    }
}

// The result picture draws a name that holds an emoji whole, with no "…" after it.
async function emojiPicture(engine, way) {
    const { tab, T } = await opened(engine, way, [long], { script: 'drawn' });
    try {
        await playToResults(tab, 'A'.repeat(20), T);
        await pressButton(tab, T('Save Picture'));
        const drawn = await until(
            () => tab.evaluate(() => window.testDrawn),
            (texts) => texts.length > 0,
            'the picture drawn',
        );
        assert.ok(drawn.includes(NAMES[0]), `"${NAMES[0]}" drawn whole among ${JSON.stringify(drawn)}`);
        assert.ok(
            !drawn.some((text) => text.includes('\u2026')),
            `nothing cut short in ${JSON.stringify(drawn)}`,
        );
        await until(
            () => fs.existsSync(path.join(tab.downloads, 'matchmaker-result.png')),
            Boolean,
            'the picture saved',
        );
        await checkClean(tab);
    } finally {
        await tab.close();
    }
}

// The development page where it stands in the tree, beside the data and artwork its sample quiz
// uses: a copy of publish/web, with the probe loaded first as in the exported page.
let tree = null;
function devPage() {
    if (tree) return tree;
    tree = path.join(scratch, 'tree/publish/web');
    fs.cpSync(path.join(TREE, 'publish/web'), tree, { recursive: true });
    for (const folder of ['data', 'assets'])
        fs.symlinkSync(path.join(TREE, folder), path.join(scratch, 'tree', folder));
    fs.copyFileSync(path.join(__dirname, 'probe.js'), path.join(tree, 'testprobe.js'));
    const page = fs.readFileSync(path.join(tree, 'dev.html'), 'utf8');
    const tested = page.replace(
        /<meta http-equiv="Content-Security-Policy"[^>]*>\n/,
        '$&<script src="testprobe.js"></script>\n',
    );
    assert.notEqual(tested, page, 'dev.html has a Content-Security-Policy');
    fs.writeFileSync(path.join(tree, TESTED), tested);
    return tree;
}

// The development page plays its sample quiz to the results under the page's policy.
async function development(engine, way) {
    const tab = await browsers.open(engine);
    try {
        await tab.goto((await folderUrl(devPage(), way)) + TESTED);
        const T = (english) => english;
        await playToResults(tab, 'D'.repeat(20), T);
        assert.ok(
            await tab.evaluate(() => window.testProbe.all('img').every((image) => image.naturalWidth > 0)),
            'the pictures shown',
        );
        // The sample quiz's pictures and clips are the tree's, outside the page's folder.
        const inTree = `request outside the folder: ${await folderUrl(path.dirname(path.dirname(devPage())), way)}`;
        const problems = await tab.evaluate(() => window.testProbe.problems());
        assert.deepEqual(
            problems.filter((problem) => !problem.startsWith(inTree)),
            [],
            'console and requests clean',
        );
    } finally {
        await tab.close();
    }
}

// The development page loads the parts in the order in which the export joins them.
test('the development page loads the parts the export joins, in its order', () => {
    const page = exported([episodes[0]]);
    const joined = /^\/\/ The page's script: publish\/web\/(.*) of /m.exec(
        fs.readFileSync(path.join(page.dir, 'player.js'), 'utf8'),
    );
    const loaded = [
        ...fs
            .readFileSync(path.join(TREE, 'publish/web/dev.html'), 'utf8')
            .matchAll(/<script defer src="([^"]+)">/g),
    ];
    assert.deepEqual(
        loaded.map((script) => script[1]),
        ['dev-quiz.js', ...joined[1].split(', ')],
    );
});

const ROWS = [
    { what: 'the window scaled to fill a desktop screen', run: fills },
    {
        what: 'German captions fitted after the choice of quizzes, full size when narrow',
        run: germanCaptions,
    },
    { what: 'the question box a Tab stop once widening makes it overflow', run: overflowTabStop },
    { what: "Copy without the clipboard API keeps the result's lines", run: copyWithoutApi },
    { what: 'a name with an emoji drawn whole in the picture', run: emojiPicture },
    { what: 'the development page plays from the tree', run: development },
];

for (const engine of ENGINES) {
    for (const way of WAYS) {
        for (const row of ROWS)
            test(`${engine}, ${way}: ${row.what}`, { timeout: 120000 }, () => row.run(engine, way));
    }
}
