<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Brindlecast Match Maker</source>
        <translation>Brindlecast-Partnertest</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Which cast member are you most compatible with? A quiz for the audience of the television show Brindlecast.</source>
        <translation>Zu welcher Figur passt du am besten? Ein Quiz für die Zuschauer der Fernsehserie Brindlecast.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 Brindlecast Match Maker developers</source>
        <translation>Copyright (c) 2026 die Entwickler von Brindlecast Match Maker</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>About Brindlecast Match Maker</source>
        <translation>Über Brindlecast-Partnertest</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Brindlecast Match Maker</source>
        <translation>Brindlecast-Partnertest</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>the findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>matchmaker: cannot write %1: %2</source>
        <translation>matchmaker: Schreiben nicht möglich (%1): %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--check needs at least one quiz file.</source>
        <translation>--check braucht mindestens eine Quizdatei.</translation>
    </message>
    <message>
        <source>Only one quiz file can be opened at a time.</source>
        <translation>Es kann nur eine Quizdatei auf einmal geöffnet werden.</translation>
    </message>
    <message>
        <source>matchmaker: %1 does not exist yet; the editor starts a new quiz, which Save writes there.
</source>
        <translation>matchmaker: %1 gibt es noch nicht; der Editor beginnt ein neues Quiz, das Speichern dort anlegt.
</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Only one of --check, --edit and --export-web can be given.</source>
        <translation>Nur eine von --check, --edit und --export-web kann angegeben werden.</translation>
    </message>
    <message>
        <source>--export-web needs at least one quiz file after its folder.</source>
        <translation>--export-web braucht nach seinem Ordner mindestens eine Quizdatei.</translation>
    </message>
    <message>
        <source>--export-web needs a folder, and &quot;&quot; names none; for the current folder, give &quot;.&quot;.</source>
        <translation>--export-web braucht einen Ordner, und „“ nennt keinen; für den aktuellen Ordner gib „.“ an.</translation>
    </message>
    <message>
        <source>--single-file is given right after --export-web: --export-web --single-file OUT.html FILE...</source>
        <translation>--single-file steht direkt nach --export-web: --export-web --single-file SEITE.html DATEI...</translation>
    </message>
    <message>
        <source>--single-file needs the name of the page&apos;s file, and &quot;&quot; names none.</source>
        <translation>--single-file braucht den Namen der Datei der Seite, und &quot;&quot; nennt keinen.</translation>
    </message>
    <message>
        <source>--export-web --single-file needs at least one quiz file after the page&apos;s file.</source>
        <translation>--export-web --single-file braucht nach der Datei der Seite mindestens eine Quizdatei.</translation>
    </message>
    <message>
        <source>Usage: matchmaker [FILE]
       matchmaker --check FILE...
       matchmaker --edit [FILE]
       matchmaker --export-web DIR FILE...
       matchmaker --export-web --single-file OUT.html FILE...

Brindlecast Match Maker: which cast member are you most compatible with?

  FILE             take the quiz in FILE instead of episode1.qzt
  --check FILE...  check quiz files and print each error and warning as
                   FILE:LINE: error: ... or FILE:LINE: warning: ...; the exit
                   status is 0 when no file has an error, 1 when one has
  --edit [FILE]    write a new quiz, or change FILE, in the quiz editor
  --export-web DIR FILE...
                   publish the quizzes as a web page in the folder DIR, which
                   plays them in any browser; prints the page&apos;s path
  --export-web --single-file OUT.html FILE...
                   publish the same page as the one file OUT.html, which holds
                   its pictures and clips; replaces only a file it wrote
  -h, --help       show this help
  -v, --version    show the version

A mistake in the command exits with status 2.
</source>
        <translation>Aufruf: matchmaker [DATEI]
        matchmaker --check DATEI...
        matchmaker --edit [DATEI]
        matchmaker --export-web ORDNER DATEI...
        matchmaker --export-web --single-file SEITE.html DATEI...

Brindlecast-Partnertest: Zu welcher Figur passt du am besten?

  DATEI             das Quiz in DATEI statt episode1.qzt spielen
  --check DATEI...  Quizdateien prüfen und jeden Fehler und jede Warnung als
                    DATEI:ZEILE: error: ... oder DATEI:ZEILE: warning: ...
                    ausgeben; der Rückgabewert ist 0, wenn keine Datei einen
                    Fehler hat, sonst 1
  --edit [DATEI]    ein neues Quiz schreiben oder DATEI im Quiz-Editor ändern
  --export-web ORDNER DATEI...
                    die Quizze als Webseite im Ordner ORDNER veröffentlichen,
                    die sie in jedem Browser spielt; gibt den Pfad der Seite aus
  --export-web --single-file SEITE.html DATEI...
                    dieselbe Seite als die eine Datei SEITE.html veröffentlichen,
                    die ihre Bilder und Klänge enthält; ersetzt nur eine Datei,
                    die es selbst geschrieben hat
  -h, --help        diese Hilfe anzeigen
  -v, --version     die Version anzeigen

Ein fehlerhafter Aufruf endet mit dem Rückgabewert 2.
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>New Test...</source>
        <translation>Neuer Test...</translation>
    </message>
    <message>
        <source>Back one question</source>
        <translation>Eine Frage zurück</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Move the banner</source>
        <translation>Banner bewegen</translation>
    </message>
    <message>
        <source>About Brindlecast Match Maker</source>
        <translation>Über Brindlecast-Partnertest</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>matchmaker: nothing was published, as a quiz file has an error.</source>
        <translation>matchmaker: Nichts wurde veröffentlicht, da eine Quizdatei einen Fehler hat.</translation>
    </message>
    <message>
        <source>the page&apos;s path</source>
        <translation>Pfad der Seite</translation>
    </message>
    <message>
        <source>matchmaker: interrupted; nothing was published.</source>
        <translation>matchmaker: Unterbrochen; nichts wurde veröffentlicht.</translation>
    </message>
    <message>
        <source>matchmaker: interrupted once the page was in place; it stays published.</source>
        <translation>matchmaker: Unterbrochen, als die Seite schon an ihrem Platz war; sie bleibt veröffentlicht.</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>%1 (%2).</source>
        <translation>%1 (%2).</translation>
    </message>
    <message>
        <source>it cannot be looked at</source>
        <translation>sie kann nicht angesehen werden</translation>
    </message>
    <message>
        <source>it is a link; give the file itself, or a new name.</source>
        <translation>sie ist eine Verknüpfung; gib die Datei selbst oder einen neuen Namen an.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>sie ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>it is not a page this program wrote as one file; give a new name, or the file of an earlier export.</source>
        <translation>sie ist keine Seite, die dieses Programm als eine Datei geschrieben hat; gib einen neuen Namen oder die Datei eines früheren Exports an.</translation>
    </message>
    <message>
        <source>the export was interrupted.</source>
        <translation>der Export wurde unterbrochen.</translation>
    </message>
    <message>
        <source>nothing can be written in &quot;%1&quot;</source>
        <translation>in &quot;%1&quot; kann nichts geschrieben werden</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>sie kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it cannot be replaced</source>
        <translation>sie kann nicht ersetzt werden</translation>
    </message>
</context>
<context>
    <name>ExportFolder</name>
    <message>
        <source>%1 (%2).</source>
        <translation>%1 (%2).</translation>
    </message>
    <message>
        <source>it cannot be looked at</source>
        <translation>er kann nicht untersucht werden</translation>
    </message>
    <message>
        <source>it is a file, not a folder.</source>
        <translation>das ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>er kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; cannot be made</source>
        <translation>sein Ordner „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>nothing can be written in &quot;%1&quot;</source>
        <translation>in „%1“ kann nichts geschrieben werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written</source>
        <translation>„%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it cannot be made</source>
        <translation>er kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it cannot be replaced</source>
        <translation>er kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>ein symbolischer Link</translation>
    </message>
    <message>
        <source>not a marker this program wrote</source>
        <translation>keine Markierung, die dieses Programm geschrieben hat</translation>
    </message>
    <message>
        <source>the marker of an older version, which does not list its files</source>
        <translation>die Markierung einer älteren Version, die ihre Dateien nicht auflistet</translation>
    </message>
    <message>
        <source>saved while the export ran</source>
        <translation>während des Exports gespeichert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>„%1“ (%2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds what no earlier export left there as it was: %1. Nothing was changed. Move these elsewhere or choose another folder; for a clean slate, delete the folder yourself.</source>
        <translation>er enthält, was kein früherer Export so dort hinterlassen hat: %1. Nichts wurde geändert. Verschiebe dies an einen anderen Ort oder wähle einen anderen Ordner; für einen Neuanfang lösche den Ordner selbst.</translation>
    </message>
    <message>
        <source>it was interrupted.</source>
        <translation>der Export wurde unterbrochen.</translation>
    </message>
    <message>
        <source>it is the root of the file system.</source>
        <translation>er ist die Wurzel des Dateisystems.</translation>
    </message>
    <message>
        <source>it cannot be replaced: &quot;%1&quot; cannot be changed</source>
        <translation>er kann nicht ersetzt werden: „%1“ kann nicht geändert werden</translation>
    </message>
    <message>
        <source>the quiz being published</source>
        <translation>das Quiz, das veröffentlicht wird</translation>
    </message>
    <message>
        <source>a mount point</source>
        <translation>ein Einhängepunkt</translation>
    </message>
    <message>
        <source>not written by an export</source>
        <translation>nicht von einem Export geschrieben</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>changed since the export</source>
        <translation>seit dem Export geändert</translation>
    </message>
    <message>
        <source>missing since the export</source>
        <translation>seit dem Export entfernt</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;, which an earlier export left behind (%2); remove it yourself.</source>
        <translation>„%1“, den ein früherer Export hinterlassen hat, kann nicht entfernt werden (%2); entferne ihn selbst.</translation>
    </message>
    <message>
        <source>it was made by something else while the export ran; nothing was changed.</source>
        <translation>er wurde während des Exports von anderer Seite angelegt; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>it was changed while the export ran, and the earlier folder cannot be put back from &quot;%1&quot;</source>
        <translation>er wurde während des Exports geändert, und der frühere Ordner kann nicht aus „%1“ zurückgeholt werden</translation>
    </message>
    <message>
        <source>The earlier export cannot be removed and stays in &quot;%1&quot; (%2); remove it yourself.</source>
        <translation>Der frühere Export kann nicht entfernt werden und bleibt in „%1“ (%2); entferne ihn selbst.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brindlecast Match Maker!</source>
        <translation>Brindlecast-Partnertest!</translation>
    </message>
    <message>
        <source>Banner picture</source>
        <translation>Bannerbild</translation>
    </message>
    <message>
        <source>Brindlecast logo</source>
        <translation>Brindlecast-Logo</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>New Test</source>
        <translation>Neuer Test</translation>
    </message>
    <message>
        <source>Open another quiz file</source>
        <translation>Eine andere Quizdatei öffnen</translation>
    </message>
    <message>
        <source>Answer A text</source>
        <translation>Text der Antwort A</translation>
    </message>
    <message>
        <source>Answer B text</source>
        <translation>Text der Antwort B</translation>
    </message>
    <message>
        <source>Answer C text</source>
        <translation>Text der Antwort C</translation>
    </message>
    <message>
        <source>Answer D text</source>
        <translation>Text der Antwort D</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Answer A</source>
        <translation>Antwort A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Answer B</source>
        <translation>Antwort B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Answer C</source>
        <translation>Antwort C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Answer D</source>
        <translation>Antwort D</translation>
    </message>
    <message>
        <source>Show&apos;s web site</source>
        <translation>Webseite der Serie</translation>
    </message>
    <message>
        <source>Contact e-mail address</source>
        <translation>E-Mail-Adresse für Kontakt</translation>
    </message>
    <message>
        <source>Edit this quiz...</source>
        <translation>Dieses Quiz bearbeiten...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Frage %1 von %2</translation>
    </message>
    <message>
        <source>Website:  %1</source>
        <translation>Webseite:  %1</translation>
    </message>
    <message>
        <source>Email:  %1</source>
        <translation>E-Mail:  %1</translation>
    </message>
    <message>
        <source>Brindlecast Match Maker</source>
        <translation>Brindlecast-Partnertest</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An answer as a screen reader says it: its button&apos;s name (&quot;Answer A&quot;), then the answer.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>MediaLimits</name>
    <message>
        <source>its size cannot be read from its header</source>
        <translation>seine Größe lässt sich nicht aus dem Dateikopf lesen</translation>
    </message>
    <message>
        <source>it declares %1 by %2 pixels, more than the %3 megapixels a banner picture may have</source>
        <translation>es gibt %1 mal %2 Pixel an, mehr als die %3 Megapixel, die ein Bannerbild haben darf</translation>
    </message>
    <message>
        <source>it is %1 bytes, more than the %2 MiB a clip may have</source>
        <translation>die Datei ist %1 Byte groß, mehr als die %2 MiB, die ein Tonclip haben darf</translation>
    </message>
    <message>
        <source>it is not a WAV sound clip</source>
        <translation>die Datei ist kein WAV-Tonclip</translation>
    </message>
    <message>
        <source>it plays for %1 seconds, longer than the %2 seconds a clip may last</source>
        <translation>der Clip dauert %1 Sekunden, länger als die %2 Sekunden, die ein Clip dauern darf</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>QuestionBlock</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>Answer A:</source>
        <translation>Antwort A:</translation>
    </message>
    <message>
        <source>Answer B:</source>
        <translation>Antwort B:</translation>
    </message>
    <message>
        <source>Answer C:</source>
        <translation>Antwort C:</translation>
    </message>
    <message>
        <source>Answer D:</source>
        <translation>Antwort D:</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>Question %1, answer %2</source>
        <translation>Frage %1, Antwort %2</translation>
    </message>
    <message>
        <source>votes for (no name yet)</source>
        <translation>stimmt für (noch kein Name)</translation>
    </message>
    <message>
        <source>votes for %1</source>
        <translation>stimmt für %1</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Your most compatible with %1!,  If you would like to try again press ok.  If you want to quit hit cancel. </source>
        <translation>Du passt am besten zu %1! Wenn du es noch einmal versuchen möchtest, klicke auf OK. Wenn du aufhören möchtest, klicke auf Abbrechen.</translation>
    </message>
    <message>
        <source>%1 and %2 tied with %3 votes each; the later name wins.</source>
        <translation>%1 und %2 haben je %3 Stimmen; der spätere Name gewinnt.</translation>
    </message>
    <message>
        <source>%1, %2 and %3 tied with %4 votes each; the later name wins.</source>
        <translation>%1, %2 und %3 haben je %4 Stimmen; der spätere Name gewinnt.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 tied with %5 votes each; the later name wins.</source>
        <translation>%1, %2, %3 und %4 haben je %5 Stimmen; der spätere Name gewinnt.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Your results!</source>
        <translation>Dein Ergebnis!</translation>
    </message>
    <message>
        <source>the file ends after line %1, in the block of question %2: %3 lines are missing (a quiz needs %4: twenty questions of five lines each, then the four names)</source>
        <translation>die Datei endet nach Zeile %1, im Block von Frage %2: %3 Zeilen fehlen (ein Quiz braucht %4: zwanzig Fragen zu je fünf Zeilen, dann die vier Namen)</translation>
    </message>
    <message>
        <source>the file ends after line %1, before the last name: 1 line is missing (a quiz needs %2: twenty questions of five lines each, then the four names)</source>
        <translation>die Datei endet nach Zeile %1, vor dem letzten Namen: 1 Zeile fehlt (ein Quiz braucht %2: zwanzig Fragen zu je fünf Zeilen, dann die vier Namen)</translation>
    </message>
    <message>
        <source>the file ends after line %1, before the last %2 names: %2 lines are missing (a quiz needs %3: twenty questions of five lines each, then the four names)</source>
        <translation>die Datei endet nach Zeile %1, vor den letzten %2 Namen: %2 Zeilen fehlen (ein Quiz braucht %3: zwanzig Fragen zu je fünf Zeilen, dann die vier Namen)</translation>
    </message>
    <message>
        <source>the name for answer %1 is empty</source>
        <translation>der Name für Antwort %1 ist leer</translation>
    </message>
    <message>
        <source>question %1 is empty</source>
        <translation>Frage %1 ist leer</translation>
    </message>
    <message>
        <source>question %1, answer %2 is empty</source>
        <translation>Frage %1, Antwort %2 ist leer</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>Zeile %1 ist länger als %2 Bytes</translation>
    </message>
    <message>
        <source>the file is empty, but a quiz needs %1 lines: twenty questions of five lines each, then the four names</source>
        <translation>die Datei ist leer, aber ein Quiz braucht %1 Zeilen: zwanzig Fragen zu je fünf Zeilen, dann die vier Namen</translation>
    </message>
    <message>
        <source>the line after line %1 is ignored</source>
        <translation>die Zeile nach Zeile %1 wird nicht gelesen</translation>
    </message>
    <message>
        <source>the %1 lines after line %2 are ignored</source>
        <translation>die %1 Zeilen nach Zeile %2 werden nicht gelesen</translation>
    </message>
    <message>
        <source>this line is not valid UTF-8, so it is shown as Windows-1252, as is every other such line</source>
        <translation>diese Zeile ist kein gültiges UTF-8 und wird daher als Windows-1252 angezeigt, wie jede andere solche Zeile</translation>
    </message>
    <message>
        <source>lines %1 and %2 hold the same name %3, so answers %4 and %5 vote for one cast member</source>
        <translation>die Zeilen %1 und %2 enthalten denselben Namen %3, also stimmen die Antworten %4 und %5 für dieselbe Figur</translation>
    </message>
    <message>
        <source>no sound clip belongs to the name %1, so its result plays no sound (only %2 have clips)</source>
        <translation>zum Namen %1 gehört kein Tonclip, sein Ergebnis spielt also keinen Ton (nur %2 haben Clips)</translation>
    </message>
    <message>
        <source>no sound clip belongs to the names %1, so their results play no sound (only %2 have clips)</source>
        <translation>zu den Namen %1 gehört kein Tonclip, ihre Ergebnisse spielen also keinen Ton (nur %2 haben Clips)</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, too large for the quiz editor.</source>
        <translation>sie ist größer als %1 MiB, zu groß für den Quiz-Editor.</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>the file cannot be read (%1).</source>
        <translation>die Datei kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>it is a folder, not a quiz file.</source>
        <translation>das ist ein Ordner, keine Quizdatei.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>it has only %1 line, but a quiz needs %2: twenty questions of five lines each, then the four names.</source>
        <translation>sie hat nur %1 Zeile, aber ein Quiz braucht %2: zwanzig Fragen zu je fünf Zeilen, dann die vier Namen.</translation>
    </message>
    <message>
        <source>it has only %1 lines, but a quiz needs %2: twenty questions of five lines each, then the four names.</source>
        <translation>sie hat nur %1 Zeilen, aber ein Quiz braucht %2: zwanzig Fragen zu je fünf Zeilen, dann die vier Namen.</translation>
    </message>
    <message>
        <source>it is saved as UTF-16, which a quiz file cannot be: save it as UTF-8 and try again.</source>
        <translation>sie ist als UTF-16 gespeichert, was eine Quizdatei nicht sein darf: speichere sie als UTF-8 und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes, so this is not a quiz file.</source>
        <translation>Zeile %1 ist länger als %2 Bytes, das ist also keine Quizdatei.</translation>
    </message>
    <message>
        <source>Cannot load the quiz file &quot;%1&quot;: %2</source>
        <translation>Die Quizdatei „%1“ kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>Your most compatible with all the guys!,  If you would like to try again press ok.  If you want to quit hit cancel. </source>
        <translation>Du passt zu allen gleich gut! Wenn du es noch einmal versuchen möchtest, klicke auf OK. Wenn du aufhören möchtest, klicke auf Abbrechen.</translation>
    </message>
    <message>
        <source>the %1 bytes after line %2 are ignored</source>
        <translation>die %1 Bytes nach Zeile %2 werden nicht gelesen</translation>
    </message>
</context>
<context>
    <name>QuizEditor</name>
    <message>
        <source>Quiz Editor</source>
        <translation>Quiz-Editor</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Cast members</source>
        <translation>Figuren</translation>
    </message>
    <message>
        <source>Answer &amp;A votes for:</source>
        <translation>Antwort &amp;A stimmt für:</translation>
    </message>
    <message>
        <source>Answer &amp;B votes for:</source>
        <translation>Antwort &amp;B stimmt für:</translation>
    </message>
    <message>
        <source>Answer &amp;C votes for:</source>
        <translation>Antwort &amp;C stimmt für:</translation>
    </message>
    <message>
        <source>Answer &amp;D votes for:</source>
        <translation>Antwort &amp;D stimmt für:</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Errors and warnings in the quiz; activate one to go to its line</source>
        <translation>Fehler und Warnungen im Quiz; aktiviere einen Eintrag, um zu seiner Zeile zu gehen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Quiz</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Try It</source>
        <translation>&amp;Ausprobieren</translation>
    </message>
    <message>
        <source>Take the quiz as it stands in the main window, without saving it</source>
        <translation>Das Quiz, wie es gerade ist, im Hauptfenster spielen, ohne es zu speichern</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Name for answer %1</source>
        <translation>Name für Antwort %1</translation>
    </message>
    <message>
        <source>The quiz cannot be saved while it has errors: the program would refuse the file. Mend the errors in the list first.</source>
        <translation>Das Quiz kann nicht gespeichert werden, solange es Fehler hat: das Programm würde die Datei ablehnen. Behebe zuerst die Fehler in der Liste.</translation>
    </message>
    <message>
        <source>Cannot save the quiz file &quot;%1&quot;: %2</source>
        <translation>Die Quizdatei „%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The quiz has changes that are not saved. Save them first?</source>
        <translation>Das Quiz hat ungespeicherte Änderungen. Zuerst speichern?</translation>
    </message>
    <message>
        <source>This quiz file is in the Windows-1252 encoding, which cannot hold some of the text you typed. Save the quiz in UTF-8 from now on?</source>
        <translation>Diese Quizdatei ist in der Kodierung Windows-1252, die einen Teil des eingegebenen Textes nicht darstellen kann. Das Quiz von nun an in UTF-8 speichern?</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Line %1: error: %2</source>
        <translation>Zeile %1: Fehler: %2</translation>
    </message>
    <message>
        <source>Line %1: warning: %2</source>
        <translation>Zeile %1: Warnung: %2</translation>
    </message>
    <message>
        <source>%1 and %2: a quiz with errors cannot be saved.</source>
        <translation>%1 und %2: ein Quiz mit Fehlern kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1; the quiz can be saved.</source>
        <translation>%1; das Quiz kann gespeichert werden.</translation>
    </message>
    <message>
        <source>No errors or warnings.</source>
        <translation>Keine Fehler oder Warnungen.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] - Quiz Editor</source>
        <translation>%1[*] – Quiz-Editor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist yet: this is a new quiz, which Save writes there.</source>
        <translation>„%1“ gibt es noch nicht: Dies ist ein neues Quiz, das Speichern dort anlegt.</translation>
    </message>
    <message>
        <source>it would be larger than %1 MiB, too large for the quiz editor.</source>
        <translation>sie wäre größer als %1 MiB, zu groß für den Quiz-Editor.</translation>
    </message>
    <message>
        <source>Export as &amp;Web Page...</source>
        <translation>Als &amp;Webseite exportieren...</translation>
    </message>
    <message>
        <source>Publish the quiz as it stands as a web page that plays it in any browser</source>
        <translation>Das Quiz, wie es gerade ist, als Webseite veröffentlichen, die es in jedem Browser spielt</translation>
    </message>
    <message>
        <source>The quiz cannot be published while it has errors: the page could not play it. Mend the errors in the list first.</source>
        <translation>Das Quiz kann nicht veröffentlicht werden, solange es Fehler hat: die Seite könnte es nicht spielen. Behebe zuerst die Fehler in der Liste.</translation>
    </message>
    <message>
        <source>The quiz is published as a web page: open &quot;%1&quot; in a browser to take it, or put the whole folder on a web site.</source>
        <translation>Das Quiz ist als Webseite veröffentlicht: Öffne „%1“ in einem Browser, um es zu spielen, oder stelle den ganzen Ordner auf eine Website.</translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as &amp;One Web Page File...</source>
        <translation>Als &amp;eine Webseiten-Datei exportieren...</translation>
    </message>
    <message>
        <source>Publish the quiz as it stands as one HTML file that holds its pictures and clips, to send or upload anywhere</source>
        <translation>Das Quiz, wie es gerade ist, als eine HTML-Datei mit ihren Bildern und Klängen veröffentlichen, zum Versenden oder Hochladen</translation>
    </message>
    <message>
        <source>Web pages (*.html)|*.html</source>
        <translation>Webseiten (*.html)|*.html</translation>
    </message>
    <message>
        <source>The quiz is published as one web page file: open &quot;%1&quot; in a browser to take it, or send or upload the file.</source>
        <translation>Das Quiz ist als eine Webseiten-Datei veröffentlicht: Öffne &quot;%1&quot; in einem Browser, um es zu spielen, oder versende die Datei oder lade sie hoch.</translation>
    </message>
</context>
<context>
    <name>QuizFileFilter</name>
    <message>
        <source>Qzt Files  (*.QZT)|*.QZT</source>
        <translation>Qzt-Dateien  (*.QZT)|*.QZT</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>ShellOpener</name>
    <message>
        <source>the target is empty</source>
        <translation>das Ziel ist leer</translation>
    </message>
    <message>
        <source>the address is not valid</source>
        <translation>die Adresse ist ungültig</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>no application on this computer could open it</source>
        <translation>kein Programm auf diesem Computer konnte es öffnen</translation>
    </message>
</context>
<context>
    <name>Studio</name>
    <message>
        <source>Match Maker Studio</source>
        <translation>Match Maker Studio</translation>
    </message>
    <message>
        <source>%1 - Match Maker Studio</source>
        <translation>%1 – Match Maker Studio</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Ausprobieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Publish as Web Page</source>
        <translation>Als Webseite veröffentlichen</translation>
    </message>
    <message>
        <source>Open a quiz file, or drop one anywhere on this page.</source>
        <translation>Öffne eine Quizdatei oder lege eine irgendwo auf dieser Seite ab.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Veröffentlicht</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The quiz as it plays</source>
        <translation>Das Quiz, wie es gespielt wird</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>the browser did not allow writing to it.</source>
        <translation>der Browser hat das Schreiben in die Datei nicht erlaubt.</translation>
    </message>
    <message>
        <source>The quiz engine cannot start in this browser: %1</source>
        <translation>Die Quiz-Engine kann in diesem Browser nicht starten: %1</translation>
    </message>
</context>
<context>
    <name>URLLink</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>„%1“ kann nicht geladen werden: %2 (Fehler %3)</translation>
    </message>
</context>
<context>
    <name>WebExport</name>
    <message>
        <source>Cannot publish the web page in &quot;%1&quot;: %2</source>
        <translation>Die Webseite kann nicht in „%1“ veröffentlicht werden: %2</translation>
    </message>
    <message>
        <source>Cannot use the sound clip &quot;%1&quot; (%2): %3; its result stays silent</source>
        <translation>Der Tonclip „%1“ (%2) kann nicht verwendet werden: %3; sein Ergebnis bleibt stumm</translation>
    </message>
    <message>
        <source>Cannot use the banner picture &quot;%1&quot; (%2): %3</source>
        <translation>Das Bannerbild „%1“ (%2) kann nicht verwendet werden: %3</translation>
    </message>
    <message>
        <source>the quizzes hold more than %1 MiB of text, more than one page may hold; publish them in smaller groups.</source>
        <translation>die Quizze enthalten mehr als %1 MiB Text, mehr als eine Seite enthalten darf; veröffentliche sie in kleineren Gruppen.</translation>
    </message>
    <message>
        <source>Cannot publish the web page as &quot;%1&quot;: %2</source>
        <translation>Die Webseite kann nicht als &quot;%1&quot; veröffentlicht werden: %2</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Take it again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen...</translation>
    </message>
    <message>
        <source>Choose a quiz</source>
        <translation>Wähle ein Quiz</translation>
    </message>
    <message>
        <source>Thank you for playing. You can close this page now.</source>
        <translation>Danke fürs Mitspielen. Du kannst diese Seite jetzt schließen.</translation>
    </message>
    <message>
        <source>Most compatible with %1</source>
        <translation>Passt am besten zu %1</translation>
    </message>
    <message>
        <source>Most compatible with all the guys</source>
        <translation>Passt zu allen gleich gut</translation>
    </message>
</context>
</TS>
