<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ArchiveFailure</name>
    <message>
        <source>the archive is damaged</source>
        <translation>das Archiv ist beschädigt</translation>
    </message>
    <message>
        <source>the archive cannot be written</source>
        <translation>das Archiv kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the team archive cannot be reached</source>
        <translation>das Team-Archiv ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the team archive refused the connection</source>
        <translation>das Team-Archiv hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>the team archive&apos;s tables are missing or of another version</source>
        <translation>die Tabellen des Team-Archivs fehlen oder haben eine andere Version</translation>
    </message>
    <message>
        <source>the archive cannot be used</source>
        <translation>das Archiv kann nicht verwendet werden</translation>
    </message>
</context>
<context>
    <name>ArchiveKind</name>
    <message>
        <source>received</source>
        <extracomment>An archive entry the instrument sent on its own</extracomment>
        <translation>empfangen</translation>
    </message>
    <message>
        <source>captured</source>
        <extracomment>An archive entry asked for from the instrument by memory number</extracomment>
        <translation>abgerufen</translation>
    </message>
    <message>
        <source>loaded</source>
        <extracomment>An archive entry read from a bank file</extracomment>
        <translation>geladen</translation>
    </message>
    <message>
        <source>notes</source>
        <extracomment>An archive entry made when notes were saved</extracomment>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>AscanMeasure</name>
    <message>
        <source>Sample %1   Amplitude %2 %</source>
        <translation>Abtastwert %1   Amplitude %2 %</translation>
    </message>
    <message>
        <source>Sample %1   Path %2   Amplitude %3 %</source>
        <translation>Abtastwert %1   Schallweg %2   Amplitude %3 %</translation>
    </message>
</context>
<context>
    <name>BankFile</name>
    <message>
        <source>%1: memory %2, position %3: %4</source>
        <translation>%1: Speicher %2, Position %3: %4</translation>
    </message>
</context>
<context>
    <name>BankReader</name>
    <message>
        <source>the file ends after %1 of its %2 numbers</source>
        <translation>die Datei endet nach %1 ihrer %2 Zahlen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is not a value from 0 to 255</source>
        <translation>%1 ist kein Wert von 0 bis 255</translation>
    </message>
</context>
<context>
    <name>BankTable</name>
    <message>
        <source>Time and date</source>
        <translation>Uhrzeit und Datum</translation>
    </message>
    <message>
        <source>RANGE</source>
        <translation>BEREICH</translation>
    </message>
    <message>
        <source>VEL M/S</source>
        <translation>SCHALLG. M/S</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>VERZÖG.</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <source>REF</source>
        <translation>REF</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>WINKEL</translation>
    </message>
    <message>
        <source>GATE 1</source>
        <translation>BLENDE 1</translation>
    </message>
    <message>
        <source>START 1</source>
        <translation>START 1</translation>
    </message>
    <message>
        <source>END 1</source>
        <translation>ENDE 1</translation>
    </message>
    <message>
        <source>LEVEL 1</source>
        <translation>PEGEL 1</translation>
    </message>
    <message>
        <source>GATE 2</source>
        <translation>BLENDE 2</translation>
    </message>
    <message>
        <source>START 2</source>
        <translation>START 2</translation>
    </message>
    <message>
        <source>END 2</source>
        <translation>ENDE 2</translation>
    </message>
    <message>
        <source>LEVEL 2</source>
        <translation>PEGEL 2</translation>
    </message>
    <message>
        <source>DAC</source>
        <translation>DAC</translation>
    </message>
    <message>
        <source>Beam Path</source>
        <translation>Schallweg</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: no file name was given.</source>
        <translation>Die Bank wurde nicht in „%1“ gespeichert: Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: that is a folder, not a file.</source>
        <translation>Die Bank wurde nicht in „%1“ gespeichert: Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: that is a device or a pipe, not a file.</source>
        <translation>Die Bank wurde nicht in „%1“ gespeichert: Das ist ein Gerät oder eine Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: the folder &quot;%2&quot; does not exist.</source>
        <translation>Die Bank wurde nicht in „%1“ gespeichert: Der Ordner „%2“ existiert nicht.</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: the file cannot be written (%2).</source>
        <translation>Die Bank wurde nicht in „%1“ gespeichert: Die Datei kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: writing failed (%2). A file already there keeps its old contents.</source>
        <translation>Die Bank wurde nicht in „%1“ gespeichert: Das Schreiben ist fehlgeschlagen (%2). Eine vorhandene Datei behält ihren alten Inhalt.</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: the new file could not replace the old one (%2). The old file keeps its contents.</source>
        <translation>Die Bank wurde nicht in „%1“ gespeichert: Die neue Datei konnte die alte nicht ersetzen (%2). Die alte Datei behält ihren Inhalt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: there is no such file. Nothing was changed.</source>
        <translation>„%1“ kann nicht geöffnet werden: Diese Datei gibt es nicht. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: it is a folder. Nothing was changed.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist ein Ordner. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: it is a device or a pipe, not a file. Nothing was changed.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist ein Gerät oder eine Pipe, keine Datei. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2. Nothing was changed.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be loaded as a bank file: %2. Nothing was changed.</source>
        <translation>„%1“ kann nicht als Bankdatei geladen werden: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported as a waveform file: %2. Nothing was changed.</source>
        <translation>„%1“ kann nicht als Wellenformdatei importiert werden: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: %2</source>
        <translation>Die Bank wurde nicht in „%1“ gespeichert: %2</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>it is a device or a pipe, not a file</source>
        <translation>es ist ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
</context>
<context>
    <name>LoadedFile</name>
    <message>
        <source>memory %1, position %2: %3</source>
        <translation>Speicher %1, Position %2: %3</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than a bank file&apos;s %2</source>
        <translation>sie enthält %1 Byte, weit mehr als die %2 einer Bankdatei</translation>
    </message>
</context>
<context>
    <name>MemoryListParser</name>
    <message>
        <source>&quot;%1&quot; is not a memory or a range of memories from 1 to 200</source>
        <translation>„%1“ ist kein Speicher und kein Speicherbereich von 1 bis 200</translation>
    </message>
</context>
<context>
    <name>NoteLines</name>
    <message>
        <source>Operator Name/Code</source>
        <translation>Prüfer Name/Code</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Bezirk</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Km. Post</source>
        <translation>Km-Stein</translation>
    </message>
    <message>
        <source>Rail LH/RH  &amp;  Up/Dn</source>
        <translation>Schiene L/R &amp; Gleis</translation>
    </message>
    <message>
        <source>Deffect Location</source>
        <translation>Fehlerort</translation>
    </message>
    <message>
        <source>Rolling Mark</source>
        <translation>Walzzeichen</translation>
    </message>
    <message>
        <source>Type of Probe</source>
        <translation>Prüfkopftyp</translation>
    </message>
    <message>
        <source>Flaw Code</source>
        <translation>Fehlercode</translation>
    </message>
    <message>
        <source>Def. Class OBS/IMR/REM</source>
        <translation>Fehlerklasse OBS/IMR/REM</translation>
    </message>
    <message>
        <source>Prev. Defect Class</source>
        <translation>Vorige Fehlerklasse</translation>
    </message>
    <message>
        <source>Peak Patt. Detail</source>
        <translation>Echobild Detail</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>ZERO</source>
        <translation>NULL</translation>
    </message>
    <message>
        <source>RANGE</source>
        <translation>BEREICH</translation>
    </message>
    <message>
        <source>VEL M/S</source>
        <translation>SCHALLG. M/S</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>VERZÖG.</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <source>GATE 1</source>
        <translation>BLENDE 1</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>END</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>PEGEL</translation>
    </message>
    <message>
        <source>GATE 2</source>
        <translation>BLENDE 2</translation>
    </message>
    <message>
        <source>MEM</source>
        <translation>SPEICHER</translation>
    </message>
    <message>
        <source>MEM NO</source>
        <translation>SP.-NR.</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>AKTION</translation>
    </message>
    <message>
        <source>REF</source>
        <translation>REF</translation>
    </message>
    <message>
        <source>REJECT</source>
        <translation>UNTERDR.</translation>
    </message>
    <message>
        <source>SET REF</source>
        <translation>REF SETZ.</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VIDEO</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>MODUS</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>UHR</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>HORN</source>
        <translation>HUPE</translation>
    </message>
    <message>
        <source>BRIGHT</source>
        <translation>HELL</translation>
    </message>
    <message>
        <source>DAC</source>
        <translation>DAC</translation>
    </message>
    <message>
        <source>CURSOR</source>
        <translation>CURSOR</translation>
    </message>
    <message>
        <source>POINT</source>
        <translation>PUNKT</translation>
    </message>
    <message>
        <source>PRESS</source>
        <translation>DRÜCKEN</translation>
    </message>
    <message>
        <source>MEASURE</source>
        <translation>MESSEN</translation>
    </message>
    <message>
        <source>X-OFF</source>
        <translation>X-OFFSET</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>WINKEL</translation>
    </message>
    <message>
        <source>THICK</source>
        <translation>DICKE</translation>
    </message>
    <message>
        <source>HUD</source>
        <translation>HUD</translation>
    </message>
    <message>
        <source>BEEP</source>
        <translation>SIGNAL</translation>
    </message>
    <message>
        <source>Beam Path</source>
        <translation>Schallweg</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>the record carries no memory number</source>
        <translation>der Datensatz trägt keine Speichernummer</translation>
    </message>
    <message>
        <source>memory number %1 is above %2</source>
        <translation>Speichernummer %1 ist größer als %2</translation>
    </message>
    <message>
        <source>memory number %1 is not valid</source>
        <translation>Speichernummer %1 ist ungültig</translation>
    </message>
</context>
<context>
    <name>RecoveryFormat</name>
    <message>
        <source>it does not start with &quot;%1&quot;</source>
        <translation>sie beginnt nicht mit „%1“</translation>
    </message>
    <message>
        <source>line %1 holds %2 numbers instead of %3</source>
        <translation>Zeile %1 enthält %2 Zahlen statt %3</translation>
    </message>
    <message>
        <source>line %1 names no memory row</source>
        <translation>Zeile %1 nennt keine Speicherzeile</translation>
    </message>
    <message>
        <source>line %1 has no mark 0 or 1</source>
        <translation>Zeile %1 hat keine Markierung 0 oder 1</translation>
    </message>
    <message>
        <source>line %1, position %2 is not a value</source>
        <translation>Zeile %1, Position %2 ist kein Wert</translation>
    </message>
</context>
<context>
    <name>ReportError</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>kein Fehler</translation>
    </message>
    <message>
        <source>no printer is set up</source>
        <translation>es ist kein Drucker eingerichtet</translation>
    </message>
    <message>
        <source>the printer cannot start a print job</source>
        <translation>der Drucker kann keinen Druckauftrag beginnen</translation>
    </message>
    <message>
        <source>the printer cannot start a new page</source>
        <translation>der Drucker kann keine neue Seite beginnen</translation>
    </message>
    <message>
        <source>the printer reported an error at the end of the job</source>
        <translation>der Drucker hat am Ende des Auftrags einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>the output file cannot be created</source>
        <translation>die Ausgabedatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the output file cannot be written completely</source>
        <translation>die Ausgabedatei kann nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>the document cannot be assembled</source>
        <translation>das Dokument kann nicht zusammengestellt werden</translation>
    </message>
    <message>
        <source>The Report can&apos;t be printed.</source>
        <translation>Der Prüfbericht kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Word Doc file is created</source>
        <translation>Word-Dokument wurde erstellt</translation>
    </message>
</context>
<context>
    <name>TableExport</name>
    <message>
        <source>cannot replace the file</source>
        <translation>die Datei kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>cannot create the workbook</source>
        <translation>die Arbeitsmappe kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>TeamStatus</name>
    <message>
        <source>Team archive: up to date</source>
        <translation>Team-Archiv: aktuell</translation>
    </message>
    <message numerus="yes">
        <source>Team archive: offline, %n waiting</source>
        <translation>
            <numerusform>Team-Archiv: offline, %n wartet</numerusform>
            <numerusform>Team-Archiv: offline, %n warten</numerusform>
        </translation>
    </message>
    <message>
        <source>Team archive: %1</source>
        <translation>Team-Archiv: %1</translation>
    </message>
</context>
<context>
    <name>WaveformFile</name>
    <message>
        <source>a waveform file needs at least %1 bytes, this one has %2</source>
        <translation>eine Wellenformdatei braucht mindestens %1 Byte, diese hat %2</translation>
    </message>
    <message>
        <source>a file of %1 bytes is a bank file, not a waveform file (waveform files have fewer than %2 bytes)</source>
        <translation>eine Datei mit %1 Byte ist eine Bankdatei, keine Wellenformdatei (Wellenformdateien haben weniger als %2 Byte)</translation>
    </message>
</context>
<context>
    <name>quillon::AboutBox</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Application for to Transfer Data from Rail Tester  to PC</source>
        <translation>Programm zur Übertragung der Daten vom Schienenprüfgerät auf den PC</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quillon::ArchiveController</name>
    <message>
        <source>archive entry of %1 (Mem %2)</source>
        <translation>Archiveintrag vom %1 (Speicher %2)</translation>
    </message>
    <message>
        <source>In the bank, Mem %1 holds a later record or notes not saved yet. Replace it with the entry chosen here?</source>
        <translation>In der Bank enthält Speicher %1 eine neuere Aufnahme oder noch nicht gespeicherte Notizen. Durch den hier gewählten Eintrag ersetzen?</translation>
    </message>
    <message>
        <source>Restore to bank</source>
        <translation>In die Bank zurückholen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep those</source>
        <translation>Diese behalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Export Bank File</source>
        <translation>Bankdatei exportieren</translation>
    </message>
    <message>
        <source>Bank files (*.dat)</source>
        <translation>Bankdateien (*.dat)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The archive cannot be read: %1</source>
        <translation>Das Archiv kann nicht gelesen werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries restored to the bank.</source>
        <translation>
            <numerusform>%n Eintrag in die Bank zurückgeholt.</numerusform>
            <numerusform>%n Einträge in die Bank zurückgeholt.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written (%2).</source>
        <translation>„%1“ kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Bank file written: %1</source>
        <translation>Bankdatei geschrieben: %1</translation>
    </message>
    <message>
        <source>The Report can&apos;t be printed.</source>
        <translation>Der Prüfbericht kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>PDF written: %1</source>
        <translation>PDF geschrieben: %1</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>quillon::ArchiveListModel</name>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>quillon::ArchiveWindow</name>
    <message>
        <source>This PC</source>
        <translation>Dieser PC</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Search the notes</source>
        <translation>Notizen durchsuchen</translation>
    </message>
    <message>
        <source>Mem </source>
        <extracomment>The prefix of the memory number, as in &quot;Mem 9&quot;</extracomment>
        <translation>Speicher </translation>
    </message>
    <message>
        <source>Every memory</source>
        <translation>Alle Speicher</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Restore to bank</source>
        <translation>In die Bank zurückholen</translation>
    </message>
    <message>
        <source>Export Bank File</source>
        <translation>Bankdatei exportieren</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>The archive cannot be read: %1</source>
        <translation>Das Archiv kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No entries.</source>
        <translation>Keine Einträge.</translation>
    </message>
</context>
<context>
    <name>quillon::AscanToolsController</name>
    <message>
        <source>Sample 249   Path 1234.56   Amplitude 100 %  </source>
        <extracomment>The widest cursor readout, only measured for the label&apos;s width: translate it as the readout under the A-scan is translated.</extracomment>
        <translation>Abtastwert 249   Schallweg 1234,56   Amplitude 100 %  </translation>
    </message>
    <message>
        <source>A-scan</source>
        <translation>A-Bild</translation>
    </message>
    <message>
        <source>Copy A-scan</source>
        <translation>A-Bild kopieren</translation>
    </message>
    <message>
        <source>Save A-scan image</source>
        <translation>A-Bild als Bild speichern</translation>
    </message>
    <message>
        <source>Whole trace</source>
        <translation>Ganzes A-Bild</translation>
    </message>
    <message>
        <source>Clear comparison</source>
        <translation>Vergleich entfernen</translation>
    </message>
    <message>
        <source>Compare with the trace on display</source>
        <translation>Mit dem angezeigten A-Bild vergleichen</translation>
    </message>
    <message>
        <source>Nothing to compare: %1 holds no record.</source>
        <translation>Nichts zu vergleichen: %1 enthält keine Aufnahme.</translation>
    </message>
    <message>
        <source>A-scan copied</source>
        <translation>A-Bild kopiert</translation>
    </message>
    <message>
        <source>A-scan image not saved to %1: %2</source>
        <translation>A-Bild nicht in %1 gespeichert: %2</translation>
    </message>
    <message>
        <source>A-scan image saved to %1</source>
        <translation>A-Bild in %1 gespeichert</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
</context>
<context>
    <name>quillon::BankListModel</name>
    <message>
        <source>✎ Notes typed and not saved yet: open the memory and press &quot;S  A  V  E&quot; to store them.</source>
        <translation>✎ Notizen eingegeben, aber noch nicht gespeichert: Speicher öffnen und „SPEICHERN“ drücken.</translation>
    </message>
    <message>
        <source>On display</source>
        <translation>Angezeigt</translation>
    </message>
    <message>
        <source>Mem %1</source>
        <extracomment>An item of the memory list; a marked memory has &quot; *&quot; after it</extracomment>
        <translation>Speicher %1</translation>
    </message>
</context>
<context>
    <name>quillon::BankOverviewWindow</name>
    <message>
        <source>Table written: %1 (1 memory)</source>
        <translation>Tabelle geschrieben: %1 (1 Speicher)</translation>
    </message>
    <message>
        <source>Bank overview</source>
        <translation>Bankübersicht</translation>
    </message>
    <message>
        <source>Filter: any text of a row, e.g. KM 121</source>
        <translation>Filter: beliebiger Text einer Zeile, z. B. KM 121</translation>
    </message>
    <message>
        <source>All 200 memories</source>
        <translation>Alle 200 Speicher</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Tabelle exportieren</translation>
    </message>
    <message numerus="yes">
        <source>%n of 200 memories shown</source>
        <translation>
            <numerusform>%n von 200 Speichern angezeigt</numerusform>
            <numerusform>%n von 200 Speichern angezeigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked memories shown</source>
        <translation>
            <numerusform>%n markierter Speicher angezeigt</numerusform>
            <numerusform>%n markierte Speicher angezeigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Table written: %1 (%n memories)</source>
        <translation>
            <numerusform>Tabelle geschrieben: %1 (%n Speicher)</numerusform>
            <numerusform>Tabelle geschrieben: %1 (%n Speicher)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::BankSaver</name>
    <message>
        <source>the drive is read-only</source>
        <translation>das Laufwerk ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>quillon::BankTableModel</name>
    <message>
        <source>A-scan</source>
        <translation>A-Bild</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>A marked memory in the bank overview&apos;s &quot;Marked&quot; column</extracomment>
        <translation>ja</translation>
    </message>
</context>
<context>
    <name>quillon::Capture</name>
    <message>
        <source>A capture is already running.</source>
        <translation>Ein Abruf läuft bereits.</translation>
    </message>
    <message>
        <source>No serial port is open: choose one under Option.</source>
        <translation>Keine serielle Schnittstelle ist offen: unter „Option“ eine wählen.</translation>
    </message>
    <message>
        <source>A record is arriving from the instrument: capture when it has been received.</source>
        <translation>Vom Gerät kommt gerade eine Aufnahme: nach deren Empfang abrufen.</translation>
    </message>
</context>
<context>
    <name>quillon::CaptureProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop after the memory being received now; the instrument is released</source>
        <translation>Nach dem gerade empfangenen Speicher aufhören; das Gerät wird freigegeben</translation>
    </message>
    <message numerus="yes">
        <source>Capture of %n memories</source>
        <translation>
            <numerusform>Abruf von %n Speicher</numerusform>
            <numerusform>Abruf von %n Speichern</numerusform>
        </translation>
    </message>
    <message>
        <source>Capture: memory %1 of %2 (Mem %3), cancelling after this one</source>
        <translation>Abruf: Speicher %1 von %2 (Speicher %3), Abbruch nach diesem</translation>
    </message>
    <message>
        <source>Capture: memory %1 of %2 (Mem %3)</source>
        <translation>Abruf: Speicher %1 von %2 (Speicher %3)</translation>
    </message>
    <message>
        <source>Capture: memory %1 of %2, cancelling after this one</source>
        <translation>Abruf: Speicher %1 von %2, Abbruch nach diesem</translation>
    </message>
    <message>
        <source>Capture: memory %1 of %2</source>
        <translation>Abruf: Speicher %1 von %2</translation>
    </message>
</context>
<context>
    <name>quillon::FileOpener</name>
    <message>
        <source>File Open</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>The bank holds received records or notes that are in no bank file yet. Loading &quot;%1&quot; replaces the whole bank.</source>
        <translation>Die Bank enthält empfangene Aufnahmen oder Notizen, die noch in keiner Bankdatei stehen. Das Laden von „%1“ ersetzt die ganze Bank.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quillon::FilesController</name>
    <message>
        <source>waveform file %1</source>
        <translation>Wellenformdatei %1</translation>
    </message>
    <message>
        <source>Waveform file opened: %1</source>
        <translation>Wellenformdatei geöffnet: %1</translation>
    </message>
    <message>
        <source>%1 (shown before %2 was opened)</source>
        <translation>%1 (angezeigt, bevor %2 geöffnet wurde)</translation>
    </message>
    <message numerus="yes">
        <source>Bank opened: %1 (%n received memories)</source>
        <translation>
            <numerusform>Bank geöffnet: %1 (%n empfangener Speicher)</numerusform>
            <numerusform>Bank geöffnet: %1 (%n empfangene Speicher)</numerusform>
        </translation>
    </message>
    <message>
        <source>Bank saved to %1</source>
        <translation>Bank gespeichert in %1</translation>
    </message>
    <message>
        <source>Notes typed under Mem %1 were not stored with &quot;S  A  V  E&quot;; Save stores them into their memories first.</source>
        <translation>Die unter Speicher %1 eingegebenen Notizen wurden nicht mit „S  A  V  E“ übernommen; „Speichern“ legt sie zuerst in ihren Speichern ab.</translation>
    </message>
    <message>
        <source>Save them before the program ends?</source>
        <translation>Vor dem Beenden des Programms speichern?</translation>
    </message>
    <message>
        <source>They go back on top of &quot;%1&quot;, the bank file that was open then.</source>
        <translation>Sie kommen über „%1“, die damals geöffnete Bankdatei.</translation>
    </message>
    <message>
        <source>Bank opened: %1, with Mem %2 restored on top of it (not saved yet).</source>
        <translation>Bank geöffnet: %1, darüber Speicher %2 zurückgeholt (noch nicht gespeichert).</translation>
    </message>
    <message>
        <source>Mem %1 restored into the bank (not saved yet).</source>
        <translation>Speicher %1 in die Bank zurückgeholt (noch nicht gespeichert).</translation>
    </message>
    <message>
        <source>Only the first file is opened: %1</source>
        <translation>Nur die erste Datei wird geöffnet: %1</translation>
    </message>
    <message>
        <source>Bank not saved</source>
        <translation>Bank nicht gespeichert</translation>
    </message>
    <message>
        <source>The bank holds received records or notes that are in no bank file yet.</source>
        <translation>Die Bank enthält empfangene Aufnahmen oder Notizen, die noch in keiner Bankdatei stehen.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The program ended before these memories were saved: %1. They were kept in &quot;%2&quot;. Restore them into the bank?</source>
        <translation>Das Programm wurde beendet, bevor diese Speicher gesichert waren: %1. Sie wurden in „%2“ aufbewahrt. In die Bank zurückholen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Zurückholen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>quillon::GateReadoutTable</name>
    <message>
        <source>Gate</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Sound path</source>
        <translation>Schallweg</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Abtastwert</translation>
    </message>
    <message>
        <source>dB to level</source>
        <translation>dB zum Pegel</translation>
    </message>
    <message>
        <source>DAC height</source>
        <translation>DAC-Höhe</translation>
    </message>
    <message>
        <source>dB to DAC</source>
        <translation>dB zur DAC</translation>
    </message>
    <message>
        <source>No sample lies inside gate %1.</source>
        <translation>Kein Abtastwert liegt in Blende %1.</translation>
    </message>
</context>
<context>
    <name>quillon::InstrumentLink</name>
    <message>
        <source>Port %1 lost: %2</source>
        <translation>Schnittstelle %1 verloren: %2</translation>
    </message>
</context>
<context>
    <name>quillon::LanguageController</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>the system&apos;s language</source>
        <translation>der Systemsprache</translation>
    </message>
    <message>
        <source>The window will be in %1 from the next start.</source>
        <translation>Ab dem nächsten Start erscheint das Fenster in %1.</translation>
    </message>
</context>
<context>
    <name>quillon::LinkController</name>
    <message>
        <source>Mem %1 received</source>
        <translation>Speicher %1 empfangen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>%1. It opens again by itself when it comes back, or choose another port under Option.</source>
        <translation>%1. Sie wird von selbst wieder geöffnet, sobald sie zurück ist, oder unter „Option“ eine andere wählen.</translation>
    </message>
    <message>
        <source>Port %1 is open.</source>
        <translation>Schnittstelle %1 ist offen.</translation>
    </message>
    <message>
        <source>No serial port is open: records can be neither received nor captured. Choose a port under Option.</source>
        <translation>Keine serielle Schnittstelle ist offen: Aufnahmen können weder empfangen noch abgerufen werden. Unter „Option“ eine Schnittstelle wählen.</translation>
    </message>
    <message>
        <source>Capture stopped, the port is closed: %1 stored, %2 not captured.</source>
        <translation>Abruf angehalten, die Schnittstelle ist geschlossen: %1 gespeichert, %2 nicht abgerufen.</translation>
    </message>
    <message>
        <source>No memory is selected: the instrument was released.</source>
        <translation>Kein Speicher ausgewählt: das Gerät wurde freigegeben.</translation>
    </message>
    <message>
        <source>Capture cancelled: %1 stored, %2 without reply (still selected).</source>
        <translation>Abruf abgebrochen: %1 gespeichert, %2 ohne Antwort (weiter ausgewählt).</translation>
    </message>
    <message>
        <source>Capture cancelled: %1 stored, %2 without reply.</source>
        <translation>Abruf abgebrochen: %1 gespeichert, %2 ohne Antwort.</translation>
    </message>
    <message>
        <source>Capture ended: %1 stored, %2 without reply (still selected).</source>
        <translation>Abruf beendet: %1 gespeichert, %2 ohne Antwort (weiter ausgewählt).</translation>
    </message>
    <message>
        <source>Capture ended: %1 stored, %2 without reply.</source>
        <translation>Abruf beendet: %1 gespeichert, %2 ohne Antwort.</translation>
    </message>
    <message>
        <source>Port %1 is back and open again.</source>
        <translation>Schnittstelle %1 ist zurück und wieder offen.</translation>
    </message>
    <message>
        <source>Port configuratin file is lost so select apropriate serial port which is necessary </source>
        <translation>Die Schnittstellen-Konfigurationsdatei fehlt; bitte die passende serielle Schnittstelle wählen.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
</context>
<context>
    <name>quillon::MainWindow</name>
    <message>
        <source>Discard typed notes</source>
        <translation>Eingegebene Notizen verwerfen</translation>
    </message>
    <message>
        <source>sample echo</source>
        <translation>Beispielecho</translation>
    </message>
    <message>
        <source>Mem %1</source>
        <translation>Speicher %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 on display</source>
        <translation>%1 angezeigt</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A status line ended with a full stop.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 — your notes on Mem %2 are kept as a draft.</source>
        <translation>%1 — Ihre Notizen zu Speicher %2 bleiben als Entwurf erhalten.</translation>
    </message>
    <message>
        <source>The notes typed under Mem %1 were discarded.</source>
        <translation>Die unter Speicher %1 eingegebenen Notizen wurden verworfen.</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>Das Benutzerhandbuch ist nicht installiert.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as Word Doc</source>
        <translation>Als Word-Dokument speichern</translation>
    </message>
    <message>
        <source>PrintSetup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>Menu bar entry without items: opens the serial port selection.</extracomment>
        <translation>Option</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Topic</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>About Data Capture</source>
        <translation>Über Datenerfassung</translation>
    </message>
    <message>
        <source>Capture</source>
        <extracomment>Button: asks the instrument for the memories selected in the list.</extracomment>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>A  Scan</source>
        <extracomment>Caption above the echo trace (A-scan).</extracomment>
        <translation>A-Bild</translation>
    </message>
    <message>
        <source>Notes not saved: the record on display is not a memory of the bank. Open a memory from the list first.</source>
        <translation>Notizen nicht gespeichert: die angezeigte Aufnahme ist kein Speicher der Bank. Zuerst einen Speicher aus der Liste öffnen.</translation>
    </message>
    <message>
        <source>Notes saved into Mem %1</source>
        <translation>Notizen in Speicher %1 gespeichert</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
</context>
<context>
    <name>quillon::ManualWindow</name>
    <message>
        <source>User manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Text in the manual (Enter: next, Shift+Enter: previous)</source>
        <translation>Text im Handbuch (Enter: nächster, Umschalt+Enter: vorheriger)</translation>
    </message>
</context>
<context>
    <name>quillon::NoteLinesPanel</name>
    <message>
        <source>&quot;%1&quot; cannot be stored: the instrument&apos;s character set has no such character.</source>
        <translation>„%1“ kann nicht gespeichert werden: Der Zeichensatz des Geräts hat dieses Zeichen nicht.</translation>
    </message>
    <message>
        <source>S  A  V  E</source>
        <translation>SPEICHERN</translation>
    </message>
</context>
<context>
    <name>quillon::OpenWindow</name>
    <message>
        <source>File Open</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quillon::OverviewController</name>
    <message>
        <source>Bank overview</source>
        <translation>Bankübersicht</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Tabelle exportieren</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The table can&apos;t be written to &quot;%1&quot;: %2</source>
        <translation>Die Tabelle kann nicht nach „%1“ geschrieben werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Table written: %1 (%n memories)</source>
        <translation>
            <numerusform>Tabelle geschrieben: %1 (%n Speicher)</numerusform>
            <numerusform>Tabelle geschrieben: %1 (%n Speicher)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::PortConfig</name>
    <message>
        <source>it names no port</source>
        <translation>sie nennt keine Schnittstelle</translation>
    </message>
</context>
<context>
    <name>quillon::PortPermission</name>
    <message>
        <source>Permission denied on %1, which belongs to no named group: ask the administrator to give you read and write access to it.</source>
        <translation>Zugriff auf %1 verweigert; es gehört keiner benannten Gruppe: den Administrator um Lese- und Schreibrechte darauf bitten.</translation>
    </message>
    <message>
        <source>Permission denied on %1, owned by group %2, which may not read and write it: ask the administrator to give you access to it.</source>
        <translation>Zugriff auf %1 verweigert; es gehört der Gruppe %2, die es nicht lesen und schreiben darf: den Administrator um Zugriff darauf bitten.</translation>
    </message>
    <message>
        <source>Permission denied on %1, owned by group %2: you were added to %2 after this session began. Log out and log in again.</source>
        <translation>Zugriff auf %1 verweigert; es gehört der Gruppe %2: Sie wurden nach Beginn dieser Sitzung zu %2 hinzugefügt. Ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>Permission denied on %1, owned by group %2: add yourself to %2 (sudo adduser $USER %2) and log in again.</source>
        <translation>Zugriff auf %1 verweigert; es gehört der Gruppe %2: sich zu %2 hinzufügen (sudo adduser $USER %2) und neu anmelden.</translation>
    </message>
</context>
<context>
    <name>quillon::PortSelectionWindow</name>
    <message>
        <source>Port selection</source>
        <translation>Schnittstellenauswahl</translation>
    </message>
    <message>
        <source>Comport %1</source>
        <translation>COM-Schnittstelle %1</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>Andere Schnittstelle:</translation>
    </message>
    <message>
        <source>A port beyond the first four, such as a USB adapter; choose it from the list or type its device name</source>
        <translation>Eine Schnittstelle außer den ersten vier, etwa ein USB-Adapter; aus der Liste wählen oder den Gerätenamen eingeben</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The port is open, but the choice could not be written to &quot;%1&quot; (%2): the next start will not find it.</source>
        <translation>Die Schnittstelle ist offen, aber die Auswahl konnte nicht in „%1“ geschrieben werden (%2): beim nächsten Start fehlt sie.</translation>
    </message>
    <message>
        <source>According  to  the  cable of  Vantor connected  to   the   serial   port    of  computer select apropriate option.</source>
        <translation>Je nachdem, an welche serielle Schnittstelle des Computers das Kabel des Vantor angeschlossen ist, die passende Option wählen.</translation>
    </message>
    <message>
        <source>Selected Port is used by another device or it might be not available </source>
        <translation>Die gewählte Schnittstelle wird von einem anderen Gerät benutzt oder ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Port Selection Error</source>
        <translation>Fehler bei der Schnittstellenauswahl</translation>
    </message>
</context>
<context>
    <name>quillon::PortWatcher</name>
    <message>
        <source>link to %1</source>
        <translation>Verweis auf %1</translation>
    </message>
</context>
<context>
    <name>quillon::PrintOptionsWindow</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Option</source>
        <translation>Druckoption</translation>
    </message>
    <message>
        <source>Currently Displayed Ascan Report</source>
        <translation>Bericht des angezeigten A-Bilds</translation>
    </message>
    <message>
        <source>Selected Ascan Report</source>
        <translation>Berichte der gewählten A-Bilder</translation>
    </message>
    <message>
        <source>All Ascan Report</source>
        <translation>Berichte aller A-Bilder</translation>
    </message>
</context>
<context>
    <name>quillon::Reception</name>
    <message>
        <source>Record received but not stored: %1</source>
        <translation>Aufnahme empfangen, aber nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Record reception abandoned: no byte for %1 s; nothing was stored</source>
        <translation>Empfang der Aufnahme abgebrochen: %1 s lang kein Byte; nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>Record reception abandoned: %1; nothing was stored</source>
        <translation>Empfang der Aufnahme abgebrochen: %1; nichts wurde gespeichert</translation>
    </message>
</context>
<context>
    <name>quillon::RecoveryImport</name>
    <message>
        <source>The recovery file &quot;%1&quot; cannot be read (%2).</source>
        <translation>Die Wiederherstellungsdatei „%1“ kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The recovery file &quot;%1&quot; cannot be read (%2). It was moved to &quot;%3&quot;.</source>
        <translation>Die Wiederherstellungsdatei „%1“ kann nicht gelesen werden (%2). Sie wurde nach „%3“ verschoben.</translation>
    </message>
</context>
<context>
    <name>quillon::RegisterController</name>
    <message>
        <source>Defect register</source>
        <translation>Fehlerregister</translation>
    </message>
    <message>
        <source>Export register</source>
        <translation>Register exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Reading the archive...</source>
        <translation>Archiv wird gelesen …</translation>
    </message>
    <message numerus="yes">
        <source>%n located defects.</source>
        <translation>
            <numerusform>%n georteter Fehler.</numerusform>
            <numerusform>%n geortete Fehler.</numerusform>
        </translation>
    </message>
    <message>
        <source>The archive cannot be read: %1</source>
        <translation>Das Archiv kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Gate 1 peak %1 % on %2, %3 % on %4: %5 dB</source>
        <translation>Blende-1-Spitze %1 % am %2, %3 % am %4: %5 dB</translation>
    </message>
    <message>
        <source>Gate 1 has no peak in both tests: no change in dB to state.</source>
        <translation>Blende 1 hat nicht in beiden Prüfungen eine Spitze: keine Änderung in dB anzugeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written (%2).</source>
        <translation>„%1“ kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Register written: %1</source>
        <translation>Register geschrieben: %1</translation>
    </message>
    <message>
        <source>Reading the team archive...</source>
        <translation>Team-Archiv wird gelesen …</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 wird geschrieben …</translation>
    </message>
</context>
<context>
    <name>quillon::RegisterModel</name>
    <message>
        <source>Worsened</source>
        <translation>Verschlechtert</translation>
    </message>
    <message>
        <source>Previous class differs</source>
        <translation>Vorherige Klasse abweichend</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Bezirk</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Km. Post</source>
        <translation>Km-Stein</translation>
    </message>
    <message>
        <source>Rail</source>
        <translation>Schiene</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Fehlerort</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Flaw Code</source>
        <translation>Fehlercode</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Markierungen</translation>
    </message>
</context>
<context>
    <name>quillon::RegisterWindow</name>
    <message>
        <source>Defect register</source>
        <translation>Fehlerregister</translation>
    </message>
    <message>
        <source>Worsened only</source>
        <translation>Nur verschlechterte</translation>
    </message>
    <message>
        <source>Previous class differs only</source>
        <translation>Nur abweichende Vorklasse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Flaw Code</source>
        <translation>Fehlercode</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Prüfer</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Gate 1 peak</source>
        <translation>Blende-1-Spitze</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Every division</source>
        <translation>Alle Bezirke</translation>
    </message>
    <message>
        <source>Every section</source>
        <translation>Alle Abschnitte</translation>
    </message>
    <message>
        <source>Every class</source>
        <translation>Alle Klassen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source> (archived)</source>
        <translation> (archiviert)</translation>
    </message>
    <message>
        <source>Mem %1</source>
        <translation>Speicher %1</translation>
    </message>
    <message>
        <source>This PC</source>
        <translation>Dieser PC</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
</context>
<context>
    <name>quillon::ReportController</name>
    <message>
        <source>Written to %1</source>
        <translation>Geschrieben nach %1</translation>
    </message>
    <message>
        <source>No printer is set up on this computer. &quot;Export PDF&quot; in the File menu writes the same pages to a PDF file.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet. „PDF exportieren“ im Menü „Datei“ schreibt dieselben Seiten in eine PDF-Datei.</translation>
    </message>
    <message>
        <source>Reason: %1.</source>
        <translation>Grund: %1.</translation>
    </message>
    <message>
        <source>Check the printer under &quot;PrintSetup&quot;, or write the pages to a file with &quot;Export PDF&quot;.</source>
        <translation>Den Drucker unter „Druckereinrichtung“ prüfen oder die Seiten mit „PDF exportieren“ in eine Datei schreiben.</translation>
    </message>
    <message>
        <source>The Report can&apos;t be printed.</source>
        <translation>Der Prüfbericht kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Word Doc file is created</source>
        <translation>Word-Dokument wurde erstellt</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PrintSetup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>The report was sent to the printer.</source>
        <translation>Der Prüfbericht wurde an den Drucker gesendet.</translation>
    </message>
    <message numerus="yes">
        <source>%n reports were sent to the printer.</source>
        <translation>
            <numerusform>%n Prüfbericht wurde an den Drucker gesendet.</numerusform>
            <numerusform>%n Prüfberichte wurden an den Drucker gesendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>PDF written: %1</source>
        <translation>PDF geschrieben: %1</translation>
    </message>
    <message>
        <source>File Save as Word Doc</source>
        <translation>Als Word-Dokument speichern</translation>
    </message>
    <message>
        <source>Word Documents (*.docx)</source>
        <translation>Word-Dokumente (*.docx)</translation>
    </message>
    <message>
        <source>Word Doc Files (*.doc)</source>
        <translation>Word-Doc-Dateien (*.doc)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>quillon::ReportPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>Ganze Seite</translation>
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
    <name>quillon::SaveWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists. Replace it?</source>
        <translation>Die Datei „%1“ existiert bereits. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>quillon::SerialErrorText</name>
    <message>
        <source>no error</source>
        <translation>kein Fehler</translation>
    </message>
    <message>
        <source>the port does not exist</source>
        <translation>die Schnittstelle existiert nicht</translation>
    </message>
    <message>
        <source>the port is used by another program or access is denied</source>
        <translation>die Schnittstelle wird von einem anderen Programm benutzt oder der Zugriff ist verweigert</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>die Schnittstelle ist bereits offen</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>die Schnittstelle ist nicht offen</translation>
    </message>
    <message>
        <source>writing to the port failed</source>
        <translation>das Schreiben auf die Schnittstelle ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>reading from the port failed</source>
        <translation>das Lesen von der Schnittstelle ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the port became unavailable (adapter unplugged?)</source>
        <translation>die Schnittstelle ist nicht mehr verfügbar (Adapter abgezogen?)</translation>
    </message>
    <message>
        <source>the port does not support this setting</source>
        <translation>die Schnittstelle unterstützt diese Einstellung nicht</translation>
    </message>
    <message>
        <source>the port timed out</source>
        <translation>Zeitüberschreitung an der Schnittstelle</translation>
    </message>
    <message>
        <source>unknown port error</source>
        <translation>unbekannter Schnittstellenfehler</translation>
    </message>
    <message>
        <source>it is used by another program</source>
        <translation>sie wird von einem anderen Programm benutzt</translation>
    </message>
</context>
<context>
    <name>quillon::SetupPanel</name>
    <message>
        <source>ENTER</source>
        <extracomment>The caption of the instrument&apos;s ENTER key on its menu screen</extracomment>
        <translation>ENTER</translation>
    </message>
    <message>
        <source>Menu Data</source>
        <translation>Menüdaten</translation>
    </message>
</context>
<context>
    <name>quillon::TeamController</name>
    <message>
        <source>Team archive</source>
        <translation>Team-Archiv</translation>
    </message>
    <message>
        <source>This is no connection string: %1</source>
        <translation>Das ist keine Verbindungszeichenfolge: %1</translation>
    </message>
    <message>
        <source>Connected; the connection is encrypted.</source>
        <translation>Verbunden; die Verbindung ist verschlüsselt.</translation>
    </message>
    <message>
        <source>Connected; the connection is NOT encrypted.</source>
        <translation>Verbunden; die Verbindung ist NICHT verschlüsselt.</translation>
    </message>
    <message>
        <source>No team archive is set: the archive stays on this PC.</source>
        <translation>Kein Team-Archiv eingestellt: das Archiv bleibt auf diesem PC.</translation>
    </message>
</context>
<context>
    <name>quillon::TeamSettingsWindow</name>
    <message>
        <source>Team archive</source>
        <translation>Team-Archiv</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>A service name from pg_service.conf or a connection string (host=... dbname=... user=... sslmode=...). The password is read from ~/.pgpass or PGPASSFILE, never kept by this program. Leave it empty to keep the archive on this PC only.</source>
        <translation>Ein Dienstname aus pg_service.conf oder eine Verbindungszeichenfolge (host=... dbname=... user=... sslmode=...). Das Passwort wird aus ~/.pgpass oder PGPASSFILE gelesen und nie von diesem Programm gespeichert. Leer lassen, um das Archiv nur auf diesem PC zu führen.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>Uploads:</source>
        <translation>Uploads:</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinde...</translation>
    </message>
</context>
</TS>
