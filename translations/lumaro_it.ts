<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CardSpokenName</name>
    <message>
        <source>Ace</source>
        <extracomment>A card&apos;s rank, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Spades</source>
        <extracomment>A card&apos;s suit, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>picche</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card as a screen reader names it: %1 is its rank (Ace, 10, Queen), %2 its suit.</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Jolly</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <extracomment>The back of a card, one of nine designs (%1 is 1 to 9).</extracomment>
        <translation>Dorso della carta %1</translation>
    </message>
    <message>
        <source>Lumaro title card</source>
        <extracomment>The card shown before the first deal, with the game&apos;s title.</extracomment>
        <translation>Carta del titolo di Lumaro</translation>
    </message>
</context>
<context>
    <name>ShowErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>TAdvicePage</name>
    <message>
        <source>Holds, best first</source>
        <translation>Scelte, la migliore per prima</translation>
    </message>
    <message>
        <source>Hold best</source>
        <translation>Tieni il meglio</translation>
    </message>
    <message>
        <source>Marks the best hold (key B)</source>
        <translation>Segna la scelta migliore (tasto B)</translation>
    </message>
    <message>
        <source>Show all 32</source>
        <translation>Mostra tutte le 32</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Holds are shown after the draw; no money moves</source>
        <translation>Le scelte si vedono dopo il cambio; non si muove denaro</translation>
    </message>
    <message>
        <source>Warn before Draw</source>
        <translation>Avvisa prima di cambiare</translation>
    </message>
    <message>
        <source>In practice, asks before a draw with a hold that is not a best one</source>
        <translation>In prova, chiede conferma prima di cambiare con una scelta che non è la migliore</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessione</translation>
    </message>
</context>
<context>
    <name>TAdvisor</name>
    <message>
        <source>nothing</source>
        <extracomment>What the player holds when no card is held: &quot;Your hold: nothing&quot;.</extracomment>
        <translation>niente</translation>
    </message>
    <message>
        <source>Return with best play: computing...</source>
        <translation>Ritorno con il gioco ottimale: calcolo in corso...</translation>
    </message>
    <message>
        <source>Return with best play: %1 %</source>
        <extracomment>%1 is a percentage with two decimals, &quot;92.70&quot;.</extracomment>
        <translation>Ritorno con il gioco ottimale: %1 %</translation>
    </message>
    <message>
        <source>Return with best play: not available (%1)</source>
        <extracomment>%1 is why the return could not be counted.</extracomment>
        <translation>Ritorno con il gioco ottimale: non disponibile (%1)</translation>
    </message>
    <message>
        <source>Your hold: %1, a best hold</source>
        <translation>La tua scelta: %1, una delle migliori</translation>
    </message>
    <message>
        <source>Your hold: %1, rank %2 of %3, gives up %4 coins</source>
        <extracomment>%1 the held cards, %2 the hold&apos;s rank among the %3 holds, %4 the coins it gives up.</extracomment>
        <translation>La tua scelta: %1, posto %2 su %3, perde %4 monete</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Gioco ottimale</translation>
    </message>
    <message>
        <source>You held %1 (expected %2), best was %3 (expected %4): this choice cost %5 coins on average</source>
        <extracomment>After the draw. %1 the cards held and %2 what they were expected to pay, in coins; %3 and %4 the same for the best hold; %5 the coins the choice cost.</extracomment>
        <translation>Hai tenuto %1 (atteso %2), il meglio era %3 (atteso %4): questa scelta è costata in media %5 monete</translation>
    </message>
    <message>
        <source>Dealt %1, bet %2:</source>
        <extracomment>Over the list of holds after the draw: %1 the five cards dealt, %2 the bet.</extracomment>
        <translation>Distribuite %1, puntata %2:</translation>
    </message>
    <message>
        <source>Holding %1 gives up %2 coins on average. The best hold is %3 (expected %4 against %5).</source>
        <extracomment>Asked before a draw in practice. %1 the cards held, %2 the coins that gives up, %3 the best hold, %4 what it is expected to pay, %5 what the player&apos;s hold is expected to pay.</extracomment>
        <translation>Tenere %1 fa perdere in media %2 monete. La scelta migliore è %3 (atteso %4 contro %5).</translation>
    </message>
    <message>
        <source>Hands: %1</source>
        <translation>Mani: %1</translation>
    </message>
    <message>
        <source>Best holds: %1 of %2 (%3 %)</source>
        <extracomment>%1 of %2 holds were best ones, %3 per cent of them.</extracomment>
        <translation>Scelte migliori: %1 su %2 (%3 %)</translation>
    </message>
    <message>
        <source>Cost of mistakes: %1 coins</source>
        <translation>Costo degli errori: %1 monete</translation>
    </message>
    <message>
        <source>Return: no hands yet</source>
        <translation>Ritorno: ancora nessuna mano</translation>
    </message>
    <message>
        <source>Return: yours %1 %, best %2 %</source>
        <extracomment>The return of the player&apos;s holds and of the best ones, percentages with two decimals.</extracomment>
        <translation>Ritorno: il tuo %1 %, ottimale %2 %</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Consigliere di strategia</translation>
    </message>
    <message>
        <source>Advisor pages</source>
        <translation>Pagine del consigliere</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Consiglio</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Storico</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>&amp;Draw anyway</source>
        <translation>&amp;Cambia comunque</translation>
    </message>
    <message>
        <source>&amp;Change hold</source>
        <translation>&amp;Modifica la scelta</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>computing...</source>
        <translation>calcolo in corso...</translation>
    </message>
    <message>
        <source>Deal a hand to see its best holds.</source>
        <translation>Distribuisci una mano per vederne le scelte migliori.</translation>
    </message>
    <message>
        <source>Holds, best first:</source>
        <translation>Scelte, la migliore per prima:</translation>
    </message>
    <message>
        <source>Practice: the best holds are shown after the draw.</source>
        <translation>Prova: le scelte migliori si vedono dopo il cambio.</translation>
    </message>
    <message>
        <source>Your hold: %1</source>
        <translation>La tua scelta: %1</translation>
    </message>
    <message>
        <source>Holds for a bet of %1, best first:</source>
        <translation>Scelte per una puntata di %1, la migliore per prima:</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Distribuisci una mano per vedere la riga che le corrisponde.</translation>
    </message>
    <message>
        <source>Practice: the line is shown after the draw.</source>
        <translation>Prova: la riga si vede dopo il cambio.</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>The advisor&apos;s page with the pay table of the game in force.</extracomment>
        <translation>Pagamenti</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bankroll is a whole number of bets, at least 1.</source>
        <translation>Il bankroll è un numero intero di puntate, almeno 1.</translation>
    </message>
    <message>
        <source>The bankroll is at most %1 bets.</source>
        <translation>Il bankroll è al massimo di %1 puntate.</translation>
    </message>
    <message>
        <source>The bet is a whole number of coins from %1 to %2.</source>
        <translation>La puntata è un numero intero di monete da %1 a %2.</translation>
    </message>
    <message>
        <source>The hands are a whole number, at least 1.</source>
        <translation>Il numero di mani è un numero intero, almeno 1.</translation>
    </message>
    <message>
        <source>At most %1 hands are counted.</source>
        <translation>Si contano al massimo %1 mani.</translation>
    </message>
    <message>
        <source>no chance</source>
        <translation>nessuna probabilità</translation>
    </message>
    <message>
        <source>certain</source>
        <translation>certo</translation>
    </message>
    <message>
        <source>1 chance in %1</source>
        <translation>1 probabilità su %1</translation>
    </message>
    <message>
        <source>%1 chances in %2</source>
        <translation>%1 probabilità su %2</translation>
    </message>
    <message>
        <source>almost certain</source>
        <translation>quasi certo</translation>
    </message>
    <message>
        <source>Waiting for the game&apos;s odds...</source>
        <translation>In attesa delle probabilità del gioco...</translation>
    </message>
    <message>
        <source>Bets:</source>
        <translation>Puntate:</translation>
    </message>
    <message>
        <source>Bankroll in bets</source>
        <translation>Bankroll in puntate</translation>
    </message>
    <message>
        <source>Bet in coins</source>
        <translation>Puntata in monete</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mani</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Bankroll:</translation>
    </message>
    <message>
        <source>Bet:</source>
        <translation>Puntata:</translation>
    </message>
    <message>
        <source>Hands:</source>
        <translation>Mani:</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>monete</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Use my total, %1 coins</source>
        <translation>Il mio totale, %1 monete</translation>
    </message>
    <message>
        <source>Your total of %1 coins is less than one bet.</source>
        <translation>Il tuo totale di %1 monete è meno di una puntata.</translation>
    </message>
    <message>
        <source>= %1 coins</source>
        <translation>= %1 monete</translation>
    </message>
    <message>
        <source>The figures wait for the fields marked above.</source>
        <translation>I numeri attendono i campi segnalati sopra.</translation>
    </message>
    <message>
        <source>The figures could not be counted (%1).</source>
        <translation>Non è stato possibile calcolare i numeri (%1).</translation>
    </message>
    <message>
        <source>Counting the figures...</source>
        <translation>Calcolo dei numeri...</translation>
    </message>
    <message>
        <source>Counting the game&apos;s odds...</source>
        <translation>Calcolo delle probabilità del gioco...</translation>
    </message>
    <message>
        <source>%1 bets (%2 coins)</source>
        <extracomment>%1 a number of bets, %2 the same in coins, both signed: &quot;-12.5 bets (-62 coins)&quot;</extracomment>
        <translation>%1 puntate (%2 monete)</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers</source>
        <translation>Jack o meglio con i tuoi moltiplicatori</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers: %1% return under best play</source>
        <extracomment>%1 the return in per cent with two decimals: &quot;99.54&quot;</extracomment>
        <translation>Jack o meglio con i tuoi moltiplicatori: %1% di ritorno con il gioco ottimale</translation>
    </message>
    <message numerus="yes">
        <source>A bankroll of %n bets of %1 coins (%2 coins), best play throughout:</source>
        <extracomment>%n the bankroll in bets, %1 the bet, %2 the bankroll in coins</extracomment>
        <translation>
            <numerusform>Un bankroll di %n puntata da %1 monete (%2 monete), sempre con il gioco ottimale:</numerusform>
            <numerusform>Un bankroll di %n puntate da %1 monete (%2 monete), sempre con il gioco ottimale:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Losing the whole bankroll within %n hands: %1 (%2)</source>
        <extracomment>%1 a chance in words (&quot;1 chance in 12&quot;), %2 the same in per cent</extracomment>
        <translation>
            <numerusform>Perdere tutto il bankroll entro %n mano: %1 (%2)</numerusform>
            <numerusform>Perdere tutto il bankroll entro %n mani: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ahead after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>In vantaggio dopo %n mano: %1 (%2)</numerusform>
            <numerusform>In vantaggio dopo %n mani: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Even after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>In pari dopo %n mano: %1 (%2)</numerusform>
            <numerusform>In pari dopo %n mani: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Behind after %n hands, ruin included: %1 (%2)</source>
        <translation>
            <numerusform>In svantaggio dopo %n mano, rovina inclusa: %1 (%2)</numerusform>
            <numerusform>In svantaggio dopo %n mani, rovina inclusa: %1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Expected result: %1</source>
        <translation>Risultato atteso: %1</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>oltre %1</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or lower (5th percentile)</source>
        <translation>1 sessione su 20 finisce a %1 o meno (5° percentile)</translation>
    </message>
    <message>
        <source>Half the sessions end at %1 or lower (median)</source>
        <translation>Metà delle sessioni finisce a %1 o meno (mediana)</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or higher (95th percentile)</source>
        <translation>1 sessione su 20 finisce a %1 o più (95° percentile)</translation>
    </message>
    <message>
        <source>Standard deviation of the result: %1 bets (%2 coins)</source>
        <translation>Deviazione standard del risultato: %1 puntate (%2 monete)</translation>
    </message>
    <message>
        <source>Chance of ruin against hands played</source>
        <translation>Probabilità di rovina per mani giocate</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mani giocate</translation>
    </message>
    <message>
        <source>Chance of each result</source>
        <translation>Probabilità di ogni risultato</translation>
    </message>
    <message>
        <source>Result in bets</source>
        <translation>Risultato in puntate</translation>
    </message>
    <message numerus="yes">
        <source>After %n hands: %1 chance of ruin</source>
        <translation>
            <numerusform>Dopo %n mano: %1 di probabilità di rovina</numerusform>
            <numerusform>Dopo %n mani: %1 di probabilità di rovina</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bets or less: %2</source>
        <translation>%1 puntate o meno: %2</translation>
    </message>
    <message>
        <source>%1 bets or more: %2</source>
        <translation>%1 puntate o più: %2</translation>
    </message>
    <message>
        <source>%1 bets: %2</source>
        <translation>%1 puntate: %2</translation>
    </message>
    <message>
        <source>%1 to %2 bets: %3</source>
        <translation>da %1 a %2 puntate: %3</translation>
    </message>
    <message>
        <source>Ruined, the whole bankroll lost: %1</source>
        <translation>Rovinato, tutto il bankroll perso: %1</translation>
    </message>
    <message numerus="yes">
        <source>Chance of each result after %n hands</source>
        <translation>
            <numerusform>Probabilità di ogni risultato dopo %n mano</numerusform>
            <numerusform>Probabilità di ogni risultato dopo %n mani</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 with your multipliers</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;</extracomment>
        <translation>%1 con i tuoi moltiplicatori</translation>
    </message>
    <message>
        <source>%1 with your multipliers: %2% return under best play</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;; %2 the return in per cent with two decimals: &quot;100.76&quot;</extracomment>
        <translation>%1 con i tuoi moltiplicatori: %2% di ritorno con il gioco ottimale</translation>
    </message>
    <message>
        <source>almost no chance</source>
        <translation>quasi nessuna probabilità</translation>
    </message>
</context>
<context>
    <name>TChartList</name>
    <message>
        <source>Chart lines</source>
        <translation>Righe della tabella</translation>
    </message>
    <message>
        <source>Marked: line %1, %2</source>
        <translation>Segnata: riga %1, %2</translation>
    </message>
    <message>
        <source>nothing held</source>
        <translation>nessuna carta tenuta</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>tenute: %1</translation>
    </message>
    <message>
        <source>%1, %2 drawn</source>
        <extracomment>%1 the cards held (&quot;Ace of Spades, King of Spades held&quot;), %2 those drawn.</extracomment>
        <translation>%1; cambiate: %2</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals. The dealt hand&apos;s line</source>
        <extracomment>A line of the strategy chart as a screen reader says it: %1 its number, %2 the hold it names, %3 an example deal, %4 the share of all deals it decides (&quot;12.345 %&quot;).</extracomment>
        <translation>Riga %1: %2. Esempio: %3. Decide il %4 delle mani. La riga della mano distribuita</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals</source>
        <translation>Riga %1: %2. Esempio: %3. Decide il %4 delle mani</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>building...</source>
        <translation>in preparazione...</translation>
    </message>
    <message>
        <source>Pay table, Jacks or Better to Royal Flush: %1</source>
        <extracomment>%1 the nine multipliers of the pay table, &quot;0,1,2,3,4,6,9,25,50,800&quot;.</extracomment>
        <translation>Tabella delle vincite, da Jack o meglio a Scala reale: %1</translation>
    </message>
    <message>
        <source>Lumaro strategy chart</source>
        <translation>Tabella di strategia di Lumaro</translation>
    </message>
    <message>
        <source>1 line</source>
        <extracomment>How many lines the chart has.</extracomment>
        <translation>1 riga</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n riga</numerusform>
            <numerusform>%n righe</numerusform>
        </translation>
    </message>
    <message>
        <source>Return holding by the chart: %1% (%2)</source>
        <extracomment>%1 a percentage with four decimals, %2 how many lines the chart has (&quot;24 lines&quot;).</extracomment>
        <translation>Ritorno seguendo la tabella: %1 % (%2)</translation>
    </message>
    <message>
        <source>Return under optimal play: %1%</source>
        <translation>Ritorno con gioco ottimale: %1 %</translation>
    </message>
    <message>
        <source>The chart gives up %1 points of return.</source>
        <extracomment>%1 the points of return the chart gives up, &quot;0.0010&quot;.</extracomment>
        <translation>La tabella perde %1 punti di ritorno.</translation>
    </message>
    <message>
        <source>A line naming a whole family takes the first that fits, in this order:</source>
        <translation>Una riga che nomina un&apos;intera famiglia prende la prima che corrisponde, in quest&apos;ordine:</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Prints the chart, laid out for paper</source>
        <translation>Stampa la tabella, impaginata per la carta</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Salva come PDF…</translation>
    </message>
    <message>
        <source>Writes the chart, laid out for paper, to a PDF file</source>
        <translation>Scrive la tabella, impaginata per la carta, in un file PDF</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Distribuisci una mano per vedere la riga che le corrisponde.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>Chart for %1</source>
        <translation>Tabella per %1</translation>
    </message>
    <message>
        <source>Strategy chart</source>
        <translation>Tabella di strategia</translation>
    </message>
    <message>
        <source>Chart: %1 %, %2
Best play: %3 %
The chart gives up %4 points</source>
        <extracomment>Three lines: the chart&apos;s return (%1, a percentage with four decimals; %2 its lines, &quot;24 lines&quot;), the return of the best play (%3) and the difference (%4, &quot;0.0010&quot;).</extracomment>
        <translation>Tabella: %1 %, %2
Gioco ottimale: %3 %
La tabella perde %4 punti</translation>
    </message>
    <message>
        <source>Chart: not available (%1)</source>
        <translation>Tabella: non disponibile (%1)</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Tabella: %1</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>non disponibile</translation>
    </message>
    <message>
        <source>Dealt %1: %2</source>
        <translation>Distribuite %1: %2</translation>
    </message>
    <message>
        <source>Dealt %1: no line fits, hold nothing</source>
        <translation>Distribuite %1: nessuna riga corrisponde, non tenere niente</translation>
    </message>
    <message>
        <source>Dealt %1: line %2</source>
        <translation>Distribuite %1: riga %2</translation>
    </message>
    <message>
        <source>There is no chart to save yet</source>
        <translation>Non c&apos;è ancora una tabella da salvare</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1</source>
        <translation>Impossibile scrivere il file PDF %1</translation>
    </message>
    <message>
        <source>Save the chart as PDF</source>
        <translation>Salva la tabella come PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print the strategy chart</source>
        <translation>Stampa la tabella di strategia</translation>
    </message>
    <message>
        <source>The chart could not be printed</source>
        <translation>Non è stato possibile stampare la tabella</translation>
    </message>
    <message>
        <source>Lumaro strategy chart, page %1</source>
        <translation>Tabella di strategia di Lumaro, pagina %1</translation>
    </message>
    <message>
        <source>Hold the first line that fits the hand; of the holds a line names, the first that fits.</source>
        <translation>Tieni la prima riga che corrisponde alla mano; tra le scelte che una riga nomina, la prima che corrisponde.</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column headings of the printed chart: the line&apos;s number, the hold it names, an example deal, and the share of all deals the line decides.</extracomment>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Da tenere</translation>
    </message>
    <message>
        <source>Deals</source>
        <translation>Mani</translation>
    </message>
    <message>
        <source>Example (held | drawn)</source>
        <translation>Esempio (tenute | cambiate)</translation>
    </message>
    <message>
        <source>Pay table of %1, %2 to %3: %4</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 its lowest line (&quot;Three of a Kind&quot;), %3 its highest (&quot;Natural Royal Flush&quot;), %4 the multipliers of its lines, lowest first.</extracomment>
        <translation>Tabella dei pagamenti di %1, da %2 a %3: %4</translation>
    </message>
    <message>
        <source>Lumaro strategy chart for %1</source>
        <extracomment>The printed chart&apos;s title; %1 the game&apos;s name, &quot;Deuces Wild&quot;.</extracomment>
        <translation>Tabella di strategia Lumaro per %1</translation>
    </message>
    <message>
        <source>%1: chart for %2</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 the multipliers of its lines, lowest first.</extracomment>
        <translation>%1: tabella per %2</translation>
    </message>
</context>
<context>
    <name>TChooseGameDialog</name>
    <message>
        <source>Choose Game</source>
        <translation>Scegli il gioco</translation>
    </message>
    <message>
        <source>Choose a game and its pay table. Each table shows what it pays for 1 coin, lowest hand first, and its return under best play. A new game starts a new session.</source>
        <translation>Scegli un gioco e la sua tabella dei pagamenti. Ogni tabella mostra quanto paga per 1 gettone, la mano più bassa per prima, e il suo ritorno con il gioco migliore. Un nuovo gioco apre una nuova sessione.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Giochi</translation>
    </message>
    <message>
        <source>Game and table</source>
        <translation>Gioco e tabella</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Ritorno</translation>
    </message>
    <message>
        <source>Pays for 1</source>
        <translation>Paga per 1</translation>
    </message>
    <message>
        <source>counting…</source>
        <extracomment>The return of a table while it is being counted.</extracomment>
        <translation>calcolo…</translation>
    </message>
    <message>
        <source>my own table</source>
        <extracomment>The row of the player&apos;s own pay table of a game (for Jacks or Better, the one set in Payouts Options).</extracomment>
        <translation>la mia tabella</translation>
    </message>
    <message>
        <source>not counted</source>
        <extracomment>The return of a table that could not be counted (out of memory).</extracomment>
        <translation>non calcolato</translation>
    </message>
</context>
<context>
    <name>TGameNames</name>
    <message>
        <source>Jacks or Better</source>
        <extracomment>A game&apos;s name, in the Choose Game dialog and atop the pay table.</extracomment>
        <translation>Jack o meglio</translation>
    </message>
    <message>
        <source>Bonus Poker</source>
        <extracomment>A game&apos;s name, in the Choose Game dialog and atop the pay table.</extracomment>
        <translation>Bonus Poker</translation>
    </message>
    <message>
        <source>Bonus Poker Deluxe</source>
        <translation>Bonus Poker Deluxe</translation>
    </message>
    <message>
        <source>Double Bonus Poker</source>
        <translation>Double Bonus Poker</translation>
    </message>
    <message>
        <source>Double Double Bonus Poker</source>
        <translation>Double Double Bonus Poker</translation>
    </message>
    <message>
        <source>Triple Double Bonus Poker</source>
        <translation>Triple Double Bonus Poker</translation>
    </message>
    <message>
        <source>Aces and Faces</source>
        <extracomment>A game&apos;s name: four aces and four jacks, queens or kings pay more.</extracomment>
        <translation>Assi e figure</translation>
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
        <translation>Doppia coppia</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Scala reale</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <extracomment>A pay line: four of a kind of fives up to kings.</extracomment>
        <translation>Poker dal 5 al K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A pay line: four twos, threes or fours.</extracomment>
        <translation>Poker dal 2 al 4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Poker d&apos;assi</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four twos, threes or fours, the fifth card an ace, 2, 3 or 4.</extracomment>
        <translation>Poker dal 2 al 4 con kicker A, 2, 3 o 4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four aces, the fifth card a 2, 3 or 4.</extracomment>
        <translation>Poker d&apos;assi con kicker 2, 3 o 4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A pay line: four of a kind of twos up to tens.</extracomment>
        <translation>Poker dal 2 al 10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A pay line: four jacks, queens or kings.</extracomment>
        <translation>Poker dal fante al re</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>Deuces Wild&apos;s losing hand: less than three of a kind.</extracomment>
        <translation>Nessuna vincita</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <extracomment>A pay line of the wild-card games: five cards of one rank, a wild card among them.</extracomment>
        <translation>Pokerissimo</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A pay line: a royal flush made with a wild card (a deuce or the joker).</extracomment>
        <translation>Scala reale con jolly</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>Deuces Wild&apos;s pay line for the four 2s.</extracomment>
        <translation>Quattro due</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A pay line: a royal flush without a wild card.</extracomment>
        <translation>Scala reale naturale</translation>
    </message>
    <message>
        <source>Kings or Better</source>
        <extracomment>Joker Poker&apos;s lowest pay line: a pair of kings or aces.</extracomment>
        <translation>Re o meglio</translation>
    </message>
</context>
<context>
    <name>TGameView</name>
    <message>
        <source>Draw</source>
        <extracomment>A hold panel under a card: the card is replaced at the draw.</extracomment>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>A hold panel under a card: the card stays at the draw.</extracomment>
        <translation>Tieni</translation>
    </message>
    <message>
        <source>Over</source>
        <extracomment>A hold panel under a card once the hand is settled.</extracomment>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Player has No Pair </source>
        <extracomment>The hand after the draw. The blank at the end is the machine&apos;s own.</extracomment>
        <translation>Il giocatore non ha coppie </translation>
    </message>
    <message>
        <source>Player has One Pair</source>
        <extracomment>The hand after the draw: a pair of tens or lower, which loses.</extracomment>
        <translation>Il giocatore ha una coppia</translation>
    </message>
    <message>
        <source>Player has pair of Jacks or Better</source>
        <extracomment>The hand after the draw: a pair of jacks, queens, kings or aces, which pays.</extracomment>
        <translation>Il giocatore ha una coppia di jack o meglio</translation>
    </message>
    <message>
        <source>Player has Two Pair</source>
        <translation>Il giocatore ha doppia coppia</translation>
    </message>
    <message>
        <source>Player has Three of a Kind</source>
        <translation>Il giocatore ha un tris</translation>
    </message>
    <message>
        <source>Player has a Straight</source>
        <translation>Il giocatore ha una scala</translation>
    </message>
    <message>
        <source>Player has a Flush</source>
        <translation>Il giocatore ha colore</translation>
    </message>
    <message>
        <source>Player has a Full House</source>
        <translation>Il giocatore ha un full</translation>
    </message>
    <message>
        <source>Wow! Four of a Kind</source>
        <translation>Wow! Poker</translation>
    </message>
    <message>
        <source>Wow! Straight Flush</source>
        <translation>Wow! Scala colore</translation>
    </message>
    <message>
        <source>Wow! Royal Flush</source>
        <translation>Wow! Scala reale</translation>
    </message>
    <message>
        <source>You Lost Total is now %1</source>
        <extracomment>A hand lost; %1 is the total after it.</extracomment>
        <translation>Hai perso. Il totale è %1</translation>
    </message>
    <message>
        <source>You Win Total is now %1</source>
        <extracomment>A win paid at multiplier 0 (the bet comes back); %1 is the total.</extracomment>
        <translation>Hai vinto! Il totale è %1</translation>
    </message>
    <message>
        <source>*Bonus* %1X  Paid You Win! Total is now %2</source>
        <extracomment>A win: %1 is the multiplier plus one (the stake comes back with it), as in &quot;*Bonus* 8X&quot;; %2 is the total after it.</extracomment>
        <translation>*Bonus* %1X pagato. Hai vinto! Totale: %2</translation>
    </message>
    <message>
        <source>Practice hand: no money moves</source>
        <extracomment>The second message line while a practice hand is played.</extracomment>
        <translation>Mano di prova: nessun denaro in gioco</translation>
    </message>
    <message>
        <source>Practice hand: it would cost %1. Total stays %2</source>
        <extracomment>A practice hand that lost: %1 is the bet it would have cost, %2 the total.</extracomment>
        <translation>Prova: costerebbe %1. Il totale resta %2</translation>
    </message>
    <message>
        <source>Practice hand: it would pay %1. Total stays %2</source>
        <extracomment>A practice hand that won: %1 is what it would have paid, %2 the total.</extracomment>
        <translation>Prova: pagherebbe %1. Il totale resta %2</translation>
    </message>
    <message>
        <source>Practice hand: the bet would come back. Total stays %1</source>
        <extracomment>A practice hand won at multiplier 0; %1 is the total.</extracomment>
        <translation>Prova: la puntata tornerebbe. Il totale resta %1</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1 Total Pairs =%2</source>
        <extracomment>The first statistics line: %n hands won, %1 hands lost, %2 one-pair hands (paying or not).</extracomment>
        <translation>
            <numerusform>Giocatore: %n mano vinta, %1 perse, coppie =%2</numerusform>
            <numerusform>Giocatore: %n mani vinte, %1 perse, coppie =%2</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands Two Pair=%1</source>
        <extracomment>The second statistics line starts with this when two pair has come up (%1 times); the items below follow it, each with its own leading blank.</extracomment>
        <translation>Mani alte: Doppia coppia=%1</translation>
    </message>
    <message>
        <source> 3 of a Kind=%1</source>
        <extracomment>An item of the second statistics line: the hand and how often it came up. Keep the leading blank: it parts the items.</extracomment>
        <translation> Tris=%1</translation>
    </message>
    <message>
        <source> Straights=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Scale=%1</translation>
    </message>
    <message>
        <source> Flushs=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Colori=%1</translation>
    </message>
    <message>
        <source> Full House=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Full=%1</translation>
    </message>
    <message>
        <source> 4 of a Kind=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Poker=%1</translation>
    </message>
    <message>
        <source> Straight Flush=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Scale colore=%1</translation>
    </message>
    <message>
        <source> Royal Flush=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Scale reali=%1</translation>
    </message>
    <message>
        <source>No Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Senza coppia</translation>
    </message>
    <message>
        <source>Pairs</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Coppie</translation>
    </message>
    <message>
        <source>2 Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>2 coppie</translation>
    </message>
    <message>
        <source>3 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Straight</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full House</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>4 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Scala reale</translation>
    </message>
    <message>
        <source>Player has %t</source>
        <extracomment>The hand after the draw in a game other than Jacks or Better; %t is the pay line&apos;s name (&quot;Kings or Better&quot;, &quot;Four Aces&quot;).</extracomment>
        <translation>Il giocatore ha %t</translation>
    </message>
    <message>
        <source>Wow! %t</source>
        <extracomment>The hand after the draw, a big one (four of a kind or better); %t is the pay line&apos;s name.</extracomment>
        <translation>Wow! %t</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1</source>
        <extracomment>The first statistics line of a game other than Jacks or Better: %n hands won, %1 lost.</extracomment>
        <translation>
            <numerusform>Il giocatore ha vinto %n mano e perso %1</numerusform>
            <numerusform>Il giocatore ha vinto %n mani e perso %1</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands</source>
        <extracomment>The second statistics line of a game other than Jacks or Better starts with this when a winning hand has come up; its items follow.</extracomment>
        <translation>Mani alte:</translation>
    </message>
    <message>
        <source> %t=%1</source>
        <extracomment>An item of the second statistics line: the pay line&apos;s name (%t) and how often it came up (%1). Keep the leading blank: it parts the items.</extracomment>
        <translation> %t=%1</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: the count of Deuces Wild&apos;s losing hands.</extracomment>
        <translation>Perdenti</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: four of a kind of fives up to kings.</extracomment>
        <translation>Poker 5-K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos, threes or fours.</extracomment>
        <translation>Poker 2-4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <extracomment>A column heading of the statistics grid (a narrow column).</extracomment>
        <translation>Poker d&apos;assi</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos, threes or fours with an ace, 2, 3 or 4 as fifth card. A short form is welcome.</extracomment>
        <translation>Poker 2-4 + A-4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four aces with a 2, 3 or 4 as fifth card. A short form is welcome.</extracomment>
        <translation>Poker A + 2-4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos up to tens.</extracomment>
        <translation>Poker 2-10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four jacks, queens or kings.</extracomment>
        <translation>Poker J-K</translation>
    </message>
    <message>
        <source>5 of a Kind</source>
        <extracomment>A column heading of the statistics grid (a narrow column): five of a kind.</extracomment>
        <translation>Pokerissimo</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush made with a wild card.</extracomment>
        <translation>Scala reale jolly</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>A column heading of the statistics grid (a narrow column): Deuces Wild&apos;s four 2s.</extracomment>
        <translation>Quattro due</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush without a wild card.</extracomment>
        <translation>Scala reale nat.</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Dealt %1</source>
        <translation>Distribuite: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A card and what happens to it, as a screen reader says it: &quot;Ace of Spades: Hold&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totale %1</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Winning hand</source>
        <translation>Mano vincente</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>held</source>
        <translation>tenuta</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuisci</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Draw Additional Cards</source>
        <translation>Cambia le carte</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Winning Percentage</source>
        <translation>Percentuale di vincite</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Suono sì</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Suono no</translation>
    </message>
    <message>
        <source>Lumaro for Windows 95</source>
        <translation>Lumaro for Windows 95</translation>
    </message>
    <message>
        <source>Set Total</source>
        <translation>Imposta totale</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Piechart</source>
        <translation>Grafico a torta</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Payouts Options</source>
        <translation>Vincite</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Consigliere di strategia</translation>
    </message>
    <message>
        <source>Lumaro for Windows 95 Version %1</source>
        <translation>Lumaro for Windows 95 versione %1</translation>
    </message>
    <message>
        <source>Window pages</source>
        <translation>Pagine della finestra</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Lumaro Strategy Advisor</source>
        <translation>Consigliere di strategia di Lumaro</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then replay.</source>
        <translation>Prima cambia la mano in gioco, poi rigioca.</translation>
    </message>
    <message>
        <source>The hand to replay is not five different cards</source>
        <translation>La mano da rigiocare non è di cinque carte diverse</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carta %1: %2</translation>
    </message>
    <message>
        <source>Hold or draw card %1 (key %1)</source>
        <translation>Tieni o cambia la carta %1 (tasto %1)</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>label</comment>
        <extracomment>The label beside the total&apos;s panel: room for about six letters.</extracomment>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Choose Game…</source>
        <translation>Scegli il gioco…</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>Shows the pay table beside the game also where the screen has no room to spare (the game is drawn smaller then).</extracomment>
        <translation>Tabella dei pagamenti</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then choose a game.</source>
        <translation>Pesca prima la mano in gioco, poi scegli un gioco.</translation>
    </message>
</context>
<context>
    <name>THandHistory</name>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>%1; its folder is read-only</source>
        <translation>%1; la sua cartella è di sola lettura</translation>
    </message>
    <message>
        <source>its schema version %1 is not one Lumaro writes</source>
        <translation>la sua versione di schema %1 non è una di quelle che Lumaro scrive</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing (package libqt6sql6-sqlite)</source>
        <translation>Manca il driver SQLite di Qt (pacchetto libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>The hand history %1 could not be opened (%2); hands are not recorded</source>
        <translation>Non è stato possibile aprire lo storico delle mani %1 (%2); le mani non vengono registrate</translation>
    </message>
    <message>
        <source>its tables are not a hand history&apos;s (%1)</source>
        <translation>le sue tabelle non sono quelle di uno storico delle mani (%1)</translation>
    </message>
    <message>
        <source>the folder %1 can&apos;t be created</source>
        <translation>non è possibile creare la cartella %1</translation>
    </message>
    <message>
        <source>it is not a hand history</source>
        <translation>non è uno storico delle mani</translation>
    </message>
    <message>
        <source>it failed SQLite&apos;s quick check: %1</source>
        <translation>non supera il controllo rapido di SQLite: %1</translation>
    </message>
    <message>
        <source>it can&apos;t be written (no WAL journal)</source>
        <translation>non può essere scritto (nessun journal WAL)</translation>
    </message>
    <message>
        <source>another program is writing it (%1)</source>
        <translation>un altro programma lo sta scrivendo (%1)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Lumaro (schema version %1)</source>
        <translation>è stato scritto da una versione più recente di Lumaro (versione di schema %1)</translation>
    </message>
    <message>
        <source>The hand history %1 was written by a newer version of Lumaro; it is left as it is and hands are not recorded</source>
        <translation>Lo storico delle mani %1 è stato scritto da una versione più recente di Lumaro; resta com&apos;è e le mani non vengono registrate</translation>
    </message>
    <message>
        <source>%1, and it could not be moved aside</source>
        <translation>%1, e non è stato possibile metterlo da parte</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2) and could not be moved aside; hands are not recorded</source>
        <translation>Lo storico delle mani %1 è danneggiato (%2) e non è stato possibile metterlo da parte; le mani non vengono registrate</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2); it was moved to %3 and a new history was started</source>
        <translation>Lo storico delle mani %1 è danneggiato (%2); è stato spostato in %3 ed è stato iniziato uno storico nuovo</translation>
    </message>
    <message>
        <source>its newest hands are in %1, which can&apos;t be read without %2 in a folder that can&apos;t be written</source>
        <translation>le sue mani più recenti sono in %1, che non si può leggere senza %2 in una cartella non scrivibile</translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation>un altro programma lo tiene bloccato (%1)</translation>
    </message>
    <message>
        <source>it is damaged (%1); the game moves it aside when it starts</source>
        <translation>è danneggiato (%1); il gioco lo mette da parte all&apos;avvio</translation>
    </message>
    <message>
        <source>it is in an older form (schema version %1): the game brings it up to date when it starts</source>
        <translation>è in una forma più vecchia (versione di schema %1): il gioco lo aggiorna all&apos;avvio</translation>
    </message>
    <message>
        <source>%1 could not be recorded in the hand history %2: another program kept it busy (%3); the hands recorded before are kept</source>
        <translation>Non è stato possibile registrare %1 nello storico delle mani %2: un altro programma lo teneva occupato (%3); le mani registrate prima restano</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 mano</translation>
    </message>
    <message>
        <source>A hand could not be recorded in the hand history %1 (%2); the hands recorded before are kept</source>
        <translation>Non è stato possibile registrare una mano nello storico delle mani %1 (%2); le mani registrate prima restano</translation>
    </message>
    <message>
        <source>The hand history %1 could not be read (%2)</source>
        <translation>Non è stato possibile leggere lo storico delle mani %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Hands are not recorded in the hand history %1 while another program keeps it busy (%2); %n hands wait for it</source>
        <translation>
            <numerusform>Le mani non vengono registrate nello storico delle mani %1 finché un altro programma lo tiene occupato (%2); %n mano è in attesa</numerusform>
            <numerusform>Le mani non vengono registrate nello storico delle mani %1 finché un altro programma lo tiene occupato (%2); %n mani sono in attesa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n mano</numerusform>
            <numerusform>%n mani</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Lumaro Help</source>
        <translation>Guida di Lumaro</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The help viewer&apos;s button that goes to the help&apos;s first page.</extracomment>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The help viewer&apos;s button that goes back to the page shown before.</extracomment>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The help file could not be opened.

Lumaro looks for QUORVEL.hlp beside the program and in its data folder (share/lumaro). The game itself is not affected.</source>
        <extracomment>Keep the file name QUORVEL.hlp and the folder share/lumaro as they are.</extracomment>
        <translation>Impossibile aprire il file della guida.

Lumaro cerca QUORVEL.hlp accanto al programma e nella sua cartella dei dati (share/lumaro). Il gioco in sé non ne risente.</translation>
    </message>
</context>
<context>
    <name>THistoryPage</name>
    <message>
        <source>unnamed</source>
        <translation>senza nome</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niente</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 mano</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 volta</translation>
    </message>
    <message>
        <source>Best play, last sessions</source>
        <translation>Gioco ottimale, ultime sessioni</translation>
    </message>
    <message>
        <source>No sessions yet</source>
        <translation>Ancora nessuna sessione</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sessioni</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mani</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Gioco ottimale</translation>
    </message>
    <message>
        <source>Cost/100</source>
        <translation>Costo/100</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Costliest situations</source>
        <translation>Situazioni più costose</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Tenuto</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Migliore</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Volte</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Mistakes, newest first</source>
        <translation>Errori, i più recenti per primi</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Distribuite</translation>
    </message>
    <message>
        <source>The hand history could not be opened: %1.</source>
        <translation>Non è stato possibile aprire lo storico delle mani: %1.</translation>
    </message>
    <message>
        <source>No hands recorded yet.</source>
        <translation>Ancora nessuna mano registrata.</translation>
    </message>
    <message>
        <source>Played: %1, best play %2, cost %3 per 100 hands. Practice: %4.</source>
        <extracomment>%1 and %4 the hands played for money and in practice (&quot;21 hands&quot;), %2 the share of best holds (&quot;93.2 %&quot;), %3 the coins lost to mistakes.</extracomment>
        <translation>Giocate: %1, gioco ottimale %2, costo %3 ogni 100 mani. Prova: %4.</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>prova</translation>
    </message>
    <message>
        <source>played</source>
        <translation>giocata</translation>
    </message>
    <message>
        <source>Practice session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <extracomment>A session as a screen reader says it: %1 when it started, %2 its hands (&quot;21 hands&quot;), %3 the share of best holds, %4 the coins lost to mistakes.</extracomment>
        <translation>Sessione di prova iniziata il %1: %2, gioco ottimale %3, costo %4 ogni 100 mani</translation>
    </message>
    <message>
        <source>Played session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <translation>Sessione giocata iniziata il %1: %2, gioco ottimale %3, costo %4 ogni 100 mani</translation>
    </message>
    <message>
        <source>%1 on average</source>
        <translation>%1 in media</translation>
    </message>
    <message>
        <source>Held %1 instead of %2: %3, cost %4</source>
        <extracomment>%1 and %2 the kinds of hold (&quot;low pair&quot;, &quot;four to a flush&quot;), %3 how often (&quot;3 times&quot;), %4 the coins it cost.</extracomment>
        <translation>Tenuto %1 invece di %2: %3, costo %4</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rigioca</translation>
    </message>
    <message>
        <source>Replay %1</source>
        <translation>Rigioca %1</translation>
    </message>
    <message>
        <source>%1, bet %2, practice: %3 instead of %4</source>
        <extracomment>%1 when the hand was played, %2 its bet, %3 and %4 the kinds of hold held and best.</extracomment>
        <translation>%1, puntata %2, prova: %3 invece di %4</translation>
    </message>
    <message>
        <source>%1, bet %2: %3 instead of %4</source>
        <translation>%1, puntata %2: %3 invece di %4</translation>
    </message>
    <message>
        <source>Cost %1: dealt %2, held %3, best %4</source>
        <translation>Costo %1: distribuite %2, tenute %3, migliore %4</translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n mano</numerusform>
            <numerusform>%n mani</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n volta</numerusform>
            <numerusform>%n volte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A row of the hand history as a screen reader says it (%1), with its game&apos;s name (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
</context>
<context>
    <name>THoldList</name>
    <message>
        <source>Hold</source>
        <translation>Tieni</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Monete</translation>
    </message>
    <message>
        <source>Per coin</source>
        <translation>Per moneta</translation>
    </message>
    <message>
        <source>Discard everything</source>
        <translation>Cambia tutto</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Tieni %1</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best, your hold</source>
        <translation>%1: %2 per moneta, migliore, la tua scelta</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3, your hold</source>
        <translation>%1: %2 per moneta, costa %3, la tua scelta</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best</source>
        <translation>%1: %2 per moneta, migliore</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3</source>
        <translation>%1: %2 per moneta, costa %3</translation>
    </message>
</context>
<context>
    <name>THoldPattern</name>
    <message>
        <source>two pair or better</source>
        <translation>doppia coppia o meglio</translation>
    </message>
    <message>
        <source>high pair</source>
        <translation>coppia alta</translation>
    </message>
    <message>
        <source>low pair</source>
        <translation>coppia bassa</translation>
    </message>
    <message>
        <source>four to a royal flush</source>
        <translation>quattro per scala reale</translation>
    </message>
    <message>
        <source>four to a straight flush</source>
        <translation>quattro per scala colore</translation>
    </message>
    <message>
        <source>four to a flush</source>
        <translation>quattro per colore</translation>
    </message>
    <message>
        <source>four to an outside straight</source>
        <translation>quattro per scala aperta</translation>
    </message>
    <message>
        <source>four to an inside straight</source>
        <translation>quattro per scala interna</translation>
    </message>
    <message>
        <source>three to a royal flush</source>
        <translation>tre per scala reale</translation>
    </message>
    <message>
        <source>three to a straight flush</source>
        <translation>tre per scala colore</translation>
    </message>
    <message>
        <source>three to a flush</source>
        <translation>tre per colore</translation>
    </message>
    <message>
        <source>three unsuited high cards</source>
        <translation>tre carte alte di semi diversi</translation>
    </message>
    <message>
        <source>three to a straight</source>
        <translation>tre per scala</translation>
    </message>
    <message>
        <source>two suited high cards</source>
        <translation>due carte alte dello stesso seme</translation>
    </message>
    <message>
        <source>ten with a suited high card</source>
        <translation>dieci con una carta alta dello stesso seme</translation>
    </message>
    <message>
        <source>two unsuited high cards</source>
        <translation>due carte alte di semi diversi</translation>
    </message>
    <message>
        <source>one high card</source>
        <translation>una carta alta</translation>
    </message>
    <message>
        <source>three of a kind and a kicker</source>
        <translation>tris e un kicker</translation>
    </message>
    <message>
        <source>three of a kind and two kickers</source>
        <translation>tris e due kicker</translation>
    </message>
    <message>
        <source>two pair and a kicker</source>
        <translation>doppia coppia e un kicker</translation>
    </message>
    <message>
        <source>high pair and a kicker</source>
        <translation>coppia alta e un kicker</translation>
    </message>
    <message>
        <source>high pair and two kickers</source>
        <translation>coppia alta e due kicker</translation>
    </message>
    <message>
        <source>high pair and three kickers</source>
        <translation>coppia alta e tre kicker</translation>
    </message>
    <message>
        <source>low pair and a kicker</source>
        <translation>coppia bassa e un kicker</translation>
    </message>
    <message>
        <source>low pair and two kickers</source>
        <translation>coppia bassa e due kicker</translation>
    </message>
    <message>
        <source>low pair and three kickers</source>
        <translation>coppia bassa e tre kicker</translation>
    </message>
    <message>
        <source>five cards, no pair</source>
        <translation>cinque carte senza coppia</translation>
    </message>
    <message>
        <source>four other cards</source>
        <translation>altre quattro carte</translation>
    </message>
    <message>
        <source>three other cards</source>
        <translation>altre tre carte</translation>
    </message>
    <message>
        <source>two other cards</source>
        <translation>altre due carte</translation>
    </message>
    <message>
        <source>one low card</source>
        <translation>una carta bassa</translation>
    </message>
    <message>
        <source>discard everything</source>
        <translation>cambia tutto</translation>
    </message>
    <message>
        <source>pair of %1</source>
        <extracomment>A pair named by its rank: %1 is &quot;aces&quot;, &quot;kings&quot; ... &quot;twos&quot;.</extracomment>
        <translation>coppia di %1</translation>
    </message>
    <message>
        <source>four to a royal flush (%1)</source>
        <extracomment>%1 names the cards held, &quot;A K Q J&quot;.</extracomment>
        <translation>quattro per scala reale (%1)</translation>
    </message>
    <message>
        <source>four to a straight flush, %1</source>
        <extracomment>%1 is how it draws (&quot;open&quot;, &quot;inside with 2 high cards&quot;).</extracomment>
        <translation>quattro per scala colore, %1</translation>
    </message>
    <message>
        <source>four to a flush %1</source>
        <extracomment>%1 is how many high cards it holds (&quot;with 2 high cards&quot;).</extracomment>
        <translation>quattro per colore %1</translation>
    </message>
    <message>
        <source>four to an outside straight %1</source>
        <translation>quattro per scala aperta %1</translation>
    </message>
    <message>
        <source>four to an inside straight %1</source>
        <translation>quattro per scala interna %1</translation>
    </message>
    <message>
        <source>three to a royal flush (%1)</source>
        <translation>tre per scala reale (%1)</translation>
    </message>
    <message>
        <source>three to a straight flush, %1</source>
        <translation>tre per scala colore, %1</translation>
    </message>
    <message>
        <source>three to a flush %1</source>
        <translation>tre per colore %1</translation>
    </message>
    <message>
        <source>%1 unsuited</source>
        <extracomment>%1 names the cards held, &quot;K Q J&quot;.</extracomment>
        <translation>%1 di semi diversi</translation>
    </message>
    <message>
        <source>three to a straight %1</source>
        <translation>tre per scala %1</translation>
    </message>
    <message>
        <source>%1 suited</source>
        <translation>%1 dello stesso seme</translation>
    </message>
    <message>
        <source>%1 only</source>
        <extracomment>%1 names the card held, &quot;K&quot;.</extracomment>
        <translation>solo %1</translation>
    </message>
    <message>
        <source>royal flush</source>
        <translation>scala reale</translation>
    </message>
    <message>
        <source>straight flush</source>
        <translation>scala colore</translation>
    </message>
    <message>
        <source>four of a kind</source>
        <translation>poker</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>colore</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>scala</translation>
    </message>
    <message>
        <source>three of a kind</source>
        <translation>tris</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>doppia coppia</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>assi</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>re</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>donne</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>fanti</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>due</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>A straight draw whose two ends are open.</extracomment>
        <translation>aperta</translation>
    </message>
    <message>
        <source>inside</source>
        <extracomment>A straight draw missing one card inside.</extracomment>
        <translation>interna</translation>
    </message>
    <message>
        <source>double inside</source>
        <extracomment>A straight draw missing two cards inside.</extracomment>
        <translation>doppia interna</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no high card</source>
        <translation>nessuna carta alta</translation>
    </message>
    <message>
        <source>1 high card</source>
        <translation>1 carta alta</translation>
    </message>
    <message>
        <source>%1-%2 high cards</source>
        <extracomment>A run of counts, &quot;0-2 high cards&quot;.</extracomment>
        <translation>%1-%2 carte alte</translation>
    </message>
    <message>
        <source>%1 high cards</source>
        <extracomment>%1 lists the counts, &quot;1, 2 or 4&quot;.</extracomment>
        <translation>%1 carte alte</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>con %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 con %2</translation>
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
            <numerusform>%n carte alte</numerusform>
        </translation>
    </message>
    <message>
        <source>no deuce</source>
        <extracomment>Deuces Wild: how many deuces (the wild cards) a hold keeps; a chart line begins with it.</extracomment>
        <translation>nessun due</translation>
    </message>
    <message>
        <source>one deuce</source>
        <translation>un due</translation>
    </message>
    <message>
        <source>two deuces</source>
        <translation>due due</translation>
    </message>
    <message>
        <source>three deuces</source>
        <translation>tre due</translation>
    </message>
    <message>
        <source>four deuces</source>
        <translation>quattro due</translation>
    </message>
    <message>
        <source>joker</source>
        <extracomment>Joker Poker: a hold with the joker (the wild card); a chart line begins with it.</extracomment>
        <translation>jolly</translation>
    </message>
    <message>
        <source>no joker</source>
        <translation>senza jolly</translation>
    </message>
    <message>
        <source>a paying hand or a pair</source>
        <extracomment>The family of holds that already pay or hold a pair, after the wild cards held.</extracomment>
        <translation>una mano pagata o una coppia</translation>
    </message>
    <message>
        <source>natural royal flush</source>
        <translation>scala reale naturale</translation>
    </message>
    <message>
        <source>wild royal flush</source>
        <translation>scala reale con jolly</translation>
    </message>
    <message>
        <source>five of a kind</source>
        <translation>pokerissimo</translation>
    </message>
    <message>
        <source>pair of kings or aces</source>
        <extracomment>Joker Poker&apos;s paying pair, Kings or Better.</extracomment>
        <translation>coppia di re o assi</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>coppia</translation>
    </message>
    <message>
        <source>four to a straight</source>
        <translation>quattro per scala</translation>
    </message>
    <message>
        <source>four to a straight, %1</source>
        <extracomment>%1 is how it draws: &quot;open&quot;, &quot;inside&quot;.</extracomment>
        <translation>quattro per scala, %1</translation>
    </message>
    <message>
        <source>two to a royal flush</source>
        <translation>due per scala reale</translation>
    </message>
    <message>
        <source>two to a royal flush (%1)</source>
        <extracomment>%1 names the two cards held, &quot;A K&quot;.</extracomment>
        <translation>due per scala reale (%1)</translation>
    </message>
    <message>
        <source>high cards</source>
        <translation>carte alte</translation>
    </message>
    <message>
        <source>other cards</source>
        <translation>altre carte</translation>
    </message>
    <message>
        <source>consecutive</source>
        <extracomment>A straight flush draw with wild cards, by the gaps between its natural cards.</extracomment>
        <translation>consecutive</translation>
    </message>
    <message>
        <source>consecutive at an end</source>
        <extracomment>A straight flush draw whose straight can&apos;t reach past the ace.</extracomment>
        <translation>consecutive a un estremo</translation>
    </message>
    <message>
        <source>one gap</source>
        <translation>un buco</translation>
    </message>
    <message>
        <source>one gap at an end</source>
        <translation>un buco a un estremo</translation>
    </message>
    <message>
        <source>two gaps</source>
        <translation>due buchi</translation>
    </message>
    <message>
        <source>two gaps at an end</source>
        <translation>due buchi a un estremo</translation>
    </message>
    <message>
        <source>three gaps</source>
        <translation>tre buchi</translation>
    </message>
    <message>
        <source>three gaps at an end</source>
        <translation>tre buchi a un estremo</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>%1 the rank of the three cards: &quot;aces&quot;, &quot;7s&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>tre %1</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A rank in plural by its letter: &quot;7s&quot;, &quot;Ks&quot;.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1s-%2s</source>
        <extracomment>A run of ranks by their letters: &quot;2s-4s&quot;, &quot;5s-Ks&quot;.</extracomment>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>%1 with a %2 kicker</source>
        <extracomment>%1 three of a kind (&quot;three aces&quot;), %2 the kicker&apos;s ranks (&quot;2, 3 or 4&quot;).</extracomment>
        <translation>%1 con kicker %2</translation>
    </message>
    <message>
        <source>%1 with an %2 kicker</source>
        <extracomment>As &quot;%1 with a %2 kicker&quot;, where English writes &quot;an&quot; (&quot;an A, 2, 3 or 4 kicker&quot;).</extracomment>
        <translation>%1 con kicker %2</translation>
    </message>
    <message>
        <source>three of a kind with another kicker</source>
        <translation>tris con un altro kicker</translation>
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
        <translation>asso basso</translation>
    </message>
    <message>
        <source>no ace</source>
        <extracomment>Three to a royal flush without its ace, and with it.</extracomment>
        <translation>senza asso</translation>
    </message>
    <message>
        <source>with an ace</source>
        <translation>con un asso</translation>
    </message>
    <message>
        <source>three to a royal flush, %1</source>
        <extracomment>%1 is &quot;no ace&quot; or &quot;with an ace&quot;.</extracomment>
        <translation>tre per scala reale, %1</translation>
    </message>
    <message>
        <source>a paying hand</source>
        <extracomment>Joker Poker: the families of holds that already pay, and of those that hold a pair.</extracomment>
        <translation>una mano pagata</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>una coppia</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>%1 the rank of the four cards: &quot;aces&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>quattro %1</translation>
    </message>
    <message>
        <source>four of a kind with another kicker</source>
        <extracomment>Four of a kind held with a kicker that doesn&apos;t raise its pay.</extracomment>
        <translation>poker con un altro kicker</translation>
    </message>
    <message>
        <source>three to a straight, %1</source>
        <extracomment>%1 is how it draws (&quot;open with 2 high cards&quot;, &quot;inside with 1 high card&quot;).</extracomment>
        <translation>tre per scala, %1</translation>
    </message>
    <message>
        <source>two pair with aces</source>
        <extracomment>Where two pair pays no more than a pair, two pair with a pair of aces is told apart.</extracomment>
        <translation>doppia coppia con assi</translation>
    </message>
    <message>
        <source>two pair without aces</source>
        <translation>doppia coppia senza assi</translation>
    </message>
    <message>
        <source>%1, not %2</source>
        <extracomment>A family but the kinds left out: &quot;four to a straight flush, not consecutive&quot;.</extracomment>
        <translation>%1, tranne %2</translation>
    </message>
    <message>
        <source>four to a straight flush (%1)</source>
        <extracomment>Deuces Wild: one kind of straight flush draw in a list of hands (&quot;consecutive&quot;), bracketed as the list has commas of its own.</extracomment>
        <translation>quattro per scala colore (%1)</translation>
    </message>
    <message>
        <source>a paying hand or four to a straight flush</source>
        <extracomment>Joker Poker, with the joker: the family of holds that already pay or draw to a straight flush (a royal flush among them).</extracomment>
        <translation>una mano pagata o quattro per scala colore</translation>
    </message>
    <message>
        <source>a paying hand, four to a straight flush or a pair</source>
        <extracomment>Joker Poker, without the joker: the same family and the holds of a pair.</extracomment>
        <translation>una mano pagata, quattro per scala colore o una coppia</translation>
    </message>
    <message>
        <source>pair of aces or better</source>
        <extracomment>Bonus games where two pair pays as a pair: the made hands down to a pair of aces.</extracomment>
        <translation>coppia di assi o meglio</translation>
    </message>
    <message>
        <source>unsuited high cards</source>
        <extracomment>Bonus games: two or three high cards of different suits (&quot;K Q J&quot;, &quot;Q J&quot;).</extracomment>
        <translation>carte alte di semi diversi</translation>
    </message>
    <message>
        <source>three to a flush with high cards</source>
        <extracomment>Bonus games: the draws left once those without a high card are a family of their own.</extracomment>
        <translation>tre per colore con carte alte</translation>
    </message>
    <message>
        <source>four to an inside straight with high cards</source>
        <translation>quattro per scala interna con carte alte</translation>
    </message>
    <message>
        <source>draws with no high card</source>
        <extracomment>Bonus games: three to a flush and four to an inside straight holding no high card.</extracomment>
        <translation>progetti senza carta alta</translation>
    </message>
    <message>
        <source>%1 with no high card</source>
        <extracomment>%1 is the draw: &quot;three to a flush&quot;, &quot;four to an inside straight&quot;.</extracomment>
        <translation>%1 senza carta alta</translation>
    </message>
    <message>
        <source>%1, no flush penalty</source>
        <extracomment>Penalty cards: %1 a hold (&quot;Q J suited&quot;) when none of the cards thrown away is of its suit, so that none of the flush cards left to draw is gone.</extracomment>
        <translation>%1, senza penalità di colore</translation>
    </message>
    <message>
        <source>%1 with a flush penalty</source>
        <extracomment>%1 a hold (&quot;Q J suited&quot;) when a card thrown away is of its suit.</extracomment>
        <translation>%1 con penalità di colore</translation>
    </message>
    <message>
        <source>%1, no straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when no card thrown away would fill a straight with it.</extracomment>
        <translation>%1, senza penalità di scala</translation>
    </message>
    <message>
        <source>%1 with a straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when a card thrown away would fill a straight with it.</extracomment>
        <translation>%1 con penalità di scala</translation>
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
        <translation>Codice di errore sconosciuto</translation>
    </message>
    <message>
        <source>No sound file to play</source>
        <translation>Nessun file audio da riprodurre</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>a %1 manca %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t play %1: %2</source>
        <translation>Impossibile riprodurre %1: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>è più grande di %1 MB</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>non è un file WAV</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not supported</source>
        <translation>la sua frequenza di campionamento di %1 Hz non è supportata</translation>
    </message>
    <message>
        <source>its header claims far more sound than the file holds</source>
        <translation>la sua intestazione dichiara molto più audio di quanto il file ne contenga</translation>
    </message>
    <message>
        <source>it is too long to hold in memory once converted</source>
        <translation>è troppo lungo per stare in memoria una volta convertito</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the win sound: %1 is missing from %2, and there is no %3 in %4</source>
        <translation>Impossibile riprodurre il suono di vincita: %1 manca da %2 e non c&apos;è %3 in %4</translation>
    </message>
</context>
<context>
    <name>TPayTablePanel</name>
    <message>
        <source>Pay table</source>
        <extracomment>The name screen readers give the pay table shown beside the game.</extracomment>
        <translation>Tabella dei pagamenti</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <extracomment>How a screen reader reads a line of the pay table: %1 the hand, %2 what it pays for 1.</extracomment>
        <translation>%1 paga %2</translation>
    </message>
    <message>
        <source>the last hand</source>
        <extracomment>What a screen reader adds to the pay table&apos;s line of the hand just settled.</extracomment>
        <translation>l’ultima mano</translation>
    </message>
</context>
<context>
    <name>TPayoutsDialog</name>
    <message>
        <source>Jacks or Better Multiplier Default is 0</source>
        <extracomment>The caption beside the multiplier of pay line 1, a pair of jacks or better. It must fit the room of the English at 8 points: keep it as short.</extracomment>
        <translation>Jack o meglio, predefinito 0</translation>
    </message>
    <message>
        <source>Two Pair Multiplier Default = 1</source>
        <translation>Doppia coppia, predefinito 1</translation>
    </message>
    <message>
        <source>Three of a Kind Default = 2</source>
        <translation>Tris, predefinito 2</translation>
    </message>
    <message>
        <source>Straight Multiplier Default = 3</source>
        <translation>Scala, predefinito 3</translation>
    </message>
    <message>
        <source>Flush Multiplier Default = 4</source>
        <translation>Colore, predefinito 4</translation>
    </message>
    <message>
        <source>Full House Multiplier Default = 7 </source>
        <extracomment>The blank at the end is the design&apos;s.</extracomment>
        <translation>Full, predefinito 7 </translation>
    </message>
    <message>
        <source>Four of a Kind Multiplier Default = 11</source>
        <translation>Poker, predefinito 11</translation>
    </message>
    <message>
        <source>Straight Flush Multiplier Default = 49</source>
        <translation>Scala colore, predefinito 49</translation>
    </message>
    <message>
        <source>Royal Flush Multiplier Default = 99</source>
        <translation>Scala reale, predefinito 99</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <extracomment>The hand a pay line pays, as a screen reader names its multiplier field.</extracomment>
        <translation>Jack o meglio</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doppia coppia</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Scala reale</translation>
    </message>
    <message>
        <source>Set Winning Payouts and Sounds</source>
        <translation>Vincite e suoni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Sound%1</source>
        <extracomment>The button that chooses the sound of pay line %1 (1 to 9).</extracomment>
        <translation>Suono %1</translation>
    </message>
    <message>
        <source>Your winning bets are multiplied by the values you select.  Sound Buttons let you choose a .WAV sound file.  Cancel and OK buttons will not effect sounds.</source>
        <extracomment>Word-wrapped in a narrow box at the dialog&apos;s right; the English has two blanks after each full stop. &quot;effect&quot; is the design&apos;s word.</extracomment>
        <translation>Le vincite sono moltiplicate per i valori scelti.  I pulsanti Suono scelgono un file .WAV.  Annulla e OK non cambiano i suoni.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <extracomment>What a screen reader says of a sound button; %1 is the hand (Flush).</extracomment>
        <translation>Suono per %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Payout values have been updated</source>
        <translation>I valori delle vincite sono stati aggiornati</translation>
    </message>
    <message>
        <source>Cancelled. No changes were made to the payoff values</source>
        <translation>Annullato. I valori delle vincite non sono cambiati</translation>
    </message>
    <message>
        <source>Windows WAV files (*.WAV)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in brackets, (*.WAV), as it is.</extracomment>
        <translation>File WAV di Windows (*.WAV)</translation>
    </message>
    <message>
        <source>%1 Multiplier Default = %2</source>
        <extracomment>The caption beside the multiplier of a pay line of a game other than Jacks or Better: %1 is the line&apos;s name, %2 its multiplier in the game&apos;s default table.</extracomment>
        <translation>%1 Moltiplicatore predef. = %2</translation>
    </message>
</context>
<context>
    <name>TSessionChart</name>
    <message>
        <source>Total after each hand</source>
        <translation>Totale dopo ogni mano</translation>
    </message>
    <message>
        <source>No hands yet</source>
        <translation>Ancora nessuna mano</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>a list</source>
        <translation>un elenco</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>processo %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is not a lock this program can read, and it stayed for %1</source>
        <translation>non è un blocco che questo programma sa leggere, ed è rimasto per %1</translation>
    </message>
    <message>
        <source>a program that has ended left it, and it can&apos;t be removed</source>
        <translation>l&apos;ha lasciato un programma terminato, e non si può rimuovere</translation>
    </message>
    <message>
        <source>another Lumaro</source>
        <translation>un altro Lumaro</translation>
    </message>
    <message>
        <source>another program (%1)</source>
        <translation>un altro programma (%1)</translation>
    </message>
    <message>
        <source>%1%2 is saving (lock held for %3)</source>
        <translation>%1%2 sta salvando (blocco tenuto per %3)</translation>
    </message>
    <message>
        <source>no lock file can be created in it</source>
        <translation>non vi si può creare alcun file di blocco</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the lock file can&apos;t be written</source>
        <translation>il file di blocco non può essere scritto</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Impossibile creare la chiave %1</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo di dati non valido per &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossibile impostare i dati di &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for %1</source>
        <translation>Impossibile impostare i dati di %1</translation>
    </message>
    <message>
        <source>Failed to get data for %1</source>
        <translation>Impossibile leggere i dati di %1</translation>
    </message>
    <message>
        <source>you have no permission to read it</source>
        <translation>non hai il permesso di leggerlo</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>la cartella è di sola lettura</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>la tua quota disco è esaurita</translation>
    </message>
    <message>
        <source>the file would be larger than the system allows</source>
        <translation>il file supererebbe la dimensione consentita dal sistema</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>il disco ha segnalato un errore di input/output</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>il suo nome è troppo lungo</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>i suoi collegamenti girano in tondo</translation>
    </message>
    <message>
        <source>a folder on its path is a file</source>
        <translation>una cartella del suo percorso è un file</translation>
    </message>
    <message>
        <source>no file can be created in it</source>
        <translation>non vi si può creare alcun file</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is a file, not a folder</source>
        <translation>è un file, non una cartella</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>Il controllo &apos;%1&apos; non ha una finestra padre</translation>
    </message>
</context>
</TS>
