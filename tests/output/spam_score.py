#!/usr/bin/env python3
"""Scores the card a Maildir holds with SpamAssassin (offline, its fixed rules)
against a reference: the same texts and JPEG composed by Python's email package.

Usage: spam_score.py MAILDIR
Prints both scores and the rules each one hit; exits 1 when the card scores
worse than the reference, 2 when something is missing.
"""
import email
import email.policy
import email.utils
import mailbox
import re
import subprocess
import sys
from email.message import EmailMessage


def score(raw):
    run = subprocess.run(["spamassassin", "-t", "-L"], input=raw, capture_output=True, timeout=600)
    report = email.message_from_bytes(run.stdout, policy=email.policy.compat32)
    status = " ".join((report["X-Spam-Status"] or "").split())
    found = re.search(r"score=(-?[\d.]+)", status)
    if not found:
        print("no X-Spam-Status in the output of spamassassin:", run.stderr.decode(errors="replace")[-2000:])
        sys.exit(2)
    tests = re.search(r"tests=(\S*)", status)
    return float(found.group(1)), tests.group(1) if tests else ""


def main():
    box = mailbox.Maildir(sys.argv[1], factory=None, create=False)
    keys = list(box.keys())
    if len(keys) != 1:
        print(f"expected one mail, found {len(keys)}")
        return 2
    raw = box.get_bytes(keys[0])
    card = email.message_from_bytes(raw, policy=email.policy.default)
    text = card.get_body(("plain",)).get_content()
    html = card.get_body(("html",)).get_content()
    picture = next(p for p in card.walk() if p.get_content_type() == "image/jpeg")
    old_id = str(picture["Content-ID"]).strip("<>")

    domain = card["From"].addresses[0].domain
    reference = EmailMessage()
    reference["From"] = card["From"]
    reference["To"] = card["To"]
    if card["Subject"] is not None:
        reference["Subject"] = str(card["Subject"])
    reference["Date"] = email.utils.formatdate(localtime=True)
    reference["Message-ID"] = email.utils.make_msgid(domain=domain)
    reference.set_content(text)
    new_id = email.utils.make_msgid(domain=domain)
    reference.add_alternative(html.replace("cid:" + old_id, "cid:" + new_id[1:-1]), subtype="html")
    reference.get_payload()[1].add_related(picture.get_content(), "image", "jpeg", cid=new_id,
                                           filename="Pinewick.jpg", disposition="inline")
    # The lines the receiving server added to the card go on the reference too.
    server_lines = b"".join(line + b"\n" for line in raw.split(b"\n\n", 1)[0].split(b"\n")
                            if line.startswith((b"X-Peer", b"X-MailFrom", b"X-RcptTo", b"Received")))
    card_score, card_tests = score(raw)
    reference_score, reference_tests = score(server_lines + reference.as_bytes(policy=email.policy.SMTP))
    print(f"card: {card_score} ({card_tests})")
    print(f"reference: {reference_score} ({reference_tests})")
    return 1 if card_score > reference_score + 1e-9 else 0


if __name__ == "__main__":
    sys.exit(main())
