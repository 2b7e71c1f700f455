// SPDX-License-Identifier: MIT
// Quiz text as the program reads it, for the tests' own expectations: lines end at CR LF, LF or
// CR, a UTF-8 byte-order mark is dropped, and each line is UTF-8 when valid, else Windows-1252.
'use strict';

// Windows-1252 differs from Latin-1 in 0x80 to 0x9F; its five unused places stay C1 controls.
const CP1252_HIGH = [
    0x20AC, 0x81, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x8D, 0x017D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D, 0x017E, 0x0178];

function decodeQuizText(bytes) {
    try {
        return new TextDecoder('utf-8', { fatal: true, ignoreBOM: true }).decode(bytes);
    } catch (notUtf8) {
        return String.fromCharCode(...Array.from(bytes, (b) => (b >= 0x80 && b < 0xA0 ? CP1252_HIGH[b - 0x80] : b)));
    }
}

// The 104 lines of a quiz file, as text.
function quizLines(bytes) {
    let start = bytes[0] === 0xEF && bytes[1] === 0xBB && bytes[2] === 0xBF ? 3 : 0;
    const lines = [];
    for (let at = start; at < bytes.length && lines.length < 104; ++at) {
        if (bytes[at] !== 0x0A && bytes[at] !== 0x0D)
            continue;
        lines.push(bytes.subarray(start, at));
        if (bytes[at] === 0x0D && bytes[at + 1] === 0x0A)
            ++at;
        start = at + 1;
    }
    if (lines.length < 104 && start < bytes.length)
        lines.push(bytes.subarray(start));
    if (lines.length < 104)
        throw new Error(`a quiz needs 104 lines, this one has ${lines.length}`);
    return lines.map(decodeQuizText);
}

module.exports = { decodeQuizText, quizLines };
