// SPDX-License-Identifier: MIT
// Writes the studio's index.html and its one script, studio-page.js: the scripts the markup loads
// (studio/web/index.html, in the order they run; a script not in web/ is one the build wrote into
// BUILT_FOLDER) joined into one file, and the markup loading that
// one instead, so that the page costs one request, not one for each class, before its first paint.
// Usage: node make-studio-page.js WEB_FOLDER BUILT_FOLDER OUT_FOLDER
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const [web, built, out] = process.argv.slice(2);
const markup = fs.readFileSync(path.join(web, 'index.html'), 'utf8');
const loads = /^<script defer src="([\w-]+\.js)"><\/script>\n/gm;
const scripts = [...markup.matchAll(loads)].map((load) => load[1]);
if (scripts.length === 0) throw new Error(`no script in ${web}/index.html`);

let first = true;
const page = markup.replace(loads, () => {
    if (!first) return '';
    first = false;
    return '<script defer src="studio-page.js"></script>\n';
});
const source = (script) =>
    fs.existsSync(path.join(web, script)) ? path.join(web, script) : path.join(built, script);
const joined = scripts.map((script) => fs.readFileSync(source(script), 'utf8')).join('\n');
fs.mkdirSync(out, { recursive: true });
fs.writeFileSync(path.join(out, 'index.html'), page);
fs.writeFileSync(path.join(out, 'studio-page.js'), joined);
