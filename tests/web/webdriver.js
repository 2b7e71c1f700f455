// SPDX-License-Identifier: MIT
// A W3C WebDriver client of the few commands the browser tests use, over node:http, so that it
// runs on every Node the tests support: enough to drive WebKitGTK through WebKitWebDriver.
'use strict';
const http = require('node:http');

// The keys the tests press by name, as WebDriver codes them; any other key is its character.
const KEYS = { Backspace: '\uE003', Tab: '\uE004', Enter: '\uE007', Control: '\uE009' };

function call(port, method, path, body) {
    const data = body === undefined ? null : JSON.stringify(body);
    return new Promise((resolve, reject) => {
        const request = http.request(
            {
                host: '127.0.0.1',
                port,
                method,
                path,
                timeout: 60000,
                headers: data
                    ? { 'content-type': 'application/json', 'content-length': Buffer.byteLength(data) }
                    : {},
            },
            (response) => {
                let text = '';
                response.setEncoding('utf8');
                response.on('data', (chunk) => {
                    text += chunk;
                });
                response.on('end', () => {
                    const { value } = JSON.parse(text || '{}');
                    if (response.statusCode >= 400)
                        reject(new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`));
                    else resolve(value);
                });
            },
        );
        request.on('timeout', () =>
            request.destroy(new Error(`WebDriver ${method} ${path}: no answer in 60 s`)),
        );
        request.on('error', reject);
        request.end(data);
    });
}

class WebDriverSession {
    constructor(port, id) {
        this.port = port;
        this.id = id;
    }

    static async start(port, capabilities) {
        const { sessionId } = await call(port, 'POST', '/session', {
            capabilities: { alwaysMatch: capabilities },
        });
        return new WebDriverSession(port, sessionId);
    }

    command(method, path, body) {
        return call(this.port, method, `/session/${this.id}${path}`, body);
    }

    goto(url) {
        return this.command('POST', '/url', { url });
    }

    reload() {
        return this.command('POST', '/refresh', {});
    }

    // Runs fn in the page with JSON arguments and waits for the promise it returns, if any.
    evaluate(fn, ...args) {
        return this.command('POST', '/execute/sync', {
            script: `return (${fn}).apply(null, arguments);`,
            args,
        });
    }

    // Presses key while holding the modifiers (e.g. ['Control']).
    async press(key, modifiers = []) {
        const values = [...modifiers, key].map((name) => KEYS[name] || name);
        const actions = [
            ...values.map((value) => ({ type: 'keyDown', value })),
            ...values.reverse().map((value) => ({ type: 'keyUp', value })),
        ];
        await this.command('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
    }

    async screenshot() {
        return Buffer.from(await this.command('GET', '/screenshot'), 'base64');
    }

    close() {
        return this.command('DELETE', '');
    }
}

module.exports = { call, WebDriverSession };
