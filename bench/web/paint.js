// SPDX-License-Identifier: MIT
// Prints the median time from navigation to the paint of question 1 of the exported page, from
// file:// in headless Chromium, beside that of a page holding one heading and one paragraph;
// loads alternate in one browser run (target: a ratio of at most 1.5). Element Timing reports
// when each page's text was painted. With --single-file, the page as one file (its pictures and
// clips inside it) instead of the folder (target: a ratio of at most 1.2).
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { Browsers } = require('../../tests/web/browsers.js');
const { DATA, scratch, exportQuizzes, exportSingleFileForTests } = require('../../tests/web/common.js');

const SINGLE = process.argv.includes('--single-file');
const RUNS = Number(process.argv.slice(2).find((arg) => /^\d+$/.test(arg)) || 21);
const quiz = [path.join(DATA, 'episode1.qzt')];
const { dir } = SINGLE ? exportSingleFileForTests(quiz) : exportQuizzes(quiz);
// The shipped page names no element for Element Timing: the measured copy names question 1's box.
const shipped = fs.readFileSync(path.join(dir, 'index.html'), 'utf8');
const measured = shipped.replace('<div id="text0"', '<div elementtiming="question" id="text0"');
if (measured === shipped) throw new Error('index.html has no <div id="text0"> for Element Timing');
fs.writeFileSync(path.join(dir, 'index.html'), measured);
const bare = path.join(dir, 'bare');
fs.mkdirSync(bare);
fs.writeFileSync(
    path.join(bare, 'index.html'),
    '<!DOCTYPE html><html lang="en"><meta charset="utf-8"><title>Bare</title>' +
        '<h1>Brindlecast Match Maker!</h1><p elementtiming="question">What would you do on a free afternoon?</p></html>\n',
);

async function paint(browsers, folder) {
    const tab = await browsers.open('chromium');
    await tab.goto(pathToFileURL(folder).href + '/index.html');
    const painted = await tab.evaluate(
        () =>
            new Promise((resolve) =>
                new PerformanceObserver((list) => {
                    resolve(list.getEntries().find((entry) => entry.identifier === 'question').renderTime);
                }).observe({ type: 'element', buffered: true }),
            ),
    );
    await tab.close();
    return painted;
}

const median = (values) => values.slice().sort((a, b) => a - b)[values.length >> 1];

(async () => {
    const browsers = new Browsers(scratch);
    const times = { page: [], bare: [] };
    await paint(browsers, dir);
    for (let run = 0; run < RUNS; ++run) {
        times.bare.push(await paint(browsers, bare));
        times.page.push(await paint(browsers, dir));
    }
    await browsers.close();
    const [page, base] = [median(times.page), median(times.bare)];
    console.log(`question 1 painted after ${page.toFixed(1)} ms (median of ${RUNS})`);
    console.log(`heading and paragraph painted after ${base.toFixed(1)} ms (median of ${RUNS})`);
    console.log(
        `ratio ${(page / base).toFixed(2)} (target at most ${SINGLE ? '1.2, the page as one file' : '1.5'})`,
    );
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
