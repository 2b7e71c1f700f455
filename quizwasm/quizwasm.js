// SPDX-License-Identifier: MIT
// The program's quiz engine compiled to WebAssembly, for pages: check a file's bytes as --check
// does, open, edit and save a quiz as the editor does, and publish it as the page in one file as
// `matchmaker --export-web --single-file` does. A classic script: load
// quizwasm-engine.js (the module factory QuizWasmEngine) and quizwasm-binary.js (the module's
// wasm as base64, QuizWasmBinary) before it, then QuizWasm.load() gives a promise of the engine.
// In Node.js, pass both: QuizWasm.load(require('./quizwasm-engine.js'), binary).
(function (root) {
    'use strict';

    function fromBase64(base64) {
        const text = atob(base64);
        const bytes = new Uint8Array(text.length);
        for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
        return bytes;
    }

    function Engine(module) {
        const utf8 = new TextEncoder();
        const fromUtf8 = new TextDecoder();

        // Copies bytes into the module's heap for call(pointer, size); a large file would not fit
        // on the stack, where cwrap's 'array' puts it.
        function withBytes(bytes, call) {
            const pointer = module._malloc(Math.max(bytes.length, 1));
            if (!pointer) throw new Error('quizwasm: out of memory for ' + bytes.length + ' bytes');
            try {
                module.HEAPU8.set(bytes, pointer);
                return call(pointer, bytes.length);
            } finally {
                module._free(pointer);
            }
        }

        // Takes a text the engine made: its bytes, copied out, and the text freed.
        function takeBytes(text) {
            if (!text) throw new Error('quizwasm: the engine failed');
            try {
                const data = module._quizwasm_text_data(text);
                return module.HEAPU8.slice(data, data + module._quizwasm_text_size(text));
            } finally {
                module._quizwasm_text_free(text);
            }
        }

        function takeText(text) {
            return fromUtf8.decode(takeBytes(text));
        }

        // Calls call(outPointer) with room for one pointer the engine may fill in, and gives back
        // what it returned and that pointer.
        function withOut(call) {
            const out = module._malloc(4);
            try {
                const result = call(out);
                return { result: result, out: module.HEAPU32[out >> 2] };
            } finally {
                module._free(out);
            }
        }

        function Document(handle) {
            this.handle = handle;
        }
        Document.prototype = {
            // The engine's document, which close() has not freed yet.
            live: function () {
                if (!this.handle) throw new Error('quizwasm: the document is closed');
                return this.handle;
            },
            // The 104 lines as the editor shows them.
            lines: function () {
                return JSON.parse(takeText(module._quizwasm_lines(this.live())));
            },
            get encoding() {
                return module._quizwasm_encoding(this.live()) === 1 ? 'windows-1252' : 'utf-8';
            },
            get modified() {
                return module._quizwasm_is_modified(this.live()) === 1;
            },
            // Line index (from 0) as typed: 'done', or 'needs-utf-8' when the file's Windows-1252
            // cannot hold the text; convertToUtf8() then makes room for it.
            setLine: function (index, text) {
                const handle = this.live();
                const status = withBytes(utf8.encode(text), function (pointer, size) {
                    return module._quizwasm_set_line(handle, index, pointer, size);
                });
                if (status < 0) throw new Error('quizwasm: line ' + index + ' cannot be set');
                return status === 0 ? 'done' : 'needs-utf-8';
            },
            convertToUtf8: function () {
                if (module._quizwasm_convert_to_utf8(this.live()) !== 0)
                    throw new Error('quizwasm: the quiz cannot be converted');
            },
            // { bytes } to write, or { refused: 'errors' } (the checker finds errors) or
            // { refused: 'too-large' }, as the editor refuses to save.
            save: function () {
                const handle = this.live();
                const saved = withOut(function (out) {
                    return module._quizwasm_save(handle, out);
                });
                if (saved.result === 0) return { bytes: takeBytes(saved.out) };
                if (saved.result < 0) throw new Error('quizwasm: the quiz cannot be saved');
                return { refused: saved.result === 1 ? 'errors' : 'too-large' };
            },
            markSaved: function () {
                module._quizwasm_mark_saved(this.live());
            },
            close: function () {
                if (this.handle) module._quizwasm_close(this.handle);
                this.handle = 0;
            },
        };

        // Calls call(pointer, size) for each text's UTF-8 bytes in turn, all in the heap at once.
        function withTexts(texts, call) {
            const [first, ...rest] = texts;
            const bytes = typeof first === 'string' ? utf8.encode(first) : first;
            return withBytes(bytes, function (pointer, size) {
                if (rest.length === 0) return call([pointer, size]);
                return withTexts(rest, function (...more) {
                    return call([pointer, size], ...more);
                });
            });
        }

        // The engine's kit filled from the studio's kit-page.js and kit-media.js.
        function newKit(kit, media) {
            const handle = module._quizwasm_kit_new();
            if (!handle) throw new Error('quizwasm: out of memory for the kit');
            const fill = function (status) {
                if (status !== 0) throw new Error('quizwasm: the kit cannot be filled');
            };
            [kit.html, kit.style, kit.texts, kit.web, kit.contact].forEach(function (text, field) {
                withTexts([text], function ([pointer, size]) {
                    fill(module._quizwasm_kit_text(handle, field, pointer, size));
                });
            });
            kit.parts.forEach(function (part) {
                withTexts([part.name, part.text], function (name, text) {
                    fill(module._quizwasm_kit_part(handle, name[0], name[1], text[0], text[1]));
                });
            });
            // Kind as quizwasm_kit_media takes it: 0 a banner picture, 1 the scrollpic, 2 the logo,
            // 3 a clip.
            const add = function (kind, name, item) {
                const given = item || { type: '', data: '' };
                withTexts([name, given.type, fromBase64(given.data)], function (file, type, bytes) {
                    fill(
                        module._quizwasm_kit_media(
                            handle,
                            kind,
                            file[0],
                            file[1],
                            type[0],
                            type[1],
                            bytes[0],
                            bytes[1],
                        ),
                    );
                });
            };
            media.banner.forEach(function (picture) {
                add(0, '', picture);
            });
            add(1, '', media.scrollpic);
            add(2, '', media.logo);
            Object.keys(media.clips).forEach(function (file) {
                add(3, file, media.clips[file]);
            });
            return handle;
        }

        function Publisher(kit, media) {
            this.texts = kit.texts;
            this.handle = newKit(kit, media);
        }
        Publisher.prototype = {
            live: function () {
                if (!this.handle) throw new Error('quizwasm: the publisher is closed');
                return this.handle;
            },
            // { bytes } of the page in one file for a quiz file of this name holding the document,
            // or { refused: 'errors' } when the checker finds errors in it.
            publish: function (document, name) {
                const handle = this.live();
                const published = withTexts([name], function ([pointer, size]) {
                    return withOut(function (out) {
                        return module._quizwasm_publish(handle, document.live(), pointer, size, out);
                    });
                });
                if (published.result === 0) return { bytes: takeBytes(published.out) };
                if (published.result < 0) throw new Error('quizwasm: the quiz cannot be published');
                return { refused: 'errors' };
            },
            // { texts, quizzes }: what the page in one file plays the document with (its
            // window.MatchMakerTexts and window.MatchMakerQuizzes, pictures and clips in place),
            // errors and all.
            tryData: function (document, name) {
                const handle = this.live();
                const quizzes = withTexts([name], function ([pointer, size]) {
                    return takeText(module._quizwasm_try_data(handle, document.live(), pointer, size));
                });
                return { texts: JSON.parse(this.texts), quizzes: JSON.parse(quizzes) };
            },
            close: function () {
                if (this.handle) module._quizwasm_kit_free(this.handle);
                this.handle = 0;
            },
        };

        return {
            // How many of a file's first bytes check() needs: a page need read no more of it.
            prefixBytes: module._quizwasm_prefix_bytes(),
            // The findings on a file of totalSize bytes (bytes.length unless told) that starts
            // with these bytes: { line, severity: 'error' or 'warning', message: { template,
            // arguments, text } }, sorted by line.
            check: function (bytes, totalSize) {
                const size = totalSize === undefined ? bytes.length : totalSize;
                return JSON.parse(
                    takeText(
                        withBytes(bytes, function (pointer, length) {
                            return module._quizwasm_check(pointer, length, size);
                        }),
                    ),
                );
            },
            // The lines --check prints for a file of this name, each ending in a line feed.
            checkReport: function (name, bytes, totalSize) {
                const size = totalSize === undefined ? bytes.length : totalSize;
                const encodedName = utf8.encode(name);
                return takeText(
                    withBytes(bytes, function (pointer, length) {
                        return withBytes(encodedName, function (namePointer, nameSize) {
                            return module._quizwasm_check_report(
                                namePointer,
                                nameSize,
                                pointer,
                                length,
                                size,
                            );
                        });
                    }),
                );
            },
            // The checker's findings on the document as it would be saved, as check() gives them.
            findings: function (document) {
                return JSON.parse(takeText(module._quizwasm_findings(document.live())));
            },
            // What publishes documents with the studio's kit (window.StudioKit) and media
            // (window.StudioMedia); close() frees it.
            publisher: function (kit, media) {
                return new Publisher(kit, media);
            },
            // The largest file open() accepts: a page need read no more than one byte beyond it.
            documentLimit: module._quizwasm_document_limit(),
            // { document } as the editor opens the bytes, or { problem } (a message as in check)
            // where it refuses them.
            open: function (bytes) {
                const opened = withBytes(bytes, function (pointer, size) {
                    return withOut(function (out) {
                        return module._quizwasm_open(pointer, size, out);
                    });
                });
                if (opened.result) return { document: new Document(opened.result) };
                return { problem: JSON.parse(takeText(opened.out)) };
            },
        };
    }

    const QuizWasm = {
        load: function (factory, binary) {
            const wasm = fromBase64(binary || root.QuizWasmBinary);
            return (factory || root.QuizWasmEngine)({ wasmBinary: wasm }).then(Engine);
        },
    };

    if (typeof module === 'object' && module.exports) module.exports = QuizWasm;
    else root.QuizWasm = QuizWasm;
})(typeof globalThis === 'object' ? globalThis : this);
