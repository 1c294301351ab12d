<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New File (Ctrl+N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Re&amp;mote List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a to-do list on a CalDAV server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this entry as a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print current page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup print properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes and exit Taskmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes back the last change to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the last change taken back again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the current selection and copy it onto the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the current selection onto the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert the item you have copied or cut into the selected location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add New Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a new entry to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes current entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Multiple Entries...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds multiple entries to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Multiple Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches for text on the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the entries that hold the words typed, or are open or due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refreshes the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens calendar window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due &amp;reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminds of entries that are due today or overdue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;number Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumbers the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;atistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the statistic report on current list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Taskmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Taskmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contains commands for working for the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reopen file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contains edit commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contains commands for what the list shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort By...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorts the entry based on column name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contains commands for displaying help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
