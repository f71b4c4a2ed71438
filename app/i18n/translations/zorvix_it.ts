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
    <message>
        <source>Save Worksheets as &amp;PDF…</source>
        <translation>Salva schede in &amp;PDF…</translation>
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
    <name>Progress</name>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nuovo…</translation>
    </message>
    <message>
        <source>New Child</source>
        <translation>Nuovo bambino</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>That name is empty or already taken.</source>
        <translation>Il nome è vuoto o esiste già.</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Rinomina…</translation>
    </message>
    <message>
        <source>Rename Child</source>
        <translation>Rinomina bambino</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progressi</translation>
    </message>
    <message>
        <source>Show &amp;Progress…</source>
        <translation>Mostra i &amp;progressi…</translation>
    </message>
    <message>
        <source>&amp;Who Is Practising</source>
        <translation>&amp;Chi si esercita</translation>
    </message>
    <message>
        <source>Practise &amp;Hardest Facts</source>
        <translation>Esercitati sui calcoli più &amp;difficili</translation>
    </message>
    <message>
        <source>Practise Hardest Facts</source>
        <translation>Esercitati sui calcoli più difficili</translation>
    </message>
    <message>
        <source>Nothing was missed in the last 30 days.</source>
        <translation>Nessun errore negli ultimi 30 giorni.</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Esporta in CSV…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta in CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Forget All Progress…</source>
        <translation>Dimentica &amp;tutti i progressi…</translation>
    </message>
    <message>
        <source>Forget All Progress</source>
        <translation>Dimentica tutti i progressi</translation>
    </message>
    <message>
        <source>Forget every recorded test of every child? This cannot be undone.</source>
        <translation>Dimenticare tutte le prove salvate di tutti i bambini? Non si può annullare.</translation>
    </message>
    <message>
        <source>, hardest facts</source>
        <translation>, calcoli più difficili</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Bambino</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Test type</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% giuste</translation>
    </message>
    <message>
        <source>Per minute</source>
        <translation>Al minuto</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Times missed</source>
        <translation>Errori</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Bambino:</translation>
    </message>
    <message>
        <source>All children</source>
        <translation>Tutti i bambini</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>P&amp;eriodo:</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Ultimi 7 giorni</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Ultimi 30 giorni</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutto</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Problem with the progress file</source>
        <translation>Problema con il file dei progressi</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Percent right per test</source>
        <translation>Percentuale di risposte giuste per prova</translation>
    </message>
    <message>
        <source>Problems per minute</source>
        <translation>Esercizi al minuto</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Prove</translation>
    </message>
    <message>
        <source>Hardest facts</source>
        <translation>Calcoli più difficili</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Prove</translation>
    </message>
    <message>
        <source>&amp;Hardest facts</source>
        <translation>Calcoli più &amp;difficili</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Records waiting to be written: %1</source>
        <translation>Risultati in attesa di salvataggio: %1</translation>
    </message>
    <message>
        <source>A damaged progress file was kept as %1 and a new one started.</source>
        <translation>Un file dei progressi danneggiato è stato conservato come %1 e ne è stato iniziato uno nuovo.</translation>
    </message>
    <message>
        <source>No tests in this period.</source>
        <translation>Nessuna prova in questo periodo.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizioni</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazioni</translation>
    </message>
    <message>
        <source>Addition and subtraction</source>
        <translation>Addizioni e sottrazioni</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplicazioni</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisioni</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Moltiplicazioni e divisioni</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>finita</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>tempo scaduto</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrotta</translation>
    </message>
    <message>
        <source>graded</source>
        <translation>corretta</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>stampata</translation>
    </message>
    <message>
        <source>key printed</source>
        <translation>soluzioni stampate</translation>
    </message>
    <message>
        <source>retried</source>
        <translation>ripetuta</translation>
    </message>
    <message>
        <source>sheet</source>
        <translation>scheda</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>carte</translation>
    </message>
    <message>
        <source>%1: 1 test</source>
        <translation>%1: 1 prova</translation>
    </message>
    <message>
        <source>%1: %2 tests</source>
        <translation>%1: %2 prove</translation>
    </message>
    <message>
        <source>, %1 % right</source>
        <translation>, %1 % giuste</translation>
    </message>
    <message>
        <source> in the last day</source>
        <translation> nell’ultimo giorno</translation>
    </message>
    <message>
        <source> in the last %1 days</source>
        <translation> negli ultimi %1 giorni</translation>
    </message>
    <message>
        <source>, up from %1 %</source>
        <translation>, meglio di prima (%1 %)</translation>
    </message>
    <message>
        <source>, down from %1 %</source>
        <translation>, peggio di prima (%1 %)</translation>
    </message>
    <message>
        <source>, as before</source>
        <translation>, come prima</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Show Progress</source>
        <translation>Mostra i progressi</translation>
    </message>
    <message>
        <source>The Progress window could not be loaded. The drills work as before and still record every test.</source>
        <translation>Non è stato possibile caricare la finestra dei progressi. Gli esercizi funzionano come prima e ogni prova viene ancora salvata.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Classe</translation>
    </message>
    <message>
        <source>Forget every recorded test of %1? This cannot be undone.</source>
        <translation>Dimenticare tutte le prove salvate di %1? Non si può annullare.</translation>
    </message>
    <message>
        <source>C&amp;lass:</source>
        <translation>C&amp;lasse:</translation>
    </message>
    <message>
        <source>Whole school</source>
        <translation>Tutta la scuola</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>All pupils</source>
        <translation>Tutti gli alunni</translation>
    </message>
    <message>
        <source>The school&apos;s server cannot be reached: %1</source>
        <translation>Il server della scuola non è raggiungibile: %1</translation>
    </message>
    <message>
        <source>Records waiting to be sent: %1</source>
        <translation>Risultati in attesa di invio: %1</translation>
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
    <name>WorksheetCommand</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Prova &apos;%1 --help&apos; per saperne di più.</translation>
    </message>
    <message>
        <source>Writes printed worksheets of 40 problems, each with its answer key, to a PDF file.
Without any of these options the program opens its windows.</source>
        <translation>Scrive in un file PDF schede di 40 esercizi, ognuna con le sue soluzioni.
Senza nessuna di queste opzioni il programma apre le sue finestre.</translation>
    </message>
    <message>
        <source>Number of worksheets, 1 to 200.</source>
        <translation>Numero di schede, da 1 a 200.</translation>
    </message>
    <message>
        <source>The PDF file to write; replaced only when complete.</source>
        <translation>Il file PDF da scrivere; viene sostituito solo quando è completo.</translation>
    </message>
    <message>
        <source>Kind of problems: %1 (default add).</source>
        <translation>Tipo di esercizi: %1 (predefinito add).</translation>
    </message>
    <message>
        <source>Low end of the range, -99 to 99 (default 0).</source>
        <translation>Inizio dell’intervallo, da -99 a 99 (predefinito 0).</translation>
    </message>
    <message>
        <source>High end of the range, -99 to 99 (default 9).</source>
        <translation>Fine dell’intervallo, da -99 a 99 (predefinito 9).</translation>
    </message>
    <message>
        <source>A number to drill on, -99 to 99.</source>
        <translation>Un numero da ripassare, da -99 a 99.</translation>
    </message>
    <message>
        <source>The number in every problem (default).</source>
        <translation>Il numero in ogni esercizio (predefinito).</translation>
    </message>
    <message>
        <source>The number in more problems, not all.</source>
        <translation>Il numero in più esercizi, non in tutti.</translation>
    </message>
    <message>
        <source>Answer keys after-each worksheet (default) or all at-end.</source>
        <translation>Soluzioni after-each (dopo ogni scheda, predefinito) o at-end (tutte alla fine).</translation>
    </message>
    <message>
        <source>Paper: letter (default) or a4.</source>
        <translation>Carta: letter (predefinito) o a4.</translation>
    </message>
    <message>
        <source>Seed of the random draws: the same seed gives the same file.</source>
        <translation>Seme dell’estrazione casuale: lo stesso seme dà lo stesso file.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--worksheets N is needed</source>
        <translation>manca --worksheets N</translation>
    </message>
    <message>
        <source>--worksheets must be a number from %1 to %2, not &apos;%3&apos;</source>
        <translation>--worksheets deve essere un numero da %1 a %2, non &apos;%3&apos;</translation>
    </message>
    <message>
        <source>--output FILE.pdf is needed</source>
        <translation>manca --output FILE.pdf</translation>
    </message>
    <message>
        <source>--type must be one of %1, not &apos;%2&apos;</source>
        <translation>--type deve essere uno tra %1, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from -99 to 99, not &apos;%2&apos;</source>
        <translation>--%1 deve essere un numero intero da -99 a 99, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--emphasis must be a whole number from -99 to 99, not &apos;%1&apos;</source>
        <translation>--emphasis deve essere un numero intero da -99 a 99, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every and --more go with --emphasis N</source>
        <translation>--every e --more vanno con --emphasis N</translation>
    </message>
    <message>
        <source>--every and --more cannot both be given</source>
        <translation>--every e --more non possono stare insieme</translation>
    </message>
    <message>
        <source>--keys must be one of %1, not &apos;%2&apos;</source>
        <translation>--keys deve essere uno tra %1, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--paper must be one of %1, not &apos;%2&apos;</source>
        <translation>--paper deve essere uno tra %1, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0 to %1, not &apos;%2&apos;</source>
        <translation>--seed deve essere un numero intero da 0 a %1, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1: page %2 of %3</source>
        <translation><byte value="xd"/>%1: pagina %2 di %3</translation>
    </message>
    <message>
        <source>%1: interrupted; %2 was not written
</source>
        <translation>%1: interrotto; %2 non è stato scritto
</translation>
    </message>
    <message>
        <source>%1: cannot write %2: %3
</source>
        <translation>%1: impossibile scrivere %2: %3
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra l’aiuto sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argomento inatteso: %1</translation>
    </message>
    <message>
        <source>give either --school-setup or --import-pupils FILE.csv</source>
        <translation>indicare --school-setup oppure --import-pupils FILE.csv</translation>
    </message>
    <message>
        <source>--service NAME is needed: the PostgreSQL service to connect with</source>
        <translation>serve --service NOME: il servizio PostgreSQL a cui collegarsi</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is at version %3 already; nothing changed
</source>
        <translation>%1: la base di dati della scuola (servizio %2) è già alla versione %3; nulla è cambiato
</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is set up at version %3
</source>
        <translation>%1: la base di dati della scuola (servizio %2) è predisposta alla versione %3
</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is migrated from version %3 to %4, its records kept
</source>
        <translation>%1: la base di dati della scuola (servizio %2) è passata dalla versione %3 alla %4, risultati conservati
</translation>
    </message>
    <message>
        <source>%1: %2 new pupils added from %3 (%4 listed)
</source>
        <translation>%1: %2 nuovi alunni aggiunti da %3 (%4 in elenco)
</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>Save Worksheets as PDF</source>
        <translation>Salva schede in PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving worksheets…</source>
        <translation>Salvataggio delle schede…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The worksheets could not be saved as %1: %2</source>
        <translation>Non è stato possibile salvare le schede come %1: %2</translation>
    </message>
    <message>
        <source>After each worksheet</source>
        <translation>Dopo ogni scheda</translation>
    </message>
    <message>
        <source>All at the end</source>
        <translation>Tutte alla fine</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettera</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>&amp;Number of worksheets:</source>
        <translation>&amp;Numero di schede:</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Soluzioni:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Carta:</translation>
    </message>
    <message>
        <source>no worksheets to save</source>
        <translation>nessuna scheda da salvare</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>cannot start the PDF</source>
        <translation>impossibile iniziare il PDF</translation>
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
