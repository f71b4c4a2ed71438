<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in this language (de, fr, es, pt_BR, it, en).</source>
        <translation>Afficher le programme dans cette langue (de, fr, es, pt_BR, it, en).</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Nice Job!!  %1 out of %2!!</source>
        <translation>Bravo !!  %1 sur %2 !!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You Got Them All!!!</source>
        <translation>Tout est juste !!!</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>coupe</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>START!</source>
        <translation>ON Y VA !</translation>
    </message>
    <message>
        <source>ZORVIX V2.5</source>
        <translation>ZORVIX V2.5</translation>
    </message>
    <message>
        <source>TYPE OF TEST</source>
        <translation>OPÉRATION</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <source>SUBTRACT</source>
        <translation>ENLEVER</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>LES 2</translation>
    </message>
    <message>
        <source>MULTIPLY</source>
        <translation>MULTIPLIER</translation>
    </message>
    <message>
        <source>DIVIDE</source>
        <translation>DIVISER</translation>
    </message>
    <message>
        <source>TEST RANGE</source>
        <translation>NOMBRES</translation>
    </message>
    <message>
        <source>PRACTICE FROM</source>
        <translation>S&apos;ENTRAÎNER DE</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>À</translation>
    </message>
    <message>
        <source>NUMBER OF PROBLEMS</source>
        <translation>NOMBRE DE CALCULS</translation>
    </message>
    <message>
        <source>TIME LIMIT</source>
        <translation>TEMPS LIMITÉ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>TIME(MIN)</source>
        <translation>TEMPS(MIN)</translation>
    </message>
    <message>
        <source>METHOD</source>
        <translation>COMMENT S&apos;ENTRAÎNER</translation>
    </message>
    <message>
        <source>PAGE OF  PROBLEMS</source>
        <translation>FEUILLE DE CALCULS</translation>
    </message>
    <message>
        <source>INDIVIDUAL PROBLEMS</source>
        <translation>UN CALCUL À LA FOIS</translation>
    </message>
    <message>
        <source>PRINTED PAGE</source>
        <translation>FEUILLE IMPRIMÉE</translation>
    </message>
    <message>
        <source>EMPHASIS</source>
        <translation>PRIORITÉ</translation>
    </message>
    <message>
        <source>DRILL ON</source>
        <translation>REVOIR LE</translation>
    </message>
    <message>
        <source>EVERY PROBLEM</source>
        <translation>DANS CHAQUE CALCUL</translation>
    </message>
    <message>
        <source>MORE (NOT ALL)</source>
        <translation>SOUVENT (PAS TOUS)</translation>
    </message>
    <message>
        <source>END</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>www.zorvix.example</source>
        <translation>www.zorvix.example</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>ajouter et enlever</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>multiplier et diviser</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>&amp;Agrandir</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>Ré&amp;duire</translation>
    </message>
    <message>
        <source>&amp;NormalWindow</source>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Setup Page</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>FlashCards</source>
        <translation>Cartes de calcul</translation>
    </message>
    <message>
        <source>FlashPage</source>
        <translation>Feuille de calculs</translation>
    </message>
    <message>
        <source>PrintPage</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>About Zorvix</source>
        <translation>À propos de Zorvix</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Save Worksheets as &amp;PDF…</source>
        <translation>Enregistrer les fiches en &amp;PDF…</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>START</source>
        <translation>ON Y VA</translation>
    </message>
    <message>
        <source>NEW PROBLEM</source>
        <translation>NOUVEAU CALCUL</translation>
    </message>
    <message>
        <source>thinking</source>
        <translation>réfléchit</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>Individual Flashcards</source>
        <translation>Cartes de calcul</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>premier nombre</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>deuxième nombre</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>opération</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>réponse</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter to check it</source>
        <translation>Écris la réponse, puis appuie sur Entrée pour vérifier</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Total Tries</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Passés</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>VÉRIFIER</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>PASSER</translation>
    </message>
    <message>
        <source>MISSED PROBLEMS</source>
        <translation>REFAIRE LES ERREURS</translation>
    </message>
    <message>
        <source>types into the answer</source>
        <translation>écrit dans la réponse</translation>
    </message>
    <message>
        <source>time bar track</source>
        <translation>fond de la barre de temps</translation>
    </message>
    <message>
        <source>click to show the time bar</source>
        <translation>clique pour montrer la barre de temps</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>barre de temps</translation>
    </message>
    <message>
        <source>end of the time bar</source>
        <translation>fin de la barre de temps</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 percent of the time used</source>
        <translation>%1 pour cent du temps est passé</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>New Problems</source>
        <translation>Nouveaux calculs</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>time bar track</source>
        <translation>fond de la barre de temps</translation>
    </message>
    <message>
        <source>click to show or hide the time bar</source>
        <translation>clique pour montrer ou cacher la barre de temps</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>barre de temps</translation>
    </message>
    <message>
        <source>start of the time bar</source>
        <translation>début de la barre de temps</translation>
    </message>
    <message>
        <source>end of the time bar</source>
        <translation>fin de la barre de temps</translation>
    </message>
    <message>
        <source>%1 Problems - Numbers %2 Through %3</source>
        <translation>%1 calculs - nombres de %2 à %3</translation>
    </message>
    <message>
        <source>problem %1: %2 %3 %4</source>
        <translation>calcul %1 : %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 percent of the time used</source>
        <translation>%1 pour cent du temps est passé</translation>
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
        <translation>Il n&apos;y a pas d&apos;imprimante</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>problem %1: %2 %3 %4</source>
        <translation>calcul %1 : %2 %3 %4</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Set Up the FlashCards</source>
        <translation>Préparer les cartes de calcul</translation>
    </message>
    <message>
        <source>Using the Flash Cards</source>
        <translation>Utiliser les cartes de calcul</translation>
    </message>
    <message>
        <source>Using the Flash Page of Problems</source>
        <translation>Utiliser la feuille de calculs</translation>
    </message>
    <message>
        <source>Printing a Page of Problems</source>
        <translation>Imprimer une feuille de calculs</translation>
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
        <translation>&amp;Nouveau…</translation>
    </message>
    <message>
        <source>New Child</source>
        <translation>Nouvel enfant</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>That name is empty or already taken.</source>
        <translation>Ce prénom est vide ou déjà pris.</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>Rename Child</source>
        <translation>Renommer l’enfant</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progrès</translation>
    </message>
    <message>
        <source>Show &amp;Progress…</source>
        <translation>Voir les &amp;progrès…</translation>
    </message>
    <message>
        <source>&amp;Who Is Practising</source>
        <translation>&amp;Qui s’entraîne</translation>
    </message>
    <message>
        <source>Practise &amp;Hardest Facts</source>
        <translation>S’entraîner aux calculs les plus &amp;durs</translation>
    </message>
    <message>
        <source>Practise Hardest Facts</source>
        <translation>S’entraîner aux calculs les plus durs</translation>
    </message>
    <message>
        <source>Nothing was missed in the last 30 days.</source>
        <translation>Aucune erreur ces 30 derniers jours.</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Forget All Progress…</source>
        <translation>&amp;Oublier tous les progrès…</translation>
    </message>
    <message>
        <source>Forget All Progress</source>
        <translation>Oublier tous les progrès</translation>
    </message>
    <message>
        <source>Forget every recorded test of every child? This cannot be undone.</source>
        <translation>Oublier tous les exercices enregistrés de tous les enfants ? On ne pourra pas revenir en arrière.</translation>
    </message>
    <message>
        <source>, hardest facts</source>
        <translation>, calculs les plus durs</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Façon</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Test type</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% justes</translation>
    </message>
    <message>
        <source>Per minute</source>
        <translation>Par minute</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Times missed</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Enfant :</translation>
    </message>
    <message>
        <source>All children</source>
        <translation>Tous les enfants</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>&amp;Période :</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Problem with the progress file</source>
        <translation>Problème avec le fichier des progrès</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Percent right per test</source>
        <translation>Pourcentage de réponses justes par exercice</translation>
    </message>
    <message>
        <source>Problems per minute</source>
        <translation>Calculs par minute</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Hardest facts</source>
        <translation>Calculs les plus durs</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>E&amp;xercices</translation>
    </message>
    <message>
        <source>&amp;Hardest facts</source>
        <translation>Calculs les plus &amp;durs</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Records waiting to be written: %1</source>
        <translation>Résultats en attente d’enregistrement : %1</translation>
    </message>
    <message>
        <source>A damaged progress file was kept as %1 and a new one started.</source>
        <translation>Un fichier des progrès abîmé a été gardé sous le nom %1 et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>No tests in this period.</source>
        <translation>Aucun exercice pendant cette période.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Additions</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustractions</translation>
    </message>
    <message>
        <source>Addition and subtraction</source>
        <translation>Additions et soustractions</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplications</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisions</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Multiplications et divisions</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>temps écoulé</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>graded</source>
        <translation>corrigé</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>imprimé</translation>
    </message>
    <message>
        <source>key printed</source>
        <translation>corrigé imprimé</translation>
    </message>
    <message>
        <source>retried</source>
        <translation>refait</translation>
    </message>
    <message>
        <source>sheet</source>
        <translation>feuille</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>cartes</translation>
    </message>
    <message>
        <source>%1: 1 test</source>
        <translation>%1 : 1 exercice</translation>
    </message>
    <message>
        <source>%1: %2 tests</source>
        <translation>%1 : %2 exercices</translation>
    </message>
    <message>
        <source>, %1 % right</source>
        <translation>, %1 % de réponses justes</translation>
    </message>
    <message>
        <source> in the last day</source>
        <translation> le dernier jour</translation>
    </message>
    <message>
        <source> in the last %1 days</source>
        <translation> ces %1 derniers jours</translation>
    </message>
    <message>
        <source>, up from %1 %</source>
        <translation>, en progrès (avant : %1 %)</translation>
    </message>
    <message>
        <source>, down from %1 %</source>
        <translation>, en baisse (avant : %1 %)</translation>
    </message>
    <message>
        <source>, as before</source>
        <translation>, comme avant</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Show Progress</source>
        <translation>Voir les progrès</translation>
    </message>
    <message>
        <source>The Progress window could not be loaded. The drills work as before and still record every test.</source>
        <translation>La fenêtre des progrès n'a pas pu être chargée. Les exercices fonctionnent comme avant et sont toujours tous enregistrés.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Classe</translation>
    </message>
    <message>
        <source>Forget every recorded test of %1? This cannot be undone.</source>
        <translation>Oublier tous les exercices enregistrés de %1 ? On ne pourra pas revenir en arrière.</translation>
    </message>
    <message>
        <source>C&amp;lass:</source>
        <translation>C&amp;lasse :</translation>
    </message>
    <message>
        <source>Whole school</source>
        <translation>Toute l’école</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>All pupils</source>
        <translation>Tous les élèves</translation>
    </message>
    <message>
        <source>The school&apos;s server cannot be reached: %1</source>
        <translation>Le serveur de l’école est injoignable : %1</translation>
    </message>
    <message>
        <source>Records waiting to be sent: %1</source>
        <translation>Résultats en attente d’envoi : %1</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
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
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Essayez &apos;%1 --help&apos; pour en savoir plus.</translation>
    </message>
    <message>
        <source>Writes printed worksheets of 40 problems, each with its answer key, to a PDF file.
Without any of these options the program opens its windows.</source>
        <translation>Écrit dans un fichier PDF des fiches de 40 calculs, chacune avec son corrigé.
Sans aucun de ces paramètres, le programme ouvre ses fenêtres.</translation>
    </message>
    <message>
        <source>Number of worksheets, 1 to 200.</source>
        <translation>Nombre de fiches, de 1 à 200.</translation>
    </message>
    <message>
        <source>The PDF file to write; replaced only when complete.</source>
        <translation>Le fichier PDF à écrire ; il n’est remplacé qu’une fois terminé.</translation>
    </message>
    <message>
        <source>Kind of problems: %1 (default add).</source>
        <translation>Opération : %1 (par défaut add).</translation>
    </message>
    <message>
        <source>Low end of the range, -99 to 99 (default 0).</source>
        <translation>Début de l’intervalle, de -99 à 99 (par défaut 0).</translation>
    </message>
    <message>
        <source>High end of the range, -99 to 99 (default 9).</source>
        <translation>Fin de l’intervalle, de -99 à 99 (par défaut 9).</translation>
    </message>
    <message>
        <source>A number to drill on, -99 to 99.</source>
        <translation>Un nombre à revoir, de -99 à 99.</translation>
    </message>
    <message>
        <source>The number in every problem (default).</source>
        <translation>Le nombre dans chaque calcul (par défaut).</translation>
    </message>
    <message>
        <source>The number in more problems, not all.</source>
        <translation>Le nombre dans plus de calculs, pas dans tous.</translation>
    </message>
    <message>
        <source>Answer keys after-each worksheet (default) or all at-end.</source>
        <translation>Corrigés after-each (après chaque fiche, par défaut) ou at-end (tous à la fin).</translation>
    </message>
    <message>
        <source>Paper: letter (default) or a4.</source>
        <translation>Papier : letter (par défaut) ou a4.</translation>
    </message>
    <message>
        <source>Seed of the random draws: the same seed gives the same file.</source>
        <translation>Graine du tirage au hasard : la même graine donne le même fichier.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>paramètre inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--worksheets N is needed</source>
        <translation>--worksheets N est obligatoire</translation>
    </message>
    <message>
        <source>--worksheets must be a number from %1 to %2, not &apos;%3&apos;</source>
        <translation>--worksheets doit être un nombre de %1 à %2, pas &apos;%3&apos;</translation>
    </message>
    <message>
        <source>--output FILE.pdf is needed</source>
        <translation>--output FILE.pdf est obligatoire</translation>
    </message>
    <message>
        <source>--type must be one of %1, not &apos;%2&apos;</source>
        <translation>--type doit être l’un de %1, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from -99 to 99, not &apos;%2&apos;</source>
        <translation>--%1 doit être un nombre entier de -99 à 99, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--emphasis must be a whole number from -99 to 99, not &apos;%1&apos;</source>
        <translation>--emphasis doit être un nombre entier de -99 à 99, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every and --more go with --emphasis N</source>
        <translation>--every et --more vont avec --emphasis N</translation>
    </message>
    <message>
        <source>--every and --more cannot both be given</source>
        <translation>--every et --more ne vont pas ensemble</translation>
    </message>
    <message>
        <source>--keys must be one of %1, not &apos;%2&apos;</source>
        <translation>--keys doit être l’un de %1, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--paper must be one of %1, not &apos;%2&apos;</source>
        <translation>--paper doit être l’un de %1, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0 to %1, not &apos;%2&apos;</source>
        <translation>--seed doit être un nombre entier de 0 à %1, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1: page %2 of %3</source>
        <translation><byte value="xd"/>%1: page %2 sur %3</translation>
    </message>
    <message>
        <source>%1: interrupted; %2 was not written
</source>
        <translation>%1: interrompu ; %2 n’a pas été écrit
</translation>
    </message>
    <message>
        <source>%1: cannot write %2: %3
</source>
        <translation>%1: impossible d’écrire %2 : %3
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>paramètre inattendu : %1</translation>
    </message>
    <message>
        <source>give either --school-setup or --import-pupils FILE.csv</source>
        <translation>indiquez soit --school-setup, soit --import-pupils FICHIER.csv</translation>
    </message>
    <message>
        <source>--service NAME is needed: the PostgreSQL service to connect with</source>
        <translation>--service NOM est nécessaire : la connexion PostgreSQL à utiliser</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is at version %3 already; nothing changed
</source>
        <translation>%1 : la base de l’école (connexion %2) est déjà en version %3 ; rien n’a changé
</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is set up at version %3
</source>
        <translation>%1 : la base de l’école (connexion %2) est installée en version %3
</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is migrated from version %3 to %4, its records kept
</source>
        <translation>%1 : la base de l’école (connexion %2) est passée de la version %3 à %4, ses résultats conservés
</translation>
    </message>
    <message>
        <source>%1: %2 new pupils added from %3 (%4 listed)
</source>
        <translation>%1 : %2 nouveaux élèves ajoutés depuis %3 (%4 dans la liste)
</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>Save Worksheets as PDF</source>
        <translation>Enregistrer les fiches en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving worksheets…</source>
        <translation>Enregistrement des fiches…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The worksheets could not be saved as %1: %2</source>
        <translation>Les fiches n’ont pas pu être enregistrées sous %1 : %2</translation>
    </message>
    <message>
        <source>After each worksheet</source>
        <translation>Après chaque fiche</translation>
    </message>
    <message>
        <source>All at the end</source>
        <translation>Toutes à la fin</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>&amp;Number of worksheets:</source>
        <translation>&amp;Nombre de fiches :</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Corrigés :</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier :</translation>
    </message>
    <message>
        <source>no worksheets to save</source>
        <translation>aucune fiche à enregistrer</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>cannot start the PDF</source>
        <translation>impossible de commencer le PDF</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>An interactive mathematics flashcard program providing four function skills work in either a single problem or multiple problem mode.</source>
        <translation>Un programme de calcul pour ajouter, enlever, multiplier et diviser : un calcul à la fois ou une feuille entière.</translation>
    </message>
    <message>
        <source>© The Zorvix developers. Free for home and classroom use. Provided as is, without warranty of any kind.</source>
        <translation>© Les développeurs de Zorvix. Gratuit à la maison et en classe. Fourni tel quel, sans aucune garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
