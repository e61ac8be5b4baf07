<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AddressBookText</name>
    <message>
        <source>line %1: a contact without an address, skipped</source>
        <translation>riga %1: un contatto senza indirizzo, saltato</translation>
    </message>
    <message>
        <source>line %1: more than %2 contacts, the rest skipped</source>
        <translation>riga %1: più di %2 contatti, il resto saltato</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no mail address, skipped</source>
        <translation>riga %1: «%2» non è un indirizzo e-mail, saltato</translation>
    </message>
    <message>
        <source>More than %1 addresses in the address books: the rest are left out.</source>
        <translation>Più di %1 indirizzi nelle rubriche: gli altri restano fuori.</translation>
    </message>
    <message>
        <source>not a regular file, skipped</source>
        <translation>non è un file normale, saltato</translation>
    </message>
    <message>
        <source>larger than 64 MiB, skipped</source>
        <translation>più di 64 MiB, saltato</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>contact %1: %2</source>
        <translation>contatto %1: %2</translation>
    </message>
    <message>
        <source>more than %1 contacts, the rest skipped</source>
        <translation>più di %1 contatti, il resto saltato</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>illeggibile (%1)</translation>
    </message>
    <message>
        <source>holds no contacts table</source>
        <translation>non contiene alcuna tabella di contatti</translation>
    </message>
    <message>
        <source>more than %1 address books, the rest skipped</source>
        <translation>più di %1 rubriche, il resto saltato</translation>
    </message>
    <message>
        <source>line %1: an alias without an address, skipped</source>
        <translation>riga %1: un alias senza indirizzo, saltato</translation>
    </message>
    <message>
        <source>line %1: more than %2 aliases, the rest skipped</source>
        <translation>riga %1: più di %2 alias, il resto saltato</translation>
    </message>
    <message>
        <source>line %1: longer than 64 KiB, skipped</source>
        <translation>riga %1: più lunga di 64 KiB, saltata</translation>
    </message>
    <message>
        <source>sources itself (a loop), not read again</source>
        <translation>include sé stesso (un ciclo), non riletto</translation>
    </message>
    <message>
        <source>sourced more than %1 files deep or beyond %2 files, not read</source>
        <translation>incluso oltre %1 livelli o oltre %2 file, non letto</translation>
    </message>
    <message numerus="yes">
        <source>%n more problem(s) not shown</source>
        <translation>
            <numerusform>%n altro problema non mostrato</numerusform>
            <numerusform>altri %n problemi non mostrati</numerusform>
        </translation>
    </message>
    <message>
        <source>more than %1 entries, the rest skipped</source>
        <translation>più di %1 voci, il resto saltato</translation>
    </message>
    <message>
        <source>card %1: %2</source>
        <translation>scheda %1: %2</translation>
    </message>
    <message>
        <source>folders nested deeper than %1 are not searched</source>
        <translation>le cartelle annidate oltre %1 livelli non vengono cercate</translation>
    </message>
    <message>
        <source>more than %1 files or 256 MiB of contacts, the rest skipped</source>
        <translation>più di %1 file o 256 MiB di contatti, il resto saltato</translation>
    </message>
    <message>
        <source>line %1: longer than 1 MiB, skipped</source>
        <translation>riga %1: più lunga di 1 MiB, saltata</translation>
    </message>
    <message>
        <source>line %1: not a vCard line, skipped</source>
        <translation>riga %1: non è una riga vCard, saltata</translation>
    </message>
    <message>
        <source>line %1: the card has no END:VCARD</source>
        <translation>riga %1: alla scheda manca END:VCARD</translation>
    </message>
    <message>
        <source>line %1: more than %2 cards, the rest skipped</source>
        <translation>riga %1: più di %2 schede, il resto saltato</translation>
    </message>
</context>
<context>
    <name>CardCommand</name>
    <message>
        <source>pinewick: %1: no window picture; using a plain background</source>
        <translation>pinewick: %1: nessuna immagine della finestra; si usa uno sfondo semplice</translation>
    </message>
    <message>
        <source>pinewick: no OpenGL device to draw the tree; no card made</source>
        <translation>pinewick: nessun dispositivo OpenGL per disegnare l’albero; nessun biglietto creato</translation>
    </message>
    <message>
        <source>pinewick: the tree mesh could not be read (%1); no card made</source>
        <translation>pinewick: impossibile leggere la mesh dell’albero (%1); nessun biglietto creato</translation>
    </message>
</context>
<context>
    <name>CardMail</name>
    <message>
        <source>Made with Pinewick, the greeting tree for your desktop.</source>
        <translation>Fatto con Pinewick, l’albero degli auguri per il tuo desktop.</translation>
    </message>
    <message>
        <source>The card picture could not be written to %1.</source>
        <translation>Impossibile scrivere l’immagine del biglietto in %1.</translation>
    </message>
    <message>
        <source>Open the attached Pinewick.html in a web browser to turn the tree.</source>
        <translation>Apri l’allegato Pinewick.html in un browser web per far girare l’albero.</translation>
    </message>
</context>
<context>
    <name>CardNote</name>
    <message>
        <source>The note has %1 characters; a note holds at most %2.</source>
        <translation>La nota ha %1 caratteri; una nota ne contiene al massimo %2.</translation>
    </message>
</context>
<context>
    <name>CardRecipients</name>
    <message>
        <source>Nobody in your address books is called &quot;%1&quot;.</source>
        <translation>Nelle tue rubriche nessuno si chiama «%1».</translation>
    </message>
    <message numerus="yes">
        <source>A card goes to at most %n recipients at a time.</source>
        <translation>
            <numerusform>Un biglietto va al massimo a %n destinatario alla volta.</numerusform>
            <numerusform>Un biglietto va al massimo a %n destinatari alla volta.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turchese</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--send needs an e-mail address</source>
        <translation>--send richiede un indirizzo e-mail</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>--snapshot needs a file name (.jpg, .png, .gif, .webp, .mp4, .glb or .html)</source>
        <translation>--snapshot richiede un nome di file (.jpg, .png, .gif, .webp, .mp4, .glb o .html)</translation>
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
        <translation>Uso: pinewick [-DEBUG]
     pinewick --check [FILE]
     pinewick --snapshot FILE
     pinewick --send DESTINATARI... [--note TESTO | --note-file FILE] [--at ORA]
                     [--animated] [--verbose]
     pinewick --send-due [--verbose]
     pinewick --version

  -DEBUG             salta la sequenza del titolo
  --check [FILE]     legge un file di descrizione (predefinito: Data/desc della cartella personale)
                     e lo stampa come lo scrive Pinewick; errori come FILE:RIGA: messaggio, stato 1
  --snapshot FILE    scrive l’immagine d’auguri (sfondo, saluto, albero decorato) che Pinewick
                     spedisce e stampa; non serve uno schermo. Un FILE .gif, .webp o .mp4 contiene
                     il biglietto animato: l’albero fa un giro completo, in loop; un FILE .glb
                     l’albero in 3D (glTF); un FILE .html il biglietto come pagina web il cui
                     albero gira da solo e quando lo si trascina
  --send DESTINATARI
                     spedisce l’immagine dal tuo account di posta (Thunderbird, Evolution, msmtp,
                     git send-email o un server di posta locale); DESTINATARI: indirizzi,
                     «Nome &lt;indirizzo&gt;» o nomi dalle tue rubriche, separati da virgole o punti e
                     virgola, --send si può ripetere; ogni destinatario riceve un messaggio suo.
                     Mostra l’avanzamento e chi ha ricevuto il biglietto; stato 0 solo se il
                     messaggio di ogni destinatario è stato accettato
  --note TESTO, --note-file FILE
                     con --send: una nota personale sotto il biglietto (al massimo 2000 caratteri);
                     {name} diventa il nome di ogni destinatario
  --at ORA           con --send: prepara ora il biglietto e lo spedisce all’ORA («2026-12-24 08:00»,
                     ora locale salvo fuso indicato; da un minuto a un anno dopo); attende nella
                     posta in uscita, ~/.local/share/pinewick/outbox
  --send-due         spedisce i biglietti in uscita giunti all’ora e termina (stato 0: tutti
                     spediti, 75: alcuni attendono un nuovo tentativo, 1: alcuni rifiutati o
                     abbandonati)
  --animated         con --send: il biglietto nel messaggio è l’albero che gira (una GIF animata);
                     l’immagine fissa va come allegato
  --verbose          con --send: mostra tutta la conversazione con il server di posta
  --version          stampa la versione di Pinewick</translation>
    </message>
</context>
<context>
    <name>DefaultGreeting</name>
    <message>
        <source>Merry Christmas and a Happy New Year!</source>
        <extracomment>The greeting a new decoration starts with. Written across the top of the card in a script font: a short, warm wish for Christmas and the new year.</extracomment>
        <translation>Buon Natale e felice anno nuovo!</translation>
    </message>
</context>
<context>
    <name>HelpScript</name>
    <message>
        <source>About Pinewick*and its makers</source>
        <translation>Info su Pinewick*e i suoi autori</translation>
    </message>
    <message>
        <source>Close the help*Click here</source>
        <translation>Chiudi l’aiuto*Fai clic qui</translation>
    </message>
    <message>
        <source>Click the ribbon*and type a greeting*Ctrl+Z undo Ctrl+Y redo</source>
        <translation>Fai clic sul nastro*e scrivi un augurio*Ctrl+Z/Y annulla/ripete</translation>
    </message>
    <message>
        <source>Send your tree*by e-mail or print it</source>
        <translation>Spedisci il tuo albero*per e-mail o stampalo</translation>
    </message>
    <message>
        <source>Click: next song*Right click: silence</source>
        <translation>Clic: canzone dopo*Clic destro: silenzio</translation>
    </message>
    <message>
        <source>Right-click a toy*to take it off the tree*or press Delete near it</source>
        <translation>Clic destro su un addobbo*per toglierlo dall’albero*o Canc lì vicino</translation>
    </message>
    <message>
        <source>Hold the left button*or Page Up/Down: turn*Double-click: it spins</source>
        <translation>Tieni premuto il sinistro*o PagSu/PagGiù: ruota*Doppio clic: gira da solo</translation>
    </message>
    <message>
        <source>Choose the 3D driver*that draws the tree</source>
        <translation>Scegli il driver 3D*che disegna l’albero</translation>
    </message>
    <message>
        <source>Font and colour*of the greeting</source>
        <translation>Carattere e colore*dell’augurio</translation>
    </message>
    <message>
        <source>Open a case and drag*a toy onto the tree*or Tab to it and Enter</source>
        <translation>Apri una scatola e trascina*un addobbo sull’albero*o Tab fin lì e Invio</translation>
    </message>
    <message>
        <source>Exit Pinewick</source>
        <translation>Esci da Pinewick</translation>
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
        <translation>Spiacenti, questo programma funziona solo con:
 * Thunderbird
 * Evolution
 * msmtp
 * git send-email
 * un server di posta locale</translation>
    </message>
    <message>
        <source>the account&apos;s password command did not finish within %1 seconds and was stopped</source>
        <translation>il comando della password dell’account non è finito entro %1 secondi ed è stato fermato</translation>
    </message>
    <message>
        <source>the account&apos;s password command gave no password</source>
        <translation>il comando della password dell’account non ha dato alcuna password</translation>
    </message>
    <message>
        <source>no password for %1 at %2 in the account&apos;s settings or the keyring</source>
        <translation>nessuna password per %1 su %2 nelle impostazioni dell’account o nel portachiavi</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An error (%1) and what the server or the connection said of it (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un carattere di controllo</translation>
    </message>
    <message>
        <source>it is not valid UTF-8</source>
        <translation>non è UTF-8 valido</translation>
    </message>
    <message>
        <source>it holds an invisible or control character</source>
        <translation>contiene un carattere invisibile o di controllo</translation>
    </message>
    <message>
        <source>its local part (before the @) is empty</source>
        <translation>la sua parte locale (prima della @) è vuota</translation>
    </message>
    <message>
        <source>its local part is longer than %1 bytes</source>
        <translation>la sua parte locale supera i %1 byte</translation>
    </message>
    <message>
        <source>its quoted local part is not closed</source>
        <translation>la sua parte locale tra virgolette non è chiusa</translation>
    </message>
    <message>
        <source>its quoted local part has a bad backslash</source>
        <translation>la sua parte locale tra virgolette ha una barra rovesciata errata</translation>
    </message>
    <message>
        <source>its quoted local part has a bare quote</source>
        <translation>la sua parte locale tra virgolette ha una virgoletta isolata</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>its local part has an empty part between dots</source>
        <translation>la sua parte locale ha un tratto vuoto tra due punti</translation>
    </message>
    <message>
        <source>its local part holds a character that needs quoting (%1)</source>
        <translation>la sua parte locale contiene un carattere da mettere tra virgolette (%1)</translation>
    </message>
    <message>
        <source>its local part ends with a dot</source>
        <translation>la sua parte locale finisce con un punto</translation>
    </message>
    <message>
        <source>its domain (after the @) is empty</source>
        <translation>il suo dominio (dopo la @) è vuoto</translation>
    </message>
    <message>
        <source>its domain is longer than %1 bytes</source>
        <translation>il suo dominio supera i %1 byte</translation>
    </message>
    <message>
        <source>its address literal is not closed</source>
        <translation>il suo indirizzo letterale non è chiuso</translation>
    </message>
    <message>
        <source>its address literal holds a character it may not</source>
        <translation>il suo indirizzo letterale contiene un carattere non ammesso</translation>
    </message>
    <message>
        <source>its domain has an empty part between dots</source>
        <translation>il suo dominio ha un tratto vuoto tra due punti</translation>
    </message>
    <message>
        <source>a part of its domain is longer than 63 bytes</source>
        <translation>una parte del suo dominio supera i 63 byte</translation>
    </message>
    <message>
        <source>a part of its domain starts or ends with a hyphen</source>
        <translation>una parte del suo dominio inizia o finisce con un trattino</translation>
    </message>
    <message>
        <source>its domain holds a character a host name may not (%1)</source>
        <translation>il suo dominio contiene un carattere non ammesso in un nome host (%1)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>supera i %1 byte</translation>
    </message>
    <message>
        <source>it has no @</source>
        <translation>manca la @</translation>
    </message>
    <message>
        <source>its domain cannot be written in ASCII (IDNA): a part holds a character a domain may not, or grows beyond 63 bytes</source>
        <translation>il suo dominio non si può scrivere in ASCII (IDNA): una parte contiene un carattere non ammesso o supera i 63 byte</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes once its domain is written in ASCII</source>
        <translation>supera i %1 byte quando il dominio è scritto in ASCII</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Rete non inizializzata</translation>
    </message>
    <message>
        <source>Network down</source>
        <translation>Rete non disponibile</translation>
    </message>
    <message>
        <source>Invalid address specified</source>
        <translation>Indirizzo indicato non valido</translation>
    </message>
    <message>
        <source>Unexpected internal error in component</source>
        <translation>Errore interno imprevisto nel componente</translation>
    </message>
    <message>
        <source>General Winsock Error</source>
        <translation>Errore di rete generico</translation>
    </message>
    <message>
        <source>Connection aborted due to timeout or other failure</source>
        <translation>Connessione interrotta per tempo scaduto o altro guasto</translation>
    </message>
    <message>
        <source>Connection reset by remote side</source>
        <translation>Connessione azzerata dall’altra parte</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>tempo scaduto</translation>
    </message>
    <message>
        <source>Out of sockets</source>
        <translation>Socket esauriti</translation>
    </message>
    <message>
        <source>Network unreachable</source>
        <translation>Rete irraggiungibile</translation>
    </message>
    <message>
        <source>Address not available</source>
        <translation>Indirizzo non disponibile</translation>
    </message>
    <message>
        <source>Connection Refused</source>
        <translation>Connessione rifiutata</translation>
    </message>
    <message>
        <source>Address resolution error</source>
        <translation>Errore nella risoluzione dell’indirizzo</translation>
    </message>
    <message>
        <source>Host Unreachable</source>
        <translation>Host irraggiungibile</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Login failed: the server refused the user name or password</source>
        <translation>Accesso non riuscito: il server ha rifiutato nome utente o password</translation>
    </message>
    <message>
        <source>TLS handshake failed</source>
        <translation>Negoziazione TLS non riuscita</translation>
    </message>
    <message>
        <source>Server certificate not trusted</source>
        <translation>Certificato del server non attendibile</translation>
    </message>
    <message>
        <source>The server offers no STARTTLS: the mail was not sent unencrypted</source>
        <translation>Il server non offre STARTTLS: il messaggio non è stato inviato in chiaro</translation>
    </message>
    <message>
        <source>The server offers no login by AUTH PLAIN or AUTH LOGIN</source>
        <translation>Il server non offre l’accesso con AUTH PLAIN o AUTH LOGIN</translation>
    </message>
    <message>
        <source>An address has letters beyond ASCII before its @, and the server does not take such addresses (it offers no SMTPUTF8): the mail was not sent</source>
        <translation>Un indirizzo ha lettere non ASCII prima della @ e il server non accetta indirizzi così (non offre SMTPUTF8): il messaggio non è stato inviato</translation>
    </message>
    <message>
        <source>Mail Destination Error</source>
        <translation>Errore del destinatario</translation>
    </message>
    <message>
        <source>Mail Destination Error: %1</source>
        <translation>Errore del destinatario: %1</translation>
    </message>
    <message>
        <source>Winsock not initiliazed</source>
        <translation>Rete non inizializzata</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>il server ha chiuso la connessione</translation>
    </message>
    <message>
        <source>Prematurely Disconnected</source>
        <translation>Disconnesso troppo presto</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Tempo di connessione scaduto</translation>
    </message>
    <message>
        <source>Unexpected response: %1</source>
        <translation>Risposta inattesa: %1</translation>
    </message>
    <message>
        <source>Mail Destination Error: the server accepted no recipient (%1)</source>
        <translation>Errore del destinatario: il server non ha accettato nessun destinatario (%1)</translation>
    </message>
</context>
<context>
    <name>PaintedText</name>
    <message>
        <source>Version 1.0</source>
        <translation>Versione 1.0</translation>
    </message>
    <message>
        <source>made by Corlune</source>
        <translation>creato da Corlune</translation>
    </message>
    <message>
        <source>Built with</source>
        <translation>Realizzato con</translation>
    </message>
    <message>
        <source>Send your tree to this e-mail address:</source>
        <extracomment>Painted above the address field, 239 pixels wide in DejaVu Sans Bold 11 px.</extracomment>
        <translation>Spedisci l’albero all’indirizzo:</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The label painted on a case: 54 pixels (the seventh 64) in DejaVu Sans Condensed Bold 10 px.</extracomment>
        <translation>Palle</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Campane</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Ghiaccioli</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Stelle</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Palline</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Candele</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Puntali</translation>
    </message>
</context>
<context>
    <name>ReplacingFile</name>
    <message>
        <source>%1: not a file that can be replaced</source>
        <translation>%1: non è un file sostituibile</translation>
    </message>
    <message>
        <source>%1: no free temporary name beside it</source>
        <translation>%1: nessun nome temporaneo libero accanto</translation>
    </message>
    <message>
        <source>%1: nothing was written</source>
        <translation>%1: non è stato scritto nulla</translation>
    </message>
</context>
<context>
    <name>SaveCard</name>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animata (*.gif)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>WebP animata (*.webp)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Video MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Immagine JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>Save card</source>
        <translation>Salva biglietto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Salvataggio di %1…</translation>
    </message>
    <message>
        <source>The card could not be saved.

%1</source>
        <translation>Impossibile salvare il biglietto.

%1</translation>
    </message>
    <message>
        <source>Saved the card as %1.</source>
        <translation>Biglietto salvato come %1.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>%1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>%1: dai al biglietto un nome .jpg, .png, .gif, .webp, .mp4, .glb o .html</translation>
    </message>
    <message>
        <source>Interactive card (*.html)</source>
        <translation>Biglietto interattivo (*.html)</translation>
    </message>
    <message>
        <source>3D model (*.glb)</source>
        <translation>Modello 3D (*.glb)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>%1: give the picture a .jpg or .png name</source>
        <translation>%1: dai all’immagine un nome .jpg o .png</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>pinewick: the card picture could not be written: %1</source>
        <translation>pinewick: impossibile scrivere l’immagine del biglietto: %1</translation>
    </message>
    <message>
        <source>pinewick: to send the card with your own mail program instead, run:</source>
        <translation>pinewick: per spedire invece il biglietto con il tuo programma di posta, esegui:</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: no private folder could be made in %1: %2</source>
        <translation>pinewick: biglietto non spedito: impossibile creare una cartella privata in %1: %2</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: %1</source>
        <translation>pinewick: biglietto non spedito: %1</translation>
    </message>
    <message>
        <source>pinewick: no mail account found. %1</source>
        <translation>pinewick: nessun account di posta trovato. %1</translation>
    </message>
    <message>
        <source>account: %1 &lt;%2&gt; through %3:%4 (%5)</source>
        <translation>account: %1 &lt;%2&gt; tramite %3:%4 (%5)</translation>
    </message>
    <message>
        <source>pinewick: cannot log in: %1</source>
        <translation>pinewick: impossibile accedere: %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connesso a %1</translation>
    </message>
    <message>
        <source>Encrypted (%1)</source>
        <translation>Cifrato (%1)</translation>
    </message>
    <message>
        <source>Logged in as %1</source>
        <translation>Accesso come %1</translation>
    </message>
    <message>
        <source>Recipient refused: %1 (%2)</source>
        <translation>Destinatario rifiutato: %1 (%2)</translation>
    </message>
    <message>
        <source>The picture could not be read and was left out: %1</source>
        <translation>Immagine illeggibile, lasciata fuori: %1</translation>
    </message>
    <message>
        <source>Sending the card (%1 KB) ...</source>
        <translation>Invio del biglietto (%1 KB)…</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Accettato: %1</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>errore %1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1:%2 ...</source>
        <translation>Connessione a %1:%2…</translation>
    </message>
    <message>
        <source>The note file %1 cannot be read.</source>
        <translation>Impossibile leggere il file della nota %1.</translation>
    </message>
    <message>
        <source>The note file %1 is not a short text in UTF-8.</source>
        <translation>Il file della nota %1 non è un breve testo in UTF-8.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these:</source>
        <translation>«%1» potrebbe essere uno di questi:</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>Non spedito a %1: %2</translation>
    </message>
    <message>
        <source>No answer after the card to %1: it may have arrived, so it is not sent again.</source>
        <translation>Nessuna risposta dopo il biglietto a %1: potrebbe essere arrivato, quindi non viene rispedito.</translation>
    </message>
    <message>
        <source>To send it again to those only:</source>
        <translation>Per rispedirlo solo a loro:</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <extracomment>The card&apos;s progress on the command line: &quot;2 of 5: Oma Ilse &lt;ilse@example.org&gt;&quot;</extracomment>
        <translation>%1 di %2: %3</translation>
    </message>
    <message>
        <source>Waits in the outbox for another try: %1 (%2)</source>
        <translation>Attende nella posta in uscita un nuovo tentativo: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SendDueCommand</name>
    <message>
        <source>No card is due.</source>
        <translation>Nessun biglietto da spedire per ora.</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: no mail account found. %1</source>
        <translation>I biglietti nella posta in uscita non sono stati spediti: nessun account di posta trovato. %1</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: cannot log in: %1</source>
        <translation>I biglietti nella posta in uscita non sono stati spediti: accesso non riuscito: %1</translation>
    </message>
    <message>
        <source>Your Pinewick card went out</source>
        <translation>Il biglietto di Pinewick è partito</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>Spedito a %1.</translation>
    </message>
    <message>
        <source>A Pinewick card could not be sent</source>
        <translation>Non è stato possibile spedire un biglietto di Pinewick</translation>
    </message>
    <message>
        <source>Not sent to %1. The outbox in Pinewick&apos;s output dialog says why.</source>
        <translation>Non spedito a %1. La posta in uscita, nella finestra di invio di Pinewick, dice perché.</translation>
    </message>
    <message>
        <source>Another Pinewick is sending the outbox&apos;s cards now.</source>
        <translation>Un altro Pinewick sta spedendo ora i biglietti della posta in uscita.</translation>
    </message>
    <message>
        <source>One card sent.</source>
        <translation>Un biglietto spedito.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards sent.</source>
        <translation>
            <numerusform>%n biglietto spedito.</numerusform>
            <numerusform>%n biglietti spediti.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>Il biglietto non è stato messo nella posta in uscita: %1</translation>
    </message>
    <message>
        <source>The card goes out on %1 to one recipient. It waits in the outbox until then.</source>
        <translation>Il biglietto parte il %1 per un destinatario. Fino ad allora attende nella posta in uscita.</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipients. It waits in the outbox until then.</source>
        <translation>
            <numerusform>Il biglietto parte il %1 per %n destinatario. Fino ad allora attende nella posta in uscita.</numerusform>
            <numerusform>Il biglietto parte il %1 per %n destinatari. Fino ad allora attende nella posta in uscita.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card could not be kept to send later: %1</source>
        <translation>Non è stato possibile conservare il biglietto da spedire più tardi: %1</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Nessuna connessione: Pinewick lo spedirà appena possibile.</translation>
    </message>
</context>
<context>
    <name>SnapshotCommand</name>
    <message>
        <source>[%1] %2/%3 frames</source>
        <extracomment>A progress bar (%1), the frames made (%2) and all the frames (%3).</extracomment>
        <translation>[%1] %2/%3 fotogrammi</translation>
    </message>
    <message>
        <source>%1: %2 KB in %3 s</source>
        <extracomment>The file written, its size and the time it took.</extracomment>
        <translation>%1: %2 KB in %3 s</translation>
    </message>
    <message>
        <source>pinewick: %1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>pinewick: %1: dai al biglietto un nome .jpg, .png, .gif, .webp, .mp4, .glb o .html</translation>
    </message>
</context>
<context>
    <name>StartOutbox</name>
    <message>
        <source>One card went out while Pinewick was closed.</source>
        <translation>Un biglietto è partito mentre Pinewick era chiuso.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards went out while Pinewick was closed.</source>
        <translation>
            <numerusform>%n biglietto è partito mentre Pinewick era chiuso.</numerusform>
            <numerusform>%n biglietti sono partiti mentre Pinewick era chiuso.</numerusform>
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
        <translation>Spiacenti, questo programma richiede una di queste modalità dello schermo:
  * HiColor   (16 bit)
  * TrueColor (24 bit)

Il tuo schermo è a %1 bit

Programma fermato</translation>
    </message>
    <message>
        <source>You have a OpenGL %1.%2</source>
        <translation>Hai OpenGL %1.%2</translation>
    </message>
    <message>
        <source>You haven&apos;t OpenGL</source>
        <translation>Non hai OpenGL</translation>
    </message>
    <message>
        <source>Sorry, but this program needs OpenGL 3.3 or more

%1

OpenGL 3.3 is located on &quot;https://www.mesa3d.org&quot;

Program stopped</source>
        <translation>Spiacenti, questo programma richiede OpenGL 3.3 o superiore

%1

OpenGL 3.3 si trova su «https://www.mesa3d.org»

Programma fermato</translation>
    </message>
</context>
<context>
    <name>TD3DScene</name>
    <message>
        <source>DirectX error</source>
        <translation>Errore grafico</translation>
    </message>
</context>
<context>
    <name>TDecorationHistory</name>
    <message>
        <source>Hang toy</source>
        <translation>Appendi addobbo</translation>
    </message>
    <message>
        <source>Remove toy</source>
        <translation>Togli addobbo</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>Qt: windows, controls, fonts, pictures and printing</source>
        <translation>Qt: finestre, controlli, caratteri, immagini e stampa</translation>
    </message>
    <message>
        <source>Mesa: OpenGL through EGL, on any graphics card or none</source>
        <translation>Mesa: OpenGL tramite EGL, con qualsiasi scheda grafica o senza</translation>
    </message>
    <message>
        <source>OpenSSL: keeps the mailed card private on its way</source>
        <translation>OpenSSL: il biglietto spedito resta privato lungo la strada</translation>
    </message>
    <message>
        <source>GLM: the vector and matrix arithmetic of the scene</source>
        <translation>GLM: i calcoli con vettori e matrici della scena</translation>
    </message>
    <message>
        <source>SDL_mixer: plays the carols and the sounds</source>
        <translation>SDL_mixer: suona i canti di Natale e i suoni</translation>
    </message>
    <message>
        <source>FluidSynth: turns the carols&apos; notes into music</source>
        <translation>FluidSynth: trasforma in musica le note dei canti</translation>
    </message>
    <message>
        <source>FFmpeg: plays the opening film</source>
        <translation>FFmpeg: proietta il filmato iniziale</translation>
    </message>
    <message>
        <source>Do you want to exit ?</source>
        <translation>Vuoi uscire?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Indirizzo e-mail</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Spedisci</translation>
    </message>
    <message>
        <source>E-Mail the Pinewick</source>
        <translation>Spedisci il Pinewick per e-mail</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print of the Pinewick</source>
        <translation>Stampa il Pinewick</translation>
    </message>
    <message>
        <source>Save card…</source>
        <translation>Salva…</translation>
    </message>
    <message>
        <source>Save the card as a picture or an animation</source>
        <translation>Salva il biglietto come immagine o animazione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Animated card</source>
        <translation>Biglietto animato</translation>
    </message>
    <message>
        <source>Mail the turning tree as an animated picture</source>
        <translation>Spedisci l’albero che gira come immagine animata</translation>
    </message>
    <message>
        <source>No private folder for the card picture could be made in %1: %2</source>
        <translation>Impossibile creare in %1 una cartella privata per l’immagine del biglietto: %2</translation>
    </message>
    <message>
        <source>There is no card to send.</source>
        <translation>Non c’è nessun biglietto da spedire.</translation>
    </message>
    <message>
        <source>Making the animated card…</source>
        <translation>Creazione del biglietto animato…</translation>
    </message>
    <message>
        <source>The card was not sent: %1</source>
        <translation>Biglietto non spedito: %1</translation>
    </message>
    <message>
        <source>Mail sended</source>
        <translation>Messaggio spedito</translation>
    </message>
    <message>
        <source>Open your own mail program to send the card?</source>
        <translation>Aprire il tuo programma di posta per spedire il biglietto?</translation>
    </message>
    <message>
        <source>The card picture could not be written: %1</source>
        <translation>Impossibile scrivere l’immagine del biglietto: %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossibile avviare la stampante.</translation>
    </message>
    <message>
        <source>Your mail program could not be opened: %1

The card is saved as %2; you can attach it to a mail yourself.</source>
        <translation>Impossibile aprire il tuo programma di posta: %1

Il biglietto è salvato come %2; puoi allegarlo tu a un messaggio.</translation>
    </message>
    <message>
        <source>Set up your account in one of these, or save the card and attach it to a mail yourself.</source>
        <translation>Configura il tuo account in uno di questi, oppure salva il biglietto e allegalo tu a un messaggio.</translation>
    </message>
    <message>
        <source>Sending %1 of %2…</source>
        <translation>Invio %1 di %2…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Invio…</translation>
    </message>
    <message>
        <source>E-mail addresses or names from your address books, separated by commas</source>
        <translation>Indirizzi e-mail o nomi dalle tue rubriche, separati da virgole</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Nota…</translation>
    </message>
    <message>
        <source>Write a personal note under the card</source>
        <translation>Scrivi una nota personale sotto il biglietto</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>See the mail as its first recipient will see it</source>
        <translation>Vedi il messaggio come lo vedrà il primo destinatario</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these. Choose one from the list:
%2</source>
        <translation>«%1» potrebbe essere uno di questi. Scegline uno dalla lista:
%2</translation>
    </message>
    <message>
        <source>Note ✓</source>
        <translation>Nota ✓</translation>
    </message>
    <message>
        <source>(nobody yet)</source>
        <translation>(ancora nessuno)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The card went to %1 of %n recipients.</source>
        <translation>
            <numerusform>Il biglietto è arrivato a %1 di %n destinatario.</numerusform>
            <numerusform>Il biglietto è arrivato a %1 di %n destinatari.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent to:</source>
        <translation>Spedito a:</translation>
    </message>
    <message>
        <source>Not sent to:</source>
        <translation>Non spedito a:</translation>
    </message>
    <message>
        <source>No answer after the card to these; it may have arrived, so it is not sent again:</source>
        <translation>Nessuna risposta dopo il biglietto a questi; potrebbe essere arrivato, quindi non viene rispedito:</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Rispedisci</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Nessuna connessione: Pinewick lo spedirà appena possibile.</translation>
    </message>
    <message>
        <source>Send on…</source>
        <translation>Spedisci il…</translation>
    </message>
    <message>
        <source>Send the card on a day and at a time you choose</source>
        <translation>Spedisci il biglietto nel giorno e all’ora che scegli</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>In uscita…</translation>
    </message>
    <message>
        <source>The cards waiting to go out, and those sent</source>
        <translation>I biglietti in attesa di partire e quelli spediti</translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>Il biglietto non è stato messo nella posta in uscita: %1</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipient(s). It waits in the outbox until then.</source>
        <translation>
            <numerusform>Il biglietto parte il %1 per %n destinatario. Fino ad allora attende nella posta in uscita.</numerusform>
            <numerusform>Il biglietto parte il %1 per %n destinatari. Fino ad allora attende nella posta in uscita.</numerusform>
        </translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can to:</source>
        <translation>Nessuna connessione: Pinewick lo spedirà appena possibile a:</translation>
    </message>
    <message>
        <source>Interactive card</source>
        <translation>Biglietto interattivo</translation>
    </message>
    <message>
        <source>Send the card as a web page too, where the tree can be turned</source>
        <translation>Spedisci il biglietto anche come pagina web, dove l’albero si può far girare</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Drivers</source>
        <extracomment>The title of the list of 3D drivers.</extracomment>
        <translation>Driver</translation>
    </message>
</context>
<context>
    <name>TFormTitle</name>
    <message>
        <source>Do you want to create %1 shortcut
on your desktop ?</source>
        <translation>Creare un collegamento a %1
sul desktop?</translation>
    </message>
</context>
<context>
    <name>TFormTree</name>
    <message>
        <source>big ball</source>
        <extracomment>One toy of a case, as a screen reader names it after its colour.</extracomment>
        <translation>palla grande</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>campanella</translation>
    </message>
    <message>
        <source>icicle</source>
        <translation>ghiacciolo</translation>
    </message>
    <message>
        <source>star</source>
        <translation>stella</translation>
    </message>
    <message>
        <source>small ball</source>
        <translation>pallina</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>candela</translation>
    </message>
    <message>
        <source>tree top</source>
        <translation>puntale</translation>
    </message>
    <message>
        <source>Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>Le frecce spostano il mirino; Canc toglie l’addobbo più vicino; PagSu e PagGiù ruotano l’albero</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Augurio</translation>
    </message>
    <message>
        <source>Enter starts and ends typing; Ctrl+Z undoes</source>
        <translation>Invio inizia e finisce la scrittura; Ctrl+Z annulla</translation>
    </message>
    <message>
        <source>Case of toys: Enter shows its toys</source>
        <translation>Scatola di addobbi: Invio mostra i suoi addobbi</translation>
    </message>
    <message>
        <source>Enter picks it up; the arrow keys carry it over the tree; Enter hangs it, Escape puts it back</source>
        <translation>Invio lo prende; le frecce lo portano sull’albero; Invio lo appende, Esc lo rimette a posto</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A toy&apos;s colour (%1, such as &quot;Red&quot;) and kind (%2, such as &quot;big ball&quot;).</extracomment>
        <translation>%2, %1</translation>
    </message>
    <message>
        <source>Send Pinewick</source>
        <translation>Spedisci il Pinewick</translation>
    </message>
    <message>
        <source>Fill in the text of greeting</source>
        <translation>Scrivi il testo dell’augurio</translation>
    </message>
    <message>
        <source>Music switch</source>
        <translation>Musica sì/no</translation>
    </message>
    <message>
        <source>Change 3D driver</source>
        <translation>Cambia driver 3D</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The seven cases of toys along the bottom of the window.</extracomment>
        <translation>Palle</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Campane</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Ghiaccioli</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Stelle</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Palline</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Candele</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Puntali</translation>
    </message>
    <message>
        <source>An empty tree is shown. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>Viene mostrato un albero vuoto. Il tuo file resta com’è e non verrà sovrascritto; le modifiche di questa sessione non vengono salvate.</translation>
    </message>
    <message>
        <source>The decoration that comes with Pinewick is shown instead. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>Al suo posto viene mostrata la decorazione fornita con Pinewick. Il tuo file resta com’è e non verrà sovrascritto; le modifiche di questa sessione non vengono salvate.</translation>
    </message>
    <message>
        <source>Your decoration could not be saved:
%1

Free some space or fix the folder&apos;s permissions, then try again.</source>
        <translation>Impossibile salvare la tua decorazione:
%1

Libera un po’ di spazio o correggi i permessi della cartella, poi riprova.</translation>
    </message>
    <message>
        <source>Quit without saving</source>
        <translation>Esci senza salvare</translation>
    </message>
    <message>
        <source>Target off the tree.</source>
        <translation>Mirino fuori dall’albero.</translation>
    </message>
    <message>
        <source>Target on the tree.</source>
        <translation>Mirino sull’albero.</translation>
    </message>
    <message>
        <source>Target on a toy.</source>
        <translation>Mirino su un addobbo.</translation>
    </message>
    <message>
        <source>%1 Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>%1 Le frecce spostano il mirino; Canc toglie l’addobbo più vicino; PagSu e PagGiù ruotano l’albero</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Questo augurio è troppo lungo per leggersi bene sul nastro.</translation>
    </message>
    <message>
        <source>Fir tree with 1 ornament</source>
        <translation>Abete con 1 addobbo</translation>
    </message>
    <message numerus="yes">
        <source>Fir tree with %n ornaments</source>
        <translation>
            <numerusform>Abete con %n addobbo</numerusform>
            <numerusform>Abete con %n addobbi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormWelcome</name>
    <message>
        <source>Text of greeting</source>
        <translation>Testo dell’augurio</translation>
    </message>
    <message>
        <source>Font select</source>
        <translation>Scegli carattere</translation>
    </message>
    <message>
        <source>Font style select</source>
        <translation>Scegli stile</translation>
    </message>
    <message>
        <source>Color select</source>
        <translation>Scegli colore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>too long for the ribbon</source>
        <translation>troppo lungo per il nastro</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Questo augurio è troppo lungo per leggersi bene sul nastro.</translation>
    </message>
</context>
<context>
    <name>TNoteDialog</name>
    <message>
        <source>A note under the card. {name} becomes each recipient&apos;s first name.</source>
        <translation>Una nota sotto il biglietto. {name} diventa il nome di ogni destinatario.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message numerus="yes">
        <source>Characters left: %n</source>
        <translation>
            <numerusform>Resta %n carattere</numerusform>
            <numerusform>Restano %n caratteri</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOutboxWindow</name>
    <message>
        <source>Cards waiting to go out, and cards sent in the last year</source>
        <translation>Biglietti in attesa di partire e biglietti spediti nell’ultimo anno</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Destinatari</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Spedisci ora</translation>
    </message>
    <message>
        <source>Change time…</source>
        <translation>Cambia ora…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Waiting: tried again at %1 (%2)</source>
        <translation>In attesa: nuovo tentativo alle %1 (%2)</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Programmato</translation>
    </message>
    <message numerus="yes">
        <source>Sent to all %n</source>
        <translation>
            <numerusform>Spedito a %n</numerusform>
            <numerusform>Spedito a tutti e %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent to %1 of %n</source>
        <translation>
            <numerusform>Spedito a %1 di %n</numerusform>
            <numerusform>Spedito a %1 di %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Pinewick is sending cards just now. Try again in a moment.</source>
        <translation>Pinewick sta spedendo biglietti proprio ora. Riprova tra un momento.</translation>
    </message>
    <message>
        <source>Delete the card to %1? It will not be sent.</source>
        <translation>Eliminare il biglietto per %1? Non verrà spedito.</translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>Password for %1 at %2:</source>
        <translation>Password di %1 su %2:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Remember</source>
        <translation>Ricorda</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring</source>
        <translation>Conserva la password nel portachiavi del desktop</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TPreviewDialog</name>
    <message>
        <source>To: %1
Subject: %2</source>
        <translation>A: %1
Oggetto: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TSendLaterDialog</name>
    <message>
        <source>Send the card on:</source>
        <translation>Spedisci il biglietto il:</translation>
    </message>
    <message>
        <source>Date and time to send the card</source>
        <translation>Data e ora di spedizione del biglietto</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>WebCard</name>
    <message>
        <source>%1: three.js can&apos;t be read (is libjs-three installed?)</source>
        <translation>%1: impossibile leggere three.js (libjs-three è installato?)</translation>
    </message>
    <message>
        <source>A decorated fir tree that turns, under the greeting “%1”. Drag it to turn it.</source>
        <extracomment>The described picture of the interactive card, for readers that can&apos;t see it; %1 is the greeting.</extracomment>
        <translation>Un abete decorato che gira, sotto l’augurio «%1». Trascinalo per farlo girare.</translation>
    </message>
</context>
<context>
    <name>mail</name>
    <message>
        <source>the card&apos;s picture was not found.</source>
        <translation>l’immagine del biglietto non è stata trovata.</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop.</source>
        <translation>su questo desktop non è configurato alcun programma di posta.</translation>
    </message>
    <message>
        <source>the card&apos;s picture could not be read.</source>
        <translation>impossibile leggere l’immagine del biglietto.</translation>
    </message>
    <message>
        <source>xdg-email ended with the error status %1.</source>
        <translation>xdg-email è terminato con lo stato di errore %1.</translation>
    </message>
    <message>
        <source>xdg-email stopped unexpectedly.</source>
        <translation>xdg-email si è fermato inaspettatamente.</translation>
    </message>
    <message>
        <source>xdg-email could not be started (it comes with the package xdg-utils).</source>
        <translation>impossibile avviare xdg-email (fa parte del pacchetto xdg-utils).</translation>
    </message>
    <message>
        <source>Type the address the card goes to.</source>
        <translation>Scrivi l’indirizzo a cui spedire il biglietto.</translation>
    </message>
    <message>
        <source>The card cannot go to this address: %1.</source>
        <translation>Il biglietto non può andare a questo indirizzo: %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 supera i %2 byte</translation>
    </message>
</context>
<context>
    <name>mail::Outbox</name>
    <message>
        <source>The card has no recipients.</source>
        <translation>Il biglietto non ha destinatari.</translation>
    </message>
    <message>
        <source>The outbox folder %1 could not be made.</source>
        <translation>Impossibile creare la cartella della posta in uscita %1.</translation>
    </message>
    <message>
        <source>The card could not be moved into the outbox %1.</source>
        <translation>Impossibile spostare il biglietto nella posta in uscita %1.</translation>
    </message>
    <message>
        <source>the message for %1 is missing</source>
        <translation>manca il messaggio per %1</translation>
    </message>
    <message>
        <source>A damaged card in the outbox was set aside in %1: %2</source>
        <translation>Un biglietto danneggiato nella posta in uscita è stato messo da parte in %1: %2</translation>
    </message>
</context>
<context>
    <name>mail::OutboxCard</name>
    <message>
        <source>the state file is not readable (%1)</source>
        <translation>il file di stato è illeggibile (%1)</translation>
    </message>
    <message>
        <source>the state file has an unknown version</source>
        <translation>il file di stato ha una versione sconosciuta</translation>
    </message>
    <message>
        <source>the state file has a damaged time or subject</source>
        <translation>il file di stato ha un’ora o un oggetto danneggiati</translation>
    </message>
    <message>
        <source>the state file names no recipients</source>
        <translation>il file di stato non indica destinatari</translation>
    </message>
    <message>
        <source>the state file has a damaged recipient</source>
        <translation>il file di stato ha un destinatario danneggiato</translation>
    </message>
</context>
<context>
    <name>mail::OutboxSender</name>
    <message>
        <source>Sending &quot;%1&quot; to %n recipient(s) ...</source>
        <translation>Invio di «%1», destinatari: %n…</translation>
    </message>
    <message>
        <source>Sent to %1</source>
        <translation>Spedito a %1</translation>
    </message>
    <message>
        <source>Perhaps not sent to %1 (the server did not answer): %2</source>
        <translation>Forse non spedito a %1 (il server non ha risposto): %2</translation>
    </message>
    <message>
        <source>Not sent to %1, tried again at %2: %3</source>
        <translation>Non spedito a %1, nuovo tentativo alle %2: %3</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>Non spedito a %1: %2</translation>
    </message>
</context>
<context>
    <name>mail::SendTime</name>
    <message>
        <source>&quot;%1&quot; is not a date and time such as &quot;2026-12-24 08:00&quot;.</source>
        <translation>«%1» non è una data con ora come «2026-12-24 08:00».</translation>
    </message>
    <message>
        <source>The time to send the card must be at least a minute from now.</source>
        <translation>Il biglietto va spedito almeno tra un minuto.</translation>
    </message>
    <message>
        <source>The time to send the card must be at most a year from now.</source>
        <translation>Il biglietto va spedito al massimo tra un anno.</translation>
    </message>
</context>
</TS>
