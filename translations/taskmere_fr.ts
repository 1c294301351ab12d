<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Columns</name>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completion Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completion Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
<context>
    <name>Documents</name>
    <message>
        <source>Taskmere and iCalendar files (*.tkm *.ics)|*.tkm;*.ics|Taskmere File (*.tkm)|*.tkm|iCalendar to-do list (*.ics)|*.ics|All Files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskmere files (*.tkm)|*.tkm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is busy with its server; try again when it is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the changes you made to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Would you like to save it as %2 instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to save the colors as well?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the %1 shown? No saves all %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the %1 shown? No prints all %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to print the colors as well?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server cannot be reached; your changes are kept and will be sent at the next Save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 conflict: both versions of the entry are kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 conflicts: both versions of the entries are kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server cannot be reached; the list is shown as it was last seen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other clients kept changing the list; the rest is sent at the next Save.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Due</name>
    <message>
        <source>Days from Due: Overdue by %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days from Due: %1 day (Due today)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days from Due: %1 days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text document (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Document (*.htm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (Comma delimited) (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Word (*.doc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Excel (*.xls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet (*.ods)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar to-do list (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds at most %2 rows, and this list has %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Create file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Filter</name>
    <message>
        <source>%1 of %2 entry shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 entries shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>No help is installed: %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No help is installed: neither %1 nor %2 exists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is installed. Save the pages as a PDF file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the pages as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INI files (*.ini)|*.ini|All files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>A to-do list manager for the Linux desktop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Taskmere was not closed properly. Restore the unsaved changes of %1 from %2 %3?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overdue by %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entries are due today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entries are overdue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entries are due today or overdue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Item*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valid Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due Todays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overdues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most Important Priority**</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Priority**</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Priority**</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Priority**</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest Priority**</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Task Description is not empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>**In Progress or Pending.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDesktopCalendarAccounts</name>
    <message>
        <source>The server %1 sends Taskmere on to %2, another server. Send the user name and password there?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring did not keep the password (%1); Taskmere asks for it again next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the server %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDocumentCommands</name>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExportProgress</name>
    <message>
        <source>Exporting %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPrintTarget</name>
    <message>
        <source>The printer refused a new page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start printing on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStatusProgress</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>&amp;Click OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Logoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reboot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Not Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most Important</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TEntryCommands</name>
    <message>
        <source>Add New Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current row?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Multiple Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumber Entries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TFilterBar</name>
    <message>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words the entries hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due this week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the filter (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TGridFindForm</name>
    <message>
        <source>Find text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to find :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Whole words only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Match from first char</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore HTML tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find in fixed cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward (top to bottom)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward (left to right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backward (bottom to top)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backward (right to left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current row only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current column only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find text %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more occurences of text %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TGridPreviewForm</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TGridPrintSettingsForm</name>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headers / Footers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Border:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border &amp;Style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grow to Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shrink to Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to &amp;Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;AutoSize Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Center on Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Fixed Ro&amp;ws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Fi&amp;xed Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Header Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Footer Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Table Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date / Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date &amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title Te&amp;xt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title Po&amp;sition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;efix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep&amp;arator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;uffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pages Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top Margin :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left Margin :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Right Margin :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bottom Margin :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Page Orientation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row &amp;Spacing :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;olumn Spacing :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title &amp;Margin :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TPreviewPage</name>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TReminderCommands</name>
    <message>
        <source>Due &amp;reminders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TTaskGrid</name>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TUndoCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TfrmAbout</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TfrmCalendar</name>
    <message>
        <source>Taskmere - Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goto &amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TfrmInsertRow</name>
    <message>
        <source>Insert Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the last row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before row #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Entry Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Priority:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due &amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due &amp;Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total &amp;Hours:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resources:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TfrmPrint</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column to Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TfrmRemoteList</name>
    <message>
        <source>Open Remote List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lists of the account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for the lists...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account has no to-do lists yet: New List... makes one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name of the new list:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TfrmSaveAs</name>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column to be Saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tkm::TfrmStat</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Hours in work**:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost in work**:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Hours of all entries*:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost of all entries*:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries shown:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
