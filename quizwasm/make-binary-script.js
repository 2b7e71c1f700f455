// SPDX-License-Identifier: MIT
// Writes the module's wasm as a classic script that defines it as base64 (QuizWasmBinary), so a
// page hands it to the module as wasmBinary: no fetch, no data: URI for a policy to refuse.
// Usage: node make-binary-script.js IN.wasm OUT.js
'use strict';
const fs = require('fs');

const [input, output] = process.argv.slice(2);
const base64 = fs.readFileSync(input).toString('base64');
fs.writeFileSync(
    output,
    '// SPDX-License-Identifier: MIT\n// Generated from ' +
        require('path').basename(input) +
        ' by make-binary-script.js.\nglobalThis.QuizWasmBinary = "' +
        base64 +
        '";\n',
);
