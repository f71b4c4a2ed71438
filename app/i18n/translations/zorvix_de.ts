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
