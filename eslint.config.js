// SPDX-License-Identifier: MIT
// ESLint for the project's JavaScript (scripts/lint.sh runs it): the page's classic scripts with a
// browser's globals, the tests and benchmarks with Node's. Formatting is Prettier's (.prettierrc).
'use strict';
const js = require('@eslint/js');
const globals = require('globals');

module.exports = [
    { ignores: ['**/node_modules/', 'build*/'] },
    js.configs.recommended,
    {
        rules: {
            eqeqeq: 'error',
            'no-var': 'error',
            'prefer-const': 'error',
            // A caught error's name says what it means, used or not.
            'no-unused-vars': ['error', { caughtErrors: 'none' }],
        },
    },
    {
        files: ['publish/web/**/*.js'],
        languageOptions: { sourceType: 'script', globals: { ...globals.browser } },
        rules: {
            // The export joins the parts without their comments and indentation, line by line.
            'no-multi-str': 'error',
            'no-restricted-syntax': [
                'error',
                { selector: 'TemplateElement[value.raw=/\\n/]', message: 'No text in a part spans lines.' },
            ],
        },
    },
    {
        // The studio's classic scripts share one global scope, as the player's do.
        files: ['studio/web/**/*.js'],
        languageOptions: { sourceType: 'script', globals: { ...globals.browser } },
        rules: {
            'no-restricted-syntax': [
                'error',
                { selector: 'TemplateElement[value.raw=/\\n/]', message: 'No text in a part spans lines.' },
            ],
        },
    },
    {
        files: ['studio/web/sw.js'],
        languageOptions: { globals: { ...globals.serviceworker } },
    },
    {
        // The engine is also a module for Node, where the differential test runs it.
        files: ['publish/web/engine.js'],
        languageOptions: { globals: { module: 'writable' } },
    },
    {
        // Node's, and a browser's for the functions they hand to the page to run there.
        files: ['tests/web/**/*.js', 'bench/**/*.js', 'tests/wasm/**/*.js', 'quizwasm/**/*.js'],
        languageOptions: { sourceType: 'commonjs', globals: { ...globals.node, ...globals.browser } },
    },
    {
        // The studio's build steps, run by Node.
        files: ['studio/*.js'],
        languageOptions: { sourceType: 'commonjs', globals: { ...globals.node } },
    },
    {
        files: ['eslint.config.js'],
        languageOptions: { sourceType: 'commonjs', globals: { ...globals.node } },
    },
];
