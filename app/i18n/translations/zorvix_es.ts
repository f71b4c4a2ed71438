<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in this language (de, fr, es, pt_BR, it, en).</source>
        <translation>Mostrar el programa en este idioma (de, fr, es, pt_BR, it, en).</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Nice Job!!  %1 out of %2!!</source>
        <translation>¡¡Muy bien!!  ¡¡%1 de %2!!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Vale</translation>
    </message>
    <message>
        <source>You Got Them All!!!</source>
        <translation>¡¡¡Todo bien!!!</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>trofeo</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>START!</source>
        <translation>¡EMPEZAR!</translation>
    </message>
    <message>
        <source>ZORVIX V2.5</source>
        <translation>ZORVIX V2.5</translation>
    </message>
    <message>
        <source>TYPE OF TEST</source>
        <translation>OPERACIÓN</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>SUMAR</translation>
    </message>
    <message>
        <source>SUBTRACT</source>
        <translation>RESTAR</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>AMBAS</translation>
    </message>
    <message>
        <source>MULTIPLY</source>
        <translation>MULTIPLICAR</translation>
    </message>
    <message>
        <source>DIVIDE</source>
        <translation>DIVIDIR</translation>
    </message>
    <message>
        <source>TEST RANGE</source>
        <translation>NÚMEROS</translation>
    </message>
    <message>
        <source>PRACTICE FROM</source>
        <translation>PRACTICAR DEL</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>AL</translation>
    </message>
    <message>
        <source>NUMBER OF PROBLEMS</source>
        <translation>NÚMERO DE PROBLEMAS</translation>
    </message>
    <message>
        <source>TIME LIMIT</source>
        <translation>TIEMPO LÍMITE</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>TIME(MIN)</source>
        <translation>TIEMPO(MIN)</translation>
    </message>
    <message>
        <source>METHOD</source>
        <translation>CÓMO PRACTICAR</translation>
    </message>
    <message>
        <source>PAGE OF  PROBLEMS</source>
        <translation>HOJA DE PROBLEMAS</translation>
    </message>
    <message>
        <source>INDIVIDUAL PROBLEMS</source>
        <translation>DE UNO EN UNO</translation>
    </message>
    <message>
        <source>PRINTED PAGE</source>
        <translation>HOJA IMPRESA</translation>
    </message>
    <message>
        <source>EMPHASIS</source>
        <translation>REFUERZO</translation>
    </message>
    <message>
        <source>DRILL ON</source>
        <translation>REPASAR EL</translation>
    </message>
    <message>
        <source>EVERY PROBLEM</source>
        <translation>EN CADA PROBLEMA</translation>
    </message>
    <message>
        <source>MORE (NOT ALL)</source>
        <translation>MÁS (NO EN TODOS)</translation>
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
        <translation>sumar y restar</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>multiplicar y dividir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximizar</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimizar</translation>
    </message>
    <message>
        <source>&amp;NormalWindow</source>
        <translation>Ventana &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Setup Page</source>
        <translation>Preparar</translation>
    </message>
    <message>
        <source>FlashCards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>FlashPage</source>
        <translation>Hoja de problemas</translation>
    </message>
    <message>
        <source>PrintPage</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>About Zorvix</source>
        <translation>Acerca de Zorvix</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
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
        <translation>EMPEZAR</translation>
    </message>
    <message>
        <source>NEW PROBLEM</source>
        <translation>NUEVO PROBLEMA</translation>
    </message>
    <message>
        <source>thinking</source>
        <translation>pensando</translation>
    </message>
    <message>
        <source>right</source>
        <translation>bien</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>Individual Flashcards</source>
        <translation>Tarjetas de cálculo</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primer número</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>segundo número</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>operación</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>respuesta</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter to check it</source>
        <translation>Escribe la respuesta y pulsa Intro para comprobarla</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Total Tries</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltados</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>COMPROBAR</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>SALTAR</translation>
    </message>
    <message>
        <source>MISSED PROBLEMS</source>
        <translation>REPASAR ERRORES</translation>
    </message>
    <message>
        <source>types into the answer</source>
        <translation>escribe en la respuesta</translation>
    </message>
    <message>
        <source>time bar track</source>
        <translation>fondo de la barra de tiempo</translation>
    </message>
    <message>
        <source>click to show the time bar</source>
        <translation>haz clic para ver la barra de tiempo</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>barra de tiempo</translation>
    </message>
    <message>
        <source>end of the time bar</source>
        <translation>final de la barra de tiempo</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 percent of the time used</source>
        <translation>%1 por ciento del tiempo usado</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>New Problems</source>
        <translation>Nuevos problemas</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>time bar track</source>
        <translation>fondo de la barra de tiempo</translation>
    </message>
    <message>
        <source>click to show or hide the time bar</source>
        <translation>haz clic para ver u ocultar la barra de tiempo</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>barra de tiempo</translation>
    </message>
    <message>
        <source>start of the time bar</source>
        <translation>inicio de la barra de tiempo</translation>
    </message>
    <message>
        <source>end of the time bar</source>
        <translation>final de la barra de tiempo</translation>
    </message>
    <message>
        <source>%1 Problems - Numbers %2 Through %3</source>
        <translation>%1 problemas - números del %2 al %3</translation>
    </message>
    <message>
        <source>problem %1: %2 %3 %4</source>
        <translation>problema %1: %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 percent of the time used</source>
        <translation>%1 por ciento del tiempo usado</translation>
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
        <translation>No hay impresora</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>problem %1: %2 %3 %4</source>
        <translation>problema %1: %2 %3 %4</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Set Up the FlashCards</source>
        <translation>Preparar las tarjetas</translation>
    </message>
    <message>
        <source>Using the Flash Cards</source>
        <translation>Usar las tarjetas</translation>
    </message>
    <message>
        <source>Using the Flash Page of Problems</source>
        <translation>Usar la hoja de problemas</translation>
    </message>
    <message>
        <source>Printing a Page of Problems</source>
        <translation>Imprimir una hoja de problemas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Vale</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>An interactive mathematics flashcard program providing four function skills work in either a single problem or multiple problem mode.</source>
        <translation>Un programa de cálculo para sumar, restar, multiplicar y dividir: de uno en uno o con una hoja entera.</translation>
    </message>
    <message>
        <source>© The Zorvix developers. Free for home and classroom use. Provided as is, without warranty of any kind.</source>
        <translation>© Los desarrolladores de Zorvix. Gratis en casa y en clase. Se ofrece tal cual, sin ninguna garantía.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Vale</translation>
    </message>
</context>
</TS>
