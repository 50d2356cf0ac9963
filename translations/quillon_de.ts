<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ArchiveFailure</name>
    <message>
        <source>the archive is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archive cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the team archive cannot be reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the team archive refused the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the team archive&apos;s tables are missing or of another version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the archive cannot be used</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TeamStatus</name>
    <message>
        <source>Team archive: up to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Team archive: offline, %n waiting</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Team archive: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::ArchiveController</name>
    <message>
        <source>archive entry of %1 (Mem %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the bank, Mem %1 holds a later record or notes not saved yet. Replace it with the entry chosen here?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore to bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep those</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::ArchiveListModel</name>
    <message>
        <source>PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::ArchiveWindow</name>
    <message>
        <source>This PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::AscanToolsController</name>
    <message>
        <source>%1 (not to scale: no RANGE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (RANGE %2, DELAY %3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::BankListModel</name>
    <message>
        <source>✎ Notes typed and not saved yet: open the memory and press &quot;S  A  V  E&quot; to store them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On display</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::BankOverviewWindow</name>
    <message>
        <source>Table written: %1 (1 memory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table written: %1 (%2 memories)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::FilesController</name>
    <message>
        <source>waveform file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveform file opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (shown before %2 was opened)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Bank opened: %1 (%n received memories)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Bank saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes typed under Mem %1 were not stored with &quot;S  A  V  E&quot;; Save stores them into their memories first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save them before the program ends?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They go back on top of &quot;%1&quot;, the bank file that was open then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank opened: %1, with Mem %2 restored on top of it (not saved yet).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mem %1 restored into the bank (not saved yet).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::GateReadoutTable</name>
    <message>
        <source>Gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dB to level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAC height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dB to DAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sample lies inside gate %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::LanguageController</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window will be in %1 from the next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::LinkController</name>
    <message>
        <source>Mem %1 received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::MainWindow</name>
    <message>
        <source>Discard typed notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sample echo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mem %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — your notes on Mem %2 are kept as a draft.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notes typed under Mem %1 were discarded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::ManualWindow</name>
    <message>
        <source>User manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text in the manual (Enter: next, Shift+Enter: previous)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::NoteLinesPanel</name>
    <message>
        <source>&quot;%1&quot; cannot be stored: the instrument&apos;s character set has no such character.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::RegisterController</name>
    <message>
        <source>Defect register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the archive...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n located defects.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The archive cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gate 1 peak %1 % on %2, %3 % on %4: %5 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gate 1 has no peak in both tests: no change in dB to state.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::RegisterModel</name>
    <message>
        <source>Worsened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous class differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Km. Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flaw Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::RegisterWindow</name>
    <message>
        <source>Defect register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worsened only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous class differs only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flaw Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gate 1 peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (archived)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mem %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::ReportController</name>
    <message>
        <source>Written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up on this computer. &quot;Export PDF&quot; in the File menu writes the same pages to a PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the printer under &quot;PrintSetup&quot;, or write the pages to a file with &quot;Export PDF&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::SaveWindow</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::SerialLink</name>
    <message>
        <source>it is used by another program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::TeamController</name>
    <message>
        <source>Team archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is no connection string: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected; the connection is encrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected; the connection is NOT encrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No team archive is set: the archive stays on this PC.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon::TeamSettingsWindow</name>
    <message>
        <source>Team archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A service name from pg_service.conf or a connection string (host=... dbname=... user=... sslmode=...). The password is read from ~/.pgpass or PGPASSFILE, never kept by this program. Leave it empty to keep the archive on this PC only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploads:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
