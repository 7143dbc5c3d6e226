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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velorix — калькулятор радиотехнических формул</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>помочь проекту можно здесь: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиотехнические расчёты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цепи термостабилизации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реактивное сопротивление конденсатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реактивное сопротивление катушки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последовательное соединение R и С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параллельное соединение R и С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкости развязки транзисторного каскада</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Трансформация сопротивлений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчёт ФСС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Способ повышения избирательности по соседнему каналу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры колебательного контура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкостный делитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема замещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С ООС по току</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С ООС по току (двухбатарейное питание)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Анализ каскада</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эмиттерный повторитель с составным транзистором</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Трансформация сопротивлений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полное сопротивление нагрузки Zн =                Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полное сопротивление источника тока Zг =                 Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф. трансформации K =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полное сопротивление нагрузки Zн =                 Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент трансформации K =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полное сопротивление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>первичной обмотки Z1, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Расчёт ФСС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчёт фильтра сосредоточенной селекции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График для расчёта многозвенных ФСС  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>а) график ослабления одного звена; б) график расчёта Кф.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочая частота =                   кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуемая полоса пропускания =             кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Собственное затухание контуров ФСС = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,006</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка целесообразности применения ФСС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Избирательность по соседнему каналу &gt;=             дБ при расстройке               кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обобщённое затухание ФСС </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>β =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная расстройка по соседнему каналу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>α =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>По графику а) определить ослабление, создаваемое одним звеном ФСС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>σ1 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Необходимое число звеньев ФСС =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Характеристическое сопротивление фильтра =              кОм [выбирается 10...50 кОм]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная составляющая выходного сопротивления источника сигнала =            Ом </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная составляющая сопротивления нагрузки =             Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф. трансформации m1 [входной контур]= </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф. трансформации m2 [выходной контур]=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг 5. По графику б) определить коэффициент передачи напряжения ФСС Кф для выбранных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n и</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>β.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость источника сигнала =             пФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость нагрузки =            пФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость конденсаторов связи С1, пФ=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкости контуров С2, пФ =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкости контура С3, пФ =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкости контура С4, пФ =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивности контуров L1, мкГн =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивности L2, мкГн =</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form12</name>
    <message>
        <source>Способ повышения избирательности по соседнему каналу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышение избирательности ФСС по соседнему каналу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ФСС, содержащий последовательно включенные N звеньев,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>связанных  между собой внешнеёмкостной связью, (N-1) звеньев </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>которого выполнены в виде параллельных LC-контуров, отличающийся</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тем, что с целью повышения избирательности по соседнему каналу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N-звено выполнено в виде пьезоэлектрического фильтра.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник: изобретение «Фильтр сосредоточенной селекции»,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Патент СССР SU-1622921, 1991 г.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Характеристическое сопротивление фильтра =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= сопротивления резисторов Rф =                Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хар. сопротивление крайнего контура ФСС =                Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент а =             [оптимально 7 - 10; схема </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>работоспособна при а = 3 - 300]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость конденсатора в контуре, к которому подключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>фильтр =               пФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость конденсатора Ссв, пФ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form13</name>
    <message>
        <source>Параметры колебательного контура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры параллельного колебательного контура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота резонанса =                    кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивность контура =             мкГн</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Характеристическое сопротивление контура p, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добротность контура =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление контура при резонансе Rp, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полоса пропускания контура П, кГц:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота сигнала =                   кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль полного сопротивления контура на частоте сигнала Z, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник: книга по схемотехнике из серии «Мастер-класс», Санкт-Петербург, 2016 г., с. 341.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form14</name>
    <message>
        <source>Ёмкостный делитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость С1 =                 нФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость С2 =                 нФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент трансформации n = (С1+С2)/С1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление нагрузки =                  Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление нагрузки со стороны генератора R&apos;н</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&apos;н = Rн*(n^2), Ом:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form15</name>
    <message>
        <source>Анализ каскада</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Анализ каскада на биполярном транзисторе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в области низких и средних частот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник: учебник по основам теории транзисторов и</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>транзисторных схем. 4 изм. Москва, &quot;Энергия&quot;, 1977, с.327.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление базы rб =                Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление эмиттера rэ =                Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление резистора Rэ =                 Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(0, если RэСэ отсутствуют)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статический коэфф. передачи тока =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Входное сопротивление, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если смещение задано делителем, то общее </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>входное сопротивление = Rвх||R1||R2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выходное сопротивление = сопротивление </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>резистора Rк =                 Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Входное сопротивление =                 Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление источника сигнала =            Ом </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление нагрузки Rн =                 Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф. усиления напряжения Ku = </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form16</name>
    <message>
        <source>Анализ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Анализ эмиттерного повторителя с составным транзистором</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В схеме могут быть применены транзисторы как одной,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>так и разных типов проводимости.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник: статья об анализе эмиттерных повторителей с составными транзисторами, сборник по технике</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>электросвязи. Выпуск 7. Москва, &quot;Связь&quot;, 1971 г.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление базы Т1 rб =               Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление эмиттера Т1 rэ =              Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление базы Т2 rб =              Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление эмиттера Т2 rэ =              Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент передачи тока Т1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>β1 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент передачи тока Т2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>β2 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление нагрузки Rн =                  Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление источника сигнала Rг =              Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рис.1а: Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рис.1б: Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Входное сопротивление, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выходное сопротивление, Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф. передачи по напряжению</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Схема замещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эквивалентная схема биполярного транзистора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в малосигнальном режиме (&quot;схема замещения&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление эмиттерного переходе rэ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток эмиттера в рабочей точке = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rэ =         Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дифференциальное сопротивление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>коллекторного перехода  rк</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение коллектор-эмиттер (1) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение коллектор-эмиттер (2) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток коллектора (1) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток коллектора (2) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rк =            Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диффузионная ёмкость эмиттерного перехода Сэ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rэ =             Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Граничная частота fгр =            МГц </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сэ, пФ: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость коллекторного перехода Ск при данном напряжении на коллекторе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость коллекторного перехода (при напряжении на коллекторе =            В) =             пФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение на коллекторе в данной схеме =             В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ск, пФ = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объёмное сопротивление базы rб</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постоянная времени цепи ОС  т =             пс </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ск =              пФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rб =        Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Литература: книга о входных цепях и каскадах транзисторных радиоприёмников,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Москва, издательство &quot;Связь&quot;, 1973 г.; книга о резонансных транзисторных усилителях,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Москва, издательство &quot;Связь&quot;, 1969 г.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Реактивное сопротивление конденсатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в цепи переменного тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость =               нФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота =                  кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хс, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Реактивное сопротивление катушки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в цепи переменного тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивность =               мкГн</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота =                   кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XL, Ом: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Последовательное соединение R и С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последовательное соединение резистора и конденсатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в цепи переменного тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость конденсатора =            нФ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление резистора =             Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота:                  кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реактивное сопротивление конденсатора Хс, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полное сопротивление цепи Z, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол сдвига фаз, град.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полная проводимость цепи Y = 1/Z, См:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная составляющая полной проводимости g = 1/R, См:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реактивная составляющая полной проводимости b = 1/Xc, См:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение, приложенное к цепи (действующее значение) =             В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток в цепи (действующее значение), А:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение на конденсаторе, В:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение на резисторе, В:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мощность, рассеиваемая на резисторе, Вт:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реактивная мощность на конденсаторе, ВАр:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полная мощность, ВА:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент мощности: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Параллельное соединение R и С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параллельное соединение резистора и конденсатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в цепи переменного тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость конденсатора =                     нФ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление резистора =                    Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота =                   кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реактивное сопротивление конденсатора Хс, Oм:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная составляющая полной проводимости g = 1/R, Cм:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реактивная составляющая полной проводимости b = 1/Xc, См:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полная проводимость цепи Y, См:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полное сопротивление цепи Z = 1/Y, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение, приложенное к цепи (действующее значение) =              В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток через резистор (действующее значение), А:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток через конденсатор (действующее значение), А:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Общий ток через цепь (действующее значение), А:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мощность, рассеиваемая на резисторе, Вт:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реактивная мощность на резисторе, ВАр:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полная мощность, ВА:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол сдвига фаз, град.:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Схема термостабилизации с ОС по току</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчёт схемы термостабилизации режима транзистора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с отрицательной обратной связью по постоянному току</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема обеспечивает высокую стабильность коллекторного тока при </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>работе в широком интервале температур. В каскаде осуществляется </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>автоматическая балансировка режима работы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема эффективна при работе усилителя в диапазоне температур</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>от -40 до +60 градусов Цельсия.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Исходные данные:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение источника питания Ек =            В </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальная рабочая температура =             C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальная рабочая температура =            С </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Материал транзистора: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кремний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Германий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратный ток коллектора (при t=20 С) =            мкА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение на Rэ =                В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Исходный  режим работы: ток покоя коллектора Iк =             мА, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>напряжение коллектор-эмиттер Uкэ =            В </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нестабильность Iк в заданном диапазоне температур (не более 10-20% от Iк) =             мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменение обратного тока коллектора, мкА:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тепловое смещение напряжения базы, В:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резистор Rэ, Ом: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резистор Rк, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резистор R1, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резистор R2, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Литература: коллектив авторов, справочник по расчёту ВЧ транзисторных каскадов радиоприёмников,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Москва, издательство &quot;Энергия&quot;, 1975 г., c. 35.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Схема термостабилизации с ОС по току (двухбатарейное питание)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчёт схемы термостабилизации режима транзистора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с отрицательной обратной связью по постоянному току</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(с двухбатарейным питанием)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эта схема обеспечивает более высокую стабильность, чем предшест-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вующая. Рекомендуется для работы в интервале от -60 до +60 град.С.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Исходные данные:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение источника питания Ек =              В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальная рабочая температура =             С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальная рабочая температура =            С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Материал транзистора:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кремний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Германий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратный  ток коллектора (при t=20 С) =             мкА </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Исходный режим работы: ток покоя транзистора Iк =            мА,  напряжение коллектор-эмиттер Uкэ =             В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нестабильность Iк в заданном диапазоне температур (не более 10-20% от Iк) =             мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменение обратного тока коллектора, мкА:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тепловое смещение напряжения базу базы, В:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резистор Rэ, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение источника смещения Ec, В:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резистор Rк, Ом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Литература: коллектив авторов, справочник по расчёту ВЧ транзисторных каскадов радиоприёмников,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Москва, издательство &quot;Энергия&quot;, 1975 г.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Расчёт развязывающих ёмкостей транзисторного каскада</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочая частота =                       кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление эмиттерного перехода rэ =             Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальная ёмкость конденсатора Сэ, нФ:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=============================================================</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочая частота =                      кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статический коэффициент передачи тока h21э =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальная ёмкость конденсатора Сб, нФ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Литература: книга о резонансных усилителях на транзисторах,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Москва, издательство &quot;Связь&quot;, 1969 г., с. 140.</source>
        <translation type="unfinished"></translation>
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
        <translation>Bias supply voltage Vbb, V</translation>
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
