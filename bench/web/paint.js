// SPDX-License-Identifier: MIT
// Prints the median time from navigation to the paint of question 1 of the exported page beside
// that of a page holding one heading and one paragraph, loads alternating in one browser run
// (target: a ratio of at most 1.3), in headless Chromium: from file://, then over http on a
// phone's terms (the processor slowed 4 times, a 150 ms round trip, 1.6 Mbit/s down). Element
// Timing reports when each page's text was painted. For information, it then prints the first
// contentful paint over http in Firefox and WebKit, where their drivers are installed beside the
// browser tests' (puppeteer-core, selenium-webdriver).
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { spawn } = require('node:child_process');
const { pathToFileURL } = require('node:url');
const { DATA, exportQuizzes, launch, serve } = require('../../tests/web/common.js');

const RUNS = Number(process.argv[2] || 21);
// Each of Firefox's and WebKit's loads starts a browser: a few give the figure for information.
const OTHER_RUNS = Math.min(RUNS, 5);
const PHONE = { latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8, cpu: 4 };
const { dir } = exportQuizzes([path.join(DATA, 'episode1.qzt')]);
const bare = path.join(dir, 'bare');
fs.mkdirSync(bare);
fs.writeFileSync(path.join(bare, 'index.html'), '<!DOCTYPE html><html lang="en"><meta charset="utf-8"><title>Bare</title>' +
    '<h1>Brindlecast Match Maker!</h1><p elementtiming="question">What would you do on a free afternoon?</p></html>\n');

// The question's box is marked for Element Timing here, so that the page itself needs no mark.
async function paint(browser, url, phone) {
    const context = await browser.newContext();
    await context.addInitScript(() => new MutationObserver((changes, observer) => {
        const box = document.getElementById('text0');
        if (box) {
            box.setAttribute('elementtiming', 'question');
            observer.disconnect();
        }
    }).observe(document, { childList: true, subtree: true }));
    const page = await context.newPage();
    if (phone) {
        const cdp = await context.newCDPSession(page);
        await cdp.send('Network.enable');
        await cdp.send('Network.emulateNetworkConditions', { offline: false, ...PHONE });
        await cdp.send('Emulation.setCPUThrottlingRate', { rate: PHONE.cpu });
    }
    await page.goto(url);
    const painted = await page.evaluate(() => new Promise((resolve) => new PerformanceObserver((list) => {
        const entry = list.getEntries().find((e) => e.identifier === 'question');
        if (entry)
            resolve(entry.renderTime);
    }).observe({ type: 'element', buffered: true })));
    await context.close();
    return painted;
}

const median = (values) => values.slice().sort((a, b) => a - b)[values.length >> 1];

async function compare(browser, what, pageUrl, bareUrl, phone) {
    const times = { page: [], bare: [] };
    await paint(browser, pageUrl, phone);
    for (let run = 0; run < RUNS; ++run) {
        times.bare.push(await paint(browser, bareUrl, phone));
        times.page.push(await paint(browser, pageUrl, phone));
    }
    const [page, base] = [median(times.page), median(times.bare)];
    console.log(`${what}: question 1 painted after ${page.toFixed(1)} ms, heading and paragraph after ` +
        `${base.toFixed(1)} ms (medians of ${RUNS}); ratio ${(page / base).toFixed(2)} (target at most 1.3)`);
}

// A driver from the browser tests' packages, or null where it is not installed.
function driver(name) {
    try {
        return require(require.resolve(name, { paths: [path.join(__dirname, '../../tests/web')] }));
    } catch (missing) {
        return null;
    }
}

const FCP = 'const paint = performance.getEntriesByName("first-contentful-paint")[0]; return paint && paint.startTime;';

async function firefoxPaint(url) {
    const puppeteer = driver('puppeteer-core');
    if (!puppeteer)
        return 'skipped: puppeteer-core is not installed in tests/web';
    const browser = await puppeteer.launch({ browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr', headless: true });
    const times = [];
    for (let run = 0; run < OTHER_RUNS; ++run) {
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await page.goto(url, { waitUntil: 'load' });
        times.push(await page.evaluate(new Function(FCP)));
        await context.close();
    }
    await browser.close();
    return `${median(times).toFixed(1)} ms`;
}

// WebKitGTK's MiniBrowser needs a display: run the benchmark under xvfb-run for WebKit's figure.
async function webkitPaint(url) {
    const webdriver = driver('selenium-webdriver');
    if (!webdriver || !process.env.DISPLAY)
        return `skipped: ${webdriver ? 'no DISPLAY (run under xvfb-run)' : 'selenium-webdriver is not installed in tests/web'}`;
    const port = 4000 + (process.pid % 1000);
    const server = spawn(process.env.WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'], { stdio: 'ignore' });
    try {
        const times = [];
        for (let run = 0; run < OTHER_RUNS; ++run) {
            const session = await new webdriver.Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
                browserName: 'MiniBrowser',
                'webkitgtk:browserOptions': { binary: process.env.MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] },
            }).build();
            await session.get(url);
            times.push(await session.wait(() => session.executeScript(FCP), 10000));
            await session.quit();
        }
        return `${median(times).toFixed(1)} ms`;
    } finally {
        server.kill();
    }
}

(async () => {
    const browser = await launch();
    const folder = pathToFileURL(dir).href;
    await compare(browser, 'Chromium from file://', `${folder}/index.html`, `${folder}/bare/index.html`, false);
    const server = await serve(dir);
    await compare(browser, 'Chromium over http on a phone', `${server.base}index.html`, `${server.base}bare/index.html`, true);
    await browser.close();
    for (const [name, measure] of [['Firefox', firefoxPaint], ['WebKit', webkitPaint]]) {
        const [page, base] = [await measure(`${server.base}index.html`), await measure(`${server.base}bare/index.html`)];
        console.log(`${name} over http, first contentful paint (medians of ${OTHER_RUNS}, for information): page ${page}, heading and paragraph ${base}`);
    }
    server.stop();
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
