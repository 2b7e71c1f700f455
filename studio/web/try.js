// SPDX-License-Identifier: MIT
// The player inside the studio's Try it dialog: it tells the studio it is ready, takes the quiz and
// the words from the studio's message (from the studio alone), and then loads the published page's
// own player, in its order, which starts on what it was given.
/* exported TryPage */
class TryPage {
    static get playerScripts() {
        return [
            'engine.js',
            'texts.js',
            'view.js',
            'banner.js',
            'switches.js',
            'picture.js',
            'controller.js',
        ];
    }

    constructor() {
        this.started = false;
        window.addEventListener('message', (event) => this.received(event));
        // Escape in the player closes the studio's dialog, as it does outside the frame.
        document.addEventListener('keydown', (event) => {
            if (event.key === 'Escape') window.parent.postMessage({ type: 'matchmaker-try-close' }, '*');
        });
        window.parent.postMessage({ type: 'matchmaker-try-ready' }, '*');
    }

    received(event) {
        const data = event.data;
        if (this.started || event.source !== window.parent || !data || data.type !== 'matchmaker-try') return;
        this.started = true;
        window.MatchMakerTexts = data.texts;
        window.MatchMakerQuizzes = data.quizzes;
        for (const name of TryPage.playerScripts) {
            const script = document.createElement('script');
            script.src = 'player/' + name;
            script.async = false;
            document.head.appendChild(script);
        }
    }
}

new TryPage();
