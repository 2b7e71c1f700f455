// SPDX-License-Identifier: MIT
// Prints the median time from navigation to the paint of question 1 of the exported page, from
// file:// in headless Chromium, beside that of a page holding one heading and one paragraph;
// loads alternate in one browser run (target: a ratio of at most 1.5). Element Timing reports
// when each page's text was painted.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { DATA, exportQuizzes, launch } = require('../../tests/web/common.js');

const RUNS = Number(process.argv[2] || 21);
const { dir } = exportQuizzes([path.join(DATA, 'episode1.qzt')]);
const bare = path.join(dir, 'bare');
fs.mkdirSync(bare);
fs.writeFileSync(
    path.join(bare, 'index.html'),
    '<!DOCTYPE html><html lang="en"><meta charset="utf-8"><title>Bare</title>' +
        '<h1>Brindlecast Match Maker!</h1><p elementtiming="question">What would you do on a free afternoon?</p></html>\n',
);

async function paint(browser, folder) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(pathToFileURL(folder).href + '/index.html');
    const painted = await page.evaluate(
        () =>
            new Promise((resolve) =>
                new PerformanceObserver((list) => {
                    resolve(list.getEntries().find((entry) => entry.identifier === 'question').renderTime);
                }).observe({ type: 'element', buffered: true }),
            ),
    );
    await context.close();
    return painted;
}

const median = (values) => values.slice().sort((a, b) => a - b)[values.length >> 1];

(async () => {
    const browser = await launch();
    const times = { page: [], bare: [] };
    await paint(browser, dir);
    for (let run = 0; run < RUNS; ++run) {
        times.bare.push(await paint(browser, bare));
        times.page.push(await paint(browser, dir));
    }
    await browser.close();
    const [page, base] = [median(times.page), median(times.bare)];
    console.log(`question 1 painted after ${page.toFixed(1)} ms (median of ${RUNS})`);
    console.log(`heading and paragraph painted after ${base.toFixed(1)} ms (median of ${RUNS})`);
    console.log(`ratio ${(page / base).toFixed(2)} (target at most 1.5)`);
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
