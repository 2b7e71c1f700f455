// SPDX-License-Identifier: MIT
// The three browser engines behind one small tab: Debian's chromium and firefox-esr through
// puppeteer-core (Chromium over its DevTools protocol, Firefox over WebDriver BiDi), and WebKitGTK
// through WebKitWebDriver, which launches webview.py on an Xvfb of its own. Every tab has a new,
// empty profile, the size, language and motion preference asked for, and its own download folder.
// The browsers' HOME holds a null ALSA device, so that a clip plays to its end without a sound card.
'use strict';
const fs = require('node:fs');
const net = require('node:net');
const path = require('node:path');
const { spawn } = require('node:child_process');
const puppeteer = require('puppeteer-core');
const { call, WebDriverSession } = require('./webdriver.js');

const ENGINES = ['chromium', 'firefox', 'webkit'];
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const FIREFOX = process.env.FIREFOX || '/usr/bin/firefox-esr';
const WEBKIT_DRIVER = process.env.WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';

// A promise that fails after ms, for a browser's promise that would otherwise wait for ever.
function within(ms, what, promise) {
    let timer;
    const late = new Promise((resolve, reject) => {
        timer = setTimeout(() => reject(new Error(`${what}: no answer in ${ms} ms`)), ms);
    });
    return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// A tab of Chromium or Firefox: a browser context of one page.
class PuppeteerTab {
    constructor(context, page, downloads) {
        this.context = context;
        this.page = page;
        this.downloads = downloads;
    }

    static async open(browser, engine, { width, height }, downloads) {
        const context = await browser.createBrowserContext({
            downloadBehavior: { policy: 'allow', downloadPath: downloads },
        });
        // Firefox lets a page read the clipboard through a preference, Chromium through a permission.
        if (engine === 'chromium') {
            await context.setPermission(
                '*',
                ...['clipboard-read', 'clipboard-write'].map((name) => ({
                    permission: { name },
                    state: 'granted',
                })),
            );
        }
        const page = await context.newPage();
        page.setDefaultTimeout(15000);
        await page.setViewport({ width, height });
        return new PuppeteerTab(context, page, downloads);
    }

    goto(url) {
        return this.page.goto(url);
    }

    reload() {
        return this.page.reload();
    }

    press(key) {
        return this.page.keyboard.press(key);
    }

    // Types the text into the focused element, key by key.
    type(text) {
        return this.page.keyboard.type(text);
    }

    evaluate(fn, ...args) {
        return within(60000, 'a script in the page', this.page.evaluate(fn, ...args));
    }

    // Runs fn in the document of the frame that the element of this selector shows.
    async inFrame(selector, fn, ...args) {
        const frame = await (await this.page.$(selector)).contentFrame();
        return within(60000, 'a script in the frame', frame.evaluate(fn, ...args));
    }

    // The keys go to the focused frame.
    pressInFrame(selector, key) {
        return this.press(key);
    }

    // The clipboard API, or the one a test put aside as testClipboard where it took the API away.
    clipboardText() {
        return this.evaluate(() => (window.testClipboard || navigator.clipboard).readText());
    }

    resize(width, height) {
        return this.page.setViewport({ width, height });
    }

    async screenshot(file) {
        await this.page.screenshot({ path: file });
    }

    close() {
        return this.context.close();
    }
}

// A tab of WebKitGTK: a WebDriver session, with a browser of its own.
class WebKitTab {
    constructor(session, downloads) {
        this.session = session;
        this.downloads = downloads;
    }

    static async open(port, { width, height, locale, reducedMotion }, downloads) {
        const args = [
            path.join(__dirname, 'webview.py'),
            `--size=${width}x${height}`,
            `--language=${locale}`,
            `--downloads=${downloads}`,
            ...(reducedMotion ? ['--reduced-motion'] : []),
        ];
        const session = await WebDriverSession.start(port, {
            'webkitgtk:browserOptions': { binary: '/usr/bin/python3', args },
        });
        return new WebKitTab(session, downloads);
    }

    goto(url) {
        return this.session.goto(url);
    }

    reload() {
        return this.session.reload();
    }

    press(key) {
        return this.session.press(key);
    }

    async type(text) {
        for (const key of text) await this.session.press(key);
    }

    evaluate(fn, ...args) {
        return this.session.evaluate(fn, ...args);
    }

    inFrame(selector, fn, ...args) {
        return this.withFrame(selector, () => this.evaluate(fn, ...args));
    }

    // WebDriver sends keys to the document of the frame it is switched to, not to a focused frame.
    pressInFrame(selector, key) {
        return this.withFrame(selector, () => this.press(key));
    }

    async withFrame(selector, action) {
        const element = await this.session.command('POST', '/element', {
            using: 'css selector',
            value: selector,
        });
        await this.session.command('POST', '/frame', { id: element });
        try {
            return await action();
        } finally {
            await this.session.command('POST', '/frame/parent', {});
        }
    }

    // WebKit lets a page read the clipboard only when the person pastes: Ctrl+V in a text area.
    async clipboardText() {
        await this.evaluate(() => document.body.appendChild(document.createElement('textarea')).focus());
        await this.session.press('v', ['Control']);
        return this.evaluate(() => {
            const area = document.activeElement;
            area.remove();
            return area.value;
        });
    }

    async screenshot(file) {
        fs.writeFileSync(file, await this.session.screenshot());
    }

    // The window is the web view, with no frame on an Xvfb that has no window manager.
    resize(width, height) {
        return this.session.command('POST', '/window/rect', { width, height });
    }

    close() {
        return this.session.close();
    }
}

function freePort() {
    return new Promise((resolve, reject) => {
        const server = net.createServer().listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
        server.on('error', reject);
    });
}

// Waits for a started process to print a line that matches, or fails when it ends first.
function started(child, stream, pattern, what) {
    return within(
        30000,
        what,
        new Promise((resolve, reject) => {
            let seen = '';
            stream.on('data', (chunk) => {
                seen += chunk;
                const match = pattern.exec(seen);
                if (match) resolve(match);
            });
            child.on('exit', (code) => reject(new Error(`${what} ended (${code}): ${seen.trim()}`)));
        }),
    );
}

class Browsers {
    // scratch: a folder for the browsers' HOME, profiles and downloads.
    constructor(scratch) {
        this.scratch = scratch;
        this.home = path.join(scratch, 'home');
        fs.mkdirSync(this.home, { recursive: true });
        fs.writeFileSync(path.join(this.home, '.asoundrc'), 'pcm.!default { type null }\n');
        this.env = { ...process.env, HOME: this.home, XDG_CONFIG_HOME: path.join(this.home, '.config') };
        this.shared = new Map();
        this.processes = [];
        this.tabs = 0;
        process.on('exit', () => this.processes.forEach((child) => child.kill()));
    }

    // A tab of engine at width by height (1280 by 800 unless asked), in locale, where less motion
    // is asked for if reducedMotion.
    async open(engine, { width = 1280, height = 800, locale = 'en-US', reducedMotion = false } = {}) {
        const options = { width, height, locale, reducedMotion };
        const downloads = path.join(this.scratch, `downloads-${this.tabs++}`);
        fs.mkdirSync(downloads);
        if (engine === 'webkit') return WebKitTab.open(await this.webkitDriver(), options, downloads);
        return PuppeteerTab.open(await this.browser(engine, options), engine, options, downloads);
    }

    // One browser for each engine, language and motion preference: they are settings of the
    // browser, not of a context.
    browser(engine, { locale, reducedMotion }) {
        const key = JSON.stringify([engine, locale, reducedMotion]);
        if (!this.shared.has(key))
            this.shared.set(
                key,
                engine === 'chromium'
                    ? this.chromium(locale, reducedMotion)
                    : this.firefox(locale, reducedMotion),
            );
        return this.shared.get(key);
    }

    chromium(locale, reducedMotion) {
        return puppeteer.launch({
            executablePath: CHROMIUM,
            headless: true,
            env: this.env,
            timeout: 30000,
            args: [
                '--no-sandbox',
                '--disable-gpu',
                '--disable-quic',
                '--no-first-run',
                '--disable-background-networking',
                '--disable-component-update',
                '--disable-sync',
                `--accept-lang=${locale}`,
                `--lang=${locale}`,
                ...(reducedMotion ? ['--force-prefers-reduced-motion'] : []),
            ],
        });
    }

    firefox(locale, reducedMotion) {
        return puppeteer.launch({
            browser: 'firefox',
            executablePath: FIREFOX,
            headless: true,
            env: this.env,
            timeout: 30000,
            extraPrefsFirefox: {
                'intl.accept_languages': locale,
                'ui.prefersReducedMotion': reducedMotion ? 1 : 0,
                'dom.events.testing.asyncClipboard': true,
                // The downloads panel would take the focus from the page after Save Picture.
                'browser.download.alwaysOpenPanel': false,
            },
        });
    }

    // WebKitWebDriver on a free loopback port and an Xvfb on a free display, started once.
    webkitDriver() {
        if (!this.driver) this.driver = this.startWebKitDriver();
        return this.driver;
    }

    async startWebKitDriver() {
        const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1920x1080x24', '-nolisten', 'tcp'], {
            stdio: ['ignore', 'ignore', 'pipe', 'pipe'],
        });
        this.processes.push(xvfb);
        const [display] = await started(xvfb, xvfb.stdio[3], /^\d+\n/, 'Xvfb');
        const port = await freePort();
        const driver = spawn(WEBKIT_DRIVER, [`--port=${port}`, '--host=127.0.0.1'], {
            env: { ...this.env, DISPLAY: `:${display.trim()}`, GDK_BACKEND: 'x11' },
            stdio: ['ignore', 'ignore', 'ignore'],
        });
        this.processes.push(driver);
        // Ready once it answers its status.
        for (const deadline = Date.now() + 30000; ;) {
            try {
                await call(port, 'GET', '/status');
                return port;
            } catch (notYet) {
                if (Date.now() > deadline || driver.exitCode !== null)
                    throw new Error(`WebKitWebDriver did not start: ${notYet.message}`);
                await new Promise((resolve) => setTimeout(resolve, 50));
            }
        }
    }

    async close() {
        const browsers = await Promise.allSettled(this.shared.values());
        await Promise.all(browsers.filter((b) => b.status === 'fulfilled').map((b) => b.value.close()));
        this.shared.clear();
        this.processes.forEach((child) => child.kill());
    }
}

module.exports = { ENGINES, Browsers, within };
