<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalDAV</name>
    <message>
        <source>The server %1 answered %2 with XML that cannot be read.</source>
        <translation>Der Server %1 hat für %2 mit unlesbarem XML geantwortet.</translation>
    </message>
    <message>
        <source>The server %1 has no CalDAV account at %2.</source>
        <translation>Der Server %1 hat kein CalDAV-Konto unter %2.</translation>
    </message>
    <message>
        <source>The server %1 sent more than %2 MB for %3; the answer was not read.</source>
        <translation>Der Server %1 hat für %3 mehr als %2 MB gesendet; die Antwort wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The server %1 sends the request on to %2, another server; it was not followed.</source>
        <translation>Der Server %1 leitet die Anfrage an einen anderen Server weiter, %2; der Weiterleitung wurde nicht gefolgt.</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>Die sichere Verbindung zu %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 seconds.</source>
        <translation>Der Server %1 hat nicht innerhalb von %2 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The server %1 broke off its answer for %2.</source>
        <translation>Der Server %1 hat seine Antwort für %2 abgebrochen.</translation>
    </message>
    <message>
        <source>The server %1 cannot be reached: %2</source>
        <translation>Der Server %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The server %1 answered &quot;%2&quot; for %3.</source>
        <translation>Der Server %1 hat für %3 mit „%2“ geantwortet.</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Entry Date</source>
        <translation>Eintragsdatum</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation>Aufgabenbeschreibung</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Fällig am</translation>
    </message>
    <message>
        <source>Due Time</source>
        <translation>Fällig um</translation>
    </message>
    <message>
        <source>Resources</source>
        <translation>Ressourcen</translation>
    </message>
    <message>
        <source>Total Hours</source>
        <translation>Gesamtstunden</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Completion Date</source>
        <translation>Erledigt am</translation>
    </message>
    <message>
        <source>Completion Time</source>
        <translation>Erledigt um</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New File</source>
        <translation>&amp;Neue Datei</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Erstellt eine neue Datei</translation>
    </message>
    <message>
        <source>New File (Ctrl+N)</source>
        <translation>Neue Datei (Strg+N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Öffnet eine Datei</translation>
    </message>
    <message>
        <source>Open (Ctrl+O)</source>
        <translation>Öffnen (Strg+O)</translation>
    </message>
    <message>
        <source>Open Re&amp;mote List...</source>
        <translation>&amp;Entfernte Liste öffnen...</translation>
    </message>
    <message>
        <source>Open a to-do list on a CalDAV server</source>
        <translation>Öffnet eine Aufgabenliste auf einem CalDAV-Server</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Speichert die Änderungen</translation>
    </message>
    <message>
        <source>Save (Ctrl+S)</source>
        <translation>Speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save this entry as a file</source>
        <translation>Speichert die Liste als Datei</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print current page</source>
        <translation>Druckt die aktuelle Seite</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckeinstellungen</translation>
    </message>
    <message>
        <source>Setup print properties</source>
        <translation>Legt die Druckeinstellungen fest</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Closes and exit Taskmere</source>
        <translation>Schließt die Liste und beendet Taskmere</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Takes back the last change to the list</source>
        <translation>Nimmt die letzte Änderung an der Liste zurück</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Makes the last change taken back again</source>
        <translation>Stellt die zuletzt zurückgenommene Änderung wieder her</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Removes the current selection and copy it onto the Clipboard</source>
        <translation>Entfernt die aktuelle Auswahl und kopiert sie in die Zwischenablage</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copies the current selection onto the Clipboard</source>
        <translation>Kopiert die aktuelle Auswahl in die Zwischenablage</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Insert the item you have copied or cut into the selected location</source>
        <translation>Fügt den kopierten oder ausgeschnittenen Inhalt an der gewählten Stelle ein</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&amp;Add New Entry</source>
        <translation>Neuen Eintrag &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Adds a new entry to the list</source>
        <translation>Fügt der Liste einen neuen Eintrag hinzu</translation>
    </message>
    <message>
        <source>Add New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Deletes current entry</source>
        <translation>Löscht den aktuellen Eintrag</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add &amp;Multiple Entries...</source>
        <translation>&amp;Mehrere Einträge hinzufügen...</translation>
    </message>
    <message>
        <source>Adds multiple entries to the list</source>
        <translation>Fügt der Liste mehrere Einträge hinzu</translation>
    </message>
    <message>
        <source>Add Multiple Entries</source>
        <translation>Mehrere Einträge hinzufügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Searches for text on the list</source>
        <translation>Sucht nach Text in der Liste</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>Shows only the entries that hold the words typed, or are open or due</source>
        <translation>Zeigt nur die Einträge, die die eingegebenen Wörter enthalten oder offen oder fällig sind</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Akt&amp;ualisieren</translation>
    </message>
    <message>
        <source>Refreshes the list</source>
        <translation>Aktualisiert die Liste</translation>
    </message>
    <message>
        <source>&amp;View Calendar</source>
        <translation>Kalen&amp;der anzeigen</translation>
    </message>
    <message>
        <source>Opens calendar window</source>
        <translation>Öffnet das Kalenderfenster</translation>
    </message>
    <message>
        <source>View Calendar</source>
        <translation>Kalender anzeigen</translation>
    </message>
    <message>
        <source>Due &amp;reminders</source>
        <translation>Erinnerungen bei &amp;Fälligkeit</translation>
    </message>
    <message>
        <source>Reminds of entries that are due today or overdue</source>
        <translation>Erinnert an Einträge, die heute fällig oder überfällig sind</translation>
    </message>
    <message>
        <source>Re&amp;number Entries</source>
        <translation>Einträge neu nummer&amp;ieren</translation>
    </message>
    <message>
        <source>Renumbers the list</source>
        <translation>Nummeriert die Liste neu</translation>
    </message>
    <message>
        <source>St&amp;atistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>Opens the statistic report on current list</source>
        <translation>Öffnet die Statistik der aktuellen Liste</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Opens help</source>
        <translation>Öffnet die Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Taskmere</source>
        <translation>Ü&amp;ber Taskmere</translation>
    </message>
    <message>
        <source>About Taskmere</source>
        <translation>Über Taskmere</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Contains commands for working for the document</source>
        <translation>Enthält Befehle für die Arbeit mit dem Dokument</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Reopen file</source>
        <translation>Öffnet eine zuletzt verwendete Datei erneut</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Contains edit commands</source>
        <translation>Enthält Befehle zum Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Contains commands for what the list shows</source>
        <translation>Enthält Befehle dafür, was die Liste anzeigt</translation>
    </message>
    <message>
        <source>&amp;Sort By...</source>
        <translation>Sortieren &amp;nach...</translation>
    </message>
    <message>
        <source>Sorts the entry based on column name</source>
        <translation>Sortiert die Einträge nach einer Spalte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contains commands for displaying help</source>
        <translation>Enthält Befehle zum Anzeigen der Hilfe</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>Taskmere and iCalendar files (*.tkm *.ics)|*.tkm;*.ics|Taskmere File (*.tkm)|*.tkm|iCalendar to-do list (*.ics)|*.ics|All Files (*.*)|*.*</source>
        <translation>Taskmere- und iCalendar-Dateien (*.tkm *.ics)|*.tkm;*.ics|Taskmere-Datei (*.tkm)|*.tkm|iCalendar-Aufgabenliste (*.ics)|*.ics|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Taskmere files (*.tkm)|*.tkm</source>
        <translation>Taskmere-Dateien (*.tkm)|*.tkm</translation>
    </message>
    <message>
        <source>The list is busy with its server; try again when it is done.</source>
        <translation>Die Liste tauscht gerade Daten mit ihrem Server aus; versuchen Sie es erneut, wenn das erledigt ist.</translation>
    </message>
    <message>
        <source>Do you want to save the changes you made to %1?</source>
        <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>%1 Would you like to save it as %2 instead?</source>
        <translation>%1 Möchten Sie die Liste stattdessen als %2 speichern?</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Would you like to save the colors as well?</source>
        <translation>Möchten Sie auch die Farben speichern?</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>Save the %1 shown? No saves all %2.</source>
        <translation>Nur die angezeigten Einträge speichern (%1)? „Nein“ speichert alle %2.</translation>
    </message>
    <message>
        <source>Print the %1 shown? No prints all %2.</source>
        <translation>Nur die angezeigten Einträge drucken (%1)? „Nein“ druckt alle %2.</translation>
    </message>
    <message>
        <source>Would you like to print the colors as well?</source>
        <translation>Möchten Sie auch die Farben drucken?</translation>
    </message>
    <message>
        <source>The server cannot be reached; your changes are kept and will be sent at the next Save.</source>
        <translation>Der Server ist nicht erreichbar; Ihre Änderungen bleiben erhalten und werden beim nächsten Speichern gesendet.</translation>
    </message>
    <message>
        <source>1 conflict: both versions of the entry are kept</source>
        <translation>1 Konflikt: Beide Versionen des Eintrags bleiben erhalten</translation>
    </message>
    <message>
        <source>%1 conflicts: both versions of the entries are kept</source>
        <translation>%1 Konflikte: Beide Versionen der Einträge bleiben erhalten</translation>
    </message>
    <message>
        <source>The server cannot be reached; the list is shown as it was last seen.</source>
        <translation>Der Server ist nicht erreichbar; die Liste wird so angezeigt, wie sie zuletzt abgerufen wurde.</translation>
    </message>
    <message>
        <source>Cannot save %1</source>
        <translation>%1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Other clients kept changing the list; the rest is sent at the next Save.</source>
        <translation>Andere Programme haben die Liste laufend geändert; der Rest wird beim nächsten Speichern gesendet.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>Due</name>
    <message>
        <source>Days from Due: Overdue by %1 days</source>
        <translation>Tage bis Fälligkeit: seit %1 Tagen überfällig</translation>
    </message>
    <message>
        <source>Days from Due: %1 day (Due today)</source>
        <translation>Tage bis Fälligkeit: %1 Tag (heute fällig)</translation>
    </message>
    <message>
        <source>Days from Due: %1 days</source>
        <translation>Tage bis Fälligkeit: %1 Tage</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text document (*.txt)</source>
        <translation>Textdokument (*.txt)</translation>
    </message>
    <message>
        <source>Web Document (*.htm)</source>
        <translation>Webdokument (*.htm)</translation>
    </message>
    <message>
        <source>CSV (Comma delimited) (*.csv)</source>
        <translation>CSV (durch Kommas getrennt) (*.csv)</translation>
    </message>
    <message>
        <source>Microsoft Word (*.doc)</source>
        <translation>Microsoft Word (*.doc)</translation>
    </message>
    <message>
        <source>Microsoft Excel (*.xls)</source>
        <translation>Microsoft Excel (*.xls)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet (*.ods)</source>
        <translation>OpenDocument-Tabelle (*.ods)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>OpenDocument-Text (*.odt)</translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation>Word-Dokument (*.docx)</translation>
    </message>
    <message>
        <source>iCalendar to-do list (*.ics)</source>
        <translation>iCalendar-Aufgabenliste (*.ics)</translation>
    </message>
    <message>
        <source>%1 holds at most %2 rows, and this list has %3.</source>
        <translation>%1 fasst höchstens %2 Zeilen, und diese Liste hat %3.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot Create file %1</source>
        <translation>Die Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>es ist ein Blockgerät, keine Datei</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>the link points to nothing</source>
        <translation>die Verknüpfung zeigt ins Leere</translation>
    </message>
    <message>
        <source>cannot keep a copy of the old contents in %1: %2</source>
        <translation>eine Kopie des alten Inhalts kann nicht in %1 angelegt werden: %2</translation>
    </message>
    <message>
        <source>another save of it is running</source>
        <translation>sie wird gerade schon gespeichert</translation>
    </message>
    <message>
        <source>cannot note the save in %1: %2</source>
        <translation>das Speichern kann nicht in %1 vermerkt werden: %2</translation>
    </message>
    <message>
        <source>; the old contents are in %1</source>
        <translation>; der alte Inhalt liegt in %1</translation>
    </message>
    <message>
        <source>the file is closed</source>
        <translation>die Datei ist geschlossen</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Die Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot replace file %1</source>
        <translation>Die Datei %1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>not enough memory (%1 MB)</source>
        <translation>nicht genügend Arbeitsspeicher (%1 MB)</translation>
    </message>
    <message>
        <source>it is not a zip archive</source>
        <translation>es ist kein ZIP-Archiv</translation>
    </message>
    <message>
        <source>ZIP64 archives are not read</source>
        <translation>ZIP64-Archive werden nicht gelesen</translation>
    </message>
    <message>
        <source>its directory lies outside it</source>
        <translation>sein Inhaltsverzeichnis liegt außerhalb des Archivs</translation>
    </message>
    <message>
        <source>its directory is damaged</source>
        <translation>sein Inhaltsverzeichnis ist beschädigt</translation>
    </message>
    <message>
        <source>a member lies outside it</source>
        <translation>ein Eintrag liegt außerhalb des Archivs</translation>
    </message>
    <message>
        <source>%1 is compressed in a way not read here</source>
        <translation>%1 ist auf eine Art komprimiert, die hier nicht gelesen wird</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 ist beschädigt</translation>
    </message>
    <message>
        <source>it has no %1</source>
        <translation>%1 fehlt darin</translation>
    </message>
    <message>
        <source>%1 would need a ZIP64 archive</source>
        <translation>%1 bräuchte ein ZIP64-Archiv</translation>
    </message>
    <message>
        <source>it would need a ZIP64 archive</source>
        <translation>es bräuchte ein ZIP64-Archiv</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it is not an iCalendar file</source>
        <translation>es ist keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>it holds no to-do entries</source>
        <translation>sie enthält keine Aufgaben</translation>
    </message>
    <message>
        <source>the to-do cannot be read</source>
        <translation>die Aufgabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>text after the calendar</source>
        <translation>Text nach dem Kalender</translation>
    </message>
    <message>
        <source>components nested too deeply</source>
        <translation>zu tief verschachtelte Komponenten</translation>
    </message>
    <message>
        <source>END:%1 without its BEGIN</source>
        <translation>END:%1 ohne sein BEGIN</translation>
    </message>
    <message>
        <source>BEGIN:%1 is never ended</source>
        <translation>BEGIN:%1 wird nie beendet</translation>
    </message>
    <message>
        <source>the time zone cannot be read</source>
        <translation>die Zeitzone kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Filter</name>
    <message>
        <source>%1 of %2 entry shown</source>
        <translation>%1 von %2 Eintrag angezeigt</translation>
    </message>
    <message>
        <source>%1 of %2 entries shown</source>
        <translation>%1 von %2 Einträgen angezeigt</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>No help is installed: %1 does not exist.</source>
        <translation>Es ist keine Hilfe installiert: %1 existiert nicht.</translation>
    </message>
    <message>
        <source>No help is installed: neither %1 nor %2 exists.</source>
        <translation>Es ist keine Hilfe installiert: weder %1 noch %2 existiert.</translation>
    </message>
</context>
<context>
    <name>Office</name>
    <message>
        <source>A sheet of type %1 holds at most %2 rows; this list has %3 with its header.</source>
        <translation>Eine Tabelle vom Typ %1 fasst höchstens %2 Zeilen; diese Liste hat mit ihrer Kopfzeile %3.</translation>
    </message>
    <message>
        <source> Save it as %1, which holds %2 rows.</source>
        <translation> Speichern Sie sie als %1, das %2 Zeilen fasst.</translation>
    </message>
    <message>
        <source>A sheet of type %1 holds at most %2 columns; this export has %3.</source>
        <translation>Eine Tabelle vom Typ %1 fasst höchstens %2 Spalten; dieser Export hat %3.</translation>
    </message>
    <message>
        <source>A cell of type %1 holds at most %2 characters; %3 in row %4 has %5. Save it as %6, which keeps it whole.</source>
        <translation>Eine Zelle vom Typ %1 fasst höchstens %2 Zeichen; %3 in Zeile %4 hat %5. Speichern Sie die Liste als %6, das sie vollständig behält.</translation>
    </message>
    <message>
        <source>Word OLE server not found</source>
        <translation>Word-OLE-Server nicht gefunden</translation>
    </message>
    <message>
        <source>Excel OLE server not found</source>
        <translation>Excel-OLE-Server nicht gefunden</translation>
    </message>
    <message>
        <source>no working folder for LibreOffice in %1: %2</source>
        <translation>kein Arbeitsordner für LibreOffice in %1: %2</translation>
    </message>
    <message>
        <source>it gave no reason</source>
        <translation>es nannte keinen Grund</translation>
    </message>
    <message>
        <source>it said &quot;%1&quot;</source>
        <translation>es meldete „%1“</translation>
    </message>
    <message>
        <source>the read failed</source>
        <translation>das Lesen ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the copy for LibreOffice could not be written to %1: %2</source>
        <translation>die Kopie für LibreOffice konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>LibreOffice (%1) did not start: %2</source>
        <translation>LibreOffice (%1) ließ sich nicht starten: %2</translation>
    </message>
    <message>
        <source>LibreOffice did not finish in the time allowed (%1 s) and was stopped; save it as %2, which takes a fraction of the time</source>
        <translation>LibreOffice wurde in der erlaubten Zeit (%1 s) nicht fertig und wurde beendet; speichern Sie die Liste als %2, das dauert nur einen Bruchteil der Zeit</translation>
    </message>
    <message>
        <source>LibreOffice was ended by signal %1; %2</source>
        <translation>LibreOffice wurde durch das Signal %1 beendet; %2</translation>
    </message>
    <message>
        <source>LibreOffice failed with exit code %1; %2</source>
        <translation>LibreOffice ist mit dem Exit-Code %1 gescheitert; %2</translation>
    </message>
    <message>
        <source>LibreOffice wrote no file; %1</source>
        <translation>LibreOffice hat keine Datei geschrieben; %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is installed. Save the pages as a PDF file?</source>
        <translation>Es ist kein Drucker installiert. Die Seiten als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Save the pages as a PDF file</source>
        <translation>Seiten als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>INI files (*.ini)|*.ini|All files (*.*)|*.*</source>
        <translation>INI-Dateien (*.ini)|*.ini|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>A to-do list manager for the Linux desktop</source>
        <translation>Eine Aufgabenverwaltung für den Linux-Desktop</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Taskmere was not closed properly. Restore the unsaved changes of %1 from %2 %3?</source>
        <translation>Taskmere wurde nicht ordnungsgemäß beendet. Die nicht gespeicherten Änderungen an %1 vom %2, %3 wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Heute fällig: %1</translation>
    </message>
    <message>
        <source>Overdue by %1: %2</source>
        <translation>%1 überfällig: %2</translation>
    </message>
    <message>
        <source>%1 entries are due today</source>
        <translation>%1 Einträge sind heute fällig</translation>
    </message>
    <message>
        <source>%1 entries are overdue</source>
        <translation>%1 Einträge sind überfällig</translation>
    </message>
    <message>
        <source>%1 entries are due today or overdue</source>
        <translation>%1 Einträge sind heute fällig oder überfällig</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Item*</source>
        <translation>Posten*</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Valid Entries</source>
        <translation>Gültige Einträge</translation>
    </message>
    <message>
        <source>Due Todays</source>
        <translation>Heute fällig</translation>
    </message>
    <message>
        <source>Overdues</source>
        <translation>Überfällig</translation>
    </message>
    <message>
        <source>Most Important Priority**</source>
        <translation>Höchste Priorität**</translation>
    </message>
    <message>
        <source>High Priority**</source>
        <translation>Hohe Priorität**</translation>
    </message>
    <message>
        <source>Normal Priority**</source>
        <translation>Normale Priorität**</translation>
    </message>
    <message>
        <source>Low Priority**</source>
        <translation>Niedrige Priorität**</translation>
    </message>
    <message>
        <source>Lowest Priority**</source>
        <translation>Niedrigste Priorität**</translation>
    </message>
    <message>
        <source>Not Started</source>
        <translation>Nicht begonnen</translation>
    </message>
    <message>
        <source>In Progress</source>
        <translation>In Bearbeitung</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Ausstehend</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>*Task Description is not empty.</source>
        <translation>*Aufgabenbeschreibung ist nicht leer.</translation>
    </message>
    <message>
        <source>**In Progress or Pending.</source>
        <translation>**In Bearbeitung oder Ausstehend.</translation>
    </message>
</context>
<context>
    <name>TDesktopCalendarAccounts</name>
    <message>
        <source>The server %1 sends Taskmere on to %2, another server. Send the user name and password there?</source>
        <translation>Der Server %1 leitet Taskmere an einen anderen Server weiter: %2. Benutzername und Passwort dorthin senden?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>The keyring did not keep the password (%1); Taskmere asks for it again next time.</source>
        <translation>Der Schlüsselbund hat das Passwort nicht gespeichert (%1); Taskmere fragt beim nächsten Mal erneut danach.</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Der Server hat das Passwort für %1 abgelehnt. Passwort:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Passwort für %1:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Waiting for the server %1...</source>
        <translation>Warten auf den Server %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TDocumentCommands</name>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>TExportProgress</name>
    <message>
        <source>Exporting %1...</source>
        <translation>%1 wird exportiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
</context>
<context>
    <name>TPrintTarget</name>
    <message>
        <source>The printer refused a new page</source>
        <translation>Der Drucker hat eine neue Seite abgelehnt</translation>
    </message>
    <message>
        <source>Cannot start printing on %1</source>
        <translation>Der Druck auf %1 kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>The printer %1 failed</source>
        <translation>Fehler am Drucker %1</translation>
    </message>
    <message>
        <source>the PDF writer failed</source>
        <translation>das Schreiben der PDF-Datei ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>TStatusProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>&amp;Click OFF</source>
        <translation>&amp;Ausschalten</translation>
    </message>
    <message>
        <source>&amp;Hibernate</source>
        <translation>&amp;Ruhezustand</translation>
    </message>
    <message>
        <source>&amp;Logoff</source>
        <translation>A&amp;bmelden</translation>
    </message>
    <message>
        <source>&amp;Reboot</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <source>&amp;Shutdown</source>
        <translation>&amp;Herunterfahren</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>&amp;Standby</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Not Started</source>
        <translation>Nicht begonnen</translation>
    </message>
    <message>
        <source>In Progress</source>
        <translation>In Arbeit</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Ausstehend</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>Most Important</source>
        <translation>Höchste</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Niedrigste</translation>
    </message>
</context>
<context>
    <name>tkm::TEntryCommands</name>
    <message>
        <source>Add New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current row?</source>
        <translation>Möchten Sie die aktuelle Zeile wirklich löschen?</translation>
    </message>
    <message>
        <source>Add Multiple Entries</source>
        <translation>Mehrere Einträge hinzufügen</translation>
    </message>
    <message>
        <source>Renumber Entries</source>
        <translation>Einträge neu nummerieren</translation>
    </message>
</context>
<context>
    <name>tkm::TFilterBar</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Words the entries hold</source>
        <translation>Wörter in den Einträgen</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>A&amp;nzeigen:</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Alle Einträge</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offene</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Heute fällig</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Überfällig</translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation>Diese Woche fällig</translation>
    </message>
    <message>
        <source>Close the filter (Esc)</source>
        <translation>Filter schließen (Esc)</translation>
    </message>
</context>
<context>
    <name>tkm::TGridFindForm</name>
    <message>
        <source>Find text</source>
        <translation>Text suchen</translation>
    </message>
    <message>
        <source>Text to find :</source>
        <translation>Suchtext:</translation>
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
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>&amp;Whole words only</source>
        <translation>Nur ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>&amp;Match from first char</source>
        <translation>Ab &amp;erstem Zeichen</translation>
    </message>
    <message>
        <source>&amp;Ignore HTML tags</source>
        <translation>HTML-Tags &amp;ignorieren</translation>
    </message>
    <message>
        <source>&amp;Find in fixed cells</source>
        <translation>Auch &amp;feste Zellen</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Forward (top to bottom)</source>
        <translation>Vorwärts (nach unten)</translation>
    </message>
    <message>
        <source>Forward (left to right)</source>
        <translation>Vorwärts (nach rechts)</translation>
    </message>
    <message>
        <source>Backward (bottom to top)</source>
        <translation>Rückwärts (nach oben)</translation>
    </message>
    <message>
        <source>Backward (right to left)</source>
        <translation>Rückwärts (nach links)</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>All cells</source>
        <translation>Alle Zellen</translation>
    </message>
    <message>
        <source>Current row only</source>
        <translation>Nur aktuelle Zeile</translation>
    </message>
    <message>
        <source>Current column only</source>
        <translation>Nur aktuelle Spalte</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Could not find text %1</source>
        <translation>Der Text %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>No more occurences of text %1</source>
        <translation>Keine weiteren Vorkommen des Texts %1</translation>
    </message>
</context>
<context>
    <name>tkm::TGridPreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tkm::TGridPrintSettingsForm</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Print Settings</source>
        <translation>Druckeinstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Headers / Footers</source>
        <translation>Kopf- / Fußzeilen</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Optionen</translation>
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
        <source>Borders:</source>
        <translation>Rahmen:</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Around</source>
        <translation>Außen</translation>
    </message>
    <message>
        <source>Around Vertical</source>
        <translation>Außen und vertikal</translation>
    </message>
    <message>
        <source>Around Horizontal</source>
        <translation>Außen und horizontal</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Strich-Punkt</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Strich-Punkt-Punkt</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <translation>Innerhalb des Rahmens</translation>
    </message>
    <message>
        <source>&amp;Border:</source>
        <translation>&amp;Rahmen:</translation>
    </message>
    <message>
        <source>Border &amp;Style:</source>
        <translation>Rahmen&amp;stil:</translation>
    </message>
    <message>
        <source>General:</source>
        <translation>Allgemein:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Grow to Fit</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Shrink to Fit</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>Fit to &amp;Page:</source>
        <translation>An Seite an&amp;passen:</translation>
    </message>
    <message>
        <source>&amp;AutoSize Columns</source>
        <translation>Spaltenbreiten &amp;automatisch</translation>
    </message>
    <message>
        <source>&amp;Center on Page</source>
        <translation>Auf der Seite &amp;zentrieren</translation>
    </message>
    <message>
        <source>Repeat Fixed Ro&amp;ws</source>
        <translation>Feste Zei&amp;len wiederholen</translation>
    </message>
    <message>
        <source>Repeat Fi&amp;xed Columns</source>
        <translation>Feste Spal&amp;ten wiederholen</translation>
    </message>
    <message>
        <source>Print graphics</source>
        <translation>Grafiken drucken</translation>
    </message>
    <message>
        <source>Fonts:</source>
        <translation>Schriften:</translation>
    </message>
    <message>
        <source>Select the Header Font</source>
        <translation>Schrift der Kopfzeile wählen</translation>
    </message>
    <message>
        <source>Select the Footer Font</source>
        <translation>Schrift der Fußzeile wählen</translation>
    </message>
    <message>
        <source>Select the Table Font</source>
        <translation>Schrift der Tabelle wählen</translation>
    </message>
    <message>
        <source>Date / Time:</source>
        <translation>Datum / Uhrzeit:</translation>
    </message>
    <message>
        <source>&amp;Date Position:</source>
        <translation>&amp;Datumsposition:</translation>
    </message>
    <message>
        <source>&amp;Time Position:</source>
        <translation>&amp;Zeitposition:</translation>
    </message>
    <message>
        <source>Date &amp;Format:</source>
        <translation>Datu&amp;msformat:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Title Te&amp;xt:</source>
        <translation>Titel&amp;text:</translation>
    </message>
    <message>
        <source>Title Po&amp;sition:</source>
        <translation>Titelp&amp;osition:</translation>
    </message>
    <message>
        <source>Page Numbers:</source>
        <translation>Seitenzahlen:</translation>
    </message>
    <message>
        <source>Pr&amp;efix:</source>
        <translation>Prä&amp;fix:</translation>
    </message>
    <message>
        <source>Sep&amp;arator:</source>
        <translation>Tre&amp;nnzeichen:</translation>
    </message>
    <message>
        <source>S&amp;uffix:</source>
        <translation>&amp;Suffix:</translation>
    </message>
    <message>
        <source>&amp;Pages Position:</source>
        <translation>Seitenzahl&amp;position:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Margins:</source>
        <translation>Ränder:</translation>
    </message>
    <message>
        <source>&amp;Top Margin :</source>
        <translation>&amp;Oberer Rand:</translation>
    </message>
    <message>
        <source>&amp;Left Margin :</source>
        <translation>&amp;Linker Rand:</translation>
    </message>
    <message>
        <source>&amp;Right Margin :</source>
        <translation>&amp;Rechter Rand:</translation>
    </message>
    <message>
        <source>&amp;Bottom Margin :</source>
        <translation>&amp;Unterer Rand:</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>&amp;Page Orientation:</source>
        <translation>&amp;Ausrichtung:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation>Abstände:</translation>
    </message>
    <message>
        <source>Row &amp;Spacing :</source>
        <translation>&amp;Zeilenabstand:</translation>
    </message>
    <message>
        <source>C&amp;olumn Spacing :</source>
        <translation>&amp;Spaltenabstand:</translation>
    </message>
    <message>
        <source>Title &amp;Margin :</source>
        <translation>&amp;Titelabstand:</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>Einstellungen &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>Einstellungen &amp;speichern</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Einstellungen laden</translation>
    </message>
</context>
<context>
    <name>tkm::TPreviewPage</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>tkm::TReminderCommands</name>
    <message>
        <source>Due &amp;reminders</source>
        <translation>Erinnerungen bei &amp;Fälligkeit</translation>
    </message>
</context>
<context>
    <name>tkm::TTaskGrid</name>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Nach %1 sortieren</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Zelle</translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation>Eintrag einfügen</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eintrag löschen</translation>
    </message>
</context>
<context>
    <name>tkm::TUndoCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmCalendar</name>
    <message>
        <source>Taskmere - Calendar</source>
        <translation>Taskmere - Kalender</translation>
    </message>
    <message>
        <source>Goto &amp;Date:</source>
        <translation>Gehe zu &amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmInsertRow</name>
    <message>
        <source>Insert Row</source>
        <translation>Zeilen einfügen</translation>
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
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>From the last row</source>
        <translation>Nach der letzten Zeile</translation>
    </message>
    <message>
        <source>Before row #%1</source>
        <translation>Vor Zeile %1</translation>
    </message>
    <message>
        <source>&amp;Insert by:</source>
        <translation>E&amp;infügen:</translation>
    </message>
    <message>
        <source>row(s)</source>
        <translation>Zeile(n)</translation>
    </message>
    <message>
        <source>&amp;Entry Date:</source>
        <translation>&amp;Eintragsdatum:</translation>
    </message>
    <message>
        <source>&amp;Status:</source>
        <translation>&amp;Status:</translation>
    </message>
    <message>
        <source>&amp;Priority:</source>
        <translation>&amp;Priorität:</translation>
    </message>
    <message>
        <source>Due &amp;Date:</source>
        <translation>Fällig &amp;am:</translation>
    </message>
    <message>
        <source>Due &amp;Time:</source>
        <translation>Fällig &amp;um:</translation>
    </message>
    <message>
        <source>Total &amp;Hours:</source>
        <translation>Gesamtstu&amp;nden:</translation>
    </message>
    <message>
        <source>&amp;Cost:</source>
        <translation>&amp;Kosten:</translation>
    </message>
    <message>
        <source>&amp;Resources:</source>
        <translation>&amp;Ressourcen:</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmPrint</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Column to Print</source>
        <translation>Zu druckende Spalten</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Auswahl auf&amp;heben</translation>
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
    <name>tkm::TfrmRemoteList</name>
    <message>
        <source>Open Remote List</source>
        <translation>Entfernte Liste öffnen</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>&amp;Serveradresse:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Find Lists</source>
        <translation>Listen &amp;abrufen</translation>
    </message>
    <message>
        <source>&amp;New List...</source>
        <translation>&amp;Neue Liste...</translation>
    </message>
    <message>
        <source>&amp;Lists of the account:</source>
        <translation>&amp;Listen des Kontos:</translation>
    </message>
    <message>
        <source>Looking for the lists...</source>
        <translation>Listen werden gesucht...</translation>
    </message>
    <message>
        <source>The account has no to-do lists yet: New List... makes one.</source>
        <translation>Das Konto hat noch keine Aufgabenlisten: „Neue Liste...“ legt eine an.</translation>
    </message>
    <message>
        <source>New List</source>
        <translation>Neue Liste</translation>
    </message>
    <message>
        <source>&amp;Name of the new list:</source>
        <translation>&amp;Name der neuen Liste:</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmSaveAs</name>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Column to be Saved</source>
        <translation>Zu speichernde Spalten</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmStat</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Total Hours in work**:</source>
        <translation>Stunden in Arbeit**:</translation>
    </message>
    <message>
        <source>Cost in work**:</source>
        <translation>Kosten in Arbeit**:</translation>
    </message>
    <message>
        <source>Total Hours of all entries*:</source>
        <translation>Stunden aller Einträge*:</translation>
    </message>
    <message>
        <source>Cost of all entries*:</source>
        <translation>Kosten aller Einträge*:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Entries shown:</source>
        <translation>Angezeigte Einträge:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
