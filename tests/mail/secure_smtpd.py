#!/usr/bin/env python3
"""Real SMTP servers on loopback for the encrypted and logged-in sending tests.

Usage: secure_smtpd.py MAILDIR CERT KEY USER PASSWORD

Starts three aiosmtpd servers that store accepted mail in MAILDIR:
  starttls  plain greeting, STARTTLS required, then a login (PLAIN or LOGIN)
  implicit  TLS from the first byte, a login by AUTH LOGIN only
  plain     no TLS at all, no login
Each server accepts only USER with PASSWORD. Prints one line
"READY starttls=PORT implicit=PORT plain=PORT" when all listen, then one line
per login attempt ("AUTH mechanism user ok|refused"), and runs until stdin closes.
"""
import logging
import socket
import warnings
import ssl
import sys

from aiosmtpd.controller import Controller
from aiosmtpd.handlers import Mailbox
from aiosmtpd.smtp import AuthResult


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def main():
    # aiosmtpd warns that the implicit-TLS server needs no STARTTLS before a login: it is TLS already.
    warnings.simplefilter("ignore")
    logging.getLogger("mail.log").setLevel(logging.ERROR)
    maildir, cert, key, user, password = sys.argv[1:6]
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert, key)

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = (auth_data.login.decode() == user and auth_data.password.decode() == password)
        print(f"AUTH {mechanism} {auth_data.login.decode()} {'ok' if ok else 'refused'}", flush=True)
        # handled=False: the server itself answers 535 to a refused login.
        return AuthResult(success=ok, handled=False)

    handler = Mailbox(maildir)
    ports = {name: free_port() for name in ("starttls", "implicit", "plain")}
    servers = [
        Controller(handler, hostname="127.0.0.1", port=ports["starttls"], tls_context=context,
                   require_starttls=True, auth_required=True, authenticator=authenticator),
        # The connection is TLS from the start, so a login needs no STARTTLS first.
        Controller(handler, hostname="127.0.0.1", port=ports["implicit"], ssl_context=context,
                   auth_required=True, auth_require_tls=False,
                   authenticator=authenticator, auth_exclude_mechanism=["PLAIN"]),
        Controller(handler, hostname="127.0.0.1", port=ports["plain"]),
    ]
    for server in servers:
        server.start()
    print("READY " + " ".join(f"{name}={port}" for name, port in ports.items()), flush=True)
    try:
        sys.stdin.read()
    finally:
        for server in servers:
            server.stop()


if __name__ == "__main__":
    main()
