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
        <source>Asymmetric traffic test (Port A)</source>
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
        <source>Learning interval, ms</source>
        <translation>Интервал обучения, мс</translation>
    </message>
    <message>
        <source>Wait interval, ms</source>
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
        <source>Remaining time</source>
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
        <source>Log in</source>
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
    <name>BertForm</name>
    <message>
        <source>BERT (Port A)</source>
        <translation>BERT (Порт A)</translation>
    </message>
    <message>
        <source>Test settings</source>
        <translation>Настройки теста</translation>
    </message>
    <message>
        <source>Pattern type</source>
        <translation>Тип шаблона</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>User pattern</source>
        <translation>Шаблон пользователя</translation>
    </message>
    <message>
        <source>Frame size</source>
        <translation>Размер кадра</translation>
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
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Offset, bytes</source>
        <translation>Смещение, байт</translation>
    </message>
    <message>
        <source>Sync wait, ms</source>
        <translation>Ожидание синхр., мс</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>Rx bits</source>
        <translation>Прин. биты</translation>
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
    <name>CableForm</name>
    <message>
        <source>Cable test (Port A)</source>
        <translation>Тест кабеля (Порт A)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Length, m</source>
        <translation>Длина, м</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Полярность</translation>
    </message>
    <message>
        <source>Latency, ns</source>
        <translation>Задержка, нс</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Замыкание</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Обрыв</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Неисправность</translation>
    </message>
    <message>
        <source>Mismatch</source>
        <translation>Рассогласование</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Неизвестно (%1)</translation>
    </message>
</context>
<context>
    <name>DateTimeDialog</name>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
</context>
<context>
    <name>DevSettingsForm</name>
    <message>
        <source>Checking</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Switched off</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Clock frequency</source>
        <translation>Тактовая частота</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Скорости</translation>
    </message>
    <message>
        <source>Output 1PPS GNSS</source>
        <translation>Выход 1PPS ГНСС</translation>
    </message>
    <message>
        <source>PPS difference check</source>
        <translation>Разность PPS</translation>
    </message>
    <message>
        <source>Output 1PPS PTP</source>
        <translation>Выход 1PPS PTP</translation>
    </message>
    <message>
        <source>Output 2048 kHz</source>
        <translation>Выход 2048 кГц</translation>
    </message>
    <message>
        <source>Output 1PPS NTP1</source>
        <translation>Выход 1PPS NTP1</translation>
    </message>
    <message>
        <source>Output 1PPS NTP2</source>
        <translation>Выход 1PPS NTP2</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Watchdog</source>
        <translation>Сторожевой таймер</translation>
    </message>
    <message>
        <source>Set WD</source>
        <translation>Задать WD</translation>
    </message>
    <message>
        <source>Sync 1PPS or NTP</source>
        <translation>Синхр. 1PPS или NTP</translation>
    </message>
    <message>
        <source>Sync 1PPS</source>
        <translation>Синхр. 1PPS</translation>
    </message>
    <message>
        <source>Sync NTP</source>
        <translation>Синхр. NTP</translation>
    </message>
    <message>
        <source>Sync 1PPS/NTP</source>
        <translation>Синхр. 1PPS/NTP</translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation>Настройки прибора</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Change date and time</source>
        <translation>Изменить дату и время</translation>
    </message>
    <message>
        <source>Set from computer</source>
        <translation>Установить с компьютера</translation>
    </message>
    <message>
        <source>The device settings have not been read from the tester yet.
Nothing was sent.</source>
        <translation>Настройки прибора ещё не прочитаны с тестера.
Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Reset device settings</source>
        <translation>Сброс настроек прибора</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all device settings?</source>
        <translation>Вы действительно хотите сбросить все настройки прибора?</translation>
    </message>
    <message>
        <source>Are you sure you want to set date and time from computer?</source>
        <translation>Вы действительно хотите установить дату и время с компьютера?</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>Cannot start the test</source>
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
        <source>No sync</source>
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
        <source>Incompatible FW version</source>
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
Cannot start with
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
        <source>B</source>
        <translation>Б</translation>
    </message>
    <message>
        <source>No test chosen</source>
        <translation>Тест не выбран</translation>
    </message>
    <message>
        <source>The test is already running</source>
        <translation>Тест уже запущен</translation>
    </message>
    <message>
        <source>Too many addresses. The largest possible number is</source>
        <translation>Слишком много адресов. Наибольшее возможное количество</translation>
    </message>
    <message>
        <source>No frame length chosen</source>
        <translation>Не выбрана ни одна длина кадра</translation>
    </message>
    <message>
        <source>User rate not set for the latency test</source>
        <translation>Не задана скорость пользователя для теста задержки</translation>
    </message>
    <message>
        <source>No signal sources chosen</source>
        <translation>Не выбраны источники сигнала</translation>
    </message>
    <message>
        <source>No PTP server chosen</source>
        <translation>Не выбран сервер PTP</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлен</translation>
    </message>
</context>
<context>
    <name>DnsForm</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Host name</source>
        <translation>Имя хоста</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
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
        <source>Wrong host name</source>
        <translation>Неверное имя хоста</translation>
    </message>
    <message>
        <source>The host name takes %1 bytes; the tester holds at most %2.
Nothing was sent.</source>
        <translation>Имя хоста занимает %1 байт; тестер хранит не более %2.
Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Выполняется</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Тайм-аут</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Нет соединения</translation>
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
    <name>FileList</name>
    <message>
        <source>The list is incomplete: the link to the tester was lost while it was read.</source>
        <translation>Список неполон: связь с тестером прервалась во время чтения.</translation>
    </message>
    <message>
        <source>The list is incomplete: the tester sent a reply that could not be read.</source>
        <translation>Список неполон: тестер прислал ответ, который не удалось прочитать.</translation>
    </message>
    <message>
        <source>The list is incomplete: the tester named a file twice, so reading stopped.</source>
        <translation>Список неполон: тестер назвал файл дважды, чтение остановлено.</translation>
    </message>
    <message>
        <source>The list shows the first %1 files only; the tester may hold more.</source>
        <translation>Показаны только первые %1 файлов; на тестере их может быть больше.</translation>
    </message>
    <message>
        <source>The list is incomplete: the tester took longer than %1 s to list its files.</source>
        <translation>Список неполон: тестер перечислял файлы дольше %1 с.</translation>
    </message>
    <message>
        <source>The list is incomplete: reading it stopped for the disconnect.</source>
        <translation>Список неполон: чтение остановлено из-за отключения.</translation>
    </message>
    <message>
        <source>The list is incomplete: reading it stopped as the program closed.</source>
        <translation>Список неполон: чтение остановлено при закрытии программы.</translation>
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
    <name>IFaceForm</name>
    <message>
        <source>Common settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Link speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Duplex </source>
        <translation>Дуплекс </translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>VLAN settings</source>
        <translation>Настройки VLAN</translation>
    </message>
    <message>
        <source>VLAN tags</source>
        <translation>Число меток VLAN</translation>
    </message>
    <message>
        <source>MPLS settings</source>
        <translation>Настройки MPLS</translation>
    </message>
    <message>
        <source>MPLS labels</source>
        <translation>Число меток MPLS</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Настройки фильтра</translation>
    </message>
    <message>
        <source>MAC Dest.</source>
        <translation>MAC назнач.</translation>
    </message>
    <message>
        <source>MAC Source = MAC Dest.</source>
        <translation>MAC источника = MAC назнач.</translation>
    </message>
    <message>
        <source>IP Dest.</source>
        <translation>IP назнач.</translation>
    </message>
    <message>
        <source>IP Source = IP Dest.</source>
        <translation>IP источника = IP назнач.</translation>
    </message>
    <message>
        <source>VLAN ID 1</source>
        <translation>VLAN ID 1</translation>
    </message>
    <message>
        <source>VLAN ID 2</source>
        <translation>VLAN ID 2</translation>
    </message>
</context>
<context>
    <name>IfsetForm</name>
    <message>
        <source>Interface settings (Port A)</source>
        <translation>Настройки интерфейса (порт A)</translation>
    </message>
    <message>
        <source>Interface settings (Port B)</source>
        <translation>Настройки интерфейса (порт B)</translation>
    </message>
    <message>
        <source>Interface settings (Port RC)</source>
        <translation>Настройки интерфейса (порт RC)</translation>
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
        <source>Port A is busy.</source>
        <translation>Порт A занят.</translation>
    </message>
    <message>
        <source>Port B is busy.</source>
        <translation>Порт B занят.</translation>
    </message>
    <message>
        <source>Port RC is busy with remote control.</source>
        <translation>Порт RC занят удалённым управлением.</translation>
    </message>
    <message>
        <source>The settings of Port A have not been read.</source>
        <translation>Настройки порта A не прочитаны.</translation>
    </message>
    <message>
        <source>The settings of Port B have not been read.</source>
        <translation>Настройки порта B не прочитаны.</translation>
    </message>
    <message>
        <source>The settings of Port RC have not been read.</source>
        <translation>Настройки порта RC не прочитаны.</translation>
    </message>
    <message>
        <source>Settings were not sent.</source>
        <translation>Настройки не отправлены.</translation>
    </message>
    <message>
        <source>Interface settings</source>
        <translation>Настройки интерфейса</translation>
    </message>
    <message>
        <source>MAC Change</source>
        <translation>Смена MAC</translation>
    </message>
    <message>
        <source>The new MAC applies after a reboot. Reboot now?</source>
        <translation>Новый MAC-адрес вступит в силу после перезагрузки. Перезагрузить сейчас?</translation>
    </message>
</context>
<context>
    <name>IpScannerForm</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Начальный адрес</translation>
    </message>
    <message>
        <source>Last address</source>
        <translation>Конечный адрес</translation>
    </message>
    <message>
        <source>Wait time, ms</source>
        <translation>Время ожидания, мс</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Повторения</translation>
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
        <source>Remaining time</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
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
        <source>No connection</source>
        <translation>Нет соединения</translation>
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
        <source>Packet length, B</source>
        <translation>Длина пакета, байт</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Threshold, ms</source>
        <translation>Порог, мс</translation>
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
        <source>Remaining time</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Rx frames</source>
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
    <name>LbForm</name>
    <message>
        <source>Loopback (Port A)</source>
        <translation>Шлейф (Порт A)</translation>
    </message>
    <message>
        <source>Level 2 settings</source>
        <translation>Настройки уровня 2</translation>
    </message>
    <message>
        <source>Replace MAC</source>
        <translation>Заменять MAC</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Replace VLAN ID</source>
        <translation>Заменять VLAN ID</translation>
    </message>
    <message>
        <source>Replace priority</source>
        <translation>Заменять приоритет</translation>
    </message>
    <message>
        <source>Level 3 settings</source>
        <translation>Настройки уровня 3</translation>
    </message>
    <message>
        <source>Replace IP</source>
        <translation>Заменять IP</translation>
    </message>
    <message>
        <source>Replace ToS</source>
        <translation>Заменять ToS</translation>
    </message>
    <message>
        <source>Replace DSCP</source>
        <translation>Заменять DSCP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Уровень 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Уровень 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Уровень 3</translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation>Уровень 4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
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
jitter</source>
        <translation>Джиттер
пакетов</translation>
    </message>
    <message>
        <source>TCP/IP tests</source>
        <translation>Тесты TCP/IP</translation>
    </message>
    <message>
        <source>Cable
diagnostics</source>
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
        <source>BER test</source>
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
        <source>This file cannot be loaded.</source>
        <translation>Этот файл нельзя загрузить.</translation>
    </message>
    <message>
        <source>Cannot save the file.</source>
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
        <source>Connection to the tester lost.</source>
        <translation>Связь с тестером потеряна.</translation>
    </message>
    <message>
        <source>Could not connect to the tester.</source>
        <translation>Не удалось подключиться к тестеру.</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Адрес: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Время: %1</translation>
    </message>
    <message>
        <source>No test was running.</source>
        <translation>Ни один тест не выполнялся.</translation>
    </message>
    <message>
        <source>Tests running: %1.</source>
        <translation>Выполнялись тесты: %1.</translation>
    </message>
    <message>
        <source>The test windows are closed and their results are no longer shown. Connect again and open a test to read its results from the tester.</source>
        <translation>Окна тестов закрыты, их результаты больше не показываются. Подключитесь снова и откройте тест, чтобы прочитать его результаты с тестера.</translation>
    </message>
    <message>
        <source>Nothing answered at this address. Check the address, the cable and that the tester is switched on.</source>
        <translation>По этому адресу никто не ответил. Проверьте адрес, кабель и включён ли тестер.</translation>
    </message>
    <message>
        <source>A device took the connection but did not answer as a tester does.</source>
        <translation>Устройство приняло соединение, но не ответило так, как отвечает тестер.</translation>
    </message>
    <message>
        <source>No tester at this address.</source>
        <translation>По этому адресу нет тестера.</translation>
    </message>
    <message>
        <source>The tester did not answer.</source>
        <translation>Тестер не ответил.</translation>
    </message>
    <message>
        <source>no address was given.</source>
        <translation>адрес не указан.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not four numbers from 0 to 255 separated by dots.</source>
        <translation>«%1» — не четыре числа от 0 до 255, разделённые точками.</translation>
    </message>
    <message>
        <source>no port number follows the colon.</source>
        <translation>после двоеточия нет номера порта.</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>порт «%1» не является числом от 1 до 65535.</translation>
    </message>
    <message>
        <source>Not a valid address: %1</source>
        <translation>Недопустимый адрес: %1</translation>
    </message>
    <message>
        <source>Nothing was connected. Enter an address such as 192.168.1.202, or 192.168.1.202:55555 with a port.</source>
        <translation>Подключение не выполнялось. Введите адрес вида 192.168.1.202 или, с портом, 192.168.1.202:55555.</translation>
    </message>
    <message>
        <source>Not a valid address.</source>
        <translation>Недопустимый адрес.</translation>
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
    <name>MdiForm</name>
    <message>
        <source>MDI test (Port A)</source>
        <translation>Тест MDI (Порт A)</translation>
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
        <source>Load L4</source>
        <translation>Нагрузка L4</translation>
    </message>
    <message>
        <source>Threshold MLR</source>
        <translation>Порог MLR</translation>
    </message>
    <message>
        <source>Packet length, B</source>
        <translation>Длина пакета, байт</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Learning int., ms</source>
        <translation>Инт. обучения, мс</translation>
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
        <source>Elapsed time</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>DF</source>
        <translation>DF</translation>
    </message>
    <message>
        <source>MLR</source>
        <translation>MLR</translation>
    </message>
    <message>
        <source>Rx frames</source>
        <translation>Прин. кадры</translation>
    </message>
    <message>
        <source>Vrx</source>
        <translation>Vrx</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
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
        <source>Packet length, B</source>
        <translation>Длина пакета, байт</translation>
    </message>
    <message>
        <source>Learning int., ms</source>
        <translation>Инт. обучения, мс</translation>
    </message>
    <message>
        <source>Interval, ms</source>
        <translation>Интервал, мс</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
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
        <source>Remaining time</source>
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
        <source>Lost frames</source>
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
        <source>Ratio</source>
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
    <name>OamForm</name>
    <message>
        <source>OAM (Port A)</source>
        <translation>OAM (Порт A)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>OAM mode</source>
        <translation>Режим OAM</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Пассивный</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Активный</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Remote LB</source>
        <translation>Удалённый шлейф</translation>
    </message>
    <message>
        <source>Start loopback</source>
        <translation>Старт шлейфа</translation>
    </message>
    <message>
        <source>Stop loopback</source>
        <translation>Стоп шлейфа</translation>
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
        <source>Supported</source>
        <translation>Поддерживается</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Не поддерживается</translation>
    </message>
</context>
<context>
    <name>OptTestForm</name>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
</context>
<context>
    <name>PDFCreator</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Pattern type</source>
        <translation>Тип шаблона</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>User pattern</source>
        <translation>Шаблон пользователя</translation>
    </message>
    <message>
        <source>Frame size</source>
        <translation>Размер кадра</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Offset, bytes</source>
        <translation>Смещение, байт</translation>
    </message>
    <message>
        <source>Sync wait, ms</source>
        <translation>Ожидание синхр., мс</translation>
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
        <source>Remaining time</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>Rx bits</source>
        <translation>Прин. биты</translation>
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
        <source>Good</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Замыкание</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Обрыв</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Неисправность</translation>
    </message>
    <message>
        <source>Mismatch</source>
        <translation>Рассогл.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Length, m</source>
        <translation>Длина, м</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Полярность</translation>
    </message>
    <message>
        <source>Latency, ns</source>
        <translation>Задержка, нс</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Пара</translation>
    </message>
    <message>
        <source>Statistics report</source>
        <translation>Отчёт статистики</translation>
    </message>
    <message>
        <source>Traffic test report</source>
        <translation>Отчёт о тесте трафика</translation>
    </message>
    <message>
        <source>Jitter test report</source>
        <translation>Отчёт о тесте джиттера</translation>
    </message>
    <message>
        <source>Cable test report</source>
        <translation>Отчёт о тесте кабеля</translation>
    </message>
    <message>
        <source>Optical test report</source>
        <translation>Отчёт об оптическом тесте</translation>
    </message>
    <message>
        <source>MDI test report</source>
        <translation>Отчёт о тесте MDI</translation>
    </message>
    <message>
        <source>BERT report</source>
        <translation>Отчёт BERT</translation>
    </message>
    <message>
        <source>(Port A)</source>
        <translation>(Порт A)</translation>
    </message>
    <message>
        <source>(Port B)</source>
        <translation>(Порт B)</translation>
    </message>
    <message>
        <source>(Remote control port)</source>
        <translation>(Порт управления)</translation>
    </message>
    <message>
        <source>Device information</source>
        <translation>Информация о приборе</translation>
    </message>
    <message>
        <source>Manufactured by</source>
        <translation>Изготовитель</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Interface settings</source>
        <translation>Настройки интерфейса</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>VLAN tags</source>
        <translation>Число меток VLAN</translation>
    </message>
    <message>
        <source>MPLS labels</source>
        <translation>Число меток MPLS</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Interface status</source>
        <translation>Состояние интерфейса</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Дуплекс</translation>
    </message>
    <message>
        <source>Header level</source>
        <translation>Заголовок уровня</translation>
    </message>
    <message>
        <source>ARP enable</source>
        <translation>Включить ARP</translation>
    </message>
    <message>
        <source>MAC destination</source>
        <translation>MAC назначения</translation>
    </message>
    <message>
        <source>IP destination</source>
        <translation>IP назначения</translation>
    </message>
    <message>
        <source>UDP source</source>
        <translation>UDP источника</translation>
    </message>
    <message>
        <source>UDP destination</source>
        <translation>UDP назначения</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Topology</source>
        <translation>Топология</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Rx frames</source>
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
        <source>Jitter, ms</source>
        <translation>Джиттер, мс</translation>
    </message>
    <message>
        <source>Load L4</source>
        <translation>Нагрузка L4</translation>
    </message>
    <message>
        <source>Threshold MLR</source>
        <translation>Порог MLR</translation>
    </message>
    <message>
        <source>Learning interval, ms</source>
        <translation>Интервал обучения, мс</translation>
    </message>
    <message>
        <source>DF</source>
        <translation>DF</translation>
    </message>
    <message>
        <source>MLR</source>
        <translation>MLR</translation>
    </message>
    <message>
        <source>Vrx</source>
        <translation>Vrx</translation>
    </message>
    <message>
        <source>nm</source>
        <translation>нм</translation>
    </message>
    <message>
        <source>mW</source>
        <translation>мВт</translation>
    </message>
    <message>
        <source>dBm</source>
        <translation>дБм</translation>
    </message>
    <message>
        <source>SFP module</source>
        <translation>Модуль SFP</translation>
    </message>
    <message>
        <source>no SFP module</source>
        <translation>нет модуля SFP</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Ревизия</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Part number</source>
        <translation>Номер изделия</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Длина волны</translation>
    </message>
    <message>
        <source>Monitoring (DDM)</source>
        <translation>Мониторинг (DDM)</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>RX power</source>
        <translation>Мощность RX</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>Мощность TX</translation>
    </message>
    <message>
        <source>Common data</source>
        <translation>Общие данные</translation>
    </message>
    <message>
        <source>Frame types</source>
        <translation>Типы кадров</translation>
    </message>
    <message>
        <source>Frame errors</source>
        <translation>Ошибки кадров</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Threshold FLR</source>
        <translation>Порог FLR</translation>
    </message>
    <message>
        <source>Packet length, B</source>
        <translation>Длина пакета, байт</translation>
    </message>
    <message>
        <source>Learning int., ms</source>
        <translation>Инт. обучения, мс</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Коэф</translation>
    </message>
    <message>
        <source>Tx frames</source>
        <translation>Перед. кадры</translation>
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
        <source>Lost frames</source>
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
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>us</source>
        <translation>мкс</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>нс</translation>
    </message>
    <message>
        <source>bps</source>
        <translation>бит/с</translation>
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
        <source>No sync</source>
        <translation>Нет синхр.</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Медь</translation>
    </message>
    <message>
        <source>Fiber</source>
        <translation>Оптика</translation>
    </message>
    <message>
        <source>Output stream settings</source>
        <translation>Настройки исходящего потока</translation>
    </message>
    <message>
        <source>Input stream settings</source>
        <translation>Настройки входящего потока</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Rate </source>
        <translation>Скорость </translation>
    </message>
    <message>
        <source>Packet size, B</source>
        <translation>Размер пакета, байт</translation>
    </message>
    <message>
        <source>Output stream statistics</source>
        <translation>Статистика исходящего потока</translation>
    </message>
    <message>
        <source>Input stream statistics</source>
        <translation>Статистика входящего потока</translation>
    </message>
    <message>
        <source>Multistream test report</source>
        <translation>Отчёт о тесте нескольких потоков</translation>
    </message>
    <message>
        <source>Asymmetric traffic test report</source>
        <translation>Отчёт о тесте асимметричного трафика</translation>
    </message>
    <message>
        <source>Ping test report</source>
        <translation>Отчёт о тесте Ping</translation>
    </message>
    <message>
        <source>Trace test report</source>
        <translation>Отчёт о трассировке маршрута</translation>
    </message>
    <message>
        <source>DNS test report</source>
        <translation>Отчёт о тесте DNS</translation>
    </message>
    <message>
        <source>IP scanner test report</source>
        <translation>Отчёт IP-сканера</translation>
    </message>
    <message>
        <source>PTP test report</source>
        <translation>Отчёт о тесте PTP</translation>
    </message>
    <message>
        <source>Synchronization report</source>
        <translation>Отчёт о синхронизации</translation>
    </message>
    <message>
        <source>Pause, ms</source>
        <translation>Пауза, мс</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Кадр</translation>
    </message>
    <message>
        <source>B</source>
        <translation>Б</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Получено</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Потеряно</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Средняя</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Минимальная</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Максимальная</translation>
    </message>
    <message>
        <source>Wait time, ms</source>
        <translation>Время ожидания, мс</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Доменное имя</translation>
    </message>
    <message>
        <source>Domain IP</source>
        <translation>IP домена</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Начальный адрес</translation>
    </message>
    <message>
        <source>Last address</source>
        <translation>Конечный адрес</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Повторения</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Прошло</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>No active addresses</source>
        <translation>Нет активных адресов</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>Нет соединения</translation>
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
        <source>Interval, ms</source>
        <translation>Интервал, мс</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Unicast</source>
        <translation>Unicast</translation>
    </message>
    <message>
        <source>Multicast</source>
        <translation>Multicast</translation>
    </message>
    <message>
        <source>Domain auto detection</source>
        <translation>Автоопределение домена</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Домен</translation>
    </message>
    <message>
        <source>IP PTP Master</source>
        <translation>IP PTP-мастера</translation>
    </message>
    <message>
        <source>Unicast negotiation</source>
        <translation>Согласование unicast</translation>
    </message>
    <message>
        <source>Announce interval</source>
        <translation>Интервал Announce</translation>
    </message>
    <message>
        <source>Sync interval</source>
        <translation>Интервал Sync</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Номер порта</translation>
    </message>
    <message>
        <source>PTP version</source>
        <translation>Версия PTP</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Смещение UTC</translation>
    </message>
    <message>
        <source>Clock class</source>
        <translation>Класс часов</translation>
    </message>
    <message>
        <source>Clock accuracy</source>
        <translation>Точность часов</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Источник времени</translation>
    </message>
    <message>
        <source>Priority 1</source>
        <translation>Приоритет 1</translation>
    </message>
    <message>
        <source>Priority 2</source>
        <translation>Приоритет 2</translation>
    </message>
    <message>
        <source>Servers list</source>
        <translation>Список серверов</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Announce</source>
        <translation>Announce</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Follow Up</source>
        <translation>Follow Up</translation>
    </message>
    <message>
        <source>Delay Response</source>
        <translation>Delay Response</translation>
    </message>
    <message>
        <source>Delay Request</source>
        <translation>Delay Request</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>T average</source>
        <translation>T среднее</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Опорный</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Измеряемый</translation>
    </message>
    <message>
        <source>Relative time interval</source>
        <translation>Относительный интервал времени</translation>
    </message>
    <message>
        <source>PTP settings</source>
        <translation>Настройки PTP</translation>
    </message>
    <message>
        <source>Convert PTP time to UTC</source>
        <translation>Переводить время PTP в UTC</translation>
    </message>
    <message>
        <source>PTP servers list</source>
        <translation>Список серверов PTP</translation>
    </message>
    <message>
        <source>PTP information</source>
        <translation>Информация PTP</translation>
    </message>
    <message>
        <source>GPS sync</source>
        <translation>Синхр. GPS</translation>
    </message>
    <message>
        <source>PPS sync</source>
        <translation>Синхр. PPS</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Satellites used</source>
        <translation>Использовано спутников</translation>
    </message>
    <message>
        <source>GPS data</source>
        <translation>Данные GPS</translation>
    </message>
    <message>
        <source>GPS satellites</source>
        <translation>Спутники GPS</translation>
    </message>
    <message>
        <source>PRN</source>
        <translation>PRN</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Угол</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Азимут</translation>
    </message>
    <message>
        <source>SNR</source>
        <translation>С/Ш</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Исп.</translation>
    </message>
    <message>
        <source>NTP 1 Settings</source>
        <translation>Настройки NTP 1</translation>
    </message>
    <message>
        <source>NTP 2 Settings</source>
        <translation>Настройки NTP 2</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>Порт UDP</translation>
    </message>
    <message>
        <source>Interval, s</source>
        <translation>Интервал, с</translation>
    </message>
    <message>
        <source>NTP version</source>
        <translation>Версия NTP</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Стратум</translation>
    </message>
    <message>
        <source>Poll interval</source>
        <translation>Интервал опроса</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Точность</translation>
    </message>
    <message>
        <source>Root delay</source>
        <translation>Корневая задержка</translation>
    </message>
    <message>
        <source>Root dispersion</source>
        <translation>Корневая дисперсия</translation>
    </message>
    <message>
        <source>Ref. identifier</source>
        <translation>Опорный идентиф.</translation>
    </message>
    <message>
        <source>NTP 1 Information</source>
        <translation>Информация NTP 1</translation>
    </message>
    <message>
        <source>NTP 2 Information</source>
        <translation>Информация NTP 2</translation>
    </message>
    <message>
        <source>ΔPh inst.</source>
        <translation>ΔФ текущая</translation>
    </message>
    <message>
        <source>ΔPh min</source>
        <translation>ΔФ мин.</translation>
    </message>
    <message>
        <source>ΔPh avg.</source>
        <translation>ΔФ средняя</translation>
    </message>
    <message>
        <source>ΔPh max</source>
        <translation>ΔФ макс.</translation>
    </message>
    <message>
        <source>Time/Date diff.</source>
        <translation>Разница времени/даты</translation>
    </message>
    <message>
        <source>Base T/D</source>
        <translation>Опорн. время/дата</translation>
    </message>
    <message>
        <source>Meas. T/D</source>
        <translation>Измер. время/дата</translation>
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
        <source>Request</source>
        <translation>Запрос</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Тайм-аут</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Прерван</translation>
    </message>
    <message>
        <source>No conn.</source>
        <translation>Нет соед.</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>тайм-аут</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Выполняется</translation>
    </message>
    <message>
        <source>Illegal argument</source>
        <translation>Недопустимый аргумент</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Нет соединения</translation>
    </message>
    <message>
        <source>RFC 2544 test report</source>
        <translation>Отчёт о тесте RFC 2544</translation>
    </message>
    <message>
        <source>Y1564 test report</source>
        <translation>Отчёт о тесте Y1564</translation>
    </message>
    <message>
        <source>Header settings</source>
        <translation>Настройки заголовка</translation>
    </message>
    <message>
        <source>Throughput</source>
        <translation>Пропускная способность</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Max load</source>
        <translation>Макс. загрузка</translation>
    </message>
    <message>
        <source>Min load</source>
        <translation>Мин. загрузка</translation>
    </message>
    <message>
        <source>Frame, B</source>
        <translation>Кадр, байт</translation>
    </message>
    <message>
        <source>Load, %</source>
        <translation>Загрузка, %</translation>
    </message>
    <message>
        <source>Thr L1</source>
        <translation>Скор. L1</translation>
    </message>
    <message>
        <source>Thr L2</source>
        <translation>Скор. L2</translation>
    </message>
    <message>
        <source>User load</source>
        <translation>Загрузка пользователя</translation>
    </message>
    <message>
        <source>Back-to-back</source>
        <translation>Пачки кадров</translation>
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
        <source>T, s</source>
        <translation>T, с</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Frame loss</source>
        <translation>Потери кадров</translation>
    </message>
    <message>
        <source>Load step</source>
        <translation>Шаг загрузки</translation>
    </message>
    <message>
        <source>Starting load</source>
        <translation>Начальная загрузка</translation>
    </message>
    <message>
        <source>Ending load</source>
        <translation>Конечная загрузка</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>кадр</translation>
    </message>
    <message>
        <source>Wait interval, ms</source>
        <translation>Инт. ожидания, мс</translation>
    </message>
    <message>
        <source>Configuration test</source>
        <translation>Тест конфигурации</translation>
    </message>
    <message>
        <source>Test step</source>
        <translation>Шаг теста</translation>
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
        <source>SLA</source>
        <translation>SLA</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>Test criteria</source>
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
        <source>Stream header #</source>
        <translation>Заголовок потока №</translation>
    </message>
    <message>
        <source>Rate IR</source>
        <translation>Скорость IR</translation>
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
        <source>Subtest</source>
        <translation>Подтест</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Avg.</source>
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
        <source>Count, frames</source>
        <translation>Количество, кадр</translation>
    </message>
    <message>
        <source>Overall status</source>
        <translation>Общее состояние</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Кадры</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Байты</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <comment>frames</comment>
        <translation>Широковещательные</translation>
    </message>
    <message>
        <source>Multicast</source>
        <comment>frames</comment>
        <translation>Групповые</translation>
    </message>
    <message>
        <source>Unicast</source>
        <comment>frames</comment>
        <translation>Индивидуальные</translation>
    </message>
    <message>
        <source>Frame sizes</source>
        <translation>Размеры кадров</translation>
    </message>
    <message>
        <source>Rate units</source>
        <translation>Единицы скорости</translation>
    </message>
    <message>
        <source>Test settings</source>
        <translation>Настройки теста</translation>
    </message>
    <message>
        <source>Threshold, ms</source>
        <translation>Порог, мс</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Распределение</translation>
    </message>
</context>
<context>
    <name>PTPForm</name>
    <message>
        <source>PTP (Port A)</source>
        <translation>PTP (Порт A)</translation>
    </message>
    <message>
        <source>Test settings</source>
        <translation>Параметры теста</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Domain auto detection</source>
        <translation>Автоопределение домена</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Домен</translation>
    </message>
    <message>
        <source>IP PTP Master</source>
        <translation>IP PTP-мастера</translation>
    </message>
    <message>
        <source>Announce interval</source>
        <translation>Интервал Announce</translation>
    </message>
    <message>
        <source>Sync interval</source>
        <translation>Интервал Sync</translation>
    </message>
    <message>
        <source>Servers list</source>
        <translation>Список серверов</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Номер порта</translation>
    </message>
    <message>
        <source>PTP version</source>
        <translation>Версия PTP</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Смещение UTC</translation>
    </message>
    <message>
        <source>Clock class</source>
        <translation>Класс часов</translation>
    </message>
    <message>
        <source>Clock accuracy</source>
        <translation>Точность часов</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Источник времени</translation>
    </message>
    <message>
        <source>Priority 1</source>
        <translation>Приоритет 1</translation>
    </message>
    <message>
        <source>Priority 2</source>
        <translation>Приоритет 2</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Rx frames</source>
        <translation>Прин. кадры</translation>
    </message>
    <message>
        <source>Announce</source>
        <translation>Announce</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Follow Up</source>
        <translation>Follow Up</translation>
    </message>
    <message>
        <source>Delay Response</source>
        <translation>Delay Response</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Tx frames</source>
        <translation>Перед. кадры</translation>
    </message>
    <message>
        <source>Delay Request</source>
        <translation>Delay Request</translation>
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
        <source>Remaining time</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>T average</source>
        <translation>T среднее</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
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
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
</context>
<context>
    <name>PassForm</name>
    <message>
        <source>Thru</source>
        <translation>Транзит</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>PingForm</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>IP destination</source>
        <translation>IP назначения</translation>
    </message>
    <message>
        <source>Packet size, B</source>
        <translation>Размер пакета, байт</translation>
    </message>
    <message>
        <source>Wait time, ms</source>
        <translation>Время ожидания, мс</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Ping results</source>
        <translation>Результаты ping</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Frame, B</source>
        <translation>Кадр, байт</translation>
    </message>
    <message>
        <source>Latency, ms</source>
        <translation>Задержка, мс</translation>
    </message>
    <message>
        <source>Ping statistics</source>
        <translation>Статистика ping</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Получено</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Потеряно</translation>
    </message>
    <message>
        <source>Latency</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Средняя</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Минимальная</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Максимальная</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
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
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Запрос</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Тайм-аут</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Прерван</translation>
    </message>
    <message>
        <source>No conn.</source>
        <translation>Нет соед.</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>kbps</source>
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
        <source>The database cannot be opened!
The program will close.</source>
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
        <source>CPU updated %1 %</source>
        <translation>ЦП обновлён на %1 %</translation>
    </message>
    <message>
        <source>FPGA updated %1 %</source>
        <translation>ПЛИС обновлена на %1 %</translation>
    </message>
    <message>
        <source>CPU update failed</source>
        <translation>ошибка обновления ЦП</translation>
    </message>
    <message>
        <source>CPU update complete</source>
        <translation>обновление ЦП завершено</translation>
    </message>
    <message>
        <source>FPGA update failed</source>
        <translation>ошибка обновления ПЛИС</translation>
    </message>
    <message>
        <source>FPGA update complete</source>
        <translation>обновление ПЛИС завершено</translation>
    </message>
    <message>
        <source>Full update complete</source>
        <translation>полное обновление завершено</translation>
    </message>
    <message>
        <source>Finishing the update failed</source>
        <translation>ошибка завершения обновления</translation>
    </message>
    <message>
        <source>Update finished</source>
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
        <source>Save PDF report</source>
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
        <source>Stop all processes to load a file.</source>
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
        <source>The PDF report is saved.</source>
        <translation>PDF-отчёт сохранён.</translation>
    </message>
    <message>
        <source>The PDF report is not saved: this test has no report.</source>
        <translation>PDF-отчёт не сохранён: для этого теста нет отчёта.</translation>
    </message>
    <message>
        <source>Cannot open the file for writing.</source>
        <translation>Не удаётся открыть файл для записи.</translation>
    </message>
    <message>
        <source>The report on the tester is damaged or of an unknown format.</source>
        <translation>Отчёт на тестере повреждён или имеет неизвестный формат.</translation>
    </message>
    <message>
        <source>The report could not be read from the tester.</source>
        <translation>Не удалось прочитать отчёт с тестера.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RfcForm</name>
    <message>
        <source>Frame settings</source>
        <translation>Параметры кадра</translation>
    </message>
    <message>
        <source>Frame size, B</source>
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
        <source>Min load</source>
        <translation>Мин. загрузка</translation>
    </message>
    <message>
        <source>Max load</source>
        <translation>Макс. загрузка</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Frame loss</source>
        <translation>Потери кадров</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Выборка</translation>
    </message>
    <message>
        <source>Load step</source>
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
        <source>User load</source>
        <translation>Загрузка пользователя</translation>
    </message>
    <message>
        <source>Back-to-back</source>
        <translation>Пачки кадров</translation>
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
        <source>Learning int., ms</source>
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
        <source>Frame length, B</source>
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
        <source>Load:</source>
        <translation>Загрузка:</translation>
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
        <source>Frame, B</source>
        <translation>Кадр, Б</translation>
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
    <name>SFPInfoWidget</name>
    <message>
        <source>Vendor</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Ревизия</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Part number</source>
        <translation>Номер модели</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Длина волны</translation>
    </message>
    <message>
        <source>Monitoring (DDM)</source>
        <translation>Мониторинг (DDM)</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>RX power</source>
        <translation>Мощность RX</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>Мощность TX</translation>
    </message>
    <message>
        <source>SFP module</source>
        <translation>SFP-модуль</translation>
    </message>
    <message>
        <source>nm</source>
        <translation>нм</translation>
    </message>
    <message>
        <source>mW</source>
        <translation>мВт</translation>
    </message>
    <message>
        <source>dBm</source>
        <translation>дБм</translation>
    </message>
    <message>
        <source>no SFP module</source>
        <translation>нет SFP-модуля</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>нет данных</translation>
    </message>
</context>
<context>
    <name>ScaleAdjForm</name>
    <message>
        <source>Synchronization</source>
        <translation>Синхронизация</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Опорный</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Измеряемый</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Relative time interval</source>
        <translation>Относительный интервал времени</translation>
    </message>
    <message>
        <source>Run NTP sync</source>
        <translation>Синхр. по NTP</translation>
    </message>
    <message>
        <source>PTP settings</source>
        <translation>Настройки PTP</translation>
    </message>
    <message>
        <source>Domain auto detection</source>
        <translation>Автоопределение домена</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Домен</translation>
    </message>
    <message>
        <source>IP PTP Master</source>
        <translation>IP ведущего PTP</translation>
    </message>
    <message>
        <source>Announce interval</source>
        <translation>Интервал Announce</translation>
    </message>
    <message>
        <source>Sync interval</source>
        <translation>Интервал Sync</translation>
    </message>
    <message>
        <source>Convert PTP time to UTC</source>
        <translation>Переводить время PTP в UTC</translation>
    </message>
    <message>
        <source>PTP servers list</source>
        <translation>Список серверов PTP</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>PTP information</source>
        <translation>Информация PTP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Номер порта</translation>
    </message>
    <message>
        <source>PTP version</source>
        <translation>Версия PTP</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Смещение UTC</translation>
    </message>
    <message>
        <source>Clock class</source>
        <translation>Класс часов</translation>
    </message>
    <message>
        <source>Clock accuracy</source>
        <translation>Точность часов</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Источник времени</translation>
    </message>
    <message>
        <source>Priority 1</source>
        <translation>Приоритет 1</translation>
    </message>
    <message>
        <source>Priority 2</source>
        <translation>Приоритет 2</translation>
    </message>
    <message>
        <source>GPS data</source>
        <translation>Данные GPS</translation>
    </message>
    <message>
        <source>GPS synchronization</source>
        <translation>Синхронизация GPS</translation>
    </message>
    <message>
        <source>PPS synchronization</source>
        <translation>Синхронизация PPS</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>PDOP</source>
        <translation>PDOP</translation>
    </message>
    <message>
        <source>HDOP</source>
        <translation>HDOP</translation>
    </message>
    <message>
        <source>VDOP</source>
        <translation>VDOP</translation>
    </message>
    <message>
        <source>Satellites used</source>
        <translation>Использовано спутников</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>GPS satellites</source>
        <translation>Спутники GPS</translation>
    </message>
    <message>
        <source>PRN</source>
        <translation>PRN</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Угол</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Азимут</translation>
    </message>
    <message>
        <source>SNR</source>
        <translation>С/Ш</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Исп.</translation>
    </message>
    <message>
        <source>NTP settings</source>
        <translation>Настройки NTP</translation>
    </message>
    <message>
        <source>Server 1</source>
        <translation>Сервер 1</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>Порт UDP</translation>
    </message>
    <message>
        <source>Interval, s</source>
        <translation>Интервал, с</translation>
    </message>
    <message>
        <source>Server 2</source>
        <translation>Сервер 2</translation>
    </message>
    <message>
        <source>NTP information</source>
        <translation>Информация NTP</translation>
    </message>
    <message>
        <source>NTP version</source>
        <translation>Версия NTP</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Стратум</translation>
    </message>
    <message>
        <source>Poll interval</source>
        <translation>Интервал опроса</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Точность</translation>
    </message>
    <message>
        <source>Root delay</source>
        <translation>Корневая задержка</translation>
    </message>
    <message>
        <source>Root dispersion</source>
        <translation>Корневая дисперсия</translation>
    </message>
    <message>
        <source>Ref. identifier</source>
        <translation>Опорный идентиф.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Прошло</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>∆Ph instant</source>
        <translation>∆Ф текущая</translation>
    </message>
    <message>
        <source>∆Ph min</source>
        <translation>∆Ф мин.</translation>
    </message>
    <message>
        <source>∆Ph average</source>
        <translation>∆Ф средняя</translation>
    </message>
    <message>
        <source>∆Ph max</source>
        <translation>∆Ф макс.</translation>
    </message>
    <message>
        <source>Time/Date diff.</source>
        <translation>Разница времени/даты</translation>
    </message>
    <message>
        <source>Ref. time/date</source>
        <translation>Опорн. время/дата</translation>
    </message>
    <message>
        <source>Meas. time/date</source>
        <translation>Измер. время/дата</translation>
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
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
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
        <source>Cannot open the file for writing.</source>
        <translation>Не удаётся открыть файл для записи.</translation>
    </message>
    <message>
        <source>The screenshot did not arrive: the transfer from the tester broke off. Press &quot;Receive&quot; to try again.</source>
        <translation>Снимок экрана не получен: передача с тестера прервалась. Нажмите «Получить», чтобы повторить.</translation>
    </message>
    <message>
        <source>There is no screenshot to save: the last one did not arrive.</source>
        <translation>Нет снимка экрана для сохранения: последний снимок не был получен.</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
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
        <source>Stop all processes to load a file.</source>
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
    <name>StatsForm</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Auto reset statistics</source>
        <translation>Автосброс статистики</translation>
    </message>
    <message>
        <source>Frames (Port A)</source>
        <translation>Кадры (Порт A)</translation>
    </message>
    <message>
        <source>Bytes (Port A)</source>
        <translation>Байты (Порт A)</translation>
    </message>
    <message>
        <source>Frames (Port B)</source>
        <translation>Кадры (Порт B)</translation>
    </message>
    <message>
        <source>Bytes (Port B)</source>
        <translation>Байты (Порт B)</translation>
    </message>
    <message>
        <source>Frame types</source>
        <translation>Типы кадров</translation>
    </message>
    <message>
        <source>Broadcast (Port A)</source>
        <translation>Широковещательные (Порт A)</translation>
    </message>
    <message>
        <source>Multicast (Port A)</source>
        <translation>Групповые (Порт A)</translation>
    </message>
    <message>
        <source>Unicast (Port A)</source>
        <translation>Индивидуальные (Порт A)</translation>
    </message>
    <message>
        <source>Pause (Port A)</source>
        <translation>Пауза (Порт A)</translation>
    </message>
    <message>
        <source>Broadcast (Port B)</source>
        <translation>Широковещательные (Порт B)</translation>
    </message>
    <message>
        <source>Multicast (Port B)</source>
        <translation>Групповые (Порт B)</translation>
    </message>
    <message>
        <source>Unicast (Port B)</source>
        <translation>Индивидуальные (Порт B)</translation>
    </message>
    <message>
        <source>Pause (Port B)</source>
        <translation>Пауза (Порт B)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Frame sizes</source>
        <translation>Размеры кадров</translation>
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
        <source>Frame errors</source>
        <translation>Ошибки кадров</translation>
    </message>
    <message>
        <source>CRC (Port A)</source>
        <translation>CRC (Порт A)</translation>
    </message>
    <message>
        <source>Jabber (Port A)</source>
        <translation>Jabber (Порт A)</translation>
    </message>
    <message>
        <source>CRC (Port B)</source>
        <translation>CRC (Порт B)</translation>
    </message>
    <message>
        <source>Jabber (Port B)</source>
        <translation>Jabber (Порт B)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>Reset counters</source>
        <translation>Сбросить счётчики</translation>
    </message>
    <message>
        <source>Reload setting</source>
        <translation>Перечитать настройку</translation>
    </message>
    <message>
        <source>Common data</source>
        <translation>Общие данные</translation>
    </message>
    <message>
        <source>L1 (Port A)</source>
        <translation>L1 (Порт A)</translation>
    </message>
    <message>
        <source>L2 (Port A)</source>
        <translation>L2 (Порт A)</translation>
    </message>
    <message>
        <source>L3 (Port A)</source>
        <translation>L3 (Порт A)</translation>
    </message>
    <message>
        <source>L1 (Port B)</source>
        <translation>L1 (Порт B)</translation>
    </message>
    <message>
        <source>L2 (Port B)</source>
        <translation>L2 (Порт B)</translation>
    </message>
    <message>
        <source>L3 (Port B)</source>
        <translation>L3 (Порт B)</translation>
    </message>
    <message>
        <source>Runts (Port A)</source>
        <translation>Runts (Порт A)</translation>
    </message>
    <message>
        <source>Runts (Port B)</source>
        <translation>Runts (Порт B)</translation>
    </message>
</context>
<context>
    <name>TCPIPForm</name>
    <message>
        <source>Ping</source>
        <translation>Пинг</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Трассировка</translation>
    </message>
    <message>
        <source>IP scanner</source>
        <translation>IP-сканер</translation>
    </message>
</context>
<context>
    <name>TestForm</name>
    <message>
        <source>Traffic test</source>
        <translation>Тест трафика</translation>
    </message>
    <message>
        <source>RFC 2544 test</source>
        <translation>Тест RFC 2544</translation>
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
        <source>IP scanner test</source>
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
        <source>Asymmetric traffic test</source>
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
        <source>Cannot run the test: the DNS name is empty</source>
        <translation>Невозможно запустить тест: имя DNS пусто</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Cannot start the test for topology %1,
because &quot;Auto IP destination&quot; is set.</source>
        <translation>Невозможно запустить тест для топологии %1,
так как установлен флаг &quot;Авто IP назначения&quot;.</translation>
    </message>
    <message>
        <source>The settings of this test have not been read from the tester, so nothing was sent.
Press Reset to read them again; this replaces the values you changed with the tester&apos;s.</source>
        <translation>Настройки этого теста не прочитаны из тестера, поэтому ничего не отправлено.
Нажмите «Сброс», чтобы прочитать их снова; изменённые вами значения будут заменены значениями тестера.</translation>
    </message>
    <message>
        <source>The settings of this test have not been read from the tester, so nothing was sent and the test was not started.
Press Reset to read them again; this replaces the values you changed with the tester&apos;s.</source>
        <translation>Настройки этого теста не прочитаны из тестера, поэтому ничего не отправлено и тест не запущен.
Нажмите «Сброс», чтобы прочитать их снова; изменённые вами значения будут заменены значениями тестера.</translation>
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
    <name>TraceForm</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Packet size, B</source>
        <translation>Размер пакета, байт</translation>
    </message>
    <message>
        <source>Wait time, ms</source>
        <translation>Время ожидания, мс</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Trace results</source>
        <translation>Результаты трассировки</translation>
    </message>
    <message>
        <source>Latency, ms</source>
        <translation>Задержка, мс</translation>
    </message>
    <message>
        <source>page #</source>
        <translation>стр. №</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
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
        <source>timeout</source>
        <translation>тайм-аут</translation>
    </message>
    <message>
        <source>No conn.</source>
        <translation>Нет соед.</translation>
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
        <source>Packet length, B</source>
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
        <source>Tx bytes</source>
        <translation>Перед. байты</translation>
    </message>
    <message>
        <source>Lost frames</source>
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
        <source>Ratio</source>
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
        <source>Packet length, B</source>
        <translation>Длина пакета, байт</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Learning int., ms</source>
        <translation>Инт. обучения, мс</translation>
    </message>
    <message>
        <source>Wait interval, ms</source>
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
        <source>Remaining time</source>
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
        <source>Lost frames</source>
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
        <source>Ratio</source>
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
        <source>Packet length, B</source>
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
        <source>Test criteria</source>
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
        <source>VLAN tags</source>
        <translation>Число меток VLAN</translation>
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
        <source>Learning int., ms</source>
        <translation>Инт. обучения, мс</translation>
    </message>
    <message>
        <source>Wait interval, ms</source>
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
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Direction</source>
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
        <source>Start NTP</source>
        <translation>Старт NTP</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Обновить статус</translation>
    </message>
    <message>
        <source>Stop NTP</source>
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
        <source>Remaining time</source>
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
        <source>Avg.</source>
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
        <source>Overall status</source>
        <translation>Общее состояние</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
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
    <name>vyrupDialog</name>
    <message>
        <source>Update</source>
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
        <source>CPU write started</source>
        <translation>Запись ЦП начата</translation>
    </message>
    <message>
        <source>CPU write completed</source>
        <translation>Запись ЦП завершена</translation>
    </message>
    <message>
        <source>CPU write failed</source>
        <translation>Ошибка записи ЦП</translation>
    </message>
    <message>
        <source>FPGA erase started</source>
        <translation>Стирание ПЛИС начато</translation>
    </message>
    <message>
        <source>FPGA erase completed</source>
        <translation>Стирание ПЛИС завершено</translation>
    </message>
    <message>
        <source>FPGA erase failed</source>
        <translation>Ошибка стирания ПЛИС</translation>
    </message>
    <message>
        <source>FPGA write started</source>
        <translation>Запись ПЛИС начата</translation>
    </message>
    <message>
        <source>FPGA write completed</source>
        <translation>Запись ПЛИС завершена</translation>
    </message>
    <message>
        <source>FPGA write failed</source>
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
        <source>Invalid device type</source>
        <translation>Неверный тип прибора</translation>
    </message>
    <message>
        <source>Wait after reset failed</source>
        <translation>Ошибка ожидания после перезапуска</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Неверный формат файла</translation>
    </message>
    <message>
        <source>Full update completed</source>
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
        <source>Update file (*.vyrup)</source>
        <translation>Файл обновления (*.vyrup)</translation>
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
