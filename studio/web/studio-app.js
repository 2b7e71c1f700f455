// SPDX-License-Identifier: MIT
// The studio as an installable app that works offline: its manifest and its service worker, where
// the browser allows them (https:, or this machine for trying it out; from file:// a manifest only
// brings an error in the console).
/* exported StudioApp */
class StudioApp {
    static get allowed() {
        return (
            location.protocol === 'https:' || ['localhost', '127.0.0.1', '[::1]'].includes(location.hostname)
        );
    }

    static install() {
        if (!StudioApp.allowed) return;
        const manifest = document.createElement('link');
        manifest.rel = 'manifest';
        manifest.href = 'manifest.webmanifest';
        document.head.appendChild(manifest);
        if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
    }
}
