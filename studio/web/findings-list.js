// SPDX-License-Identifier: MIT
// The checker's findings on the quiz as it stands, worded as the quiz editor words them: a summary
// and one button for each finding that takes the user to its line. It runs on every key press, so
// it keeps its list items and changes only the words that changed.
/* exported FindingsList */
class FindingsList {
    constructor(summary, list, language) {
        this.summary = summary;
        this.list = list;
        this.language = language;
        this.items = [];
    }

    // Calls chosen(line) when the user activates a finding of a line (numbered from 1).
    onChoose(chosen) {
        this.list.addEventListener('click', (event) => {
            const button = event.target.closest('button[data-line]');
            const line = button ? Number(button.dataset.line) : 0;
            if (line > 0) chosen(line);
        });
    }

    // Shows the findings; gives back the lines that have errors.
    show(findings) {
        const errorLines = new Set();
        let errors = 0;
        findings.forEach((finding, i) => {
            const isError = finding.severity === 'error';
            if (isError) {
                errors += 1;
                if (finding.line > 0) errorLines.add(finding.line);
            }
            this.setItem(i, finding, isError);
        });
        while (this.items.length > findings.length) this.items.pop().remove();
        this.setText(this.summary, this.summaryText(errors, findings.length - errors));
        return errorLines;
    }

    setItem(i, finding, isError) {
        if (!this.items[i]) {
            const item = this.list.appendChild(document.createElement('li'));
            item.appendChild(document.createElement('button')).type = 'button';
            this.items.push(item);
        }
        const button = this.items[i].firstChild;
        const line = String(finding.line);
        const severity = isError ? 'error' : 'warning';
        if (button.dataset.line !== line) button.dataset.line = line;
        if (button.dataset.severity !== severity) button.dataset.severity = severity;
        this.setText(button, this.findingText(finding, isError));
    }

    setText(element, text) {
        if (element.textContent !== text) element.textContent = text;
    }

    findingText(finding, isError) {
        const L = this.language;
        const message = L.message(finding.message);
        if (finding.line === 0) return L.text(isError ? 'Error: %1' : 'Warning: %1', message);
        return L.text(isError ? 'Line %1: error: %2' : 'Line %1: warning: %2', finding.line, message);
    }

    summaryText(errors, warnings) {
        const L = this.language;
        const warningCount = L.plural('%n warning(s)', warnings);
        if (errors > 0)
            return L.text(
                '%1 and %2: a quiz with errors cannot be saved.',
                L.plural('%n error(s)', errors),
                warningCount,
            );
        if (warnings > 0) return L.text('%1; the quiz can be saved.', warningCount);
        return L.text('No errors or warnings.');
    }
}
