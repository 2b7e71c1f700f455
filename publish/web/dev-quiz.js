// SPDX-License-Identifier: MIT
// A sample of the data the export writes to quizzes.js, for dev.html: a quiz of twenty numbered
// questions with the shipped names, pictures and clips of the source tree. No translations: the
// page speaks English. An export (matchmaker --export-web DIR QUIZ) writes the real thing.
window.MatchMakerTexts = { keys: [] };
window.MatchMakerQuizzes = {
    quizzes: [
        {
            name: 'sample.qzt',
            lines: Array.from({ length: 20 }, (_, i) => [
                `Sample question ${i + 1}: which would you pick?`,
                'Answer A, for Kest',
                'Answer B, for Dorv',
                'Answer C, for Oro',
                'Answer D, for Bexal',
            ])
                .flat()
                .concat(['Kest', 'Dorv', 'Oro', 'Bexal']),
            clips: ['kestsound.wav', 'dorvsound.wav', 'orosound.wav', 'bexalsound.wav'].map(
                (clip) => `../../data/${clip}`,
            ),
            noWinnerClip: null,
        },
    ],
    banner: Array.from({ length: 10 }, (_, i) => `../../data/${i + 1}.jpg`),
    scrollpic: '../../assets/scrollpic.jpg',
    logo: '../../assets/image1.gif',
    // As the export writes them; page_fixes.js holds the two equal.
    rules: {
        blockLines: 5,
        largestTally: 32767,
        nameLine: 100,
        questions: 20,
        texts: {
            detail: '%1: %2',
            noWinnerName: 'all the guys',
            noWinnerPrompt:
                'Your most compatible with all the guys!,  If you would like to try again press ok.  If you want to quit hit cancel. ',
            prompt: 'Your most compatible with %1!,  If you would like to try again press ok.  If you want to quit hit cancel. ',
            ties: [
                null,
                null,
                '%1 and %2 tied with %3 votes each; the later name wins.',
                '%1, %2 and %3 tied with %4 votes each; the later name wins.',
                '%1, %2, %3 and %4 tied with %5 votes each; the later name wins.',
            ],
            title: 'Your results!',
        },
    },
    web: 'https://www.brindlecast.example/',
    contact: 'matchmaker@brindlecast.example',
};
