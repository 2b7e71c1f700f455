// SPDX-License-Identifier: MIT
// axe-core (WCAG 2.0 and 2.1, A and AA) on the exported page in Chromium, Firefox and WebKit, at
// the choice of quizzes, question 1, question 10 and the results, at the window's size and a
// phone's: no violation anywhere. One test per engine and size.
'use strict';
const assert = require('node:assert/strict');
const path = require('node:path');
const { test, after } = require('node:test');
const { ENGINES, Browsers } = require('./browsers.js');
const {
    DATA,
    TESTED,
    scratch,
    exportForTests,
    folderUrl,
    until,
    addAxe,
    loadAxe,
    audit,
} = require('./common.js');

const SIZES = [
    { width: 1280, height: 800 },
    { width: 360, height: 640 },
];
const page = exportForTests([path.join(DATA, 'episode1.qzt'), path.join(DATA, 'episode2.QZT')]);
addAxe(page.dir);
const T = page.T('en');

const browsers = new Browsers(scratch);
after(() => browsers.close());

// The focused element's text once it is this.
function focusOn(tab, text) {
    return until(
        () => tab.evaluate(() => document.activeElement.textContent),
        (focused) => focused === text,
        `the focus on ${text}`,
    );
}

for (const engine of ENGINES) {
    for (const size of SIZES) {
        test(`${engine}: axe at ${size.width}x${size.height}`, { timeout: 180000 }, async () => {
            const tab = await browsers.open(engine, size);
            try {
                await tab.goto((await folderUrl(page.dir, 'file')) + TESTED);
                await loadAxe(tab);
                await audit(tab, 'the choice of quizzes');
                await tab.press('Tab');
                await focusOn(tab, 'episode1.qzt');
                await tab.press('Enter');
                await until(
                    () =>
                        tab.evaluate(
                            (name) =>
                                window.testProbe
                                    .all('region')
                                    .some(
                                        (region) =>
                                            window.testProbe.name(region) === name &&
                                            region.contains(document.activeElement),
                                    ),
                            T('Question'),
                        ),
                    Boolean,
                    'question 1 focused',
                );
                await audit(tab, 'question 1');
                for (const key of 'ABCDABCDA') await tab.press(key);
                await until(
                    () => tab.evaluate(() => document.querySelector('[aria-live]').textContent),
                    (said) => said.startsWith(page.engine.Engine.fill(T('Question %1 of %2'), [10, 20])),
                    'question 10 announced',
                );
                await audit(tab, 'question 10');
                for (const key of 'BCDABCDABCD') await tab.press(key);
                await focusOn(tab, T('Your results!'));
                await audit(tab, 'the results');
                assert.deepEqual(
                    await tab.evaluate(() => window.testProbe.problems()),
                    [],
                    'console and requests clean',
                );
            } finally {
                await tab.close();
            }
        });
    }
}
