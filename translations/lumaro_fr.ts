<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CardSpokenName</name>
    <message>
        <source>Ace</source>
        <extracomment>A card&apos;s rank, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>As</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Spades</source>
        <extracomment>A card&apos;s suit, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>pique</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card as a screen reader names it: %1 is its rank (Ace, 10, Queen), %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <extracomment>The back of a card, one of nine designs (%1 is 1 to 9).</extracomment>
        <translation>Dos de carte %1</translation>
    </message>
    <message>
        <source>Lumaro title card</source>
        <extracomment>The card shown before the first deal, with the game&apos;s title.</extracomment>
        <translation>Carte titre de Lumaro</translation>
    </message>
</context>
<context>
    <name>ShowErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>TAdvicePage</name>
    <message>
        <source>Holds, best first</source>
        <translation>Choix, le meilleur d&apos;abord</translation>
    </message>
    <message>
        <source>Hold best</source>
        <translation>Garder le meilleur</translation>
    </message>
    <message>
        <source>Marks the best hold (key B)</source>
        <translation>Marque le meilleur choix (touche B)</translation>
    </message>
    <message>
        <source>Show all 32</source>
        <translation>Afficher les 32</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Holds are shown after the draw; no money moves</source>
        <translation>Les choix sont montrés après le tirage&#xa0;; aucun argent n&apos;est en jeu</translation>
    </message>
    <message>
        <source>Warn before Draw</source>
        <translation>Avertir avant le tirage</translation>
    </message>
    <message>
        <source>In practice, asks before a draw with a hold that is not a best one</source>
        <translation>En entraînement, demande confirmation avant un tirage dont le choix n&apos;est pas le meilleur</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
</context>
<context>
    <name>TAdvisor</name>
    <message>
        <source>nothing</source>
        <extracomment>What the player holds when no card is held: &quot;Your hold: nothing&quot;.</extracomment>
        <translation>rien</translation>
    </message>
    <message>
        <source>Return with best play: computing...</source>
        <translation>Taux en jeu optimal&#xa0;: calcul...</translation>
    </message>
    <message>
        <source>Return with best play: %1 %</source>
        <extracomment>%1 is a percentage with two decimals, &quot;92.70&quot;.</extracomment>
        <translation>Taux en jeu optimal&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Return with best play: not available (%1)</source>
        <extracomment>%1 is why the return could not be counted.</extracomment>
        <translation>Taux en jeu optimal&#xa0;: indisponible (%1)</translation>
    </message>
    <message>
        <source>Your hold: %1, a best hold</source>
        <translation>Votre choix&#xa0;: %1, l&apos;un des meilleurs</translation>
    </message>
    <message>
        <source>Your hold: %1, rank %2 of %3, gives up %4 coins</source>
        <extracomment>%1 the held cards, %2 the hold&apos;s rank among the %3 holds, %4 the coins it gives up.</extracomment>
        <translation>Votre choix&#xa0;: %1, rang %2 sur %3, perd %4 jetons</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Jeu optimal</translation>
    </message>
    <message>
        <source>You held %1 (expected %2), best was %3 (expected %4): this choice cost %5 coins on average</source>
        <extracomment>After the draw. %1 the cards held and %2 what they were expected to pay, in coins; %3 and %4 the same for the best hold; %5 the coins the choice cost.</extracomment>
        <translation>Vous avez gardé %1 (espérance %2), le meilleur était %3 (espérance %4)&#xa0;: ce choix a coûté %5 jetons en moyenne</translation>
    </message>
    <message>
        <source>Dealt %1, bet %2:</source>
        <extracomment>Over the list of holds after the draw: %1 the five cards dealt, %2 the bet.</extracomment>
        <translation>Donne %1, mise %2&#xa0;:</translation>
    </message>
    <message>
        <source>Holding %1 gives up %2 coins on average. The best hold is %3 (expected %4 against %5).</source>
        <extracomment>Asked before a draw in practice. %1 the cards held, %2 the coins that gives up, %3 the best hold, %4 what it is expected to pay, %5 what the player&apos;s hold is expected to pay.</extracomment>
        <translation>Garder %1 fait perdre %2 jetons en moyenne. Le meilleur choix est %3 (espérance %4 contre %5).</translation>
    </message>
    <message>
        <source>Hands: %1</source>
        <translation>Mains&#xa0;: %1</translation>
    </message>
    <message>
        <source>Best holds: %1 of %2 (%3 %)</source>
        <extracomment>%1 of %2 holds were best ones, %3 per cent of them.</extracomment>
        <translation>Meilleurs choix&#xa0;: %1 sur %2 (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>Cost of mistakes: %1 coins</source>
        <translation>Coût des erreurs&#xa0;: %1 jetons</translation>
    </message>
    <message>
        <source>Return: no hands yet</source>
        <translation>Taux&#xa0;: aucune main pour l&apos;instant</translation>
    </message>
    <message>
        <source>Return: yours %1 %, best %2 %</source>
        <extracomment>The return of the player&apos;s holds and of the best ones, percentages with two decimals.</extracomment>
        <translation>Taux&#xa0;: le vôtre %1&#xa0;%, optimal %2&#xa0;%</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Conseiller de stratégie</translation>
    </message>
    <message>
        <source>Advisor pages</source>
        <translation>Pages du conseiller</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>&amp;Draw anyway</source>
        <translation>&amp;Tirer quand même</translation>
    </message>
    <message>
        <source>&amp;Change hold</source>
        <translation>&amp;Modifier le choix</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>computing...</source>
        <translation>calcul...</translation>
    </message>
    <message>
        <source>Deal a hand to see its best holds.</source>
        <translation>Distribuez une main pour voir ses meilleurs choix.</translation>
    </message>
    <message>
        <source>Holds, best first:</source>
        <translation>Choix, le meilleur d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>Practice: the best holds are shown after the draw.</source>
        <translation>Entraînement&#xa0;: les meilleurs choix sont montrés après le tirage.</translation>
    </message>
    <message>
        <source>Your hold: %1</source>
        <translation>Votre choix&#xa0;: %1</translation>
    </message>
    <message>
        <source>Holds for a bet of %1, best first:</source>
        <translation>Choix pour une mise de %1, le meilleur d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Distribuez une main pour voir la ligne qui lui correspond.</translation>
    </message>
    <message>
        <source>Practice: the line is shown after the draw.</source>
        <translation>Entraînement&#xa0;: la ligne est montrée après le tirage.</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>The advisor&apos;s page with the pay table of the game in force.</extracomment>
        <translation>Gains</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bankroll is a whole number of bets, at least 1.</source>
        <translation>La bankroll est un nombre entier de mises, au moins 1.</translation>
    </message>
    <message>
        <source>The bankroll is at most %1 bets.</source>
        <translation>La bankroll est d&apos;au plus %1 mises.</translation>
    </message>
    <message>
        <source>The bet is a whole number of coins from %1 to %2.</source>
        <translation>La mise est un nombre entier de jetons de %1 à %2.</translation>
    </message>
    <message>
        <source>The hands are a whole number, at least 1.</source>
        <translation>Le nombre de mains est un nombre entier, au moins 1.</translation>
    </message>
    <message>
        <source>At most %1 hands are counted.</source>
        <translation>Au plus %1 mains sont comptées.</translation>
    </message>
    <message>
        <source>no chance</source>
        <translation>aucune chance</translation>
    </message>
    <message>
        <source>certain</source>
        <translation>certain</translation>
    </message>
    <message>
        <source>1 chance in %1</source>
        <translation>1 chance sur %1</translation>
    </message>
    <message>
        <source>%1 chances in %2</source>
        <translation>%1 chances sur %2</translation>
    </message>
    <message>
        <source>almost certain</source>
        <translation>presque certain</translation>
    </message>
    <message>
        <source>Waiting for the game&apos;s odds...</source>
        <translation>En attente des probabilités du jeu...</translation>
    </message>
    <message>
        <source>Bets:</source>
        <translation>Mises&#xa0;:</translation>
    </message>
    <message>
        <source>Bankroll in bets</source>
        <translation>Bankroll en mises</translation>
    </message>
    <message>
        <source>Bet in coins</source>
        <translation>Mise en jetons</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Bankroll&#xa0;:</translation>
    </message>
    <message>
        <source>Bet:</source>
        <translation>Mise&#xa0;:</translation>
    </message>
    <message>
        <source>Hands:</source>
        <translation>Mains&#xa0;:</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>jetons</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Use my total, %1 coins</source>
        <translation>Mon total, %1 jetons</translation>
    </message>
    <message>
        <source>Your total of %1 coins is less than one bet.</source>
        <translation>Votre total de %1 jetons est inférieur à une mise.</translation>
    </message>
    <message>
        <source>= %1 coins</source>
        <translation>= %1 jetons</translation>
    </message>
    <message>
        <source>The figures wait for the fields marked above.</source>
        <translation>Les chiffres attendent les champs signalés ci-dessus.</translation>
    </message>
    <message>
        <source>The figures could not be counted (%1).</source>
        <translation>Les chiffres n&apos;ont pas pu être calculés (%1).</translation>
    </message>
    <message>
        <source>Counting the figures...</source>
        <translation>Calcul des chiffres...</translation>
    </message>
    <message>
        <source>Counting the game&apos;s odds...</source>
        <translation>Calcul des probabilités du jeu...</translation>
    </message>
    <message>
        <source>%1 bets (%2 coins)</source>
        <extracomment>%1 a number of bets, %2 the same in coins, both signed: &quot;-12.5 bets (-62 coins)&quot;</extracomment>
        <translation>%1 mises (%2 jetons)</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers</source>
        <translation>Valets ou mieux avec vos multiplicateurs</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers: %1% return under best play</source>
        <extracomment>%1 the return in per cent with two decimals: &quot;99.54&quot;</extracomment>
        <translation>Valets ou mieux avec vos multiplicateurs&#xa0;: taux de redistribution de %1&#xa0;% en jeu optimal</translation>
    </message>
    <message numerus="yes">
        <source>A bankroll of %n bets of %1 coins (%2 coins), best play throughout:</source>
        <extracomment>%n the bankroll in bets, %1 the bet, %2 the bankroll in coins</extracomment>
        <translation>
            <numerusform>Une bankroll de %n mise de %1 jetons (%2 jetons), toujours en jeu optimal&#xa0;:</numerusform>
            <numerusform>Une bankroll de %n mises de %1 jetons (%2 jetons), toujours en jeu optimal&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Losing the whole bankroll within %n hands: %1 (%2)</source>
        <extracomment>%1 a chance in words (&quot;1 chance in 12&quot;), %2 the same in per cent</extracomment>
        <translation>
            <numerusform>Perdre toute la bankroll en %n main&#xa0;: %1 (%2)</numerusform>
            <numerusform>Perdre toute la bankroll en %n mains&#xa0;: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ahead after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>Gagnant après %n main&#xa0;: %1 (%2)</numerusform>
            <numerusform>Gagnant après %n mains&#xa0;: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Even after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>À égalité après %n main&#xa0;: %1 (%2)</numerusform>
            <numerusform>À égalité après %n mains&#xa0;: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Behind after %n hands, ruin included: %1 (%2)</source>
        <translation>
            <numerusform>Perdant après %n main, ruine comprise&#xa0;: %1 (%2)</numerusform>
            <numerusform>Perdant après %n mains, ruine comprise&#xa0;: %1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Expected result: %1</source>
        <translation>Résultat attendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>au-dessus de %1</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or lower (5th percentile)</source>
        <translation>1 session sur 20 finit à %1 ou moins (5e centile)</translation>
    </message>
    <message>
        <source>Half the sessions end at %1 or lower (median)</source>
        <translation>La moitié des sessions finit à %1 ou moins (médiane)</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or higher (95th percentile)</source>
        <translation>1 session sur 20 finit à %1 ou plus (95e centile)</translation>
    </message>
    <message>
        <source>Standard deviation of the result: %1 bets (%2 coins)</source>
        <translation>Écart type du résultat&#xa0;: %1 mises (%2 jetons)</translation>
    </message>
    <message>
        <source>Chance of ruin against hands played</source>
        <translation>Risque de ruine selon les mains jouées</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mains jouées</translation>
    </message>
    <message>
        <source>Chance of each result</source>
        <translation>Probabilité de chaque résultat</translation>
    </message>
    <message>
        <source>Result in bets</source>
        <translation>Résultat en mises</translation>
    </message>
    <message numerus="yes">
        <source>After %n hands: %1 chance of ruin</source>
        <translation>
            <numerusform>Après %n main&#xa0;: %1 de risque de ruine</numerusform>
            <numerusform>Après %n mains&#xa0;: %1 de risque de ruine</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bets or less: %2</source>
        <translation>%1 mises ou moins&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 bets or more: %2</source>
        <translation>%1 mises ou plus&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 bets: %2</source>
        <translation>%1 mises&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 to %2 bets: %3</source>
        <translation>%1 à %2 mises&#xa0;: %3</translation>
    </message>
    <message>
        <source>Ruined, the whole bankroll lost: %1</source>
        <translation>Ruiné, toute la bankroll perdue&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Chance of each result after %n hands</source>
        <translation>
            <numerusform>Probabilité de chaque résultat après %n main</numerusform>
            <numerusform>Probabilité de chaque résultat après %n mains</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 with your multipliers</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;</extracomment>
        <translation>%1 avec vos multiplicateurs</translation>
    </message>
    <message>
        <source>%1 with your multipliers: %2% return under best play</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;; %2 the return in per cent with two decimals: &quot;100.76&quot;</extracomment>
        <translation>%1 avec vos multiplicateurs&#xa0;: taux de redistribution de %2&#xa0;% en jeu optimal</translation>
    </message>
    <message>
        <source>almost no chance</source>
        <translation>presque aucune chance</translation>
    </message>
</context>
<context>
    <name>TChartList</name>
    <message>
        <source>Chart lines</source>
        <translation>Lignes de la grille</translation>
    </message>
    <message>
        <source>Marked: line %1, %2</source>
        <translation>Marquée&#xa0;: ligne %1, %2</translation>
    </message>
    <message>
        <source>nothing held</source>
        <translation>aucune carte gardée</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>gardées&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, %2 drawn</source>
        <extracomment>%1 the cards held (&quot;Ace of Spades, King of Spades held&quot;), %2 those drawn.</extracomment>
        <translation>%1&#xa0;; changées&#xa0;: %2</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals. The dealt hand&apos;s line</source>
        <extracomment>A line of the strategy chart as a screen reader says it: %1 its number, %2 the hold it names, %3 an example deal, %4 the share of all deals it decides (&quot;12.345 %&quot;).</extracomment>
        <translation>Ligne %1&#xa0;: %2. Exemple&#xa0;: %3. Décide %4 des donnes. La ligne de la main distribuée</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals</source>
        <translation>Ligne %1&#xa0;: %2. Exemple&#xa0;: %3. Décide %4 des donnes</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>building...</source>
        <translation>construction...</translation>
    </message>
    <message>
        <source>Pay table, Jacks or Better to Royal Flush: %1</source>
        <extracomment>%1 the nine multipliers of the pay table, &quot;0,1,2,3,4,6,9,25,50,800&quot;.</extracomment>
        <translation>Table de gains, de Valets ou mieux à la Quinte flush royale&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lumaro strategy chart</source>
        <translation>Grille de stratégie Lumaro</translation>
    </message>
    <message>
        <source>1 line</source>
        <extracomment>How many lines the chart has.</extracomment>
        <translation>1 ligne</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>Return holding by the chart: %1% (%2)</source>
        <extracomment>%1 a percentage with four decimals, %2 how many lines the chart has (&quot;24 lines&quot;).</extracomment>
        <translation>Taux en suivant la grille&#xa0;: %1&#xa0;% (%2)</translation>
    </message>
    <message>
        <source>Return under optimal play: %1%</source>
        <translation>Taux en jeu optimal&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>The chart gives up %1 points of return.</source>
        <extracomment>%1 the points of return the chart gives up, &quot;0.0010&quot;.</extracomment>
        <translation>La grille perd %1 points de taux.</translation>
    </message>
    <message>
        <source>A line naming a whole family takes the first that fits, in this order:</source>
        <translation>Une ligne qui nomme toute une famille prend la première qui convient, dans cet ordre&#xa0;:</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Prints the chart, laid out for paper</source>
        <translation>Imprime la grille, mise en page pour le papier</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Writes the chart, laid out for paper, to a PDF file</source>
        <translation>Écrit la grille, mise en page pour le papier, dans un fichier PDF</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Distribuez une main pour voir la ligne qui lui correspond.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Chart for %1</source>
        <translation>Grille pour %1</translation>
    </message>
    <message>
        <source>Strategy chart</source>
        <translation>Grille de stratégie</translation>
    </message>
    <message>
        <source>Chart: %1 %, %2
Best play: %3 %
The chart gives up %4 points</source>
        <extracomment>Three lines: the chart&apos;s return (%1, a percentage with four decimals; %2 its lines, &quot;24 lines&quot;), the return of the best play (%3) and the difference (%4, &quot;0.0010&quot;).</extracomment>
        <translation>Grille&#xa0;: %1&#xa0;%, %2
Jeu optimal&#xa0;: %3&#xa0;%
La grille perd %4 points</translation>
    </message>
    <message>
        <source>Chart: not available (%1)</source>
        <translation>Grille&#xa0;: indisponible (%1)</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Grille&#xa0;: %1</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>indisponible</translation>
    </message>
    <message>
        <source>Dealt %1: %2</source>
        <translation>Donne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Dealt %1: no line fits, hold nothing</source>
        <translation>Donne %1&#xa0;: aucune ligne ne convient, ne rien garder</translation>
    </message>
    <message>
        <source>Dealt %1: line %2</source>
        <translation>Donne %1&#xa0;: ligne %2</translation>
    </message>
    <message>
        <source>There is no chart to save yet</source>
        <translation>Il n&apos;y a pas encore de grille à enregistrer</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1</source>
        <translation>Impossible d&apos;écrire le fichier PDF %1</translation>
    </message>
    <message>
        <source>Save the chart as PDF</source>
        <translation>Enregistrer la grille en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print the strategy chart</source>
        <translation>Imprimer la grille de stratégie</translation>
    </message>
    <message>
        <source>The chart could not be printed</source>
        <translation>La grille n&apos;a pas pu être imprimée</translation>
    </message>
    <message>
        <source>Lumaro strategy chart, page %1</source>
        <translation>Grille de stratégie Lumaro, page %1</translation>
    </message>
    <message>
        <source>Hold the first line that fits the hand; of the holds a line names, the first that fits.</source>
        <translation>Gardez la première ligne qui convient à la main&#xa0;; parmi les choix qu&apos;une ligne nomme, le premier qui convient.</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column headings of the printed chart: the line&apos;s number, the hold it names, an example deal, and the share of all deals the line decides.</extracomment>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>À garder</translation>
    </message>
    <message>
        <source>Deals</source>
        <translation>Donnes</translation>
    </message>
    <message>
        <source>Example (held | drawn)</source>
        <translation>Exemple (gardées | changées)</translation>
    </message>
    <message>
        <source>Pay table of %1, %2 to %3: %4</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 its lowest line (&quot;Three of a Kind&quot;), %3 its highest (&quot;Natural Royal Flush&quot;), %4 the multipliers of its lines, lowest first.</extracomment>
        <translation>Table de paiement de %1, de %2 à %3 : %4</translation>
    </message>
    <message>
        <source>Lumaro strategy chart for %1</source>
        <extracomment>The printed chart&apos;s title; %1 the game&apos;s name, &quot;Deuces Wild&quot;.</extracomment>
        <translation>Grille de stratégie Lumaro pour %1</translation>
    </message>
    <message>
        <source>%1: chart for %2</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 the multipliers of its lines, lowest first.</extracomment>
        <translation>%1 : grille pour %2</translation>
    </message>
</context>
<context>
    <name>TChooseGameDialog</name>
    <message>
        <source>Choose Game</source>
        <translation>Choisir le jeu</translation>
    </message>
    <message>
        <source>Choose a game and its pay table. Each table shows what it pays for 1 coin, lowest hand first, and its return under best play. A new game starts a new session.</source>
        <translation>Choisissez un jeu et sa table de gains. Chaque table montre ce qu’elle paie pour 1 jeton, la main la plus basse d’abord, et son retour avec le meilleur jeu. Un nouveau jeu commence une nouvelle session.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Game and table</source>
        <translation>Jeu et table</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Pays for 1</source>
        <translation>Paie pour 1</translation>
    </message>
    <message>
        <source>counting…</source>
        <extracomment>The return of a table while it is being counted.</extracomment>
        <translation>calcul…</translation>
    </message>
    <message>
        <source>my own table</source>
        <extracomment>The row of the player&apos;s own pay table of a game (for Jacks or Better, the one set in Payouts Options).</extracomment>
        <translation>ma propre table</translation>
    </message>
    <message>
        <source>not counted</source>
        <extracomment>The return of a table that could not be counted (out of memory).</extracomment>
        <translation>non calculé</translation>
    </message>
</context>
<context>
    <name>TGameNames</name>
    <message>
        <source>Jacks or Better</source>
        <extracomment>A game&apos;s name, in the Choose Game dialog and atop the pay table.</extracomment>
        <translation>Valets ou mieux</translation>
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
        <translation>As et figures</translation>
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
        <translation>Deux paires</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <extracomment>A pay line: four of a kind of fives up to kings.</extracomment>
        <translation>Carré de 5 à K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A pay line: four twos, threes or fours.</extracomment>
        <translation>Carré de 2 à 4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Carré d&apos;as</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four twos, threes or fours, the fifth card an ace, 2, 3 or 4.</extracomment>
        <translation>Carré de 2 à 4 avec kicker A, 2, 3 ou 4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four aces, the fifth card a 2, 3 or 4.</extracomment>
        <translation>Carré d&apos;as avec kicker 2, 3 ou 4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A pay line: four of a kind of twos up to tens.</extracomment>
        <translation>Carré de 2 à 10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A pay line: four jacks, queens or kings.</extracomment>
        <translation>Carré de valets à rois</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>Deuces Wild&apos;s losing hand: less than three of a kind.</extracomment>
        <translation>Aucun gain</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <extracomment>A pay line of the wild-card games: five cards of one rank, a wild card among them.</extracomment>
        <translation>Cinq de même rang</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A pay line: a royal flush made with a wild card (a deuce or the joker).</extracomment>
        <translation>Quinte flush royale avec joker</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>Deuces Wild&apos;s pay line for the four 2s.</extracomment>
        <translation>Quatre deux</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A pay line: a royal flush without a wild card.</extracomment>
        <translation>Quinte flush royale naturelle</translation>
    </message>
    <message>
        <source>Kings or Better</source>
        <extracomment>Joker Poker&apos;s lowest pay line: a pair of kings or aces.</extracomment>
        <translation>Rois ou mieux</translation>
    </message>
</context>
<context>
    <name>TGameView</name>
    <message>
        <source>Draw</source>
        <extracomment>A hold panel under a card: the card is replaced at the draw.</extracomment>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>A hold panel under a card: the card stays at the draw.</extracomment>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Over</source>
        <extracomment>A hold panel under a card once the hand is settled.</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Player has No Pair </source>
        <extracomment>The hand after the draw. The blank at the end is the machine&apos;s own.</extracomment>
        <translation>Le joueur n&apos;a aucune paire </translation>
    </message>
    <message>
        <source>Player has One Pair</source>
        <extracomment>The hand after the draw: a pair of tens or lower, which loses.</extracomment>
        <translation>Le joueur a une paire</translation>
    </message>
    <message>
        <source>Player has pair of Jacks or Better</source>
        <extracomment>The hand after the draw: a pair of jacks, queens, kings or aces, which pays.</extracomment>
        <translation>Le joueur a une paire de valets ou mieux</translation>
    </message>
    <message>
        <source>Player has Two Pair</source>
        <translation>Le joueur a deux paires</translation>
    </message>
    <message>
        <source>Player has Three of a Kind</source>
        <translation>Le joueur a un brelan</translation>
    </message>
    <message>
        <source>Player has a Straight</source>
        <translation>Le joueur a une quinte</translation>
    </message>
    <message>
        <source>Player has a Flush</source>
        <translation>Le joueur a une couleur</translation>
    </message>
    <message>
        <source>Player has a Full House</source>
        <translation>Le joueur a un full</translation>
    </message>
    <message>
        <source>Wow! Four of a Kind</source>
        <translation>Waouh&#xa0;! Un carré</translation>
    </message>
    <message>
        <source>Wow! Straight Flush</source>
        <translation>Waouh&#xa0;! Quinte flush</translation>
    </message>
    <message>
        <source>Wow! Royal Flush</source>
        <translation>Waouh&#xa0;! Quinte flush royale</translation>
    </message>
    <message>
        <source>You Lost Total is now %1</source>
        <extracomment>A hand lost; %1 is the total after it.</extracomment>
        <translation>Perdu. Le total est de %1</translation>
    </message>
    <message>
        <source>You Win Total is now %1</source>
        <extracomment>A win paid at multiplier 0 (the bet comes back); %1 is the total.</extracomment>
        <translation>Gagné&#xa0;! Le total est de %1</translation>
    </message>
    <message>
        <source>*Bonus* %1X  Paid You Win! Total is now %2</source>
        <extracomment>A win: %1 is the multiplier plus one (the stake comes back with it), as in &quot;*Bonus* 8X&quot;; %2 is the total after it.</extracomment>
        <translation>*Bonus* %1X payé&#xa0;! Gagné, le total est de %2</translation>
    </message>
    <message>
        <source>Practice hand: no money moves</source>
        <extracomment>The second message line while a practice hand is played.</extracomment>
        <translation>Main d&apos;entraînement&#xa0;: pas d&apos;argent en jeu</translation>
    </message>
    <message>
        <source>Practice hand: it would cost %1. Total stays %2</source>
        <extracomment>A practice hand that lost: %1 is the bet it would have cost, %2 the total.</extracomment>
        <translation>Entraînement&#xa0;: la main coûterait %1. Le total reste %2</translation>
    </message>
    <message>
        <source>Practice hand: it would pay %1. Total stays %2</source>
        <extracomment>A practice hand that won: %1 is what it would have paid, %2 the total.</extracomment>
        <translation>Entraînement&#xa0;: la main paierait %1. Le total reste %2</translation>
    </message>
    <message>
        <source>Practice hand: the bet would come back. Total stays %1</source>
        <extracomment>A practice hand won at multiplier 0; %1 is the total.</extracomment>
        <translation>Entraînement&#xa0;: la mise serait rendue. Le total reste %1</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1 Total Pairs =%2</source>
        <extracomment>The first statistics line: %n hands won, %1 hands lost, %2 one-pair hands (paying or not).</extracomment>
        <translation>
            <numerusform>Joueur&#xa0;: %n main gagnée, %1 perdues, paires =%2</numerusform>
            <numerusform>Joueur&#xa0;: %n mains gagnées, %1 perdues, paires =%2</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands Two Pair=%1</source>
        <extracomment>The second statistics line starts with this when two pair has come up (%1 times); the items below follow it, each with its own leading blank.</extracomment>
        <translation>Belles mains&#xa0;: Deux paires=%1</translation>
    </message>
    <message>
        <source> 3 of a Kind=%1</source>
        <extracomment>An item of the second statistics line: the hand and how often it came up. Keep the leading blank: it parts the items.</extracomment>
        <translation> Brelans=%1</translation>
    </message>
    <message>
        <source> Straights=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Quintes=%1</translation>
    </message>
    <message>
        <source> Flushs=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Couleurs=%1</translation>
    </message>
    <message>
        <source> Full House=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Fulls=%1</translation>
    </message>
    <message>
        <source> 4 of a Kind=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Carrés=%1</translation>
    </message>
    <message>
        <source> Straight Flush=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Quintes flush=%1</translation>
    </message>
    <message>
        <source> Royal Flush=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Quintes royales=%1</translation>
    </message>
    <message>
        <source>No Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Sans paire</translation>
    </message>
    <message>
        <source>Pairs</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Paires</translation>
    </message>
    <message>
        <source>2 Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>2 paires</translation>
    </message>
    <message>
        <source>3 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Straight</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full House</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>4 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Quinte royale</translation>
    </message>
    <message>
        <source>Player has %t</source>
        <extracomment>The hand after the draw in a game other than Jacks or Better; %t is the pay line&apos;s name (&quot;Kings or Better&quot;, &quot;Four Aces&quot;).</extracomment>
        <translation>Le joueur a %t</translation>
    </message>
    <message>
        <source>Wow! %t</source>
        <extracomment>The hand after the draw, a big one (four of a kind or better); %t is the pay line&apos;s name.</extracomment>
        <translation>Waouh&#xa0;! %t</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1</source>
        <extracomment>The first statistics line of a game other than Jacks or Better: %n hands won, %1 lost.</extracomment>
        <translation>
            <numerusform>Le joueur a gagné %n main et perdu %1</numerusform>
            <numerusform>Le joueur a gagné %n mains et perdu %1</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands</source>
        <extracomment>The second statistics line of a game other than Jacks or Better starts with this when a winning hand has come up; its items follow.</extracomment>
        <translation>Belles mains&#xa0;:</translation>
    </message>
    <message>
        <source> %t=%1</source>
        <extracomment>An item of the second statistics line: the pay line&apos;s name (%t) and how often it came up (%1). Keep the leading blank: it parts the items.</extracomment>
        <translation> %t=%1</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: the count of Deuces Wild&apos;s losing hands.</extracomment>
        <translation>Aucun gain</translation>
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
        <translation>Carré d&apos;as</translation>
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
        <translation>5 identiques</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush made with a wild card.</extracomment>
        <translation>Royale joker</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>A column heading of the statistics grid (a narrow column): Deuces Wild&apos;s four 2s.</extracomment>
        <translation>Quatre deux</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush without a wild card.</extracomment>
        <translation>Royale naturelle</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Dealt %1</source>
        <translation>Donne&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A card and what happens to it, as a screen reader says it: &quot;Ace of Spades: Hold&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Winning hand</source>
        <translation>Main gagnante</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>held</source>
        <translation>gardée</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuer</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tirer</translation>
    </message>
    <message>
        <source>Draw Additional Cards</source>
        <translation>Tirer de nouvelles cartes</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>Winning Percentage</source>
        <translation>Pourcentage de gains</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Son coupé</translation>
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
        <translation>Aide</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Piechart</source>
        <translation>Camembert</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Payouts Options</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Conseiller de stratégie</translation>
    </message>
    <message>
        <source>Lumaro for Windows 95 Version %1</source>
        <translation>Lumaro for Windows 95 version %1</translation>
    </message>
    <message>
        <source>Window pages</source>
        <translation>Pages de la fenêtre</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Lumaro Strategy Advisor</source>
        <translation>Conseiller de stratégie Lumaro</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then replay.</source>
        <translation>Tirez d&apos;abord la main en cours, puis rejouez.</translation>
    </message>
    <message>
        <source>The hand to replay is not five different cards</source>
        <translation>La main à rejouer n&apos;est pas composée de cinq cartes différentes</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carte %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Hold or draw card %1 (key %1)</source>
        <translation>Garder ou changer la carte %1 (touche %1)</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>label</comment>
        <extracomment>The label beside the total&apos;s panel: room for about six letters.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Choose Game…</source>
        <translation>Choisir le jeu…</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>Shows the pay table beside the game also where the screen has no room to spare (the game is drawn smaller then).</extracomment>
        <translation>Table de gains</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then choose a game.</source>
        <translation>Tirez d’abord la main en cours, puis choisissez un jeu.</translation>
    </message>
</context>
<context>
    <name>THandHistory</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>%1; its folder is read-only</source>
        <translation>%1&#xa0;; son dossier est en lecture seule</translation>
    </message>
    <message>
        <source>its schema version %1 is not one Lumaro writes</source>
        <translation>sa version de schéma %1 n&apos;est pas une de celles qu&apos;écrit Lumaro</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing (package libqt6sql6-sqlite)</source>
        <translation>Le pilote SQLite de Qt est absent (paquet libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>The hand history %1 could not be opened (%2); hands are not recorded</source>
        <translation>L&apos;historique des mains %1 n&apos;a pas pu être ouvert (%2)&#xa0;; les mains ne sont pas enregistrées</translation>
    </message>
    <message>
        <source>its tables are not a hand history&apos;s (%1)</source>
        <translation>ses tables ne sont pas celles d&apos;un historique des mains (%1)</translation>
    </message>
    <message>
        <source>the folder %1 can&apos;t be created</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is not a hand history</source>
        <translation>ce n&apos;est pas un historique des mains</translation>
    </message>
    <message>
        <source>it failed SQLite&apos;s quick check: %1</source>
        <translation>il échoue à la vérification rapide de SQLite&#xa0;: %1</translation>
    </message>
    <message>
        <source>it can&apos;t be written (no WAL journal)</source>
        <translation>il ne peut pas être écrit (pas de journal WAL)</translation>
    </message>
    <message>
        <source>another program is writing it (%1)</source>
        <translation>un autre programme est en train de l&apos;écrire (%1)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Lumaro (schema version %1)</source>
        <translation>il a été écrit par une version plus récente de Lumaro (version de schéma %1)</translation>
    </message>
    <message>
        <source>The hand history %1 was written by a newer version of Lumaro; it is left as it is and hands are not recorded</source>
        <translation>L&apos;historique des mains %1 a été écrit par une version plus récente de Lumaro&#xa0;; il est laissé tel quel et les mains ne sont pas enregistrées</translation>
    </message>
    <message>
        <source>%1, and it could not be moved aside</source>
        <translation>%1, et il n&apos;a pas pu être mis de côté</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2) and could not be moved aside; hands are not recorded</source>
        <translation>L&apos;historique des mains %1 est endommagé (%2) et n&apos;a pas pu être mis de côté&#xa0;; les mains ne sont pas enregistrées</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2); it was moved to %3 and a new history was started</source>
        <translation>L&apos;historique des mains %1 est endommagé (%2)&#xa0;; il a été déplacé vers %3 et un nouvel historique a été commencé</translation>
    </message>
    <message>
        <source>its newest hands are in %1, which can&apos;t be read without %2 in a folder that can&apos;t be written</source>
        <translation>ses mains les plus récentes sont dans %1, qui ne peut pas être lu sans %2 dans un dossier en lecture seule</translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation>un autre programme le verrouille (%1)</translation>
    </message>
    <message>
        <source>it is damaged (%1); the game moves it aside when it starts</source>
        <translation>il est endommagé (%1)&#xa0;; le jeu le met de côté à son démarrage</translation>
    </message>
    <message>
        <source>it is in an older form (schema version %1): the game brings it up to date when it starts</source>
        <translation>il est dans une forme plus ancienne (version de schéma %1)&#xa0;: le jeu le met à jour à son démarrage</translation>
    </message>
    <message>
        <source>%1 could not be recorded in the hand history %2: another program kept it busy (%3); the hands recorded before are kept</source>
        <translation>Impossible d&apos;enregistrer %1 dans l&apos;historique des mains %2&#xa0;: un autre programme l&apos;occupait (%3)&#xa0;; les mains enregistrées avant sont conservées</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 main</translation>
    </message>
    <message>
        <source>A hand could not be recorded in the hand history %1 (%2); the hands recorded before are kept</source>
        <translation>Une main n&apos;a pas pu être enregistrée dans l&apos;historique des mains %1 (%2)&#xa0;; les mains enregistrées avant sont conservées</translation>
    </message>
    <message>
        <source>The hand history %1 could not be read (%2)</source>
        <translation>L&apos;historique des mains %1 n&apos;a pas pu être lu (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Hands are not recorded in the hand history %1 while another program keeps it busy (%2); %n hands wait for it</source>
        <translation>
            <numerusform>Les mains ne sont pas enregistrées dans l&apos;historique des mains %1 tant qu&apos;un autre programme l&apos;occupe (%2)&#xa0;; %n main attend</numerusform>
            <numerusform>Les mains ne sont pas enregistrées dans l&apos;historique des mains %1 tant qu&apos;un autre programme l&apos;occupe (%2)&#xa0;; %n mains attendent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n main</numerusform>
            <numerusform>%n mains</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Lumaro Help</source>
        <translation>Aide de Lumaro</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The help viewer&apos;s button that goes to the help&apos;s first page.</extracomment>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The help viewer&apos;s button that goes back to the page shown before.</extracomment>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The help file could not be opened.

Lumaro looks for QUORVEL.hlp beside the program and in its data folder (share/lumaro). The game itself is not affected.</source>
        <extracomment>Keep the file name QUORVEL.hlp and the folder share/lumaro as they are.</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide.

Lumaro cherche QUORVEL.hlp à côté du programme et dans son dossier de données (share/lumaro). Le jeu lui-même n&apos;est pas touché.</translation>
    </message>
</context>
<context>
    <name>THistoryPage</name>
    <message>
        <source>unnamed</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 main</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 fois</translation>
    </message>
    <message>
        <source>Best play, last sessions</source>
        <translation>Jeu optimal, dernières sessions</translation>
    </message>
    <message>
        <source>No sessions yet</source>
        <translation>Aucune session pour l&apos;instant</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Jeu optimal</translation>
    </message>
    <message>
        <source>Cost/100</source>
        <translation>Coût/100</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Costliest situations</source>
        <translation>Situations les plus coûteuses</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Gardé</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Mistakes, newest first</source>
        <translation>Erreurs, les plus récentes d&apos;abord</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Donne</translation>
    </message>
    <message>
        <source>The hand history could not be opened: %1.</source>
        <translation>L&apos;historique des mains n&apos;a pas pu être ouvert&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No hands recorded yet.</source>
        <translation>Aucune main enregistrée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Played: %1, best play %2, cost %3 per 100 hands. Practice: %4.</source>
        <extracomment>%1 and %4 the hands played for money and in practice (&quot;21 hands&quot;), %2 the share of best holds (&quot;93.2 %&quot;), %3 the coins lost to mistakes.</extracomment>
        <translation>Jouées&#xa0;: %1, jeu optimal %2, coût %3 pour 100 mains. Entraînement&#xa0;: %4.</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>entraînement</translation>
    </message>
    <message>
        <source>played</source>
        <translation>jouée</translation>
    </message>
    <message>
        <source>Practice session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <extracomment>A session as a screen reader says it: %1 when it started, %2 its hands (&quot;21 hands&quot;), %3 the share of best holds, %4 the coins lost to mistakes.</extracomment>
        <translation>Session d&apos;entraînement commencée le %1&#xa0;: %2, jeu optimal %3, coût %4 pour 100 mains</translation>
    </message>
    <message>
        <source>Played session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <translation>Session jouée commencée le %1&#xa0;: %2, jeu optimal %3, coût %4 pour 100 mains</translation>
    </message>
    <message>
        <source>%1 on average</source>
        <translation>%1 en moyenne</translation>
    </message>
    <message>
        <source>Held %1 instead of %2: %3, cost %4</source>
        <extracomment>%1 and %2 the kinds of hold (&quot;low pair&quot;, &quot;four to a flush&quot;), %3 how often (&quot;3 times&quot;), %4 the coins it cost.</extracomment>
        <translation>Gardé %1 au lieu de %2&#xa0;: %3, coût %4</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Replay %1</source>
        <translation>Rejouer %1</translation>
    </message>
    <message>
        <source>%1, bet %2, practice: %3 instead of %4</source>
        <extracomment>%1 when the hand was played, %2 its bet, %3 and %4 the kinds of hold held and best.</extracomment>
        <translation>%1, mise %2, entraînement&#xa0;: %3 au lieu de %4</translation>
    </message>
    <message>
        <source>%1, bet %2: %3 instead of %4</source>
        <translation>%1, mise %2&#xa0;: %3 au lieu de %4</translation>
    </message>
    <message>
        <source>Cost %1: dealt %2, held %3, best %4</source>
        <translation>Coût %1&#xa0;: donne %2, gardées %3, meilleur choix %4</translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n main</numerusform>
            <numerusform>%n mains</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n fois</numerusform>
            <numerusform>%n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A row of the hand history as a screen reader says it (%1), with its game&apos;s name (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
</context>
<context>
    <name>THoldList</name>
    <message>
        <source>Hold</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Jetons</translation>
    </message>
    <message>
        <source>Per coin</source>
        <translation>Par jeton</translation>
    </message>
    <message>
        <source>Discard everything</source>
        <translation>Tout changer</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Garder %1</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best, your hold</source>
        <translation>%1&#xa0;: %2 par jeton, meilleur, votre choix</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3, your hold</source>
        <translation>%1&#xa0;: %2 par jeton, coûte %3, votre choix</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best</source>
        <translation>%1&#xa0;: %2 par jeton, meilleur</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3</source>
        <translation>%1&#xa0;: %2 par jeton, coûte %3</translation>
    </message>
</context>
<context>
    <name>THoldPattern</name>
    <message>
        <source>two pair or better</source>
        <translation>double paire ou mieux</translation>
    </message>
    <message>
        <source>high pair</source>
        <translation>paire haute</translation>
    </message>
    <message>
        <source>low pair</source>
        <translation>petite paire</translation>
    </message>
    <message>
        <source>four to a royal flush</source>
        <translation>quatre cartes à la quinte flush royale</translation>
    </message>
    <message>
        <source>four to a straight flush</source>
        <translation>quatre cartes à la quinte flush</translation>
    </message>
    <message>
        <source>four to a flush</source>
        <translation>quatre cartes à la couleur</translation>
    </message>
    <message>
        <source>four to an outside straight</source>
        <translation>quatre cartes à la quinte ouverte</translation>
    </message>
    <message>
        <source>four to an inside straight</source>
        <translation>quatre cartes à la quinte ventrale</translation>
    </message>
    <message>
        <source>three to a royal flush</source>
        <translation>trois cartes à la quinte flush royale</translation>
    </message>
    <message>
        <source>three to a straight flush</source>
        <translation>trois cartes à la quinte flush</translation>
    </message>
    <message>
        <source>three to a flush</source>
        <translation>trois cartes à la couleur</translation>
    </message>
    <message>
        <source>three unsuited high cards</source>
        <translation>trois hautes cartes dépareillées</translation>
    </message>
    <message>
        <source>three to a straight</source>
        <translation>trois cartes à la quinte</translation>
    </message>
    <message>
        <source>two suited high cards</source>
        <translation>deux hautes cartes assorties</translation>
    </message>
    <message>
        <source>ten with a suited high card</source>
        <translation>dix avec une haute carte assortie</translation>
    </message>
    <message>
        <source>two unsuited high cards</source>
        <translation>deux hautes cartes dépareillées</translation>
    </message>
    <message>
        <source>one high card</source>
        <translation>une haute carte</translation>
    </message>
    <message>
        <source>three of a kind and a kicker</source>
        <translation>brelan et un kicker</translation>
    </message>
    <message>
        <source>three of a kind and two kickers</source>
        <translation>brelan et deux kickers</translation>
    </message>
    <message>
        <source>two pair and a kicker</source>
        <translation>double paire et un kicker</translation>
    </message>
    <message>
        <source>high pair and a kicker</source>
        <translation>paire haute et un kicker</translation>
    </message>
    <message>
        <source>high pair and two kickers</source>
        <translation>paire haute et deux kickers</translation>
    </message>
    <message>
        <source>high pair and three kickers</source>
        <translation>paire haute et trois kickers</translation>
    </message>
    <message>
        <source>low pair and a kicker</source>
        <translation>petite paire et un kicker</translation>
    </message>
    <message>
        <source>low pair and two kickers</source>
        <translation>petite paire et deux kickers</translation>
    </message>
    <message>
        <source>low pair and three kickers</source>
        <translation>petite paire et trois kickers</translation>
    </message>
    <message>
        <source>five cards, no pair</source>
        <translation>cinq cartes sans paire</translation>
    </message>
    <message>
        <source>four other cards</source>
        <translation>quatre autres cartes</translation>
    </message>
    <message>
        <source>three other cards</source>
        <translation>trois autres cartes</translation>
    </message>
    <message>
        <source>two other cards</source>
        <translation>deux autres cartes</translation>
    </message>
    <message>
        <source>one low card</source>
        <translation>une petite carte</translation>
    </message>
    <message>
        <source>discard everything</source>
        <translation>tout changer</translation>
    </message>
    <message>
        <source>pair of %1</source>
        <extracomment>A pair named by its rank: %1 is &quot;aces&quot;, &quot;kings&quot; ... &quot;twos&quot;.</extracomment>
        <translation>paire %1</translation>
    </message>
    <message>
        <source>four to a royal flush (%1)</source>
        <extracomment>%1 names the cards held, &quot;A K Q J&quot;.</extracomment>
        <translation>quatre cartes à la quinte flush royale (%1)</translation>
    </message>
    <message>
        <source>four to a straight flush, %1</source>
        <extracomment>%1 is how it draws (&quot;open&quot;, &quot;inside with 2 high cards&quot;).</extracomment>
        <translation>quatre cartes à la quinte flush, %1</translation>
    </message>
    <message>
        <source>four to a flush %1</source>
        <extracomment>%1 is how many high cards it holds (&quot;with 2 high cards&quot;).</extracomment>
        <translation>quatre cartes à la couleur %1</translation>
    </message>
    <message>
        <source>four to an outside straight %1</source>
        <translation>quatre cartes à la quinte ouverte %1</translation>
    </message>
    <message>
        <source>four to an inside straight %1</source>
        <translation>quatre cartes à la quinte ventrale %1</translation>
    </message>
    <message>
        <source>three to a royal flush (%1)</source>
        <translation>trois cartes à la quinte flush royale (%1)</translation>
    </message>
    <message>
        <source>three to a straight flush, %1</source>
        <translation>trois cartes à la quinte flush, %1</translation>
    </message>
    <message>
        <source>three to a flush %1</source>
        <translation>trois cartes à la couleur %1</translation>
    </message>
    <message>
        <source>%1 unsuited</source>
        <extracomment>%1 names the cards held, &quot;K Q J&quot;.</extracomment>
        <translation>%1 dépareillées</translation>
    </message>
    <message>
        <source>three to a straight %1</source>
        <translation>trois cartes à la quinte %1</translation>
    </message>
    <message>
        <source>%1 suited</source>
        <translation>%1 assorties</translation>
    </message>
    <message>
        <source>%1 only</source>
        <extracomment>%1 names the card held, &quot;K&quot;.</extracomment>
        <translation>%1 seul</translation>
    </message>
    <message>
        <source>royal flush</source>
        <translation>quinte flush royale</translation>
    </message>
    <message>
        <source>straight flush</source>
        <translation>quinte flush</translation>
    </message>
    <message>
        <source>four of a kind</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>quinte</translation>
    </message>
    <message>
        <source>three of a kind</source>
        <translation>brelan</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>double paire</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>d&apos;as</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>de rois</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>de dames</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>de valets</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>de dix</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>de neuf</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>de huit</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>de sept</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>de six</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>de cinq</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>de quatre</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>de trois</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>de deux</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>A straight draw whose two ends are open.</extracomment>
        <translation>ouverte</translation>
    </message>
    <message>
        <source>inside</source>
        <extracomment>A straight draw missing one card inside.</extracomment>
        <translation>ventrale</translation>
    </message>
    <message>
        <source>double inside</source>
        <extracomment>A straight draw missing two cards inside.</extracomment>
        <translation>doublement ventrale</translation>
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
        <translation>aucune haute carte</translation>
    </message>
    <message>
        <source>1 high card</source>
        <translation>1 haute carte</translation>
    </message>
    <message>
        <source>%1-%2 high cards</source>
        <extracomment>A run of counts, &quot;0-2 high cards&quot;.</extracomment>
        <translation>%1 à %2 hautes cartes</translation>
    </message>
    <message>
        <source>%1 high cards</source>
        <extracomment>%1 lists the counts, &quot;1, 2 or 4&quot;.</extracomment>
        <translation>%1 hautes cartes</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>avec %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 avec %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A family and the order its members are taken in: &quot;two suited high cards: Q J, K Q&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n high cards</source>
        <translation>
            <numerusform>%n haute carte</numerusform>
            <numerusform>%n hautes cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>no deuce</source>
        <extracomment>Deuces Wild: how many deuces (the wild cards) a hold keeps; a chart line begins with it.</extracomment>
        <translation>aucun deux</translation>
    </message>
    <message>
        <source>one deuce</source>
        <translation>un deux</translation>
    </message>
    <message>
        <source>two deuces</source>
        <translation>deux deux</translation>
    </message>
    <message>
        <source>three deuces</source>
        <translation>trois deux</translation>
    </message>
    <message>
        <source>four deuces</source>
        <translation>quatre deux</translation>
    </message>
    <message>
        <source>joker</source>
        <extracomment>Joker Poker: a hold with the joker (the wild card); a chart line begins with it.</extracomment>
        <translation>joker</translation>
    </message>
    <message>
        <source>no joker</source>
        <translation>sans joker</translation>
    </message>
    <message>
        <source>a paying hand or a pair</source>
        <extracomment>The family of holds that already pay or hold a pair, after the wild cards held.</extracomment>
        <translation>une main payée ou une paire</translation>
    </message>
    <message>
        <source>natural royal flush</source>
        <translation>quinte flush royale naturelle</translation>
    </message>
    <message>
        <source>wild royal flush</source>
        <translation>quinte flush royale avec joker</translation>
    </message>
    <message>
        <source>five of a kind</source>
        <translation>cinq cartes de même rang</translation>
    </message>
    <message>
        <source>pair of kings or aces</source>
        <extracomment>Joker Poker&apos;s paying pair, Kings or Better.</extracomment>
        <translation>paire de rois ou d&apos;as</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>paire</translation>
    </message>
    <message>
        <source>four to a straight</source>
        <translation>quatre cartes à la quinte</translation>
    </message>
    <message>
        <source>four to a straight, %1</source>
        <extracomment>%1 is how it draws: &quot;open&quot;, &quot;inside&quot;.</extracomment>
        <translation>quatre cartes à la quinte, %1</translation>
    </message>
    <message>
        <source>two to a royal flush</source>
        <translation>deux cartes à la quinte flush royale</translation>
    </message>
    <message>
        <source>two to a royal flush (%1)</source>
        <extracomment>%1 names the two cards held, &quot;A K&quot;.</extracomment>
        <translation>deux cartes à la quinte flush royale (%1)</translation>
    </message>
    <message>
        <source>high cards</source>
        <translation>hautes cartes</translation>
    </message>
    <message>
        <source>other cards</source>
        <translation>autres cartes</translation>
    </message>
    <message>
        <source>consecutive</source>
        <extracomment>A straight flush draw with wild cards, by the gaps between its natural cards.</extracomment>
        <translation>consécutives</translation>
    </message>
    <message>
        <source>consecutive at an end</source>
        <extracomment>A straight flush draw whose straight can&apos;t reach past the ace.</extracomment>
        <translation>consécutives en bout</translation>
    </message>
    <message>
        <source>one gap</source>
        <translation>un trou</translation>
    </message>
    <message>
        <source>one gap at an end</source>
        <translation>un trou en bout</translation>
    </message>
    <message>
        <source>two gaps</source>
        <translation>deux trous</translation>
    </message>
    <message>
        <source>two gaps at an end</source>
        <translation>deux trous en bout</translation>
    </message>
    <message>
        <source>three gaps</source>
        <translation>trois trous</translation>
    </message>
    <message>
        <source>three gaps at an end</source>
        <translation>trois trous en bout</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>%1 the rank of the three cards: &quot;aces&quot;, &quot;7s&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>trois %1</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A rank in plural by its letter: &quot;7s&quot;, &quot;Ks&quot;.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1s-%2s</source>
        <extracomment>A run of ranks by their letters: &quot;2s-4s&quot;, &quot;5s-Ks&quot;.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 with a %2 kicker</source>
        <extracomment>%1 three of a kind (&quot;three aces&quot;), %2 the kicker&apos;s ranks (&quot;2, 3 or 4&quot;).</extracomment>
        <translation>%1 avec un kicker %2</translation>
    </message>
    <message>
        <source>%1 with an %2 kicker</source>
        <extracomment>As &quot;%1 with a %2 kicker&quot;, where English writes &quot;an&quot; (&quot;an A, 2, 3 or 4 kicker&quot;).</extracomment>
        <translation>%1 avec un kicker %2</translation>
    </message>
    <message>
        <source>three of a kind with another kicker</source>
        <translation>brelan avec un autre kicker</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>wild cards held</comment>
        <extracomment>Deuces Wild and Joker Poker: the wild cards held (%1, &quot;two deuces&quot;, &quot;joker&quot;), then the rest of the hold (%2, &quot;four to a royal flush&quot;).</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>ace low</source>
        <extracomment>Deuces Wild: a draw whose only straight is ace-2-3-4-5, filled by a deuce alone.</extracomment>
        <translation>as en bas</translation>
    </message>
    <message>
        <source>no ace</source>
        <extracomment>Three to a royal flush without its ace, and with it.</extracomment>
        <translation>sans as</translation>
    </message>
    <message>
        <source>with an ace</source>
        <translation>avec un as</translation>
    </message>
    <message>
        <source>three to a royal flush, %1</source>
        <extracomment>%1 is &quot;no ace&quot; or &quot;with an ace&quot;.</extracomment>
        <translation>trois cartes à la quinte flush royale, %1</translation>
    </message>
    <message>
        <source>a paying hand</source>
        <extracomment>Joker Poker: the families of holds that already pay, and of those that hold a pair.</extracomment>
        <translation>une main payée</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>une paire</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>%1 the rank of the four cards: &quot;aces&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>quatre %1</translation>
    </message>
    <message>
        <source>four of a kind with another kicker</source>
        <extracomment>Four of a kind held with a kicker that doesn&apos;t raise its pay.</extracomment>
        <translation>carré avec un autre kicker</translation>
    </message>
    <message>
        <source>three to a straight, %1</source>
        <extracomment>%1 is how it draws (&quot;open with 2 high cards&quot;, &quot;inside with 1 high card&quot;).</extracomment>
        <translation>trois cartes à la quinte, %1</translation>
    </message>
    <message>
        <source>two pair with aces</source>
        <extracomment>Where two pair pays no more than a pair, two pair with a pair of aces is told apart.</extracomment>
        <translation>double paire avec des as</translation>
    </message>
    <message>
        <source>two pair without aces</source>
        <translation>double paire sans as</translation>
    </message>
    <message>
        <source>%1, not %2</source>
        <extracomment>A family but the kinds left out: &quot;four to a straight flush, not consecutive&quot;.</extracomment>
        <translation>%1, sauf %2</translation>
    </message>
    <message>
        <source>four to a straight flush (%1)</source>
        <extracomment>Deuces Wild: one kind of straight flush draw in a list of hands (&quot;consecutive&quot;), bracketed as the list has commas of its own.</extracomment>
        <translation>quatre cartes à la quinte flush (%1)</translation>
    </message>
    <message>
        <source>a paying hand or four to a straight flush</source>
        <extracomment>Joker Poker, with the joker: the family of holds that already pay or draw to a straight flush (a royal flush among them).</extracomment>
        <translation>une main payée ou quatre cartes à la quinte flush</translation>
    </message>
    <message>
        <source>a paying hand, four to a straight flush or a pair</source>
        <extracomment>Joker Poker, without the joker: the same family and the holds of a pair.</extracomment>
        <translation>une main payée, quatre cartes à la quinte flush ou une paire</translation>
    </message>
    <message>
        <source>pair of aces or better</source>
        <extracomment>Bonus games where two pair pays as a pair: the made hands down to a pair of aces.</extracomment>
        <translation>paire d&apos;as ou mieux</translation>
    </message>
    <message>
        <source>unsuited high cards</source>
        <extracomment>Bonus games: two or three high cards of different suits (&quot;K Q J&quot;, &quot;Q J&quot;).</extracomment>
        <translation>hautes cartes dépareillées</translation>
    </message>
    <message>
        <source>three to a flush with high cards</source>
        <extracomment>Bonus games: the draws left once those without a high card are a family of their own.</extracomment>
        <translation>trois cartes à la couleur avec hautes cartes</translation>
    </message>
    <message>
        <source>four to an inside straight with high cards</source>
        <translation>quatre cartes à la quinte ventrale avec hautes cartes</translation>
    </message>
    <message>
        <source>draws with no high card</source>
        <extracomment>Bonus games: three to a flush and four to an inside straight holding no high card.</extracomment>
        <translation>tirages sans haute carte</translation>
    </message>
    <message>
        <source>%1 with no high card</source>
        <extracomment>%1 is the draw: &quot;three to a flush&quot;, &quot;four to an inside straight&quot;.</extracomment>
        <translation>%1 sans haute carte</translation>
    </message>
    <message>
        <source>%1, no flush penalty</source>
        <extracomment>Penalty cards: %1 a hold (&quot;Q J suited&quot;) when none of the cards thrown away is of its suit, so that none of the flush cards left to draw is gone.</extracomment>
        <translation>%1, sans pénalité de couleur</translation>
    </message>
    <message>
        <source>%1 with a flush penalty</source>
        <extracomment>%1 a hold (&quot;Q J suited&quot;) when a card thrown away is of its suit.</extracomment>
        <translation>%1 avec pénalité de couleur</translation>
    </message>
    <message>
        <source>%1, no straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when no card thrown away would fill a straight with it.</extracomment>
        <translation>%1, sans pénalité de quinte</translation>
    </message>
    <message>
        <source>%1 with a straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when a card thrown away would fill a straight with it.</extracomment>
        <translation>%1 avec pénalité de quinte</translation>
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
        <translation>Code d&apos;erreur inconnu</translation>
    </message>
    <message>
        <source>No sound file to play</source>
        <translation>Aucun fichier son à jouer</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>%1 n&apos;a pas %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t play %1: %2</source>
        <translation>Impossible de jouer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>ce n&apos;est pas un fichier WAV</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not supported</source>
        <translation>sa fréquence d&apos;échantillonnage de %1 Hz n&apos;est pas prise en charge</translation>
    </message>
    <message>
        <source>its header claims far more sound than the file holds</source>
        <translation>son en-tête annonce bien plus de son que le fichier n&apos;en contient</translation>
    </message>
    <message>
        <source>it is too long to hold in memory once converted</source>
        <translation>il est trop long pour tenir en mémoire une fois converti</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the win sound: %1 is missing from %2, and there is no %3 in %4</source>
        <translation>Impossible de jouer le son de gain&#xa0;: %1 est absent de %2, et il n&apos;y a pas de %3 dans %4</translation>
    </message>
</context>
<context>
    <name>TPayTablePanel</name>
    <message>
        <source>Pay table</source>
        <extracomment>The name screen readers give the pay table shown beside the game.</extracomment>
        <translation>Table de gains</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <extracomment>How a screen reader reads a line of the pay table: %1 the hand, %2 what it pays for 1.</extracomment>
        <translation>%1 paie %2</translation>
    </message>
    <message>
        <source>the last hand</source>
        <extracomment>What a screen reader adds to the pay table&apos;s line of the hand just settled.</extracomment>
        <translation>la dernière main</translation>
    </message>
</context>
<context>
    <name>TPayoutsDialog</name>
    <message>
        <source>Jacks or Better Multiplier Default is 0</source>
        <extracomment>The caption beside the multiplier of pay line 1, a pair of jacks or better. It must fit the room of the English at 8 points: keep it as short.</extracomment>
        <translation>Valets ou mieux, par défaut 0</translation>
    </message>
    <message>
        <source>Two Pair Multiplier Default = 1</source>
        <translation>Deux paires, par défaut 1</translation>
    </message>
    <message>
        <source>Three of a Kind Default = 2</source>
        <translation>Brelan, par défaut 2</translation>
    </message>
    <message>
        <source>Straight Multiplier Default = 3</source>
        <translation>Quinte, par défaut 3</translation>
    </message>
    <message>
        <source>Flush Multiplier Default = 4</source>
        <translation>Couleur, par défaut 4</translation>
    </message>
    <message>
        <source>Full House Multiplier Default = 7 </source>
        <extracomment>The blank at the end is the design&apos;s.</extracomment>
        <translation>Full, par défaut 7 </translation>
    </message>
    <message>
        <source>Four of a Kind Multiplier Default = 11</source>
        <translation>Carré, par défaut 11</translation>
    </message>
    <message>
        <source>Straight Flush Multiplier Default = 49</source>
        <translation>Quinte flush, par défaut 49</translation>
    </message>
    <message>
        <source>Royal Flush Multiplier Default = 99</source>
        <translation>Quinte flush royale, par défaut 99</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <extracomment>The hand a pay line pays, as a screen reader names its multiplier field.</extracomment>
        <translation>Valets ou mieux</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Deux paires</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Set Winning Payouts and Sounds</source>
        <translation>Gains et sons</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sound%1</source>
        <extracomment>The button that chooses the sound of pay line %1 (1 to 9).</extracomment>
        <translation>Son %1</translation>
    </message>
    <message>
        <source>Your winning bets are multiplied by the values you select.  Sound Buttons let you choose a .WAV sound file.  Cancel and OK buttons will not effect sounds.</source>
        <extracomment>Word-wrapped in a narrow box at the dialog&apos;s right; the English has two blanks after each full stop. &quot;effect&quot; is the design&apos;s word.</extracomment>
        <translation>Vos gains sont multipliés par les valeurs choisies.  Les boutons Son choisissent un fichier .WAV.  Annuler et OK ne changent pas les sons.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <extracomment>What a screen reader says of a sound button; %1 is the hand (Flush).</extracomment>
        <translation>Son pour %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Payout values have been updated</source>
        <translation>Les valeurs des gains ont été mises à jour</translation>
    </message>
    <message>
        <source>Cancelled. No changes were made to the payoff values</source>
        <translation>Annulé. Les valeurs des gains n&apos;ont pas changé</translation>
    </message>
    <message>
        <source>Windows WAV files (*.WAV)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in brackets, (*.WAV), as it is.</extracomment>
        <translation>Fichiers WAV de Windows (*.WAV)</translation>
    </message>
    <message>
        <source>%1 Multiplier Default = %2</source>
        <extracomment>The caption beside the multiplier of a pay line of a game other than Jacks or Better: %1 is the line&apos;s name, %2 its multiplier in the game&apos;s default table.</extracomment>
        <translation>%1 Multiplicateur défaut = %2</translation>
    </message>
</context>
<context>
    <name>TSessionChart</name>
    <message>
        <source>Total after each hand</source>
        <translation>Total après chaque main</translation>
    </message>
    <message>
        <source>No hands yet</source>
        <translation>Aucune main pour l&apos;instant</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>processus %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a lock this program can read, and it stayed for %1</source>
        <translation>ce n&apos;est pas un verrou que ce programme sait lire, et il est resté %1</translation>
    </message>
    <message>
        <source>a program that has ended left it, and it can&apos;t be removed</source>
        <translation>un programme terminé l&apos;a laissé, et il ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>another Lumaro</source>
        <translation>un autre Lumaro</translation>
    </message>
    <message>
        <source>another program (%1)</source>
        <translation>un autre programme (%1)</translation>
    </message>
    <message>
        <source>%1%2 is saving (lock held for %3)</source>
        <translation>%1%2 est en train d&apos;enregistrer (verrou tenu depuis %3)</translation>
    </message>
    <message>
        <source>no lock file can be created in it</source>
        <translation>aucun fichier de verrou ne peut y être créé</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the lock file can&apos;t be written</source>
        <translation>le fichier de verrou ne peut pas être écrit</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Impossible de créer la clé %1</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;écrire les données de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for %1</source>
        <translation>Impossible d&apos;écrire les données de %1</translation>
    </message>
    <message>
        <source>Failed to get data for %1</source>
        <translation>Impossible de lire les données de %1</translation>
    </message>
    <message>
        <source>you have no permission to read it</source>
        <translation>vous n&apos;avez pas le droit de le lire</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>le dossier est en lecture seule</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>votre quota de disque est épuisé</translation>
    </message>
    <message>
        <source>the file would be larger than the system allows</source>
        <translation>le fichier dépasserait la taille que permet le système</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>le disque a signalé une erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>son nom est trop long</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>ses liens tournent en rond</translation>
    </message>
    <message>
        <source>a folder on its path is a file</source>
        <translation>un dossier de son chemin est un fichier</translation>
    </message>
    <message>
        <source>no file can be created in it</source>
        <translation>aucun fichier ne peut y être créé</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a file, not a folder</source>
        <translation>c&apos;est un fichier, pas un dossier</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>Le contrôle &apos;%1&apos; n&apos;a pas de fenêtre parente</translation>
    </message>
</context>
</TS>
