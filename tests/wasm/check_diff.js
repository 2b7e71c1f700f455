// SPDX-License-Identifier: MIT
// The WebAssembly build against the program, in Node.js: for every file of the fuzz corpora and
// for the odd files below, its findings must be what `matchmaker --check` prints, line for line,
// and the document must save the bytes the editor saves, unchanged and with one line typed in.
// Usage: node check_diff.js QUIZWASM_DIR MATCHMAKER EDITOR_BYTES CORPUS_DIR
'use strict';
const childProcess = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const [wasmDir, matchmaker, editorBytes, corpusDir] = process.argv.slice(2).map((arg) => path.resolve(arg));
require(path.join(wasmDir, 'quizwasm-binary.js'));
const QuizWasm = require(path.join(wasmDir, 'quizwasm.js'));
const factory = require(path.join(wasmDir, 'quizwasm-engine.js'));

// The quiz of the program's own tests: "Q1", "Q1 A", ..., "Q20 D", the names, then extra lines.
function quizBody(eol = '\r\n', names = 'Kest,Dorv,Oro,Bexal', lineCount = 104) {
    const suffixes = ['', ' A', ' B', ' C', ' D'];
    const nameList = names.split(',');
    const lines = [];
    for (let i = 0; i < lineCount; ++i) {
        if (i < 100) lines.push('Q' + (Math.floor(i / 5) + 1) + suffixes[i % 5]);
        else if (i < 104) lines.push(nameList[i - 100] || '');
        else lines.push('extra ' + i);
    }
    return Buffer.from(lines.map((line) => line + eol).join(''), 'latin1');
}

// The quiz with CR LF line ends whose line number (from 1) holds these bytes instead.
function withLine(number, bytes) {
    const lines = quizBody().toString('latin1').split('\n');
    lines[number - 1] = Buffer.from(bytes).toString('latin1') + '\r';
    return Buffer.from(lines.join('\n'), 'latin1');
}

const bin = (text) => Buffer.from(text, 'latin1');
const utf8 = (text) => Buffer.from(text, 'utf8');
const noFinalEnd = quizBody('\r').subarray(0, -1);
const oddFiles = {
    'clean.qzt': quizBody(),
    'blank-after.qzt': Buffer.concat([quizBody(), bin('\r\n  \r\n')]),
    'text-after.qzt': quizBody('\r\n', 'Kest,Dorv,Oro,Bexal', 107),
    'one-after.qzt': Buffer.concat([quizBody(), bin('extra')]),
    'empty-question.qzt': withLine(31, ''),
    'blank-answer.qzt': withLine(34, ' \t '),
    'empty-name.qzt': quizBody('\r\n', 'Kest,Dorv,Oro,'),
    'same-names.qzt': quizBody('\r\n', 'Kest,Dorv,Kest,Bexal'),
    'no-clips.qzt': quizBody('\r\n', 'Kest,kest,Oro,Zed'),
    'windows-1252.qzt': withLine(40, bin('caf\xE9 \x80 \x93quoted\x94 \x81')),
    'utf-8.qzt': withLine(40, utf8('café € 日本 \u{1F600}')),
    'line-too-long.qzt': withLine(87, Buffer.alloc(64 * 1024 + 1, 'x')),
    '97-lines.qzt': Buffer.concat([quizBody('\r\n', '', 96), bin('\r\n')]),
    '102-lines.qzt': quizBody('\r\n', 'Kest,Dorv', 102),
    '103-lines.qzt': quizBody('\r\n', 'Kest,Dorv,Oro', 103),
    'empty.qzt': Buffer.alloc(0),
    'only-mark.qzt': bin('\xEF\xBB\xBF'),
    'mark.qzt': Buffer.concat([bin('\xEF\xBB\xBF'), quizBody('\n')]),
    'utf-16le.qzt': Buffer.concat([bin('\xFF\xFE'), Buffer.from(quizBody().toString('latin1'), 'utf16le')]),
    'utf-16be.qzt': Buffer.concat([
        bin('\xFE\xFF'),
        Buffer.from(quizBody().toString('latin1'), 'utf16le').swap16(),
    ]),
    'picture.png': Buffer.concat([bin('\x89PNG\r\n\x1A\n\0\0\0\rIHDR'), Buffer.alloc(70000, 0x5a)]),
    'zeros.qzt': Buffer.alloc(300 * 1024),
    'cr.qzt': quizBody('\r'),
    'no-final-end.qzt': noFinalEnd,
    'mixed-ends.qzt': bin(
        quizBody('\n').toString('latin1').replace('Q3\n', 'Q3\r').replace('Q4\n', 'Q4\r\n'),
    ),
    'mark-like-line.qzt': withLine(1, bin('\xEF\xBB\xBFQ')),
    'windows-1252-name.qzt': quizBody('\r\n', 'Kest,D\x80rv,\xD6ro,Bexal'),
    'bidi-name.qzt': quizBody(
        '\r\n',
        'Kest,\u202Eroz'.replace(/[^ -~]/g, (c) => utf8(c).toString('latin1')) + ',Oro,Kest',
    ),
    'controls.qzt': withLine(12, bin('a\x1B[31mred\x07\x7F\xC2\x85')),
    'trailing-1252.qzt': Buffer.concat([quizBody(), bin('after \xE9\r\n\0\xFF')]),
};

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'quizwasm-diff-'));
const files = [];
for (const folder of fs.readdirSync(corpusDir).sort()) {
    for (const name of fs.readdirSync(path.join(corpusDir, folder)).sort())
        files.push({ label: folder + '/' + name, dir: path.join(corpusDir, folder), name });
}
for (const [name, bytes] of Object.entries(oddFiles)) {
    fs.writeFileSync(path.join(scratch, name), bytes);
    files.push({ label: 'odd/' + name, dir: scratch, name });
}
// Large files, sparse on the disk: one byte over the editor's limit, and ones far over it. A page
// passes the whole of a file it has read, or only the start the checker and the editor look at.
const largeFiles = {
    'editor-limit.qzt': 64 * 1024 * 1024 + 1,
    'large.qzt': 128 * 1024 * 1024,
    'two-gib.qzt': 2 * 1024 * 1024 * 1024,
};
for (const [name, size] of Object.entries(largeFiles)) {
    fs.writeFileSync(path.join(scratch, name), Buffer.concat([quizBody(), Buffer.alloc(1024, ' ')]));
    fs.truncateSync(path.join(scratch, name), size);
    files.push({ label: 'odd/' + name, dir: scratch, name, large: true });
}
// A file name that holds a direction control is isolated in every line that starts with it.
const bidiName = 'name\u202Ereversed.qzt';
fs.writeFileSync(path.join(scratch, bidiName), oddFiles['same-names.qzt']);
files.push({ label: 'odd/bidi file name', dir: scratch, name: bidiName });

// Texts typed into a line: plain, one that Windows-1252 holds, one it does not, empty, a line break.
const edits = [
    [1, 'edited'],
    [50, 'café “€”'],
    [104, '日本 ✓'],
    [7, ''],
    [101, 'two\r\nlines'],
];

const env = {
    ...process.env,
    QT_QPA_PLATFORM: 'offscreen',
    LANG: 'C.UTF-8',
    LC_ALL: 'C.UTF-8',
    LANGUAGE: 'en',
};
let failures = 0;
function fail(label, what, expected, got) {
    ++failures;
    console.log(
        'FAIL ' +
            label +
            ': ' +
            what +
            '\n  program: ' +
            JSON.stringify(expected) +
            '\n  wasm:    ' +
            JSON.stringify(got),
    );
}

function editorSaves(file, args) {
    const run = childProcess.spawnSync(editorBytes, [path.join(file.dir, file.name), ...args], {
        env,
        maxBuffer: 1 << 30,
    });
    return {
        status: run.status,
        bytes: run.stdout,
        stdout: run.stdout,
        problem: run.stderr.toString().trim(),
    };
}

// What the wasm document gives for the same: the editor's exit status and bytes.
function wasmSaves(engine, bytes, edit) {
    const opened = engine.open(bytes);
    if (!opened.document) return { status: 3, problem: opened.problem.text };
    const document = opened.document;
    try {
        if (edit && document.setLine(edit[0] - 1, edit[1]) === 'needs-utf-8') {
            document.convertToUtf8();
            document.setLine(edit[0] - 1, edit[1]);
        }
        const saved = document.save();
        if (saved.refused) return { status: saved.refused === 'errors' ? 4 : 5 };
        return { status: 0, bytes: Buffer.from(saved.bytes) };
    } finally {
        document.close();
    }
}

// The first bytes of a file, as a page reads them with File.slice.
function startOf(filePath, count) {
    const descriptor = fs.openSync(filePath, 'r');
    try {
        const start = Buffer.alloc(Math.min(count, fs.fstatSync(descriptor).size));
        fs.readSync(descriptor, start, 0, start.length, 0);
        return start;
    } finally {
        fs.closeSync(descriptor);
    }
}

function compareSaves(label, expected, got) {
    if (expected.status !== got.status)
        return fail(
            label,
            'exit status',
            expected.status + ' ' + expected.problem,
            got.status + ' ' + (got.problem || ''),
        );
    if (got.status === 3 && expected.problem !== got.problem)
        return fail(label, 'problem', expected.problem, got.problem);
    if (got.status === 0 && !expected.bytes.equals(got.bytes))
        return fail(label, 'saved bytes', expected.bytes.toString('latin1'), got.bytes.toString('latin1'));
}

// A page's policy allows 'wasm-unsafe-eval' only: the module's script must evaluate no code.
for (const name of ['quizwasm-engine.js', 'quizwasm.js']) {
    const script = fs.readFileSync(path.join(wasmDir, name), 'utf8');
    if (/\beval\s*\(|new\s+Function\b/.test(script))
        fail(name, 'evaluates code', 'no eval, no new Function', 'found');
}

QuizWasm.load(factory)
    .then((engine) => {
        let saves = 0;
        for (const file of files) {
            const filePath = path.join(file.dir, file.name);
            const size = fs.statSync(filePath).size;
            const whole = size <= 256 * 1024 * 1024 ? fs.readFileSync(filePath) : null;
            const check = childProcess.spawnSync(matchmaker, ['--check', file.name], { cwd: file.dir, env });
            const expected = check.stdout.toString().split('\n');
            const checked = [startOf(filePath, engine.prefixBytes)].concat(whole ? [whole] : []);
            for (const given of checked) {
                const got = engine.checkReport(file.name, given, size).split('\n');
                if (expected.length !== got.length || expected.some((line, i) => line !== got[i]))
                    fail(file.label + ' from ' + given.length + ' bytes', '--check', expected, got);
            }
            const bytes = whole || startOf(filePath, engine.documentLimit + 1);
            const shown = editorSaves(file, ['--lines']);
            const opened = engine.open(bytes);
            if (opened.document) {
                const lines = opened.document.lines().join('\n') + '\n';
                opened.document.close();
                if (shown.stdout.toString() !== lines)
                    fail(file.label, 'lines shown', shown.stdout.toString(), lines);
            }
            compareSaves(file.label + ' unchanged', editorSaves(file, []), wasmSaves(engine, bytes, null));
            ++saves;
            for (const edit of file.large ? [] : edits) {
                const hex = edit[1] === '' ? '-' : Buffer.from(edit[1], 'utf8').toString('hex');
                compareSaves(
                    file.label + ' line ' + edit[0] + ' typed',
                    editorSaves(file, [String(edit[0]), hex]),
                    wasmSaves(engine, bytes, edit),
                );
                ++saves;
            }
        }
        fs.rmSync(scratch, { recursive: true, force: true });
        console.log(
            'compared ' +
                files.length +
                ' files with --check and ' +
                saves +
                " saves with the editor's; " +
                failures +
                ' differ',
        );
        process.exit(failures === 0 ? 0 : 1);
    })
    .catch((error) => {
        console.error(error);
        process.exit(1);
    });
