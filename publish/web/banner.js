// SPDX-License-Identifier: MIT
// The banner as the window moves it: 500 twips (15 to a pixel) right each second, back to the left
// once past the outer width, and a random one of the pictures each time (a missing one changes
// nothing). The style sheet turns the window's pixels in --left into the layout's.
/* exported Banner */
class Banner {
    constructor(image, pictures) {
        this.image = image;
        this.pictures = pictures;
        this.timer = 0;
        this.left = 0;
    }

    run(running) {
        if (running && !this.timer) this.timer = setInterval(() => this.tick(), 1000);
        if (!running && this.timer) {
            clearInterval(this.timer);
            this.timer = 0;
        }
    }

    tick() {
        const left = this.left + 500;
        this.image.style.setProperty('--left', left / 15);
        this.left = left >= 9630 ? 0 : left;
        const picture = this.pictures[Math.floor(Math.random() * this.pictures.length)];
        const next = new Image();
        next.onload = () => {
            if (this.timer) this.image.src = picture;
        };
        if (picture) next.src = picture;
    }
}
