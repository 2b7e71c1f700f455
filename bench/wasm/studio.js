// SPDX-License-Identifier: MIT
// Prints the studio's weight (target: its code, markup, style and wasm at most 400 KB; the kit's
// pictures and clips and the icons apart) and, in Node.js, how long a key press's findings take
// on data/episode1.qzt (a line typed, then findings(); target: 99th percentile well under 8 ms)
// and how long publishing it takes.
// Usage: node bench/wasm/studio.js BUILD/studio [runs]
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const vm = require('node:vm');

const studioDir = path.resolve(process.argv[2] || 'build/studio');
const runs = Number(process.argv[3] || 1000);
const files = (dir) =>
    fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) => {
        const file = path.join(dir, entry.name);
        return entry.isDirectory() ? files(file) : [file];
    });
const kb = (bytes) => `${String(bytes).padStart(8)} bytes (${(bytes / 1000).toFixed(1)} KB)`;

const weights = { code: 0, media: 0 };
for (const file of files(studioDir).sort()) {
    const name = path.relative(studioDir, file);
    const size = fs.statSync(file).size;
    const kind = name === 'kit-media.js' || /\.(png|jpg|svg|ico)$/.test(name) ? 'media' : 'code';
    weights[kind] += size;
    console.log(`${name.padEnd(28)} ${kb(size)} ${kind}`);
}
console.log(`code, markup, style and wasm ${kb(weights.code)}, target 400 KB`);
console.log(`pictures, clips and icons    ${kb(weights.media)}`);

function timed(count, call) {
    const times = [];
    for (let i = 0; i < count; ++i) {
        const start = performance.now();
        call(i);
        times.push(performance.now() - start);
    }
    times.sort((a, b) => a - b);
    const at = (q) => times[Math.min(times.length - 1, Math.floor(q * times.length))].toFixed(3);
    return `median ${at(0.5)} ms, 99th percentile ${at(0.99)} ms`;
}

(async () => {
    require(path.join(studioDir, 'quizwasm-binary.js'));
    const QuizWasm = require(path.join(studioDir, 'quizwasm.js'));
    const engine = await QuizWasm.load(require(path.join(studioDir, 'quizwasm-engine.js')));
    const window = {};
    for (const file of ['kit-page.js', 'kit-media.js'])
        vm.runInNewContext(fs.readFileSync(path.join(studioDir, file), 'utf8'), { window });
    const document = engine.open(fs.readFileSync(path.join(__dirname, '../../data/episode1.qzt'))).document;
    const keyPress = timed(runs, (i) => {
        document.setLine(i % 100, 'typed ' + i);
        engine.findings(document);
    });
    console.log(`Node.js ${process.version}: a line typed and findings(), ${runs} times: ${keyPress}`);
    const publisher = engine.publisher(window.StudioKit, window.StudioMedia);
    const published = timed(50, () => publisher.publish(document, 'episode1.qzt'));
    console.log(`publish(), 50 times: ${published}`);
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
