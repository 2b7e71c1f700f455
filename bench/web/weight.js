// SPDX-License-Identifier: MIT
// Prints the weight of the exported page for episode1.qzt: its markup and style, code and quiz data
// (target: at most 32 KiB), the whole folder with pictures and clips (target: at most 600 KiB), and
// the page as one file (--single-file), with what comes before its pictures and clips (target: at
// most 600 KB).
// Needs MATCHMAKER_EXPORT and MATCHMAKER_DATA, as the browser tests do.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { DATA, exportQuizzes, exportSingleFileForTests } = require('../../tests/web/common.js');

const PAGE = ['index.html', 'player.js', 'quizzes.js'];
const { dir } = exportQuizzes([path.join(DATA, 'episode1.qzt')]);
const size = (file) =>
    fs.statSync(file).isDirectory()
        ? fs.readdirSync(file).reduce((sum, name) => sum + size(path.join(file, name)), 0)
        : fs.statSync(file).size;

for (const file of PAGE)
    console.log(`${file.padEnd(12)} ${String(size(path.join(dir, file))).padStart(7)} bytes`);
const page = PAGE.reduce((sum, file) => sum + size(path.join(dir, file)), 0);
const all = size(dir);
console.log(
    `page         ${String(page).padStart(7)} bytes (${(page / 1024).toFixed(1)} KiB, target 32 KiB)`,
);
console.log(`whole export ${String(all).padStart(7)} bytes (${(all / 1024).toFixed(1)} KiB, target 600 KiB)`);

const single = path.join(exportSingleFileForTests([path.join(DATA, 'episode1.qzt')]).dir, 'index.html');
const bytes = fs.readFileSync(single);
const media = bytes.indexOf('<script id="media"');
console.log(
    `one file     ${String(bytes.length).padStart(7)} bytes (${(bytes.length / 1000).toFixed(1)} KB, target 600 KB)`,
);
console.log(`  before its pictures and clips ${media} bytes (${(media / 1024).toFixed(1)} KiB)`);
