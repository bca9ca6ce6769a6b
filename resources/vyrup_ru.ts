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
        <translation>Версия ПО:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Remote control software for
Ethernet tester %1.</source>
        <translation>Программа дистанционного управления
Ethernet-тестером %1.</translation>
    </message>
    <message>
        <source>Firmware update software for
Ethernet tester %1.</source>
        <translation>Программа обновления встроенного ПО
Ethernet-тестера %1.</translation>
    </message>
</context>
<context>
    <name>IPsettingForm</name>
    <message>
        <source>IP settings</source>
        <translation>Настройки IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
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
        <source>Login</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>ROM update (advanced)</source>
        <translation>Обновление ПЗУ (расширенное)</translation>
    </message>
    <message>
        <source>RPD file</source>
        <translation>Файл RPD</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Flash RPD</source>
        <translation>Записать RPD</translation>
    </message>
    <message>
        <source>Flash BIN</source>
        <translation>Записать BIN</translation>
    </message>
    <message>
        <source>Flash FS</source>
        <translation>Записать ФС</translation>
    </message>
    <message>
        <source>BIN file</source>
        <translation>Файл BIN</translation>
    </message>
    <message>
        <source>FS file</source>
        <translation>Файл ФС</translation>
    </message>
    <message>
        <source>Reset to update</source>
        <translation>Сброс в обновление</translation>
    </message>
    <message>
        <source>GPS module file</source>
        <translation>Файл GPS-модуля</translation>
    </message>
    <message>
        <source>Flash GPS</source>
        <translation>Записать GPS</translation>
    </message>
    <message>
        <source>ROM update</source>
        <translation>Обновление ПЗУ</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ПЗУ</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>Процессор</translation>
    </message>
    <message>
        <source>FPGA</source>
        <translation>ПЛИС</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Файловая система</translation>
    </message>
    <message>
        <source>GPS module</source>
        <translation>GPS-модуль</translation>
    </message>
    <message>
        <source>Flash ROM</source>
        <translation>Записать ПЗУ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; color:#000000;&quot;&gt;Connect to device.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; color:#000000;&quot;&gt;Подключитесь к прибору.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Connected to device.</source>
        <translation>Подключено к прибору.</translation>
    </message>
    <message>
        <source>Device type:</source>
        <translation>Тип прибора:</translation>
    </message>
    <message>
        <source>Device serial:</source>
        <translation>Серийный номер:</translation>
    </message>
    <message>
        <source>Release:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Connecting to the device failed.</source>
        <translation>Не удалось подключиться к прибору.</translation>
    </message>
    <message>
        <source>Disconnected from the device.</source>
        <translation>Отключено от прибора.</translation>
    </message>
    <message>
        <source>Cannot update the device in remote control mode.
Switch to update mode?</source>
        <translation>Невозможно обновить прибор в режиме дистанционного управления.
Перейти в режим обновления?</translation>
    </message>
    <message>
        <source>Select ROM file</source>
        <translation>Выберите файл ПЗУ</translation>
    </message>
    <message>
        <source>Update file (*.vyrup)</source>
        <translation>Файл обновления (*.vyrup)</translation>
    </message>
    <message>
        <source>Select BIN file.</source>
        <translation>Выберите файл BIN.</translation>
    </message>
    <message>
        <source>CPU update file (*.bin)</source>
        <translation>Файл обновления процессора (*.bin)</translation>
    </message>
    <message>
        <source>Select RPD file.</source>
        <translation>Выберите файл RPD.</translation>
    </message>
    <message>
        <source>FPGA update file (*.rpd)</source>
        <translation>Файл обновления ПЛИС (*.rpd)</translation>
    </message>
    <message>
        <source>Select IMG file.</source>
        <translation>Выберите файл IMG.</translation>
    </message>
    <message>
        <source>Image file (*.img)</source>
        <translation>Файл образа (*.img)</translation>
    </message>
    <message>
        <source>GPS module update file (*.bin)</source>
        <translation>Файл обновления GPS-модуля (*.bin)</translation>
    </message>
    <message>
        <source>Open file error</source>
        <translation>Ошибка открытия файла</translation>
    </message>
    <message>
        <source>Updating CPU memory.</source>
        <translation>Обновление памяти процессора.</translation>
    </message>
    <message>
        <source>CPU update finished.</source>
        <translation>Обновление процессора завершено.</translation>
    </message>
    <message>
        <source>CPU update failed.</source>
        <translation>Ошибка обновления процессора.</translation>
    </message>
    <message>
        <source>Erasing FPGA flash memory.</source>
        <translation>Стирание флэш-памяти ПЛИС.</translation>
    </message>
    <message>
        <source>Erasing FPGA flash memory finished.</source>
        <translation>Стирание флэш-памяти ПЛИС завершено.</translation>
    </message>
    <message>
        <source>Erasing FPGA flash memory failed.</source>
        <translation>Ошибка стирания флэш-памяти ПЛИС.</translation>
    </message>
    <message>
        <source>Updating FPGA flash memory.</source>
        <translation>Обновление флэш-памяти ПЛИС.</translation>
    </message>
    <message>
        <source>FPGA update finished.</source>
        <translation>Обновление ПЛИС завершено.</translation>
    </message>
    <message>
        <source>FPGA update failed.</source>
        <translation>Ошибка обновления ПЛИС.</translation>
    </message>
    <message>
        <source>Resetting the device.</source>
        <translation>Сброс прибора.</translation>
    </message>
    <message>
        <source>Device reset finished.</source>
        <translation>Сброс прибора завершён.</translation>
    </message>
    <message>
        <source>Device reset failed.</source>
        <translation>Ошибка сброса прибора.</translation>
    </message>
    <message>
        <source>Updating FS.</source>
        <translation>Обновление ФС.</translation>
    </message>
    <message>
        <source>FS update finished.</source>
        <translation>Обновление ФС завершено.</translation>
    </message>
    <message>
        <source>FS update failed.</source>
        <translation>Ошибка обновления ФС.</translation>
    </message>
    <message>
        <source>Updating GPS module.</source>
        <translation>Обновление GPS-модуля.</translation>
    </message>
    <message>
        <source>GPS module update finished.</source>
        <translation>Обновление GPS-модуля завершено.</translation>
    </message>
    <message>
        <source>GPS module update failed.</source>
        <translation>Ошибка обновления GPS-модуля.</translation>
    </message>
    <message>
        <source>Invalid device type.</source>
        <translation>Неверный тип прибора.</translation>
    </message>
    <message>
        <source>Wait after reset failed.</source>
        <translation>Ошибка ожидания после сброса.</translation>
    </message>
    <message>
        <source>Wrong file format.</source>
        <translation>Неверный формат файла.</translation>
    </message>
    <message>
        <source>Firmware update finished.</source>
        <translation>Обновление прошивки завершено.</translation>
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
        <source>Logon</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <source>Login</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>IP settings</source>
        <translation>Настройки IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
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
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>About the program</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>О Qt</translation>
    </message>
    <message>
        <source>Connected to device.</source>
        <translation>Подключено к прибору.</translation>
    </message>
    <message>
        <source>Device serial:</source>
        <translation>Серийный номер:</translation>
    </message>
    <message>
        <source>Release:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Connecting to the device failed.</source>
        <translation>Не удалось подключиться к прибору.</translation>
    </message>
    <message>
        <source>Disconnected from the device.</source>
        <translation>Отключено от прибора.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not complete. The IP settings were not sent.</source>
        <translation>%1: значение &quot;%2&quot; неполное. Настройки IP не отправлены.</translation>
    </message>
    <message>
        <source>IP settings sent.</source>
        <translation>Настройки IP отправлены.</translation>
    </message>
    <message>
        <source>Sending the IP settings failed.</source>
        <translation>Не удалось отправить настройки IP.</translation>
    </message>
</context>
<context>
    <name>logonDialog</name>
    <message>
        <source>Log on</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
