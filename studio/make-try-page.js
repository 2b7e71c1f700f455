// SPDX-License-Identifier: MIT
// Writes the studio's try.html from the published page's markup (publish/web/index.html): the same
// page, its scripts replaced by try.js, which loads the player's parts once the studio has sent the
// quiz; its style from player/; its pictures empty until their data: addresses arrive, which its
// policy allows, as it allows clips from data: addresses.
// Usage: node make-try-page.js INDEX.html OUT.html
'use strict';
const fs = require('node:fs');

// One transparent pixel, as the page in one file shows until its pictures arrive.
const PLACEHOLDER = 'data:image/gif;base64,R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7';

function withDataSources(policy) {
    return policy
        .split(';')
        .map((directive) => {
            const words = directive.trim().split(/\s+/);
            if (['img-src', 'media-src'].includes(words[0]) && !words.includes('data:')) words.push('data:');
            return words.join(' ');
        })
        .join('; ');
}

function tryPage(html) {
    let scripts = 0;
    const page = html
        .replace(
            /(<meta http-equiv="Content-Security-Policy" content=")([^"]*)(")/,
            (_, start, policy, end) => start + withDataSources(policy) + end,
        )
        .replace(/<script [^\n]*<\/script>\n/g, () =>
            scripts++ === 0 ? '<script defer src="try.js"></script>\n' : '',
        )
        .replace(
            '<link rel="stylesheet" href="style.css">',
            '<link rel="stylesheet" href="player/style.css">',
        )
        .replace(/ src="pictures\/[^"]*"/g, ` src="${PLACEHOLDER}"`);
    if (scripts === 0 || !page.includes('player/style.css') || page.includes('"pictures/'))
        throw new Error('make-try-page: the page is not as expected');
    return page;
}

const [input, output] = process.argv.slice(2);
fs.writeFileSync(output, tryPage(fs.readFileSync(input, 'utf8')));
