<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in this language (de, fr, es, pt_BR, it, en).</source>
        <translation>Mostra il programma in questa lingua (de, fr, es, pt_BR, it, en).</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Nice Job!!  %1 out of %2!!</source>
        <translation>Bravo!!  %1 su %2!!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You Got Them All!!!</source>
        <translation>Tutto giusto!!!</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>coppa</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>START!</source>
        <translation>VIA!</translation>
    </message>
    <message>
        <source>ZORVIX V2.5</source>
        <translation>ZORVIX V2.5</translation>
    </message>
    <message>
        <source>TYPE OF TEST</source>
        <translation>OPERAZIONE</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>SOMMARE</translation>
    </message>
    <message>
        <source>SUBTRACT</source>
        <translation>SOTTRARRE</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>LE DUE</translation>
    </message>
    <message>
        <source>MULTIPLY</source>
        <translation>MOLTIPLICARE</translation>
    </message>
    <message>
        <source>DIVIDE</source>
        <translation>DIVIDERE</translation>
    </message>
    <message>
        <source>TEST RANGE</source>
        <translation>NUMERI</translation>
    </message>
    <message>
        <source>PRACTICE FROM</source>
        <translation>ESERCIZI DA</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>A</translation>
    </message>
    <message>
        <source>NUMBER OF PROBLEMS</source>
        <translation>NUMERO DI ESERCIZI</translation>
    </message>
    <message>
        <source>TIME LIMIT</source>
        <translation>LIMITE DI TEMPO</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>TIME(MIN)</source>
        <translation>TEMPO(MIN)</translation>
    </message>
    <message>
        <source>METHOD</source>
        <translation>COME ESERCITARSI</translation>
    </message>
    <message>
        <source>PAGE OF  PROBLEMS</source>
        <translation>SCHEDA DI ESERCIZI</translation>
    </message>
    <message>
        <source>INDIVIDUAL PROBLEMS</source>
        <translation>UNO ALLA VOLTA</translation>
    </message>
    <message>
        <source>PRINTED PAGE</source>
        <translation>SCHEDA STAMPATA</translation>
    </message>
    <message>
        <source>EMPHASIS</source>
        <translation>RIPASSO</translation>
    </message>
    <message>
        <source>DRILL ON</source>
        <translation>ESERCITA IL</translation>
    </message>
    <message>
        <source>EVERY PROBLEM</source>
        <translation>IN OGNI ESERCIZIO</translation>
    </message>
    <message>
        <source>MORE (NOT ALL)</source>
        <translation>SPESSO (NON SEMPRE)</translation>
    </message>
    <message>
        <source>END</source>
        <translation>FINE</translation>
    </message>
    <message>
        <source>www.zorvix.example</source>
        <translation>www.zorvix.example</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>sommare e sottrarre</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>moltiplicare e dividere</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ssimizza</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Riduci a icona</translation>
    </message>
    <message>
        <source>&amp;NormalWindow</source>
        <translation>Finestra &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Setup Page</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>FlashCards</source>
        <translation>Carte di calcolo</translation>
    </message>
    <message>
        <source>FlashPage</source>
        <translation>Scheda di esercizi</translation>
    </message>
    <message>
        <source>PrintPage</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>About Zorvix</source>
        <translation>Informazioni su Zorvix</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>START</source>
        <translation>VIA</translation>
    </message>
    <message>
        <source>NEW PROBLEM</source>
        <translation>NUOVO ESERCIZIO</translation>
    </message>
    <message>
        <source>thinking</source>
        <translation>pensa</translation>
    </message>
    <message>
        <source>right</source>
        <translation>giusto</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>sbagliato</translation>
    </message>
    <message>
        <source>Individual Flashcards</source>
        <translation>Carte di calcolo</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primo numero</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>secondo numero</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>operazione</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>risposta</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter to check it</source>
        <translation>Scrivi la risposta, poi premi Invio per controllarla</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>CANCELLA</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Total Tries</source>
        <translation>Tentativi</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltati</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>CONTROLLA</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>SALTA</translation>
    </message>
    <message>
        <source>MISSED PROBLEMS</source>
        <translation>RIFAI GLI ERRORI</translation>
    </message>
    <message>
        <source>types into the answer</source>
        <translation>scrive nella risposta</translation>
    </message>
    <message>
        <source>time bar track</source>
        <translation>fondo della barra del tempo</translation>
    </message>
    <message>
        <source>click to show the time bar</source>
        <translation>fai clic per mostrare la barra del tempo</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>barra del tempo</translation>
    </message>
    <message>
        <source>end of the time bar</source>
        <translation>fine della barra del tempo</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 percent of the time used</source>
        <translation>%1 per cento del tempo usato</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>New Problems</source>
        <translation>Nuovi esercizi</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>time bar track</source>
        <translation>fondo della barra del tempo</translation>
    </message>
    <message>
        <source>click to show or hide the time bar</source>
        <translation>fai clic per mostrare o nascondere la barra del tempo</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>barra del tempo</translation>
    </message>
    <message>
        <source>start of the time bar</source>
        <translation>inizio della barra del tempo</translation>
    </message>
    <message>
        <source>end of the time bar</source>
        <translation>fine della barra del tempo</translation>
    </message>
    <message>
        <source>%1 Problems - Numbers %2 Through %3</source>
        <translation>%1 esercizi - numeri da %2 a %3</translation>
    </message>
    <message>
        <source>problem %1: %2 %3 %4</source>
        <translation>esercizio %1: %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 percent of the time used</source>
        <translation>%1 per cento del tempo usato</translation>
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
        <translation>Non c&apos;è una stampante</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>problem %1: %2 %3 %4</source>
        <translation>esercizio %1: %2 %3 %4</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Set Up the FlashCards</source>
        <translation>Preparare le carte di calcolo</translation>
    </message>
    <message>
        <source>Using the Flash Cards</source>
        <translation>Usare le carte di calcolo</translation>
    </message>
    <message>
        <source>Using the Flash Page of Problems</source>
        <translation>Usare la scheda di esercizi</translation>
    </message>
    <message>
        <source>Printing a Page of Problems</source>
        <translation>Stampare una scheda di esercizi</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>diviso</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>An interactive mathematics flashcard program providing four function skills work in either a single problem or multiple problem mode.</source>
        <translation>Un programma di calcolo per sommare, sottrarre, moltiplicare e dividere: uno alla volta o con una scheda intera.</translation>
    </message>
    <message>
        <source>© The Zorvix developers. Free for home and classroom use. Provided as is, without warranty of any kind.</source>
        <translation>© Gli sviluppatori di Zorvix. Gratis a casa e a scuola. Fornito così com&apos;è, senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
