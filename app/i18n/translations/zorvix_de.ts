<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in this language (de, fr, es, pt_BR, it, en).</source>
        <translation>Das Programm in dieser Sprache zeigen (de, fr, es, pt_BR, it, en).</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Nice Job!!  %1 out of %2!!</source>
        <translation>Super gemacht!!  %1 von %2!!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You Got Them All!!!</source>
        <translation>Alles richtig!!!</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>Pokal</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>START!</source>
        <translation>LOS!</translation>
    </message>
    <message>
        <source>ZORVIX V2.5</source>
        <translation>ZORVIX V2.5</translation>
    </message>
    <message>
        <source>TYPE OF TEST</source>
        <translation>RECHENART</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>PLUS</translation>
    </message>
    <message>
        <source>SUBTRACT</source>
        <translation>MINUS</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>BEIDES</translation>
    </message>
    <message>
        <source>MULTIPLY</source>
        <translation>MAL</translation>
    </message>
    <message>
        <source>DIVIDE</source>
        <translation>GETEILT</translation>
    </message>
    <message>
        <source>TEST RANGE</source>
        <translation>ZAHLEN</translation>
    </message>
    <message>
        <source>PRACTICE FROM</source>
        <translation>ÜBEN VON</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>BIS</translation>
    </message>
    <message>
        <source>NUMBER OF PROBLEMS</source>
        <translation>ANZAHL DER AUFGABEN</translation>
    </message>
    <message>
        <source>TIME LIMIT</source>
        <translation>ZEITLIMIT</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>TIME(MIN)</source>
        <translation>ZEIT(MIN)</translation>
    </message>
    <message>
        <source>METHOD</source>
        <translation>ÜBUNGSART</translation>
    </message>
    <message>
        <source>PAGE OF  PROBLEMS</source>
        <translation>AUFGABENBLATT</translation>
    </message>
    <message>
        <source>INDIVIDUAL PROBLEMS</source>
        <translation>EINZELNE AUFGABEN</translation>
    </message>
    <message>
        <source>PRINTED PAGE</source>
        <translation>GEDRUCKTES BLATT</translation>
    </message>
    <message>
        <source>EMPHASIS</source>
        <translation>SCHWERPUNKT</translation>
    </message>
    <message>
        <source>DRILL ON</source>
        <translation>ÜBE DIE</translation>
    </message>
    <message>
        <source>EVERY PROBLEM</source>
        <translation>IN JEDER AUFGABE</translation>
    </message>
    <message>
        <source>MORE (NOT ALL)</source>
        <translation>ÖFTER (NICHT IMMER)</translation>
    </message>
    <message>
        <source>END</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>www.zorvix.example</source>
        <translation>www.zorvix.example</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>Plus- und Minusaufgaben</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>Mal- und Geteiltaufgaben</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;NormalWindow</source>
        <translation>&amp;Normales Fenster</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Setup Page</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>FlashCards</source>
        <translation>Rechenkarten</translation>
    </message>
    <message>
        <source>FlashPage</source>
        <translation>Aufgabenblatt</translation>
    </message>
    <message>
        <source>PrintPage</source>
        <translation>Blatt drucken</translation>
    </message>
    <message>
        <source>About Zorvix</source>
        <translation>Über Zorvix</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Save Worksheets as &amp;PDF…</source>
        <translation>Arbeitsblätter als &amp;PDF speichern…</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>START</source>
        <translation>LOS</translation>
    </message>
    <message>
        <source>NEW PROBLEM</source>
        <translation>NEUE AUFGABE</translation>
    </message>
    <message>
        <source>thinking</source>
        <translation>denkt nach</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Individual Flashcards</source>
        <translation>Rechenkarten</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>erste Zahl</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>zweite Zahl</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>Rechenzeichen</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter to check it</source>
        <translation>Schreib die Antwort und drück dann die Eingabetaste zum Prüfen</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Total Tries</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>PRÜFEN</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>SPÄTER</translation>
    </message>
    <message>
        <source>MISSED PROBLEMS</source>
        <translation>FEHLER ÜBEN</translation>
    </message>
    <message>
        <source>types into the answer</source>
        <translation>schreibt in die Antwort</translation>
    </message>
    <message>
        <source>time bar track</source>
        <translation>Hintergrund des Zeitbalkens</translation>
    </message>
    <message>
        <source>click to show the time bar</source>
        <translation>klicken, um den Zeitbalken zu zeigen</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>Zeitbalken</translation>
    </message>
    <message>
        <source>end of the time bar</source>
        <translation>Ende des Zeitbalkens</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 percent of the time used</source>
        <translation>%1 Prozent der Zeit sind um</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>New Problems</source>
        <translation>Neue Aufgaben</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>time bar track</source>
        <translation>Hintergrund des Zeitbalkens</translation>
    </message>
    <message>
        <source>click to show or hide the time bar</source>
        <translation>klicken, um den Zeitbalken zu zeigen oder zu verstecken</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>Zeitbalken</translation>
    </message>
    <message>
        <source>start of the time bar</source>
        <translation>Anfang des Zeitbalkens</translation>
    </message>
    <message>
        <source>end of the time bar</source>
        <translation>Ende des Zeitbalkens</translation>
    </message>
    <message>
        <source>%1 Problems - Numbers %2 Through %3</source>
        <translation>%1 Aufgaben - Zahlen %2 bis %3</translation>
    </message>
    <message>
        <source>problem %1: %2 %3 %4</source>
        <translation>Aufgabe %1: %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 percent of the time used</source>
        <translation>%1 Prozent der Zeit sind um</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>www.zorvix.example</source>
        <translation>www.zorvix.example</translation>
    </message>
    <message>
        <source>Printer is not available</source>
        <translation>Es gibt keinen Drucker</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>problem %1: %2 %3 %4</source>
        <translation>Aufgabe %1: %2 %3 %4</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Set Up the FlashCards</source>
        <translation>Die Rechenkarten einstellen</translation>
    </message>
    <message>
        <source>Using the Flash Cards</source>
        <translation>Mit den Rechenkarten üben</translation>
    </message>
    <message>
        <source>Using the Flash Page of Problems</source>
        <translation>Mit dem Aufgabenblatt üben</translation>
    </message>
    <message>
        <source>Printing a Page of Problems</source>
        <translation>Ein Aufgabenblatt drucken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>New Child</source>
        <translation>Neues Kind</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>That name is empty or already taken.</source>
        <translation>Dieser Vorname fehlt oder ist schon vergeben.</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Rename Child</source>
        <translation>Kind umbenennen</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>Show &amp;Progress…</source>
        <translation>&amp;Fortschritt anzeigen…</translation>
    </message>
    <message>
        <source>&amp;Who Is Practising</source>
        <translation>&amp;Wer übt</translation>
    </message>
    <message>
        <source>Practise &amp;Hardest Facts</source>
        <translation>Die &amp;schwersten Aufgaben üben</translation>
    </message>
    <message>
        <source>Practise Hardest Facts</source>
        <translation>Die schwersten Aufgaben üben</translation>
    </message>
    <message>
        <source>Nothing was missed in the last 30 days.</source>
        <translation>In den letzten 30 Tagen war nichts falsch.</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>Als CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Forget All Progress…</source>
        <translation>Den ganzen Fortschritt &amp;vergessen…</translation>
    </message>
    <message>
        <source>Forget All Progress</source>
        <translation>Den ganzen Fortschritt vergessen</translation>
    </message>
    <message>
        <source>Forget every recorded test of every child? This cannot be undone.</source>
        <translation>Alle gespeicherten Übungen aller Kinder vergessen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>, hardest facts</source>
        <translation>, schwerste Aufgaben</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Übungsart</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Test type</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zahlenraum</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% richtig</translation>
    </message>
    <message>
        <source>Per minute</source>
        <translation>Pro Minute</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Times missed</source>
        <translation>So oft falsch</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>All children</source>
        <translation>Alle Kinder</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Problem with the progress file</source>
        <translation>Fehler in der Fortschrittsdatei</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Percent right per test</source>
        <translation>Prozent richtig je Übung</translation>
    </message>
    <message>
        <source>Problems per minute</source>
        <translation>Aufgaben pro Minute</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Hardest facts</source>
        <translation>Schwerste Aufgaben</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Übungen</translation>
    </message>
    <message>
        <source>&amp;Hardest facts</source>
        <translation>&amp;Schwerste Aufgaben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Records waiting to be written: %1</source>
        <translation>Noch nicht gespeicherte Einträge: %1</translation>
    </message>
    <message>
        <source>A damaged progress file was kept as %1 and a new one started.</source>
        <translation>Eine beschädigte Fortschrittsdatei wurde als %1 aufbewahrt und eine neue begonnen.</translation>
    </message>
    <message>
        <source>No tests in this period.</source>
        <translation>Keine Übungen in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plusrechnen</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minusrechnen</translation>
    </message>
    <message>
        <source>Addition and subtraction</source>
        <translation>Plus und Minus</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Malrechnen</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Geteiltrechnen</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Mal und Geteilt</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>Zeit um</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>graded</source>
        <translation>bewertet</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>gedruckt</translation>
    </message>
    <message>
        <source>key printed</source>
        <translation>Lösungen gedruckt</translation>
    </message>
    <message>
        <source>retried</source>
        <translation>wiederholt</translation>
    </message>
    <message>
        <source>sheet</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>%1: 1 test</source>
        <translation>%1: 1 Übung</translation>
    </message>
    <message>
        <source>%1: %2 tests</source>
        <translation>%1: %2 Übungen</translation>
    </message>
    <message>
        <source>, %1 % right</source>
        <translation>, %1 % richtig</translation>
    </message>
    <message>
        <source> in the last day</source>
        <translation> am letzten Tag</translation>
    </message>
    <message>
        <source> in the last %1 days</source>
        <translation> in den letzten %1 Tagen</translation>
    </message>
    <message>
        <source>, up from %1 %</source>
        <translation>, besser als vorher (%1 %)</translation>
    </message>
    <message>
        <source>, down from %1 %</source>
        <translation>, schlechter als vorher (%1 %)</translation>
    </message>
    <message>
        <source>, as before</source>
        <translation>, wie vorher</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Show Progress</source>
        <translation>Fortschritt anzeigen</translation>
    </message>
    <message>
        <source>The Progress window could not be loaded. The drills work as before and still record every test.</source>
        <translation>Das Fortschrittsfenster konnte nicht geladen werden. Die Übungen laufen wie bisher und werden weiterhin alle gespeichert.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Klasse</translation>
    </message>
    <message>
        <source>Forget every recorded test of %1? This cannot be undone.</source>
        <translation>Alle gespeicherten Übungen von %1 vergessen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>C&amp;lass:</source>
        <translation>K&amp;lasse:</translation>
    </message>
    <message>
        <source>Whole school</source>
        <translation>Ganze Schule</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>All pupils</source>
        <translation>Alle Schüler</translation>
    </message>
    <message>
        <source>The school&apos;s server cannot be reached: %1</source>
        <translation>Der Server der Schule ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>Records waiting to be sent: %1</source>
        <translation>Noch nicht gesendete Einträge: %1</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Mehr dazu mit &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Writes printed worksheets of 40 problems, each with its answer key, to a PDF file.
Without any of these options the program opens its windows.</source>
        <translation>Schreibt Arbeitsblätter mit je 40 Aufgaben und ihrem Lösungsblatt in eine PDF-Datei.
Ohne eine dieser Optionen öffnet das Programm seine Fenster.</translation>
    </message>
    <message>
        <source>Number of worksheets, 1 to 200.</source>
        <translation>Anzahl der Arbeitsblätter, 1 bis 200.</translation>
    </message>
    <message>
        <source>The PDF file to write; replaced only when complete.</source>
        <translation>Die PDF-Datei, die entsteht; sie wird erst ersetzt, wenn sie fertig ist.</translation>
    </message>
    <message>
        <source>Kind of problems: %1 (default add).</source>
        <translation>Rechenart: %1 (sonst add).</translation>
    </message>
    <message>
        <source>Low end of the range, -99 to 99 (default 0).</source>
        <translation>Untere Grenze des Zahlenraums, -99 bis 99 (sonst 0).</translation>
    </message>
    <message>
        <source>High end of the range, -99 to 99 (default 9).</source>
        <translation>Obere Grenze des Zahlenraums, -99 bis 99 (sonst 9).</translation>
    </message>
    <message>
        <source>A number to drill on, -99 to 99.</source>
        <translation>Eine Zahl zum Üben, -99 bis 99.</translation>
    </message>
    <message>
        <source>The number in every problem (default).</source>
        <translation>Die Zahl in jeder Aufgabe (sonst so).</translation>
    </message>
    <message>
        <source>The number in more problems, not all.</source>
        <translation>Die Zahl in mehr Aufgaben, nicht in allen.</translation>
    </message>
    <message>
        <source>Answer keys after-each worksheet (default) or all at-end.</source>
        <translation>Lösungsblätter after-each (nach jedem Blatt, sonst so) oder at-end (alle am Ende).</translation>
    </message>
    <message>
        <source>Paper: letter (default) or a4.</source>
        <translation>Papier: letter (sonst) oder a4.</translation>
    </message>
    <message>
        <source>Seed of the random draws: the same seed gives the same file.</source>
        <translation>Startwert des Zufalls: derselbe Startwert ergibt dieselbe Datei.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartete Angabe &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--worksheets N is needed</source>
        <translation>--worksheets N fehlt</translation>
    </message>
    <message>
        <source>--worksheets must be a number from %1 to %2, not &apos;%3&apos;</source>
        <translation>--worksheets muss eine Zahl von %1 bis %2 sein, nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <source>--output FILE.pdf is needed</source>
        <translation>--output FILE.pdf fehlt</translation>
    </message>
    <message>
        <source>--type must be one of %1, not &apos;%2&apos;</source>
        <translation>--type muss eines von %1 sein, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from -99 to 99, not &apos;%2&apos;</source>
        <translation>--%1 muss eine ganze Zahl von -99 bis 99 sein, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--emphasis must be a whole number from -99 to 99, not &apos;%1&apos;</source>
        <translation>--emphasis muss eine ganze Zahl von -99 bis 99 sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every and --more go with --emphasis N</source>
        <translation>--every und --more gehen nur mit --emphasis N</translation>
    </message>
    <message>
        <source>--every and --more cannot both be given</source>
        <translation>--every und --more gehen nicht zusammen</translation>
    </message>
    <message>
        <source>--keys must be one of %1, not &apos;%2&apos;</source>
        <translation>--keys muss eines von %1 sein, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--paper must be one of %1, not &apos;%2&apos;</source>
        <translation>--paper muss eines von %1 sein, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0 to %1, not &apos;%2&apos;</source>
        <translation>--seed muss eine ganze Zahl von 0 bis %1 sein, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1: page %2 of %3</source>
        <translation><byte value="xd"/>%1: Seite %2 von %3</translation>
    </message>
    <message>
        <source>%1: interrupted; %2 was not written
</source>
        <translation>%1: abgebrochen; %2 wurde nicht geschrieben
</translation>
    </message>
    <message>
        <source>%1: cannot write %2: %3
</source>
        <translation>%1: %2 kann nicht geschrieben werden: %3
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>unerwartete Angabe: %1</translation>
    </message>
    <message>
        <source>give either --school-setup or --import-pupils FILE.csv</source>
        <translation>entweder --school-setup oder --import-pupils DATEI.csv angeben</translation>
    </message>
    <message>
        <source>--service NAME is needed: the PostgreSQL service to connect with</source>
        <translation>--service DIENST fehlt: der PostgreSQL-Dienst für die Verbindung</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is at version %3 already; nothing changed
</source>
        <translation>%1: die Schuldatenbank (Dienst %2) hat schon Version %3; nichts geändert
</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is set up at version %3
</source>
        <translation>%1: die Schuldatenbank (Dienst %2) ist mit Version %3 eingerichtet
</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is migrated from version %3 to %4, its records kept
</source>
        <translation>%1: die Schuldatenbank (Dienst %2) ist von Version %3 auf %4 umgestellt, ihre Einträge bleiben erhalten
</translation>
    </message>
    <message>
        <source>%1: %2 new pupils added from %3 (%4 listed)
</source>
        <translation>%1: %2 neue Schüler aus %3 hinzugefügt (%4 aufgeführt)
</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>Save Worksheets as PDF</source>
        <translation>Arbeitsblätter als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Saving worksheets…</source>
        <translation>Arbeitsblätter werden gespeichert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The worksheets could not be saved as %1: %2</source>
        <translation>Die Arbeitsblätter konnten nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>After each worksheet</source>
        <translation>Nach jedem Blatt</translation>
    </message>
    <message>
        <source>All at the end</source>
        <translation>Alle am Ende</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>US-Brief</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>&amp;Number of worksheets:</source>
        <translation>&amp;Anzahl der Blätter:</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Lösungsblätter:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>no worksheets to save</source>
        <translation>keine Arbeitsblätter zum Speichern</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Arbeitsblätter</translation>
    </message>
    <message>
        <source>cannot start the PDF</source>
        <translation>das PDF kann nicht beginnen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>An interactive mathematics flashcard program providing four function skills work in either a single problem or multiple problem mode.</source>
        <translation>Ein Rechenprogramm für Plus, Minus, Mal und Geteilt: mit einzelnen Karten oder einem ganzen Blatt voller Aufgaben.</translation>
    </message>
    <message>
        <source>© The Zorvix developers. Free for home and classroom use. Provided as is, without warranty of any kind.</source>
        <translation>© Die Zorvix-Entwickler. Kostenlos für Zuhause und Schule. Ohne jede Gewähr.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
