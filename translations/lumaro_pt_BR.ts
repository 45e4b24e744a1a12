<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CardSpokenName</name>
    <message>
        <source>Ace</source>
        <extracomment>A card&apos;s rank, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>Ás</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>Spades</source>
        <extracomment>A card&apos;s suit, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>espadas</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card as a screen reader names it: %1 is its rank (Ace, 10, Queen), %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Coringa</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <extracomment>The back of a card, one of nine designs (%1 is 1 to 9).</extracomment>
        <translation>Verso da carta %1</translation>
    </message>
    <message>
        <source>Lumaro title card</source>
        <extracomment>The card shown before the first deal, with the game&apos;s title.</extracomment>
        <translation>Carta de título do Lumaro</translation>
    </message>
</context>
<context>
    <name>ShowErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>TAdvicePage</name>
    <message>
        <source>Holds, best first</source>
        <translation>Opções, a melhor primeiro</translation>
    </message>
    <message>
        <source>Hold best</source>
        <translation>Manter a melhor</translation>
    </message>
    <message>
        <source>Marks the best hold (key B)</source>
        <translation>Marca a melhor opção (tecla B)</translation>
    </message>
    <message>
        <source>Show all 32</source>
        <translation>Mostrar as 32</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Holds are shown after the draw; no money moves</source>
        <translation>As opções aparecem depois da troca; nenhum dinheiro é movimentado</translation>
    </message>
    <message>
        <source>Warn before Draw</source>
        <translation>Avisar antes de trocar</translation>
    </message>
    <message>
        <source>In practice, asks before a draw with a hold that is not a best one</source>
        <translation>No treino, pergunta antes de trocar com uma opção que não é a melhor</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessão</translation>
    </message>
</context>
<context>
    <name>TAdvisor</name>
    <message>
        <source>nothing</source>
        <extracomment>What the player holds when no card is held: &quot;Your hold: nothing&quot;.</extracomment>
        <translation>nada</translation>
    </message>
    <message>
        <source>Return with best play: computing...</source>
        <translation>Retorno com a jogada ideal: calculando...</translation>
    </message>
    <message>
        <source>Return with best play: %1 %</source>
        <extracomment>%1 is a percentage with two decimals, &quot;92.70&quot;.</extracomment>
        <translation>Retorno com a jogada ideal: %1 %</translation>
    </message>
    <message>
        <source>Return with best play: not available (%1)</source>
        <extracomment>%1 is why the return could not be counted.</extracomment>
        <translation>Retorno com a jogada ideal: indisponível (%1)</translation>
    </message>
    <message>
        <source>Your hold: %1, a best hold</source>
        <translation>Sua opção: %1, uma das melhores</translation>
    </message>
    <message>
        <source>Your hold: %1, rank %2 of %3, gives up %4 coins</source>
        <extracomment>%1 the held cards, %2 the hold&apos;s rank among the %3 holds, %4 the coins it gives up.</extracomment>
        <translation>Sua opção: %1, posição %2 de %3, perde %4 moedas</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Jogada ideal</translation>
    </message>
    <message>
        <source>You held %1 (expected %2), best was %3 (expected %4): this choice cost %5 coins on average</source>
        <extracomment>After the draw. %1 the cards held and %2 what they were expected to pay, in coins; %3 and %4 the same for the best hold; %5 the coins the choice cost.</extracomment>
        <translation>Você manteve %1 (esperado %2), o melhor era %3 (esperado %4): essa escolha custou em média %5 moedas</translation>
    </message>
    <message>
        <source>Dealt %1, bet %2:</source>
        <extracomment>Over the list of holds after the draw: %1 the five cards dealt, %2 the bet.</extracomment>
        <translation>Distribuídas %1, aposta %2:</translation>
    </message>
    <message>
        <source>Holding %1 gives up %2 coins on average. The best hold is %3 (expected %4 against %5).</source>
        <extracomment>Asked before a draw in practice. %1 the cards held, %2 the coins that gives up, %3 the best hold, %4 what it is expected to pay, %5 what the player&apos;s hold is expected to pay.</extracomment>
        <translation>Manter %1 perde em média %2 moedas. A melhor opção é %3 (esperado %4 contra %5).</translation>
    </message>
    <message>
        <source>Hands: %1</source>
        <translation>Mãos: %1</translation>
    </message>
    <message>
        <source>Best holds: %1 of %2 (%3 %)</source>
        <extracomment>%1 of %2 holds were best ones, %3 per cent of them.</extracomment>
        <translation>Melhores opções: %1 de %2 (%3 %)</translation>
    </message>
    <message>
        <source>Cost of mistakes: %1 coins</source>
        <translation>Custo dos erros: %1 moedas</translation>
    </message>
    <message>
        <source>Return: no hands yet</source>
        <translation>Retorno: nenhuma mão ainda</translation>
    </message>
    <message>
        <source>Return: yours %1 %, best %2 %</source>
        <extracomment>The return of the player&apos;s holds and of the best ones, percentages with two decimals.</extracomment>
        <translation>Retorno: o seu %1 %, ideal %2 %</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Conselheiro de estratégia</translation>
    </message>
    <message>
        <source>Advisor pages</source>
        <translation>Páginas do conselheiro</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Conselho</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>&amp;Draw anyway</source>
        <translation>&amp;Trocar mesmo assim</translation>
    </message>
    <message>
        <source>&amp;Change hold</source>
        <translation>&amp;Mudar a opção</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>computing...</source>
        <translation>calculando...</translation>
    </message>
    <message>
        <source>Deal a hand to see its best holds.</source>
        <translation>Distribua uma mão para ver as melhores opções.</translation>
    </message>
    <message>
        <source>Holds, best first:</source>
        <translation>Opções, a melhor primeiro:</translation>
    </message>
    <message>
        <source>Practice: the best holds are shown after the draw.</source>
        <translation>Treino: as melhores opções aparecem depois da troca.</translation>
    </message>
    <message>
        <source>Your hold: %1</source>
        <translation>Sua opção: %1</translation>
    </message>
    <message>
        <source>Holds for a bet of %1, best first:</source>
        <translation>Opções para uma aposta de %1, a melhor primeiro:</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Distribua uma mão para ver a linha que lhe corresponde.</translation>
    </message>
    <message>
        <source>Practice: the line is shown after the draw.</source>
        <translation>Treino: a linha aparece depois da troca.</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>The advisor&apos;s page with the pay table of the game in force.</extracomment>
        <translation>Prêmios</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bankroll is a whole number of bets, at least 1.</source>
        <translation>A bankroll é um número inteiro de apostas, no mínimo 1.</translation>
    </message>
    <message>
        <source>The bankroll is at most %1 bets.</source>
        <translation>A bankroll é de no máximo %1 apostas.</translation>
    </message>
    <message>
        <source>The bet is a whole number of coins from %1 to %2.</source>
        <translation>A aposta é um número inteiro de moedas de %1 a %2.</translation>
    </message>
    <message>
        <source>The hands are a whole number, at least 1.</source>
        <translation>O número de mãos é um número inteiro, no mínimo 1.</translation>
    </message>
    <message>
        <source>At most %1 hands are counted.</source>
        <translation>São contadas no máximo %1 mãos.</translation>
    </message>
    <message>
        <source>no chance</source>
        <translation>nenhuma chance</translation>
    </message>
    <message>
        <source>certain</source>
        <translation>certo</translation>
    </message>
    <message>
        <source>1 chance in %1</source>
        <translation>1 chance em %1</translation>
    </message>
    <message>
        <source>%1 chances in %2</source>
        <translation>%1 chances em %2</translation>
    </message>
    <message>
        <source>almost certain</source>
        <translation>quase certo</translation>
    </message>
    <message>
        <source>Waiting for the game&apos;s odds...</source>
        <translation>Aguardando as probabilidades do jogo...</translation>
    </message>
    <message>
        <source>Bets:</source>
        <translation>Apostas:</translation>
    </message>
    <message>
        <source>Bankroll in bets</source>
        <translation>Bankroll em apostas</translation>
    </message>
    <message>
        <source>Bet in coins</source>
        <translation>Aposta em moedas</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mãos</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Bankroll:</translation>
    </message>
    <message>
        <source>Bet:</source>
        <translation>Aposta:</translation>
    </message>
    <message>
        <source>Hands:</source>
        <translation>Mãos:</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>moedas</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Use my total, %1 coins</source>
        <translation>Meu total, %1 moedas</translation>
    </message>
    <message>
        <source>Your total of %1 coins is less than one bet.</source>
        <translation>Seu total de %1 moedas é menor que uma aposta.</translation>
    </message>
    <message>
        <source>= %1 coins</source>
        <translation>= %1 moedas</translation>
    </message>
    <message>
        <source>The figures wait for the fields marked above.</source>
        <translation>Os números aguardam os campos marcados acima.</translation>
    </message>
    <message>
        <source>The figures could not be counted (%1).</source>
        <translation>Não foi possível calcular os números (%1).</translation>
    </message>
    <message>
        <source>Counting the figures...</source>
        <translation>Calculando os números...</translation>
    </message>
    <message>
        <source>Counting the game&apos;s odds...</source>
        <translation>Calculando as probabilidades do jogo...</translation>
    </message>
    <message>
        <source>%1 bets (%2 coins)</source>
        <extracomment>%1 a number of bets, %2 the same in coins, both signed: &quot;-12.5 bets (-62 coins)&quot;</extracomment>
        <translation>%1 apostas (%2 moedas)</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers</source>
        <translation>Valetes ou melhor com seus multiplicadores</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers: %1% return under best play</source>
        <extracomment>%1 the return in per cent with two decimals: &quot;99.54&quot;</extracomment>
        <translation>Valetes ou melhor com seus multiplicadores: %1% de retorno com a jogada ideal</translation>
    </message>
    <message numerus="yes">
        <source>A bankroll of %n bets of %1 coins (%2 coins), best play throughout:</source>
        <extracomment>%n the bankroll in bets, %1 the bet, %2 the bankroll in coins</extracomment>
        <translation>
            <numerusform>Uma bankroll de %n aposta de %1 moedas (%2 moedas), sempre com a jogada ideal:</numerusform>
            <numerusform>Uma bankroll de %n apostas de %1 moedas (%2 moedas), sempre com a jogada ideal:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Losing the whole bankroll within %n hands: %1 (%2)</source>
        <extracomment>%1 a chance in words (&quot;1 chance in 12&quot;), %2 the same in per cent</extracomment>
        <translation>
            <numerusform>Perder toda a bankroll em %n mão: %1 (%2)</numerusform>
            <numerusform>Perder toda a bankroll em %n mãos: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ahead after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>No lucro após %n mão: %1 (%2)</numerusform>
            <numerusform>No lucro após %n mãos: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Even after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>Empatado após %n mão: %1 (%2)</numerusform>
            <numerusform>Empatado após %n mãos: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Behind after %n hands, ruin included: %1 (%2)</source>
        <translation>
            <numerusform>No prejuízo após %n mão, ruína incluída: %1 (%2)</numerusform>
            <numerusform>No prejuízo após %n mãos, ruína incluída: %1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Expected result: %1</source>
        <translation>Resultado esperado: %1</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>acima de %1</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or lower (5th percentile)</source>
        <translation>1 sessão em 20 termina em %1 ou menos (percentil 5)</translation>
    </message>
    <message>
        <source>Half the sessions end at %1 or lower (median)</source>
        <translation>Metade das sessões termina em %1 ou menos (mediana)</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or higher (95th percentile)</source>
        <translation>1 sessão em 20 termina em %1 ou mais (percentil 95)</translation>
    </message>
    <message>
        <source>Standard deviation of the result: %1 bets (%2 coins)</source>
        <translation>Desvio padrão do resultado: %1 apostas (%2 moedas)</translation>
    </message>
    <message>
        <source>Chance of ruin against hands played</source>
        <translation>Chance de ruína pelas mãos jogadas</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mãos jogadas</translation>
    </message>
    <message>
        <source>Chance of each result</source>
        <translation>Chance de cada resultado</translation>
    </message>
    <message>
        <source>Result in bets</source>
        <translation>Resultado em apostas</translation>
    </message>
    <message numerus="yes">
        <source>After %n hands: %1 chance of ruin</source>
        <translation>
            <numerusform>Após %n mão: %1 de chance de ruína</numerusform>
            <numerusform>Após %n mãos: %1 de chance de ruína</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bets or less: %2</source>
        <translation>%1 apostas ou menos: %2</translation>
    </message>
    <message>
        <source>%1 bets or more: %2</source>
        <translation>%1 apostas ou mais: %2</translation>
    </message>
    <message>
        <source>%1 bets: %2</source>
        <translation>%1 apostas: %2</translation>
    </message>
    <message>
        <source>%1 to %2 bets: %3</source>
        <translation>%1 a %2 apostas: %3</translation>
    </message>
    <message>
        <source>Ruined, the whole bankroll lost: %1</source>
        <translation>Quebrado, toda a bankroll perdida: %1</translation>
    </message>
    <message numerus="yes">
        <source>Chance of each result after %n hands</source>
        <translation>
            <numerusform>Chance de cada resultado após %n mão</numerusform>
            <numerusform>Chance de cada resultado após %n mãos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 with your multipliers</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;</extracomment>
        <translation>%1 com seus multiplicadores</translation>
    </message>
    <message>
        <source>%1 with your multipliers: %2% return under best play</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;; %2 the return in per cent with two decimals: &quot;100.76&quot;</extracomment>
        <translation>%1 com seus multiplicadores: %2% de retorno com a jogada ideal</translation>
    </message>
    <message>
        <source>almost no chance</source>
        <translation>quase nenhuma chance</translation>
    </message>
</context>
<context>
    <name>TChartList</name>
    <message>
        <source>Chart lines</source>
        <translation>Linhas da tabela</translation>
    </message>
    <message>
        <source>Marked: line %1, %2</source>
        <translation>Marcada: linha %1, %2</translation>
    </message>
    <message>
        <source>nothing held</source>
        <translation>nada mantido</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>mantidas: %1</translation>
    </message>
    <message>
        <source>%1, %2 drawn</source>
        <extracomment>%1 the cards held (&quot;Ace of Spades, King of Spades held&quot;), %2 those drawn.</extracomment>
        <translation>%1; trocadas: %2</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals. The dealt hand&apos;s line</source>
        <extracomment>A line of the strategy chart as a screen reader says it: %1 its number, %2 the hold it names, %3 an example deal, %4 the share of all deals it decides (&quot;12.345 %&quot;).</extracomment>
        <translation>Linha %1: %2. Exemplo: %3. Decide %4 das mãos. A linha da mão distribuída</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals</source>
        <translation>Linha %1: %2. Exemplo: %3. Decide %4 das mãos</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>building...</source>
        <translation>gerando...</translation>
    </message>
    <message>
        <source>Pay table, Jacks or Better to Royal Flush: %1</source>
        <extracomment>%1 the nine multipliers of the pay table, &quot;0,1,2,3,4,6,9,25,50,800&quot;.</extracomment>
        <translation>Tabela de pagamentos, de Valetes ou melhor a Royal Flush: %1</translation>
    </message>
    <message>
        <source>Lumaro strategy chart</source>
        <translation>Tabela de estratégia do Lumaro</translation>
    </message>
    <message>
        <source>1 line</source>
        <extracomment>How many lines the chart has.</extracomment>
        <translation>1 linha</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n linha</numerusform>
            <numerusform>%n linhas</numerusform>
        </translation>
    </message>
    <message>
        <source>Return holding by the chart: %1% (%2)</source>
        <extracomment>%1 a percentage with four decimals, %2 how many lines the chart has (&quot;24 lines&quot;).</extracomment>
        <translation>Retorno seguindo a tabela: %1 % (%2)</translation>
    </message>
    <message>
        <source>Return under optimal play: %1%</source>
        <translation>Retorno com jogo ideal: %1 %</translation>
    </message>
    <message>
        <source>The chart gives up %1 points of return.</source>
        <extracomment>%1 the points of return the chart gives up, &quot;0.0010&quot;.</extracomment>
        <translation>A tabela perde %1 pontos de retorno.</translation>
    </message>
    <message>
        <source>A line naming a whole family takes the first that fits, in this order:</source>
        <translation>Uma linha que nomeia uma família inteira toma a primeira que se encaixa, nesta ordem:</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Prints the chart, laid out for paper</source>
        <translation>Imprime a tabela, diagramada para papel</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Salvar como PDF…</translation>
    </message>
    <message>
        <source>Writes the chart, laid out for paper, to a PDF file</source>
        <translation>Grava a tabela, diagramada para papel, em um arquivo PDF</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Distribua uma mão para ver a linha que lhe corresponde.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>Chart for %1</source>
        <translation>Tabela para %1</translation>
    </message>
    <message>
        <source>Strategy chart</source>
        <translation>Tabela de estratégia</translation>
    </message>
    <message>
        <source>Chart: %1 %, %2
Best play: %3 %
The chart gives up %4 points</source>
        <extracomment>Three lines: the chart&apos;s return (%1, a percentage with four decimals; %2 its lines, &quot;24 lines&quot;), the return of the best play (%3) and the difference (%4, &quot;0.0010&quot;).</extracomment>
        <translation>Tabela: %1 %, %2
Jogada ideal: %3 %
A tabela perde %4 pontos</translation>
    </message>
    <message>
        <source>Chart: not available (%1)</source>
        <translation>Tabela: indisponível (%1)</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Tabela: %1</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>indisponível</translation>
    </message>
    <message>
        <source>Dealt %1: %2</source>
        <translation>Distribuídas %1: %2</translation>
    </message>
    <message>
        <source>Dealt %1: no line fits, hold nothing</source>
        <translation>Distribuídas %1: nenhuma linha se encaixa, não manter nada</translation>
    </message>
    <message>
        <source>Dealt %1: line %2</source>
        <translation>Distribuídas %1: linha %2</translation>
    </message>
    <message>
        <source>There is no chart to save yet</source>
        <translation>Ainda não há tabela para salvar</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1</source>
        <translation>Não é possível gravar o arquivo PDF %1</translation>
    </message>
    <message>
        <source>Save the chart as PDF</source>
        <translation>Salvar a tabela como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print the strategy chart</source>
        <translation>Imprimir a tabela de estratégia</translation>
    </message>
    <message>
        <source>The chart could not be printed</source>
        <translation>Não foi possível imprimir a tabela</translation>
    </message>
    <message>
        <source>Lumaro strategy chart, page %1</source>
        <translation>Tabela de estratégia do Lumaro, página %1</translation>
    </message>
    <message>
        <source>Hold the first line that fits the hand; of the holds a line names, the first that fits.</source>
        <translation>Mantenha a primeira linha que se encaixa na mão; das opções que uma linha nomeia, a primeira que se encaixa.</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column headings of the printed chart: the line&apos;s number, the hold it names, an example deal, and the share of all deals the line decides.</extracomment>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Deals</source>
        <translation>Mãos</translation>
    </message>
    <message>
        <source>Example (held | drawn)</source>
        <translation>Exemplo (mantidas | trocadas)</translation>
    </message>
    <message>
        <source>Pay table of %1, %2 to %3: %4</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 its lowest line (&quot;Three of a Kind&quot;), %3 its highest (&quot;Natural Royal Flush&quot;), %4 the multipliers of its lines, lowest first.</extracomment>
        <translation>Tabela de pagamentos de %1, de %2 a %3: %4</translation>
    </message>
    <message>
        <source>Lumaro strategy chart for %1</source>
        <extracomment>The printed chart&apos;s title; %1 the game&apos;s name, &quot;Deuces Wild&quot;.</extracomment>
        <translation>Tabela de estratégia do Lumaro para %1</translation>
    </message>
    <message>
        <source>%1: chart for %2</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 the multipliers of its lines, lowest first.</extracomment>
        <translation>%1: tabela para %2</translation>
    </message>
</context>
<context>
    <name>TChooseGameDialog</name>
    <message>
        <source>Choose Game</source>
        <translation>Escolher jogo</translation>
    </message>
    <message>
        <source>Choose a game and its pay table. Each table shows what it pays for 1 coin, lowest hand first, and its return under best play. A new game starts a new session.</source>
        <translation>Escolha um jogo e sua tabela de pagamentos. Cada tabela mostra quanto paga por 1 ficha, a mão mais baixa primeiro, e seu retorno com o melhor jogo. Um jogo novo começa uma sessão nova.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Game and table</source>
        <translation>Jogo e tabela</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retorno</translation>
    </message>
    <message>
        <source>Pays for 1</source>
        <translation>Paga por 1</translation>
    </message>
    <message>
        <source>counting…</source>
        <extracomment>The return of a table while it is being counted.</extracomment>
        <translation>calculando…</translation>
    </message>
    <message>
        <source>my own table</source>
        <extracomment>The row of the player&apos;s own pay table of a game (for Jacks or Better, the one set in Payouts Options).</extracomment>
        <translation>minha própria tabela</translation>
    </message>
    <message>
        <source>not counted</source>
        <extracomment>The return of a table that could not be counted (out of memory).</extracomment>
        <translation>não calculado</translation>
    </message>
</context>
<context>
    <name>TGameNames</name>
    <message>
        <source>Jacks or Better</source>
        <extracomment>A game&apos;s name, in the Choose Game dialog and atop the pay table.</extracomment>
        <translation>Valetes ou melhor</translation>
    </message>
    <message>
        <source>Bonus Poker</source>
        <extracomment>A game&apos;s name, in the Choose Game dialog and atop the pay table.</extracomment>
        <translation>Bônus Poker</translation>
    </message>
    <message>
        <source>Bonus Poker Deluxe</source>
        <translation>Bônus Poker Deluxe</translation>
    </message>
    <message>
        <source>Double Bonus Poker</source>
        <translation>Double Bônus Poker</translation>
    </message>
    <message>
        <source>Double Double Bonus Poker</source>
        <translation>Double Double Bônus Poker</translation>
    </message>
    <message>
        <source>Triple Double Bonus Poker</source>
        <translation>Triple Double Bônus Poker</translation>
    </message>
    <message>
        <source>Aces and Faces</source>
        <extracomment>A game&apos;s name: four aces and four jacks, queens or kings pay more.</extracomment>
        <translation>Ases e figuras</translation>
    </message>
    <message>
        <source>Deuces Wild</source>
        <extracomment>A game&apos;s name: the four 2s are wild.</extracomment>
        <translation>Deuces Wild</translation>
    </message>
    <message>
        <source>Joker Poker</source>
        <extracomment>A game&apos;s name: 53 cards, the joker wild.</extracomment>
        <translation>Joker Poker</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <extracomment>A pay line&apos;s name, in the pay table beside the game, in Payouts Options and in &quot;Player has %t&quot; after the draw.</extracomment>
        <translation>Dois pares</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <extracomment>A pay line: four of a kind of fives up to kings.</extracomment>
        <translation>Quadra de 5 a K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A pay line: four twos, threes or fours.</extracomment>
        <translation>Quadra de 2 a 4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Quadra de ases</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four twos, threes or fours, the fifth card an ace, 2, 3 or 4.</extracomment>
        <translation>Quadra de 2 a 4 com kicker A, 2, 3 ou 4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four aces, the fifth card a 2, 3 or 4.</extracomment>
        <translation>Quadra de ases com kicker 2, 3 ou 4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A pay line: four of a kind of twos up to tens.</extracomment>
        <translation>Quadra de 2 a 10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A pay line: four jacks, queens or kings.</extracomment>
        <translation>Quadra de valetes a reis</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>Deuces Wild&apos;s losing hand: less than three of a kind.</extracomment>
        <translation>Sem prêmio</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <extracomment>A pay line of the wild-card games: five cards of one rank, a wild card among them.</extracomment>
        <translation>Quina</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A pay line: a royal flush made with a wild card (a deuce or the joker).</extracomment>
        <translation>Royal Flush com coringa</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>Deuces Wild&apos;s pay line for the four 2s.</extracomment>
        <translation>Quatro dois</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A pay line: a royal flush without a wild card.</extracomment>
        <translation>Royal Flush natural</translation>
    </message>
    <message>
        <source>Kings or Better</source>
        <extracomment>Joker Poker&apos;s lowest pay line: a pair of kings or aces.</extracomment>
        <translation>Reis ou melhor</translation>
    </message>
</context>
<context>
    <name>TGameView</name>
    <message>
        <source>Draw</source>
        <extracomment>A hold panel under a card: the card is replaced at the draw.</extracomment>
        <translation>Trocar</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>A hold panel under a card: the card stays at the draw.</extracomment>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Over</source>
        <extracomment>A hold panel under a card once the hand is settled.</extracomment>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Player has No Pair </source>
        <extracomment>The hand after the draw. The blank at the end is the machine&apos;s own.</extracomment>
        <translation>Jogador não tem par </translation>
    </message>
    <message>
        <source>Player has One Pair</source>
        <extracomment>The hand after the draw: a pair of tens or lower, which loses.</extracomment>
        <translation>Jogador tem um par</translation>
    </message>
    <message>
        <source>Player has pair of Jacks or Better</source>
        <extracomment>The hand after the draw: a pair of jacks, queens, kings or aces, which pays.</extracomment>
        <translation>Jogador tem par de valetes ou melhor</translation>
    </message>
    <message>
        <source>Player has Two Pair</source>
        <translation>Jogador tem dois pares</translation>
    </message>
    <message>
        <source>Player has Three of a Kind</source>
        <translation>Jogador tem uma trinca</translation>
    </message>
    <message>
        <source>Player has a Straight</source>
        <translation>Jogador tem um straight</translation>
    </message>
    <message>
        <source>Player has a Flush</source>
        <translation>Jogador tem um flush</translation>
    </message>
    <message>
        <source>Player has a Full House</source>
        <translation>Jogador tem um full house</translation>
    </message>
    <message>
        <source>Wow! Four of a Kind</source>
        <translation>Uau! Quadra</translation>
    </message>
    <message>
        <source>Wow! Straight Flush</source>
        <translation>Uau! Straight Flush</translation>
    </message>
    <message>
        <source>Wow! Royal Flush</source>
        <translation>Uau! Royal Flush</translation>
    </message>
    <message>
        <source>You Lost Total is now %1</source>
        <extracomment>A hand lost; %1 is the total after it.</extracomment>
        <translation>Você perdeu. O total é %1</translation>
    </message>
    <message>
        <source>You Win Total is now %1</source>
        <extracomment>A win paid at multiplier 0 (the bet comes back); %1 is the total.</extracomment>
        <translation>Você ganhou! O total é %1</translation>
    </message>
    <message>
        <source>*Bonus* %1X  Paid You Win! Total is now %2</source>
        <extracomment>A win: %1 is the multiplier plus one (the stake comes back with it), as in &quot;*Bonus* 8X&quot;; %2 is the total after it.</extracomment>
        <translation>*Bônus* %1X pago. Você ganhou! Total: %2</translation>
    </message>
    <message>
        <source>Practice hand: no money moves</source>
        <extracomment>The second message line while a practice hand is played.</extracomment>
        <translation>Mão de treino: nenhum dinheiro em jogo</translation>
    </message>
    <message>
        <source>Practice hand: it would cost %1. Total stays %2</source>
        <extracomment>A practice hand that lost: %1 is the bet it would have cost, %2 the total.</extracomment>
        <translation>Treino: custaria %1. O total continua %2</translation>
    </message>
    <message>
        <source>Practice hand: it would pay %1. Total stays %2</source>
        <extracomment>A practice hand that won: %1 is what it would have paid, %2 the total.</extracomment>
        <translation>Treino: pagaria %1. O total continua %2</translation>
    </message>
    <message>
        <source>Practice hand: the bet would come back. Total stays %1</source>
        <extracomment>A practice hand won at multiplier 0; %1 is the total.</extracomment>
        <translation>Treino: a aposta voltaria. O total continua %1</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1 Total Pairs =%2</source>
        <extracomment>The first statistics line: %n hands won, %1 hands lost, %2 one-pair hands (paying or not).</extracomment>
        <translation>
            <numerusform>Jogador: %n mão ganha, %1 perdidas, pares =%2</numerusform>
            <numerusform>Jogador: %n mãos ganhas, %1 perdidas, pares =%2</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands Two Pair=%1</source>
        <extracomment>The second statistics line starts with this when two pair has come up (%1 times); the items below follow it, each with its own leading blank.</extracomment>
        <translation>Mãos altas: Dois pares=%1</translation>
    </message>
    <message>
        <source> 3 of a Kind=%1</source>
        <extracomment>An item of the second statistics line: the hand and how often it came up. Keep the leading blank: it parts the items.</extracomment>
        <translation> Trincas=%1</translation>
    </message>
    <message>
        <source> Straights=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Straights=%1</translation>
    </message>
    <message>
        <source> Flushs=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Flushes=%1</translation>
    </message>
    <message>
        <source> Full House=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Full houses=%1</translation>
    </message>
    <message>
        <source> 4 of a Kind=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Quadras=%1</translation>
    </message>
    <message>
        <source> Straight Flush=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Straight Flush=%1</translation>
    </message>
    <message>
        <source> Royal Flush=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Royal Flush=%1</translation>
    </message>
    <message>
        <source>No Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Sem par</translation>
    </message>
    <message>
        <source>Pairs</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Pares</translation>
    </message>
    <message>
        <source>2 Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>2 pares</translation>
    </message>
    <message>
        <source>3 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Straight</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Straight</translation>
    </message>
    <message>
        <source>Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full House</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Full House</translation>
    </message>
    <message>
        <source>4 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Player has %t</source>
        <extracomment>The hand after the draw in a game other than Jacks or Better; %t is the pay line&apos;s name (&quot;Kings or Better&quot;, &quot;Four Aces&quot;).</extracomment>
        <translation>Jogador tem %t</translation>
    </message>
    <message>
        <source>Wow! %t</source>
        <extracomment>The hand after the draw, a big one (four of a kind or better); %t is the pay line&apos;s name.</extracomment>
        <translation>Uau! %t</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1</source>
        <extracomment>The first statistics line of a game other than Jacks or Better: %n hands won, %1 lost.</extracomment>
        <translation>
            <numerusform>Jogador ganhou %n mão e perdeu %1</numerusform>
            <numerusform>Jogador ganhou %n mãos e perdeu %1</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands</source>
        <extracomment>The second statistics line of a game other than Jacks or Better starts with this when a winning hand has come up; its items follow.</extracomment>
        <translation>Mãos altas:</translation>
    </message>
    <message>
        <source> %t=%1</source>
        <extracomment>An item of the second statistics line: the pay line&apos;s name (%t) and how often it came up (%1). Keep the leading blank: it parts the items.</extracomment>
        <translation> %t=%1</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: the count of Deuces Wild&apos;s losing hands.</extracomment>
        <translation>Sem prêmio</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: four of a kind of fives up to kings.</extracomment>
        <translation>Quadra 5-K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos, threes or fours.</extracomment>
        <translation>Quadra 2-4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <extracomment>A column heading of the statistics grid (a narrow column).</extracomment>
        <translation>Quadra ases</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos, threes or fours with an ace, 2, 3 or 4 as fifth card. A short form is welcome.</extracomment>
        <translation>Quadra 2-4 + A-4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four aces with a 2, 3 or 4 as fifth card. A short form is welcome.</extracomment>
        <translation>Quadra A + 2-4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos up to tens.</extracomment>
        <translation>Quadra 2-10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four jacks, queens or kings.</extracomment>
        <translation>Quadra J-K</translation>
    </message>
    <message>
        <source>5 of a Kind</source>
        <extracomment>A column heading of the statistics grid (a narrow column): five of a kind.</extracomment>
        <translation>Quina</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush made with a wild card.</extracomment>
        <translation>Royal coringa</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>A column heading of the statistics grid (a narrow column): Deuces Wild&apos;s four 2s.</extracomment>
        <translation>Quatro dois</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush without a wild card.</extracomment>
        <translation>Royal natural</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Dealt %1</source>
        <translation>Distribuídas: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A card and what happens to it, as a screen reader says it: &quot;Ace of Spades: Hold&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Aposta</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Winning hand</source>
        <translation>Mão vencedora</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>held</source>
        <translation>mantida</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuir</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Trocar</translation>
    </message>
    <message>
        <source>Draw Additional Cards</source>
        <translation>Trocar as cartas</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Winning Percentage</source>
        <translation>Porcentagem de vitórias</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Com som</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Lumaro for Windows 95</source>
        <translation>Lumaro for Windows 95</translation>
    </message>
    <message>
        <source>Set Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Piechart</source>
        <translation>Gráfico de pizza</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Aposta</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Payouts Options</source>
        <translation>Pagamentos</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Conselheiro de estratégia</translation>
    </message>
    <message>
        <source>Lumaro for Windows 95 Version %1</source>
        <translation>Lumaro for Windows 95 versão %1</translation>
    </message>
    <message>
        <source>Window pages</source>
        <translation>Páginas da janela</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Lumaro Strategy Advisor</source>
        <translation>Conselheiro de estratégia</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then replay.</source>
        <translation>Primeiro troque a mão em jogo, depois repita.</translation>
    </message>
    <message>
        <source>The hand to replay is not five different cards</source>
        <translation>A mão a repetir não tem cinco cartas diferentes</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carta %1: %2</translation>
    </message>
    <message>
        <source>Hold or draw card %1 (key %1)</source>
        <translation>Manter ou trocar a carta %1 (tecla %1)</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>label</comment>
        <extracomment>The label beside the total&apos;s panel: room for about six letters.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Choose Game…</source>
        <translation>Escolher jogo…</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>Shows the pay table beside the game also where the screen has no room to spare (the game is drawn smaller then).</extracomment>
        <translation>Tabela de pagamentos</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then choose a game.</source>
        <translation>Compre primeiro a mão em jogo, depois escolha um jogo.</translation>
    </message>
</context>
<context>
    <name>THandHistory</name>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>%1; its folder is read-only</source>
        <translation>%1; a pasta dele é somente leitura</translation>
    </message>
    <message>
        <source>its schema version %1 is not one Lumaro writes</source>
        <translation>a versão de esquema %1 não é uma que o Lumaro grava</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing (package libqt6sql6-sqlite)</source>
        <translation>O driver SQLite do Qt não está instalado (pacote libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>The hand history %1 could not be opened (%2); hands are not recorded</source>
        <translation>Não foi possível abrir o histórico de mãos %1 (%2); as mãos não são registradas</translation>
    </message>
    <message>
        <source>its tables are not a hand history&apos;s (%1)</source>
        <translation>as tabelas dele não são as de um histórico de mãos (%1)</translation>
    </message>
    <message>
        <source>the folder %1 can&apos;t be created</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>it is not a hand history</source>
        <translation>não é um histórico de mãos</translation>
    </message>
    <message>
        <source>it failed SQLite&apos;s quick check: %1</source>
        <translation>falhou na verificação rápida do SQLite: %1</translation>
    </message>
    <message>
        <source>it can&apos;t be written (no WAL journal)</source>
        <translation>não pode ser gravado (sem diário WAL)</translation>
    </message>
    <message>
        <source>another program is writing it (%1)</source>
        <translation>outro programa está gravando nele (%1)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Lumaro (schema version %1)</source>
        <translation>foi gravado por uma versão mais nova do Lumaro (versão de esquema %1)</translation>
    </message>
    <message>
        <source>The hand history %1 was written by a newer version of Lumaro; it is left as it is and hands are not recorded</source>
        <translation>O histórico de mãos %1 foi gravado por uma versão mais nova do Lumaro; ele fica como está e as mãos não são registradas</translation>
    </message>
    <message>
        <source>%1, and it could not be moved aside</source>
        <translation>%1, e não foi possível colocá-lo de lado</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2) and could not be moved aside; hands are not recorded</source>
        <translation>O histórico de mãos %1 está danificado (%2) e não foi possível colocá-lo de lado; as mãos não são registradas</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2); it was moved to %3 and a new history was started</source>
        <translation>O histórico de mãos %1 está danificado (%2); ele foi movido para %3 e um novo histórico foi iniciado</translation>
    </message>
    <message>
        <source>its newest hands are in %1, which can&apos;t be read without %2 in a folder that can&apos;t be written</source>
        <translation>as mãos mais recentes estão em %1, que não pode ser lido sem %2 em uma pasta que não pode ser gravada</translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation>outro programa o mantém bloqueado (%1)</translation>
    </message>
    <message>
        <source>it is damaged (%1); the game moves it aside when it starts</source>
        <translation>está danificado (%1); o jogo o coloca de lado ao iniciar</translation>
    </message>
    <message>
        <source>it is in an older form (schema version %1): the game brings it up to date when it starts</source>
        <translation>está em um formato antigo (versão de esquema %1): o jogo o atualiza ao iniciar</translation>
    </message>
    <message>
        <source>%1 could not be recorded in the hand history %2: another program kept it busy (%3); the hands recorded before are kept</source>
        <translation>Não foi possível registrar %1 no histórico de mãos %2: outro programa o mantinha ocupado (%3); as mãos registradas antes são mantidas</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 mão</translation>
    </message>
    <message>
        <source>A hand could not be recorded in the hand history %1 (%2); the hands recorded before are kept</source>
        <translation>Não foi possível registrar uma mão no histórico de mãos %1 (%2); as mãos registradas antes são mantidas</translation>
    </message>
    <message>
        <source>The hand history %1 could not be read (%2)</source>
        <translation>Não foi possível ler o histórico de mãos %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Hands are not recorded in the hand history %1 while another program keeps it busy (%2); %n hands wait for it</source>
        <translation>
            <numerusform>As mãos não são registradas no histórico de mãos %1 enquanto outro programa o mantém ocupado (%2); %n mão aguarda</numerusform>
            <numerusform>As mãos não são registradas no histórico de mãos %1 enquanto outro programa o mantém ocupado (%2); %n mãos aguardam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n mão</numerusform>
            <numerusform>%n mãos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Lumaro Help</source>
        <translation>Ajuda do Lumaro</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The help viewer&apos;s button that goes to the help&apos;s first page.</extracomment>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The help viewer&apos;s button that goes back to the page shown before.</extracomment>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The help file could not be opened.

Lumaro looks for QUORVEL.hlp beside the program and in its data folder (share/lumaro). The game itself is not affected.</source>
        <extracomment>Keep the file name QUORVEL.hlp and the folder share/lumaro as they are.</extracomment>
        <translation>Não foi possível abrir o arquivo de ajuda.

O Lumaro procura QUORVEL.hlp ao lado do programa e na sua pasta de dados (share/lumaro). O jogo em si não é afetado.</translation>
    </message>
</context>
<context>
    <name>THistoryPage</name>
    <message>
        <source>unnamed</source>
        <translation>sem nome</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 mão</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 vez</translation>
    </message>
    <message>
        <source>Best play, last sessions</source>
        <translation>Jogada ideal, últimas sessões</translation>
    </message>
    <message>
        <source>No sessions yet</source>
        <translation>Nenhuma sessão ainda</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sessões</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mãos</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Jogada ideal</translation>
    </message>
    <message>
        <source>Cost/100</source>
        <translation>Custo/100</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Costliest situations</source>
        <translation>Situações mais caras</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Mantido</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Vezes</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
    </message>
    <message>
        <source>Mistakes, newest first</source>
        <translation>Erros, os mais recentes primeiro</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Distribuídas</translation>
    </message>
    <message>
        <source>The hand history could not be opened: %1.</source>
        <translation>Não foi possível abrir o histórico de mãos: %1.</translation>
    </message>
    <message>
        <source>No hands recorded yet.</source>
        <translation>Nenhuma mão registrada ainda.</translation>
    </message>
    <message>
        <source>Played: %1, best play %2, cost %3 per 100 hands. Practice: %4.</source>
        <extracomment>%1 and %4 the hands played for money and in practice (&quot;21 hands&quot;), %2 the share of best holds (&quot;93.2 %&quot;), %3 the coins lost to mistakes.</extracomment>
        <translation>Jogadas: %1, jogada ideal %2, custo %3 a cada 100 mãos. Treino: %4.</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>treino</translation>
    </message>
    <message>
        <source>played</source>
        <translation>jogada</translation>
    </message>
    <message>
        <source>Practice session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <extracomment>A session as a screen reader says it: %1 when it started, %2 its hands (&quot;21 hands&quot;), %3 the share of best holds, %4 the coins lost to mistakes.</extracomment>
        <translation>Sessão de treino iniciada em %1: %2, jogada ideal %3, custo %4 a cada 100 mãos</translation>
    </message>
    <message>
        <source>Played session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <translation>Sessão jogada iniciada em %1: %2, jogada ideal %3, custo %4 a cada 100 mãos</translation>
    </message>
    <message>
        <source>%1 on average</source>
        <translation>%1 em média</translation>
    </message>
    <message>
        <source>Held %1 instead of %2: %3, cost %4</source>
        <extracomment>%1 and %2 the kinds of hold (&quot;low pair&quot;, &quot;four to a flush&quot;), %3 how often (&quot;3 times&quot;), %4 the coins it cost.</extracomment>
        <translation>Mantido %1 em vez de %2: %3, custo %4</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Replay %1</source>
        <translation>Repetir %1</translation>
    </message>
    <message>
        <source>%1, bet %2, practice: %3 instead of %4</source>
        <extracomment>%1 when the hand was played, %2 its bet, %3 and %4 the kinds of hold held and best.</extracomment>
        <translation>%1, aposta %2, treino: %3 em vez de %4</translation>
    </message>
    <message>
        <source>%1, bet %2: %3 instead of %4</source>
        <translation>%1, aposta %2: %3 em vez de %4</translation>
    </message>
    <message>
        <source>Cost %1: dealt %2, held %3, best %4</source>
        <translation>Custo %1: distribuídas %2, mantidas %3, melhor %4</translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n mão</numerusform>
            <numerusform>%n mãos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n vezes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A row of the hand history as a screen reader says it (%1), with its game&apos;s name (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
</context>
<context>
    <name>THoldList</name>
    <message>
        <source>Hold</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Moedas</translation>
    </message>
    <message>
        <source>Per coin</source>
        <translation>Por moeda</translation>
    </message>
    <message>
        <source>Discard everything</source>
        <translation>Trocar tudo</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Manter %1</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best, your hold</source>
        <translation>%1: %2 por moeda, a melhor, sua opção</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3, your hold</source>
        <translation>%1: %2 por moeda, custa %3, sua opção</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best</source>
        <translation>%1: %2 por moeda, a melhor</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3</source>
        <translation>%1: %2 por moeda, custa %3</translation>
    </message>
</context>
<context>
    <name>THoldPattern</name>
    <message>
        <source>two pair or better</source>
        <translation>dois pares ou melhor</translation>
    </message>
    <message>
        <source>high pair</source>
        <translation>par alto</translation>
    </message>
    <message>
        <source>low pair</source>
        <translation>par baixo</translation>
    </message>
    <message>
        <source>four to a royal flush</source>
        <translation>quatro para Royal Flush</translation>
    </message>
    <message>
        <source>four to a straight flush</source>
        <translation>quatro para Straight Flush</translation>
    </message>
    <message>
        <source>four to a flush</source>
        <translation>quatro para Flush</translation>
    </message>
    <message>
        <source>four to an outside straight</source>
        <translation>quatro para Straight aberto</translation>
    </message>
    <message>
        <source>four to an inside straight</source>
        <translation>quatro para Straight interno</translation>
    </message>
    <message>
        <source>three to a royal flush</source>
        <translation>três para Royal Flush</translation>
    </message>
    <message>
        <source>three to a straight flush</source>
        <translation>três para Straight Flush</translation>
    </message>
    <message>
        <source>three to a flush</source>
        <translation>três para Flush</translation>
    </message>
    <message>
        <source>three unsuited high cards</source>
        <translation>três cartas altas de naipes diferentes</translation>
    </message>
    <message>
        <source>three to a straight</source>
        <translation>três para Straight</translation>
    </message>
    <message>
        <source>two suited high cards</source>
        <translation>duas cartas altas do mesmo naipe</translation>
    </message>
    <message>
        <source>ten with a suited high card</source>
        <translation>dez com uma carta alta do mesmo naipe</translation>
    </message>
    <message>
        <source>two unsuited high cards</source>
        <translation>duas cartas altas de naipes diferentes</translation>
    </message>
    <message>
        <source>one high card</source>
        <translation>uma carta alta</translation>
    </message>
    <message>
        <source>three of a kind and a kicker</source>
        <translation>trinca e um kicker</translation>
    </message>
    <message>
        <source>three of a kind and two kickers</source>
        <translation>trinca e dois kickers</translation>
    </message>
    <message>
        <source>two pair and a kicker</source>
        <translation>dois pares e um kicker</translation>
    </message>
    <message>
        <source>high pair and a kicker</source>
        <translation>par alto e um kicker</translation>
    </message>
    <message>
        <source>high pair and two kickers</source>
        <translation>par alto e dois kickers</translation>
    </message>
    <message>
        <source>high pair and three kickers</source>
        <translation>par alto e três kickers</translation>
    </message>
    <message>
        <source>low pair and a kicker</source>
        <translation>par baixo e um kicker</translation>
    </message>
    <message>
        <source>low pair and two kickers</source>
        <translation>par baixo e dois kickers</translation>
    </message>
    <message>
        <source>low pair and three kickers</source>
        <translation>par baixo e três kickers</translation>
    </message>
    <message>
        <source>five cards, no pair</source>
        <translation>cinco cartas, sem par</translation>
    </message>
    <message>
        <source>four other cards</source>
        <translation>outras quatro cartas</translation>
    </message>
    <message>
        <source>three other cards</source>
        <translation>outras três cartas</translation>
    </message>
    <message>
        <source>two other cards</source>
        <translation>outras duas cartas</translation>
    </message>
    <message>
        <source>one low card</source>
        <translation>uma carta baixa</translation>
    </message>
    <message>
        <source>discard everything</source>
        <translation>trocar tudo</translation>
    </message>
    <message>
        <source>pair of %1</source>
        <extracomment>A pair named by its rank: %1 is &quot;aces&quot;, &quot;kings&quot; ... &quot;twos&quot;.</extracomment>
        <translation>par de %1</translation>
    </message>
    <message>
        <source>four to a royal flush (%1)</source>
        <extracomment>%1 names the cards held, &quot;A K Q J&quot;.</extracomment>
        <translation>quatro para Royal Flush (%1)</translation>
    </message>
    <message>
        <source>four to a straight flush, %1</source>
        <extracomment>%1 is how it draws (&quot;open&quot;, &quot;inside with 2 high cards&quot;).</extracomment>
        <translation>quatro para Straight Flush, %1</translation>
    </message>
    <message>
        <source>four to a flush %1</source>
        <extracomment>%1 is how many high cards it holds (&quot;with 2 high cards&quot;).</extracomment>
        <translation>quatro para Flush %1</translation>
    </message>
    <message>
        <source>four to an outside straight %1</source>
        <translation>quatro para Straight aberto %1</translation>
    </message>
    <message>
        <source>four to an inside straight %1</source>
        <translation>quatro para Straight interno %1</translation>
    </message>
    <message>
        <source>three to a royal flush (%1)</source>
        <translation>três para Royal Flush (%1)</translation>
    </message>
    <message>
        <source>three to a straight flush, %1</source>
        <translation>três para Straight Flush, %1</translation>
    </message>
    <message>
        <source>three to a flush %1</source>
        <translation>três para Flush %1</translation>
    </message>
    <message>
        <source>%1 unsuited</source>
        <extracomment>%1 names the cards held, &quot;K Q J&quot;.</extracomment>
        <translation>%1 de naipes diferentes</translation>
    </message>
    <message>
        <source>three to a straight %1</source>
        <translation>três para Straight %1</translation>
    </message>
    <message>
        <source>%1 suited</source>
        <translation>%1 do mesmo naipe</translation>
    </message>
    <message>
        <source>%1 only</source>
        <extracomment>%1 names the card held, &quot;K&quot;.</extracomment>
        <translation>só %1</translation>
    </message>
    <message>
        <source>royal flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>four of a kind</source>
        <translation>quadra</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>three of a kind</source>
        <translation>trinca</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>dois pares</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>ases</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>reis</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>damas</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>valetes</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>noves</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>oitos</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>setes</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cincos</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>quatros</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>três</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>A straight draw whose two ends are open.</extracomment>
        <translation>aberto</translation>
    </message>
    <message>
        <source>inside</source>
        <extracomment>A straight draw missing one card inside.</extracomment>
        <translation>interno</translation>
    </message>
    <message>
        <source>double inside</source>
        <extracomment>A straight draw missing two cards inside.</extracomment>
        <translation>duplo interno</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no high card</source>
        <translation>nenhuma carta alta</translation>
    </message>
    <message>
        <source>1 high card</source>
        <translation>1 carta alta</translation>
    </message>
    <message>
        <source>%1-%2 high cards</source>
        <extracomment>A run of counts, &quot;0-2 high cards&quot;.</extracomment>
        <translation>%1 a %2 cartas altas</translation>
    </message>
    <message>
        <source>%1 high cards</source>
        <extracomment>%1 lists the counts, &quot;1, 2 or 4&quot;.</extracomment>
        <translation>%1 cartas altas</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>com %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 com %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A family and the order its members are taken in: &quot;two suited high cards: Q J, K Q&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n high cards</source>
        <translation>
            <numerusform>%n carta alta</numerusform>
            <numerusform>%n cartas altas</numerusform>
        </translation>
    </message>
    <message>
        <source>no deuce</source>
        <extracomment>Deuces Wild: how many deuces (the wild cards) a hold keeps; a chart line begins with it.</extracomment>
        <translation>nenhum dois</translation>
    </message>
    <message>
        <source>one deuce</source>
        <translation>um dois</translation>
    </message>
    <message>
        <source>two deuces</source>
        <translation>dois dois</translation>
    </message>
    <message>
        <source>three deuces</source>
        <translation>três dois</translation>
    </message>
    <message>
        <source>four deuces</source>
        <translation>quatro dois</translation>
    </message>
    <message>
        <source>joker</source>
        <extracomment>Joker Poker: a hold with the joker (the wild card); a chart line begins with it.</extracomment>
        <translation>coringa</translation>
    </message>
    <message>
        <source>no joker</source>
        <translation>sem coringa</translation>
    </message>
    <message>
        <source>a paying hand or a pair</source>
        <extracomment>The family of holds that already pay or hold a pair, after the wild cards held.</extracomment>
        <translation>uma mão paga ou um par</translation>
    </message>
    <message>
        <source>natural royal flush</source>
        <translation>Royal Flush natural</translation>
    </message>
    <message>
        <source>wild royal flush</source>
        <translation>Royal Flush com coringa</translation>
    </message>
    <message>
        <source>five of a kind</source>
        <translation>quina</translation>
    </message>
    <message>
        <source>pair of kings or aces</source>
        <extracomment>Joker Poker&apos;s paying pair, Kings or Better.</extracomment>
        <translation>par de reis ou ases</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>par</translation>
    </message>
    <message>
        <source>four to a straight</source>
        <translation>quatro para Straight</translation>
    </message>
    <message>
        <source>four to a straight, %1</source>
        <extracomment>%1 is how it draws: &quot;open&quot;, &quot;inside&quot;.</extracomment>
        <translation>quatro para Straight, %1</translation>
    </message>
    <message>
        <source>two to a royal flush</source>
        <translation>dois para Royal Flush</translation>
    </message>
    <message>
        <source>two to a royal flush (%1)</source>
        <extracomment>%1 names the two cards held, &quot;A K&quot;.</extracomment>
        <translation>dois para Royal Flush (%1)</translation>
    </message>
    <message>
        <source>high cards</source>
        <translation>cartas altas</translation>
    </message>
    <message>
        <source>other cards</source>
        <translation>outras cartas</translation>
    </message>
    <message>
        <source>consecutive</source>
        <extracomment>A straight flush draw with wild cards, by the gaps between its natural cards.</extracomment>
        <translation>consecutivas</translation>
    </message>
    <message>
        <source>consecutive at an end</source>
        <extracomment>A straight flush draw whose straight can&apos;t reach past the ace.</extracomment>
        <translation>consecutivas numa ponta</translation>
    </message>
    <message>
        <source>one gap</source>
        <translation>uma lacuna</translation>
    </message>
    <message>
        <source>one gap at an end</source>
        <translation>uma lacuna numa ponta</translation>
    </message>
    <message>
        <source>two gaps</source>
        <translation>duas lacunas</translation>
    </message>
    <message>
        <source>two gaps at an end</source>
        <translation>duas lacunas numa ponta</translation>
    </message>
    <message>
        <source>three gaps</source>
        <translation>três lacunas</translation>
    </message>
    <message>
        <source>three gaps at an end</source>
        <translation>três lacunas numa ponta</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>%1 the rank of the three cards: &quot;aces&quot;, &quot;7s&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>três %1</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A rank in plural by its letter: &quot;7s&quot;, &quot;Ks&quot;.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1s-%2s</source>
        <extracomment>A run of ranks by their letters: &quot;2s-4s&quot;, &quot;5s-Ks&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 with a %2 kicker</source>
        <extracomment>%1 three of a kind (&quot;three aces&quot;), %2 the kicker&apos;s ranks (&quot;2, 3 or 4&quot;).</extracomment>
        <translation>%1 com kicker %2</translation>
    </message>
    <message>
        <source>%1 with an %2 kicker</source>
        <extracomment>As &quot;%1 with a %2 kicker&quot;, where English writes &quot;an&quot; (&quot;an A, 2, 3 or 4 kicker&quot;).</extracomment>
        <translation>%1 com kicker %2</translation>
    </message>
    <message>
        <source>three of a kind with another kicker</source>
        <translation>trinca com outro kicker</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>wild cards held</comment>
        <extracomment>Deuces Wild and Joker Poker: the wild cards held (%1, &quot;two deuces&quot;, &quot;joker&quot;), then the rest of the hold (%2, &quot;four to a royal flush&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ace low</source>
        <extracomment>Deuces Wild: a draw whose only straight is ace-2-3-4-5, filled by a deuce alone.</extracomment>
        <translation>ás baixo</translation>
    </message>
    <message>
        <source>no ace</source>
        <extracomment>Three to a royal flush without its ace, and with it.</extracomment>
        <translation>sem ás</translation>
    </message>
    <message>
        <source>with an ace</source>
        <translation>com um ás</translation>
    </message>
    <message>
        <source>three to a royal flush, %1</source>
        <extracomment>%1 is &quot;no ace&quot; or &quot;with an ace&quot;.</extracomment>
        <translation>três para Royal Flush, %1</translation>
    </message>
    <message>
        <source>a paying hand</source>
        <extracomment>Joker Poker: the families of holds that already pay, and of those that hold a pair.</extracomment>
        <translation>uma mão paga</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>um par</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>%1 the rank of the four cards: &quot;aces&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>quatro %1</translation>
    </message>
    <message>
        <source>four of a kind with another kicker</source>
        <extracomment>Four of a kind held with a kicker that doesn&apos;t raise its pay.</extracomment>
        <translation>quadra com outro kicker</translation>
    </message>
    <message>
        <source>three to a straight, %1</source>
        <extracomment>%1 is how it draws (&quot;open with 2 high cards&quot;, &quot;inside with 1 high card&quot;).</extracomment>
        <translation>três para Straight, %1</translation>
    </message>
    <message>
        <source>two pair with aces</source>
        <extracomment>Where two pair pays no more than a pair, two pair with a pair of aces is told apart.</extracomment>
        <translation>dois pares com ases</translation>
    </message>
    <message>
        <source>two pair without aces</source>
        <translation>dois pares sem ases</translation>
    </message>
    <message>
        <source>%1, not %2</source>
        <extracomment>A family but the kinds left out: &quot;four to a straight flush, not consecutive&quot;.</extracomment>
        <translation>%1, exceto %2</translation>
    </message>
    <message>
        <source>four to a straight flush (%1)</source>
        <extracomment>Deuces Wild: one kind of straight flush draw in a list of hands (&quot;consecutive&quot;), bracketed as the list has commas of its own.</extracomment>
        <translation>quatro para Straight Flush (%1)</translation>
    </message>
    <message>
        <source>a paying hand or four to a straight flush</source>
        <extracomment>Joker Poker, with the joker: the family of holds that already pay or draw to a straight flush (a royal flush among them).</extracomment>
        <translation>uma mão paga ou quatro para Straight Flush</translation>
    </message>
    <message>
        <source>a paying hand, four to a straight flush or a pair</source>
        <extracomment>Joker Poker, without the joker: the same family and the holds of a pair.</extracomment>
        <translation>uma mão paga, quatro para Straight Flush ou um par</translation>
    </message>
    <message>
        <source>pair of aces or better</source>
        <extracomment>Bonus games where two pair pays as a pair: the made hands down to a pair of aces.</extracomment>
        <translation>par de ases ou melhor</translation>
    </message>
    <message>
        <source>unsuited high cards</source>
        <extracomment>Bonus games: two or three high cards of different suits (&quot;K Q J&quot;, &quot;Q J&quot;).</extracomment>
        <translation>cartas altas de naipes diferentes</translation>
    </message>
    <message>
        <source>three to a flush with high cards</source>
        <extracomment>Bonus games: the draws left once those without a high card are a family of their own.</extracomment>
        <translation>três para Flush com cartas altas</translation>
    </message>
    <message>
        <source>four to an inside straight with high cards</source>
        <translation>quatro para Straight interno com cartas altas</translation>
    </message>
    <message>
        <source>draws with no high card</source>
        <extracomment>Bonus games: three to a flush and four to an inside straight holding no high card.</extracomment>
        <translation>projetos sem carta alta</translation>
    </message>
    <message>
        <source>%1 with no high card</source>
        <extracomment>%1 is the draw: &quot;three to a flush&quot;, &quot;four to an inside straight&quot;.</extracomment>
        <translation>%1 sem carta alta</translation>
    </message>
    <message>
        <source>%1, no flush penalty</source>
        <extracomment>Penalty cards: %1 a hold (&quot;Q J suited&quot;) when none of the cards thrown away is of its suit, so that none of the flush cards left to draw is gone.</extracomment>
        <translation>%1, sem penalidade de Flush</translation>
    </message>
    <message>
        <source>%1 with a flush penalty</source>
        <extracomment>%1 a hold (&quot;Q J suited&quot;) when a card thrown away is of its suit.</extracomment>
        <translation>%1 com penalidade de Flush</translation>
    </message>
    <message>
        <source>%1, no straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when no card thrown away would fill a straight with it.</extracomment>
        <translation>%1, sem penalidade de Straight</translation>
    </message>
    <message>
        <source>%1 with a straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when a card thrown away would fill a straight with it.</extracomment>
        <translation>%1 com penalidade de Straight</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>One line naming holds apart by their penalty cards: &quot;Q J suited; K Q suited, no flush penalty&quot;.</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>TMediaPlayer</name>
    <message>
        <source>Unknown error code</source>
        <translation>Código de erro desconhecido</translation>
    </message>
    <message>
        <source>No sound file to play</source>
        <translation>Nenhum arquivo de som para tocar</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>falta %2 em %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t play %1: %2</source>
        <translation>Não foi possível tocar %1: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>é maior que %1 MB</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>não é um arquivo WAV</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not supported</source>
        <translation>a taxa de amostragem de %1 Hz não é suportada</translation>
    </message>
    <message>
        <source>its header claims far more sound than the file holds</source>
        <translation>o cabeçalho declara muito mais som do que o arquivo contém</translation>
    </message>
    <message>
        <source>it is too long to hold in memory once converted</source>
        <translation>é longo demais para caber na memória depois de convertido</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the win sound: %1 is missing from %2, and there is no %3 in %4</source>
        <translation>Não foi possível tocar o som de vitória: %1 não está em %2, e não há %3 em %4</translation>
    </message>
</context>
<context>
    <name>TPayTablePanel</name>
    <message>
        <source>Pay table</source>
        <extracomment>The name screen readers give the pay table shown beside the game.</extracomment>
        <translation>Tabela de pagamentos</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <extracomment>How a screen reader reads a line of the pay table: %1 the hand, %2 what it pays for 1.</extracomment>
        <translation>%1 paga %2</translation>
    </message>
    <message>
        <source>the last hand</source>
        <extracomment>What a screen reader adds to the pay table&apos;s line of the hand just settled.</extracomment>
        <translation>a última mão</translation>
    </message>
</context>
<context>
    <name>TPayoutsDialog</name>
    <message>
        <source>Jacks or Better Multiplier Default is 0</source>
        <extracomment>The caption beside the multiplier of pay line 1, a pair of jacks or better. It must fit the room of the English at 8 points: keep it as short.</extracomment>
        <translation>Valetes ou melhor, padrão 0</translation>
    </message>
    <message>
        <source>Two Pair Multiplier Default = 1</source>
        <translation>Dois pares, padrão 1</translation>
    </message>
    <message>
        <source>Three of a Kind Default = 2</source>
        <translation>Trinca, padrão 2</translation>
    </message>
    <message>
        <source>Straight Multiplier Default = 3</source>
        <translation>Straight, padrão 3</translation>
    </message>
    <message>
        <source>Flush Multiplier Default = 4</source>
        <translation>Flush, padrão 4</translation>
    </message>
    <message>
        <source>Full House Multiplier Default = 7 </source>
        <extracomment>The blank at the end is the design&apos;s.</extracomment>
        <translation>Full house, padrão 7 </translation>
    </message>
    <message>
        <source>Four of a Kind Multiplier Default = 11</source>
        <translation>Quadra, padrão 11</translation>
    </message>
    <message>
        <source>Straight Flush Multiplier Default = 49</source>
        <translation>Straight flush, padrão 49</translation>
    </message>
    <message>
        <source>Royal Flush Multiplier Default = 99</source>
        <translation>Royal flush, padrão 99</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <extracomment>The hand a pay line pays, as a screen reader names its multiplier field.</extracomment>
        <translation>Valetes ou melhor</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Dois pares</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal flush</translation>
    </message>
    <message>
        <source>Set Winning Payouts and Sounds</source>
        <translation>Pagamentos e sons dos prêmios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sound%1</source>
        <extracomment>The button that chooses the sound of pay line %1 (1 to 9).</extracomment>
        <translation>Som %1</translation>
    </message>
    <message>
        <source>Your winning bets are multiplied by the values you select.  Sound Buttons let you choose a .WAV sound file.  Cancel and OK buttons will not effect sounds.</source>
        <extracomment>Word-wrapped in a narrow box at the dialog&apos;s right; the English has two blanks after each full stop. &quot;effect&quot; is the design&apos;s word.</extracomment>
        <translation>Os prêmios são multiplicados pelos valores escolhidos.  Os botões Som escolhem um arquivo .WAV.  Cancelar e OK não mudam os sons.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <extracomment>What a screen reader says of a sound button; %1 is the hand (Flush).</extracomment>
        <translation>Som para %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Payout values have been updated</source>
        <translation>Os valores dos pagamentos foram atualizados</translation>
    </message>
    <message>
        <source>Cancelled. No changes were made to the payoff values</source>
        <translation>Cancelado. Os valores dos pagamentos não foram alterados</translation>
    </message>
    <message>
        <source>Windows WAV files (*.WAV)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in brackets, (*.WAV), as it is.</extracomment>
        <translation>Arquivos WAV do Windows (*.WAV)</translation>
    </message>
    <message>
        <source>%1 Multiplier Default = %2</source>
        <extracomment>The caption beside the multiplier of a pay line of a game other than Jacks or Better: %1 is the line&apos;s name, %2 its multiplier in the game&apos;s default table.</extracomment>
        <translation>%1 Multiplicador padrão = %2</translation>
    </message>
</context>
<context>
    <name>TSessionChart</name>
    <message>
        <source>Total after each hand</source>
        <translation>Total após cada mão</translation>
    </message>
    <message>
        <source>No hands yet</source>
        <translation>Nenhuma mão ainda</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>a list</source>
        <translation>uma lista</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>processo %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is not a lock this program can read, and it stayed for %1</source>
        <translation>não é uma trava que este programa consiga ler, e ela permaneceu por %1</translation>
    </message>
    <message>
        <source>a program that has ended left it, and it can&apos;t be removed</source>
        <translation>um programa que já terminou a deixou, e ela não pode ser removida</translation>
    </message>
    <message>
        <source>another Lumaro</source>
        <translation>outro Lumaro</translation>
    </message>
    <message>
        <source>another program (%1)</source>
        <translation>outro programa (%1)</translation>
    </message>
    <message>
        <source>%1%2 is saving (lock held for %3)</source>
        <translation>%1%2 está salvando (trava mantida por %3)</translation>
    </message>
    <message>
        <source>no lock file can be created in it</source>
        <translation>nenhum arquivo de trava pode ser criado nela</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the lock file can&apos;t be written</source>
        <translation>o arquivo de trava não pode ser gravado</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Falha ao criar a chave %1</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de dados inválido para &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Falha ao definir os dados de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for %1</source>
        <translation>Falha ao definir os dados de %1</translation>
    </message>
    <message>
        <source>Failed to get data for %1</source>
        <translation>Falha ao obter os dados de %1</translation>
    </message>
    <message>
        <source>you have no permission to read it</source>
        <translation>você não tem permissão para lê-lo</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>a pasta é somente leitura</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>sua cota de disco se esgotou</translation>
    </message>
    <message>
        <source>the file would be larger than the system allows</source>
        <translation>o arquivo ficaria maior do que o sistema permite</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>o disco relatou um erro de entrada/saída</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>o nome é longo demais</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>os links dele formam um círculo</translation>
    </message>
    <message>
        <source>a folder on its path is a file</source>
        <translation>uma pasta no caminho dele é um arquivo</translation>
    </message>
    <message>
        <source>no file can be created in it</source>
        <translation>nenhum arquivo pode ser criado nela</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is a file, not a folder</source>
        <translation>é um arquivo, não uma pasta</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>O controle &apos;%1&apos; não tem janela pai</translation>
    </message>
</context>
</TS>
