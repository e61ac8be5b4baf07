"""A real SMTP server for the outbox tests: aiosmtpd storing accepted mail in a
Maildir, refusing for good any recipient whose address starts with "refuse"
(550) and for now any that starts with "later" (451).

usage: outbox_smtpd.py PORT MAILDIR
"""
import mailbox
import signal
import sys

from aiosmtpd.controller import Controller


class Handler:
    def __init__(self, maildir):
        self.box = mailbox.Maildir(maildir)

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.startswith("refuse"):
            return "550 5.1.1 no such mailbox"
        if address.startswith("later"):
            return "451 4.3.0 try again later"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.box.add(envelope.original_content)
        return "250 OK stored"


def main():
    signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGTERM, signal.SIGINT})
    port = int(sys.argv[1])
    controller = Controller(Handler(sys.argv[2]), hostname="127.0.0.1", port=port)
    controller.start()
    print("listening", flush=True)
    signal.sigwait({signal.SIGTERM, signal.SIGINT})
    controller.stop()


if __name__ == "__main__":
    main()
