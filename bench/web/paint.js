// SPDX-License-Identifier: MIT
// Prints the median time from navigation to the paint of question 1 of the exported page beside
// that of a page holding one heading and one paragraph, loads alternating in one browser run
// (target: a ratio of at most 1.3), in headless Chromium: from file://, then over http on a
// phone's terms (through the DevTools protocol: the processor slowed 4 times, a 150 ms round trip,
// 1.6 Mbit/s down). Element Timing, Chromium's only, reports when each page's text was painted.
// For information it then prints the first contentful paint over http in Firefox and WebKit.
// With --single-file it measures the page as one file (its pictures and clips inside it) instead
// of the folder (target: a ratio of at most 1.2).
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { Browsers } = require('../../tests/web/browsers.js');
const {
    DATA,
    scratch,
    exportQuizzes,
    exportSingleFileForTests,
    folderUrl,
    until,
} = require('../../tests/web/common.js');

const SINGLE = process.argv.includes('--single-file');
const RUNS = Number(process.argv.slice(2).find((arg) => /^\d+$/.test(arg)) || 21);
const TARGET = SINGLE ? 1.2 : 1.3;
// Each of WebKit's loads starts a browser: a few loads give the figure for information.
const OTHER_RUNS = Math.min(RUNS, 5);
const PHONE = { latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8, cpu: 4 };
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

// The time question 1 (or the paragraph) was painted, in Chromium, on a phone's terms if phone.
async function paint(browsers, url, phone) {
    const tab = await browsers.open('chromium');
    if (phone) {
        const cdp = await tab.page.createCDPSession();
        await cdp.send('Network.enable');
        await cdp.send('Network.emulateNetworkConditions', { offline: false, ...PHONE });
        await cdp.send('Emulation.setCPUThrottlingRate', { rate: PHONE.cpu });
    }
    await tab.goto(url);
    const painted = await tab.evaluate(
        () =>
            new Promise((resolve) =>
                new PerformanceObserver((list) => {
                    const entry = list.getEntries().find((e) => e.identifier === 'question');
                    if (entry) resolve(entry.renderTime);
                }).observe({ type: 'element', buffered: true }),
            ),
    );
    await tab.close();
    return painted;
}

// The first contentful paint in Firefox or WebKit.
async function firstPaint(browsers, engine, url) {
    const tab = await browsers.open(engine);
    await tab.goto(url);
    const painted = await until(
        () =>
            tab.evaluate(() => {
                const entry = performance.getEntriesByName('first-contentful-paint')[0];
                return entry ? entry.startTime : null;
            }),
        (time) => time !== null,
        `${engine}'s first contentful paint`,
    );
    await tab.close();
    return painted;
}

const median = (values) => values.slice().sort((a, b) => a - b)[values.length >> 1];

async function compare(browsers, what, urls, phone) {
    const times = { page: [], bare: [] };
    await paint(browsers, urls.page, phone);
    for (let run = 0; run < RUNS; ++run) {
        times.bare.push(await paint(browsers, urls.bare, phone));
        times.page.push(await paint(browsers, urls.page, phone));
    }
    const [page, base] = [median(times.page), median(times.bare)];
    console.log(
        `${what}: question 1 painted after ${page.toFixed(1)} ms, heading and paragraph after ${base.toFixed(1)} ms ` +
            `(medians of ${RUNS}); ratio ${(page / base).toFixed(2)} (target at most ${TARGET})`,
    );
}

async function otherEngine(browsers, engine, urls) {
    const times = { page: [], bare: [] };
    for (let run = 0; run < OTHER_RUNS; ++run) {
        times.bare.push(await firstPaint(browsers, engine, urls.bare));
        times.page.push(await firstPaint(browsers, engine, urls.page));
    }
    console.log(
        `${engine} over http, first contentful paint (medians of ${OTHER_RUNS}, for information): ` +
            `page ${median(times.page).toFixed(1)} ms, heading and paragraph ${median(times.bare).toFixed(1)} ms`,
    );
}

(async () => {
    const browsers = new Browsers(scratch);
    const local = {
        page: pathToFileURL(dir).href + '/index.html',
        bare: pathToFileURL(bare).href + '/index.html',
    };
    await compare(browsers, 'Chromium from file://', local, false);
    const served = {
        page: (await folderUrl(dir, 'http')) + 'index.html',
        bare: (await folderUrl(bare, 'http')) + 'index.html',
    };
    await compare(browsers, 'Chromium over http on a phone', served, true);
    for (const engine of ['firefox', 'webkit']) await otherEngine(browsers, engine, served);
    await browsers.close();
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
