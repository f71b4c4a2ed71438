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
