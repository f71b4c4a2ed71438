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
    <message>
        <source>Save Worksheets as &amp;PDF…</source>
        <translation>Salvar folhas em &amp;PDF…</translation>
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
    <name>Progress</name>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Novo…</translation>
    </message>
    <message>
        <source>New Child</source>
        <translation>Nova criança</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>That name is empty or already taken.</source>
        <translation>Esse nome está vazio ou já existe.</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renomear…</translation>
    </message>
    <message>
        <source>Rename Child</source>
        <translation>Renomear criança</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progresso</translation>
    </message>
    <message>
        <source>Show &amp;Progress…</source>
        <translation>Ver o &amp;progresso…</translation>
    </message>
    <message>
        <source>&amp;Who Is Practising</source>
        <translation>&amp;Quem está praticando</translation>
    </message>
    <message>
        <source>Practise &amp;Hardest Facts</source>
        <translation>Praticar as contas mais &amp;difíceis</translation>
    </message>
    <message>
        <source>Practise Hardest Facts</source>
        <translation>Praticar as contas mais difíceis</translation>
    </message>
    <message>
        <source>Nothing was missed in the last 30 days.</source>
        <translation>Nenhum erro nos últimos 30 dias.</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportar para CSV…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar para CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Forget All Progress…</source>
        <translation>Esquecer &amp;todo o progresso…</translation>
    </message>
    <message>
        <source>Forget All Progress</source>
        <translation>Esquecer todo o progresso</translation>
    </message>
    <message>
        <source>Forget every recorded test of every child? This cannot be undone.</source>
        <translation>Esquecer todos os testes salvos de todas as crianças? Não dá para desfazer.</translation>
    </message>
    <message>
        <source>, hardest facts</source>
        <translation>, contas mais difíceis</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Criança</translation>
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
        <translation>Operação</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Certas</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Contas</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% certas</translation>
    </message>
    <message>
        <source>Per minute</source>
        <translation>Por minuto</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Times missed</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Criança:</translation>
    </message>
    <message>
        <source>All children</source>
        <translation>Todas as crianças</translation>
    </message>
    <message>
        <source>P&amp;eriod:</source>
        <translation>&amp;Período:</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 dias</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 dias</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Problem with the progress file</source>
        <translation>Problema no arquivo de progresso</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Percent right per test</source>
        <translation>Porcentagem de acertos por teste</translation>
    </message>
    <message>
        <source>Problems per minute</source>
        <translation>Contas por minuto</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Testes</translation>
    </message>
    <message>
        <source>Hardest facts</source>
        <translation>Contas mais difíceis</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Testes</translation>
    </message>
    <message>
        <source>&amp;Hardest facts</source>
        <translation>Contas mais &amp;difíceis</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Records waiting to be written: %1</source>
        <translation>Resultados esperando para salvar: %1</translation>
    </message>
    <message>
        <source>A damaged progress file was kept as %1 and a new one started.</source>
        <translation>Um arquivo de progresso danificado foi guardado como %1 e um novo foi criado.</translation>
    </message>
    <message>
        <source>No tests in this period.</source>
        <translation>Nenhum teste neste período.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Addition and subtraction</source>
        <translation>Adição e subtração</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>Multiplication and division</source>
        <translation>Multiplicação e divisão</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>tempo esgotado</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>graded</source>
        <translation>corrigido</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>impresso</translation>
    </message>
    <message>
        <source>key printed</source>
        <translation>gabarito impresso</translation>
    </message>
    <message>
        <source>retried</source>
        <translation>refeito</translation>
    </message>
    <message>
        <source>sheet</source>
        <translation>folha</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>cartões</translation>
    </message>
    <message>
        <source>%1: 1 test</source>
        <translation>%1: 1 teste</translation>
    </message>
    <message>
        <source>%1: %2 tests</source>
        <translation>%1: %2 testes</translation>
    </message>
    <message>
        <source>, %1 % right</source>
        <translation>, %1 % de acertos</translation>
    </message>
    <message>
        <source> in the last day</source>
        <translation> no último dia</translation>
    </message>
    <message>
        <source> in the last %1 days</source>
        <translation> nos últimos %1 dias</translation>
    </message>
    <message>
        <source>, up from %1 %</source>
        <translation>, melhor que antes (%1 %)</translation>
    </message>
    <message>
        <source>, down from %1 %</source>
        <translation>, pior que antes (%1 %)</translation>
    </message>
    <message>
        <source>, as before</source>
        <translation>, igual a antes</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Show Progress</source>
        <translation>Ver o progresso</translation>
    </message>
    <message>
        <source>The Progress window could not be loaded. The drills work as before and still record every test.</source>
        <translation>Não foi possível carregar a janela de progresso. Os exercícios funcionam como antes e continuam registrando cada teste.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Turma</translation>
    </message>
    <message>
        <source>Forget every recorded test of %1? This cannot be undone.</source>
        <translation>Esquecer todos os testes salvos de %1? Não dá para desfazer.</translation>
    </message>
    <message>
        <source>C&amp;lass:</source>
        <translation>T&amp;urma:</translation>
    </message>
    <message>
        <source>Whole school</source>
        <translation>Escola inteira</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Turma</translation>
    </message>
    <message>
        <source>All pupils</source>
        <translation>Todos os alunos</translation>
    </message>
    <message>
        <source>The school&apos;s server cannot be reached: %1</source>
        <translation>Não foi possível alcançar o servidor da escola: %1</translation>
    </message>
    <message>
        <source>Records waiting to be sent: %1</source>
        <translation>Resultados esperando para enviar: %1</translation>
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
    <name>WorksheetCommand</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Veja &apos;%1 --help&apos; para saber mais.</translation>
    </message>
    <message>
        <source>Writes printed worksheets of 40 problems, each with its answer key, to a PDF file.
Without any of these options the program opens its windows.</source>
        <translation>Grava em um arquivo PDF folhas de 40 contas, cada uma com seu gabarito.
Sem nenhuma destas opções, o programa abre suas janelas.</translation>
    </message>
    <message>
        <source>Number of worksheets, 1 to 200.</source>
        <translation>Número de folhas, de 1 a 200.</translation>
    </message>
    <message>
        <source>The PDF file to write; replaced only when complete.</source>
        <translation>O arquivo PDF a gravar; só é substituído quando estiver completo.</translation>
    </message>
    <message>
        <source>Kind of problems: %1 (default add).</source>
        <translation>Tipo de contas: %1 (padrão add).</translation>
    </message>
    <message>
        <source>Low end of the range, -99 to 99 (default 0).</source>
        <translation>Início da faixa, de -99 a 99 (padrão 0).</translation>
    </message>
    <message>
        <source>High end of the range, -99 to 99 (default 9).</source>
        <translation>Fim da faixa, de -99 a 99 (padrão 9).</translation>
    </message>
    <message>
        <source>A number to drill on, -99 to 99.</source>
        <translation>Um número para treinar, de -99 a 99.</translation>
    </message>
    <message>
        <source>The number in every problem (default).</source>
        <translation>O número em todas as contas (padrão).</translation>
    </message>
    <message>
        <source>The number in more problems, not all.</source>
        <translation>O número em mais contas, não em todas.</translation>
    </message>
    <message>
        <source>Answer keys after-each worksheet (default) or all at-end.</source>
        <translation>Gabaritos after-each (depois de cada folha, padrão) ou at-end (todos no fim).</translation>
    </message>
    <message>
        <source>Paper: letter (default) or a4.</source>
        <translation>Papel: letter (padrão) ou a4.</translation>
    </message>
    <message>
        <source>Seed of the random draws: the same seed gives the same file.</source>
        <translation>Semente do sorteio: a mesma semente gera o mesmo arquivo.</translation>
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
        <translation>--worksheets deve ser um número de %1 a %2, não &apos;%3&apos;</translation>
    </message>
    <message>
        <source>--output FILE.pdf is needed</source>
        <translation>falta --output FILE.pdf</translation>
    </message>
    <message>
        <source>--type must be one of %1, not &apos;%2&apos;</source>
        <translation>--type deve ser um de %1, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from -99 to 99, not &apos;%2&apos;</source>
        <translation>--%1 deve ser um número inteiro de -99 a 99, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--emphasis must be a whole number from -99 to 99, not &apos;%1&apos;</source>
        <translation>--emphasis deve ser um número inteiro de -99 a 99, não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every and --more go with --emphasis N</source>
        <translation>--every e --more vão com --emphasis N</translation>
    </message>
    <message>
        <source>--every and --more cannot both be given</source>
        <translation>--every e --more não podem ser usados juntos</translation>
    </message>
    <message>
        <source>--keys must be one of %1, not &apos;%2&apos;</source>
        <translation>--keys deve ser um de %1, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--paper must be one of %1, not &apos;%2&apos;</source>
        <translation>--paper deve ser um de %1, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0 to %1, not &apos;%2&apos;</source>
        <translation>--seed deve ser um número inteiro de 0 a %1, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1: page %2 of %3</source>
        <translation><byte value="xd"/>%1: página %2 de %3</translation>
    </message>
    <message>
        <source>%1: interrupted; %2 was not written
</source>
        <translation>%1: interrompido; %2 não foi gravado
</translation>
    </message>
    <message>
        <source>%1: cannot write %2: %3
</source>
        <translation>%1: não foi possível gravar %2: %3
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda nas opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra as informações da versão.</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>give either --school-setup or --import-pupils FILE.csv</source>
        <translation>informe --school-setup ou --import-pupils ARQUIVO.csv</translation>
    </message>
    <message>
        <source>--service NAME is needed: the PostgreSQL service to connect with</source>
        <translation>falta --service NOME: o serviço PostgreSQL para conectar</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is at version %3 already; nothing changed
</source>
        <translation>%1: o banco de dados da escola (serviço %2) já está na versão %3; nada mudou
</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is set up at version %3
</source>
        <translation>%1: o banco de dados da escola (serviço %2) está configurado na versão %3
</translation>
    </message>
    <message>
        <source>%1: the school database (service %2) is migrated from version %3 to %4, its records kept
</source>
        <translation>%1: o banco de dados da escola (serviço %2) passou da versão %3 para a %4, com os resultados mantidos
</translation>
    </message>
    <message>
        <source>%1: %2 new pupils added from %3 (%4 listed)
</source>
        <translation>%1: %2 alunos novos adicionados de %3 (%4 na lista)
</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>Save Worksheets as PDF</source>
        <translation>Salvar folhas em PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving worksheets…</source>
        <translation>Salvando folhas…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The worksheets could not be saved as %1: %2</source>
        <translation>Não foi possível salvar as folhas como %1: %2</translation>
    </message>
    <message>
        <source>After each worksheet</source>
        <translation>Depois de cada folha</translation>
    </message>
    <message>
        <source>All at the end</source>
        <translation>Todos no fim</translation>
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
        <translation>&amp;Número de folhas:</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Gabaritos:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>no worksheets to save</source>
        <translation>nenhuma folha para salvar</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Folhas de exercícios</translation>
    </message>
    <message>
        <source>cannot start the PDF</source>
        <translation>não foi possível começar o PDF</translation>
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
