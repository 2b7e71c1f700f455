// SPDX-License-Identifier: MIT
// Screenshots of the exported page in Chromium, Firefox and WebKit at 1280x800, 360x640 and
// 640x360, at question 1 and at the result, in English and German, for a person to look at: run
// by hand, never in CI. Usage (with MATCHMAKER_EXPORT and MATCHMAKER_DATA as for the tests):
//   node tests/web/screenshots.js FOLDER
// writes FOLDER/ENGINE-WIDTHxHEIGHT-LANGUAGE-question1.png and ...-result.png.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { ENGINES, Browsers } = require('./browsers.js');
const { DATA, TESTED, scratch, exportForTests, folderUrl, until } = require('./common.js');

const SIZES = [
    { width: 1280, height: 800 },
    { width: 360, height: 640 },
    { width: 640, height: 360 },
];
const LANGUAGES = [
    ['en', 'en-US'],
    ['de', 'de-DE'],
];
const KEYS = 'ABCDABCDABCDABCDABCA';

// The page settled: its pictures decoded, its fonts loaded, and the element with this text shown.
function settled(tab, text) {
    return until(
        () =>
            tab.evaluate(
                (wanted) =>
                    document.fonts.ready.then(
                        () =>
                            Boolean(window.testProbe.byText(wanted)) &&
                            Array.from(document.images).every((image) => image.complete || image.hidden),
                    ),
                text,
            ),
        Boolean,
        `"${text}" shown`,
    );
}

(async () => {
    const folder = process.argv[2];
    if (!folder) {
        console.error('usage: node tests/web/screenshots.js FOLDER');
        process.exit(2);
    }
    fs.mkdirSync(folder, { recursive: true });
    const page = exportForTests([path.join(DATA, 'episode1.qzt')]);
    const lines = page.engine.data.quizzes[0].lines;
    const browsers = new Browsers(scratch);
    try {
        for (const engine of ENGINES) {
            for (const size of SIZES) {
                for (const [language, locale] of LANGUAGES) {
                    const T = page.T(language);
                    const name = (what) =>
                        path.join(folder, `${engine}-${size.width}x${size.height}-${language}-${what}.png`);
                    const tab = await browsers.open(engine, { ...size, locale });
                    try {
                        await tab.goto((await folderUrl(page.dir, 'file')) + TESTED);
                        await settled(tab, lines[0]);
                        await tab.screenshot(name('question1'));
                        for (const key of KEYS) await tab.press(key);
                        await settled(tab, T('Your results!'));
                        await tab.screenshot(name('result'));
                        console.log(`${engine} ${size.width}x${size.height} ${language}`);
                    } finally {
                        await tab.close();
                    }
                }
            }
        }
    } finally {
        await browsers.close();
    }
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
