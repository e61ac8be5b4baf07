<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AddressBookText</name>
    <message>
        <source>line %1: a contact without an address, skipped</source>
        <translation>línea %1: un contacto sin dirección, omitido</translation>
    </message>
    <message>
        <source>line %1: more than %2 contacts, the rest skipped</source>
        <translation>línea %1: más de %2 contactos, el resto se omite</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no mail address, skipped</source>
        <translation>línea %1: «%2» no es una dirección de correo, omitida</translation>
    </message>
    <message>
        <source>More than %1 addresses in the address books: the rest are left out.</source>
        <translation>Más de %1 direcciones en las libretas: el resto se deja fuera.</translation>
    </message>
    <message>
        <source>not a regular file, skipped</source>
        <translation>no es un archivo normal, omitido</translation>
    </message>
    <message>
        <source>larger than 64 MiB, skipped</source>
        <translation>más de 64 MiB, omitido</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>contact %1: %2</source>
        <translation>contacto %1: %2</translation>
    </message>
    <message>
        <source>more than %1 contacts, the rest skipped</source>
        <translation>más de %1 contactos, el resto se omite</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>holds no contacts table</source>
        <translation>no contiene ninguna tabla de contactos</translation>
    </message>
    <message>
        <source>more than %1 address books, the rest skipped</source>
        <translation>más de %1 libretas de direcciones, el resto se omite</translation>
    </message>
    <message>
        <source>line %1: an alias without an address, skipped</source>
        <translation>línea %1: un alias sin dirección, omitido</translation>
    </message>
    <message>
        <source>line %1: more than %2 aliases, the rest skipped</source>
        <translation>línea %1: más de %2 alias, el resto se omite</translation>
    </message>
    <message>
        <source>line %1: longer than 64 KiB, skipped</source>
        <translation>línea %1: más de 64 KiB, omitida</translation>
    </message>
    <message>
        <source>sources itself (a loop), not read again</source>
        <translation>se incluye a sí mismo (un bucle), no se vuelve a leer</translation>
    </message>
    <message>
        <source>sourced more than %1 files deep or beyond %2 files, not read</source>
        <translation>incluido a más de %1 niveles o más allá de %2 archivos, no se lee</translation>
    </message>
    <message numerus="yes">
        <source>%n more problem(s) not shown</source>
        <translation>
            <numerusform>%n problema más sin mostrar</numerusform>
            <numerusform>%n problemas más sin mostrar</numerusform>
        </translation>
    </message>
    <message>
        <source>more than %1 entries, the rest skipped</source>
        <translation>más de %1 entradas, el resto se omite</translation>
    </message>
    <message>
        <source>card %1: %2</source>
        <translation>tarjeta %1: %2</translation>
    </message>
    <message>
        <source>folders nested deeper than %1 are not searched</source>
        <translation>no se buscan carpetas anidadas a más de %1 niveles</translation>
    </message>
    <message>
        <source>more than %1 files or 256 MiB of contacts, the rest skipped</source>
        <translation>más de %1 archivos o 256 MiB de contactos, el resto se omite</translation>
    </message>
    <message>
        <source>line %1: longer than 1 MiB, skipped</source>
        <translation>línea %1: más de 1 MiB, omitida</translation>
    </message>
    <message>
        <source>line %1: not a vCard line, skipped</source>
        <translation>línea %1: no es una línea vCard, omitida</translation>
    </message>
    <message>
        <source>line %1: the card has no END:VCARD</source>
        <translation>línea %1: a la tarjeta le falta END:VCARD</translation>
    </message>
    <message>
        <source>line %1: more than %2 cards, the rest skipped</source>
        <translation>línea %1: más de %2 tarjetas, el resto se omite</translation>
    </message>
</context>
<context>
    <name>CardCommand</name>
    <message>
        <source>pinewick: %1: no window picture; using a plain background</source>
        <translation>pinewick: %1: no hay imagen de ventana; se usa un fondo liso</translation>
    </message>
    <message>
        <source>pinewick: no OpenGL device to draw the tree; no card made</source>
        <translation>pinewick: no hay dispositivo OpenGL para dibujar el árbol; no se creó ninguna tarjeta</translation>
    </message>
    <message>
        <source>pinewick: the tree mesh could not be read (%1); no card made</source>
        <translation>pinewick: no se pudo leer la malla del árbol (%1); no se creó ninguna tarjeta</translation>
    </message>
</context>
<context>
    <name>CardMail</name>
    <message>
        <source>Made with Pinewick, the greeting tree for your desktop.</source>
        <translation>Hecho con Pinewick, el árbol de felicitaciones para tu escritorio.</translation>
    </message>
    <message>
        <source>The card picture could not be written to %1.</source>
        <translation>No se pudo escribir la imagen de la tarjeta en %1.</translation>
    </message>
    <message>
        <source>Open the attached Pinewick.html in a web browser to turn the tree.</source>
        <translation>Abre el adjunto Pinewick.html en un navegador web para girar el árbol.</translation>
    </message>
</context>
<context>
    <name>CardNote</name>
    <message>
        <source>The note has %1 characters; a note holds at most %2.</source>
        <translation>La nota tiene %1 caracteres; una nota admite como mucho %2.</translation>
    </message>
</context>
<context>
    <name>CardRecipients</name>
    <message>
        <source>Nobody in your address books is called &quot;%1&quot;.</source>
        <translation>En tus libretas nadie se llama «%1».</translation>
    </message>
    <message numerus="yes">
        <source>A card goes to at most %n recipients at a time.</source>
        <translation>
            <numerusform>Una tarjeta va como mucho a %n destinatario a la vez.</numerusform>
            <numerusform>Una tarjeta va como mucho a %n destinatarios a la vez.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dorado</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plateado</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--send needs an e-mail address</source>
        <translation>--send necesita una dirección de correo</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>--snapshot needs a file name (.jpg, .png, .gif, .webp, .mp4, .glb or .html)</source>
        <translation>--snapshot necesita un nombre de archivo (.jpg, .png, .gif, .webp, .mp4, .glb o .html)</translation>
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
     pinewick --check [ARCHIVO]
     pinewick --snapshot ARCHIVO
     pinewick --send DESTINATARIOS... [--note TEXTO | --note-file ARCHIVO] [--at HORA]
                     [--animated] [--verbose]
     pinewick --send-due [--verbose]
     pinewick --version

  -DEBUG             saltar la secuencia de título
  --check [ARCHIVO]  leer un archivo de descripción (por omisión: Data/desc de la carpeta personal)
                     y mostrarlo como lo escribe Pinewick; errores como ARCHIVO:LÍNEA: mensaje, estado 1
  --snapshot ARCHIVO escribir la imagen de felicitación (fondo, saludo, árbol decorado) que Pinewick
                     envía e imprime; no necesita pantalla. Un ARCHIVO .gif, .webp o .mp4 guarda la
                     tarjeta animada: el árbol da una vuelta completa, en bucle; un ARCHIVO .glb el
                     árbol en 3D (glTF); un ARCHIVO .html la tarjeta como página web cuyo árbol gira
                     solo y al arrastrarlo
  --send DESTINATARIOS
                     enviar esa imagen desde tu propia cuenta de correo (Thunderbird, Evolution,
                     msmtp, git send-email o un servidor de correo local); DESTINATARIOS:
                     direcciones, «Nombre &lt;dirección&gt;» o nombres de tus libretas, separados por comas
                     o puntos y comas, --send puede repetirse; cada destinatario recibe su propio
                     correo. Muestra el progreso y quién recibió la tarjeta; estado 0 solo si se
                     aceptó el correo de cada destinatario
  --note TEXTO, --note-file ARCHIVO
                     con --send: una nota personal bajo la tarjeta (como mucho 2000 caracteres);
                     {name} se convierte en el nombre de cada destinatario
  --at HORA          con --send: preparar la tarjeta ahora y enviarla a la HORA («2026-12-24 08:00»,
                     hora local salvo que se indique una zona; de un minuto a un año después); espera
                     en la bandeja de salida, ~/.local/share/pinewick/outbox
  --send-due         enviar las tarjetas de la bandeja de salida que tocan y salir (estado 0: todas
                     enviadas, 75: algunas esperan otro intento, 1: algunas rechazadas o abandonadas)
  --animated         con --send: la tarjeta del correo es el árbol que gira (un GIF animado);
                     la imagen fija va como adjunto
  --verbose          con --send: mostrar toda la conversación con el servidor de correo
  --version          mostrar la versión de Pinewick</translation>
    </message>
</context>
<context>
    <name>DefaultGreeting</name>
    <message>
        <source>Merry Christmas and a Happy New Year!</source>
        <extracomment>The greeting a new decoration starts with. Written across the top of the card in a script font: a short, warm wish for Christmas and the new year.</extracomment>
        <translation>¡Feliz Navidad y próspero Año Nuevo!</translation>
    </message>
</context>
<context>
    <name>HelpScript</name>
    <message>
        <source>About Pinewick*and its makers</source>
        <translation>Acerca de Pinewick*y sus autores</translation>
    </message>
    <message>
        <source>Close the help*Click here</source>
        <translation>Cerrar la ayuda*Haz clic aquí</translation>
    </message>
    <message>
        <source>Click the ribbon*and type a greeting*Ctrl+Z undo Ctrl+Y redo</source>
        <translation>Haz clic en la cinta*y escribe un saludo*Ctrl+Z/Y deshace/rehace</translation>
    </message>
    <message>
        <source>Send your tree*by e-mail or print it</source>
        <translation>Envía tu árbol*por correo o imprímelo</translation>
    </message>
    <message>
        <source>Click: next song*Right click: silence</source>
        <translation>Clic: otra canción*Clic derecho: silencio</translation>
    </message>
    <message>
        <source>Right-click a toy*to take it off the tree*or press Delete near it</source>
        <translation>Clic derecho en un adorno*para quitarlo del árbol*o pulsa Supr junto a él</translation>
    </message>
    <message>
        <source>Hold the left button*or Page Up/Down: turn*Double-click: it spins</source>
        <translation>Mantén el botón izquierdo*o RePág/AvPág: girar*Doble clic: da vueltas</translation>
    </message>
    <message>
        <source>Choose the 3D driver*that draws the tree</source>
        <translation>Elige el controlador 3D*que dibuja el árbol</translation>
    </message>
    <message>
        <source>Font and colour*of the greeting</source>
        <translation>Letra y color*del saludo</translation>
    </message>
    <message>
        <source>Open a case and drag*a toy onto the tree*or Tab to it and Enter</source>
        <translation>Abre una caja y arrastra*un adorno al árbol*o Tab hasta él e Intro</translation>
    </message>
    <message>
        <source>Exit Pinewick</source>
        <translation>Salir de Pinewick</translation>
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
        <translation>Lo siento, este programa solo funciona con:
 * Thunderbird
 * Evolution
 * msmtp
 * git send-email
 * un servidor de correo local</translation>
    </message>
    <message>
        <source>the account&apos;s password command did not finish within %1 seconds and was stopped</source>
        <translation>la orden de contraseña de la cuenta no terminó en %1 segundos y se detuvo</translation>
    </message>
    <message>
        <source>the account&apos;s password command gave no password</source>
        <translation>la orden de contraseña de la cuenta no dio ninguna contraseña</translation>
    </message>
    <message>
        <source>no password for %1 at %2 in the account&apos;s settings or the keyring</source>
        <translation>no hay contraseña para %1 en %2 ni en los ajustes de la cuenta ni en el depósito de claves</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An error (%1) and what the server or the connection said of it (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un carácter de control</translation>
    </message>
    <message>
        <source>it is not valid UTF-8</source>
        <translation>no es UTF-8 válido</translation>
    </message>
    <message>
        <source>it holds an invisible or control character</source>
        <translation>contiene un carácter invisible o de control</translation>
    </message>
    <message>
        <source>its local part (before the @) is empty</source>
        <translation>su parte local (antes de la @) está vacía</translation>
    </message>
    <message>
        <source>its local part is longer than %1 bytes</source>
        <translation>su parte local tiene más de %1 bytes</translation>
    </message>
    <message>
        <source>its quoted local part is not closed</source>
        <translation>su parte local entre comillas no está cerrada</translation>
    </message>
    <message>
        <source>its quoted local part has a bad backslash</source>
        <translation>su parte local entre comillas tiene una barra invertida incorrecta</translation>
    </message>
    <message>
        <source>its quoted local part has a bare quote</source>
        <translation>su parte local entre comillas tiene una comilla suelta</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>contiene un carácter de control</translation>
    </message>
    <message>
        <source>its local part has an empty part between dots</source>
        <translation>su parte local tiene un tramo vacío entre puntos</translation>
    </message>
    <message>
        <source>its local part holds a character that needs quoting (%1)</source>
        <translation>su parte local contiene un carácter que debe ir entre comillas (%1)</translation>
    </message>
    <message>
        <source>its local part ends with a dot</source>
        <translation>su parte local termina en punto</translation>
    </message>
    <message>
        <source>its domain (after the @) is empty</source>
        <translation>su dominio (después de la @) está vacío</translation>
    </message>
    <message>
        <source>its domain is longer than %1 bytes</source>
        <translation>su dominio tiene más de %1 bytes</translation>
    </message>
    <message>
        <source>its address literal is not closed</source>
        <translation>su dirección literal no está cerrada</translation>
    </message>
    <message>
        <source>its address literal holds a character it may not</source>
        <translation>su dirección literal contiene un carácter no permitido</translation>
    </message>
    <message>
        <source>its domain has an empty part between dots</source>
        <translation>su dominio tiene un tramo vacío entre puntos</translation>
    </message>
    <message>
        <source>a part of its domain is longer than 63 bytes</source>
        <translation>una parte de su dominio tiene más de 63 bytes</translation>
    </message>
    <message>
        <source>a part of its domain starts or ends with a hyphen</source>
        <translation>una parte de su dominio empieza o termina con guion</translation>
    </message>
    <message>
        <source>its domain holds a character a host name may not (%1)</source>
        <translation>su dominio contiene un carácter no permitido en un nombre de equipo (%1)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>tiene más de %1 bytes</translation>
    </message>
    <message>
        <source>it has no @</source>
        <translation>le falta la @</translation>
    </message>
    <message>
        <source>its domain cannot be written in ASCII (IDNA): a part holds a character a domain may not, or grows beyond 63 bytes</source>
        <translation>su dominio no se puede escribir en ASCII (IDNA): una parte contiene un carácter no permitido o supera los 63 bytes</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes once its domain is written in ASCII</source>
        <translation>tiene más de %1 bytes al escribir su dominio en ASCII</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Red no inicializada</translation>
    </message>
    <message>
        <source>Network down</source>
        <translation>Red caída</translation>
    </message>
    <message>
        <source>Invalid address specified</source>
        <translation>Dirección no válida</translation>
    </message>
    <message>
        <source>Unexpected internal error in component</source>
        <translation>Error interno inesperado en el componente</translation>
    </message>
    <message>
        <source>General Winsock Error</source>
        <translation>Error general de red</translation>
    </message>
    <message>
        <source>Connection aborted due to timeout or other failure</source>
        <translation>Conexión interrumpida por tiempo agotado u otro fallo</translation>
    </message>
    <message>
        <source>Connection reset by remote side</source>
        <translation>El otro extremo reinició la conexión</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>tiempo agotado</translation>
    </message>
    <message>
        <source>Out of sockets</source>
        <translation>No quedan sockets</translation>
    </message>
    <message>
        <source>Network unreachable</source>
        <translation>Red inalcanzable</translation>
    </message>
    <message>
        <source>Address not available</source>
        <translation>Dirección no disponible</translation>
    </message>
    <message>
        <source>Connection Refused</source>
        <translation>Conexión rechazada</translation>
    </message>
    <message>
        <source>Address resolution error</source>
        <translation>Error al resolver la dirección</translation>
    </message>
    <message>
        <source>Host Unreachable</source>
        <translation>Equipo inalcanzable</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Login failed: the server refused the user name or password</source>
        <translation>Falló el inicio de sesión: el servidor rechazó el usuario o la contraseña</translation>
    </message>
    <message>
        <source>TLS handshake failed</source>
        <translation>Falló la negociación TLS</translation>
    </message>
    <message>
        <source>Server certificate not trusted</source>
        <translation>Certificado del servidor no fiable</translation>
    </message>
    <message>
        <source>The server offers no STARTTLS: the mail was not sent unencrypted</source>
        <translation>El servidor no ofrece STARTTLS: el correo no se envió sin cifrar</translation>
    </message>
    <message>
        <source>The server offers no login by AUTH PLAIN or AUTH LOGIN</source>
        <translation>El servidor no ofrece inicio de sesión con AUTH PLAIN ni AUTH LOGIN</translation>
    </message>
    <message>
        <source>An address has letters beyond ASCII before its @, and the server does not take such addresses (it offers no SMTPUTF8): the mail was not sent</source>
        <translation>Una dirección tiene letras fuera de ASCII antes de la @ y el servidor no acepta esas direcciones (no ofrece SMTPUTF8): el correo no se envió</translation>
    </message>
    <message>
        <source>Mail Destination Error</source>
        <translation>Error de destinatario</translation>
    </message>
    <message>
        <source>Mail Destination Error: %1</source>
        <translation>Error de destinatario: %1</translation>
    </message>
    <message>
        <source>Winsock not initiliazed</source>
        <translation>Red no inicializada</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>el servidor cerró la conexión</translation>
    </message>
    <message>
        <source>Prematurely Disconnected</source>
        <translation>Desconectado antes de tiempo</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Se agotó el tiempo de conexión</translation>
    </message>
    <message>
        <source>Unexpected response: %1</source>
        <translation>Respuesta inesperada: %1</translation>
    </message>
    <message>
        <source>Mail Destination Error: the server accepted no recipient (%1)</source>
        <translation>Error de destinatario: el servidor no aceptó a ningún destinatario (%1)</translation>
    </message>
</context>
<context>
    <name>PaintedText</name>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>made by Corlune</source>
        <translation>hecho por Corlune</translation>
    </message>
    <message>
        <source>Built with</source>
        <translation>Hecho con</translation>
    </message>
    <message>
        <source>Send your tree to this e-mail address:</source>
        <extracomment>Painted above the address field, 239 pixels wide in DejaVu Sans Bold 11 px.</extracomment>
        <translation>Envía tu árbol a esta dirección:</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The label painted on a case: 54 pixels (the seventh 64) in DejaVu Sans Condensed Bold 10 px.</extracomment>
        <translation>Bolas</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Campanas</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Hielos</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Estrellas</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Bolitas</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Velas</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Puntas</translation>
    </message>
</context>
<context>
    <name>ReplacingFile</name>
    <message>
        <source>%1: not a file that can be replaced</source>
        <translation>%1: no es un archivo que se pueda reemplazar</translation>
    </message>
    <message>
        <source>%1: no free temporary name beside it</source>
        <translation>%1: no hay ningún nombre temporal libre a su lado</translation>
    </message>
    <message>
        <source>%1: nothing was written</source>
        <translation>%1: no se escribió nada</translation>
    </message>
</context>
<context>
    <name>SaveCard</name>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animado (*.gif)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>WebP animado (*.webp)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vídeo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Imagen JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Save card</source>
        <translation>Guardar tarjeta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Guardando %1…</translation>
    </message>
    <message>
        <source>The card could not be saved.

%1</source>
        <translation>No se pudo guardar la tarjeta.

%1</translation>
    </message>
    <message>
        <source>Saved the card as %1.</source>
        <translation>Tarjeta guardada como %1.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>%1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>%1: ponle a la tarjeta un nombre .jpg, .png, .gif, .webp, .mp4, .glb o .html</translation>
    </message>
    <message>
        <source>Interactive card (*.html)</source>
        <translation>Tarjeta interactiva (*.html)</translation>
    </message>
    <message>
        <source>3D model (*.glb)</source>
        <translation>Modelo 3D (*.glb)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>%1: give the picture a .jpg or .png name</source>
        <translation>%1: ponle a la imagen un nombre .jpg o .png</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>pinewick: the card picture could not be written: %1</source>
        <translation>pinewick: no se pudo escribir la imagen de la tarjeta: %1</translation>
    </message>
    <message>
        <source>pinewick: to send the card with your own mail program instead, run:</source>
        <translation>pinewick: para enviar la tarjeta con tu propio programa de correo, ejecuta:</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: no private folder could be made in %1: %2</source>
        <translation>pinewick: la tarjeta no se envió: no se pudo crear una carpeta privada en %1: %2</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: %1</source>
        <translation>pinewick: la tarjeta no se envió: %1</translation>
    </message>
    <message>
        <source>pinewick: no mail account found. %1</source>
        <translation>pinewick: no se encontró ninguna cuenta de correo. %1</translation>
    </message>
    <message>
        <source>account: %1 &lt;%2&gt; through %3:%4 (%5)</source>
        <translation>cuenta: %1 &lt;%2&gt; a través de %3:%4 (%5)</translation>
    </message>
    <message>
        <source>pinewick: cannot log in: %1</source>
        <translation>pinewick: no se puede iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Conectado a %1</translation>
    </message>
    <message>
        <source>Encrypted (%1)</source>
        <translation>Cifrado (%1)</translation>
    </message>
    <message>
        <source>Logged in as %1</source>
        <translation>Sesión iniciada como %1</translation>
    </message>
    <message>
        <source>Recipient refused: %1 (%2)</source>
        <translation>Destinatario rechazado: %1 (%2)</translation>
    </message>
    <message>
        <source>The picture could not be read and was left out: %1</source>
        <translation>No se pudo leer la imagen y se dejó fuera: %1</translation>
    </message>
    <message>
        <source>Sending the card (%1 KB) ...</source>
        <translation>Enviando la tarjeta (%1 KB)…</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Aceptado: %1</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>error %1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1:%2 ...</source>
        <translation>Conectando con %1:%2…</translation>
    </message>
    <message>
        <source>The note file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de nota %1.</translation>
    </message>
    <message>
        <source>The note file %1 is not a short text in UTF-8.</source>
        <translation>El archivo de nota %1 no es un texto corto en UTF-8.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these:</source>
        <translation>«%1» podría ser cualquiera de estos:</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>No se envió a %1: %2</translation>
    </message>
    <message>
        <source>No answer after the card to %1: it may have arrived, so it is not sent again.</source>
        <translation>No hubo respuesta tras la tarjeta a %1: puede que haya llegado, así que no se vuelve a enviar.</translation>
    </message>
    <message>
        <source>To send it again to those only:</source>
        <translation>Para enviarla de nuevo solo a ellos:</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <extracomment>The card&apos;s progress on the command line: &quot;2 of 5: Oma Ilse &lt;ilse@example.org&gt;&quot;</extracomment>
        <translation>%1 de %2: %3</translation>
    </message>
    <message>
        <source>Waits in the outbox for another try: %1 (%2)</source>
        <translation>Espera en la bandeja de salida otro intento: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SendDueCommand</name>
    <message>
        <source>No card is due.</source>
        <translation>No hay ninguna tarjeta pendiente.</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: no mail account found. %1</source>
        <translation>Las tarjetas de la bandeja de salida no se enviaron: no se encontró ninguna cuenta de correo. %1</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: cannot log in: %1</source>
        <translation>Las tarjetas de la bandeja de salida no se enviaron: no se pudo iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Your Pinewick card went out</source>
        <translation>La tarjeta de Pinewick ya salió</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>Enviada a %1.</translation>
    </message>
    <message>
        <source>A Pinewick card could not be sent</source>
        <translation>No se pudo enviar una tarjeta de Pinewick</translation>
    </message>
    <message>
        <source>Not sent to %1. The outbox in Pinewick&apos;s output dialog says why.</source>
        <translation>No enviada a %1. La bandeja de salida, en la ventana de envío de Pinewick, explica por qué.</translation>
    </message>
    <message>
        <source>Another Pinewick is sending the outbox&apos;s cards now.</source>
        <translation>Otro Pinewick está enviando ahora las tarjetas de la bandeja de salida.</translation>
    </message>
    <message>
        <source>One card sent.</source>
        <translation>Una tarjeta enviada.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards sent.</source>
        <translation>
            <numerusform>%n tarjeta enviada.</numerusform>
            <numerusform>%n tarjetas enviadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>La tarjeta no se pudo poner en la bandeja de salida: %1</translation>
    </message>
    <message>
        <source>The card goes out on %1 to one recipient. It waits in the outbox until then.</source>
        <translation>La tarjeta sale el %1 a un destinatario. Hasta entonces espera en la bandeja de salida.</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipients. It waits in the outbox until then.</source>
        <translation>
            <numerusform>La tarjeta sale el %1 a %n destinatario. Hasta entonces espera en la bandeja de salida.</numerusform>
            <numerusform>La tarjeta sale el %1 a %n destinatarios. Hasta entonces espera en la bandeja de salida.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card could not be kept to send later: %1</source>
        <translation>No se pudo guardar la tarjeta para enviarla más tarde: %1</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Sin conexión: Pinewick la enviará en cuanto pueda.</translation>
    </message>
</context>
<context>
    <name>SnapshotCommand</name>
    <message>
        <source>[%1] %2/%3 frames</source>
        <extracomment>A progress bar (%1), the frames made (%2) and all the frames (%3).</extracomment>
        <translation>[%1] %2/%3 fotogramas</translation>
    </message>
    <message>
        <source>%1: %2 KB in %3 s</source>
        <extracomment>The file written, its size and the time it took.</extracomment>
        <translation>%1: %2 KB en %3 s</translation>
    </message>
    <message>
        <source>pinewick: %1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>pinewick: %1: ponle a la tarjeta un nombre .jpg, .png, .gif, .webp, .mp4, .glb o .html</translation>
    </message>
</context>
<context>
    <name>StartOutbox</name>
    <message>
        <source>One card went out while Pinewick was closed.</source>
        <translation>Una tarjeta salió mientras Pinewick estaba cerrado.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards went out while Pinewick was closed.</source>
        <translation>
            <numerusform>%n tarjeta salió mientras Pinewick estaba cerrado.</numerusform>
            <numerusform>%n tarjetas salieron mientras Pinewick estaba cerrado.</numerusform>
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
        <translation>Lo siento, este programa necesita uno de estos modos de pantalla:
  * HiColor   (16 bits)
  * TrueColor (24 bits)

Tu pantalla está en %1 bits

Programa detenido</translation>
    </message>
    <message>
        <source>You have a OpenGL %1.%2</source>
        <translation>Tienes OpenGL %1.%2</translation>
    </message>
    <message>
        <source>You haven&apos;t OpenGL</source>
        <translation>No tienes OpenGL</translation>
    </message>
    <message>
        <source>Sorry, but this program needs OpenGL 3.3 or more

%1

OpenGL 3.3 is located on &quot;https://www.mesa3d.org&quot;

Program stopped</source>
        <translation>Lo siento, este programa necesita OpenGL 3.3 o superior

%1

OpenGL 3.3 está en «https://www.mesa3d.org»

Programa detenido</translation>
    </message>
</context>
<context>
    <name>TD3DScene</name>
    <message>
        <source>DirectX error</source>
        <translation>Error gráfico</translation>
    </message>
</context>
<context>
    <name>TDecorationHistory</name>
    <message>
        <source>Hang toy</source>
        <translation>Colgar adorno</translation>
    </message>
    <message>
        <source>Remove toy</source>
        <translation>Quitar adorno</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>Qt: windows, controls, fonts, pictures and printing</source>
        <translation>Qt: ventanas, controles, letras, imágenes e impresión</translation>
    </message>
    <message>
        <source>Mesa: OpenGL through EGL, on any graphics card or none</source>
        <translation>Mesa: OpenGL mediante EGL, con cualquier tarjeta gráfica o sin ella</translation>
    </message>
    <message>
        <source>OpenSSL: keeps the mailed card private on its way</source>
        <translation>OpenSSL: la tarjeta viaja en privado</translation>
    </message>
    <message>
        <source>GLM: the vector and matrix arithmetic of the scene</source>
        <translation>GLM: los cálculos de vectores y matrices de la escena</translation>
    </message>
    <message>
        <source>SDL_mixer: plays the carols and the sounds</source>
        <translation>SDL_mixer: toca los villancicos y los sonidos</translation>
    </message>
    <message>
        <source>FluidSynth: turns the carols&apos; notes into music</source>
        <translation>FluidSynth: convierte en música las notas de los villancicos</translation>
    </message>
    <message>
        <source>FFmpeg: plays the opening film</source>
        <translation>FFmpeg: reproduce la película de entrada</translation>
    </message>
    <message>
        <source>Do you want to exit ?</source>
        <translation>¿Quieres salir?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TFormOut</name>
    <message>
        <source>E-Mail address</source>
        <translation>Dirección de correo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>E-Mail the Pinewick</source>
        <translation>Enviar el Pinewick por correo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print of the Pinewick</source>
        <translation>Imprimir el Pinewick</translation>
    </message>
    <message>
        <source>Save card…</source>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>Save the card as a picture or an animation</source>
        <translation>Guardar la tarjeta como imagen o animación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Animated card</source>
        <translation>Tarjeta animada</translation>
    </message>
    <message>
        <source>Mail the turning tree as an animated picture</source>
        <translation>Enviar el árbol girando como imagen animada</translation>
    </message>
    <message>
        <source>No private folder for the card picture could be made in %1: %2</source>
        <translation>No se pudo crear en %1 una carpeta privada para la imagen de la tarjeta: %2</translation>
    </message>
    <message>
        <source>There is no card to send.</source>
        <translation>No hay ninguna tarjeta que enviar.</translation>
    </message>
    <message>
        <source>Making the animated card…</source>
        <translation>Creando la tarjeta animada…</translation>
    </message>
    <message>
        <source>The card was not sent: %1</source>
        <translation>La tarjeta no se envió: %1</translation>
    </message>
    <message>
        <source>Mail sended</source>
        <translation>Correo enviado</translation>
    </message>
    <message>
        <source>Open your own mail program to send the card?</source>
        <translation>¿Abrir tu programa de correo para enviar la tarjeta?</translation>
    </message>
    <message>
        <source>The card picture could not be written: %1</source>
        <translation>No se pudo escribir la imagen de la tarjeta: %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo poner en marcha la impresora.</translation>
    </message>
    <message>
        <source>Your mail program could not be opened: %1

The card is saved as %2; you can attach it to a mail yourself.</source>
        <translation>No se pudo abrir tu programa de correo: %1

La tarjeta está guardada como %2; puedes adjuntarla tú mismo a un correo.</translation>
    </message>
    <message>
        <source>Set up your account in one of these, or save the card and attach it to a mail yourself.</source>
        <translation>Configura tu cuenta en uno de ellos, o guarda la tarjeta y adjúntala tú mismo a un correo.</translation>
    </message>
    <message>
        <source>Sending %1 of %2…</source>
        <translation>Enviando %1 de %2…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Enviando…</translation>
    </message>
    <message>
        <source>E-mail addresses or names from your address books, separated by commas</source>
        <translation>Direcciones de correo o nombres de tus libretas, separados por comas</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Nota…</translation>
    </message>
    <message>
        <source>Write a personal note under the card</source>
        <translation>Escribe una nota personal bajo la tarjeta</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>See the mail as its first recipient will see it</source>
        <translation>Ver el correo como lo verá su primer destinatario</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these. Choose one from the list:
%2</source>
        <translation>«%1» podría ser cualquiera de estos. Elige uno de la lista:
%2</translation>
    </message>
    <message>
        <source>Note ✓</source>
        <translation>Nota ✓</translation>
    </message>
    <message>
        <source>(nobody yet)</source>
        <translation>(nadie todavía)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The card went to %1 of %n recipients.</source>
        <translation>
            <numerusform>La tarjeta llegó a %1 de %n destinatario.</numerusform>
            <numerusform>La tarjeta llegó a %1 de %n destinatarios.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent to:</source>
        <translation>Enviada a:</translation>
    </message>
    <message>
        <source>Not sent to:</source>
        <translation>No enviada a:</translation>
    </message>
    <message>
        <source>No answer after the card to these; it may have arrived, so it is not sent again:</source>
        <translation>No hubo respuesta tras la tarjeta a estos; puede que haya llegado, así que no se vuelve a enviar:</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Enviar de nuevo</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Sin conexión: Pinewick la enviará en cuanto pueda.</translation>
    </message>
    <message>
        <source>Send on…</source>
        <translation>Enviar el…</translation>
    </message>
    <message>
        <source>Send the card on a day and at a time you choose</source>
        <translation>Enviar la tarjeta el día y a la hora que elijas</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>Salida…</translation>
    </message>
    <message>
        <source>The cards waiting to go out, and those sent</source>
        <translation>Las tarjetas que esperan salir y las enviadas</translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>La tarjeta no se puso en la bandeja de salida: %1</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipient(s). It waits in the outbox until then.</source>
        <translation>
            <numerusform>La tarjeta sale el %1 a %n destinatario. Hasta entonces espera en la bandeja de salida.</numerusform>
            <numerusform>La tarjeta sale el %1 a %n destinatarios. Hasta entonces espera en la bandeja de salida.</numerusform>
        </translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can to:</source>
        <translation>Sin conexión: Pinewick la enviará en cuanto pueda a:</translation>
    </message>
    <message>
        <source>Interactive card</source>
        <translation>Tarjeta interactiva</translation>
    </message>
    <message>
        <source>Send the card as a web page too, where the tree can be turned</source>
        <translation>Enviar también la tarjeta como página web, donde el árbol se puede girar</translation>
    </message>
</context>
<context>
    <name>TFormSetup</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Drivers</source>
        <extracomment>The title of the list of 3D drivers.</extracomment>
        <translation>Controladores</translation>
    </message>
</context>
<context>
    <name>TFormTitle</name>
    <message>
        <source>Do you want to create %1 shortcut
on your desktop ?</source>
        <translation>¿Crear un acceso directo a %1
en tu escritorio?</translation>
    </message>
</context>
<context>
    <name>TFormTree</name>
    <message>
        <source>big ball</source>
        <extracomment>One toy of a case, as a screen reader names it after its colour.</extracomment>
        <translation>bola grande</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>campana</translation>
    </message>
    <message>
        <source>icicle</source>
        <translation>carámbano</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>small ball</source>
        <translation>bola pequeña</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>vela</translation>
    </message>
    <message>
        <source>tree top</source>
        <translation>punta</translation>
    </message>
    <message>
        <source>Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>Las flechas mueven el objetivo; Supr quita el adorno más cercano; RePág y AvPág giran el árbol</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Saludo</translation>
    </message>
    <message>
        <source>Enter starts and ends typing; Ctrl+Z undoes</source>
        <translation>Intro empieza y termina de escribir; Ctrl+Z deshace</translation>
    </message>
    <message>
        <source>Case of toys: Enter shows its toys</source>
        <translation>Caja de adornos: Intro muestra sus adornos</translation>
    </message>
    <message>
        <source>Enter picks it up; the arrow keys carry it over the tree; Enter hangs it, Escape puts it back</source>
        <translation>Intro lo coge; las flechas lo llevan sobre el árbol; Intro lo cuelga, Esc lo devuelve</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A toy&apos;s colour (%1, such as &quot;Red&quot;) and kind (%2, such as &quot;big ball&quot;).</extracomment>
        <translation>%2, %1</translation>
    </message>
    <message>
        <source>Send Pinewick</source>
        <translation>Enviar el Pinewick</translation>
    </message>
    <message>
        <source>Fill in the text of greeting</source>
        <translation>Escribir el texto del saludo</translation>
    </message>
    <message>
        <source>Music switch</source>
        <translation>Música sí/no</translation>
    </message>
    <message>
        <source>Change 3D driver</source>
        <translation>Cambiar el controlador 3D</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The seven cases of toys along the bottom of the window.</extracomment>
        <translation>Bolas</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Campanas</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Carámbanos</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Estrellas</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Bolitas</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Velas</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Puntas</translation>
    </message>
    <message>
        <source>An empty tree is shown. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>Se muestra un árbol vacío. Tu archivo se queda como está y no se sobrescribirá; los cambios de esta sesión no se guardan.</translation>
    </message>
    <message>
        <source>The decoration that comes with Pinewick is shown instead. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>En su lugar se muestra la decoración que trae Pinewick. Tu archivo se queda como está y no se sobrescribirá; los cambios de esta sesión no se guardan.</translation>
    </message>
    <message>
        <source>Your decoration could not be saved:
%1

Free some space or fix the folder&apos;s permissions, then try again.</source>
        <translation>No se pudo guardar tu decoración:
%1

Libera espacio o corrige los permisos de la carpeta y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Quit without saving</source>
        <translation>Salir sin guardar</translation>
    </message>
    <message>
        <source>Target off the tree.</source>
        <translation>Objetivo fuera del árbol.</translation>
    </message>
    <message>
        <source>Target on the tree.</source>
        <translation>Objetivo en el árbol.</translation>
    </message>
    <message>
        <source>Target on a toy.</source>
        <translation>Objetivo en un adorno.</translation>
    </message>
    <message>
        <source>%1 Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>%1 Las flechas mueven el objetivo; Supr quita el adorno más cercano; RePág y AvPág giran el árbol</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Este saludo es demasiado largo para leerse bien en la cinta.</translation>
    </message>
    <message>
        <source>Fir tree with 1 ornament</source>
        <translation>Abeto con 1 adorno</translation>
    </message>
    <message numerus="yes">
        <source>Fir tree with %n ornaments</source>
        <translation>
            <numerusform>Abeto con %n adorno</numerusform>
            <numerusform>Abeto con %n adornos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormWelcome</name>
    <message>
        <source>Text of greeting</source>
        <translation>Texto del saludo</translation>
    </message>
    <message>
        <source>Font select</source>
        <translation>Elegir letra</translation>
    </message>
    <message>
        <source>Font style select</source>
        <translation>Elegir estilo</translation>
    </message>
    <message>
        <source>Color select</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>too long for the ribbon</source>
        <translation>demasiado largo para la cinta</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Este saludo es demasiado largo para leerse bien en la cinta.</translation>
    </message>
</context>
<context>
    <name>TNoteDialog</name>
    <message>
        <source>A note under the card. {name} becomes each recipient&apos;s first name.</source>
        <translation>Una nota bajo la tarjeta. {name} se convierte en el nombre de cada destinatario.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>Characters left: %n</source>
        <translation>
            <numerusform>Queda %n carácter</numerusform>
            <numerusform>Quedan %n caracteres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOutboxWindow</name>
    <message>
        <source>Cards waiting to go out, and cards sent in the last year</source>
        <translation>Tarjetas que esperan salir y tarjetas enviadas en el último año</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Destinatarios</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Enviar ahora</translation>
    </message>
    <message>
        <source>Change time…</source>
        <translation>Cambiar hora…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Waiting: tried again at %1 (%2)</source>
        <translation>Esperando: nuevo intento a las %1 (%2)</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Programada</translation>
    </message>
    <message numerus="yes">
        <source>Sent to all %n</source>
        <translation>
            <numerusform>Enviada a %n</numerusform>
            <numerusform>Enviada a los %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent to %1 of %n</source>
        <translation>
            <numerusform>Enviada a %1 de %n</numerusform>
            <numerusform>Enviada a %1 de %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Pinewick is sending cards just now. Try again in a moment.</source>
        <translation>Pinewick está enviando tarjetas ahora mismo. Inténtalo en un momento.</translation>
    </message>
    <message>
        <source>Delete the card to %1? It will not be sent.</source>
        <translation>¿Eliminar la tarjeta para %1? No se enviará.</translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>Password for %1 at %2:</source>
        <translation>Contraseña de %1 en %2:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Remember</source>
        <translation>Recordar</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring</source>
        <translation>Guardar la contraseña en el depósito de claves del escritorio</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TPreviewDialog</name>
    <message>
        <source>To: %1
Subject: %2</source>
        <translation>Para: %1
Asunto: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TSendLaterDialog</name>
    <message>
        <source>Send the card on:</source>
        <translation>Enviar la tarjeta el:</translation>
    </message>
    <message>
        <source>Date and time to send the card</source>
        <translation>Fecha y hora de envío de la tarjeta</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>WebCard</name>
    <message>
        <source>%1: three.js can&apos;t be read (is libjs-three installed?)</source>
        <translation>%1: no se puede leer three.js (¿está instalado libjs-three?)</translation>
    </message>
    <message>
        <source>A decorated fir tree that turns, under the greeting “%1”. Drag it to turn it.</source>
        <extracomment>The described picture of the interactive card, for readers that can&apos;t see it; %1 is the greeting.</extracomment>
        <translation>Un abeto decorado que gira, bajo el saludo «%1». Arrástralo para girarlo.</translation>
    </message>
</context>
<context>
    <name>mail</name>
    <message>
        <source>the card&apos;s picture was not found.</source>
        <translation>no se encontró la imagen de la tarjeta.</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop.</source>
        <translation>no hay ningún programa de correo configurado en este escritorio.</translation>
    </message>
    <message>
        <source>the card&apos;s picture could not be read.</source>
        <translation>no se pudo leer la imagen de la tarjeta.</translation>
    </message>
    <message>
        <source>xdg-email ended with the error status %1.</source>
        <translation>xdg-email terminó con el estado de error %1.</translation>
    </message>
    <message>
        <source>xdg-email stopped unexpectedly.</source>
        <translation>xdg-email se detuvo de forma inesperada.</translation>
    </message>
    <message>
        <source>xdg-email could not be started (it comes with the package xdg-utils).</source>
        <translation>no se pudo iniciar xdg-email (viene en el paquete xdg-utils).</translation>
    </message>
    <message>
        <source>Type the address the card goes to.</source>
        <translation>Escribe la dirección a la que va la tarjeta.</translation>
    </message>
    <message>
        <source>The card cannot go to this address: %1.</source>
        <translation>La tarjeta no puede ir a esta dirección: %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 tiene más de %2 bytes</translation>
    </message>
</context>
<context>
    <name>mail::Outbox</name>
    <message>
        <source>The card has no recipients.</source>
        <translation>La tarjeta no tiene destinatarios.</translation>
    </message>
    <message>
        <source>The outbox folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta de salida %1.</translation>
    </message>
    <message>
        <source>The card could not be moved into the outbox %1.</source>
        <translation>No se pudo mover la tarjeta a la bandeja de salida %1.</translation>
    </message>
    <message>
        <source>the message for %1 is missing</source>
        <translation>falta el mensaje para %1</translation>
    </message>
    <message>
        <source>A damaged card in the outbox was set aside in %1: %2</source>
        <translation>Una tarjeta dañada de la bandeja de salida se apartó en %1: %2</translation>
    </message>
</context>
<context>
    <name>mail::OutboxCard</name>
    <message>
        <source>the state file is not readable (%1)</source>
        <translation>el archivo de estado no se puede leer (%1)</translation>
    </message>
    <message>
        <source>the state file has an unknown version</source>
        <translation>el archivo de estado tiene una versión desconocida</translation>
    </message>
    <message>
        <source>the state file has a damaged time or subject</source>
        <translation>el archivo de estado tiene una hora o un asunto dañados</translation>
    </message>
    <message>
        <source>the state file names no recipients</source>
        <translation>el archivo de estado no nombra destinatarios</translation>
    </message>
    <message>
        <source>the state file has a damaged recipient</source>
        <translation>el archivo de estado tiene un destinatario dañado</translation>
    </message>
</context>
<context>
    <name>mail::OutboxSender</name>
    <message>
        <source>Sending &quot;%1&quot; to %n recipient(s) ...</source>
        <translation>Enviando «%1», destinatarios: %n…</translation>
    </message>
    <message>
        <source>Sent to %1</source>
        <translation>Enviado a %1</translation>
    </message>
    <message>
        <source>Perhaps not sent to %1 (the server did not answer): %2</source>
        <translation>Quizá no se envió a %1 (el servidor no respondió): %2</translation>
    </message>
    <message>
        <source>Not sent to %1, tried again at %2: %3</source>
        <translation>No se envió a %1, nuevo intento a las %2: %3</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>No se envió a %1: %2</translation>
    </message>
</context>
<context>
    <name>mail::SendTime</name>
    <message>
        <source>&quot;%1&quot; is not a date and time such as &quot;2026-12-24 08:00&quot;.</source>
        <translation>«%1» no es una fecha y hora como «2026-12-24 08:00».</translation>
    </message>
    <message>
        <source>The time to send the card must be at least a minute from now.</source>
        <translation>La tarjeta debe enviarse dentro de un minuto como pronto.</translation>
    </message>
    <message>
        <source>The time to send the card must be at most a year from now.</source>
        <translation>La tarjeta debe enviarse dentro de un año como muy tarde.</translation>
    </message>
</context>
</TS>
