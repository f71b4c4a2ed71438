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
    <message>
        <source>Save Worksheets as &amp;PDF…</source>
        <translation>Guardar fichas en &amp;PDF…</translation>
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
    <name>Progress</name>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nuevo…</translation>
    </message>
    <message>
        <source>New Child</source>
        <translation>Nuevo niño</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>That name is empty or already taken.</source>
        <translation>Ese nombre está vacío o ya existe.</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Cambiar nombre…</translation>
    </message>
    <message>
        <source>Rename Child</source>
        <translation>Cambiar el nombre</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progreso</translation>
    </message>
    <message>
        <source>Show &amp;Progress…</source>
        <translation>Ver el &amp;progreso…</translation>
    </message>
    <message>
        <source>&amp;Who Is Practising</source>
        <translation>&amp;Quién practica</translation>
    </message>
    <message>
        <source>Practise &amp;Hardest Facts</source>
        <translation>Practicar las cuentas más &amp;difíciles</translation>
    </message>
    <message>
        <source>Practise Hardest Facts</source>
        <translation>Practicar las cuentas más difíciles</translation>
    </message>
    <message>
        <source>Nothing was missed in the last 30 days.</source>
        <translation>No hubo ningún fallo en los últimos 30 días.</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportar a CSV…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Forget All Progress…</source>
        <translation>&amp;Olvidar todo el progreso…</translation>
    </message>
    <message>
        <source>Forget All Progress</source>
        <translation>Olvidar todo el progreso</translation>
    </message>
    <message>
        <source>Forget every recorded test of every child? This cannot be undone.</source>
        <translation>¿Olvidar todas las pruebas guardadas de todos los niños? No se puede deshacer.</translation>
    </message>
    <message>
        <source>, hardest facts</source>
        <translation>, cuentas más difíciles</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Test type</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% bien</translation>
    </message>
    <message>
        <source>Per minute</source>
        <translation>Por minuto</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Times missed</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Niño:</translation>
    </message>
    <message>
        <source>All children</source>
        <translation>Todos los niños</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>P&amp;eriodo:</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Problem with the progress file</source>
        <translation>Problema con el archivo de progreso</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Percent right per test</source>
        <translation>Porcentaje de aciertos por prueba</translation>
    </message>
    <message>
        <source>Problems per minute</source>
        <translation>Problemas por minuto</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Hardest facts</source>
        <translation>Cuentas más difíciles</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Pruebas</translation>
    </message>
    <message>
        <source>&amp;Hardest facts</source>
        <translation>Cuentas más &amp;difíciles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Records waiting to be written: %1</source>
        <translation>Resultados aún sin guardar: %1</translation>
    </message>
    <message>
        <source>A damaged progress file was kept as %1 and a new one started.</source>
        <translation>Un archivo de progreso dañado se guardó como %1 y se empezó uno nuevo.</translation>
    </message>
    <message>
        <source>No tests in this period.</source>
        <translation>No hay pruebas en este periodo.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Sumas</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Restas</translation>
    </message>
    <message>
        <source>Addition and subtraction</source>
        <translation>Sumas y restas</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicaciones</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisiones</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Multiplicaciones y divisiones</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminada</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>se acabó el tiempo</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>parada</translation>
    </message>
    <message>
        <source>graded</source>
        <translation>corregida</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>impresa</translation>
    </message>
    <message>
        <source>key printed</source>
        <translation>soluciones impresas</translation>
    </message>
    <message>
        <source>retried</source>
        <translation>repetida</translation>
    </message>
    <message>
        <source>sheet</source>
        <translation>hoja</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>tarjetas</translation>
    </message>
    <message>
        <source>%1: 1 test</source>
        <translation>%1: 1 prueba</translation>
    </message>
    <message>
        <source>%1: %2 tests</source>
        <translation>%1: %2 pruebas</translation>
    </message>
    <message>
        <source>, %1 % right</source>
        <translation>, %1 % de aciertos</translation>
    </message>
    <message>
        <source> in the last day</source>
        <translation> en el último día</translation>
    </message>
    <message>
        <source> in the last %1 days</source>
        <translation> en los últimos %1 días</translation>
    </message>
    <message>
        <source>, up from %1 %</source>
        <translation>, mejor que antes (%1 %)</translation>
    </message>
    <message>
        <source>, down from %1 %</source>
        <translation>, peor que antes (%1 %)</translation>
    </message>
    <message>
        <source>, as before</source>
        <translation>, igual que antes</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Show Progress</source>
        <translation>Ver el progreso</translation>
    </message>
    <message>
        <source>The Progress window could not be loaded. The drills work as before and still record every test.</source>
        <translation>No se pudo cargar la ventana de progreso. Los ejercicios funcionan como antes y siguen registrando cada prueba.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Clase</translation>
    </message>
    <message>
        <source>Forget every recorded test of %1? This cannot be undone.</source>
        <translation>¿Olvidar todas las pruebas guardadas de %1? No se puede deshacer.</translation>
    </message>
    <message>
        <source>C&amp;lass:</source>
        <translation>C&amp;lase:</translation>
    </message>
    <message>
        <source>Whole school</source>
        <translation>Toda la escuela</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>All pupils</source>
        <translation>Todos los alumnos</translation>
    </message>
    <message>
        <source>The school&apos;s server cannot be reached: %1</source>
        <translation>No se puede conectar con el servidor de la escuela: %1</translation>
    </message>
    <message>
        <source>Records waiting to be sent: %1</source>
        <translation>Resultados aún sin enviar: %1</translation>
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
    <name>WorksheetCommand</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Prueba &apos;%1 --help&apos; para saber más.</translation>
    </message>
    <message>
        <source>Writes printed worksheets of 40 problems, each with its answer key, to a PDF file.
Without any of these options the program opens its windows.</source>
        <translation>Escribe en un archivo PDF fichas de 40 problemas, cada una con sus soluciones.
Sin ninguna de estas opciones, el programa abre sus ventanas.</translation>
    </message>
    <message>
        <source>Number of worksheets, 1 to 200.</source>
        <translation>Número de fichas, de 1 a 200.</translation>
    </message>
    <message>
        <source>The PDF file to write; replaced only when complete.</source>
        <translation>El archivo PDF que se escribe; solo se reemplaza cuando está completo.</translation>
    </message>
    <message>
        <source>Kind of problems: %1 (default add).</source>
        <translation>Tipo de problemas: %1 (por defecto add).</translation>
    </message>
    <message>
        <source>Low end of the range, -99 to 99 (default 0).</source>
        <translation>Extremo inferior del rango, de -99 a 99 (por defecto 0).</translation>
    </message>
    <message>
        <source>High end of the range, -99 to 99 (default 9).</source>
        <translation>Extremo superior del rango, de -99 a 99 (por defecto 9).</translation>
    </message>
    <message>
        <source>A number to drill on, -99 to 99.</source>
        <translation>Un número para repasar, de -99 a 99.</translation>
    </message>
    <message>
        <source>The number in every problem (default).</source>
        <translation>El número en cada problema (por defecto).</translation>
    </message>
    <message>
        <source>The number in more problems, not all.</source>
        <translation>El número en más problemas, no en todos.</translation>
    </message>
    <message>
        <source>Answer keys after-each worksheet (default) or all at-end.</source>
        <translation>Soluciones after-each (tras cada ficha, por defecto) o at-end (todas al final).</translation>
    </message>
    <message>
        <source>Paper: letter (default) or a4.</source>
        <translation>Papel: letter (por defecto) o a4.</translation>
    </message>
    <message>
        <source>Seed of the random draws: the same seed gives the same file.</source>
        <translation>Semilla del sorteo: la misma semilla da el mismo archivo.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--worksheets N is needed</source>
        <translation>falta --worksheets N</translation>
    </message>
    <message>
        <source>--worksheets must be a number from %1 to %2, not &apos;%3&apos;</source>
        <translation>--worksheets debe ser un número de %1 a %2, no &apos;%3&apos;</translation>
    </message>
    <message>
        <source>--output FILE.pdf is needed</source>
        <translation>falta --output FILE.pdf</translation>
    </message>
    <message>
        <source>--type must be one of %1, not &apos;%2&apos;</source>
        <translation>--type debe ser uno de %1, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from -99 to 99, not &apos;%2&apos;</source>
        <translation>--%1 debe ser un número entero de -99 a 99, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--emphasis must be a whole number from -99 to 99, not &apos;%1&apos;</source>
        <translation>--emphasis debe ser un número entero de -99 a 99, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every and --more go with --emphasis N</source>
        <translation>--every y --more van con --emphasis N</translation>
    </message>
    <message>
        <source>--every and --more cannot both be given</source>
        <translation>--every y --more no pueden ir juntos</translation>
    </message>
    <message>
        <source>--keys must be one of %1, not &apos;%2&apos;</source>
        <translation>--keys debe ser uno de %1, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--paper must be one of %1, not &apos;%2&apos;</source>
        <translation>--paper debe ser uno de %1, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0 to %1, not &apos;%2&apos;</source>
        <translation>--seed debe ser un número entero de 0 a %1, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1: page %2 of %3</source>
        <translation><byte value="xd"/>%1: página %2 de %3</translation>
    </message>
    <message>
        <source>%1: interrupted; %2 was not written
</source>
        <translation>%1: interrumpido; %2 no se ha escrito
</translation>
    </message>
    <message>
        <source>%1: cannot write %2: %3
</source>
        <translation>%1: no se puede escribir %2: %3
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>give either --school-setup or --import-pupils FILE.csv</source>
        <translation>indique --school-setup o --import-pupils ARCHIVO.csv</translation>
    </message>
    <message>
        <source>--service NAME is needed: the PostgreSQL service to connect with</source>
        <translation>falta --service NOMBRE: el servicio de PostgreSQL con el que conectarse</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is at version %3 already; nothing changed
</source>
        <translation>%1: la base de datos de la escuela (servicio %2) ya está en la versión %3; no se cambió nada
</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is set up at version %3
</source>
        <translation>%1: la base de datos de la escuela (servicio %2) está preparada en la versión %3
</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is migrated from version %3 to %4, its records kept
</source>
        <translation>%1: la base de datos de la escuela (servicio %2) pasó de la versión %3 a la %4, con sus resultados
</translation>
    </message>
    <message>
        <source>%1: %2 new pupils added from %3 (%4 listed)
</source>
        <translation>%1: %2 alumnos nuevos añadidos desde %3 (%4 en la lista)
</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>Save Worksheets as PDF</source>
        <translation>Guardar fichas en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving worksheets…</source>
        <translation>Guardando fichas…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The worksheets could not be saved as %1: %2</source>
        <translation>No se pudieron guardar las fichas como %1: %2</translation>
    </message>
    <message>
        <source>After each worksheet</source>
        <translation>Después de cada ficha</translation>
    </message>
    <message>
        <source>All at the end</source>
        <translation>Todas al final</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>&amp;Number of worksheets:</source>
        <translation>&amp;Número de fichas:</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Soluciones:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>no worksheets to save</source>
        <translation>no hay fichas que guardar</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>cannot start the PDF</source>
        <translation>no se puede empezar el PDF</translation>
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
