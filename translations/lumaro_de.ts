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
        <translation>Buben oder besser mit Ihren Faktoren: %1% Auszahlungsquote bei bestem Spiel</translation>
    </message>
    <message numerus="yes">
        <source>A bankroll of %n bets of %1 coins (%2 coins), best play throughout:</source>
        <extracomment>%n the bankroll in bets, %1 the bet, %2 the bankroll in coins</extracomment>
        <translation>
            <numerusform>Eine Bankroll von %n Einsatz zu %1 Münzen (%2 Münzen), stets bestes Spiel:</numerusform>
            <numerusform>Eine Bankroll von %n Einsätzen zu %1 Münzen (%2 Münzen), stets bestes Spiel:</numerusform>
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
</context>
</TS>
