// SPDX-License-Identifier: MIT
// Hands a file to the browser as a download. When window.StudioDownloads is an array (the browser
// tests set one), the file goes into it as { name, type, base64 } instead.
/* exported Downloads */
class Downloads {
    static base64(bytes) {
        let text = '';
        const chunk = 0x8000;
        for (let at = 0; at < bytes.length; at += chunk)
            text += String.fromCharCode.apply(null, bytes.subarray(at, at + chunk));
        return btoa(text);
    }

    static offer(name, type, bytes) {
        if (Array.isArray(window.StudioDownloads)) {
            window.StudioDownloads.push({ name, type, base64: Downloads.base64(bytes) });
            return;
        }
        const address = URL.createObjectURL(new Blob([bytes], { type }));
        const link = document.createElement('a');
        link.href = address;
        link.download = name;
        link.hidden = true;
        document.body.appendChild(link);
        link.click();
        link.remove();
        // The browser has taken the file once the click's task is over; a minute leaves room for a
        // slow one.
        setTimeout(() => URL.revokeObjectURL(address), 60000);
    }
}
