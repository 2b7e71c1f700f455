// SPDX-License-Identifier: MIT
// Quiz text as the program reads it, for the tests' own expectations: lines end at CR LF, LF or
// CR, a UTF-8 byte-order mark is dropped, and each line is UTF-8 when valid, else Windows-1252.
'use strict';

// Windows-1252 differs from Latin-1 in 0x80 to 0x9F; its five unused places stay C1 controls.
const CP1252_HIGH = [
    0x20ac, 0x81, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160, 0x2039, 0x0152,
    0x8d, 0x017d, 0x8f, 0x90, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014, 0x02dc, 0x2122, 0x0161,
    0x203a, 0x0153, 0x9d, 0x017e, 0x0178,
];

function decodeQuizText(bytes) {
    try {
        return new TextDecoder('utf-8', { fatal: true, ignoreBOM: true }).decode(bytes);
    } catch (notUtf8) {
        return String.fromCharCode(
            ...Array.from(bytes, (b) => (b >= 0x80 && b < 0xa0 ? CP1252_HIGH[b - 0x80] : b)),
        );
    }
}

// The 104 lines of a quiz file, as text.
function quizLines(bytes) {
    let start = bytes[0] === 0xef && bytes[1] === 0xbb && bytes[2] === 0xbf ? 3 : 0;
    const lines = [];
    for (let at = start; at < bytes.length && lines.length < 104; ++at) {
        if (bytes[at] !== 0x0a && bytes[at] !== 0x0d) continue;
        lines.push(bytes.subarray(start, at));
        if (bytes[at] === 0x0d && bytes[at + 1] === 0x0a) ++at;
        start = at + 1;
    }
    if (lines.length < 104 && start < bytes.length) lines.push(bytes.subarray(start));
    if (lines.length < 104) throw new Error(`a quiz needs 104 lines, this one has ${lines.length}`);
    return lines.map(decodeQuizText);
}

module.exports = { decodeQuizText, quizLines };
