<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in this language (de, fr, es, pt_BR, it, en).</source>
        <translation>Mostrar o programa neste idioma (de, fr, es, pt_BR, it, en).</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Nice Job!!  %1 out of %2!!</source>
        <translation>Muito bem!!  %1 de %2!!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You Got Them All!!!</source>
        <translation>Acertou tudo!!!</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>troféu</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>START!</source>
        <translation>COMEÇAR!</translation>
    </message>
    <message>
        <source>ZORVIX V2.5</source>
        <translation>ZORVIX V2.5</translation>
    </message>
    <message>
        <source>TYPE OF TEST</source>
        <translation>OPERAÇÃO</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>SOMAR</translation>
    </message>
    <message>
        <source>SUBTRACT</source>
        <translation>SUBTRAIR</translation>
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
        <translation>PRATICAR DE</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>ATÉ</translation>
    </message>
    <message>
        <source>NUMBER OF PROBLEMS</source>
        <translation>NÚMERO DE CONTAS</translation>
    </message>
    <message>
        <source>TIME LIMIT</source>
        <translation>TEMPO LIMITE</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NÃO</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>TIME(MIN)</source>
        <translation>TEMPO(MIN)</translation>
    </message>
    <message>
        <source>METHOD</source>
        <translation>COMO PRATICAR</translation>
    </message>
    <message>
        <source>PAGE OF  PROBLEMS</source>
        <translation>FOLHA DE CONTAS</translation>
    </message>
    <message>
        <source>INDIVIDUAL PROBLEMS</source>
        <translation>UMA CONTA POR VEZ</translation>
    </message>
    <message>
        <source>PRINTED PAGE</source>
        <translation>FOLHA IMPRESSA</translation>
    </message>
    <message>
        <source>EMPHASIS</source>
        <translation>REFORÇO</translation>
    </message>
    <message>
        <source>DRILL ON</source>
        <translation>TREINAR O</translation>
    </message>
    <message>
        <source>EVERY PROBLEM</source>
        <translation>EM TODAS AS CONTAS</translation>
    </message>
    <message>
        <source>MORE (NOT ALL)</source>
        <translation>MAIS (NÃO TODAS)</translation>
    </message>
    <message>
        <source>END</source>
        <translation>SAIR</translation>
    </message>
    <message>
        <source>www.zorvix.example</source>
        <translation>www.zorvix.example</translation>
    </message>
    <message>
        <source>addition and subtraction</source>
        <translation>somar e subtrair</translation>
    </message>
    <message>
        <source>multiplication and division</source>
        <translation>multiplicar e dividir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
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
        <translation>Janela &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Setup Page</source>
        <translation>Preparar</translation>
    </message>
    <message>
        <source>FlashCards</source>
        <translation>Cartões</translation>
    </message>
    <message>
        <source>FlashPage</source>
        <translation>Folha de contas</translation>
    </message>
    <message>
        <source>PrintPage</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>About Zorvix</source>
        <translation>Sobre o Zorvix</translation>
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
        <translation>COMEÇAR</translation>
    </message>
    <message>
        <source>NEW PROBLEM</source>
        <translation>NOVA CONTA</translation>
    </message>
    <message>
        <source>thinking</source>
        <translation>pensando</translation>
    </message>
    <message>
        <source>right</source>
        <translation>certo</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>errado</translation>
    </message>
    <message>
        <source>Individual Flashcards</source>
        <translation>Cartões de contas</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primeiro número</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>segundo número</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>operação</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>resposta</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter to check it</source>
        <translation>Digite a resposta e aperte Enter para conferir</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>APAGAR</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Certas</translation>
    </message>
    <message>
        <source>Total Tries</source>
        <translation>Tentativas</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Puladas</translation>
    </message>
    <message>
        <source>CHECK</source>
        <translation>CONFERIR</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>PULAR</translation>
    </message>
    <message>
        <source>MISSED PROBLEMS</source>
        <translation>REFAZER ERRADAS</translation>
    </message>
    <message>
        <source>types into the answer</source>
        <translation>digita na resposta</translation>
    </message>
    <message>
        <source>time bar track</source>
        <translation>fundo da barra de tempo</translation>
    </message>
    <message>
        <source>click to show the time bar</source>
        <translation>clique para mostrar a barra de tempo</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>barra de tempo</translation>
    </message>
    <message>
        <source>end of the time bar</source>
        <translation>fim da barra de tempo</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 percent of the time used</source>
        <translation>%1 por cento do tempo usado</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>New Problems</source>
        <translation>Novas contas</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>time bar track</source>
        <translation>fundo da barra de tempo</translation>
    </message>
    <message>
        <source>click to show or hide the time bar</source>
        <translation>clique para mostrar ou esconder a barra de tempo</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>barra de tempo</translation>
    </message>
    <message>
        <source>start of the time bar</source>
        <translation>início da barra de tempo</translation>
    </message>
    <message>
        <source>end of the time bar</source>
        <translation>fim da barra de tempo</translation>
    </message>
    <message>
        <source>%1 Problems - Numbers %2 Through %3</source>
        <translation>%1 contas - números de %2 a %3</translation>
    </message>
    <message>
        <source>problem %1: %2 %3 %4</source>
        <translation>conta %1: %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 percent of the time used</source>
        <translation>%1 por cento do tempo usado</translation>
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
        <translation>Não há impressora</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>problem %1: %2 %3 %4</source>
        <translation>conta %1: %2 %3 %4</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Set Up the FlashCards</source>
        <translation>Preparar os cartões</translation>
    </message>
    <message>
        <source>Using the Flash Cards</source>
        <translation>Usar os cartões</translation>
    </message>
    <message>
        <source>Using the Flash Page of Problems</source>
        <translation>Usar a folha de contas</translation>
    </message>
    <message>
        <source>Printing a Page of Problems</source>
        <translation>Imprimir uma folha de contas</translation>
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
        <translation>&amp;Desfazer</translation>
    </message>
</context>
<context>
    <name>Sign</name>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>An interactive mathematics flashcard program providing four function skills work in either a single problem or multiple problem mode.</source>
        <translation>Um programa de contas para somar, subtrair, multiplicar e dividir: uma conta por vez ou uma folha inteira.</translation>
    </message>
    <message>
        <source>© The Zorvix developers. Free for home and classroom use. Provided as is, without warranty of any kind.</source>
        <translation>© Os desenvolvedores do Zorvix. Grátis em casa e na escola. Fornecido como está, sem nenhuma garantia.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
