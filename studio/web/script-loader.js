// SPDX-License-Identifier: MIT
// Scripts of the studio's own folder loaded once the page is on screen: the engine and the page's
// parts and media are most of the studio's bytes, and a script in the markup would hold up its
// first paint. Each file is loaded once; the scripts of one call run in the order given.
/* exported ScriptLoader */
class ScriptLoader {
    static load(files) {
        return Promise.all(files.map((file) => ScriptLoader.one(file)));
    }

    static one(file) {
        ScriptLoader.loading = ScriptLoader.loading || new Map();
        if (!ScriptLoader.loading.has(file))
            ScriptLoader.loading.set(
                file,
                new Promise((resolve, reject) => {
                    const script = document.createElement('script');
                    script.src = file;
                    script.async = false;
                    script.addEventListener('load', resolve);
                    script.addEventListener('error', () => reject(new Error(`${file} did not load`)));
                    document.head.appendChild(script);
                }),
            );
        return ScriptLoader.loading.get(file);
    }

    // Resolves once the page has been painted.
    static afterPaint() {
        return new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
    }
}
