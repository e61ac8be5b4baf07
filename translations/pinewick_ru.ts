<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AddressBookText</name>
    <message>
        <source>line %1: a contact without an address, skipped</source>
        <translation>строка %1: контакт без адреса, пропущен</translation>
    </message>
    <message>
        <source>line %1: more than %2 contacts, the rest skipped</source>
        <translation>строка %1: больше %2 контактов, остальные пропущены</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no mail address, skipped</source>
        <translation>строка %1: «%2» — не почтовый адрес, пропущено</translation>
    </message>
    <message>
        <source>More than %1 addresses in the address books: the rest are left out.</source>
        <translation>В адресных книгах больше %1 адресов: остальные не учтены.</translation>
    </message>
    <message>
        <source>not a regular file, skipped</source>
        <translation>не обычный файл, пропущен</translation>
    </message>
    <message>
        <source>larger than 64 MiB, skipped</source>
        <translation>больше 64 МиБ, пропущен</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>contact %1: %2</source>
        <translation>контакт %1: %2</translation>
    </message>
    <message>
        <source>more than %1 contacts, the rest skipped</source>
        <translation>больше %1 контактов, остальные пропущены</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>не читается (%1)</translation>
    </message>
    <message>
        <source>holds no contacts table</source>
        <translation>нет таблицы контактов</translation>
    </message>
    <message>
        <source>more than %1 address books, the rest skipped</source>
        <translation>больше %1 адресных книг, остальные пропущены</translation>
    </message>
    <message>
        <source>line %1: an alias without an address, skipped</source>
        <translation>строка %1: псевдоним без адреса, пропущен</translation>
    </message>
    <message>
        <source>line %1: more than %2 aliases, the rest skipped</source>
        <translation>строка %1: больше %2 псевдонимов, остальные пропущены</translation>
    </message>
    <message>
        <source>line %1: longer than 64 KiB, skipped</source>
        <translation>строка %1: длиннее 64 КиБ, пропущена</translation>
    </message>
    <message>
        <source>sources itself (a loop), not read again</source>
        <translation>подключает сам себя (цикл), повторно не читается</translation>
    </message>
    <message>
        <source>sourced more than %1 files deep or beyond %2 files, not read</source>
        <translation>подключён глубже %1 файлов или сверх %2 файлов, не читается</translation>
    </message>
    <message numerus="yes">
        <source>%n more problem(s) not shown</source>
        <translation>
            <numerusform>ещё %n проблема не показана</numerusform>
            <numerusform>ещё %n проблемы не показаны</numerusform>
            <numerusform>ещё %n проблем не показано</numerusform>
        </translation>
    </message>
    <message>
        <source>more than %1 entries, the rest skipped</source>
        <translation>больше %1 записей, остальные пропущены</translation>
    </message>
    <message>
        <source>card %1: %2</source>
        <translation>карточка %1: %2</translation>
    </message>
    <message>
        <source>folders nested deeper than %1 are not searched</source>
        <translation>папки глубже %1 уровней не просматриваются</translation>
    </message>
    <message>
        <source>more than %1 files or 256 MiB of contacts, the rest skipped</source>
        <translation>больше %1 файлов или 256 МиБ контактов, остальные пропущены</translation>
    </message>
    <message>
        <source>line %1: longer than 1 MiB, skipped</source>
        <translation>строка %1: длиннее 1 МиБ, пропущена</translation>
    </message>
    <message>
        <source>line %1: not a vCard line, skipped</source>
        <translation>строка %1: не строка vCard, пропущена</translation>
    </message>
    <message>
        <source>line %1: the card has no END:VCARD</source>
        <translation>строка %1: у карточки нет END:VCARD</translation>
    </message>
    <message>
        <source>line %1: more than %2 cards, the rest skipped</source>
        <translation>строка %1: больше %2 карточек, остальные пропущены</translation>
    </message>
</context>
<context>
    <name>CardCommand</name>
    <message>
        <source>pinewick: %1: no window picture; using a plain background</source>
        <translation>pinewick: %1: нет картинки окна; используется простой фон</translation>
    </message>
    <message>
        <source>pinewick: no OpenGL device to draw the tree; no card made</source>
        <translation>pinewick: нет устройства OpenGL, чтобы нарисовать ёлку; открытка не создана</translation>
    </message>
    <message>
        <source>pinewick: the tree mesh could not be read (%1); no card made</source>
        <translation>pinewick: не удалось прочитать сетку ёлки (%1); открытка не создана</translation>
    </message>
</context>
<context>
    <name>CardMail</name>
    <message>
        <source>Made with Pinewick, the greeting tree for your desktop.</source>
        <translation>Сделано в Pinewick — праздничной ёлке для вашего рабочего стола.</translation>
    </message>
    <message>
        <source>The card picture could not be written to %1.</source>
        <translation>Не удалось записать картинку открытки в %1.</translation>
    </message>
    <message>
        <source>Open the attached Pinewick.html in a web browser to turn the tree.</source>
        <translation>Откройте вложенный файл Pinewick.html в браузере, чтобы вращать ёлку.</translation>
    </message>
</context>
<context>
    <name>CardNote</name>
    <message>
        <source>The note has %1 characters; a note holds at most %2.</source>
        <translation>В заметке %1 символов; заметка вмещает не больше %2.</translation>
    </message>
</context>
<context>
    <name>CardRecipients</name>
    <message>
        <source>Nobody in your address books is called &quot;%1&quot;.</source>
        <translation>В ваших адресных книгах нет никого по имени «%1».</translation>
    </message>
    <message numerus="yes">
        <source>A card goes to at most %n recipients at a time.</source>
        <translation>
            <numerusform>Открытка уходит не более чем %n получателю за раз.</numerusform>
            <numerusform>Открытка уходит не более чем %n получателям за раз.</numerusform>
            <numerusform>Открытка уходит не более чем %n получателям за раз.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золотой</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Бирюзовый</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовый</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебряный</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмный</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--send needs an e-mail address</source>
        <translation>для --send нужен адрес электронной почты</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>--snapshot needs a file name (.jpg, .png, .gif, .webp, .mp4, .glb or .html)</source>
        <translation>для --snapshot нужно имя файла (.jpg, .png, .gif, .webp, .mp4, .glb или .html)</translation>
    </message>
    <message>
        <source>Usage: pinewick [-DEBUG]
       pinewick --check [FILE]
       pinewick --snapshot FILE
       pinewick --send RECIPIENTS... [--note TEXT | --note-file FILE] [--at TIME]
                      [--animated] [--verbose]
       pinewick --send-due [--verbose]
       pinewick --version

  -DEBUG          skip the title sequence
  --check [FILE]  read a description file (default: the home folder&apos;s Data/desc) and print it
                  as Pinewick writes it; errors as FILE:LINE: message, exit status 1
  --snapshot FILE write the greeting picture (background, greeting, decorated tree) that
                  Pinewick mails and prints; needs no display. A .gif, .webp or .mp4 FILE
                  holds the card animated: the tree makes one full turn, in a loop; a .glb
                  FILE the tree in 3D (glTF); an .html FILE the card as a web page whose
                  tree turns by itself and when dragged
  --send RECIPIENTS
                  mail that picture from your own mail account (Thunderbird, Evolution,
                  msmtp, git send-email or a local mail server); RECIPIENTS: addresses,
                  &quot;Name &lt;address&gt;&quot; or names from your address books, separated by commas
                  or semicolons, --send may be given several times; each recipient gets a
                  mail of their own. Prints the progress and who got the card; exit
                  status 0 only when every recipient&apos;s mail was accepted
  --note TEXT, --note-file FILE
                  with --send: a personal note under the card (at most 2,000 characters);
                  {name} becomes each recipient&apos;s first name
  --at TIME       with --send: compose the card now and send it at TIME (&quot;2026-12-24 08:00&quot;,
                  local time unless a zone is given; a minute to a year ahead); it waits in
                  the outbox, ~/.local/share/pinewick/outbox
  --send-due      send the cards of the outbox that are due, then exit (exit status 0: all
                  sent, 75: some wait to be tried again, 1: some refused or given up)
  --animated      with --send: the card in the mail is the turning tree (an animated GIF);
                  the still picture goes along as an attachment
  --verbose       with --send: show the whole conversation with the mail server
  --version       print the version of Pinewick</source>
        <extracomment>The usage of the command line. Options, FILE and ADDRESS stay as they are; keep the descriptions aligned in their column and the lines under 100 characters.</extracomment>
        <translation>Запуск: pinewick [-DEBUG]
        pinewick --check [ФАЙЛ]
        pinewick --snapshot ФАЙЛ
        pinewick --send ПОЛУЧАТЕЛИ... [--note ТЕКСТ | --note-file ФАЙЛ] [--at ВРЕМЯ]
                        [--animated] [--verbose]
        pinewick --send-due [--verbose]
        pinewick --version

  -DEBUG           пропустить заставку
  --check [ФАЙЛ]   прочитать файл описания (по умолчанию Data/desc в домашней папке) и вывести
                   его так, как его пишет Pinewick; ошибки в виде ФАЙЛ:СТРОКА: сообщение, код 1
  --snapshot ФАЙЛ  записать поздравительную картинку (фон, поздравление, наряженная ёлка),
                   которую Pinewick отправляет и печатает; экран не нужен. ФАЙЛ .gif, .webp
                   или .mp4 содержит анимированную открытку: ёлка делает полный оборот, по кругу;
                   ФАЙЛ .glb — ёлку в 3D (glTF); ФАЙЛ .html — открытку как веб-страницу, где
                   ёлка вращается сама и когда её тянут
  --send ПОЛУЧАТЕЛИ
                   отправить картинку с вашей почтовой учётной записи (Thunderbird, Evolution,
                   msmtp, git send-email или локальный почтовый сервер); ПОЛУЧАТЕЛИ: адреса,
                   «Имя &lt;адрес&gt;» или имена из адресных книг через запятую или точку с запятой,
                   --send можно указать несколько раз; каждый получатель получает своё письмо.
                   Показывает ход отправки и кто получил открытку; код 0 только если письмо
                   каждого получателя принято
  --note ТЕКСТ, --note-file ФАЙЛ
                   с --send: личная заметка под открыткой (не больше 2000 символов); {name}
                   становится именем каждого получателя
  --at ВРЕМЯ       с --send: подготовить открытку сейчас и отправить её в ВРЕМЯ («2026-12-24 08:00»,
                   местное время, если зона не указана; от минуты до года вперёд); она ждёт
                   в исходящих, ~/.local/share/pinewick/outbox
  --send-due       отправить открытки из исходящих, время которых пришло, и выйти (код 0: все
                   отправлены, 75: некоторые ждут новой попытки, 1: некоторые отклонены или
                   брошены)
  --animated       с --send: открытка в письме — вращающаяся ёлка (анимированный GIF);
                   неподвижная картинка идёт вложением
  --verbose        с --send: показать весь разговор с почтовым сервером
  --version        показать версию Pinewick</translation>
    </message>
</context>
<context>
    <name>DefaultGreeting</name>
    <message>
        <source>Merry Christmas and a Happy New Year!</source>
        <extracomment>The greeting a new decoration starts with. Written across the top of the card in a script font: a short, warm wish for Christmas and the new year.</extracomment>
        <translation>С Рождеством и Новым годом!</translation>
    </message>
</context>
<context>
    <name>HelpScript</name>
    <message>
        <source>About Pinewick*and its makers</source>
        <translation>О Pinewick*и его авторах</translation>
    </message>
    <message>
        <source>Close the help*Click here</source>
        <translation>Закрыть справку*Щёлкните здесь</translation>
    </message>
    <message>
        <source>Click the ribbon*and type a greeting*Ctrl+Z undo Ctrl+Y redo</source>
        <translation>Щёлкните по ленте*напишите поздравление*Ctrl+Z/Y: отмена/повтор</translation>
    </message>
    <message>
        <source>Send your tree*by e-mail or print it</source>
        <translation>Отправьте ёлку почтой*или напечатайте её</translation>
    </message>
    <message>
        <source>Click: next song*Right click: silence</source>
        <translation>Щелчок: другая песня*Правый щелчок: тишина</translation>
    </message>
    <message>
        <source>Right-click a toy*to take it off the tree*or press Delete near it</source>
        <translation>Правый клик по игрушке*снимает её с ёлки*или Delete рядом с ней</translation>
    </message>
    <message>
        <source>Hold the left button*or Page Up/Down: turn*Double-click: it spins</source>
        <translation>Держите левую кнопку*или PgUp/PgDn: поворот*Двойной клик: кружится</translation>
    </message>
    <message>
        <source>Choose the 3D driver*that draws the tree</source>
        <translation>Выберите 3D-драйвер*который рисует ёлку</translation>
    </message>
    <message>
        <source>Font and colour*of the greeting</source>
        <translation>Шрифт и цвет*поздравления</translation>
    </message>
    <message>
        <source>Open a case and drag*a toy onto the tree*or Tab to it and Enter</source>
        <translation>Откройте коробку*и тащите игрушку*на ёлку (Tab, Enter)</translation>
    </message>
    <message>
        <source>Exit Pinewick</source>
        <translation>Выйти из Pinewick</translation>
    </message>
</context>
<context>
    <name>MailError</name>
    <message>
        <source>Sorry, but this software is compatible with:
 * Thunderbird
 * Evolution
 * msmtp
 * git send-email
 * a local mail server</source>
        <translation>К сожалению, программа работает только с:
 * Thunderbird
 * Evolution
 * msmtp
 * git send-email
 * локальным почтовым сервером</translation>
    </message>
    <message>
        <source>the account&apos;s password command did not finish within %1 seconds and was stopped</source>
        <translation>команда пароля учётной записи не завершилась за %1 с и была остановлена</translation>
    </message>
    <message>
        <source>the account&apos;s password command gave no password</source>
        <translation>команда пароля учётной записи не выдала пароль</translation>
    </message>
    <message>
        <source>no password for %1 at %2 in the account&apos;s settings or the keyring</source>
        <translation>нет пароля для %1 на %2 ни в настройках учётной записи, ни в связке ключей</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An error (%1) and what the server or the connection said of it (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>управляющий символ</translation>
    </message>
    <message>
        <source>it is not valid UTF-8</source>
        <translation>он не в корректной кодировке UTF-8</translation>
    </message>
    <message>
        <source>it holds an invisible or control character</source>
        <translation>в нём есть невидимый или управляющий символ</translation>
    </message>
    <message>
        <source>its local part (before the @) is empty</source>
        <translation>его локальная часть (до @) пуста</translation>
    </message>
    <message>
        <source>its local part is longer than %1 bytes</source>
        <translation>его локальная часть длиннее %1 байт</translation>
    </message>
    <message>
        <source>its quoted local part is not closed</source>
        <translation>его локальная часть в кавычках не закрыта</translation>
    </message>
    <message>
        <source>its quoted local part has a bad backslash</source>
        <translation>в его локальной части в кавычках неверная обратная косая черта</translation>
    </message>
    <message>
        <source>its quoted local part has a bare quote</source>
        <translation>в его локальной части в кавычках лишняя кавычка</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>в нём есть управляющий символ</translation>
    </message>
    <message>
        <source>its local part has an empty part between dots</source>
        <translation>в его локальной части пустой фрагмент между точками</translation>
    </message>
    <message>
        <source>its local part holds a character that needs quoting (%1)</source>
        <translation>в его локальной части есть символ, требующий кавычек (%1)</translation>
    </message>
    <message>
        <source>its local part ends with a dot</source>
        <translation>его локальная часть заканчивается точкой</translation>
    </message>
    <message>
        <source>its domain (after the @) is empty</source>
        <translation>его домен (после @) пуст</translation>
    </message>
    <message>
        <source>its domain is longer than %1 bytes</source>
        <translation>его домен длиннее %1 байт</translation>
    </message>
    <message>
        <source>its address literal is not closed</source>
        <translation>его адресный литерал не закрыт</translation>
    </message>
    <message>
        <source>its address literal holds a character it may not</source>
        <translation>в его адресном литерале недопустимый символ</translation>
    </message>
    <message>
        <source>its domain has an empty part between dots</source>
        <translation>в его домене пустой фрагмент между точками</translation>
    </message>
    <message>
        <source>a part of its domain is longer than 63 bytes</source>
        <translation>часть его домена длиннее 63 байт</translation>
    </message>
    <message>
        <source>a part of its domain starts or ends with a hyphen</source>
        <translation>часть его домена начинается или заканчивается дефисом</translation>
    </message>
    <message>
        <source>its domain holds a character a host name may not (%1)</source>
        <translation>в его домене символ, недопустимый в имени узла (%1)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>он пуст</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>он длиннее %1 байт</translation>
    </message>
    <message>
        <source>it has no @</source>
        <translation>в нём нет @</translation>
    </message>
    <message>
        <source>its domain cannot be written in ASCII (IDNA): a part holds a character a domain may not, or grows beyond 63 bytes</source>
        <translation>его домен нельзя записать в ASCII (IDNA): часть содержит недопустимый символ или длиннее 63 байт</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes once its domain is written in ASCII</source>
        <translation>он длиннее %1 байт, когда домен записан в ASCII</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Сеть не инициализирована</translation>
    </message>
    <message>
        <source>Network down</source>
        <translation>Сеть недоступна</translation>
    </message>
    <message>
        <source>Invalid address specified</source>
        <translation>Указан неверный адрес</translation>
    </message>
    <message>
        <source>Unexpected internal error in component</source>
        <translation>Неожиданная внутренняя ошибка компонента</translation>
    </message>
    <message>
        <source>General Winsock Error</source>
        <translation>Общая ошибка сети</translation>
    </message>
    <message>
        <source>Connection aborted due to timeout or other failure</source>
        <translation>Соединение прервано по тайм-ауту или из-за другого сбоя</translation>
    </message>
    <message>
        <source>Connection reset by remote side</source>
        <translation>Соединение сброшено другой стороной</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>тайм-аут</translation>
    </message>
    <message>
        <source>Out of sockets</source>
        <translation>Кончились сокеты</translation>
    </message>
    <message>
        <source>Network unreachable</source>
        <translation>Сеть недостижима</translation>
    </message>
    <message>
        <source>Address not available</source>
        <translation>Адрес недоступен</translation>
    </message>
    <message>
        <source>Connection Refused</source>
        <translation>В соединении отказано</translation>
    </message>
    <message>
        <source>Address resolution error</source>
        <translation>Ошибка разрешения адреса</translation>
    </message>
    <message>
        <source>Host Unreachable</source>
        <translation>Узел недостижим</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Login failed: the server refused the user name or password</source>
        <translation>Не удалось войти: сервер отклонил имя пользователя или пароль</translation>
    </message>
    <message>
        <source>TLS handshake failed</source>
        <translation>Не удалось установить TLS-соединение</translation>
    </message>
    <message>
        <source>Server certificate not trusted</source>
        <translation>Сертификат сервера не заслуживает доверия</translation>
    </message>
    <message>
        <source>The server offers no STARTTLS: the mail was not sent unencrypted</source>
        <translation>Сервер не предлагает STARTTLS: письмо не отправлено без шифрования</translation>
    </message>
    <message>
        <source>The server offers no login by AUTH PLAIN or AUTH LOGIN</source>
        <translation>Сервер не предлагает вход через AUTH PLAIN или AUTH LOGIN</translation>
    </message>
    <message>
        <source>An address has letters beyond ASCII before its @, and the server does not take such addresses (it offers no SMTPUTF8): the mail was not sent</source>
        <translation>В адресе до @ есть буквы вне ASCII, а сервер такие адреса не принимает (нет SMTPUTF8): письмо не отправлено</translation>
    </message>
    <message>
        <source>Mail Destination Error</source>
        <translation>Ошибка получателя</translation>
    </message>
    <message>
        <source>Mail Destination Error: %1</source>
        <translation>Ошибка получателя: %1</translation>
    </message>
    <message>
        <source>Winsock not initiliazed</source>
        <translation>Сеть не инициализирована</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>сервер закрыл соединение</translation>
    </message>
    <message>
        <source>Prematurely Disconnected</source>
        <translation>Соединение разорвано раньше времени</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Время ожидания соединения истекло</translation>
    </message>
    <message>
        <source>Unexpected response: %1</source>
        <translation>Неожиданный ответ: %1</translation>
    </message>
    <message>
        <source>Mail Destination Error: the server accepted no recipient (%1)</source>
        <translation>Ошибка получателя: сервер не принял ни одного получателя (%1)</translation>
    </message>
</context>
<context>
    <name>PaintedText</name>
    <message>
        <source>Version 1.0</source>
        <translation>Версия 1.0</translation>
    </message>
    <message>
        <source>made by Corlune</source>
        <translation>создано Corlune</translation>
    </message>
    <message>
        <source>Built with</source>
        <translation>Сделано с помощью</translation>
    </message>
    <message>
        <source>Send your tree to this e-mail address:</source>
        <extracomment>Painted above the address field, 239 pixels wide in DejaVu Sans Bold 11 px.</extracomment>
        <translation>Отправьте ёлку на этот адрес:</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The label painted on a case: 54 pixels (the seventh 64) in DejaVu Sans Condensed Bold 10 px.</extracomment>
        <translation>Шары</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Колокола</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Сосульки</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Звёзды</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Шарики</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Свечи</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Верхушки</translation>
    </message>
</context>
<context>
    <name>ReplacingFile</name>
    <message>
        <source>%1: not a file that can be replaced</source>
        <translation>%1: этот файл нельзя заменить</translation>
    </message>
    <message>
        <source>%1: no free temporary name beside it</source>
        <translation>%1: рядом нет свободного временного имени</translation>
    </message>
    <message>
        <source>%1: nothing was written</source>
        <translation>%1: ничего не записано</translation>
    </message>
</context>
<context>
    <name>SaveCard</name>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>Анимированный GIF (*.gif)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>Анимированный WebP (*.webp)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Видео MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Изображение JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>Save card</source>
        <translation>Сохранить открытку</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Сохранение %1…</translation>
    </message>
    <message>
        <source>The card could not be saved.

%1</source>
        <translation>Не удалось сохранить открытку.

%1</translation>
    </message>
    <message>
        <source>Saved the card as %1.</source>
        <translation>Открытка сохранена как %1.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>%1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>%1: дайте открытке имя с расширением .jpg, .png, .gif, .webp, .mp4, .glb или .html</translation>
    </message>
    <message>
        <source>Interactive card (*.html)</source>
        <translation>Интерактивная открытка (*.html)</translation>
    </message>
    <message>
        <source>3D model (*.glb)</source>
        <translation>3D-модель (*.glb)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>%1: give the picture a .jpg or .png name</source>
        <translation>%1: дайте картинке имя с расширением .jpg или .png</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>pinewick: the card picture could not be written: %1</source>
        <translation>pinewick: не удалось записать картинку открытки: %1</translation>
    </message>
    <message>
        <source>pinewick: to send the card with your own mail program instead, run:</source>
        <translation>pinewick: чтобы отправить открытку своей почтовой программой, выполните:</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: no private folder could be made in %1: %2</source>
        <translation>pinewick: открытка не отправлена: не удалось создать личную папку в %1: %2</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: %1</source>
        <translation>pinewick: открытка не отправлена: %1</translation>
    </message>
    <message>
        <source>pinewick: no mail account found. %1</source>
        <translation>pinewick: почтовая учётная запись не найдена. %1</translation>
    </message>
    <message>
        <source>account: %1 &lt;%2&gt; through %3:%4 (%5)</source>
        <translation>учётная запись: %1 &lt;%2&gt; через %3:%4 (%5)</translation>
    </message>
    <message>
        <source>pinewick: cannot log in: %1</source>
        <translation>pinewick: не удаётся войти: %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Соединение с %1 установлено</translation>
    </message>
    <message>
        <source>Encrypted (%1)</source>
        <translation>Зашифровано (%1)</translation>
    </message>
    <message>
        <source>Logged in as %1</source>
        <translation>Вход выполнен как %1</translation>
    </message>
    <message>
        <source>Recipient refused: %1 (%2)</source>
        <translation>Получатель отклонён: %1 (%2)</translation>
    </message>
    <message>
        <source>The picture could not be read and was left out: %1</source>
        <translation>Картинку не удалось прочитать, она пропущена: %1</translation>
    </message>
    <message>
        <source>Sending the card (%1 KB) ...</source>
        <translation>Отправка открытки (%1 КБ)…</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Принято: %1</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>ошибка %1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1:%2 ...</source>
        <translation>Соединение с %1:%2…</translation>
    </message>
    <message>
        <source>The note file %1 cannot be read.</source>
        <translation>Файл заметки %1 не читается.</translation>
    </message>
    <message>
        <source>The note file %1 is not a short text in UTF-8.</source>
        <translation>Файл заметки %1 — не короткий текст в UTF-8.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these:</source>
        <translation>«%1» может быть любым из них:</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>Не отправлено %1: %2</translation>
    </message>
    <message>
        <source>No answer after the card to %1: it may have arrived, so it is not sent again.</source>
        <translation>Нет ответа после открытки для %1: она могла дойти, поэтому повторно не отправляется.</translation>
    </message>
    <message>
        <source>To send it again to those only:</source>
        <translation>Чтобы отправить её снова только им:</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <extracomment>The card&apos;s progress on the command line: &quot;2 of 5: Oma Ilse &lt;ilse@example.org&gt;&quot;</extracomment>
        <translation>%1 из %2: %3</translation>
    </message>
    <message>
        <source>Waits in the outbox for another try: %1 (%2)</source>
        <translation>Ждёт в исходящих новой попытки: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SendDueCommand</name>
    <message>
        <source>No card is due.</source>
        <translation>Сейчас нет открыток к отправке.</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: no mail account found. %1</source>
        <translation>Открытки из исходящих не отправлены: почтовая учётная запись не найдена. %1</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: cannot log in: %1</source>
        <translation>Открытки из исходящих не отправлены: не удалось войти: %1</translation>
    </message>
    <message>
        <source>Your Pinewick card went out</source>
        <translation>Открытка Pinewick отправлена</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>Отправлено: %1.</translation>
    </message>
    <message>
        <source>A Pinewick card could not be sent</source>
        <translation>Открытку Pinewick не удалось отправить</translation>
    </message>
    <message>
        <source>Not sent to %1. The outbox in Pinewick&apos;s output dialog says why.</source>
        <translation>Не отправлено: %1. Причину покажут исходящие в окне отправки Pinewick.</translation>
    </message>
    <message>
        <source>Another Pinewick is sending the outbox&apos;s cards now.</source>
        <translation>Другой Pinewick сейчас отправляет открытки из исходящих.</translation>
    </message>
    <message>
        <source>One card sent.</source>
        <translation>Отправлена одна открытка.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards sent.</source>
        <translation>
            <numerusform>Отправлена %n открытка.</numerusform>
            <numerusform>Отправлено %n открытки.</numerusform>
            <numerusform>Отправлено %n открыток.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>Открытку не удалось положить в исходящие: %1</translation>
    </message>
    <message>
        <source>The card goes out on %1 to one recipient. It waits in the outbox until then.</source>
        <translation>Открытка уйдёт %1 одному получателю. До тех пор она ждёт в исходящих.</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipients. It waits in the outbox until then.</source>
        <translation>
            <numerusform>Открытка уйдёт %1 к %n получателю. До тех пор она ждёт в исходящих.</numerusform>
            <numerusform>Открытка уйдёт %1 к %n получателям. До тех пор она ждёт в исходящих.</numerusform>
            <numerusform>Открытка уйдёт %1 к %n получателям. До тех пор она ждёт в исходящих.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card could not be kept to send later: %1</source>
        <translation>Открытку не удалось сохранить для отправки позже: %1</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Нет соединения — Pinewick отправит её, как только сможет.</translation>
    </message>
</context>
<context>
    <name>SnapshotCommand</name>
    <message>
        <source>[%1] %2/%3 frames</source>
        <extracomment>A progress bar (%1), the frames made (%2) and all the frames (%3).</extracomment>
        <translation>[%1] %2/%3 кадров</translation>
    </message>
    <message>
        <source>%1: %2 KB in %3 s</source>
        <extracomment>The file written, its size and the time it took.</extracomment>
        <translation>%1: %2 КБ за %3 с</translation>
    </message>
    <message>
        <source>pinewick: %1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>pinewick: %1: дайте открытке имя с расширением .jpg, .png, .gif, .webp, .mp4, .glb или .html</translation>
    </message>
</context>
<context>
    <name>StartOutbox</name>
    <message>
        <source>One card went out while Pinewick was closed.</source>
        <translation>Одна открытка ушла, пока Pinewick был закрыт.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards went out while Pinewick was closed.</source>
        <translation>
            <numerusform>%n открытка ушла, пока Pinewick был закрыт.</numerusform>
            <numerusform>%n открытки ушли, пока Pinewick был закрыт.</numerusform>
            <numerusform>%n открыток ушло, пока Pinewick был закрыт.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupChecks</name>
    <message>
        <source>Sorry, but this program needs next screen modes:
  * HiColor   (16-bit)
  * TrueColor (24-bit)

You have a %1-bit mode

Program stopped</source>
        <translation>К сожалению, программе нужен один из режимов экрана:
  * HiColor   (16 бит)
  * TrueColor (24 бита)

У вас режим %1 бит

Программа остановлена</translation>
    </message>
    <message>
        <source>You have a OpenGL %1.%2</source>
        <translation>У вас OpenGL %1.%2</translation>
    </message>
    <message>
        <source>You haven&apos;t OpenGL</source>
        <translation>У вас нет OpenGL</translation>
    </message>
    <message>
        <source>Sorry, but this program needs OpenGL 3.3 or more

%1

OpenGL 3.3 is located on &quot;https://www.mesa3d.org&quot;

Program stopped</source>
        <translation>К сожалению, программе нужен OpenGL 3.3 или новее

%1

OpenGL 3.3 можно найти на «https://www.mesa3d.org»

Программа остановлена</translation>
    </message>
</context>
<context>
    <name>TD3DScene</name>
    <message>
        <source>DirectX error</source>
        <translation>Ошибка графики</translation>
    </message>
</context>
<context>
    <name>TDecorationHistory</name>
    <message>
        <source>Hang toy</source>
        <translation>Повесить игрушку</translation>
    </message>
    <message>
        <source>Remove toy</source>
        <translation>Снять игрушку</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>Qt: windows, controls, fonts, pictures and printing</source>
        <translation>Qt: окна, элементы управления, шрифты, картинки и печать</translation>
    </message>
    <message>
        <source>Mesa: OpenGL through EGL, on any graphics card or none</source>
        <translation>Mesa: OpenGL через EGL, с любой видеокартой или без неё</translation>
    </message>
    <message>
        <source>OpenSSL: keeps the mailed card private on its way</source>
        <translation>OpenSSL: открытка в пути остаётся личной</translation>
    </message>
    <message>
        <source>GLM: the vector and matrix arithmetic of the scene</source>
        <translation>GLM: векторная и матричная математика сцены</translation>
    </message>
    <message>
        <source>SDL_mixer: plays the carols and the sounds</source>
        <translation>SDL_mixer: играет рождественские песни и звуки</translation>
    </message>
    <message>
        <source>FluidSynth: turns the carols&apos; notes into music</source>
        <translation>FluidSynth: превращает ноты песен в музыку</translation>
    </message>
    <message>
        <source>FFmpeg: plays the opening film</source>
        <translation>FFmpeg: показывает заставку</translation>
    </message>
    <message>
        <source>Do you want to exit ?</source>
        <translation>Выйти из программы?</translation>
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
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TFormOut</name>
    <message>
        <source>E-Mail address</source>
        <translation>Адрес эл. почты</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>E-Mail the Pinewick</source>
        <translation>Отправить Pinewick по почте</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Print of the Pinewick</source>
        <translation>Напечатать Pinewick</translation>
    </message>
    <message>
        <source>Save card…</source>
        <translation>Сохранить…</translation>
    </message>
    <message>
        <source>Save the card as a picture or an animation</source>
        <translation>Сохранить открытку как картинку или анимацию</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Animated card</source>
        <translation>Живая открытка</translation>
    </message>
    <message>
        <source>Mail the turning tree as an animated picture</source>
        <translation>Отправить вращающуюся ёлку анимированной картинкой</translation>
    </message>
    <message>
        <source>No private folder for the card picture could be made in %1: %2</source>
        <translation>Не удалось создать в %1 личную папку для картинки открытки: %2</translation>
    </message>
    <message>
        <source>There is no card to send.</source>
        <translation>Нет открытки для отправки.</translation>
    </message>
    <message>
        <source>Making the animated card…</source>
        <translation>Создание живой открытки…</translation>
    </message>
    <message>
        <source>The card was not sent: %1</source>
        <translation>Открытка не отправлена: %1</translation>
    </message>
    <message>
        <source>Mail sended</source>
        <translation>Письмо отправлено</translation>
    </message>
    <message>
        <source>Open your own mail program to send the card?</source>
        <translation>Открыть вашу почтовую программу, чтобы отправить открытку?</translation>
    </message>
    <message>
        <source>The card picture could not be written: %1</source>
        <translation>Не удалось записать картинку открытки: %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Не удалось запустить принтер.</translation>
    </message>
    <message>
        <source>Your mail program could not be opened: %1

The card is saved as %2; you can attach it to a mail yourself.</source>
        <translation>Не удалось открыть почтовую программу: %1

Открытка сохранена как %2; вы можете сами вложить её в письмо.</translation>
    </message>
    <message>
        <source>Set up your account in one of these, or save the card and attach it to a mail yourself.</source>
        <translation>Настройте учётную запись в одной из этих программ или сохраните открытку и сами вложите её в письмо.</translation>
    </message>
    <message>
        <source>Sending %1 of %2…</source>
        <translation>Отправка %1 из %2…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Отправка…</translation>
    </message>
    <message>
        <source>E-mail addresses or names from your address books, separated by commas</source>
        <translation>Адреса эл. почты или имена из адресных книг через запятую</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Текст…</translation>
    </message>
    <message>
        <source>Write a personal note under the card</source>
        <translation>Написать личную заметку под открыткой</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>See the mail as its first recipient will see it</source>
        <translation>Увидеть письмо так, как его увидит первый получатель</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these. Choose one from the list:
%2</source>
        <translation>«%1» может быть любым из них. Выберите одного из списка:
%2</translation>
    </message>
    <message>
        <source>Note ✓</source>
        <translation>Текст ✓</translation>
    </message>
    <message>
        <source>(nobody yet)</source>
        <translation>(пока никого)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The card went to %1 of %n recipients.</source>
        <translation>
            <numerusform>Открытка дошла до %1 из %n получателя.</numerusform>
            <numerusform>Открытка дошла до %1 из %n получателей.</numerusform>
            <numerusform>Открытка дошла до %1 из %n получателей.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent to:</source>
        <translation>Отправлено:</translation>
    </message>
    <message>
        <source>Not sent to:</source>
        <translation>Не отправлено:</translation>
    </message>
    <message>
        <source>No answer after the card to these; it may have arrived, so it is not sent again:</source>
        <translation>Нет ответа после открытки для этих получателей; она могла дойти, поэтому повторно не отправляется:</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Отправить снова</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Нет соединения — Pinewick отправит её, как только сможет.</translation>
    </message>
    <message>
        <source>Send on…</source>
        <translation>Отправить в…</translation>
    </message>
    <message>
        <source>Send the card on a day and at a time you choose</source>
        <translation>Отправить открытку в выбранный день и час</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>Очередь…</translation>
    </message>
    <message>
        <source>The cards waiting to go out, and those sent</source>
        <translation>Открытки, ждущие отправки, и отправленные</translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>Открытка не помещена в исходящие: %1</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipient(s). It waits in the outbox until then.</source>
        <translation>
            <numerusform>Открытка уйдёт %1 к %n получателю. До тех пор она ждёт в исходящих.</numerusform>
            <numerusform>Открытка уйдёт %1 к %n получателям. До тех пор она ждёт в исходящих.</numerusform>
            <numerusform>Открытка уйдёт %1 к %n получателям. До тех пор она ждёт в исходящих.</numerusform>
        </translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can to:</source>
        <translation>Нет соединения — Pinewick отправит её, как только сможет, получателям:</translation>
    </message>
    <message>
        <source>Interactive card</source>
        <translation>Веб-открытка</translation>
    </message>
    <message>
        <source>Send the card as a web page too, where the tree can be turned</source>
        <translation>Отправить открытку ещё и веб-страницей, где ёлку можно вращать</translation>
    </message>
</context>
<context>
    <name>TFormSetup</name>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Drivers</source>
        <extracomment>The title of the list of 3D drivers.</extracomment>
        <translation>Драйверы</translation>
    </message>
</context>
<context>
    <name>TFormTitle</name>
    <message>
        <source>Do you want to create %1 shortcut
on your desktop ?</source>
        <translation>Создать ярлык %1
на рабочем столе?</translation>
    </message>
</context>
<context>
    <name>TFormTree</name>
    <message>
        <source>big ball</source>
        <extracomment>One toy of a case, as a screen reader names it after its colour.</extracomment>
        <translation>большой шар</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>колокольчик</translation>
    </message>
    <message>
        <source>icicle</source>
        <translation>сосулька</translation>
    </message>
    <message>
        <source>star</source>
        <translation>звезда</translation>
    </message>
    <message>
        <source>small ball</source>
        <translation>шарик</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>свеча</translation>
    </message>
    <message>
        <source>tree top</source>
        <translation>верхушка</translation>
    </message>
    <message>
        <source>Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>Стрелки двигают прицел; Delete снимает ближайшую игрушку; Page Up и Page Down поворачивают ёлку</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Поздравление</translation>
    </message>
    <message>
        <source>Enter starts and ends typing; Ctrl+Z undoes</source>
        <translation>Enter начинает и заканчивает ввод; Ctrl+Z отменяет</translation>
    </message>
    <message>
        <source>Case of toys: Enter shows its toys</source>
        <translation>Коробка игрушек: Enter показывает её игрушки</translation>
    </message>
    <message>
        <source>Enter picks it up; the arrow keys carry it over the tree; Enter hangs it, Escape puts it back</source>
        <translation>Enter берёт её; стрелки несут её над ёлкой; Enter вешает, Escape кладёт обратно</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A toy&apos;s colour (%1, such as &quot;Red&quot;) and kind (%2, such as &quot;big ball&quot;).</extracomment>
        <translation>%2, %1</translation>
    </message>
    <message>
        <source>Send Pinewick</source>
        <translation>Отправить Pinewick</translation>
    </message>
    <message>
        <source>Fill in the text of greeting</source>
        <translation>Написать поздравление</translation>
    </message>
    <message>
        <source>Music switch</source>
        <translation>Музыка вкл./выкл.</translation>
    </message>
    <message>
        <source>Change 3D driver</source>
        <translation>Сменить 3D-драйвер</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The seven cases of toys along the bottom of the window.</extracomment>
        <translation>Шары</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Колокольчики</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Сосульки</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Звёзды</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Шарики</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Свечи</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Верхушки</translation>
    </message>
    <message>
        <source>An empty tree is shown. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>Показана пустая ёлка. Ваш файл остаётся как есть и не будет перезаписан; изменения этого сеанса не сохраняются.</translation>
    </message>
    <message>
        <source>The decoration that comes with Pinewick is shown instead. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>Вместо него показано украшение, поставляемое с Pinewick. Ваш файл остаётся как есть и не будет перезаписан; изменения этого сеанса не сохраняются.</translation>
    </message>
    <message>
        <source>Your decoration could not be saved:
%1

Free some space or fix the folder&apos;s permissions, then try again.</source>
        <translation>Не удалось сохранить ваше украшение:
%1

Освободите место или исправьте права на папку и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Quit without saving</source>
        <translation>Выйти без сохранения</translation>
    </message>
    <message>
        <source>Target off the tree.</source>
        <translation>Прицел вне ёлки.</translation>
    </message>
    <message>
        <source>Target on the tree.</source>
        <translation>Прицел на ёлке.</translation>
    </message>
    <message>
        <source>Target on a toy.</source>
        <translation>Прицел на игрушке.</translation>
    </message>
    <message>
        <source>%1 Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>%1 Стрелки двигают прицел; Delete снимает ближайшую игрушку; Page Up и Page Down поворачивают ёлку</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Это поздравление слишком длинное, чтобы хорошо читаться на ленте.</translation>
    </message>
    <message>
        <source>Fir tree with 1 ornament</source>
        <translation>Ёлка с 1 игрушкой</translation>
    </message>
    <message numerus="yes">
        <source>Fir tree with %n ornaments</source>
        <translation>
            <numerusform>Ёлка с %n игрушкой</numerusform>
            <numerusform>Ёлка с %n игрушками</numerusform>
            <numerusform>Ёлка с %n игрушками</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormWelcome</name>
    <message>
        <source>Text of greeting</source>
        <translation>Текст поздравления</translation>
    </message>
    <message>
        <source>Font select</source>
        <translation>Выбор шрифта</translation>
    </message>
    <message>
        <source>Font style select</source>
        <translation>Выбор начертания</translation>
    </message>
    <message>
        <source>Color select</source>
        <translation>Выбор цвета</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>too long for the ribbon</source>
        <translation>слишком длинно для ленты</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Это поздравление слишком длинное, чтобы хорошо читаться на ленте.</translation>
    </message>
</context>
<context>
    <name>TNoteDialog</name>
    <message>
        <source>A note under the card. {name} becomes each recipient&apos;s first name.</source>
        <translation>Заметка под открыткой. {name} становится именем каждого получателя.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message numerus="yes">
        <source>Characters left: %n</source>
        <translation>
            <numerusform>Осталось %n символ</numerusform>
            <numerusform>Осталось %n символа</numerusform>
            <numerusform>Осталось %n символов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOutboxWindow</name>
    <message>
        <source>Cards waiting to go out, and cards sent in the last year</source>
        <translation>Открытки, ждущие отправки, и открытки, отправленные за последний год</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Получатели</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Отправить сейчас</translation>
    </message>
    <message>
        <source>Change time…</source>
        <translation>Изменить время…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Waiting: tried again at %1 (%2)</source>
        <translation>Ждёт: новая попытка в %1 (%2)</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Запланирована</translation>
    </message>
    <message numerus="yes">
        <source>Sent to all %n</source>
        <translation>
            <numerusform>Отправлено %n</numerusform>
            <numerusform>Отправлено всем %n</numerusform>
            <numerusform>Отправлено всем %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent to %1 of %n</source>
        <translation>
            <numerusform>Отправлено %1 из %n</numerusform>
            <numerusform>Отправлено %1 из %n</numerusform>
            <numerusform>Отправлено %1 из %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Pinewick is sending cards just now. Try again in a moment.</source>
        <translation>Pinewick как раз отправляет открытки. Попробуйте через минуту.</translation>
    </message>
    <message>
        <source>Delete the card to %1? It will not be sent.</source>
        <translation>Удалить открытку для %1? Она не будет отправлена.</translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>Password for %1 at %2:</source>
        <translation>Пароль для %1 на %2:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Remember</source>
        <translation>Запомнить</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring</source>
        <translation>Хранить пароль в связке ключей рабочего стола</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TPreviewDialog</name>
    <message>
        <source>To: %1
Subject: %2</source>
        <translation>Кому: %1
Тема: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TSendLaterDialog</name>
    <message>
        <source>Send the card on:</source>
        <translation>Отправить открытку:</translation>
    </message>
    <message>
        <source>Date and time to send the card</source>
        <translation>Дата и время отправки открытки</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>WebCard</name>
    <message>
        <source>%1: three.js can&apos;t be read (is libjs-three installed?)</source>
        <translation>%1: не удаётся прочитать three.js (установлен ли libjs-three?)</translation>
    </message>
    <message>
        <source>A decorated fir tree that turns, under the greeting “%1”. Drag it to turn it.</source>
        <extracomment>The described picture of the interactive card, for readers that can&apos;t see it; %1 is the greeting.</extracomment>
        <translation>Наряженная ёлка, которая вращается, под поздравлением «%1». Потяните её, чтобы повернуть.</translation>
    </message>
</context>
<context>
    <name>mail</name>
    <message>
        <source>the card&apos;s picture was not found.</source>
        <translation>картинка открытки не найдена.</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop.</source>
        <translation>на этом рабочем столе не настроена почтовая программа.</translation>
    </message>
    <message>
        <source>the card&apos;s picture could not be read.</source>
        <translation>не удалось прочитать картинку открытки.</translation>
    </message>
    <message>
        <source>xdg-email ended with the error status %1.</source>
        <translation>xdg-email завершился с кодом ошибки %1.</translation>
    </message>
    <message>
        <source>xdg-email stopped unexpectedly.</source>
        <translation>xdg-email неожиданно остановился.</translation>
    </message>
    <message>
        <source>xdg-email could not be started (it comes with the package xdg-utils).</source>
        <translation>не удалось запустить xdg-email (он входит в пакет xdg-utils).</translation>
    </message>
    <message>
        <source>Type the address the card goes to.</source>
        <translation>Введите адрес, на который пойдёт открытка.</translation>
    </message>
    <message>
        <source>The card cannot go to this address: %1.</source>
        <translation>Открытку нельзя отправить на этот адрес: %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 больше %2 байт</translation>
    </message>
</context>
<context>
    <name>mail::Outbox</name>
    <message>
        <source>The card has no recipients.</source>
        <translation>У открытки нет получателей.</translation>
    </message>
    <message>
        <source>The outbox folder %1 could not be made.</source>
        <translation>Не удалось создать папку исходящих %1.</translation>
    </message>
    <message>
        <source>The card could not be moved into the outbox %1.</source>
        <translation>Не удалось переместить открытку в исходящие %1.</translation>
    </message>
    <message>
        <source>the message for %1 is missing</source>
        <translation>нет письма для %1</translation>
    </message>
    <message>
        <source>A damaged card in the outbox was set aside in %1: %2</source>
        <translation>Повреждённая открытка из исходящих отложена в %1: %2</translation>
    </message>
</context>
<context>
    <name>mail::OutboxCard</name>
    <message>
        <source>the state file is not readable (%1)</source>
        <translation>файл состояния не читается (%1)</translation>
    </message>
    <message>
        <source>the state file has an unknown version</source>
        <translation>у файла состояния неизвестная версия</translation>
    </message>
    <message>
        <source>the state file has a damaged time or subject</source>
        <translation>в файле состояния повреждены время или тема</translation>
    </message>
    <message>
        <source>the state file names no recipients</source>
        <translation>в файле состояния нет получателей</translation>
    </message>
    <message>
        <source>the state file has a damaged recipient</source>
        <translation>в файле состояния повреждён получатель</translation>
    </message>
</context>
<context>
    <name>mail::OutboxSender</name>
    <message>
        <source>Sending &quot;%1&quot; to %n recipient(s) ...</source>
        <translation>Отправка «%1», получателей: %n…</translation>
    </message>
    <message>
        <source>Sent to %1</source>
        <translation>Отправлено %1</translation>
    </message>
    <message>
        <source>Perhaps not sent to %1 (the server did not answer): %2</source>
        <translation>Возможно, не отправлено %1 (сервер не ответил): %2</translation>
    </message>
    <message>
        <source>Not sent to %1, tried again at %2: %3</source>
        <translation>Не отправлено %1, новая попытка в %2: %3</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>Не отправлено %1: %2</translation>
    </message>
</context>
<context>
    <name>mail::SendTime</name>
    <message>
        <source>&quot;%1&quot; is not a date and time such as &quot;2026-12-24 08:00&quot;.</source>
        <translation>«%1» — не дата и время вида «2026-12-24 08:00».</translation>
    </message>
    <message>
        <source>The time to send the card must be at least a minute from now.</source>
        <translation>Открытку можно отправить не раньше чем через минуту.</translation>
    </message>
    <message>
        <source>The time to send the card must be at most a year from now.</source>
        <translation>Открытку можно отправить не позже чем через год.</translation>
    </message>
</context>
</TS>
