// SPDX-License-Identifier: MIT
// Writes the studio's try.html from the published page's markup (publish/web/index.html): the same
// elements, styled by the player's own style.css in player/, with its script files replaced by
// try.js, which loads the player once the studio has handed it the quiz. Its pictures stand in a
// transparent pixel until the data brings them, as in the single file. Run at build time:
//   node make-try-page.js INDEX.html TRY.html
'use strict';
const fs = require('node:fs');

const PLACEHOLDER = 'data:image/gif;base64,R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7';
const POLICY =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self' data:; " +
    "media-src 'self' data: blob:; connect-src 'none'; object-src 'none'; base-uri 'none'; form-action 'none'";

function replaceOnce(html, pattern, replacement, what) {
    if (!pattern.test(html)) throw new Error(`make-try-page: the page has no ${what}`);
    return html.replace(pattern, replacement);
}

function tryPage(html) {
    let page = html.replace(/^<script [^\n]*\n/gm, '');
    page = replaceOnce(
        page,
        /<meta http-equiv="Content-Security-Policy" content="[^"]*">/,
        `<meta http-equiv="Content-Security-Policy" content="${POLICY}">`,
        'Content-Security-Policy',
    );
    page = replaceOnce(
        page,
        /<link rel="stylesheet" href="style\.css">/,
        '<link rel="stylesheet" href="player/style.css">\n<script defer src="try.js"></script>',
        'style sheet',
    );
    return page.replace(/ src="pictures\/[^"]*"/g, ` src="${PLACEHOLDER}"`);
}

const [input, output] = process.argv.slice(2);
if (!input || !output) {
    console.error('usage: node make-try-page.js INDEX.html TRY.html');
    process.exit(2);
}
fs.writeFileSync(output, tryPage(fs.readFileSync(input, 'utf8')));
