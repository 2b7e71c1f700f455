// SPDX-License-Identifier: MIT
// The Nu Html Checker (vnu.jar from npm, run by Debian's Java) on every page we write: the pages
// of an export, the HTML in publish/ and the studio's. No error on any; one test per page.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { execFileSync } = require('node:child_process');
const { test } = require('node:test');
const { DATA, TESTED, exportQuizzes, exportSingleFileForTests } = require('./common.js');

const VNU = require.resolve('vnu-jar/build/dist/vnu.jar');
const JAVA = process.env.JAVA || 'java';

function htmlFiles(dir) {
    return fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) => {
        const file = path.join(dir, entry.name);
        if (entry.isDirectory()) return entry.name === 'node_modules' ? [] : htmlFiles(file);
        return entry.name.endsWith('.html') && entry.name !== TESTED ? [file] : [];
    });
}

const ROOT = path.join(__dirname, '../..');
const { dir } = exportQuizzes([path.join(DATA, 'episode1.qzt'), path.join(DATA, 'episode2.QZT')]);
// The page as one file, as shipped (the tested copy beside it is left out).
const single = exportSingleFileForTests([
    path.join(DATA, 'episode1.qzt'),
    path.join(DATA, 'episode2.QZT'),
]).dir;
// The studio's pages as built, where MATCHMAKER_STUDIO names its folder.
const studio = process.env.MATCHMAKER_STUDIO ? path.resolve(process.env.MATCHMAKER_STUDIO) : null;
const pages = [
    ...htmlFiles(dir),
    ...htmlFiles(single),
    ...htmlFiles(path.join(ROOT, 'publish')),
    ...(studio ? htmlFiles(studio) : []),
];
const label = (page) => {
    if (page.startsWith(single)) return 'the page as one file';
    if (studio && page.startsWith(studio)) return `the studio's ${path.relative(studio, page)}`;
    return page.startsWith(dir) ? `the export's ${path.relative(dir, page)}` : path.relative(ROOT, page);
};

// One run of the checker for all pages: Java starts slowly. It prints its findings as JSON and
// exits 1 when there is an error.
function check(files) {
    try {
        return execFileSync(JAVA, ['-jar', VNU, '--errors-only', '--format', 'json', '--stdout', ...files], {
            encoding: 'utf8',
            timeout: 120000,
        });
    } catch (failed) {
        if (failed.status !== 1 || !failed.stdout) throw failed;
        return failed.stdout;
    }
}
const { messages } = JSON.parse(check(pages));

for (const page of pages) {
    test(`Nu Html Checker: ${label(page)}`, () => {
        const errors = messages
            .filter((message) => message.url === `file:${page}`)
            .map((message) => `line ${message.lastLine}: ${message.message}`);
        assert.deepEqual(errors, []);
    });
}

test('Nu Html Checker: every message belongs to a page', () => {
    assert.deepEqual(
        messages.filter((message) => !pages.some((page) => message.url === `file:${page}`)),
        [],
    );
});
