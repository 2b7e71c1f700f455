// SPDX-License-Identifier: MIT
// Prints Lighthouse's mobile scores for the exported page served over http (target: 100 in each
// category, leaving aside robots.txt, which is the host's), the audits short of full marks, and the
// render-blocking resources it found. Needs Lighthouse from this folder's lockfile (npm ci here,
// Node 20) and Chromium (CHROMIUM, else /usr/bin/chromium).
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { execFileSync } = require('node:child_process');
const { DATA, exportQuizzes, scratch, serve } = require('../../tests/web/common.js');

const cli = path.join(__dirname, 'node_modules', '.bin', 'lighthouse');
if (!fs.existsSync(cli)) {
    console.error(`Lighthouse is missing: run npm ci in ${__dirname}`);
    process.exit(2);
}

(async () => {
    const { dir } = exportQuizzes([path.join(DATA, 'episode1.qzt')]);
    const server = await serve(dir);
    const report = path.join(scratch, 'lighthouse.json');
    try {
        execFileSync(
            cli,
            [
                `${server.base}index.html`,
                '--quiet',
                '--output=json',
                `--output-path=${report}`,
                '--chrome-flags=--headless --no-sandbox --disable-gpu',
            ],
            {
                env: { ...process.env, CHROME_PATH: process.env.CHROMIUM || '/usr/bin/chromium' },
                stdio: 'inherit',
                timeout: 300000,
            },
        );
    } finally {
        server.stop();
    }
    const { categories, audits } = JSON.parse(fs.readFileSync(report, 'utf8'));
    for (const category of Object.values(categories))
        console.log(`${category.title.padEnd(15)} ${Math.round(category.score * 100)}`);
    for (const [id, audit] of Object.entries(audits)) {
        if (
            audit.score !== null &&
            audit.score < 1 &&
            ['binary', 'numeric', 'metricSavings'].includes(audit.scoreDisplayMode)
        )
            console.log(`  short: ${id} ${audit.displayValue || ''}`);
    }
    const blocking = audits['render-blocking-resources'].details;
    const items = (blocking && blocking.items) || [];
    console.log(
        `render-blocking: ${items.length ? items.map((item) => `${item.url} ${item.wastedMs} ms`).join(', ') : 'none'}`,
    );
    console.log(
        `first contentful paint ${audits['first-contentful-paint'].displayValue}, ` +
            `largest ${audits['largest-contentful-paint'].displayValue}`,
    );
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
