// SPDX-License-Identifier: MIT
// The engine's page writer with the page's parts and media (kit-page.js, kit-media.js): the quiz
// as the one HTML file the program publishes, and as the data the player of Try it takes. The two
// scripts are loaded after the studio has started, and the writer is made on first use, as it
// holds the media.
/* global ScriptLoader */
/* exported Publishing */
class Publishing {
    constructor(engine) {
        this.engine = engine;
        this.publisher = null;
    }

    // Starts loading the page's parts and media; resolves once the writer can be made.
    load() {
        return ScriptLoader.load(['kit-page.js', 'kit-media.js']);
    }

    writer() {
        return this.load().then(() => {
            if (!this.publisher) this.publisher = this.engine.publisher(window.StudioKit, window.StudioMedia);
            return this.publisher;
        });
    }

    // A promise of { bytes } of the page, or of { refused: 'errors' }.
    publish(document, name) {
        return this.writer().then((writer) => writer.publish(document, name));
    }

    tryData(document, name) {
        return this.writer().then((writer) => writer.tryData(document, name));
    }

    // The page's file name: the quiz file's name with .html for its extension.
    static pageName(name) {
        return name.replace(/\.[^.]*$/, '') + '.html';
    }
}
