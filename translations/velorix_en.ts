<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Characteristic</name>
    <message>
        <source>кГц</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>МГц</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>кОм</source>
        <translation>kΩ</translation>
    </message>
    <message>
        <source>МОм</source>
        <translation>MΩ</translation>
    </message>
    <message>
        <source>%1 = %2%3 не больше нуля: кривой нет.</source>
        <translation>%1 = %2%3 is not above zero: no curve.</translation>
    </message>
    <message>
        <source>Значения кривой выходят за пределы чисел: кривой нет.</source>
        <translation>The curve’s values lie beyond the range of numbers: no curve.</translation>
    </message>
    <message>
        <source>f = %1 кГц, %2 = %3 Ом</source>
        <translation>f = %1 kHz, %2 = %3 Ω</translation>
    </message>
    <message>
        <source>нФ</source>
        <translation>nF</translation>
    </message>
    <message>
        <source>град</source>
        <translation>°</translation>
    </message>
    <message>
        <source>f = %1 кГц, |Z| = %2 Ом</source>
        <translation>f = %1 kHz, |Z| = %2 Ω</translation>
    </message>
    <message>
        <source>f = %1 кГц, φ = %2 град</source>
        <translation>f = %1 kHz, φ = %2°</translation>
    </message>
    <message>
        <source>fср</source>
        <translation>fc</translation>
    </message>
    <message>
        <source>fср = 1/(2πRC) = %1 кГц</source>
        <translation>fc = 1/(2πRC) = %1 kHz</translation>
    </message>
    <message>
        <source>мкГн</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>f0 = %1 кГц, Rp = %2 Ом</source>
        <translation>f0 = %1 kHz, Rp = %2 Ω</translation>
    </message>
    <message>
        <source>граница полосы: f = %1 кГц, |Z| = Rp/√2 = %2 Ом</source>
        <translation>band edge: f = %1 kHz, |Z| = Rp/√2 = %2 Ω</translation>
    </message>
    <message>
        <source>fс</source>
        <translation>fs</translation>
    </message>
    <message>
        <source>fс = %1 кГц, |Z| = %2 Ом</source>
        <translation>fs = %1 kHz, |Z| = %2 Ω</translation>
    </message>
    <message>
        <source>П</source>
        <translation>B</translation>
    </message>
    <message>
        <source>β = %1 меньше нуля: кривой нет.</source>
        <translation>β = %1 is below zero: no curve.</translation>
    </message>
    <message>
        <source>Ослабление(Δf)</source>
        <translation>Attenuation(Δf)</translation>
    </message>
    <message>
        <source>αс</source>
        <translation>α</translation>
    </message>
    <message>
        <source>Ослабление</source>
        <translation>Attenuation</translation>
    </message>
    <message>
        <source>дБ</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>требование: S = %1 дБ при Δf = %2 кГц, у фильтра %3 дБ</source>
        <translation>requirement: S = %1 dB at Δf = %2 kHz; the filter gives %3 dB</translation>
    </message>
    <message>
        <source>П/2</source>
        <translation>B/2</translation>
    </message>
    <message>
        <source>граница полосы: П/2 = %1 кГц</source>
        <translation>band edge: B/2 = %1 kHz</translation>
    </message>
</context>
<context>
    <name>Characteristics</name>
    <message>
        <source>Характеристика появится после расчёта кнопкой «%1».</source>
        <translation>The frequency response appears after a calculation with the button “%1”.</translation>
    </message>
    <message>
        <source>Показана прежняя кривая: %1. Новая появится после расчёта кнопкой «%2».</source>
        <translation>The previous curve is shown: %1. The new one appears after a calculation with the button “%2”.</translation>
    </message>
    <message>
        <source>Кривая не вычисляется: %1.</source>
        <translation>The curve cannot be computed: %1.</translation>
    </message>
    <message>
        <source>Характеристика</source>
        <translation>Frequency response</translation>
    </message>
</context>
<context>
    <name>CopyResults</name>
    <message>
        <source>Копировать результаты</source>
        <translation>Copy results</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Velorix</source>
        <translation>Velorix</translation>
    </message>
    <message>
        <source>Velorix — калькулятор радиотехнических формул</source>
        <translation>Velorix — a calculator of radio engineering formulas</translation>
    </message>
    <message>
        <source>помочь проекту можно здесь: </source>
        <translation>you can support the project here: </translation>
    </message>
    <message>
        <source>Радиотехнические расчёты</source>
        <translation>Radio engineering calculations</translation>
    </message>
    <message>
        <source>Цепи термостабилизации</source>
        <translation>Thermal stabilisation</translation>
    </message>
    <message>
        <source>Реактивное сопротивление конденсатора</source>
        <translation>Capacitor reactance</translation>
    </message>
    <message>
        <source>Реактивное сопротивление катушки</source>
        <translation>Inductor reactance</translation>
    </message>
    <message>
        <source>Последовательное соединение R и С</source>
        <translation>R and C in series</translation>
    </message>
    <message>
        <source>Параллельное соединение R и С</source>
        <translation>R and C in parallel</translation>
    </message>
    <message>
        <source>Ёмкости развязки транзисторного каскада</source>
        <translation>Decoupling capacitors of a transistor stage</translation>
    </message>
    <message>
        <source>Трансформация сопротивлений</source>
        <translation>Impedance transformation</translation>
    </message>
    <message>
        <source>Расчёт ФСС</source>
        <translation>Lumped-selectivity filter design</translation>
    </message>
    <message>
        <source>Способ повышения избирательности по соседнему каналу</source>
        <translation>Improving adjacent-channel selectivity</translation>
    </message>
    <message>
        <source>Параметры колебательного контура</source>
        <translation>Resonant circuit parameters</translation>
    </message>
    <message>
        <source>Ёмкостный делитель</source>
        <translation>Capacitive divider</translation>
    </message>
    <message>
        <source>Схема замещения</source>
        <translation>Equivalent circuit</translation>
    </message>
    <message>
        <source>С ООС по току</source>
        <translation>With negative current feedback</translation>
    </message>
    <message>
        <source>С ООС по току (двухбатарейное питание)</source>
        <translation>With negative current feedback (dual supply)</translation>
    </message>
    <message>
        <source>Анализ каскада</source>
        <translation>Stage analysis</translation>
    </message>
    <message>
        <source>Эмиттерный повторитель с составным транзистором</source>
        <translation>Emitter follower with a compound transistor</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Трансформация сопротивлений</source>
        <translation>Impedance transformation</translation>
    </message>
    <message>
        <source>Полное сопротивление нагрузки Zн =                Ом</source>
        <translation>Impedance magnitude of the load ZL =                Ω</translation>
    </message>
    <message>
        <source>Полное сопротивление источника тока Zг =                 Ом</source>
        <translation>Impedance magnitude of the signal source Zs =                 Ω</translation>
    </message>
    <message>
        <source>Коэфф. трансформации K =</source>
        <translation>Turns ratio K =</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Полное сопротивление нагрузки Zн =                 Ом</source>
        <translation>Impedance magnitude of the load ZL =                 Ω</translation>
    </message>
    <message>
        <source>Коэффициент трансформации K =</source>
        <translation>Turns ratio K =</translation>
    </message>
    <message>
        <source>Полное сопротивление</source>
        <translation>Impedance of the</translation>
    </message>
    <message>
        <source>первичной обмотки Z1, Ом:</source>
        <translation>primary winding Z1, Ω:</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Расчёт ФСС</source>
        <translation>Lumped-selectivity filter design</translation>
    </message>
    <message>
        <source>Расчёт фильтра сосредоточенной селекции</source>
        <translation>Lumped-selectivity filter design</translation>
    </message>
    <message>
        <source>График для расчёта многозвенных ФСС  </source>
        <translation>Graphs for designing multi-section filters  </translation>
    </message>
    <message>
        <source>а) график ослабления одного звена; б) график расчёта Кф.</source>
        <translation>a) attenuation of one section; b) graph for finding Kf.</translation>
    </message>
    <message>
        <source>Рабочая частота =                   кГц</source>
        <translation>Centre frequency =                   kHz</translation>
    </message>
    <message>
        <source>Требуемая полоса пропускания =             кГц</source>
        <translation>Required passband of the filter B =             kHz</translation>
    </message>
    <message>
        <source>Собственное затухание контуров ФСС = </source>
        <translation>Intrinsic damping of the filter circuits = </translation>
    </message>
    <message>
        <source>0,006</source>
        <translation>0,006</translation>
    </message>
    <message>
        <source>Шаг 1</source>
        <translation>Step 1</translation>
    </message>
    <message>
        <source>Проверка целесообразности применения ФСС</source>
        <translation>Is a lumped-selectivity filter worthwhile?</translation>
    </message>
    <message>
        <source>Избирательность по соседнему каналу &gt;=             дБ при расстройке               кГц</source>
        <translation>Required adjacent-channel selectivity S &gt;=             dB at the detuning Δf =               kHz</translation>
    </message>
    <message>
        <source>Шаг 2</source>
        <translation>Step 2</translation>
    </message>
    <message>
        <source>Обобщённое затухание ФСС </source>
        <translation>Generalised filter damping </translation>
    </message>
    <message>
        <source>β =</source>
        <translation>β =</translation>
    </message>
    <message>
        <source>Относительная расстройка по соседнему каналу</source>
        <translation>Relative adjacent-channel detuning</translation>
    </message>
    <message>
        <source>α =</source>
        <translation>α =</translation>
    </message>
    <message>
        <source>По графику а) определить ослабление, создаваемое одним звеном ФСС</source>
        <translation>From graph a) read the attenuation of one filter section</translation>
    </message>
    <message>
        <source>σ1 =</source>
        <translation>σ1 =</translation>
    </message>
    <message>
        <source>Шаг 3</source>
        <translation>Step 3</translation>
    </message>
    <message>
        <source>Необходимое число звеньев ФСС =</source>
        <translation>Number of filter sections needed =</translation>
    </message>
    <message>
        <source>Характеристическое сопротивление фильтра =              кОм [выбирается 10...50 кОм]</source>
        <translation>Chosen characteristic impedance of the filter ρ =              kΩ [choose 10...50 kΩ]</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Активная составляющая выходного сопротивления источника сигнала =            Ом </source>
        <translation>Resistive (active) component of the output impedance of the signal source Rs =            Ω </translation>
    </message>
    <message>
        <source>Активная составляющая сопротивления нагрузки =             Ом</source>
        <translation>Resistive (active) component of the load impedance RL =             Ω</translation>
    </message>
    <message>
        <source>Шаг 4</source>
        <translation>Step 4</translation>
    </message>
    <message>
        <source>Коэфф. трансформации m1 [входной контур]= </source>
        <translation>Tap ratio m1 [input circuit] = </translation>
    </message>
    <message>
        <source>Коэфф. трансформации m2 [выходной контур]=</source>
        <translation>Tap ratio m2 [output circuit] =</translation>
    </message>
    <message>
        <source>Шаг 5. По графику б) определить коэффициент передачи напряжения ФСС Кф для выбранных</source>
        <translation>Step 5. From graph b) read the filter voltage transfer coefficient Kf for the chosen</translation>
    </message>
    <message>
        <source>n и</source>
        <translation>n and</translation>
    </message>
    <message>
        <source>β.</source>
        <translation>β.</translation>
    </message>
    <message>
        <source>Источник </source>
        <translation>Source </translation>
    </message>
    <message>
        <source>Ёмкость источника сигнала =             пФ</source>
        <translation>Capacitance of the signal source =             pF</translation>
    </message>
    <message>
        <source>Ёмкость нагрузки =            пФ</source>
        <translation>Load capacitance =            pF</translation>
    </message>
    <message>
        <source>Шаг 6</source>
        <translation>Step 6</translation>
    </message>
    <message>
        <source>Ёмкость конденсаторов связи С1, пФ=</source>
        <translation>Coupling capacitors C1, pF =</translation>
    </message>
    <message>
        <source>Ёмкости контуров С2, пФ =</source>
        <translation>Circuit capacitances C2, pF =</translation>
    </message>
    <message>
        <source>Ёмкости контура С3, пФ =</source>
        <translation>Circuit capacitance C3, pF =</translation>
    </message>
    <message>
        <source>Ёмкости контура С4, пФ =</source>
        <translation>Circuit capacitance C4, pF =</translation>
    </message>
    <message>
        <source>Индуктивности контуров L1, мкГн =</source>
        <translation>Circuit inductances L1, µH =</translation>
    </message>
    <message>
        <source>Индуктивности L2, мкГн =</source>
        <translation>Inductances L2, µH =</translation>
    </message>
</context>
<context>
    <name>Form12</name>
    <message>
        <source>Способ повышения избирательности по соседнему каналу</source>
        <translation>Improving adjacent-channel selectivity</translation>
    </message>
    <message>
        <source>Повышение избирательности ФСС по соседнему каналу</source>
        <translation>Improving the adjacent-channel selectivity of a lumped-selectivity filter</translation>
    </message>
    <message>
        <source>ФСС, содержащий последовательно включенные N звеньев,</source>
        <translation>A lumped-selectivity filter of N sections in series,</translation>
    </message>
    <message>
        <source>связанных  между собой внешнеёмкостной связью, (N-1) звеньев </source>
        <translation>coupled to one another by external capacitors, (N-1) sections </translation>
    </message>
    <message>
        <source>которого выполнены в виде параллельных LC-контуров, отличающийся</source>
        <translation>of which are parallel LC circuits, characterised in that,</translation>
    </message>
    <message>
        <source>тем, что с целью повышения избирательности по соседнему каналу</source>
        <translation>in order to improve the adjacent-channel selectivity,</translation>
    </message>
    <message>
        <source>N-звено выполнено в виде пьезоэлектрического фильтра.</source>
        <translation>the N-th section is a piezoelectric filter.</translation>
    </message>
    <message>
        <source>Источник: изобретение «Фильтр сосредоточенной селекции»,</source>
        <translation>Source: the invention “Lumped-selectivity filter”,</translation>
    </message>
    <message>
        <source>Патент СССР SU-1622921, 1991 г.</source>
        <translation>USSR patent SU-1622921, 1991.</translation>
    </message>
    <message>
        <source>Характеристическое сопротивление фильтра =</source>
        <translation>Characteristic impedance of the filter =</translation>
    </message>
    <message>
        <source>= сопротивления резисторов Rф =                Ом</source>
        <translation>= the resistance of the resistors Rf =                Ω</translation>
    </message>
    <message>
        <source>Хар. сопротивление крайнего контура ФСС =                Ом</source>
        <translation>Characteristic impedance of the end LC circuit =                Ω</translation>
    </message>
    <message>
        <source>Коэффициент а =             [оптимально 7 - 10; схема </source>
        <translation>Design coefficient a =             [optimum 7 - 10; the circuit </translation>
    </message>
    <message>
        <source>работоспособна при а = 3 - 300]</source>
        <translation>works for a = 3 - 300]</translation>
    </message>
    <message>
        <source>Ёмкость конденсатора в контуре, к которому подключен</source>
        <translation>Capacitance of the LC circuit to which the</translation>
    </message>
    <message>
        <source>фильтр =               пФ</source>
        <translation>filter is connected =               pF</translation>
    </message>
    <message>
        <source>Ёмкость конденсатора Ссв, пФ:</source>
        <translation>Coupling capacitor Cc, pF:</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>Form13</name>
    <message>
        <source>Параметры колебательного контура</source>
        <translation>Resonant circuit parameters</translation>
    </message>
    <message>
        <source>Параметры параллельного колебательного контура</source>
        <translation>Parameters of a parallel resonant circuit</translation>
    </message>
    <message>
        <source>Частота резонанса =                    кГц</source>
        <translation>Resonant frequency =                    kHz</translation>
    </message>
    <message>
        <source>Индуктивность контура =             мкГн</source>
        <translation>Inductance of the circuit L =             µH</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Характеристическое сопротивление контура p, Ом:</source>
        <translation>Characteristic impedance of the circuit ρ, Ω:</translation>
    </message>
    <message>
        <source>Добротность контура =</source>
        <translation>Quality factor Q =</translation>
    </message>
    <message>
        <source>Сопротивление контура при резонансе Rp, Ом:</source>
        <translation>Circuit resistance at resonance Rp, Ω:</translation>
    </message>
    <message>
        <source>Полоса пропускания контура П, кГц:</source>
        <translation>Circuit bandwidth B, kHz:</translation>
    </message>
    <message>
        <source>Частота сигнала =                   кГц</source>
        <translation>Signal frequency =                   kHz</translation>
    </message>
    <message>
        <source>Модуль полного сопротивления контура на частоте сигнала Z, Ом:</source>
        <translation>Impedance magnitude of the circuit at the signal frequency Z, Ω:</translation>
    </message>
    <message>
        <source>Источник: книга по схемотехнике из серии «Мастер-класс», Санкт-Петербург, 2016 г., с. 341.</source>
        <translation>Source: a book on circuit design in the “Master Class” series, Saint Petersburg, 2016, p. 341.</translation>
    </message>
</context>
<context>
    <name>Form14</name>
    <message>
        <source>Ёмкостный делитель</source>
        <translation>Capacitive divider</translation>
    </message>
    <message>
        <source>Ёмкость С1 =                 нФ</source>
        <translation>Capacitor C1 =                 nF</translation>
    </message>
    <message>
        <source>Ёмкость С2 =                 нФ</source>
        <translation>Capacitor C2 =                 nF</translation>
    </message>
    <message>
        <source>Коэффициент трансформации n = (С1+С2)/С1</source>
        <translation>Transformation ratio n = (C1+C2)/C1</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>n =</source>
        <translation>n =</translation>
    </message>
    <message>
        <source>Сопротивление нагрузки =                  Ом</source>
        <translation>Resistance of the load RL =                  Ω</translation>
    </message>
    <message>
        <source>Сопротивление нагрузки со стороны генератора R&apos;н</source>
        <translation>Load resistance seen from the generator R&apos;L</translation>
    </message>
    <message>
        <source>R&apos;н = Rн*(n^2), Ом:</source>
        <translation>R&apos;L = RL*(n^2), Ω:</translation>
    </message>
</context>
<context>
    <name>Form15</name>
    <message>
        <source>Анализ каскада</source>
        <translation>Stage analysis</translation>
    </message>
    <message>
        <source>Анализ каскада на биполярном транзисторе</source>
        <translation>Analysis of a bipolar transistor stage</translation>
    </message>
    <message>
        <source>в области низких и средних частот</source>
        <translation>at low and middle frequencies</translation>
    </message>
    <message>
        <source>Источник: учебник по основам теории транзисторов и</source>
        <translation>Source: a textbook on the theory of transistors and</translation>
    </message>
    <message>
        <source>транзисторных схем. 4 изм. Москва, &quot;Энергия&quot;, 1977, с.327.</source>
        <translation>transistor circuits, 4th edition, Moscow, Energiya, 1977, p. 327.</translation>
    </message>
    <message>
        <source>Сопротивление базы rб =                Ом</source>
        <translation>Base spreading resistance rb =                Ω</translation>
    </message>
    <message>
        <source>Сопротивление эмиттера rэ =                Ом</source>
        <translation>Emitter junction resistance re =                Ω</translation>
    </message>
    <message>
        <source>Сопротивление резистора Rэ =                 Ом</source>
        <translation>Resistance of the emitter resistor Re =                 Ω</translation>
    </message>
    <message>
        <source>(0, если RэСэ отсутствуют)</source>
        <translation>(0 if there is no ReCe network)</translation>
    </message>
    <message>
        <source>Статический коэфф. передачи тока =</source>
        <translation>Static current gain β =</translation>
    </message>
    <message>
        <source>Входное сопротивление, Ом:</source>
        <translation>Input resistance, Ω:</translation>
    </message>
    <message>
        <source>Если смещение задано делителем, то общее </source>
        <translation>If the bias comes from a divider, the total </translation>
    </message>
    <message>
        <source>входное сопротивление = Rвх||R1||R2.</source>
        <translation>input resistance = Rin||R1||R2.</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Выходное сопротивление = сопротивление </source>
        <translation>Output resistance = resistance of the </translation>
    </message>
    <message>
        <source>резистора Rк =                 Ом</source>
        <translation>collector resistor Rc =                 Ω</translation>
    </message>
    <message>
        <source>Входное сопротивление =                 Ом</source>
        <translation>Input resistance of the stage =                 Ω</translation>
    </message>
    <message>
        <source>Сопротивление источника сигнала =            Ом </source>
        <translation>Internal resistance of the signal source Rs =            Ω </translation>
    </message>
    <message>
        <source>Сопротивление нагрузки Rн =                 Ом</source>
        <translation>Resistance of the stage load RL =                 Ω</translation>
    </message>
    <message>
        <source>Коэфф. усиления напряжения Ku = </source>
        <translation>Voltage gain Av = </translation>
    </message>
</context>
<context>
    <name>Form16</name>
    <message>
        <source>Анализ</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Анализ эмиттерного повторителя с составным транзистором</source>
        <translation>Analysis of an emitter follower with a compound transistor</translation>
    </message>
    <message>
        <source>В схеме могут быть применены транзисторы как одной,</source>
        <translation>The circuit may use transistors of the same</translation>
    </message>
    <message>
        <source>так и разных типов проводимости.</source>
        <translation>or of different conductivity types.</translation>
    </message>
    <message>
        <source>Источник: статья об анализе эмиттерных повторителей с составными транзисторами, сборник по технике</source>
        <translation>Source: an article on the analysis of emitter followers with compound transistors, a collection on</translation>
    </message>
    <message>
        <source>электросвязи. Выпуск 7. Москва, &quot;Связь&quot;, 1971 г.</source>
        <translation>telecommunication engineering, issue 7, Moscow, Svyaz, 1971.</translation>
    </message>
    <message>
        <source>Сопротивление базы Т1 rб =               Ом</source>
        <translation>T1 base spreading resistance rb =               Ω</translation>
    </message>
    <message>
        <source>Сопротивление эмиттера Т1 rэ =              Ом</source>
        <translation>T1 emitter junction resistance re =              Ω</translation>
    </message>
    <message>
        <source>Сопротивление базы Т2 rб =              Ом</source>
        <translation>T2 base spreading resistance rb =              Ω</translation>
    </message>
    <message>
        <source>Сопротивление эмиттера Т2 rэ =              Ом</source>
        <translation>T2 emitter junction resistance re =              Ω</translation>
    </message>
    <message>
        <source>Коэффициент передачи тока Т1</source>
        <translation>T1 current gain</translation>
    </message>
    <message>
        <source>β1 =</source>
        <translation>β1 =</translation>
    </message>
    <message>
        <source>Коэффициент передачи тока Т2</source>
        <translation>T2 current gain</translation>
    </message>
    <message>
        <source>β2 =</source>
        <translation>β2 =</translation>
    </message>
    <message>
        <source>Сопротивление нагрузки Rн =                  Ом</source>
        <translation>Resistance of the follower load RL =                  Ω</translation>
    </message>
    <message>
        <source>Сопротивление источника сигнала Rг =              Ом</source>
        <translation>Internal resistance of the signal source Rs =              Ω</translation>
    </message>
    <message>
        <source>Рис.1а: Рассчитать</source>
        <translation>Fig. 1a: Calculate</translation>
    </message>
    <message>
        <source>Рис.1б: Рассчитать</source>
        <translation>Fig. 1b: Calculate</translation>
    </message>
    <message>
        <source>Входное сопротивление, Ом:</source>
        <translation>Input resistance, Ω:</translation>
    </message>
    <message>
        <source>Выходное сопротивление, Ом</source>
        <translation>Output resistance, Ω</translation>
    </message>
    <message>
        <source>Коэфф. передачи по напряжению</source>
        <translation>Voltage gain</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Схема замещения</source>
        <translation>Equivalent circuit</translation>
    </message>
    <message>
        <source>Эквивалентная схема биполярного транзистора</source>
        <translation>Equivalent circuit of a bipolar transistor</translation>
    </message>
    <message>
        <source>в малосигнальном режиме (&quot;схема замещения&quot;)</source>
        <translation>for small signals (the T-equivalent circuit)</translation>
    </message>
    <message>
        <source>Сопротивление эмиттерного переходе rэ</source>
        <translation>Emitter junction resistance re</translation>
    </message>
    <message>
        <source>Ток эмиттера в рабочей точке = </source>
        <translation>Emitter current at the Q-point = </translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>rэ =         Ом</source>
        <translation>re =         Ω</translation>
    </message>
    <message>
        <source>Дифференциальное сопротивление</source>
        <translation>Differential resistance of the</translation>
    </message>
    <message>
        <source>коллекторного перехода  rк</source>
        <translation>collector junction rc</translation>
    </message>
    <message>
        <source>Напряжение коллектор-эмиттер (1) =</source>
        <translation>Collector-emitter voltage (1) =</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Напряжение коллектор-эмиттер (2) =</source>
        <translation>Collector-emitter voltage (2) =</translation>
    </message>
    <message>
        <source>Ток коллектора (1) =</source>
        <translation>Collector current (1) =</translation>
    </message>
    <message>
        <source>Ток коллектора (2) =</source>
        <translation>Collector current (2) =</translation>
    </message>
    <message>
        <source>rк =            Ом</source>
        <translation>rc =            Ω</translation>
    </message>
    <message>
        <source>Диффузионная ёмкость эмиттерного перехода Сэ</source>
        <translation>Emitter junction diffusion capacitance Ce</translation>
    </message>
    <message>
        <source>rэ =             Ом</source>
        <translation>re =             Ω</translation>
    </message>
    <message>
        <source>Граничная частота fгр =            МГц </source>
        <translation>Transition frequency fT =            MHz </translation>
    </message>
    <message>
        <source>Сэ, пФ: </source>
        <translation>Ce, pF: </translation>
    </message>
    <message>
        <source>Ёмкость коллекторного перехода Ск при данном напряжении на коллекторе</source>
        <translation>Collector junction capacitance Cc at the given collector voltage</translation>
    </message>
    <message>
        <source>Ёмкость коллекторного перехода (при напряжении на коллекторе =            В) =             пФ</source>
        <translation>Datasheet capacitance of the collector junction (at collector voltage U0 =            V) =             pF</translation>
    </message>
    <message>
        <source>Напряжение на коллекторе в данной схеме =             В</source>
        <translation>Voltage at the collector in the given circuit U =             V</translation>
    </message>
    <message>
        <source>Ск, пФ = </source>
        <translation>Cc, pF = </translation>
    </message>
    <message>
        <source>Объёмное сопротивление базы rб</source>
        <translation>Base spreading resistance rb</translation>
    </message>
    <message>
        <source>Постоянная времени цепи ОС  т =             пс </source>
        <translation>Feedback circuit time constant τ =             ps </translation>
    </message>
    <message>
        <source>Ск =              пФ</source>
        <translation>Cc =              pF</translation>
    </message>
    <message>
        <source>rб =        Ом</source>
        <translation>rb =        Ω</translation>
    </message>
    <message>
        <source>Литература: книга о входных цепях и каскадах транзисторных радиоприёмников,</source>
        <translation>References: a book on the input circuits and stages of transistor receivers,</translation>
    </message>
    <message>
        <source>Москва, издательство &quot;Связь&quot;, 1973 г.; книга о резонансных транзисторных усилителях,</source>
        <translation>Moscow, Svyaz publishers, 1973; a book on resonant transistor amplifiers,</translation>
    </message>
    <message>
        <source>Москва, издательство &quot;Связь&quot;, 1969 г.</source>
        <translation>Moscow, Svyaz publishers, 1969.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Реактивное сопротивление конденсатора</source>
        <translation>Capacitor reactance</translation>
    </message>
    <message>
        <source>в цепи переменного тока</source>
        <translation>in an AC circuit</translation>
    </message>
    <message>
        <source>Ёмкость =               нФ</source>
        <translation>Capacitance =               nF</translation>
    </message>
    <message>
        <source>Частота =                  кГц</source>
        <translation>Frequency =                  kHz</translation>
    </message>
    <message>
        <source>Хс, Ом:</source>
        <translation>Xc, Ω:</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Реактивное сопротивление катушки</source>
        <translation>Inductor reactance</translation>
    </message>
    <message>
        <source>в цепи переменного тока</source>
        <translation>in an AC circuit</translation>
    </message>
    <message>
        <source>Индуктивность =               мкГн</source>
        <translation>Coil inductance L =               µH</translation>
    </message>
    <message>
        <source>Частота =                   кГц</source>
        <translation>Frequency =                   kHz</translation>
    </message>
    <message>
        <source>XL, Ом: </source>
        <translation>XL, Ω: </translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Последовательное соединение R и С</source>
        <translation>R and C in series</translation>
    </message>
    <message>
        <source>Последовательное соединение резистора и конденсатора</source>
        <translation>A resistor and a capacitor in series</translation>
    </message>
    <message>
        <source>в цепи переменного тока</source>
        <translation>in an AC circuit</translation>
    </message>
    <message>
        <source>Ёмкость конденсатора =            нФ </source>
        <translation>Capacitance of the capacitor C =            nF </translation>
    </message>
    <message>
        <source>Сопротивление резистора =             Ом</source>
        <translation>Resistance of the resistor R =             Ω</translation>
    </message>
    <message>
        <source>Частота:                  кГц</source>
        <translation>Frequency:                  kHz</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Реактивное сопротивление конденсатора Хс, Ом:</source>
        <translation>Capacitor reactance Xc, Ω:</translation>
    </message>
    <message>
        <source>Полное сопротивление цепи Z, Ом:</source>
        <translation>Circuit impedance Z, Ω:</translation>
    </message>
    <message>
        <source>Угол сдвига фаз, град.:</source>
        <translation>Phase angle, degrees:</translation>
    </message>
    <message>
        <source>Полная проводимость цепи Y = 1/Z, См:</source>
        <translation>Circuit admittance Y = 1/Z, S:</translation>
    </message>
    <message>
        <source>Активная составляющая полной проводимости g = 1/R, См:</source>
        <translation>Real part of the admittance g = 1/R, S:</translation>
    </message>
    <message>
        <source>Реактивная составляющая полной проводимости b = 1/Xc, См:</source>
        <translation>Imaginary part of the admittance b = 1/Xc, S:</translation>
    </message>
    <message>
        <source>Напряжение, приложенное к цепи (действующее значение) =             В</source>
        <translation>Voltage U applied across the circuit (root-mean-square value) =             V</translation>
    </message>
    <message>
        <source>Ток в цепи (действующее значение), А:</source>
        <translation>Circuit current (RMS), A:</translation>
    </message>
    <message>
        <source>Напряжение на конденсаторе, В:</source>
        <translation>Voltage across the capacitor, V:</translation>
    </message>
    <message>
        <source>Напряжение на резисторе, В:</source>
        <translation>Voltage across the resistor, V:</translation>
    </message>
    <message>
        <source>Мощность, рассеиваемая на резисторе, Вт:</source>
        <translation>Power dissipated in the resistor, W:</translation>
    </message>
    <message>
        <source>Реактивная мощность на конденсаторе, ВАр:</source>
        <translation>Reactive power in the capacitor, var:</translation>
    </message>
    <message>
        <source>Полная мощность, ВА:</source>
        <translation>Apparent power, VA:</translation>
    </message>
    <message>
        <source>Коэффициент мощности: </source>
        <translation>Power factor: </translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Параллельное соединение R и С</source>
        <translation>R and C in parallel</translation>
    </message>
    <message>
        <source>Параллельное соединение резистора и конденсатора</source>
        <translation>A resistor and a capacitor in parallel</translation>
    </message>
    <message>
        <source>в цепи переменного тока</source>
        <translation>in an AC circuit</translation>
    </message>
    <message>
        <source>Ёмкость конденсатора =                     нФ</source>
        <translation>Capacitance of the capacitor C =                     nF</translation>
    </message>
    <message>
        <source>Сопротивление резистора =                    Ом</source>
        <translation>Resistance of the resistor R =                    Ω</translation>
    </message>
    <message>
        <source>Частота =                   кГц</source>
        <translation>Frequency =                   kHz</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Реактивное сопротивление конденсатора Хс, Oм:</source>
        <translation>Capacitor reactance Xc, Ω:</translation>
    </message>
    <message>
        <source>Активная составляющая полной проводимости g = 1/R, Cм:</source>
        <translation>Real part of the admittance g = 1/R, S:</translation>
    </message>
    <message>
        <source>Реактивная составляющая полной проводимости b = 1/Xc, См:</source>
        <translation>Imaginary part of the admittance b = 1/Xc, S:</translation>
    </message>
    <message>
        <source>Полная проводимость цепи Y, См:</source>
        <translation>Circuit admittance Y, S:</translation>
    </message>
    <message>
        <source>Полное сопротивление цепи Z = 1/Y, Ом:</source>
        <translation>Circuit impedance Z = 1/Y, Ω:</translation>
    </message>
    <message>
        <source>Напряжение, приложенное к цепи (действующее значение) =              В</source>
        <translation>Voltage U applied across the circuit (root-mean-square value) =              V</translation>
    </message>
    <message>
        <source>Ток через резистор (действующее значение), А:</source>
        <translation>Current through the resistor (RMS), A:</translation>
    </message>
    <message>
        <source>Ток через конденсатор (действующее значение), А:</source>
        <translation>Current through the capacitor (RMS), A:</translation>
    </message>
    <message>
        <source>Общий ток через цепь (действующее значение), А:</source>
        <translation>Total circuit current (RMS), A:</translation>
    </message>
    <message>
        <source>Мощность, рассеиваемая на резисторе, Вт:</source>
        <translation>Power dissipated in the resistor, W:</translation>
    </message>
    <message>
        <source>Реактивная мощность на резисторе, ВАр:</source>
        <translation>Reactive power in the capacitor, var:</translation>
    </message>
    <message>
        <source>Полная мощность, ВА:</source>
        <translation>Apparent power, VA:</translation>
    </message>
    <message>
        <source>Угол сдвига фаз, град.:</source>
        <translation>Phase angle, degrees:</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Схема термостабилизации с ОС по току</source>
        <translation>Thermal stabilisation with current feedback</translation>
    </message>
    <message>
        <source>Расчёт схемы термостабилизации режима транзистора</source>
        <translation>Thermal stabilisation of a transistor operating point</translation>
    </message>
    <message>
        <source>с отрицательной обратной связью по постоянному току</source>
        <translation>by negative DC current feedback</translation>
    </message>
    <message>
        <source>Схема обеспечивает высокую стабильность коллекторного тока при </source>
        <translation>The circuit keeps the collector current highly stable over a </translation>
    </message>
    <message>
        <source>работе в широком интервале температур. В каскаде осуществляется </source>
        <translation>wide range of temperatures. The stage balances its operating </translation>
    </message>
    <message>
        <source>автоматическая балансировка режима работы.</source>
        <translation>point automatically.</translation>
    </message>
    <message>
        <source>Схема эффективна при работе усилителя в диапазоне температур</source>
        <translation>The circuit is effective for an amplifier working at temperatures</translation>
    </message>
    <message>
        <source>от -40 до +60 градусов Цельсия.</source>
        <translation>from -40 to +60 degrees Celsius.</translation>
    </message>
    <message>
        <source>Исходные данные:</source>
        <translation>Input data:</translation>
    </message>
    <message>
        <source>Напряжение источника питания Ек =            В </source>
        <translation>Voltage of the DC power supply Vcc =            V </translation>
    </message>
    <message>
        <source>Минимальная рабочая температура =             C</source>
        <translation>Minimum working temperature Tmin =             °C</translation>
    </message>
    <message>
        <source>Максимальная рабочая температура =            С </source>
        <translation>Maximum working temperature Tmax =            °C </translation>
    </message>
    <message>
        <source>Материал транзистора: </source>
        <translation>Transistor material: </translation>
    </message>
    <message>
        <source>Кремний</source>
        <translation>Silicon</translation>
    </message>
    <message>
        <source>Германий</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>Обратный ток коллектора (при t=20 С) =            мкА</source>
        <translation>Reverse collector current ICBO (at t=20 °C) =            µA</translation>
    </message>
    <message>
        <source>Напряжение на Rэ =                В</source>
        <translation>Voltage across Re =                V</translation>
    </message>
    <message>
        <source>Исходный  режим работы: ток покоя коллектора Iк =             мА, </source>
        <translation>Initial operating point: quiescent collector current Ic =             mA, </translation>
    </message>
    <message>
        <source>напряжение коллектор-эмиттер Uкэ =            В </source>
        <translation>quiescent collector-emitter voltage Vce =            V </translation>
    </message>
    <message>
        <source>Нестабильность Iк в заданном диапазоне температур (не более 10-20% от Iк) =             мА</source>
        <translation>Permitted drift of Ic over the given temperature range (not more than 10-20% of Ic) =             mA</translation>
    </message>
    <message>
        <source>Изменение обратного тока коллектора, мкА:</source>
        <translation>Reverse collector current at the highest temperature, µA:</translation>
    </message>
    <message>
        <source>Тепловое смещение напряжения базы, В:</source>
        <translation>Thermal shift of the base voltage, V:</translation>
    </message>
    <message>
        <source>Резистор Rэ, Ом: </source>
        <translation>Resistor Re, Ω: </translation>
    </message>
    <message>
        <source>Резистор Rк, Ом:</source>
        <translation>Resistor Rc, Ω:</translation>
    </message>
    <message>
        <source>Резистор R1, Ом:</source>
        <translation>Resistor R1, Ω:</translation>
    </message>
    <message>
        <source>Резистор R2, Ом:</source>
        <translation>Resistor R2, Ω:</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Литература: коллектив авторов, справочник по расчёту ВЧ транзисторных каскадов радиоприёмников,</source>
        <translation>Reference: multiple authors, a handbook on the design of RF transistor stages of receivers,</translation>
    </message>
    <message>
        <source>Москва, издательство &quot;Энергия&quot;, 1975 г., c. 35.</source>
        <translation>Moscow, Energiya publishers, 1975, p. 35.</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Схема термостабилизации с ОС по току (двухбатарейное питание)</source>
        <translation>Thermal stabilisation with current feedback (dual supply)</translation>
    </message>
    <message>
        <source>Расчёт схемы термостабилизации режима транзистора</source>
        <translation>Thermal stabilisation of a transistor operating point</translation>
    </message>
    <message>
        <source>с отрицательной обратной связью по постоянному току</source>
        <translation>by negative DC current feedback</translation>
    </message>
    <message>
        <source>(с двухбатарейным питанием)</source>
        <translation>(with a dual supply)</translation>
    </message>
    <message>
        <source>Эта схема обеспечивает более высокую стабильность, чем предшест-</source>
        <translation>This circuit gives better stability than the previous</translation>
    </message>
    <message>
        <source>вующая. Рекомендуется для работы в интервале от -60 до +60 град.С.</source>
        <translation>one. Recommended for temperatures from -60 to +60 °C.</translation>
    </message>
    <message>
        <source>Исходные данные:</source>
        <translation>Input data:</translation>
    </message>
    <message>
        <source>Напряжение источника питания Ек =              В</source>
        <translation>Voltage of the collector power supply Vcc =              V</translation>
    </message>
    <message>
        <source>Минимальная рабочая температура =             С</source>
        <translation>Minimum working temperature Tmin =             °C</translation>
    </message>
    <message>
        <source>Максимальная рабочая температура =            С</source>
        <translation>Maximum working temperature Tmax =            °C</translation>
    </message>
    <message>
        <source>Материал транзистора:</source>
        <translation>Transistor material:</translation>
    </message>
    <message>
        <source>Кремний</source>
        <translation>Silicon</translation>
    </message>
    <message>
        <source>Германий</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>Обратный  ток коллектора (при t=20 С) =             мкА </source>
        <translation>Reverse collector current ICBO (at t=20 °C) =             µA </translation>
    </message>
    <message>
        <source>Исходный режим работы: ток покоя транзистора Iк =            мА,  напряжение коллектор-эмиттер Uкэ =             В</source>
        <translation>Initial operating point: quiescent collector current Ic =            mA, quiescent collector-emitter voltage Vce =             V</translation>
    </message>
    <message>
        <source>Нестабильность Iк в заданном диапазоне температур (не более 10-20% от Iк) =             мА</source>
        <translation>Permitted drift of Ic over the given temperature range (not more than 10-20% of Ic) =             mA</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Изменение обратного тока коллектора, мкА:</source>
        <translation>Reverse collector current at the highest temperature, µA:</translation>
    </message>
    <message>
        <source>Тепловое смещение напряжения базу базы, В:</source>
        <translation>Thermal shift of the base voltage, V:</translation>
    </message>
    <message>
        <source>Резистор Rэ, Ом:</source>
        <translation>Resistor Re, Ω:</translation>
    </message>
    <message>
        <source>Напряжение источника смещения Ec, В:</source>
        <translation>Bias supply voltage Vee, V:</translation>
    </message>
    <message>
        <source>Резистор Rк, Ом:</source>
        <translation>Resistor Rc, Ω:</translation>
    </message>
    <message>
        <source>Литература: коллектив авторов, справочник по расчёту ВЧ транзисторных каскадов радиоприёмников,</source>
        <translation>Reference: multiple authors, a handbook on the design of RF transistor stages of receivers,</translation>
    </message>
    <message>
        <source>Москва, издательство &quot;Энергия&quot;, 1975 г.</source>
        <translation>Moscow, Energiya publishers, 1975.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Расчёт развязывающих ёмкостей транзисторного каскада</source>
        <translation>Decoupling capacitors of a transistor stage</translation>
    </message>
    <message>
        <source>Рабочая частота =                       кГц</source>
        <translation>Operating frequency =                       kHz</translation>
    </message>
    <message>
        <source>Сопротивление эмиттерного перехода rэ =             Ом</source>
        <translation>Differential resistance of the emitter junction re =             Ω</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Минимальная ёмкость конденсатора Сэ, нФ:  </source>
        <translation>Minimum capacitance Ce, nF:  </translation>
    </message>
    <message>
        <source>=============================================================</source>
        <translation>=============================================================</translation>
    </message>
    <message>
        <source>Рабочая частота =                      кГц</source>
        <translation>Operating frequency =                      kHz</translation>
    </message>
    <message>
        <source>Статический коэффициент передачи тока h21э =</source>
        <translation>Static current gain hFE =</translation>
    </message>
    <message>
        <source>Минимальная ёмкость конденсатора Сб, нФ:</source>
        <translation>Minimum capacitance Cb, nF:</translation>
    </message>
    <message>
        <source>Литература: книга о резонансных усилителях на транзисторах,</source>
        <translation>Reference: a book on resonant transistor amplifiers,</translation>
    </message>
    <message>
        <source>Москва, издательство &quot;Связь&quot;, 1969 г., с. 140.</source>
        <translation>Moscow, Svyaz publishers, 1969, p. 140.</translation>
    </message>
</context>
<context>
    <name>GraphMarks</name>
    <message>
        <source>Отсчёты по графикам</source>
        <translation>Readings from the graphs</translation>
    </message>
    <message>
        <source>σ1 по графику а)	</source>
        <translation>σ1 from graph a)	</translation>
    </message>
    <message>
        <source>Кф по графику б)	</source>
        <translation>Kf from graph b)	</translation>
    </message>
    <message>
        <source>σ1 ≈ %1 дБ</source>
        <translation>σ1 ≈ %1 dB</translation>
    </message>
    <message>
        <source>Кф ≈ %1</source>
        <translation>Kf ≈ %1</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Напряжение на коллекторе, В</source>
        <translation>Collector voltage, V</translation>
    </message>
    <message>
        <source>Ёмкость коллекторного перехода, пФ</source>
        <translation>Collector junction capacitance, pF</translation>
    </message>
    <message>
        <source>Постоянная времени цепи ОС τ, пс</source>
        <translation>Feedback time constant τ, ps</translation>
    </message>
    <message>
        <source>Реактивная мощность на конденсаторе, ВАр</source>
        <translation>Reactive power in the capacitor, var</translation>
    </message>
    <message>
        <source>Тепловое смещение напряжения базы, В</source>
        <translation>Thermal shift of the base voltage, V</translation>
    </message>
    <message>
        <source>Напряжение источника смещения Ес, В</source>
        <translation>Bias supply voltage Vee, V</translation>
    </message>
    <message>
        <source>Полное сопротивление первичной обмотки Z1, Ом</source>
        <translation>Primary winding impedance Z1, Ω</translation>
    </message>
    <message>
        <source>Расстройка по соседнему каналу, кГц</source>
        <translation>Adjacent-channel detuning, kHz</translation>
    </message>
    <message>
        <source>Ослабление одним звеном ФСС σ1, дБ</source>
        <translation>Attenuation of one filter section σ1, dB</translation>
    </message>
    <message>
        <source>Характеристическое сопротивление фильтра Rф, Ом</source>
        <translation>Filter characteristic impedance Rf, Ω</translation>
    </message>
    <message>
        <source>Ёмкость конденсатора в контуре, к которому подключен фильтр, пФ</source>
        <translation>Capacitance of the tuned circuit the filter is connected to, pF</translation>
    </message>
    <message>
        <source>Характеристическое сопротивление контура ρ, Ом</source>
        <translation>Characteristic impedance of the circuit ρ, Ω</translation>
    </message>
    <message>
        <source>Коэффициент трансформации n</source>
        <translation>Transformation ratio n</translation>
    </message>
    <message>
        <source>Сопротивление нагрузки со стороны генератора R&apos;н, Ом</source>
        <translation>Load resistance seen from the source R&apos;L, Ω</translation>
    </message>
    <message>
        <source>Сопротивление резистора Rк, Ом</source>
        <translation>Collector resistor Rc, Ω</translation>
    </message>
    <message>
        <source>Рассчитать входное сопротивление</source>
        <translation>Calculate input resistance</translation>
    </message>
</context>
<context>
    <name>PlotWindow</name>
    <message>
        <source>закреплённая</source>
        <translation>held</translation>
    </message>
    <message>
        <source> — характеристика</source>
        <translation> — frequency response</translation>
    </message>
    <message>
        <source>Копировать данные</source>
        <translation>Copy data</translation>
    </message>
    <message>
        <source>Копировать изображение</source>
        <translation>Copy image</translation>
    </message>
    <message>
        <source>Копировать отсчёты</source>
        <translation>Copy readings</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Закрепить кривую</source>
        <translation>Hold curve</translation>
    </message>
    <message>
        <source>Убрать закреплённые</source>
        <translation>Clear held curves</translation>
    </message>
    <message>
        <source>Показать всё</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>второй курсор: </source>
        <translation>second cursor: </translation>
    </message>
    <message>
        <source>Изображение PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Сохранить характеристику</source>
        <translation>Save the frequency response</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Could not write the file %1.</translation>
    </message>
</context>
<context>
    <name>Plots</name>
    <message>
        <source>нет файла %1</source>
        <translation>no file %1</translation>
    </message>
    <message>
        <source>Характеристика не может быть показана: %1.</source>
        <translation>The frequency response cannot be shown: %1.</translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>Применение ФСС целесообразно.</source>
        <translation>A lumped-selectivity filter is worth using.</translation>
    </message>
    <message>
        <source>Применение ФСС нецелесообразно!</source>
        <translation>A lumped-selectivity filter is not worth using!</translation>
    </message>
    <message>
        <source>П</source>
        <translation>B</translation>
    </message>
    <message>
        <source>с её расчёта шаг 1 изменил значения </source>
        <translation>since it was calculated, step 1 has changed </translation>
    </message>
    <message>
        <source>с её расчёта шаг 2 дал другие значения</source>
        <translation>since it was calculated, step 2 has given other values</translation>
    </message>
    <message>
        <source>шаг 2 с её расчёта не выполнен</source>
        <translation>step 2 has not been done since it was calculated</translation>
    </message>
    <message>
        <source>с её расчёта шаг 3 дал другие значения</source>
        <translation>since it was calculated, step 3 has given other values</translation>
    </message>
    <message>
        <source>шаг 3 с её расчёта не выполнен</source>
        <translation>step 3 has not been done since it was calculated</translation>
    </message>
    <message>
        <source>Литература: коллектив авторов, справочник по расчёту ВЧ транзисторных каскадов радиоприёмников, Москва, издательство &quot;Энергия&quot;, 1975 г., с. 87.</source>
        <translation>Reference: a team of authors, a handbook on the design of RF transistor stages of radio receivers, Moscow, Energiya publishers, 1975, p. 87.</translation>
    </message>
</context>
<context>
    <name>TForm13</name>
    <message>
        <source>с её расчёта изменились значения </source>
        <translation>since it was calculated, these values have changed: </translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Ошибка: Ure &gt; Ek!</source>
        <translation>Error: Ve &gt; Vcc!</translation>
    </message>
    <message>
        <source>Rк &lt; 0, увеличьте Ек</source>
        <translation>Rc &lt; 0, increase Vcc</translation>
    </message>
    <message>
        <source>R1 &lt; 0, увеличьте напряжение на Rэ или максимальную рабочую температуру и рассчитайте заново</source>
        <translation>R1 &lt; 0, increase the voltage across Re or the maximum operating temperature and calculate again</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Rэ &lt; 0, выберите транзистор с меньшим обратным током коллектора либо увеличьте ток покоя коллектора</source>
        <translation>Re &lt; 0, choose a transistor with a lower collector cut-off current or increase the collector quiescent current</translation>
    </message>
    <message>
        <source>Rк &lt; 0, увеличьте напряжение питания</source>
        <translation>Rc &lt; 0, increase the supply voltage</translation>
    </message>
</context>
</TS>
