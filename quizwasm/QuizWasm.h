// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

class QuizDocument;

// The engine's entry points for JavaScript (quizwasm.js calls them): bytes come in through the
// module's heap, and what comes back is a text (JSON, or a file's bytes) that the caller reads and
// then frees with quizwasm_text_free. No exception crosses into JavaScript: a failure is a null
// result or a negative status.
extern "C" {

const char *quizwasm_text_data(const std::string *text);
std::size_t quizwasm_text_size(const std::string *text);
void quizwasm_text_free(std::string *text);

// How many of a file's first bytes the checker looks at: a page need read no more of a file.
std::size_t quizwasm_prefix_bytes();
// The checker's findings on a file of totalSize bytes that starts with these (at least its first
// quizwasm_prefix_bytes(), or all of it), as JSON: [{ line, severity, message: { template,
// arguments, text } }]. A double holds every size a page can give exactly.
std::string *quizwasm_check(const char *bytes, std::size_t size, double totalSize);
// The same as the lines --check prints for a file named name (UTF-8).
std::string *quizwasm_check_report(const char *name, std::size_t nameSize, const char *bytes,
                                   std::size_t size, double totalSize);

// The largest file the editor opens: a page need read no more than one byte beyond it.
std::size_t quizwasm_document_limit();
// A document opened from these bytes, as the editor opens a file; null, with the problem's message
// as JSON in *problem, when the editor would refuse it.
QuizDocument *quizwasm_open(const char *bytes, std::size_t size, std::string **problem);
void quizwasm_close(QuizDocument *document);
// The 104 lines as they are shown, as a JSON array of texts.
std::string *quizwasm_lines(const QuizDocument *document);
// 1 for Windows-1252, 0 for UTF-8.
int quizwasm_encoding(const QuizDocument *document);
int quizwasm_is_modified(const QuizDocument *document);
void quizwasm_mark_saved(QuizDocument *document);
// Line index (from 0) becomes the UTF-8 text, in the document's encoding, as the editor stores a
// field that was typed in: 0 when done, 1 when the document is in Windows-1252 and that cannot hold
// the text (the editor then asks to convert to UTF-8), -1 on failure.
int quizwasm_set_line(QuizDocument *document, std::size_t index, const char *text, std::size_t size);
// Every line written again in UTF-8 as it reads now, so that nothing the user sees changes.
int quizwasm_convert_to_utf8(QuizDocument *document);
// The checker's findings on the document as it would be saved, as quizwasm_check gives them.
std::string *quizwasm_findings(const QuizDocument *document);
// The bytes the editor would write, in *bytes: 0 when given, 1 when the editor refuses to save a
// quiz with errors, 2 when the file would be too large for the editor to open again, -1 on failure.
int quizwasm_save(const QuizDocument *document, std::string **bytes);

} // extern "C"
