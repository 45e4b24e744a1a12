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
        <translation>Jack o meglio con i tuoi moltiplicatori: %1% di ritorno con il gioco migliore</translation>
    </message>
    <message numerus="yes">
        <source>A bankroll of %n bets of %1 coins (%2 coins), best play throughout:</source>
        <extracomment>%n the bankroll in bets, %1 the bet, %2 the bankroll in coins</extracomment>
        <translation>
            <numerusform>Un bankroll di %n puntata da %1 monete (%2 monete), sempre con il gioco migliore:</numerusform>
            <numerusform>Un bankroll di %n puntate da %1 monete (%2 monete), sempre con il gioco migliore:</numerusform>
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
</context>
</TS>
