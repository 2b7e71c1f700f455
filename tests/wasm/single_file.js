// SPDX-License-Identifier: MIT
// The studio's publisher against the program, in Node.js: for each quiz below, the page in one file
// that quizwasm publishes from the studio's kit must be, byte for byte, what
// `matchmaker --export-web --single-file` writes for the same file, and a quiz with errors is
// refused by both. tryData must give what the page in one file's player ends with.
// Usage: node single_file.js STUDIO_DIR MATCHMAKER DATA_DIR
'use strict';
const assert = require('node:assert');
const childProcess = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const vm = require('node:vm');

const [studioDir, matchmaker, dataDir] = process.argv.slice(2).map((arg) => path.resolve(arg));
require(path.join(studioDir, 'quizwasm-binary.js'));
const QuizWasm = require(path.join(studioDir, 'quizwasm.js'));
const factory = require(path.join(studioDir, 'quizwasm-engine.js'));
const loaded = (file) => {
    const window = {};
    vm.runInNewContext(fs.readFileSync(path.join(studioDir, file), 'utf8'), { window });
    return window;
};
const kit = loaded('kit-page.js').StudioKit;
const media = loaded('kit-media.js').StudioMedia;

const bin = (text) => Buffer.from(text, 'latin1');
const utf8 = (text) => Buffer.from(text, 'utf8');
// A quiz: "Q1", "Q1 A", ..., "Q20 D", the names, then any more lines; line number (from 1) => bytes.
function quiz(names, changed = {}, lineCount = 104) {
    const suffixes = ['', ' A', ' B', ' C', ' D'];
    const lines = [];
    for (let i = 0; i < lineCount; ++i) {
        if (i + 1 in changed) lines.push(Buffer.from(changed[i + 1]));
        else if (i < 100) lines.push(bin('Q' + (Math.floor(i / 5) + 1) + suffixes[i % 5]));
        else if (i < 104) lines.push(utf8(names.split(',')[i - 100] || ''));
        else lines.push(bin('more ' + i));
    }
    return Buffer.concat(lines.flatMap((line) => [line, bin('\r\n')]));
}

const withoutClip = (file) =>
    Object.fromEntries(Object.entries(media.clips).filter(([name]) => name !== file));
// name: the file's name; typed: a line typed into the opened quiz (index, text); missing: a clip the data folder lacks, and so the studio's media too.
const cases = [
    { name: 'episode1.qzt', bytes: fs.readFileSync(path.join(dataDir, 'episode1.qzt')) },
    {
        name: 'windows-1252.qzt',
        bytes: quiz('Kest,D\x80rv,Oro,Bexal', { 7: bin('caf\xE9 \x80 \x93quoted\x94'), 101: bin('K\xE9st') }),
    },
    {
        name: 'hostile <img src=x onerror=alert(1)>.qzt',
        bytes: quiz('Kest,\u202EDorv,Oro,Bexal', {
            1: utf8('<img src=x onerror=alert(1)></script><script>alert(2)</script><!--'),
            12: utf8('\u202Eright\u2066to\u2069left\u200F \u2028 \0 & "quoted"'),
            33: bin('nul \0 inside'),
        }),
    },
    { name: 'lines after the last.qzt', bytes: quiz('Kest,Dorv,Oro,Bexal', {}, 110) },
    { name: 'empty names.qzt', bytes: quiz('Kest,,Oro,') },
    { name: 'no clips \u202E.qzt', bytes: quiz('kest,Zed,Or\u00F4,Bexal ') },
    { name: 'Ünïcode 日本.QZT', bytes: quiz('Dorv,Dorv,,Bexal'), missing: 'dorvsound.wav' },
    // A line longer than a quiz may hold, which the editor's document takes only as typed in.
    {
        name: 'errors.qzt',
        bytes: quiz('Kest,Dorv,Oro,Bexal', { 11: 'x'.repeat(64 * 1024 + 1) }),
        typed: [10, 'x'.repeat(64 * 1024 + 1)],
        refused: true,
    },
];

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'studio-single-file-'));
const env = {
    ...process.env,
    QT_QPA_PLATFORM: 'offscreen',
    LANG: 'C.UTF-8',
    LC_ALL: 'C.UTF-8',
    LANGUAGE: 'en',
};

// The program's page for the file, run in a data folder as ExportCommand expects; null when it
// publishes nothing.
function programPage(file, bytes, missing) {
    const data = path.join(scratch, 'data-' + (missing || 'all'));
    if (!fs.existsSync(data)) {
        fs.mkdirSync(data);
        for (const name of fs.readdirSync(dataDir).filter((name) => name !== missing))
            fs.copyFileSync(path.join(dataDir, name), path.join(data, name));
    }
    const quizFile = path.join(scratch, file);
    const page = path.join(scratch, 'page.html');
    fs.writeFileSync(quizFile, bytes);
    fs.rmSync(page, { force: true });
    const run = childProcess.spawnSync(matchmaker, ['--export-web', '--single-file', page, quizFile], {
        cwd: data,
        env,
    });
    return run.status === 0 ? fs.readFileSync(page) : null;
}

// window.MatchMakerQuizzes of the page in one file once its media.js has placed the data block.
function playedData(page) {
    const text = page.toString('utf8');
    const start = text.indexOf('window.MatchMakerQuizzes = ') + 'window.MatchMakerQuizzes = '.length;
    const data = JSON.parse(text.slice(start, text.indexOf(';\n', start)));
    const block = text.slice(text.indexOf('type="application/json">') + 24);
    const placed = JSON.parse(block.slice(0, block.indexOf('</script>')));
    const sound = (file) => (file && placed.sounds[file]) || null;
    data.banner.push(...placed.banner);
    data.quizzes.forEach((quiz, i) => {
        quiz.clips = placed.clips[i].map(sound);
        quiz.noWinnerClip = sound(placed.noWinnerClips[i]);
    });
    return { ...data, scrollpic: placed.scrollpic, logo: placed.logo };
}

QuizWasm.load(factory)
    .then((engine) => {
        let failures = 0;
        for (const test of cases) {
            const publisher = engine.publisher(kit, { ...media, clips: withoutClip(test.missing) });
            const document = engine.open(test.typed ? quiz('Kest,Dorv,Oro,Bexal') : test.bytes).document;
            if (test.typed) document.setLine(...test.typed);
            try {
                const published = publisher.publish(document, test.name);
                const expected = programPage(test.name, test.bytes, test.missing);
                assert.strictEqual(expected === null, Boolean(test.refused), 'the program publishes');
                assert.strictEqual(
                    published.refused === 'errors',
                    Boolean(test.refused),
                    'the studio publishes',
                );
                const saved = document.save();
                const findings = engine.findings(document);
                if (saved.bytes) assert.deepStrictEqual(findings, engine.check(saved.bytes));
                else
                    assert.ok(
                        findings.some((finding) => finding.severity === 'error'),
                        'findings hold an error',
                    );
                const tried = publisher.tryData(document, test.name);
                assert.deepStrictEqual(tried.texts, JSON.parse(kit.texts));
                assert.deepStrictEqual(tried.quizzes.quizzes[0].lines, document.lines());
                if (test.refused) {
                    console.log('ok ' + test.name + ' (refused)');
                    continue;
                }
                if (!expected.equals(Buffer.from(published.bytes)))
                    assert.fail(
                        "the page differs from the program's at byte " +
                            expected.findIndex((byte, i) => byte !== published.bytes[i]),
                    );
                assert.deepStrictEqual(tried.quizzes, playedData(expected));
                console.log('ok ' + test.name);
            } catch (error) {
                ++failures;
                console.log('FAIL ' + test.name + ': ' + error.message);
            } finally {
                document.close();
                publisher.close();
            }
        }
        fs.rmSync(scratch, { recursive: true, force: true });
        process.exit(failures === 0 ? 0 : 1);
    })
    .catch((error) => {
        console.error(error);
        process.exit(1);
    });
