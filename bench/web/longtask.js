// SPDX-License-Identifier: MIT
// Prints the longest task of the exported page's main thread while it loads and during a run
// through all 20 answers by keys (target: none over 50 ms), from the Long Tasks API, which reports
// every task over 50 ms.
'use strict';
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { Browsers } = require('../../tests/web/browsers.js');
const { DATA, scratch, exportQuizzes } = require('../../tests/web/common.js');

(async () => {
    const { dir } = exportQuizzes([path.join(DATA, 'episode1.qzt')]);
    const browsers = new Browsers(scratch);
    const { page } = await browsers.open('chromium');
    await page.evaluateOnNewDocument(() => {
        window.benchTasks = [];
        new PerformanceObserver((list) => window.benchTasks.push(...list.getEntries())).observe({
            type: 'longtask',
        });
    });
    await page.goto(pathToFileURL(dir).href + '/index.html');
    const start = await page.evaluate(() => performance.now());
    for (const key of 'ABCDABCDABCDABCDABCD') await page.keyboard.press(key);
    // Two frames later the last answer's task has ended and been reported.
    const tasks = await page.evaluate(
        () =>
            new Promise((resolve) =>
                requestAnimationFrame(() =>
                    requestAnimationFrame(() =>
                        resolve(window.benchTasks.map((task) => [task.startTime, task.duration])),
                    ),
                ),
            ),
    );
    await browsers.close();
    const longest = (from, to) =>
        Math.max(0, ...tasks.filter(([at]) => at >= from && at < to).map(([, ms]) => ms));
    console.log(`longest task while loading: ${longest(0, start).toFixed(0)} ms (0: none over 50 ms)`);
    console.log(
        `longest task during 20 answers: ${longest(start, Infinity).toFixed(0)} ms (0: none over 50 ms; target none)`,
    );
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
