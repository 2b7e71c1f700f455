// SPDX-License-Identifier: MIT
// The ways a quiz file reaches the studio: Open… (the browser's file picker that gives a handle to
// write back to where there is one, else the file chooser), a file dropped anywhere on the page,
// and a file the system opens with the installed app. Each gives opened({ name, file, handle }),
// handle null where the studio cannot write the file back.
/* exported FileOpening */
class FileOpening {
    constructor(button, chooser, opened) {
        this.chooser = chooser;
        this.opened = opened;
        button.addEventListener('click', () => this.choose());
        chooser.addEventListener('change', () => this.chosen());
        document.addEventListener('dragover', (event) => this.dragOver(event));
        document.addEventListener('drop', (event) => this.drop(event));
        if ('launchQueue' in window)
            window.launchQueue.setConsumer((launch) => {
                if (launch.files && launch.files.length) this.fromHandle(launch.files[0]);
            });
    }

    choose() {
        if (typeof window.showOpenFilePicker !== 'function') {
            this.chooser.click();
            return;
        }
        window
            .showOpenFilePicker({
                id: 'quiz',
                types: [{ description: 'Qzt', accept: { 'application/x-matchmaker-quiz': ['.qzt'] } }],
            })
            .then((handles) => this.fromHandle(handles[0]))
            .catch((error) => {
                // Closed without a choice; or the picker is refused here (a frame, a policy).
                if (error.name !== 'AbortError') this.chooser.click();
            });
    }

    chosen() {
        const file = this.chooser.files[0];
        this.chooser.value = '';
        if (file) this.opened({ name: file.name, file, handle: null });
    }

    fromHandle(handle) {
        handle.getFile().then((file) => this.opened({ name: file.name, file, handle }));
    }

    static carriesFiles(event) {
        return Array.from(event.dataTransfer ? event.dataTransfer.types : []).includes('Files');
    }

    dragOver(event) {
        if (!FileOpening.carriesFiles(event)) return;
        event.preventDefault();
        event.dataTransfer.dropEffect = 'copy';
    }

    drop(event) {
        if (!FileOpening.carriesFiles(event)) return;
        event.preventDefault();
        const item = Array.from(event.dataTransfer.items || []).find((entry) => entry.kind === 'file');
        const file = event.dataTransfer.files[0];
        if (!file) return;
        // Only during the drop event can the handle be asked for.
        const handle =
            item && typeof item.getAsFileSystemHandle === 'function' ? item.getAsFileSystemHandle() : null;
        if (!handle) {
            this.opened({ name: file.name, file, handle: null });
            return;
        }
        handle
            .then((found) => (found && found.kind === 'file' ? found : null))
            .catch(() => null)
            .then((found) => this.opened({ name: file.name, file, handle: found }));
    }

    // The first limit + 1 bytes of the file: enough for the engine to tell that it is too large.
    static read(file, limit) {
        return file
            .slice(0, limit + 1)
            .arrayBuffer()
            .then((buffer) => new Uint8Array(buffer));
    }
}
