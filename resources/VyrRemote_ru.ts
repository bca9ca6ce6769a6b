<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Версия программы:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Remote control software for
Ethernet tester %1.</source>
        <translation>Программа дистанционного управления
тестером Ethernet %1.</translation>
    </message>
    <message>
        <source>Firmware update software for
Ethernet tester %1.</source>
        <translation>Программа обновления прошивки
тестера Ethernet %1.</translation>
    </message>
</context>
<context>
    <name>AsymTrafficForm</name>
    <message>
        <source>Asymetrical traffic test (Port A)</source>
        <translation>Тест асимметричного трафика (Порт A)</translation>
    </message>
    <message>
        <source>Output stream settings</source>
        <translation>Исходящий поток</translation>
    </message>
    <message>
        <source>Input stream settings</source>
        <translation>Входящий поток</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Learning Interval, ms</source>
        <translation>Интервал обучения, мс</translation>
    </message>
    <message>
        <source>Wait Interval, ms</source>
        <translation>Интервал ожидания, мс</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Исходящий</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Входящий</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Оба</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Estimate time</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Input stream statistics</source>
        <translation>Статистика входящего потока</translation>
    </message>
    <message>
        <source>Output stream statistics</source>
        <translation>Статистика исходящего потока</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Старт A-&gt;A</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>Port A</source>
        <translation>Порт A</translation>
    </message>
    <message>
        <source>Port B</source>
        <translation>Порт B</translation>
    </message>
    <message>
        <source>Start A-&gt;R</source>
        <translation>Старт A-&gt;R</translation>
    </message>
    <message>
        <source>Start B-&gt;R</source>
        <translation>Старт B-&gt;R</translation>
    </message>
</context>
<context>
    <name>AuthenticationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>Can not start the test</source>
        <translation>Невозможно запустить тест</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Выполняется</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановлен</translation>
    </message>
    <message>
        <source>No Sync</source>
        <translation>Нет синхр.</translation>
    </message>
    <message>
        <source>No Tx</source>
        <translation>Нет передачи</translation>
    </message>
    <message>
        <source>No Rx</source>
        <translation>Нет приёма</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>RxTx</source>
        <translation>Приём/передача</translation>
    </message>
    <message>
        <source>Loss exceeded</source>
        <translation>Превышены потери</translation>
    </message>
    <message>
        <source>Remote device error</source>
        <translation>Ошибка удалённого устройства</translation>
    </message>
    <message>
        <source>Incompatible fw version</source>
        <translation>Несовместимая версия ПО</translation>
    </message>
    <message>
        <source>Unknown status</source>
        <translation>Неизвестное состояние</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Нет соединения</translation>
    </message>
    <message>
        <source>Routing problem</source>
        <translation>Ошибка маршрутизации</translation>
    </message>
    <message>
        <source>Stream #</source>
        <translation>Поток №</translation>
    </message>
    <message>
        <source>Wrong rate settings.
Couldn&apos;t run with
rate &gt; 100%</source>
        <translation>Неверная скорость.
Невозможен запуск
со скоростью &gt; 100%</translation>
    </message>
    <message>
        <source>No active streams</source>
        <translation>Нет активных потоков</translation>
    </message>
    <message>
        <source>Active VLAN</source>
        <translation>Включён VLAN</translation>
    </message>
    <message>
        <source>Active MPLS</source>
        <translation>Включён MPLS</translation>
    </message>
    <message>
        <source>Set packet length</source>
        <translation>Задайте длину пакета</translation>
    </message>
    <message>
        <source>b</source>
        <translation>б</translation>
    </message>
    <message>
        <source>Test is not chosen</source>
        <translation>Тест не выбран</translation>
    </message>
    <message>
        <source>The test already run</source>
        <translation>Тест уже запущен</translation>
    </message>
    <message>
        <source>Too many addresses. The greatest possible quantity is</source>
        <translation>Слишком много адресов. Наибольшее возможное количество</translation>
    </message>
    <message>
        <source>Not chosen any frame length</source>
        <translation>Не выбрана ни одна длина кадра</translation>
    </message>
    <message>
        <source>User rate settings not setted for latency test</source>
        <translation>Не задана скорость пользователя для теста задержки</translation>
    </message>
    <message>
        <source>Signal sources are not chosen</source>
        <translation>Не выбраны источники сигнала</translation>
    </message>
    <message>
        <source>PTP server is not chosen</source>
        <translation>Не выбран сервер PTP</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>FTransferForm</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Отчёты</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Снимок экрана</translation>
    </message>
</context>
<context>
    <name>FileNameDialog</name>
    <message>
        <source>Enter file name</source>
        <translation>Введите имя файла</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
</context>
<context>
    <name>HeaderWidget</name>
    <message>
        <source>Header</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Header level 2</source>
        <translation>Заголовок уровня 2</translation>
    </message>
    <message>
        <source>ARP enable</source>
        <translation>Включить ARP</translation>
    </message>
    <message>
        <source>Destination MAC</source>
        <translation>MAC назначения</translation>
    </message>
    <message>
        <source>Header level 3</source>
        <translation>Заголовок уровня 3</translation>
    </message>
    <message>
        <source>Auto IP destination</source>
        <translation>Авто IP назначения</translation>
    </message>
    <message>
        <source>IP destination</source>
        <translation>IP назначения</translation>
    </message>
    <message>
        <source>IP source</source>
        <translation>IP источника</translation>
    </message>
    <message>
        <source>ToS</source>
        <translation>ToS</translation>
    </message>
    <message>
        <source>DSCP</source>
        <translation>DSCP</translation>
    </message>
    <message>
        <source>Header level 4</source>
        <translation>Заголовок уровня 4</translation>
    </message>
    <message>
        <source>UDP destination</source>
        <translation>UDP назначения</translation>
    </message>
    <message>
        <source>UDP source</source>
        <translation>UDP источника</translation>
    </message>
</context>
<context>
    <name>JitterForm</name>
    <message>
        <source>Jitter test (Port A)</source>
        <translation>Тест джиттера (Порт A)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Rate units</source>
        <translation>Единицы скорости</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>кбит/с</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Мбит/с</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Packet length, b</source>
        <translation>Длина пакета, байт</translation>
    </message>
    <message>
        <source>Duration, s</source>
        <translation>Длительность, с</translation>
    </message>
    <message>
        <source>Threshold, s</source>
        <translation>Порог, с</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Test time</source>
        <translation>Время теста</translation>
    </message>
    <message>
        <source>Passed time</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Rx Frames</source>
        <translation>Прин. кадры</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>In order</source>
        <translation>По порядку</translation>
    </message>
    <message>
        <source>Not in order</source>
        <translation>Не по порядку</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Распределение</translation>
    </message>
    <message>
        <source>Jitter, ms</source>
        <translation>Джиттер, мс</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Старт A-&gt;A</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Старт A-&gt;B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Serial Connection</source>
        <translation>Последовательный порт</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Ethernet Connection</source>
        <translation>Подключение по Ethernet</translation>
    </message>
    <message>
        <source>Port A</source>
        <translation>Порт A</translation>
    </message>
    <message>
        <source>Port B</source>
        <translation>Порт B</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Читать</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Process A</source>
        <translation>Процесс A</translation>
    </message>
    <message>
        <source>Process B</source>
        <translation>Процесс B</translation>
    </message>
    <message>
        <source>Traffic
test</source>
        <translation>Тест
трафика</translation>
    </message>
    <message>
        <source>Multistream</source>
        <translation>Много-
поточный</translation>
    </message>
    <message>
        <source>Packet
Jitter</source>
        <translation>Джиттер
пакетов</translation>
    </message>
    <message>
        <source>TCP/IP Tests</source>
        <translation>Тесты TCP/IP</translation>
    </message>
    <message>
        <source>Cable
Diagnostics</source>
        <translation>Диагностика
кабеля</translation>
    </message>
    <message>
        <source>Optical
test</source>
        <translation>Оптический
тест</translation>
    </message>
    <message>
        <source>BER Test</source>
        <translation>Тест BER</translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Синхро-
низация</translation>
    </message>
    <message>
        <source>Thru</source>
        <translation>Транзит</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>Шлейф</translation>
    </message>
    <message>
        <source>File transfer</source>
        <translation>Передача
файлов</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Device 
settings</source>
        <translation>Настройки 
прибора</translation>
    </message>
    <message>
        <source>Interface
settings</source>
        <translation>Настройки
интерфейсов</translation>
    </message>
    <message>
        <source>%1 Remote Control</source>
        <translation>%1 Дистанционное управление</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is not a valid IP address.
Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>Адрес «%1» не является допустимым IP-адресом.
Введите четыре числа от 0 до 255, разделённые точками.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Выпуск</translation>
    </message>
    <message>
        <source>Compiled for %1 release version %2</source>
        <translation>Программа собрана для %1 версии выпуска %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>File not for loading.</source>
        <translation>Этот файл нельзя загрузить.</translation>
    </message>
    <message>
        <source>Can not save the file.</source>
        <translation>Невозможно сохранить файл.</translation>
    </message>
    <message>
        <source>The memory is full.</source>
        <translation>Память заполнена.</translation>
    </message>
    <message>
        <source>File already exists.</source>
        <translation>Файл уже существует.</translation>
    </message>
    <message>
        <source>Test start error</source>
        <translation>Ошибка запуска теста</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Мбит/с</translation>
    </message>
    <message>
        <source>bps</source>
        <translation>бит/с</translation>
    </message>
    <message>
        <source>Kbps</source>
        <translation>кбит/с</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>О Qt</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>MultiForm</name>
    <message>
        <source>Multistream test (Port A)</source>
        <translation>Многопотоковый тест (Порт A)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Stream #</source>
        <translation>Поток №</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Активен</translation>
    </message>
    <message>
        <source>Rate units</source>
        <translation>Единицы скорости</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>кбит/с</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Мбит/с</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Packet length, b</source>
        <translation>Длина пакета, байт</translation>
    </message>
    <message>
        <source>Study, ms</source>
        <translation>Обучение, мс</translation>
    </message>
    <message>
        <source>Interval, ms</source>
        <translation>Интервал, мс</translation>
    </message>
    <message>
        <source>Duration, s</source>
        <translation>Длительность, с</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Estimate time</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Tx frames</source>
        <translation>Перед. кадры</translation>
    </message>
    <message>
        <source>Rx frames</source>
        <translation>Прин. кадры</translation>
    </message>
    <message>
        <source>Tx bytes</source>
        <translation>Перед. байты</translation>
    </message>
    <message>
        <source>Loss frames</source>
        <translation>Потер. кадры</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>Coef</source>
        <translation>Коэф</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Старт A-&gt;A</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Старт A-&gt;B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Kbps</source>
        <translation>кбит/с</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Мбит/с</translation>
    </message>
    <message>
        <source>bps</source>
        <translation>бит/с</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>нс</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>us</source>
        <translation>мкс</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Data base does not open!
Program is now closed.</source>
        <translation>Не удаётся открыть базу данных!
Программа будет закрыта.</translation>
    </message>
    <message>
        <source>No source</source>
        <translation>Нет источника</translation>
    </message>
    <message>
        <source>CJSC</source>
        <translation>ЗАО</translation>
    </message>
    <message>
        <source>RP Enterprise Halvorsk</source>
        <translation>НПП Хальворск</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>cpu updated %1 %</source>
        <translation>ЦП обновлён на %1 %</translation>
    </message>
    <message>
        <source>fpga updated %1 %</source>
        <translation>ПЛИС обновлена на %1 %</translation>
    </message>
    <message>
        <source>cpu update failed</source>
        <translation>ошибка обновления ЦП</translation>
    </message>
    <message>
        <source>cpu update complete</source>
        <translation>обновление ЦП завершено</translation>
    </message>
    <message>
        <source>fpga update failed</source>
        <translation>ошибка обновления ПЛИС</translation>
    </message>
    <message>
        <source>fpga update complete</source>
        <translation>обновление ПЛИС завершено</translation>
    </message>
    <message>
        <source>full update complete</source>
        <translation>полное обновление завершено</translation>
    </message>
    <message>
        <source>finish update failed</source>
        <translation>ошибка завершения обновления</translation>
    </message>
    <message>
        <source>finish update complete</source>
        <translation>завершение обновления выполнено</translation>
    </message>
</context>
<context>
    <name>ReportFilesForm</name>
    <message>
        <source>Files:</source>
        <translation>Файлы:</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Save pdf report</source>
        <translation>Сохранить отчёт в PDF</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>It is impossible to load several files at the same time.</source>
        <translation>Невозможно загрузить несколько файлов одновременно.</translation>
    </message>
    <message>
        <source>Stop all processes to be able to load file.</source>
        <translation>Остановите все процессы, чтобы загрузить файл.</translation>
    </message>
    <message>
        <source>Delete all files</source>
        <translation>Удаление всех файлов</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all files?</source>
        <translation>Вы уверены, что хотите удалить все файлы?</translation>
    </message>
    <message>
        <source>PDF-report is successfully saved.</source>
        <translation>PDF-отчёт успешно сохранён.</translation>
    </message>
    <message>
        <source>PDF-report is not saved: no report for this test.</source>
        <translation>PDF-отчёт не сохранён: для этого теста нет отчёта.</translation>
    </message>
    <message>
        <source>Can not open file for writing.</source>
        <translation>Не удаётся открыть файл для записи.</translation>
    </message>
</context>
<context>
    <name>RfcForm</name>
    <message>
        <source>Frame settings</source>
        <translation>Параметры кадра</translation>
    </message>
    <message>
        <source>Frame size, b</source>
        <translation>Размер кадра, байт</translation>
    </message>
    <message>
        <source>Test settings</source>
        <translation>Параметры теста</translation>
    </message>
    <message>
        <source>Throughput</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Min loading</source>
        <translation>Мин. загрузка</translation>
    </message>
    <message>
        <source>Max loading</source>
        <translation>Макс. загрузка</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Frameloss</source>
        <translation>Потери кадров</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Выборка</translation>
    </message>
    <message>
        <source>Loading step</source>
        <translation>Шаг загрузки</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Повторения</translation>
    </message>
    <message>
        <source>User loading</source>
        <translation>Загрузка пользователя</translation>
    </message>
    <message>
        <source>Back-to-back</source>
        <translation>Пачки кадров</translation>
    </message>
    <message>
        <source>Iteration</source>
        <translation>Повторения</translation>
    </message>
    <message>
        <source>Min interval, s</source>
        <translation>Мин. интервал, с</translation>
    </message>
    <message>
        <source>Max interval, s</source>
        <translation>Макс. интервал, с</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Study, ms</source>
        <translation>Инт. обучения, мс</translation>
    </message>
    <message>
        <source>Interval, ms</source>
        <translation>Интервал, мс</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Frame length, b</source>
        <translation>Длина кадра, байт</translation>
    </message>
    <message>
        <source>Load, %</source>
        <translation>Загрузка, %</translation>
    </message>
    <message>
        <source>Throughput L1</source>
        <translation>Скорость L1</translation>
    </message>
    <message>
        <source>Throughput L2</source>
        <translation>Скорость L2</translation>
    </message>
    <message>
        <source>Frame loss, %</source>
        <translation>Потери кадров, %</translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation>Загрузка:</translation>
    </message>
    <message>
        <source>Back to back</source>
        <translation>Пачки кадров</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>T, s</source>
        <translation>T, с</translation>
    </message>
    <message>
        <source>Graphs 1</source>
        <translation>Графики 1</translation>
    </message>
    <message>
        <source>Graphs 2</source>
        <translation>Графики 2</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Кадр</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Старт A-&gt;A</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Старт A-&gt;B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>%1 Mbps</source>
        <translation>%1 Мбит/с</translation>
    </message>
    <message>
        <source>Troughput</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>Frame,b</source>
        <translation>Кадр,б</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>нс</translation>
    </message>
    <message>
        <source>us</source>
        <translation>мкс</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
</context>
<context>
    <name>ScreenshotForm</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Получить</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can not open file for writing.</source>
        <translation>Не удаётся открыть файл для записи.</translation>
    </message>
</context>
<context>
    <name>SettingsFilesForm</name>
    <message>
        <source>Files:</source>
        <translation>Файлы:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Stop all processes to be able to load file.</source>
        <translation>Остановите все процессы, чтобы загрузить файл.</translation>
    </message>
    <message>
        <source>Delete all files</source>
        <translation>Удаление всех файлов</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all files?</source>
        <translation>Вы уверены, что хотите удалить все файлы?</translation>
    </message>
</context>
<context>
    <name>TestForm</name>
    <message>
        <source>Traffic test</source>
        <translation>Тест трафика</translation>
    </message>
    <message>
        <source>RFC2544 test</source>
        <translation>Тест RFC2544</translation>
    </message>
    <message>
        <source>Y1564 test</source>
        <translation>Тест Y1564</translation>
    </message>
    <message>
        <source>Multistream test</source>
        <translation>Многопотоковый тест</translation>
    </message>
    <message>
        <source>Jitter test</source>
        <translation>Тест джиттера</translation>
    </message>
    <message>
        <source>PTP test</source>
        <translation>Тест PTP</translation>
    </message>
    <message>
        <source>Ping test</source>
        <translation>Тест Ping</translation>
    </message>
    <message>
        <source>Trace test</source>
        <translation>Тест трассировки</translation>
    </message>
    <message>
        <source>DNS test</source>
        <translation>Тест DNS</translation>
    </message>
    <message>
        <source>IP Scanner test</source>
        <translation>Тест IP-сканера</translation>
    </message>
    <message>
        <source>Cable test</source>
        <translation>Тест кабеля</translation>
    </message>
    <message>
        <source>MDI test</source>
        <translation>Тест MDI</translation>
    </message>
    <message>
        <source>Asymetric traffic test</source>
        <translation>Тест асимметричного трафика</translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Синхронизация</translation>
    </message>
    <message>
        <source>BERT test</source>
        <translation>Тест BERT</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>Шлейф</translation>
    </message>
    <message>
        <source>Port A</source>
        <translation>Порт A</translation>
    </message>
    <message>
        <source>Port B</source>
        <translation>Порт B</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Старт A-&gt;A</translation>
    </message>
    <message>
        <source>Start B-&gt;B</source>
        <translation>Старт B-&gt;B</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Старт A-&gt;B</translation>
    </message>
    <message>
        <source>Start B-&gt;A</source>
        <translation>Старт B-&gt;A</translation>
    </message>
    <message>
        <source>Wrong settings for DNS test</source>
        <translation>Неверные настройки теста DNS</translation>
    </message>
    <message>
        <source>Cannot run test - empty DNS meaning</source>
        <translation>Невозможно запустить тест - пустое имя DNS</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can not start the test for topology %1,
because &quot;Auto IP destination&quot; flag is set.</source>
        <translation>Невозможно запустить тест для топологии %1,
так как установлен флаг &quot;Авто IP назначения&quot;.</translation>
    </message>
</context>
<context>
    <name>TestTabForm</name>
    <message>
        <source>Symmetric</source>
        <translation>Симметричный</translation>
    </message>
    <message>
        <source>Asymmetric</source>
        <translation>Асимметричный</translation>
    </message>
</context>
<context>
    <name>TrafficFlowSettingsWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>кбит/с</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Мбит/с</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Packet length, b</source>
        <translation>Длина пакета, байт</translation>
    </message>
    <message>
        <source>Max FLR</source>
        <translation>Макс. FLR</translation>
    </message>
</context>
<context>
    <name>TrafficFlowStatsWidget</name>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Tx frames</source>
        <translation>Перед. кадры</translation>
    </message>
    <message>
        <source>Rx frames</source>
        <translation>Прин. кадры</translation>
    </message>
    <message>
        <source>Tx byte</source>
        <translation>Перед. байты</translation>
    </message>
    <message>
        <source>Loss frames</source>
        <translation>Потер. кадры</translation>
    </message>
    <message>
        <source>Vrt</source>
        <translation>Vrt</translation>
    </message>
    <message>
        <source>PDV</source>
        <translation>PDV</translation>
    </message>
    <message>
        <source>Error frames</source>
        <translation>Ошиб. кадры</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>Coef</source>
        <translation>Коэф</translation>
    </message>
</context>
<context>
    <name>TrafficForm</name>
    <message>
        <source>Traffic test (Port A)</source>
        <translation>Тест трафика (Порт A)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Rate units</source>
        <translation>Единицы скорости</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>кбит/с</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Мбит/с</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Threshold FLR</source>
        <translation>Порог FLR</translation>
    </message>
    <message>
        <source>Packet length, b</source>
        <translation>Длина пакета, байт</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Learning Int., ms</source>
        <translation>Инт. обучения, мс</translation>
    </message>
    <message>
        <source>Wait Interval, ms</source>
        <translation>Инт. ожидания, мс</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Estimate time</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Tx frames</source>
        <translation>Перед. кадры</translation>
    </message>
    <message>
        <source>Rx frames</source>
        <translation>Прин. кадры</translation>
    </message>
    <message>
        <source>Tx bytes</source>
        <translation>Перед. байты</translation>
    </message>
    <message>
        <source>Vrt</source>
        <translation>Vrt</translation>
    </message>
    <message>
        <source>PDV</source>
        <translation>PDV</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Loss frames</source>
        <translation>Потер. кадры</translation>
    </message>
    <message>
        <source>Error frames</source>
        <translation>Ошиб. кадры</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>Coef</source>
        <translation>Коэф</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Старт A-&gt;A</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Старт A-&gt;B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>Loss exceeded</source>
        <translation>Превышены потери</translation>
    </message>
</context>
<context>
    <name>Y1564Form</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Stream settings</source>
        <translation>Настройки потока</translation>
    </message>
    <message>
        <source>Stream #</source>
        <translation>Поток №</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Активен</translation>
    </message>
    <message>
        <source>Packet length, b</source>
        <translation>Длина пакета, байт</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>кбит/с</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Мбит/с</translation>
    </message>
    <message>
        <source>Test Criteria</source>
        <translation>Критерии теста</translation>
    </message>
    <message>
        <source>FTD, ms</source>
        <translation>FTD, мс</translation>
    </message>
    <message>
        <source>FDV, ms</source>
        <translation>FDV, мс</translation>
    </message>
    <message>
        <source>Special VLAN settings</source>
        <translation>Особые настройки VLAN</translation>
    </message>
    <message>
        <source>VLAN count</source>
        <translation>Число VLAN</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Дуплекс</translation>
    </message>
    <message>
        <source>Interface type</source>
        <translation>Тип интерфейса</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Learning Int.,ms</source>
        <translation>Инт. обучения, мс</translation>
    </message>
    <message>
        <source>Wait Interval, ms</source>
        <translation>Инт. ожидания, мс</translation>
    </message>
    <message>
        <source>Configuration test</source>
        <translation>Тест конфигурации</translation>
    </message>
    <message>
        <source>Test step, s</source>
        <translation>Шаг теста, с</translation>
    </message>
    <message>
        <source>Step load</source>
        <translation>Ступенчатая нагрузка</translation>
    </message>
    <message>
        <source>Performance test</source>
        <translation>Тест производительности</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>H:mm:ss</source>
        <translation>H:mm:ss</translation>
    </message>
    <message>
        <source>GroupBox</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Оба</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Синхронизация</translation>
    </message>
    <message>
        <source>Start ntp</source>
        <translation>Старт NTP</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Обновить статус</translation>
    </message>
    <message>
        <source>Stop ntp</source>
        <translation>Стоп NTP</translation>
    </message>
    <message>
        <source>no sync</source>
        <translation>нет синхронизации</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Estimate time</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>Rate IR</source>
        <translation>Скорость IR</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Avr.</source>
        <translation>Сред.</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>Frame Loss FL</source>
        <translation>Потери кадров FL</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>FLR</source>
        <translation>FLR</translation>
    </message>
    <message>
        <source>Frame Delay FTD</source>
        <translation>Задержка кадров FTD</translation>
    </message>
    <message>
        <source>Jitter FDV</source>
        <translation>Джиттер FDV</translation>
    </message>
    <message>
        <source>Common status</source>
        <translation>Общее состояние</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>IR, Mbps</source>
        <translation>IR, Мбит/с</translation>
    </message>
    <message>
        <source>Start A-&gt;A</source>
        <translation>Старт A-&gt;A</translation>
    </message>
    <message>
        <source>Start A-&gt;B</source>
        <translation>Старт A-&gt;B</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>%1 Mbps</source>
        <translation>%1 Мбит/с</translation>
    </message>
</context>
<context>
    <name>vyrupDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Write cpu started</source>
        <translation>Запись ЦП начата</translation>
    </message>
    <message>
        <source>Write cpu completed</source>
        <translation>Запись ЦП завершена</translation>
    </message>
    <message>
        <source>Write cpu failed</source>
        <translation>Ошибка записи ЦП</translation>
    </message>
    <message>
        <source>Erase Fpga started</source>
        <translation>Стирание ПЛИС начато</translation>
    </message>
    <message>
        <source>Erase Fpga completed</source>
        <translation>Стирание ПЛИС завершено</translation>
    </message>
    <message>
        <source>Erase Fpga failed</source>
        <translation>Ошибка стирания ПЛИС</translation>
    </message>
    <message>
        <source>Write Fpga started</source>
        <translation>Запись ПЛИС начата</translation>
    </message>
    <message>
        <source>Write Fpga completed</source>
        <translation>Запись ПЛИС завершена</translation>
    </message>
    <message>
        <source>Write Fpga failed</source>
        <translation>Ошибка записи ПЛИС</translation>
    </message>
    <message>
        <source>Reset started</source>
        <translation>Перезапуск начат</translation>
    </message>
    <message>
        <source>Reset completed</source>
        <translation>Перезапуск завершён</translation>
    </message>
    <message>
        <source>Reset failed</source>
        <translation>Ошибка перезапуска</translation>
    </message>
    <message>
        <source>Invalid Device Type</source>
        <translation>Неверный тип прибора</translation>
    </message>
    <message>
        <source>Wait After Reset Failed</source>
        <translation>Ошибка ожидания после перезапуска</translation>
    </message>
    <message>
        <source>Invalid File Format</source>
        <translation>Неверный формат файла</translation>
    </message>
    <message>
        <source>FullUpdateCompleted</source>
        <translation>Полное обновление завершено</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Select ROM file</source>
        <translation>Выберите файл обновления</translation>
    </message>
    <message>
        <source>Update file(*.vyrup)</source>
        <translation>Файл обновления(*.vyrup)</translation>
    </message>
    <message>
        <source>Open file error</source>
        <translation>Ошибка открытия файла</translation>
    </message>
    <message>
        <source>Read file error</source>
        <translation>Ошибка чтения файла</translation>
    </message>
</context>
</TS>
