// SPDX-License-Identifier: MIT
// axe-core (WCAG 2.0 and 2.1, A and AA) on the exported page at the choice of quizzes, question 1,
// question 10 and the results, at the window's size and a phone's: no violation anywhere.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { DATA, exportQuizzes, launch, openPage, within, finish } = require('./common.js');

const AXE = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'];
const failures = [];
let passed = 0;

async function audit(page, where) {
    // No preload: axe would fetch the style sheets itself, which file:// refuses.
    const violations = await within(
        60000,
        `axe at ${where}`,
        page.evaluate(
            (tags) =>
                window.axe
                    .run(document, { runOnly: { type: 'tag', values: tags }, preload: false })
                    .then((result) =>
                        result.violations.map(
                            (v) => `${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`,
                        ),
                    ),
            TAGS,
        ),
    );
    violations.forEach((violation) => failures.push(`${where}: ${violation}`));
    passed += violations.length ? 0 : 1;
}

(async () => {
    const exported = exportQuizzes([path.join(DATA, 'episode1.qzt'), path.join(DATA, 'episode2.QZT')]);
    const browser = await launch();
    try {
        for (const viewport of [
            { width: 1280, height: 800 },
            { width: 360, height: 640 },
        ]) {
            // The policy refuses injected scripts; web_player checks it with the policy in force.
            const { page, context, problems } = await openPage(
                browser,
                pathToFileURL(exported.dir).href + '/',
                { viewport, bypassCSP: true },
            );
            const size = `${viewport.width}x${viewport.height}`;
            await page.addScriptTag({ content: AXE });
            await audit(page, `${size} choice of quizzes`);
            await page.keyboard.press('Tab');
            await page.keyboard.press('Enter');
            await audit(page, `${size} question 1`);
            for (const key of 'ABCDABCDA') await page.keyboard.press(key);
            await audit(page, `${size} question 10`);
            for (const key of 'BCDABCDABCD') await page.keyboard.press(key);
            await audit(page, `${size} results`);
            problems.forEach((problem) => failures.push(`${size}: ${problem}`));
            await context.close();
        }
    } finally {
        await browser.close();
    }
    finish('web_axe', failures, passed);
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
