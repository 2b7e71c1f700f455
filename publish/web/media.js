// SPDX-License-Identifier: MIT
// The pictures and clips of the page as one file: they come last in it, in the data block #media,
// so that the first question is painted before they arrive. Once the page is read, each takes its
// place in the data the player reads (the banner's list, each quiz's clips) and in the pictures,
// after the next paint, so that reading them never holds up the first question.
const placeMedia = () => {
    const block = document.getElementById('media');
    const data = window.MatchMakerQuizzes;
    if (!block || !data) return;
    const media = JSON.parse(block.textContent);
    const sound = (file) => (file && media.sounds[file]) || null;
    (data.banner || []).push(...media.banner);
    (data.quizzes || []).forEach((quiz, i) => {
        quiz.clips = media.clips[i].map(sound);
        quiz.noWinnerClip = sound(media.noWinnerClips[i]);
    });
    [
        ['scrollpic', media.scrollpic],
        ['image1', media.logo],
    ].forEach(([id, src]) => {
        const picture = document.getElementById(id);
        if (!picture || !src) return;
        picture.src = src;
        picture.hidden = false;
    });
};
document.addEventListener('DOMContentLoaded', () => requestAnimationFrame(() => setTimeout(placeMedia)));
