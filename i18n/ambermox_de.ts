<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddBrowser</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
</context>
<context>
    <name>AddListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>Gesamtgröße</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Speicher</translation>
    </message>
</context>
<context>
    <name>AmxDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
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
    <name>ArchiveFileCommands</name>
    <message>
        <source>the copy is incomplete</source>
        <translation>die Kopie ist unvollständig</translation>
    </message>
    <message>
        <source>New Archive</source>
        <translation>Neues Archiv</translation>
    </message>
    <message>
        <source>ZIP files|*.zip</source>
        <translation>ZIP-Dateien|*.zip</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;. File already exists. Open existing file?</source>
        <translation>„%1“ kann nicht erstellt werden, die Datei existiert bereits. Vorhandene Datei öffnen?</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Move %1 &amp;to:</source>
        <translation>%1 &amp;verschieben nach:</translation>
    </message>
    <message>
        <source>Copy %1 &amp;to:</source>
        <translation>%1 &amp;kopieren nach:</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: the folder is not a full path</source>
        <translation>„%1“ kann nicht nach „%2“ kopiert werden: Der Ordner ist kein vollständiger Pfad</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in that folder.</source>
        <translation>„%1“ befindet sich bereits in diesem Ordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it with &quot;%2&quot;?</source>
        <translation>„%1“ existiert bereits. Möchten Sie es durch „%2“ ersetzen?</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>„%1“ kann nicht nach „%2“ kopiert werden: %3</translation>
    </message>
    <message>
        <source>The archive was copied to &quot;%1&quot;, but &quot;%2&quot; could not be deleted: %3</source>
        <translation>Das Archiv wurde nach „%1“ kopiert, aber „%2“ konnte nicht gelöscht werden: %3</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>„%1“ kann nicht in „%2“ umbenannt werden: %3</translation>
    </message>
    <message>
        <source>invalid name</source>
        <translation>ungültiger Name</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the entire archive %1?</source>
        <translation>Möchten Sie das gesamte Archiv %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved to the trash. Delete it for good?</source>
        <translation>„%1“ kann nicht in den Papierkorb verschoben werden. Endgültig löschen?</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Cannot create a shortcut to &quot;%1&quot; on the desktop: %2</source>
        <translation>Auf der Arbeitsfläche kann keine Verknüpfung zu „%1“ erstellt werden: %2</translation>
    </message>
    <message>
        <source>no desktop folder is known</source>
        <translation>kein Ordner für die Arbeitsfläche bekannt</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created</source>
        <translation>der Ordner „%1“ kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Shortcut to %1</source>
        <translation>Verknüpfung zu %1</translation>
    </message>
    <message>
        <source>The shortcut to &quot;%1&quot; is on the desktop: &quot;%2&quot;.</source>
        <translation>Die Verknüpfung zu „%1“ liegt auf der Arbeitsfläche: „%2“.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
</context>
<context>
    <name>ArchiveFileMenu</name>
    <message>
        <source>Ambermox (Beta test) - %1</source>
        <translation>Ambermox (Betatest) - %1</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>Add &quot;%1&quot; to favorite Zip Folders?</source>
        <translation>„%1“ zu den bevorzugten ZIP-Ordnern hinzufügen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. It has been removed from the recent archives.</source>
        <translation>„%1“ existiert nicht mehr und wurde aus der Liste der zuletzt geöffneten Archive entfernt.</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>   &amp;Files   </source>
        <translation>   &amp;Datei   </translation>
    </message>
    <message>
        <source> &amp;Edit  </source>
        <translation> &amp;Bearbeiten  </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;ktionen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New Archive </source>
        <translation>&amp;Neues Archiv </translation>
    </message>
    <message>
        <source>&amp;Open Archive </source>
        <translation>Archiv ö&amp;ffnen </translation>
    </message>
    <message>
        <source>&amp;Favorite Zip Folders...</source>
        <translation>Bevorzugte &amp;ZIP-Ordner...</translation>
    </message>
    <message>
        <source>&amp;Close Archive</source>
        <translation>Archiv &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>E&amp;igenschaften...</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>Ver&amp;knüpfung erstellen</translation>
    </message>
    <message>
        <source>&amp;Move Archive</source>
        <translation>Archiv &amp;verschieben</translation>
    </message>
    <message>
        <source>Cop&amp;y Archive </source>
        <translation>Archiv ko&amp;pieren </translation>
    </message>
    <message>
        <source>&amp;Rename Archive</source>
        <translation>Archiv &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete Archive...</source>
        <translation>Archiv &amp;löschen...</translation>
    </message>
    <message>
        <source>E&amp;xit </source>
        <translation>&amp;Beenden </translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>Auswahl &amp;umkehren</translation>
    </message>
    <message>
        <source>&amp;Find File(s) </source>
        <translation>Dateien &amp;suchen </translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Werk&amp;zeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Best Fit Column Widths</source>
        <translation>&amp;Optimale Spaltenbreiten</translation>
    </message>
    <message>
        <source>Default &amp;Columns Widths</source>
        <translation>Standard-Spalten&amp;breiten</translation>
    </message>
    <message>
        <source>as &amp;Web Page</source>
        <translation>als &amp;Webseite</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation>Symbole &amp;anordnen</translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation>nach &amp;Name</translation>
    </message>
    <message>
        <source>by Pat&amp;h</source>
        <translation>nach &amp;Pfad</translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation>nach &amp;Typ</translation>
    </message>
    <message>
        <source>by &amp;Size</source>
        <translation>nach &amp;Größe</translation>
    </message>
    <message>
        <source>by P&amp;acked Size</source>
        <translation>nach gepa&amp;ckter Größe</translation>
    </message>
    <message>
        <source>by &amp;Compression Ratio</source>
        <translation>nach &amp;Kompressionsrate</translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation>nach &amp;Datum</translation>
    </message>
    <message>
        <source>by &amp;Original Order</source>
        <translation>nach &amp;ursprünglicher Reihenfolge</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>&amp;Extract...</source>
        <translation>&amp;Entpacken...</translation>
    </message>
    <message>
        <source>&amp;View...</source>
        <translation>&amp;Anzeigen...</translation>
    </message>
    <message>
        <source>&amp;Test Archive</source>
        <translation>Archiv &amp;testen</translation>
    </message>
    <message>
        <source>&amp;CheckOut</source>
        <translation>&amp;CheckOut</translation>
    </message>
    <message>
        <source>Ma&amp;ke .EXE File</source>
        <translation>.EXE-Datei e&amp;rstellen</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Vie&amp;w Last Output...</source>
        <translation>Letzte &amp;Ausgabe anzeigen...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Brief Tutorial</source>
        <translation>&amp;Kurzanleitung</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Tipp des Tages</translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation>&amp;Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>Ambermox&apos;s &amp;Home Page</source>
        <translation>Ambermox-&amp;Website</translation>
    </message>
    <message>
        <source>&amp;About Ambermox...</source>
        <translation>Ü&amp;ber Ambermox...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Alle aus&amp;wählen</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>File &amp;Properties</source>
        <translation>Dateieigen&amp;schaften</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Sortieren nach &amp;Name</translation>
    </message>
    <message>
        <source>Sort by Pat&amp;h</source>
        <translation>Sortieren nach &amp;Pfad</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>Sortieren nach &amp;Typ</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>Sortieren nach &amp;Größe</translation>
    </message>
    <message>
        <source>Sort by P&amp;acked Size</source>
        <translation>Sortieren nach gepa&amp;ckter Größe</translation>
    </message>
    <message>
        <source>Sort by &amp;Compression Ratio</source>
        <translation>Sortieren nach &amp;Kompressionsrate</translation>
    </message>
    <message>
        <source>Sort by &amp;Date</source>
        <translation>Sortieren nach &amp;Datum</translation>
    </message>
    <message>
        <source>Sort by &amp;Original Order</source>
        <translation>Sortieren nach &amp;ursprünglicher Reihenfolge</translation>
    </message>
    <message>
        <source>Flat Buttons</source>
        <translation>Flache Schaltflächen</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Text anzeigen</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>QuickInfos anzeigen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new archive</source>
        <translation>Ein neues Archiv erstellen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open an existing archive</source>
        <translation>Ein vorhandenes Archiv öffnen</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>List archives in your Favorite Zip Folders</source>
        <translation>Archive in Ihren bevorzugten ZIP-Ordnern auflisten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add files to the archive</source>
        <translation>Dateien zum Archiv hinzufügen</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>Extract files from the archive</source>
        <translation>Dateien aus dem Archiv entpacken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected file(s)</source>
        <translation>Ausgewählte Dateien löschen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>View files inside the archive</source>
        <translation>Dateien im Archiv anzeigen</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>CheckOut</translation>
    </message>
    <message>
        <source>Create icons for files in the archive</source>
        <translation>Symbole für die Dateien im Archiv erstellen</translation>
    </message>
    <message>
        <source>Name &amp;Encoding</source>
        <translation>&amp;Namenskodierung</translation>
    </message>
    <message>
        <source>&amp;Rename Member...</source>
        <translation>Mitglied &amp;umbenennen...</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>Ko&amp;mmentar...</translation>
    </message>
    <message>
        <source>Adding works on ZIP archives only; this is a %1 archive</source>
        <translation>Hinzufügen geht nur bei ZIP-Archiven; dies ist ein %1-Archiv</translation>
    </message>
    <message>
        <source>Deleting works on ZIP archives only; this is a %1 archive</source>
        <translation>Löschen geht nur bei ZIP-Archiven; dies ist ein %1-Archiv</translation>
    </message>
    <message>
        <source>Renaming members works on ZIP archives only; this is a %1 archive</source>
        <translation>Umbenennen von Dateien im Archiv geht nur bei ZIP-Archiven; dies ist ein %1-Archiv</translation>
    </message>
    <message>
        <source>Comments belong to ZIP archives only; this is a %1 archive</source>
        <translation>Kommentare gibt es nur bei ZIP-Archiven; dies ist ein %1-Archiv</translation>
    </message>
    <message>
        <source>Self-extractors are made of ZIP archives only; this is a %1 archive</source>
        <translation>Selbstentpacker entstehen nur aus ZIP-Archiven; dies ist ein %1-Archiv</translation>
    </message>
</context>
<context>
    <name>CreateFolderForm</name>
    <message>
        <source>Create Folder</source>
        <translation>Ordner erstellen</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>Aktueller Ordner:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
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
    <name>DialogCommands</name>
    <message>
        <source>No file selected for viewing.</source>
        <translation>Keine Datei zum Anzeigen ausgewählt.</translation>
    </message>
</context>
<context>
    <name>EntryCopy</name>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Could not extract &quot;%1&quot; for viewing.</source>
        <translation>„%1“ konnte nicht zum Anzeigen entpackt werden.</translation>
    </message>
</context>
<context>
    <name>FavoriteModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>FileRowModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Packed</source>
        <translation>Gepackt</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>%1, encrypted</source>
        <translation>%1, verschlüsselt</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Desktop</source>
        <translation>Arbeitsfläche</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>MainDragDrop</name>
    <message>
        <source>Extracting</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Files can be added to ZIP archives only; %1 is a %2 archive. Nothing was added.</source>
        <translation>Dateien lassen sich nur zu ZIP-Archiven hinzufügen; %1 ist ein %2-Archiv. Es wurde nichts hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>MemberEdits</name>
    <message>
        <source>The new name is empty.</source>
        <translation>Der neue Name ist leer.</translation>
    </message>
    <message>
        <source>The new name must not start at the root: %1</source>
        <translation>Der neue Name darf nicht an der Wurzel beginnen: %1</translation>
    </message>
    <message>
        <source>The new name must not hold a line break.</source>
        <translation>Der neue Name darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>The new name must not hold &quot;..&quot;: %1</source>
        <translation>Der neue Name darf kein &quot;..&quot; enthalten: %1</translation>
    </message>
    <message>
        <source>The archive could not be changed.</source>
        <translation>Das Archiv konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>%1 has no comment.</source>
        <translation>%1 hat keinen Kommentar.</translation>
    </message>
    <message>
        <source>Comment of %1:

%2</source>
        <translation>Kommentar von %1:

%2</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Comment of %1:</source>
        <translation>Kommentar von %1:</translation>
    </message>
    <message>
        <source>The comment has %1 bytes; an archive comment holds at most 65,535. The archive is unchanged.</source>
        <translation>Der Kommentar hat %1 Bytes; ein Archivkommentar fasst höchstens 65.535. Das Archiv bleibt unverändert.</translation>
    </message>
    <message>
        <source>No file selected for renaming.</source>
        <translation>Keine Datei zum Umbenennen ausgewählt.</translation>
    </message>
    <message>
        <source>Select one member, or members of one folder, to rename.</source>
        <translation>Wählen Sie ein Mitglied oder Mitglieder eines Ordners zum Umbenennen.</translation>
    </message>
    <message>
        <source>Rename Member</source>
        <translation>Mitglied umbenennen</translation>
    </message>
    <message>
        <source>New name of the folder %1 and everything in it:</source>
        <translation>Neuer Name des Ordners %1 und seines ganzen Inhalts:</translation>
    </message>
    <message>
        <source>New name of %1:</source>
        <translation>Neuer Name von %1:</translation>
    </message>
    <message>
        <source>The archive is unchanged.</source>
        <translation>Das Archiv bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 exists in the archive already. The archive is unchanged.</source>
        <translation>%1 ist im Archiv bereits vorhanden. Das Archiv bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 has changed. Update the archive?</source>
        <translation>%1 wurde geändert. Das Archiv aktualisieren?</translation>
    </message>
    <message>
        <source>The archive is unchanged. The changed copy is kept in %1</source>
        <translation>Das Archiv bleibt unverändert. Die geänderte Kopie liegt in %1</translation>
    </message>
    <message>
        <source>Cannot prepare %1 for the archive. The changed copy is kept in %2</source>
        <translation>%1 kann nicht für das Archiv vorbereitet werden. Die geänderte Kopie liegt in %2</translation>
    </message>
    <message>
        <source>The changed copy is kept in %1</source>
        <translation>Die geänderte Kopie liegt in %1</translation>
    </message>
    <message>
        <source>%1 has changed, but it is encrypted in the archive and is not put back without encryption. The changed copy is kept in %2</source>
        <translation>%1 wurde geändert, ist aber im Archiv verschlüsselt und wird nicht unverschlüsselt zurückgelegt. Die geänderte Kopie liegt in %2</translation>
    </message>
</context>
<context>
    <name>NameEncodingMenu</name>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>&amp;Automatic (%1)</source>
        <translation>&amp;Automatisch (%1)</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>The operation reported a problem:
%1</source>
        <translation>Beim Vorgang ist ein Problem aufgetreten:
%1</translation>
    </message>
    <message>
        <source>The operation reported %1 problems. The first:
%2</source>
        <translation>Beim Vorgang sind %1 Probleme aufgetreten. Das erste:
%2</translation>
    </message>
    <message>
        <source>

Every message is in &quot;View Last Output...&quot; in the Options menu.</source>
        <translation>

Alle Meldungen finden Sie unter „Letzte Ausgabe anzeigen...“ im Menü „Optionen“.</translation>
    </message>
    <message>
        <source>Please wait until the running archive operation has finished.</source>
        <translation>Bitte warten Sie, bis der laufende Archivvorgang beendet ist.</translation>
    </message>
    <message>
        <source>Archive Operation Interrupted. Continue?</source>
        <translation>Archivvorgang unterbrochen. Fortfahren?</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>Testen</translation>
    </message>
</context>
<context>
    <name>OutputLogView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Wrong password for %1</source>
        <translation>Falsches Passwort für %1</translation>
    </message>
    <message>
        <source>Password for %1</source>
        <translation>Passwort für %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&amp;Show password</source>
        <translation>Passwort an&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Use for all members</source>
        <translation>Für &amp;alle Einträge verwenden</translation>
    </message>
    <message>
        <source>Try this password on the next encrypted members too, before asking again</source>
        <translation>Dieses Passwort auch bei den nächsten verschlüsselten Einträgen versuchen, bevor erneut gefragt wird</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>1 encrypted member was skipped without its password.</source>
        <translation>1 verschlüsselter Eintrag wurde mangels Passwort übersprungen.</translation>
    </message>
    <message>
        <source>%1 encrypted members were skipped without their password.</source>
        <translation>%1 verschlüsselte Einträge wurden mangels Passwort übersprungen.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>1 file already in &quot;%1&quot; was kept as it was.</source>
        <translation>1 Datei, die bereits in „%1“ lag, wurde unverändert beibehalten.</translation>
    </message>
    <message numerus="yes">
        <source>%n files already in &quot;%1&quot; were kept as they were.</source>
        <translation>
            <numerusform>%n Datei, die bereits in „%1“ lag, wurde unverändert beibehalten.</numerusform>
            <numerusform>%n Dateien, die bereits in „%1“ lagen, wurden unverändert beibehalten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PropertyForm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei existiert nicht</translation>
    </message>
    <message>
        <source>it holds no address</source>
        <translation>sie enthält keine Adresse</translation>
    </message>
    <message>
        <source>no program is set up to open files of the type &quot;%1&quot; (%2)</source>
        <translation>für Dateien vom Typ „%1“ (%2) ist kein Programm eingerichtet</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) could not be started</source>
        <translation>das Standardprogramm zum Öffnen (xdg-open) konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>no program is set up to open &quot;%1&quot; addresses</source>
        <translation>für Adressen vom Typ „%1“ ist kein Programm eingerichtet</translation>
    </message>
</context>
<context>
    <name>ShellVerbs</name>
    <message>
        <source>%1: not a ZIP archive</source>
        <translation>%1: kein ZIP-Archiv</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>No valid zip entries found</source>
        <translation>Keine gültigen Einträge im ZIP-Archiv gefunden</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>No file or folder was given.</source>
        <translation>Es wurde keine Datei und kein Ordner angegeben.</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>How far the running operation is</source>
        <translation>Wie weit der laufende Vorgang fortgeschritten ist</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Green lamp, lit while no operation runs</source>
        <translation>Grüne Lampe, leuchtet, solange kein Vorgang läuft</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Red lamp, lit while an operation runs</source>
        <translation>Rote Lampe, leuchtet, solange ein Vorgang läuft</translation>
    </message>
</context>
<context>
    <name>StatusProgress</name>
    <message>
        <source>Waiting for another program: &quot;%1&quot;</source>
        <translation>Warten auf ein anderes Programm: „%1“</translation>
    </message>
    <message>
        <source>Waiting for another program to finish writing &quot;%1&quot;</source>
        <translation>Warten, bis ein anderes Programm das Schreiben von „%1“ beendet hat</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>About Ambermox</source>
        <translation>Über Ambermox</translation>
    </message>
    <message>
        <source>Ambermox %1</source>
        <translation>Ambermox %1</translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation>Erstellt am %1</translation>
    </message>
    <message>
        <source>Add library %1, extract library %2</source>
        <translation>Bibliothek zum Hinzufügen %1, Bibliothek zum Entpacken %2</translation>
    </message>
    <message>
        <source>Contact points are</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>E-mail: authors@ambermox.example.org</source>
        <translation>E-Mail: authors@ambermox.example.org</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Danksagungen</translation>
    </message>
    <message>
        <source>Program by the Ambermox developers</source>
        <translation>Programm von den Ambermox-Entwicklern</translation>
    </message>
    <message>
        <source>amxzip and amxunz compression libraries by the Ambermox developers</source>
        <translation>Kompressionsbibliotheken amxzip und amxunz von den Ambermox-Entwicklern</translation>
    </message>
    <message>
        <source>See help for details...</source>
        <translation>Weitere Informationen finden Sie in der Hilfe...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;FAQs</source>
        <translation>&amp;FAQ</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Website</translation>
    </message>
</context>
<context>
    <name>TAddForm</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2.</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation>Die Datei „%1“ kann nicht gelöscht werden. %2.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added, the archive is as it was before.</source>
        <translation>Abgebrochen: Es wurde nichts hinzugefügt, das Archiv ist unverändert.</translation>
    </message>
    <message>
        <source>Cancelled: the files of the last step were not added; the steps before it were.</source>
        <translation>Abgebrochen: Die Dateien des letzten Schritts wurden nicht hinzugefügt, die der vorherigen Schritte schon.</translation>
    </message>
    <message>
        <source>Cannot change to folder &quot;%1&quot;. %2.</source>
        <translation>Wechsel in den Ordner „%1“ nicht möglich. %2.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Go up one folder</source>
        <translation>Einen Ordner nach oben</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Show the files as a list</source>
        <translation>Dateien als Liste anzeigen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Show the files with their size, type and date</source>
        <translation>Dateien mit Größe, Typ und Datum anzeigen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>The files and folders of the folder shown above</source>
        <translation>Die Dateien und Ordner des oben angezeigten Ordners</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>Dateien hinzufügen (und ersetzen)</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>Vorhandene Dateien auffrischen</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Dateien verschieben</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>Dateien aktualisieren (und hinzufügen)</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>Maximal (am langsamsten)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>Sehr schnell</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>Ak&amp;tion:</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>&amp;Kompression:</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>Dateinamen im &amp;8.3-Format speichern</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>Archivdatum auf neueste Datei setzen</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>System- und versteckte Dateien einbeziehen</translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>Zusätzliche Ordner&amp;informationen speichern</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Encrypt with password</source>
        <translation>Mit Passwort &amp;verschlüsseln</translation>
    </message>
    <message>
        <source>AES-256</source>
        <translation>AES-256</translation>
    </message>
    <message>
        <source>ZipCrypto (compatible with old tools, weak)</source>
        <translation>ZipCrypto (kompatibel mit alten Programmen, schwach)</translation>
    </message>
    <message>
        <source>Encryption method</source>
        <translation>Verschlüsselungsverfahren</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Wiederholen:</translation>
    </message>
    <message>
        <source>Please type the password to encrypt with: an empty one protects nothing.</source>
        <translation>Bitte geben Sie das Passwort für die Verschlüsselung ein: Ein leeres Passwort schützt nichts.</translation>
    </message>
    <message>
        <source>The two passwords differ. Please type the same password twice.</source>
        <translation>Die beiden Passwörter stimmen nicht überein. Bitte geben Sie zweimal dasselbe Passwort ein.</translation>
    </message>
</context>
<context>
    <name>TAsciview</name>
    <message>
        <source>View: </source>
        <translation>Anzeige: </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Clipboard Copy</source>
        <translation>In die &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schriftart</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Anzeige: %1</translation>
    </message>
</context>
<context>
    <name>TCheckOut</name>
    <message>
        <source>the folder is not a full path</source>
        <translation>der Ordner ist kein vollständiger Pfad</translation>
    </message>
    <message>
        <source>a group needs a name</source>
        <translation>eine Gruppe braucht einen Namen</translation>
    </message>
    <message>
        <source>a group name cannot lead out of the applications folder</source>
        <translation>ein Gruppenname darf nicht aus dem Anwendungsordner herausführen</translation>
    </message>
    <message>
        <source>Unable to create the program group %1: %2</source>
        <translation>Die Programmgruppe %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: its name is too long for a file name.</source>
        <translation>Für „%1“ wurde kein Starter erstellt: Der Name ist zu lang für einen Dateinamen.</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: %2</source>
        <translation>Für „%1“ wurde kein Starter erstellt: %2</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>CheckOut</translation>
    </message>
    <message>
        <source>All files will be extracted to the specified folder, and a program group will be build.</source>
        <translation>Alle Dateien werden in den angegebenen Ordner entpackt, und eine Programmgruppe wird erstellt.</translation>
    </message>
    <message>
        <source>&amp;Create icons for programs and documents only</source>
        <translation>&amp;Symbole nur für Programme und Dokumente erstellen</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>&amp;Group name:</source>
        <translation>&amp;Gruppenname:</translation>
    </message>
    <message>
        <source>&amp;Maximum icons:</source>
        <translation>&amp;Maximale Anzahl Symbole:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <source>Cannot check out into &quot;%1&quot;: %2.</source>
        <translation>CheckOut nach „%1“ nicht möglich: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the group name: %2.</source>
        <translation>„%1“ kann nicht als Gruppenname verwendet werden: %2.</translation>
    </message>
</context>
<context>
    <name>TConfigurationForm</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>View &amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste anzeigen</translation>
    </message>
    <message>
        <source>View &amp;StatusBar</source>
        <translation>&amp;Statusleiste anzeigen</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Allgemein </translation>
    </message>
    <message>
        <source>&amp;Full row select</source>
        <translation>Ganze &amp;Zeile markieren</translation>
    </message>
    <message>
        <source>&amp;Grid lines</source>
        <translation>&amp;Gitternetzlinien</translation>
    </message>
    <message>
        <source>As &amp;Web page</source>
        <translation>&amp;Als Webseite</translation>
    </message>
    <message>
        <source> Filelist view style </source>
        <translation> Darstellung der Dateiliste </translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Große Symbole</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Kleine Symbole</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source> Toolbar Configuration </source>
        <translation> Werkzeugleiste </translation>
    </message>
    <message>
        <source>Show button &amp;text</source>
        <translation>Schaltflächen&amp;text anzeigen</translation>
    </message>
    <message>
        <source>Show tool &amp;tips</source>
        <translation>&amp;QuickInfos anzeigen</translation>
    </message>
    <message>
        <source>&amp;Flat toolbar buttons</source>
        <translation>&amp;Flache Schaltflächen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source> &amp;Temp folder </source>
        <translation> &amp;Temporärer Ordner </translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>Temporärer Ordner</translation>
    </message>
    <message>
        <source>Choose the temp folder</source>
        <translation>Temporären Ordner wählen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Viewer:</source>
        <translation>&amp;Anzeigeprogramm:</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Anzeigeprogramm</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <translation>Anzeigeprogramm wählen</translation>
    </message>
    <message>
        <source>Program Locations</source>
        <translation>Programmpfade</translation>
    </message>
    <message>
        <source>Temporary folder</source>
        <translation>Temporärer Ordner</translation>
    </message>
    <message>
        <source>Select &amp;temporary folder:</source>
        <translation>&amp;Temporären Ordner wählen:</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>Programme|*</translation>
    </message>
    <message>
        <source>The temporary folder cannot be empty; it stays %1.</source>
        <translation>Der temporäre Ordner darf nicht leer sein; er bleibt %1.</translation>
    </message>
</context>
<context>
    <name>TDeleteForm</name>
    <message>
        <source>Delete the only member of %1?</source>
        <translation>Den einzigen Eintrag von %1 löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Entire archive</source>
        <translation>&amp;Gesamtes Archiv</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>&amp;Ausgewählte Dateien</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Dateien:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Names of the files to delete; * and ? match any</source>
        <translation>Namen der zu löschenden Dateien; * und ? stehen für beliebige Zeichen</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n members of %1?</source>
        <translation>
            <numerusform>%n Eintrag von %1 löschen?</numerusform>
            <numerusform>Alle %n Einträge von %1 löschen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDragForm</name>
    <message>
        <source>Drag and Drop</source>
        <translation>Ziehen und Ablegen</translation>
    </message>
    <message>
        <source>A&amp;dd to archive:</source>
        <translation>&amp;Zum Archiv hinzufügen:</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>Dateien hinzufügen (und ersetzen)</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>Vorhandene Dateien auffrischen</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Dateien verschieben</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>Dateien aktualisieren (und hinzufügen)</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>Maximal (am langsamsten)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>Sehr schnell</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>Ak&amp;tion:</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>&amp;Kompression:</translation>
    </message>
    <message>
        <source> Folders </source>
        <translation> Ordner </translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>Zusätzliche Ordner&amp;informationen speichern</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>System- und versteckte Dateien einbeziehen</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>Archivdatum auf neueste Datei setzen</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>Dateinamen im &amp;8.3-Format speichern</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.exe;*.zip</source>
        <translation>ZIP-Dateien|*.zip|Archive und .exe-Dateien|*.exe;*.zip</translation>
    </message>
    <message>
        <source>File dragged: %1</source>
        <translation>Gezogene Datei: %1</translation>
    </message>
    <message>
        <source>Files dragged: %1</source>
        <translation>Gezogene Dateien: %1</translation>
    </message>
</context>
<context>
    <name>TEXEForm</name>
    <message>
        <source>Ambermox Self-Extractor</source>
        <translation>Ambermox - Selbstentpackendes Programm</translation>
    </message>
    <message>
        <source>Default &quot;UnZip &amp;To&quot; Folder:</source>
        <translation>Standardordner für „Entpacken &amp;nach“:</translation>
    </message>
    <message>
        <source>%temp% means users&apos;s TEMP= Folder</source>
        <translation>%temp% steht für den TEMP-Ordner des Benutzers</translation>
    </message>
    <message>
        <source>&amp;Caption:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Co&amp;mmand line after extracting:</source>
        <translation>&amp;Befehlszeile nach dem Entpacken:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&quot;$0&quot;; printf &apos;\nPress Enter to close. &apos;; read x</source>
        <translation>&quot;$0&quot;; printf &apos;\nZum Schließen Eingabetaste drücken. &apos;; read x</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been created from 
&apos;%2&apos;.
Before distributing the EXE file, please be sure to test it in all target enviroments.

Do you want to test it now?</source>
        <translation>„%1“ wurde aus 
„%2“ erstellt.
Bitte testen Sie die EXE-Datei in allen Zielumgebungen, bevor Sie sie weitergeben.

Möchten Sie sie jetzt testen?</translation>
    </message>
</context>
<context>
    <name>TExtractForm</name>
    <message>
        <source>Extract</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>E&amp;xtract to:</source>
        <translation>Entpacken &amp;nach:</translation>
    </message>
    <message>
        <source>Show the folder in the tree</source>
        <translation>Ordner in der Baumansicht zeigen</translation>
    </message>
    <message>
        <source>&amp;Folders/drives:</source>
        <translation>&amp;Ordner/Laufwerke:</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Entpacken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;New Folder...</source>
        <translation>Neuer O&amp;rdner...</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>Aus&amp;gewählte Dateien</translation>
    </message>
    <message>
        <source>&amp;All files</source>
        <translation>A&amp;lle Dateien</translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation>Da&amp;teien:</translation>
    </message>
    <message>
        <source>&amp;Overwrite Existing Files</source>
        <translation>Vorhandene Dateien &amp;überschreiben</translation>
    </message>
    <message>
        <source>S&amp;kip Older Files</source>
        <translation>Ältere Dateien über&amp;springen</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Error - no files selected for extraction</source>
        <translation>Fehler - keine Dateien zum Entpacken ausgewählt</translation>
    </message>
</context>
<context>
    <name>TFavorOptForm</name>
    <message>
        <source>Ambermox Options</source>
        <translation>Ambermox-Optionen</translation>
    </message>
    <message>
        <source>&amp;Add a folder to list</source>
        <translation>Ordner zur Liste &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove folder</source>
        <translation>Ordner &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Ambermox will automatically list Zip files located in the following folders. Click the button below to add or remove from your Favorite Zip Folders.</source>
        <translation>&amp;Ambermox listet automatisch die ZIP-Dateien in den folgenden Ordnern auf. Mit den Schaltflächen unten fügen Sie Ordner zu Ihren bevorzugten ZIP-Ordnern hinzu oder entfernen sie.</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>Bevorzugte ZIP-Ordner</translation>
    </message>
    <message>
        <source>&amp;Add the folder to the Favorite Zip Folders automatically</source>
        <translation>Den Ordner &amp;automatisch zu den bevorzugten ZIP-Ordnern hinzufügen</translation>
    </message>
    <message>
        <source>A&amp;sk before adding the folder to the Favorite Zip Folders</source>
        <translation>&amp;Vor dem Hinzufügen des Ordners zu den bevorzugten ZIP-Ordnern fragen</translation>
    </message>
    <message>
        <source>&amp;Do not add the folder to the Favorite Zip Folders</source>
        <translation>Den Ordner &amp;nicht zu den bevorzugten ZIP-Ordnern hinzufügen</translation>
    </message>
    <message>
        <source>If you open a Zip file that is not in one of your Favorite Zip Folders, Ambermox can add the folder to your Favorite Zip Folders.</source>
        <translation>Wenn Sie eine ZIP-Datei öffnen, die in keinem Ihrer bevorzugten ZIP-Ordner liegt, kann Ambermox deren Ordner zu den bevorzugten ZIP-Ordnern hinzufügen.</translation>
    </message>
    <message>
        <source>Other Zip Folders</source>
        <translation>Andere ZIP-Ordner</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>Ordner &amp;wählen</translation>
    </message>
</context>
<context>
    <name>TFavoriteForm</name>
    <message>
        <source>Files in Favorite Zip Folders sorted by name:</source>
        <translation>Dateien in bevorzugten ZIP-Ordnern, nach Name sortiert:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by date:</source>
        <translation>Dateien in bevorzugten ZIP-Ordnern, nach Datum sortiert:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by folder:</source>
        <translation>Dateien in bevorzugten ZIP-Ordnern, nach Ordner sortiert:</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>Bevorzugte ZIP-Ordner</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders:</source>
        <translation>Dateien in bevorzugten ZIP-Ordnern:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders</source>
        <translation>Dateien in bevorzugten ZIP-Ordnern</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>Keine Datei ausgewählt.</translation>
    </message>
    <message>
        <source>Zip files</source>
        <translation>ZIP-Dateien</translation>
    </message>
    <message>
        <source>Files of &amp;type:</source>
        <translation>Datei&amp;typ:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation>Dateiname: %1</translation>
    </message>
</context>
<context>
    <name>TFilePropForm</name>
    <message>
        <source>File Properties</source>
        <translation>Dateieigenschaften</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Dateigröße:</translation>
    </message>
    <message>
        <source>Packed size:</source>
        <translation>Gepackte Größe:</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>TFindForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>„%1“ ist kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>Find file(s)</source>
        <translation>Dateien suchen</translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation>Datei&amp;typ:</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>&amp;All Dates</source>
        <translation>&amp;Beliebiges Datum</translation>
    </message>
    <message>
        <source>&amp;Find Files created or modified </source>
        <translation>Dateien &amp;suchen, erstellt oder geändert </translation>
    </message>
    <message>
        <source>Between</source>
        <translation>Zwischen</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>T&amp;ag:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Monat:</translation>
    </message>
    <message>
        <source>Y&amp;ear:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>Da&amp;y:</source>
        <translation>Ta&amp;g:</translation>
    </message>
    <message>
        <source>M&amp;onth:</source>
        <translation>M&amp;onat:</translation>
    </message>
    <message>
        <source>Yea&amp;r:</source>
        <translation>Ja&amp;hr:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;All sizes</source>
        <translation>&amp;Beliebige Größe</translation>
    </message>
    <message>
        <source>&amp;Find  file size in the range</source>
        <translation>Dateien nach Größe &amp;suchen</translation>
    </message>
    <message>
        <source>Below (&lt;=)</source>
        <translation>Höchstens (&lt;=)</translation>
    </message>
    <message>
        <source>Above (&gt;=)</source>
        <translation>Mindestens (&gt;=)</translation>
    </message>
    <message>
        <source>Exact (=)</source>
        <translation>Genau (=)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Byte</translation>
    </message>
</context>
<context>
    <name>TLnEForm</name>
    <message>
        <source>Ambermox - Adding</source>
        <translation>Ambermox - Hinzufügen</translation>
    </message>
    <message>
        <source>How much of the folder is added</source>
        <translation>Wie viel des Ordners bereits hinzugefügt ist</translation>
    </message>
    <message>
        <source>Ambermox - Extracting</source>
        <translation>Ambermox - Entpacken</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>How much of the archive is extracted</source>
        <translation>Wie viel des Archivs bereits entpackt ist</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.zip;*.exe</source>
        <translation>ZIP-Dateien|*.zip|Archive und .exe-Dateien|*.zip;*.exe</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; to create or &quot;Open&quot; to open an archive.</source>
        <translation>Wählen Sie „Neu“, um ein Archiv zu erstellen, oder „Öffnen“, um ein Archiv zu öffnen.</translation>
    </message>
    <message>
        <source>No file(s) selected.</source>
        <translation>Keine Datei ausgewählt.</translation>
    </message>
    <message>
        <source>Archive contents</source>
        <translation>Archivinhalt</translation>
    </message>
    <message>
        <source>The files in the open archive</source>
        <translation>Die Dateien im geöffneten Archiv</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Ambermox</source>
        <translation>Ambermox</translation>
    </message>
    <message>
        <source>The program&apos;s turning picture</source>
        <translation>Das sich drehende Bild des Programms</translation>
    </message>
    <message>
        <source>Ambermox - %1</source>
        <translation>Ambermox - %1</translation>
    </message>
    <message>
        <source>Ambermox </source>
        <translation>Ambermox </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Reading directory...</source>
        <translation>Ordner wird gelesen...</translation>
    </message>
    <message>
        <source>Sorting files...</source>
        <translation>Dateien werden sortiert...</translation>
    </message>
    <message>
        <source>Loading file list...</source>
        <translation>Dateiliste wird geladen...</translation>
    </message>
    <message>
        <source>Total 1 file, %1 kB [%2 kB]</source>
        <translation>Insgesamt 1 Datei, %1 kB [%2 kB]</translation>
    </message>
    <message numerus="yes">
        <source>Total %1 files, %2 kB [%3 kB]</source>
        <translation>
            <numerusform>Insgesamt %1 Datei, %2 kB [%3 kB]</numerusform>
            <numerusform>Insgesamt %1 Dateien, %2 kB [%3 kB]</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected 1 file, %1 kB</source>
        <translation>1 Datei ausgewählt, %1 kB</translation>
    </message>
    <message numerus="yes">
        <source>Selected %1 files, %2 kB</source>
        <translation>
            <numerusform>%1 Datei ausgewählt, %2 kB</numerusform>
            <numerusform>%1 Dateien ausgewählt, %2 kB</numerusform>
        </translation>
    </message>
    <message>
        <source>[Comment]</source>
        <translation>[Kommentar]</translation>
    </message>
</context>
<context>
    <name>TMsgForm</name>
    <message>
        <source>View Last Output</source>
        <translation>Letzte Ausgabe anzeigen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TRenameForm</name>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Nach:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
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
    <name>TSearchForm</name>
    <message>
        <source>Ambermox Search</source>
        <translation>Ambermox-Suche</translation>
    </message>
    <message>
        <source>Ambermox can automatically search for Zip files,  or, if  you want  to  search  for  a file yourselft, click &quot;Let me find it&quot;.</source>
        <translation>Ambermox kann automatisch nach ZIP-Dateien suchen. Wenn Sie selbst nach einer Datei suchen möchten, klicken Sie auf „Selbst suchen“.</translation>
    </message>
    <message>
        <source>&amp;Search hard disk(s) on this PC</source>
        <translation>&amp;Festplatten dieses Computers durchsuchen</translation>
    </message>
    <message>
        <source>Search &amp;disk:</source>
        <translation>&amp;Laufwerk durchsuchen:</translation>
    </message>
    <message>
        <source>&amp;Let me find it (not automatic)</source>
        <translation>&amp;Selbst suchen (nicht automatisch)</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Suche läuft</translation>
    </message>
    <message>
        <source>Moves while the search runs</source>
        <translation>Bewegt sich, solange die Suche läuft</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ambermox Wizard - Select Zip File</source>
        <translation>Ambermox-Assistent - ZIP-Datei auswählen</translation>
    </message>
    <message>
        <source>Zip files|*.zip</source>
        <translation>ZIP-Dateien|*.zip</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <translation>%1 wird durchsucht</translation>
    </message>
    <message numerus="yes">
        <source>Searched %1, %n file(s) found...</source>
        <translation>
            <numerusform>%1 durchsucht, %n Datei gefunden...</numerusform>
            <numerusform>%1 durchsucht, %n Dateien gefunden...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSelDirForm</name>
    <message>
        <source>Select Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Folders and disk drives:</source>
        <translation>&amp;Ordner und Laufwerke:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
</context>
<context>
    <name>TTipForm</name>
    <message>
        <source>Ambermox Tip of the Day</source>
        <translation>Ambermox - Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know..</source>
        <translation>Wussten Sie schon?</translation>
    </message>
    <message>
        <source>Always show tips at startup</source>
        <translation>Tipps beim Start immer anzeigen</translation>
    </message>
    <message>
        <source>Show tip at startup if not opening Zip file</source>
        <translation>Tipp beim Start anzeigen, wenn keine ZIP-Datei geöffnet wird</translation>
    </message>
    <message>
        <source>Never show tips at startup</source>
        <translation>Tipps beim Start nie anzeigen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
</context>
<context>
    <name>TViewForm</name>
    <message>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source> Using </source>
        <translation> Öffnen mit </translation>
    </message>
    <message>
        <source>&amp;Associated program</source>
        <translation>&amp;Zugeordnetes Programm</translation>
    </message>
    <message>
        <source>&amp;Internal ASCII text viewer</source>
        <translation>&amp;Interne ASCII-Textanzeige</translation>
    </message>
    <message>
        <source>&amp;Viewer: </source>
        <translation>&amp;Anzeigeprogramm: </translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Anzeigeprogramm</translation>
    </message>
    <message>
        <source>Browse for the viewer program</source>
        <translation>Anzeigeprogramm suchen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>Programme|*</translation>
    </message>
    <message>
        <source>Cannot find the viewer program &quot;%1&quot;.</source>
        <translation>Das Anzeigeprogramm „%1“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>TZipPropForm</name>
    <message>
        <source>Zip Properties</source>
        <translation>ZIP-Eigenschaften</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Dateigröße:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Compression:</source>
        <translation>Kompression:</translation>
    </message>
    <message>
        <source>Date/time:</source>
        <translation>Datum/Uhrzeit:</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>Ko&amp;mmentar...</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>The Tip of the Day dialog box is normally displayed when you start Ambermox but are not automatically opening a Zip file. You can change this option so tips are never displayed, or always displayed when Ambermox is started.</source>
        <translation>Der Tipp des Tages wird normalerweise angezeigt, wenn Sie Ambermox starten, ohne dabei automatisch eine ZIP-Datei zu öffnen. Sie können einstellen, dass Tipps nie oder bei jedem Start von Ambermox angezeigt werden.</translation>
    </message>
    <message>
        <source>If you turn the Tip of the Day off and later want to restore it, select Tip of the Day from the Ambermox Help pull-down menu, then select from the combo box at the bottom of the dialog box.</source>
        <translation>Wenn Sie den Tipp des Tages ausschalten und ihn später wieder aktivieren möchten, wählen Sie im Ambermox-Menü „Hilfe“ den Eintrag „Tipp des Tages“ und treffen Sie dann im Auswahlfeld unten im Dialog Ihre Wahl.</translation>
    </message>
    <message>
        <source>Ambermox&apos;s toolbar buttons look much better if your display is in high-color mode. </source>
        <translation>Die Schaltflächen der Ambermox-Werkzeugleiste sehen deutlich besser aus, wenn Ihr Bildschirm mit hoher Farbtiefe arbeitet. </translation>
    </message>
    <message>
        <source>For a Brief Tutorial on Ambermox, select Brief Tutorial from the Ambermox Help pull-down menu.</source>
        <translation>Eine Kurzanleitung zu Ambermox finden Sie im Ambermox-Menü „Hilfe“ unter „Kurzanleitung“.</translation>
    </message>
    <message>
        <source>For answers to Frequently Asked Questions (FAQs), select Frequently Asked Questions from the Ambermox Help pull-down menu.</source>
        <translation>Antworten auf häufig gestellte Fragen (FAQ) finden Sie im Ambermox-Menü „Hilfe“ unter „Häufig gestellte Fragen“.</translation>
    </message>
    <message>
        <source>To display details about the open Zip file (for example, the date the Zip file was last modified or the name of the folder containing the Zip file), click on the Ambermox status line or select Properties from the Ambermox File menu.</source>
        <translation>Um Details zur geöffneten ZIP-Datei anzuzeigen (zum Beispiel das Datum der letzten Änderung oder den Ordner, in dem sie liegt), klicken Sie auf die Statuszeile von Ambermox oder wählen Sie im Ambermox-Menü „Datei“ den Eintrag „Eigenschaften“.</translation>
    </message>
    <message>
        <source>You can interrupt an archive operation by clicking anywhere in the Ambermox window. This will activate the &quot;Operation Interrupted&quot; dialog box.</source>
        <translation>Sie können einen Archivvorgang unterbrechen, indem Sie irgendwo in das Ambermox-Fenster klicken. Dann erscheint der Dialog „Vorgang unterbrochen“.</translation>
    </message>
    <message>
        <source>You can quickly extract files from a Zip file by dragging the files from Ambermox to any folder or Explorer window (or even to the desktop).</source>
        <translation>Sie können Dateien schnell aus einer ZIP-Datei entpacken, indem Sie sie aus Ambermox in einen beliebigen Ordner oder ein Dateimanager-Fenster (oder sogar auf die Arbeitsfläche) ziehen.</translation>
    </message>
    <message>
        <source>You can quickly add files to a Zip file by dragging the files from any folder or Explorer window to Ambermox.</source>
        <translation>Sie können Dateien schnell zu einer ZIP-Datei hinzufügen, indem Sie sie aus einem beliebigen Ordner oder Dateimanager-Fenster auf Ambermox ziehen.</translation>
    </message>
    <message>
        <source>If you can&apos;t remember where you put your Zip files, you can use the Favorite Zip Folders feature to find them. Select Favorite Zip Folders from the Ambermox File menu.</source>
        <translation>Wenn Sie nicht mehr wissen, wo Ihre ZIP-Dateien liegen, hilft Ihnen die Funktion „Bevorzugte ZIP-Ordner“ beim Finden. Wählen Sie dazu im Ambermox-Menü „Datei“ den Eintrag „Bevorzugte ZIP-Ordner“.</translation>
    </message>
    <message>
        <source>You can easily view files in a Zip file by dragging them to an application or a shortcut to an application.</source>
        <translation>Sie können Dateien in einer ZIP-Datei ganz einfach anzeigen, indem Sie sie auf ein Programm oder eine Verknüpfung zu einem Programm ziehen.</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>View: %1 (not a text file: only the first %2 of %3 shown)</source>
        <translation>Anzeige: %1 (keine Textdatei: nur die ersten %2 von %3 angezeigt)</translation>
    </message>
    <message>
        <source>View: %1 (only the first %2 of %3 shown)</source>
        <translation>Anzeige: %1 (nur die ersten %2 von %3 angezeigt)</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Anzeige: %1</translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Root</source>
        <translation>Stammordner</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
</context>
</TS>
