// SPDX-License-Identifier: MIT
// Prints how long the studio (MATCHMAKER_STUDIO, build/studio) takes from a key pressed in a field
// to its findings updated (target: 99th percentile under 8 ms), in headless Chromium from file://:
// episode1.qzt opened, keys typed into the name for answer D, so that each one changes the finding
// on that name. Per key: keydown (a capture listener, before the studio's own) to the findings'
// change (a MutationObserver on #checks), and to the frame after it (requestAnimationFrame).
// Usage: node bench/web/keys.js [keys]
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { Browsers } = require('../../tests/web/browsers.js');
const { DATA, scratch, until } = require('../../tests/web/common.js');

const KEYS = Number(process.argv.slice(2).find((arg) => /^\d+$/.test(arg)) || 240);
const WARM_UP = 20;

// In the page: for each key, [updated, frame] in milliseconds after its keydown.
function watch() {
    window.benchKeys = [];
    let current = null;
    addEventListener(
        'keydown',
        () => {
            current = { down: performance.now(), updated: null };
        },
        true,
    );
    new MutationObserver(() => {
        if (!current || current.updated !== null) return;
        const key = current;
        key.updated = performance.now();
        requestAnimationFrame(() =>
            window.benchKeys.push([key.updated - key.down, performance.now() - key.down]),
        );
    }).observe(document.getElementById('checks'), { subtree: true, childList: true, characterData: true });
}

const percentile = (values, p) =>
    values.slice().sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor((values.length * p) / 100))];

(async () => {
    const studio = path.resolve(process.env.MATCHMAKER_STUDIO || 'build/studio');
    const browsers = new Browsers(scratch);
    const { page } = await browsers.open('chromium');
    await page.goto(pathToFileURL(path.join(studio, 'index.html')).href);
    await until(
        () => page.evaluate(() => !document.getElementById('open').disabled),
        Boolean,
        'the studio started',
    );
    await page.evaluate(
        (base64) => {
            const transfer = new DataTransfer();
            transfer.items.add(
                new File([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))], 'episode1.qzt'),
            );
            const input = document.getElementById('file');
            input.files = transfer.files;
            input.dispatchEvent(new Event('change', { bubbles: true }));
        },
        fs.readFileSync(path.join(DATA, 'episode1.qzt')).toString('base64'),
    );
    await until(
        () => page.evaluate(() => document.title.startsWith('episode1.qzt')),
        Boolean,
        'episode1.qzt opened',
    );
    await page.evaluate(watch);
    await page.focus('#line-104');
    // Letters typed, then as many Backspaces: every key changes the name in the finding.
    const total = KEYS + WARM_UP;
    for (let i = 0; i < total; ++i) {
        await page.keyboard.press(i < total / 2 ? 'abcdefghij'[i % 10] : 'Backspace');
        await until(
            () => page.evaluate(() => window.benchKeys.length),
            (n) => n > i,
            `key ${i + 1} shown`,
        );
    }
    const times = (await page.evaluate(() => window.benchKeys)).slice(WARM_UP);
    await browsers.close();
    for (const [what, k] of [
        ['findings updated', 0],
        ['next frame', 1],
    ]) {
        const values = times.map((time) => time[k]);
        console.log(
            `keydown to ${what} over ${values.length} keys: p50 ${percentile(values, 50).toFixed(2)} ms, ` +
                `p99 ${percentile(values, 99).toFixed(2)} ms, max ${Math.max(...values).toFixed(2)} ms` +
                (k === 0 ? ' (target p99 under 8 ms)' : ''),
        );
    }
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
