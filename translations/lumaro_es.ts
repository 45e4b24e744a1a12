<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CardSpokenName</name>
    <message>
        <source>Ace</source>
        <extracomment>A card&apos;s rank, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>As</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Spades</source>
        <extracomment>A card&apos;s suit, as a screen reader names the card (&quot;Ace of Spades&quot;).</extracomment>
        <translation>picas</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card as a screen reader names it: %1 is its rank (Ace, 10, Queen), %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>Card back %1</source>
        <extracomment>The back of a card, one of nine designs (%1 is 1 to 9).</extracomment>
        <translation>Reverso de carta %1</translation>
    </message>
    <message>
        <source>Lumaro title card</source>
        <extracomment>The card shown before the first deal, with the game&apos;s title.</extracomment>
        <translation>Carta de título de Lumaro</translation>
    </message>
</context>
<context>
    <name>ShowErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>TAdvicePage</name>
    <message>
        <source>Holds, best first</source>
        <translation>Opciones, la mejor primero</translation>
    </message>
    <message>
        <source>Hold best</source>
        <translation>Retener lo mejor</translation>
    </message>
    <message>
        <source>Marks the best hold (key B)</source>
        <translation>Marca la mejor opción (tecla B)</translation>
    </message>
    <message>
        <source>Show all 32</source>
        <translation>Mostrar las 32</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Holds are shown after the draw; no money moves</source>
        <translation>Las opciones se muestran después del cambio; no se mueve dinero</translation>
    </message>
    <message>
        <source>Warn before Draw</source>
        <translation>Avisar antes de cambiar</translation>
    </message>
    <message>
        <source>In practice, asks before a draw with a hold that is not a best one</source>
        <translation>En práctica, pregunta antes de cambiar con una opción que no es la mejor</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
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
        <translation>Retorno con la jugada óptima: calculando...</translation>
    </message>
    <message>
        <source>Return with best play: %1 %</source>
        <extracomment>%1 is a percentage with two decimals, &quot;92.70&quot;.</extracomment>
        <translation>Retorno con la jugada óptima: %1 %</translation>
    </message>
    <message>
        <source>Return with best play: not available (%1)</source>
        <extracomment>%1 is why the return could not be counted.</extracomment>
        <translation>Retorno con la jugada óptima: no disponible (%1)</translation>
    </message>
    <message>
        <source>Your hold: %1, a best hold</source>
        <translation>Tu opción: %1, una de las mejores</translation>
    </message>
    <message>
        <source>Your hold: %1, rank %2 of %3, gives up %4 coins</source>
        <extracomment>%1 the held cards, %2 the hold&apos;s rank among the %3 holds, %4 the coins it gives up.</extracomment>
        <translation>Tu opción: %1, puesto %2 de %3, cede %4 monedas</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Jugada óptima</translation>
    </message>
    <message>
        <source>You held %1 (expected %2), best was %3 (expected %4): this choice cost %5 coins on average</source>
        <extracomment>After the draw. %1 the cards held and %2 what they were expected to pay, in coins; %3 and %4 the same for the best hold; %5 the coins the choice cost.</extracomment>
        <translation>Retuviste %1 (esperado %2), lo mejor era %3 (esperado %4): esta elección costó %5 monedas de media</translation>
    </message>
    <message>
        <source>Dealt %1, bet %2:</source>
        <extracomment>Over the list of holds after the draw: %1 the five cards dealt, %2 the bet.</extracomment>
        <translation>Repartido %1, apuesta %2:</translation>
    </message>
    <message>
        <source>Holding %1 gives up %2 coins on average. The best hold is %3 (expected %4 against %5).</source>
        <extracomment>Asked before a draw in practice. %1 the cards held, %2 the coins that gives up, %3 the best hold, %4 what it is expected to pay, %5 what the player&apos;s hold is expected to pay.</extracomment>
        <translation>Retener %1 cede %2 monedas de media. La mejor opción es %3 (esperado %4 frente a %5).</translation>
    </message>
    <message>
        <source>Hands: %1</source>
        <translation>Manos: %1</translation>
    </message>
    <message>
        <source>Best holds: %1 of %2 (%3 %)</source>
        <extracomment>%1 of %2 holds were best ones, %3 per cent of them.</extracomment>
        <translation>Mejores opciones: %1 de %2 (%3 %)</translation>
    </message>
    <message>
        <source>Cost of mistakes: %1 coins</source>
        <translation>Coste de los errores: %1 monedas</translation>
    </message>
    <message>
        <source>Return: no hands yet</source>
        <translation>Retorno: aún no hay manos</translation>
    </message>
    <message>
        <source>Return: yours %1 %, best %2 %</source>
        <extracomment>The return of the player&apos;s holds and of the best ones, percentages with two decimals.</extracomment>
        <translation>Retorno: el tuyo %1 %, óptimo %2 %</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Asesor de estrategia</translation>
    </message>
    <message>
        <source>Advisor pages</source>
        <translation>Páginas del asesor</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>&amp;Draw anyway</source>
        <translation>&amp;Cambiar igualmente</translation>
    </message>
    <message>
        <source>&amp;Change hold</source>
        <translation>&amp;Elegir otra opción</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>computing...</source>
        <translation>calculando...</translation>
    </message>
    <message>
        <source>Deal a hand to see its best holds.</source>
        <translation>Reparte una mano para ver sus mejores opciones.</translation>
    </message>
    <message>
        <source>Holds, best first:</source>
        <translation>Opciones, la mejor primero:</translation>
    </message>
    <message>
        <source>Practice: the best holds are shown after the draw.</source>
        <translation>Práctica: las mejores opciones se muestran después del cambio.</translation>
    </message>
    <message>
        <source>Your hold: %1</source>
        <translation>Tu opción: %1</translation>
    </message>
    <message>
        <source>Holds for a bet of %1, best first:</source>
        <translation>Opciones para una apuesta de %1, la mejor primero:</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Reparte una mano para ver la línea que le corresponde.</translation>
    </message>
    <message>
        <source>Practice: the line is shown after the draw.</source>
        <translation>Práctica: la línea se muestra después del cambio.</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>The advisor&apos;s page with the pay table of the game in force.</extracomment>
        <translation>Tabla de pagos</translation>
    </message>
</context>
<context>
    <name>TBankrollPage</name>
    <message>
        <source>The bankroll is a whole number of bets, at least 1.</source>
        <translation>La bankroll es un número entero de apuestas, al menos 1.</translation>
    </message>
    <message>
        <source>The bankroll is at most %1 bets.</source>
        <translation>La bankroll es de %1 apuestas como máximo.</translation>
    </message>
    <message>
        <source>The bet is a whole number of coins from %1 to %2.</source>
        <translation>La apuesta es un número entero de monedas de %1 a %2.</translation>
    </message>
    <message>
        <source>The hands are a whole number, at least 1.</source>
        <translation>El número de manos es un número entero, al menos 1.</translation>
    </message>
    <message>
        <source>At most %1 hands are counted.</source>
        <translation>Se cuentan como máximo %1 manos.</translation>
    </message>
    <message>
        <source>no chance</source>
        <translation>ninguna posibilidad</translation>
    </message>
    <message>
        <source>certain</source>
        <translation>seguro</translation>
    </message>
    <message>
        <source>1 chance in %1</source>
        <translation>1 posibilidad entre %1</translation>
    </message>
    <message>
        <source>%1 chances in %2</source>
        <translation>%1 posibilidades entre %2</translation>
    </message>
    <message>
        <source>almost certain</source>
        <translation>casi seguro</translation>
    </message>
    <message>
        <source>Waiting for the game&apos;s odds...</source>
        <translation>Esperando las probabilidades del juego...</translation>
    </message>
    <message>
        <source>Bets:</source>
        <translation>Apuestas:</translation>
    </message>
    <message>
        <source>Bankroll in bets</source>
        <translation>Bankroll en apuestas</translation>
    </message>
    <message>
        <source>Bet in coins</source>
        <translation>Apuesta en monedas</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Bankroll:</translation>
    </message>
    <message>
        <source>Bet:</source>
        <translation>Apuesta:</translation>
    </message>
    <message>
        <source>Hands:</source>
        <translation>Manos:</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>monedas</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Use my total, %1 coins</source>
        <translation>Mi total, %1 monedas</translation>
    </message>
    <message>
        <source>Your total of %1 coins is less than one bet.</source>
        <translation>Tu total de %1 monedas es menos de una apuesta.</translation>
    </message>
    <message>
        <source>= %1 coins</source>
        <translation>= %1 monedas</translation>
    </message>
    <message>
        <source>The figures wait for the fields marked above.</source>
        <translation>Las cifras esperan a los campos marcados arriba.</translation>
    </message>
    <message>
        <source>The figures could not be counted (%1).</source>
        <translation>No se pudieron calcular las cifras (%1).</translation>
    </message>
    <message>
        <source>Counting the figures...</source>
        <translation>Calculando las cifras...</translation>
    </message>
    <message>
        <source>Counting the game&apos;s odds...</source>
        <translation>Calculando las probabilidades del juego...</translation>
    </message>
    <message>
        <source>%1 bets (%2 coins)</source>
        <extracomment>%1 a number of bets, %2 the same in coins, both signed: &quot;-12.5 bets (-62 coins)&quot;</extracomment>
        <translation>%1 apuestas (%2 monedas)</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers</source>
        <translation>Jotas o mejor con tus multiplicadores</translation>
    </message>
    <message>
        <source>Jacks or Better with your multipliers: %1% return under best play</source>
        <extracomment>%1 the return in per cent with two decimals: &quot;99.54&quot;</extracomment>
        <translation>Jotas o mejor con tus multiplicadores: %1% de retorno con la jugada óptima</translation>
    </message>
    <message numerus="yes">
        <source>A bankroll of %n bets of %1 coins (%2 coins), best play throughout:</source>
        <extracomment>%n the bankroll in bets, %1 the bet, %2 the bankroll in coins</extracomment>
        <translation>
            <numerusform>Una bankroll de %n apuesta de %1 monedas (%2 monedas), siempre con la jugada óptima:</numerusform>
            <numerusform>Una bankroll de %n apuestas de %1 monedas (%2 monedas), siempre con la jugada óptima:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Losing the whole bankroll within %n hands: %1 (%2)</source>
        <extracomment>%1 a chance in words (&quot;1 chance in 12&quot;), %2 the same in per cent</extracomment>
        <translation>
            <numerusform>Perder toda la bankroll en %n mano: %1 (%2)</numerusform>
            <numerusform>Perder toda la bankroll en %n manos: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ahead after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>Con ganancias tras %n mano: %1 (%2)</numerusform>
            <numerusform>Con ganancias tras %n manos: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Even after %n hands: %1 (%2)</source>
        <translation>
            <numerusform>Sin ganar ni perder tras %n mano: %1 (%2)</numerusform>
            <numerusform>Sin ganar ni perder tras %n manos: %1 (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Behind after %n hands, ruin included: %1 (%2)</source>
        <translation>
            <numerusform>Con pérdidas tras %n mano, ruina incluida: %1 (%2)</numerusform>
            <numerusform>Con pérdidas tras %n manos, ruina incluida: %1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Expected result: %1</source>
        <translation>Resultado esperado: %1</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>por encima de %1</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or lower (5th percentile)</source>
        <translation>1 sesión de cada 20 termina en %1 o menos (percentil 5)</translation>
    </message>
    <message>
        <source>Half the sessions end at %1 or lower (median)</source>
        <translation>La mitad de las sesiones termina en %1 o menos (mediana)</translation>
    </message>
    <message>
        <source>1 session in 20 ends at %1 or higher (95th percentile)</source>
        <translation>1 sesión de cada 20 termina en %1 o más (percentil 95)</translation>
    </message>
    <message>
        <source>Standard deviation of the result: %1 bets (%2 coins)</source>
        <translation>Desviación típica del resultado: %1 apuestas (%2 monedas)</translation>
    </message>
    <message>
        <source>Chance of ruin against hands played</source>
        <translation>Probabilidad de ruina según las manos jugadas</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Manos jugadas</translation>
    </message>
    <message>
        <source>Chance of each result</source>
        <translation>Probabilidad de cada resultado</translation>
    </message>
    <message>
        <source>Result in bets</source>
        <translation>Resultado en apuestas</translation>
    </message>
    <message numerus="yes">
        <source>After %n hands: %1 chance of ruin</source>
        <translation>
            <numerusform>Tras %n mano: %1 de probabilidad de ruina</numerusform>
            <numerusform>Tras %n manos: %1 de probabilidad de ruina</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bets or less: %2</source>
        <translation>%1 apuestas o menos: %2</translation>
    </message>
    <message>
        <source>%1 bets or more: %2</source>
        <translation>%1 apuestas o más: %2</translation>
    </message>
    <message>
        <source>%1 bets: %2</source>
        <translation>%1 apuestas: %2</translation>
    </message>
    <message>
        <source>%1 to %2 bets: %3</source>
        <translation>%1 a %2 apuestas: %3</translation>
    </message>
    <message>
        <source>Ruined, the whole bankroll lost: %1</source>
        <translation>Arruinado, toda la bankroll perdida: %1</translation>
    </message>
    <message numerus="yes">
        <source>Chance of each result after %n hands</source>
        <translation>
            <numerusform>Probabilidad de cada resultado tras %n mano</numerusform>
            <numerusform>Probabilidad de cada resultado tras %n manos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 with your multipliers</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;</extracomment>
        <translation>%1 con tus multiplicadores</translation>
    </message>
    <message>
        <source>%1 with your multipliers: %2% return under best play</source>
        <extracomment>%1 the game&apos;s name: &quot;Deuces Wild&quot;; %2 the return in per cent with two decimals: &quot;100.76&quot;</extracomment>
        <translation>%1 con tus multiplicadores: %2% de retorno con la jugada óptima</translation>
    </message>
    <message>
        <source>almost no chance</source>
        <translation>casi ninguna posibilidad</translation>
    </message>
</context>
<context>
    <name>TChartList</name>
    <message>
        <source>Chart lines</source>
        <translation>Líneas de la tabla</translation>
    </message>
    <message>
        <source>Marked: line %1, %2</source>
        <translation>Marcada: línea %1, %2</translation>
    </message>
    <message>
        <source>nothing held</source>
        <translation>nada retenido</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>retenidas: %1</translation>
    </message>
    <message>
        <source>%1, %2 drawn</source>
        <extracomment>%1 the cards held (&quot;Ace of Spades, King of Spades held&quot;), %2 those drawn.</extracomment>
        <translation>%1; cambiadas: %2</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals. The dealt hand&apos;s line</source>
        <extracomment>A line of the strategy chart as a screen reader says it: %1 its number, %2 the hold it names, %3 an example deal, %4 the share of all deals it decides (&quot;12.345 %&quot;).</extracomment>
        <translation>Línea %1: %2. Ejemplo: %3. Decide el %4 de los repartos. La línea de la mano repartida</translation>
    </message>
    <message>
        <source>Line %1: %2. Example: %3. Decides %4 of deals</source>
        <translation>Línea %1: %2. Ejemplo: %3. Decide el %4 de los repartos</translation>
    </message>
</context>
<context>
    <name>TChartPage</name>
    <message>
        <source>building...</source>
        <translation>generando...</translation>
    </message>
    <message>
        <source>Pay table, Jacks or Better to Royal Flush: %1</source>
        <extracomment>%1 the nine multipliers of the pay table, &quot;0,1,2,3,4,6,9,25,50,800&quot;.</extracomment>
        <translation>Tabla de pagos, de Jotas o mejor a Escalera real: %1</translation>
    </message>
    <message>
        <source>Lumaro strategy chart</source>
        <translation>Tabla de estrategia de Lumaro</translation>
    </message>
    <message>
        <source>1 line</source>
        <extracomment>How many lines the chart has.</extracomment>
        <translation>1 línea</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>Return holding by the chart: %1% (%2)</source>
        <extracomment>%1 a percentage with four decimals, %2 how many lines the chart has (&quot;24 lines&quot;).</extracomment>
        <translation>Retorno siguiendo la tabla: %1 % (%2)</translation>
    </message>
    <message>
        <source>Return under optimal play: %1%</source>
        <translation>Retorno con juego óptimo: %1 %</translation>
    </message>
    <message>
        <source>The chart gives up %1 points of return.</source>
        <extracomment>%1 the points of return the chart gives up, &quot;0.0010&quot;.</extracomment>
        <translation>La tabla cede %1 puntos de retorno.</translation>
    </message>
    <message>
        <source>A line naming a whole family takes the first that fits, in this order:</source>
        <translation>Una línea que nombra toda una familia toma la primera que encaja, en este orden:</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Prints the chart, laid out for paper</source>
        <translation>Imprime la tabla, maquetada para papel</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Writes the chart, laid out for paper, to a PDF file</source>
        <translation>Escribe la tabla, maquetada para papel, en un archivo PDF</translation>
    </message>
    <message>
        <source>Deal a hand to see the line it fits.</source>
        <translation>Reparte una mano para ver la línea que le corresponde.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Chart for %1</source>
        <translation>Tabla para %1</translation>
    </message>
    <message>
        <source>Strategy chart</source>
        <translation>Tabla de estrategia</translation>
    </message>
    <message>
        <source>Chart: %1 %, %2
Best play: %3 %
The chart gives up %4 points</source>
        <extracomment>Three lines: the chart&apos;s return (%1, a percentage with four decimals; %2 its lines, &quot;24 lines&quot;), the return of the best play (%3) and the difference (%4, &quot;0.0010&quot;).</extracomment>
        <translation>Tabla: %1 %, %2
Jugada óptima: %3 %
La tabla cede %4 puntos</translation>
    </message>
    <message>
        <source>Chart: not available (%1)</source>
        <translation>Tabla: no disponible (%1)</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Tabla: %1</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>no disponible</translation>
    </message>
    <message>
        <source>Dealt %1: %2</source>
        <translation>Repartido %1: %2</translation>
    </message>
    <message>
        <source>Dealt %1: no line fits, hold nothing</source>
        <translation>Repartido %1: ninguna línea encaja, no retener nada</translation>
    </message>
    <message>
        <source>Dealt %1: line %2</source>
        <translation>Repartido %1: línea %2</translation>
    </message>
    <message>
        <source>There is no chart to save yet</source>
        <translation>Todavía no hay ninguna tabla que guardar</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1</source>
        <translation>No se puede escribir el archivo PDF %1</translation>
    </message>
    <message>
        <source>Save the chart as PDF</source>
        <translation>Guardar la tabla como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print the strategy chart</source>
        <translation>Imprimir la tabla de estrategia</translation>
    </message>
    <message>
        <source>The chart could not be printed</source>
        <translation>No se pudo imprimir la tabla</translation>
    </message>
    <message>
        <source>Lumaro strategy chart, page %1</source>
        <translation>Tabla de estrategia de Lumaro, página %1</translation>
    </message>
    <message>
        <source>Hold the first line that fits the hand; of the holds a line names, the first that fits.</source>
        <translation>Retén la primera línea que encaje con la mano; de las opciones que nombra una línea, la primera que encaje.</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column headings of the printed chart: the line&apos;s number, the hold it names, an example deal, and the share of all deals the line decides.</extracomment>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Retener</translation>
    </message>
    <message>
        <source>Deals</source>
        <translation>Repartos</translation>
    </message>
    <message>
        <source>Example (held | drawn)</source>
        <translation>Ejemplo (retenidas | cambiadas)</translation>
    </message>
    <message>
        <source>Pay table of %1, %2 to %3: %4</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 its lowest line (&quot;Three of a Kind&quot;), %3 its highest (&quot;Natural Royal Flush&quot;), %4 the multipliers of its lines, lowest first.</extracomment>
        <translation>Tabla de pagos de %1, de %2 a %3: %4</translation>
    </message>
    <message>
        <source>Lumaro strategy chart for %1</source>
        <extracomment>The printed chart&apos;s title; %1 the game&apos;s name, &quot;Deuces Wild&quot;.</extracomment>
        <translation>Tabla de estrategia de Lumaro para %1</translation>
    </message>
    <message>
        <source>%1: chart for %2</source>
        <extracomment>%1 the game&apos;s name (&quot;Deuces Wild&quot;), %2 the multipliers of its lines, lowest first.</extracomment>
        <translation>%1: tabla para %2</translation>
    </message>
</context>
<context>
    <name>TChooseGameDialog</name>
    <message>
        <source>Choose Game</source>
        <translation>Elegir juego</translation>
    </message>
    <message>
        <source>Choose a game and its pay table. Each table shows what it pays for 1 coin, lowest hand first, and its return under best play. A new game starts a new session.</source>
        <translation>Elija un juego y su tabla de pagos. Cada tabla muestra lo que paga por 1 moneda, la mano más baja primero, y su retorno con el mejor juego. Un juego nuevo empieza una sesión nueva.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>Game and table</source>
        <translation>Juego y tabla</translation>
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
        <translation>mi propia tabla</translation>
    </message>
    <message>
        <source>not counted</source>
        <extracomment>The return of a table that could not be counted (out of memory).</extracomment>
        <translation>no calculado</translation>
    </message>
</context>
<context>
    <name>TGameNames</name>
    <message>
        <source>Jacks or Better</source>
        <extracomment>A game&apos;s name, in the Choose Game dialog and atop the pay table.</extracomment>
        <translation>Jotas o mejor</translation>
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
        <translation>Ases y figuras</translation>
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
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <extracomment>A pay line: four of a kind of fives up to kings.</extracomment>
        <translation>Póker de 5 a K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A pay line: four twos, threes or fours.</extracomment>
        <translation>Póker de 2 a 4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <translation>Póker de ases</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four twos, threes or fours, the fifth card an ace, 2, 3 or 4.</extracomment>
        <translation>Póker de 2 a 4 con kicker A, 2, 3 o 4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A pay line: four aces, the fifth card a 2, 3 or 4.</extracomment>
        <translation>Póker de ases con kicker 2, 3 o 4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A pay line: four of a kind of twos up to tens.</extracomment>
        <translation>Póker de 2 a 10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A pay line: four jacks, queens or kings.</extracomment>
        <translation>Póker de jotas a reyes</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>Deuces Wild&apos;s losing hand: less than three of a kind.</extracomment>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>Five of a Kind</source>
        <extracomment>A pay line of the wild-card games: five cards of one rank, a wild card among them.</extracomment>
        <translation>Repóker</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A pay line: a royal flush made with a wild card (a deuce or the joker).</extracomment>
        <translation>Escalera real con comodín</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>Deuces Wild&apos;s pay line for the four 2s.</extracomment>
        <translation>Cuatro doses</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A pay line: a royal flush without a wild card.</extracomment>
        <translation>Escalera real natural</translation>
    </message>
    <message>
        <source>Kings or Better</source>
        <extracomment>Joker Poker&apos;s lowest pay line: a pair of kings or aces.</extracomment>
        <translation>Reyes o mejor</translation>
    </message>
</context>
<context>
    <name>TGameView</name>
    <message>
        <source>Draw</source>
        <extracomment>A hold panel under a card: the card is replaced at the draw.</extracomment>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>A hold panel under a card: the card stays at the draw.</extracomment>
        <translation>Retener</translation>
    </message>
    <message>
        <source>Over</source>
        <extracomment>A hold panel under a card once the hand is settled.</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Player has No Pair </source>
        <extracomment>The hand after the draw. The blank at the end is the machine&apos;s own.</extracomment>
        <translation>El jugador no tiene pareja </translation>
    </message>
    <message>
        <source>Player has One Pair</source>
        <extracomment>The hand after the draw: a pair of tens or lower, which loses.</extracomment>
        <translation>El jugador tiene una pareja</translation>
    </message>
    <message>
        <source>Player has pair of Jacks or Better</source>
        <extracomment>The hand after the draw: a pair of jacks, queens, kings or aces, which pays.</extracomment>
        <translation>El jugador tiene pareja de jotas o mejor</translation>
    </message>
    <message>
        <source>Player has Two Pair</source>
        <translation>El jugador tiene doble pareja</translation>
    </message>
    <message>
        <source>Player has Three of a Kind</source>
        <translation>El jugador tiene un trío</translation>
    </message>
    <message>
        <source>Player has a Straight</source>
        <translation>El jugador tiene una escalera</translation>
    </message>
    <message>
        <source>Player has a Flush</source>
        <translation>El jugador tiene color</translation>
    </message>
    <message>
        <source>Player has a Full House</source>
        <translation>El jugador tiene un full</translation>
    </message>
    <message>
        <source>Wow! Four of a Kind</source>
        <translation>¡Guau! Póker</translation>
    </message>
    <message>
        <source>Wow! Straight Flush</source>
        <translation>¡Guau! Escalera de color</translation>
    </message>
    <message>
        <source>Wow! Royal Flush</source>
        <translation>¡Guau! Escalera real</translation>
    </message>
    <message>
        <source>You Lost Total is now %1</source>
        <extracomment>A hand lost; %1 is the total after it.</extracomment>
        <translation>Has perdido. El total es %1</translation>
    </message>
    <message>
        <source>You Win Total is now %1</source>
        <extracomment>A win paid at multiplier 0 (the bet comes back); %1 is the total.</extracomment>
        <translation>¡Has ganado! El total es %1</translation>
    </message>
    <message>
        <source>*Bonus* %1X  Paid You Win! Total is now %2</source>
        <extracomment>A win: %1 is the multiplier plus one (the stake comes back with it), as in &quot;*Bonus* 8X&quot;; %2 is the total after it.</extracomment>
        <translation>*Bonus* %1X pagado. ¡Has ganado! Total: %2</translation>
    </message>
    <message>
        <source>Practice hand: no money moves</source>
        <extracomment>The second message line while a practice hand is played.</extracomment>
        <translation>Mano de práctica: no se juega dinero</translation>
    </message>
    <message>
        <source>Practice hand: it would cost %1. Total stays %2</source>
        <extracomment>A practice hand that lost: %1 is the bet it would have cost, %2 the total.</extracomment>
        <translation>Práctica: costaría %1. El total sigue en %2</translation>
    </message>
    <message>
        <source>Practice hand: it would pay %1. Total stays %2</source>
        <extracomment>A practice hand that won: %1 is what it would have paid, %2 the total.</extracomment>
        <translation>Práctica: pagaría %1. El total sigue en %2</translation>
    </message>
    <message>
        <source>Practice hand: the bet would come back. Total stays %1</source>
        <extracomment>A practice hand won at multiplier 0; %1 is the total.</extracomment>
        <translation>Práctica: se devolvería la apuesta. El total sigue en %1</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1 Total Pairs =%2</source>
        <extracomment>The first statistics line: %n hands won, %1 hands lost, %2 one-pair hands (paying or not).</extracomment>
        <translation>
            <numerusform>Manos: %n ganada, %1 perdidas, parejas =%2</numerusform>
            <numerusform>Manos: %n ganadas, %1 perdidas, parejas =%2</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands Two Pair=%1</source>
        <extracomment>The second statistics line starts with this when two pair has come up (%1 times); the items below follow it, each with its own leading blank.</extracomment>
        <translation>Manos altas: Doble pareja=%1</translation>
    </message>
    <message>
        <source> 3 of a Kind=%1</source>
        <extracomment>An item of the second statistics line: the hand and how often it came up. Keep the leading blank: it parts the items.</extracomment>
        <translation> Tríos=%1</translation>
    </message>
    <message>
        <source> Straights=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Escaleras=%1</translation>
    </message>
    <message>
        <source> Flushs=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Colores=%1</translation>
    </message>
    <message>
        <source> Full House=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Fulls=%1</translation>
    </message>
    <message>
        <source> 4 of a Kind=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Póker=%1</translation>
    </message>
    <message>
        <source> Straight Flush=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Esc. de color=%1</translation>
    </message>
    <message>
        <source> Royal Flush=%1</source>
        <extracomment>An item of the second statistics line. Keep the leading blank.</extracomment>
        <translation> Esc. reales=%1</translation>
    </message>
    <message>
        <source>No Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Sin pareja</translation>
    </message>
    <message>
        <source>Pairs</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>2 Pair</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>3 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Straight</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full House</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>4 of a Kind</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Esc. de color</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <extracomment>A column heading of the statistics grid, over the count of these hands.</extracomment>
        <translation>Esc. real</translation>
    </message>
    <message>
        <source>Player has %t</source>
        <extracomment>The hand after the draw in a game other than Jacks or Better; %t is the pay line&apos;s name (&quot;Kings or Better&quot;, &quot;Four Aces&quot;).</extracomment>
        <translation>El jugador tiene %t</translation>
    </message>
    <message>
        <source>Wow! %t</source>
        <extracomment>The hand after the draw, a big one (four of a kind or better); %t is the pay line&apos;s name.</extracomment>
        <translation>¡Guau! %t</translation>
    </message>
    <message numerus="yes">
        <source>Player has Won %n hands and Lost %1</source>
        <extracomment>The first statistics line of a game other than Jacks or Better: %n hands won, %1 lost.</extracomment>
        <translation>
            <numerusform>El jugador ha ganado %n mano y perdido %1</numerusform>
            <numerusform>El jugador ha ganado %n manos y perdido %1</numerusform>
        </translation>
    </message>
    <message>
        <source>High Hands</source>
        <extracomment>The second statistics line of a game other than Jacks or Better starts with this when a winning hand has come up; its items follow.</extracomment>
        <translation>Manos altas:</translation>
    </message>
    <message>
        <source> %t=%1</source>
        <extracomment>An item of the second statistics line: the pay line&apos;s name (%t) and how often it came up (%1). Keep the leading blank: it parts the items.</extracomment>
        <translation> %t=%1</translation>
    </message>
    <message>
        <source>No Win</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: the count of Deuces Wild&apos;s losing hands.</extracomment>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>Four 5s-Ks</source>
        <extracomment>A column heading of the statistics grid (a narrow column) and an item of the second statistics line: four of a kind of fives up to kings.</extracomment>
        <translation>Póker 5-K</translation>
    </message>
    <message>
        <source>Four 2s-4s</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos, threes or fours.</extracomment>
        <translation>Póker 2-4</translation>
    </message>
    <message>
        <source>Four Aces</source>
        <extracomment>A column heading of the statistics grid (a narrow column).</extracomment>
        <translation>Póker ases</translation>
    </message>
    <message>
        <source>Four 2s-4s with an A, 2, 3 or 4 kicker</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos, threes or fours with an ace, 2, 3 or 4 as fifth card. A short form is welcome.</extracomment>
        <translation>Póker 2-4 + A-4</translation>
    </message>
    <message>
        <source>Four Aces with a 2, 3 or 4 kicker</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four aces with a 2, 3 or 4 as fifth card. A short form is welcome.</extracomment>
        <translation>Póker A + 2-4</translation>
    </message>
    <message>
        <source>Four 2s-10s</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four twos up to tens.</extracomment>
        <translation>Póker 2-10</translation>
    </message>
    <message>
        <source>Four Jacks-Kings</source>
        <extracomment>A column heading of the statistics grid (a narrow column): four jacks, queens or kings.</extracomment>
        <translation>Póker J-K</translation>
    </message>
    <message>
        <source>5 of a Kind</source>
        <extracomment>A column heading of the statistics grid (a narrow column): five of a kind.</extracomment>
        <translation>Repóker</translation>
    </message>
    <message>
        <source>Wild Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush made with a wild card.</extracomment>
        <translation>Real comodín</translation>
    </message>
    <message>
        <source>Four Deuces</source>
        <extracomment>A column heading of the statistics grid (a narrow column): Deuces Wild&apos;s four 2s.</extracomment>
        <translation>Cuatro doses</translation>
    </message>
    <message>
        <source>Natural Royal Flush</source>
        <extracomment>A column heading of the statistics grid (a narrow column): a royal flush without a wild card.</extracomment>
        <translation>Esc. real natural</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Dealt %1</source>
        <translation>Repartidas: %1</translation>
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
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Winning hand</source>
        <translation>Mano ganadora</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>held</source>
        <translation>retenida</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Draw Additional Cards</source>
        <translation>Cambiar las cartas</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Winning Percentage</source>
        <translation>Porcentaje de victorias</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Sonido sí</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sonido no</translation>
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
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Piechart</source>
        <translation>Gráfico circular</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Payouts Options</source>
        <translation>Pagos</translation>
    </message>
    <message>
        <source>Strategy Advisor</source>
        <translation>Asesor de estrategia</translation>
    </message>
    <message>
        <source>Lumaro for Windows 95 Version %1</source>
        <translation>Lumaro for Windows 95 versión %1</translation>
    </message>
    <message>
        <source>Window pages</source>
        <translation>Páginas de la ventana</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Lumaro Strategy Advisor</source>
        <translation>Asesor de estrategia de Lumaro</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then replay.</source>
        <translation>Primero cambia la mano en juego y luego repite.</translation>
    </message>
    <message>
        <source>The hand to replay is not five different cards</source>
        <translation>La mano que repetir no tiene cinco cartas distintas</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carta %1: %2</translation>
    </message>
    <message>
        <source>Hold or draw card %1 (key %1)</source>
        <translation>Retener o cambiar la carta %1 (tecla %1)</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>label</comment>
        <extracomment>The label beside the total&apos;s panel: room for about six letters.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Choose Game…</source>
        <translation>Elegir juego…</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <extracomment>Shows the pay table beside the game also where the screen has no room to spare (the game is drawn smaller then).</extracomment>
        <translation>Tabla de pagos</translation>
    </message>
    <message>
        <source>Draw the hand in play first, then choose a game.</source>
        <translation>Robe primero la mano en juego y luego elija un juego.</translation>
    </message>
</context>
<context>
    <name>THandHistory</name>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>%1; its folder is read-only</source>
        <translation>%1; su carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>its schema version %1 is not one Lumaro writes</source>
        <translation>su versión de esquema %1 no es una que Lumaro escriba</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing (package libqt6sql6-sqlite)</source>
        <translation>Falta el controlador SQLite de Qt (paquete libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>The hand history %1 could not be opened (%2); hands are not recorded</source>
        <translation>No se pudo abrir el historial de manos %1 (%2); las manos no se registran</translation>
    </message>
    <message>
        <source>its tables are not a hand history&apos;s (%1)</source>
        <translation>sus tablas no son las de un historial de manos (%1)</translation>
    </message>
    <message>
        <source>the folder %1 can&apos;t be created</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>it is not a hand history</source>
        <translation>no es un historial de manos</translation>
    </message>
    <message>
        <source>it failed SQLite&apos;s quick check: %1</source>
        <translation>no supera la comprobación rápida de SQLite: %1</translation>
    </message>
    <message>
        <source>it can&apos;t be written (no WAL journal)</source>
        <translation>no se puede escribir (sin diario WAL)</translation>
    </message>
    <message>
        <source>another program is writing it (%1)</source>
        <translation>otro programa lo está escribiendo (%1)</translation>
    </message>
    <message>
        <source>it was written by a newer version of Lumaro (schema version %1)</source>
        <translation>lo escribió una versión más reciente de Lumaro (versión de esquema %1)</translation>
    </message>
    <message>
        <source>The hand history %1 was written by a newer version of Lumaro; it is left as it is and hands are not recorded</source>
        <translation>El historial de manos %1 lo escribió una versión más reciente de Lumaro; se deja como está y las manos no se registran</translation>
    </message>
    <message>
        <source>%1, and it could not be moved aside</source>
        <translation>%1, y no se pudo apartar</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2) and could not be moved aside; hands are not recorded</source>
        <translation>El historial de manos %1 está dañado (%2) y no se pudo apartar; las manos no se registran</translation>
    </message>
    <message>
        <source>The hand history %1 is damaged (%2); it was moved to %3 and a new history was started</source>
        <translation>El historial de manos %1 está dañado (%2); se movió a %3 y se empezó un historial nuevo</translation>
    </message>
    <message>
        <source>its newest hands are in %1, which can&apos;t be read without %2 in a folder that can&apos;t be written</source>
        <translation>sus manos más recientes están en %1, que no se puede leer sin %2 en una carpeta en la que no se puede escribir</translation>
    </message>
    <message>
        <source>another program holds it locked (%1)</source>
        <translation>otro programa lo mantiene bloqueado (%1)</translation>
    </message>
    <message>
        <source>it is damaged (%1); the game moves it aside when it starts</source>
        <translation>está dañado (%1); el juego lo aparta al iniciarse</translation>
    </message>
    <message>
        <source>it is in an older form (schema version %1): the game brings it up to date when it starts</source>
        <translation>está en un formato antiguo (versión de esquema %1): el juego lo actualiza al iniciarse</translation>
    </message>
    <message>
        <source>%1 could not be recorded in the hand history %2: another program kept it busy (%3); the hands recorded before are kept</source>
        <translation>No se pudo registrar %1 en el historial de manos %2: otro programa lo mantenía ocupado (%3); las manos registradas antes se conservan</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 mano</translation>
    </message>
    <message>
        <source>A hand could not be recorded in the hand history %1 (%2); the hands recorded before are kept</source>
        <translation>No se pudo registrar una mano en el historial de manos %1 (%2); las manos registradas antes se conservan</translation>
    </message>
    <message>
        <source>The hand history %1 could not be read (%2)</source>
        <translation>No se pudo leer el historial de manos %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Hands are not recorded in the hand history %1 while another program keeps it busy (%2); %n hands wait for it</source>
        <translation>
            <numerusform>Las manos no se registran en el historial de manos %1 mientras otro programa lo mantiene ocupado (%2); %n mano espera</numerusform>
            <numerusform>Las manos no se registran en el historial de manos %1 mientras otro programa lo mantiene ocupado (%2); %n manos esperan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n mano</numerusform>
            <numerusform>%n manos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Lumaro Help</source>
        <translation>Ayuda de Lumaro</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The help viewer&apos;s button that goes to the help&apos;s first page.</extracomment>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The help viewer&apos;s button that goes back to the page shown before.</extracomment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The help file could not be opened.

Lumaro looks for QUORVEL.hlp beside the program and in its data folder (share/lumaro). The game itself is not affected.</source>
        <extracomment>Keep the file name QUORVEL.hlp and the folder share/lumaro as they are.</extracomment>
        <translation>No se pudo abrir el archivo de ayuda.

Lumaro busca QUORVEL.hlp junto al programa y en su carpeta de datos (share/lumaro). El juego en sí no se ve afectado.</translation>
    </message>
</context>
<context>
    <name>THistoryPage</name>
    <message>
        <source>unnamed</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 mano</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 vez</translation>
    </message>
    <message>
        <source>Best play, last sessions</source>
        <translation>Jugada óptima, últimas sesiones</translation>
    </message>
    <message>
        <source>No sessions yet</source>
        <translation>Aún no hay sesiones</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sesiones</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Jugada óptima</translation>
    </message>
    <message>
        <source>Cost/100</source>
        <translation>Coste/100</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Costliest situations</source>
        <translation>Situaciones más costosas</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Retenido</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Mistakes, newest first</source>
        <translation>Errores, los más recientes primero</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Repartidas</translation>
    </message>
    <message>
        <source>The hand history could not be opened: %1.</source>
        <translation>No se pudo abrir el historial de manos: %1.</translation>
    </message>
    <message>
        <source>No hands recorded yet.</source>
        <translation>Aún no hay manos registradas.</translation>
    </message>
    <message>
        <source>Played: %1, best play %2, cost %3 per 100 hands. Practice: %4.</source>
        <extracomment>%1 and %4 the hands played for money and in practice (&quot;21 hands&quot;), %2 the share of best holds (&quot;93.2 %&quot;), %3 the coins lost to mistakes.</extracomment>
        <translation>Jugadas: %1, jugada óptima %2, coste %3 por cada 100 manos. Práctica: %4.</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>práctica</translation>
    </message>
    <message>
        <source>played</source>
        <translation>jugada</translation>
    </message>
    <message>
        <source>Practice session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <extracomment>A session as a screen reader says it: %1 when it started, %2 its hands (&quot;21 hands&quot;), %3 the share of best holds, %4 the coins lost to mistakes.</extracomment>
        <translation>Sesión de práctica iniciada el %1: %2, jugada óptima %3, coste %4 por cada 100 manos</translation>
    </message>
    <message>
        <source>Played session started %1: %2, best play %3, cost %4 per 100 hands</source>
        <translation>Sesión jugada iniciada el %1: %2, jugada óptima %3, coste %4 por cada 100 manos</translation>
    </message>
    <message>
        <source>%1 on average</source>
        <translation>%1 de media</translation>
    </message>
    <message>
        <source>Held %1 instead of %2: %3, cost %4</source>
        <extracomment>%1 and %2 the kinds of hold (&quot;low pair&quot;, &quot;four to a flush&quot;), %3 how often (&quot;3 times&quot;), %4 the coins it cost.</extracomment>
        <translation>Retenido %1 en lugar de %2: %3, coste %4</translation>
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
        <translation>%1, apuesta %2, práctica: %3 en lugar de %4</translation>
    </message>
    <message>
        <source>%1, bet %2: %3 instead of %4</source>
        <translation>%1, apuesta %2: %3 en lugar de %4</translation>
    </message>
    <message>
        <source>Cost %1: dealt %2, held %3, best %4</source>
        <translation>Coste %1: repartidas %2, retenidas %3, mejor %4</translation>
    </message>
    <message numerus="yes">
        <source>%n hands</source>
        <translation>
            <numerusform>%n mano</numerusform>
            <numerusform>%n manos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A row of the hand history as a screen reader says it (%1), with its game&apos;s name (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
</context>
<context>
    <name>THoldList</name>
    <message>
        <source>Hold</source>
        <translation>Retener</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Per coin</source>
        <translation>Por moneda</translation>
    </message>
    <message>
        <source>Discard everything</source>
        <translation>Cambiar todo</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <translation>Retener %1</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best, your hold</source>
        <translation>%1: %2 por moneda, la mejor, tu opción</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3, your hold</source>
        <translation>%1: %2 por moneda, cuesta %3, tu opción</translation>
    </message>
    <message>
        <source>%1: %2 per coin, best</source>
        <translation>%1: %2 por moneda, la mejor</translation>
    </message>
    <message>
        <source>%1: %2 per coin, costs %3</source>
        <translation>%1: %2 por moneda, cuesta %3</translation>
    </message>
</context>
<context>
    <name>THoldPattern</name>
    <message>
        <source>two pair or better</source>
        <translation>doble pareja o mejor</translation>
    </message>
    <message>
        <source>high pair</source>
        <translation>pareja alta</translation>
    </message>
    <message>
        <source>low pair</source>
        <translation>pareja baja</translation>
    </message>
    <message>
        <source>four to a royal flush</source>
        <translation>cuatro a escalera real</translation>
    </message>
    <message>
        <source>four to a straight flush</source>
        <translation>cuatro a escalera de color</translation>
    </message>
    <message>
        <source>four to a flush</source>
        <translation>cuatro a color</translation>
    </message>
    <message>
        <source>four to an outside straight</source>
        <translation>cuatro a escalera abierta</translation>
    </message>
    <message>
        <source>four to an inside straight</source>
        <translation>cuatro a escalera interna</translation>
    </message>
    <message>
        <source>three to a royal flush</source>
        <translation>tres a escalera real</translation>
    </message>
    <message>
        <source>three to a straight flush</source>
        <translation>tres a escalera de color</translation>
    </message>
    <message>
        <source>three to a flush</source>
        <translation>tres a color</translation>
    </message>
    <message>
        <source>three unsuited high cards</source>
        <translation>tres cartas altas de distinto palo</translation>
    </message>
    <message>
        <source>three to a straight</source>
        <translation>tres a escalera</translation>
    </message>
    <message>
        <source>two suited high cards</source>
        <translation>dos cartas altas del mismo palo</translation>
    </message>
    <message>
        <source>ten with a suited high card</source>
        <translation>diez con una carta alta del mismo palo</translation>
    </message>
    <message>
        <source>two unsuited high cards</source>
        <translation>dos cartas altas de distinto palo</translation>
    </message>
    <message>
        <source>one high card</source>
        <translation>una carta alta</translation>
    </message>
    <message>
        <source>three of a kind and a kicker</source>
        <translation>trío y un kicker</translation>
    </message>
    <message>
        <source>three of a kind and two kickers</source>
        <translation>trío y dos kickers</translation>
    </message>
    <message>
        <source>two pair and a kicker</source>
        <translation>doble pareja y un kicker</translation>
    </message>
    <message>
        <source>high pair and a kicker</source>
        <translation>pareja alta y un kicker</translation>
    </message>
    <message>
        <source>high pair and two kickers</source>
        <translation>pareja alta y dos kickers</translation>
    </message>
    <message>
        <source>high pair and three kickers</source>
        <translation>pareja alta y tres kickers</translation>
    </message>
    <message>
        <source>low pair and a kicker</source>
        <translation>pareja baja y un kicker</translation>
    </message>
    <message>
        <source>low pair and two kickers</source>
        <translation>pareja baja y dos kickers</translation>
    </message>
    <message>
        <source>low pair and three kickers</source>
        <translation>pareja baja y tres kickers</translation>
    </message>
    <message>
        <source>five cards, no pair</source>
        <translation>cinco cartas sin pareja</translation>
    </message>
    <message>
        <source>four other cards</source>
        <translation>otras cuatro cartas</translation>
    </message>
    <message>
        <source>three other cards</source>
        <translation>otras tres cartas</translation>
    </message>
    <message>
        <source>two other cards</source>
        <translation>otras dos cartas</translation>
    </message>
    <message>
        <source>one low card</source>
        <translation>una carta baja</translation>
    </message>
    <message>
        <source>discard everything</source>
        <translation>cambiar todo</translation>
    </message>
    <message>
        <source>pair of %1</source>
        <extracomment>A pair named by its rank: %1 is &quot;aces&quot;, &quot;kings&quot; ... &quot;twos&quot;.</extracomment>
        <translation>pareja de %1</translation>
    </message>
    <message>
        <source>four to a royal flush (%1)</source>
        <extracomment>%1 names the cards held, &quot;A K Q J&quot;.</extracomment>
        <translation>cuatro a escalera real (%1)</translation>
    </message>
    <message>
        <source>four to a straight flush, %1</source>
        <extracomment>%1 is how it draws (&quot;open&quot;, &quot;inside with 2 high cards&quot;).</extracomment>
        <translation>cuatro a escalera de color, %1</translation>
    </message>
    <message>
        <source>four to a flush %1</source>
        <extracomment>%1 is how many high cards it holds (&quot;with 2 high cards&quot;).</extracomment>
        <translation>cuatro a color %1</translation>
    </message>
    <message>
        <source>four to an outside straight %1</source>
        <translation>cuatro a escalera abierta %1</translation>
    </message>
    <message>
        <source>four to an inside straight %1</source>
        <translation>cuatro a escalera interna %1</translation>
    </message>
    <message>
        <source>three to a royal flush (%1)</source>
        <translation>tres a escalera real (%1)</translation>
    </message>
    <message>
        <source>three to a straight flush, %1</source>
        <translation>tres a escalera de color, %1</translation>
    </message>
    <message>
        <source>three to a flush %1</source>
        <translation>tres a color %1</translation>
    </message>
    <message>
        <source>%1 unsuited</source>
        <extracomment>%1 names the cards held, &quot;K Q J&quot;.</extracomment>
        <translation>%1 de distinto palo</translation>
    </message>
    <message>
        <source>three to a straight %1</source>
        <translation>tres a escalera %1</translation>
    </message>
    <message>
        <source>%1 suited</source>
        <translation>%1 del mismo palo</translation>
    </message>
    <message>
        <source>%1 only</source>
        <extracomment>%1 names the card held, &quot;K&quot;.</extracomment>
        <translation>solo %1</translation>
    </message>
    <message>
        <source>royal flush</source>
        <translation>escalera real</translation>
    </message>
    <message>
        <source>straight flush</source>
        <translation>escalera de color</translation>
    </message>
    <message>
        <source>four of a kind</source>
        <translation>póker</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>color</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>escalera</translation>
    </message>
    <message>
        <source>three of a kind</source>
        <translation>trío</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>doble pareja</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>ases</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>reyes</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>reinas</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>jotas</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dieces</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>nueves</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>ochos</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>sietes</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>seises</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cincos</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>cuatros</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>treses</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>doses</translation>
    </message>
    <message>
        <source>open</source>
        <extracomment>A straight draw whose two ends are open.</extracomment>
        <translation>abierta</translation>
    </message>
    <message>
        <source>inside</source>
        <extracomment>A straight draw missing one card inside.</extracomment>
        <translation>interna</translation>
    </message>
    <message>
        <source>double inside</source>
        <extracomment>A straight draw missing two cards inside.</extracomment>
        <translation>doble interna</translation>
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
        <translation>ninguna carta alta</translation>
    </message>
    <message>
        <source>1 high card</source>
        <translation>1 carta alta</translation>
    </message>
    <message>
        <source>%1-%2 high cards</source>
        <extracomment>A run of counts, &quot;0-2 high cards&quot;.</extracomment>
        <translation>%1-%2 cartas altas</translation>
    </message>
    <message>
        <source>%1 high cards</source>
        <extracomment>%1 lists the counts, &quot;1, 2 or 4&quot;.</extracomment>
        <translation>%1 cartas altas</translation>
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
            <numerusform>%n cartas altas</numerusform>
        </translation>
    </message>
    <message>
        <source>no deuce</source>
        <extracomment>Deuces Wild: how many deuces (the wild cards) a hold keeps; a chart line begins with it.</extracomment>
        <translation>ningún dos</translation>
    </message>
    <message>
        <source>one deuce</source>
        <translation>un dos</translation>
    </message>
    <message>
        <source>two deuces</source>
        <translation>dos doses</translation>
    </message>
    <message>
        <source>three deuces</source>
        <translation>tres doses</translation>
    </message>
    <message>
        <source>four deuces</source>
        <translation>cuatro doses</translation>
    </message>
    <message>
        <source>joker</source>
        <extracomment>Joker Poker: a hold with the joker (the wild card); a chart line begins with it.</extracomment>
        <translation>comodín</translation>
    </message>
    <message>
        <source>no joker</source>
        <translation>sin comodín</translation>
    </message>
    <message>
        <source>a paying hand or a pair</source>
        <extracomment>The family of holds that already pay or hold a pair, after the wild cards held.</extracomment>
        <translation>una mano pagada o una pareja</translation>
    </message>
    <message>
        <source>natural royal flush</source>
        <translation>escalera real natural</translation>
    </message>
    <message>
        <source>wild royal flush</source>
        <translation>escalera real con comodines</translation>
    </message>
    <message>
        <source>five of a kind</source>
        <translation>repóker</translation>
    </message>
    <message>
        <source>pair of kings or aces</source>
        <extracomment>Joker Poker&apos;s paying pair, Kings or Better.</extracomment>
        <translation>pareja de reyes o ases</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>pareja</translation>
    </message>
    <message>
        <source>four to a straight</source>
        <translation>cuatro a escalera</translation>
    </message>
    <message>
        <source>four to a straight, %1</source>
        <extracomment>%1 is how it draws: &quot;open&quot;, &quot;inside&quot;.</extracomment>
        <translation>cuatro a escalera, %1</translation>
    </message>
    <message>
        <source>two to a royal flush</source>
        <translation>dos a escalera real</translation>
    </message>
    <message>
        <source>two to a royal flush (%1)</source>
        <extracomment>%1 names the two cards held, &quot;A K&quot;.</extracomment>
        <translation>dos a escalera real (%1)</translation>
    </message>
    <message>
        <source>high cards</source>
        <translation>cartas altas</translation>
    </message>
    <message>
        <source>other cards</source>
        <translation>otras cartas</translation>
    </message>
    <message>
        <source>consecutive</source>
        <extracomment>A straight flush draw with wild cards, by the gaps between its natural cards.</extracomment>
        <translation>consecutivas</translation>
    </message>
    <message>
        <source>consecutive at an end</source>
        <extracomment>A straight flush draw whose straight can&apos;t reach past the ace.</extracomment>
        <translation>consecutivas en un extremo</translation>
    </message>
    <message>
        <source>one gap</source>
        <translation>un hueco</translation>
    </message>
    <message>
        <source>one gap at an end</source>
        <translation>un hueco en un extremo</translation>
    </message>
    <message>
        <source>two gaps</source>
        <translation>dos huecos</translation>
    </message>
    <message>
        <source>two gaps at an end</source>
        <translation>dos huecos en un extremo</translation>
    </message>
    <message>
        <source>three gaps</source>
        <translation>tres huecos</translation>
    </message>
    <message>
        <source>three gaps at an end</source>
        <translation>tres huecos en un extremo</translation>
    </message>
    <message>
        <source>three %1</source>
        <extracomment>%1 the rank of the three cards: &quot;aces&quot;, &quot;7s&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>tres %1</translation>
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
        <translation>%1 con kicker %2</translation>
    </message>
    <message>
        <source>%1 with an %2 kicker</source>
        <extracomment>As &quot;%1 with a %2 kicker&quot;, where English writes &quot;an&quot; (&quot;an A, 2, 3 or 4 kicker&quot;).</extracomment>
        <translation>%1 con kicker %2</translation>
    </message>
    <message>
        <source>three of a kind with another kicker</source>
        <translation>trío con otro kicker</translation>
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
        <translation>as abajo</translation>
    </message>
    <message>
        <source>no ace</source>
        <extracomment>Three to a royal flush without its ace, and with it.</extracomment>
        <translation>sin as</translation>
    </message>
    <message>
        <source>with an ace</source>
        <translation>con un as</translation>
    </message>
    <message>
        <source>three to a royal flush, %1</source>
        <extracomment>%1 is &quot;no ace&quot; or &quot;with an ace&quot;.</extracomment>
        <translation>tres a escalera real, %1</translation>
    </message>
    <message>
        <source>a paying hand</source>
        <extracomment>Joker Poker: the families of holds that already pay, and of those that hold a pair.</extracomment>
        <translation>una mano pagada</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>una pareja</translation>
    </message>
    <message>
        <source>four %1</source>
        <extracomment>%1 the rank of the four cards: &quot;aces&quot;, &quot;2s-4s&quot;.</extracomment>
        <translation>cuatro %1</translation>
    </message>
    <message>
        <source>four of a kind with another kicker</source>
        <extracomment>Four of a kind held with a kicker that doesn&apos;t raise its pay.</extracomment>
        <translation>póker con otro kicker</translation>
    </message>
    <message>
        <source>three to a straight, %1</source>
        <extracomment>%1 is how it draws (&quot;open with 2 high cards&quot;, &quot;inside with 1 high card&quot;).</extracomment>
        <translation>tres a escalera, %1</translation>
    </message>
    <message>
        <source>two pair with aces</source>
        <extracomment>Where two pair pays no more than a pair, two pair with a pair of aces is told apart.</extracomment>
        <translation>doble pareja con ases</translation>
    </message>
    <message>
        <source>two pair without aces</source>
        <translation>doble pareja sin ases</translation>
    </message>
    <message>
        <source>%1, not %2</source>
        <extracomment>A family but the kinds left out: &quot;four to a straight flush, not consecutive&quot;.</extracomment>
        <translation>%1, salvo %2</translation>
    </message>
    <message>
        <source>four to a straight flush (%1)</source>
        <extracomment>Deuces Wild: one kind of straight flush draw in a list of hands (&quot;consecutive&quot;), bracketed as the list has commas of its own.</extracomment>
        <translation>cuatro a escalera de color (%1)</translation>
    </message>
    <message>
        <source>a paying hand or four to a straight flush</source>
        <extracomment>Joker Poker, with the joker: the family of holds that already pay or draw to a straight flush (a royal flush among them).</extracomment>
        <translation>una mano pagada o cuatro a escalera de color</translation>
    </message>
    <message>
        <source>a paying hand, four to a straight flush or a pair</source>
        <extracomment>Joker Poker, without the joker: the same family and the holds of a pair.</extracomment>
        <translation>una mano pagada, cuatro a escalera de color o una pareja</translation>
    </message>
    <message>
        <source>pair of aces or better</source>
        <extracomment>Bonus games where two pair pays as a pair: the made hands down to a pair of aces.</extracomment>
        <translation>pareja de ases o mejor</translation>
    </message>
    <message>
        <source>unsuited high cards</source>
        <extracomment>Bonus games: two or three high cards of different suits (&quot;K Q J&quot;, &quot;Q J&quot;).</extracomment>
        <translation>cartas altas de distinto palo</translation>
    </message>
    <message>
        <source>three to a flush with high cards</source>
        <extracomment>Bonus games: the draws left once those without a high card are a family of their own.</extracomment>
        <translation>tres a color con cartas altas</translation>
    </message>
    <message>
        <source>four to an inside straight with high cards</source>
        <translation>cuatro a escalera interna con cartas altas</translation>
    </message>
    <message>
        <source>draws with no high card</source>
        <extracomment>Bonus games: three to a flush and four to an inside straight holding no high card.</extracomment>
        <translation>proyectos sin carta alta</translation>
    </message>
    <message>
        <source>%1 with no high card</source>
        <extracomment>%1 is the draw: &quot;three to a flush&quot;, &quot;four to an inside straight&quot;.</extracomment>
        <translation>%1 sin carta alta</translation>
    </message>
    <message>
        <source>%1, no flush penalty</source>
        <extracomment>Penalty cards: %1 a hold (&quot;Q J suited&quot;) when none of the cards thrown away is of its suit, so that none of the flush cards left to draw is gone.</extracomment>
        <translation>%1, sin penalización de color</translation>
    </message>
    <message>
        <source>%1 with a flush penalty</source>
        <extracomment>%1 a hold (&quot;Q J suited&quot;) when a card thrown away is of its suit.</extracomment>
        <translation>%1 con penalización de color</translation>
    </message>
    <message>
        <source>%1, no straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when no card thrown away would fill a straight with it.</extracomment>
        <translation>%1, sin penalización de escalera</translation>
    </message>
    <message>
        <source>%1 with a straight penalty</source>
        <extracomment>%1 a hold (&quot;K Q J unsuited&quot;) when a card thrown away would fill a straight with it.</extracomment>
        <translation>%1 con penalización de escalera</translation>
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
        <translation>Código de error desconocido</translation>
    </message>
    <message>
        <source>No sound file to play</source>
        <translation>No hay ningún archivo de sonido que reproducir</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>a %1 le falta %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t play %1: %2</source>
        <translation>No se pudo reproducir %1: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>no es un archivo WAV</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not supported</source>
        <translation>su frecuencia de muestreo de %1 Hz no es compatible</translation>
    </message>
    <message>
        <source>its header claims far more sound than the file holds</source>
        <translation>su cabecera declara mucho más sonido del que contiene el archivo</translation>
    </message>
    <message>
        <source>it is too long to hold in memory once converted</source>
        <translation>es demasiado largo para caber en memoria una vez convertido</translation>
    </message>
    <message>
        <source>Couldn&apos;t play the win sound: %1 is missing from %2, and there is no %3 in %4</source>
        <translation>No se pudo reproducir el sonido de premio: falta %1 en %2 y no hay ningún %3 en %4</translation>
    </message>
</context>
<context>
    <name>TPayTablePanel</name>
    <message>
        <source>Pay table</source>
        <extracomment>The name screen readers give the pay table shown beside the game.</extracomment>
        <translation>Tabla de pagos</translation>
    </message>
    <message>
        <source>%1 pays %2</source>
        <extracomment>How a screen reader reads a line of the pay table: %1 the hand, %2 what it pays for 1.</extracomment>
        <translation>%1 paga %2</translation>
    </message>
    <message>
        <source>the last hand</source>
        <extracomment>What a screen reader adds to the pay table&apos;s line of the hand just settled.</extracomment>
        <translation>la última mano</translation>
    </message>
</context>
<context>
    <name>TPayoutsDialog</name>
    <message>
        <source>Jacks or Better Multiplier Default is 0</source>
        <extracomment>The caption beside the multiplier of pay line 1, a pair of jacks or better. It must fit the room of the English at 8 points: keep it as short.</extracomment>
        <translation>Jotas o mejor, por defecto 0</translation>
    </message>
    <message>
        <source>Two Pair Multiplier Default = 1</source>
        <translation>Doble pareja, por defecto 1</translation>
    </message>
    <message>
        <source>Three of a Kind Default = 2</source>
        <translation>Trío, por defecto 2</translation>
    </message>
    <message>
        <source>Straight Multiplier Default = 3</source>
        <translation>Escalera, por defecto 3</translation>
    </message>
    <message>
        <source>Flush Multiplier Default = 4</source>
        <translation>Color, por defecto 4</translation>
    </message>
    <message>
        <source>Full House Multiplier Default = 7 </source>
        <extracomment>The blank at the end is the design&apos;s.</extracomment>
        <translation>Full, por defecto 7 </translation>
    </message>
    <message>
        <source>Four of a Kind Multiplier Default = 11</source>
        <translation>Póker, por defecto 11</translation>
    </message>
    <message>
        <source>Straight Flush Multiplier Default = 49</source>
        <translation>Escalera de color, por defecto 49</translation>
    </message>
    <message>
        <source>Royal Flush Multiplier Default = 99</source>
        <translation>Escalera real, por defecto 99</translation>
    </message>
    <message>
        <source>Jacks or Better</source>
        <extracomment>The hand a pay line pays, as a screen reader names its multiplier field.</extracomment>
        <translation>Jotas o mejor</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Set Winning Payouts and Sounds</source>
        <translation>Pagos y sonidos de los premios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sound%1</source>
        <extracomment>The button that chooses the sound of pay line %1 (1 to 9).</extracomment>
        <translation>Sonido %1</translation>
    </message>
    <message>
        <source>Your winning bets are multiplied by the values you select.  Sound Buttons let you choose a .WAV sound file.  Cancel and OK buttons will not effect sounds.</source>
        <extracomment>Word-wrapped in a narrow box at the dialog&apos;s right; the English has two blanks after each full stop. &quot;effect&quot; is the design&apos;s word.</extracomment>
        <translation>Los premios se multiplican por los valores elegidos.  Los botones Sonido eligen un archivo .WAV.  Cancelar y Aceptar no cambian los sonidos.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <extracomment>What a screen reader says of a sound button; %1 is the hand (Flush).</extracomment>
        <translation>Sonido para %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Payout values have been updated</source>
        <translation>Se han actualizado los valores de los pagos</translation>
    </message>
    <message>
        <source>Cancelled. No changes were made to the payoff values</source>
        <translation>Cancelado. Los valores de los pagos no han cambiado</translation>
    </message>
    <message>
        <source>Windows WAV files (*.WAV)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in brackets, (*.WAV), as it is.</extracomment>
        <translation>Archivos WAV de Windows (*.WAV)</translation>
    </message>
    <message>
        <source>%1 Multiplier Default = %2</source>
        <extracomment>The caption beside the multiplier of a pay line of a game other than Jacks or Better: %1 is the line&apos;s name, %2 its multiplier in the game&apos;s default table.</extracomment>
        <translation>%1 Multiplicador predet. = %2</translation>
    </message>
</context>
<context>
    <name>TSessionChart</name>
    <message>
        <source>Total after each hand</source>
        <translation>Total tras cada mano</translation>
    </message>
    <message>
        <source>No hands yet</source>
        <translation>Aún no hay manos</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>a list</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>proceso %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a lock this program can read, and it stayed for %1</source>
        <translation>no es un bloqueo que este programa pueda leer, y permaneció %1</translation>
    </message>
    <message>
        <source>a program that has ended left it, and it can&apos;t be removed</source>
        <translation>lo dejó un programa que ya terminó, y no se puede eliminar</translation>
    </message>
    <message>
        <source>another Lumaro</source>
        <translation>otro Lumaro</translation>
    </message>
    <message>
        <source>another program (%1)</source>
        <translation>otro programa (%1)</translation>
    </message>
    <message>
        <source>%1%2 is saving (lock held for %3)</source>
        <translation>%1%2 está guardando (bloqueo mantenido durante %3)</translation>
    </message>
    <message>
        <source>no lock file can be created in it</source>
        <translation>no se puede crear ningún archivo de bloqueo en ella</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the lock file can&apos;t be written</source>
        <translation>no se puede escribir el archivo de bloqueo</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>No se pudo crear la clave %1</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron guardar los datos de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for %1</source>
        <translation>No se pudieron guardar los datos de %1</translation>
    </message>
    <message>
        <source>Failed to get data for %1</source>
        <translation>No se pudieron leer los datos de %1</translation>
    </message>
    <message>
        <source>you have no permission to read it</source>
        <translation>no tienes permiso para leerlo</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>la carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>your disk quota is used up</source>
        <translation>tu cuota de disco está agotada</translation>
    </message>
    <message>
        <source>the file would be larger than the system allows</source>
        <translation>el archivo superaría el tamaño que permite el sistema</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>el disco informó de un error de entrada/salida</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>su nombre es demasiado largo</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>sus enlaces forman un círculo</translation>
    </message>
    <message>
        <source>a folder on its path is a file</source>
        <translation>una carpeta de su ruta es un archivo</translation>
    </message>
    <message>
        <source>no file can be created in it</source>
        <translation>no se puede crear ningún archivo en ella</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a file, not a folder</source>
        <translation>es un archivo, no una carpeta</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>El control &apos;%1&apos; no tiene ventana padre</translation>
    </message>
</context>
</TS>
