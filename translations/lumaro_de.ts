<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CardSpokenName</name>
    <message>
        <source>Ace</source>
        <extracomment>A card&apos;s rank, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Spades</source>
        <extracomment>A card&apos;s suit, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card as a screen reader names it: %1 is its rank (Ace, 10, Queen), %2 its suit.</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <extracomment>The back of a card, one of nine designs (%1 is 1 to 9).</extracomment>
        <translation>Kartenrücken %1</translation>
    </message>
    <message>
        <source>Lumaro title card</source>
        <extracomment>The card shown before the first deal, with the game&apos;s title.</extracomment>
        <translation>Lumaro-Titelkarte</translation>
    </message>
</context>
<context>
    <name>ShowErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TAdvicePage</name>
    <message>
        <source>Holds, best first</source>
        <translation>Haltungen, beste zuerst</translation>
    </message>
    <message>
        <source>Hold best</source>
        <translation>Beste halten</translation>
    </message>
    <message>
        <source>Marks the best hold (key B)</source>
        <translation>Markiert die beste Haltung (Taste B)</translation>
    </message>
    <message>
        <source>Show all 32</source>
        <translation>Alle 32 zeigen</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Holds are shown after the draw; no money moves</source>
        <translation>Die Haltungen werden nach dem Ziehen gezeigt; es fließt kein Geld</translation>
    </message>
    <message>
        <source>Warn before Draw</source>
        <translation>Vor dem Ziehen warnen</translation>
    </message>
    <message>
        <source>In practice, asks before a draw with a hold that is not a best one</source>
        <translation>Fragt in der Übung vor dem Ziehen nach, wenn die Haltung nicht die beste ist</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
</context>
<context>
    <name>TAdvisor</name>
    <message>
        <source>nothing</source>
        <extracomment>What the player holds when no card is held: &quot;Your hold: nothing&quot;.</extracomment>
        <translation>nichts</translation>
    </message>
    <message>
        <source>Return with best play: computing...</source>
        <translation>Quote bei optimalem Spiel: wird berechnet...</translation>
    </message>
    <message>
        <source>Return with best play: %1 %</source>
        <extracomment>%1 is a percentage with two decimals, &quot;92.70&quot;.</extracomment>
        <translation>Quote bei optimalem Spiel: %1 %</translation>
    </message>
    <message>
        <source>Return with best play: not available (%1)</source>
        <extracomment>%1 is why the return could not be counted.</extracomment>
        <translation>Quote bei optimalem Spiel: nicht verfügbar (%1)</translation>
    </message>
    <message>
        <source>Your hold: %1, a best hold</source>
        <translation>Ihre Haltung: %1, eine der besten</translation>
    </message>
    <message>
        <source>Your hold: %1, rank %2 of %3, gives up %4 coins</source>
        <extracomment>%1 the held cards, %2 the hold&apos;s rank among the %3 holds, %4 the coins it gives up.</extracomment>
        <translation>Ihre Haltung: %1, Rang %2 von %3, verschenkt %4 Münzen</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Optimales Spiel</translation>
    </message>
    <message>
        <source>You held %1 (expected %2), best was %3 (expected %4): this choice cost %5 coins on average</source>
        <extracomment>After the draw. %1 the cards held and %2 what they were expected to pay, in coins; %3 and %4 the same for the best hold; %5 the coins the choice cost.</extracomment>
        <translation>Sie hielten %1 (erwartet %2), am besten war %3 (erwartet %4): Diese Wahl kostete im Schnitt %5 Münzen</translation>
    </message>
    <message>
        <source>Dealt %1, bet %2:</source>
        <extracomment>Over the list of holds after the draw: %1 the five cards dealt, %2 the bet.</extracomment>
        <translation>Gegeben %1, Einsatz %2:</translation>
    </message>
    <message>
        <source>Holding %1 gives up %2 coins on average. The best hold is %3 (expected %4 against %5).</source>
        <extracomment>Asked before a draw in practice. %1 the cards held, %2 the coins that gives up, %3 the best hold, %4 what it is expected to pay, %5 what the player&apos;s hold is expected to pay.</extracomment>
        <translation>Diese Haltung (%1) verschenkt im Schnitt %2 Münzen. Die beste Haltung ist %3 (erwartet %4 statt %5).</translation>
    </message>
    <message>
        <source>Hands: %1</source>
        <translation>Hände: %1</translation>
    </message>
    <message>
        <source>Best holds: %1 of %2 (%3 %)</source>
        <extracomment>%1 of %2 holds were best ones, %3 per cent of them.</extracomment>
        <translation>Beste Haltungen: %1 von %2 (%3 %)</translation>
    </message>
    <message>
        <source>Cost of mistakes: %1 coins</source>
        <translation>Kosten der Fehler: %1 Münzen</translation>
    </message>
    <message>
        <source>Return: no hands yet</source>
        <translation>Quote: noch keine Hände</translation>
    </message>
    <message>
        <source>Return: yours %1 %, best %2 %</source>
        <extracomment>The return of the player&apos;s holds and of the best ones, percentages with two decimals.</extracomment>
        <translation>Quote: Ihre %1 %, optimal %2 %</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Strategieberater</translation>
    </message>
    <message>
        <source>Advisor pages</source>
        <translation>Seiten des Beraters</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Rat</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Strategietabelle</translation>
    </message>
    <message>
        <source>&amp;Draw anyway</source>
        <translation>Trotzdem &amp;ziehen</translation>
    </message>
    <message>
        <source>&amp;Change hold</source>
        <translation>Haltung &amp;ändern</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>computing...</source>
        <translation>wird berechnet...</translation>
    </message>
    <message>
        <source>Deal a hand to see its best holds.</source>
        <translation>Geben Sie eine Hand, um ihre besten Haltungen zu sehen.</translation>
    </message>
    <message>
        <source>Holds, best first:</source>
        <translation>Haltungen, beste zuerst:</translation>
    </message>
    <message>
        <source>Practice: the best holds are shown after the draw.</source>
        <translation>Übung: Die besten Haltungen werden nach dem Ziehen gezeigt.</translation>
    </message>
    <message>
        <source>Your hold: %1</source>
        <translation>Ihre Haltung: %1</translation>
    </message>
    <message>
        <source>Holds for a bet of %1, best first:</source>
        <translation>Haltungen bei Einsatz %1, beste zuerst:</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Geben Sie eine Hand, um ihre Zeile zu sehen.</translation>
    </message>
    <message>
        <source>Practice: the line is shown after the draw.</source>
        <translation>Übung: Die Zeile wird nach dem Ziehen gezeigt.</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>The advisor&apos;s page with the pay table of the game in force.</extracomment>
        <translation>Gewinntabelle</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bankroll is a whole number of bets, at least 1.</source>
        <translation>Die Bankroll ist eine ganze Zahl von Einsätzen, mindestens 1.</translation>
    </message>
    <message>
        <source>The bankroll is at most %1 bets.</source>
        <translation>Die Bankroll beträgt höchstens %1 Einsätze.</translation>
    </message>
    <message>
        <source>The bet is a whole number of coins from %1 to %2.</source>
        <translation>Der Einsatz ist eine ganze Zahl von Münzen von %1 bis %2.</translation>
    </message>
    <message>
        <source>The hands are a whole number, at least 1.</source>
        <translation>Die Zahl der Hände ist eine ganze Zahl, mindestens 1.</translation>
    </message>
    <message>
        <source>At most %1 hands are counted.</source>
        <translation>Es werden höchstens %1 Hände gezählt.</translation>
    </message>
    <message>
        <source>no chance</source>
        <translation>keine Chance</translation>
    </message>
    <message>
        <source>certain</source>
        <translation>sicher</translation>
    </message>
    <message>
        <source>1 chance in %1</source>
        <translation>1 von %1</translation>
    </message>
    <message>
        <source>%1 chances in %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>almost certain</source>
        <translation>fast sicher</translation>
    </message>
    <message>
        <source>Waiting for the game&apos;s odds...</source>
        <translation>Warten auf die Gewinnchancen des Spiels...</translation>
    </message>
    <message>
        <source>Bets:</source>
        <translation>Einsätze:</translation>
    </message>
    <message>
        <source>Bankroll in bets</source>
        <translation>Bankroll in Einsätzen</translation>
    </message>
    <message>
        <source>Bet in coins</source>
        <translation>Einsatz in Münzen</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Bankroll:</translation>
    </message>
    <message>
        <source>Bet:</source>
        <translation>Einsatz:</translation>
    </message>
    <message>
        <source>Hands:</source>
        <translation>Hände:</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>Use my total, %1 coins</source>
        <translation>Mein Guthaben, %1 Münzen</translation>
    </message>
    <message>
        <source>Your total of %1 coins is less than one bet.</source>
        <translation>Ihr Guthaben von %1 Münzen ist weniger als ein Einsatz.</translation>
    </message>
    <message>
        <source>= %1 coins</source>
        <translation>= %1 Münzen</translation>
    </message>
    <message>
        <source>The figures wait for the fields marked above.</source>
        <translation>Die Zahlen warten auf die oben markierten Felder.</translation>
    </message>
    <message>
        <source>The figures could not be counted (%1).</source>
        <translation>Die Zahlen konnten nicht gezählt werden (%1).</translation>
    </message>
    <message>
        <source>Counting the figures...</source>
        <translation>Die Zahlen werden gezählt...</translation>
    </message>
    <message>
        <source>Counting the game&apos;s odds...</source>
        <translation>Die Gewinnchancen des Spiels werden gezählt...</translation>
    </message>
    <message>
        <source>%1 bets (%2 coins)</source>
        <extracomment>%1 a number of bets, %2 the same in coins, both signed: &quot;-12.5 bets (-62 coins)&quot;</extracomment>
        <translation>%1 Einsätze (%2 Münzen)</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers</source>
        <translation>Buben oder besser mit Ihren Faktoren</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers: %1% return under best play</source>
        <extracomment>%1 the return in per cent with two decimals: &quot;99.54&quot;</extracomment>
        <translation>Buben oder besser mit Ihren Faktoren: %1% Auszahlungsquote bei optimalem Spiel</translation>
    </message>
    <message numerus="yes">
        <source>A bankroll of %n bets of %1 coins (%2 coins), best play throughout:</source>
        <extracomment>%n the bankroll in bets, %1 the bet, %2 the bankroll in coins</extracomment>
        <translation>
            <numerusform>Eine Bankroll von %n Einsatz zu %1 Münzen (%2 Münzen), stets optimales Spiel:</numerusform>
            <numerusform>Eine Bankroll von %n Einsätzen zu %1 Münzen (%2 Münzen), stets optimales Spiel:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Losing the whole bankroll within %n hands: %1 (%2)</source>
        <extracomment>%1 a chance in words (&quot;1 chance in 12&quot;), %2 the same in per cent</extracomment>
        <translation>
            <numerusform>Die ganze Bankroll innerhalb von %n Hand verlieren: %1 (%2)</numerusform>
            <numerusform>Die ganze Bankroll innerhalb von %n Händen verlieren: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ahead after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>Im Plus nach %n Hand: %1 (%2)</numerusform>
            <numerusform>Im Plus nach %n Händen: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Even after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>Ausgeglichen nach %n Hand: %1 (%2)</numerusform>
            <numerusform>Ausgeglichen nach %n Händen: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Behind after %n hands, ruin included: %1 (%2)</source>
        <translation>
            <numerusform>Im Minus nach %n Hand, Ruin eingeschlossen: %1 (%2)</numerusform>
            <numerusform>Im Minus nach %n Händen, Ruin eingeschlossen: %1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Expected result: %1</source>
        <translation>Erwartetes Ergebnis: %1</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>über %1</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or lower (5th percentile)</source>
        <translation>1 Sitzung von 20 endet bei %1 oder darunter (5. Perzentil)</translation>
    </message>
    <message>
        <source>Half the sessions end at %1 or lower (median)</source>
        <translation>Die Hälfte der Sitzungen endet bei %1 oder darunter (Median)</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or higher (95th percentile)</source>
        <translation>1 Sitzung von 20 endet bei %1 oder darüber (95. Perzentil)</translation>
    </message>
    <message>
        <source>Standard deviation of the result: %1 bets (%2 coins)</source>
        <translation>Standardabweichung des Ergebnisses: %1 Einsätze (%2 Münzen)</translation>
    </message>
    <message>
        <source>Chance of ruin against hands played</source>
        <translation>Ruinwahrscheinlichkeit nach gespielten Händen</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Gespielte Hände</translation>
    </message>
    <message>
        <source>Chance of each result</source>
        <translation>Wahrscheinlichkeit jedes Ergebnisses</translation>
    </message>
    <message>
        <source>Result in bets</source>
        <translation>Ergebnis in Einsätzen</translation>
    </message>
    <message numerus="yes">
        <source>After %n hands: %1 chance of ruin</source>
        <translation>
            <numerusform>Nach %n Hand: %1 Ruinwahrscheinlichkeit</numerusform>
            <numerusform>Nach %n Händen: %1 Ruinwahrscheinlichkeit</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bets or less: %2</source>
        <translation>%1 Einsätze oder weniger: %2</translation>
    </message>
    <message>
        <source>%1 bets or more: %2</source>
        <translation>%1 Einsätze oder mehr: %2</translation>
    </message>
    <message>
        <source>%1 bets: %2</source>
        <translation>%1 Einsätze: %2</translation>
    </message>
    <message>
        <source>%1 to %2 bets: %3</source>
        <translation>%1 bis %2 Einsätze: %3</translation>
    </message>
    <message>
        <source>Ruined, the whole bankroll lost: %1</source>
        <translation>Ruiniert, die ganze Bankroll verloren: %1</translation>
    </message>
    <message numerus="yes">
        <source>Chance of each result after %n hands</source>
        <translation>
            <numerusform>Wahrscheinlichkeit jedes Ergebnisses nach %n Hand</numerusform>
            <numerusform>Wahrscheinlichkeit jedes Ergebnisses nach %n Händen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 with your multipliers</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;</extracomment>
        <translation>%1 mit Ihren Faktoren</translation>
    </message>
    <message>
        <source>%1 with your multipliers: %2% return under best play</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;; %2 the return in per cent with two decimals: &quot;100.76&quot;</extracomment>
        <translation>%1 mit Ihren Faktoren: %2% Auszahlungsquote bei optimalem Spiel</translation>
    </message>
    <message>
        <source>almost no chance</source>
        <translation>so gut wie keine Chance</translation>
    </message>
</context>
<context>
    <name>TChartList</name>
    <message>
        <source>Chart lines</source>
        <translation>Zeilen der Strategietabelle</translation>
    </message>
    <message>
        <source>Marked: line %1, %2</source>
        <translation>Markiert: Zeile %1, %2</translation>
    </message>
    <message>
        <source>nothing held</source>
        <translation>nichts gehalten</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>%1 gehalten</translation>
    </message>
    <message>
        <source>%1, %2 drawn</source>
        <extracomment>%1 the cards held (&quot;Ace of Spades, King of Spades held&quot;), %2 those drawn.</extracomment>
        <translation>%1, %2 getauscht</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals. The dealt hand&apos;s line</source>
        <extracomment>A line of the strategy chart as a screen reader says it: %1 its number, %2 the hold it names, %3 an example deal, %4 the share of all deals it decides (&quot;12.345 %&quot;).</extracomment>
        <translation>Zeile %1: %2. Beispiel: %3. Gilt für %4 aller Blätter. Die Zeile der gegebenen Hand</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals</source>
        <translation>Zeile %1: %2. Beispiel: %3. Gilt für %4 aller Blätter</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>building...</source>
        <translation>wird erstellt...</translation>
    </message>
    <message>
        <source>Pay table, Jacks or Better to Royal Flush: %1</source>
        <extracomment>%1 the nine multipliers of the pay table, &quot;0,1,2,3,4,6,9,25,50,800&quot;.</extracomment>
        <translation>Gewinntabelle, Buben oder besser bis Royal Flush: %1</translation>
    </message>
    <message>
        <source>Lumaro strategy chart</source>
        <translation>Lumaro-Strategietabelle</translation>
    </message>
    <message>
        <source>1 line</source>
        <extracomment>How many lines the chart has.</extracomment>
        <translation>1 Zeile</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>Return holding by the chart: %1% (%2)</source>
        <extracomment>%1 a percentage with four decimals, %2 how many lines the chart has (&quot;24 lines&quot;).</extracomment>
        <translation>Auszahlungsquote nach der Tabelle: %1 % (%2)</translation>
    </message>
    <message>
        <source>Return under optimal play: %1%</source>
        <translation>Auszahlungsquote bei optimalem Spiel: %1 %</translation>
    </message>
    <message>
        <source>The chart gives up %1 points of return.</source>
        <extracomment>%1 the points of return the chart gives up, &quot;0.0010&quot;.</extracomment>
        <translation>Die Tabelle verschenkt %1 Prozentpunkte.</translation>
    </message>
    <message>
        <source>A line naming a whole family takes the first that fits, in this order:</source>
        <translation>Eine Zeile, die eine ganze Gruppe nennt, nimmt die erste passende in dieser Reihenfolge:</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <source>Prints the chart, laid out for paper</source>
        <translation>Druckt die Tabelle, für Papier gesetzt</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern …</translation>
    </message>
    <message>
        <source>Writes the chart, laid out for paper, to a PDF file</source>
        <translation>Schreibt die Tabelle, für Papier gesetzt, in eine PDF-Datei</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Geben Sie eine Hand, um ihre Zeile zu sehen.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Chart for %1</source>
        <translation>Tabelle für %1</translation>
    </message>
    <message>
        <source>Strategy chart</source>
        <translation>Strategietabelle</translation>
    </message>
    <message>
        <source>Chart: %1 %, %2
Best play: %3 %
The chart gives up %4 points</source>
        <extracomment>Three lines: the chart&apos;s return (%1, a percentage with four decimals; %2 its lines, &quot;24 lines&quot;), the return of the best play (%3) and the difference (%4, &quot;0.0010&quot;).</extracomment>
        <translation>Tabelle: %1 %, %2
Optimales Spiel: %3 %
Die Tabelle verschenkt %4 Punkte</translation>
    </message>
    <message>
        <source>Chart: not available (%1)</source>
        <translation>Tabelle: nicht verfügbar (%1)</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Tabelle: %1</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>Dealt %1: %2</source>
        <translation>Gegeben %1: %2</translation>
    </message>
    <message>
        <source>Dealt %1: no line fits, hold nothing</source>
        <translation>Gegeben %1: keine Zeile passt, nichts halten</translation>
    </message>
    <message>
        <source>Dealt %1: line %2</source>
        <translation>Gegeben %1: Zeile %2</translation>
    </message>
    <message>
        <source>There is no chart to save yet</source>
        <translation>Es gibt noch keine Tabelle zum Speichern</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1</source>
        <translation>Die PDF-Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Save the chart as PDF</source>
        <translation>Tabelle als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Print the strategy chart</source>
        <translation>Strategietabelle drucken</translation>
    </message>
    <message>
        <source>The chart could not be printed</source>
        <translation>Die Tabelle konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Lumaro strategy chart, page %1</source>
        <translation>Lumaro-Strategietabelle, Seite %1</translation>
    </message>
    <message>
        <source>Hold the first line that fits the hand; of the holds a line names, the first that fits.</source>
        <translation>Halten Sie die erste Zeile, die zur Hand passt; von den Haltungen, die eine Zeile nennt, die erste passende.</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column headings of the printed chart: the line&apos;s number, the hold it names, an example deal, and the share of all deals the line decides.</extracomment>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Haltung</translation>
    </message>
    <message>
        <source>Deals</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Example (held | drawn)</source>
        <translation>Beispiel (gehalten | getauscht)</translation>
    </message>
    <message>
        <source>Pay table of %1, %2 to %3: %4</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 its lowest line (&quot;Three of a Kind&quot;), %3 its highest (&quot;Natural Royal Flush&quot;), %4 the multipliers of its lines, lowest first.</extracomment>
        <translation>Auszahlungstabelle von %1, %2 bis %3: %4</translation>
    </message>
    <message>
        <source>Lumaro strategy chart for %1</source>
        <extracomment>The printed chart&apos;s title; %1 the game&apos;s name, &quot;Deuces Wild&quot;.</extracomment>
        <translation>Lumaro-Strategietabelle für %1</translation>
    </message>
    <message>
        <source>%1: chart for %2</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 the multipliers of its lines, lowest first.</extracomment>
        <translation>%1: Tabelle für %2</translation>
    </message>
</context>
<context>
    <name>TChooseGameDialog</name>
    <message>
        <source>Choose Game</source>
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <source>Choose a game and its pay table. Each table shows what it pays for 1 coin, lowest hand first, and its return under best play. A new game starts a new session.</source>
        <translation>Wählen Sie ein Spiel und seine Gewinntabelle. Jede Tabelle zeigt, was sie für 1 Münze zahlt, das niedrigste Blatt zuerst, und ihre Rückzahlung bei bestem Spiel. Ein neues Spiel beginnt eine neue Sitzung.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Game and table</source>
        <translation>Spiel und Tabelle</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Rückzahlung</translation>
    </message>
    <message>
        <source>Pays for 1</source>
        <translation>Zahlt für 1</translation>
    </message>
    <message>
        <source>counting…</source>
        <extracomment>The return of a table while it is being counted.</extracomment>
        <translation>wird gezählt …</translation>
    </message>
    <message>
        <source>my own table</source>
        <extracomment>The row of the player&apos;s own pay table of a game (for Jacks or Better, the one set in Payouts Options).</extracomment>
        <translation>meine eigene Tabelle</translation>
    </message>
    <message>
        <source>not counted</source>
        <extracomment>The return of a table that could not be counted (out of memory).</extracomment>
        <translation>nicht gezählt</translation>
    </message>
</context>
<context>
    <name>TGameNames</name>
    <message>
        <source>Jacks or Better</source>
        <extracomment>A game&apos;s name, in the Choose Game dialog and atop the pay table.</extracomment>
        <translation>Buben oder besser</translation>
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
        <translation>Asse und Bilder</translation>
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
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
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
        <translation>Vierling</translation>
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
        <translation>Vierling 5 bis K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A pay line: four twos, threes or fours.</extracomment>
        <translation>Vierling 2 bis 4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Vierling Asse</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four twos, threes or fours, the fifth card an ace, 2, 3 or 4.</extracomment>
        <translation>Vierling 2 bis 4 mit Beikarte A, 2, 3 oder 4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four aces, the fifth card a 2, 3 or 4.</extracomment>
        <translation>Vierling Asse mit Beikarte 2, 3 oder 4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A pay line: four of a kind of twos up to tens.</extracomment>
        <translation>Vierling 2 bis 10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A pay line: four jacks, queens or kings.</extracomment>
        <translation>Vierling Buben bis Könige</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>Deuces Wild&apos;s losing hand: less than three of a kind.</extracomment>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <extracomment>A pay line of the wild-card games: five cards of one rank, a wild card among them.</extracomment>
        <translation>Fünfling</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A pay line: a royal flush made with a wild card (a deuce or the joker).</extracomment>
        <translation>Royal Flush mit Wildcard</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>Deuces Wild&apos;s pay line for the four 2s.</extracomment>
        <translation>Vier Zweien</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A pay line: a royal flush without a wild card.</extracomment>
        <translation>Natürlicher Royal Flush</translation>
    </message>
    <message>
        <source>Kings or Better</source>
        <extracomment>Joker Poker&apos;s lowest pay line: a pair of kings or aces.</extracomment>
        <translation>Könige oder besser</translation>
    </message>
</context>
<context>
    <name>TGameView</name>
    <message>
        <source>Draw</source>
        <extracomment>A hold panel under a card: the card is replaced at the draw.</extracomment>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>A hold panel under a card: the card stays at the draw.</extracomment>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Over</source>
        <extracomment>A hold panel under a card once the hand is settled.</extracomment>
        <translation>Vorbei</translation>
    </message>
    <message>
        <source>Player has No Pair </source>
        <extracomment>The hand after the draw. The blank at the end is the machine&apos;s own.</extracomment>
        <translation>Spieler hat kein Paar </translation>
    </message>
    <message>
        <source>Player has One Pair</source>
        <extracomment>The hand after the draw: a pair of tens or lower, which loses.</extracomment>
        <translation>Spieler hat ein Paar</translation>
    </message>
    <message>
        <source>Player has pair of Jacks or Better</source>
        <extracomment>The hand after the draw: a pair of jacks, queens, kings or aces, which pays.</extracomment>
        <translation>Spieler hat ein Paar Buben oder besser</translation>
    </message>
    <message>
        <source>Player has Two Pair</source>
        <translation>Spieler hat zwei Paare</translation>
    </message>
    <message>
        <source>Player has Three of a Kind</source>
        <translation>Spieler hat einen Drilling</translation>
    </message>
    <message>
        <source>Player has a Straight</source>
        <translation>Spieler hat eine Straße</translation>
    </message>
    <message>
        <source>Player has a Flush</source>
        <translation>Spieler hat einen Flush</translation>
    </message>
    <message>
        <source>Player has a Full House</source>
        <translation>Spieler hat ein Full House</translation>
    </message>
    <message>
        <source>Wow! Four of a Kind</source>
        <translation>Wow! Vierling</translation>
    </message>
    <message>
        <source>Wow! Straight Flush</source>
        <translation>Wow! Straight Flush</translation>
    </message>
    <message>
        <source>Wow! Royal Flush</source>
        <translation>Wow! Royal Flush</translation>
    </message>
    <message>
        <source>You Lost Total is now %1</source>
        <extracomment>A hand lost; %1 is the total after it.</extracomment>
        <translation>Verloren. Guthaben jetzt %1</translation>
    </message>
    <message>
        <source>You Win Total is now %1</source>
        <extracomment>A win paid at multiplier 0 (the bet comes back); %1 is the total.</extracomment>
        <translation>Gewonnen! Guthaben jetzt %1</translation>
    </message>
    <message>
        <source>*Bonus* %1X  Paid You Win! Total is now %2</source>
        <extracomment>A win: %1 is the multiplier plus one (the stake comes back with it), as in &quot;*Bonus* 8X&quot;; %2 is the total after it.</extracomment>
        <translation>*Bonus* %1-fach! Gewonnen! Guthaben jetzt %2</translation>
    </message>
    <message>
        <source>Practice hand: no money moves</source>
        <extracomment>The second message line while a practice hand is played.</extracomment>
        <translation>Übungshand: Es geht um kein Geld</translation>
    </message>
    <message>
        <source>Practice hand: it would cost %1. Total stays %2</source>
        <extracomment>A practice hand that lost: %1 is the bet it would have cost, %2 the total.</extracomment>
        <translation>Übungshand: hätte %1 gekostet. Guthaben bleibt %2</translation>
    </message>
    <message>
        <source>Practice hand: it would pay %1. Total stays %2</source>
        <extracomment>A practice hand that won: %1 is what it would have paid, %2 the total.</extracomment>
        <translation>Übungshand: hätte %1 gezahlt. Guthaben bleibt %2</translation>
    </message>
    <message>
        <source>Practice hand: the bet would come back. Total stays %1</source>
        <extracomment>A practice hand won at multiplier 0; %1 is the total.</extracomment>
        <translation>Übungshand: Einsatz käme zurück. Guthaben bleibt %1</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1 Total Pairs =%2</source>
        <extracomment>The first statistics line: %n hands won, %1 hands lost, %2 one-pair hands (paying or not).</extracomment>
        <translation>
            <numerusform>Gewonnen %n Hand, verloren %1, Paare gesamt =%2</numerusform>
            <numerusform>Gewonnen %n Hände, verloren %1, Paare gesamt =%2</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands Two Pair=%1</source>
        <extracomment>The second statistics line starts with this when two pair has come up (%1 times); the items below follow it, each with its own leading blank.</extracomment>
        <translation>Hohe Blätter: Zwei Paare=%1</translation>
    </message>
    <message>
        <source> 3 of a Kind=%1</source>
        <extracomment>An item of the second statistics line: the hand and how often it came up. Keep the leading blank: it parts the items.</extracomment>
        <translation> Drillinge=%1</translation>
    </message>
    <message>
        <source> Straights=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Straßen=%1</translation>
    </message>
    <message>
        <source> Flushs=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Flushes=%1</translation>
    </message>
    <message>
        <source> Full House=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Full House=%1</translation>
    </message>
    <message>
        <source> 4 of a Kind=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Vierlinge=%1</translation>
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
        <translation>Kein Paar</translation>
    </message>
    <message>
        <source>Pairs</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Paare</translation>
    </message>
    <message>
        <source>2 Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>2 Paare</translation>
    </message>
    <message>
        <source>3 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Straight</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Straße</translation>
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
        <translation>Vierling</translation>
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
        <translation>Spieler hat %t</translation>
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
            <numerusform>Gewonnen %n Hand, verloren %1</numerusform>
            <numerusform>Gewonnen %n Hände, verloren %1</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands</source>
        <extracomment>The second statistics line of a game other than Jacks or Better starts with this when a winning hand has come up; its items follow.</extracomment>
        <translation>Hohe Blätter:</translation>
    </message>
    <message>
        <source> %t=%1</source>
        <extracomment>An item of the second statistics line: the pay line&apos;s name (%t) and how often it came up (%1). Keep the leading blank: it parts the items.</extracomment>
        <translation> %t=%1</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: the count of Deuces Wild&apos;s losing hands.</extracomment>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: four of a kind of fives up to kings.</extracomment>
        <translation>Vierling 5-K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos, threes or fours.</extracomment>
        <translation>Vierling 2-4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <extracomment>A column heading of the statistics grid (a narrow column).</extracomment>
        <translation>Vierling Asse</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos, threes or fours with an ace, 2, 3 or 4 as fifth card. A short form is welcome.</extracomment>
        <translation>Vierling 2-4 + A-4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four aces with a 2, 3 or 4 as fifth card. A short form is welcome.</extracomment>
        <translation>Vierling A + 2-4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos up to tens.</extracomment>
        <translation>Vierling 2-10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four jacks, queens or kings.</extracomment>
        <translation>Vierling J-K</translation>
    </message>
    <message>
        <source>5 of a Kind</source>
        <extracomment>A column heading of the statistics grid (a narrow column): five of a kind.</extracomment>
        <translation>Fünfling</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush made with a wild card.</extracomment>
        <translation>Wild Royal Flush</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>A column heading of the statistics grid (a narrow column): Deuces Wild&apos;s four 2s.</extracomment>
        <translation>Vier Zweien</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush without a wild card.</extracomment>
        <translation>Nat. Royal Flush</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Dealt %1</source>
        <translation>Gegeben: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A card and what happens to it, as a screen reader says it: &quot;Ace of Spades: Hold&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Guthaben %1</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Winning hand</source>
        <translation>Gewinnhand</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>held</source>
        <translation>gehalten</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Draw Additional Cards</source>
        <translation>Neue Karten ziehen</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Winning Percentage</source>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Klang an</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Klang aus</translation>
    </message>
    <message>
        <source>Lumaro for Windows 95</source>
        <translation>Lumaro for Windows 95</translation>
    </message>
    <message>
        <source>Set Total</source>
        <translation>Guthaben setzen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Piechart</source>
        <translation>Kreisdiagramm</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Payouts Options</source>
        <translation>Auszahlungen</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Strategieberater</translation>
    </message>
    <message>
        <source>Lumaro for Windows 95 Version %1</source>
        <translation>Lumaro for Windows 95 Version %1</translation>
    </message>
    <message>
        <source>Window pages</source>
        <translation>Fensterseiten</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Lumaro Strategy Advisor</source>
        <translation>Lumaro-Strategieberater</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then replay.</source>
        <translation>Ziehen Sie zuerst die laufende Hand, dann spielen Sie nach.</translation>
    </message>
    <message>
        <source>The hand to replay is not five different cards</source>
        <translation>Die nachzuspielende Hand besteht nicht aus fünf verschiedenen Karten</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>Hold or draw card %1 (key %1)</source>
        <translation>Karte %1 halten oder tauschen (Taste %1)</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>label</comment>
        <extracomment>The label beside the total&apos;s panel: room for about six letters.</extracomment>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Choose Game…</source>
        <translation>Spiel wählen …</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>Shows the pay table beside the game also where the screen has no room to spare (the game is drawn smaller then).</extracomment>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then choose a game.</source>
        <translation>Ziehen Sie erst die laufende Hand, dann wählen Sie ein Spiel.</translation>
    </message>
</context>
<context>
    <name>THandHistory</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1; its folder is read-only</source>
        <translation>%1; sein Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its schema version %1 is not one Lumaro writes</source>
        <translation>seine Schemaversion %1 ist keine, die Lumaro schreibt</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing (package libqt6sql6-sqlite)</source>
        <translation>Der SQLite-Treiber von Qt fehlt (Paket libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>The hand history %1 could not be opened (%2); hands are not recorded</source>
        <translation>Der Handverlauf %1 konnte nicht geöffnet werden (%2); Hände werden nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>its tables are not a hand history&apos;s (%1)</source>
        <translation>seine Tabellen sind nicht die eines Handverlaufs (%1)</translation>
    </message>
    <message>
        <source>the folder %1 can&apos;t be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is not a hand history</source>
        <translation>er ist kein Handverlauf</translation>
    </message>
    <message>
        <source>it failed SQLite&apos;s quick check: %1</source>
        <translation>er besteht die Schnellprüfung von SQLite nicht: %1</translation>
    </message>
    <message>
        <source>it can&apos;t be written (no WAL journal)</source>
        <translation>er kann nicht geschrieben werden (kein WAL-Journal)</translation>
    </message>
    <message>
        <source>another program is writing it (%1)</source>
        <translation>ein anderes Programm schreibt gerade hinein (%1)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Lumaro (schema version %1)</source>
        <translation>er wurde von einer neueren Lumaro-Version geschrieben (Schemaversion %1)</translation>
    </message>
    <message>
        <source>The hand history %1 was written by a newer version of Lumaro; it is left as it is and hands are not recorded</source>
        <translation>Der Handverlauf %1 wurde von einer neueren Lumaro-Version geschrieben; er bleibt, wie er ist, und Hände werden nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>%1, and it could not be moved aside</source>
        <translation>%1, und er konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2) and could not be moved aside; hands are not recorded</source>
        <translation>Der Handverlauf %1 ist beschädigt (%2) und konnte nicht beiseitegelegt werden; Hände werden nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2); it was moved to %3 and a new history was started</source>
        <translation>Der Handverlauf %1 ist beschädigt (%2); er wurde nach %3 verschoben und ein neuer Verlauf begonnen</translation>
    </message>
    <message>
        <source>its newest hands are in %1, which can&apos;t be read without %2 in a folder that can&apos;t be written</source>
        <translation>seine neuesten Hände stehen in %1, das sich ohne %2 in einem nicht beschreibbaren Ordner nicht lesen lässt</translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation>ein anderes Programm hält ihn gesperrt (%1)</translation>
    </message>
    <message>
        <source>it is damaged (%1); the game moves it aside when it starts</source>
        <translation>er ist beschädigt (%1); das Spiel legt ihn beim Start beiseite</translation>
    </message>
    <message>
        <source>it is in an older form (schema version %1): the game brings it up to date when it starts</source>
        <translation>er liegt in einer älteren Form vor (Schemaversion %1): Das Spiel bringt ihn beim Start auf den neuesten Stand</translation>
    </message>
    <message>
        <source>%1 could not be recorded in the hand history %2: another program kept it busy (%3); the hands recorded before are kept</source>
        <translation>Nicht im Handverlauf %2 aufgezeichnet: %1, da ein anderes Programm ihn belegt hielt (%3); die zuvor aufgezeichneten Hände bleiben erhalten</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 Hand</translation>
    </message>
    <message>
        <source>A hand could not be recorded in the hand history %1 (%2); the hands recorded before are kept</source>
        <translation>Eine Hand konnte nicht im Handverlauf %1 aufgezeichnet werden (%2); die zuvor aufgezeichneten Hände bleiben erhalten</translation>
    </message>
    <message>
        <source>The hand history %1 could not be read (%2)</source>
        <translation>Der Handverlauf %1 konnte nicht gelesen werden (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Hands are not recorded in the hand history %1 while another program keeps it busy (%2); %n hands wait for it</source>
        <translation>
            <numerusform>Hände werden nicht im Handverlauf %1 aufgezeichnet, solange ein anderes Programm ihn belegt (%2); %n Hand wartet darauf</numerusform>
            <numerusform>Hände werden nicht im Handverlauf %1 aufgezeichnet, solange ein anderes Programm ihn belegt (%2); %n Hände warten darauf</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n Hand</numerusform>
            <numerusform>%n Hände</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Lumaro Help</source>
        <translation>Lumaro-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The help viewer&apos;s button that goes to the help&apos;s first page.</extracomment>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The help viewer&apos;s button that goes back to the page shown before.</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The help file could not be opened.

Lumaro looks for QUORVEL.hlp beside the program and in its data folder (share/lumaro). The game itself is not affected.</source>
        <extracomment>Keep the file name QUORVEL.hlp and the folder share/lumaro as they are.</extracomment>
        <translation>Die Hilfedatei konnte nicht geöffnet werden.

Lumaro sucht QUORVEL.hlp neben dem Programm und in seinem Datenordner (share/lumaro). Das Spiel selbst ist davon nicht betroffen.</translation>
    </message>
</context>
<context>
    <name>THistoryPage</name>
    <message>
        <source>unnamed</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 Hand</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1-mal</translation>
    </message>
    <message>
        <source>Best play, last sessions</source>
        <translation>Optimales Spiel, letzte Sitzungen</translation>
    </message>
    <message>
        <source>No sessions yet</source>
        <translation>Noch keine Sitzungen</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Optimales Spiel</translation>
    </message>
    <message>
        <source>Cost/100</source>
        <translation>Kosten/100</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Costliest situations</source>
        <translation>Teuerste Situationen</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Gehalten</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Optimal</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Mistakes, newest first</source>
        <translation>Fehler, neueste zuerst</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Gegeben</translation>
    </message>
    <message>
        <source>The hand history could not be opened: %1.</source>
        <translation>Der Handverlauf konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>No hands recorded yet.</source>
        <translation>Noch keine Hände aufgezeichnet.</translation>
    </message>
    <message>
        <source>Played: %1, best play %2, cost %3 per 100 hands. Practice: %4.</source>
        <extracomment>%1 and %4 the hands played for money and in practice (&quot;21 hands&quot;), %2 the share of best holds (&quot;93.2 %&quot;), %3 the coins lost to mistakes.</extracomment>
        <translation>Gespielt: %1, optimales Spiel %2, Kosten %3 je 100 Hände. Übung: %4.</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>played</source>
        <translation>gespielt</translation>
    </message>
    <message>
        <source>Practice session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <extracomment>A session as a screen reader says it: %1 when it started, %2 its hands (&quot;21 hands&quot;), %3 the share of best holds, %4 the coins lost to mistakes.</extracomment>
        <translation>Übungssitzung, begonnen %1: %2, optimales Spiel %3, Kosten %4 je 100 Hände</translation>
    </message>
    <message>
        <source>Played session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <translation>Gespielte Sitzung, begonnen %1: %2, optimales Spiel %3, Kosten %4 je 100 Hände</translation>
    </message>
    <message>
        <source>%1 on average</source>
        <translation>%1 im Schnitt</translation>
    </message>
    <message>
        <source>Held %1 instead of %2: %3, cost %4</source>
        <extracomment>%1 and %2 the kinds of hold (&quot;low pair&quot;, &quot;four to a flush&quot;), %3 how often (&quot;3 times&quot;), %4 the coins it cost.</extracomment>
        <translation>%1 gehalten statt %2: %3, Kosten %4</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Nachspielen</translation>
    </message>
    <message>
        <source>Replay %1</source>
        <translation>%1 nachspielen</translation>
    </message>
    <message>
        <source>%1, bet %2, practice: %3 instead of %4</source>
        <extracomment>%1 when the hand was played, %2 its bet, %3 and %4 the kinds of hold held and best.</extracomment>
        <translation>%1, Einsatz %2, Übung: %3 statt %4</translation>
    </message>
    <message>
        <source>%1, bet %2: %3 instead of %4</source>
        <translation>%1, Einsatz %2: %3 statt %4</translation>
    </message>
    <message>
        <source>Cost %1: dealt %2, held %3, best %4</source>
        <translation>Kosten %1: gegeben %2, gehalten %3, optimal %4</translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n Hand</numerusform>
            <numerusform>%n Hände</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n-mal</numerusform>
            <numerusform>%n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A row of the hand history as a screen reader says it (%1), with its game&apos;s name (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
</context>
<context>
    <name>THoldList</name>
    <message>
        <source>Hold</source>
        <translation>Haltung</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Per coin</source>
        <translation>Je Münze</translation>
    </message>
    <message>
        <source>Discard everything</source>
        <translation>Alles tauschen</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>%1 halten</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best, your hold</source>
        <translation>%1: %2 je Münze, optimal, Ihre Haltung</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3, your hold</source>
        <translation>%1: %2 je Münze, kostet %3, Ihre Haltung</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best</source>
        <translation>%1: %2 je Münze, optimal</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3</source>
        <translation>%1: %2 je Münze, kostet %3</translation>
    </message>
</context>
<context>
    <name>THoldPattern</name>
    <message>
        <source>two pair or better</source>
        <translation>zwei Paare oder besser</translation>
    </message>
    <message>
        <source>high pair</source>
        <translation>hohes Paar</translation>
    </message>
    <message>
        <source>low pair</source>
        <translation>niedriges Paar</translation>
    </message>
    <message>
        <source>four to a royal flush</source>
        <translation>vier zum Royal Flush</translation>
    </message>
    <message>
        <source>four to a straight flush</source>
        <translation>vier zum Straight Flush</translation>
    </message>
    <message>
        <source>four to a flush</source>
        <translation>vier zum Flush</translation>
    </message>
    <message>
        <source>four to an outside straight</source>
        <translation>vier zur offenen Straße</translation>
    </message>
    <message>
        <source>four to an inside straight</source>
        <translation>vier zur Straße mit Lücke</translation>
    </message>
    <message>
        <source>three to a royal flush</source>
        <translation>drei zum Royal Flush</translation>
    </message>
    <message>
        <source>three to a straight flush</source>
        <translation>drei zum Straight Flush</translation>
    </message>
    <message>
        <source>three to a flush</source>
        <translation>drei zum Flush</translation>
    </message>
    <message>
        <source>three unsuited high cards</source>
        <translation>drei hohe Karten, ungleichfarbig</translation>
    </message>
    <message>
        <source>three to a straight</source>
        <translation>drei zur Straße</translation>
    </message>
    <message>
        <source>two suited high cards</source>
        <translation>zwei hohe Karten, gleichfarbig</translation>
    </message>
    <message>
        <source>ten with a suited high card</source>
        <translation>Zehn mit gleichfarbiger hoher Karte</translation>
    </message>
    <message>
        <source>two unsuited high cards</source>
        <translation>zwei hohe Karten, ungleichfarbig</translation>
    </message>
    <message>
        <source>one high card</source>
        <translation>eine hohe Karte</translation>
    </message>
    <message>
        <source>three of a kind and a kicker</source>
        <translation>Drilling mit Beikarte</translation>
    </message>
    <message>
        <source>three of a kind and two kickers</source>
        <translation>Drilling mit zwei Beikarten</translation>
    </message>
    <message>
        <source>two pair and a kicker</source>
        <translation>zwei Paare mit Beikarte</translation>
    </message>
    <message>
        <source>high pair and a kicker</source>
        <translation>hohes Paar mit Beikarte</translation>
    </message>
    <message>
        <source>high pair and two kickers</source>
        <translation>hohes Paar mit zwei Beikarten</translation>
    </message>
    <message>
        <source>high pair and three kickers</source>
        <translation>hohes Paar mit drei Beikarten</translation>
    </message>
    <message>
        <source>low pair and a kicker</source>
        <translation>niedriges Paar mit Beikarte</translation>
    </message>
    <message>
        <source>low pair and two kickers</source>
        <translation>niedriges Paar mit zwei Beikarten</translation>
    </message>
    <message>
        <source>low pair and three kickers</source>
        <translation>niedriges Paar mit drei Beikarten</translation>
    </message>
    <message>
        <source>five cards, no pair</source>
        <translation>fünf Karten, kein Paar</translation>
    </message>
    <message>
        <source>four other cards</source>
        <translation>vier andere Karten</translation>
    </message>
    <message>
        <source>three other cards</source>
        <translation>drei andere Karten</translation>
    </message>
    <message>
        <source>two other cards</source>
        <translation>zwei andere Karten</translation>
    </message>
    <message>
        <source>one low card</source>
        <translation>eine niedrige Karte</translation>
    </message>
    <message>
        <source>discard everything</source>
        <translation>alles tauschen</translation>
    </message>
    <message>
        <source>pair of %1</source>
        <extracomment>A pair named by its rank: %1 is &quot;aces&quot;, &quot;kings&quot; ... &quot;twos&quot;.</extracomment>
        <translation>Paar %1</translation>
    </message>
    <message>
        <source>four to a royal flush (%1)</source>
        <extracomment>%1 names the cards held, &quot;A K Q J&quot;.</extracomment>
        <translation>vier zum Royal Flush (%1)</translation>
    </message>
    <message>
        <source>four to a straight flush, %1</source>
        <extracomment>%1 is how it draws (&quot;open&quot;, &quot;inside with 2 high cards&quot;).</extracomment>
        <translation>vier zum Straight Flush, %1</translation>
    </message>
    <message>
        <source>four to a flush %1</source>
        <extracomment>%1 is how many high cards it holds (&quot;with 2 high cards&quot;).</extracomment>
        <translation>vier zum Flush %1</translation>
    </message>
    <message>
        <source>four to an outside straight %1</source>
        <translation>vier zur offenen Straße %1</translation>
    </message>
    <message>
        <source>four to an inside straight %1</source>
        <translation>vier zur Straße mit Lücke %1</translation>
    </message>
    <message>
        <source>three to a royal flush (%1)</source>
        <translation>drei zum Royal Flush (%1)</translation>
    </message>
    <message>
        <source>three to a straight flush, %1</source>
        <translation>drei zum Straight Flush, %1</translation>
    </message>
    <message>
        <source>three to a flush %1</source>
        <translation>drei zum Flush %1</translation>
    </message>
    <message>
        <source>%1 unsuited</source>
        <extracomment>%1 names the cards held, &quot;K Q J&quot;.</extracomment>
        <translation>%1 ungleichfarbig</translation>
    </message>
    <message>
        <source>three to a straight %1</source>
        <translation>drei zur Straße %1</translation>
    </message>
    <message>
        <source>%1 suited</source>
        <translation>%1 gleichfarbig</translation>
    </message>
    <message>
        <source>%1 only</source>
        <extracomment>%1 names the card held, &quot;K&quot;.</extracomment>
        <translation>nur %1</translation>
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
        <translation>Vierling</translation>
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
        <translation>Straße</translation>
    </message>
    <message>
        <source>three of a kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>zwei Paare</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>A straight draw whose two ends are open.</extracomment>
        <translation>offen</translation>
    </message>
    <message>
        <source>inside</source>
        <extracomment>A straight draw missing one card inside.</extracomment>
        <translation>innen</translation>
    </message>
    <message>
        <source>double inside</source>
        <extracomment>A straight draw missing two cards inside.</extracomment>
        <translation>doppelt innen</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no high card</source>
        <translation>keiner hohen Karte</translation>
    </message>
    <message>
        <source>1 high card</source>
        <translation>1 hohen Karte</translation>
    </message>
    <message>
        <source>%1-%2 high cards</source>
        <extracomment>A run of counts, &quot;0-2 high cards&quot;.</extracomment>
        <translation>%1–%2 hohen Karten</translation>
    </message>
    <message>
        <source>%1 high cards</source>
        <extracomment>%1 lists the counts, &quot;1, 2 or 4&quot;.</extracomment>
        <translation>%1 hohen Karten</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>mit %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 mit %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A family and the order its members are taken in: &quot;two suited high cards: Q J, K Q&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n high cards</source>
        <translation>
            <numerusform>%n hohen Karte</numerusform>
            <numerusform>%n hohen Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>no deuce</source>
        <extracomment>Deuces Wild: how many deuces (the wild cards) a hold keeps; a chart line begins with it.</extracomment>
        <translation>keine Zwei</translation>
    </message>
    <message>
        <source>one deuce</source>
        <translation>eine Zwei</translation>
    </message>
    <message>
        <source>two deuces</source>
        <translation>zwei Zweien</translation>
    </message>
    <message>
        <source>three deuces</source>
        <translation>drei Zweien</translation>
    </message>
    <message>
        <source>four deuces</source>
        <translation>vier Zweien</translation>
    </message>
    <message>
        <source>joker</source>
        <extracomment>Joker Poker: a hold with the joker (the wild card); a chart line begins with it.</extracomment>
        <translation>Joker</translation>
    </message>
    <message>
        <source>no joker</source>
        <translation>kein Joker</translation>
    </message>
    <message>
        <source>a paying hand or a pair</source>
        <extracomment>The family of holds that already pay or hold a pair, after the wild cards held.</extracomment>
        <translation>ein bezahltes Blatt oder ein Paar</translation>
    </message>
    <message>
        <source>natural royal flush</source>
        <translation>natürlicher Royal Flush</translation>
    </message>
    <message>
        <source>wild royal flush</source>
        <translation>wilder Royal Flush</translation>
    </message>
    <message>
        <source>five of a kind</source>
        <translation>Fünfling</translation>
    </message>
    <message>
        <source>pair of kings or aces</source>
        <extracomment>Joker Poker&apos;s paying pair, Kings or Better.</extracomment>
        <translation>Paar Könige oder Asse</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>four to a straight</source>
        <translation>vier zur Straße</translation>
    </message>
    <message>
        <source>four to a straight, %1</source>
        <extracomment>%1 is how it draws: &quot;open&quot;, &quot;inside&quot;.</extracomment>
        <translation>vier zur Straße, %1</translation>
    </message>
    <message>
        <source>two to a royal flush</source>
        <translation>zwei zum Royal Flush</translation>
    </message>
    <message>
        <source>two to a royal flush (%1)</source>
        <extracomment>%1 names the two cards held, &quot;A K&quot;.</extracomment>
        <translation>zwei zum Royal Flush (%1)</translation>
    </message>
    <message>
        <source>high cards</source>
        <translation>hohe Karten</translation>
    </message>
    <message>
        <source>other cards</source>
        <translation>andere Karten</translation>
    </message>
    <message>
        <source>consecutive</source>
        <extracomment>A straight flush draw with wild cards, by the gaps between its natural cards.</extracomment>
        <translation>lückenlos</translation>
    </message>
    <message>
        <source>consecutive at an end</source>
        <extracomment>A straight flush draw whose straight can&apos;t reach past the ace.</extracomment>
        <translation>lückenlos am Rand</translation>
    </message>
    <message>
        <source>one gap</source>
        <translation>eine Lücke</translation>
    </message>
    <message>
        <source>one gap at an end</source>
        <translation>eine Lücke am Rand</translation>
    </message>
    <message>
        <source>two gaps</source>
        <translation>zwei Lücken</translation>
    </message>
    <message>
        <source>two gaps at an end</source>
        <translation>zwei Lücken am Rand</translation>
    </message>
    <message>
        <source>three gaps</source>
        <translation>drei Lücken</translation>
    </message>
    <message>
        <source>three gaps at an end</source>
        <translation>drei Lücken am Rand</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>%1 the rank of the three cards: &quot;aces&quot;, &quot;7s&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>drei %1</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A rank in plural by its letter: &quot;7s&quot;, &quot;Ks&quot;.</extracomment>
        <translation>%1er</translation>
    </message>
    <message>
        <source>%1s-%2s</source>
        <extracomment>A run of ranks by their letters: &quot;2s-4s&quot;, &quot;5s-Ks&quot;.</extracomment>
        <translation>%1er-%2er</translation>
    </message>
    <message>
        <source>%1 with a %2 kicker</source>
        <extracomment>%1 three of a kind (&quot;three aces&quot;), %2 the kicker&apos;s ranks (&quot;2, 3 or 4&quot;).</extracomment>
        <translation>%1 mit Beikarte %2</translation>
    </message>
    <message>
        <source>%1 with an %2 kicker</source>
        <extracomment>As &quot;%1 with a %2 kicker&quot;, where English writes &quot;an&quot; (&quot;an A, 2, 3 or 4 kicker&quot;).</extracomment>
        <translation>%1 mit Beikarte %2</translation>
    </message>
    <message>
        <source>three of a kind with another kicker</source>
        <translation>Drilling mit anderer Beikarte</translation>
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
        <translation>Ass unten</translation>
    </message>
    <message>
        <source>no ace</source>
        <extracomment>Three to a royal flush without its ace, and with it.</extracomment>
        <translation>ohne Ass</translation>
    </message>
    <message>
        <source>with an ace</source>
        <translation>mit Ass</translation>
    </message>
    <message>
        <source>three to a royal flush, %1</source>
        <extracomment>%1 is &quot;no ace&quot; or &quot;with an ace&quot;.</extracomment>
        <translation>drei zum Royal Flush, %1</translation>
    </message>
    <message>
        <source>a paying hand</source>
        <extracomment>Joker Poker: the families of holds that already pay, and of those that hold a pair.</extracomment>
        <translation>ein bezahltes Blatt</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>ein Paar</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>%1 the rank of the four cards: &quot;aces&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>vier %1</translation>
    </message>
    <message>
        <source>four of a kind with another kicker</source>
        <extracomment>Four of a kind held with a kicker that doesn&apos;t raise its pay.</extracomment>
        <translation>Vierling mit anderer Beikarte</translation>
    </message>
    <message>
        <source>three to a straight, %1</source>
        <extracomment>%1 is how it draws (&quot;open with 2 high cards&quot;, &quot;inside with 1 high card&quot;).</extracomment>
        <translation>drei zur Straße, %1</translation>
    </message>
    <message>
        <source>two pair with aces</source>
        <extracomment>Where two pair pays no more than a pair, two pair with a pair of aces is told apart.</extracomment>
        <translation>zwei Paare mit Assen</translation>
    </message>
    <message>
        <source>two pair without aces</source>
        <translation>zwei Paare ohne Asse</translation>
    </message>
    <message>
        <source>%1, not %2</source>
        <extracomment>A family but the kinds left out: &quot;four to a straight flush, not consecutive&quot;.</extracomment>
        <translation>%1, außer %2</translation>
    </message>
    <message>
        <source>four to a straight flush (%1)</source>
        <extracomment>Deuces Wild: one kind of straight flush draw in a list of hands (&quot;consecutive&quot;), bracketed as the list has commas of its own.</extracomment>
        <translation>vier zum Straight Flush (%1)</translation>
    </message>
    <message>
        <source>a paying hand or four to a straight flush</source>
        <extracomment>Joker Poker, with the joker: the family of holds that already pay or draw to a straight flush (a royal flush among them).</extracomment>
        <translation>ein bezahltes Blatt oder vier zum Straight Flush</translation>
    </message>
    <message>
        <source>a paying hand, four to a straight flush or a pair</source>
        <extracomment>Joker Poker, without the joker: the same family and the holds of a pair.</extracomment>
        <translation>ein bezahltes Blatt, vier zum Straight Flush oder ein Paar</translation>
    </message>
    <message>
        <source>pair of aces or better</source>
        <extracomment>Bonus games where two pair pays as a pair: the made hands down to a pair of aces.</extracomment>
        <translation>Paar Asse oder besser</translation>
    </message>
    <message>
        <source>unsuited high cards</source>
        <extracomment>Bonus games: two or three high cards of different suits (&quot;K Q J&quot;, &quot;Q J&quot;).</extracomment>
        <translation>hohe Karten, ungleichfarbig</translation>
    </message>
    <message>
        <source>three to a flush with high cards</source>
        <extracomment>Bonus games: the draws left once those without a high card are a family of their own.</extracomment>
        <translation>drei zum Flush mit hohen Karten</translation>
    </message>
    <message>
        <source>four to an inside straight with high cards</source>
        <translation>vier zur Straße mit Lücke, mit hohen Karten</translation>
    </message>
    <message>
        <source>draws with no high card</source>
        <extracomment>Bonus games: three to a flush and four to an inside straight holding no high card.</extracomment>
        <translation>Draws ohne hohe Karte</translation>
    </message>
    <message>
        <source>%1 with no high card</source>
        <extracomment>%1 is the draw: &quot;three to a flush&quot;, &quot;four to an inside straight&quot;.</extracomment>
        <translation>%1 ohne hohe Karte</translation>
    </message>
    <message>
        <source>%1, no flush penalty</source>
        <extracomment>Penalty cards: %1 a hold (&quot;Q J suited&quot;) when none of the cards thrown away is of its suit, so that none of the flush cards left to draw is gone.</extracomment>
        <translation>%1, keine Flush-Strafkarte</translation>
    </message>
    <message>
        <source>%1 with a flush penalty</source>
        <extracomment>%1 a hold (&quot;Q J suited&quot;) when a card thrown away is of its suit.</extracomment>
        <translation>%1 mit Flush-Strafkarte</translation>
    </message>
    <message>
        <source>%1, no straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when no card thrown away would fill a straight with it.</extracomment>
        <translation>%1, keine Straßen-Strafkarte</translation>
    </message>
    <message>
        <source>%1 with a straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when a card thrown away would fill a straight with it.</extracomment>
        <translation>%1 mit Straßen-Strafkarte</translation>
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
        <translation>Unbekannter Fehlercode</translation>
    </message>
    <message>
        <source>No sound file to play</source>
        <translation>Keine Klangdatei zum Abspielen</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>%1 fehlt %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t play %1: %2</source>
        <translation>%1 konnte nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>sie ist keine WAV-Datei</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not supported</source>
        <translation>ihre Abtastrate von %1 Hz wird nicht unterstützt</translation>
    </message>
    <message>
        <source>its header claims far more sound than the file holds</source>
        <translation>ihr Kopf gibt weit mehr Klang an, als die Datei enthält</translation>
    </message>
    <message>
        <source>it is too long to hold in memory once converted</source>
        <translation>sie ist zu lang, um sie umgewandelt im Speicher zu halten</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the win sound: %1 is missing from %2, and there is no %3 in %4</source>
        <translation>Der Gewinnklang konnte nicht abgespielt werden: %1 fehlt in %2, und in %4 gibt es kein %3</translation>
    </message>
</context>
<context>
    <name>TPayTablePanel</name>
    <message>
        <source>Pay table</source>
        <extracomment>The name screen readers give the pay table shown beside the game.</extracomment>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <extracomment>How a screen reader reads a line of the pay table: %1 the hand, %2 what it pays for 1.</extracomment>
        <translation>%1 zahlt %2</translation>
    </message>
    <message>
        <source>the last hand</source>
        <extracomment>What a screen reader adds to the pay table&apos;s line of the hand just settled.</extracomment>
        <translation>die letzte Hand</translation>
    </message>
</context>
<context>
    <name>TPayoutsDialog</name>
    <message>
        <source>Jacks or Better Multiplier Default is 0</source>
        <extracomment>The caption beside the multiplier of pay line 1, a pair of jacks or better. It must fit the room of the English at 8 points: keep it as short.</extracomment>
        <translation>Faktor Buben oder besser, Standard 0</translation>
    </message>
    <message>
        <source>Two Pair Multiplier Default = 1</source>
        <translation>Faktor Zwei Paare, Standard 1</translation>
    </message>
    <message>
        <source>Three of a Kind Default = 2</source>
        <translation>Faktor Drilling, Standard 2</translation>
    </message>
    <message>
        <source>Straight Multiplier Default = 3</source>
        <translation>Faktor Straße, Standard 3</translation>
    </message>
    <message>
        <source>Flush Multiplier Default = 4</source>
        <translation>Faktor Flush, Standard 4</translation>
    </message>
    <message>
        <source>Full House Multiplier Default = 7 </source>
        <extracomment>The blank at the end is the design&apos;s.</extracomment>
        <translation>Faktor Full House, Standard 7 </translation>
    </message>
    <message>
        <source>Four of a Kind Multiplier Default = 11</source>
        <translation>Faktor Vierling, Standard 11</translation>
    </message>
    <message>
        <source>Straight Flush Multiplier Default = 49</source>
        <translation>Faktor Straight Flush, Standard 49</translation>
    </message>
    <message>
        <source>Royal Flush Multiplier Default = 99</source>
        <translation>Faktor Royal Flush, Standard 99</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <extracomment>The hand a pay line pays, as a screen reader names its multiplier field.</extracomment>
        <translation>Buben oder besser</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
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
        <translation>Vierling</translation>
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
        <source>Set Winning Payouts and Sounds</source>
        <translation>Gewinne und Klänge einstellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sound%1</source>
        <extracomment>The button that chooses the sound of pay line %1 (1 to 9).</extracomment>
        <translation>Klang %1</translation>
    </message>
    <message>
        <source>Your winning bets are multiplied by the values you select.  Sound Buttons let you choose a .WAV sound file.  Cancel and OK buttons will not effect sounds.</source>
        <extracomment>Word-wrapped in a narrow box at the dialog&apos;s right; the English has two blanks after each full stop. &quot;effect&quot; is the design&apos;s word.</extracomment>
        <translation>Gewinne werden mit den gewählten Faktoren vervielfacht.  Mit den Klang-Tasten wählen Sie eine .WAV-Datei.  Abbrechen und OK ändern die Klänge nicht.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <extracomment>What a screen reader says of a sound button; %1 is the hand (Flush).</extracomment>
        <translation>Klang für %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Payout values have been updated</source>
        <translation>Die Auszahlungswerte wurden übernommen</translation>
    </message>
    <message>
        <source>Cancelled. No changes were made to the payoff values</source>
        <translation>Abgebrochen. Die Auszahlungswerte bleiben unverändert</translation>
    </message>
    <message>
        <source>Windows WAV files (*.WAV)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in brackets, (*.WAV), as it is.</extracomment>
        <translation>Windows-WAV-Dateien (*.WAV)</translation>
    </message>
    <message>
        <source>%1 Multiplier Default = %2</source>
        <extracomment>The caption beside the multiplier of a pay line of a game other than Jacks or Better: %1 is the line&apos;s name, %2 its multiplier in the game&apos;s default table.</extracomment>
        <translation>%1 Multiplikator Standard = %2</translation>
    </message>
</context>
<context>
    <name>TSessionChart</name>
    <message>
        <source>Total after each hand</source>
        <translation>Guthaben nach jeder Hand</translation>
    </message>
    <message>
        <source>No hands yet</source>
        <translation>Noch keine Hände</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a lock this program can read, and it stayed for %1</source>
        <translation>sie ist keine Sperre, die dieses Programm lesen kann, und blieb %1 bestehen</translation>
    </message>
    <message>
        <source>a program that has ended left it, and it can&apos;t be removed</source>
        <translation>ein beendetes Programm hat sie hinterlassen, und sie lässt sich nicht entfernen</translation>
    </message>
    <message>
        <source>another Lumaro</source>
        <translation>ein anderes Lumaro</translation>
    </message>
    <message>
        <source>another program (%1)</source>
        <translation>ein anderes Programm (%1)</translation>
    </message>
    <message>
        <source>%1%2 is saving (lock held for %3)</source>
        <translation>%1%2 speichert gerade (Sperre seit %3 gehalten)</translation>
    </message>
    <message>
        <source>no lock file can be created in it</source>
        <translation>darin kann keine Sperrdatei angelegt werden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the lock file can&apos;t be written</source>
        <translation>die Sperrdatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Schlüssel %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für &apos;%1&apos; konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Failed to set data for %1</source>
        <translation>Daten für %1 konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Failed to get data for %1</source>
        <translation>Daten für %1 konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>you have no permission to read it</source>
        <translation>Sie haben keine Leseberechtigung dafür</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>Ihr Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the file would be larger than the system allows</source>
        <translation>die Datei würde größer, als das System erlaubt</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>der Datenträger meldete einen Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>sein Name ist zu lang</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>seine Verknüpfungen führen im Kreis</translation>
    </message>
    <message>
        <source>a folder on its path is a file</source>
        <translation>ein Ordner auf seinem Pfad ist eine Datei</translation>
    </message>
    <message>
        <source>no file can be created in it</source>
        <translation>darin kann keine Datei angelegt werden</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a file, not a folder</source>
        <translation>es ist eine Datei, kein Ordner</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>Steuerelement &apos;%1&apos; hat kein übergeordnetes Fenster</translation>
    </message>
</context>
</TS>
