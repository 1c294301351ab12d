<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CalDAV</name>
    <message>
        <source>The server %1 answered %2 with XML that cannot be read.</source>
        <translation>Le serveur %1 a répondu pour %2 par un XML illisible.</translation>
    </message>
    <message>
        <source>The server %1 has no CalDAV account at %2.</source>
        <translation>Le serveur %1 n&apos;a pas de compte CalDAV à l&apos;adresse %2.</translation>
    </message>
    <message>
        <source>The server %1 sent more than %2 MB for %3; the answer was not read.</source>
        <translation>Le serveur %1 a envoyé plus de %2 Mo pour %3&#xa0;; la réponse n&apos;a pas été lue.</translation>
    </message>
    <message>
        <source>The server %1 sends the request on to %2, another server; it was not followed.</source>
        <translation>Le serveur %1 renvoie la requête vers %2, un autre serveur&#xa0;; la redirection n&apos;a pas été suivie.</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>La connexion sécurisée à %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 seconds.</source>
        <translation>Le serveur %1 n&apos;a pas répondu dans les %2 secondes.</translation>
    </message>
    <message>
        <source>The server %1 broke off its answer for %2.</source>
        <translation>Le serveur %1 a interrompu sa réponse pour %2.</translation>
    </message>
    <message>
        <source>The server %1 cannot be reached: %2</source>
        <translation>Le serveur %1 est injoignable&#xa0;: %2</translation>
    </message>
    <message>
        <source>The server %1 answered &quot;%2&quot; for %3.</source>
        <translation>Le serveur %1 a répondu «&#xa0;%2&#xa0;» pour %3.</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>No</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Entry Date</source>
        <translation>Saisie le</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation>Description de la tâche</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Date limite</translation>
    </message>
    <message>
        <source>Due Time</source>
        <translation>Heure limite</translation>
    </message>
    <message>
        <source>Resources</source>
        <translation>Ressources</translation>
    </message>
    <message>
        <source>Total Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Completion Date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Completion Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New File</source>
        <translation>&amp;Nouveau fichier</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Crée un nouveau fichier</translation>
    </message>
    <message>
        <source>New File (Ctrl+N)</source>
        <translation>Nouveau fichier (Ctrl+N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Ouvre un fichier</translation>
    </message>
    <message>
        <source>Open (Ctrl+O)</source>
        <translation>Ouvrir (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open Re&amp;mote List...</source>
        <translation>Ouvrir une liste &amp;distante...</translation>
    </message>
    <message>
        <source>Open a to-do list on a CalDAV server</source>
        <translation>Ouvre une liste de tâches sur un serveur CalDAV</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Enregistre les modifications</translation>
    </message>
    <message>
        <source>Save (Ctrl+S)</source>
        <translation>Enregistrer (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save this entry as a file</source>
        <translation>Enregistre la liste dans un autre fichier</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print current page</source>
        <translation>Imprime la page actuelle</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Setup print properties</source>
        <translation>Règle les paramètres d&apos;impression</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Closes and exit Taskmere</source>
        <translation>Ferme et quitte Taskmere</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Takes back the last change to the list</source>
        <translation>Annule la dernière modification de la liste</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Makes the last change taken back again</source>
        <translation>Rétablit la dernière modification annulée</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Removes the current selection and copy it onto the Clipboard</source>
        <translation>Supprime la sélection et la copie dans le presse-papiers</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copies the current selection onto the Clipboard</source>
        <translation>Copie la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Insert the item you have copied or cut into the selected location</source>
        <translation>Insère l&apos;élément copié ou coupé à l&apos;emplacement sélectionné</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>&amp;Add New Entry</source>
        <translation>Ajouter une &amp;entrée</translation>
    </message>
    <message>
        <source>Adds a new entry to the list</source>
        <translation>Ajoute une nouvelle entrée à la liste</translation>
    </message>
    <message>
        <source>Add New Entry</source>
        <translation>Ajouter une entrée</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Deletes current entry</source>
        <translation>Supprime l&apos;entrée actuelle</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Add &amp;Multiple Entries...</source>
        <translation>Ajouter &amp;plusieurs entrées...</translation>
    </message>
    <message>
        <source>Adds multiple entries to the list</source>
        <translation>Ajoute plusieurs entrées à la liste</translation>
    </message>
    <message>
        <source>Add Multiple Entries</source>
        <translation>Ajouter plusieurs entrées</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Searches for text on the list</source>
        <translation>Recherche un texte dans la liste</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filtrer</translation>
    </message>
    <message>
        <source>Shows only the entries that hold the words typed, or are open or due</source>
        <translation>N&apos;affiche que les entrées qui contiennent les mots saisis, ou qui sont ouvertes ou à échéance</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Actua&amp;liser</translation>
    </message>
    <message>
        <source>Refreshes the list</source>
        <translation>Actualise la liste</translation>
    </message>
    <message>
        <source>&amp;View Calendar</source>
        <translation>Afficher le calen&amp;drier</translation>
    </message>
    <message>
        <source>Opens calendar window</source>
        <translation>Ouvre la fenêtre du calendrier</translation>
    </message>
    <message>
        <source>View Calendar</source>
        <translation>Afficher le calendrier</translation>
    </message>
    <message>
        <source>Due &amp;reminders</source>
        <translation>Rappels d&apos;éc&amp;héance</translation>
    </message>
    <message>
        <source>Reminds of entries that are due today or overdue</source>
        <translation>Rappelle les entrées arrivées à échéance aujourd&apos;hui ou en retard</translation>
    </message>
    <message>
        <source>Re&amp;number Entries</source>
        <translation>Re&amp;numéroter les entrées</translation>
    </message>
    <message>
        <source>Renumbers the list</source>
        <translation>Renumérote la liste</translation>
    </message>
    <message>
        <source>St&amp;atistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>Opens the statistic report on current list</source>
        <translation>Ouvre le rapport statistique de la liste actuelle</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Opens help</source>
        <translation>Ouvre l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Taskmere</source>
        <translation>À &amp;propos de Taskmere</translation>
    </message>
    <message>
        <source>About Taskmere</source>
        <translation>À propos de Taskmere</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Contains commands for working for the document</source>
        <translation>Contient les commandes pour travailler sur le document</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Rouvrir</translation>
    </message>
    <message>
        <source>Reopen file</source>
        <translation>Rouvre un fichier récent</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Contains edit commands</source>
        <translation>Contient les commandes d&apos;édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Contains commands for what the list shows</source>
        <translation>Contient les commandes pour choisir ce que la liste affiche</translation>
    </message>
    <message>
        <source>&amp;Sort By...</source>
        <translation>Tr&amp;ier par...</translation>
    </message>
    <message>
        <source>Sorts the entry based on column name</source>
        <translation>Trie les entrées selon une colonne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Contains commands for displaying help</source>
        <translation>Contient les commandes pour afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>Taskmere and iCalendar files (*.tkm *.ics)|*.tkm;*.ics|Taskmere File (*.tkm)|*.tkm|iCalendar to-do list (*.ics)|*.ics|All Files (*.*)|*.*</source>
        <translation>Fichiers Taskmere et iCalendar (*.tkm *.ics)|*.tkm;*.ics|Fichier Taskmere (*.tkm)|*.tkm|Liste de tâches iCalendar (*.ics)|*.ics|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Taskmere files (*.tkm)|*.tkm</source>
        <translation>Fichiers Taskmere (*.tkm)|*.tkm</translation>
    </message>
    <message>
        <source>The list is busy with its server; try again when it is done.</source>
        <translation>La liste est en cours d&apos;échange avec son serveur&#xa0;; réessayez quand ce sera terminé.</translation>
    </message>
    <message>
        <source>Do you want to save the changes you made to %1?</source>
        <translation>Voulez-vous enregistrer les modifications apportées à %1&#xa0;?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Voulez-vous enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>%1 Would you like to save it as %2 instead?</source>
        <translation>%1 Voulez-vous plutôt l&apos;enregistrer au format %2&#xa0;?</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Would you like to save the colors as well?</source>
        <translation>Voulez-vous aussi enregistrer les couleurs&#xa0;?</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 entrée</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 entrées</translation>
    </message>
    <message>
        <source>Save the %1 shown? No saves all %2.</source>
        <translation>Enregistrer seulement les entrées affichées (%1)&#xa0;? Non enregistre toutes les entrées (%2).</translation>
    </message>
    <message>
        <source>Print the %1 shown? No prints all %2.</source>
        <translation>Imprimer seulement les entrées affichées (%1)&#xa0;? Non imprime toutes les entrées (%2).</translation>
    </message>
    <message>
        <source>Would you like to print the colors as well?</source>
        <translation>Voulez-vous aussi imprimer les couleurs&#xa0;?</translation>
    </message>
    <message>
        <source>The server cannot be reached; your changes are kept and will be sent at the next Save.</source>
        <translation>Le serveur est injoignable&#xa0;; vos modifications sont conservées et seront envoyées au prochain enregistrement.</translation>
    </message>
    <message>
        <source>1 conflict: both versions of the entry are kept</source>
        <translation>1 conflit&#xa0;: les deux versions de l&apos;entrée sont conservées</translation>
    </message>
    <message>
        <source>%1 conflicts: both versions of the entries are kept</source>
        <translation>%1 conflits&#xa0;: les deux versions des entrées sont conservées</translation>
    </message>
    <message>
        <source>The server cannot be reached; the list is shown as it was last seen.</source>
        <translation>Le serveur est injoignable&#xa0;; la liste est affichée telle qu&apos;elle était la dernière fois.</translation>
    </message>
    <message>
        <source>Cannot save %1</source>
        <translation>Impossible d&apos;enregistrer %1</translation>
    </message>
    <message>
        <source>Other clients kept changing the list; the rest is sent at the next Save.</source>
        <translation>D&apos;autres clients ont continué à modifier la liste&#xa0;; le reste sera envoyé au prochain enregistrement.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>Due</name>
    <message>
        <source>Days from Due: Overdue by %1 days</source>
        <translation>Jours avant l&apos;échéance&#xa0;: en retard de %1 jours</translation>
    </message>
    <message>
        <source>Days from Due: %1 day (Due today)</source>
        <translation>Jours avant l&apos;échéance&#xa0;: %1 jour (échéance aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>Days from Due: %1 days</source>
        <translation>Jours avant l&apos;échéance&#xa0;: %1 jours</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text document (*.txt)</source>
        <translation>Document texte (*.txt)</translation>
    </message>
    <message>
        <source>Web Document (*.htm)</source>
        <translation>Document web (*.htm)</translation>
    </message>
    <message>
        <source>CSV (Comma delimited) (*.csv)</source>
        <translation>CSV (séparateur&#xa0;: virgule) (*.csv)</translation>
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
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet (*.ods)</source>
        <translation>Classeur OpenDocument (*.ods)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>Texte OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation>Document Word (*.docx)</translation>
    </message>
    <message>
        <source>iCalendar to-do list (*.ics)</source>
        <translation>Liste de tâches iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>%1 holds at most %2 rows, and this list has %3.</source>
        <translation>Le format %1 accepte au plus %2 lignes, et cette liste en a %3.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot Create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>c&apos;est un périphérique de bloc, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the link points to nothing</source>
        <translation>le lien ne pointe vers rien</translation>
    </message>
    <message>
        <source>cannot keep a copy of the old contents in %1: %2</source>
        <translation>impossible de garder une copie de l&apos;ancien contenu dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>another save of it is running</source>
        <translation>un autre enregistrement de ce fichier est en cours</translation>
    </message>
    <message>
        <source>cannot note the save in %1: %2</source>
        <translation>impossible de noter l&apos;enregistrement dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>; the old contents are in %1</source>
        <translation>&#xa0;; l&apos;ancien contenu se trouve dans %1</translation>
    </message>
    <message>
        <source>the file is closed</source>
        <translation>le fichier est fermé</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Impossible d&apos;écrire le fichier %1</translation>
    </message>
    <message>
        <source>Cannot replace file %1</source>
        <translation>Impossible de remplacer le fichier %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>not enough memory (%1 MB)</source>
        <translation>mémoire insuffisante (%1 Mo)</translation>
    </message>
    <message>
        <source>it is not a zip archive</source>
        <translation>ce n&apos;est pas une archive ZIP</translation>
    </message>
    <message>
        <source>ZIP64 archives are not read</source>
        <translation>les archives ZIP64 ne sont pas lues</translation>
    </message>
    <message>
        <source>its directory lies outside it</source>
        <translation>son répertoire se trouve hors de l&apos;archive</translation>
    </message>
    <message>
        <source>its directory is damaged</source>
        <translation>son répertoire est endommagé</translation>
    </message>
    <message>
        <source>a member lies outside it</source>
        <translation>un membre se trouve hors de l&apos;archive</translation>
    </message>
    <message>
        <source>%1 is compressed in a way not read here</source>
        <translation>%1 est compressé d&apos;une manière qui n&apos;est pas lue ici</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 est endommagé</translation>
    </message>
    <message>
        <source>it has no %1</source>
        <translation>%1 en est absent</translation>
    </message>
    <message>
        <source>%1 would need a ZIP64 archive</source>
        <translation>%1 nécessiterait une archive ZIP64</translation>
    </message>
    <message>
        <source>it would need a ZIP64 archive</source>
        <translation>il faudrait une archive ZIP64</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not an iCalendar file</source>
        <translation>ce n&apos;est pas un fichier iCalendar</translation>
    </message>
    <message>
        <source>it holds no to-do entries</source>
        <translation>il ne contient aucune tâche</translation>
    </message>
    <message>
        <source>the to-do cannot be read</source>
        <translation>la tâche est illisible</translation>
    </message>
    <message>
        <source>text after the calendar</source>
        <translation>du texte après le calendrier</translation>
    </message>
    <message>
        <source>components nested too deeply</source>
        <translation>composants imbriqués trop profondément</translation>
    </message>
    <message>
        <source>END:%1 without its BEGIN</source>
        <translation>END:%1 sans son BEGIN</translation>
    </message>
    <message>
        <source>BEGIN:%1 is never ended</source>
        <translation>BEGIN:%1 n&apos;est jamais terminé</translation>
    </message>
    <message>
        <source>the time zone cannot be read</source>
        <translation>le fuseau horaire est illisible</translation>
    </message>
</context>
<context>
    <name>Filter</name>
    <message>
        <source>%1 of %2 entry shown</source>
        <translation>%1 sur %2 entrée affichée</translation>
    </message>
    <message>
        <source>%1 of %2 entries shown</source>
        <translation>%1 sur %2 entrées affichées</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>No help is installed: %1 does not exist.</source>
        <translation>Aucune aide n&apos;est installée&#xa0;: %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No help is installed: neither %1 nor %2 exists.</source>
        <translation>Aucune aide n&apos;est installée&#xa0;: ni %1 ni %2 n&apos;existe.</translation>
    </message>
</context>
<context>
    <name>Office</name>
    <message>
        <source>A sheet of type %1 holds at most %2 rows; this list has %3 with its header.</source>
        <translation>Une feuille de type %1 contient au plus %2 lignes&#xa0;; cette liste en a %3 avec son en-tête.</translation>
    </message>
    <message>
        <source> Save it as %1, which holds %2 rows.</source>
        <translation> Enregistrez-la au format %1, qui contient %2 lignes.</translation>
    </message>
    <message>
        <source>A sheet of type %1 holds at most %2 columns; this export has %3.</source>
        <translation>Une feuille de type %1 contient au plus %2 colonnes&#xa0;; cet export en a %3.</translation>
    </message>
    <message>
        <source>A cell of type %1 holds at most %2 characters; %3 in row %4 has %5. Save it as %6, which keeps it whole.</source>
        <translation>Une cellule de type %1 contient au plus %2 caractères&#xa0;; %3 à la ligne %4 en a %5. Enregistrez la liste au format %6, qui la conserve entière.</translation>
    </message>
    <message>
        <source>Word OLE server not found</source>
        <translation>Serveur OLE Word introuvable</translation>
    </message>
    <message>
        <source>Excel OLE server not found</source>
        <translation>Serveur OLE Excel introuvable</translation>
    </message>
    <message>
        <source>no working folder for LibreOffice in %1: %2</source>
        <translation>aucun dossier de travail pour LibreOffice dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it gave no reason</source>
        <translation>il n&apos;a donné aucune raison</translation>
    </message>
    <message>
        <source>it said &quot;%1&quot;</source>
        <translation>il a indiqué «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the read failed</source>
        <translation>la lecture a échoué</translation>
    </message>
    <message>
        <source>the copy for LibreOffice could not be written to %1: %2</source>
        <translation>la copie pour LibreOffice n&apos;a pas pu être écrite dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>LibreOffice (%1) did not start: %2</source>
        <translation>LibreOffice (%1) n&apos;a pas démarré&#xa0;: %2</translation>
    </message>
    <message>
        <source>LibreOffice did not finish in the time allowed (%1 s) and was stopped; save it as %2, which takes a fraction of the time</source>
        <translation>LibreOffice n&apos;a pas terminé dans le temps imparti (%1 s) et a été arrêté&#xa0;; enregistrez la liste au format %2, qui ne prend qu&apos;une fraction de ce temps</translation>
    </message>
    <message>
        <source>LibreOffice was ended by signal %1; %2</source>
        <translation>LibreOffice a été arrêté par le signal %1&#xa0;; %2</translation>
    </message>
    <message>
        <source>LibreOffice failed with exit code %1; %2</source>
        <translation>LibreOffice a échoué avec le code de sortie %1&#xa0;; %2</translation>
    </message>
    <message>
        <source>LibreOffice wrote no file; %1</source>
        <translation>LibreOffice n&apos;a écrit aucun fichier&#xa0;; %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is installed. Save the pages as a PDF file?</source>
        <translation>Aucune imprimante n&apos;est installée. Enregistrer les pages dans un fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>Save the pages as a PDF file</source>
        <translation>Enregistrer les pages dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>INI files (*.ini)|*.ini|All files (*.*)|*.*</source>
        <translation>Fichiers INI (*.ini)|*.ini|Tous les fichiers (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>A to-do list manager for the Linux desktop</source>
        <translation>Un gestionnaire de listes de tâches pour le bureau Linux</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Taskmere was not closed properly. Restore the unsaved changes of %1 from %2 %3?</source>
        <translation>Taskmere n&apos;a pas été fermé correctement. Restaurer les modifications non enregistrées de %1 du %2 à %3&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Échéance aujourd&apos;hui&#xa0;: %1</translation>
    </message>
    <message>
        <source>Overdue by %1: %2</source>
        <translation>En retard de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 entries are due today</source>
        <translation>%1 entrées arrivent à échéance aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1 entries are overdue</source>
        <translation>%1 entrées sont en retard</translation>
    </message>
    <message>
        <source>%1 entries are due today or overdue</source>
        <translation>%1 entrées arrivent à échéance aujourd&apos;hui ou sont en retard</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Item*</source>
        <translation>Élément*</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Valid Entries</source>
        <translation>Entrées valides</translation>
    </message>
    <message>
        <source>Due Todays</source>
        <translation>Échéance aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Overdues</source>
        <translation>En retard</translation>
    </message>
    <message>
        <source>Most Important Priority**</source>
        <translation>Priorité maximale**</translation>
    </message>
    <message>
        <source>High Priority**</source>
        <translation>Priorité haute**</translation>
    </message>
    <message>
        <source>Normal Priority**</source>
        <translation>Priorité normale**</translation>
    </message>
    <message>
        <source>Low Priority**</source>
        <translation>Priorité basse**</translation>
    </message>
    <message>
        <source>Lowest Priority**</source>
        <translation>Priorité minimale**</translation>
    </message>
    <message>
        <source>Not Started</source>
        <translation>À faire</translation>
    </message>
    <message>
        <source>In Progress</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulée</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Reportée</translation>
    </message>
    <message>
        <source>*Task Description is not empty.</source>
        <translation>*La description de la tâche n&apos;est pas vide.</translation>
    </message>
    <message>
        <source>**In Progress or Pending.</source>
        <translation>**En cours ou en attente.</translation>
    </message>
</context>
<context>
    <name>TDesktopCalendarAccounts</name>
    <message>
        <source>The server %1 sends Taskmere on to %2, another server. Send the user name and password there?</source>
        <translation>Le serveur %1 renvoie Taskmere vers un autre serveur, %2. Y envoyer le nom d&apos;utilisateur et le mot de passe&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>The keyring did not keep the password (%1); Taskmere asks for it again next time.</source>
        <translation>Le trousseau n&apos;a pas conservé le mot de passe (%1)&#xa0;; Taskmere le redemandera la prochaine fois.</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Le serveur a refusé le mot de passe de %1. Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Mot de passe de %1&#xa0;:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Waiting for the server %1...</source>
        <translation>En attente du serveur %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TDocumentCommands</name>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
</context>
<context>
    <name>TExportProgress</name>
    <message>
        <source>Exporting %1...</source>
        <translation>Exportation de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt en cours...</translation>
    </message>
</context>
<context>
    <name>TPrintTarget</name>
    <message>
        <source>The printer refused a new page</source>
        <translation>L&apos;imprimante a refusé une nouvelle page</translation>
    </message>
    <message>
        <source>Cannot start printing on %1</source>
        <translation>Impossible de lancer l&apos;impression sur %1</translation>
    </message>
    <message>
        <source>The printer %1 failed</source>
        <translation>Échec de l&apos;imprimante %1</translation>
    </message>
    <message>
        <source>the PDF writer failed</source>
        <translation>l&apos;écriture du PDF a échoué</translation>
    </message>
</context>
<context>
    <name>TStatusProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>&amp;Click OFF</source>
        <translation>&amp;Arrêt en un clic</translation>
    </message>
    <message>
        <source>&amp;Hibernate</source>
        <translation>&amp;Hiberner</translation>
    </message>
    <message>
        <source>&amp;Logoff</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Reboot</source>
        <translation>&amp;Redémarrer</translation>
    </message>
    <message>
        <source>&amp;Shutdown</source>
        <translation>É&amp;teindre</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>&amp;Mettre en veille</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Not Started</source>
        <translation>À faire</translation>
    </message>
    <message>
        <source>In Progress</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulée</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Reportée</translation>
    </message>
    <message>
        <source>Most Important</source>
        <translation>Maximale</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Minimale</translation>
    </message>
</context>
<context>
    <name>tkm::TEntryCommands</name>
    <message>
        <source>Add New Entry</source>
        <translation>Ajouter une entrée</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Supprimer l&apos;entrée</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current row?</source>
        <translation>Voulez-vous vraiment supprimer la ligne actuelle&#xa0;?</translation>
    </message>
    <message>
        <source>Add Multiple Entries</source>
        <translation>Ajouter plusieurs entrées</translation>
    </message>
    <message>
        <source>Renumber Entries</source>
        <translation>Renuméroter les entrées</translation>
    </message>
</context>
<context>
    <name>tkm::TFilterBar</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>Fi&amp;ltre&#xa0;:</translation>
    </message>
    <message>
        <source>Words the entries hold</source>
        <translation>Mots que contiennent les entrées</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Voir&#xa0;:</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Toutes les entrées</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvertes</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Échéance aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>En retard</translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation>Échéance cette semaine</translation>
    </message>
    <message>
        <source>Close the filter (Esc)</source>
        <translation>Fermer le filtre (Échap)</translation>
    </message>
</context>
<context>
    <name>tkm::TGridFindForm</name>
    <message>
        <source>Find text</source>
        <translation>Rechercher un texte</translation>
    </message>
    <message>
        <source>Text to find :</source>
        <translation>Chercher&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>&amp;Whole words only</source>
        <translation>&amp;Mots entiers seuls</translation>
    </message>
    <message>
        <source>&amp;Match from first char</source>
        <translation>Au &amp;début du texte</translation>
    </message>
    <message>
        <source>&amp;Ignore HTML tags</source>
        <translation>&amp;Ignorer le HTML</translation>
    </message>
    <message>
        <source>&amp;Find in fixed cells</source>
        <translation>Cellules &amp;fixes incluses</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Forward (top to bottom)</source>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>Forward (left to right)</source>
        <translation>Vers la droite</translation>
    </message>
    <message>
        <source>Backward (bottom to top)</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Backward (right to left)</source>
        <translation>Vers la gauche</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Portée</translation>
    </message>
    <message>
        <source>All cells</source>
        <translation>Toutes les cellules</translation>
    </message>
    <message>
        <source>Current row only</source>
        <translation>Ligne actuelle</translation>
    </message>
    <message>
        <source>Current column only</source>
        <translation>Colonne actuelle</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Could not find text %1</source>
        <translation>Texte %1 introuvable</translation>
    </message>
    <message>
        <source>No more occurences of text %1</source>
        <translation>Plus d&apos;autre occurrence du texte %1</translation>
    </message>
</context>
<context>
    <name>tkm::TGridPreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tkm::TGridPrintSettingsForm</name>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>Print Settings</source>
        <translation>Paramètres d&apos;impression</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Headers / Footers</source>
        <translation>En-têtes / pieds de page</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Borders:</source>
        <translation>Bordures&#xa0;:</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticales</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontales</translation>
    </message>
    <message>
        <source>Around</source>
        <translation>Autour</translation>
    </message>
    <message>
        <source>Around Vertical</source>
        <translation>Autour et verticales</translation>
    </message>
    <message>
        <source>Around Horizontal</source>
        <translation>Autour et horizontales</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Pointillés</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Tiret-point</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Tiret-point-point</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <translation>Intérieur du cadre</translation>
    </message>
    <message>
        <source>&amp;Border:</source>
        <translation>&amp;Bordure&#xa0;:</translation>
    </message>
    <message>
        <source>Border &amp;Style:</source>
        <translation>&amp;Style de bordure&#xa0;:</translation>
    </message>
    <message>
        <source>General:</source>
        <translation>Général&#xa0;:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Grow to Fit</source>
        <translation>Agrandir pour ajuster</translation>
    </message>
    <message>
        <source>Shrink to Fit</source>
        <translation>Réduire pour ajuster</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>Fit to &amp;Page:</source>
        <translation>Ajuster à la &amp;page&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;AutoSize Columns</source>
        <translation>Ajuster &amp;automatiquement les colonnes</translation>
    </message>
    <message>
        <source>&amp;Center on Page</source>
        <translation>&amp;Centrer sur la page</translation>
    </message>
    <message>
        <source>Repeat Fixed Ro&amp;ws</source>
        <translation>Répéter les lignes &amp;fixes</translation>
    </message>
    <message>
        <source>Repeat Fi&amp;xed Columns</source>
        <translation>Répéter les colonnes fi&amp;xes</translation>
    </message>
    <message>
        <source>Print graphics</source>
        <translation>Imprimer les graphiques</translation>
    </message>
    <message>
        <source>Fonts:</source>
        <translation>Polices&#xa0;:</translation>
    </message>
    <message>
        <source>Select the Header Font</source>
        <translation>Choisir la police de l&apos;en-tête</translation>
    </message>
    <message>
        <source>Select the Footer Font</source>
        <translation>Choisir la police du pied de page</translation>
    </message>
    <message>
        <source>Select the Table Font</source>
        <translation>Choisir la police du tableau</translation>
    </message>
    <message>
        <source>Date / Time:</source>
        <translation>Date / heure&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Date Position:</source>
        <translation>Position de la &amp;date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Time Position:</source>
        <translation>Position de l&apos;&amp;heure&#xa0;:</translation>
    </message>
    <message>
        <source>Date &amp;Format:</source>
        <translation>&amp;Format de date&#xa0;:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Title Te&amp;xt:</source>
        <translation>Te&amp;xte du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Title Po&amp;sition:</source>
        <translation>Po&amp;sition du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Page Numbers:</source>
        <translation>Numéros de page&#xa0;:</translation>
    </message>
    <message>
        <source>Pr&amp;efix:</source>
        <translation>&amp;Préfixe&#xa0;:</translation>
    </message>
    <message>
        <source>Sep&amp;arator:</source>
        <translation>Sépa&amp;rateur&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;uffix:</source>
        <translation>S&amp;uffixe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Pages Position:</source>
        <translation>Position des &amp;numéros&#xa0;:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Margins:</source>
        <translation>Marges&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Top Margin :</source>
        <translation>Marge &amp;haute&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Left Margin :</source>
        <translation>Marge &amp;gauche&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Right Margin :</source>
        <translation>Marge &amp;droite&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Bottom Margin :</source>
        <translation>Marge &amp;basse&#xa0;:</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Orientation&#xa0;:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>&amp;Page Orientation:</source>
        <translation>Orientation de la &amp;page&#xa0;:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation>Espacement&#xa0;:</translation>
    </message>
    <message>
        <source>Row &amp;Spacing :</source>
        <translation>Espacement des &amp;lignes&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;olumn Spacing :</source>
        <translation>Espacement des &amp;colonnes&#xa0;:</translation>
    </message>
    <message>
        <source>Title &amp;Margin :</source>
        <translation>&amp;Marge du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>&amp;Charger les paramètres</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>&amp;Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Charger les paramètres</translation>
    </message>
</context>
<context>
    <name>tkm::TPreviewPage</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>tkm::TReminderCommands</name>
    <message>
        <source>Due &amp;reminders</source>
        <translation>Rappels d&apos;éc&amp;héance</translation>
    </message>
</context>
<context>
    <name>tkm::TTaskGrid</name>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Trier par %1</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Cellule</translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation>Insérer une entrée</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Supprimer l&apos;entrée</translation>
    </message>
</context>
<context>
    <name>tkm::TUndoCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Courriel&#xa0;:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmCalendar</name>
    <message>
        <source>Taskmere - Calendar</source>
        <translation>Taskmere - Calendrier</translation>
    </message>
    <message>
        <source>Goto &amp;Date:</source>
        <translation>Aller à la &amp;date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Aller</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Au&amp;jourd&apos;hui</translation>
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
        <translation>Insérer des lignes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>From the last row</source>
        <translation>Après la dernière ligne</translation>
    </message>
    <message>
        <source>Before row #%1</source>
        <translation>Avant la ligne n°&#xa0;%1</translation>
    </message>
    <message>
        <source>&amp;Insert by:</source>
        <translation>&amp;Insérer&#xa0;:</translation>
    </message>
    <message>
        <source>row(s)</source>
        <translation>ligne(s)</translation>
    </message>
    <message>
        <source>&amp;Entry Date:</source>
        <translation>Date de &amp;saisie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Status:</source>
        <translation>É&amp;tat&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Priority:</source>
        <translation>&amp;Priorité&#xa0;:</translation>
    </message>
    <message>
        <source>Due &amp;Date:</source>
        <translation>&amp;Date limite&#xa0;:</translation>
    </message>
    <message>
        <source>Due &amp;Time:</source>
        <translation>&amp;Heure limite&#xa0;:</translation>
    </message>
    <message>
        <source>Total &amp;Hours:</source>
        <translation>Heures t&amp;otales&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Cost:</source>
        <translation>&amp;Coût&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Resources:</source>
        <translation>&amp;Ressources&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmPrint</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Column to Print</source>
        <translation>Colonnes à imprimer</translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation>&amp;Tout cocher</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Tout &amp;décocher</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmRemoteList</name>
    <message>
        <source>Open Remote List</source>
        <translation>Ouvrir une liste distante</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>Adresse du &amp;serveur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Find Lists</source>
        <translation>&amp;Chercher les listes</translation>
    </message>
    <message>
        <source>&amp;New List...</source>
        <translation>&amp;Nouvelle liste...</translation>
    </message>
    <message>
        <source>&amp;Lists of the account:</source>
        <translation>&amp;Listes du compte&#xa0;:</translation>
    </message>
    <message>
        <source>Looking for the lists...</source>
        <translation>Recherche des listes...</translation>
    </message>
    <message>
        <source>The account has no to-do lists yet: New List... makes one.</source>
        <translation>Le compte n&apos;a encore aucune liste de tâches&#xa0;: Nouvelle liste... en crée une.</translation>
    </message>
    <message>
        <source>New List</source>
        <translation>Nouvelle liste</translation>
    </message>
    <message>
        <source>&amp;Name of the new list:</source>
        <translation>&amp;Nom de la nouvelle liste&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmSaveAs</name>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Column to be Saved</source>
        <translation>Colonnes à enregistrer</translation>
    </message>
</context>
<context>
    <name>tkm::TfrmStat</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Total Hours in work**:</source>
        <translation>Heures totales en cours**&#xa0;:</translation>
    </message>
    <message>
        <source>Cost in work**:</source>
        <translation>Coût en cours**&#xa0;:</translation>
    </message>
    <message>
        <source>Total Hours of all entries*:</source>
        <translation>Heures de toutes les entrées*&#xa0;:</translation>
    </message>
    <message>
        <source>Cost of all entries*:</source>
        <translation>Coût de toutes les entrées*&#xa0;:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Entries shown:</source>
        <translation>Entrées affichées&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
