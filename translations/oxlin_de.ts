<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>NotebookMessages</name>
    <message>
        <source>please input a validate name.<byte value="xd"/>
</source>
        <translation>Bitte geben Sie einen gültigen Namen ein.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>A notebook name can have at most %1 characters.</source>
        <translation>Ein Notizbuchname darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>A notebook name cannot begin with &quot;.&quot;, end with &quot;.&quot; or a blank, or contain / \ : * ? &quot; &lt; &gt; | or control characters.</source>
        <translation>Ein Notizbuchname darf nicht mit &quot;.&quot; beginnen, nicht mit &quot;.&quot; oder einem Leerzeichen enden und weder / \ : * ? &quot; &lt; &gt; | noch Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>This name is reserved; please input another name.</source>
        <translation>Dieser Name ist reserviert; bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>A notebook name cannot end in &quot;%1&quot;, the ending of notebook packages.</source>
        <translation>Ein Notizbuchname darf nicht auf &quot;%1&quot; enden, die Endung von Notizbuchpaketen.</translation>
    </message>
    <message>
        <source>Delete the notebook &quot;%1&quot;? It cannot be undone.</source>
        <translation>Das Notizbuch &quot;%1&quot; löschen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already exist, please input another name.</source>
        <translation>&quot;%1&quot; ist bereits vorhanden; bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a notebook&apos;s name here: &quot;%2&quot; is in its place. Please input another name.</source>
        <translation>&quot;%1&quot; kann hier kein Notizbuchname sein: An seiner Stelle liegt &quot;%2&quot;. Bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>The open topic could not be saved, so &quot;%1&quot; was not opened and the topic keeps its text. Copy the text elsewhere or free some disk space, then try again.</source>
        <translation>Das geöffnete Thema konnte nicht gespeichert werden, daher wurde &quot;%1&quot; nicht geöffnet; das Thema behält seinen Text. Kopieren Sie den Text an einen anderen Ort oder geben Sie Speicherplatz frei und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already open.</source>
        <translation>&quot;%1&quot; ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>You can&apos;t delete the opened book.</source>
        <translation>Das geöffnete Notizbuch kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The notebook &quot;%1&quot; could not be deleted.</source>
        <translation>Das Notizbuch &quot;%1&quot; konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The notebook &quot;%1&quot; could not be opened: %2</source>
        <translation>Das Notizbuch &quot;%1&quot; konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Could not save the notebook: %1</source>
        <translation>Das Notizbuch konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>the working folder &quot;%1&quot; is a symbolic link</source>
        <translation>der Arbeitsordner &quot;%1&quot; ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>%1 topic files could not be unpacked into &quot;%2&quot; (is the disk full?)</source>
        <translation>%1 Themendateien konnten nicht nach &quot;%2&quot; entpackt werden (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (is the disk full?)</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>the notebook holds %1 topic files, more than the %2 a package can hold; move some topics to another notebook</source>
        <translation>das Notizbuch enthält %1 Themendateien, mehr als die %2, die ein Paket aufnehmen kann; verschieben Sie einige Themen in ein anderes Notizbuch</translation>
    </message>
    <message>
        <source>the package &quot;%1&quot; could not be written (%2)</source>
        <translation>das Paket &quot;%1&quot; konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the package &quot;%1&quot; could not be written (is the disk full, or does the notebook hold more topics than a package can?)</source>
        <translation>das Paket &quot;%1&quot; konnte nicht geschrieben werden (ist der Datenträger voll, oder enthält das Notizbuch mehr Themen, als ein Paket aufnehmen kann?)</translation>
    </message>
    <message>
        <source>the open topic or the tree could not be written into the working folder &quot;%1&quot; (is the disk full?)</source>
        <translation>das geöffnete Thema oder der Baum konnte nicht in den Arbeitsordner &quot;%1&quot; geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>the working folder &quot;%1&quot; could not be created (is the disk full, or is something else in its place?)</source>
        <translation>der Arbeitsordner &quot;%1&quot; konnte nicht angelegt werden (ist der Datenträger voll, oder liegt etwas anderes an seiner Stelle?)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written to</source>
        <translation>in den Ordner &quot;%1&quot; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged, and no copy of it could be kept aside (is the disk full?)</source>
        <translation>&quot;%1&quot; ist beschädigt, und es konnte keine Kopie davon beiseitegelegt werden (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program and cannot be read, so it was neither merged nor replaced (is it still being copied?)</source>
        <translation>&quot;%1&quot; wurde von einem anderen Programm geändert und kann nicht gelesen werden; es wurde daher weder zusammengeführt noch ersetzt (wird es noch kopiert?)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; belongs to the notebook open on another machine; it was left alone and the notebook was opened from its package</source>
        <translation>der Ordner &quot;%1&quot; gehört zu dem Notizbuch, das auf einem anderen Rechner geöffnet ist; er blieb unberührt, und das Notizbuch wurde aus seinem Paket geöffnet</translation>
    </message>
    <message>
        <source>The notebook was opened, but %1.
Free some disk space and save soon, or what you change may not be kept.</source>
        <translation>Das Notizbuch wurde geöffnet, aber %1.
Geben Sie Speicherplatz frei und speichern Sie bald, sonst gehen Ihre Änderungen womöglich verloren.</translation>
    </message>
    <message>
        <source>No application is set up to open %1.</source>
        <translation>Es ist kein Programm zum Öffnen von %1 eingerichtet.</translation>
    </message>
    <message>
        <source>%1 could not be taken out of the notebook whole (its topic file is damaged, or the disk is full), so it was not opened.</source>
        <translation>%1 konnte nicht vollständig aus dem Notizbuch entnommen werden (seine Themendatei ist beschädigt oder der Datenträger ist voll) und wurde daher nicht geöffnet.</translation>
    </message>
    <message>
        <source>The notebook cannot be saved: %1.
What you change now will be lost when Oxlin ends.</source>
        <translation>Das Notizbuch kann nicht gespeichert werden: %1.
Was Sie jetzt ändern, geht verloren, wenn Oxlin beendet wird.</translation>
    </message>
    <message>
        <source>The notebook package &quot;%1&quot; is damaged and could not be read.</source>
        <translation>Das Notizbuchpaket &quot;%1&quot; ist beschädigt und konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The notebook package &quot;%1&quot; is damaged and could not be read.
It was kept unchanged as &quot;%2&quot;; the notebook opens without it.</source>
        <translation>Das Notizbuchpaket &quot;%1&quot; ist beschädigt und konnte nicht gelesen werden.
Es wurde unverändert als &quot;%2&quot; aufbewahrt; das Notizbuch wird ohne es geöffnet.</translation>
    </message>
    <message>
        <source>The list of topics in &quot;%1&quot; is damaged and could not be read.
The topics found were put under &quot;Recovered&quot;.%2</source>
        <translation>Die Themenliste in &quot;%1&quot; ist beschädigt und konnte nicht gelesen werden.
Die gefundenen Themen wurden unter &quot;Recovered&quot; abgelegt.%2</translation>
    </message>
    <message>
        <source>
The damaged list was kept as &quot;%1&quot;.</source>
        <translation>
Die beschädigte Liste wurde als &quot;%1&quot; aufbewahrt.</translation>
    </message>
    <message>
        <source>The notebook cannot be opened: %1.
Nothing in it will be changed or saved.</source>
        <translation>Das Notizbuch kann nicht geöffnet werden: %1.
Darin wird nichts geändert oder gespeichert.</translation>
    </message>
    <message>
        <source>Some topics of &quot;%1&quot; could not be unpacked (is the disk full?).
The package was kept unchanged as &quot;%2&quot;.</source>
        <translation>Einige Themen von &quot;%1&quot; konnten nicht entpackt werden (ist der Datenträger voll?).
Das Paket wurde unverändert als &quot;%2&quot; aufbewahrt.</translation>
    </message>
    <message>
        <source>The list of topics in &quot;%1&quot; held entries that could not be read as they were: %2 over-long lines and %3 over-long labels were left out, %4 folders without a name were named &quot;(no name)&quot;, and %5 topics got new file numbers.</source>
        <translation>Die Themenliste in &quot;%1&quot; enthielt Einträge, die so nicht gelesen werden konnten: %2 überlange Zeilen und %3 überlange Bezeichnungen wurden ausgelassen, %4 Ordner ohne Namen wurden &quot;(no name)&quot; genannt, und %5 Themen erhielten neue Dateinummern.</translation>
    </message>
    <message>
        <source>Merged changes made on another machine.</source>
        <translation>Auf einem anderen Rechner vorgenommene Änderungen wurden zusammengeführt.</translation>
    </message>
    <message numerus="yes">
        <source>Merged changes made on another machine; %n topic(s) changed on both are kept twice.</source>
        <translation>
            <numerusform>Auf einem anderen Rechner vorgenommene Änderungen wurden zusammengeführt; %n auf beiden geändertes Thema ist doppelt vorhanden.</numerusform>
            <numerusform>Auf einem anderen Rechner vorgenommene Änderungen wurden zusammengeführt; %n auf beiden geänderte Themen sind doppelt vorhanden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another copy of %1 was made on another machine on %2. Merge it in?</source>
        <translation>Auf einem anderen Rechner wurde am %2 eine weitere Kopie von %1 angelegt. Zusammenführen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged or not a notebook; it was not merged and stays where it is.</source>
        <translation>&quot;%1&quot; ist beschädigt oder kein Notizbuch; es wurde nicht zusammengeführt und bleibt, wo es ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was merged, but could not be moved into the folder &quot;Merged&quot;.</source>
        <translation>&quot;%1&quot; wurde zusammengeführt, konnte aber nicht in den Ordner &quot;Merged&quot; verschoben werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be merged: %2</source>
        <translation>&quot;%1&quot; konnte nicht zusammengeführt werden: %2</translation>
    </message>
    <message>
        <source>Recovered the notebook from an unexpected end.</source>
        <translation>Das Notizbuch wurde nach einem unerwarteten Ende wiederhergestellt.</translation>
    </message>
    <message>
        <source>Could not save the notebook: %1.
Everything is kept in the working folder &quot;%2&quot; and will be there at the next start.</source>
        <translation>Das Notizbuch konnte nicht gespeichert werden: %1.
Alles bleibt im Arbeitsordner &quot;%2&quot; erhalten und ist beim nächsten Start wieder da.</translation>
    </message>
    <message>
        <source>The open topic could not be saved, so Oxlin stays open and keeps its text. Copy the text elsewhere or free some disk space, then exit again.</source>
        <translation>Das geöffnete Thema konnte nicht gespeichert werden, daher bleibt Oxlin geöffnet und behält seinen Text. Kopieren Sie den Text an einen anderen Ort oder geben Sie Speicherplatz frei und beenden Sie dann erneut.</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message>
        <source>File(%1) is larger than 10M bytes.<byte value="xd"/>
We don&apos;t suggest to import such a big file.</source>
        <translation>Die Datei (%1) ist größer als 10 MB.<byte value="xd"/>
Wir raten davon ab, eine so große Datei zu importieren.</translation>
    </message>
    <message>
        <source>Size of folder is too big. Some files are ignored.<byte value="xd"/>
Operation terminate.</source>
        <translation>Der Ordner ist zu groß. Einige Dateien werden ignoriert.<byte value="xd"/>
Vorgang abgebrochen.</translation>
    </message>
    <message>
        <source>Too many files in this folder.<byte value="xd"/>
Import operation terminate.</source>
        <translation>Zu viele Dateien in diesem Ordner.<byte value="xd"/>
Import abgebrochen.</translation>
    </message>
    <message>
        <source>The import stopped at %1: the notebook&apos;s working folder could not be written (is the disk full?).</source>
        <translation>Der Import wurde bei %1 angehalten: In den Arbeitsordner des Notizbuchs konnte nicht geschrieben werden (ist der Datenträger voll?).</translation>
    </message>
    <message>
        <source>These files could not be read and were not imported:
%1</source>
        <translation>Diese Dateien konnten nicht gelesen werden und wurden nicht importiert:
%1</translation>
    </message>
    <message>
        <source>These are not regular files (a pipe, a device or a socket) and were not imported:
%1</source>
        <translation>Dies sind keine regulären Dateien (eine Pipe, ein Gerät oder ein Socket) und wurden nicht importiert:
%1</translation>
    </message>
    <message>
        <source>These folders could not be read and were not imported:
%1</source>
        <translation>Diese Ordner konnten nicht gelesen werden und wurden nicht importiert:
%1</translation>
    </message>
    <message>
        <source>These links to folders were not followed:
%1</source>
        <translation>Diesen Links auf Ordner wurde nicht gefolgt:
%1</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.<byte value="xd"/>
Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>export file OK!</source>
        <translation>Datei exportiert.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>export file Failed!</source>
        <translation>Export der Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Folder already exist!</source>
        <translation>Der Ordner ist bereits vorhanden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Failed to create folder!</source>
        <translation>Der Ordner konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>export folder OK!</source>
        <translation>Ordner exportiert.</translation>
    </message>
    <message>
        <source>export folder OK!

These could not be written:
%1</source>
        <translation>Ordner exportiert.

Diese konnten nicht geschrieben werden:
%1</translation>
    </message>
</context>
<context>
    <name>TreeMessages</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Do you want to delete %1?</source>
        <translation>Möchten Sie %1 löschen?</translation>
    </message>
    <message>
        <source>Do you want to delete %1 and all topics in this folder?</source>
        <translation>Möchten Sie %1 und alle Themen in diesem Ordner löschen?</translation>
    </message>
    <message>
        <source>move [%1] to root?<byte value="xd"/>
</source>
        <translation>[%1] auf die oberste Ebene verschieben?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>move [%1] to [%2]?<byte value="xd"/>
</source>
        <translation>[%1] nach [%2] verschieben?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The name cannot be empty.</source>
        <translation>Der Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A name cannot contain \ / = [ ] or control characters.</source>
        <translation>Ein Name darf weder \ / = [ ] noch Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>%1 cannot be used as a name.</source>
        <translation>%1 kann nicht als Name verwendet werden.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Der Name ist zu lang.</translation>
    </message>
    <message>
        <source>A catalog named %1 already exists here.</source>
        <translation>Hier gibt es bereits einen Ordner namens %1.</translation>
    </message>
    <message>
        <source>This notebook is full: a notebook holds at most %L1 topics. Please make a new notebook for more.</source>
        <translation>Dieses Notizbuch ist voll: Ein Notizbuch fasst höchstens %L1 Themen. Bitte legen Sie für weitere ein neues Notizbuch an.</translation>
    </message>
</context>
<context>
    <name>oxlin::app::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Oxlin Notebook, version %1</source>
        <translation>Oxlin Notebook, Version %1</translation>
    </message>
</context>
<context>
    <name>oxlin::app::ActionRegistry</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Seite einrichten...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Als PDF exportieren...</translation>
    </message>
    <message>
        <source>Web Pages...</source>
        <translation>Webseiten...</translation>
    </message>
    <message>
        <source>Markdown...</source>
        <translation>Markdown...</translation>
    </message>
    <message>
        <source>PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Import Markdown...</source>
        <translation>Markdown importieren...</translation>
    </message>
    <message>
        <source>Import Markdown Folder...</source>
        <translation>Markdown-Ordner importieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>&amp;Ersetzen...</translation>
    </message>
    <message>
        <source>Word &amp;Wrap</source>
        <translation>&amp;Zeilenumbruch</translation>
    </message>
    <message>
        <source>to a File</source>
        <translation>zu einer Datei</translation>
    </message>
    <message>
        <source>to a Topic</source>
        <translation>zu einem Thema</translation>
    </message>
    <message>
        <source>to a Web Address...</source>
        <translation>zu einer Webadresse...</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Text in a File</source>
        <translation>Text aus einer Datei</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <source>Decrese indentation</source>
        <translation>Einzug verkleinern</translation>
    </message>
    <message>
        <source>Increase indentation</source>
        <translation>Einzug vergrößern</translation>
    </message>
    <message>
        <source>Align left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Align right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Insert a link</source>
        <translation>Link einfügen</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Themen</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>Check Spelling as You Type</source>
        <translation>Rechtschreibprüfung während der Eingabe</translation>
    </message>
    <message>
        <source>Show DragDrop Window</source>
        <translation>Ablagefenster anzeigen</translation>
    </message>
    <message>
        <source>Always on T&amp;op</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Key Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Oxlin...</source>
        <translation>Ü&amp;ber Oxlin...</translation>
    </message>
    <message>
        <source>New Foloder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>New SubFolder</source>
        <translation>Neuer Unterordner</translation>
    </message>
    <message>
        <source>New Topic</source>
        <translation>Neues Thema</translation>
    </message>
    <message>
        <source>Delete Catalog</source>
        <translation>Ordner löschen</translation>
    </message>
    <message>
        <source>Delete Topic</source>
        <translation>Thema löschen</translation>
    </message>
    <message>
        <source>Level Up</source>
        <translation>Eine Ebene höher</translation>
    </message>
    <message>
        <source>Level Down</source>
        <translation>Eine Ebene tiefer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Create a new topic</source>
        <translation>Ein neues Thema anlegen</translation>
    </message>
    <message>
        <source>Create a new catalog</source>
        <translation>Einen neuen Ordner anlegen</translation>
    </message>
    <message>
        <source>Delete the current topic or catalog</source>
        <translation>Das aktuelle Thema oder den aktuellen Ordner löschen</translation>
    </message>
    <message>
        <source>Delete the current catalog</source>
        <translation>Den aktuellen Ordner löschen</translation>
    </message>
    <message>
        <source>Create a new folder in the current catalog</source>
        <translation>Einen neuen Ordner im aktuellen Ordner anlegen</translation>
    </message>
    <message>
        <source>Decrease the hierarchy level</source>
        <translation>Die Gliederungsebene verringern</translation>
    </message>
    <message>
        <source>Increase the hierarchy level</source>
        <translation>Die Gliederungsebene erhöhen</translation>
    </message>
    <message>
        <source>Move the selected item up</source>
        <translation>Das ausgewählte Element nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the selected item down</source>
        <translation>Das ausgewählte Element nach unten verschieben</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Create a new notebook (Ctrl + N)</source>
        <translation>Ein neues Notizbuch anlegen (Strg + N)</translation>
    </message>
    <message>
        <source>Open an existing notebook (Ctrl + O)</source>
        <translation>Ein vorhandenes Notizbuch öffnen (Strg + O)</translation>
    </message>
    <message>
        <source>Save the current notebook (Ctrl + S)</source>
        <translation>Das aktuelle Notizbuch speichern (Strg + S)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Cut (Ctrl + X)</source>
        <translation>Ausschneiden (Strg + X)</translation>
    </message>
    <message>
        <source>Copy (Ctrl + C)</source>
        <translation>Kopieren (Strg + C)</translation>
    </message>
    <message>
        <source>Paste (Ctrl + V)</source>
        <translation>Einfügen (Strg + V)</translation>
    </message>
    <message>
        <source>View keyboard shortcut</source>
        <translation>Tastenkürzel anzeigen</translation>
    </message>
    <message>
        <source>Print (Ctrl + P)</source>
        <translation>Drucken (Strg + P)</translation>
    </message>
    <message>
        <source>Help Topics (F1)</source>
        <translation>Hilfethemen (F1)</translation>
    </message>
    <message>
        <source>Insert a table</source>
        <translation>Eine Tabelle einfügen</translation>
    </message>
    <message>
        <source>Insert a picture (F7)</source>
        <translation>Ein Bild einfügen (F7)</translation>
    </message>
    <message>
        <source>Insert content from a TEXT file (F8)</source>
        <translation>Inhalt aus einer Textdatei einfügen (F8)</translation>
    </message>
    <message>
        <source>enumerated list</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <source>bullet list</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <source>Insert a link (F5 : File-Link / F4 : Topic-Link)</source>
        <translation>Link einfügen (F5: Link auf eine Datei / F4: Link auf ein Thema)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Import from...</source>
        <translation>Importieren aus</translation>
    </message>
    <message>
        <source>Export As</source>
        <translation>Exportieren als</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>oxlin::app::BackgroundShell</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Oxlin is still running. Press Ctrl+Shift+A or double-click this icon to bring it back.</source>
        <translation>Oxlin läuft weiter. Drücken Sie Strg+Umschalt+A oder doppelklicken Sie auf dieses Symbol, um es zurückzuholen.</translation>
    </message>
    <message>
        <source>Oxlin is still running. Double-click this icon to bring it back.</source>
        <translation>Oxlin läuft weiter. Doppelklicken Sie auf dieses Symbol, um es zurückzuholen.</translation>
    </message>
    <message>
        <source>The drop window cannot go to its corner here: under Wayland the desktop decides where windows go.</source>
        <translation>Das Ablagefenster kann hier nicht in seine Ecke gesetzt werden: Unter Wayland bestimmt die Arbeitsumgebung, wo Fenster erscheinen.</translation>
    </message>
    <message>
        <source>File(%1) is larger than 10M bytes.<byte value="xd"/>
We don&apos;t suggest to import such a big file.</source>
        <translation>Die Datei (%1) ist größer als 10 MB.<byte value="xd"/>
Wir raten davon ab, eine so große Datei zu importieren.</translation>
    </message>
    <message>
        <source>Register Hotkey Failed!</source>
        <translation>Die globale Tastenkombination konnte nicht registriert werden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Oxlin is still running. Press Ctrl+Shift+A or click this icon to bring it back.</source>
        <translation>Oxlin läuft weiter. Drücken Sie Strg+Umschalt+A oder klicken Sie auf dieses Symbol, um es zurückzuholen.</translation>
    </message>
    <message>
        <source>Oxlin is still running. Click this icon to bring it back.</source>
        <translation>Oxlin läuft weiter. Klicken Sie auf dieses Symbol, um es zurückzuholen.</translation>
    </message>
</context>
<context>
    <name>oxlin::app::ColourPicker</name>
    <message>
        <source>More...</source>
        <translation>Weitere...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>oxlin::app::DropWindow</name>
    <message>
        <source>Oxlin(Drag &amp; Drop)</source>
        <translation>Oxlin (Drag &amp; Drop)</translation>
    </message>
</context>
<context>
    <name>oxlin::app::EditingCommands</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Text and Rich Text (*.TXT *.RTF *.txt *.rtf)</source>
        <translation>Text und Rich Text (*.TXT *.RTF *.txt *.rtf)</translation>
    </message>
    <message>
        <source>Text Files (*.TXT *.txt)</source>
        <translation>Textdateien (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Rich Text Format (*.RTF *.rtf)</source>
        <translation>Rich Text Format (*.RTF *.rtf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Error insert document. [%1]</source>
        <translation>Fehler beim Einfügen des Dokuments. [%1]</translation>
    </message>
    <message>
        <source>Link to a file</source>
        <translation>Link zu einer Datei</translation>
    </message>
    <message>
        <source>Link to a Topic</source>
        <translation>Link zu einem Thema</translation>
    </message>
    <message>
        <source>Link to a Web Address</source>
        <translation>Link zu einer Webadresse</translation>
    </message>
    <message>
        <source>Could not load image.</source>
        <translation>Das Bild konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Please Select a Image File</source>
        <translation>Bitte wählen Sie eine Bilddatei</translation>
    </message>
</context>
<context>
    <name>oxlin::app::EditorHost</name>
    <message>
        <source>A topic holds at most %L1 characters. %L2 characters of the inserted text did not fit and were left out.</source>
        <translation>Ein Thema fasst höchstens %L1 Zeichen. %L2 Zeichen des eingefügten Textes passten nicht mehr hinein und wurden ausgelassen.</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>This topic holds %L1 characters, more than the %L2 an editable topic may hold. It is shown whole; text can be removed but no more added.</source>
        <translation>Dieses Thema enthält %L1 Zeichen, mehr als die %L2, die ein bearbeitbares Thema enthalten darf. Es wird vollständig angezeigt; Text kann entfernt, aber nicht mehr hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; holds more than the %L2 MB the editor can open. Export it (Ctrl+R) to open it with another program.</source>
        <translation>Das Thema &quot;%1&quot; ist größer als die %L2 MB, die der Editor öffnen kann. Exportieren Sie es (Strg+R), um es mit einem anderen Programm zu öffnen.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; could not be read completely: its file is damaged.
What could be read of it is shown.</source>
        <translation>Das Thema &quot;%1&quot; konnte nicht vollständig gelesen werden: Seine Datei ist beschädigt.
Es wird angezeigt, was davon gelesen werden konnte.</translation>
    </message>
    <message>
        <source>
The damaged file was kept as &quot;%1&quot;.</source>
        <translation>
Die beschädigte Datei wurde als &quot;%1&quot; aufbewahrt.</translation>
    </message>
    <message>
        <source>Error saving document. [%1]</source>
        <translation>Fehler beim Speichern des Dokuments. [%1]</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>[%1]
char   : %2
line    : %3
count : %4</source>
        <translation>[%1]
Zeichen : %2
Zeilen  : %3
Anzahl  : %4</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)</source>
        <translation>Textdateien (*.TXT)</translation>
    </message>
    <message>
        <source>Rich Text Format (*.RTF)</source>
        <translation>Rich Text Format (*.RTF)</translation>
    </message>
    <message>
        <source>RTF w/o Objects (*.RTF)</source>
        <translation>RTF ohne Objekte (*.RTF)</translation>
    </message>
</context>
<context>
    <name>oxlin::app::FileQuestion</name>
    <message>
        <source>The link itself</source>
        <translation>Der Link selbst</translation>
    </message>
    <message>
        <source>Text to show:</source>
        <translation>Angezeigter Text:</translation>
    </message>
</context>
<context>
    <name>oxlin::app::FindController</name>
    <message>
        <source>The search text is not found.</source>
        <translation>Der Suchtext wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Replaced %1 occurances.</source>
        <translation>%1 Vorkommen ersetzt.</translation>
    </message>
</context>
<context>
    <name>oxlin::app::FindDialog</name>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Nur &amp;ganzes Wort</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Aufwärts</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>A&amp;bwärts</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>A&amp;lle ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Ersetzen &amp;durch:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>oxlin::app::InfoOptions</name>
    <message>
        <source>%1 (installed by the %2; updates come from the package manager)</source>
        <translation>%1 (installiert durch %2; Aktualisierungen kommen von der Paketverwaltung)</translation>
    </message>
</context>
<context>
    <name>oxlin::app::Insertions</name>
    <message>
        <source>All image file (%1)</source>
        <translation>Alle Bilddateien (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Bitmap-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg *.jpeg)</source>
        <translation>JPEG-Dateien (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif)</source>
        <translation>GIF-Dateien (*.gif)</translation>
    </message>
</context>
<context>
    <name>oxlin::app::KeywordPanel</name>
    <message>
        <source>Key&amp;word:</source>
        <translation>&amp;Stichwort:</translation>
    </message>
    <message>
        <source>&amp;Locate</source>
        <translation>Su&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Resul&amp;t:</source>
        <translation>&amp;Ergebnis:</translation>
    </message>
    <message>
        <source>Search in result</source>
        <translation>Im Ergebnis suchen</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Topics-tree Only</source>
        <translation>Nur Themenbaum</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>All notebooks</source>
        <translation>Alle Notizbücher</translation>
    </message>
</context>
<context>
    <name>oxlin::app::LinkCommands</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is no longer in this notebook.</source>
        <translation>Das Thema &quot;%1&quot; ist nicht mehr in diesem Notizbuch.</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; names no file that can be opened.</source>
        <translation>Der Link &quot;%1&quot; verweist auf keine Datei, die geöffnet werden kann.</translation>
    </message>
    <message>
        <source>Open &quot;%1&quot;? It is a program.</source>
        <translation>&quot;%1&quot; öffnen? Es handelt sich um ein Programm.</translation>
    </message>
    <message>
        <source>Error occupy while insert link text.</source>
        <translation>Beim Einfügen des Linktextes ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Please Select a File</source>
        <translation>Bitte wählen Sie eine Datei</translation>
    </message>
</context>
<context>
    <name>oxlin::app::LocatePanel</name>
    <message>
        <source>Locate:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>A&amp;nzeigen</translation>
    </message>
</context>
<context>
    <name>oxlin::app::MainWindow</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>%1 - Quarrow Notebook - [%2]</source>
        <translation>%1 - Quarrow Notebook - [%2]</translation>
    </message>
    <message>
        <source>%1 - Quarrow Notebook</source>
        <translation>%1 - Quarrow Notebook</translation>
    </message>
    <message>
        <source>Exit Oxlin?

This desktop has no notification area to keep Oxlin in while its window is closed. Choose No to keep it running, with its window minimised.</source>
        <translation>Oxlin beenden?

Diese Arbeitsumgebung hat keinen Benachrichtigungsbereich, in dem Oxlin bei geschlossenem Fenster bleiben kann. Wählen Sie Nein, damit es mit minimiertem Fenster weiterläuft.</translation>
    </message>
</context>
<context>
    <name>oxlin::app::NewNotebookDialog</name>
    <message>
        <source>New Notebook</source>
        <translation>Neues Notizbuch</translation>
    </message>
    <message>
        <source>Name of this notebook:</source>
        <translation>Name des Notizbuchs:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>oxlin::app::NotebookApplication</name>
    <message>
        <source>Oxlin is running.</source>
        <translation>Oxlin läuft bereits.</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Loading notebook data...</source>
        <translation>Notizbuchdaten werden geladen...</translation>
    </message>
    <message>
        <source>Oxlin Notebook: notes in folders and topics.</source>
        <translation>Oxlin Notebook: Notizen in Ordnern und Themen.</translation>
    </message>
</context>
<context>
    <name>oxlin::app::NotebookCommands</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>You can&apos;t delete the opened book.</source>
        <translation>Das geöffnete Notizbuch kann nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>oxlin::app::NotebookController</name>
    <message>
        <source>Import from a file</source>
        <translation>Aus einer Datei importieren</translation>
    </message>
    <message>
        <source>Import from a folder</source>
        <translation>Aus einem Ordner importieren</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
</context>
<context>
    <name>oxlin::app::OpenNotebookDialog</name>
    <message>
        <source>Open Notebook</source>
        <translation>Notizbuch öffnen</translation>
    </message>
    <message>
        <source>Notebook List:</source>
        <translation>Notizbücher:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>oxlin::app::PortalHotkey</name>
    <message>
        <source>Show Oxlin</source>
        <translation>Oxlin anzeigen</translation>
    </message>
</context>
<context>
    <name>oxlin::app::Prompter</name>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>All Text file (*.txt *.log *.cpp *.h *.html *.rtf)</source>
        <translation>Alle Textdateien (*.txt *.log *.cpp *.h *.html *.rtf)</translation>
    </message>
    <message>
        <source>All image file (*.bmp *.jpg *.gif)</source>
        <translation>Alle Bilddateien (*.bmp *.jpg *.gif)</translation>
    </message>
</context>
<context>
    <name>oxlin::app::PublishCommands</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Export As Web Pages</source>
        <translation>Als Webseiten exportieren</translation>
    </message>
    <message>
        <source>Export As Markdown</source>
        <translation>Als Markdown exportieren</translation>
    </message>
    <message>
        <source>Cannot export to %1: it already exists. Choose a new folder name.</source>
        <translation>Export nach %1 nicht möglich: Es ist bereits vorhanden. Wählen Sie einen neuen Ordnernamen.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 holds the %2 topics written before, and an index of them.</source>
        <translation>Der Export wurde abgebrochen: %1 enthält die %2 bis dahin geschriebenen Themen und ein Verzeichnis davon.</translation>
    </message>
    <message>
        <source>Exported %1 topics to %2.</source>
        <translation>%1 Themen nach %2 exportiert.</translation>
    </message>
    <message>
        <source>These could not be written:</source>
        <translation>Diese konnten nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Fonts, colours and alignment have no place in Markdown and were left out.</source>
        <translation>Schriftarten, Farben und Ausrichtung gibt es in Markdown nicht; sie wurden ausgelassen.</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>The export was cancelled: no PDF was written.</source>
        <translation>Der Export wurde abgebrochen: Es wurde kein PDF geschrieben.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Exported %1 topics on %2 pages to %3.</source>
        <translation>%1 Themen auf %2 Seiten nach %3 exportiert.</translation>
    </message>
    <message>
        <source>Exporting... %1 of %2 topics</source>
        <translation>Exportieren... %1 von %2 Themen</translation>
    </message>
</context>
<context>
    <name>oxlin::app::SearchPresenter</name>
    <message>
        <source>no topic includes the keyword.</source>
        <translation>Kein Thema enthält das Stichwort.</translation>
    </message>
    <message>
        <source>1 topic includes the keyword.</source>
        <translation>1 Thema enthält das Stichwort.</translation>
    </message>
    <message>
        <source>%1 topics include the keyword.</source>
        <translation>%1 Themen enthalten das Stichwort.</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
</context>
<context>
    <name>oxlin::app::ShortcutDialog</name>
    <message>
        <source>Main Window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Show Notebook:</source>
        <translation>Notebook anzeigen:</translation>
    </message>
    <message>
        <source>Ctrl + Shift + A</source>
        <translation>Strg + Umschalt + A</translation>
    </message>
    <message>
        <source>Hide Notebook:</source>
        <translation>Notebook ausblenden:</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Always On Top:</source>
        <translation>Immer im Vordergrund:</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Show DragDrop Window</source>
        <translation>Ablagefenster anzeigen</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>New Notebook</source>
        <translation>Neues Notizbuch</translation>
    </message>
    <message>
        <source>Ctrl + N</source>
        <translation>Strg + N</translation>
    </message>
    <message>
        <source>Open Notebook</source>
        <translation>Notizbuch öffnen</translation>
    </message>
    <message>
        <source>Ctrl + O</source>
        <translation>Strg + O</translation>
    </message>
    <message>
        <source>Save Notebook</source>
        <translation>Notizbuch speichern</translation>
    </message>
    <message>
        <source>Ctrl + S</source>
        <translation>Strg + S</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Ctrl + R</source>
        <translation>Strg + R</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Ctrl + P</source>
        <translation>Strg + P</translation>
    </message>
    <message>
        <source>Switch Tree / Editor</source>
        <translation>Zwischen Baum und Editor wechseln</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Topics / Index / Search</source>
        <translation>Themen / Index / Suche</translation>
    </message>
    <message>
        <source>Ctrl + 1 / Ctrl + 2 / Ctrl + 3</source>
        <translation>Strg + 1 / Strg + 2 / Strg + 3</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Topics-tree</source>
        <translation>Themenbaum</translation>
    </message>
    <message>
        <source>New same level Topic</source>
        <translation>Neues Thema auf gleicher Ebene</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>New Sub-Topic</source>
        <translation>Neues Unterthema</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Delete Topic</source>
        <translation>Thema löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Rename Topic</source>
        <translation>Thema umbenennen</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Open Topic to Edit</source>
        <translation>Thema zum Bearbeiten öffnen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Word-Wrap</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>Ctrl + W</source>
        <translation>Strg + W</translation>
    </message>
    <message>
        <source>Insert a Link(to a file)</source>
        <translation>Link einfügen (zu einer Datei)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Insert Link(to a Topic)</source>
        <translation>Link einfügen (zu einem Thema)</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Insert Link(to a Web Address)</source>
        <translation>Link einfügen (zu einer Webadresse)</translation>
    </message>
    <message>
        <source>Ctrl + K</source>
        <translation>Strg + K</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Insert Text in a File</source>
        <translation>Text aus einer Datei einfügen</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Ctrl + Z</source>
        <translation>Strg + Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Ctrl + Y / Ctrl + Shift + Z</source>
        <translation>Strg + Y / Strg + Umschalt + Z</translation>
    </message>
    <message>
        <source>Cut / Copy / Paste</source>
        <translation>Ausschneiden / Kopieren / Einfügen</translation>
    </message>
    <message>
        <source>Ctrl + X / Ctrl + C / Ctrl + V</source>
        <translation>Strg + X / Strg + C / Strg + V</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Ctrl + F</source>
        <translation>Strg + F</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Ctrl + H</source>
        <translation>Strg + H</translation>
    </message>
    <message>
        <source>Spelling as You Type</source>
        <translation>Rechtschreibprüfung während der Eingabe</translation>
    </message>
    <message>
        <source>Shift + F7</source>
        <translation>Umschalt + F7</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Ctrl + B</source>
        <translation>Strg + B</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Ctrl + I</source>
        <translation>Strg + I</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Ctrl + U</source>
        <translation>Strg + U</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <source>Ctrl + Shift + 7</source>
        <translation>Strg + Umschalt + 7</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <source>Ctrl + Shift + 8</source>
        <translation>Strg + Umschalt + 8</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Ctrl + L</source>
        <translation>Strg + L</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Ctrl + E</source>
        <translation>Strg + E</translation>
    </message>
    <message>
        <source>KeyBorad ShortCut</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>oxlin::app::SidePane</name>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
</context>
<context>
    <name>oxlin::app::SpellService</name>
    <message numerus="yes">
        <source>%n dictionary file(s) without a .dic file beside them left out: %1</source>
        <translation>
            <numerusform>%n Wörterbuchdatei ohne .dic-Datei daneben ausgelassen: %1</numerusform>
            <numerusform>%n Wörterbuchdateien ohne .dic-Datei daneben ausgelassen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 could not be read.</source>
        <translation>Die Wortliste %1 konnte nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the word list %1 hold no word and were left out.</source>
        <translation>
            <numerusform>%n Zeile der Wortliste %1 enthält kein Wort und wurde ausgelassen.</numerusform>
            <numerusform>%n Zeilen der Wortliste %1 enthalten kein Wort und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The dictionary could not be loaded: %1.</source>
        <translation>Das Wörterbuch konnte nicht geladen werden: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added to the word list %2.</source>
        <translation>&quot;%1&quot; konnte nicht zur Wortliste %2 hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>oxlin::app::SpellingMenus</name>
    <message>
        <source>(no suggestions)</source>
        <translation>(keine Vorschläge)</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>No dictionary installed</source>
        <translation>Kein Wörterbuch installiert</translation>
    </message>
</context>
<context>
    <name>oxlin::app::TableSizePicker</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>oxlin::app::Toolbars</name>
    <message>
        <source>Main</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>oxlin::app::TopicLinkDialog</name>
    <message>
        <source>Insert Topics Link</source>
        <translation>Link zu einem Thema einfügen</translation>
    </message>
    <message>
        <source>The link itself</source>
        <translation>Der Link selbst</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Topic:</source>
        <translation>Thema:</translation>
    </message>
    <message>
        <source>Text to show:</source>
        <translation>Angezeigter Text:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalidate Topic name</source>
        <translation>Ungültiger Themenname</translation>
    </message>
</context>
<context>
    <name>oxlin::app::TopicPrinter</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The topic is empty: there is nothing to print.</source>
        <translation>Das Thema ist leer: Es gibt nichts zu drucken.</translation>
    </message>
</context>
<context>
    <name>oxlin::app::TransferCommands</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Importing... %1 files</source>
        <translation>Importieren... %1 Dateien</translation>
    </message>
    <message>
        <source>Please Select a File</source>
        <translation>Bitte wählen Sie eine Datei</translation>
    </message>
    <message>
        <source>Import Markdown</source>
        <translation>Markdown importieren</translation>
    </message>
    <message>
        <source>Markdown files (*.md *.markdown)</source>
        <translation>Markdown-Dateien (*.md *.markdown)</translation>
    </message>
    <message>
        <source>The Markdown files could not be converted: there is no room for them in the temporary folder.</source>
        <translation>Die Markdown-Dateien konnten nicht umgewandelt werden: Im temporären Ordner ist kein Platz für sie.</translation>
    </message>
    <message>
        <source>These files could not be read:</source>
        <translation>Diese Dateien konnten nicht gelesen werden:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>oxlin::app::TrayIcon</name>
    <message>
        <source>&amp;Show/Hide</source>
        <translation>&amp;Anzeigen/Ausblenden</translation>
    </message>
    <message>
        <source>On &amp;Top</source>
        <translation>Im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
</context>
<context>
    <name>oxlin::app::UpdateCheck</name>
    <message>
        <source>Oxlin has been update.<byte value="xd"/>
Do you want to DOWNLOAD a new Version?</source>
        <translation>Es gibt eine neue Version von Oxlin.<byte value="xd"/>
Möchten Sie die neue Version HERUNTERLADEN?</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
</context>
<context>
    <name>oxlin::app::WebLinkDialog</name>
    <message>
        <source>Insert Link</source>
        <translation>Link einfügen</translation>
    </message>
    <message>
        <source>The address itself</source>
        <translation>Die Adresse selbst</translation>
    </message>
    <message>
        <source>Text to show:</source>
        <translation>Angezeigter Text:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
</context>
<context>
    <name>oxlin::app::WindowSystem</name>
    <message>
        <source>Always on Top has no effect here: under Wayland only the desktop decides which window stays above the others.</source>
        <translation>Immer im Vordergrund wirkt hier nicht: Unter Wayland entscheidet allein die Arbeitsumgebung, welches Fenster über den anderen bleibt.</translation>
    </message>
</context>
<context>
    <name>oxlin::cli::Texts</name>
    <message>
        <source>%1 is not an item path: labels must not be empty, hold &quot;=&quot; or pass 255 bytes</source>
        <translation>%1 ist kein Elementpfad: Bezeichnungen dürfen nicht leer sein, kein &quot;=&quot; enthalten und nicht länger als 255 Bytes sein</translation>
    </message>
    <message>
        <source>%1 does not name a text topic (a label ending in .txt)</source>
        <translation>%1 bezeichnet kein Textthema (eine Bezeichnung, die auf .txt endet)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read the package %1: it is damaged or not a notebook package</source>
        <translation>das Paket %1 kann nicht gelesen werden: Es ist beschädigt oder kein Notizbuchpaket</translation>
    </message>
    <message>
        <source>the notebook %1 is open in Oxlin (its working folder %2 exists); close that notebook in Oxlin first</source>
        <translation>das Notizbuch %1 ist in Oxlin geöffnet (sein Arbeitsordner %2 existiert); schließen Sie dieses Notizbuch zuerst in Oxlin</translation>
    </message>
    <message>
        <source>cannot add to %1 in %2: its topic is damaged</source>
        <translation>zu %1 in %2 kann nichts hinzugefügt werden: Sein Thema ist beschädigt</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot read the tree of %1: its %2 is missing or damaged</source>
        <translation>der Baum von %1 kann nicht gelesen werden: Seine Datei %2 fehlt oder ist beschädigt</translation>
    </message>
    <message>
        <source>usage: oxlin COMMAND ARGUMENTS

commands:</source>
        <translation>Aufruf: oxlin BEFEHL ARGUMENTE

Befehle:</translation>
    </message>
    <message>
        <source>usage: oxlin %1 %2</source>
        <translation>Aufruf: oxlin %1 %2</translation>
    </message>
    <message>
        <source>usage: oxlin COMMAND ARGUMENTS (oxlin --help lists the commands)</source>
        <translation>Aufruf: oxlin BEFEHL ARGUMENTE (oxlin --help listet die Befehle auf)</translation>
    </message>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>ein temporärer Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot read the package %1: no such file</source>
        <translation>das Paket %1 kann nicht gelesen werden: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>cannot read the tree of %1</source>
        <translation>der Baum von %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1: nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>cannot start %1, which reads rich text (looked for %2 and %3): %4</source>
        <translation>%1, das Rich Text liest, kann nicht gestartet werden (gesucht als %2 und %3): %4</translation>
    </message>
    <message>
        <source>nothing was merged: %1 is as it was</source>
        <translation>nichts wurde zusammengeführt: %1 ist unverändert</translation>
    </message>
    <message>
        <source>cannot merge: the tree of %1 is damaged; nothing was changed</source>
        <translation>Zusammenführen nicht möglich: Der Baum von %1 ist beschädigt; nichts wurde geändert</translation>
    </message>
    <message>
        <source>changed on both sides, kept twice: %1 (theirs as %2)</source>
        <translation>auf beiden Seiten geändert, doppelt behalten: %1 (die andere Fassung als %2)</translation>
    </message>
    <message>
        <source>deleted on one side and changed on the other, kept: %1</source>
        <translation>auf einer Seite gelöscht und auf der anderen geändert, behalten: %1</translation>
    </message>
    <message>
        <source>(damaged)</source>
        <translation>(beschädigt)</translation>
    </message>
    <message>
        <source>(a file of %1 bytes)</source>
        <translation>(eine Datei mit %1 Bytes)</translation>
    </message>
    <message>
        <source>append text (a file, or the standard input) to a text topic, making it if needed</source>
        <translation>Text (aus einer Datei oder der Standardeingabe) an ein Textthema anhängen, das bei Bedarf angelegt wird</translation>
    </message>
    <message>
        <source>merge the changes made since BASE in THEIRS into OURS (a git merge driver)</source>
        <translation>die seit BASE in THEIRS gemachten Änderungen in OURS zusammenführen (ein Merge-Treiber für git)</translation>
    </message>
    <message>
        <source>print the tree and each topic&apos;s text in tree order</source>
        <translation>den Baum und den Text jedes Themas in Baumreihenfolge ausgeben</translation>
    </message>
    <message>
        <source>%1 was not searched: its text is larger than %2 MiB</source>
        <translation>%1 wurde nicht durchsucht: Sein Text ist größer als %2 MiB</translation>
    </message>
    <message>
        <source>%1 of %2 topics exported</source>
        <translation>%1 von %2 Themen exportiert</translation>
    </message>
    <message>
        <source>cannot export to %1: it already exists</source>
        <translation>Export nach %1 nicht möglich: Es ist bereits vorhanden</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>exported %1 pages, %2 files, %3 pictures and %4 folders to %5</source>
        <translation>%1 Seiten, %2 Dateien, %3 Bilder und %4 Ordner nach %5 exportiert</translation>
    </message>
    <message>
        <source>cannot read the topic %1</source>
        <translation>das Thema %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>exported %1 topics on %2 pages to %3</source>
        <translation>%1 Themen auf %2 Seiten nach %3 exportiert</translation>
    </message>
    <message>
        <source>usage: oxlin export PACKAGE ITEM\PATH DEST --as html|markdown|pdf</source>
        <translation>Aufruf: oxlin export PACKAGE ITEM\PATH DEST --as html|markdown|pdf</translation>
    </message>
    <message>
        <source>%1 holds no item %2</source>
        <translation>%1 enthält kein Element %2</translation>
    </message>
    <message>
        <source>cannot make a temporary folder for the Markdown files</source>
        <translation>für die Markdown-Dateien kann kein temporärer Ordner angelegt werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot write the converted Markdown files in %1</source>
        <translation>die umgewandelten Markdown-Dateien können nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>%1 is too large to read (more than %2 MiB)</source>
        <translation>%1 ist zu groß zum Lesen (mehr als %2 MiB)</translation>
    </message>
    <message>
        <source>not enough memory to read the topic</source>
        <translation>nicht genügend Arbeitsspeicher, um das Thema zu lesen</translation>
    </message>
    <message>
        <source>print a topic&apos;s text, or write it back as RTF (plain text stays plain)</source>
        <translation>den Text eines Themas ausgeben oder ihn als RTF zurückschreiben (reiner Text bleibt rein)</translation>
    </message>
    <message>
        <source>usage: oxlin rtf text FILE | oxlin rtf rewrite IN OUT</source>
        <translation>Aufruf: oxlin rtf text FILE | oxlin rtf rewrite IN OUT</translation>
    </message>
    <message>
        <source>cannot unpack %1: it is missing, damaged or not a notebook package</source>
        <translation>%1 kann nicht entpackt werden: Es fehlt, ist beschädigt oder kein Notizbuchpaket</translation>
    </message>
    <message>
        <source>skipped member &quot;%1&quot;: not a plain file name</source>
        <translation>Eintrag &quot;%1&quot; übersprungen: kein einfacher Dateiname</translation>
    </message>
    <message>
        <source>skipped member &quot;%1&quot;: an earlier member has the same name in another letter case</source>
        <translation>Eintrag &quot;%1&quot; übersprungen: Ein früherer Eintrag hat denselben Namen in anderer Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>cannot write member &quot;%1&quot; into %2</source>
        <translation>Eintrag &quot;%1&quot; kann nicht nach %2 geschrieben werden</translation>
    </message>
    <message>
        <source>compress a file into the notebook&apos;s gzip format</source>
        <translation>eine Datei in das gzip-Format des Notizbuchs komprimieren</translation>
    </message>
    <message>
        <source>cannot compress %1 into %2</source>
        <translation>%1 kann nicht nach %2 komprimiert werden</translation>
    </message>
    <message>
        <source>decompress a gzip (or single-entry zip) file</source>
        <translation>eine gzip-Datei (oder eine zip-Datei mit einem Eintrag) entpacken</translation>
    </message>
    <message>
        <source>cannot decompress %1: it is missing, damaged or not a gzip or single-entry zip file</source>
        <translation>%1 kann nicht entpackt werden: Es fehlt, ist beschädigt oder keine gzip-Datei bzw. zip-Datei mit einem Eintrag</translation>
    </message>
    <message>
        <source>pack the .xtz files of a folder into a notebook package</source>
        <translation>die .xtz-Dateien eines Ordners in ein Notizbuchpaket packen</translation>
    </message>
    <message>
        <source>cannot pack %1 into %2</source>
        <translation>%1 kann nicht in %2 gepackt werden</translation>
    </message>
    <message>
        <source>unpack a notebook package into a folder</source>
        <translation>ein Notizbuchpaket in einen Ordner entpacken</translation>
    </message>
    <message>
        <source>the notebook %1 is being changed by another oxlin import; try again once it has ended</source>
        <translation>das Notizbuch %1 wird gerade von einem anderen oxlin-Import geändert; versuchen Sie es erneut, wenn dieser beendet ist</translation>
    </message>
    <message>
        <source>cannot read the package %1: no such notebook package (NAME.xzz)</source>
        <translation>das Paket %1 kann nicht gelesen werden: kein solches Notizbuchpaket (NAME.xzz)</translation>
    </message>
    <message>
        <source>cannot import %1: no such file or folder</source>
        <translation>%1 kann nicht importiert werden: keine solche Datei und kein solcher Ordner</translation>
    </message>
    <message>
        <source>cannot write in %1</source>
        <translation>in %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>usage: oxlin import PACKAGE PATH... [--into ITEM\PATH] [--markdown]</source>
        <translation>Aufruf: oxlin import PACKAGE PATH... [--into ITEM\PATH] [--markdown]</translation>
    </message>
    <message>
        <source>cannot open %1: its name cannot be a notebook&apos;s</source>
        <translation>%1 kann nicht geöffnet werden: Sein Name kann nicht der eines Notizbuchs sein</translation>
    </message>
    <message>
        <source>could not save the notebook: %1; what was imported is kept in %2</source>
        <translation>das Notizbuch konnte nicht gespeichert werden: %1; das Importierte bleibt in %2 erhalten</translation>
    </message>
    <message>
        <source>imported %1 topics and %2 folders into %3</source>
        <translation>%1 Themen und %2 Ordner nach %3 importiert</translation>
    </message>
    <message>
        <source>usage: oxlin export PACKAGE ITEM\PATH DEST [--force]</source>
        <translation>Aufruf: oxlin export PACKAGE ITEM\PATH DEST [--force]</translation>
    </message>
    <message>
        <source>cannot export to %1: it already exists (--force replaces it)</source>
        <translation>Export nach %1 nicht möglich: Es ist bereits vorhanden (--force ersetzt es)</translation>
    </message>
    <message>
        <source>cannot export to %1: it is a folder</source>
        <translation>Export nach %1 nicht möglich: Es ist ein Ordner</translation>
    </message>
    <message>
        <source>cannot export %1 to %2</source>
        <translation>%1 kann nicht nach %2 exportiert werden</translation>
    </message>
    <message>
        <source>exported %1 files and %2 folders to %3</source>
        <translation>%1 Dateien und %2 Ordner nach %3 exportiert</translation>
    </message>
    <message>
        <source>import files and folders into a notebook as topics and folders (--markdown: .md files as rich-text topics)</source>
        <translation>Dateien und Ordner als Themen und Ordner in ein Notizbuch importieren (--markdown: .md-Dateien als Rich-Text-Themen)</translation>
    </message>
    <message>
        <source>export a topic as a file (--force replaces an existing one) or a folder (\ for the whole notebook) as a new folder; --as writes web pages, Markdown files or one PDF</source>
        <translation>ein Thema als Datei (--force ersetzt eine vorhandene) oder einen Ordner (\ für das ganze Notizbuch) als neuen Ordner exportieren; --as schreibt Webseiten, Markdown-Dateien oder ein PDF</translation>
    </message>
    <message>
        <source>the tree of %1 is damaged: %2 overlong lines and %3 overlong labels skipped, %4 unnamed folders, %5 topic ids renumbered, %6 topics dropped</source>
        <translation>der Baum von %1 ist beschädigt: %2 überlange Zeilen und %3 überlange Bezeichnungen übersprungen, %4 unbenannte Ordner, %5 Themennummern neu vergeben, %6 Themen verworfen</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 ist bereits vorhanden</translation>
    </message>
    <message>
        <source>cannot prepare the notebook</source>
        <translation>das Notizbuch kann nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot compress %1</source>
        <translation>%1 kann nicht komprimiert werden</translation>
    </message>
    <message>
        <source>list the folders and topics of a notebook package</source>
        <translation>die Ordner und Themen eines Notizbuchpakets auflisten</translation>
    </message>
    <message>
        <source>create an empty notebook package</source>
        <translation>ein leeres Notizbuchpaket anlegen</translation>
    </message>
    <message>
        <source>make a notebook package of a folder tree of files (folders and topics in name order)</source>
        <translation>ein Notizbuchpaket aus einem Ordnerbaum von Dateien erstellen (Ordner und Themen in Namensreihenfolge)</translation>
    </message>
    <message>
        <source>%1 holds no notebook</source>
        <translation>%1 enthält kein Notizbuch</translation>
    </message>
    <message>
        <source>list the topics whose text (or, with --titles, whose label) holds a keyword; a folder stands for its notebooks</source>
        <translation>die Themen auflisten, deren Text (oder mit --titles deren Bezeichnung) ein Stichwort enthält; ein Ordner steht für seine Notizbücher</translation>
    </message>
</context>
<context>
    <name>oxlin::publish::PdfExport</name>
    <message>
        <source>A file, not shown here.</source>
        <translation>Eine Datei, hier nicht angezeigt.</translation>
    </message>
</context>
<context>
    <name>oxlin::session::Welcome</name>
    <message>
        <source>Welcome to Oxlin Notebook!

Keep your notes as topics in folders: the tree on the left holds them.
For help at any time, press F1 or choose Help &gt; Help Topics.

This topic is yours: change it or delete it when you no longer need it.
</source>
        <translation>Willkommen bei Oxlin Notebook!

Bewahren Sie Ihre Notizen als Themen in Ordnern auf: Der Baum links enthält sie.
Hilfe erhalten Sie jederzeit mit F1 oder über Hilfe &gt; Hilfethemen.

Dieses Thema gehört Ihnen: Ändern oder löschen Sie es, wenn Sie es nicht mehr brauchen.
</translation>
    </message>
</context>
<context>
    <name>oxlin::spelling::Speller</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 does not start with its word count</source>
        <translation>%1 beginnt nicht mit seiner Wortanzahl</translation>
    </message>
</context>
<context>
    <name>oxlin::viewer::ViewerApplication</name>
    <message>
        <source>Vistelo cannot create its working folder in &quot;%1&quot;.</source>
        <translation>Vistelo kann seinen Arbeitsordner in &quot;%1&quot; nicht anlegen.</translation>
    </message>
    <message>
        <source>The notebook package &quot;%1&quot; is damaged and could not be read.</source>
        <translation>Das Notizbuchpaket &quot;%1&quot; ist beschädigt und konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Vistelo: reads an Oxlin notebook package without changing it.</source>
        <translation>Vistelo: liest ein Oxlin-Notizbuchpaket, ohne es zu verändern.</translation>
    </message>
    <message>
        <source>The notebook package to show (default: OxlinHelp.xzz beside the program).</source>
        <translation>Das anzuzeigende Notizbuchpaket (Vorgabe: OxlinHelp.xzz neben dem Programm).</translation>
    </message>
</context>
<context>
    <name>oxlin::viewer::ViewerController</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>oxlin::viewer::ViewerRules</name>
    <message>
        <source>%1 - [%2]</source>
        <translation>%1 - [%2]</translation>
    </message>
    <message>
        <source>OxlinViewer</source>
        <translation>Oxlin-Betrachter</translation>
    </message>
    <message>
        <source>Vistelo</source>
        <translation>Vistelo</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>oxlin::viewer::ViewerWindow</name>
    <message>
        <source>Word Wrap</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
</TS>
