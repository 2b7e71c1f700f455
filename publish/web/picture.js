// SPDX-License-Identifier: MIT
// The result as a picture to save or share, and as text to copy. A result is what the results
// showed: { quiz, line, details, names, tallies, winner }.
/* exported ResultSharing */
class ResultSharing {
    // T translates the page's words; copy is the Copy button, copied the place that says it worked.
    constructor(T, copy, copied) {
        this.T = T;
        this.copyButton = copy;
        this.copied = copied;
    }

    static canShareFiles() {
        return Boolean(
            navigator.canShare &&
            navigator.canShare({ files: [new File([''], 'a.png', { type: 'image/png' })] }),
        );
    }

    save(result) {
        this.withPicture(result, (blob) => {
            const link = document.createElement('a');
            link.href = URL.createObjectURL(blob);
            link.download = 'matchmaker-result.png';
            link.click();
            setTimeout(() => URL.revokeObjectURL(link.href), 60000);
        });
    }

    share(result) {
        this.withPicture(result, (blob) => {
            const file = new File([blob], 'matchmaker-result.png', { type: 'image/png' });
            navigator
                .share({ files: [file], title: this.T('Your results!'), text: result.line })
                .catch(() => null);
        });
    }

    // The clipboard API where it is allowed, else the selection of a hidden text area.
    copy(result) {
        const text = [result.quiz, result.line, ...result.details].join('\n');
        const copied = () => {
            this.copied.textContent = this.T('Copied');
        };
        const bySelection = () => {
            const area = document.body.appendChild(document.createElement('textarea'));
            area.value = text;
            area.className = 'unseen';
            area.select();
            const done = document.execCommand('copy');
            area.remove();
            this.copyButton.focus();
            if (done) copied();
        };
        if (navigator.clipboard && navigator.clipboard.writeText)
            navigator.clipboard.writeText(text).then(copied, bySelection);
        else bySelection();
    }

    // A 1200 by 630 picture, drawn from text only, so that no file taints it.
    withPicture(result, use) {
        const canvas = document.createElement('canvas');
        const most = Math.max(...result.tallies, 1);
        canvas.width = 1200;
        canvas.height = 630;
        const g = canvas.getContext('2d');
        g.fillRect(0, 0, 1200, 630);
        ResultSharing.write(g, this.T('Brindlecast Match Maker!'), 84, 44, '#6b6bff');
        ResultSharing.write(g, result.quiz, 136, 28, '#c0c0c0');
        ResultSharing.write(g, result.line, 210, 48, '#fff');
        result.tallies.forEach((tally, k) => {
            const y = 262 + k * 88;
            const bar = 4 + (520 * tally) / most;
            ResultSharing.write(g, result.names[k], y + 40, 32, '#fff', 470);
            g.fillText(tally, 572 + bar, y + 40);
            g.fillStyle = k === result.winner ? '#6b6bff' : '#808080';
            g.fillRect(560, y, bar, 56);
        });
        canvas.toBlob((blob) => {
            if (blob) use(blob);
        }, 'image/png');
    }

    // Text cut to its width with an ellipsis; no line of the picture holds 150 characters.
    static write(g, text, y, size, colour, width = 1080) {
        const all = Array.from(text);
        const chars = all.slice(0, 150);
        let end = chars.length < all.length ? '\u2026' : '';
        g.font = `${size}px Arial, "Liberation Sans", Arimo, sans-serif`;
        g.fillStyle = colour;
        while (g.measureText(chars.join('') + end).width > width) {
            chars.pop();
            end = '\u2026';
        }
        g.fillText(chars.join('') + end, 60, y);
    }
}
