// SPDX-License-Identifier: MIT
// Prints the median time from navigation to the paint of question 1 of the exported page beside
// that of a page holding one heading and one paragraph, loads alternating in one browser run
// (target: a ratio of at most 1.3), in headless Chromium: from file://, then over http on a
// phone's terms (through the DevTools protocol: the processor slowed 4 times, a 150 ms round trip,
// 1.6 Mbit/s down). Element Timing, Chromium's only, reports when each page's text was painted.
// For information it then prints the first contentful paint over http in Firefox and WebKit.
// With --single-file it measures the page as one file (its pictures and clips inside it) instead
// of the folder (target: a ratio of at most 1.2); with --studio, the studio (MATCHMAKER_STUDIO, else
// build/studio): its heading (target: a ratio of at most 1.5), and when its engine has started.
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
const STUDIO = process.argv.includes('--studio');
const RUNS = Number(process.argv.slice(2).find((arg) => /^\d+$/.test(arg)) || 21);
const TARGET = STUDIO ? 1.5 : SINGLE ? 1.2 : 1.3;
const WHAT = STUDIO ? "the studio's heading" : 'question 1';
// Each of WebKit's loads starts a browser: a few loads give the figure for information.
const OTHER_RUNS = Math.min(RUNS, 5);
const PHONE = { latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8, cpu: 4 };
const quiz = [path.join(DATA, 'episode1.qzt')];
const { dir } = STUDIO ? studioCopy() : SINGLE ? exportSingleFileForTests(quiz) : exportQuizzes(quiz);
// The shipped page names no element for Element Timing: the measured copy names question 1's box,
// or the studio's heading and its summary of findings (written once its engine has started).
const shipped = fs.readFileSync(path.join(dir, 'index.html'), 'utf8');
const measured = STUDIO
    ? shipped
          .replace('<h1 id="heading"', '<h1 elementtiming="question" id="heading"')
          .replace('<p id="summary">', '<p elementtiming="ready" id="summary">')
    : shipped.replace('<div id="text0"', '<div elementtiming="question" id="text0"');
if (!measured.includes('elementtiming="question"'))
    throw new Error(`index.html has nothing to time as ${WHAT}`);
fs.writeFileSync(path.join(dir, 'index.html'), measured);
const bare = path.join(dir, 'bare');
fs.mkdirSync(bare);
fs.writeFileSync(
    path.join(bare, 'index.html'),
    '<!DOCTYPE html><html lang="en"><meta charset="utf-8"><title>Bare</title>' +
        '<h1>Brindlecast Match Maker!</h1><p elementtiming="question">What would you do on a free afternoon?</p></html>\n',
);

// The studio as built (MATCHMAKER_STUDIO, else build/studio), copied.
function studioCopy() {
    const copy = path.join(scratch, 'studio');
    fs.cpSync(path.resolve(process.env.MATCHMAKER_STUDIO || 'build/studio'), copy, { recursive: true });
    return { dir: copy };
}

// The time question 1 (or the paragraph) was painted, in Chromium, on a phone's terms if phone;
// for the studio also when its summary was (ready).
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
        (names) =>
            new Promise((resolve) => {
                const times = {};
                new PerformanceObserver((list) => {
                    for (const entry of list.getEntries()) times[entry.identifier] = entry.renderTime;
                    if (names.every((name) => name in times)) resolve(times);
                }).observe({ type: 'element', buffered: true });
            }),
        STUDIO && !url.includes('/bare/') ? ['question', 'ready'] : ['question'],
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
    const times = { page: [], bare: [], ready: [] };
    await paint(browsers, urls.page, phone);
    for (let run = 0; run < RUNS; ++run) {
        times.bare.push((await paint(browsers, urls.bare, phone)).question);
        const page = await paint(browsers, urls.page, phone);
        times.page.push(page.question);
        times.ready.push(page.ready);
    }
    const [page, base] = [median(times.page), median(times.bare)];
    console.log(
        `${what}: ${WHAT} painted after ${page.toFixed(1)} ms, heading and paragraph after ${base.toFixed(1)} ms ` +
            `(medians of ${RUNS}); ratio ${(page / base).toFixed(2)} (target at most ${TARGET})`,
    );
    if (STUDIO)
        console.log(
            `  the studio ready (its findings' summary painted) after ${median(times.ready).toFixed(1)} ms`,
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
