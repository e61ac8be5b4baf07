<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AddressBookText</name>
    <message>
        <source>line %1: a contact without an address, skipped</source>
        <translation>wiersz %1: kontakt bez adresu, pominięty</translation>
    </message>
    <message>
        <source>line %1: more than %2 contacts, the rest skipped</source>
        <translation>wiersz %1: ponad %2 kontaktów, resztę pominięto</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no mail address, skipped</source>
        <translation>wiersz %1: „%2” nie jest adresem e-mail, pominięto</translation>
    </message>
    <message>
        <source>More than %1 addresses in the address books: the rest are left out.</source>
        <translation>Ponad %1 adresów w książkach adresowych: resztę pominięto.</translation>
    </message>
    <message>
        <source>not a regular file, skipped</source>
        <translation>to nie zwykły plik, pominięto</translation>
    </message>
    <message>
        <source>larger than 64 MiB, skipped</source>
        <translation>ponad 64 MiB, pominięto</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nie można odczytać</translation>
    </message>
    <message>
        <source>contact %1: %2</source>
        <translation>kontakt %1: %2</translation>
    </message>
    <message>
        <source>more than %1 contacts, the rest skipped</source>
        <translation>ponad %1 kontaktów, resztę pominięto</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>nie można odczytać (%1)</translation>
    </message>
    <message>
        <source>holds no contacts table</source>
        <translation>nie zawiera tabeli kontaktów</translation>
    </message>
    <message>
        <source>more than %1 address books, the rest skipped</source>
        <translation>ponad %1 książek adresowych, resztę pominięto</translation>
    </message>
    <message>
        <source>line %1: an alias without an address, skipped</source>
        <translation>wiersz %1: alias bez adresu, pominięty</translation>
    </message>
    <message>
        <source>line %1: more than %2 aliases, the rest skipped</source>
        <translation>wiersz %1: ponad %2 aliasów, resztę pominięto</translation>
    </message>
    <message>
        <source>line %1: longer than 64 KiB, skipped</source>
        <translation>wiersz %1: dłuższy niż 64 KiB, pominięty</translation>
    </message>
    <message>
        <source>sources itself (a loop), not read again</source>
        <translation>dołącza sam siebie (pętla), nie czytano ponownie</translation>
    </message>
    <message>
        <source>sourced more than %1 files deep or beyond %2 files, not read</source>
        <translation>dołączony głębiej niż %1 plików lub ponad %2 plików, nie czytano</translation>
    </message>
    <message numerus="yes">
        <source>%n more problem(s) not shown</source>
        <translation>
            <numerusform>%n kolejny problem nie jest pokazany</numerusform>
            <numerusform>%n kolejne problemy nie są pokazane</numerusform>
            <numerusform>%n kolejnych problemów nie jest pokazanych</numerusform>
        </translation>
    </message>
    <message>
        <source>more than %1 entries, the rest skipped</source>
        <translation>ponad %1 wpisów, resztę pominięto</translation>
    </message>
    <message>
        <source>card %1: %2</source>
        <translation>wizytówka %1: %2</translation>
    </message>
    <message>
        <source>folders nested deeper than %1 are not searched</source>
        <translation>foldery zagnieżdżone głębiej niż %1 nie są przeszukiwane</translation>
    </message>
    <message>
        <source>more than %1 files or 256 MiB of contacts, the rest skipped</source>
        <translation>ponad %1 plików lub 256 MiB kontaktów, resztę pominięto</translation>
    </message>
    <message>
        <source>line %1: longer than 1 MiB, skipped</source>
        <translation>wiersz %1: dłuższy niż 1 MiB, pominięty</translation>
    </message>
    <message>
        <source>line %1: not a vCard line, skipped</source>
        <translation>wiersz %1: to nie wiersz vCard, pominięty</translation>
    </message>
    <message>
        <source>line %1: the card has no END:VCARD</source>
        <translation>wiersz %1: wizytówce brakuje END:VCARD</translation>
    </message>
    <message>
        <source>line %1: more than %2 cards, the rest skipped</source>
        <translation>wiersz %1: ponad %2 wizytówek, resztę pominięto</translation>
    </message>
</context>
<context>
    <name>CardCommand</name>
    <message>
        <source>pinewick: %1: no window picture; using a plain background</source>
        <translation>pinewick: %1: brak obrazu okna; użyto gładkiego tła</translation>
    </message>
    <message>
        <source>pinewick: no OpenGL device to draw the tree; no card made</source>
        <translation>pinewick: brak urządzenia OpenGL do narysowania choinki; nie utworzono kartki</translation>
    </message>
    <message>
        <source>pinewick: the tree mesh could not be read (%1); no card made</source>
        <translation>pinewick: nie udało się odczytać siatki choinki (%1); nie utworzono kartki</translation>
    </message>
</context>
<context>
    <name>CardMail</name>
    <message>
        <source>Made with Pinewick, the greeting tree for your desktop.</source>
        <translation>Zrobione w Pinewick – świątecznym drzewku na Twój pulpit.</translation>
    </message>
    <message>
        <source>The card picture could not be written to %1.</source>
        <translation>Nie udało się zapisać obrazka kartki w %1.</translation>
    </message>
    <message>
        <source>Open the attached Pinewick.html in a web browser to turn the tree.</source>
        <translation>Otwórz załączony plik Pinewick.html w przeglądarce, aby obracać choinkę.</translation>
    </message>
</context>
<context>
    <name>CardNote</name>
    <message>
        <source>The note has %1 characters; a note holds at most %2.</source>
        <translation>Notatka ma %1 znaków; notatka mieści najwyżej %2.</translation>
    </message>
</context>
<context>
    <name>CardRecipients</name>
    <message>
        <source>Nobody in your address books is called &quot;%1&quot;.</source>
        <translation>Nikt w Twoich książkach adresowych nie nazywa się „%1”.</translation>
    </message>
    <message numerus="yes">
        <source>A card goes to at most %n recipients at a time.</source>
        <translation>
            <numerusform>Kartka trafia naraz najwyżej do %n adresata.</numerusform>
            <numerusform>Kartka trafia naraz najwyżej do %n adresatów.</numerusform>
            <numerusform>Kartka trafia naraz najwyżej do %n adresatów.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Złoty</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turkusowy</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebrny</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--send needs an e-mail address</source>
        <translation>--send wymaga adresu e-mail</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>--snapshot needs a file name (.jpg, .png, .gif, .webp, .mp4, .glb or .html)</source>
        <translation>--snapshot wymaga nazwy pliku (.jpg, .png, .gif, .webp, .mp4, .glb lub .html)</translation>
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
        <translation>Użycie: pinewick [-DEBUG]
        pinewick --check [PLIK]
        pinewick --snapshot PLIK
        pinewick --send ADRESACI... [--note TEKST | --note-file PLIK] [--at CZAS]
                        [--animated] [--verbose]
        pinewick --send-due [--verbose]
        pinewick --version

  -DEBUG           pomiń sekwencję tytułową
  --check [PLIK]   wczytaj plik opisu (domyślnie Data/desc z folderu domowego) i wypisz go tak,
                   jak zapisuje go Pinewick; błędy jako PLIK:WIERSZ: komunikat, kod wyjścia 1
  --snapshot PLIK  zapisz obrazek z życzeniami (tło, życzenia, ubrana choinka), który Pinewick
                   wysyła i drukuje; nie wymaga ekranu. PLIK .gif, .webp lub .mp4 zawiera
                   ruchomą kartkę: choinka robi jeden pełny obrót, w pętli; PLIK .glb choinkę
                   w 3D (glTF); PLIK .html kartkę jako stronę WWW, na której choinka obraca się
                   sama i przy przeciąganiu
  --send ADRESACI  wyślij ten obrazek z własnego konta pocztowego (Thunderbird, Evolution,
                   msmtp, git send-email lub lokalny serwer poczty); ADRESACI: adresy,
                   „Imię &lt;adres&gt;” lub nazwiska z książek adresowych, rozdzielone przecinkami
                   lub średnikami, --send można podać kilka razy; każdy adresat dostaje własną
                   wiadomość. Pokazuje postęp i kto dostał kartkę; kod wyjścia 0 tylko wtedy,
                   gdy przyjęto wiadomość każdego adresata
  --note TEKST, --note-file PLIK
                   z --send: osobista notatka pod kartką (najwyżej 2000 znaków); {name} staje
                   się imieniem każdego adresata
  --at CZAS        z --send: przygotuj kartkę teraz i wyślij ją o CZASIE („2026-12-24 08:00”,
                   czas lokalny, chyba że podano strefę; od minuty do roku naprzód); czeka
                   w skrzynce nadawczej, ~/.local/share/pinewick/outbox
  --send-due       wyślij kartki ze skrzynki nadawczej, na które przyszła pora, i zakończ (kod 0:
                   wszystkie wysłane, 75: niektóre czekają na ponowną próbę, 1: niektóre
                   odrzucone lub porzucone)
  --animated       z --send: kartka w wiadomości to obracająca się choinka (animowany GIF);
                   nieruchomy obrazek idzie jako załącznik
  --verbose        z --send: pokaż całą rozmowę z serwerem poczty
  --version        wypisz wersję Pinewick</translation>
    </message>
</context>
<context>
    <name>DefaultGreeting</name>
    <message>
        <source>Merry Christmas and a Happy New Year!</source>
        <extracomment>The greeting a new decoration starts with. Written across the top of the card in a script font: a short, warm wish for Christmas and the new year.</extracomment>
        <translation>Wesołych Świąt i szczęśliwego Nowego Roku!</translation>
    </message>
</context>
<context>
    <name>HelpScript</name>
    <message>
        <source>About Pinewick*and its makers</source>
        <translation>O Pinewick*i jego twórcach</translation>
    </message>
    <message>
        <source>Close the help*Click here</source>
        <translation>Zamknij pomoc*Kliknij tutaj</translation>
    </message>
    <message>
        <source>Click the ribbon*and type a greeting*Ctrl+Z undo Ctrl+Y redo</source>
        <translation>Kliknij wstęgę*i wpisz życzenia*Ctrl+Z cofnij Ctrl+Y ponów</translation>
    </message>
    <message>
        <source>Send your tree*by e-mail or print it</source>
        <translation>Wyślij choinkę*e-mailem lub ją wydrukuj</translation>
    </message>
    <message>
        <source>Click: next song*Right click: silence</source>
        <translation>Klik: następna kolęda*Prawy klik: cisza</translation>
    </message>
    <message>
        <source>Right-click a toy*to take it off the tree*or press Delete near it</source>
        <translation>Prawy klik na ozdobie*zdejmuje ją z choinki*albo Delete obok niej</translation>
    </message>
    <message>
        <source>Hold the left button*or Page Up/Down: turn*Double-click: it spins</source>
        <translation>Przytrzymaj lewy przycisk*lub PgUp/PgDn: obrót*Dwuklik: sama się kręci</translation>
    </message>
    <message>
        <source>Choose the 3D driver*that draws the tree</source>
        <translation>Wybierz sterownik 3D*który rysuje choinkę</translation>
    </message>
    <message>
        <source>Font and colour*of the greeting</source>
        <translation>Czcionka i kolor*życzeń</translation>
    </message>
    <message>
        <source>Open a case and drag*a toy onto the tree*or Tab to it and Enter</source>
        <translation>Otwórz pudełko,*przeciągnij ozdobę*na choinkę (Tab, Enter)</translation>
    </message>
    <message>
        <source>Exit Pinewick</source>
        <translation>Zamknij Pinewick</translation>
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
        <translation>Niestety ten program współpracuje tylko z:
 * Thunderbird
 * Evolution
 * msmtp
 * git send-email
 * lokalnym serwerem poczty</translation>
    </message>
    <message>
        <source>the account&apos;s password command did not finish within %1 seconds and was stopped</source>
        <translation>polecenie hasła konta nie zakończyło się w ciągu %1 s i zostało zatrzymane</translation>
    </message>
    <message>
        <source>the account&apos;s password command gave no password</source>
        <translation>polecenie hasła konta nie zwróciło hasła</translation>
    </message>
    <message>
        <source>no password for %1 at %2 in the account&apos;s settings or the keyring</source>
        <translation>brak hasła dla %1 na %2 w ustawieniach konta i w bazie kluczy</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An error (%1) and what the server or the connection said of it (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>znak sterujący</translation>
    </message>
    <message>
        <source>it is not valid UTF-8</source>
        <translation>nie jest poprawnym UTF-8</translation>
    </message>
    <message>
        <source>it holds an invisible or control character</source>
        <translation>zawiera niewidoczny lub sterujący znak</translation>
    </message>
    <message>
        <source>its local part (before the @) is empty</source>
        <translation>jego część lokalna (przed @) jest pusta</translation>
    </message>
    <message>
        <source>its local part is longer than %1 bytes</source>
        <translation>jego część lokalna ma ponad %1 bajtów</translation>
    </message>
    <message>
        <source>its quoted local part is not closed</source>
        <translation>jego część lokalna w cudzysłowie nie jest zamknięta</translation>
    </message>
    <message>
        <source>its quoted local part has a bad backslash</source>
        <translation>jego część lokalna w cudzysłowie ma błędny ukośnik wsteczny</translation>
    </message>
    <message>
        <source>its quoted local part has a bare quote</source>
        <translation>jego część lokalna w cudzysłowie ma samotny cudzysłów</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>zawiera znak sterujący</translation>
    </message>
    <message>
        <source>its local part has an empty part between dots</source>
        <translation>jego część lokalna ma pusty fragment między kropkami</translation>
    </message>
    <message>
        <source>its local part holds a character that needs quoting (%1)</source>
        <translation>jego część lokalna zawiera znak wymagający cudzysłowu (%1)</translation>
    </message>
    <message>
        <source>its local part ends with a dot</source>
        <translation>jego część lokalna kończy się kropką</translation>
    </message>
    <message>
        <source>its domain (after the @) is empty</source>
        <translation>jego domena (po @) jest pusta</translation>
    </message>
    <message>
        <source>its domain is longer than %1 bytes</source>
        <translation>jego domena ma ponad %1 bajtów</translation>
    </message>
    <message>
        <source>its address literal is not closed</source>
        <translation>jego adres dosłowny nie jest zamknięty</translation>
    </message>
    <message>
        <source>its address literal holds a character it may not</source>
        <translation>jego adres dosłowny zawiera niedozwolony znak</translation>
    </message>
    <message>
        <source>its domain has an empty part between dots</source>
        <translation>jego domena ma pusty fragment między kropkami</translation>
    </message>
    <message>
        <source>a part of its domain is longer than 63 bytes</source>
        <translation>część jego domeny ma ponad 63 bajty</translation>
    </message>
    <message>
        <source>a part of its domain starts or ends with a hyphen</source>
        <translation>część jego domeny zaczyna się lub kończy łącznikiem</translation>
    </message>
    <message>
        <source>its domain holds a character a host name may not (%1)</source>
        <translation>jego domena zawiera znak niedozwolony w nazwie hosta (%1)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>jest pusty</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>ma ponad %1 bajtów</translation>
    </message>
    <message>
        <source>it has no @</source>
        <translation>brakuje w nim @</translation>
    </message>
    <message>
        <source>its domain cannot be written in ASCII (IDNA): a part holds a character a domain may not, or grows beyond 63 bytes</source>
        <translation>jego domeny nie da się zapisać w ASCII (IDNA): część zawiera niedozwolony znak albo przekracza 63 bajty</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes once its domain is written in ASCII</source>
        <translation>ma ponad %1 bajtów po zapisaniu domeny w ASCII</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Sieć nie jest gotowa</translation>
    </message>
    <message>
        <source>Network down</source>
        <translation>Sieć nie działa</translation>
    </message>
    <message>
        <source>Invalid address specified</source>
        <translation>Podano nieprawidłowy adres</translation>
    </message>
    <message>
        <source>Unexpected internal error in component</source>
        <translation>Nieoczekiwany błąd wewnętrzny komponentu</translation>
    </message>
    <message>
        <source>General Winsock Error</source>
        <translation>Ogólny błąd sieci</translation>
    </message>
    <message>
        <source>Connection aborted due to timeout or other failure</source>
        <translation>Połączenie przerwane z powodu przekroczenia czasu lub innej awarii</translation>
    </message>
    <message>
        <source>Connection reset by remote side</source>
        <translation>Druga strona zresetowała połączenie</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>przekroczono czas</translation>
    </message>
    <message>
        <source>Out of sockets</source>
        <translation>Brak wolnych gniazd</translation>
    </message>
    <message>
        <source>Network unreachable</source>
        <translation>Sieć nieosiągalna</translation>
    </message>
    <message>
        <source>Address not available</source>
        <translation>Adres niedostępny</translation>
    </message>
    <message>
        <source>Connection Refused</source>
        <translation>Połączenie odrzucone</translation>
    </message>
    <message>
        <source>Address resolution error</source>
        <translation>Błąd rozwiązywania adresu</translation>
    </message>
    <message>
        <source>Host Unreachable</source>
        <translation>Host nieosiągalny</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Login failed: the server refused the user name or password</source>
        <translation>Logowanie nie powiodło się: serwer odrzucił nazwę użytkownika lub hasło</translation>
    </message>
    <message>
        <source>TLS handshake failed</source>
        <translation>Uzgadnianie TLS nie powiodło się</translation>
    </message>
    <message>
        <source>Server certificate not trusted</source>
        <translation>Certyfikat serwera nie jest zaufany</translation>
    </message>
    <message>
        <source>The server offers no STARTTLS: the mail was not sent unencrypted</source>
        <translation>Serwer nie oferuje STARTTLS: wiadomości nie wysłano bez szyfrowania</translation>
    </message>
    <message>
        <source>The server offers no login by AUTH PLAIN or AUTH LOGIN</source>
        <translation>Serwer nie oferuje logowania przez AUTH PLAIN ani AUTH LOGIN</translation>
    </message>
    <message>
        <source>An address has letters beyond ASCII before its @, and the server does not take such addresses (it offers no SMTPUTF8): the mail was not sent</source>
        <translation>Adres ma przed @ litery spoza ASCII, a serwer nie przyjmuje takich adresów (nie oferuje SMTPUTF8): wiadomości nie wysłano</translation>
    </message>
    <message>
        <source>Mail Destination Error</source>
        <translation>Błąd adresata</translation>
    </message>
    <message>
        <source>Mail Destination Error: %1</source>
        <translation>Błąd adresata: %1</translation>
    </message>
    <message>
        <source>Winsock not initiliazed</source>
        <translation>Sieć nie jest gotowa</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>serwer zamknął połączenie</translation>
    </message>
    <message>
        <source>Prematurely Disconnected</source>
        <translation>Rozłączono przedwcześnie</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Przekroczono czas połączenia</translation>
    </message>
    <message>
        <source>Unexpected response: %1</source>
        <translation>Nieoczekiwana odpowiedź: %1</translation>
    </message>
    <message>
        <source>Mail Destination Error: the server accepted no recipient (%1)</source>
        <translation>Błąd adresata: serwer nie przyjął żadnego adresata (%1)</translation>
    </message>
</context>
<context>
    <name>PaintedText</name>
    <message>
        <source>Version 1.0</source>
        <translation>Wersja 1.0</translation>
    </message>
    <message>
        <source>made by Corlune</source>
        <translation>stworzone przez Corlune</translation>
    </message>
    <message>
        <source>Built with</source>
        <translation>Zbudowano z</translation>
    </message>
    <message>
        <source>Send your tree to this e-mail address:</source>
        <extracomment>Painted above the address field, 239 pixels wide in DejaVu Sans Bold 11 px.</extracomment>
        <translation>Wyślij choinkę na ten adres:</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The label painted on a case: 54 pixels (the seventh 64) in DejaVu Sans Condensed Bold 10 px.</extracomment>
        <translation>Bombki</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Dzwonki</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Sople</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Gwiazdki</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Kulki</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Świeczki</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Czubki</translation>
    </message>
</context>
<context>
    <name>ReplacingFile</name>
    <message>
        <source>%1: not a file that can be replaced</source>
        <translation>%1: tego pliku nie można zastąpić</translation>
    </message>
    <message>
        <source>%1: no free temporary name beside it</source>
        <translation>%1: brak wolnej nazwy tymczasowej obok</translation>
    </message>
    <message>
        <source>%1: nothing was written</source>
        <translation>%1: nic nie zapisano</translation>
    </message>
</context>
<context>
    <name>SaveCard</name>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>Animowany GIF (*.gif)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>Animowany WebP (*.webp)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Film MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Obraz JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>Save card</source>
        <translation>Zapisz kartkę</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Zapisywanie %1…</translation>
    </message>
    <message>
        <source>The card could not be saved.

%1</source>
        <translation>Nie udało się zapisać kartki.

%1</translation>
    </message>
    <message>
        <source>Saved the card as %1.</source>
        <translation>Zapisano kartkę jako %1.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>%1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>%1: nadaj kartce nazwę z końcówką .jpg, .png, .gif, .webp, .mp4, .glb lub .html</translation>
    </message>
    <message>
        <source>Interactive card (*.html)</source>
        <translation>Interaktywna kartka (*.html)</translation>
    </message>
    <message>
        <source>3D model (*.glb)</source>
        <translation>Model 3D (*.glb)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>%1: give the picture a .jpg or .png name</source>
        <translation>%1: nadaj obrazkowi nazwę z końcówką .jpg lub .png</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>pinewick: the card picture could not be written: %1</source>
        <translation>pinewick: nie udało się zapisać obrazka kartki: %1</translation>
    </message>
    <message>
        <source>pinewick: to send the card with your own mail program instead, run:</source>
        <translation>pinewick: aby zamiast tego wysłać kartkę własnym programem pocztowym, uruchom:</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: no private folder could be made in %1: %2</source>
        <translation>pinewick: kartki nie wysłano: nie udało się utworzyć prywatnego folderu w %1: %2</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: %1</source>
        <translation>pinewick: kartki nie wysłano: %1</translation>
    </message>
    <message>
        <source>pinewick: no mail account found. %1</source>
        <translation>pinewick: nie znaleziono konta pocztowego. %1</translation>
    </message>
    <message>
        <source>account: %1 &lt;%2&gt; through %3:%4 (%5)</source>
        <translation>konto: %1 &lt;%2&gt; przez %3:%4 (%5)</translation>
    </message>
    <message>
        <source>pinewick: cannot log in: %1</source>
        <translation>pinewick: nie można się zalogować: %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Połączono z %1</translation>
    </message>
    <message>
        <source>Encrypted (%1)</source>
        <translation>Zaszyfrowano (%1)</translation>
    </message>
    <message>
        <source>Logged in as %1</source>
        <translation>Zalogowano jako %1</translation>
    </message>
    <message>
        <source>Recipient refused: %1 (%2)</source>
        <translation>Adresat odrzucony: %1 (%2)</translation>
    </message>
    <message>
        <source>The picture could not be read and was left out: %1</source>
        <translation>Nie udało się odczytać obrazka, pominięto go: %1</translation>
    </message>
    <message>
        <source>Sending the card (%1 KB) ...</source>
        <translation>Wysyłanie kartki (%1 KB)…</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Przyjęto: %1</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>błąd %1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1:%2 ...</source>
        <translation>Łączenie z %1:%2…</translation>
    </message>
    <message>
        <source>The note file %1 cannot be read.</source>
        <translation>Nie można odczytać pliku notatki %1.</translation>
    </message>
    <message>
        <source>The note file %1 is not a short text in UTF-8.</source>
        <translation>Plik notatki %1 nie jest krótkim tekstem w UTF-8.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these:</source>
        <translation>„%1” to może być każda z tych osób:</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>Nie wysłano do %1: %2</translation>
    </message>
    <message>
        <source>No answer after the card to %1: it may have arrived, so it is not sent again.</source>
        <translation>Brak odpowiedzi po kartce do %1: mogła dotrzeć, więc nie zostanie wysłana ponownie.</translation>
    </message>
    <message>
        <source>To send it again to those only:</source>
        <translation>Aby wysłać ją ponownie tylko do nich:</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <extracomment>The card&apos;s progress on the command line: &quot;2 of 5: Oma Ilse &lt;ilse@example.org&gt;&quot;</extracomment>
        <translation>%1 z %2: %3</translation>
    </message>
    <message>
        <source>Waits in the outbox for another try: %1 (%2)</source>
        <translation>Czeka w skrzynce nadawczej na kolejną próbę: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SendDueCommand</name>
    <message>
        <source>No card is due.</source>
        <translation>Żadna kartka nie czeka teraz na wysłanie.</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: no mail account found. %1</source>
        <translation>Kartki ze skrzynki nadawczej nie zostały wysłane: nie znaleziono konta pocztowego. %1</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: cannot log in: %1</source>
        <translation>Kartki ze skrzynki nadawczej nie zostały wysłane: nie udało się zalogować: %1</translation>
    </message>
    <message>
        <source>Your Pinewick card went out</source>
        <translation>Kartka z Pinewick została wysłana</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>Wysłano do: %1.</translation>
    </message>
    <message>
        <source>A Pinewick card could not be sent</source>
        <translation>Nie udało się wysłać kartki z Pinewick</translation>
    </message>
    <message>
        <source>Not sent to %1. The outbox in Pinewick&apos;s output dialog says why.</source>
        <translation>Nie wysłano do: %1. Powód podaje skrzynka nadawcza w oknie wysyłania Pinewick.</translation>
    </message>
    <message>
        <source>Another Pinewick is sending the outbox&apos;s cards now.</source>
        <translation>Inny Pinewick wysyła teraz kartki ze skrzynki nadawczej.</translation>
    </message>
    <message>
        <source>One card sent.</source>
        <translation>Wysłano jedną kartkę.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards sent.</source>
        <translation>
            <numerusform>Wysłano %n kartkę.</numerusform>
            <numerusform>Wysłano %n kartki.</numerusform>
            <numerusform>Wysłano %n kartek.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>Kartka nie trafiła do skrzynki nadawczej: %1</translation>
    </message>
    <message>
        <source>The card goes out on %1 to one recipient. It waits in the outbox until then.</source>
        <translation>Kartka wyjdzie %1 do jednego adresata. Do tego czasu czeka w skrzynce nadawczej.</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipients. It waits in the outbox until then.</source>
        <translation>
            <numerusform>Kartka wyjdzie %1 do %n adresata. Do tego czasu czeka w skrzynce nadawczej.</numerusform>
            <numerusform>Kartka wyjdzie %1 do %n adresatów. Do tego czasu czeka w skrzynce nadawczej.</numerusform>
            <numerusform>Kartka wyjdzie %1 do %n adresatów. Do tego czasu czeka w skrzynce nadawczej.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card could not be kept to send later: %1</source>
        <translation>Nie udało się zachować kartki do późniejszego wysłania: %1</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Brak połączenia — Pinewick wyśle ją, gdy tylko będzie mógł.</translation>
    </message>
</context>
<context>
    <name>SnapshotCommand</name>
    <message>
        <source>[%1] %2/%3 frames</source>
        <extracomment>A progress bar (%1), the frames made (%2) and all the frames (%3).</extracomment>
        <translation>[%1] %2/%3 klatek</translation>
    </message>
    <message>
        <source>%1: %2 KB in %3 s</source>
        <extracomment>The file written, its size and the time it took.</extracomment>
        <translation>%1: %2 KB w %3 s</translation>
    </message>
    <message>
        <source>pinewick: %1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>pinewick: %1: nadaj kartce nazwę z końcówką .jpg, .png, .gif, .webp, .mp4, .glb lub .html</translation>
    </message>
</context>
<context>
    <name>StartOutbox</name>
    <message>
        <source>One card went out while Pinewick was closed.</source>
        <translation>Jedna kartka wyszła, gdy Pinewick był zamknięty.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards went out while Pinewick was closed.</source>
        <translation>
            <numerusform>%n kartka wyszła, gdy Pinewick był zamknięty.</numerusform>
            <numerusform>%n kartki wyszły, gdy Pinewick był zamknięty.</numerusform>
            <numerusform>%n kartek wyszło, gdy Pinewick był zamknięty.</numerusform>
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
        <translation>Niestety ten program wymaga jednego z trybów ekranu:
  * HiColor   (16 bitów)
  * TrueColor (24 bity)

Twój ekran ma %1 bitów

Program zatrzymany</translation>
    </message>
    <message>
        <source>You have a OpenGL %1.%2</source>
        <translation>Masz OpenGL %1.%2</translation>
    </message>
    <message>
        <source>You haven&apos;t OpenGL</source>
        <translation>Nie masz OpenGL</translation>
    </message>
    <message>
        <source>Sorry, but this program needs OpenGL 3.3 or more

%1

OpenGL 3.3 is located on &quot;https://www.mesa3d.org&quot;

Program stopped</source>
        <translation>Niestety ten program wymaga OpenGL 3.3 lub nowszego

%1

OpenGL 3.3 znajdziesz na „https://www.mesa3d.org”

Program zatrzymany</translation>
    </message>
</context>
<context>
    <name>TD3DScene</name>
    <message>
        <source>DirectX error</source>
        <translation>Błąd grafiki</translation>
    </message>
</context>
<context>
    <name>TDecorationHistory</name>
    <message>
        <source>Hang toy</source>
        <translation>Zawieś ozdobę</translation>
    </message>
    <message>
        <source>Remove toy</source>
        <translation>Zdejmij ozdobę</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>Qt: windows, controls, fonts, pictures and printing</source>
        <translation>Qt: okna, kontrolki, czcionki, obrazy i drukowanie</translation>
    </message>
    <message>
        <source>Mesa: OpenGL through EGL, on any graphics card or none</source>
        <translation>Mesa: OpenGL przez EGL, z każdą kartą graficzną lub bez niej</translation>
    </message>
    <message>
        <source>OpenSSL: keeps the mailed card private on its way</source>
        <translation>OpenSSL: wysłana kartka pozostaje prywatna w drodze</translation>
    </message>
    <message>
        <source>GLM: the vector and matrix arithmetic of the scene</source>
        <translation>GLM: rachunek wektorów i macierzy sceny</translation>
    </message>
    <message>
        <source>SDL_mixer: plays the carols and the sounds</source>
        <translation>SDL_mixer: gra kolędy i dźwięki</translation>
    </message>
    <message>
        <source>FluidSynth: turns the carols&apos; notes into music</source>
        <translation>FluidSynth: zamienia nuty kolęd w muzykę</translation>
    </message>
    <message>
        <source>FFmpeg: plays the opening film</source>
        <translation>FFmpeg: odtwarza film na powitanie</translation>
    </message>
    <message>
        <source>Do you want to exit ?</source>
        <translation>Zakończyć program?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFormOut</name>
    <message>
        <source>E-Mail address</source>
        <translation>Adres e-mail</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>E-Mail the Pinewick</source>
        <translation>Wyślij Pinewick e-mailem</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Print of the Pinewick</source>
        <translation>Wydrukuj Pinewick</translation>
    </message>
    <message>
        <source>Save card…</source>
        <translation>Zapisz…</translation>
    </message>
    <message>
        <source>Save the card as a picture or an animation</source>
        <translation>Zapisz kartkę jako obrazek lub animację</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Animated card</source>
        <translation>Ruchoma kartka</translation>
    </message>
    <message>
        <source>Mail the turning tree as an animated picture</source>
        <translation>Wyślij obracającą się choinkę jako animowany obrazek</translation>
    </message>
    <message>
        <source>No private folder for the card picture could be made in %1: %2</source>
        <translation>Nie udało się utworzyć w %1 prywatnego folderu na obrazek kartki: %2</translation>
    </message>
    <message>
        <source>There is no card to send.</source>
        <translation>Nie ma kartki do wysłania.</translation>
    </message>
    <message>
        <source>Making the animated card…</source>
        <translation>Tworzenie ruchomej kartki…</translation>
    </message>
    <message>
        <source>The card was not sent: %1</source>
        <translation>Kartki nie wysłano: %1</translation>
    </message>
    <message>
        <source>Mail sended</source>
        <translation>Wiadomość wysłana</translation>
    </message>
    <message>
        <source>Open your own mail program to send the card?</source>
        <translation>Otworzyć własny program pocztowy, aby wysłać kartkę?</translation>
    </message>
    <message>
        <source>The card picture could not be written: %1</source>
        <translation>Nie udało się zapisać obrazka kartki: %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Nie udało się uruchomić drukarki.</translation>
    </message>
    <message>
        <source>Your mail program could not be opened: %1

The card is saved as %2; you can attach it to a mail yourself.</source>
        <translation>Nie udało się otworzyć programu pocztowego: %1

Kartka jest zapisana jako %2; możesz sam dołączyć ją do wiadomości.</translation>
    </message>
    <message>
        <source>Set up your account in one of these, or save the card and attach it to a mail yourself.</source>
        <translation>Skonfiguruj konto w jednym z nich albo zapisz kartkę i sam dołącz ją do wiadomości.</translation>
    </message>
    <message>
        <source>Sending %1 of %2…</source>
        <translation>Wysyłanie %1 z %2…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Wysyłanie…</translation>
    </message>
    <message>
        <source>E-mail addresses or names from your address books, separated by commas</source>
        <translation>Adresy e-mail lub nazwiska z książek adresowych, rozdzielone przecinkami</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Notatka…</translation>
    </message>
    <message>
        <source>Write a personal note under the card</source>
        <translation>Napisz osobistą notatkę pod kartką</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>See the mail as its first recipient will see it</source>
        <translation>Zobacz wiadomość tak, jak zobaczy ją pierwszy adresat</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these. Choose one from the list:
%2</source>
        <translation>„%1” to może być każda z tych osób. Wybierz jedną z listy:
%2</translation>
    </message>
    <message>
        <source>Note ✓</source>
        <translation>Notatka ✓</translation>
    </message>
    <message>
        <source>(nobody yet)</source>
        <translation>(jeszcze nikt)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The card went to %1 of %n recipients.</source>
        <translation>
            <numerusform>Kartka dotarła do %1 z %n adresata.</numerusform>
            <numerusform>Kartka dotarła do %1 z %n adresatów.</numerusform>
            <numerusform>Kartka dotarła do %1 z %n adresatów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent to:</source>
        <translation>Wysłano do:</translation>
    </message>
    <message>
        <source>Not sent to:</source>
        <translation>Nie wysłano do:</translation>
    </message>
    <message>
        <source>No answer after the card to these; it may have arrived, so it is not sent again:</source>
        <translation>Brak odpowiedzi po kartce do tych osób; mogła dotrzeć, więc nie zostanie wysłana ponownie:</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Wyślij ponownie</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Brak połączenia — Pinewick wyśle ją, gdy tylko będzie mógł.</translation>
    </message>
    <message>
        <source>Send on…</source>
        <translation>Wyślij dnia…</translation>
    </message>
    <message>
        <source>Send the card on a day and at a time you choose</source>
        <translation>Wyślij kartkę w wybranym dniu i o wybranej godzinie</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>Wysyłka…</translation>
    </message>
    <message>
        <source>The cards waiting to go out, and those sent</source>
        <translation>Kartki czekające na wysłanie i te wysłane</translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>Kartka nie trafiła do skrzynki nadawczej: %1</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipient(s). It waits in the outbox until then.</source>
        <translation>
            <numerusform>Kartka wyjdzie %1 do %n adresata. Do tego czasu czeka w skrzynce nadawczej.</numerusform>
            <numerusform>Kartka wyjdzie %1 do %n adresatów. Do tego czasu czeka w skrzynce nadawczej.</numerusform>
            <numerusform>Kartka wyjdzie %1 do %n adresatów. Do tego czasu czeka w skrzynce nadawczej.</numerusform>
        </translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can to:</source>
        <translation>Brak połączenia — Pinewick wyśle ją, gdy tylko będzie mógł, do:</translation>
    </message>
    <message>
        <source>Interactive card</source>
        <translation>Kartka interaktywna</translation>
    </message>
    <message>
        <source>Send the card as a web page too, where the tree can be turned</source>
        <translation>Wyślij kartkę także jako stronę WWW, na której można obracać choinkę</translation>
    </message>
</context>
<context>
    <name>TFormSetup</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Drivers</source>
        <extracomment>The title of the list of 3D drivers.</extracomment>
        <translation>Sterowniki</translation>
    </message>
</context>
<context>
    <name>TFormTitle</name>
    <message>
        <source>Do you want to create %1 shortcut
on your desktop ?</source>
        <translation>Utworzyć skrót do %1
na pulpicie?</translation>
    </message>
</context>
<context>
    <name>TFormTree</name>
    <message>
        <source>big ball</source>
        <extracomment>One toy of a case, as a screen reader names it after its colour.</extracomment>
        <translation>duża bombka</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>dzwonek</translation>
    </message>
    <message>
        <source>icicle</source>
        <translation>sopel</translation>
    </message>
    <message>
        <source>star</source>
        <translation>gwiazdka</translation>
    </message>
    <message>
        <source>small ball</source>
        <translation>mała bombka</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>świeczka</translation>
    </message>
    <message>
        <source>tree top</source>
        <translation>czubek</translation>
    </message>
    <message>
        <source>Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>Strzałki przesuwają celownik; Delete zdejmuje najbliższą ozdobę; Page Up i Page Down obracają choinkę</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Życzenia</translation>
    </message>
    <message>
        <source>Enter starts and ends typing; Ctrl+Z undoes</source>
        <translation>Enter zaczyna i kończy pisanie; Ctrl+Z cofa</translation>
    </message>
    <message>
        <source>Case of toys: Enter shows its toys</source>
        <translation>Pudełko ozdób: Enter pokazuje jego ozdoby</translation>
    </message>
    <message>
        <source>Enter picks it up; the arrow keys carry it over the tree; Enter hangs it, Escape puts it back</source>
        <translation>Enter ją podnosi; strzałki niosą ją nad choinkę; Enter ją wiesza, Escape odkłada</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A toy&apos;s colour (%1, such as &quot;Red&quot;) and kind (%2, such as &quot;big ball&quot;).</extracomment>
        <translation>%2, %1</translation>
    </message>
    <message>
        <source>Send Pinewick</source>
        <translation>Wyślij Pinewick</translation>
    </message>
    <message>
        <source>Fill in the text of greeting</source>
        <translation>Wpisz treść życzeń</translation>
    </message>
    <message>
        <source>Music switch</source>
        <translation>Muzyka wł./wył.</translation>
    </message>
    <message>
        <source>Change 3D driver</source>
        <translation>Zmień sterownik 3D</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The seven cases of toys along the bottom of the window.</extracomment>
        <translation>Bombki</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Dzwonki</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Sople</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Gwiazdki</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Kulki</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Świeczki</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Czubki</translation>
    </message>
    <message>
        <source>An empty tree is shown. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>Pokazano pustą choinkę. Twój plik zostaje bez zmian i nie zostanie nadpisany; zmiany z tej sesji nie zostaną zapisane.</translation>
    </message>
    <message>
        <source>The decoration that comes with Pinewick is shown instead. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>Zamiast tego pokazano dekorację dołączoną do Pinewick. Twój plik zostaje bez zmian i nie zostanie nadpisany; zmiany z tej sesji nie zostaną zapisane.</translation>
    </message>
    <message>
        <source>Your decoration could not be saved:
%1

Free some space or fix the folder&apos;s permissions, then try again.</source>
        <translation>Nie udało się zapisać Twojej dekoracji:
%1

Zwolnij trochę miejsca lub popraw uprawnienia folderu i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Quit without saving</source>
        <translation>Zakończ bez zapisywania</translation>
    </message>
    <message>
        <source>Target off the tree.</source>
        <translation>Celownik poza choinką.</translation>
    </message>
    <message>
        <source>Target on the tree.</source>
        <translation>Celownik na choince.</translation>
    </message>
    <message>
        <source>Target on a toy.</source>
        <translation>Celownik na ozdobie.</translation>
    </message>
    <message>
        <source>%1 Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>%1 Strzałki przesuwają celownik; Delete zdejmuje najbliższą ozdobę; Page Up i Page Down obracają choinkę</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Te życzenia są za długie, by dobrze się czytały na wstędze.</translation>
    </message>
    <message>
        <source>Fir tree with 1 ornament</source>
        <translation>Choinka z 1 ozdobą</translation>
    </message>
    <message numerus="yes">
        <source>Fir tree with %n ornaments</source>
        <translation>
            <numerusform>Choinka z %n ozdobą</numerusform>
            <numerusform>Choinka z %n ozdobami</numerusform>
            <numerusform>Choinka z %n ozdobami</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormWelcome</name>
    <message>
        <source>Text of greeting</source>
        <translation>Treść życzeń</translation>
    </message>
    <message>
        <source>Font select</source>
        <translation>Wybór czcionki</translation>
    </message>
    <message>
        <source>Font style select</source>
        <translation>Wybór stylu</translation>
    </message>
    <message>
        <source>Color select</source>
        <translation>Wybór koloru</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>too long for the ribbon</source>
        <translation>za długie na wstęgę</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Te życzenia są za długie, by dobrze się czytały na wstędze.</translation>
    </message>
</context>
<context>
    <name>TNoteDialog</name>
    <message>
        <source>A note under the card. {name} becomes each recipient&apos;s first name.</source>
        <translation>Notatka pod kartką. {name} staje się imieniem każdego adresata.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message numerus="yes">
        <source>Characters left: %n</source>
        <translation>
            <numerusform>Został %n znak</numerusform>
            <numerusform>Zostały %n znaki</numerusform>
            <numerusform>Zostało %n znaków</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOutboxWindow</name>
    <message>
        <source>Cards waiting to go out, and cards sent in the last year</source>
        <translation>Kartki czekające na wysłanie i kartki wysłane w ostatnim roku</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Adresaci</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Wyślij teraz</translation>
    </message>
    <message>
        <source>Change time…</source>
        <translation>Zmień czas…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Waiting: tried again at %1 (%2)</source>
        <translation>Czeka: ponowna próba o %1 (%2)</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Zaplanowana</translation>
    </message>
    <message numerus="yes">
        <source>Sent to all %n</source>
        <translation>
            <numerusform>Wysłano do %n</numerusform>
            <numerusform>Wysłano do wszystkich %n</numerusform>
            <numerusform>Wysłano do wszystkich %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent to %1 of %n</source>
        <translation>
            <numerusform>Wysłano do %1 z %n</numerusform>
            <numerusform>Wysłano do %1 z %n</numerusform>
            <numerusform>Wysłano do %1 z %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Pinewick is sending cards just now. Try again in a moment.</source>
        <translation>Pinewick właśnie wysyła kartki. Spróbuj za chwilę.</translation>
    </message>
    <message>
        <source>Delete the card to %1? It will not be sent.</source>
        <translation>Usunąć kartkę do %1? Nie zostanie wysłana.</translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>Password for %1 at %2:</source>
        <translation>Hasło dla %1 na %2:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Remember</source>
        <translation>Zapamiętaj</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring</source>
        <translation>Przechowuj hasło w bazie kluczy pulpitu</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TPreviewDialog</name>
    <message>
        <source>To: %1
Subject: %2</source>
        <translation>Do: %1
Temat: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TSendLaterDialog</name>
    <message>
        <source>Send the card on:</source>
        <translation>Wyślij kartkę dnia:</translation>
    </message>
    <message>
        <source>Date and time to send the card</source>
        <translation>Data i godzina wysłania kartki</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>WebCard</name>
    <message>
        <source>%1: three.js can&apos;t be read (is libjs-three installed?)</source>
        <translation>%1: nie można odczytać three.js (czy libjs-three jest zainstalowany?)</translation>
    </message>
    <message>
        <source>A decorated fir tree that turns, under the greeting “%1”. Drag it to turn it.</source>
        <extracomment>The described picture of the interactive card, for readers that can&apos;t see it; %1 is the greeting.</extracomment>
        <translation>Ubrana choinka, która się obraca, pod życzeniami „%1”. Przeciągnij, aby ją obrócić.</translation>
    </message>
</context>
<context>
    <name>mail</name>
    <message>
        <source>the card&apos;s picture was not found.</source>
        <translation>nie znaleziono obrazka kartki.</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop.</source>
        <translation>na tym pulpicie nie skonfigurowano programu pocztowego.</translation>
    </message>
    <message>
        <source>the card&apos;s picture could not be read.</source>
        <translation>nie udało się odczytać obrazka kartki.</translation>
    </message>
    <message>
        <source>xdg-email ended with the error status %1.</source>
        <translation>xdg-email zakończył się kodem błędu %1.</translation>
    </message>
    <message>
        <source>xdg-email stopped unexpectedly.</source>
        <translation>xdg-email nieoczekiwanie przestał działać.</translation>
    </message>
    <message>
        <source>xdg-email could not be started (it comes with the package xdg-utils).</source>
        <translation>nie udało się uruchomić xdg-email (jest w pakiecie xdg-utils).</translation>
    </message>
    <message>
        <source>Type the address the card goes to.</source>
        <translation>Wpisz adres, na który ma trafić kartka.</translation>
    </message>
    <message>
        <source>The card cannot go to this address: %1.</source>
        <translation>Kartka nie może trafić na ten adres: %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 ma ponad %2 bajtów</translation>
    </message>
</context>
<context>
    <name>mail::Outbox</name>
    <message>
        <source>The card has no recipients.</source>
        <translation>Kartka nie ma adresatów.</translation>
    </message>
    <message>
        <source>The outbox folder %1 could not be made.</source>
        <translation>Nie udało się utworzyć folderu skrzynki nadawczej %1.</translation>
    </message>
    <message>
        <source>The card could not be moved into the outbox %1.</source>
        <translation>Nie udało się przenieść kartki do skrzynki nadawczej %1.</translation>
    </message>
    <message>
        <source>the message for %1 is missing</source>
        <translation>brakuje wiadomości dla %1</translation>
    </message>
    <message>
        <source>A damaged card in the outbox was set aside in %1: %2</source>
        <translation>Uszkodzoną kartkę ze skrzynki nadawczej odłożono do %1: %2</translation>
    </message>
</context>
<context>
    <name>mail::OutboxCard</name>
    <message>
        <source>the state file is not readable (%1)</source>
        <translation>nie można odczytać pliku stanu (%1)</translation>
    </message>
    <message>
        <source>the state file has an unknown version</source>
        <translation>plik stanu ma nieznaną wersję</translation>
    </message>
    <message>
        <source>the state file has a damaged time or subject</source>
        <translation>plik stanu ma uszkodzony czas lub temat</translation>
    </message>
    <message>
        <source>the state file names no recipients</source>
        <translation>plik stanu nie wymienia adresatów</translation>
    </message>
    <message>
        <source>the state file has a damaged recipient</source>
        <translation>plik stanu ma uszkodzonego adresata</translation>
    </message>
</context>
<context>
    <name>mail::OutboxSender</name>
    <message>
        <source>Sending &quot;%1&quot; to %n recipient(s) ...</source>
        <translation>Wysyłanie „%1”, adresaci: %n…</translation>
    </message>
    <message>
        <source>Sent to %1</source>
        <translation>Wysłano do %1</translation>
    </message>
    <message>
        <source>Perhaps not sent to %1 (the server did not answer): %2</source>
        <translation>Być może nie wysłano do %1 (serwer nie odpowiedział): %2</translation>
    </message>
    <message>
        <source>Not sent to %1, tried again at %2: %3</source>
        <translation>Nie wysłano do %1, ponowna próba o %2: %3</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>Nie wysłano do %1: %2</translation>
    </message>
</context>
<context>
    <name>mail::SendTime</name>
    <message>
        <source>&quot;%1&quot; is not a date and time such as &quot;2026-12-24 08:00&quot;.</source>
        <translation>„%1” to nie data i godzina w rodzaju „2026-12-24 08:00”.</translation>
    </message>
    <message>
        <source>The time to send the card must be at least a minute from now.</source>
        <translation>Kartkę można wysłać najwcześniej za minutę.</translation>
    </message>
    <message>
        <source>The time to send the card must be at most a year from now.</source>
        <translation>Kartkę można wysłać najpóźniej za rok.</translation>
    </message>
</context>
</TS>
