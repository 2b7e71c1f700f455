// SPDX-License-Identifier: MIT
// Cases of the page in headless Chromium: a name holding an emoji drawn whole in the result
// picture, a question box that becomes a Tab stop once a wider layout makes it overflow, and the
// development page, which loads the script's parts one by one as the export joins them.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { execFileSync } = require('node:child_process');
const { pathToFileURL } = require('node:url');
const vm = require('node:vm');
const { chromium } = require('playwright-core');

const EXPORT = (process.env.MATCHMAKER_EXPORT || '').split(/\s+/).filter(Boolean);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'matchmaker-fixes-'));
process.on('exit', () => fs.rmSync(scratch, { recursive: true, force: true }));

const names = ['Kest \u{1F600}', 'Dorv', 'Oro', 'Bexal'];
const question = 'A question long enough to fill more than its box in the window layout. '.repeat(4);
const lines = Array.from({ length: 100 }, (_, i) => (i % 5 ? `answer ${i}` : question)).concat(names);

const WEB = path.join(__dirname, '../../publish/web');
const rulesOf = (script) => {
    const window = {};
    vm.runInNewContext(fs.readFileSync(script, 'utf8'), { window });
    // As plain data of this context, to compare.
    return JSON.parse(JSON.stringify(window.MatchMakerQuizzes.rules));
};
let dir;

function exported() {
    const quiz = path.join(scratch, 'long.qzt');
    fs.writeFileSync(quiz, lines.join('\r\n') + '\r\n');
    dir = path.join(scratch, 'page');
    execFileSync(EXPORT[0], [...EXPORT.slice(1), dir, quiz], {
        cwd: process.env.MATCHMAKER_DATA,
        stdio: 'ignore',
    });
    return pathToFileURL(path.join(dir, 'index.html')).href;
}

const skip = EXPORT.length === 0 && 'MATCHMAKER_EXPORT is not set';

test('the exported page', { skip }, async (t) => {
    const url = exported();
    const browser = await chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        args: ['--headless', '--no-sandbox', '--disable-gpu'],
    });
    t.after(() => browser.close());

    await t.test('a name with an emoji is drawn whole in the picture', async () => {
        const page = await browser.newPage();
        // The texts drawn, once the picture is made.
        await page.addInitScript(() => {
            const drawn = [];
            const fillText = CanvasRenderingContext2D.prototype.fillText;
            CanvasRenderingContext2D.prototype.fillText = function (text, ...at) {
                drawn.push(String(text));
                return fillText.call(this, text, ...at);
            };
            const toBlob = HTMLCanvasElement.prototype.toBlob;
            window.drawn = new Promise((resolve) => {
                HTMLCanvasElement.prototype.toBlob = function (...args) {
                    resolve(drawn);
                    return toBlob.apply(this, args);
                };
            });
        });
        await page.goto(url);
        for (let i = 0; i < 20; ++i) await page.keyboard.press('A');
        await page.getByRole('button', { name: 'Save Picture' }).click();
        const drawn = await page.evaluate(() => window.drawn);
        assert.ok(drawn.includes(names[0]), drawn.join(' | '));
    });

    await t.test('the question box is a Tab stop when a wider layout makes it overflow', async () => {
        const page = await browser.newPage({ viewport: { width: 360, height: 640 } });
        await page.goto(url);
        const box = page.locator('#text0');
        await assert.doesNotReject(box.and(page.locator('[tabindex="-1"]')).waitFor());
        await page.setViewportSize({ width: 1280, height: 800 });
        await assert.doesNotReject(box.and(page.locator('[tabindex="0"]')).waitFor());
        await page.setViewportSize({ width: 360, height: 640 });
        await assert.doesNotReject(box.and(page.locator('[tabindex="-1"]')).waitFor());
    });
});

test("the development page plays from the source tree under the page's policy", { skip }, async (t) => {
    const parts = /^\/\/ The page's script: publish\/web\/(.*) of /m.exec(
        fs.readFileSync(path.join(dir, 'player.js'), 'utf8'),
    );
    const loaded = [
        ...fs.readFileSync(path.join(WEB, 'dev.html'), 'utf8').matchAll(/<script defer src="([^"]+)">/g),
    ];
    assert.deepStrictEqual(
        loaded.map((script) => script[1]),
        ['dev-quiz.js', ...parts[1].split(', ')],
    );
    const browser = await chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        args: ['--headless', '--no-sandbox'],
    });
    t.after(() => browser.close());
    const page = await browser.newPage();
    const problems = [];
    page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
    page.on('pageerror', (error) => problems.push(error.message));
    await page.goto(pathToFileURL(path.join(WEB, 'dev.html')).href);
    for (let i = 0; i < 20; ++i) await page.keyboard.press('D');
    await page.getByRole('heading', { name: 'Your results!' }).waitFor();
    assert.ok(
        await page.evaluate(() => document.getElementById('image1').naturalWidth > 0),
        'the logo is shown',
    );
    assert.deepStrictEqual(problems, []);
    assert.deepStrictEqual(rulesOf(path.join(WEB, 'dev-quiz.js')), rulesOf(path.join(dir, 'quizzes.js')));
});
