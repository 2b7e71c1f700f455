// SPDX-License-Identifier: MIT
// Prints how long the WebAssembly build takes to check data/episode1.qzt (target: 99th percentile
// under 8 ms), in Node.js and, with --chromium, also in headless Chromium on a page of its own
// from file:// under a policy that allows 'wasm-unsafe-eval' and no 'unsafe-eval'.
// Usage: node bench/wasm/check.js BUILD/quizwasm [--chromium] [runs]
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');

const args = process.argv.slice(2);
const wasmDir = path.resolve(args[0] || 'build/quizwasm');
const inChromium = args.includes('--chromium');
const runs = Number(args.find((arg) => /^\d+$/.test(arg)) || 1000);
const quiz = fs.readFileSync(path.join(__dirname, '../../data/episode1.qzt'));

// Each check of the bytes, in milliseconds, after a few to warm up; and what they found.
function timeChecks(engine, bytes, count) {
    for (let i = 0; i < 20; ++i) engine.check(bytes);
    const times = [];
    for (let i = 0; i < count; ++i) {
        const start = performance.now();
        engine.check(bytes);
        times.push(performance.now() - start);
    }
    return { times, findings: engine.check(bytes).length };
}

function report(where, { times, findings }) {
    times.sort((a, b) => a - b);
    const at = (q) => times[Math.min(times.length - 1, Math.floor(q * times.length))].toFixed(3);
    console.log(
        `${where}: ${times.length} checks of episode1.qzt (${findings} findings): median ${at(0.5)} ms, ` +
            `99th percentile ${at(0.99)} ms, slowest ${times[times.length - 1].toFixed(3)} ms (target: 99th under 8 ms)`,
    );
}

async function chromium() {
    // The browser tests' own harness; tests/web/setup.sh installs what it drives.
    const { Browsers } = require('../../tests/web/browsers.js');
    const page = [
        '<!DOCTYPE html><html lang="en"><head><meta charset="utf-8">',
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; script-src 'self' 'wasm-unsafe-eval'\">",
        '<title>quizwasm check</title>',
        '<script src="quizwasm-engine.js"></script><script src="quizwasm-binary.js"></script>',
        '<script src="quizwasm.js"></script></head><body></body></html>',
    ].join('\n');
    const dir = fs.mkdtempSync(path.join(require('node:os').tmpdir(), 'quizwasm-bench-'));
    for (const name of ['quizwasm-engine.js', 'quizwasm-binary.js', 'quizwasm.js'])
        fs.copyFileSync(path.join(wasmDir, name), path.join(dir, name));
    fs.writeFileSync(path.join(dir, 'index.html'), page);
    const browsers = new Browsers(dir);
    try {
        const tab = await browsers.open('chromium');
        await tab.goto(pathToFileURL(path.join(dir, 'index.html')).href);
        // The same loop as timeChecks, written out: the page's policy refuses new Function.
        const result = await tab.evaluate(
            async ({ bytes, count }) => {
                const engine = await window.QuizWasm.load();
                const quizBytes = new Uint8Array(bytes);
                for (let i = 0; i < 20; ++i) engine.check(quizBytes);
                const times = [];
                for (let i = 0; i < count; ++i) {
                    const start = performance.now();
                    engine.check(quizBytes);
                    times.push(performance.now() - start);
                }
                return { times, findings: engine.check(quizBytes).length };
            },
            { bytes: [...quiz], count: runs },
        );
        // A page from file:// reads a clock of 0.1 ms steps, so a check shorter than that counts as 0.
        report('Chromium (clock in 0.1 ms steps)', result);
    } finally {
        await browsers.close();
        fs.rmSync(dir, { recursive: true, force: true });
    }
}

(async () => {
    require(path.join(wasmDir, 'quizwasm-binary.js'));
    const QuizWasm = require(path.join(wasmDir, 'quizwasm.js'));
    const engine = await QuizWasm.load(require(path.join(wasmDir, 'quizwasm-engine.js')));
    report('Node.js ' + process.version, timeChecks(engine, quiz, runs));
    if (inChromium) await chromium();
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
