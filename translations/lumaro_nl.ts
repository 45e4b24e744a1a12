<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CardSpokenName</name>
    <message>
        <source>Ace</source>
        <extracomment>A card&apos;s rank, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>aas</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>King</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>Spades</source>
        <extracomment>A card&apos;s suit, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>Schoppen</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Harten</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Klaveren</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Ruiten</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card as a screen reader names it: %1 is its rank (Ace, 10, Queen), %2 its suit.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <extracomment>The back of a card, one of nine designs (%1 is 1 to 9).</extracomment>
        <translation>Kaartrug %1</translation>
    </message>
    <message>
        <source>Lumaro title card</source>
        <extracomment>The card shown before the first deal, with the game&apos;s title.</extracomment>
        <translation>Lumaro-titelkaart</translation>
    </message>
</context>
<context>
    <name>ShowErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>TAdvicePage</name>
    <message>
        <source>Holds, best first</source>
        <translation>Keuzes, beste eerst</translation>
    </message>
    <message>
        <source>Hold best</source>
        <translation>Beste houden</translation>
    </message>
    <message>
        <source>Marks the best hold (key B)</source>
        <translation>Markeert de beste keuze (toets B)</translation>
    </message>
    <message>
        <source>Show all 32</source>
        <translation>Alle 32 tonen</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>Holds are shown after the draw; no money moves</source>
        <translation>De keuzes verschijnen na het ruilen; er gaat geen geld om</translation>
    </message>
    <message>
        <source>Warn before Draw</source>
        <translation>Waarschuwen voor het ruilen</translation>
    </message>
    <message>
        <source>In practice, asks before a draw with a hold that is not a best one</source>
        <translation>Vraagt bij het oefenen om bevestiging voor het ruilen als de keuze niet de beste is</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessie</translation>
    </message>
</context>
<context>
    <name>TAdvisor</name>
    <message>
        <source>nothing</source>
        <extracomment>What the player holds when no card is held: &quot;Your hold: nothing&quot;.</extracomment>
        <translation>niets</translation>
    </message>
    <message>
        <source>Return with best play: computing...</source>
        <translation>Percentage bij het beste spel: wordt berekend...</translation>
    </message>
    <message>
        <source>Return with best play: %1 %</source>
        <extracomment>%1 is a percentage with two decimals, &quot;92.70&quot;.</extracomment>
        <translation>Percentage bij het beste spel: %1 %</translation>
    </message>
    <message>
        <source>Return with best play: not available (%1)</source>
        <extracomment>%1 is why the return could not be counted.</extracomment>
        <translation>Percentage bij het beste spel: niet beschikbaar (%1)</translation>
    </message>
    <message>
        <source>Your hold: %1, a best hold</source>
        <translation>Jouw keuze: %1, een van de beste</translation>
    </message>
    <message>
        <source>Your hold: %1, rank %2 of %3, gives up %4 coins</source>
        <extracomment>%1 the held cards, %2 the hold&apos;s rank among the %3 holds, %4 the coins it gives up.</extracomment>
        <translation>Jouw keuze: %1, plaats %2 van %3, kost %4 munten</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Beste spel</translation>
    </message>
    <message>
        <source>You held %1 (expected %2), best was %3 (expected %4): this choice cost %5 coins on average</source>
        <extracomment>After the draw. %1 the cards held and %2 what they were expected to pay, in coins; %3 and %4 the same for the best hold; %5 the coins the choice cost.</extracomment>
        <translation>Je hield %1 (verwacht %2), het beste was %3 (verwacht %4): deze keuze kostte gemiddeld %5 munten</translation>
    </message>
    <message>
        <source>Dealt %1, bet %2:</source>
        <extracomment>Over the list of holds after the draw: %1 the five cards dealt, %2 the bet.</extracomment>
        <translation>Gedeeld %1, inzet %2:</translation>
    </message>
    <message>
        <source>Holding %1 gives up %2 coins on average. The best hold is %3 (expected %4 against %5).</source>
        <extracomment>Asked before a draw in practice. %1 the cards held, %2 the coins that gives up, %3 the best hold, %4 what it is expected to pay, %5 what the player&apos;s hold is expected to pay.</extracomment>
        <translation>Deze keuze (%1) kost gemiddeld %2 munten. De beste keuze is %3 (verwacht %4 tegen %5).</translation>
    </message>
    <message>
        <source>Hands: %1</source>
        <translation>Handen: %1</translation>
    </message>
    <message>
        <source>Best holds: %1 of %2 (%3 %)</source>
        <extracomment>%1 of %2 holds were best ones, %3 per cent of them.</extracomment>
        <translation>Beste keuzes: %1 van %2 (%3 %)</translation>
    </message>
    <message>
        <source>Cost of mistakes: %1 coins</source>
        <translation>Kosten van fouten: %1 munten</translation>
    </message>
    <message>
        <source>Return: no hands yet</source>
        <translation>Percentage: nog geen handen</translation>
    </message>
    <message>
        <source>Return: yours %1 %, best %2 %</source>
        <extracomment>The return of the player&apos;s holds and of the best ones, percentages with two decimals.</extracomment>
        <translation>Percentage: jouw %1 %, beste %2 %</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Strategieadviseur</translation>
    </message>
    <message>
        <source>Advisor pages</source>
        <translation>Pagina&apos;s van de adviseur</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Advies</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>&amp;Draw anyway</source>
        <translation>Toch &amp;ruilen</translation>
    </message>
    <message>
        <source>&amp;Change hold</source>
        <translation>Keuze &amp;wijzigen</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>onbekende fout</translation>
    </message>
    <message>
        <source>computing...</source>
        <translation>wordt berekend...</translation>
    </message>
    <message>
        <source>Deal a hand to see its best holds.</source>
        <translation>Deel een hand om de beste keuzes te zien.</translation>
    </message>
    <message>
        <source>Holds, best first:</source>
        <translation>Keuzes, beste eerst:</translation>
    </message>
    <message>
        <source>Practice: the best holds are shown after the draw.</source>
        <translation>Oefenen: de beste keuzes verschijnen na het ruilen.</translation>
    </message>
    <message>
        <source>Your hold: %1</source>
        <translation>Jouw keuze: %1</translation>
    </message>
    <message>
        <source>Holds for a bet of %1, best first:</source>
        <translation>Keuzes bij een inzet van %1, beste eerst:</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Deel een hand om te zien welke regel past.</translation>
    </message>
    <message>
        <source>Practice: the line is shown after the draw.</source>
        <translation>Oefenen: de regel verschijnt na het ruilen.</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>The advisor&apos;s page with the pay table of the game in force.</extracomment>
        <translation>Uitbetalingstabel</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bankroll is a whole number of bets, at least 1.</source>
        <translation>De bankroll is een geheel aantal inzetten, minstens 1.</translation>
    </message>
    <message>
        <source>The bankroll is at most %1 bets.</source>
        <translation>De bankroll is hoogstens %1 inzetten.</translation>
    </message>
    <message>
        <source>The bet is a whole number of coins from %1 to %2.</source>
        <translation>De inzet is een geheel aantal munten van %1 tot %2.</translation>
    </message>
    <message>
        <source>The hands are a whole number, at least 1.</source>
        <translation>Het aantal handen is een geheel getal, minstens 1.</translation>
    </message>
    <message>
        <source>At most %1 hands are counted.</source>
        <translation>Er worden hoogstens %1 handen geteld.</translation>
    </message>
    <message>
        <source>no chance</source>
        <translation>geen kans</translation>
    </message>
    <message>
        <source>certain</source>
        <translation>zeker</translation>
    </message>
    <message>
        <source>1 chance in %1</source>
        <translation>1 kans op %1</translation>
    </message>
    <message>
        <source>%1 chances in %2</source>
        <translation>%1 kansen op %2</translation>
    </message>
    <message>
        <source>almost certain</source>
        <translation>vrijwel zeker</translation>
    </message>
    <message>
        <source>Waiting for the game&apos;s odds...</source>
        <translation>Wachten op de kansen van het spel...</translation>
    </message>
    <message>
        <source>Bets:</source>
        <translation>Inzetten:</translation>
    </message>
    <message>
        <source>Bankroll in bets</source>
        <translation>Bankroll in inzetten</translation>
    </message>
    <message>
        <source>Bet in coins</source>
        <translation>Inzet in munten</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Handen</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Bankroll:</translation>
    </message>
    <message>
        <source>Bet:</source>
        <translation>Inzet:</translation>
    </message>
    <message>
        <source>Hands:</source>
        <translation>Handen:</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>munten</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Berekenen</translation>
    </message>
    <message>
        <source>Use my total, %1 coins</source>
        <translation>Mijn totaal, %1 munten</translation>
    </message>
    <message>
        <source>Your total of %1 coins is less than one bet.</source>
        <translation>Je totaal van %1 munten is minder dan één inzet.</translation>
    </message>
    <message>
        <source>= %1 coins</source>
        <translation>= %1 munten</translation>
    </message>
    <message>
        <source>The figures wait for the fields marked above.</source>
        <translation>De cijfers wachten op de hierboven gemarkeerde velden.</translation>
    </message>
    <message>
        <source>The figures could not be counted (%1).</source>
        <translation>De cijfers konden niet worden berekend (%1).</translation>
    </message>
    <message>
        <source>Counting the figures...</source>
        <translation>De cijfers worden berekend...</translation>
    </message>
    <message>
        <source>Counting the game&apos;s odds...</source>
        <translation>De kansen van het spel worden berekend...</translation>
    </message>
    <message>
        <source>%1 bets (%2 coins)</source>
        <extracomment>%1 a number of bets, %2 the same in coins, both signed: &quot;-12.5 bets (-62 coins)&quot;</extracomment>
        <translation>%1 inzetten (%2 munten)</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers</source>
        <translation>Boeren of hoger met je vermenigvuldigers</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers: %1% return under best play</source>
        <extracomment>%1 the return in per cent with two decimals: &quot;99.54&quot;</extracomment>
        <translation>Boeren of hoger met je vermenigvuldigers: %1% uitbetalingspercentage bij het beste spel</translation>
    </message>
    <message numerus="yes">
        <source>A bankroll of %n bets of %1 coins (%2 coins), best play throughout:</source>
        <extracomment>%n the bankroll in bets, %1 the bet, %2 the bankroll in coins</extracomment>
        <translation>
            <numerusform>Een bankroll van %n inzet van %1 munten (%2 munten), steeds het beste spel:</numerusform>
            <numerusform>Een bankroll van %n inzetten van %1 munten (%2 munten), steeds het beste spel:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Losing the whole bankroll within %n hands: %1 (%2)</source>
        <extracomment>%1 a chance in words (&quot;1 chance in 12&quot;), %2 the same in per cent</extracomment>
        <translation>
            <numerusform>De hele bankroll verliezen binnen %n hand: %1 (%2)</numerusform>
            <numerusform>De hele bankroll verliezen binnen %n handen: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ahead after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>In de plus na %n hand: %1 (%2)</numerusform>
            <numerusform>In de plus na %n handen: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Even after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>Quitte na %n hand: %1 (%2)</numerusform>
            <numerusform>Quitte na %n handen: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Behind after %n hands, ruin included: %1 (%2)</source>
        <translation>
            <numerusform>In de min na %n hand, ruïne inbegrepen: %1 (%2)</numerusform>
            <numerusform>In de min na %n handen, ruïne inbegrepen: %1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Expected result: %1</source>
        <translation>Verwacht resultaat: %1</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>boven %1</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or lower (5th percentile)</source>
        <translation>1 sessie op 20 eindigt op %1 of lager (5e percentiel)</translation>
    </message>
    <message>
        <source>Half the sessions end at %1 or lower (median)</source>
        <translation>De helft van de sessies eindigt op %1 of lager (mediaan)</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or higher (95th percentile)</source>
        <translation>1 sessie op 20 eindigt op %1 of hoger (95e percentiel)</translation>
    </message>
    <message>
        <source>Standard deviation of the result: %1 bets (%2 coins)</source>
        <translation>Standaardafwijking van het resultaat: %1 inzetten (%2 munten)</translation>
    </message>
    <message>
        <source>Chance of ruin against hands played</source>
        <translation>Kans op ruïne per gespeelde handen</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Gespeelde handen</translation>
    </message>
    <message>
        <source>Chance of each result</source>
        <translation>Kans op elk resultaat</translation>
    </message>
    <message>
        <source>Result in bets</source>
        <translation>Resultaat in inzetten</translation>
    </message>
    <message numerus="yes">
        <source>After %n hands: %1 chance of ruin</source>
        <translation>
            <numerusform>Na %n hand: %1 kans op ruïne</numerusform>
            <numerusform>Na %n handen: %1 kans op ruïne</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bets or less: %2</source>
        <translation>%1 inzetten of minder: %2</translation>
    </message>
    <message>
        <source>%1 bets or more: %2</source>
        <translation>%1 inzetten of meer: %2</translation>
    </message>
    <message>
        <source>%1 bets: %2</source>
        <translation>%1 inzetten: %2</translation>
    </message>
    <message>
        <source>%1 to %2 bets: %3</source>
        <translation>%1 tot %2 inzetten: %3</translation>
    </message>
    <message>
        <source>Ruined, the whole bankroll lost: %1</source>
        <translation>Geruïneerd, de hele bankroll kwijt: %1</translation>
    </message>
    <message numerus="yes">
        <source>Chance of each result after %n hands</source>
        <translation>
            <numerusform>Kans op elk resultaat na %n hand</numerusform>
            <numerusform>Kans op elk resultaat na %n handen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 with your multipliers</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;</extracomment>
        <translation>%1 met je vermenigvuldigers</translation>
    </message>
    <message>
        <source>%1 with your multipliers: %2% return under best play</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;; %2 the return in per cent with two decimals: &quot;100.76&quot;</extracomment>
        <translation>%1 met je vermenigvuldigers: %2% uitbetalingspercentage bij het beste spel</translation>
    </message>
    <message>
        <source>almost no chance</source>
        <translation>vrijwel geen kans</translation>
    </message>
</context>
<context>
    <name>TChartList</name>
    <message>
        <source>Chart lines</source>
        <translation>Regels van de tabel</translation>
    </message>
    <message>
        <source>Marked: line %1, %2</source>
        <translation>Gemarkeerd: regel %1, %2</translation>
    </message>
    <message>
        <source>nothing held</source>
        <translation>niets gehouden</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>%1 gehouden</translation>
    </message>
    <message>
        <source>%1, %2 drawn</source>
        <extracomment>%1 the cards held (&quot;Ace of Spades, King of Spades held&quot;), %2 those drawn.</extracomment>
        <translation>%1, %2 geruild</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals. The dealt hand&apos;s line</source>
        <extracomment>A line of the strategy chart as a screen reader says it: %1 its number, %2 the hold it names, %3 an example deal, %4 the share of all deals it decides (&quot;12.345 %&quot;).</extracomment>
        <translation>Regel %1: %2. Voorbeeld: %3. Geldt voor %4 van de handen. De regel van de gedeelde hand</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals</source>
        <translation>Regel %1: %2. Voorbeeld: %3. Geldt voor %4 van de handen</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>building...</source>
        <translation>wordt opgebouwd...</translation>
    </message>
    <message>
        <source>Pay table, Jacks or Better to Royal Flush: %1</source>
        <extracomment>%1 the nine multipliers of the pay table, &quot;0,1,2,3,4,6,9,25,50,800&quot;.</extracomment>
        <translation>Uitbetalingstabel, van Boeren of hoger tot Royal flush: %1</translation>
    </message>
    <message>
        <source>Lumaro strategy chart</source>
        <translation>Lumaro-strategietabel</translation>
    </message>
    <message>
        <source>1 line</source>
        <extracomment>How many lines the chart has.</extracomment>
        <translation>1 regel</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n regel</numerusform>
            <numerusform>%n regels</numerusform>
        </translation>
    </message>
    <message>
        <source>Return holding by the chart: %1% (%2)</source>
        <extracomment>%1 a percentage with four decimals, %2 how many lines the chart has (&quot;24 lines&quot;).</extracomment>
        <translation>Percentage volgens de tabel: %1% (%2)</translation>
    </message>
    <message>
        <source>Return under optimal play: %1%</source>
        <translation>Percentage bij het beste spel: %1%</translation>
    </message>
    <message>
        <source>The chart gives up %1 points of return.</source>
        <extracomment>%1 the points of return the chart gives up, &quot;0.0010&quot;.</extracomment>
        <translation>De tabel kost %1 procentpunt.</translation>
    </message>
    <message>
        <source>A line naming a whole family takes the first that fits, in this order:</source>
        <translation>Een regel die een hele groep noemt, neemt de eerste die past, in deze volgorde:</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>Prints the chart, laid out for paper</source>
        <translation>Drukt de tabel af, opgemaakt voor papier</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Opslaan als PDF…</translation>
    </message>
    <message>
        <source>Writes the chart, laid out for paper, to a PDF file</source>
        <translation>Schrijft de tabel, opgemaakt voor papier, naar een PDF-bestand</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Deel een hand om te zien welke regel past.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>onbekende fout</translation>
    </message>
    <message>
        <source>Chart for %1</source>
        <translation>Tabel voor %1</translation>
    </message>
    <message>
        <source>Strategy chart</source>
        <translation>Strategietabel</translation>
    </message>
    <message>
        <source>Chart: %1 %, %2
Best play: %3 %
The chart gives up %4 points</source>
        <extracomment>Three lines: the chart&apos;s return (%1, a percentage with four decimals; %2 its lines, &quot;24 lines&quot;), the return of the best play (%3) and the difference (%4, &quot;0.0010&quot;).</extracomment>
        <translation>Tabel: %1 %, %2
Beste spel: %3 %
De tabel kost %4 punten</translation>
    </message>
    <message>
        <source>Chart: not available (%1)</source>
        <translation>Tabel: niet beschikbaar (%1)</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Tabel: %1</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>niet beschikbaar</translation>
    </message>
    <message>
        <source>Dealt %1: %2</source>
        <translation>Gedeeld %1: %2</translation>
    </message>
    <message>
        <source>Dealt %1: no line fits, hold nothing</source>
        <translation>Gedeeld %1: geen regel past, niets houden</translation>
    </message>
    <message>
        <source>Dealt %1: line %2</source>
        <translation>Gedeeld %1: regel %2</translation>
    </message>
    <message>
        <source>There is no chart to save yet</source>
        <translation>Er is nog geen tabel om op te slaan</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1</source>
        <translation>Het PDF-bestand %1 kan niet worden geschreven</translation>
    </message>
    <message>
        <source>Save the chart as PDF</source>
        <translation>Tabel opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Print the strategy chart</source>
        <translation>Strategietabel afdrukken</translation>
    </message>
    <message>
        <source>The chart could not be printed</source>
        <translation>De tabel kon niet worden afgedrukt</translation>
    </message>
    <message>
        <source>Lumaro strategy chart, page %1</source>
        <translation>Lumaro-strategietabel, pagina %1</translation>
    </message>
    <message>
        <source>Hold the first line that fits the hand; of the holds a line names, the first that fits.</source>
        <translation>Houd de eerste regel die bij de hand past; van de keuzes die een regel noemt, de eerste die past.</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column headings of the printed chart: the line&apos;s number, the hold it names, an example deal, and the share of all deals the line decides.</extracomment>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Houden</translation>
    </message>
    <message>
        <source>Deals</source>
        <translation>Aandeel</translation>
    </message>
    <message>
        <source>Example (held | drawn)</source>
        <translation>Voorbeeld (gehouden | geruild)</translation>
    </message>
    <message>
        <source>Pay table of %1, %2 to %3: %4</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 its lowest line (&quot;Three of a Kind&quot;), %3 its highest (&quot;Natural Royal Flush&quot;), %4 the multipliers of its lines, lowest first.</extracomment>
        <translation>Uitbetalingstabel van %1, %2 tot %3: %4</translation>
    </message>
    <message>
        <source>Lumaro strategy chart for %1</source>
        <extracomment>The printed chart&apos;s title; %1 the game&apos;s name, &quot;Deuces Wild&quot;.</extracomment>
        <translation>Lumaro-strategietabel voor %1</translation>
    </message>
    <message>
        <source>%1: chart for %2</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 the multipliers of its lines, lowest first.</extracomment>
        <translation>%1: tabel voor %2</translation>
    </message>
</context>
<context>
    <name>TChooseGameDialog</name>
    <message>
        <source>Choose Game</source>
        <translation>Spel kiezen</translation>
    </message>
    <message>
        <source>Choose a game and its pay table. Each table shows what it pays for 1 coin, lowest hand first, and its return under best play. A new game starts a new session.</source>
        <translation>Kies een spel en zijn uitbetalingstabel. Elke tabel toont wat ze uitbetaalt voor 1 munt, de laagste hand eerst, en haar opbrengst bij het beste spel. Een nieuw spel begint een nieuwe sessie.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>Game and table</source>
        <translation>Spel en tabel</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Opbrengst</translation>
    </message>
    <message>
        <source>Pays for 1</source>
        <translation>Betaalt voor 1</translation>
    </message>
    <message>
        <source>counting…</source>
        <extracomment>The return of a table while it is being counted.</extracomment>
        <translation>wordt geteld…</translation>
    </message>
    <message>
        <source>my own table</source>
        <extracomment>The row of the player&apos;s own pay table of a game (for Jacks or Better, the one set in Payouts Options).</extracomment>
        <translation>mijn eigen tabel</translation>
    </message>
    <message>
        <source>not counted</source>
        <extracomment>The return of a table that could not be counted (out of memory).</extracomment>
        <translation>niet geteld</translation>
    </message>
</context>
<context>
    <name>TGameNames</name>
    <message>
        <source>Jacks or Better</source>
        <extracomment>A game&apos;s name, in the Choose Game dialog and atop the pay table.</extracomment>
        <translation>Boeren of hoger</translation>
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
        <translation>Azen en plaatjes</translation>
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
        <translation>Twee paar</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drie gelijke</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straat</translation>
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
        <translation>Carré</translation>
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
        <source>Four 5s-Ks</source>
        <extracomment>A pay line: four of a kind of fives up to kings.</extracomment>
        <translation>Carré 5 t/m K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A pay line: four twos, threes or fours.</extracomment>
        <translation>Carré 2 t/m 4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Carré azen</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four twos, threes or fours, the fifth card an ace, 2, 3 or 4.</extracomment>
        <translation>Carré 2 t/m 4 met kicker A, 2, 3 of 4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four aces, the fifth card a 2, 3 or 4.</extracomment>
        <translation>Carré azen met kicker 2, 3 of 4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A pay line: four of a kind of twos up to tens.</extracomment>
        <translation>Carré 2 t/m 10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A pay line: four jacks, queens or kings.</extracomment>
        <translation>Carré boeren t/m heren</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>Deuces Wild&apos;s losing hand: less than three of a kind.</extracomment>
        <translation>Geen winst</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <extracomment>A pay line of the wild-card games: five cards of one rank, a wild card among them.</extracomment>
        <translation>Vijf gelijke</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A pay line: a royal flush made with a wild card (a deuce or the joker).</extracomment>
        <translation>Royal flush met wildcard</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>Deuces Wild&apos;s pay line for the four 2s.</extracomment>
        <translation>Vier tweeën</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A pay line: a royal flush without a wild card.</extracomment>
        <translation>Natuurlijke royal flush</translation>
    </message>
    <message>
        <source>Kings or Better</source>
        <extracomment>Joker Poker&apos;s lowest pay line: a pair of kings or aces.</extracomment>
        <translation>Heren of hoger</translation>
    </message>
</context>
<context>
    <name>TGameView</name>
    <message>
        <source>Draw</source>
        <extracomment>A hold panel under a card: the card is replaced at the draw.</extracomment>
        <translation>Ruilen</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>A hold panel under a card: the card stays at the draw.</extracomment>
        <translation>Houden</translation>
    </message>
    <message>
        <source>Over</source>
        <extracomment>A hold panel under a card once the hand is settled.</extracomment>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Player has No Pair </source>
        <extracomment>The hand after the draw. The blank at the end is the machine&apos;s own.</extracomment>
        <translation>Speler heeft geen paar </translation>
    </message>
    <message>
        <source>Player has One Pair</source>
        <extracomment>The hand after the draw: a pair of tens or lower, which loses.</extracomment>
        <translation>Speler heeft één paar</translation>
    </message>
    <message>
        <source>Player has pair of Jacks or Better</source>
        <extracomment>The hand after the draw: a pair of jacks, queens, kings or aces, which pays.</extracomment>
        <translation>Speler heeft een paar boeren of hoger</translation>
    </message>
    <message>
        <source>Player has Two Pair</source>
        <translation>Speler heeft twee paar</translation>
    </message>
    <message>
        <source>Player has Three of a Kind</source>
        <translation>Speler heeft drie gelijke</translation>
    </message>
    <message>
        <source>Player has a Straight</source>
        <translation>Speler heeft een straat</translation>
    </message>
    <message>
        <source>Player has a Flush</source>
        <translation>Speler heeft een flush</translation>
    </message>
    <message>
        <source>Player has a Full House</source>
        <translation>Speler heeft een full house</translation>
    </message>
    <message>
        <source>Wow! Four of a Kind</source>
        <translation>Wauw! Carré</translation>
    </message>
    <message>
        <source>Wow! Straight Flush</source>
        <translation>Wauw! Straight flush</translation>
    </message>
    <message>
        <source>Wow! Royal Flush</source>
        <translation>Wauw! Royal flush</translation>
    </message>
    <message>
        <source>You Lost Total is now %1</source>
        <extracomment>A hand lost; %1 is the total after it.</extracomment>
        <translation>Verloren. Totaal is nu %1</translation>
    </message>
    <message>
        <source>You Win Total is now %1</source>
        <extracomment>A win paid at multiplier 0 (the bet comes back); %1 is the total.</extracomment>
        <translation>Gewonnen! Totaal is nu %1</translation>
    </message>
    <message>
        <source>*Bonus* %1X  Paid You Win! Total is now %2</source>
        <extracomment>A win: %1 is the multiplier plus one (the stake comes back with it), as in &quot;*Bonus* 8X&quot;; %2 is the total after it.</extracomment>
        <translation>*Bonus* %1X uitbetaald. Gewonnen! Totaal: %2</translation>
    </message>
    <message>
        <source>Practice hand: no money moves</source>
        <extracomment>The second message line while a practice hand is played.</extracomment>
        <translation>Oefenhand: er gaat geen geld om</translation>
    </message>
    <message>
        <source>Practice hand: it would cost %1. Total stays %2</source>
        <extracomment>A practice hand that lost: %1 is the bet it would have cost, %2 the total.</extracomment>
        <translation>Oefenhand: zou %1 kosten. Totaal blijft %2</translation>
    </message>
    <message>
        <source>Practice hand: it would pay %1. Total stays %2</source>
        <extracomment>A practice hand that won: %1 is what it would have paid, %2 the total.</extracomment>
        <translation>Oefenhand: zou %1 opleveren. Totaal blijft %2</translation>
    </message>
    <message>
        <source>Practice hand: the bet would come back. Total stays %1</source>
        <extracomment>A practice hand won at multiplier 0; %1 is the total.</extracomment>
        <translation>Oefenhand: de inzet zou terugkomen. Totaal blijft %1</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1 Total Pairs =%2</source>
        <extracomment>The first statistics line: %n hands won, %1 hands lost, %2 one-pair hands (paying or not).</extracomment>
        <translation>
            <numerusform>Speler: %n hand gewonnen, %1 verloren, paren =%2</numerusform>
            <numerusform>Speler: %n handen gewonnen, %1 verloren, paren =%2</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands Two Pair=%1</source>
        <extracomment>The second statistics line starts with this when two pair has come up (%1 times); the items below follow it, each with its own leading blank.</extracomment>
        <translation>Hoge handen: Twee paar=%1</translation>
    </message>
    <message>
        <source> 3 of a Kind=%1</source>
        <extracomment>An item of the second statistics line: the hand and how often it came up. Keep the leading blank: it parts the items.</extracomment>
        <translation> Drie gelijke=%1</translation>
    </message>
    <message>
        <source> Straights=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Straten=%1</translation>
    </message>
    <message>
        <source> Flushs=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Flushes=%1</translation>
    </message>
    <message>
        <source> Full House=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Full house=%1</translation>
    </message>
    <message>
        <source> 4 of a Kind=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Carrés=%1</translation>
    </message>
    <message>
        <source> Straight Flush=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Straight flush=%1</translation>
    </message>
    <message>
        <source> Royal Flush=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Royal flush=%1</translation>
    </message>
    <message>
        <source>No Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Geen paar</translation>
    </message>
    <message>
        <source>Pairs</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Paren</translation>
    </message>
    <message>
        <source>2 Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Twee paar</translation>
    </message>
    <message>
        <source>3 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Drie gelijke</translation>
    </message>
    <message>
        <source>Straight</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Straat</translation>
    </message>
    <message>
        <source>Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full House</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Full house</translation>
    </message>
    <message>
        <source>4 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Straight flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Royal flush</translation>
    </message>
    <message>
        <source>Player has %t</source>
        <extracomment>The hand after the draw in a game other than Jacks or Better; %t is the pay line&apos;s name (&quot;Kings or Better&quot;, &quot;Four Aces&quot;).</extracomment>
        <translation>Speler heeft %t</translation>
    </message>
    <message>
        <source>Wow! %t</source>
        <extracomment>The hand after the draw, a big one (four of a kind or better); %t is the pay line&apos;s name.</extracomment>
        <translation>Wauw! %t</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1</source>
        <extracomment>The first statistics line of a game other than Jacks or Better: %n hands won, %1 lost.</extracomment>
        <translation>
            <numerusform>Speler heeft %n hand gewonnen en %1 verloren</numerusform>
            <numerusform>Speler heeft %n handen gewonnen en %1 verloren</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands</source>
        <extracomment>The second statistics line of a game other than Jacks or Better starts with this when a winning hand has come up; its items follow.</extracomment>
        <translation>Hoge handen:</translation>
    </message>
    <message>
        <source> %t=%1</source>
        <extracomment>An item of the second statistics line: the pay line&apos;s name (%t) and how often it came up (%1). Keep the leading blank: it parts the items.</extracomment>
        <translation> %t=%1</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: the count of Deuces Wild&apos;s losing hands.</extracomment>
        <translation>Geen winst</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: four of a kind of fives up to kings.</extracomment>
        <translation>Carré 5-K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos, threes or fours.</extracomment>
        <translation>Carré 2-4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <extracomment>A column heading of the statistics grid (a narrow column).</extracomment>
        <translation>Carré azen</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos, threes or fours with an ace, 2, 3 or 4 as fifth card. A short form is welcome.</extracomment>
        <translation>Carré 2-4 + A-4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four aces with a 2, 3 or 4 as fifth card. A short form is welcome.</extracomment>
        <translation>Carré A + 2-4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos up to tens.</extracomment>
        <translation>Carré 2-10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four jacks, queens or kings.</extracomment>
        <translation>Carré J-K</translation>
    </message>
    <message>
        <source>5 of a Kind</source>
        <extracomment>A column heading of the statistics grid (a narrow column): five of a kind.</extracomment>
        <translation>Vijf gelijke</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush made with a wild card.</extracomment>
        <translation>Wild royal flush</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>A column heading of the statistics grid (a narrow column): Deuces Wild&apos;s four 2s.</extracomment>
        <translation>Vier tweeën</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush without a wild card.</extracomment>
        <translation>Nat. royal flush</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Dealt %1</source>
        <translation>Gedeeld: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A card and what happens to it, as a screen reader says it: &quot;Ace of Spades: Hold&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totaal %1</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Inzet</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiek</translation>
    </message>
    <message>
        <source>Winning hand</source>
        <translation>Winnende hand</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>held</source>
        <translation>gehouden</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Ruilen</translation>
    </message>
    <message>
        <source>Draw Additional Cards</source>
        <translation>Nieuwe kaarten ruilen</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiek</translation>
    </message>
    <message>
        <source>Winning Percentage</source>
        <translation>Winstpercentage</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Lumaro for Windows 95</source>
        <translation>Lumaro for Windows 95</translation>
    </message>
    <message>
        <source>Set Total</source>
        <translation>Totaal instellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Piechart</source>
        <translation>Cirkeldiagram</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Inzet</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Payouts Options</source>
        <translation>Uitbetalingen</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Strategieadviseur</translation>
    </message>
    <message>
        <source>Lumaro for Windows 95 Version %1</source>
        <translation>Lumaro for Windows 95 versie %1</translation>
    </message>
    <message>
        <source>Window pages</source>
        <translation>Vensterpagina&apos;s</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Lumaro Strategy Advisor</source>
        <translation>Lumaro-strategieadviseur</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then replay.</source>
        <translation>Ruil eerst de hand die in het spel is, speel daarna opnieuw.</translation>
    </message>
    <message>
        <source>The hand to replay is not five different cards</source>
        <translation>De opnieuw te spelen hand bestaat niet uit vijf verschillende kaarten</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Kaart %1: %2</translation>
    </message>
    <message>
        <source>Hold or draw card %1 (key %1)</source>
        <translation>Kaart %1 houden of ruilen (toets %1)</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>label</comment>
        <extracomment>The label beside the total&apos;s panel: room for about six letters.</extracomment>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Choose Game…</source>
        <translation>Spel kiezen…</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>Shows the pay table beside the game also where the screen has no room to spare (the game is drawn smaller then).</extracomment>
        <translation>Uitbetalingstabel</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then choose a game.</source>
        <translation>Trek eerst de hand die in het spel is, kies dan een spel.</translation>
    </message>
</context>
<context>
    <name>THandHistory</name>
    <message>
        <source>unknown error</source>
        <translation>onbekende fout</translation>
    </message>
    <message>
        <source>%1; its folder is read-only</source>
        <translation>%1; de map is alleen-lezen</translation>
    </message>
    <message>
        <source>its schema version %1 is not one Lumaro writes</source>
        <translation>schemaversie %1 is er geen die Lumaro schrijft</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing (package libqt6sql6-sqlite)</source>
        <translation>Het SQLite-stuurprogramma van Qt ontbreekt (pakket libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>The hand history %1 could not be opened (%2); hands are not recorded</source>
        <translation>De handgeschiedenis %1 kon niet worden geopend (%2); handen worden niet vastgelegd</translation>
    </message>
    <message>
        <source>its tables are not a hand history&apos;s (%1)</source>
        <translation>de tabellen zijn niet die van een handgeschiedenis (%1)</translation>
    </message>
    <message>
        <source>the folder %1 can&apos;t be created</source>
        <translation>de map %1 kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>it is not a hand history</source>
        <translation>het is geen handgeschiedenis</translation>
    </message>
    <message>
        <source>it failed SQLite&apos;s quick check: %1</source>
        <translation>de snelle controle van SQLite mislukt: %1</translation>
    </message>
    <message>
        <source>it can&apos;t be written (no WAL journal)</source>
        <translation>er kan niet in worden geschreven (geen WAL-journaal)</translation>
    </message>
    <message>
        <source>another program is writing it (%1)</source>
        <translation>een ander programma schrijft erin (%1)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Lumaro (schema version %1)</source>
        <translation>het is geschreven door een nieuwere versie van Lumaro (schemaversie %1)</translation>
    </message>
    <message>
        <source>The hand history %1 was written by a newer version of Lumaro; it is left as it is and hands are not recorded</source>
        <translation>De handgeschiedenis %1 is geschreven door een nieuwere versie van Lumaro; ze blijft zoals ze is en handen worden niet vastgelegd</translation>
    </message>
    <message>
        <source>%1, and it could not be moved aside</source>
        <translation>%1, en het kon niet opzij worden gezet</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2) and could not be moved aside; hands are not recorded</source>
        <translation>De handgeschiedenis %1 is beschadigd (%2) en kon niet opzij worden gezet; handen worden niet vastgelegd</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2); it was moved to %3 and a new history was started</source>
        <translation>De handgeschiedenis %1 is beschadigd (%2); ze is verplaatst naar %3 en er is een nieuwe geschiedenis begonnen</translation>
    </message>
    <message>
        <source>its newest hands are in %1, which can&apos;t be read without %2 in a folder that can&apos;t be written</source>
        <translation>de nieuwste handen staan in %1, dat niet te lezen is zonder %2 in een map waarin niet geschreven kan worden</translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation>een ander programma houdt het vergrendeld (%1)</translation>
    </message>
    <message>
        <source>it is damaged (%1); the game moves it aside when it starts</source>
        <translation>het is beschadigd (%1); het spel zet het bij het starten opzij</translation>
    </message>
    <message>
        <source>it is in an older form (schema version %1): the game brings it up to date when it starts</source>
        <translation>het heeft een oudere vorm (schemaversie %1): het spel werkt het bij het starten bij</translation>
    </message>
    <message>
        <source>%1 could not be recorded in the hand history %2: another program kept it busy (%3); the hands recorded before are kept</source>
        <translation>Niet vastgelegd in de handgeschiedenis %2: %1, omdat een ander programma die bezet hield (%3); de eerder vastgelegde handen blijven bewaard</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 hand</translation>
    </message>
    <message>
        <source>A hand could not be recorded in the hand history %1 (%2); the hands recorded before are kept</source>
        <translation>Een hand kon niet worden vastgelegd in de handgeschiedenis %1 (%2); de eerder vastgelegde handen blijven bewaard</translation>
    </message>
    <message>
        <source>The hand history %1 could not be read (%2)</source>
        <translation>De handgeschiedenis %1 kon niet worden gelezen (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Hands are not recorded in the hand history %1 while another program keeps it busy (%2); %n hands wait for it</source>
        <translation>
            <numerusform>Handen worden niet vastgelegd in de handgeschiedenis %1 zolang een ander programma die bezet houdt (%2); %n hand wacht</numerusform>
            <numerusform>Handen worden niet vastgelegd in de handgeschiedenis %1 zolang een ander programma die bezet houdt (%2); %n handen wachten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n hand</numerusform>
            <numerusform>%n handen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Lumaro Help</source>
        <translation>Lumaro-help</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The help viewer&apos;s button that goes to the help&apos;s first page.</extracomment>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The help viewer&apos;s button that goes back to the page shown before.</extracomment>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The help file could not be opened.

Lumaro looks for QUORVEL.hlp beside the program and in its data folder (share/lumaro). The game itself is not affected.</source>
        <extracomment>Keep the file name QUORVEL.hlp and the folder share/lumaro as they are.</extracomment>
        <translation>Het helpbestand kon niet worden geopend.

Lumaro zoekt QUORVEL.hlp naast het programma en in zijn gegevensmap (share/lumaro). Het spel zelf merkt er niets van.</translation>
    </message>
</context>
<context>
    <name>THistoryPage</name>
    <message>
        <source>unnamed</source>
        <translation>naamloos</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niets</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 hand</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 keer</translation>
    </message>
    <message>
        <source>Best play, last sessions</source>
        <translation>Beste spel, laatste sessies</translation>
    </message>
    <message>
        <source>No sessions yet</source>
        <translation>Nog geen sessies</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sessies</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Handen</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Beste spel</translation>
    </message>
    <message>
        <source>Cost/100</source>
        <translation>Kosten/100</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Costliest situations</source>
        <translation>Duurste situaties</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Gehouden</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Mistakes, newest first</source>
        <translation>Fouten, nieuwste eerst</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Gedeeld</translation>
    </message>
    <message>
        <source>The hand history could not be opened: %1.</source>
        <translation>De handgeschiedenis kon niet worden geopend: %1.</translation>
    </message>
    <message>
        <source>No hands recorded yet.</source>
        <translation>Nog geen handen vastgelegd.</translation>
    </message>
    <message>
        <source>Played: %1, best play %2, cost %3 per 100 hands. Practice: %4.</source>
        <extracomment>%1 and %4 the hands played for money and in practice (&quot;21 hands&quot;), %2 the share of best holds (&quot;93.2 %&quot;), %3 the coins lost to mistakes.</extracomment>
        <translation>Gespeeld: %1, beste spel %2, kosten %3 per 100 handen. Oefenen: %4.</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>oefenen</translation>
    </message>
    <message>
        <source>played</source>
        <translation>gespeeld</translation>
    </message>
    <message>
        <source>Practice session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <extracomment>A session as a screen reader says it: %1 when it started, %2 its hands (&quot;21 hands&quot;), %3 the share of best holds, %4 the coins lost to mistakes.</extracomment>
        <translation>Oefensessie, begonnen %1: %2, beste spel %3, kosten %4 per 100 handen</translation>
    </message>
    <message>
        <source>Played session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <translation>Gespeelde sessie, begonnen %1: %2, beste spel %3, kosten %4 per 100 handen</translation>
    </message>
    <message>
        <source>%1 on average</source>
        <translation>gemiddeld %1</translation>
    </message>
    <message>
        <source>Held %1 instead of %2: %3, cost %4</source>
        <extracomment>%1 and %2 the kinds of hold (&quot;low pair&quot;, &quot;four to a flush&quot;), %3 how often (&quot;3 times&quot;), %4 the coins it cost.</extracomment>
        <translation>%1 gehouden in plaats van %2: %3, kosten %4</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Replay %1</source>
        <translation>%1 opnieuw spelen</translation>
    </message>
    <message>
        <source>%1, bet %2, practice: %3 instead of %4</source>
        <extracomment>%1 when the hand was played, %2 its bet, %3 and %4 the kinds of hold held and best.</extracomment>
        <translation>%1, inzet %2, oefenen: %3 in plaats van %4</translation>
    </message>
    <message>
        <source>%1, bet %2: %3 instead of %4</source>
        <translation>%1, inzet %2: %3 in plaats van %4</translation>
    </message>
    <message>
        <source>Cost %1: dealt %2, held %3, best %4</source>
        <translation>Kosten %1: gedeeld %2, gehouden %3, beste %4</translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n hand</numerusform>
            <numerusform>%n handen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n keer</numerusform>
            <numerusform>%n keer</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A row of the hand history as a screen reader says it (%1), with its game&apos;s name (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
</context>
<context>
    <name>THoldList</name>
    <message>
        <source>Hold</source>
        <translation>Houden</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Munten</translation>
    </message>
    <message>
        <source>Per coin</source>
        <translation>Per munt</translation>
    </message>
    <message>
        <source>Discard everything</source>
        <translation>Alles ruilen</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>%1 houden</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best, your hold</source>
        <translation>%1: %2 per munt, beste, jouw keuze</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3, your hold</source>
        <translation>%1: %2 per munt, kost %3, jouw keuze</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best</source>
        <translation>%1: %2 per munt, beste</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3</source>
        <translation>%1: %2 per munt, kost %3</translation>
    </message>
</context>
<context>
    <name>THoldPattern</name>
    <message>
        <source>two pair or better</source>
        <translation>twee paar of beter</translation>
    </message>
    <message>
        <source>high pair</source>
        <translation>hoog paar</translation>
    </message>
    <message>
        <source>low pair</source>
        <translation>laag paar</translation>
    </message>
    <message>
        <source>four to a royal flush</source>
        <translation>vier naar royal flush</translation>
    </message>
    <message>
        <source>four to a straight flush</source>
        <translation>vier naar straight flush</translation>
    </message>
    <message>
        <source>four to a flush</source>
        <translation>vier naar flush</translation>
    </message>
    <message>
        <source>four to an outside straight</source>
        <translation>vier naar open straat</translation>
    </message>
    <message>
        <source>four to an inside straight</source>
        <translation>vier naar binnenstraat</translation>
    </message>
    <message>
        <source>three to a royal flush</source>
        <translation>drie naar royal flush</translation>
    </message>
    <message>
        <source>three to a straight flush</source>
        <translation>drie naar straight flush</translation>
    </message>
    <message>
        <source>three to a flush</source>
        <translation>drie naar flush</translation>
    </message>
    <message>
        <source>three unsuited high cards</source>
        <translation>drie hoge kaarten, niet in kleur</translation>
    </message>
    <message>
        <source>three to a straight</source>
        <translation>drie naar straat</translation>
    </message>
    <message>
        <source>two suited high cards</source>
        <translation>twee hoge kaarten in kleur</translation>
    </message>
    <message>
        <source>ten with a suited high card</source>
        <translation>tien met een hoge kaart in kleur</translation>
    </message>
    <message>
        <source>two unsuited high cards</source>
        <translation>twee hoge kaarten, niet in kleur</translation>
    </message>
    <message>
        <source>one high card</source>
        <translation>één hoge kaart</translation>
    </message>
    <message>
        <source>three of a kind and a kicker</source>
        <translation>drie gelijke en een kicker</translation>
    </message>
    <message>
        <source>three of a kind and two kickers</source>
        <translation>drie gelijke en twee kickers</translation>
    </message>
    <message>
        <source>two pair and a kicker</source>
        <translation>twee paar en een kicker</translation>
    </message>
    <message>
        <source>high pair and a kicker</source>
        <translation>hoog paar en een kicker</translation>
    </message>
    <message>
        <source>high pair and two kickers</source>
        <translation>hoog paar en twee kickers</translation>
    </message>
    <message>
        <source>high pair and three kickers</source>
        <translation>hoog paar en drie kickers</translation>
    </message>
    <message>
        <source>low pair and a kicker</source>
        <translation>laag paar en een kicker</translation>
    </message>
    <message>
        <source>low pair and two kickers</source>
        <translation>laag paar en twee kickers</translation>
    </message>
    <message>
        <source>low pair and three kickers</source>
        <translation>laag paar en drie kickers</translation>
    </message>
    <message>
        <source>five cards, no pair</source>
        <translation>vijf kaarten, geen paar</translation>
    </message>
    <message>
        <source>four other cards</source>
        <translation>vier andere kaarten</translation>
    </message>
    <message>
        <source>three other cards</source>
        <translation>drie andere kaarten</translation>
    </message>
    <message>
        <source>two other cards</source>
        <translation>twee andere kaarten</translation>
    </message>
    <message>
        <source>one low card</source>
        <translation>één lage kaart</translation>
    </message>
    <message>
        <source>discard everything</source>
        <translation>alles ruilen</translation>
    </message>
    <message>
        <source>pair of %1</source>
        <extracomment>A pair named by its rank: %1 is &quot;aces&quot;, &quot;kings&quot; ... &quot;twos&quot;.</extracomment>
        <translation>paar %1</translation>
    </message>
    <message>
        <source>four to a royal flush (%1)</source>
        <extracomment>%1 names the cards held, &quot;A K Q J&quot;.</extracomment>
        <translation>vier naar royal flush (%1)</translation>
    </message>
    <message>
        <source>four to a straight flush, %1</source>
        <extracomment>%1 is how it draws (&quot;open&quot;, &quot;inside with 2 high cards&quot;).</extracomment>
        <translation>vier naar straight flush, %1</translation>
    </message>
    <message>
        <source>four to a flush %1</source>
        <extracomment>%1 is how many high cards it holds (&quot;with 2 high cards&quot;).</extracomment>
        <translation>vier naar flush %1</translation>
    </message>
    <message>
        <source>four to an outside straight %1</source>
        <translation>vier naar open straat %1</translation>
    </message>
    <message>
        <source>four to an inside straight %1</source>
        <translation>vier naar binnenstraat %1</translation>
    </message>
    <message>
        <source>three to a royal flush (%1)</source>
        <translation>drie naar royal flush (%1)</translation>
    </message>
    <message>
        <source>three to a straight flush, %1</source>
        <translation>drie naar straight flush, %1</translation>
    </message>
    <message>
        <source>three to a flush %1</source>
        <translation>drie naar flush %1</translation>
    </message>
    <message>
        <source>%1 unsuited</source>
        <extracomment>%1 names the cards held, &quot;K Q J&quot;.</extracomment>
        <translation>%1 niet in kleur</translation>
    </message>
    <message>
        <source>three to a straight %1</source>
        <translation>drie naar straat %1</translation>
    </message>
    <message>
        <source>%1 suited</source>
        <translation>%1 in kleur</translation>
    </message>
    <message>
        <source>%1 only</source>
        <extracomment>%1 names the card held, &quot;K&quot;.</extracomment>
        <translation>alleen %1</translation>
    </message>
    <message>
        <source>royal flush</source>
        <translation>royal flush</translation>
    </message>
    <message>
        <source>straight flush</source>
        <translation>straight flush</translation>
    </message>
    <message>
        <source>four of a kind</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full house</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>flush</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>straat</translation>
    </message>
    <message>
        <source>three of a kind</source>
        <translation>drie gelijke</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>twee paar</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>azen</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>heren</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>vrouwen</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>boeren</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>tienen</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>negens</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>achten</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>zevens</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>zessen</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>vijven</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>vieren</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>drieën</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>tweeën</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>A straight draw whose two ends are open.</extracomment>
        <translation>open</translation>
    </message>
    <message>
        <source>inside</source>
        <extracomment>A straight draw missing one card inside.</extracomment>
        <translation>binnen</translation>
    </message>
    <message>
        <source>double inside</source>
        <extracomment>A straight draw missing two cards inside.</extracomment>
        <translation>dubbel binnen</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no high card</source>
        <translation>geen hoge kaart</translation>
    </message>
    <message>
        <source>1 high card</source>
        <translation>1 hoge kaart</translation>
    </message>
    <message>
        <source>%1-%2 high cards</source>
        <extracomment>A run of counts, &quot;0-2 high cards&quot;.</extracomment>
        <translation>%1-%2 hoge kaarten</translation>
    </message>
    <message>
        <source>%1 high cards</source>
        <extracomment>%1 lists the counts, &quot;1, 2 or 4&quot;.</extracomment>
        <translation>%1 hoge kaarten</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>met %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 met %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A family and the order its members are taken in: &quot;two suited high cards: Q J, K Q&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n high cards</source>
        <translation>
            <numerusform>%n hoge kaart</numerusform>
            <numerusform>%n hoge kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>no deuce</source>
        <extracomment>Deuces Wild: how many deuces (the wild cards) a hold keeps; a chart line begins with it.</extracomment>
        <translation>geen twee</translation>
    </message>
    <message>
        <source>one deuce</source>
        <translation>één twee</translation>
    </message>
    <message>
        <source>two deuces</source>
        <translation>twee tweeën</translation>
    </message>
    <message>
        <source>three deuces</source>
        <translation>drie tweeën</translation>
    </message>
    <message>
        <source>four deuces</source>
        <translation>vier tweeën</translation>
    </message>
    <message>
        <source>joker</source>
        <extracomment>Joker Poker: a hold with the joker (the wild card); a chart line begins with it.</extracomment>
        <translation>joker</translation>
    </message>
    <message>
        <source>no joker</source>
        <translation>geen joker</translation>
    </message>
    <message>
        <source>a paying hand or a pair</source>
        <extracomment>The family of holds that already pay or hold a pair, after the wild cards held.</extracomment>
        <translation>een betalende hand of een paar</translation>
    </message>
    <message>
        <source>natural royal flush</source>
        <translation>natuurlijke royal flush</translation>
    </message>
    <message>
        <source>wild royal flush</source>
        <translation>wilde royal flush</translation>
    </message>
    <message>
        <source>five of a kind</source>
        <translation>vijf gelijke</translation>
    </message>
    <message>
        <source>pair of kings or aces</source>
        <extracomment>Joker Poker&apos;s paying pair, Kings or Better.</extracomment>
        <translation>paar heren of azen</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>paar</translation>
    </message>
    <message>
        <source>four to a straight</source>
        <translation>vier naar straat</translation>
    </message>
    <message>
        <source>four to a straight, %1</source>
        <extracomment>%1 is how it draws: &quot;open&quot;, &quot;inside&quot;.</extracomment>
        <translation>vier naar straat, %1</translation>
    </message>
    <message>
        <source>two to a royal flush</source>
        <translation>twee naar royal flush</translation>
    </message>
    <message>
        <source>two to a royal flush (%1)</source>
        <extracomment>%1 names the two cards held, &quot;A K&quot;.</extracomment>
        <translation>twee naar royal flush (%1)</translation>
    </message>
    <message>
        <source>high cards</source>
        <translation>hoge kaarten</translation>
    </message>
    <message>
        <source>other cards</source>
        <translation>andere kaarten</translation>
    </message>
    <message>
        <source>consecutive</source>
        <extracomment>A straight flush draw with wild cards, by the gaps between its natural cards.</extracomment>
        <translation>aaneengesloten</translation>
    </message>
    <message>
        <source>consecutive at an end</source>
        <extracomment>A straight flush draw whose straight can&apos;t reach past the ace.</extracomment>
        <translation>aaneengesloten aan een uiteinde</translation>
    </message>
    <message>
        <source>one gap</source>
        <translation>één gat</translation>
    </message>
    <message>
        <source>one gap at an end</source>
        <translation>één gat aan een uiteinde</translation>
    </message>
    <message>
        <source>two gaps</source>
        <translation>twee gaten</translation>
    </message>
    <message>
        <source>two gaps at an end</source>
        <translation>twee gaten aan een uiteinde</translation>
    </message>
    <message>
        <source>three gaps</source>
        <translation>drie gaten</translation>
    </message>
    <message>
        <source>three gaps at an end</source>
        <translation>drie gaten aan een uiteinde</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>%1 the rank of the three cards: &quot;aces&quot;, &quot;7s&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>drie %1</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A rank in plural by its letter: &quot;7s&quot;, &quot;Ks&quot;.</extracomment>
        <translation>%1&apos;s</translation>
    </message>
    <message>
        <source>%1s-%2s</source>
        <extracomment>A run of ranks by their letters: &quot;2s-4s&quot;, &quot;5s-Ks&quot;.</extracomment>
        <translation>%1&apos;s-%2&apos;s</translation>
    </message>
    <message>
        <source>%1 with a %2 kicker</source>
        <extracomment>%1 three of a kind (&quot;three aces&quot;), %2 the kicker&apos;s ranks (&quot;2, 3 or 4&quot;).</extracomment>
        <translation>%1 met kicker %2</translation>
    </message>
    <message>
        <source>%1 with an %2 kicker</source>
        <extracomment>As &quot;%1 with a %2 kicker&quot;, where English writes &quot;an&quot; (&quot;an A, 2, 3 or 4 kicker&quot;).</extracomment>
        <translation>%1 met kicker %2</translation>
    </message>
    <message>
        <source>three of a kind with another kicker</source>
        <translation>drie gelijke met een andere kicker</translation>
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
        <translation>aas laag</translation>
    </message>
    <message>
        <source>no ace</source>
        <extracomment>Three to a royal flush without its ace, and with it.</extracomment>
        <translation>zonder aas</translation>
    </message>
    <message>
        <source>with an ace</source>
        <translation>met een aas</translation>
    </message>
    <message>
        <source>three to a royal flush, %1</source>
        <extracomment>%1 is &quot;no ace&quot; or &quot;with an ace&quot;.</extracomment>
        <translation>drie naar royal flush, %1</translation>
    </message>
    <message>
        <source>a paying hand</source>
        <extracomment>Joker Poker: the families of holds that already pay, and of those that hold a pair.</extracomment>
        <translation>een betalende hand</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>een paar</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>%1 the rank of the four cards: &quot;aces&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>vier %1</translation>
    </message>
    <message>
        <source>four of a kind with another kicker</source>
        <extracomment>Four of a kind held with a kicker that doesn&apos;t raise its pay.</extracomment>
        <translation>carré met een andere kicker</translation>
    </message>
    <message>
        <source>three to a straight, %1</source>
        <extracomment>%1 is how it draws (&quot;open with 2 high cards&quot;, &quot;inside with 1 high card&quot;).</extracomment>
        <translation>drie naar straat, %1</translation>
    </message>
    <message>
        <source>two pair with aces</source>
        <extracomment>Where two pair pays no more than a pair, two pair with a pair of aces is told apart.</extracomment>
        <translation>twee paar met azen</translation>
    </message>
    <message>
        <source>two pair without aces</source>
        <translation>twee paar zonder azen</translation>
    </message>
    <message>
        <source>%1, not %2</source>
        <extracomment>A family but the kinds left out: &quot;four to a straight flush, not consecutive&quot;.</extracomment>
        <translation>%1, behalve %2</translation>
    </message>
    <message>
        <source>four to a straight flush (%1)</source>
        <extracomment>Deuces Wild: one kind of straight flush draw in a list of hands (&quot;consecutive&quot;), bracketed as the list has commas of its own.</extracomment>
        <translation>vier naar straight flush (%1)</translation>
    </message>
    <message>
        <source>a paying hand or four to a straight flush</source>
        <extracomment>Joker Poker, with the joker: the family of holds that already pay or draw to a straight flush (a royal flush among them).</extracomment>
        <translation>een betalende hand of vier naar straight flush</translation>
    </message>
    <message>
        <source>a paying hand, four to a straight flush or a pair</source>
        <extracomment>Joker Poker, without the joker: the same family and the holds of a pair.</extracomment>
        <translation>een betalende hand, vier naar straight flush of een paar</translation>
    </message>
    <message>
        <source>pair of aces or better</source>
        <extracomment>Bonus games where two pair pays as a pair: the made hands down to a pair of aces.</extracomment>
        <translation>paar azen of beter</translation>
    </message>
    <message>
        <source>unsuited high cards</source>
        <extracomment>Bonus games: two or three high cards of different suits (&quot;K Q J&quot;, &quot;Q J&quot;).</extracomment>
        <translation>hoge kaarten, niet in kleur</translation>
    </message>
    <message>
        <source>three to a flush with high cards</source>
        <extracomment>Bonus games: the draws left once those without a high card are a family of their own.</extracomment>
        <translation>drie naar flush met hoge kaarten</translation>
    </message>
    <message>
        <source>four to an inside straight with high cards</source>
        <translation>vier naar binnenstraat met hoge kaarten</translation>
    </message>
    <message>
        <source>draws with no high card</source>
        <extracomment>Bonus games: three to a flush and four to an inside straight holding no high card.</extracomment>
        <translation>draws zonder hoge kaart</translation>
    </message>
    <message>
        <source>%1 with no high card</source>
        <extracomment>%1 is the draw: &quot;three to a flush&quot;, &quot;four to an inside straight&quot;.</extracomment>
        <translation>%1 zonder hoge kaart</translation>
    </message>
    <message>
        <source>%1, no flush penalty</source>
        <extracomment>Penalty cards: %1 a hold (&quot;Q J suited&quot;) when none of the cards thrown away is of its suit, so that none of the flush cards left to draw is gone.</extracomment>
        <translation>%1, geen flush-strafkaart</translation>
    </message>
    <message>
        <source>%1 with a flush penalty</source>
        <extracomment>%1 a hold (&quot;Q J suited&quot;) when a card thrown away is of its suit.</extracomment>
        <translation>%1 met flush-strafkaart</translation>
    </message>
    <message>
        <source>%1, no straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when no card thrown away would fill a straight with it.</extracomment>
        <translation>%1, geen straat-strafkaart</translation>
    </message>
    <message>
        <source>%1 with a straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when a card thrown away would fill a straight with it.</extracomment>
        <translation>%1 met straat-strafkaart</translation>
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
        <translation>Onbekende foutcode</translation>
    </message>
    <message>
        <source>No sound file to play</source>
        <translation>Geen geluidsbestand om af te spelen</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>%1 mist %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t play %1: %2</source>
        <translation>Kon %1 niet afspelen: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>het is groter dan %1 MB</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>het is geen WAV-bestand</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not supported</source>
        <translation>de samplefrequentie van %1 Hz wordt niet ondersteund</translation>
    </message>
    <message>
        <source>its header claims far more sound than the file holds</source>
        <translation>de header belooft veel meer geluid dan het bestand bevat</translation>
    </message>
    <message>
        <source>it is too long to hold in memory once converted</source>
        <translation>het is te lang om na omzetting in het geheugen te houden</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the win sound: %1 is missing from %2, and there is no %3 in %4</source>
        <translation>Kon het winstgeluid niet afspelen: %1 ontbreekt in %2 en er is geen %3 in %4</translation>
    </message>
</context>
<context>
    <name>TPayTablePanel</name>
    <message>
        <source>Pay table</source>
        <extracomment>The name screen readers give the pay table shown beside the game.</extracomment>
        <translation>Uitbetalingstabel</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <extracomment>How a screen reader reads a line of the pay table: %1 the hand, %2 what it pays for 1.</extracomment>
        <translation>%1 betaalt %2</translation>
    </message>
    <message>
        <source>the last hand</source>
        <extracomment>What a screen reader adds to the pay table&apos;s line of the hand just settled.</extracomment>
        <translation>de laatste hand</translation>
    </message>
</context>
<context>
    <name>TPayoutsDialog</name>
    <message>
        <source>Jacks or Better Multiplier Default is 0</source>
        <extracomment>The caption beside the multiplier of pay line 1, a pair of jacks or better. It must fit the room of the English at 8 points: keep it as short.</extracomment>
        <translation>Boeren of hoger, standaard 0</translation>
    </message>
    <message>
        <source>Two Pair Multiplier Default = 1</source>
        <translation>Twee paar, standaard 1</translation>
    </message>
    <message>
        <source>Three of a Kind Default = 2</source>
        <translation>Drie gelijke, standaard 2</translation>
    </message>
    <message>
        <source>Straight Multiplier Default = 3</source>
        <translation>Straat, standaard 3</translation>
    </message>
    <message>
        <source>Flush Multiplier Default = 4</source>
        <translation>Flush, standaard 4</translation>
    </message>
    <message>
        <source>Full House Multiplier Default = 7 </source>
        <extracomment>The blank at the end is the design&apos;s.</extracomment>
        <translation>Full house, standaard 7 </translation>
    </message>
    <message>
        <source>Four of a Kind Multiplier Default = 11</source>
        <translation>Carré, standaard 11</translation>
    </message>
    <message>
        <source>Straight Flush Multiplier Default = 49</source>
        <translation>Straight flush, standaard 49</translation>
    </message>
    <message>
        <source>Royal Flush Multiplier Default = 99</source>
        <translation>Royal flush, standaard 99</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <extracomment>The hand a pay line pays, as a screen reader names its multiplier field.</extracomment>
        <translation>Boeren of hoger</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Twee paar</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drie gelijke</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straat</translation>
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
        <translation>Carré</translation>
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
        <translation>Uitbetalingen en geluiden instellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Sound%1</source>
        <extracomment>The button that chooses the sound of pay line %1 (1 to 9).</extracomment>
        <translation>Geluid %1</translation>
    </message>
    <message>
        <source>Your winning bets are multiplied by the values you select.  Sound Buttons let you choose a .WAV sound file.  Cancel and OK buttons will not effect sounds.</source>
        <extracomment>Word-wrapped in a narrow box at the dialog&apos;s right; the English has two blanks after each full stop. &quot;effect&quot; is the design&apos;s word.</extracomment>
        <translation>Winsten worden vermenigvuldigd met de gekozen waarden.  Met de knoppen Geluid kies je een .WAV-bestand.  Annuleren en OK wijzigen de geluiden niet.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <extracomment>What a screen reader says of a sound button; %1 is the hand (Flush).</extracomment>
        <translation>Geluid voor %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Payout values have been updated</source>
        <translation>De uitbetalingswaarden zijn bijgewerkt</translation>
    </message>
    <message>
        <source>Cancelled. No changes were made to the payoff values</source>
        <translation>Geannuleerd. De uitbetalingswaarden zijn niet gewijzigd</translation>
    </message>
    <message>
        <source>Windows WAV files (*.WAV)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in brackets, (*.WAV), as it is.</extracomment>
        <translation>Windows-WAV-bestanden (*.WAV)</translation>
    </message>
    <message>
        <source>%1 Multiplier Default = %2</source>
        <extracomment>The caption beside the multiplier of a pay line of a game other than Jacks or Better: %1 is the line&apos;s name, %2 its multiplier in the game&apos;s default table.</extracomment>
        <translation>%1 Vermenigvuldiger standaard = %2</translation>
    </message>
</context>
<context>
    <name>TSessionChart</name>
    <message>
        <source>Total after each hand</source>
        <translation>Totaal na elke hand</translation>
    </message>
    <message>
        <source>No hands yet</source>
        <translation>Nog geen handen</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>a list</source>
        <translation>een lijst</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>proces %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is not a lock this program can read, and it stayed for %1</source>
        <translation>het is geen vergrendeling die dit programma kan lezen, en die bleef %1 staan</translation>
    </message>
    <message>
        <source>a program that has ended left it, and it can&apos;t be removed</source>
        <translation>een beëindigd programma heeft die achtergelaten, en die kan niet worden verwijderd</translation>
    </message>
    <message>
        <source>another Lumaro</source>
        <translation>een andere Lumaro</translation>
    </message>
    <message>
        <source>another program (%1)</source>
        <translation>een ander programma (%1)</translation>
    </message>
    <message>
        <source>%1%2 is saving (lock held for %3)</source>
        <translation>%1%2 is aan het opslaan (vergrendeling %3 vastgehouden)</translation>
    </message>
    <message>
        <source>no lock file can be created in it</source>
        <translation>er kan geen vergrendelingsbestand in worden gemaakt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the lock file can&apos;t be written</source>
        <translation>het vergrendelingsbestand kan niet worden geschreven</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Kan sleutel %1 niet maken</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ongeldig gegevenstype voor &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Kan gegevens voor &apos;%1&apos; niet instellen</translation>
    </message>
    <message>
        <source>Failed to set data for %1</source>
        <translation>Kan gegevens voor %1 niet instellen</translation>
    </message>
    <message>
        <source>Failed to get data for %1</source>
        <translation>Kan gegevens voor %1 niet ophalen</translation>
    </message>
    <message>
        <source>you have no permission to read it</source>
        <translation>je hebt geen toestemming om het te lezen</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>de map is alleen-lezen</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>je schijfquotum is op</translation>
    </message>
    <message>
        <source>the file would be larger than the system allows</source>
        <translation>het bestand zou groter worden dan het systeem toestaat</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>de schijf meldde een invoer-/uitvoerfout</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>de naam is te lang</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>de koppelingen lopen in een kring rond</translation>
    </message>
    <message>
        <source>a folder on its path is a file</source>
        <translation>een map op het pad is een bestand</translation>
    </message>
    <message>
        <source>no file can be created in it</source>
        <translation>er kan geen bestand in worden gemaakt</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>het bestaat niet</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is a file, not a folder</source>
        <translation>het is een bestand, geen map</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>Besturingselement &apos;%1&apos; heeft geen bovenliggend venster</translation>
    </message>
</context>
</TS>
