// SPDX-License-Identifier: MIT
// Writes the saved quiz back where it came from when the browser gave a handle that can write
// (asking for permission as it must), else offers it as a download of that name.
/* exported FileSaving */
/* global Downloads */
class FileSaving {
    static write(name, bytes, handle) {
        if (!handle || typeof handle.createWritable !== 'function') {
            Downloads.offer(name, 'application/x-matchmaker-quiz', bytes);
            return Promise.resolve();
        }
        return FileSaving.mayWrite(handle)
            .then(() => handle.createWritable())
            .then((stream) => stream.write(bytes).then(() => stream.close()));
    }

    static mayWrite(handle) {
        if (typeof handle.requestPermission !== 'function') return Promise.resolve();
        return handle.requestPermission({ mode: 'readwrite' }).then((state) => {
            if (state !== 'granted') throw new DOMException('', 'NotAllowedError');
        });
    }
}
