<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Brindlecast Match Maker</source>
        <translation>Brindlecast – Test d’affinités</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Which cast member are you most compatible with? A quiz for the audience of the television show Brindlecast.</source>
        <translation>Avec quel personnage êtes-vous le plus compatible ? Un quiz pour le public de la série télévisée Brindlecast.</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 Brindlecast Match Maker developers</source>
        <translation>Copyright (c) 2026 les développeurs de Brindlecast Match Maker</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Publié sous la licence MIT.</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>About Brindlecast Match Maker</source>
        <translation>À propos de Brindlecast – Test d’affinités</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Brindlecast Match Maker</source>
        <translation>Brindlecast – Test d’affinités</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>the findings</source>
        <translation>les constats</translation>
    </message>
    <message>
        <source>matchmaker: cannot write %1: %2</source>
        <translation>matchmaker : impossible d’écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--check needs at least one quiz file.</source>
        <translation>--check demande au moins un fichier de quiz.</translation>
    </message>
    <message>
        <source>Only one quiz file can be opened at a time.</source>
        <translation>Un seul fichier de quiz peut être ouvert à la fois.</translation>
    </message>
    <message>
        <source>matchmaker: %1 does not exist yet; the editor starts a new quiz, which Save writes there.
</source>
        <translation>matchmaker : %1 n’existe pas encore ; l’éditeur commence un nouveau quiz, qu’Enregistrer y écrira.
</translation>
    </message>
    <message>
        <source>the output</source>
        <translation>la sortie</translation>
    </message>
    <message>
        <source>Only one of --check, --edit and --export-web can be given.</source>
        <translation>Une seule des options --check, --edit et --export-web peut être donnée.</translation>
    </message>
    <message>
        <source>--export-web needs at least one quiz file after its folder.</source>
        <translation>--export-web demande au moins un fichier de quiz après son dossier.</translation>
    </message>
    <message>
        <source>--export-web needs a folder, and &quot;&quot; names none; for the current folder, give &quot;.&quot;.</source>
        <translation>--export-web demande un dossier, et « » n’en nomme aucun ; pour le dossier actuel, indiquez « . ».</translation>
    </message>
    <message>
        <source>--single-file is given right after --export-web: --export-web --single-file OUT.html FILE...</source>
        <translation>--single-file se donne juste après --export-web : --export-web --single-file PAGE.html FICHIER...</translation>
    </message>
    <message>
        <source>--single-file needs the name of the page&apos;s file, and &quot;&quot; names none.</source>
        <translation>--single-file demande le nom du fichier de la page, et &quot;&quot; n’en nomme aucun.</translation>
    </message>
    <message>
        <source>--export-web --single-file needs at least one quiz file after the page&apos;s file.</source>
        <translation>--export-web --single-file demande au moins un fichier de quiz après le fichier de la page.</translation>
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
        <translation>Usage : matchmaker [FICHIER]
        matchmaker --check FICHIER...
        matchmaker --edit [FICHIER]
        matchmaker --export-web DOSSIER FICHIER...
        matchmaker --export-web --single-file PAGE.html FICHIER...

Brindlecast – Test d’affinités : avec quel personnage êtes-vous le plus compatible ?

  FICHIER             jouer le quiz de FICHIER au lieu de episode1.qzt
  --check FICHIER...  vérifier des fichiers de quiz et afficher chaque erreur et
                      chaque avertissement sous la forme FICHIER:LIGNE: error: ...
                      ou FICHIER:LIGNE: warning: ... ; le code de sortie vaut 0
                      si aucun fichier n’a d’erreur, 1 sinon
  --edit [FICHIER]    écrire un nouveau quiz, ou modifier FICHIER, dans l’éditeur
  --export-web DOSSIER FICHIER...
                      publier les quiz comme page web dans le dossier DOSSIER,
                      jouable dans tout navigateur ; affiche le chemin de la page
  --export-web --single-file PAGE.html FICHIER...
                      publier la même page en un seul fichier PAGE.html, qui
                      contient ses images et ses sons ; ne remplace qu’un
                      fichier qu’il a écrit
  -h, --help          afficher cette aide
  -v, --version       afficher la version

Une commande erronée se termine avec le code 2.
</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>New Test...</source>
        <translation>Nouveau test...</translation>
    </message>
    <message>
        <source>Back one question</source>
        <translation>Revenir d’une question</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Move the banner</source>
        <translation>Faire défiler la bannière</translation>
    </message>
    <message>
        <source>About Brindlecast Match Maker</source>
        <translation>À propos de Brindlecast – Test d’affinités</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>matchmaker: nothing was published, as a quiz file has an error.</source>
        <translation>matchmaker : rien n’a été publié, car un fichier de quiz contient une erreur.</translation>
    </message>
    <message>
        <source>the page&apos;s path</source>
        <translation>le chemin de la page</translation>
    </message>
    <message>
        <source>matchmaker: interrupted; nothing was published.</source>
        <translation>matchmaker : interrompu ; rien n’a été publié.</translation>
    </message>
    <message>
        <source>matchmaker: interrupted once the page was in place; it stays published.</source>
        <translation>matchmaker : interrompu alors que la page était déjà en place ; elle reste publiée.</translation>
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
        <translation>il ne peut pas être examiné</translation>
    </message>
    <message>
        <source>it is a link; give the file itself, or a new name.</source>
        <translation>c’est un lien ; donnez le fichier lui-même, ou un nouveau nom.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>c’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>it is not a page this program wrote as one file; give a new name, or the file of an earlier export.</source>
        <translation>ce n’est pas une page que ce programme a écrite en un seul fichier ; donnez un nouveau nom, ou le fichier d’un export précédent.</translation>
    </message>
    <message>
        <source>the export was interrupted.</source>
        <translation>l’export a été interrompu.</translation>
    </message>
    <message>
        <source>nothing can be written in &quot;%1&quot;</source>
        <translation>rien ne peut être écrit dans « %1 »</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>il ne peut pas être écrit</translation>
    </message>
    <message>
        <source>it cannot be replaced</source>
        <translation>il ne peut pas être remplacé</translation>
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
        <translation>il ne peut pas être examiné</translation>
    </message>
    <message>
        <source>it is a file, not a folder.</source>
        <translation>c’est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; cannot be made</source>
        <translation>son dossier « %1 » ne peut pas être créé</translation>
    </message>
    <message>
        <source>nothing can be written in &quot;%1&quot;</source>
        <translation>rien ne peut être écrit dans « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written</source>
        <translation>« %1 » ne peut pas être écrit</translation>
    </message>
    <message>
        <source>it cannot be made</source>
        <translation>il ne peut pas être créé</translation>
    </message>
    <message>
        <source>it cannot be replaced</source>
        <translation>il ne peut pas être remplacé</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>not a marker this program wrote</source>
        <translation>pas un marqueur écrit par ce programme</translation>
    </message>
    <message>
        <source>the marker of an older version, which does not list its files</source>
        <translation>le marqueur d’une version plus ancienne, qui ne liste pas ses fichiers</translation>
    </message>
    <message>
        <source>saved while the export ran</source>
        <translation>enregistré pendant l’export</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>« %1 » (%2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds what no earlier export left there as it was: %1. Nothing was changed. Move these elsewhere or choose another folder; for a clean slate, delete the folder yourself.</source>
        <translation>il contient ce qu’aucun export précédent n’y a laissé tel quel : %1. Rien n’a été modifié. Déplacez ces éléments ailleurs ou choisissez un autre dossier ; pour repartir de zéro, supprimez le dossier vous-même.</translation>
    </message>
    <message>
        <source>it was interrupted.</source>
        <translation>l’export a été interrompu.</translation>
    </message>
    <message>
        <source>it is the root of the file system.</source>
        <translation>il est la racine du système de fichiers.</translation>
    </message>
    <message>
        <source>it cannot be replaced: &quot;%1&quot; cannot be changed</source>
        <translation>il ne peut pas être remplacé : « %1 » ne peut pas être modifié</translation>
    </message>
    <message>
        <source>the quiz being published</source>
        <translation>le quiz en cours de publication</translation>
    </message>
    <message>
        <source>a mount point</source>
        <translation>un point de montage</translation>
    </message>
    <message>
        <source>not written by an export</source>
        <translation>non écrit par un export</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>changed since the export</source>
        <translation>modifié depuis l’export</translation>
    </message>
    <message>
        <source>missing since the export</source>
        <translation>disparu depuis l’export</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;, which an earlier export left behind (%2); remove it yourself.</source>
        <translation>Impossible de supprimer « %1 », laissé par un export précédent (%2) ; supprimez-le vous-même.</translation>
    </message>
    <message>
        <source>it was made by something else while the export ran; nothing was changed.</source>
        <translation>il a été créé par autre chose pendant l’export ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>it was changed while the export ran, and the earlier folder cannot be put back from &quot;%1&quot;</source>
        <translation>il a été modifié pendant l’export, et l’ancien dossier ne peut pas être remis en place depuis « %1 »</translation>
    </message>
    <message>
        <source>The earlier export cannot be removed and stays in &quot;%1&quot; (%2); remove it yourself.</source>
        <translation>L’export précédent ne peut pas être supprimé et reste dans « %1 » (%2) ; supprimez-le vous-même.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brindlecast Match Maker!</source>
        <translation>Brindlecast – Test d’affinités !</translation>
    </message>
    <message>
        <source>Banner picture</source>
        <translation>Image de la bannière</translation>
    </message>
    <message>
        <source>Brindlecast logo</source>
        <translation>Logo de Brindlecast</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>New Test</source>
        <translation>Nouveau test</translation>
    </message>
    <message>
        <source>Open another quiz file</source>
        <translation>Ouvrir un autre fichier de quiz</translation>
    </message>
    <message>
        <source>Answer A text</source>
        <translation>Texte de la réponse A</translation>
    </message>
    <message>
        <source>Answer B text</source>
        <translation>Texte de la réponse B</translation>
    </message>
    <message>
        <source>Answer C text</source>
        <translation>Texte de la réponse C</translation>
    </message>
    <message>
        <source>Answer D text</source>
        <translation>Texte de la réponse D</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Answer A</source>
        <translation>Réponse A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Answer B</source>
        <translation>Réponse B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Answer C</source>
        <translation>Réponse C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Answer D</source>
        <translation>Réponse D</translation>
    </message>
    <message>
        <source>Show&apos;s web site</source>
        <translation>Site web de la série</translation>
    </message>
    <message>
        <source>Contact e-mail address</source>
        <translation>Adresse e-mail de contact</translation>
    </message>
    <message>
        <source>Edit this quiz...</source>
        <translation>Modifier ce quiz...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Question %1 sur %2</translation>
    </message>
    <message>
        <source>Website:  %1</source>
        <translation>Site web :  %1</translation>
    </message>
    <message>
        <source>Email:  %1</source>
        <translation>E-mail :  %1</translation>
    </message>
    <message>
        <source>Brindlecast Match Maker</source>
        <translation>Brindlecast – Test d’affinités</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An answer as a screen reader says it: its button&apos;s name (&quot;Answer A&quot;), then the answer.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>MediaLimits</name>
    <message>
        <source>its size cannot be read from its header</source>
        <translation>sa taille ne peut pas être lue dans son en-tête</translation>
    </message>
    <message>
        <source>it declares %1 by %2 pixels, more than the %3 megapixels a banner picture may have</source>
        <translation>elle annonce %1 sur %2 pixels, plus que les %3 mégapixels permis à une image de la bannière</translation>
    </message>
    <message>
        <source>it is %1 bytes, more than the %2 MiB a clip may have</source>
        <translation>le fichier fait %1 octets, plus que les %2 Mio permis à un extrait sonore</translation>
    </message>
    <message>
        <source>it is not a WAV sound clip</source>
        <translation>ce n’est pas un extrait sonore WAV</translation>
    </message>
    <message>
        <source>it plays for %1 seconds, longer than the %2 seconds a clip may last</source>
        <translation>il dure %1 secondes, plus que les %2 secondes permises à un extrait</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
</context>
<context>
    <name>QuestionBlock</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question :</translation>
    </message>
    <message>
        <source>Answer A:</source>
        <translation>Réponse A :</translation>
    </message>
    <message>
        <source>Answer B:</source>
        <translation>Réponse B :</translation>
    </message>
    <message>
        <source>Answer C:</source>
        <translation>Réponse C :</translation>
    </message>
    <message>
        <source>Answer D:</source>
        <translation>Réponse D :</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <source>Question %1, answer %2</source>
        <translation>Question %1, réponse %2</translation>
    </message>
    <message>
        <source>votes for (no name yet)</source>
        <translation>vote pour (pas encore de nom)</translation>
    </message>
    <message>
        <source>votes for %1</source>
        <translation>vote pour %1</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Your most compatible with %1!,  If you would like to try again press ok.  If you want to quit hit cancel. </source>
        <translation>Vous êtes le plus compatible avec %1 ! Pour recommencer, cliquez sur OK. Pour quitter, cliquez sur Annuler.</translation>
    </message>
    <message>
        <source>%1 and %2 tied with %3 votes each; the later name wins.</source>
        <translation>%1 et %2 sont à égalité avec %3 voix chacun ; le dernier nom l’emporte.</translation>
    </message>
    <message>
        <source>%1, %2 and %3 tied with %4 votes each; the later name wins.</source>
        <translation>%1, %2 et %3 sont à égalité avec %4 voix chacun ; le dernier nom l’emporte.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 tied with %5 votes each; the later name wins.</source>
        <translation>%1, %2, %3 et %4 sont à égalité avec %5 voix chacun ; le dernier nom l’emporte.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Your results!</source>
        <translation>Vos résultats !</translation>
    </message>
    <message>
        <source>the file ends after line %1, in the block of question %2: %3 lines are missing (a quiz needs %4: twenty questions of five lines each, then the four names)</source>
        <translation>le fichier se termine après la ligne %1, dans le bloc de la question %2 : il manque %3 lignes (un quiz en demande %4 : vingt questions de cinq lignes chacune, puis les quatre noms)</translation>
    </message>
    <message>
        <source>the file ends after line %1, before the last name: 1 line is missing (a quiz needs %2: twenty questions of five lines each, then the four names)</source>
        <translation>le fichier se termine après la ligne %1, avant le dernier nom : il manque 1 ligne (un quiz en demande %2 : vingt questions de cinq lignes chacune, puis les quatre noms)</translation>
    </message>
    <message>
        <source>the file ends after line %1, before the last %2 names: %2 lines are missing (a quiz needs %3: twenty questions of five lines each, then the four names)</source>
        <translation>le fichier se termine après la ligne %1, avant les %2 derniers noms : il manque %2 lignes (un quiz en demande %3 : vingt questions de cinq lignes chacune, puis les quatre noms)</translation>
    </message>
    <message>
        <source>the name for answer %1 is empty</source>
        <translation>le nom de la réponse %1 est vide</translation>
    </message>
    <message>
        <source>question %1 is empty</source>
        <translation>la question %1 est vide</translation>
    </message>
    <message>
        <source>question %1, answer %2 is empty</source>
        <translation>la question %1, réponse %2, est vide</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>la ligne %1 dépasse %2 octets</translation>
    </message>
    <message>
        <source>the file is empty, but a quiz needs %1 lines: twenty questions of five lines each, then the four names</source>
        <translation>le fichier est vide, mais un quiz demande %1 lignes : vingt questions de cinq lignes chacune, puis les quatre noms</translation>
    </message>
    <message>
        <source>the line after line %1 is ignored</source>
        <translation>la ligne qui suit la ligne %1 est ignorée</translation>
    </message>
    <message>
        <source>the %1 lines after line %2 are ignored</source>
        <translation>les %1 lignes qui suivent la ligne %2 sont ignorées</translation>
    </message>
    <message>
        <source>this line is not valid UTF-8, so it is shown as Windows-1252, as is every other such line</source>
        <translation>cette ligne n’est pas en UTF-8 valide ; elle est donc affichée en Windows-1252, comme toute autre ligne de ce genre</translation>
    </message>
    <message>
        <source>lines %1 and %2 hold the same name %3, so answers %4 and %5 vote for one cast member</source>
        <translation>les lignes %1 et %2 contiennent le même nom %3 : les réponses %4 et %5 votent donc pour le même personnage</translation>
    </message>
    <message>
        <source>no sound clip belongs to the name %1, so its result plays no sound (only %2 have clips)</source>
        <translation>aucun extrait sonore n’appartient au nom %1 : son résultat ne joue donc aucun son (seuls %2 ont des extraits)</translation>
    </message>
    <message>
        <source>no sound clip belongs to the names %1, so their results play no sound (only %2 have clips)</source>
        <translation>aucun extrait sonore n’appartient aux noms %1 : leurs résultats ne jouent donc aucun son (seuls %2 ont des extraits)</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, too large for the quiz editor.</source>
        <translation>il dépasse %1 Mio, trop pour l’éditeur de quiz.</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>the file cannot be read (%1).</source>
        <translation>le fichier ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>it is a folder, not a quiz file.</source>
        <translation>c’est un dossier, pas un fichier de quiz.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>it has only %1 line, but a quiz needs %2: twenty questions of five lines each, then the four names.</source>
        <translation>il n’a que %1 ligne, mais un quiz en demande %2 : vingt questions de cinq lignes chacune, puis les quatre noms.</translation>
    </message>
    <message>
        <source>it has only %1 lines, but a quiz needs %2: twenty questions of five lines each, then the four names.</source>
        <translation>il n’a que %1 lignes, mais un quiz en demande %2 : vingt questions de cinq lignes chacune, puis les quatre noms.</translation>
    </message>
    <message>
        <source>it is saved as UTF-16, which a quiz file cannot be: save it as UTF-8 and try again.</source>
        <translation>il est enregistré en UTF-16, ce qu’un fichier de quiz ne peut pas être : enregistrez-le en UTF-8 et réessayez.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes, so this is not a quiz file.</source>
        <translation>la ligne %1 dépasse %2 octets : ce n’est donc pas un fichier de quiz.</translation>
    </message>
    <message>
        <source>Cannot load the quiz file &quot;%1&quot;: %2</source>
        <translation>Impossible de charger le fichier de quiz « %1 » : %2</translation>
    </message>
    <message>
        <source>Your most compatible with all the guys!,  If you would like to try again press ok.  If you want to quit hit cancel. </source>
        <translation>Vous êtes compatible avec toute la bande ! Pour recommencer, cliquez sur OK. Pour quitter, cliquez sur Annuler.</translation>
    </message>
    <message>
        <source>the %1 bytes after line %2 are ignored</source>
        <translation>les %1 octets après la ligne %2 sont ignorés</translation>
    </message>
</context>
<context>
    <name>QuizEditor</name>
    <message>
        <source>Quiz Editor</source>
        <translation>Éditeur de quiz</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Cast members</source>
        <translation>Personnages</translation>
    </message>
    <message>
        <source>Answer &amp;A votes for:</source>
        <translation>La réponse &amp;A vote pour :</translation>
    </message>
    <message>
        <source>Answer &amp;B votes for:</source>
        <translation>La réponse &amp;B vote pour :</translation>
    </message>
    <message>
        <source>Answer &amp;C votes for:</source>
        <translation>La réponse &amp;C vote pour :</translation>
    </message>
    <message>
        <source>Answer &amp;D votes for:</source>
        <translation>La réponse &amp;D vote pour :</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>Errors and warnings in the quiz; activate one to go to its line</source>
        <translation>Erreurs et avertissements du quiz ; activez-en un pour aller à sa ligne</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Quiz</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Try It</source>
        <translation>&amp;Essayer</translation>
    </message>
    <message>
        <source>Take the quiz as it stands in the main window, without saving it</source>
        <translation>Jouer le quiz tel qu’il est dans la fenêtre principale, sans l’enregistrer</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Name for answer %1</source>
        <translation>Nom pour la réponse %1</translation>
    </message>
    <message>
        <source>The quiz cannot be saved while it has errors: the program would refuse the file. Mend the errors in the list first.</source>
        <translation>Le quiz ne peut pas être enregistré tant qu’il contient des erreurs : le programme refuserait le fichier. Corrigez d’abord les erreurs de la liste.</translation>
    </message>
    <message>
        <source>Cannot save the quiz file &quot;%1&quot;: %2</source>
        <translation>Impossible d’enregistrer le fichier de quiz « %1 » : %2</translation>
    </message>
    <message>
        <source>The quiz has changes that are not saved. Save them first?</source>
        <translation>Le quiz a des modifications non enregistrées. Les enregistrer d’abord ?</translation>
    </message>
    <message>
        <source>This quiz file is in the Windows-1252 encoding, which cannot hold some of the text you typed. Save the quiz in UTF-8 from now on?</source>
        <translation>Ce fichier de quiz est dans l’encodage Windows-1252, qui ne peut pas contenir une partie du texte saisi. Enregistrer désormais le quiz en UTF-8 ?</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avertissement : %1</translation>
    </message>
    <message>
        <source>Line %1: error: %2</source>
        <translation>Ligne %1 : erreur : %2</translation>
    </message>
    <message>
        <source>Line %1: warning: %2</source>
        <translation>Ligne %1 : avertissement : %2</translation>
    </message>
    <message>
        <source>%1 and %2: a quiz with errors cannot be saved.</source>
        <translation>%1 et %2 : un quiz avec des erreurs ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>%1; the quiz can be saved.</source>
        <translation>%1 ; le quiz peut être enregistré.</translation>
    </message>
    <message>
        <source>No errors or warnings.</source>
        <translation>Aucune erreur ni aucun avertissement.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] - Quiz Editor</source>
        <translation>%1[*] – Éditeur de quiz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist yet: this is a new quiz, which Save writes there.</source>
        <translation>« %1 » n’existe pas encore : c’est un nouveau quiz, qu’Enregistrer y écrira.</translation>
    </message>
    <message>
        <source>it would be larger than %1 MiB, too large for the quiz editor.</source>
        <translation>il dépasserait %1 Mio, trop pour l’éditeur de quiz.</translation>
    </message>
    <message>
        <source>Export as &amp;Web Page...</source>
        <translation>Exporter en page &amp;web...</translation>
    </message>
    <message>
        <source>Publish the quiz as it stands as a web page that plays it in any browser</source>
        <translation>Publier le quiz tel qu’il est comme page web jouable dans tout navigateur</translation>
    </message>
    <message>
        <source>The quiz cannot be published while it has errors: the page could not play it. Mend the errors in the list first.</source>
        <translation>Le quiz ne peut pas être publié tant qu’il contient des erreurs : la page ne pourrait pas le jouer. Corrigez d’abord les erreurs de la liste.</translation>
    </message>
    <message>
        <source>The quiz is published as a web page: open &quot;%1&quot; in a browser to take it, or put the whole folder on a web site.</source>
        <translation>Le quiz est publié comme page web : ouvrez « %1 » dans un navigateur pour y jouer, ou mettez tout le dossier sur un site web.</translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n avertissement</numerusform>
            <numerusform>%n avertissements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as &amp;One Web Page File...</source>
        <translation>Exporter en un seul fichier de page &amp;HTML...</translation>
    </message>
    <message>
        <source>Publish the quiz as it stands as one HTML file that holds its pictures and clips, to send or upload anywhere</source>
        <translation>Publier le quiz tel qu’il est en un seul fichier HTML qui contient ses images et ses sons, à envoyer ou à mettre en ligne</translation>
    </message>
    <message>
        <source>Web pages (*.html)|*.html</source>
        <translation>Pages web (*.html)|*.html</translation>
    </message>
    <message>
        <source>The quiz is published as one web page file: open &quot;%1&quot; in a browser to take it, or send or upload the file.</source>
        <translation>Le quiz est publié en un seul fichier de page web : ouvrez « %1 » dans un navigateur pour y jouer, ou envoyez ou mettez en ligne le fichier.</translation>
    </message>
</context>
<context>
    <name>QuizFileFilter</name>
    <message>
        <source>Qzt Files  (*.QZT)|*.QZT</source>
        <translation>Fichiers Qzt  (*.QZT)|*.QZT</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>ShellOpener</name>
    <message>
        <source>the target is empty</source>
        <translation>la cible est vide</translation>
    </message>
    <message>
        <source>the address is not valid</source>
        <translation>l’adresse n’est pas valide</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>no application on this computer could open it</source>
        <translation>aucune application de cet ordinateur n’a pu l’ouvrir</translation>
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
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Essayer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Publish as Web Page</source>
        <translation>Publier en page web</translation>
    </message>
    <message>
        <source>Open a quiz file, or drop one anywhere on this page.</source>
        <translation>Ouvrez un fichier de quiz, ou déposez-en un n’importe où sur cette page.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publié</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The quiz as it plays</source>
        <translation>Le quiz tel qu’il se joue</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>the browser did not allow writing to it.</source>
        <translation>le navigateur n’a pas permis d’y écrire.</translation>
    </message>
    <message>
        <source>The quiz engine cannot start in this browser: %1</source>
        <translation>Le moteur du quiz ne peut pas démarrer dans ce navigateur : %1</translation>
    </message>
</context>
<context>
    <name>URLLink</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>Impossible de charger « %1 » : %2 (erreur %3)</translation>
    </message>
</context>
<context>
    <name>WebExport</name>
    <message>
        <source>Cannot publish the web page in &quot;%1&quot;: %2</source>
        <translation>Impossible de publier la page web dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot use the sound clip &quot;%1&quot; (%2): %3; its result stays silent</source>
        <translation>Impossible d’utiliser l’extrait sonore « %1 » (%2) : %3 ; son résultat reste muet</translation>
    </message>
    <message>
        <source>Cannot use the banner picture &quot;%1&quot; (%2): %3</source>
        <translation>Impossible d’utiliser l’image de bannière « %1 » (%2) : %3</translation>
    </message>
    <message>
        <source>the quizzes hold more than %1 MiB of text, more than one page may hold; publish them in smaller groups.</source>
        <translation>les quiz contiennent plus de %1 Mio de texte, plus qu’une page ne peut en contenir ; publiez-les en groupes plus petits.</translation>
    </message>
    <message>
        <source>Cannot publish the web page as &quot;%1&quot;: %2</source>
        <translation>Impossible de publier la page web sous « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Take it again</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <source>Choose a quiz</source>
        <translation>Choisissez un quiz</translation>
    </message>
    <message>
        <source>Thank you for playing. You can close this page now.</source>
        <translation>Merci d’avoir joué. Vous pouvez maintenant fermer cette page.</translation>
    </message>
    <message>
        <source>Most compatible with %1</source>
        <translation>Le plus compatible avec %1</translation>
    </message>
    <message>
        <source>Most compatible with all the guys</source>
        <translation>Compatible avec toute la bande</translation>
    </message>
</context>
</TS>
