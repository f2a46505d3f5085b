<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>NotebookMessages</name>
    <message>
        <source>please input a validate name.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A notebook name can have at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A notebook name cannot begin with &quot;.&quot;, end with &quot;.&quot; or a blank, or contain / \ : * ? &quot; &lt; &gt; | or control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This name is reserved; please input another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A notebook name cannot end in &quot;%1&quot;, the ending of notebook packages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the notebook &quot;%1&quot;? It cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already exist, please input another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a notebook&apos;s name here: &quot;%2&quot; is in its place. Please input another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The open topic could not be saved, so &quot;%1&quot; was not opened and the topic keeps its text. Copy the text elsewhere or free some disk space, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t delete the opened book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notebook &quot;%1&quot; could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notebook &quot;%1&quot; could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the notebook: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the working folder &quot;%1&quot; is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 topic files could not be unpacked into &quot;%2&quot; (is the disk full?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (is the disk full?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the notebook holds %1 topic files, more than the %2 a package can hold; move some topics to another notebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the package &quot;%1&quot; could not be written (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the package &quot;%1&quot; could not be written (is the disk full, or does the notebook hold more topics than a package can?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the open topic or the tree could not be written into the working folder &quot;%1&quot; (is the disk full?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the working folder &quot;%1&quot; could not be created (is the disk full, or is something else in its place?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged, and no copy of it could be kept aside (is the disk full?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program and cannot be read, so it was neither merged nor replaced (is it still being copied?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; belongs to the notebook open on another machine; it was left alone and the notebook was opened from its package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notebook was opened, but %1.
Free some disk space and save soon, or what you change may not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No application is set up to open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be taken out of the notebook whole (its topic file is damaged, or the disk is full), so it was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notebook cannot be saved: %1.
What you change now will be lost when Oxlin ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notebook package &quot;%1&quot; is damaged and could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notebook package &quot;%1&quot; is damaged and could not be read.
It was kept unchanged as &quot;%2&quot;; the notebook opens without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of topics in &quot;%1&quot; is damaged and could not be read.
The topics found were put under &quot;Recovered&quot;.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The damaged list was kept as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notebook cannot be opened: %1.
Nothing in it will be changed or saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some topics of &quot;%1&quot; could not be unpacked (is the disk full?).
The package was kept unchanged as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of topics in &quot;%1&quot; held entries that could not be read as they were: %2 over-long lines and %3 over-long labels were left out, %4 folders without a name were named &quot;(no name)&quot;, and %5 topics got new file numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merged changes made on another machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Merged changes made on another machine; %n topic(s) changed on both are kept twice.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Another copy of %1 was made on another machine on %2. Merge it in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged or not a notebook; it was not merged and stays where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was merged, but could not be moved into the folder &quot;Merged&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be merged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovered the notebook from an unexpected end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the notebook: %1.
Everything is kept in the working folder &quot;%2&quot; and will be there at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The open topic could not be saved, so Oxlin stays open and keeps its text. Copy the text elsewhere or free some disk space, then exit again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message>
        <source>File(%1) is larger than 10M bytes.<byte value="xd"/>
We don&apos;t suggest to import such a big file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of folder is too big. Some files are ignored.<byte value="xd"/>
Operation terminate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many files in this folder.<byte value="xd"/>
Import operation terminate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import stopped at %1: the notebook&apos;s working folder could not be written (is the disk full?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files could not be read and were not imported:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These are not regular files (a pipe, a device or a socket) and were not imported:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These folders could not be read and were not imported:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These links to folders were not followed:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>export file OK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>export file Failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder already exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Failed to create folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export folder OK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export folder OK!

These could not be written:
%1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete %1 and all topics in this folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move [%1] to root?<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move [%1] to [%2]?<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot contain \ / = [ ] or control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be used as a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A catalog named %1 already exists here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This notebook is full: a notebook holds at most %L1 topics. Please make a new notebook for more.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxlin is still running. Double-click this icon to bring it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drop window cannot go to its corner here: under Wayland the desktop decides where windows go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(%1) is larger than 10M bytes.<byte value="xd"/>
We don&apos;t suggest to import such a big file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register Hotkey Failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>oxlin::app::ColourPicker</name>
    <message>
        <source>More...</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.TXT *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format (*.RTF *.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error insert document. [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to a Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to a Web Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select a Image File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oxlin::app::EditorHost</name>
    <message>
        <source>A topic holds at most %L1 characters. %L2 characters of the inserted text did not fit and were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>This topic holds %L1 characters, more than the %L2 an editable topic may hold. It is shown whole; text can be removed but no more added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; holds more than the %L2 MB the editor can open. Export it (Ctrl+R) to open it with another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; could not be read completely: its file is damaged.
What could be read of it is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The damaged file was kept as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving document. [%1]</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.TXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format (*.RTF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTF w/o Objects (*.RTF)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Replaced %1 occurances.</source>
        <translation type="unfinished"></translation>
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
        <translation>Ab&amp;wärts</translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oxlin::app::Insertions</name>
    <message>
        <source>All image file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF Files (*.gif)</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>oxlin::app::LinkCommands</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is no longer in this notebook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; names no file that can be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &quot;%1&quot;? It is a program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error occupy while insert link text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select a File</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Quarrow Notebook</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Loading notebook data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxlin Notebook: notes in folders and topics.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oxlin::app::NotebookController</name>
    <message>
        <source>Import from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from a folder</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oxlin::app::Prompter</name>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Text file (*.txt *.log *.cpp *.h *.html *.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All image file (*.bmp *.jpg *.gif)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As Web Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As Markdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export to %1: it already exists. Choose a new folder name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export was cancelled: %1 holds the %2 topics written before, and an index of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 topics to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These could not be written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts, colours and alignment have no place in Markdown and were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export was cancelled: no PDF was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 topics on %2 pages to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting... %1 of %2 topics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oxlin::app::SearchPresenter</name>
    <message>
        <source>no topic includes the keyword.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 topic includes the keyword.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 topics include the keyword.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the word list %1 hold no word and were left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The dictionary could not be loaded: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added to the word list %2.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topic is empty: there is nothing to print.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select a File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Markdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown files (*.md *.markdown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Markdown files could not be converted: there is no room for them in the temporary folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files could not be read:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oxlin::viewer::ViewerApplication</name>
    <message>
        <source>Vistelo cannot create its working folder in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notebook package &quot;%1&quot; is damaged and could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistelo: reads an Oxlin notebook package without changing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notebook package to show (default: OxlinHelp.xzz beside the program).</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OxlinViewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation type="unfinished"></translation>
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
