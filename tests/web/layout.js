// SPDX-License-Identifier: MIT
// The page's layouts in headless Chromium: the window's layout scaled to fill a desktop screen,
// German captions fitted to it when the page opens on a choice of quizzes, touch-sized targets on
// a phone held either way, and Copy without the clipboard API keeping the result's lines.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { DATA, exportQuizzes, launch } = require('./common.js');

const two = exportQuizzes([path.join(DATA, 'episode1.qzt'), path.join(DATA, 'episode2.QZT')]);
const url = pathToFileURL(two.dir).href + '/index.html';

// Each visible control under 44 by 44 pixels, by its id or text, and whether the page scrolls sideways.
const smallControls = (page) =>
    page.evaluate(() => ({
        small: Array.from(document.querySelectorAll('button, a[href], [tabindex="0"]'))
            .filter((e) => e.getClientRects().length)
            .filter((e) => e.getBoundingClientRect().width < 44 || e.getBoundingClientRect().height < 44)
            .map((e) => e.id || e.textContent),
        sideways: document.documentElement.scrollWidth > document.documentElement.clientWidth,
    }));

test('the layouts', async (t) => {
    const browser = await launch();
    t.after(() => browser.close());

    await t.test('a desktop screen gets the window scaled to fill it, centred', async () => {
        const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
        await page.goto(url);
        const box = await page.evaluate(() =>
            document.getElementById('window').getBoundingClientRect().toJSON(),
        );
        const scale = Math.min(1280 / 636, 800 / 325);
        for (const [got, want] of [
            [box.width, 636 * scale],
            [box.height, 325 * scale],
            [box.top, (800 - 325 * scale) / 2],
        ])
            assert.ok(Math.abs(got - want) < 1, JSON.stringify(box));
        await page.close();
    });

    await t.test('German captions fit their boxes after the choice, and grow back when narrow', async () => {
        const page = await browser.newPage({ viewport: { width: 1280, height: 800 }, locale: 'de-DE' });
        await page.goto(url);
        await page.click('#quizList button');
        const captions = () =>
            page.evaluate(() =>
                ['label1', 'label2']
                    .map((id) => document.getElementById(id))
                    .map((e) => [e.scrollWidth <= e.clientWidth, getComputedStyle(e).fontSize]),
            );
        const wide = await captions();
        assert.ok(
            wide.every(([fits]) => fits),
            JSON.stringify(wide),
        );
        assert.ok(parseFloat(wide[1][1]) < (24 * 1280) / 636, 'Antworten drawn smaller');
        await page.setViewportSize({ width: 360, height: 640 });
        await page.waitForFunction(
            () => getComputedStyle(document.getElementById('label2')).fontSize === '24px',
        );
        await page.close();
    });

    for (const [width, height] of [
        [360, 640],
        [640, 360],
        [667, 375],
        [844, 390],
    ]) {
        await t.test(`a phone at ${width} by ${height}: every control at least 44 by 44`, async () => {
            const context = await browser.newContext({
                viewport: { width, height },
                hasTouch: true,
                isMobile: true,
                locale: 'de-DE',
            });
            const page = await context.newPage();
            await page.goto(url);
            await page.click('#quizList button');
            assert.deepStrictEqual(await smallControls(page), { small: [], sideways: false }, 'question 1');
            for (const key of 'D'.repeat(20)) await page.keyboard.press(key);
            await page.waitForSelector('#results:not([hidden])');
            assert.deepStrictEqual(await smallControls(page), { small: [], sideways: false }, 'the results');
            await context.close();
        });
    }

    await t.test('Copy by selection, without the clipboard API, keeps the lines', async () => {
        const context = await browser.newContext();
        await context.grantPermissions(['clipboard-read', 'clipboard-write']);
        const page = await context.newPage();
        await page.addInitScript(() => {
            delete Navigator.prototype.clipboard;
            const execCommand = document.execCommand;
            document.execCommand = function (...args) {
                window.copiedWrapping = getComputedStyle(document.activeElement).whiteSpace;
                return execCommand.apply(this, args);
            };
        });
        await page.goto(url);
        await page.click('#quizList button');
        for (const key of 'A'.repeat(20)) await page.keyboard.press(key);
        await page.click('#copy');
        assert.strictEqual(await page.evaluate(() => window.copiedWrapping), 'pre');
        const reader = await context.newPage();
        await reader.goto(url);
        const copied = await reader.evaluate(() => navigator.clipboard.readText());
        assert.ok(copied.split('\n').length >= 6, copied);
        await context.close();
    });
});
