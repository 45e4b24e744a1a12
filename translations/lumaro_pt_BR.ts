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
    <name>TAdvisor</name>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
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
        <translation>Valetes ou melhor com seus multiplicadores: %1% de retorno com o melhor jogo</translation>
    </message>
    <message numerus="yes">
        <source>A bankroll of %n bets of %1 coins (%2 coins), best play throughout:</source>
        <extracomment>%n the bankroll in bets, %1 the bet, %2 the bankroll in coins</extracomment>
        <translation>
            <numerusform>Uma bankroll de %n aposta de %1 moedas (%2 moedas), sempre com o melhor jogo:</numerusform>
            <numerusform>Uma bankroll de %n apostas de %1 moedas (%2 moedas), sempre com o melhor jogo:</numerusform>
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
</context>
</TS>
