// SPDX-License-Identifier: MIT
// The engine's page writer with the page's parts and media (kit-page.js, kit-media.js): the quiz
// as the one HTML file the program publishes, and as the data the player of Try it takes. Made on
// first use, as it holds the media.
/* exported Publishing */
class Publishing {
    constructor(engine) {
        this.engine = engine;
        this.publisher = null;
    }

    get available() {
        return Boolean(window.StudioKit && window.StudioMedia && typeof this.engine.publisher === 'function');
    }

    writer() {
        if (!this.publisher) this.publisher = this.engine.publisher(window.StudioKit, window.StudioMedia);
        return this.publisher;
    }

    // { bytes } of the page, or { refused: 'errors' }.
    publish(document, name) {
        return this.writer().publish(document, name);
    }

    tryData(document, name) {
        return this.writer().tryData(document, name);
    }

    // The page's file name: the quiz file's name with .html for its extension.
    static pageName(name) {
        return name.replace(/\.[^.]*$/, '') + '.html';
    }
}
